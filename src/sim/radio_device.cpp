#include "sim/radio_device.h"

#include <array>

#include "link/clone_frames.h"

namespace rse::sim {

namespace {

// Longest command frame between SOH and CR: code, address, 16 data bytes, checksum.
constexpr std::size_t kMaxFrameChars = 2 + 4 + 32 + 2;

std::optional<int> HexNumber(std::span<const std::uint8_t> chars) {
    int value = 0;
    for (std::size_t i = 0; i + 1 < chars.size(); i += 2) {
        const auto byte = HexCharsToByte(chars[i], chars[i + 1]);
        if (!byte) return std::nullopt;
        value = value << 8 | *byte;
    }
    return value;
}

}  // namespace

RadioDevice::RadioDevice(const MemoryImage& memory, RadioFaults faults, bool echo,
                         std::optional<std::uint16_t> modelCode)
    : memory_(memory), faults_(std::move(faults)), echo_(echo), modelCode_(modelCode) {}

void RadioDevice::Receive(std::span<const std::uint8_t> input, RadioOutput& out) {
    for (std::uint8_t byte : input) {
        if (cut_) return;
        if (echo_) out.bytes.push_back(byte);
        if (byte == kSOH) {
            inFrame_ = true;
            frame_.clear();
        } else if (!inFrame_) {
            // CAN and anything else between frames is ignored.
        } else if (byte == kCR) {
            inFrame_ = false;
            Command(out);
        } else if (frame_.size() < kMaxFrameChars) {
            frame_.push_back(byte);
        } else {
            inFrame_ = false;  // too long for any command: drop it
        }
    }
}

bool RadioDevice::Take(std::map<int, int>& fault, int address) {
    auto it = fault.find(address);
    if (it == fault.end() || it->second <= 0) return false;
    --it->second;
    return true;
}

std::uint8_t RadioDevice::ReadMemory(int address) const {
    // A made-up model code, high byte first.
    const int last = mem::kModelCode.End() - 1;
    if (modelCode_ && address >= mem::kModelCode.address && address <= last)
        return static_cast<std::uint8_t>(*modelCode_ >> 8 * (last - address));
    return memory_[static_cast<std::size_t>(address)];
}

void RadioDevice::Junk(RadioOutput& out) const {
    // Bytes that are neither SOH nor ACK.
    static constexpr std::array<std::uint8_t, 5> kJunk{0xFF, 'Z', 0x00, '7', 0x0D};
    for (int i = 0; i < faults_.junkBytes; ++i)
        out.bytes.push_back(kJunk[i % kJunk.size()]);
}

bool RadioDevice::CutNow(RadioOutput& out) {
    if (!faults_.cutAfterBlocks || blocksServed_ < *faults_.cutAfterBlocks) return false;
    cut_ = true;
    out.cutLine = true;
    return true;
}

void RadioDevice::Reply(std::uint8_t code, std::span<const std::uint8_t> data, int address,
                        RadioOutput& out) {
    if (Take(faults_.noReply, address)) return;
    Frame reply = ReplyFrame(code, data);
    if (Take(faults_.badChecksum, address)) {
        // Spoil the low checksum character while keeping it a hex digit.
        std::uint8_t& c = reply[reply.size() - 2];
        c = c == '0' ? '1' : '0';
    }
    Junk(out);
    out.bytes.insert(out.bytes.end(), reply.begin(), reply.end());
}

void RadioDevice::Ack(int address, RadioOutput& out) {
    out.memoryWritten = true;
    if (Take(faults_.noAck, address)) return;
    Junk(out);
    out.bytes.push_back(kACK);
}

void RadioDevice::Command(RadioOutput& out) {
    Frame chars = frame_;
    chars.push_back(kCR);
    const std::uint8_t code = ParseReply(chars);
    const std::span<const std::uint8_t> body(frame_);
    if (code == 0 || body.size() < 8) return;  // bad checksum or too short: no answer
    const auto address = HexNumber(body.subspan(2, 4));
    if (!address || *address >= static_cast<int>(kImageSize)) return;
    const int a = *address;
    const auto payload = body.subspan(6, body.size() - 8);
    switch (code) {
        case kReadByteCode: {
            if (!payload.empty()) return;
            ++commandsServed_;
            const std::array<std::uint8_t, 1> data{ReadMemory(a)};
            Reply(kReadByteCode, data, a, out);
            break;
        }
        case kReadBlockCode: {
            if (!payload.empty() || a % kBlockSize != 0) return;
            if (CutNow(out)) return;
            ++commandsServed_;
            ++blocksServed_;
            std::array<std::uint8_t, kBlockSize> data{};
            for (int i = 0; i < kBlockSize; ++i)
                data[static_cast<std::size_t>(i)] = ReadMemory(a + i);
            Reply(kReadBlockCode, data, a, out);
            break;
        }
        case kWriteByteCode: {
            const auto data = payload.size() == 2 ? HexNumber(payload) : std::nullopt;
            if (!data) return;
            ++commandsServed_;
            if (!Take(faults_.loseWrite, a)) {
                memory_[static_cast<std::size_t>(a)] = static_cast<std::uint8_t>(*data);
            }
            Ack(a, out);
            break;
        }
        case kWriteBlockCode: {
            if (payload.size() != 2 * kBlockSize || a % kBlockSize != 0) return;
            std::array<std::uint8_t, kBlockSize> data{};
            for (int i = 0; i < kBlockSize; ++i) {
                const auto b = HexCharsToByte(payload[2 * i], payload[2 * i + 1]);
                if (!b) return;
                data[static_cast<std::size_t>(i)] = *b;
            }
            if (CutNow(out)) return;
            ++commandsServed_;
            ++blocksServed_;
            if (!Take(faults_.loseWrite, a))
                std::copy(data.begin(), data.end(), memory_.begin() + a);
            Ack(a, out);
            break;
        }
        default:
            break;
    }
}

}  // namespace rse::sim

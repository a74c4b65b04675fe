#include "link/clone_frames.h"

namespace rse {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

std::optional<int> HexValue(std::uint8_t c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return std::nullopt;
}

void AppendHex(std::vector<std::uint8_t>& out, std::uint8_t value) {
    const auto chars = ByteToHexChars(value);
    out.insert(out.end(), chars.begin(), chars.end());
}

void AppendAddress(std::vector<std::uint8_t>& out, int address) {
    AppendHex(out, static_cast<std::uint8_t>((address >> 8) & 0xFF));
    AppendHex(out, static_cast<std::uint8_t>(address & 0xFF));
}

}  // namespace

std::array<std::uint8_t, 2> ByteToHexChars(std::uint8_t value) {
    return {static_cast<std::uint8_t>(kHexDigits[value >> 4]),
            static_cast<std::uint8_t>(kHexDigits[value & 0x0F])};
}

std::optional<std::uint8_t> HexCharsToByte(std::uint8_t high, std::uint8_t low) {
    const auto h = HexValue(high);
    const auto l = HexValue(low);
    if (!h || !l) return std::nullopt;
    return static_cast<std::uint8_t>(*h << 4 | *l);
}

std::uint8_t FrameChecksum(std::span<const std::uint8_t> chars) {
    unsigned sum = 0;
    for (std::uint8_t c : chars)
        sum += c;
    return static_cast<std::uint8_t>(255 - (sum & 0xFF));
}

Frame BuildFrame(std::uint8_t code, std::span<const std::uint8_t> payloadChars) {
    Frame frame;
    frame.reserve(payloadChars.size() + 6);
    frame.push_back(kSOH);
    AppendHex(frame, code);
    frame.insert(frame.end(), payloadChars.begin(), payloadChars.end());
    const std::span<const std::uint8_t> covered(frame.data() + 1, frame.size() - 1);
    AppendHex(frame, FrameChecksum(covered));
    frame.push_back(kCR);
    return frame;
}

Frame ReadByteFrame(int address) {
    Frame payload;
    AppendAddress(payload, address);
    return BuildFrame(kReadByteCode, payload);
}

Frame ReadBlockFrame(int address) {
    Frame payload;
    AppendAddress(payload, address);
    return BuildFrame(kReadBlockCode, payload);
}

Frame WriteByteFrame(int address, std::uint8_t data) {
    Frame payload;
    AppendAddress(payload, address);
    AppendHex(payload, data);
    return BuildFrame(kWriteByteCode, payload);
}

Frame WriteBlockFrame(int address, std::span<const std::uint8_t, kBlockSize> data) {
    Frame payload;
    AppendAddress(payload, address);
    for (std::uint8_t b : data)
        AppendHex(payload, b);
    return BuildFrame(kWriteBlockCode, payload);
}

Frame ReplyFrame(std::uint8_t code, std::span<const std::uint8_t> data) {
    Frame payload;
    for (std::uint8_t b : data)
        AppendHex(payload, b);
    return BuildFrame(code, payload);
}

std::uint8_t ParseReply(std::span<const std::uint8_t> frame) {
    // Two code characters, two checksum characters and the CR at the least.
    if (frame.size() < 5) return 0;
    const std::size_t n = frame.size() - 1;
    const auto expected = ByteToHexChars(FrameChecksum(frame.first(n - 2)));
    if (frame[n - 2] != expected[0] || frame[n - 1] != expected[1]) return 0;
    const auto code = HexCharsToByte(frame[0], frame[1]);
    if (!code) return 0;
    switch (*code) {
        case kWriteByteCode:
        case kReadByteCode:
        case kWriteBlockCode:
        case kReadBlockCode:
            return *code;
        default:
            return 0;
    }
}

bool DecodeReplyData(std::span<const std::uint8_t> frame, std::span<std::uint8_t> out) {
    if (frame.size() < 2 + 2 * out.size()) return false;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto value = HexCharsToByte(frame[2 + 2 * i], frame[3 + 2 * i]);
        if (!value) return false;
        out[i] = *value;
    }
    return true;
}

}  // namespace rse

#include "link/serial_layer.h"

#include <algorithm>
#include <array>

#include "link/clone_frames.h"

namespace rse {

std::optional<LinkOpenError> SerialLayer::OpenPort() {
    if (env_.link.IsOpen()) return std::nullopt;
    LinkOpenError error;
    if (env_.link.Open(error)) return std::nullopt;
    if (env_.writeErrorLog) {
        env_.writeErrorLog("frmRadio.PortOpen", std::to_string(error.code) + error.reason);
    }
    return error;
}

void SerialLayer::ClosePort() {
    if (env_.link.IsOpen()) env_.link.Close();
}

void SerialLayer::FlushInput() {
    env_.link.DiscardInput();
}

bool SerialLayer::SendBytes(std::span<const std::uint8_t> bytes) {
    return env_.link.Write(bytes);
}

void SerialLayer::Pump() {
    if (env_.pumpEvents) env_.pumpEvents();
}

bool SerialLayer::Expired(TimePoint start, Millis timeout) const {
    return env_.clock.Now() - start > timeout;
}

bool SerialLayer::WaitMore(TimePoint start, Millis timeout, std::size_t wanted) {
    // Called only while not expired, so the remaining time is not negative. One millisecond
    // more than the remaining time makes the next pass see the time-out, never earlier.
    const auto remaining = std::chrono::ceil<Millis>(start + timeout - env_.clock.Now());
    const Millis wait = std::clamp(remaining + Millis{1}, Millis{1}, kCancelLatency);
    return env_.link.WaitForData(wait, std::max<std::size_t>(wanted, 1)) != LinkWait::Broken;
}

bool SerialLayer::TakeByte(std::uint8_t& byte) {
    if (env_.link.BytesAvailable() == 0) return false;
    return env_.link.Read(std::span<std::uint8_t>(&byte, 1)) == 1;
}

void SerialLayer::DropInput() {
    std::array<std::uint8_t, 256> scrap{};
    while (env_.link.BytesAvailable() > 0) {
        if (env_.link.Read(scrap) == 0) break;
    }
}

WaitResult SerialLayer::WaitForByte(std::uint8_t awaited, Millis timeout) {
    const TimePoint start = env_.clock.Now();
    bool remembered = false;
    std::uint8_t last = 0;
    for (;;) {
        Pump();
        const bool got = TakeByte(last);
        remembered = remembered || got;
        if (CancelRequested()) return WaitResult::Cancelled;
        if (Expired(start, timeout)) return WaitResult::TimedOut;
        if (remembered && last == awaited) return WaitResult::Came;
        if (!got && !WaitMore(start, timeout, 1)) return WaitResult::LinkLost;
    }
}

WaitResult SerialLayer::ReceiveFrame(std::span<std::uint8_t> frame, Millis timeout) {
    const TimePoint start = env_.clock.Now();
    // Once more bytes came than the frame holds, the frame can no longer complete: the wait
    // runs on to its time-out as before, but what keeps coming is dropped, not kept.
    bool overrun = false;
    for (;;) {
        Pump();
        const std::size_t have = env_.link.BytesAvailable();
        overrun = overrun || have > frame.size();
        if (overrun) {
            DropInput();
        } else if (have == frame.size()) {
            break;
        }
        if (CancelRequested()) return WaitResult::Cancelled;
        if (Expired(start, timeout)) return WaitResult::TimedOut;
        const std::size_t wanted = !overrun && have < frame.size() ? frame.size() - have : 1;
        if (!WaitMore(start, timeout, wanted)) return WaitResult::LinkLost;
    }
    if (frame.empty() || env_.link.Read(frame) != frame.size()) return WaitResult::TimedOut;
    return frame.back() == kCR ? WaitResult::Came : WaitResult::NoCR;
}

WaitResult SerialLayer::DrainEcho(int lastIndex, Millis timeout) {
    if (env_.settings.SkipReceive) return WaitResult::Came;
    int k = -1;
    const TimePoint start = env_.clock.Now();
    for (;;) {
        Pump();
        std::uint8_t byte = 0;
        const bool got = TakeByte(byte);
        if (got) ++k;
        if (CancelRequested()) return WaitResult::Cancelled;
        if (Expired(start, timeout)) return WaitResult::TimedOut;
        if (k == lastIndex) return WaitResult::Came;
        if (!got && !WaitMore(start, timeout, static_cast<std::size_t>(lastIndex - k))) {
            return WaitResult::LinkLost;
        }
    }
}

}  // namespace rse

// The thin layer between the clone protocol and the byte link: open and close, flush,
// send, and the three bounded waits (one byte, a frame of exact length, the echo).
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "link/byte_link.h"

namespace rse {

enum class WaitResult : int { Came = 0, Cancelled = 1, TimedOut = 3 };
enum class FrameResult : int { Complete = 0, NoCR = -1, Cancelled = 1, TimedOut = 3 };

class SerialLayer {
  public:
    // Longest single block on the link before the wait looks at the cancel request again.
    static constexpr Millis kWaitSlice{5};

    explicit SerialLayer(const LinkEnvironment& env) : env_(env) {}

    // True when the port is usable; a port that is already open is left as it is.
    bool OpenPort();
    void ClosePort();
    // Drops every byte received so far.
    void FlushInput();
    void SendBytes(std::span<const std::uint8_t> bytes);
    // Drops other bytes until the awaited one comes.
    WaitResult WaitForByte(std::uint8_t awaited, Millis timeout);
    // Waits until exactly frame.size() bytes are buffered, then takes them; Complete when the
    // last one is CR. More bytes than that can never make the frame: they are dropped as they
    // come until the time-out, so a flooding line costs no memory.
    FrameResult ReceiveFrame(std::span<std::uint8_t> frame, Millis timeout);
    // Reads back the echo of a sent frame (last index = frame length - 1). ErrorFlag() is
    // false afterwards when the whole echo came; with SkipReceive it returns at once.
    void DrainEcho(int lastIndex, Millis timeout);

    bool ErrorFlag() const { return errorFlag_; }
    void SetErrorFlag(bool value) { errorFlag_ = value; }
    bool CancelRequested() const { return env_.cancel.load(); }
    // The line broke (device gone, far end closed): every later wait ends at once.
    bool LinkLost() const { return linkLost_; }
    const std::string& LinkLostReason() const { return linkLostReason_; }
    const LinkOpenError& OpenError() const { return openError_; }

  private:
    void Pump();
    bool Expired(TimePoint start, Millis timeout);
    void WaitMore(TimePoint start, Millis timeout, std::size_t wanted = 1);
    bool TakeByte(std::uint8_t& byte);
    // Takes and drops every byte buffered now.
    void DropInput();
    void MarkLost();

    const LinkEnvironment& env_;
    bool errorFlag_ = false;
    bool linkLost_ = false;
    std::string linkLostReason_;
    LinkOpenError openError_;
};

}  // namespace rse

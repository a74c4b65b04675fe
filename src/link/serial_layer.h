// The thin layer between the clone protocol and the byte link: open and close, flush,
// send, and the three bounded waits (one byte, a frame of exact length, the echo). It keeps
// no state between calls: each step returns what happened.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "link/byte_link.h"

namespace rse {

// What a wait on the line came to.
enum class WaitResult {
    Came,       // the awaited byte, the whole frame or the whole echo is here
    NoCR,       // a frame of the awaited length came, but its last byte is not CR
    Cancelled,  // the user asked to stop
    TimedOut,   // the time-out passed first
    LinkLost,   // the line broke (device gone, far end closed); ByteLink::LastError says why
};

class SerialLayer {
  public:
    // Longest single block on the link while nothing comes: a cancel is seen within it.
    static constexpr Millis kCancelLatency{50};

    explicit SerialLayer(const LinkEnvironment& env) : env_(env) {}

    // Nothing when the port is usable (a port that is already open is left as it is), else
    // why it is not.
    std::optional<LinkOpenError> OpenPort();
    void ClosePort();
    // Drops every byte received so far.
    void FlushInput();
    // False when the line is gone.
    bool SendBytes(std::span<const std::uint8_t> bytes);
    // Drops other bytes until the awaited one comes.
    WaitResult WaitForByte(std::uint8_t awaited, Millis timeout);
    // Waits until exactly frame.size() bytes are buffered, then takes them; Came when the
    // last one is CR. More bytes than that can never make the frame: they are dropped as they
    // come until the time-out, so a flooding line costs no memory.
    WaitResult ReceiveFrame(std::span<std::uint8_t> frame, Millis timeout);
    // Reads back the echo of a sent frame (last index = frame length - 1): Came when the whole
    // echo came. With SkipReceive there is no echo to read: Came at once.
    WaitResult DrainEcho(int lastIndex, Millis timeout);

    bool CancelRequested() const { return env_.cancel.load(); }

  private:
    // Blocks until more bytes may be there or the time-out is strictly exceeded; false when
    // the line broke.
    bool WaitMore(TimePoint start, Millis timeout, std::size_t wanted);
    bool Expired(TimePoint start, Millis timeout) const;
    void Pump();
    bool TakeByte(std::uint8_t& byte);
    // Takes and drops every byte buffered now.
    void DropInput();

    const LinkEnvironment& env_;
};

}  // namespace rse

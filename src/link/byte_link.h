// What the clone protocol needs from the outside world: a byte link to the programming
// cable, a clock, and the surroundings of one operation (cancel request, event pump,
// progress display, error log). The serial port, the fake link of the tests and anything
// else that moves bytes implement ByteLink.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace rse {

using Millis = std::chrono::milliseconds;
using TimePoint = std::chrono::steady_clock::time_point;

// Why a port could not be opened: the system's reason and error number.
struct LinkOpenError {
    std::string reason;
    int code = 0;
    bool permissionDenied = false;  // the user may not use the device
};

enum class LinkWait {
    DataReady,  // new bytes arrived (or may have arrived)
    Timeout,    // nothing arrived within the given time
    Broken,     // the line is gone (device removed, far end closed); see LastError()
};

class ByteLink {
  public:
    virtual ~ByteLink() = default;

    // The device this link talks to, for messages ("/dev/ttyUSB0").
    virtual std::string Name() const = 0;
    // Opens the port at 9600 baud 8N1 without flow control; returns false and fills error
    // when it cannot.
    virtual bool Open(LinkOpenError& error) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // Bytes received and not yet taken.
    virtual std::size_t BytesAvailable() = 0;
    // Drops every byte received so far, also those the system still holds.
    virtual void DiscardInput() = 0;
    // Takes up to out.size() received bytes; returns how many it took.
    virtual std::size_t Read(std::span<std::uint8_t> out) = 0;
    // Sends the bytes; false when the line is gone.
    virtual bool Write(std::span<const std::uint8_t> bytes) = 0;
    // Blocks until more bytes arrive or the time passes. Never spins. `wanted` is how many
    // more bytes the caller needs (1 when it does not know); a link may use it to take
    // several bytes in one wake-up, but never waits longer than maxWait.
    virtual LinkWait WaitForData(Millis maxWait, std::size_t wanted) = 0;
    // The system's description of the last failure (after Broken or a failed Write).
    virtual std::string LastError() const = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual TimePoint Now() = 0;
    virtual void Sleep(Millis duration) = 0;
};

// Switches that change how the link behaves.
struct LinkSettings {
    // The cable does not echo: leave the echo read-back out.
    bool SkipReceive = false;
    // Extra attempts each exchange makes after the first.
    int LinkRetries = 1;
};

// Everything one transfer runs with. The engine works only on what it is given here and on
// copies of the image, so it can run on a worker thread.
struct LinkEnvironment {
    ByteLink& link;
    Clock& clock;
    // Set by the user (or a signal handler) to stop the transfer at the next pass of a wait.
    // The engine reads it and never clears it; the caller resets it before an operation.
    const std::atomic<bool>& cancel;
    LinkSettings settings{};
    // Lets a single-threaded caller process its window events on every pass of a wait.
    std::function<void()> pumpEvents{};
    // Progress in percent, 0..100.
    std::function<void(int)> showProgress{};
    // Error log: procedure name and message (error number directly followed by the text).
    std::function<void(std::string_view, std::string_view)> writeErrorLog{};
};

}  // namespace rse

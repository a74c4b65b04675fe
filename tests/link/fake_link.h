// A scripted byte link and a clock that only moves when the code under test waits or
// sleeps, so every time-out is exact and instant; and a rig of both with a cancel flag and
// the recorded progress and error log.
#pragma once

#include <algorithm>
#include <atomic>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "link/byte_link.h"
#include "link/clone_frames.h"
#include "link/clone_protocol.h"
#include "sim/radio_device.h"

namespace rse::test {

using namespace std::chrono_literals;

class FakeClock : public Clock {
  public:
    TimePoint Now() override { return now; }
    void Sleep(Millis duration) override {
        sleeps.push_back(duration);
        now += duration;
    }
    Millis Elapsed() const { return std::chrono::duration_cast<Millis>(now - TimePoint{}); }

    TimePoint now{};
    std::vector<Millis> sleeps;
};

class FakeLink : public ByteLink {
  public:
    explicit FakeLink(FakeClock& clock) : clock_(clock) {}

    // Script: bytes that arrive, and something that happens then, `after` from now.
    void Arrive(Millis after, std::vector<std::uint8_t> bytes, std::function<void()> action = {}) {
        events_.insert({clock_.Elapsed() + after, Event{std::move(bytes), std::move(action)}});
    }

    // Called after every write with the bytes written: the far end of the cable.
    std::function<void(std::span<const std::uint8_t>)> onWrite;

    std::string Name() const override { return "/dev/fake0"; }
    bool Open(LinkOpenError& error) override {
        log.push_back("open");
        if (openError) {
            error = *openError;
            return false;
        }
        open_ = true;
        return true;
    }
    void Close() override {
        log.push_back("close");
        open_ = false;
    }
    bool IsOpen() const override { return open_; }
    void DiscardInput() override {
        Deliver();
        log.push_back("flush");
        buffer_.clear();
    }
    std::size_t BytesAvailable() override {
        Deliver();
        return buffer_.size();
    }
    std::size_t Read(std::span<std::uint8_t> out) override {
        Deliver();
        const std::size_t n = std::min(out.size(), buffer_.size());
        std::copy_n(buffer_.begin(), n, out.begin());
        buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<long>(n));
        return n;
    }
    bool Write(std::span<const std::uint8_t> bytes) override {
        if (broken) return false;
        writes.emplace_back(bytes.begin(), bytes.end());
        writeTimes.push_back(clock_.Elapsed());
        log.push_back(bytes.size() == 1 ? "byte" : "frame");
        if (onWrite) onWrite(bytes);
        return true;
    }
    LinkWait WaitForData(Millis maxWait, std::size_t) override {
        maxWaitSeen = std::max(maxWaitSeen, maxWait);
        if (broken) return LinkWait::Broken;
        // Time runs to the next event, at most to the end of the wait.
        Millis until = clock_.Elapsed() + maxWait;
        if (!events_.empty()) until = std::clamp(events_.begin()->first, clock_.Elapsed(), until);
        clock_.now = TimePoint{} + until;
        const bool any = Deliver();
        if (broken) return LinkWait::Broken;
        return any ? LinkWait::DataReady : LinkWait::Timeout;
    }
    std::string LastError() const override { return "Input/output error"; }

    std::vector<std::string> log;
    std::vector<std::vector<std::uint8_t>> writes;
    std::vector<Millis> writeTimes;
    std::optional<LinkOpenError> openError;
    bool broken = false;  // the line is gone
    Millis maxWaitSeen{0};

  private:
    struct Event {
        std::vector<std::uint8_t> bytes;
        std::function<void()> action;
    };

    // Moves everything due by now into the receive buffer; true when something happened.
    bool Deliver() {
        bool any = false;
        while (!events_.empty() && events_.begin()->first <= clock_.Elapsed()) {
            Event e = std::move(events_.begin()->second);
            events_.erase(events_.begin());
            buffer_.insert(buffer_.end(), e.bytes.begin(), e.bytes.end());
            if (e.action) e.action();
            any = true;
        }
        return any;
    }

    FakeClock& clock_;
    bool open_ = false;
    std::multimap<Millis, Event> events_;
    std::vector<std::uint8_t> buffer_;
};

// Puts a virtual radio at the far end: what it sends back arrives `latency` after a write.
inline void AttachRadio(FakeLink& link, sim::RadioDevice& radio, Millis latency = 1ms) {
    link.onWrite = [&link, &radio, latency](std::span<const std::uint8_t> bytes) {
        sim::RadioOutput out;
        radio.Receive(bytes, out);
        if (out.cutLine) link.Arrive(latency, {}, [&link] { link.broken = true; });
        if (!out.bytes.empty()) link.Arrive(latency, std::move(out.bytes));
    };
}

inline std::vector<std::uint8_t> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

inline std::vector<std::uint8_t> Concat(std::vector<std::uint8_t> a,
                                        const std::vector<std::uint8_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct Rig {
    FakeClock clock;
    FakeLink link{clock};
    std::atomic<bool> cancel{false};
    std::vector<int> progress;
    std::vector<std::pair<std::string, std::string>> errorLog;
    LinkEnvironment env{
        link,
        clock,
        cancel,
        LinkSettings{},
        {},
        [this](int p) { progress.push_back(p); },
        [this](std::string_view proc, std::string_view msg) { errorLog.emplace_back(proc, msg); }};

    // A protocol engine over this rig's environment as it is now.
    CloneProtocol protocol() { return CloneProtocol(env); }

    // The frames (not the single CAN bytes) written so far.
    std::vector<Frame> Frames() const {
        std::vector<Frame> frames;
        std::copy_if(link.writes.begin(), link.writes.end(), std::back_inserter(frames),
                     [](const Frame& w) { return w.size() > 1; });
        return frames;
    }
    // How many of them write a block.
    long BlockWrites() const {
        const auto frames = Frames();
        return std::count_if(frames.begin(), frames.end(), [](const Frame& f) {
            return f.size() > 2 && f[1] == '1' && f[2] == '3';
        });
    }

    // The far end echoes every write after 1 ms and answers the n-th frame with answers[n]
    // after 2 ms (an empty answer: silence). Frames beyond the list get no answer.
    void Script(std::vector<std::vector<std::uint8_t>> answers) {
        link.onWrite = [this, answers = std::move(answers),
                        n = std::size_t{0}](std::span<const std::uint8_t> bytes) mutable {
            link.Arrive(1ms, {bytes.begin(), bytes.end()});
            if (bytes.size() == 1) return;
            if (n < answers.size() && !answers[n].empty()) link.Arrive(2ms, answers[n]);
            ++n;
        };
    }
};

}  // namespace rse::test

// A test rig around the clone protocol: fake link, fake clock, cancel flag, recorded
// progress and error log.
#pragma once

#include <atomic>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fake_link.h"
#include "link/clone_frames.h"
#include "link/clone_protocol.h"

namespace rse::test {

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
        for (const auto& w : link.writes) {
            if (w.size() > 1) frames.push_back(w);
        }
        return frames;
    }

    // The far end echoes every write after 1 ms and answers the n-th frame with answers[n]
    // after 2 ms (an empty answer: silence). Frames beyond the list get no answer.
    void Script(std::vector<std::vector<std::uint8_t>> answers, bool echo = true) {
        link.onWrite = [this, answers = std::move(answers), echo,
                        n = std::size_t{0}](std::span<const std::uint8_t> bytes) mutable {
            if (echo) link.ArriveIn(1ms, {bytes.begin(), bytes.end()});
            if (bytes.size() == 1) return;
            if (n < answers.size() && !answers[n].empty()) link.ArriveIn(2ms, answers[n]);
            ++n;
        };
    }
};

}  // namespace rse::test

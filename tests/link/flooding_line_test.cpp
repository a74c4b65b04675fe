// A line that floods while the engine waits for the rest of a reply: the engine keeps no more
// than the reply needs, and the reply still fails exactly as it did.
#include <gtest/gtest.h>

#include <algorithm>

#include "link/serial_layer.h"
#include "link_test_support.h"

namespace rse::test {
namespace {

TEST(FloodingLine, ReplyWaitKeepsAtMostTheFrameAndEndsAtItsTimeOut) {
    const Frame reply = ReplyFrame(kReadBlockCode, std::vector<std::uint8_t>(16, 0x48));
    const std::vector<std::uint8_t> body(reply.begin() + 1, reply.end());
    constexpr std::size_t kChunk = 64;  // bytes a millisecond, far beyond 9600 baud
    struct Case {
        const char* name;
        bool validFrameLater;  // a good reply after the flood can no longer complete the frame
    };
    for (const Case& c : {Case{"flood", false}, Case{"flood, then a good reply", true}}) {
        SCOPED_TRACE(c.name);
        Rig r;
        for (int ms = 0; ms < 500; ++ms)
            r.link.Arrive(Millis{ms}, std::vector<std::uint8_t>(kChunk, 'F'));
        if (c.validFrameLater) r.link.Arrive(700ms, body);
        std::size_t peak = 0;
        r.env.pumpEvents = [&] { peak = std::max(peak, r.link.BytesAvailable()); };
        SerialLayer serial(r.env);
        std::vector<std::uint8_t> frame(body.size());
        EXPECT_EQ(serial.ReceiveFrame(frame, 1s), FrameResult::TimedOut);
        EXPECT_EQ(r.clock.Elapsed(), 1001ms);  // as a line with one byte too many
        EXPECT_TRUE(serial.ErrorFlag());
        EXPECT_LE(peak, frame.size() + kChunk);  // not the 32 000 bytes that came
    }
}

}  // namespace
}  // namespace rse::test

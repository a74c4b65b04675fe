#include <gtest/gtest.h>

#include "fake_link.h"
#include "link/serial_layer.h"

namespace rse::test {
namespace {

// Bytes that reach the line at a time. A struct rather than a pair: GCC 14 warns (wrongly) about
// the copy a pair's constructor makes of a one-byte vector.
struct Arrival {
    Millis at;
    std::vector<std::uint8_t> bytes;
};
using Arrivals = std::vector<Arrival>;

// Waits for one byte or for a reply frame (the reply to a read-byte command, without its SOH).
TEST(SerialLayer, WaitsTakeWhatTheyAwaitAndTimeOutNeverEarlier) {
    const Frame reply = ReplyFrame(kReadByteCode, std::array<std::uint8_t, 1>{0x48});
    const std::vector<std::uint8_t> body(reply.begin() + 1, reply.end());
    std::vector<std::uint8_t> noCr = body;
    noCr.back() = 0x0A;
    // A line that floods while the reply is awaited, 64 bytes a millisecond (far beyond 9600
    // baud) for half a second: the engine keeps no more than the reply needs, and the reply
    // fails exactly as one with a byte too many, even when a good one follows.
    constexpr std::size_t kChunk = 64;
    Arrivals flood;
    for (int ms = 0; ms < 500; ++ms)
        flood.push_back({Millis{ms}, std::vector<std::uint8_t>(kChunk, 'F')});
    Arrivals floodThenReply = flood;
    floodThenReply.push_back({700ms, body});
    struct Case {
        const char* name;
        Arrivals arrivals;
        std::uint8_t awaited;  // by a byte wait; 0: a frame wait
        WaitResult result;
        Millis timeout, elapsed;
        std::size_t left = 0;  // bytes still to read
    };
    // clang-format off
    const Case cases[] = {
        {"SOH after other bytes", {{0ms, {0x41, 0x42, 0x0D, kSOH, 0x31}}}, kSOH, WaitResult::Came, 10s, 0ms, 1},
        {"nothing comes", {}, kACK, WaitResult::TimedOut, 10s, 10001ms},
        {"ACK exactly at the time-out", {{1000ms, {0x55, kACK}}}, kACK, WaitResult::Came, 1s, 1000ms},
        {"ACK just after the time-out", {{1002ms, {kACK}}}, kACK, WaitResult::TimedOut, 1s, 1001ms},
        {"a reply in two parts", {{0ms, {body.begin(), body.begin() + 3}}, {40ms, {body.begin() + 3, body.end()}}}, 0, WaitResult::Came, 1s, 40ms},
        {"one byte too many", {{0ms, Concat(body, {0x00})}}, 0, WaitResult::TimedOut, 1s, 1001ms},
        {"a line feed for the carriage return", {{0ms, noCr}}, 0, WaitResult::NoCR, 1s, 0ms},
        {"flood", flood, 0, WaitResult::TimedOut, 1s, 1001ms},
        {"flood, then a good reply", floodThenReply, 0, WaitResult::TimedOut, 1s, 1001ms},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig r;
        for (const auto& [at, bytes] : c.arrivals)
            r.link.Arrive(at, bytes);
        std::size_t peak = 0;
        r.env.pumpEvents = [&] { peak = std::max(peak, r.link.BytesAvailable()); };
        SerialLayer serial(r.env);
        std::vector<std::uint8_t> frame(body.size());
        if (c.awaited != 0) {
            EXPECT_EQ(serial.WaitForByte(c.awaited, c.timeout), c.result);
        } else {
            const WaitResult got = serial.ReceiveFrame(frame, c.timeout);
            EXPECT_EQ(got, c.result);
            EXPECT_TRUE(got != WaitResult::Came || frame == body);
        }
        EXPECT_EQ(r.clock.Elapsed(), c.elapsed);
        EXPECT_EQ(r.link.BytesAvailable(), c.left);
        // Waits block on the link, each at most as long as a cancel may take to be seen.
        EXPECT_EQ(r.link.maxWaitSeen, c.elapsed > 0ms ? SerialLayer::kCancelLatency : 0ms);
        EXPECT_LE(peak, frame.size() + kChunk);  // not the 32 000 bytes of a flood
    }
}

// Each wait says why it ended: a cancel given from elsewhere while nothing comes (the link is
// not woken by it) is seen within a tenth of a second, a broken line at once.
TEST(SerialLayer, EachWaitSaysWhyItEnded) {
    enum Wait { Byte, Frame, Echo };
    for (const Wait wait : {Byte, Frame, Echo}) {
        for (const bool cancel : {true, false}) {
            SCOPED_TRACE(testing::Message() << "wait " << wait << (cancel ? " cancel" : " break"));
            Rig r;
            r.link.Arrive(0ms, {0x31, 0x32});  // less than any of the waits takes
            if (!cancel) r.link.Arrive(270ms, {}, [&r] { r.link.broken = true; });
            r.env.pumpEvents = [&] { r.cancel = cancel && r.clock.Elapsed() >= 270ms; };
            SerialLayer serial(r.env);
            std::vector<std::uint8_t> frame(kReadByteReplyLength);
            EXPECT_EQ(wait == Byte    ? serial.WaitForByte(kACK, 1s)
                      : wait == Frame ? serial.ReceiveFrame(frame, 1s)
                                      : serial.DrainEcho(9, 1s),
                      cancel ? WaitResult::Cancelled : WaitResult::LinkLost);
            EXPECT_EQ(r.clock.Elapsed(), cancel ? 300ms : 270ms);
        }
    }
}

TEST(SerialLayer, OpenPortKeepsAnOpenPort) {
    Rig r;
    SerialLayer serial(r.env);
    EXPECT_FALSE(serial.OpenPort().has_value());
    EXPECT_FALSE(serial.OpenPort().has_value());
    serial.ClosePort();
    serial.ClosePort();
    EXPECT_EQ(r.link.log, (std::vector<std::string>{"open", "close"}));
}

}  // namespace
}  // namespace rse::test

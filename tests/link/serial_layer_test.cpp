#include <gtest/gtest.h>

#include "fake_link.h"
#include "link/serial_layer.h"

namespace rse::test {
namespace {

TEST(SerialLayer, WaitForByteDropsOtherBytesAndTimesOutNeverEarlier) {
    Rig r;
    SerialLayer serial(r.env);
    r.link.Arrive(0ms, {0x41, 0x42, 0x0D, kSOH, 0x31});
    EXPECT_EQ(serial.WaitForByte(kSOH, 10s), WaitResult::Came);
    EXPECT_EQ(r.link.BytesAvailable(), 1u);  // what follows SOH is still there
    EXPECT_EQ(r.clock.Elapsed(), 0ms);

    // Nothing comes: the wait ends only once more than the time-out has passed.
    Rig quiet;
    SerialLayer waiting(quiet.env);
    EXPECT_EQ(waiting.WaitForByte(kACK, 10s), WaitResult::TimedOut);
    EXPECT_EQ(quiet.clock.Elapsed(), 10001ms);
    EXPECT_LE(quiet.link.maxWaitSeen, SerialLayer::kWaitSlice);  // cancel is seen promptly

    // A byte that comes exactly at the time-out is still taken.
    Rig late;
    SerialLayer lateSerial(late.env);
    late.link.Arrive(1000ms, {0x55, kACK});
    EXPECT_EQ(lateSerial.WaitForByte(kACK, 1s), WaitResult::Came);
    late.link.Arrive(2002ms, {kACK});
    EXPECT_EQ(lateSerial.WaitForByte(kACK, 1s), WaitResult::TimedOut);
    EXPECT_EQ(late.clock.Elapsed(), 2001ms);
}

TEST(SerialLayer, ReceiveFrameNeedsExactlyTheLengthAndACarriageReturn) {
    const Frame reply = ReplyFrame(kReadByteCode, std::array<std::uint8_t, 1>{0x48});
    const std::vector<std::uint8_t> body(reply.begin() + 1, reply.end());

    Rig r;
    SerialLayer serial(r.env);
    r.link.Arrive(0ms, {body.begin(), body.begin() + 3});
    r.link.Arrive(40ms, {body.begin() + 3, body.end()});
    std::vector<std::uint8_t> frame(kReadByteReplyLength);
    EXPECT_EQ(serial.ReceiveFrame(frame, 1s), FrameResult::Complete);
    EXPECT_FALSE(serial.ErrorFlag());
    EXPECT_EQ(frame, body);

    // One byte too many: the count never equals the length, the wait runs out.
    Rig extra;
    SerialLayer extraSerial(extra.env);
    extra.link.Arrive(0ms, Concat(body, {0x00}));
    EXPECT_EQ(extraSerial.ReceiveFrame(frame, 1s), FrameResult::TimedOut);
    EXPECT_EQ(extra.clock.Elapsed(), 1001ms);
    EXPECT_TRUE(extraSerial.ErrorFlag());

    // Right length, but the last byte is a line feed.
    Rig lf;
    SerialLayer lfSerial(lf.env);
    auto noCr = body;
    noCr.back() = 0x0A;
    lf.link.Arrive(0ms, noCr);
    EXPECT_EQ(lfSerial.ReceiveFrame(frame, 1s), FrameResult::NoCR);
    EXPECT_TRUE(lfSerial.ErrorFlag());
}

TEST(SerialLayer, OpenPortKeepsAnOpenPortAndReportsTheSystemsReason) {
    Rig r;
    SerialLayer serial(r.env);
    EXPECT_TRUE(serial.OpenPort());
    EXPECT_TRUE(serial.OpenPort());
    EXPECT_EQ(r.link.log, (std::vector<std::string>{"open"}));
    serial.ClosePort();
    serial.ClosePort();
    EXPECT_EQ(r.link.log, (std::vector<std::string>{"open", "close"}));

    Rig denied;
    denied.link.openError = LinkOpenError{"Permission denied", 13, true};
    SerialLayer deniedSerial(denied.env);
    EXPECT_FALSE(deniedSerial.OpenPort());
    EXPECT_EQ(deniedSerial.OpenError().reason, "Permission denied");
    ASSERT_EQ(denied.errorLog.size(), 1u);
    EXPECT_EQ(denied.errorLog[0].first, "frmRadio.PortOpen");
    EXPECT_EQ(denied.errorLog[0].second, "13Permission denied");
}

}  // namespace
}  // namespace rse::test

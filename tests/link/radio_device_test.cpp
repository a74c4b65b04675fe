#include <gtest/gtest.h>

#include "fake_link.h"
#include "image/codec.h"
#include "link/clone_frames.h"
#include "sim/radio_device.h"

namespace rse::test {
namespace {

std::vector<std::uint8_t> Answer(sim::RadioDevice& radio, const std::vector<std::uint8_t>& in) {
    sim::RadioOutput out;
    radio.Receive(in, out);
    return out.bytes;
}

TEST(RadioDevice, AnswersOnlyWellFormedCommandsAndSurvivesGarbage) {
    std::vector<std::uint8_t> garbage;
    for (int i = 0; i < 5000; ++i)
        garbage.push_back(static_cast<std::uint8_t>((i * 7919) % 251 + 2));
    Frame badSum = ReadBlockFrame(0x10);
    badSum[badSum.size() - 2] ^= 1;
    const Frame tooLong = Concat(Concat({kSOH}, std::vector<std::uint8_t>(200, '1')), {kCR});
    const Frame unanswered[] = {garbage, badSum, ReadBlockFrame(0x08) /* not a block start */,
                                ReadBlockFrame(0x1000) /* beyond the memory */, tooLong};
    sim::RadioDevice radio(DefaultImage(), {}, false);
    for (const Frame& in : unanswered)
        EXPECT_TRUE(Answer(radio, in).empty()) << in.size();
    EXPECT_EQ(radio.Memory(), DefaultImage());

    // A frame cut short by a new SOH is dropped; the new one is answered.
    const Frame whole = ReadByteFrame(0);
    const Frame cut = Concat({whole.begin(), whole.begin() + 5}, Concat(ReadByteFrame(1), {kCAN}));
    EXPECT_EQ(Answer(radio, cut),
              ReplyFrame(kReadByteCode, std::vector<std::uint8_t>{DefaultImage()[1]}));
}

TEST(RadioDevice, EchoModelCodeAndFaultCounts) {
    sim::RadioFaults faults;
    faults.badChecksum[0] = 1;
    faults.noAck[0x20] = 2;
    faults.junkBytes = 2;
    sim::RadioDevice radio(DefaultImage(), faults, true, 0x1234);
    const Frame ask = ReadByteFrame(0);
    const Frame good = ReplyFrame(kReadByteCode, std::vector<std::uint8_t>{0x12});
    std::vector<std::uint8_t> first = Answer(radio, ask);
    ASSERT_EQ(first.size(), ask.size() + 2 + good.size());
    EXPECT_TRUE(std::equal(ask.begin(), ask.end(), first.begin()));  // the echo
    EXPECT_NE(std::vector<std::uint8_t>(first.end() - good.size(), first.end()), good);
    std::vector<std::uint8_t> second = Answer(radio, ask);
    EXPECT_EQ(std::vector<std::uint8_t>(second.end() - good.size(), second.end()), good);

    const std::array<std::uint8_t, kBlockSize> data{1, 2, 3};
    const Frame write = WriteBlockFrame(0x20, data);
    EXPECT_EQ(Answer(radio, write).size(), write.size());  // no ACK, twice
    EXPECT_EQ(Answer(radio, write).size(), write.size());
    EXPECT_EQ(Answer(radio, write).back(), kACK);
    EXPECT_EQ(radio.Memory()[0x22], 3);
}

}  // namespace
}  // namespace rse::test

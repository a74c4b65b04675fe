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
    sim::RadioDevice radio(DefaultImage(), {}, false);
    std::vector<std::uint8_t> garbage;
    for (int i = 0; i < 5000; ++i)
        garbage.push_back(static_cast<std::uint8_t>((i * 7919) % 251 + 2));
    EXPECT_TRUE(Answer(radio, garbage).empty());

    Frame badSum = ReadBlockFrame(0x10);
    badSum[badSum.size() - 2] ^= 1;
    EXPECT_TRUE(Answer(radio, badSum).empty());
    EXPECT_TRUE(Answer(radio, ReadBlockFrame(0x08)).empty());    // not a block start
    EXPECT_TRUE(Answer(radio, ReadBlockFrame(0x1000)).empty());  // beyond the memory
    Frame longFrame = {kSOH};
    longFrame.insert(longFrame.end(), 200, '1');
    longFrame.push_back(kCR);
    EXPECT_TRUE(Answer(radio, longFrame).empty());
    EXPECT_EQ(radio.Memory(), DefaultImage());

    // A frame cut short by a new SOH is dropped; the new one is answered.
    const Frame whole = ReadByteFrame(0);
    Frame cut(whole.begin(), whole.begin() + 5);
    const Frame good = ReadByteFrame(1);
    cut.insert(cut.end(), good.begin(), good.end());
    EXPECT_EQ(Answer(radio, Concat(cut, {kCAN})),
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

#include <gtest/gtest.h>

#include "fake_link.h"
#include "image/codec.h"
#include "link/clone_frames.h"
#include "link/clone_protocol.h"
#include "sim/radio_device.h"

namespace rse::test {
namespace {

// Every frame is SOH, text, CR; the text ends with the checksum, 0xFF less the low byte of the
// sum of the characters before it.
TEST(CloneFrames, FramesByteForByte) {
    std::array<std::uint8_t, kBlockSize> block{};
    for (int i = 0; i < kBlockSize; ++i)
        block[static_cast<std::size_t>(i)] = 0xF0 + i;
    const std::pair<Frame, std::string> cases[] = {
        {ReadByteFrame(0x0000), "120000DC"},
        {ReadBlockFrame(0x0010), "140010D9"},
        {WriteByteFrame(0x0195, 0x00), "110195006E"},
        {WriteBlockFrame(0x0FF0, block), "130FF0F0F1F2F3F4F5F6F7F8F9FAFBFCFDFEFFAD"},
        {ReplyFrame(kReadByteCode, std::array<std::uint8_t, 1>{0x00}), "12003C"},
    };
    for (const auto& [frame, text] : cases) {
        EXPECT_EQ(frame, Concat(Concat({kSOH}, Bytes(text)), {kCR})) << text;
    }
    EXPECT_EQ(FrameChecksum({}), 0xFF);
}

TEST(CloneFrames, HexCharacters) {
    EXPECT_EQ(ByteToHexChars(0x0A), (std::array<std::uint8_t, 2>{'0', 'A'}));
    const std::pair<std::string, std::optional<std::uint8_t>> cases[] = {
        {"Fe", 0xFE}, {"af", 0xAF}, {"09", 0x09}, {"G0", {}}, {"0 ", {}}, {"g0", {}}, {"/0", {}}};
    for (const auto& [text, byte] : cases) {
        EXPECT_EQ(HexCharsToByte(text[0], text[1]), byte) << text;
    }
}

// Replies as they come after their SOH.
TEST(CloneFrames, ParseReplyAcceptsOnlyRightChecksumAndKnownCode) {
    const std::array<std::uint8_t, 2> data{0x0D, 0x48};
    const Frame frame = ReplyFrame(kReadBlockCode, data);
    const std::vector<std::uint8_t> good(frame.begin() + 1, frame.end());
    auto wrongSum = good;
    wrongSum[wrongSum.size() - 2] ^= 0x01;
    auto wrongData = good;
    wrongData[2] = '1';  // the data no longer match the checksum
    const std::pair<std::vector<std::uint8_t>, int> cases[] = {
        {good, kReadBlockCode},
        {wrongSum, 0},
        {wrongData, 0},
        {Bytes("12003C\r"), kReadByteCode},
        {Bytes("12003c\r"), 0},            // a lower-case checksum is not what the radio sends
        {Bytes("150039\r"), 0},            // not a reply code
        {Bytes("129C\r"), kReadByteCode},  // no data
        {Bytes("12\r"), 0},                // too short to hold a checksum
        {{}, 0},
    };
    for (const auto& [reply, code] : cases) {
        EXPECT_EQ(ParseReply(reply), code) << std::string(reply.begin(), reply.end());
    }
    std::array<std::uint8_t, 2> out{};
    EXPECT_FALSE(DecodeReplyData(Bytes("14ZZ"), std::span<std::uint8_t>(out).first(1)));
    // A frame just long enough for its data is enough; one character less is not.
    EXPECT_TRUE(DecodeReplyData(Bytes("14ABCD"), out));
    EXPECT_EQ(out, (std::array<std::uint8_t, 2>{0xAB, 0xCD}));
    EXPECT_FALSE(DecodeReplyData(Bytes("14ABC"), out));
}

TEST(CloneFrames, ProgressBeforeEachBlock) {
    // Rounded share of the memory's 4095 addresses: 99.2 for the block at 0xFE0, 99.6 at 0xFF0.
    const std::pair<int, int> cases[] = {
        {0x000, 0}, {0x010, 0}, {0x7F0, 50}, {0xFE0, 99}, {0xFF0, 100}};
    for (const auto& [address, percent] : cases)
        EXPECT_EQ(BlockProgress(address), percent) << address;
}

// The virtual radio at the far end of every fake link.
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

// The echo, the model code, junk and missing ACKs are proven by the transfers against it.
TEST(RadioDevice, ABadChecksumOnlyAsOftenAsAsked) {
    sim::RadioFaults faults;
    faults.badChecksum[0] = 1;
    sim::RadioDevice radio(DefaultImage(), faults, false);
    const Frame ask = ReadByteFrame(0);
    const Frame good = ReplyFrame(kReadByteCode, std::vector<std::uint8_t>{DefaultImage()[0]});
    const std::vector<std::uint8_t> first = Answer(radio, ask);
    EXPECT_EQ(first.size(), good.size());
    EXPECT_NE(first, good);
    EXPECT_EQ(Answer(radio, ask), good);
}

}  // namespace
}  // namespace rse::test

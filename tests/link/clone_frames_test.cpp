#include <gtest/gtest.h>

#include "fake_link.h"
#include "link/clone_frames.h"
#include "link/clone_protocol.h"

namespace rse::test {
namespace {

TEST(CloneFrames, CommandFramesByteForByte) {
    EXPECT_EQ(ReadByteFrame(0x0000),
              (Frame{0x01, 0x31, 0x32, 0x30, 0x30, 0x30, 0x30, 0x44, 0x43, 0x0D}));
    EXPECT_EQ(ReadBlockFrame(0x0010),
              (Frame{0x01, 0x31, 0x34, 0x30, 0x30, 0x31, 0x30, 0x44, 0x39, 0x0D}));
    EXPECT_EQ(WriteByteFrame(0x0195, 0x00),
              (Frame{0x01, 0x31, 0x31, 0x30, 0x31, 0x39, 0x35, 0x30, 0x30, 0x36, 0x45, 0x0D}));

    std::array<std::uint8_t, kBlockSize> block{};
    for (int i = 0; i < kBlockSize; ++i)
        block[static_cast<std::size_t>(i)] = 0xF0 + i;
    const Frame write = WriteBlockFrame(0x0FF0, block);
    ASSERT_EQ(write.size(), static_cast<std::size_t>(kWriteBlockCommandLength));
    EXPECT_EQ(std::string(write.begin() + 1, write.end() - 3),
              "130FF0F0F1F2F3F4F5F6F7F8F9FAFBFCFDFEFF");
    EXPECT_EQ(ReadByteFrame(0x0FFF).size(), static_cast<std::size_t>(kReadCommandLength));
}

TEST(CloneFrames, ChecksumAndHexCharacters) {
    EXPECT_EQ(FrameChecksum(Bytes("120000")), 0xDC);
    EXPECT_EQ(FrameChecksum({}), 0xFF);
    EXPECT_EQ(ByteToHexChars(0x0A), (std::array<std::uint8_t, 2>{'0', 'A'}));
    EXPECT_EQ(HexCharsToByte('F', 'e'), 0xFE);
    EXPECT_EQ(HexCharsToByte('a', 'f'), 0xAF);
    EXPECT_FALSE(HexCharsToByte('G', '0'));
    EXPECT_FALSE(HexCharsToByte('0', ' '));
}

TEST(CloneFrames, ParseReplyAcceptsOnlyRightChecksumAndKnownCode) {
    const std::array<std::uint8_t, 2> data{0x0D, 0x48};
    Frame good = ReplyFrame(kReadBlockCode, data);
    const std::vector<std::uint8_t> body(good.begin() + 1, good.end());  // without SOH
    EXPECT_EQ(ParseReply(body), kReadBlockCode);

    auto wrongSum = body;
    wrongSum[wrongSum.size() - 2] ^= 0x01;  // '5' <-> '4' style change of the checksum
    EXPECT_EQ(ParseReply(wrongSum), 0);

    auto wrongData = body;
    wrongData[2] = '1';  // the data no longer match the checksum
    EXPECT_EQ(ParseReply(wrongData), 0);

    const Frame unknown = ReplyFrame(0x15, data);
    EXPECT_EQ(ParseReply(std::vector<std::uint8_t>(unknown.begin() + 1, unknown.end())), 0);

    // A lower-case checksum is not the checksum the radio sends.
    const Frame zero = ReplyFrame(kReadByteCode, std::array<std::uint8_t, 1>{0x35});
    std::vector<std::uint8_t> lower(zero.begin() + 1, zero.end());
    ASSERT_EQ(ParseReply(lower), kReadByteCode);
    for (auto& c : lower)
        c = static_cast<std::uint8_t>(std::tolower(c));
    if (lower != std::vector<std::uint8_t>(zero.begin() + 1, zero.end())) {
        EXPECT_EQ(ParseReply(lower), 0);
    }

    EXPECT_EQ(ParseReply(Bytes("12\r")), 0);  // too short to hold a checksum
    const Frame empty = ReplyFrame(kReadByteCode, {});
    EXPECT_EQ(ParseReply(std::vector<std::uint8_t>(empty.begin() + 1, empty.end())), kReadByteCode);
    EXPECT_EQ(ParseReply({}), 0);

    std::array<std::uint8_t, 2> out{};
    EXPECT_TRUE(DecodeReplyData(body, out));
    EXPECT_EQ(out, data);
    EXPECT_FALSE(DecodeReplyData(Bytes("14ZZ"), std::span<std::uint8_t>(out).first(1)));
}

TEST(CloneFrames, ProgressBeforeEachBlock) {
    EXPECT_EQ(BlockProgress(0x000), 0);
    EXPECT_EQ(BlockProgress(0x010), 0);
    EXPECT_EQ(BlockProgress(0x7F0), 50);
    EXPECT_EQ(BlockProgress(0xFE0), 99);   // 99.2
    EXPECT_EQ(BlockProgress(0xFF0), 100);  // 99.6
}

}  // namespace
}  // namespace rse::test

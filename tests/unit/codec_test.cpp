#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "image/codec.h"
#include "image/memory_map.h"
#include "support.h"

namespace rse {
namespace {

std::vector<std::uint8_t> Bytes(const MemoryImage& image, int offset, int count) {
    return {image.begin() + offset, image.begin() + offset + count};
}

TEST(Codec, TagTextsAndCharacterCodes) {
    MemoryImage img{};
    PutText(img, 0x100, "ABC", 12);
    EXPECT_EQ(Bytes(img, 0x100, 12),
              (std::vector<std::uint8_t>{0x41, 0x42, 0x43, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                         0xFF, 0xFF}));
    EXPECT_EQ(GetText(img, 0x100, 12), "ABC");

    PutText(img, 0x100, "AB#C", 12);
    EXPECT_EQ(Bytes(img, 0x100, 5), (std::vector<std::uint8_t>{0x41, 0x42, 0xFF, 0x43, 0xFF}));
    EXPECT_EQ(GetText(img, 0x100, 12), "AB");

    PutText(img, 0x100, "ABCDEFGHIJKLMN", 12);
    EXPECT_EQ(GetText(img, 0x100, 12), "ABCDEFGHIJKL");
    EXPECT_EQ(img[0x10C], 0);  // the 13th byte was not written

    PutText(img, 0x100, "AB  ", 12);
    EXPECT_EQ(img[0x102], 0x20);
    EXPECT_EQ(img[0x103], 0x20);
    EXPECT_EQ(GetText(img, 0x100, 12), "AB");

    PutText(img, 0x100, "a-+().*/z 9", 12);
    EXPECT_EQ(GetText(img, 0x100, 12), "a-+().*/z 9");
    EXPECT_EQ(CharToCode(""), 0xFF);
    EXPECT_EQ(CharToCode("\xE9"), 0xFF);
    EXPECT_EQ(CodeToChar(0x00), "");
    EXPECT_EQ(CodeToChar(0x7F), "");
}

TEST(Codec, PackedDigits) {
    MemoryImage img{};
    PutDigits(img, 0x19B, "", DigitForm::TenDigit);
    EXPECT_EQ(Bytes(img, 0x19B, 5), (std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(GetDigits(img, 0x19B), "");
    PutDigits(img, 0x19B, "   ", DigitForm::TenDigit);
    EXPECT_EQ(img[0x19B], 0xFF);

    PutDigits(img, 0x19B, "123456789", DigitForm::TenDigit);
    EXPECT_EQ(Bytes(img, 0x19B, 5), (std::vector<std::uint8_t>{0x12, 0x34, 0x56, 0x78, 0x9F}));
    EXPECT_EQ(GetDigits(img, 0x19B), "123456789");
    PutDigits(img, 0x19B, "0123456789", DigitForm::TenDigit);
    EXPECT_EQ(GetDigits(img, 0x19B), "0123456789");

    PutDigits(img, 0x190, "123456789", DigitForm::Mmsi);
    EXPECT_EQ(Bytes(img, 0x190, 5), (std::vector<std::uint8_t>{0x12, 0x34, 0x56, 0x78, 0x90}));
    PutDigits(img, 0x190, " 12", DigitForm::Mmsi);
    EXPECT_EQ(Bytes(img, 0x190, 5), (std::vector<std::uint8_t>{0xF1, 0x2F, 0xFF, 0xFF, 0xF0}));
    EXPECT_EQ(GetDigits(img, 0x190), "");
}

TEST(Codec, OffsetTimeCodes) {
    // clang-format off
    for (auto [value, code] : {std::pair{0, 0x7C}, {11, 0x71}, {12, 0xFF}, {13, 0xF1}, {24, 0xFC},
                               {30, 0xFC}, {-3, 0x7C}})
        // clang-format on
        EXPECT_EQ(OffsetTimeCode(value), code) << value;
    for (auto [code, value] : {std::pair{0x70, 12}, {0xF0, 12}, {0xFD, 24}, {0xFF, 12}})
        EXPECT_EQ(OffsetTimeValue(static_cast<std::uint8_t>(code)), value) << code;
    for (int v = 0; v <= 24; ++v)
        EXPECT_EQ(OffsetTimeValue(OffsetTimeCode(v)), v);
}

TEST(Codec, DefaultImageAndNewEncoding) {
    const MemoryImage def = DefaultImage();
    EXPECT_EQ(Bytes(def, 0, 24),
              (std::vector<std::uint8_t>{0x0D, 0x48, 0x0F, 0, 0, 0, 0,    0, 0, 4,    1,    1,
                                         0xE0, 0xFF, 0xFF, 1, 0, 1, 0xFF, 0, 0, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Bytes(def, 0x48, 8), (std::vector<std::uint8_t>{0xFF, 0xC0, 0, 0, 0, 0, 0, 0xFF}));
    EXPECT_EQ(def[0x195], 0);
    EXPECT_EQ(def[0x050 + 12], 0);
    EXPECT_EQ(def[0x050 + 11], 0xFF);
    for (int a = 0xE40; a < 0x1000; ++a)
        ASSERT_EQ(def[a], 0xFF) << a;

    test::NewDocument doc;
    const MemoryImage& img = doc.image;
    EXPECT_EQ(ModelCodeOf(img), kSupportedModelCode);
    // USA positions 1, 3, 5, 6, 7, 8 present: 1010 1111.
    EXPECT_EQ(img[0x018], 0xAF);
    EXPECT_EQ(img[0x030], 0x00);
    // Position 2 has no channel: its record keeps no tag.
    EXPECT_EQ(GetText(img, 0x1A0 + 16, 12), "");
    EXPECT_EQ(img[0x1A0 + 16], 0xFF);
    EXPECT_EQ(GetText(img, 0x1A0 + 15 * 16, 12), "DISTRESS");
    EXPECT_EQ(img[0x048], 0xFF);
    EXPECT_EQ(img[0x049], 0xC0);
    EXPECT_EQ(GetText(img, 0xDA0, 12), "162.550MHZ");
    // Encoding the new model changes nothing in the settings area of the default image.
    EXPECT_EQ(Bytes(img, 0, 24), Bytes(def, 0, 24));
}

TEST(Codec, BitmapsStayWithinTheirAreas) {
    test::NewDocument doc;
    Configuration& c = doc.config;
    for (ChannelRecord& r : c.CHUSA)
        r.ScanMemory = r.Position <= 8;
    for (ChannelRecord& r : c.CHINT)
        r.ScanMemory = false;
    c.CHWX[8].Enable = true;
    c.CHWX[9].Enable = true;
    c.CHWX[7].Enable = false;
    doc.image[0x049] = 0x3F;  // unused bits are written as 0
    EncodeImage(c, doc.image);
    EXPECT_EQ(doc.image[0x030], 0xAF);
    EXPECT_EQ(doc.image[0x038], 0x00);
    EXPECT_EQ(doc.image[0x048], 0xFE);
    EXPECT_EQ(doc.image[0x049], 0xC0);

    c.Exp(20).ScanMemory = true;
    c.Exp(1).ScanMemory = true;
    EncodeImage(c, doc.image);
    EXPECT_EQ(doc.image[0x04C], 0x80);
    EXPECT_EQ(doc.image[0x04E], 0x10);
}

// A WX bank shorter than the radio's ten channels writes its own records and leaves the
// radio's other WX records as they are.
TEST(Codec, ShortWxBankWritesOnlyItsOwnRecords) {
    test::NewDocument doc;
    std::vector<ChannelRecord> bank(doc.config.CHWX.begin(), doc.config.CHWX.begin() + 3);
    bank[2].ChTag = "THIRD";
    const int firstOther = mem::kWxRecords.At(3, mem::tag_record::kChTag);
    const int end = mem::kWxRecords.Whole().End();
    for (int a = firstOther; a < end; ++a)
        doc.image[static_cast<std::size_t>(a)] = 0x5A;
    EncodeWxBank(bank, doc.image);
    EXPECT_EQ(GetText(doc.image, mem::kWxRecords.At(2, mem::tag_record::kChTag), 12), "THIRD");
    EXPECT_EQ(Bytes(doc.image, firstOther, end - firstOther),
              std::vector<std::uint8_t>(static_cast<std::size_t>(end - firstOther), 0x5A));
}

TEST(Codec, PositionsOutsideThePlanAreLeftAlone) {
    test::NewDocument doc;
    Configuration& c = doc.config;
    c.CHUSA[0].Position = 0;
    c.CHUSA[0].ChTag = "LOST";
    c.CHUSA[1].Position = 65;
    EncodeImage(c, doc.image);
    EXPECT_EQ(GetText(doc.image, 0x1A0, 12), "");  // position 1 now has no channel
    EXPECT_EQ(doc.image[0x018] & 0x80, 0);

    c.CHUSA[0].Enable = false;
    DecodeImage(doc.image, c);
    EXPECT_EQ(c.CHUSA[0].ChTag, "LOST");
    EXPECT_FALSE(c.CHUSA[0].Enable);
    EXPECT_EQ(c.CHUSA[0].Position, 0);
}

TEST(Codec, ExpRecords) {
    test::NewDocument doc;
    ChannelRecord& e = doc.config.Exp(3);
    e.Enable = true;
    e.Position = 281;
    e.TxEnable = e.DispayA = e.LowPower = true;
    e.ChTag = "WORK";
    const int base = 0x050 + 2 * 16;
    EncodeImage(doc.config, doc.image);
    EXPECT_EQ(doc.image[base + 12], 0x35);
    EXPECT_EQ(doc.image[base + 14], 0x01);
    EXPECT_EQ(doc.image[base + 15], 0x19);

    // A disabled record keeps the stored position bytes, and decoding ignores them.
    e.Enable = false;
    e.Position = 7;
    EncodeImage(doc.config, doc.image);
    EXPECT_EQ(doc.image[base + 14], 0x01);
    EXPECT_EQ(doc.image[base + 15], 0x19);
    Configuration back = doc.config;
    DecodeImage(doc.image, back);
    EXPECT_EQ(back.Exp(3).Position, 7);
    EXPECT_FALSE(back.Exp(3).Enable);
    EXPECT_TRUE(back.Exp(3).TxEnable);

    // An enabled record with a position beyond the plan keeps the previous position.
    doc.image[base + 12] = 0x10;
    doc.image[base + 14] = 0x01;
    doc.image[base + 15] = 0x2C;  // 300
    DecodeImage(doc.image, back);
    EXPECT_TRUE(back.Exp(3).Enable);
    EXPECT_EQ(back.Exp(3).Position, 7);
}

TEST(Codec, DirectoryIsAListEndedByTheFirstEmptyEntry) {
    test::NewDocument doc;
    for (int i : {1, 2, 3, 5}) {
        doc.config.Dir(i) = {true, "ST" + std::to_string(i), "12345678" + std::to_string(i)};
    }
    EncodeImage(doc.config, doc.image);
    Configuration back = doc.config;
    DecodeImage(doc.image, back);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(back.Dir(i), doc.config.Dir(i)) << i;
    for (int i = 4; i <= 20; ++i)
        EXPECT_EQ(back.Dir(i), DirectoryEntry{}) << i;
}

TEST(Codec, RandomConfigurationsRoundTripAndForeignBytesSurvive) {
    std::mt19937 rng(20261206);
    for (int round = 0; round < 200; ++round) {
        const Configuration c = test::RandomConfiguration(rng);
        MemoryImage image;
        for (auto& b : image)
            b = static_cast<std::uint8_t>(rng());
        const MemoryImage before = image;
        EncodeImage(c, image);
        EXPECT_EQ(ModelCodeOf(image), ModelCodeOf(before));

        // Bytes the editor does not own are carried through.
        auto same = [&](int from, int to) {
            for (int a = from; a < to; ++a)
                ASSERT_EQ(image[a], before[a]) << std::hex << a;
        };
        same(0x002, 0x008);
        same(0x00D, 0x00F);
        same(0x011, 0x012);
        same(0x015, 0x018);
        same(0x04F, 0x050);
        same(0x196, 0x19B);
        same(0xF80, 0x1000);
        for (int r = 0; r < 20; ++r) {
            same(0x050 + 16 * r + 13, 0x050 + 16 * r + 14);
            same(0xE40 + 16 * r + 15, 0xE40 + 16 * r + 16);
        }
        for (int r = 0; r < 64 * 3 + 10; ++r)
            same(0x1A0 + 16 * r + 12, 0x1A0 + 16 * r + 16);

        Configuration back = test::NewDocument().config;  // every field must come from the image
        DecodeImage(image, back);
        ASSERT_EQ(back, c) << "round " << round;
        // Encoding what was decoded gives the same image again.
        MemoryImage again = image;
        EncodeImage(back, again);
        ASSERT_EQ(again, image);
    }
}

}  // namespace
}  // namespace rse

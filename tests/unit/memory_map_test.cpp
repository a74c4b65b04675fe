#include <gtest/gtest.h>

#include <span>
#include <string>

#include "image/memory_map.h"

namespace rse::mem {
namespace {

// The areas of the map follow each other from address 0 without gap or overlap and end with
// the memory.
TEST(MemoryMap, AreasTileTheWholeMemory) {
    int expected = 0;
    for (const NamedArea& a : kMemoryMap) {
        EXPECT_EQ(a.area.address, expected) << a.name;
        EXPECT_GT(a.area.size, 0) << a.name;
        expected = a.area.End();
    }
    EXPECT_EQ(expected, static_cast<int>(kImageSize));
}

// Each layout's fields follow each other from offset 0 and fill the record exactly.
TEST(MemoryMap, RecordLayoutsFillTheirRecords) {
    const struct {
        const char* name;
        std::span<const Field> fields;
    } layouts[] = {{"tag", kTagRecordLayout},
                   {"EXP", kExpRecordLayout},
                   {"directory", kDirectoryRecordLayout}};
    for (const auto& layout : layouts) {
        int expected = 0;
        for (const Field& f : layout.fields) {
            EXPECT_EQ(f.offset, expected) << layout.name;
            EXPECT_GT(f.width, 0) << layout.name;
            expected = f.End();
        }
        EXPECT_EQ(expected, kRecordSize) << layout.name;
    }
}

// Every bitmap has room for its slots and no spare byte; every record area holds the records
// of its bank; the parts of a block lie inside it.
TEST(MemoryMap, SlotsFitTheirAreas) {
    const struct {
        const char* name;
        Bitmap bitmap;
        int bytes;
    } bitmaps[] = {{"USA Enable", kUsaPlan.enable, 8},  {"INT ScanMemory", kIntPlan.scanMemory, 8},
                   {"CAN Enable", kCanPlan.enable, 8},  {"WX Enable", kWxEnable, 2},
                   {"WX ScanMemory", kWxScanMemory, 2}, {"EXP ScanMemory", kExpScanMemory, 3}};
    for (const auto& b : bitmaps) {
        EXPECT_EQ(b.bitmap.Whole().size, b.bytes) << b.name;
        EXPECT_LE(b.bitmap.slotCount, 8 * b.bytes) << b.name;
        EXPECT_GT(b.bitmap.slotCount, 8 * (b.bytes - 1)) << b.name;
    }
    const struct {
        const char* name;
        RecordArea area;
        int records;
    } recordAreas[] = {{"USA", kUsaPlan.records, 64},   {"INT", kIntPlan.records, 64},
                       {"CAN", kCanPlan.records, 64},   {"WX", kWxRecords, 10},
                       {"EXP", kExpRecords, kExpCount}, {"directory", kDirectory, kDirectoryCount}};
    for (const auto& r : recordAreas) {
        EXPECT_EQ(r.area.records, r.records) << r.name;
        EXPECT_EQ(r.area.Record(r.records), r.area.Whole().End()) << r.name;
    }
    for (const Area part : {kUserMmsid, kMmsiEntryCount, kNotEdited196, kAtisNo}) {
        EXPECT_GE(part.address, kIdentity.address);
        EXPECT_LE(part.End(), kIdentity.End());
    }
    EXPECT_EQ(kUserMmsid.size + kMmsiEntryCount.size + kNotEdited196.size + kAtisNo.size,
              kIdentity.size);
    EXPECT_EQ(directory_record::kMmsid.width, kDigitsSize);
    EXPECT_EQ(kUserMmsid.size, kDigitsSize);
    EXPECT_EQ(kAtisNo.size, kDigitsSize);
}

// The bits of a flags byte are distinct and leave the bits the radio wants 0.
TEST(MemoryMap, FlagBitsAreDistinct) {
    const struct {
        const char* name;
        std::initializer_list<std::uint8_t> bits;
        std::uint8_t used;
    } bytes[] = {{"channel flags",
                  {channel_flags::kTxEnable, channel_flags::kEnable, channel_flags::kDuplex,
                   channel_flags::kDispayA, channel_flags::kPowUp, channel_flags::kLowPower},
                  0x3F},
                 {"IndReply, IndACK, POSRR",
                  {ind_flags::kIndReply, ind_flags::kIndACK, ind_flags::kPOSRR},
                  0xE0}};
    for (const auto& b : bytes) {
        unsigned all = 0;
        for (const std::uint8_t bit : b.bits) {
            EXPECT_EQ(bit & (bit - 1), 0) << b.name << ": one bit each";
            EXPECT_EQ(all & bit, 0u) << b.name;
            all |= bit;
        }
        EXPECT_EQ(all, b.used) << b.name;
    }
}

}  // namespace
}  // namespace rse::mem

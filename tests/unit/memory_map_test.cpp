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

// The identity block is the user's MMSI, the entry count, five bytes and the ATIS number, in
// this order.
TEST(MemoryMap, IdentityBlockHoldsItsParts) {
    int expected = kIdentity.address;
    for (const Area part : {kUserMmsid, kMmsiEntryCount, kNotEdited196, kAtisNo}) {
        EXPECT_EQ(part.address, expected);
        expected = part.End();
    }
    EXPECT_EQ(expected, kIdentity.End());
}

// The bits of a flags byte are distinct and leave the bits the radio wants 0.
TEST(MemoryMap, FlagBitsAreDistinct) {
    const struct {
        const char* name;
        std::initializer_list<std::uint8_t> bits;
        std::uint8_t used;
    } bytes[] = {
        // clang-format off
        {"channel flags", {channel_flags::kTxEnable, channel_flags::kEnable, channel_flags::kDuplex,
                           channel_flags::kDispayA, channel_flags::kPowUp, channel_flags::kLowPower}, 0x3F},
        {"IndReply, IndACK, POSRR", {ind_flags::kIndReply, ind_flags::kIndACK, ind_flags::kPOSRR}, 0xE0},
        // clang-format on
    };
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

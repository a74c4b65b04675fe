// The radio's memory map: its 4096 bytes as areas in address order (address, size), the
// layout of each kind of 16-byte record (field offset, width) and the bits of each flags byte.
// Every address, offset and mask of the memory the program uses is named here and nowhere
// else. Areas marked "not edited" are carried through exactly as the radio supplied them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string_view>

#include "model/channel_plans.h"
#include "model/configuration.h"

namespace rse {

inline constexpr std::size_t kImageSize = 4096;

// The model code the supported radio reports in its `ModelCode` area.
inline constexpr std::uint16_t kSupportedModelCode = 0x0D48;

namespace mem {

// A stretch of the memory.
struct Area {
    int address;
    int size;

    constexpr int End() const { return address + size; }
    constexpr bool operator==(const Area&) const = default;
};

// A field of a record: its offset from the record's first byte and its width in bytes.
struct Field {
    int offset;
    int width;

    constexpr int End() const { return offset + width; }
};

inline constexpr int kRecordSize = 16;

// An area of records, 16 bytes each; record r starts at address + 16 r.
struct RecordArea {
    int address;
    int records;

    constexpr Area Whole() const { return {address, records * kRecordSize}; }
    constexpr int Record(int r) const { return address + kRecordSize * r; }
    constexpr int At(int r, Field field) const { return Record(r) + field.offset; }
};

// One bit a slot, most significant bit first: slot s is bit 7 - s mod 8 of byte s div 8.
// The unused bits of the last byte are written 0.
struct Bitmap {
    int address;
    int slotCount;

    constexpr int Bytes() const { return (slotCount + 7) / 8; }
    constexpr Area Whole() const { return {address, Bytes()}; }
};

// The head: model code and common settings, one plain byte each unless said otherwise.
inline constexpr Area kModelCode{0x000, 2};  // big-endian, high byte first
inline constexpr Area kNotEdited002{0x002, 1};
inline constexpr Area kNotEdited003{0x003, 5};
inline constexpr Area kDimmer{0x008, 1};
inline constexpr Area kContrast{0x009, 1};
inline constexpr Area kKeyBeep{0x00A, 1};
inline constexpr Area kWxAlert{0x00B, 1};
inline constexpr Area kIndFlags{0x00C, 1};  // bits: ind_flags
inline constexpr Area kNotEdited00D{0x00D, 2};
inline constexpr Area kDscScan{0x00F, 1};
inline constexpr Area kInd{0x010, 1};
inline constexpr Area kNotEdited011{0x011, 1};
inline constexpr Area kOffsetTime{0x012, 1};  // the OffsetTime code
inline constexpr Area kScanType{0x013, 1};
inline constexpr Area kAtisOnOff{0x014, 1};
inline constexpr Area kNotEdited015{0x015, 3};

// Bits of the byte kIndFlags; bits 4 to 0 are written 0.
namespace ind_flags {
inline constexpr std::uint8_t kIndReply = 1u << 7;
inline constexpr std::uint8_t kIndACK = 1u << 6;
inline constexpr std::uint8_t kPOSRR = 1u << 5;
}  // namespace ind_flags

// A fixed plan (USA, International, Canada): slot s is plan position s + 1.
struct PlanAreas {
    Bitmap enable;
    Bitmap scanMemory;
    RecordArea records;  // tag_record layout
};

inline constexpr int kFixedPlanSlots = kFixedPlanRange.Count();
inline constexpr int kWxSlots = kWxPlanRange.Count();

inline constexpr PlanAreas kUsaPlan{
    {0x018, kFixedPlanSlots}, {0x030, kFixedPlanSlots}, {0x1A0, kFixedPlanSlots}};
inline constexpr PlanAreas kIntPlan{
    {0x020, kFixedPlanSlots}, {0x038, kFixedPlanSlots}, {0x5A0, kFixedPlanSlots}};
inline constexpr PlanAreas kCanPlan{
    {0x028, kFixedPlanSlots}, {0x040, kFixedPlanSlots}, {0x9A0, kFixedPlanSlots}};

// The areas of a fixed plan bank (USA, INT, CAN).
constexpr const PlanAreas& PlanAreasOf(BankId bank) {
    switch (bank) {
        case BankId::USA:
            return kUsaPlan;
        case BankId::INT:
            return kIntPlan;
        case BankId::CAN:
            return kCanPlan;
        case BankId::WX:
        case BankId::EXP:
            break;
    }
    throw std::invalid_argument("WX and EXP are not fixed plans");
}

// WX: slot s is the s-th channel of the bank in bank order.
inline constexpr Bitmap kWxEnable{0x048, kWxSlots};
inline constexpr Bitmap kWxScanMemory{0x04A, kWxSlots};
// EXP: slot s is EXP memory s + 1; its Enable travels in the record's flags byte.
inline constexpr Bitmap kExpScanMemory{0x04C, kExpCount};
inline constexpr Area kNotEdited04F{0x04F, 1};
inline constexpr RecordArea kExpRecords{0x050, kExpCount};  // exp_record layout

// The identity block: the user's MMSI, the count of MMSI entries and the ATIS number.
inline constexpr Area kIdentity{0x190, 16};
inline constexpr Area kUserMmsid{0x190, 5};       // packed digits, MMSI form
inline constexpr Area kMmsiEntryCount{0x195, 1};  // plain byte; Clear Data writes 0
inline constexpr Area kNotEdited196{0x196, 5};
inline constexpr Area kAtisNo{0x19B, 5};  // packed digits, ten-digit form

inline constexpr RecordArea kWxRecords{0xDA0, kWxSlots};         // tag_record layout
inline constexpr RecordArea kDirectory{0xE40, kDirectoryCount};  // directory_record layout
inline constexpr Area kNotEditedTail{0xF80, 128};

// Packed digits: ten nibbles, high nibble first; 0xF is no digit, five bytes 0xFF no number.
inline constexpr int kDigitsSize = 5;

// Record layout of the plan and WX channels.
namespace tag_record {
inline constexpr Field kChTag{0, 12};  // character codes, 0xFF beyond the text
inline constexpr Field kNotEdited{12, 4};
}  // namespace tag_record

// Record layout of the EXP channels.
namespace exp_record {
inline constexpr Field kChTag{0, 12};
inline constexpr Field kFlags{12, 1};  // bits: channel_flags
inline constexpr Field kNotEdited{13, 1};
// The EXP plan entry, big-endian; meaningful and written only while the Enable bit is set.
inline constexpr Field kPosition{14, 2};
}  // namespace exp_record

// Bits of an EXP record's flags byte; bits 7 and 6 are written 0.
namespace channel_flags {
inline constexpr std::uint8_t kTxEnable = 1u << 5;
inline constexpr std::uint8_t kEnable = 1u << 4;
inline constexpr std::uint8_t kDuplex = 1u << 3;
inline constexpr std::uint8_t kDispayA = 1u << 2;
inline constexpr std::uint8_t kPowUp = 1u << 1;
inline constexpr std::uint8_t kLowPower = 1u << 0;
}  // namespace channel_flags

// Record layout of the individual directory; the first entry without a leading digit in its
// MMSI ends the list.
namespace directory_record {
inline constexpr Field kMmsid{0, kDigitsSize};  // packed digits, MMSI form
inline constexpr Field kTagName{5, 10};
inline constexpr Field kNotEdited{15, 1};
}  // namespace directory_record

// The whole memory in address order, for whoever walks it.
struct NamedArea {
    std::string_view name;
    Area area;
};

inline constexpr NamedArea kMemoryMap[] = {
    {"ModelCode", kModelCode},
    {"not edited", kNotEdited002},
    {"not edited", kNotEdited003},
    {"Dimmer", kDimmer},
    {"Contrast", kContrast},
    {"KeyBeep", kKeyBeep},
    {"WxAlert", kWxAlert},
    {"IndReply, IndACK, POSRR", kIndFlags},
    {"not edited", kNotEdited00D},
    {"DscScan", kDscScan},
    {"Ind", kInd},
    {"not edited", kNotEdited011},
    {"OffsetTime", kOffsetTime},
    {"ScanType", kScanType},
    {"AtisOnOff", kAtisOnOff},
    {"not edited", kNotEdited015},
    {"USA Enable", kUsaPlan.enable.Whole()},
    {"International Enable", kIntPlan.enable.Whole()},
    {"Canada Enable", kCanPlan.enable.Whole()},
    {"USA ScanMemory", kUsaPlan.scanMemory.Whole()},
    {"International ScanMemory", kIntPlan.scanMemory.Whole()},
    {"Canada ScanMemory", kCanPlan.scanMemory.Whole()},
    {"WX Enable", kWxEnable.Whole()},
    {"WX ScanMemory", kWxScanMemory.Whole()},
    {"EXP ScanMemory", kExpScanMemory.Whole()},
    {"not edited", kNotEdited04F},
    {"EXP records", kExpRecords.Whole()},
    {"UserMmsid", kUserMmsid},
    {"MmsiEntryCount", kMmsiEntryCount},
    {"not edited", kNotEdited196},
    {"AtisNo", kAtisNo},
    {"USA records", kUsaPlan.records.Whole()},
    {"International records", kIntPlan.records.Whole()},
    {"Canada records", kCanPlan.records.Whole()},
    {"WX records", kWxRecords.Whole()},
    {"Individual directory", kDirectory.Whole()},
    {"not edited", kNotEditedTail},
};

// The fields of each record layout, in offset order.
inline constexpr Field kTagRecordLayout[] = {tag_record::kChTag, tag_record::kNotEdited};
inline constexpr Field kExpRecordLayout[] = {exp_record::kChTag, exp_record::kFlags,
                                             exp_record::kNotEdited, exp_record::kPosition};
inline constexpr Field kDirectoryRecordLayout[] = {
    directory_record::kMmsid, directory_record::kTagName, directory_record::kNotEdited};

}  // namespace mem
}  // namespace rse

#include "image/codec.h"

#include <algorithm>
#include <vector>

namespace rse {

namespace {

using FlagField = bool ChannelRecord::*;

// One bit per record, most significant bit first. Stops after the bitmap's bytes or after the
// first byte that the records did not fill; that byte is still written.
template <typename It>
void PutFlagBits(It first, It last, FlagField field, MemoryImage& image, mem::Bitmap bitmap) {
    It rec = first;
    for (int b = 0; b < bitmap.Bytes(); ++b) {
        std::uint8_t value = 0;
        bool full = true;
        for (int bit = 7; bit >= 0; --bit) {
            if (rec == last) {
                full = false;
                break;
            }
            if ((*rec).*field) value |= static_cast<std::uint8_t>(1u << bit);
            ++rec;
        }
        image[static_cast<std::size_t>(bitmap.address + b)] = value;
        if (!full) break;
    }
}

template <typename It>
void GetFlagBits(It first, It last, FlagField field, const MemoryImage& image, mem::Bitmap bitmap) {
    It rec = first;
    for (int b = 0; b < bitmap.Bytes() && rec != last; ++b) {
        const std::uint8_t value = image[static_cast<std::size_t>(bitmap.address + b)];
        for (int bit = 7; bit >= 0 && rec != last; --bit, ++rec) {
            (*rec).*field = (value >> bit & 1u) != 0;
        }
    }
}

enum class RecordForm { TagOnly, Exp };

// The tag of a plan, WX or EXP record sits at the same place in both layouts.
static_assert(mem::tag_record::kChTag.offset == mem::exp_record::kChTag.offset &&
              mem::tag_record::kChTag.width == mem::exp_record::kChTag.width);

// A big-endian number of `field.width` bytes.
void PutNumber(MemoryImage& image, int address, mem::Field field, unsigned value) {
    for (int i = field.width - 1; i >= 0; --i, value >>= 8)
        image[static_cast<std::size_t>(address + i)] = static_cast<std::uint8_t>(value & 0xFF);
}
int GetNumber(const MemoryImage& image, int address, mem::Field field) {
    int value = 0;
    for (int i = 0; i < field.width; ++i)
        value = value * 256 + image[static_cast<std::size_t>(address + i)];
    return value;
}

// Writes the records from the first one on into the area's records, at most as many as it has.
template <typename It>
void PutRecords(It first, It last, MemoryImage& image, mem::RecordArea area, RecordForm form) {
    using namespace mem::exp_record;
    int r = 0;
    for (It rec = first; rec != last && r < area.records; ++rec, ++r) {
        PutText(image, area.At(r, kChTag), rec->ChTag, kChTag.width);
        if (form == RecordForm::Exp) {
            image[static_cast<std::size_t>(area.At(r, kFlags))] = ChannelFlagsByte(*rec);
            if (rec->Enable) {
                PutNumber(image, area.At(r, kPosition), kPosition,
                          static_cast<std::uint16_t>(rec->Position));
            }
        }
    }
}

template <typename It>
void GetRecords(It first, It last, const MemoryImage& image, mem::RecordArea area,
                RecordForm form) {
    using namespace mem::exp_record;
    int r = 0;
    for (It rec = first; rec != last && r < area.records; ++rec, ++r) {
        rec->ChTag = GetText(image, area.At(r, kChTag), kChTag.width);
        if (form == RecordForm::Exp) {
            SetChannelFlags(*rec, image[static_cast<std::size_t>(area.At(r, kFlags))]);
            if (rec->Enable) {
                const int v = GetNumber(image, area.At(r, kPosition), kPosition);
                if (kExpPlanRange.Contains(v)) rec->Position = static_cast<std::int16_t>(v);
            }
        }
    }
}

std::uint8_t ClampByte(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

bool IsStorableChar(unsigned char c) {
    return c == ' ' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
           c == '-' || c == '+' || c == '(' || c == ')' || c == '.' || c == '*' || c == '/';
}

std::string TrimSpaces(std::string_view s) {
    std::size_t b = s.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    std::size_t e = s.find_last_not_of(' ');
    return std::string(s.substr(b, e - b + 1));
}

// An MMSI holds nine digits; the tenth nibble the radio stores is always 0.
std::string MmsiDigits(const MemoryImage& image, int offset) {
    std::string digits = GetDigits(image, offset);
    if (digits.size() > 9) digits.resize(9);
    return digits;
}

}  // namespace

std::uint8_t CharToCode(std::string_view ch) {
    if (ch.empty()) return 0xFF;
    const auto c = static_cast<unsigned char>(ch.front());
    return IsStorableChar(c) ? c : 0xFF;
}

std::string CodeToChar(std::uint8_t code) {
    return IsStorableChar(code) ? std::string(1, static_cast<char>(code)) : std::string();
}

void PutText(MemoryImage& image, int offset, std::string_view text, int length) {
    for (int i = 0; i < length; ++i) {
        const std::string_view ch = static_cast<std::size_t>(i) < text.size()
                                        ? text.substr(static_cast<std::size_t>(i), 1)
                                        : std::string_view();
        image[static_cast<std::size_t>(offset + i)] = CharToCode(ch);
    }
}

std::string GetText(const MemoryImage& image, int offset, int length) {
    std::string text;
    for (int i = 0; i < length; ++i) {
        const std::string ch = CodeToChar(image[static_cast<std::size_t>(offset + i)]);
        if (ch.empty()) break;
        text += ch;
    }
    const std::size_t end = text.find_last_not_of(' ');
    text.resize(end == std::string::npos ? 0 : end + 1);
    return text;
}

void PutDigits(MemoryImage& image, int offset, std::string_view text, DigitForm form) {
    if (TrimSpaces(text).empty()) {
        for (int i = 0; i < mem::kDigitsSize; ++i)
            image[static_cast<std::size_t>(offset + i)] = 0xFF;
        return;
    }
    std::string copy(text);
    copy.append(10, ' ');
    auto nibble = [](char c) -> std::uint8_t {
        return c >= '0' && c <= '9' ? static_cast<std::uint8_t>(c - '0') : 0xF;
    };
    for (int i = 0; i < mem::kDigitsSize; ++i) {
        std::uint8_t hi = nibble(copy[static_cast<std::size_t>(2 * i)]);
        std::uint8_t lo = nibble(copy[static_cast<std::size_t>(2 * i + 1)]);
        if (form == DigitForm::Mmsi && i == mem::kDigitsSize - 1) lo = 0;
        image[static_cast<std::size_t>(offset + i)] = static_cast<std::uint8_t>(hi << 4 | lo);
    }
}

std::string GetDigits(const MemoryImage& image, int offset) {
    std::string digits;
    for (int i = 0; i < mem::kDigitsSize; ++i) {
        const std::uint8_t b = image[static_cast<std::size_t>(offset + i)];
        const int hi = b >> 4;
        if (hi > 9) break;
        digits += static_cast<char>('0' + hi);
        const int lo = b & 0x0F;
        if (lo > 9) break;
        digits += static_cast<char>('0' + lo);
    }
    return digits;
}

namespace {

// Each flag of a channel record that the EXP flags byte stores, with its bit.
struct FlagBit {
    FlagField field;
    std::uint8_t mask;
};
constexpr FlagBit kChannelFlagBits[] = {{&ChannelRecord::TxEnable, mem::channel_flags::kTxEnable},
                                        {&ChannelRecord::Enable, mem::channel_flags::kEnable},
                                        {&ChannelRecord::Duplex, mem::channel_flags::kDuplex},
                                        {&ChannelRecord::DispayA, mem::channel_flags::kDispayA},
                                        {&ChannelRecord::PowUp, mem::channel_flags::kPowUp},
                                        {&ChannelRecord::LowPower, mem::channel_flags::kLowPower}};

}  // namespace

std::uint8_t ChannelFlagsByte(const ChannelRecord& r) {
    std::uint8_t flags = 0;
    for (const FlagBit& f : kChannelFlagBits)
        if (r.*f.field) flags |= f.mask;
    return flags;
}

void SetChannelFlags(ChannelRecord& r, std::uint8_t flags) {
    for (const FlagBit& f : kChannelFlagBits)
        r.*f.field = (flags & f.mask) != 0;
}

std::uint8_t OffsetTimeCode(int offsetTime) {
    if (offsetTime == 12) return 0xFF;
    const int v = std::clamp(offsetTime, 0, 24);
    return v < 12 ? static_cast<std::uint8_t>(0x70 + (12 - v))
                  : static_cast<std::uint8_t>(0xF0 + (v - 12));
}

int OffsetTimeValue(std::uint8_t code) {
    if (code == 0xFF) return 12;
    int n = code & 0x0F;
    if (n > 12) n = 12;
    return (code & 0x80) == 0 ? 12 - n : 12 + n;
}

void EncodeSettings(const CommonSettings& s, MemoryImage& image) {
    // Each number takes one byte; a value outside 0..255 (only a hand-edited file can hold
    // one) is clamped to the byte's range instead of wrapping around.
    using namespace mem;
    image[kContrast.address] = ClampByte(s.Contrast);
    image[kDimmer.address] = ClampByte(s.Dimmer);
    image[kKeyBeep.address] = s.KeyBeep ? 1 : 0;
    image[kScanType.address] = ClampByte(s.ScanType);
    image[kAtisOnOff.address] = s.AtisOnOff ? 1 : 0;
    image[kInd.address] = ClampByte(s.Ind);
    image[kIndFlags.address] = static_cast<std::uint8_t>((s.IndReply ? ind_flags::kIndReply : 0) |
                                                         (s.IndACK ? ind_flags::kIndACK : 0) |
                                                         (s.POSRR ? ind_flags::kPOSRR : 0));
    image[kDscScan.address] = s.DscScan ? 1 : 0;
    image[kWxAlert.address] = s.WxAlert ? 1 : 0;
    image[kOffsetTime.address] = OffsetTimeCode(s.OffsetTime);
    PutDigits(image, kAtisNo.address, s.AtisNo, DigitForm::TenDigit);
    PutDigits(image, kUserMmsid.address, s.UserMmsid, DigitForm::Mmsi);
}

void DecodeSettings(const MemoryImage& image, CommonSettings& s) {
    using namespace mem;
    s.Contrast = image[kContrast.address];
    s.Dimmer = image[kDimmer.address];
    s.KeyBeep = image[kKeyBeep.address] != 0;
    s.ScanType = image[kScanType.address];
    s.AtisOnOff = image[kAtisOnOff.address] != 0;
    s.Ind = image[kInd.address];
    const std::uint8_t indFlags = image[kIndFlags.address];
    s.IndReply = (indFlags & ind_flags::kIndReply) != 0;
    s.IndACK = (indFlags & ind_flags::kIndACK) != 0;
    s.POSRR = (indFlags & ind_flags::kPOSRR) != 0;
    s.DscScan = image[kDscScan.address] != 0;
    s.WxAlert = image[kWxAlert.address] != 0;
    s.OffsetTime = static_cast<std::int16_t>(OffsetTimeValue(image[kOffsetTime.address]));
    s.AtisNo = GetDigits(image, kAtisNo.address);
    s.UserMmsid = MmsiDigits(image, kUserMmsid.address);
}

void EncodePlanBank(const std::vector<ChannelRecord>& bank, BankId id, MemoryImage& image) {
    std::vector<ChannelRecord> slots(mem::kFixedPlanSlots);
    for (const ChannelRecord& r : bank) {
        if (kFixedPlanRange.Contains(r.Position))
            slots[static_cast<std::size_t>(r.Position - kFixedPlanRange.first)] = r;
    }
    const mem::PlanAreas& a = mem::PlanAreasOf(id);
    PutFlagBits(slots.begin(), slots.end(), &ChannelRecord::Enable, image, a.enable);
    PutFlagBits(slots.begin(), slots.end(), &ChannelRecord::ScanMemory, image, a.scanMemory);
    PutRecords(slots.begin(), slots.end(), image, a.records, RecordForm::TagOnly);
}

void DecodePlanBank(const MemoryImage& image, BankId id, std::vector<ChannelRecord>& bank) {
    std::vector<ChannelRecord> slots(mem::kFixedPlanSlots);
    const mem::PlanAreas& a = mem::PlanAreasOf(id);
    GetFlagBits(slots.begin(), slots.end(), &ChannelRecord::Enable, image, a.enable);
    GetFlagBits(slots.begin(), slots.end(), &ChannelRecord::ScanMemory, image, a.scanMemory);
    GetRecords(slots.begin(), slots.end(), image, a.records, RecordForm::TagOnly);
    for (ChannelRecord& r : bank) {
        if (!kFixedPlanRange.Contains(r.Position)) continue;
        const ChannelRecord& s =
            slots[static_cast<std::size_t>(r.Position - kFixedPlanRange.first)];
        r.Enable = s.Enable;
        r.ScanMemory = s.ScanMemory;
        r.ChTag = s.ChTag;
    }
}

void EncodeWxBank(const std::vector<ChannelRecord>& bank, MemoryImage& image) {
    const auto last = bank.begin() + std::min<std::ptrdiff_t>(mem::kWxSlots, std::ssize(bank));
    PutFlagBits(bank.begin(), last, &ChannelRecord::Enable, image, mem::kWxEnable);
    PutFlagBits(bank.begin(), last, &ChannelRecord::ScanMemory, image, mem::kWxScanMemory);
    PutRecords(bank.begin(), last, image, mem::kWxRecords, RecordForm::TagOnly);
}

void DecodeWxBank(const MemoryImage& image, std::vector<ChannelRecord>& bank) {
    const auto last = bank.begin() + std::min<std::ptrdiff_t>(mem::kWxSlots, std::ssize(bank));
    GetFlagBits(bank.begin(), last, &ChannelRecord::Enable, image, mem::kWxEnable);
    GetFlagBits(bank.begin(), last, &ChannelRecord::ScanMemory, image, mem::kWxScanMemory);
    GetRecords(bank.begin(), last, image, mem::kWxRecords, RecordForm::TagOnly);
}

void EncodeExpBank(const Configuration& config, MemoryImage& image) {
    const auto& exp = config.CHEXP;
    PutFlagBits(exp.begin(), exp.end(), &ChannelRecord::ScanMemory, image, mem::kExpScanMemory);
    PutRecords(exp.begin(), exp.end(), image, mem::kExpRecords, RecordForm::Exp);
}

void DecodeExpBank(const MemoryImage& image, Configuration& config) {
    auto& exp = config.CHEXP;
    GetFlagBits(exp.begin(), exp.end(), &ChannelRecord::ScanMemory, image, mem::kExpScanMemory);
    GetRecords(exp.begin(), exp.end(), image, mem::kExpRecords, RecordForm::Exp);
}

void EncodeDirectory(const Configuration& config, MemoryImage& image) {
    using namespace mem::directory_record;
    for (int i = 1; i <= kDirectoryCount; ++i) {
        PutDigits(image, mem::kDirectory.At(i - 1, kMmsid), config.Dir(i).Mmsid, DigitForm::Mmsi);
        PutText(image, mem::kDirectory.At(i - 1, kTagName), config.Dir(i).TagName, kTagName.width);
    }
}

void DecodeDirectory(const MemoryImage& image, Configuration& config) {
    using namespace mem::directory_record;
    for (int i = 1; i <= kDirectoryCount; ++i) {
        config.Dir(i).Mmsid = MmsiDigits(image, mem::kDirectory.At(i - 1, kMmsid));
        config.Dir(i).TagName = GetText(image, mem::kDirectory.At(i - 1, kTagName), kTagName.width);
    }
    // The directory is a list: the first entry without an MMSI ends it.
    bool ended = false;
    for (int i = 1; i <= kDirectoryCount; ++i) {
        DirectoryEntry& e = config.Dir(i);
        if (!ended && !e.Mmsid.empty()) {
            e.Enable = true;
        } else {
            ended = true;
            e = DirectoryEntry{};
        }
    }
}

void EncodeImage(const Configuration& config, MemoryImage& image) {
    EncodeSettings(config.SETCOM, image);
    EncodePlanBank(config.CHUSA, BankId::USA, image);
    EncodePlanBank(config.CHINT, BankId::INT, image);
    EncodePlanBank(config.CHCAN, BankId::CAN, image);
    EncodeWxBank(config.CHWX, image);
    EncodeExpBank(config, image);
    EncodeDirectory(config, image);
}

void DecodeImage(const MemoryImage& image, Configuration& config) {
    DecodeSettings(image, config.SETCOM);
    DecodePlanBank(image, BankId::USA, config.CHUSA);
    DecodePlanBank(image, BankId::INT, config.CHINT);
    DecodePlanBank(image, BankId::CAN, config.CHCAN);
    DecodeWxBank(image, config.CHWX);
    DecodeExpBank(image, config);
    DecodeDirectory(image, config);
}

MemoryImage DefaultImage() {
    MemoryImage image;
    image.fill(0xFF);
    // The head from the model code up to the plans' bitmaps.
    static constexpr std::uint8_t kHead[] = {0x0D, 0x48, 0x0F, 0x00, 0x00, 0x00, 0x00, 0x00,
                                             0x00, 0x04, 0x01, 0x01, 0xE0, 0xFF, 0xFF, 0x01,
                                             0x00, 0x01, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF};
    static_assert(std::size(kHead) == mem::kUsaPlan.enable.address - mem::kModelCode.address);
    std::copy(std::begin(kHead), std::end(kHead), image.begin() + mem::kModelCode.address);
    // The WX and EXP bitmaps up to the EXP records.
    static constexpr std::uint8_t kBitmaps[] = {0xFF, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF};
    static_assert(std::size(kBitmaps) == mem::kExpRecords.address - mem::kWxEnable.address);
    std::copy(std::begin(kBitmaps), std::end(kBitmaps), image.begin() + mem::kWxEnable.address);
    // Each EXP record's flags and position bytes.
    for (int r = 0; r < mem::kExpRecords.records; ++r) {
        for (int a = mem::kExpRecords.At(r, mem::exp_record::kFlags);
             a < mem::kExpRecords.Record(r + 1); ++a)
            image[static_cast<std::size_t>(a)] = 0x00;
    }
    image[mem::kMmsiEntryCount.address] = 0x00;
    return image;
}

void LoadDefaultImage(MemoryImage& image, CommonSettings& settings) {
    image = DefaultImage();
    DecodeSettings(image, settings);
}

void InitialiseConfiguration(Configuration& config, MemoryImage& image) {
    const ChannelPlans& plans = Plans();
    BuildBankFromPlan(config.CHUSA, plans.PlanUSA);
    BuildBankFromPlan(config.CHINT, plans.PlanINT);
    BuildBankFromPlan(config.CHCAN, plans.PlanCAN);
    BuildBankFromPlan(config.CHWX, plans.PlanWX);
    InitExpBank(config, plans.PlanEXP);
    ClearDirectory(config);
    LoadDefaultImage(image, config.SETCOM);
    DecodeExpBank(image, config);
    EncodeImage(config, image);
}

}  // namespace rse

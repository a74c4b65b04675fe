#include "image/codec.h"

#include <algorithm>
#include <vector>

namespace rse {

namespace {

constexpr int kSlots = 64;  // positions of a channel plan in the image

struct PlanAreas {
    int enable;
    int scan;
    int records;
};

PlanAreas AreasOf(BankId id) {
    switch (id) {
        case BankId::USA:
            return {addr::kUsaEnable, addr::kUsaScan, addr::kUsaRecords};
        case BankId::INT:
            return {addr::kIntEnable, addr::kIntScan, addr::kIntRecords};
        default:
            return {addr::kCanEnable, addr::kCanScan, addr::kCanRecords};
    }
}

using FlagField = bool ChannelRecord::*;

// One bit per record, most significant bit first. Stops after `bytes` bytes or after the
// first byte that the records did not fill; that byte is still written.
template <typename It>
void PutFlagBits(It first, It last, FlagField field, MemoryImage& image, int offset, int bytes) {
    It rec = first;
    for (int b = 0; b < bytes; ++b) {
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
        image[static_cast<std::size_t>(offset + b)] = value;
        if (!full) break;
    }
}

template <typename It>
void GetFlagBits(It first, It last, FlagField field, const MemoryImage& image, int offset,
                 int bytes) {
    It rec = first;
    for (int b = 0; b < bytes && rec != last; ++b) {
        const std::uint8_t value = image[static_cast<std::size_t>(offset + b)];
        for (int bit = 7; bit >= 0 && rec != last; --bit, ++rec) {
            (*rec).*field = (value >> bit & 1u) != 0;
        }
    }
}

enum class RecordForm { TagOnly, Exp };

template <typename It>
void PutRecords(It first, It last, MemoryImage& image, int offset, int count, RecordForm form) {
    for (It rec = first; rec != last && count > 0; ++rec, --count, offset += addr::kRecordSize) {
        PutText(image, offset, rec->ChTag, 12);
        if (form == RecordForm::Exp) {
            image[static_cast<std::size_t>(offset + 12)] = ChannelFlagsByte(*rec);
            if (rec->Enable) {
                const auto pos = static_cast<std::uint16_t>(rec->Position);
                image[static_cast<std::size_t>(offset + 14)] = static_cast<std::uint8_t>(pos >> 8);
                image[static_cast<std::size_t>(offset + 15)] =
                    static_cast<std::uint8_t>(pos & 0xFF);
            }
        }
    }
}

template <typename It>
void GetRecords(It first, It last, const MemoryImage& image, int offset, int count,
                RecordForm form) {
    for (It rec = first; rec != last && count > 0; ++rec, --count, offset += addr::kRecordSize) {
        rec->ChTag = GetText(image, offset, 12);
        if (form == RecordForm::Exp) {
            SetChannelFlags(*rec, image[static_cast<std::size_t>(offset + 12)]);
            if (rec->Enable) {
                const int v = image[static_cast<std::size_t>(offset + 14)] * 256 +
                              image[static_cast<std::size_t>(offset + 15)];
                if (v >= 0 && v <= 281) rec->Position = static_cast<std::int16_t>(v);
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
        for (int i = 0; i < 5; ++i)
            image[static_cast<std::size_t>(offset + i)] = 0xFF;
        return;
    }
    std::string copy(text);
    copy.append(10, ' ');
    auto nibble = [](char c) -> std::uint8_t {
        return c >= '0' && c <= '9' ? static_cast<std::uint8_t>(c - '0') : 0xF;
    };
    for (int i = 0; i < 5; ++i) {
        std::uint8_t hi = nibble(copy[static_cast<std::size_t>(2 * i)]);
        std::uint8_t lo = nibble(copy[static_cast<std::size_t>(2 * i + 1)]);
        if (form == DigitForm::Mmsi && i == 4) lo = 0;
        image[static_cast<std::size_t>(offset + i)] = static_cast<std::uint8_t>(hi << 4 | lo);
    }
}

std::string GetDigits(const MemoryImage& image, int offset) {
    std::string digits;
    for (int i = 0; i < 5; ++i) {
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

std::uint8_t ChannelFlagsByte(const ChannelRecord& r) {
    return static_cast<std::uint8_t>((r.TxEnable ? 0x20 : 0) | (r.Enable ? 0x10 : 0) |
                                     (r.Duplex ? 0x08 : 0) | (r.DispayA ? 0x04 : 0) |
                                     (r.PowUp ? 0x02 : 0) | (r.LowPower ? 0x01 : 0));
}

void SetChannelFlags(ChannelRecord& r, std::uint8_t flags) {
    r.TxEnable = (flags & 0x20) != 0;
    r.Enable = (flags & 0x10) != 0;
    r.Duplex = (flags & 0x08) != 0;
    r.DispayA = (flags & 0x04) != 0;
    r.PowUp = (flags & 0x02) != 0;
    r.LowPower = (flags & 0x01) != 0;
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
    image[addr::kContrast] = ClampByte(s.Contrast);
    image[addr::kDimmer] = ClampByte(s.Dimmer);
    image[addr::kKeyBeep] = s.KeyBeep ? 1 : 0;
    image[addr::kScanType] = ClampByte(s.ScanType);
    image[addr::kAtisOnOff] = s.AtisOnOff ? 1 : 0;
    image[addr::kInd] = ClampByte(s.Ind);
    image[addr::kIndFlags] = static_cast<std::uint8_t>(
        (s.IndReply ? 0x80 : 0) | (s.IndACK ? 0x40 : 0) | (s.POSRR ? 0x20 : 0));
    image[addr::kDscScan] = s.DscScan ? 1 : 0;
    image[addr::kWxAlert] = s.WxAlert ? 1 : 0;
    image[addr::kOffsetTime] = OffsetTimeCode(s.OffsetTime);
    PutDigits(image, addr::kAtisNo, s.AtisNo, DigitForm::TenDigit);
    PutDigits(image, addr::kUserMmsid, s.UserMmsid, DigitForm::Mmsi);
}

void DecodeSettings(const MemoryImage& image, CommonSettings& s) {
    s.Contrast = image[addr::kContrast];
    s.Dimmer = image[addr::kDimmer];
    s.KeyBeep = image[addr::kKeyBeep] != 0;
    s.ScanType = image[addr::kScanType];
    s.AtisOnOff = image[addr::kAtisOnOff] != 0;
    s.Ind = image[addr::kInd];
    s.IndReply = (image[addr::kIndFlags] & 0x80) != 0;
    s.IndACK = (image[addr::kIndFlags] & 0x40) != 0;
    s.POSRR = (image[addr::kIndFlags] & 0x20) != 0;
    s.DscScan = image[addr::kDscScan] != 0;
    s.WxAlert = image[addr::kWxAlert] != 0;
    s.OffsetTime = static_cast<std::int16_t>(OffsetTimeValue(image[addr::kOffsetTime]));
    s.AtisNo = GetDigits(image, addr::kAtisNo);
    s.UserMmsid = MmsiDigits(image, addr::kUserMmsid);
}

void EncodePlanBank(const std::vector<ChannelRecord>& bank, BankId id, MemoryImage& image) {
    std::vector<ChannelRecord> slots(kSlots);
    for (const ChannelRecord& r : bank) {
        const int p = r.Position - 1;
        if (p >= 0 && p < kSlots) slots[static_cast<std::size_t>(p)] = r;
    }
    const PlanAreas a = AreasOf(id);
    PutFlagBits(slots.begin(), slots.end(), &ChannelRecord::Enable, image, a.enable, 8);
    PutFlagBits(slots.begin(), slots.end(), &ChannelRecord::ScanMemory, image, a.scan, 8);
    PutRecords(slots.begin(), slots.end(), image, a.records, kSlots, RecordForm::TagOnly);
}

void DecodePlanBank(const MemoryImage& image, BankId id, std::vector<ChannelRecord>& bank) {
    std::vector<ChannelRecord> slots(kSlots);
    const PlanAreas a = AreasOf(id);
    GetFlagBits(slots.begin(), slots.end(), &ChannelRecord::Enable, image, a.enable, 8);
    GetFlagBits(slots.begin(), slots.end(), &ChannelRecord::ScanMemory, image, a.scan, 8);
    GetRecords(slots.begin(), slots.end(), image, a.records, kSlots, RecordForm::TagOnly);
    for (ChannelRecord& r : bank) {
        const int p = r.Position - 1;
        if (p < 0 || p >= kSlots) continue;
        const ChannelRecord& s = slots[static_cast<std::size_t>(p)];
        r.Enable = s.Enable;
        r.ScanMemory = s.ScanMemory;
        r.ChTag = s.ChTag;
    }
}

void EncodeWxBank(const std::vector<ChannelRecord>& bank, MemoryImage& image) {
    // The WX area has ten slots.
    const auto last = bank.begin() + std::min<std::ptrdiff_t>(10, std::ssize(bank));
    PutFlagBits(bank.begin(), last, &ChannelRecord::Enable, image, addr::kWxEnable, 2);
    PutFlagBits(bank.begin(), last, &ChannelRecord::ScanMemory, image, addr::kWxScan, 2);
    PutRecords(bank.begin(), last, image, addr::kWxRecords, 10, RecordForm::TagOnly);
}

void DecodeWxBank(const MemoryImage& image, std::vector<ChannelRecord>& bank) {
    const auto last = bank.begin() + std::min<std::ptrdiff_t>(10, std::ssize(bank));
    GetFlagBits(bank.begin(), last, &ChannelRecord::Enable, image, addr::kWxEnable, 2);
    GetFlagBits(bank.begin(), last, &ChannelRecord::ScanMemory, image, addr::kWxScan, 2);
    GetRecords(bank.begin(), last, image, addr::kWxRecords, 10, RecordForm::TagOnly);
}

void EncodeExpBank(const Configuration& config, MemoryImage& image) {
    const auto& exp = config.CHEXP;
    PutFlagBits(exp.begin(), exp.end(), &ChannelRecord::ScanMemory, image, addr::kExpScan, 3);
    PutRecords(exp.begin(), exp.end(), image, addr::kExpRecords, kExpCount, RecordForm::Exp);
}

void DecodeExpBank(const MemoryImage& image, Configuration& config) {
    auto& exp = config.CHEXP;
    GetFlagBits(exp.begin(), exp.end(), &ChannelRecord::ScanMemory, image, addr::kExpScan, 3);
    GetRecords(exp.begin(), exp.end(), image, addr::kExpRecords, kExpCount, RecordForm::Exp);
}

void EncodeDirectory(const Configuration& config, MemoryImage& image) {
    for (int i = 1; i <= kDirectoryCount; ++i) {
        const int base = addr::kDirectory + addr::kRecordSize * (i - 1);
        PutDigits(image, base, config.Dir(i).Mmsid, DigitForm::Mmsi);
        PutText(image, base + 5, config.Dir(i).TagName, 10);
    }
}

void DecodeDirectory(const MemoryImage& image, Configuration& config) {
    for (int i = 1; i <= kDirectoryCount; ++i) {
        const int base = addr::kDirectory + addr::kRecordSize * (i - 1);
        config.Dir(i).Mmsid = MmsiDigits(image, base);
        config.Dir(i).TagName = GetText(image, base + 5, 10);
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
    static constexpr std::uint8_t kHead[24] = {0x0D, 0x48, 0x0F, 0x00, 0x00, 0x00, 0x00, 0x00,
                                               0x00, 0x04, 0x01, 0x01, 0xE0, 0xFF, 0xFF, 0x01,
                                               0x00, 0x01, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF};
    std::copy(std::begin(kHead), std::end(kHead), image.begin());
    static constexpr std::uint8_t kFlags[8] = {0xFF, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF};
    std::copy(std::begin(kFlags), std::end(kFlags), image.begin() + 0x048);
    for (int r = 0; r < kExpCount; ++r) {
        const int base = addr::kExpRecords + addr::kRecordSize * r;
        for (int k = 12; k < 16; ++k)
            image[static_cast<std::size_t>(base + k)] = 0x00;
    }
    image[addr::kMmsiEntryCount] = 0x00;
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

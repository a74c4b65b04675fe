#include "files/config_file.h"

#include <cstdint>
#include <cstdio>
#include <optional>

#include "files/ini_reader.h"
#include "model/channel_plans.h"

namespace rse {

namespace {

constexpr const char* kEol = "\r\n";

// ---- number conversion -------------------------------------------------------------------

enum class Fraction { Zero, BelowHalf, Half, AboveHalf };

// A decimal number: sign, integer part and how its fraction compares with one half.
struct Decimal {
    bool negative = false;
    std::int64_t whole = 0;  // saturates at kHuge
    Fraction fraction = Fraction::Zero;
    bool nonZero = false;
};

constexpr std::int64_t kHuge = 1'000'000'000;

// Optional sign, digits, optional "." and fraction digits; at least one digit.
std::optional<Decimal> ParseDecimal(std::string_view s) {
    Decimal d;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) d.negative = s[i++] == '-';
    bool digits = false;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        digits = true;
        if (s[i] != '0') d.nonZero = true;
        d.whole = std::min(kHuge, d.whole * 10 + (s[i] - '0'));
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        const std::size_t start = i;
        for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
            digits = true;
        const std::string_view frac = s.substr(start, i - start);
        const std::size_t firstNonZero = frac.find_first_not_of('0');
        if (firstNonZero != std::string_view::npos) {
            d.nonZero = true;
            if (frac[0] < '5') {
                d.fraction = Fraction::BelowHalf;
            } else if (frac[0] > '5') {
                d.fraction = Fraction::AboveHalf;
            } else {
                d.fraction = frac.find_first_not_of('0', 1) == std::string_view::npos
                                 ? Fraction::Half
                                 : Fraction::AboveHalf;
            }
        }
    }
    if (!digits || i != s.size()) return std::nullopt;
    return d;
}

// Rounds (sign * (whole + fraction)) + offset to the nearest integer, halves to even.
std::optional<std::int16_t> RoundToInt16(const Decimal& d, int offset) {
    // Work with a non-negative magnitude m = whole + f and value = sign * m + offset.
    std::int64_t base;  // value with the fraction dropped towards the fraction's side
    Fraction f = d.fraction;
    if (!d.negative) {
        base = d.whole + offset;  // value = base + f
    } else if (f == Fraction::Zero) {
        base = offset - d.whole;
    } else {
        // -(whole + f) + offset = (offset - whole - 1) + (1 - f)
        base = offset - d.whole - 1;
        f = f == Fraction::BelowHalf   ? Fraction::AboveHalf
            : f == Fraction::AboveHalf ? Fraction::BelowHalf
                                       : Fraction::Half;
    }
    std::int64_t r = base;
    if (f == Fraction::AboveHalf || (f == Fraction::Half && (base % 2 != 0))) r = base + 1;
    if (r < INT16_MIN || r > INT16_MAX) return std::nullopt;
    return static_cast<std::int16_t>(r);
}

bool ParseWord(std::string_view s, std::string_view word) {
    return AsciiLower(s) == word;
}

// ---- writing -----------------------------------------------------------------------------

class Writer {
  public:
    void Section(std::string_view name) { Line("[", name, "]"); }
    void Section(std::string_view prefix, int index) {
        Line("[", prefix, std::to_string(index), "]");
    }
    void Number(std::string_view key, int value) { Line(key, "=", std::to_string(value)); }
    void Flag(std::string_view key, bool value) { Line(key, "=", value ? "1" : "0"); }
    void Text(std::string_view key, std::string_view value) { Line(key, "=#", value); }
    void Plain(std::string_view key, std::string_view value) { Line(key, "=", value); }
    std::string Take() { return std::move(out_); }

  private:
    template <typename... Parts>
    void Line(const Parts&... parts) {
        (out_.append(parts), ...);
        out_.append(kEol);
    }
    std::string out_;
};

void WriteMainAndSettings(Writer& w, const CommonSettings& s) {
    w.Section("MAIN");
    w.Text("MODEL", kModelName);
    w.Text("TYPE", "RSE");
    w.Text("VERSION", "1.00");
    w.Number("MODELTYPE", 0);
    w.Section("SETCOM");
    w.Number("Contrast", s.Contrast);
    w.Number("Dimmer", s.Dimmer);
    w.Flag("KeyBeep", s.KeyBeep);
    w.Flag("AtisOnOff", s.AtisOnOff);
    w.Text("AtisNo", s.AtisNo);
    w.Number("ScanType", s.ScanType);
    w.Number("Ind", s.Ind);
    w.Flag("IndReply", s.IndReply);
    w.Flag("IndACK", s.IndACK);
    w.Flag("POSRR", s.POSRR);
    w.Flag("DscScan", s.DscScan);
    w.Flag("WxAlert", s.WxAlert);
    w.Number("OffsetTime", s.OffsetTime - 24);
    w.Text("UserMmsid", s.UserMmsid);
}

void WriteChannel(Writer& w, std::string_view prefix, int index, const ChannelRecord& r) {
    w.Section(prefix, index);
    w.Number("Position", r.Position);
    w.Flag("Enable", r.Enable);
    w.Flag("LowPower", r.LowPower);
    w.Flag("PowUp", r.PowUp);
    w.Flag("Duplex", r.Duplex);
    w.Flag("TxEnable", r.TxEnable);
    w.Flag("DispayA", r.DispayA);
    w.Flag("ScanMemory", r.ScanMemory);
    w.Flag("VsMemory", r.VsMemory);
    w.Text("ChTag", r.ChTag);
}

// ---- reading -----------------------------------------------------------------------------

class Reader {
  public:
    explicit Reader(const IniDocument& doc) : doc_(doc) {}

    void Section(std::string_view name) { section_ = doc_.FindSection(name); }
    void Section(std::string_view prefix, int index) {
        char name[32];
        const int n = std::snprintf(name, sizeof name, "%.*s%d", static_cast<int>(prefix.size()),
                                    prefix.data(), index);
        Section(std::string_view(name, static_cast<std::size_t>(n)));
    }
    void Number(std::string_view key, std::int16_t& field) const {
        ParseInteger(Value(key), field);
    }
    void Flag(std::string_view key, bool& field) const { ParseFlag(Value(key), field); }
    void Text(std::string_view key, std::string& field) const { field = Value(key); }
    void OffsetTime(std::string_view key, std::int16_t& field) const {
        ParseOffsetTime(Value(key), field);
    }
    // A position outside the plan's range keeps the element's previous position.
    void Position(std::string_view key, std::int16_t& field, int lo, int hi) const {
        std::int16_t v = field;
        if (ParseInteger(Value(key), v) && v >= lo && v <= hi) field = v;
    }

  private:
    std::string_view Value(std::string_view key) const {
        return section_ ? IniValueView(IniDocument::Find(*section_, key)) : std::string_view();
    }
    const IniDocument& doc_;
    const IniDocument::Section* section_ = nullptr;
};

// True for the sections a configuration file can hold: [MAIN], [SETCOM] and the bank
// sections with an element index in range, written without leading zeros.
bool IsConfigSection(std::string_view lower, const Configuration& c) {
    if (lower == "main" || lower == "setcom") return true;
    struct Range {
        std::string_view prefix;
        std::size_t lo, hi;
    };
    const Range ranges[] = {{"chusa", 0, c.CHUSA.size() - 1}, {"chint", 0, c.CHINT.size() - 1},
                            {"chcan", 0, c.CHCAN.size() - 1}, {"chwx", 0, c.CHWX.size() - 1},
                            {"chexp", 1, kExpCount},          {"chmmsid", 1, kDirectoryCount}};
    for (const Range& r : ranges) {
        if (!lower.starts_with(r.prefix)) continue;
        const std::string_view digits = lower.substr(r.prefix.size());
        if (digits.empty() || digits.size() > 3 || (digits.size() > 1 && digits[0] == '0')) {
            return false;
        }
        std::size_t n = 0;
        for (char ch : digits) {
            if (ch < '0' || ch > '9') return false;
            n = n * 10 + static_cast<std::size_t>(ch - '0');
        }
        return n >= r.lo && n <= r.hi;
    }
    return false;
}

void ReadChannel(Reader& r, std::string_view prefix, int index, ChannelRecord& c, int lo, int hi) {
    r.Section(prefix, index);
    r.Position("Position", c.Position, lo, hi);
    r.Flag("Enable", c.Enable);
    r.Flag("LowPower", c.LowPower);
    r.Flag("PowUp", c.PowUp);
    r.Flag("Duplex", c.Duplex);
    r.Flag("TxEnable", c.TxEnable);
    r.Flag("DispayA", c.DispayA);
    r.Flag("ScanMemory", c.ScanMemory);
    r.Flag("VsMemory", c.VsMemory);
    r.Text("ChTag", c.ChTag);
}

struct BankSection {
    const char* prefix;
    BankId id;
};
constexpr BankSection kPlanBanks[] = {
    {"CHUSA", BankId::USA}, {"CHINT", BankId::INT}, {"CHCAN", BankId::CAN}};

}  // namespace

bool ParseInteger(std::string_view text, std::int16_t& out) {
    const auto d = ParseDecimal(text);
    if (!d) return false;
    const auto v = RoundToInt16(*d, 0);
    if (!v) return false;
    out = *v;
    return true;
}

bool ParseFlag(std::string_view text, bool& out) {
    if (const auto d = ParseDecimal(text)) {
        out = d->nonZero;
        return true;
    }
    if (ParseWord(text, "true")) {
        out = true;
        return true;
    }
    if (ParseWord(text, "false")) {
        out = false;
        return true;
    }
    return false;
}

bool ParseOffsetTime(std::string_view text, std::int16_t& out) {
    const auto d = ParseDecimal(text);
    if (!d) return false;
    const auto v = RoundToInt16(*d, 24);
    if (!v) return false;
    out = *v;
    return true;
}

std::string ComposeConfigFile(const Configuration& config) {
    Writer w;
    WriteMainAndSettings(w, config.SETCOM);
    for (const BankSection& b : kPlanBanks) {
        const auto& bank = BankOf(config, b.id);
        for (std::size_t i = 0; i < bank.size(); ++i) {
            WriteChannel(w, b.prefix, static_cast<int>(i), bank[i]);
        }
    }
    for (std::size_t i = 0; i < config.CHWX.size(); ++i) {
        const ChannelRecord& r = config.CHWX[i];
        w.Section("CHWX", static_cast<int>(i));
        w.Flag("Enable", r.Enable);
        w.Flag("ScanMemory", r.ScanMemory);
        w.Text("ChTag", r.ChTag);
    }
    for (int i = 1; i <= kExpCount; ++i)
        WriteChannel(w, "CHEXP", i, config.Exp(i));
    for (int i = 1; i <= kDirectoryCount; ++i) {
        const DirectoryEntry& e = config.Dir(i);
        w.Section("CHMMSID", i);
        w.Flag("Enable", e.Enable);
        w.Text("TagName", e.TagName);
        w.Plain("Mmsid", e.Mmsid);
    }
    return w.Take();
}

std::string ComposeDefaultFile(const CommonSettings& settings) {
    Writer w;
    WriteMainAndSettings(w, settings);
    return w.Take();
}

void ApplyConfigText(std::string_view text, Configuration& config) {
    // Index only the sections a configuration can hold; a hostile file with a huge number of
    // other sections costs no memory.
    const IniDocument doc(text,
                          [&](std::string_view lower) { return IsConfigSection(lower, config); });

    Reader r(doc);
    // [MAIN] is read but its values are not used: any model or version reads the same.
    CommonSettings& s = config.SETCOM;
    r.Section("SETCOM");
    r.Number("Contrast", s.Contrast);
    r.Number("Dimmer", s.Dimmer);
    r.Flag("KeyBeep", s.KeyBeep);
    r.Flag("AtisOnOff", s.AtisOnOff);
    r.Text("AtisNo", s.AtisNo);
    r.Number("ScanType", s.ScanType);
    r.Number("Ind", s.Ind);
    r.Flag("IndReply", s.IndReply);
    r.Flag("IndACK", s.IndACK);
    r.Flag("POSRR", s.POSRR);
    r.Flag("DscScan", s.DscScan);
    r.Flag("WxAlert", s.WxAlert);
    r.OffsetTime("OffsetTime", s.OffsetTime);
    r.Text("UserMmsid", s.UserMmsid);

    for (const BankSection& b : kPlanBanks) {
        auto& bank = BankOf(config, b.id);
        for (std::size_t i = 0; i < bank.size(); ++i) {
            ReadChannel(r, b.prefix, static_cast<int>(i), bank[i], 1, 64);
        }
    }
    for (std::size_t i = 0; i < config.CHWX.size(); ++i) {
        ChannelRecord& c = config.CHWX[i];
        r.Section("CHWX", static_cast<int>(i));
        r.Flag("Enable", c.Enable);
        r.Flag("ScanMemory", c.ScanMemory);
        r.Text("ChTag", c.ChTag);
    }
    for (int i = 1; i <= kExpCount; ++i)
        ReadChannel(r, "CHEXP", i, config.Exp(i), 0, 281);
    for (int i = 1; i <= kDirectoryCount; ++i) {
        DirectoryEntry& e = config.Dir(i);
        r.Section("CHMMSID", i);
        r.Flag("Enable", e.Enable);
        r.Text("TagName", e.TagName);
        r.Text("Mmsid", e.Mmsid);
    }
}

IoResult SaveFileAs(const std::string& path, const Configuration& config) {
    return WriteFileAtomic(path, ComposeConfigFile(config));
}

IoResult SaveFileAsDefault(const std::string& path, const CommonSettings& settings) {
    return WriteFileAtomic(path, ComposeDefaultFile(settings));
}

IoResult FileRead2(const std::string& path, Configuration& config) {
    std::string text;
    if (IoResult r = ReadWholeFile(path, text); !r.ok) return r;
    Configuration copy = config;
    ApplyConfigText(text, copy);
    config = std::move(copy);
    return {};
}

}  // namespace rse

#include "files/config_file.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <type_traits>
#include <variant>

#include "files/config_keys.h"
#include "files/ini_reader.h"

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

void Line(std::string& out, std::string_view a, std::string_view b = {}) {
    out.append(a);
    out.append(b);
    out.append(kEol);
}

void WriteMain(std::string& out) {
    Line(out, "[MAIN]");
    Line(out, "MODEL=#", kModelName);
    Line(out, "TYPE=#RSE");
    Line(out, "VERSION=#1.00");
    Line(out, "MODELTYPE=0");
}

template <typename Record>
void WriteSection(std::string& out, const SectionId& id, std::span<const KeyDef<Record>> keys,
                  const Record& record) {
    Line(out, "[" + id.Name() + "]");
    for (const KeyDef<Record>& def : keys)
        Line(out, std::string(def.key) + "=", KeyValueText(def, record));
}

// ---- reading -----------------------------------------------------------------------------

template <typename Record>
void ReadSection(const IniDocument& doc, const SectionId& id, std::span<const KeyDef<Record>> keys,
                 Record& record) {
    const IniDocument::Section* section = doc.FindSection(id.Name());
    for (const KeyDef<Record>& def : keys) {
        const std::string_view value =
            section ? IniValueView(IniDocument::Find(*section, def.key)) : std::string_view();
        std::visit(
            [&](auto member) {
                auto& field = record.*member;
                using Value = std::decay_t<decltype(field)>;
                if constexpr (std::is_same_v<Value, bool>) {
                    ParseFlag(value, field);
                } else if constexpr (std::is_same_v<Value, std::string>) {
                    field = value;
                } else if (def.kind == KeyKind::OffsetTime) {
                    ParseOffsetTime(value, field);
                } else if (def.kind == KeyKind::Position) {
                    // A position outside the plan's range keeps the element's previous one.
                    std::int16_t v = field;
                    if (ParseInteger(value, v) && v >= id.positionLo && v <= id.positionHi)
                        field = v;
                } else {
                    ParseInteger(value, field);
                }
            },
            def.field);
    }
}

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
    std::string out;
    WriteMain(out);
    VisitConfigSections(config, [&](const SectionId& id, auto keys, const auto& record) {
        WriteSection(out, id, keys, record);
    });
    return out;
}

std::string ComposeDefaultFile(const CommonSettings& settings) {
    std::string out;
    WriteMain(out);
    WriteSection(out, SectionId{}, KeysOf(kSettingsKeys), settings);
    return out;
}

void ApplyConfigText(std::string_view text, Configuration& config) {
    // Index only the sections a configuration can hold; a hostile file with a huge number of
    // other sections costs no memory.
    const IniDocument doc(text,
                          [&](std::string_view lower) { return IsConfigSection(lower, config); });
    // [MAIN] is not read: any model or version reads the same.
    VisitConfigSections(config, [&](const SectionId& id, auto keys, auto& record) {
        ReadSection(doc, id, keys, record);
    });
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

#include "model/mmsi.h"

#include <algorithm>

namespace rse {

namespace {

int Digit(std::string_view s, std::size_t i) {
    return s[i] - '0';
}

// The MID at position i, when its first digit is 2..7 as every assigned MID's is.
std::optional<int> MidAt(std::string_view s, std::size_t i) {
    const int first = Digit(s, i);
    if (first < 2 || first > 7) return std::nullopt;
    return first * 100 + Digit(s, i + 1) * 10 + Digit(s, i + 2);
}

MmsiInfo WithMid(MmsiKind kind, std::string_view s, std::size_t i) {
    const std::optional<int> mid = MidAt(s, i);
    if (!mid) return {MmsiKind::Unknown, 0};
    return {kind, *mid};
}

}  // namespace

std::optional<MmsiInfo> ClassifyMmsi(std::string_view s) {
    if (s.size() != 9 ||
        !std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    switch (s[0]) {
        case '0':
            if (s[1] == '0') return WithMid(MmsiKind::CoastStation, s, 2);
            return WithMid(MmsiKind::Group, s, 1);
        case '1':
            if (s.substr(0, 3) == "111") return WithMid(MmsiKind::SarAircraft, s, 3);
            return MmsiInfo{};
        case '8':
            return WithMid(MmsiKind::Handheld, s, 1);
        case '9':
            if (s[1] == '8') return WithMid(MmsiKind::AuxiliaryCraft, s, 2);
            if (s[1] == '9') return WithMid(MmsiKind::AidToNavigation, s, 2);
            if (s.substr(0, 3) == "970") return MmsiInfo{MmsiKind::AisSart, 0};
            if (s.substr(0, 3) == "972") return MmsiInfo{MmsiKind::Mob, 0};
            if (s.substr(0, 3) == "974") return MmsiInfo{MmsiKind::EpirbAis, 0};
            return MmsiInfo{};
        default:
            return WithMid(MmsiKind::Ship, s, 0);
    }
}

const char* MmsiKindName(MmsiKind kind) {
    switch (kind) {
        case MmsiKind::Ship:
            return RSE_TEXT("Core", "Ship");
        case MmsiKind::Group:
            return RSE_TEXT("Core", "Group");
        case MmsiKind::CoastStation:
            return RSE_TEXT("Core", "Coast station");
        case MmsiKind::SarAircraft:
            return RSE_TEXT("Core", "SAR aircraft");
        case MmsiKind::Handheld:
            return RSE_TEXT("Core", "Handheld");
        case MmsiKind::AuxiliaryCraft:
            return RSE_TEXT("Core", "Craft of a parent ship");
        case MmsiKind::AidToNavigation:
            return RSE_TEXT("Core", "Aid to navigation");
        case MmsiKind::AisSart:
            return RSE_TEXT("Core", "AIS-SART");
        case MmsiKind::Mob:
            return RSE_TEXT("Core", "MOB device");
        case MmsiKind::EpirbAis:
            return RSE_TEXT("Core", "EPIRB-AIS");
        case MmsiKind::Unknown:
            break;
    }
    return RSE_TEXT("Core", "No assigned MMSI form");
}

bool IsDscCallable(MmsiKind kind) {
    switch (kind) {
        case MmsiKind::AidToNavigation:
        case MmsiKind::AisSart:
        case MmsiKind::Mob:
        case MmsiKind::EpirbAis:
        case MmsiKind::Unknown:
            return false;
        default:
            return true;
    }
}

std::string DescribeMmsi(const MmsiInfo& info) {
    std::string text = MmsiKindName(info.kind);
    if (info.mid != 0) {
        text += ", MID " + std::to_string(info.mid);
        if (const char* country = MidCountry(info.mid)) {
            text += " (";
            text += country;
            text += ')';
        }
    }
    return text;
}

Phrase DescribeMmsiPhrase(const MmsiInfo& info) {
    Phrase text(MmsiKindName(info.kind));
    if (info.mid != 0) {
        text.Add(RSE_TEXT("Core", ", MID %1"), {std::to_string(info.mid)});
        if (const char* country = MidCountry(info.mid)) text.Add(" (%1)", {country});
    }
    return text;
}

namespace {

MmsiNote Note(const MmsiInfo& info, bool warn, const char* warning) {
    const Phrase text = DescribeMmsiPhrase(info);
    const Phrase said = warn ? Phrase(warning) : Phrase();
    return {text.English(), said.English(), text, said};
}

}  // namespace

MmsiNote DirectoryMmsiNote(std::string_view mmsi) {
    const std::optional<MmsiInfo> info = ClassifyMmsi(mmsi);
    if (!info) return {};
    return Note(*info, !IsDscCallable(info->kind), RSE_TEXT("Core", "cannot be called by DSC"));
}

namespace {

// The warning for a radio's own MMSI of `kind`, as a marked source text; nullptr for a ship's.
const char* UserMmsiKindSource(MmsiKind kind) {
    switch (kind) {
        case MmsiKind::Ship:
            return nullptr;
        case MmsiKind::Group:
            return RSE_TEXT("Core", "This is a group MMSI; a radio's own MMSI is a ship station's");
        case MmsiKind::CoastStation:
            return RSE_TEXT("Core",
                            "This is a coast station MMSI; a radio's own MMSI is a ship station's");
        case MmsiKind::SarAircraft:
            return RSE_TEXT("Core",
                            "This is a SAR aircraft MMSI; a radio's own MMSI is a ship station's");
        case MmsiKind::Handheld:
            return RSE_TEXT("Core",
                            "This is a handheld MMSI; a radio's own MMSI is a ship station's");
        case MmsiKind::AuxiliaryCraft:
            return RSE_TEXT(
                "Core",
                "This is the MMSI of a parent ship's craft; a radio's own MMSI is a ship "
                "station's");
        case MmsiKind::AidToNavigation:
            return RSE_TEXT(
                "Core",
                "This is an aid to navigation MMSI; a radio's own MMSI is a ship station's");
        case MmsiKind::AisSart:
            return RSE_TEXT("Core",
                            "This is an AIS-SART MMSI; a radio's own MMSI is a ship station's");
        case MmsiKind::Mob:
            return RSE_TEXT("Core",
                            "This is a MOB device MMSI; a radio's own MMSI is a ship station's");
        case MmsiKind::EpirbAis:
            return RSE_TEXT("Core",
                            "This is an EPIRB-AIS MMSI; a radio's own MMSI is a ship station's");
        case MmsiKind::Unknown:
            break;
    }
    return RSE_TEXT("Core",
                    "This MMSI has no assigned form; a radio's own MMSI is a ship station's");
}

}  // namespace

MmsiNote UserMmsiNote(std::string_view mmsi) {
    const std::optional<MmsiInfo> info = ClassifyMmsi(mmsi);
    if (!info) return {};
    const char* warning = UserMmsiKindSource(info->kind);
    return Note(*info, warning != nullptr, warning ? warning : "");
}

std::string UserMmsiKindWarning(std::string_view mmsi) {
    return UserMmsiKindPhrase(mmsi).English();
}

Phrase UserMmsiKindPhrase(std::string_view mmsi) {
    const std::optional<MmsiInfo> info = ClassifyMmsi(mmsi);
    if (!info) return {};
    const char* warning = UserMmsiKindSource(info->kind);
    return warning ? Phrase(warning) : Phrase();
}

MmsiNote AtisNote(std::string_view atisNo, bool atisOn, std::string_view userMmsi) {
    if (!atisNo.empty()) {
        const bool digits =
            std::all_of(atisNo.begin(), atisNo.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (atisNo.size() == 10 && digits && atisNo.front() == '9') return {};
        const Phrase warning(RSE_TEXT("Core", "An ATIS number has ten digits and starts with 9"));
        return {{}, warning.English(), {}, warning};
    }
    if (!atisOn || !ClassifyMmsi(userMmsi)) return {};
    const Phrase text(RSE_TEXT("Core", "ATIS No. suggested: 9%1 (9 followed by the user MMSI)"),
                      {std::string(userMmsi)});
    return {text.English(), {}, text, {}};
}

}  // namespace rse

// The kind of station an MMSI belongs to, read from its form (the first digits), and the
// country of its maritime identification digits (MID).
#pragma once

#include <optional>
#include <string>

#include <string_view>
#include "model/texts.h"

namespace rse {

enum class MmsiKind {
    Ship,             // MIDxxxxxx, first digit 2..7
    Group,            // 0MIDxxxxx
    CoastStation,     // 00MIDxxxx
    SarAircraft,      // 111MIDxxx
    Handheld,         // 8MIDxxxxx, handheld VHF with DSC and GNSS
    AuxiliaryCraft,   // 98MIDxxxx, craft of a parent ship
    AidToNavigation,  // 99MIDxxxx
    AisSart,          // 970xxyyyy
    Mob,              // 972xxyyyy, man-overboard device
    EpirbAis,         // 974xxyyyy
    Unknown,          // nine digits of no assigned form
};

struct MmsiInfo {
    MmsiKind kind = MmsiKind::Unknown;
    int mid = 0;  // the three-digit country code, 0 when the form has none
};

// The kind and MID of a nine-digit MMSI; nothing for any other text.
std::optional<MmsiInfo> ClassifyMmsi(std::string_view mmsi);

// "Ship", "Coast station", "AIS-SART" ...
const char* MmsiKindName(MmsiKind kind);
// Whether a DSC call can reach a station of this kind.
bool IsDscCallable(MmsiKind kind);
// The country or territory of a MID, or nullptr when the MID is not assigned.
const char* MidCountry(int mid);

// "Coast station, MID 232 (United Kingdom)"; "AIS-SART" for the kinds without MID.
std::string DescribeMmsi(const MmsiInfo& info);

// What the editor shows for an MMSI: its description, and a warning when it deserves one.
struct MmsiNote {
    std::string text;     // the description; empty when the text is not nine digits
    std::string warning;  // "cannot be called by DSC", "This is a group MMSI; ..."; empty for none
    // The same two texts as marked source texts, for the programs to translate.
    Phrase textPhrase{};
    Phrase warningPhrase{};
};
// DescribeMmsi as marked source texts (the country name stays as the table has it).
Phrase DescribeMmsiPhrase(const MmsiInfo& info);
// An MMSI to call from the directory: a warning when DSC cannot call that kind.
MmsiNote DirectoryMmsiNote(std::string_view mmsi);
// The radio's own MMSI: a warning when it is not a ship's.
MmsiNote UserMmsiNote(std::string_view mmsi);
// The warning for a radio's own MMSI that is not a ship station's, naming its kind ("This is
// a group MMSI; a radio's own MMSI is a ship station's"); empty for a ship's MMSI and for a
// text that is not nine digits.
std::string UserMmsiKindWarning(std::string_view mmsi);
// The same warning as a marked source text, for the programs to translate.
Phrase UserMmsiKindPhrase(std::string_view mmsi);

// What the editor shows for the ATIS number: a warning when it is not ten digits starting
// with 9; with ATIS on, no number and a user MMSI, the suggestion of 9 followed by the MMSI
// (the editor never fills it in).
MmsiNote AtisNote(std::string_view atisNo, bool atisOn, std::string_view userMmsi);

}  // namespace rse

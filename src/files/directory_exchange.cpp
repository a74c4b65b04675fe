#include "files/directory_exchange.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>

#include "files/csv.h"
#include "image/codec.h"
#include "model/mmsi.h"

namespace rse {

namespace {

constexpr std::size_t kMaxNameLength = 10;

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string_view TrimBlanks(std::string_view s) {
    const std::size_t b = s.find_first_not_of(" \t");
    if (b == std::string_view::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

std::optional<std::size_t> FindColumn(const std::vector<std::string>& header,
                                      std::string_view name) {
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (Lower(TrimBlanks(header[i])) == name) return i;
    }
    return std::nullopt;
}

std::string_view FieldAt(const CsvRecord& record, std::size_t column) {
    return column < record.fields.size() ? std::string_view(record.fields[column])
                                         : std::string_view();
}

// Characters (not bytes) of a UTF-8 text.
std::size_t CharacterCount(std::string_view s) {
    return static_cast<std::size_t>(std::count_if(
        s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The name in capitals, without trailing blanks (the radio drops them).
std::string CleanName(std::string_view raw) {
    std::string name(raw.substr(0, raw.find_last_not_of(' ') + 1));
    for (char& c : name) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return name;
}

// The MMSI without the blanks spreadsheets and people put between digit groups (space, tab,
// no-break space, narrow no-break space).
std::string CleanMmsi(std::string_view raw) {
    std::string out;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == ' ' || raw[i] == '\t') continue;
        if (raw.substr(i, 2) == "\xC2\xA0") {
            ++i;
            continue;
        }
        if (raw.substr(i, 3) == "\xE2\x80\xAF") {
            i += 2;
            continue;
        }
        out += raw[i];
    }
    return out;
}

std::optional<Phrase> NameFault(const std::string& name) {
    if (std::any_of(name.begin(), name.end(),
                    [](char c) { return CharToCode(std::string_view(&c, 1)) == 0xFF; })) {
        return Phrase(RSE_TEXT("Core",
                               "the name holds a character the radio cannot store (it "
                               "takes A-Z, 0-9, blank and - + ( ) . * /)"));
    }
    if (const std::size_t n = CharacterCount(name); n > kMaxNameLength) {
        return Phrase(RSE_TEXT("Core", "the name has %1 characters; the radio holds at most 10"),
                      {std::to_string(n)});
    }
    return std::nullopt;
}

std::optional<Phrase> MmsiFault(const std::string& mmsi) {
    if (mmsi.empty()) return std::nullopt;
    if (!std::all_of(mmsi.begin(), mmsi.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return Phrase(RSE_TEXT("Core", "the MMSI holds a character that is not a digit"));
    }
    if (mmsi.size() == 9) return std::nullopt;
    Phrase reason(RSE_TEXT("Core", "the MMSI has %1 digits; an MMSI has 9 digits"),
                  {std::to_string(mmsi.size())});
    if (mmsi.size() == 7 || mmsi.size() == 8) {
        reason.Add(RSE_TEXT("Core",
                            " (a spreadsheet may have dropped its leading zeros: format "
                            "the column as text)"));
    }
    return reason;
}

}  // namespace

DirectoryImport ReadDirectoryCsv(std::string_view text) {
    DirectoryImport result;
    auto refuse = [&](std::size_t line, Phrase reason) {
        result.refused.push_back({line, reason.English(), reason});
    };
    CsvReader reader(text);
    CsvRecord record;
    if (!reader.Next(record)) {
        if (reader.Failed()) {
            refuse(reader.ErrorLine(), Phrase("%1", {reader.ErrorReason()}));
        } else {
            refuse(1, Phrase(RSE_TEXT("Core", "no header line with the columns Name and MMSI")));
        }
        return result;
    }
    const std::optional<std::size_t> nameColumn = FindColumn(record.fields, "name");
    const std::optional<std::size_t> mmsiColumn = FindColumn(record.fields, "mmsi");
    if (!nameColumn || !mmsiColumn) {
        refuse(
            record.line,
            Phrase(RSE_TEXT("Core", "the header line does not name both columns Name and MMSI")));
        return result;
    }

    std::map<std::string, std::size_t> mmsiLines;
    while (reader.Next(record)) {
        const std::string_view rawName = FieldAt(record, *nameColumn);
        const std::string mmsi = CleanMmsi(FieldAt(record, *mmsiColumn));
        if (TrimBlanks(rawName).empty() && mmsi.empty()) continue;  // nothing of ours in it
        if (result.entries.size() == kDirectoryCount) {
            refuse(record.line,
                   Phrase(RSE_TEXT("Core", "more than 20 rows: the directory holds 20 stations")));
            break;
        }
        const std::size_t refusedBefore = result.refused.size();
        const std::string name = CleanName(rawName);
        if (std::optional<Phrase> fault = NameFault(name)) refuse(record.line, *fault);
        if (std::optional<Phrase> fault = MmsiFault(mmsi)) refuse(record.line, *fault);
        if (!mmsi.empty() && result.refused.size() == refusedBefore) {
            const auto [it, fresh] = mmsiLines.emplace(mmsi, record.line);
            if (!fresh) {
                refuse(record.line, Phrase(RSE_TEXT("Core", "MMSI %1 is already used on line %2"),
                                           {mmsi, std::to_string(it->second)}));
            }
        }
        if (mmsi.empty()) {
            const Phrase warning(RSE_TEXT(
                "Core", "no MMSI: the radio's directory ends before an entry without one"));
            result.warnings.push_back({record.line, warning.English(), warning});
        } else if (MmsiNote note = DirectoryMmsiNote(mmsi); !note.warning.empty()) {
            Phrase warning("MMSI %1 ", {mmsi});
            warning.parts.insert(warning.parts.end(), note.warningPhrase.parts.begin(),
                                 note.warningPhrase.parts.end());
            warning.Add(": ");
            warning.parts.insert(warning.parts.end(), note.textPhrase.parts.begin(),
                                 note.textPhrase.parts.end());
            result.warnings.push_back({record.line, warning.English(), warning});
        }
        result.entries.push_back({true, name, mmsi});
        result.lines.push_back(record.line);
    }
    if (reader.Failed()) refuse(reader.ErrorLine(), Phrase("%1", {reader.ErrorReason()}));
    if (!result.Ok()) {
        result.entries.clear();
        result.lines.clear();
    }
    return result;
}

std::string RowMessageLines(const std::vector<RowMessage>& messages, std::size_t max) {
    std::string out;
    for (std::size_t i = 0; i < messages.size() && i < max; ++i) {
        if (i > 0) out += '\n';
        out += messages[i].Text();
    }
    if (messages.size() > max) out += "\n(and " + std::to_string(messages.size() - max) + " more)";
    return out;
}

void ReplaceDirectory(Configuration& config, const std::vector<DirectoryEntry>& entries) {
    for (int i = 1; i <= kDirectoryCount; ++i) {
        const auto k = static_cast<std::size_t>(i - 1);
        config.Dir(i) = k < entries.size() ? entries[k] : DirectoryEntry{};
        if (k < entries.size()) config.Dir(i).Enable = true;
    }
}

std::string DirectoryCsv(const Configuration& config) {
    std::string out;
    AppendCsvRecord(out, {"Name", "MMSI"});
    for (const DirectoryEntry& e : config.CHMMSID) {
        if (!e.Enable) continue;
        const std::size_t start = std::min(e.TagName.find_first_not_of('#'), e.TagName.size());
        AppendCsvRecord(
            out, {Latin1ToUtf8(std::string_view(e.TagName).substr(start)), Latin1ToUtf8(e.Mmsid)});
    }
    return out;
}

}  // namespace rse

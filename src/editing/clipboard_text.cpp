#include "editing/clipboard_text.h"

#include <algorithm>
#include <optional>

#include "files/csv.h"

namespace rse {

namespace {

std::string QuotedField(std::string_view field) {
    if (field.find_first_of("\t\r\n\"") == std::string_view::npos) return std::string(field);
    std::string out = "\"";
    for (const char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

std::string Lower(std::string_view s) {
    std::string out;
    for (const char c : s) {
        if (c == ' ' && (out.empty() || out.back() == ' ')) continue;  // blanks squeezed
        out += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

// Tab-separated lines as records; one pair of quotes around a field is removed.
std::vector<CsvRecord> TabRecords(std::string_view text) {
    std::vector<CsvRecord> records;
    std::size_t line = 1;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view row = text.substr(0, end);
        if (!row.empty() && row.back() == '\r') row.remove_suffix(1);
        CsvRecord record{line, {}};
        std::size_t start = 0;
        while (record.fields.size() < CsvReader::kMaxFields) {
            const std::size_t tab = row.find('\t', start);
            std::string_view field = row.substr(start, tab - start);
            std::string value;
            if (field.size() >= 2 && field.front() == '"' && field.back() == '"') {
                field = field.substr(1, field.size() - 2);
                for (std::size_t i = 0; i < field.size(); ++i) {
                    value += field[i];
                    if (field[i] == '"' && i + 1 < field.size() && field[i + 1] == '"') ++i;
                }
            } else {
                value = std::string(field);
            }
            record.fields.push_back(std::move(value));
            if (tab == std::string_view::npos) break;
            start = tab + 1;
        }
        records.push_back(std::move(record));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
        ++line;
    }
    return records;
}

bool IsNameHeader(const std::string& field) {
    const std::string f = Lower(field);
    return f == "name" || f == "station name";
}

}  // namespace

std::string TabSeparatedRows(const std::vector<std::vector<std::string>>& rows) {
    std::string out;
    for (const std::vector<std::string>& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) out += '\t';
            out += QuotedField(row[i]);
        }
        out += '\n';
    }
    return out;
}

DirectoryPaste ReadDirectoryPaste(std::string_view text, const Configuration& config,
                                  int selectedSlot) {
    DirectoryPaste paste;
    paste.firstSlot = std::clamp(selectedSlot, 1, DirectoryCount(config) + 1);
    if (paste.firstSlot > kDirectoryCount) {
        paste.refused.push_back({1, "the directory is full: it holds 20 stations"});
        return paste;
    }
    if (text.size() > kMaxPasteBytes) {
        paste.refused.push_back({1, "the text is too large for a directory of 20 stations"});
        return paste;
    }
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);

    // The records, by the separator of the first line that is not blank.
    const std::size_t first = text.find_first_not_of(" \r\n");
    const std::string_view firstLine =
        first == std::string_view::npos ? std::string_view() : text.substr(first);
    std::vector<CsvRecord> records;
    if (firstLine.substr(0, firstLine.find('\n')).find('\t') != std::string_view::npos) {
        records = TabRecords(text);
    } else {
        CsvReader reader(text);
        CsvRecord record;
        while (reader.Next(record))
            records.push_back(record);
        if (reader.Failed()) {
            paste.refused.push_back({reader.ErrorLine(), reader.ErrorReason()});
            return paste;
        }
    }
    records.erase(std::remove_if(records.begin(), records.end(),
                                 [](const CsvRecord& r) {
                                     return std::all_of(r.fields.begin(), r.fields.end(),
                                                        [](const std::string& f) {
                                                            return f.find_first_not_of(" \t") ==
                                                                   std::string::npos;
                                                        });
                                 }),
                  records.end());
    if (records.empty()) {
        paste.refused.push_back({1, "no rows of Name and MMSI to paste"});
        return paste;
    }

    // With a header its columns, without one the first two fields; then the import's rules
    // over a table "Name,MMSI" whose line N + shift is line N of the text.
    std::optional<std::size_t> nameColumn;
    std::optional<std::size_t> mmsiColumn;
    const std::vector<std::string>& head = records.front().fields;
    for (std::size_t i = 0; i < head.size(); ++i) {
        if (!nameColumn && IsNameHeader(head[i])) nameColumn = i;
        if (!mmsiColumn && Lower(head[i]) == "mmsi") mmsiColumn = i;
    }
    const bool header = nameColumn || mmsiColumn;
    if (header && (!nameColumn || !mmsiColumn)) {
        paste.refused.push_back(
            {records.front().line, "the header line does not name both columns Name and MMSI"});
        return paste;
    }
    const std::size_t shift = header ? 0 : 1;
    std::string table;
    std::size_t line = 1;
    AppendCsvRecord(table, {"Name", "MMSI"});
    for (std::size_t r = header ? 1 : 0; r < records.size(); ++r) {
        const CsvRecord& record = records[r];
        for (; line + 1 < record.line + shift; ++line)
            table += "\r\n";
        const auto field = [&](std::size_t column) {
            return column < record.fields.size() ? record.fields[column] : std::string();
        };
        AppendCsvRecord(table, {field(nameColumn.value_or(0)), field(mmsiColumn.value_or(1))});
        ++line;
    }
    DirectoryImport rows = ReadDirectoryCsv(table);
    const auto unshift = [shift](std::vector<RowMessage> messages) {
        for (RowMessage& m : messages)
            m.line -= shift;
        return messages;
    };
    paste.refused = unshift(std::move(rows.refused));
    paste.warnings = unshift(std::move(rows.warnings));
    if (!paste.Ok()) return paste;
    if (rows.entries.empty()) {
        paste.refused.push_back({records.front().line, "no rows of Name and MMSI to paste"});
        return paste;
    }

    // The rows must fit from the first slot on and not repeat an MMSI kept in another slot.
    const auto room = static_cast<std::size_t>(kDirectoryCount - paste.firstSlot + 1);
    if (rows.entries.size() > room) {
        paste.refused.push_back(
            {rows.lines[room] - shift, "more than " + std::to_string(room) + " rows from slot " +
                                           std::to_string(paste.firstSlot) +
                                           ": the directory holds 20 stations"});
        return paste;
    }
    const int last = paste.firstSlot + static_cast<int>(rows.entries.size()) - 1;
    for (std::size_t k = 0; k < rows.entries.size(); ++k) {
        const std::string& mmsi = rows.entries[k].Mmsid;
        if (mmsi.empty()) continue;
        for (int slot = 1; slot <= kDirectoryCount; ++slot) {
            const DirectoryEntry& kept = config.Dir(slot);
            if ((slot >= paste.firstSlot && slot <= last) || !kept.Enable || kept.Mmsid != mmsi)
                continue;
            paste.refused.push_back(
                {rows.lines[k] - shift,
                 "MMSI " + mmsi + " is already used in slot " + std::to_string(slot)});
            break;
        }
    }
    if (paste.Ok()) paste.entries = std::move(rows.entries);
    return paste;
}

void ApplyDirectoryPaste(Configuration& config, const DirectoryPaste& paste) {
    if (!paste.Ok()) return;
    int slot = paste.firstSlot;
    for (const DirectoryEntry& e : paste.entries) {
        if (slot > kDirectoryCount) break;
        config.Dir(slot) = e;
        config.Dir(slot++).Enable = true;
    }
}

}  // namespace rse

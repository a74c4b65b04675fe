// The individual directory as CSV (a "Name,MMSI" table) for spreadsheets. Reading checks every
// row; the directory is replaced only when no row is refused.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/configuration.h"

namespace rse {

// One finding about a row of a CSV file: "line N: reason".
struct RowMessage {
    std::size_t line = 0;
    std::string reason;
    Phrase reasonPhrase{};  // the reason as marked source texts, for the programs to translate

    std::string Text() const { return "line " + std::to_string(line) + ": " + reason; }
};

struct DirectoryImport {
    std::vector<DirectoryEntry> entries;  // the accepted rows in file order, enabled
    std::vector<std::size_t> lines;       // the line each accepted row starts on
    std::vector<RowMessage> refused;      // any entry here refuses the whole file
    std::vector<RowMessage> warnings;     // rows taken all the same

    bool Ok() const { return refused.empty(); }
};

// Checks a directory table: a header naming the columns Name and MMSI (any order, any letter
// case, other columns ignored), then at most 20 rows. Names are turned into capitals and
// blanks inside an MMSI are removed; rows with neither name nor MMSI are ignored.
DirectoryImport ReadDirectoryCsv(std::string_view text);

// The messages as lines ("line N: reason"), at most `max` of them; the rest are counted
// ("(and 3 more)").
std::string RowMessageLines(const std::vector<RowMessage>& messages, std::size_t max);

// Row k fills slot k (enabled, name, MMSI); the slots after the last row are cleared.
void ReplaceDirectory(Configuration& config, const std::vector<DirectoryEntry>& entries);

// "Name,MMSI", then one row per enabled entry in slot order (the name without leading "#"),
// UTF-8 with CR LF line ends.
std::string DirectoryCsv(const Configuration& config);

}  // namespace rse

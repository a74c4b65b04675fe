// Feeds arbitrary bytes to the CSV reader and to the directory import. Every record the reader
// returns is written and read again to the same fields; a directory the import accepts holds
// only what the radio can store and is exported and imported again unchanged.
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string_view>

#include "files/csv.h"
#include "files/directory_exchange.h"
#include "image/codec.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

void CheckRecords(std::string_view text) {
    rse::CsvReader reader(text);
    rse::CsvRecord record;
    std::size_t lastLine = 0;
    while (reader.Next(record)) {
        Check(record.line > lastLine && !record.fields.empty());
        Check(record.fields.size() <= rse::CsvReader::kMaxFields);
        lastLine = record.line;
        std::string again;
        rse::AppendCsvRecord(again, record.fields, reader.Separator());
        rse::CsvReader reread(again);
        rse::CsvRecord copy;
        Check(reread.Next(copy) && copy.fields == record.fields && copy.line == 1);
        Check(!reread.Next(copy) && !reread.Failed());
    }
    Check(!reader.Failed() || reader.ErrorLine() >= 1);
}

void CheckDirectory(std::string_view text) {
    const rse::DirectoryImport import = rse::ReadDirectoryCsv(text);
    for (const rse::RowMessage& m : import.refused)
        Check(m.line >= 1 && !m.reason.empty());
    if (!import.Ok()) {
        Check(import.entries.empty());
        return;
    }
    Check(import.entries.size() <= rse::kDirectoryCount);
    std::set<std::string> seen;
    for (const rse::DirectoryEntry& e : import.entries) {
        Check(e.Enable && e.TagName.size() <= 10);
        for (char c : e.TagName)
            Check(rse::CharToCode(std::string_view(&c, 1)) != 0xFF && !(c >= 'a' && c <= 'z'));
        Check(e.Mmsid.empty() || e.Mmsid.size() == 9);
        Check(e.Mmsid.empty() || seen.insert(e.Mmsid).second);
    }
    rse::Configuration config;
    rse::ReplaceDirectory(config, import.entries);
    const rse::DirectoryImport again = rse::ReadDirectoryCsv(rse::DirectoryCsv(config));
    Check(again.Ok() && again.entries == import.entries);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckRecords(text);
    CheckDirectory(text);
    return 0;
}

// Comma-separated values as spreadsheets write them: UTF-8 with or without a byte-order mark,
// CR LF or LF line ends, comma or semicolon between fields, quoted fields with separators,
// line breaks and doubled quotes inside (RFC 4180).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace rse {

struct CsvRecord {
    std::size_t line = 0;  // the physical line (from 1) the record starts on
    std::vector<std::string> fields;
};

// Reads the records of a text one at a time; only the current record is held in memory, so
// the cost of any input is bounded by its size.
class CsvReader {
  public:
    // A record never has more fields than this (the widest spreadsheet has 16384 columns).
    static constexpr std::size_t kMaxFields = 16384;

    // The separator is the first comma or semicolon outside quotes on the first line that is
    // not blank; a comma when that line has neither.
    explicit CsvReader(std::string_view text);

    char Separator() const { return separator_; }

    // The next record that is not blank (a blank record has only empty or blank fields).
    // False at the end of the text, or when the text is malformed: then Failed() is true and
    // ErrorLine() and ErrorReason() say where and why; reading stops there.
    bool Next(CsvRecord& record);

    bool Failed() const { return !error_.empty(); }
    std::size_t ErrorLine() const { return errorLine_; }
    const std::string& ErrorReason() const { return error_; }

  private:
    bool Fail(std::size_t line, std::string reason);
    bool ReadQuoted(std::string& field);
    // Moves past a line end at pos_ (CR LF, LF or a lone CR), counting it.
    void SkipLineEnd();
    void CountLineEnds(std::string_view part);

    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t line_ = 1;
    char separator_ = ',';
    std::size_t errorLine_ = 0;
    std::string error_;
};

// The field as it goes into a file: in quotes, with inner quotes doubled, when it holds a
// comma, a semicolon, the separator, a quote or a line break, or starts with a byte-order mark;
// as it is otherwise.
std::string CsvField(std::string_view field, char separator = ',');
// Appends the fields as one record ended by CR LF.
void AppendCsvRecord(std::string& out, const std::vector<std::string>& fields,
                     char separator = ',');

// An 8-bit text of the model (Latin-1) as UTF-8.
std::string Latin1ToUtf8(std::string_view text);

}  // namespace rse

#include "files/csv.h"

#include <algorithm>

namespace rse {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsBlankText(std::string_view s) {
    return std::all_of(s.begin(), s.end(), IsBlank);
}

// The first comma or semicolon outside quotes on the first line that is not blank, with quotes
// taken as the reader takes them: a quote opens a field only at the field's start.
char DetectSeparator(std::string_view text) {
    bool quoted = false;
    bool fieldStart = true;
    bool content = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c != '"') continue;
            if (i + 1 < text.size() && text[i + 1] == '"') {
                ++i;
            } else {
                quoted = false;
                fieldStart = false;
            }
        } else if (c == '"' && fieldStart) {
            quoted = true;
            content = true;
        } else if (c == ',' || c == ';') {
            return c;
        } else if (IsLineEnd(c)) {
            if (content) break;
        } else if (!IsBlank(c)) {
            fieldStart = false;
            content = true;
        }
    }
    return ',';
}

}  // namespace

CsvReader::CsvReader(std::string_view text) : text_(text) {
    if (text_.substr(0, kBom.size()) == kBom) text_.remove_prefix(kBom.size());
    separator_ = DetectSeparator(text_);
}

bool CsvReader::Fail(std::size_t line, std::string reason) {
    errorLine_ = line;
    error_ = std::move(reason);
    pos_ = text_.size();
    return false;
}

void CsvReader::SkipLineEnd() {
    if (pos_ >= text_.size()) return;
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
    ++line_;
}

void CsvReader::CountLineEnds(std::string_view part) {
    for (std::size_t i = 0; i < part.size(); ++i) {
        if (part[i] == '\n' || (part[i] == '\r' && (i + 1 == part.size() || part[i + 1] != '\n')))
            ++line_;
    }
}

bool CsvReader::ReadQuoted(std::string& field) {
    const std::size_t openLine = line_;
    ++pos_;  // the opening quote
    for (;;) {
        const std::size_t quote = text_.find('"', pos_);
        if (quote == std::string_view::npos) {
            return Fail(openLine, "a quoted field is not closed (a quote is missing)");
        }
        const std::string_view part = text_.substr(pos_, quote - pos_);
        CountLineEnds(part);
        field.append(part);
        pos_ = quote + 1;
        if (pos_ < text_.size() && text_[pos_] == '"') {
            field += '"';
            ++pos_;
            continue;
        }
        break;
    }
    while (pos_ < text_.size() && IsBlank(text_[pos_]))
        ++pos_;
    if (pos_ < text_.size() && text_[pos_] != separator_ && !IsLineEnd(text_[pos_])) {
        return Fail(line_, "text follows the closing quote of a field");
    }
    return true;
}

bool CsvReader::Next(CsvRecord& record) {
    while (pos_ < text_.size()) {
        if (IsLineEnd(text_[pos_])) {  // an empty line
            SkipLineEnd();
            continue;
        }
        record.line = line_;
        record.fields.clear();
        bool blank = true;
        for (;;) {
            if (record.fields.size() == kMaxFields) {
                return Fail(record.line, "more than " + std::to_string(kMaxFields) + " fields");
            }
            std::string& field = record.fields.emplace_back();
            // Blanks before an opening quote are not part of the field.
            std::size_t first = pos_;
            while (first < text_.size() && IsBlank(text_[first]))
                ++first;
            if (first < text_.size() && text_[first] == '"') {
                pos_ = first;
                if (!ReadQuoted(field)) return false;
            } else {
                std::size_t end = pos_;
                while (end < text_.size() && text_[end] != separator_ && !IsLineEnd(text_[end]))
                    ++end;
                field.assign(text_.substr(pos_, end - pos_));
                pos_ = end;
            }
            if (blank && !IsBlankText(field)) blank = false;
            if (pos_ < text_.size() && text_[pos_] == separator_) {
                ++pos_;
                continue;
            }
            SkipLineEnd();
            break;
        }
        if (!blank) return true;
    }
    record.fields.clear();
    return false;
}

std::string CsvField(std::string_view field, char separator) {
    // Both separators are quoted, so that a reader that takes the separator from the text
    // finds the one meant; so is a leading byte-order mark, which a reader would drop.
    if (field.find_first_of(std::string{separator, ',', ';', '"', '\r', '\n'}) ==
            std::string_view::npos &&
        field.substr(0, kBom.size()) != kBom) {
        return std::string(field);
    }
    std::string out = "\"";
    for (char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

void AppendCsvRecord(std::string& out, const std::vector<std::string>& fields, char separator) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += separator;
        out += CsvField(fields[i], separator);
    }
    out += "\r\n";
}

std::string Latin1ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

}  // namespace rse

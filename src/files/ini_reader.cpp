#include "files/ini_reader.h"

#include "files/disk_io.h"

namespace rse {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char LowerChar(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerChar(a[i]) != LowerChar(b[i])) return false;
    }
    return true;
}

// Calls f(line) for each line; CR, LF and CR LF all end a line.
template <typename F>
void ForEachLine(std::string_view text, F&& f) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        if (!f(text.substr(pos, end - pos), pos, end)) return;
        pos = end + 1;
    }
}

// The name of a section header line, or nothing when the line is no header.
std::optional<std::string_view> HeaderName(std::string_view line) {
    line = TrimBlanks(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    line.remove_prefix(1);
    const std::size_t close = line.find(']');
    if (close != std::string_view::npos) line = line.substr(0, close);
    return TrimBlanks(line);
}

}  // namespace

std::string AsciiLower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = LowerChar(c);
    return out;
}

IniDocument::IniDocument(std::string_view text, const SectionFilter& filter) : text_(text) {
    // A byte-order mark some editors put at the start is not part of the first line.
    if (text_.substr(0, 3) == "\xEF\xBB\xBF") text_.remove_prefix(3);
    Section* current = nullptr;
    std::string lower;
    ForEachLine(text_, [&](std::string_view line, std::size_t, std::size_t) {
        if (auto name = HeaderName(line)) {
            lower.assign(name->begin(), name->end());
            for (char& ch : lower)
                ch = LowerChar(ch);
            current = nullptr;
            // Only the first section of a name counts.
            if ((!filter || filter(lower)) && !sections_.contains(lower)) {
                current = &sections_[lower];
                current->reserve(16);
            }
            return true;
        }
        if (current == nullptr) return true;
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) return true;
        std::string_view value = TrimBlanks(line.substr(eq + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
            value = value.substr(1, value.size() - 2);
        }
        current->push_back({TrimBlanks(line.substr(0, eq)), value.substr(0, kMaxIniValue)});
        return true;
    });
}

const IniDocument::Section* IniDocument::FindSection(std::string_view name) const {
    const auto it = sections_.find(AsciiLower(TrimBlanks(name)));
    return it == sections_.end() ? nullptr : &it->second;
}

std::optional<std::string_view> IniDocument::Find(const Section& section, std::string_view key) {
    key = TrimBlanks(key);
    for (const Entry& e : section) {
        if (EqualsNoCase(e.key, key)) return e.value;
    }
    return std::nullopt;
}

std::optional<std::string_view> IniDocument::Get(std::string_view section,
                                                 std::string_view key) const {
    const Section* s = FindSection(section);
    if (s == nullptr) return std::nullopt;
    return Find(*s, key);
}

std::string TrimAtNul(std::string_view buffer) {
    const std::size_t nul = buffer.find('\0');
    if (nul == std::string_view::npos) return {};
    return std::string(buffer.substr(0, nul));
}

std::string_view IniValueView(std::optional<std::string_view> readerText) {
    // The reader fills a 128-character buffer, cut at its first NUL; the default text
    // "<NONE>" stands for a missing key.
    if (!readerText) return {};
    std::string_view value = readerText->substr(0, readerText->find('\0'));
    if (value == "<NONE>") return {};
    if (!value.empty() && value.front() == '#') value.remove_prefix(1);
    return value;
}

std::string ReadIniValue(const IniDocument& doc, std::string_view section, std::string_view key) {
    return std::string(IniValueView(doc.Get(section, key)));
}

std::string ReadIniValue(const std::string& fileName, std::string_view section,
                         std::string_view key) {
    std::string text;
    if (!ReadWholeFile(fileName, text).ok) return {};
    const IniDocument doc(text);
    return ReadIniValue(doc, section, key);
}

}  // namespace rse

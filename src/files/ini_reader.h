// A reader of INI-style text that answers as the classic private-profile reader does: for a
// section and a key, the text after the first "=" of the first matching key line in the first
// matching section, blanks and one pair of enclosing double quotes removed, at most 127
// characters; section and key names compared without regard to letter case.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace rse {

inline constexpr std::size_t kMaxIniValue = 127;

class IniDocument {
  public:
    using SectionFilter = std::function<bool(std::string_view lowerName)>;

    // Indexes the sections of `text`, which must outlive the document. With a filter, only
    // sections whose lower-case name passes it are indexed (the others cannot be asked for).
    explicit IniDocument(std::string_view text, const SectionFilter& filter = {});

    // One key line of a section: the key without blanks, the value as the reader returns it.
    struct Entry {
        std::string_view key;
        std::string_view value;
    };
    using Section = std::vector<Entry>;

    // The first section of that name, or nullptr.
    const Section* FindSection(std::string_view name) const;
    // The value of the first line of `key` in the section, or nothing.
    static std::optional<std::string_view> Find(const Section& section, std::string_view key);
    // The value as the reader returns it, or nothing when the section or key is missing.
    std::optional<std::string_view> Get(std::string_view section, std::string_view key) const;

  private:
    std::string_view text_;
    std::unordered_map<std::string, Section> sections_;  // by lower-case name
};

// The part of a reader buffer before its first NUL, or empty when it holds none.
std::string TrimAtNul(std::string_view buffer);

// One configuration value: empty when missing (or when the text is literally "<NONE>"),
// otherwise the reader's text, cut at a NUL, with one leading "#" marker removed.
std::string_view IniValueView(std::optional<std::string_view> readerText);
std::string ReadIniValue(const IniDocument& doc, std::string_view section, std::string_view key);
// The same, reading the file first; a file that cannot be read gives the empty text.
std::string ReadIniValue(const std::string& fileName, std::string_view section,
                         std::string_view key);

std::string AsciiLower(std::string_view s);

}  // namespace rse

// Texts of the core that the programs show to people. Each is an English source text marked
// with RSE_TEXT("Core", ...) so that the translation tools find it; the programs look it up in
// their translations and fill in its %1, %2 ... themselves. The core never translates: what it
// writes to files, reports and logs keeps the English text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#define RSE_TEXT(context, text) text

namespace rse {

// `text` with %1, %2 ... %9 replaced by the arguments in order (a missing argument leaves its
// placeholder as it is). The replacements are not searched again.
std::string FillText(std::string_view text, const std::vector<std::string>& arguments);

// A text for people as marked source texts with their arguments, one after the other.
struct Phrase {
    struct Part {
        const char* source = "";
        std::vector<std::string> arguments;
    };
    std::vector<Part> parts;

    Phrase() = default;
    Phrase(const char* source, std::vector<std::string> arguments = {}) {
        Add(source, std::move(arguments));
    }
    Phrase& Add(const char* source, std::vector<std::string> arguments = {}) {
        parts.push_back({source, std::move(arguments)});
        return *this;
    }
    bool Empty() const { return parts.empty(); }
    // The parts filled in and joined: the text in English.
    std::string English() const;
};

}  // namespace rse

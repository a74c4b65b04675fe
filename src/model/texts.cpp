#include "model/texts.h"

namespace rse {

std::string FillText(std::string_view text, const std::vector<std::string>& arguments) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] == '%' && next >= '1' && next <= '9' &&
            static_cast<std::size_t>(next - '1') < arguments.size()) {
            out += arguments[static_cast<std::size_t>(next - '1')];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace rse

namespace rse {

std::string Phrase::English() const {
    std::string out;
    for (const Part& part : parts)
        out += FillText(part.source, part.arguments);
    return out;
}

}  // namespace rse

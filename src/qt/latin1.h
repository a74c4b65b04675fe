// The model's texts are 8-bit byte strings; the windows show and take them as Latin-1.
#pragma once

#include <string>
#include <string_view>

#include <QString>

namespace rse {

inline QString FromLatin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Characters outside Latin-1 become '?'; the editor's fields refuse them before they get here.
inline std::string ToLatin1(const QString& text) {
    return text.toLatin1().toStdString();
}

}  // namespace rse

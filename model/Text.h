#pragma once

// The catalogues keep their texts as UTF-8 string views; the window and the
// reports want QStrings.

#include <QString>

#include <string_view>

namespace vantor {

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace vantor

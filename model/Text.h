#pragma once

// The catalogues keep their texts as UTF-8 string views; the window and the
// reports want QStrings.

#include <QString>

#include <string_view>

namespace vantor {

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The text of every figure or item before there is one to show.
inline const QString NotAvailable = QStringLiteral("N/A");

} // namespace vantor

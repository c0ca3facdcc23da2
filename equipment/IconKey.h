#pragma once

// The icon key: what each picture of the part and fuel tank icons signifies.
// The Miscellaneous page lists it, and each icon carries its caption as a tip.

#include <QString>

#include <array>
#include <string_view>

namespace vantor {

struct IconKeyEntry {
    int picture;
    std::string_view caption;
};

inline constexpr int IconKeyCount = 17;

// Picture and caption, in the order the key lists them; the blank picture 0
// has no entry.
extern const std::array<IconKeyEntry, IconKeyCount> IconKey;

// The caption of `picture`, or an empty text for a picture the key does not list.
QString iconCaption(int picture);

} // namespace vantor

#pragma once

#include <QPixmap>

inline constexpr int PartIconCount = 18;

// Picture `picture` (0 to 17) of the optional part and fuel tank icons; a
// null pixmap for any other number. Each is decoded when first asked for and
// kept in Qt's pixmap cache.
QPixmap partIcon(int picture);

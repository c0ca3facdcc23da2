#pragma once

// The loadout as a picture for a chat message: the VT's name and status, its
// picture and what it carries, the figures of the load data and statistics
// views with their ranks, and the weapons' range bars over a distance scale.
// Drawn from the loadout record alone, in the window's font, so the same
// loadout gives the same picture on every machine.

#include "model/Loadout.h"
#include "rangechart/RangeChart.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace vantor {

inline constexpr QSize LoadoutPictureSize{600, 512};

// Where the parts of the picture go, in its pixels.
inline constexpr int PictureMargin = 12;
// The status, right of the VT's name on the title line.
inline constexpr QRect PictureStatusRect{LoadoutPictureSize.width() - PictureMargin - 180, 8, 180,
                                         26};
// The VT's picture, scaled into this box with its proportions kept.
inline constexpr QRect PictureVtRect{PictureMargin, 50, 160, 156};
// The range chart's own picture coordinates start here: its bars, rows and
// scale are the chart's, only moved.
inline constexpr QPoint PictureChartOrigin{LoadoutPictureSize.width() - PictureMargin - ChartWidth,
                                           356};

// The bar `bar` (an index into RangeBars) from `minMetres` to `maxMetres`,
// where the picture draws it.
QRect pictureRangeBar(int bar, int minMetres, int maxMetres);

// The picture of a recomputed loadout; `vtPicture` is the VT's picture as the
// window shows it (a null image leaves its place empty).
QImage loadoutPicture(const Loadout& loadout, const QImage& vtPicture);

// The name a picture is saved under: the chosen one, with ".png" added unless
// it ends so already. The file is a PNG whatever name was typed, and its name
// says so: "loadout.jpg" becomes "loadout.jpg.png", never a PNG called JPEG.
QString pictureFileName(const QString& chosen);

} // namespace vantor

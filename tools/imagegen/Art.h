#pragma once

// The program's pictures, drawn from code so that the build reproduces them
// exactly: the 31 VT portraits, the range chart, the faction flags, the
// optional-part icons, the three link logos and the application icon.

#include "model/VtCatalogue.h"
#include "rangechart/RangeChart.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <array>

namespace vantor::art {

inline constexpr QSize VtPictureSize{248, 242};
inline constexpr QSize RangeChartSize{ChartWidth, ChartHeight};
inline constexpr QSize FlagSize{115, 75};
inline constexpr QSize OpIconSize{73, 41};
inline constexpr QSize LogoSize{25, 25};
inline constexpr int OpIconCount = 18;
inline constexpr int AppIconSize = 256;
// The sizes the application icon is drawn in, for the desktop's icon theme.
inline constexpr std::array<int, 7> AppIconSizes{16, 24, 32, 48, 64, 128, 256};

// Range chart: the program's distance scale (chartX), marks every 500 m.
inline constexpr int RangeMarkCount = 6;
inline constexpr int RangeBandTop = 46;
inline constexpr int RangeBandBottom = 90;
inline constexpr int RangeBandRight = chartX(2500);
inline constexpr int RangeVtRow = 68;
constexpr int rangeMarkX(int mark) {
    return chartX(mark * 500);
}

enum class Logo { Corvane, Kerrow, Pellum };

// Portrait of VT `index` (0..VtCount-1), opaque, VtPictureSize.
QImage vtPicture(int index);
// The range chart background, Format_Indexed8, RangeChartSize.
QImage rangeChart();
// A faction flag, opaque, FlagSize.
QImage factionFlag(Faction faction);
// Picture `index` of the optional-part image list, transparent background.
QImage opIcon(int index);
// One of the three link-button logos, LogoSize, transparent background.
QImage logo(Logo which);
// The application icon, square, transparent corners.
QImage appIcon(int size);
// The same design as an SVG document of 256 x 256 units.
QByteArray appIconSvg();
// The same icons as a Windows icon file: one PNG entry per size of AppIconSizes.
QByteArray appIconIco();
// Every picture at real size on one sheet with captions, for review.
QImage contactSheet();

// File names of the flags, as the program reads them below Images/.
QString flagFileName(Faction faction);

// What writeAll() produces: paths relative to the program's folder
// (Images/..., Html/Images/...) and relative to the resource folder.
QStringList programFiles();
QStringList resourceFiles();

// Writes programFiles() below programDir and resourceFiles() below
// resourceDir, creating folders as needed. On failure returns false and
// names the file in *error.
bool writeAll(const QString& programDir, const QString& resourceDir, QString* error);

} // namespace vantor::art

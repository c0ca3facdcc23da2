#pragma once

// Geometry of the weapon range chart: the distance scale, the range bars and
// the distance-modifier outline with its four labels, all in pixels of the
// 498 x 136 chart picture (origin top left). The window places its overlays
// and draws into its picture from these results.

#include <QList>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QSize>
#include <QString>

#include <array>

class QImage;

namespace vantor {

inline constexpr int ChartWidth = 498;
inline constexpr int ChartHeight = 136;
inline constexpr int BarHeight = 4;

// The distance scale: 7 metres to the pixel, 0 m at x = 68 just in front of
// the VT. The chart picture is drawn to the same scale.
inline constexpr int ChartOriginX = 68;
inline constexpr int ChartMetresPerPixel = 7;

constexpr int chartX(int metres) {
    return ChartOriginX + metres / ChartMetresPerPixel;
}

struct BarGeometry {
    int left;
    int top;
    int width;
    int height;
    QRect rect() const { return {left, top, width, height}; }
};

// A bar from `minMetres` to `maxMetres` on the given row.
constexpr BarGeometry rangeBar(int minMetres, int maxMetres, int row) {
    const int left = chartX(minMetres);
    return {left, row, chartX(maxMetres) - left, BarHeight};
}

// The seven bars, top to bottom: the overlay, its toggle (the comparison bar
// has a selector instead), its row and its colour.
struct RangeBarStyle {
    const char* labelName;
    const char* controlName;
    int row;
    QRgb colour;
};

// clang-format off
inline constexpr std::array<RangeBarStyle, 7> RangeBars = {{
    {"RangeMW1Label", "MW1RangeButton", 17, qRgb(128, 0, 0)},
    {"RangeMW2Label", "MW2RangeButton", 34, qRgb(128, 128, 0)},
    {"RangeMW3Label", "MW3RangeButton", 51, qRgb(0, 128, 0)},
    {"RangeCompareLabel", "RangeWeaponSelect", 66, qRgb(0, 0, 0)},
    {"RangeSW1Label", "SW1RangeButton", 81, qRgb(128, 0, 128)},
    {"RangeSW2Label", "SW2RangeButton", 98, qRgb(0, 255, 0)},
    {"RangeSW3Label", "SW3RangeButton", 115, qRgb(0, 128, 128)},
}};
// clang-format on

// Indices into RangeBars.
enum RangeBarIndex : int { BarMW1, BarMW2, BarMW3, BarCompare, BarSW1, BarSW2, BarSW3 };

// The bar of weapon slot `slot` (MW1..MW3, SW1..SW3): the comparison bar sits
// between the main- and sub-weapon bars.
constexpr int barOfSlot(int slot) {
    return slot < 3 ? slot : slot + 1;
}

inline constexpr QRgb ModifierRed = qRgb(255, 0, 0);
inline constexpr QRgb ModifierMagenta = qRgb(255, 0, 255);

struct OutlineSegment {
    QPoint from;
    QPoint to;
    QRgb colour;
};

// The box drawn around the VT: its right edge marks the front modifier, its
// left edge 16 pixels behind the VT plus the rear modifier, its height 17
// pixels plus the side modifier; a shield extends it forward in magenta.
struct ModifierOutline {
    int front = 0;            // F in metres, Advanced Armour included
    int side = 0;             // W
    int rear = 0;             // R
    int shield = 0;           // H, 0 for a VT without one
    bool armourBonus = false; // Advanced Armour raised the front
    int xF = 0;
    int yT = 0;
    int yB = 0;
    int xR = 0;
    int rearOffset = 0;             // R / 7
    int xH = 0;                     // meaningful only with a shield
    QList<OutlineSegment> segments; // in drawing order
};

// The outline of VT `vtIndex` (-1 or any index outside the catalogue: all
// modifiers 0). `advancedArmour` says whether either part selector holds
// "Advanced Armour"; it adds 200 m to the front of every VT but the
// Prominence M2.
ModifierOutline distanceModifierOutline(int vtIndex, bool advancedArmour);

struct PlacedLabel {
    QString text;
    QPoint topLeft;
    QRgb colour; // of the text; the labels' background is black
    bool visible;
};

struct ModifierLabels {
    PlacedLabel front;  // FDMLabel
    PlacedLabel side;   // SDMLabel
    PlacedLabel rear;   // RDMLabel
    PlacedLabel shield; // SHLDMLabel, visible only for a VT with a shield
};

// The labels' texts, so the window can size its labels before placing them.
ModifierLabels modifierLabelTexts(const ModifierOutline& outline);

// Places the labels around the outline given the size each label takes with
// its text. The shield label moves right of the front label if they overlap.
ModifierLabels placeModifierLabels(const ModifierOutline& outline, QSize front, QSize side,
                                   QSize rear, QSize shield);

// Draws the outline into the chart picture with a 2-pixel pen, aliased.
void drawDistanceModifierOutline(QImage& picture, const ModifierOutline& outline);

} // namespace vantor

#pragma once

// Two loadouts' range bars on one distance axis: the pinned loadout's bars
// outlined, the current one's filled, slot by slot, on the range chart's own
// scale and in its bars' colours; and what a distance marker on that axis
// says about both loadouts. Pure geometry and text, in the chart's pixels
// (origin top left), so that the drawing only draws.

#include "rangechart/RangeChart.h"

#include <QList>
#include <QRect>
#include <QRgb>
#include <QString>

#include <array>
#include <optional>

namespace vantor {

// The weapon slots, MW1..MW3 then SW1..SW3.
inline constexpr int WeaponSlots = 6;

// The furthest distance the axis shows, and its tick spacing.
inline constexpr int ComparedAxisMetres = 3000;
inline constexpr int ComparedTickMetres = 500;

// A weapon slot as the range chart holds it: the weapon's list text ("Unarmed"
// for none, empty for a slot the VT lacks) and its range in metres.
struct SlotRange {
    QString weapon;
    int min = 0;
    int max = 0;
    friend bool operator==(const SlotRange&, const SlotRange&) = default;
};

// One loadout as the chart compares it.
struct LoadoutRanges {
    std::array<SlotRange, WeaponSlots> weapons;
    int vt = -1;                 // -1: no VT chosen
    bool advancedArmour = false; // in either part slot
    friend bool operator==(const LoadoutRanges&, const LoadoutRanges&) = default;
};

// Whether the slot holds a weapon: "Unarmed" and a slot the VT lacks have a
// range of nothing.
bool armed(const SlotRange& slot);

// The front distance modifier in metres, Advanced Armour included, as the
// range chart's outline draws it.
int frontModifier(const LoadoutRanges& loadout);

// One line of the chart: a slot of one of the two loadouts.
struct ComparedLine {
    int slot = 0;
    bool pinned = false;      // the pinned loadout's line, else the current one's
    QString label;            // the weapon, "Unarmed" for a slot holding none
    QRect labelRect;          // where the label is written, right-aligned
    std::optional<QRect> bar; // the weapon's range; none for an unarmed slot
    QRgb colour = 0;          // the slot's bar colour on the range chart
};

struct AxisTick {
    int x;
    QString text;
};

struct ComparedLayout {
    int zeroX = 0;             // where 0 m lies
    int top = 0;               // the lines and the marker span top..bottom
    int bottom = 0;            // also where the axis is drawn
    QList<ComparedLine> lines; // by slot, the pinned line above the current one
    QList<AxisTick> ticks;     // under the axis, every ComparedTickMetres
    QRect pinnedKey;           // the legend's samples, text to their right
    QRect currentKey;
    QSize size;

    // The x of `metres` on the axis, and the distance (0..ComparedAxisMetres)
    // at `x`, to the nearest whole metre the scale can show.
    int xOf(int metres) const;
    int metresAt(int x) const;
};

// The chart for the two loadouts, given the width the weapon labels take and
// the height of a line of text. A slot is shown where either loadout holds a
// weapon there; an unarmed slot beside an armed one is labelled "Unarmed" and
// has no bar.
ComparedLayout compareRanges(const std::optional<LoadoutRanges>& pinned,
                             const LoadoutRanges& current, int labelWidth, int lineHeight);

// What reaches a distance marker at `metres`: each loadout's weapons whose
// range holds it (both ends included), then the two front distance modifiers.
QString markerText(const std::optional<LoadoutRanges>& pinned, const LoadoutRanges& current,
                   int metres);

// The bars in words, for those who cannot see them.
QString describeRanges(const std::optional<LoadoutRanges>& pinned, const LoadoutRanges& current);

} // namespace vantor

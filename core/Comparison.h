#pragma once

// A pinned loadout and the current one side by side: the items as the
// reports name them, then the load data and the statistics exactly as the
// result views show them, each figure with its change and whether that
// change is for the better.

#include "model/Loadout.h"

#include <QColor>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace vantor {

// What a figure's change means for the current loadout.
enum class ChangeVerdict { Neither, Better, Worse };

struct ComparisonRow {
    QString figure; // "VT", "Main Weapon 2", "Total Load", "Load Status", "Turn Speed"...
    QString pinned;
    QString current;
    // current - pinned for the figures, exact to their decimals ("+2", "−0.5"
    // with the minus sign U+2212); empty when they are equal and in the rows
    // that are no figure.
    QString change;
    ChangeVerdict verdict = ChangeVerdict::Neither;
    bool differs = false; // an item row whose two sides name different things
    // The load status texts' colours, made readable on the table's white
    // (readableOnWhite); invalid (the usual text colour) elsewhere.
    QColor pinnedColour;
    QColor currentColour;

    friend bool operator==(const ComparisonRow&, const ComparisonRow&) = default;
};

// The column captions of the comparison, in the order of a row's texts.
inline constexpr std::array<const char*, 4> ComparisonColumns = {"Figure", "Pinned", "Current",
                                                                 "Change"};

// Both loadouts as the window holds them, recomputed; a loadout never
// recomputed (no VT chosen yet) shows "N/A" for its figures, as the views do,
// and one whose VT selector names no VT shows the figures the views show but
// no change and no verdict. An item nobody picked ("Unarmed") and the
// "Unarmed" item picked ("UNARMED") are the same item.
// The rows: the ten items, "VT Standard Load", "VT Maximum Load",
// "Total Load", "Load Status", then the nine statistics of the Stats view
// from "Max Speed" to "Sortie Point Cost". A smaller turn speed and smaller
// costs are better, a larger figure elsewhere; the total load is neither.
std::vector<ComparisonRow> compareLoadouts(const Loadout& pinned, const Loadout& current);

// Text needs at least this contrast to its background to be read (WCAG's
// figure for text of the usual size, bold or not, as the tables and list
// badges show).
inline constexpr double MinimumContrast = 4.5;

// The contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);

// `colour`, darkened at its own hue until it reads on white; unchanged where
// it already does.
QColor readableOnWhite(const QColor& colour);

// Black or white, whichever reads better on `background`.
QColor textColourOn(const QColor& background);

// The change as the Change column shows it: with its verdict in a word
// ("+4 better", "−1000 worse"), not in its colour alone.
QString shownChange(const ComparisonRow& row);

} // namespace vantor

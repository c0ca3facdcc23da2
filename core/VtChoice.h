#pragma once

// Choosing a VT, as one step over the loadout record: the previous loadout is
// wiped, the chosen VT's figures, reports and weapon lists are loaded, its
// fixed weapons installed and everything recomputed. The result says what the
// selectors are to show; the window only applies it.

#include "model/Loadout.h"
#include "model/VtCatalogue.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace vantor {

// What one weapon selector shows after the choice.
struct WeaponSelectorChoice {
    QStringList items;
    QStringList tips;   // one per item: the weapon's weight, range and damage
    int index = -1;     // the item shown: the fixed weapon, else the first item (-1: none)
    bool fixed = false; // holds a fixed weapon: selected and locked
};

struct VtChoice {
    int vt = -1;                              // catalogue index; -1 when the text named no VT
    QStringList fuelItems;                    // empty without a VT or without tank slots
    std::array<WeaponSelectorChoice, 3> main; // MWSelect1..3
    std::array<WeaponSelectorChoice, 3> sub;  // SWSelect1..3
    bool mmLoaded = false;                    // the VT carries an MM that can be launched (F1)
    std::optional<Faction> faction;           // the chosen VT's; nothing without a VT
    QString generation;

    bool chosen() const { return vt >= 0; }
    // The text each weapon slot's range button takes: the item shown, or
    // nothing for an empty selector. MW1..MW3, then SW1..SW3.
    std::array<QString, 6> rangeCaptions() const;
};

// The whole step for VT selector item `vt` (-1 or any other index outside the
// catalogue for typed text that names no VT). The part selectors are left on
// their first item, the pictures of the page on "Local"; afterwards the record
// is recomputed for exactly that.
VtChoice chooseVt(Loadout& loadout, int vt);

} // namespace vantor

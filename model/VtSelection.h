#pragma once

// The loadout record's side of choosing a VT and of launching the MM.

#include "model/Loadout.h"

namespace vantor {

// Wipes the previous loadout: figures, loads, counts, ranges, bonuses and
// flags to zero, the three statistic texts to "0", the report texts to
// "Unselected" (VT, fuel) and "Unarmed" (parts, weapons). Rank texts, supply
// and sortie cost, VTIndex, LoadStatus and AdvancedOpen are left alone.
void resetForVtSelection(Loadout& loadout);

// All twelve rows of the five weapon list columns to 0.
void clearWeaponColumns(Loadout& loadout);

// Copies catalogue entry `index` (0 to 30; std::out_of_range otherwise): list
// counts to 0, the loads, costs and figures, AvailabilityText and the eleven
// rank texts.
void loadVtFigures(Loadout& loadout, int index);

// StandardLoad and MaximumLoad start at the VT's own loads.
void finishVtSelection(Loadout& loadout);

// The Prominence M2's MM leaves: it turns faster and loses durability, and the
// overload no longer changes its turn speed until the next VT selection.
void launchMM(Loadout& loadout);

} // namespace vantor

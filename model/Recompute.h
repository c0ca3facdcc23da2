#pragma once

// Derivation of totals, load status and bonus-affected statistics.

#include "model/Loadout.h"

#include <QColor>
#include <QString>

namespace vantor {

// The selector facts a recomputation needs: the current item of VTSelect,
// OPSelect1 and OPSelect2, -1 when a selector has no selected item.
struct RecomputeInputs {
    int vtSelectIndex = -1;
    int opSelect1Index = -1;
    int opSelect2Index = -1;
};

// MainWeaponLoad := the three main-weapon slot loads summed.
void SumMainWeaponLoad(Loadout& loadout);
// SubWeaponLoad := the three sub-weapon slot loads summed.
void SumSubWeaponLoad(Loadout& loadout);

// Rewrites every derived field from the inputs: TotalLoad, the combined load
// bonuses, StandardLoad, MaximumLoad, LoadStatus, the three percentage
// bonuses with BalancerText, DurabilityText and VeeringText, the turn speed
// under overload and TurnSpeedText. Calling it twice changes nothing.
void RecomputeLoadout(Loadout& loadout, const RecomputeInputs& inputs);

// The load status the window and the reports show: none while no VT is
// chosen (VTIndex names none), whatever LoadStatus says of the zero loads.
std::int32_t shownLoadStatus(const Loadout& loadout);

// Text and font colour of the status label for a LoadStatus value; no status
// yet gives an empty text.
QString loadStatusText(std::int32_t status);
QColor loadStatusColour(std::int32_t status);

} // namespace vantor

#pragma once

// Derivation of totals, load status and bonus-affected statistics.

#include "model/Loadout.h"
#include "model/VtCatalogue.h"

#include <QColor>
#include <QString>

#include <cstdint>

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

// The steps' arithmetic of the load status, apart from the record, so that a
// search over many loadouts reckons it as RecomputeLoadout does.

// Two load-bearing parts never add up: only the larger bonus of each kind counts.
constexpr std::uint32_t combinedLoadBonus(std::uint32_t part1, std::uint32_t part2) {
    return part1 > part2 ? part1 : part2;
}

// Every sub-weapon slot holds a mount weapon or a fixed weapon, which fills
// the mounts; the Prominence M3 carries two fixed sub-weapons and may still
// mount a third.
constexpr bool mountsFull(bool sw1, bool sw2, bool sw3, int vtSelectIndex) {
    return sw1 && sw2 && sw3 && vtSelectIndex != ProminenceM3;
}

// The load status of a total load: MOUNT OVER with full mounts, then against
// the maximum and the standard load; a load equal to a limit is not over it.
constexpr std::int32_t loadStatusFor(std::uint32_t total, std::uint32_t standard,
                                     std::uint32_t maximum, bool full) {
    if (full)
        return StatusMountOver;
    if (total > maximum)
        return StatusMaxOver;
    if (total > standard)
        return StatusStdOver;
    return StatusVtOk;
}

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

#pragma once

// The weapon sets of one kind that a VT's three slots can hold under the
// finder's limits: every choice of items once, the same weapons in slots
// offering one list counted once. Only the finder's space uses this.

#include "core/FinderSpace.h"
#include "core/VtChoice.h"

namespace vantor::finder {

struct WeaponSets {
    std::vector<WeaponSet> sets;
    // The slots' range bands of each set: [set][slot] = {min, max}, max < 0
    // for an empty slot.
    std::vector<std::array<std::array<int, 2>, 3>> bands;
    std::array<bool, 3> fixed{}; // the slot holds a fixed weapon
    // The leading loadout's set of this kind, as WeaponSet::items12 codes it.
    std::uint64_t leadItems = 0;
    bool noneFit = false; // a kept item is no item of its slot here
};

// The sets of `kind` on the VT that `base` and `choice` are the choice of;
// `currentVt` says whether it is the window's VT, where kept selectors hold.
WeaponSets weaponSets(const Loadout& base, const VtChoice& choice, WeaponKind kind,
                      const FinderRequest& request, bool currentVt);

} // namespace vantor::finder

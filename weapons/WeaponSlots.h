#pragma once

// The loadout fields that belong to one weapon slot.

#include "model/Loadout.h"
#include "weapons/WeaponCatalogue.h"

#include <cstdint>
#include <optional>

namespace vantor {

struct WeaponSlotFields {
    std::uint32_t* load;
    std::int32_t* rangeMin;
    std::int32_t* rangeMax;
    bool* mount; // sub-weapon slots only
    bool* fixed; // slots that can be fixed mounts only (main 2, sub 1 to 3)
};

// The fields of slot 1 to 3 of a kind; nothing for another slot number.
std::optional<WeaponSlotFields> weaponSlotFields(Loadout& loadout, WeaponKind kind, int slot);

} // namespace vantor

#include "weapons/WeaponSlots.h"

namespace vantor {

std::optional<WeaponSlotFields> weaponSlotFields(Loadout& l, WeaponKind kind, int slot) {
    if (kind == WeaponKind::Main) {
        switch (slot) {
        case 1:
            return WeaponSlotFields{&l.MainWeapon1Load, &l.MW1RangeMin, &l.MW1RangeMax, nullptr,
                                    nullptr};
        case 2:
            return WeaponSlotFields{&l.MainWeapon2Load, &l.MW2RangeMin, &l.MW2RangeMax, nullptr,
                                    &l.FixedMW2};
        case 3:
            return WeaponSlotFields{&l.MainWeapon3Load, &l.MW3RangeMin, &l.MW3RangeMax, nullptr,
                                    nullptr};
        }
        return std::nullopt;
    }
    switch (slot) {
    case 1:
        return WeaponSlotFields{&l.SubWeapon1Load, &l.SW1RangeMin, &l.SW1RangeMax, &l.SW1Mount,
                                &l.FixedSW1};
    case 2:
        return WeaponSlotFields{&l.SubWeapon2Load, &l.SW2RangeMin, &l.SW2RangeMax, &l.SW2Mount,
                                &l.FixedSW2};
    case 3:
        return WeaponSlotFields{&l.SubWeapon3Load, &l.SW3RangeMin, &l.SW3RangeMax, &l.SW3Mount,
                                &l.FixedSW3};
    }
    return std::nullopt;
}

} // namespace vantor

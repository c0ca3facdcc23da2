#pragma once

// A weapon picked in a slot, and the weapon page that shows it. The item
// index of a selector is the row of its kind's list columns; rows past the
// recorded ones, and -1 for a selector holding typed text, are rejected and
// change nothing.

#include "model/Loadout.h"
#include "weapons/WeaponCatalogue.h"

#include <QString>

#include <array>
#include <optional>

namespace vantor {

// What the weapon page shows for one weapon.
struct WeaponInfo {
    QString name;
    std::array<QString, 5> figures; // damage, range, ammunition, magazines, guided
    QString weight;
    QString description;
    bool report = false; // hand `name` to the slot's report row (SetMain/SubWeaponReport)
};

// Whether `row` is one the list builders recorded for the kind.
bool isRecordedRow(const Loadout& loadout, WeaponKind kind, int row);

// Shows the weapon of `row` and stores its range band in slot 1 to 3 of the
// kind; slot 0 (a selector of no slot) only shows. Nothing for a bad row.
std::optional<WeaponInfo> ShowMainWeaponInfo(Loadout& loadout, int slot, int row);
std::optional<WeaponInfo> ShowSubWeaponInfo(Loadout& loadout, int slot, int row);

// The slot-load step of a pick in slot 1 to 3: the slot's load (and for
// sub-weapons its mount state) from the row. The caller then shows the weapon
// and sums the loads. False, with nothing changed, for a bad slot or row.
bool selectMainWeapon(Loadout& loadout, int slot, int row);
bool selectSubWeapon(Loadout& loadout, int slot, int row);

} // namespace vantor

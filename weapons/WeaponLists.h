#pragma once

// Filling the six weapon selectors of a VT. A selector item is only a text;
// item r of every selector of a kind stands for row r of that kind's list
// columns in the loadout, which the builders write as they append.

#include "model/Loadout.h"
#include "weapons/WeaponCatalogue.h"

#include <QString>
#include <QStringList>

#include <array>
#include <span>
#include <string_view>
#include <vector>

namespace vantor {

// Appends the entry's list text to `items` and writes row `MainWeaponListCount`
// (`SubWeaponListCount`) of the columns; only `record` claims the row, so an
// unrecorded call leaves it to be overwritten by the next call.
void AddMainWeaponItem(Loadout& loadout, QStringList& items, const WeaponEntry& entry, bool record);
void AddSubWeaponItem(Loadout& loadout, QStringList& items, const WeaponEntry& entry, bool record);
void addWeaponItem(Loadout& loadout, WeaponKind kind, QStringList& items, const WeaponEntry& entry,
                   bool record);

// The three ways a selector is filled. `names` are a VT's weapons after
// "Unarmed"; empty names are skipped.
QStringList buildSharedList(Loadout& loadout, WeaponKind kind,
                            std::span<const std::string_view> names);
QStringList buildFixedMountList(Loadout& loadout, WeaponKind kind,
                                std::span<const std::string_view> names,
                                std::string_view fixedWeapon);
QStringList buildShortList(Loadout& loadout, WeaponKind kind,
                           std::span<const std::string_view> names, int items);

// What VT selection does for one fixed mount once the selectors are filled:
// select `position` in the slot's selector, disable it and hand `reportName`
// to the slot's report row.
struct FixedMountInstall {
    WeaponKind kind;
    int slot; // 1 to 3
    int position;
    QString reportName;
};

struct WeaponSelectors {
    std::array<QStringList, 3> main;            // MWSelect1 to MWSelect3
    std::array<QStringList, 3> sub;             // SWSelect1 to SWSelect3
    std::vector<FixedMountInstall> fixedMounts; // main slot first, then sub slots 1, 2, 3
    bool showF1Button = false;
};

// Builds the six selectors of VT `vt` (0 to 30) from empty list columns,
// and sets the fixed-mount flags and the fixed slots' range bands.
WeaponSelectors buildWeaponSelectors(Loadout& loadout, int vt);

// A weapon the selectors offer: its kind, its item (the same in every
// selector of its kind) and its entry.
struct OfferedWeapon {
    WeaponKind kind = WeaponKind::Main;
    int item = 0;
    const WeaponEntry* entry = nullptr;
    friend bool operator==(const OfferedWeapon&, const OfferedWeapon&) = default;
};

// The weapons the six selectors offer, main weapons first, each in list
// order at its first item ("Unarmed" too; a fixed weapon that its list also
// offers once): the list columns of `loadout` as far as the longest selector
// of the kind reaches, `itemCounts` giving how many items MW1..MW3 and
// SW1..SW3 hold.
std::vector<OfferedWeapon> offeredWeapons(const Loadout& loadout,
                                          const std::array<int, 6>& itemCounts);

} // namespace vantor

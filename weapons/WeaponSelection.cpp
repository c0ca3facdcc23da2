#include "weapons/WeaponSelection.h"

#include "model/Text.h"
#include "weapons/WeaponSlots.h"

namespace vantor {

namespace {

const WeaponColumn& idColumn(const Loadout& l, WeaponKind kind) {
    return kind == WeaponKind::Main ? l.MainWeaponListId : l.SubWeaponListId;
}

const WeaponColumn& loadColumn(const Loadout& l, WeaponKind kind) {
    return kind == WeaponKind::Main ? l.MainWeaponListLoad : l.SubWeaponListLoad;
}

WeaponInfo notAvailable() {
    const QString& na = NotAvailable;
    return {na, {na, na, na, na, na}, {}, na, false};
}

WeaponInfo entryInfo(const WeaponEntry& e, WeaponKind kind) {
    return {toQString(e.Name),
            {toQString(e.DamageText), toQString(e.RangeText), toQString(e.AmmunitionText),
             toQString(e.MagazinesText), toQString(e.GuidedText)},
            {},
            weaponDescription(e, kind),
            true};
}

std::optional<WeaponInfo> showWeaponInfo(Loadout& loadout, WeaponKind kind, int slot, int row) {
    if (!isRecordedRow(loadout, kind, row))
        return std::nullopt;
    const auto r = static_cast<std::size_t>(row);
    const WeaponEntry* entry = weaponById(kind, idColumn(loadout, kind)[r]);
    WeaponInfo info = entry ? entryInfo(*entry, kind) : notAvailable();
    info.weight = QString::number(loadColumn(loadout, kind)[r]);
    if (const auto fields = weaponSlotFields(loadout, kind, slot)) {
        *fields->rangeMin = entry ? entry->MinRange : 0;
        *fields->rangeMax = entry ? entry->MaxRange : 0;
    }
    return info;
}

} // namespace

bool isRecordedRow(const Loadout& l, WeaponKind kind, int row) {
    const std::uint32_t count =
        kind == WeaponKind::Main ? l.MainWeaponListCount : l.SubWeaponListCount;
    return row >= 0 && static_cast<std::uint32_t>(row) < count && row < WeaponListRows;
}

std::optional<WeaponInfo> ShowMainWeaponInfo(Loadout& loadout, int slot, int row) {
    return showWeaponInfo(loadout, WeaponKind::Main, slot, row);
}

std::optional<WeaponInfo> ShowSubWeaponInfo(Loadout& loadout, int slot, int row) {
    return showWeaponInfo(loadout, WeaponKind::Sub, slot, row);
}

bool selectMainWeapon(Loadout& loadout, int slot, int row) {
    const auto fields = weaponSlotFields(loadout, WeaponKind::Main, slot);
    if (!fields || !isRecordedRow(loadout, WeaponKind::Main, row))
        return false;
    *fields->load = loadout.MainWeaponListLoad[static_cast<std::size_t>(row)];
    return true;
}

bool selectSubWeapon(Loadout& loadout, int slot, int row) {
    const auto fields = weaponSlotFields(loadout, WeaponKind::Sub, slot);
    if (!fields || !isRecordedRow(loadout, WeaponKind::Sub, row))
        return false;
    const auto r = static_cast<std::size_t>(row);
    *fields->load = loadout.SubWeaponListLoad[r];
    *fields->mount = loadout.SubWeaponListMount[r] != 0;
    return true;
}

} // namespace vantor

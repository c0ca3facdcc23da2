#include "weapons/WeaponLists.h"

#include "model/Text.h"
#include "model/VtCatalogue.h"
#include "weapons/WeaponSlots.h"

#include <algorithm>

namespace vantor {

namespace {

// The catalogue stays within the twelve rows; a row past them is not written.
bool writableRow(std::uint32_t row) {
    Q_ASSERT(row < WeaponListRows);
    return row < WeaponListRows;
}

// The entries a selector of the kind offers: "Unarmed", then the named weapons.
std::vector<const WeaponEntry*> listEntries(WeaponKind kind,
                                            std::span<const std::string_view> names) {
    std::vector<const WeaponEntry*> entries{&weapons(kind)[0]};
    for (std::string_view name : names) {
        if (name.empty())
            continue;
        const WeaponEntry* entry = findWeapon(kind, name);
        Q_ASSERT_X(entry, "listEntries", "a VT lists a weapon the catalogue lacks");
        if (entry)
            entries.push_back(entry);
    }
    return entries;
}

void addEntries(Loadout& loadout, WeaponKind kind, QStringList& items,
                std::span<const WeaponEntry* const> entries, bool record) {
    for (const WeaponEntry* entry : entries)
        addWeaponItem(loadout, kind, items, *entry, record);
}

void clearListColumns(Loadout& l) {
    l.MainWeaponListLoad = {};
    l.SubWeaponListLoad = {};
    l.SubWeaponListMount = {};
    l.MainWeaponListId = {};
    l.SubWeaponListId = {};
    l.MainWeaponListCount = 0;
    l.SubWeaponListCount = 0;
}

WeaponKind kindOf(FixedSlot slot) {
    return slot == FixedSlot::MW2 ? WeaponKind::Main : WeaponKind::Sub;
}

int slotNumberOf(FixedSlot slot) {
    switch (slot) {
    case FixedSlot::MW2:
        return 2;
    case FixedSlot::SW1:
        return 1;
    case FixedSlot::SW2:
        return 2;
    case FixedSlot::SW3:
        return 3;
    }
    return 0;
}

// The VT's fixed mounts, main slot first, then sub-weapon slots 1 to 3.
std::vector<FixedMount> fixedMountsOf(int vt) {
    std::vector<FixedMount> mounts;
    std::copy_if(FixedMounts.begin(), FixedMounts.end(), std::back_inserter(mounts),
                 [vt](const FixedMount& m) { return m.vt == vt; });
    std::stable_sort(mounts.begin(), mounts.end(),
                     [](const FixedMount& a, const FixedMount& b) { return a.slot < b.slot; });
    return mounts;
}

// Fills the three selectors of a kind: the shared list on the first, then a
// copy, a fixed-mount list or a short list on each of the others.
std::array<QStringList, 3> buildKind(Loadout& loadout, WeaponKind kind,
                                     std::span<const std::string_view> names,
                                     const std::vector<FixedMount>& mounts, int shortItems) {
    std::array<QStringList, 3> lists;
    lists[0] = buildSharedList(loadout, kind, names);
    lists[1] = lists[2] = lists[0];
    for (const FixedMount& m : mounts) {
        if (kindOf(m.slot) != kind || lists[0].contains(toQString(m.weapon)))
            continue;
        const int slot = slotNumberOf(m.slot);
        lists[slot - 1] = buildFixedMountList(loadout, kind, names, m.weapon);
    }
    if (kind == WeaponKind::Sub && shortItems > 0)
        lists[2] = buildShortList(loadout, kind, names, shortItems);
    return lists;
}

FixedMountInstall install(Loadout& loadout, const FixedMount& m) {
    const FixedMountInstall fixed{kindOf(m.slot), slotNumberOf(m.slot), m.position,
                                  toQString(m.weapon)};
    if (const auto fields = weaponSlotFields(loadout, fixed.kind, fixed.slot)) {
        *fields->fixed = true;
        *fields->rangeMin = m.rangeMin;
        *fields->rangeMax = m.rangeMax;
    }
    return fixed;
}

} // namespace

void AddMainWeaponItem(Loadout& l, QStringList& items, const WeaponEntry& entry, bool record) {
    items.append(toQString(entry.ListText));
    const std::uint32_t row = l.MainWeaponListCount;
    if (writableRow(row)) {
        l.MainWeaponListLoad[row] = entry.Load;
        l.MainWeaponListId[row] = entry.Id;
    }
    if (record)
        ++l.MainWeaponListCount;
}

void AddSubWeaponItem(Loadout& l, QStringList& items, const WeaponEntry& entry, bool record) {
    items.append(toQString(entry.ListText));
    const std::uint32_t row = l.SubWeaponListCount;
    if (writableRow(row)) {
        l.SubWeaponListLoad[row] = entry.Load;
        l.SubWeaponListMount[row] = entry.Mount ? 1 : 0;
        l.SubWeaponListId[row] = entry.Id;
    }
    if (record)
        ++l.SubWeaponListCount;
}

void addWeaponItem(Loadout& loadout, WeaponKind kind, QStringList& items, const WeaponEntry& entry,
                   bool record) {
    if (kind == WeaponKind::Main)
        AddMainWeaponItem(loadout, items, entry, record);
    else
        AddSubWeaponItem(loadout, items, entry, record);
}

QStringList buildSharedList(Loadout& loadout, WeaponKind kind,
                            std::span<const std::string_view> names) {
    QStringList items;
    addEntries(loadout, kind, items, listEntries(kind, names), true);
    return items;
}

QStringList buildFixedMountList(Loadout& loadout, WeaponKind kind,
                                std::span<const std::string_view> names,
                                std::string_view fixedWeapon) {
    QStringList items;
    addEntries(loadout, kind, items, listEntries(kind, names), false);
    const WeaponEntry* fixed = findWeapon(kind, fixedWeapon);
    Q_ASSERT_X(fixed, "buildFixedMountList", "a fixed weapon the catalogue lacks");
    if (fixed)
        addWeaponItem(loadout, kind, items, *fixed, true);
    return items;
}

QStringList buildShortList(Loadout& loadout, WeaponKind kind,
                           std::span<const std::string_view> names, int items) {
    auto entries = listEntries(kind, names);
    entries.resize(std::min(entries.size(), static_cast<std::size_t>(std::max(items, 0))));
    QStringList list;
    addEntries(loadout, kind, list, entries, false);
    return list;
}

WeaponSelectors buildWeaponSelectors(Loadout& loadout, int vt) {
    const VtEntry& entry = vtEntry(vt);
    const std::vector<FixedMount> mounts = fixedMountsOf(vt);
    clearListColumns(loadout);

    WeaponSelectors selectors;
    selectors.main = buildKind(loadout, WeaponKind::Main, entry.mainWeapons, mounts, 0);
    selectors.sub =
        buildKind(loadout, WeaponKind::Sub, entry.subWeapons, mounts, shortSubListItems(vt));
    for (const FixedMount& m : mounts)
        selectors.fixedMounts.push_back(install(loadout, m));
    selectors.showF1Button = vt == ProminenceM2;
    return selectors;
}

std::vector<OfferedWeapon> offeredWeapons(const Loadout& loadout,
                                          const std::array<int, 6>& itemCounts) {
    std::vector<OfferedWeapon> offered;
    for (WeaponKind kind : {WeaponKind::Main, WeaponKind::Sub}) {
        const bool main = kind == WeaponKind::Main;
        const WeaponColumn& ids = main ? loadout.MainWeaponListId : loadout.SubWeaponListId;
        const auto first = itemCounts.begin() + (main ? 0 : 3);
        const int longest = std::min(*std::max_element(first, first + 3), WeaponListRows);
        for (int item = 0; item < longest; ++item) {
            const WeaponEntry* entry = weaponById(kind, ids[std::size_t(item)]);
            const auto same = [&](const OfferedWeapon& w) {
                return w.kind == kind && w.entry == entry;
            };
            if (entry && std::none_of(offered.begin(), offered.end(), same))
                offered.push_back({kind, item, entry});
        }
    }
    return offered;
}

} // namespace vantor

#include "core/VtChoice.h"

#include "equipment/FuelTanks.h"
#include "model/PartIndex.h"
#include "model/Recompute.h"
#include "model/Text.h"
#include "model/VtSelection.h"
#include "reports/Reports.h"
#include "weapons/WeaponLists.h"

namespace vantor {

namespace {

// Item r of every selector of a kind stands for row r of the kind's list columns.
QStringList itemTips(const Loadout& l, WeaponKind kind, qsizetype items) {
    const WeaponColumn& ids = kind == WeaponKind::Main ? l.MainWeaponListId : l.SubWeaponListId;
    QStringList tips;
    for (qsizetype row = 0; row < items && row < WeaponListRows; ++row) {
        const WeaponEntry* entry = weaponById(kind, ids[std::size_t(row)]);
        tips << (entry ? weaponItemTip(*entry) : QString());
    }
    return tips;
}

} // namespace

std::array<QString, 6> VtChoice::rangeCaptions() const {
    std::array<QString, 6> captions;
    for (int i = 0; i < 3; ++i) {
        captions[i] = main[i].items.value(main[i].index);
        captions[i + 3] = sub[i].items.value(sub[i].index);
    }
    return captions;
}

VtChoice chooseVt(Loadout& l, int vt) {
    VtChoice choice;
    const bool known = vt >= 0 && vt < VtCount;
    choice.vt = known ? vt : -1;
    const PictureSource local{false, choice.vt};

    resetForVtSelection(l);
    ResetReport(l, local);
    l.VTIndex = choice.vt;
    clearWeaponColumns(l);
    if (known) {
        const VtEntry& entry = vtEntry(vt);
        choice.faction = entry.faction;
        SetVTReport(l, toQString(entry.reportName), local);
        loadVtFigures(l, vt);
        choice.generation = toQString(entry.generation);
        choice.fuelItems = fuelTankItems(l.FuelTankSlots);

        const WeaponSelectors lists = buildWeaponSelectors(l, vt);
        for (int i = 0; i < 3; ++i) {
            choice.main[i].items = lists.main[i];
            choice.main[i].tips = itemTips(l, WeaponKind::Main, lists.main[i].size());
            choice.sub[i].items = lists.sub[i];
            choice.sub[i].tips = itemTips(l, WeaponKind::Sub, lists.sub[i].size());
        }
        // Fixed weapons: shown, reported and locked; their slots stay at load 0.
        for (const FixedMountInstall& fixed : lists.fixedMounts) {
            const bool main = fixed.kind == WeaponKind::Main;
            WeaponSelectorChoice& selector = (main ? choice.main : choice.sub)[fixed.slot - 1];
            selector.index = fixed.position;
            selector.fixed = true;
            if (main)
                SetMainWeaponReport(l, fixed.slot, fixed.reportName);
            else
                SetSubWeaponReport(l, fixed.slot, fixed.reportName);
        }
        choice.mmLoaded = lists.showF1Button;
    }
    finishVtSelection(l);
    for (auto* group : {&choice.main, &choice.sub})
        for (WeaponSelectorChoice& selector : *group)
            if (!selector.fixed && !selector.items.isEmpty())
                selector.index = 0;
    RecomputeLoadout(l, {choice.vt, PartUnarmed, PartUnarmed});
    return choice;
}

} // namespace vantor

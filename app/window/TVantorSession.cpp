// The loadout as the window shows it, for the clipboard, the code, the
// picture and the comparison, and picks made back into the window as a user
// makes them (a paste, a found loadout, a loadout code).

#include "app/window/TVantor.h"

#include "app/desktop/Paths.h"
#include "equipment/OptionalParts.h"
#include "model/Text.h"
#include "reports/LoadoutCode.h"
#include "reports/LoadoutPicture.h"
#include "reports/LoadoutText.h"
#include "reports/Reports.h"

#include <QDir>
#include <QScopedValueRollback>
#include <QStandardPaths>

using vantor::WeaponKind;

// The picks as a user makes them: the VT, its fuel tanks, each part and its
// level, then the weapons; a fixed weapon is already in place.
// The report keeps the level last picked for a slot, also once another part
// is picked and its level selector reads "Set Level" again ("Additional Mount
// Level 2" with no bonus of level 2). As shown, such a part has no level yet.
vantor::Loadout TVantor::loadoutAsShown() const {
    vantor::Loadout shown = loadout;
    for (int slot = 1; slot <= 2; ++slot) {
        const vantor::SlotFacts facts = selection->partFacts(slot);
        if (!facts.levelEnabled || facts.levelSet)
            continue;
        (slot == 1 ? shown.Part1LevelText : shown.Part2LevelText).clear();
        const vantor::OptionalPart* part = vantor::optionalPart(facts.partIndex);
        vantor::SetPartReport(shown, slot,
                              part ? vantor::toQString(part->name) : QStringLiteral("N/A"), true);
    }
    return shown;
}

vantor::LoadoutPicks TVantor::picksAsShown() const {
    const std::array<bool, 6> fixed = selection->fixedWeaponSlots();
    std::array<vantor::WeaponPick, 6> weapons;
    for (int i = 0; i < 6; ++i) {
        const WeaponKind kind = i < 3 ? WeaponKind::Main : WeaponKind::Sub;
        const bool locked = fixed[std::size_t(i)];
        weapons[std::size_t(i)] = {locked ? selection->heldWeapon(kind, i % 3 + 1)
                                          : selection->weapon(kind, i % 3 + 1),
                                   locked};
    }
    return vantor::picksAsShown(loadout, selection->fuel(),
                                {selection->partFacts(1), selection->partFacts(2)}, weapons);
}

void TVantor::pickPart(int slot, int part, int level) {
    selection->select(vantor::partSelector(slot), part);
    OPSelectChange(slot);
    if (level == vantor::NotPicked)
        return;
    selection->select(vantor::levelSelector(slot), level);
    OPLSelectChange(slot);
}

// Choosing a VT leaves each level selector open or closed as it was, and the
// record keeps the level last picked in a slot. Where the picks need another
// state for a slot that sees no part picked, it is made as a user makes it:
// a level picked (for Additional Mount), the selector opened by that part or
// closed by Unarmed, and the VT chosen again.
void TVantor::prepareLevelSelectors(const vantor::LoadoutPicks& picks) {
    bool again = false;
    for (int slot = 1; slot <= 2; ++slot) {
        const vantor::PartPick& part = picks.parts[slot - 1];
        if (part.part != vantor::NotPicked || !part.levelOpen)
            continue;
        const QString& held = slot == 1 ? loadout.Part1LevelText : loadout.Part2LevelText;
        const bool level = part.earlierLevel != vantor::NotPicked &&
                           held != QString::number(part.earlierLevel + 1);
        if (!level && *part.levelOpen == selection->partFacts(slot).levelEnabled)
            continue;
        if (level)
            pickPart(slot, vantor::PartAdditionalMount, part.earlierLevel);
        if (!*part.levelOpen)
            pickPart(slot, vantor::PartUnarmed, vantor::NotPicked);
        else if (!level)
            pickPart(slot, vantor::PartAdditionalMount, vantor::NotPicked);
        again = true;
    }
    if (!again)
        return;
    selection->select(vantor::Selector::Vt, picks.vt);
    VTSelectChange();
}

// The loadout as "Copy Loadout" writes it, with the VT's picture as the
// picture view shows it; a picture that cannot be read leaves its place
// empty, having been reported when the VT was chosen.
QImage TVantor::loadoutPicture() {
    QImage vt;
    if (loadout.VTIndex >= 0 && loadout.VTIndex < vantor::VtCount)
        vt = pictures.load(vtPictureFile(loadout.VTIndex), ResultViews::PictureSize)
                 .pixmap.toImage();
    return vantor::loadoutPicture(loadoutAsShown(), vt);
}

QString TVantor::choosePictureFile(const QString& startAt) {
    const QString name = loadout.VTReportText + QStringLiteral(".png");
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return platform->saveFileName(this, QStringLiteral("Save Picture"),
                                  startAt.isEmpty() ? QDir(folder).filePath(name) : startAt,
                                  QStringLiteral("PNG pictures (*.png)"), QStringLiteral("png"));
}

bool TVantor::agreesToSave(const QString& question) {
    return platform->ask(this, QStringLiteral("Save Picture"), question);
}

void TVantor::applyPicks(const vantor::LoadoutPicks& picks) {
    using vantor::Selector;
    // The picks go through the handlers one by one, as the user would make
    // them, so that every list is filtered as it would be; the loadout is
    // shown once, when all are made.
    QScopedValueRollback hold(holdLoadoutDisplay, true);
    // The record keeps the level last picked in each slot, across VT choices
    // too, and no pick clears it: the picks start from none, as in a fresh
    // window, and make the levels the loadout holds, whatever was picked here
    // before.
    loadout.Part1LevelText.clear();
    loadout.Part2LevelText.clear();
    selection->select(Selector::Vt, picks.vt);
    VTSelectChange();
    prepareLevelSelectors(picks);
    if (picks.fuel != vantor::NotPicked) {
        selection->select(Selector::Fuel, picks.fuel);
        FTSelectChange();
    }
    for (int slot = 1; slot <= 2; ++slot) {
        const vantor::PartPick& part = picks.parts[slot - 1];
        if (part.part == vantor::NotPicked) {
            // A level over Unarmed, in the selector the VT's choice left open.
            if (part.level != vantor::NotPicked) {
                selection->select(vantor::levelSelector(slot), part.level);
                OPLSelectChange(slot);
            }
            continue;
        }
        // The level the record keeps: picked for this part, whose bonus
        // stays when it is picked again, or for Additional Mount, whose
        // maximum bonus any part clears.
        if (part.earlierLevel != vantor::NotPicked)
            pickPart(slot, part.keepBonus ? part.part : vantor::PartAdditionalMount,
                     part.earlierLevel);
        selection->select(vantor::partSelector(slot), part.part);
        OPSelectChange(slot);
        if (part.level == vantor::NotPicked)
            continue;
        // A level over Unarmed was picked in a level selector that an earlier
        // part had opened and choosing the VT left open, reading "N/A".
        if (part.part == vantor::PartUnarmed)
            selection->showLevel(slot, vantor::NotAvailable, true);
        selection->select(vantor::levelSelector(slot), part.level);
        OPLSelectChange(slot);
    }
    for (WeaponKind kind : {WeaponKind::Main, WeaponKind::Sub})
        for (int slot = 1; slot <= 3; ++slot) {
            const vantor::WeaponPick& weapon =
                (kind == WeaponKind::Main ? picks.main : picks.sub)[slot - 1];
            if (weapon.fixed || weapon.item == vantor::NotPicked)
                continue;
            selection->select(vantor::weaponSelector(kind, slot), weapon.item);
            weaponSelectChange(kind, slot);
        }
    if (picks.mmLaunched)
        F1ButtonClick();
    holdLoadoutDisplay = false;
    showLoadout();
}

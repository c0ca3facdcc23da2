// The handlers of the loadout: choosing a VT, weapons, optional parts and
// fuel tanks, the MM launch, the reports; and a pasted loadout picked as a
// user would pick it. Each reads the picks, calls a step of the core on the
// loadout record and hands the result to the areas that show it.

#include "app/window/TVantor.h"

#include "app/desktop/Paths.h"
#include "app/tools/CatalogueWindow.h"
#include "app/tools/CompareWindow.h"
#include "app/tools/FinderWindow.h"
#include "app/tools/GuideWindow.h"
#include "core/Preview.h"
#include "core/VtChoice.h"
#include "equipment/FuelTanks.h"
#include "equipment/OptionalParts.h"
#include "factions/Factions.h"
#include "model/LoadoutDisplay.h"
#include "model/Recompute.h"
#include "model/Text.h"
#include "model/VtSelection.h"
#include "reports/LoadoutCode.h"
#include "reports/LoadoutPicture.h"
#include "reports/LoadoutText.h"
#include "reports/PageFile.h"
#include "reports/Reports.h"
#include "weapons/WeaponSelection.h"

#include <QDir>
#include <QScopedValueRollback>
#include <QStandardPaths>
#include <QUrl>

using vantor::WeaponKind;

void TVantor::VTSelectChange() {
    const vantor::VtChoice choice = vantor::chooseVt(loadout, selection->vt());
    selection->showVtChoice(choice);
    reports->setInternetPictures(false);
    views->setButtonsEnabled(choice.chosen());
    navigation->setAdvancedEnabled(choice.chosen());
    shownPicture = NoPicture; // every choice of a VT reads its picture afresh
    if (choice.faction) {
        showFaction(*choice.faction);
        views->showVtOrigin(choice.generation,
                            vantor::toQString(vantor::factionRecord(*choice.faction).name),
                            QColor::fromRgb(vantor::factionRecord(*choice.faction).colour));
    }
    chart->setCaptions(choice.rangeCaptions());
    chart->setVt(loadout.VTIndex);
    chart->setArmour(false);
    pushRanges();
    chart->allOff();
    RecomputeLoadout();
}

void TVantor::pushRanges() {
    const vantor::Loadout& l = loadout;
    chart->setRanges({{{l.MW1RangeMin, l.MW1RangeMax},
                       {l.MW2RangeMin, l.MW2RangeMax},
                       {l.MW3RangeMin, l.MW3RangeMax},
                       {l.SW1RangeMin, l.SW1RangeMax},
                       {l.SW2RangeMin, l.SW2RangeMax},
                       {l.SW3RangeMin, l.SW3RangeMax}}});
}

void TVantor::RecomputeLoadout() {
    vantor::RecomputeLoadout(loadout, {selection->vt(), selection->part(1), selection->part(2)});
    if (!holdLoadoutDisplay)
        showLoadout();
    else // the icon rules may leave an icon as an earlier pick drew it: they see every pick
        applyIconRules();
}

void TVantor::showLoadout() {
    views->show(vantor::displayOf(loadout));
    selection->showFixedWeaponButtons(
        {loadout.FixedMW2, loadout.FixedSW1, loadout.FixedSW2, loadout.FixedSW3});
    applyIconRules();
    LoadVTPicture();
    selection->refreshOpenPreviews();
}

void TVantor::LoadVTPicture() {
    if (loadout.VTIndex == shownPicture)
        return;
    shownPicture = loadout.VTIndex;
    views->showPicture(-1, {});
    if (loadout.VTIndex < 0 || loadout.VTIndex >= vantor::VtCount)
        return;
    const QString file = vtPictureFile(loadout.VTIndex);
    const PictureCache::Picture picture = pictures.load(file, ResultViews::PictureSize, true);
    if (picture.pixmap.isNull()) {
        if (picture.untold)
            guard.report(QStringLiteral("Cannot show the VT picture %1: %2.")
                             .arg(QDir::toNativeSeparators(file), picture.error));
        return;
    }
    views->showPicture(loadout.VTIndex, picture.pixmap);
}

void TVantor::showFaction(vantor::Faction faction) {
    const QString file = flagFile(faction);
    const PictureCache::Picture flag = pictures.load(file, InfoPages::FlagSize, true);
    if (flag.pixmap.isNull() && flag.untold)
        guard.report(QStringLiteral("Cannot show the faction flag %1: %2.")
                         .arg(QDir::toNativeSeparators(file), flag.error));
    info->showFaction(faction, flag.pixmap);
}

QString TVantor::flagFile(vantor::Faction faction) {
    return dataPath(vantor::toQString(vantor::factionRecord(faction).flagFile));
}

void TVantor::applyIconRules() {
    const vantor::IconDraws draws =
        vantor::iconRules(selection->partFacts(1), selection->partFacts(2));
    if (draws.slot1)
        selection->showPartIcon(1, *draws.slot1);
    if (draws.slot2)
        selection->showPartIcon(2, *draws.slot2);
}

void TVantor::weaponSelectChange(WeaponKind kind, int slot) {
    const int row = selection->weapon(kind, slot);
    const bool main = kind == WeaponKind::Main;
    // Typed text that names no weapon leaves the slot as it is.
    if (!(main ? vantor::selectMainWeapon(loadout, slot, row)
               : vantor::selectSubWeapon(loadout, slot, row)))
        return;
    showWeaponInfo(kind, slot, row);
    if (main)
        vantor::SumMainWeaponLoad(loadout);
    else
        vantor::SumSubWeaponLoad(loadout);
    RecomputeLoadout();
    // A slot's bar never shows a stale range: a new weapon switches it off
    // and names itself on the bar's button.
    pushRanges();
    chart->setSlotWeapon((main ? 0 : 3) + slot - 1, selection->weaponItemText(kind, slot, row));
}

void TVantor::showWeaponInfo(WeaponKind kind, int slot, int row) {
    const bool main = kind == WeaponKind::Main;
    const auto weapon = main ? vantor::ShowMainWeaponInfo(loadout, slot, row)
                             : vantor::ShowSubWeaponInfo(loadout, slot, row);
    if (!weapon)
        return;
    info->showWeapon(*weapon);
    if (!weapon->report)
        return;
    if (main)
        vantor::SetMainWeaponReport(loadout, slot, weapon->name);
    else
        vantor::SetSubWeaponReport(loadout, slot, weapon->name);
}

// A fixed selector keeps its weapon as current item, also while it reads
// "MM Launched", so the "?" buttons show the weapon the slot holds.
void TVantor::FixedWeaponButtonClick(WeaponKind kind, int slot) {
    showWeaponInfo(kind, slot, selection->heldWeapon(kind, slot));
    pushRanges();
    ShowWeaponInfoPage();
}

void TVantor::F1ButtonClick() {
    vantor::launchMM(loadout);
    selection->showMmLaunched();
    RecomputeLoadout();
}

void TVantor::OPSelectChange(int slot) {
    const int part = selection->part(slot);
    const vantor::PartChoice choice = vantor::choosePart(loadout, slot, part);
    info->showPartBonus(choice.bonusText, choice.amountText);
    // The distance-modifier outline, if shown, follows the armour at once.
    chart->setArmour(selection->part(1) == vantor::PartAdvancedArmour ||
                     selection->part(2) == vantor::PartAdvancedArmour);
    selection->showPartIcon(slot, choice.icon);
    selection->showLevel(slot, choice.levelText, choice.levelEnabled);
    ShowOptionalPart(slot);
    RecomputeLoadout();
}

void TVantor::OPLSelectChange(int slot) {
    const vantor::LevelChoice choice =
        vantor::chooseLevel(loadout, slot, selection->part(slot), selection->level(slot));
    info->showPartBonus(std::nullopt, choice.amountText);
    selection->showPartIcon(slot, choice.icon);
    ShowOptionalPart(slot);
    RecomputeLoadout();
}

void TVantor::ShowOptionalPart(int slot) {
    const vantor::PartInfo part =
        vantor::ShowOptionalPart(loadout, slot, selection->part(slot), selection->level(slot));
    info->showPart(part);
    vantor::SetPartReport(loadout, slot, part.name, selection->partFacts(slot).levelEnabled);
}

void TVantor::FTSelectChange() {
    const vantor::FuelChoice choice = vantor::chooseFuelTank(loadout, selection->fuel());
    if (choice.reportText)
        vantor::SetFuelReport(loadout, *choice.reportText);
    if (choice.icon)
        selection->showFuelIcon(*choice.icon);
    RecomputeLoadout();
}

void TVantor::showPreviews(vantor::Selector selector) {
    // Asked for while a list opens, outside any handler: an error ends here.
    guard.run([this, selector] {
        const vantor::SelectorFacts facts = selection->pickFacts();
        std::vector<vantor::PickPreview> previews;
        previews.reserve(std::size_t(selection->itemCount(selector)));
        for (int item = 0; item < selection->itemCount(selector); ++item)
            previews.push_back(vantor::previewPick(loadout, facts, {selector, item}));
        selection->showPreviews(selector, previews);
    });
}

void TVantor::BrowseCatalogue() {
    if (!catalogue) {
        catalogue = new CatalogueWindow(this, guard);
        session->commands().shareShortcutsWith(catalogue);
        connect(catalogue, &CatalogueWindow::vtPicked, this, [this](int vt) {
            guard.run([this, vt] { pickFromCatalogue(vantor::Selector::Vt, vt); });
        });
        connect(catalogue, &CatalogueWindow::weaponPicked, this,
                [this](vantor::Selector selector, int item) {
                    guard.run([this, selector, item] { pickFromCatalogue(selector, item); });
                });
    }
    // Shown as it is now before it opens; from then on it follows every step.
    catalogue->showLoadout(loadout, selection->pickFacts(),
                           {selection->weaponItemCounts(), selection->fixedWeaponSlots()});
    catalogue->present();
}

void TVantor::showComparison() {
    if (!compare) {
        compare = new CompareWindow(this, guard);
        session->commands().shareShortcutsWith(compare);
        connect(compare, &CompareWindow::swapRequested, session, &SessionController::swap);
    }
    refreshComparison();
    compare->present();
}

void TVantor::refreshComparison() {
    if (!compare)
        return;
    compare->showRows(session->comparisonRows());
    const std::optional<SessionState>& pinned = session->pinnedState();
    compare->showRanges(pinned ? std::optional(pinned->chart) : std::nullopt, chart->state());
}

void TVantor::showFinder() {
    if (!finder) {
        finder = new FinderWindow(this, guard);
        session->commands().shareShortcutsWith(finder);
        connect(finder, &FinderWindow::loadoutPicked, this, &TVantor::pickFoundLoadout);
        connect(finder, &FinderWindow::loadoutPinned, this, &TVantor::pinFoundLoadout);
    }
    // It opens with the answer for the loadout as it is now.
    finder->showLoadout(selection->currentPicks(), loadout, selection->weaponItemCounts());
    finder->present();
}

void TVantor::updateFinder() {
    if (finder && finder->isVisible())
        finder->showLoadout(selection->currentPicks(), loadout, selection->weaponItemCounts());
}

void TVantor::pickFoundLoadout(const vantor::LoadoutPicks& picks) {
    session->step(QStringLiteral("Pick Found Loadout"), [this, &picks] { applyPicks(picks); });
}

// The found loadout is built in the window, taken as it shows, and the window
// goes back to what it showed, with no step in the history.
void TVantor::pinFoundLoadout(const vantor::LoadoutPicks& picks) {
    const SessionState before = captureState();
    applyPicks(picks);
    SessionState found = captureState();
    restoreState(before);
    session->pinState(std::move(found));
}

void TVantor::showGuide() {
    if (!guide)
        guide = new GuideWindow(this);
    guide->present();
}

void TVantor::updateCatalogue() {
    if (catalogue && catalogue->isVisible())
        catalogue->showLoadout(loadout, selection->pickFacts(),
                               {selection->weaponItemCounts(), selection->fixedWeaponSlots()});
}

// A pick from the catalogue is the pick of that item in its selector, as one
// step, exactly as the user makes it there.
void TVantor::pickFromCatalogue(vantor::Selector selector, int item) {
    selection->select(selector, item);
    if (selector == vantor::Selector::Vt) {
        session->selectorStep(selector, [this] { VTSelectChange(); });
        return;
    }
    const vantor::WeaponSlot weapon = vantor::weaponSlotOf(selector);
    session->selectorStep(selector,
                          [this, weapon] { weaponSelectChange(weapon.kind, weapon.slot); });
}

void TVantor::HtmlGenerateButtonClick() {
    reports->showHtml(vantor::htmlPageLines(loadout));
}

void TVantor::SpeedButton6Click() {
    QString folderProblem;
    const QString file =
        QDir(pageFolder(&folderProblem)).filePath(QStringLiteral("VantorVTConfig.html"));
    if (!folderProblem.isEmpty()) {
        guard.report(vantor::pageFailure(file, folderProblem));
        return;
    }
    if (const auto error = vantor::writePageFile(file, reports->htmlText())) {
        guard.report(*error);
        return;
    }
    platform->openUrl(QUrl::fromLocalFile(file));
}

void TVantor::VTImageRadioGroupClick() {
    vantor::SetVTReport(loadout, loadout.VTReportText,
                        {reports->internetPictures(), selection->vt()});
}

void TVantor::ForumGenerateButtonClick() {
    vantor::BuildForumLines(loadout);
    reports->showForumCode(vantor::forumLines(loadout));
}

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

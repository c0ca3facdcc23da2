// The handlers of the loadout: choosing a VT, weapons, optional parts and
// fuel tanks, the MM launch, the reports. Each reads the picks, calls a step
// of the core on the loadout record and hands the result to the areas that
// show it. (Picks made back into the window: TVantorSession.cpp; the tool
// windows: TVantorTools.cpp.)

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

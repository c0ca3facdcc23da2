// Weapons, optional parts and fuel tanks: the user's picks in the equipment
// selectors.

#include "app/Selectors.h"
#include "app/TVantor.h"
#include "equipment/FuelTanks.h"
#include "equipment/OptionalParts.h"
#include "model/Recompute.h"
#include "model/VtSelection.h"
#include "reports/Reports.h"
#include "weapons/WeaponSelection.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// The slot a weapon selector serves, found by its name; 0 for no slot.
int weaponSlot(const QComboBox* selector, const char* prefix) {
    for (int slot = 1; slot <= 3; ++slot)
        if (selector->objectName() == QLatin1String(prefix) + QString::number(slot))
            return slot;
    return 0;
}

} // namespace

void TVantor::MWSelectChange(int slot) {
    QComboBox* selector = MWSelect[slot - 1];
    const int row = selectedItem(selector);
    // Typed text that names no weapon leaves the slot as it is.
    if (!vantor::selectMainWeapon(state, slot, row))
        return;
    ShowMainWeaponInfo(selector, row);
    vantor::SumMainWeaponLoad(state);
    RecomputeLoadout();
    resetRangeBar(slot - 1, selector->itemText(row));
}

void TVantor::SWSelectChange(int slot) {
    QComboBox* selector = SWSelect[slot - 1];
    const int row = selectedItem(selector);
    if (!vantor::selectSubWeapon(state, slot, row))
        return;
    ShowSubWeaponInfo(selector, row);
    vantor::SumSubWeaponLoad(state);
    RecomputeLoadout();
    resetRangeBar(slot + 2, selector->itemText(row));
}

// A slot's bar never shows a stale range: a new weapon switches it off and
// names itself on the bar's button.
void TVantor::resetRangeBar(int button, const QString& weapon) {
    if (!rangeBars[barOfButton(button)]->isHidden())
        RangeButtonClick(button);
    setRangeButtonCaption(button, weapon);
    rangeBars[barOfButton(button)]->hide();
}

void TVantor::restoreHeldItem(QComboBox* selector) {
    if (selector->isEnabled() && selectedItem(selector) < 0 && selector->currentIndex() >= 0)
        selector->setEditText(selector->itemText(selector->currentIndex()));
}

void TVantor::showWeaponInfo(const vantor::WeaponInfo& info) {
    WeaponInfoRichEdit->clear();
    WeaponNameLabel->setText(info.name);
    QLabel* const figures[] = {DamageLabel, RangeLabel, AmmoLabel, ClipLabel, GuidedLabel};
    for (std::size_t i = 0; i < info.figures.size(); ++i)
        figures[i]->setText(info.figures[i]);
    WeaponInfoRichEdit->appendPlainText(info.description);
    WeaponWeightLabel->setText(info.weight);
}

void TVantor::ShowMainWeaponInfo(QComboBox* selector, int row) {
    const int slot = weaponSlot(selector, "MWSelect");
    const auto info = vantor::ShowMainWeaponInfo(state, slot, row);
    if (!info)
        return;
    showWeaponInfo(*info);
    if (info->report)
        vantor::SetMainWeaponReport(state, slot, WeaponNameLabel->text());
}

void TVantor::ShowSubWeaponInfo(QComboBox* selector, int row) {
    const int slot = weaponSlot(selector, "SWSelect");
    const auto info = vantor::ShowSubWeaponInfo(state, slot, row);
    if (!info)
        return;
    showWeaponInfo(*info);
    if (info->report)
        vantor::SetSubWeaponReport(state, slot, WeaponNameLabel->text());
}

// A fixed selector keeps its weapon as current item, also while it reads
// "MM Launched", so the "?" buttons show the weapon the slot holds.
void TVantor::FixedMW2ButtonClick() {
    ShowMainWeaponInfo(MWSelect[1], MWSelect[1]->currentIndex());
    ShowWeaponInfoPage();
}

void TVantor::FixedSWButtonClick(int slot) {
    ShowSubWeaponInfo(SWSelect[slot - 1], SWSelect[slot - 1]->currentIndex());
    ShowWeaponInfoPage();
}

void TVantor::F1ButtonClick() {
    F1Button->hide();
    vantor::launchMM(state);
    SWSelect[1]->setEditText(QStringLiteral("MM Launched"));
    RecomputeLoadout();
}

void TVantor::OPSelectChange(int slot) {
    QComboBox* part = slot == 1 ? OPSelect1 : OPSelect2;
    QComboBox* level = slot == 1 ? OPLSelect1 : OPLSelect2;
    const int k = selectedItem(part);
    const vantor::PartChoice choice = vantor::choosePart(state, slot, k);
    if (choice.bonusText)
        BonusLabel->setText(*choice.bonusText);
    if (choice.amountText)
        AmountLabel->setText(*choice.amountText);
    // Toggling twice keeps the distance-modifier display as it was, redrawn
    // for the new part ("Advanced Armour" moves the front edge).
    RangeDistanceModifierButtonClick();
    RangeDistanceModifierButtonClick();
    drawIcon(slot == 1 ? Op1Image : Op2Image, choice.icon);
    showNoItemText(level, choice.levelText);
    level->setEnabled(choice.levelEnabled && part->isEnabled());
    ShowOptionalPart(slot);
    RecomputeLoadout();
}

void TVantor::OPLSelectChange(int slot) {
    QComboBox* part = slot == 1 ? OPSelect1 : OPSelect2;
    QComboBox* level = slot == 1 ? OPLSelect1 : OPLSelect2;
    const vantor::LevelChoice choice =
        vantor::chooseLevel(state, slot, selectedItem(part), selectedItem(level));
    if (choice.amountText)
        AmountLabel->setText(*choice.amountText);
    drawIcon(slot == 1 ? Op1Image : Op2Image, choice.icon);
    ShowOptionalPart(slot);
    RecomputeLoadout();
}

void TVantor::ShowOptionalPart(int slot) {
    QComboBox* part = slot == 1 ? OPSelect1 : OPSelect2;
    QComboBox* level = slot == 1 ? OPLSelect1 : OPLSelect2;
    const vantor::PartInfo info =
        vantor::ShowOptionalPart(state, slot, selectedItem(part), selectedItem(level));
    PartInfoRichEdit->clear();
    PartNameLabel->setText(info.name);
    Level1Label->setText(info.levelAvailability[0]);
    Level2Label->setText(info.levelAvailability[1]);
    Level3Label->setText(info.levelAvailability[2]);
    UnitLabel->setText(info.unitAvailability);
    vantor::SetPartReport(state, slot, PartNameLabel->text(), level->isEnabled());
    PartInfoRichEdit->appendPlainText(info.description);
}

void TVantor::FTSelectChange() {
    const vantor::FuelChoice choice = vantor::chooseFuelTank(state, selectedItem(FTSelect));
    if (choice.reportText)
        vantor::SetFuelReport(state, *choice.reportText);
    if (choice.icon)
        drawIcon(FuelTankImage, *choice.icon);
    RecomputeLoadout();
}

// Choosing a VT and showing what the recomputation derives.

#include "app/Palette.h"
#include "app/Paths.h"
#include "app/Selectors.h"
#include "app/TVantor.h"
#include "controls/Cgauges.h"
#include "equipment/FuelTanks.h"
#include "equipment/IconRules.h"
#include "model/LoadoutDisplay.h"
#include "model/Recompute.h"
#include "model/VtSelection.h"
#include "reports/Reports.h"
#include "weapons/WeaponLists.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

void setBold(QLabel* label, bool bold) {
    if (label->font().bold() == bold)
        return;
    QFont f = label->font();
    f.setBold(bold);
    label->setFont(f);
}

} // namespace

void TVantor::VTSelectChange() {
    // Wipe the previous loadout.
    vantor::resetForVtSelection(state);
    VTStandardLoadLabel->setText(QStringLiteral("0"));
    VTDurabilityLabel->setText(QStringLiteral("0"));
    F1Button->hide();
    if (FTSelect->count() > 0)
        selectItem(FTSelect, 0);
    drawIcon(FuelTankImage, 0);
    selectItem(OPSelect1, 0);
    selectItem(OPSelect2, 0);
    showNoItemText(OPLSelect1, QStringLiteral("N/A"));
    showNoItemText(OPLSelect2, QStringLiteral("N/A"));
    resetReports();
    state.VTIndex = selectedItem(VTSelect);
    shownPicture = NoPicture; // every choice of a VT reads its picture afresh

    if (state.VTIndex >= 0 && state.VTIndex < vantor::VtCount) {
        const vantor::VtEntry& vt = vantor::vtEntry(state.VTIndex);
        PrepareSelectors(true);
        showFaction(vt.faction);
        vantor::SetVTReport(state, text(vt.reportName), pictureSource());
        vantor::loadVtFigures(state, state.VTIndex);
        GenerationLabel->setText(text(vt.generation));
        FTSelect->addItems(vantor::fuelTankItems(state.FuelTankSlots));
        showNoItemText(FTSelect, QStringLiteral("Fuel"));
        installWeapons(state.VTIndex);
    } else {
        PrepareSelectors(false);
    }

    vantor::finishVtSelection(state);
    const std::pair<QComboBox*, bool> firstItems[] = {
        {MWSelect[0], false},          {MWSelect[1], state.FixedMW2}, {MWSelect[2], false},
        {SWSelect[0], state.FixedSW1}, {SWSelect[1], state.FixedSW2}, {SWSelect[2], state.FixedSW3},
    };
    for (auto [selector, fixed] : firstItems)
        if (!fixed && selector->count() > 0)
            selectItem(selector, 0);
    for (int bar = 0; bar < 6; ++bar) {
        QComboBox* selector = bar < 3 ? MWSelect[bar] : SWSelect[bar - 3];
        setRangeButtonCaption(bar, selector->currentIndex() >= 0
                                       ? selector->itemText(selector->currentIndex())
                                       : QString());
    }
    RangeAllOffButtonClick();
    RecomputeLoadout();
}

void TVantor::installWeapons(int vt) {
    vantor::WeaponSelectors lists = vantor::buildWeaponSelectors(state, vt);
    for (int i = 0; i < 3; ++i) {
        MWSelect[i]->addItems(lists.main[i]);
        SWSelect[i]->addItems(lists.sub[i]);
    }
    // Fixed weapons: shown, reported and locked; their slots stay at load 0.
    for (const auto& fixed : lists.fixedMounts) {
        const bool main = fixed.kind == vantor::WeaponKind::Main;
        QComboBox* selector = main ? MWSelect[fixed.slot - 1] : SWSelect[fixed.slot - 1];
        selectItem(selector, fixed.position);
        if (main)
            vantor::SetMainWeaponReport(state, fixed.slot, fixed.reportName);
        else
            vantor::SetSubWeaponReport(state, fixed.slot, fixed.reportName);
        selector->setEnabled(false);
    }
    F1Button->setVisible(lists.showF1Button);
}

void TVantor::PrepareSelectors(bool enabled) {
    for (QWidget* w : {static_cast<QWidget*>(FTSelect), static_cast<QWidget*>(OPSelect1),
                       static_cast<QWidget*>(OPSelect2)})
        w->setEnabled(enabled);
    for (int i = 0; i < 3; ++i) {
        MWSelect[i]->setEnabled(enabled);
        SWSelect[i]->setEnabled(enabled);
        MWSelect[i]->clear();
        SWSelect[i]->clear();
    }
    FTSelect->clear();
    showNoItemText(FTSelect, QStringLiteral("Fuel"));
    for (QPushButton* b :
         {AdvFunctionButton, LoadoutButton, StatsButton, RankButton, GraphButton, ImageButton})
        b->setEnabled(enabled);
    vantor::clearWeaponColumns(state);
}

void TVantor::RecomputeLoadout() {
    vantor::RecomputeLoadout(
        state, {selectedItem(VTSelect), selectedItem(OPSelect1), selectedItem(OPSelect2)});
    showLoadout(vantor::displayOf(state));
    applyIconRules();
    LoadVTPicture();
}

void TVantor::showLoadout(const vantor::LoadoutDisplay& display) {
    if (valueLabels.isEmpty()) {
        for (QLabel* label : findChildren<QLabel*>())
            if (!label->objectName().isEmpty())
                valueLabels.insert(label->objectName(), label);
    }
    const auto label = [this](std::string_view name) { return valueLabels.value(text(name)); };

    Label9->setText(display.statusText);
    setColour(Label9, QPalette::WindowText, display.statusColour);

    for (const auto& value : display.values)
        label(value.objectName)->setText(value.text);
    for (const auto& mark : display.bold)
        setBold(label(mark.objectName), mark.bold);

    for (const auto& rank : display.ranks) {
        QLabel* l = label(rank.objectName);
        l->setText(rank.text);
        l->resize(vantor::RankLabelWidth, l->height());
        if (rank.band) {
            setColour(l, QPalette::Window, vantor::rankBackground(*rank.band));
            setColour(l, QPalette::WindowText, vantor::rankFontColour(*rank.band));
            l->setAutoFillBackground(true);
        } else if (l->autoFillBackground()) {
            l->setPalette(QPalette());
            l->setAutoFillBackground(false);
        }
    }
    for (std::size_t i = 0; i < display.gauges.size(); ++i)
        gauges[i]->SetProgress(display.gauges[i].progress);

    FixedMW2Button->setVisible(state.FixedMW2);
    FixedSWButton[0]->setVisible(state.FixedSW1);
    FixedSWButton[1]->setVisible(state.FixedSW2);
    FixedSWButton[2]->setVisible(state.FixedSW3);
}

void TVantor::LoadVTPicture() {
    if (state.VTIndex == shownPicture)
        return;
    shownPicture = state.VTIndex;
    VTImage->clear();
    if (state.VTIndex < 0 || state.VTIndex >= vantor::VtCount)
        return;
    const QString file =
        dataFile(QStringLiteral("Images"), QStringLiteral("%1.bmp").arg(state.VTIndex));
    const PictureCache::Picture picture = pictures.load(file, VTImage->size());
    if (picture.pixmap.isNull()) {
        showError(QStringLiteral("Cannot show the VT picture %1: %2.")
                      .arg(QDir::toNativeSeparators(file), picture.error));
        return;
    }
    VTImage->setPixmap(picture.pixmap);
}

void TVantor::applyIconRules() {
    const auto facts = [](QComboBox* part, QComboBox* level) {
        return vantor::SlotFacts{selectedItem(part), selectedItem(level),
                                 level->currentText() != QLatin1String("Set Level"),
                                 level->isEnabled()};
    };
    const vantor::IconDraws draws =
        vantor::iconRules(facts(OPSelect1, OPLSelect1), facts(OPSelect2, OPLSelect2));
    if (draws.slot1)
        drawIcon(Op1Image, *draws.slot1);
    if (draws.slot2)
        drawIcon(Op2Image, *draws.slot2);
}

void TVantor::drawIcon(QLabel* image, int picture) {
    if (picture >= 0 && picture < int(opImageList.size()))
        image->setPixmap(opImageList[picture]);
}

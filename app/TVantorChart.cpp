// The weapon range chart and the faction intel page.

#include "app/Palette.h"
#include "app/Paths.h"
#include "app/Selectors.h"
#include "app/TVantor.h"
#include "equipment/OptionalParts.h"
#include "factions/Factions.h"
#include "rangechart/RangeChart.h"
#include "weapons/WeaponCatalogue.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// The chart picture lies 10 pixels in from the group's left edge and 16 down.
constexpr QPoint ChartOrigin(10, 16);

void styleToggle(QPushButton* button, bool on, QColor colour) {
    setColour(button, QPalette::ButtonText, on ? colour : QColor(Qt::black));
    if (button->font().bold() != on) {
        QFont f = button->font();
        f.setBold(on);
        button->setFont(f);
    }
    button->setFlat(on);
}

void placeLabel(QLabel* label, const vantor::PlacedLabel& placed) {
    label->move(ChartOrigin + placed.topLeft);
    setColour(label, QPalette::WindowText, QColor::fromRgb(placed.colour));
}

} // namespace

void TVantor::fillRangeWeaponSelect() {
    for (const auto& weapon : vantor::comparisonWeapons())
        RangeWeaponSelect->addItem(
            QString::fromUtf8(weapon.ListText.data(), qsizetype(weapon.ListText.size())));
    selectItem(RangeWeaponSelect, 0);
    for (QLabel* label : {FDMLabel, SDMLabel, RDMLabel, SHLDMLabel}) {
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
        QPalette p = label->palette();
        p.setColor(QPalette::Window, Qt::black);
        label->setPalette(p);
    }
    for (int bar = 0; bar < int(rangeBars.size()); ++bar) {
        QPalette p = rangeBars[bar]->palette();
        p.setColor(QPalette::Window, QColor::fromRgb(vantor::RangeBars[bar].colour));
        rangeBars[bar]->setPalette(p);
    }
}

void TVantor::setRangeButtonCaption(int button, const QString& caption) {
    rangeButtons[button]->setText(caption);
}

void TVantor::RangeButtonClick(int button) {
    const int bar = barOfButton(button);
    QLabel* overlay = rangeBars[bar];
    if (!overlay->isHidden()) {
        overlay->hide();
        styleToggle(rangeButtons[button], false, {});
        return;
    }
    const std::pair<std::int32_t, std::int32_t> ranges[] = {
        {state.MW1RangeMin, state.MW1RangeMax}, {state.MW2RangeMin, state.MW2RangeMax},
        {state.MW3RangeMin, state.MW3RangeMax}, {state.SW1RangeMin, state.SW1RangeMax},
        {state.SW2RangeMin, state.SW2RangeMax}, {state.SW3RangeMin, state.SW3RangeMax},
    };
    const auto [min, max] = ranges[button];
    styleToggle(rangeButtons[button], true, QColor::fromRgb(vantor::RangeBars[bar].colour));
    const auto geometry = vantor::rangeBar(min, max, vantor::RangeBars[bar].row);
    overlay->setGeometry(geometry.rect().translated(ChartOrigin));
    overlay->show();
}

void TVantor::RangeWeaponSelectChange() {
    const int item = selectedItem(RangeWeaponSelect);
    // Typed text that names no weapon leaves the comparison as it is.
    if (item < 0)
        return;
    QLabel* overlay = rangeBars[vantor::BarCompare];
    if (item == 0) {
        overlay->hide();
        return;
    }
    const auto weapon = vantor::comparisonWeapons()[std::size_t(item)];
    const auto geometry = vantor::rangeBar(weapon.MinRange, weapon.MaxRange,
                                           vantor::RangeBars[vantor::BarCompare].row);
    overlay->setGeometry(geometry.rect().translated(ChartOrigin));
    overlay->show();
}

bool TVantor::distanceModifiersShown() const {
    return RangeDistanceModifierButton->isFlat();
}

void TVantor::restoreRangePicture() {
    // The chart is read from Images/Range.bmp the first time it is needed and
    // kept: erasing the outline then restores it exactly, without the disk.
    if (pristineRange.isNull()) {
        const QString file = dataFile(QStringLiteral("Images"), QStringLiteral("Range.bmp"));
        const PictureCache::Image read = PictureCache::read(file, RangeImage->size());
        pristineRange = read.image.convertToFormat(QImage::Format_RGB32);
        if (pristineRange.isNull()) {
            pristineRange = builtInRange;
            showError(QStringLiteral("Cannot read the range chart %1: %2. The chart built into "
                                     "the program is shown instead.")
                          .arg(QDir::toNativeSeparators(file), read.error));
        }
    }
    if (rangePicture.cacheKey() == pristineRange.cacheKey())
        return; // no outline drawn since
    rangePicture = pristineRange;
    if (pristineRangePixmap.isNull())
        pristineRangePixmap = QPixmap::fromImage(pristineRange);
    RangeImage->setPixmap(pristineRangePixmap);
}

void TVantor::RangeDistanceModifierButtonClick() {
    if (distanceModifiersShown()) {
        restoreRangePicture();
        styleToggle(RangeDistanceModifierButton, false, {});
        for (QLabel* label : {FDMLabel, SDMLabel, RDMLabel, SHLDMLabel})
            label->hide();
        return;
    }
    styleToggle(RangeDistanceModifierButton, true, QColor::fromRgb(vantor::ModifierRed));
    const bool armour = selectedItem(OPSelect1) == vantor::PartAdvancedArmour ||
                        selectedItem(OPSelect2) == vantor::PartAdvancedArmour;
    const auto outline = vantor::distanceModifierOutline(state.VTIndex, armour);
    vantor::drawDistanceModifierOutline(rangePicture, outline);
    RangeImage->setPixmap(QPixmap::fromImage(rangePicture));

    const auto texts = vantor::modifierLabelTexts(outline);
    const std::pair<QLabel*, const vantor::PlacedLabel*> labels[] = {{FDMLabel, &texts.front},
                                                                     {SDMLabel, &texts.side},
                                                                     {RDMLabel, &texts.rear},
                                                                     {SHLDMLabel, &texts.shield}};
    for (auto [label, placed] : labels) {
        label->setText(placed->text);
        label->adjustSize();
    }
    const auto placed = vantor::placeModifierLabels(outline, FDMLabel->size(), SDMLabel->size(),
                                                    RDMLabel->size(), SHLDMLabel->size());
    placeLabel(FDMLabel, placed.front);
    placeLabel(SDMLabel, placed.side);
    placeLabel(RDMLabel, placed.rear);
    placeLabel(SHLDMLabel, placed.shield);
    SHLDMLabel->setVisible(placed.shield.visible);
    for (QLabel* label : {FDMLabel, SDMLabel, RDMLabel}) {
        label->show();
        label->raise();
    }
}

void TVantor::RangeAllOnButtonClick() {
    for (int button = 0; button < 6; ++button)
        rangeBars[barOfButton(button)]->hide();
    RangeDistanceModifierButton->setFlat(false);
    for (int button = 0; button < 6; ++button)
        RangeButtonClick(button);
    RangeDistanceModifierButtonClick();
}

void TVantor::RangeAllOffButtonClick() {
    for (int button = 0; button < 6; ++button)
        rangeBars[barOfButton(button)]->show();
    RangeDistanceModifierButton->setFlat(true);
    for (int button = 0; button < 6; ++button)
        RangeButtonClick(button);
    RangeDistanceModifierButtonClick();
    selectItem(RangeWeaponSelect, 0);
    rangeBars[vantor::BarCompare]->hide();
}

void TVantor::showFaction(vantor::Faction faction) {
    const vantor::FactionRecord& record = vantor::factionRecord(faction);
    FactionLabel->setText(QString::fromUtf8(record.name.data(), qsizetype(record.name.size())));
    setColour(FactionLabel, QPalette::WindowText, QColor::fromRgb(record.colour));

    const QString file =
        dataPath(QString::fromUtf8(record.flagFile.data(), qsizetype(record.flagFile.size())));
    const PictureCache::Picture flag = pictures.load(file, FactionImage->size());
    if (flag.pixmap.isNull()) {
        FactionImage->clear();
        showError(QStringLiteral("Cannot show the faction flag %1: %2.")
                      .arg(QDir::toNativeSeparators(file), flag.error));
    } else {
        FactionImage->setPixmap(flag.pixmap);
    }
    intelFaction = faction;
    if (MiscGroup->isVisible())
        showFactionIntel();
}

// Laying out the intel is the costliest part of choosing a VT, so the box is
// filled when it is seen, and only when the faction changed.
void TVantor::showFactionIntel() {
    if (!intelFaction || shownIntel == intelFaction)
        return;
    FactionRichEdit->clear();
    FactionRichEdit->appendPlainText(vantor::factionIntelText(*intelFaction));
    shownIntel = intelFaction;
}

void TVantor::FactionButtonClick() {
    if (FactionButton->text() == QLatin1String("Show Faction Info")) {
        IconKeyGroup->hide();
        showFactionIntel();
        MiscGroup->show();
        FactionButton->setText(QStringLiteral("Show Icon Key"));
    } else {
        IconKeyGroup->show();
        MiscGroup->hide();
        FactionButton->setText(QStringLiteral("Show Faction Info"));
    }
}

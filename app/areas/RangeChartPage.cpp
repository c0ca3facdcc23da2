#include "app/areas/RangeChartPage.h"

#include "app/areas/Palette.h"
#include "app/areas/Selectors.h"
#include "app/areas/ToggleButton.h"
#include "app/areas/Widgets.h"
#include "app/desktop/Accessibility.h"
#include "app/desktop/HandlerGuard.h"
#include "app/desktop/ResourcePictures.h"
#include "model/Text.h"
#include "rangechart/RangeChart.h"
#include "weapons/WeaponCatalogue.h"

#include <QAccessible>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace vantor;

namespace {

// The chart picture lies 10 pixels in from the group's left edge and 16 down.
constexpr QPoint ChartOrigin(10, 16);

QRect barRect(int bar, int min, int max) {
    return rangeBar(min, max, RangeBars[bar].row).rect().translated(ChartOrigin);
}

// What each bar stands for, in the chart's order.
const char* const BarSlots[] = {"Main weapon 1",     "Main weapon 2", "Main weapon 3",
                                "Comparison weapon", "Sub-weapon 1",  "Sub-weapon 2",
                                "Sub-weapon 3"};

const char* const ModifierCaptions[] = {"Front distance modifier:", "Side distance modifier:",
                                        "Rear distance modifier:", "Shield distance modifier:"};

// A switched-on button reads bold in its bar's colour and lies flat.
void styleToggle(ToggleButton* button, bool on, QColor colour) {
    setColour(button, QPalette::ButtonText, on ? colour : QColor(Qt::black));
    setBold(button, on);
    button->setOn(on);
}

} // namespace

RangeChartPage::RangeChartPage(QWidget* groups_, QWidget* panels_, HandlerGuard& guard_,
                               std::function<QImage()> loadChart_, QObject* owner)
    : QObject(owner), loadChart(std::move(loadChart_)), groups(groups_), panels(panels_),
      guard(guard_) {
    current.captions.fill(QStringLiteral("Unarmed"));
    current.compareText = toQString(comparisonWeapons()[0].ListText);
}

void RangeChartPage::build() {
    if (built())
        return;
    group = makeGroup(groups, "RangeGroup", QStringLiteral("Weapons Range"), PageGroupRect);
    picture = makeImage(group, "RangeImage", QRect(ChartOrigin, ChartSize));
    picture->setAccessibleName(QStringLiteral("Weapons Range chart"));
    builtInChart =
        builtInImage(QStringLiteral(":/art/Range.bmp")).convertToFormat(QImage::Format_RGB32);

    for (int i = 0; i < int(bars.size()); ++i) {
        bars[i] = makeImage(group, RangeBars[i].labelName,
                            QRect(ChartOrigin.x() + ChartOriginX, ChartOrigin.y(), 0, BarHeight));
        bars[i]->setAutoFillBackground(true);
        setColour(bars[i], QPalette::Window, QColor::fromRgb(RangeBars[i].colour));
        bars[i]->hide();
    }
    static const char* const labelNames[] = {"FDMLabel", "SDMLabel", "RDMLabel", "SHLDMLabel"};
    for (int i = 0; i < 4; ++i) {
        QLabel* label = makeLabel(group, labelNames[i], QString(), ChartOrigin);
        label->setAutoFillBackground(true);
        label->setFont(boldFont(label));
        setColour(label, QPalette::Window, Qt::black);
        announceWithCaption(label, QLatin1String(ModifierCaptions[i]));
        label->hide();
        modifierLabels[i] = label;
    }

    panel = makePanel(panels, "RangePanel", "Weapon Range Info", PagePanelRect);
    allOnButton =
        makeButton(panel, "RangeAllOnButton", QStringLiteral("All On"), QRect(20, 7, 52, 17));
    allOffButton =
        makeButton(panel, "RangeAllOffButton", QStringLiteral("All Off"), QRect(73, 7, 52, 17));
    allOnButton->setToolTip(
        QStringLiteral("Shows the range bars of all six weapon slots and the distance modifiers."));
    allOffButton->setToolTip(QStringLiteral("Hides every range bar and the distance modifiers, and "
                                            "sets the comparison weapon back to Unarmed."));
    const int buttonY[] = {24, 42, 60, 99, 117, 135};
    const char* const slotNames[] = {"main weapon 1", "main weapon 2", "main weapon 3",
                                     "sub-weapon 1",  "sub-weapon 2",  "sub-weapon 3"};
    for (int i = 0; i < 6; ++i) {
        buttons[i] = makeToggleButton(panel, RangeBars[barOfSlot(i)].controlName,
                                      current.captions[i], QRect(20, buttonY[i], 105, 17));
        buttons[i]->setToolTip(
            QStringLiteral("Shows or hides the range bar of %1.").arg(QLatin1String(slotNames[i])));
        guard.connect(buttons[i], &QPushButton::clicked, this, [this, i] { toggleBar(i); });
    }
    QStringList weapons;
    for (const auto& weapon : comparisonWeapons())
        weapons << toQString(weapon.ListText);
    compareSelect = makeSelector(panel, "RangeWeaponSelect", QPoint(21, 77), 104, weapons, {});
    nameSelector(compareSelect, QStringLiteral("Comparison weapon"));
    compareSelect->setCurrentIndex(current.compareIndex);
    compareSelect->setEditText(current.compareText);
    outlineButton = makeToggleButton(panel, "RangeDistanceModifierButton",
                                     QStringLiteral("Distance Modifier"), QRect(20, 152, 105, 17));
    outlineButton->setToolTip(
        QStringLiteral("Shows or hides the VT's distance modifiers: the outline and its figures."));
    group->hide();
    panel->hide();

    guard.connect(allOnButton, &QPushButton::clicked, this, [this] { allOn(); });
    guard.connect(allOffButton, &QPushButton::clicked, this, [this] { allOff(); });
    guard.connect(outlineButton, &QPushButton::clicked, this, [this] { toggleOutline(); });
    connectSelectorPicks(compareSelect, guard, this, [this] { compareWeaponPicked(); });
    render();
}

const QImage& RangeChartPage::chart() {
    // The chart is read from disk the first time it is needed and kept, so
    // that erasing the outline restores it exactly without the disk.
    if (!current.chartFromFile)
        return builtInChart;
    if (fileChart.isNull()) {
        fileChart = loadChart();
        if (fileChart.isNull())
            fileChart = builtInChart;
    }
    return fileChart;
}

void RangeChartPage::setRanges(const std::array<Range, 6>& ranges) {
    current.ranges = ranges;
}

void RangeChartPage::setCaptions(const std::array<QString, 6>& captions) {
    current.captions = captions;
    if (built())
        for (int i = 0; i < 6; ++i)
            buttons[i]->setText(captions[i]);
}

void RangeChartPage::setSlotWeapon(int button, const QString& caption) {
    current.bars[barOfSlot(button)].reset();
    current.captions[button] = caption;
    if (built())
        buttons[button]->setText(caption);
    renderBars();
}

void RangeChartPage::setVt(int vt) {
    current.vt = vt;
}

void RangeChartPage::setArmour(bool armour) {
    current.armour = armour;
    if (current.outline) {
        current.outline = Outline{current.vt, armour};
        renderOutline();
    }
}

void RangeChartPage::toggleBar(int button) {
    std::optional<QRect>& bar = current.bars[barOfSlot(button)];
    if (bar)
        bar.reset();
    else
        bar = barRect(barOfSlot(button), current.ranges[button].min, current.ranges[button].max);
    renderBars();
}

void RangeChartPage::compareWeaponPicked() {
    const int item = selectedItem(compareSelect);
    current.compareText = compareSelect->currentText();
    // Typed text that names no weapon leaves the comparison as it is.
    if (item < 0)
        return;
    current.compareIndex = item;
    std::optional<QRect>& bar = current.bars[BarCompare];
    if (item == 0) {
        bar.reset();
    } else {
        const ComparisonWeapon weapon = comparisonWeapons()[std::size_t(item)];
        bar = barRect(BarCompare, weapon.MinRange, weapon.MaxRange);
    }
    renderBars();
}

void RangeChartPage::toggleOutline() {
    if (current.outline) {
        current.outline.reset();
        // Switching the outline off shows the chart as read from disk.
        current.chartFromFile = true;
    } else {
        current.outline = Outline{current.vt, current.armour};
    }
    renderOutline();
}

void RangeChartPage::allOn() {
    for (int button = 0; button < 6; ++button)
        current.bars[barOfSlot(button)] =
            barRect(barOfSlot(button), current.ranges[button].min, current.ranges[button].max);
    current.outline = Outline{current.vt, current.armour};
    renderBars();
    renderOutline();
}

void RangeChartPage::allOff() {
    current.bars.fill(std::nullopt);
    current.outline.reset();
    current.chartFromFile = true;
    current.compareIndex = 0;
    current.compareText = toQString(comparisonWeapons()[0].ListText);
    if (built())
        selectItem(compareSelect, 0);
    renderBars();
    renderOutline();
}

void RangeChartPage::setState(const State& s) {
    current = s;
    if (!built())
        return;
    for (int i = 0; i < 6; ++i)
        buttons[i]->setText(s.captions[i]);
    if (compareSelect->currentIndex() != s.compareIndex)
        compareSelect->setCurrentIndex(s.compareIndex);
    if (compareSelect->currentText() != s.compareText)
        compareSelect->setEditText(s.compareText);
    render();
}

void RangeChartPage::render() {
    renderBars();
    renderOutline();
}

void RangeChartPage::renderBars() {
    if (!built())
        return;
    for (int bar = 0; bar < int(bars.size()); ++bar) {
        const std::optional<QRect>& rect = current.bars[bar];
        if (rect)
            bars[bar]->setGeometry(*rect);
        bars[bar]->setVisible(rect.has_value());
    }
    for (int button = 0; button < 6; ++button) {
        const int bar = barOfSlot(button);
        styleToggle(buttons[button], current.bars[bar].has_value(),
                    QColor::fromRgb(RangeBars[bar].colour));
    }
    describeChart();
}

// The chart as text for those who cannot see it: each bar in sight with its
// weapon and range, then the distance modifiers in sight with what they are.
void RangeChartPage::describeChart() {
    QStringList lines;
    for (int bar = 0; bar < int(bars.size()); ++bar) {
        if (!current.bars[bar])
            continue;
        QString weapon;
        Range range;
        if (bar == BarCompare) {
            const ComparisonWeapon w = comparisonWeapons()[std::size_t(current.compareIndex)];
            weapon = toQString(w.ListText);
            range = {w.MinRange, w.MaxRange};
        } else {
            const int button = bar < BarCompare ? bar : bar - 1;
            weapon = current.captions[button];
            range = current.ranges[button];
        }
        const QString line = QStringLiteral("%1, %2: range %3 to %4 m")
                                 .arg(QLatin1String(BarSlots[bar]), weapon)
                                 .arg(range.min)
                                 .arg(range.max);
        bars[bar]->setAccessibleName(line);
        lines << line;
    }
    for (QLabel* label : modifierLabels)
        if (label->isVisibleTo(group))
            lines << QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
    const QString text =
        lines.isEmpty() ? QStringLiteral("No range bars shown.") : lines.join(QStringLiteral("; "));
    if (picture->accessibleDescription() != text)
        picture->setAccessibleDescription(text);
}

void RangeChartPage::renderOutline() {
    if (!built())
        return;
    styleToggle(outlineButton, current.outline.has_value(), QColor::fromRgb(ModifierRed));
    const auto shown = std::make_pair(current.chartFromFile, current.outline);
    if (drawn == shown)
        return;
    drawn = shown;
    if (!current.outline) {
        picture->setPixmap(QPixmap::fromImage(chart()));
        for (QLabel* label : modifierLabels)
            label->hide();
        describeChart();
        return;
    }
    const ModifierOutline outline =
        distanceModifierOutline(current.outline->vt, current.outline->armour);
    QImage drawing = chart();
    drawDistanceModifierOutline(drawing, outline);
    picture->setPixmap(QPixmap::fromImage(drawing));

    const ModifierLabels texts = modifierLabelTexts(outline);
    const PlacedLabel* const placedTexts[] = {&texts.front, &texts.side, &texts.rear,
                                              &texts.shield};
    for (int i = 0; i < 4; ++i) {
        modifierLabels[i]->setText(placedTexts[i]->text);
        modifierLabels[i]->adjustSize();
    }
    const ModifierLabels placed =
        placeModifierLabels(outline, modifierLabels[0]->size(), modifierLabels[1]->size(),
                            modifierLabels[2]->size(), modifierLabels[3]->size());
    const PlacedLabel* const places[] = {&placed.front, &placed.side, &placed.rear, &placed.shield};
    for (int i = 0; i < 4; ++i) {
        QLabel* label = modifierLabels[i];
        label->move(ChartOrigin + places[i]->topLeft);
        setColour(label, QPalette::WindowText, QColor::fromRgb(places[i]->colour));
        if (i < 3) {
            label->show();
            label->raise();
        } else {
            label->setVisible(places[i]->visible);
        }
    }
    describeChart();
}

void RangeChartPage::hidePages(Page except) {
    if (built() && except != Page::Range) {
        group->hide();
        panel->hide();
    }
}

void RangeChartPage::showPage(Page page) {
    if (page == Page::Range) {
        build();
        group->show();
        panel->show();
    }
}

QList<QWidget*> RangeChartPage::tabOrder() const {
    if (!built())
        return {};
    return {allOnButton,   allOffButton, buttons[0], buttons[1], buttons[2],
            compareSelect, buttons[3],   buttons[4], buttons[5], outlineButton};
}

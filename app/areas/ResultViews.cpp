#include "app/areas/ResultViews.h"

#include "app/areas/Palette.h"
#include "app/areas/ToggleButton.h"
#include "app/areas/Widgets.h"
#include "app/desktop/Accessibility.h"
#include "app/desktop/HandlerGuard.h"
#include "controls/Cgauges.h"
#include "model/Text.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace vantor;

namespace {

QLabel* valueLabel(QWidget* group, ValueLabel value, QPoint captionAt, int valueLeft, int width) {
    auto* c = makeLabel(group, nullptr, toQString(ValueCaptions[value]), captionAt);
    auto* label = makeLabel(group, ValueLabelNames[value].data(), NotAvailable,
                            QPoint(valueLeft, captionAt.y()), width);
    announceWithCaption(label, c->text());
    return label;
}

void resetColours(QLabel* label) {
    if (label->autoFillBackground() || label->testAttribute(Qt::WA_SetPalette)) {
        label->setPalette(QPalette());
        label->setAutoFillBackground(false);
    }
}

} // namespace

ResultViews::ResultViews(QWidget* parent, HandlerGuard& guard, QObject* owner) : QObject(owner) {
    static const char* const names[] = {"LoadoutButton", "StatsButton", "RankButton", "GraphButton",
                                        "ImageButton"};
    static const char* const captions[] = {"LoadOut", "Stats", "Ranks", "Graphs", "Image"};
    for (int i = 0; i < 5; ++i) {
        buttons[i] = makeToggleButton(parent, names[i], QString::fromLatin1(captions[i]),
                                      QRect(5 + 50 * i, 12, 50, 17));
        buttons[i]->setEnabled(false);
        guard.connect(buttons[i], &QPushButton::clicked, this, [this, i] { showView(i); });
    }
    // The picture lies under the four groups; the load data group covers it at start.
    picture = makeImage(parent, "VTImage", QRect(QPoint(5, 45), PictureSize));
    picture->setAccessibleName(QStringLiteral("VT picture"));
    buildLoadoutGroup(parent);
    views[4] = picture;
    buttons[0]->setOn(true);
}

// The statistics, rankings and gauges lie under the load data until their
// buttons are clicked; they are built when first needed.
void ResultViews::buildHiddenViews() {
    if (views[1])
        return;
    QWidget* parent = views[0]->parentWidget();
    buildStatsGroup(parent);
    buildRankGroup(parent);
    buildGraphGroup(parent);
    for (int i = 1; i < 4; ++i)
        views[i]->hide();
    renderFigures();
    renderOrigin();
}

void ResultViews::buildLoadoutGroup(QWidget* parent) {
    auto* group =
        makeGroup(parent, "LoadoutGroup", QStringLiteral("Loadout Data"), QRect(5, 40, 249, 248));
    const ValueLabel rows[] = {
        ValueStandardLoad,  ValueMaximumLoad,   ValueFuelTankLoad, ValueMainWeaponLoad,
        ValueSubWeaponLoad, ValueStandardBonus, ValueMaximumBonus, ValueTotalLoad,
    };
    int y = 20;
    for (ValueLabel value : rows) {
        values[value] = valueLabel(group, value, QPoint(8, y), 200, 45);
        y += 24;
    }
    status = makeLabel(group, "Label9", NotAvailable, QPoint(2, y - 2), 245, 20);
    status->setFont(boldFont(status, 16));
    status->setAlignment(Qt::AlignCenter);
    announceWithCaption(status, QStringLiteral("Load status:"));
    views[0] = group;
}

void ResultViews::buildStatsGroup(QWidget* parent) {
    auto* group =
        makeGroup(parent, "StatsGroup", QStringLiteral("Statistics"), QRect(5, 40, 249, 248));
    const ValueLabel rows[] = {
        ValueMaximumSpeed, ValueDurability,     ValueBalancer,     ValueTurnSpeed,  ValueVeering,
        ValueTorque,       ValueFuelEfficiency, ValueAvailability, ValueSupplyCost, ValueSortieCost,
    };
    int y = 20;
    for (ValueLabel value : rows) {
        values[value] = valueLabel(group, value, QPoint(8, y), 195, 50);
        y += 20;
    }
    generation = makeLabel(group, "GenerationLabel", NotAvailable, QPoint(8, y), 60, 16);
    generation->setFont(boldFont(generation));
    faction = makeLabel(group, "FactionLabel", NotAvailable, QPoint(91, y), 150, 18);
    faction->setFont(boldFont(faction, 16));
    faction->setAlignment(Qt::AlignCenter);
    announceWithCaption(generation, QStringLiteral("Generation:"));
    announceWithCaption(faction, QStringLiteral("Faction:"));
    views[1] = group;
}

namespace {

// The captions of the eleven ranked figures, beside their ranks and their
// gauges alike (in the order of RankIndex, which the gauges share).
const char* const FigureCaptions[RankCount] = {
    "Standard Capacity:", "Maximum Capacity:", "Speed:",
    "Durability:",        "Balancer:",         "Turn:",
    "Veering:",           "Torque:",           "Fuel Efficiency:",
    "Supply Cost:",       "Sortie Cost:",
};
static_assert(RankCount == GaugeCount);

} // namespace

void ResultViews::buildRankGroup(QWidget* parent) {
    auto* group = makeGroup(parent, "RankGroup", QStringLiteral("Rankings (out of 31)"),
                            QRect(5, 40, 249, 248));
    for (int i = 0; i < RankCount; ++i) {
        const int y = 20 + 20 * i;
        auto* c = makeLabel(group, nullptr, QString::fromLatin1(FigureCaptions[i]), QPoint(8, y));
        ranks[i] = makeLabel(group, RankLabelNames[i].data(), NotAvailable, QPoint(195, y),
                             RankLabelWidth);
        announceWithCaption(ranks[i], c->text());
    }
    views[2] = group;
}

void ResultViews::buildGraphGroup(QWidget* parent) {
    auto* group = makeGroup(parent, "GraphGroup", QStringLiteral("Graphs"), QRect(5, 40, 249, 248));
    // Loads in silver, costs in navy, the rest in black.
    const QColor silver(0xC0, 0xC0, 0xC0);
    const QColor navy(0, 0, 0x80);
    for (int i = 0; i < GaugeCount; ++i) {
        const GaugeRange& range = GaugeRanges[i];
        const int y = 20 + 20 * i;
        makeLabel(group, nullptr, QString::fromLatin1(FigureCaptions[i]), QPoint(8, y));
        auto* g = new TCGauge(group);
        g->setObjectName(toQString(range.objectName));
        g->setAccessibleName(QString::fromLatin1(FigureCaptions[i]).remove(QLatin1Char(':')));
        g->setGeometry(110, y, 129, 14);
        // Stored order: minimum before maximum, progress last.
        g->SetForeColor(i < 2 ? silver : i >= 9 ? navy : QColor(Qt::black));
        g->SetMinValue(range.minimum);
        g->SetMaxValue(range.maximum);
        g->SetProgress(range.minimum);
        gauges[i] = g;
    }
    views[3] = group;
}

void ResultViews::showView(int view) {
    buildHiddenViews();
    for (int i = 0; i < 5; ++i) {
        if (i == view)
            continue;
        buttons[i]->setOn(false);
        views[i]->hide();
    }
    buttons[view]->setOn(true);
    views[view]->show();
    views[view]->raise();
}

void ResultViews::show(const LoadoutDisplay& display) {
    current.display = display;
    renderFigures();
}

// Every figure the views show, with the tip that explains it, from the
// display, or "N/A" without one; only the views built so far.
void ResultViews::renderFigures() {
    const LoadoutDisplay* d = current.display ? &*current.display : nullptr;
    const QString statusText = d ? d->statusText : NotAvailable;
    if (status->text() != statusText) {
        status->setText(statusText);
        announce(status, QAccessible::queryAccessibleInterface(status)->text(QAccessible::Name));
    }
    status->setToolTip(d ? d->statusTip : QString());
    if (d)
        setColour(status, QPalette::WindowText, d->statusColour);
    else
        resetColours(status);
    for (int i = 0; i < ValueLabelCount; ++i)
        if (values[i]) {
            values[i]->setText(d ? d->values[i].text : NotAvailable);
            values[i]->setToolTip(d ? d->values[i].tip : QString());
        }
    for (int i = 0; i < BoldLabelCount; ++i)
        if (QLabel* l = values[BoldValues[i]])
            setBold(l, d && d->bold[i].bold);
    for (int i = 0; i < RankCount; ++i) {
        QLabel* l = ranks[i];
        if (!l)
            continue;
        l->setText(d ? d->ranks[i].text : NotAvailable);
        l->setToolTip(d ? d->ranks[i].tip : QString());
        if (const auto band = d ? d->ranks[i].band : std::nullopt) {
            setColour(l, QPalette::Window, rankBackground(*band));
            setColour(l, QPalette::WindowText, rankFontColour(*band));
            l->setAutoFillBackground(true);
        } else {
            resetColours(l);
        }
    }
    for (int i = 0; i < GaugeCount; ++i)
        if (gauges[i]) {
            gauges[i]->SetProgress(d ? d->gauges[i].progress : GaugeRanges[i].minimum);
            gauges[i]->setToolTip(d ? d->gauges[i].tip : QString());
        }
}

void ResultViews::showPicture(int vt, const QPixmap& pixmap) {
    if (pixmap.isNull())
        picture->clear();
    else
        picture->setPixmap(pixmap);
    current.pictureVt = pixmap.isNull() ? -1 : vt;
}

void ResultViews::setButtonsEnabled(bool enabled) {
    for (ToggleButton* b : buttons)
        b->setEnabled(enabled);
    current.enabled = enabled;
}

void ResultViews::showVtOrigin(const QString& generationText, const QString& factionName,
                               const QColor& colour) {
    current.generation = generationText;
    current.faction = factionName;
    current.factionColour = colour;
    renderOrigin();
}

void ResultViews::renderOrigin() {
    if (!generation)
        return;
    const bool known = !current.faction.isEmpty();
    generation->setText(known ? current.generation : NotAvailable);
    faction->setText(known ? current.faction : NotAvailable);
    if (known)
        setColour(faction, QPalette::WindowText, current.factionColour);
    else
        resetColours(faction);
}

void ResultViews::setState(const State& s, const std::function<QPixmap(int vt)>& pictureOf) {
    current.display = s.display;
    renderFigures();
    if (s.pictureVt != current.pictureVt) {
        showPicture(s.pictureVt, s.pictureVt < 0 ? QPixmap() : pictureOf(s.pictureVt));
        // The state says whose picture it is, even should it be unreadable now.
        current.pictureVt = s.pictureVt;
    }
    setButtonsEnabled(s.enabled);
    showVtOrigin(s.generation, s.faction, s.factionColour);
}

QList<QWidget*> ResultViews::tabOrder() const {
    return QList<QWidget*>(buttons.begin(), buttons.end());
}

bool operator==(const ResultViews::State& a, const ResultViews::State& b) {
    return a.display == b.display && a.pictureVt == b.pictureVt && a.enabled == b.enabled &&
           a.generation == b.generation && a.faction == b.faction &&
           a.factionColour == b.factionColour;
}

#include "app/tools/CompareRangeChart.h"

#include "app/desktop/Accessibility.h"

#include "model/Text.h"
#include "weapons/WeaponCatalogue.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QToolTip>

#include <algorithm>

using namespace vantor;

namespace {

// The marker as a slider: the distance is its value, what reaches it the
// value's text, and the same as read-only text for readers that take a value
// as a number only.
class ChartAccessible final : public AccessibleValueWidget, public ReadOnlyAccessibleText {
public:
    explicit ChartAccessible(CompareRangeChart* chart)
        : AccessibleValueWidget(chart, QAccessible::Slider) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return AccessibleValueWidget::interface_cast(t);
    }
    QString readText() const override { return chart()->markerText(); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return chart()->markerText();
        if (t == QAccessible::Description)
            return chart()->rangesText();
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return chart()->marker(); }
    void setCurrentValue(const QVariant& value) override { chart()->setMarker(value.toInt()); }
    QVariant maximumValue() const override { return ComparedAxisMetres; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return CompareRangeChart::SmallStep; }

private:
    CompareRangeChart* chart() const { return static_cast<CompareRangeChart*>(widget()); }
};

} // namespace

CompareRangeChart::CompareRangeChart(QWidget* parent) : QWidget(parent) {
    static const bool told = [] {
        addAccessibleInterface(CompareRangeChart::staticMetaObject, [](QWidget* chart) {
            return new ChartAccessible(static_cast<CompareRangeChart*>(chart));
        });
        return true;
    }();
    Q_UNUSED(told);
    setObjectName(QStringLiteral("CompareRangeChart"));
    setAccessibleName(QStringLiteral("Ranges of the pinned and current loadout"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    relayout();
}

void CompareRangeChart::setLoadouts(const std::optional<LoadoutRanges>& pinned_,
                                    const LoadoutRanges& current_) {
    if (pinned == pinned_ && current == current_)
        return;
    pinned = pinned_;
    current = current_;
    const QSize before = layoutNow.size;
    relayout();
    if (layoutNow.size != before)
        updateGeometry();
    update();
    QAccessibleEvent described(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
    markerChanged();
}

void CompareRangeChart::setMarker(int metres_) {
    metres_ = std::clamp(metres_, 0, ComparedAxisMetres);
    if (metres == metres_)
        return;
    metres = metres_;
    update();
    markerChanged();
}

void CompareRangeChart::markerChanged() {
    QAccessibleValueChangeEvent changed(this, metres);
    QAccessible::updateAccessibility(&changed);
    const QString text = markerText();
    tellTextChanged(this, toldText, text);
    toldText = text;
    if (QToolTip::isVisible() && underMouse())
        QToolTip::showText(QCursor::pos(), markerText(), this);
}

QString CompareRangeChart::markerText() const {
    return vantor::markerText(pinned, current, metres);
}

QString CompareRangeChart::rangesText() const {
    return describeRanges(pinned, current);
}

// On a small screen the window may squeeze the chart: it is then cut short
// at its right and bottom, as the table beside it scrolls.
QSize CompareRangeChart::minimumSizeHint() const {
    return {layoutNow.zeroX + ComparedTickMetres / ChartMetresPerPixel, layoutNow.top};
}

// The labels are as wide as the widest weapon's name, whatever the loadouts
// hold, so that the chart keeps its width from pick to pick.
void CompareRangeChart::relayout() {
    const QFontMetrics metrics = fontMetrics();
    labelWidth = metrics.horizontalAdvance(QStringLiteral("Unarmed"));
    for (const WeaponEntry& weapon : MainWeapons)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(toQString(weapon.ListText)));
    for (const WeaponEntry& weapon : SubWeapons)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(toQString(weapon.ListText)));
    layoutNow = compareRanges(pinned, current, labelWidth, metrics.height() + 2);
}

bool CompareRangeChart::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), markerText(), this);
        return true;
    }
    return QWidget::event(e);
}

void CompareRangeChart::changeEvent(QEvent* e) {
    if (e->type() == QEvent::FontChange) {
        relayout();
        updateGeometry();
    }
    QWidget::changeEvent(e);
}

void CompareRangeChart::keyPressEvent(QKeyEvent* e) {
    const int step = e->modifiers().testFlag(Qt::ShiftModifier) ? LargeStep : SmallStep;
    switch (e->key()) {
    case Qt::Key_Left:
        setMarker(metres - step);
        break;
    case Qt::Key_Right:
        setMarker(metres + step);
        break;
    case Qt::Key_PageUp:
        setMarker(metres + PageStep);
        break;
    case Qt::Key_PageDown:
        setMarker(metres - PageStep);
        break;
    case Qt::Key_Home:
        setMarker(0);
        break;
    case Qt::Key_End:
        setMarker(ComparedAxisMetres);
        break;
    default:
        QWidget::keyPressEvent(e);
    }
}

void CompareRangeChart::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        setMarker(layoutNow.metresAt(e->position().toPoint().x()));
    QWidget::mousePressEvent(e);
}

// Hovering moves the marker as dragging does: the tooltip then speaks of the
// distance under the mouse.
void CompareRangeChart::mouseMoveEvent(QMouseEvent* e) {
    setMarker(layoutNow.metresAt(e->position().toPoint().x()));
    QWidget::mouseMoveEvent(e);
}

void CompareRangeChart::paintEvent(QPaintEvent*) {
    const ComparedLayout& g = layoutNow;
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const QColor text = palette().color(QPalette::Text);
    painter.setPen(text);
    const int lineHeight = fontMetrics().height() + 2;

    // The legend: outlined for the pinned loadout, filled for the current one.
    painter.drawRect(g.pinnedKey.adjusted(0, 0, -1, -1));
    painter.fillRect(g.currentKey, text);
    const int legendTop = g.pinnedKey.center().y() - lineHeight / 2;
    painter.drawText(QRect(g.pinnedKey.right() + 5, legendTop,
                           g.currentKey.left() - g.pinnedKey.right(), lineHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Pinned"));
    painter.drawText(QRect(g.currentKey.right() + 5, legendTop, 80, lineHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Current"));
    painter.drawText(QRect(0, legendTop, g.xOf(ComparedAxisMetres), lineHeight),
                     Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1 m").arg(metres));

    for (const ComparedLine& line : g.lines) {
        painter.setPen(text);
        painter.drawText(line.labelRect, Qt::AlignRight | Qt::AlignVCenter, line.label);
        if (!line.bar)
            continue;
        const QColor colour = QColor::fromRgb(line.colour);
        if (line.pinned) {
            painter.setPen(colour);
            painter.drawRect(line.bar->adjusted(0, 0, -1, -1));
        } else {
            painter.fillRect(*line.bar, colour);
        }
    }
    painter.setPen(text);
    if (g.lines.isEmpty())
        painter.drawText(QRect(g.zeroX, g.top, g.xOf(ComparedAxisMetres) - g.zeroX, lineHeight),
                         Qt::AlignCenter, QStringLiteral("No weapon to show."));

    painter.drawLine(g.zeroX, g.bottom, g.xOf(ComparedAxisMetres), g.bottom);
    for (const AxisTick& tick : g.ticks) {
        painter.drawLine(tick.x, g.bottom, tick.x, g.bottom + 3);
        painter.drawText(QRect(tick.x - 30, g.bottom + 4, 60, lineHeight),
                         Qt::AlignHCenter | Qt::AlignTop, tick.text);
    }

    // The marker, with a handle above the lines so that it shows on the axis's ends too.
    const int x = g.xOf(metres);
    const QColor marker = palette().color(QPalette::Highlight);
    painter.fillRect(x, g.top - 2, 2, g.bottom + 4 - g.top, marker);
    painter.setPen(Qt::NoPen);
    painter.setBrush(marker);
    const QPoint handle[] = {{x - 4, g.top - 7}, {x + 5, g.top - 7}, {x + 1, g.top - 2}};
    painter.drawPolygon(handle, 3);

    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

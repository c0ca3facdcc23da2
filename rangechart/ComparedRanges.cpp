#include "rangechart/ComparedRanges.h"

#include <QStringList>

#include <algorithm>

namespace vantor {

namespace {

constexpr int Margin = 6;
constexpr int LabelGap = 6;
constexpr int SlotGap = 4;
constexpr int ComparedBarHeight = 8;
constexpr QSize KeySize{16, 8};
constexpr int KeySpacing = 100; // from the pinned sample to the current one
constexpr int TickRoom = 24;    // half the last tick's text, right of the axis

bool isMain(int slot) {
    return slot < 3;
}

// "430-SB, SL-GM", "355-SB, none of the sub-weapons": the weapons of one
// loadout that reach `metres`.
QString reaching(const LoadoutRanges& loadout, int metres) {
    QStringList main, sub;
    for (int slot = 0; slot < WeaponSlots; ++slot) {
        const SlotRange& s = loadout.weapons[slot];
        if (armed(s) && s.min <= metres && metres <= s.max)
            (isMain(slot) ? main : sub) << s.weapon;
    }
    if (main.isEmpty() && sub.isEmpty())
        return QStringLiteral("none of its weapons");
    if (main.isEmpty())
        main << QStringLiteral("none of the main weapons");
    if (sub.isEmpty())
        sub << QStringLiteral("none of the sub-weapons");
    return (main + sub).join(QStringLiteral(", "));
}

QString bars(const LoadoutRanges& loadout) {
    QStringList shown;
    for (const SlotRange& s : loadout.weapons)
        if (armed(s))
            shown << QStringLiteral("%1 %2 to %3 m").arg(s.weapon).arg(s.min).arg(s.max);
    return shown.isEmpty() ? QStringLiteral("no weapon") : shown.join(QStringLiteral(", "));
}

} // namespace

bool armed(const SlotRange& slot) {
    return slot.max > 0;
}

int frontModifier(const LoadoutRanges& loadout) {
    return distanceModifierOutline(loadout.vt, loadout.advancedArmour).front;
}

int ComparedLayout::xOf(int metres) const {
    return zeroX + chartX(metres) - ChartOriginX;
}

int ComparedLayout::metresAt(int x) const {
    return std::clamp((x - zeroX) * ChartMetresPerPixel, 0, ComparedAxisMetres);
}

ComparedLayout compareRanges(const std::optional<LoadoutRanges>& pinned,
                             const LoadoutRanges& current, int labelWidth, int lineHeight) {
    ComparedLayout layout;
    layout.zeroX = Margin + labelWidth + LabelGap;
    const int keyTop = Margin + (lineHeight - KeySize.height()) / 2;
    layout.pinnedKey = QRect(QPoint(layout.zeroX, keyTop), KeySize);
    layout.currentKey = layout.pinnedKey.translated(KeySpacing, 0);
    layout.top = Margin + lineHeight + SlotGap;

    int y = layout.top;
    for (int slot = 0; slot < WeaponSlots; ++slot) {
        const bool pinnedArmed = pinned && armed(pinned->weapons[slot]);
        if (!pinnedArmed && !armed(current.weapons[slot]))
            continue;
        const LoadoutRanges* sides[] = {pinned ? &*pinned : nullptr, &current};
        for (const LoadoutRanges* side : sides) {
            if (!side)
                continue;
            const SlotRange& s = side->weapons[slot];
            ComparedLine line;
            line.slot = slot;
            line.pinned = side != &current;
            line.label = armed(s) ? s.weapon : QStringLiteral("Unarmed");
            line.labelRect = QRect(Margin, y, labelWidth, lineHeight);
            line.colour = RangeBars[barOfSlot(slot)].colour;
            if (armed(s)) {
                QRect bar = rangeBar(s.min, s.max, y + (lineHeight - ComparedBarHeight) / 2)
                                .rect()
                                .translated(layout.zeroX - ChartOriginX, 0);
                bar.setHeight(ComparedBarHeight);
                line.bar = bar;
            }
            layout.lines << line;
            y += lineHeight;
        }
        y += SlotGap;
    }
    // With nothing to draw the axis leaves a line for saying so.
    layout.bottom = layout.lines.isEmpty() ? y + lineHeight : y;
    for (int m = 0; m <= ComparedAxisMetres; m += ComparedTickMetres)
        layout.ticks << AxisTick{layout.xOf(m), m == ComparedAxisMetres
                                                    ? QStringLiteral("%1 m").arg(m)
                                                    : QString::number(m)};
    layout.size = QSize(layout.xOf(ComparedAxisMetres) + TickRoom + Margin,
                        layout.bottom + SlotGap + lineHeight + Margin);
    return layout;
}

QString markerText(const std::optional<LoadoutRanges>& pinned, const LoadoutRanges& current,
                   int metres) {
    QString reach = QStringLiteral("current %1").arg(reaching(current, metres));
    QString armour = QStringLiteral("current front %1 m").arg(frontModifier(current));
    if (pinned) {
        reach = QStringLiteral("pinned %1; ").arg(reaching(*pinned, metres)) + reach;
        armour = QStringLiteral("pinned front %1 m, ").arg(frontModifier(*pinned)) + armour;
    }
    return QStringLiteral("At %1 m: %2. Armour distance modifiers: %3.")
        .arg(metres)
        .arg(reach, armour);
}

QString describeRanges(const std::optional<LoadoutRanges>& pinned, const LoadoutRanges& current) {
    QString text = QStringLiteral("Current: %1.").arg(bars(current));
    if (pinned)
        text = QStringLiteral("Pinned: %1. ").arg(bars(*pinned)) + text;
    return text;
}

} // namespace vantor

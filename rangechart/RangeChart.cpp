#include "rangechart/RangeChart.h"

#include "rangechart/DistanceModifiers.h"

#include <QImage>
#include <QPainter>
#include <QPen>

namespace vantor {

namespace {

constexpr int AdvancedArmourBonus = 200;

// Rows around which the outline and the labels are centred: the VT's
// silhouette sits on row 68, the box's top edge is centred on row 59.
constexpr int VtRow = 68;
constexpr int BoxCentre = 59;
constexpr int BoxBaseHeight = 17;
constexpr int RearBase = 52;
constexpr int LabelGap = 5;
constexpr int SideLabelLeft = 56;
constexpr int RearLabelRight = 47;

} // namespace

ModifierOutline distanceModifierOutline(int vtIndex, bool advancedArmour) {
    ModifierOutline o;
    if (vtIndex >= 0 && vtIndex < VtCount) {
        const DistanceModifier& m = DistanceModifiers[vtIndex];
        o.front = m.front;
        o.side = m.side;
        o.rear = m.rear;
        o.shield = m.shield;
    }
    // The Prominence M2's armour cannot take the extra plating.
    if (advancedArmour && vtIndex != ProminenceM2) {
        o.front += AdvancedArmourBonus;
        o.armourBonus = true;
    }

    const int sideHeight = o.side / 7;
    o.rearOffset = o.rear / 7;
    o.xF = chartX(o.front);
    o.yT = BoxCentre - sideHeight / 2;
    o.yB = o.yT + sideHeight + BoxBaseHeight;
    o.xR = RearBase - o.rearOffset;

    const QRgb frontColour = o.armourBonus ? ModifierMagenta : ModifierRed;
    o.segments = {
        {{o.xF, o.yT}, {o.xF, o.yB}, frontColour},
        {{o.xF, o.yB}, {o.xR, o.yB}, ModifierRed},
        {{o.xR, o.yB}, {o.xR, o.yT}, ModifierRed},
        {{o.xR, o.yT}, {o.xF, o.yT}, ModifierRed},
    };
    if (o.shield != 0) {
        // Measured from the VT like the front, whatever the armour adds.
        o.xH = o.xF + o.shield / 7 - o.front / 7;
        o.segments += {
            {{o.xF, o.yT}, {o.xH, o.yT}, ModifierMagenta},
            {{o.xH, o.yT}, {o.xH, o.yB}, ModifierMagenta},
            {{o.xH, o.yB}, {o.xF, o.yB}, ModifierMagenta},
        };
    }
    return o;
}

ModifierLabels modifierLabelTexts(const ModifierOutline& o) {
    return {
        {QString::number(o.front), {}, o.armourBonus ? ModifierMagenta : ModifierRed, true},
        {QString::number(o.side), {}, ModifierRed, true},
        {QString::number(o.rear), {}, ModifierRed, true},
        {QString::number(o.shield), {}, ModifierMagenta, o.shield != 0},
    };
}

ModifierLabels placeModifierLabels(const ModifierOutline& o, QSize front, QSize side, QSize rear,
                                   QSize shield) {
    ModifierLabels labels = modifierLabelTexts(o);

    labels.front.topLeft = {o.xF + LabelGap, VtRow - front.height() / 2};
    if (labels.shield.visible) {
        int left = o.xH + LabelGap;
        const int frontRight = labels.front.topLeft.x() + front.width();
        if (left < frontRight)
            left = frontRight + LabelGap;
        labels.shield.topLeft = {left, VtRow - shield.height() / 2};
    }
    labels.side.topLeft = {SideLabelLeft, o.yT - side.height() - LabelGap};
    // The rear label is centred like the front one, and right-aligned behind the box.
    labels.rear.topLeft = {RearLabelRight - o.rearOffset - rear.width(),
                           VtRow - front.height() / 2};
    return labels;
}

void drawDistanceModifierOutline(QImage& picture, const ModifierOutline& outline) {
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const OutlineSegment& s : outline.segments) {
        painter.setPen(QPen(QColor::fromRgb(s.colour), 2));
        painter.drawLine(s.from, s.to);
    }
}

} // namespace vantor

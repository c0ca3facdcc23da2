// The optional-part icons: a coloured badge with a white symbol (what the part
// improves) and a short tag on a pale plate beside it. Colours group the
// icons: amber for load, blue for the VT's figures, green for points, their
// own colour for the added features, brown for fuel. A small plus marks an
// increase.

#include "tools/imagegen/Art.h"
#include "tools/imagegen/ArtKit.h"

#include <QLinearGradient>
#include <QtMath>

#include <array>
#include <cmath>

namespace vantor::art {

namespace {

enum class Symbol {
    None,
    WeightCeiling,
    WeightPair,
    Balance,
    Shield,
    Battery,
    Star,
    Crate,
    Sortie,
    Armour,
    Radar,
    AntiShock,
    Rank,
    Heart,
    CaptureFlag,
    Weight,
    OneCan,
    TwoCans
};

struct IconDesign {
    Symbol symbol;
    const char* tag;
    QRgb colour;
    bool increase;
};

// clang-format off
constexpr std::array<IconDesign, OpIconCount> Designs{{
    {Symbol::None,          "",     0x000000, false}, // 0 no part
    {Symbol::WeightCeiling, "MAX",  0xd2801e, true},  // 1 maximum load
    {Symbol::WeightPair,    "S+M",  0xd2801e, true},  // 2 standard and maximum load
    {Symbol::Balance,       "BAL",  0x2e66aa, true},  // 3 balancer
    {Symbol::Shield,        "DUR",  0x2e66aa, true},  // 4 durability
    {Symbol::Battery,       "VEER", 0x2e66aa, true},  // 5 veering efficiency
    {Symbol::Star,          "CP",   0x2a8848, true},  // 6 combat points
    {Symbol::Crate,         "SUP",  0x2a8848, true},  // 7 supply points
    {Symbol::Sortie,        "SRT",  0x2a8848, true},  // 8 sortie points
    {Symbol::Armour,        "ARM",  0x5a6472, true},  // 9 distance modifier
    {Symbol::Radar,         "RDR",  0x148c96, false}, // 10 radar
    {Symbol::AntiShock,     "AS",   0xb43232, false}, // 11 anti-shock
    {Symbol::Rank,          "RANK", 0x283c78, false}, // 12 next pilot rank
    {Symbol::Heart,         "LIFE", 0xc43c64, false}, // 13 VT not lost
    {Symbol::CaptureFlag,   "CAP",  0x6e46a0, false}, // 14 faster base capture
    {Symbol::Weight,        "STD",  0xd2801e, true},  // 15 standard load alone
    {Symbol::OneCan,        "x1",   0x8c4a2a, false}, // 16 one extra fuel tank
    {Symbol::TwoCans,       "x2",   0x8c4a2a, false}, // 17 two extra fuel tanks
}};
// clang-format on

const QColor SymbolColour{255, 255, 255};
const QColor TagPlateColour{250, 250, 246};

QPainterPath poly(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPen stroke(qreal width) {
    return QPen(SymbolColour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A gym weight: a rounded trapezoid with a handle, centred on c.
void weight(QPainter& p, QPointF c, qreal s, const QColor& hole) {
    p.setPen(Qt::NoPen);
    p.setBrush(SymbolColour);
    p.drawPath(poly({{c.x() - s * 0.55, c.y() - s * 0.2},
                     {c.x() + s * 0.55, c.y() - s * 0.2},
                     {c.x() + s * 0.75, c.y() + s * 0.5},
                     {c.x() - s * 0.75, c.y() + s * 0.5}}));
    p.setPen(stroke(s * 0.16));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(c.x(), c.y() - s * 0.38), s * 0.26, s * 0.22);
    p.setPen(Qt::NoPen);
    p.setBrush(hole);
    p.drawRect(QRectF(c.x() - s * 0.3, c.y() + s * 0.1, s * 0.6, s * 0.12));
}

void arrowUp(QPainter& p, QPointF top, qreal length, qreal width) {
    p.setPen(stroke(width));
    p.drawLine(top + QPointF(0, width), top + QPointF(0, length));
    p.setPen(Qt::NoPen);
    p.setBrush(SymbolColour);
    p.drawPath(poly(
        {top, top + QPointF(width * 1.8, width * 2.2), top + QPointF(-width * 1.8, width * 2.2)}));
}

void fuelCan(QPainter& p, QPointF c, qreal s, const QColor& badge) {
    // A jerrycan: slanted shoulder, handle, spout, and a drop on its side.
    QPainterPath can;
    can.moveTo(c.x() - s * 0.42, c.y() - s * 0.3);
    can.lineTo(c.x() + s * 0.12, c.y() - s * 0.3);
    can.lineTo(c.x() + s * 0.42, c.y() - s * 0.05);
    can.lineTo(c.x() + s * 0.42, c.y() + s * 0.55);
    can.lineTo(c.x() - s * 0.42, c.y() + s * 0.55);
    can.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(SymbolColour);
    p.drawPath(can);
    p.drawPath(poly({{c.x() + s * 0.16, c.y() - s * 0.3},
                     {c.x() + s * 0.3, c.y() - s * 0.56},
                     {c.x() + s * 0.44, c.y() - s * 0.46},
                     {c.x() + s * 0.36, c.y() - s * 0.2}}));
    p.setPen(stroke(s * 0.1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(c.x() - s * 0.36, c.y() - s * 0.55, s * 0.38, s * 0.22), s * 0.08,
                      s * 0.08);
    QPainterPath drop;
    const QPointF d(c.x(), c.y() + s * 0.12);
    drop.moveTo(d + QPointF(0, -s * 0.26));
    drop.quadTo(d + QPointF(s * 0.2, s * 0.02), d + QPointF(s * 0.14, s * 0.14));
    drop.quadTo(d + QPointF(0, s * 0.3), d + QPointF(-s * 0.14, s * 0.14));
    drop.quadTo(d + QPointF(-s * 0.2, s * 0.02), d + QPointF(0, -s * 0.26));
    p.setPen(Qt::NoPen);
    p.setBrush(badge);
    p.drawPath(drop);
}

void drawSymbol(QPainter& p, Symbol symbol, QPointF c, const QColor& badge) {
    p.save();
    switch (symbol) {
    case Symbol::None:
        break;
    case Symbol::Weight:
        weight(p, c + QPointF(-4, 3), 16, badge);
        arrowUp(p, c + QPointF(9, -10), 17, 2.2);
        break;
    case Symbol::WeightCeiling:
        weight(p, c + QPointF(-4, 4), 15, badge);
        arrowUp(p, c + QPointF(9, -8), 16, 2.2);
        p.setPen(stroke(2.4));
        p.drawLine(c + QPointF(2, -12), c + QPointF(15, -12));
        break;
    case Symbol::WeightPair:
        weight(p, c + QPointF(-7, 5), 11, badge);
        weight(p, c + QPointF(5, 5), 11, badge);
        arrowUp(p, c + QPointF(-1, -13), 9, 2);
        break;
    case Symbol::Balance:
        p.setPen(Qt::NoPen);
        p.setBrush(SymbolColour);
        p.drawPath(poly({c + QPointF(0, 2), c + QPointF(6, 12), c + QPointF(-6, 12)}));
        p.setPen(stroke(2.4));
        p.drawLine(c + QPointF(-13, 1), c + QPointF(13, 1));
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(c.x() - 13, c.y() - 6, 7, 6), 1.5, 1.5);
        p.drawRoundedRect(QRectF(c.x() + 6, c.y() - 6, 7, 6), 1.5, 1.5);
        break;
    case Symbol::Shield: {
        QPainterPath shield;
        shield.moveTo(c + QPointF(0, -13));
        shield.quadTo(c + QPointF(6, -10), c + QPointF(11, -10));
        shield.quadTo(c + QPointF(11, 6), c + QPointF(0, 13));
        shield.quadTo(c + QPointF(-11, 6), c + QPointF(-11, -10));
        shield.quadTo(c + QPointF(-6, -10), c + QPointF(0, -13));
        p.setPen(Qt::NoPen);
        p.setBrush(SymbolColour);
        p.drawPath(shield);
        p.setPen(QPen(badge, 3, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(c + QPointF(0, -6), c + QPointF(0, 6));
        p.drawLine(c + QPointF(-6, 0), c + QPointF(6, 0));
        break;
    }
    case Symbol::Battery:
        p.setPen(stroke(2.2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(c.x() - 13, c.y() - 7, 23, 14), 2, 2);
        p.setPen(Qt::NoPen);
        p.setBrush(SymbolColour);
        p.drawRect(QRectF(c.x() + 10, c.y() - 3.5, 3.5, 7));
        p.drawPath(poly({c + QPointF(1, -6), c + QPointF(-6, 1), c + QPointF(-1, 1),
                         c + QPointF(-3, 6), c + QPointF(4, -1), c + QPointF(-1, -1)}));
        break;
    case Symbol::Star: {
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
            const qreal a = qDegreesToRadians(-90.0 + i * 36);
            const qreal r = i % 2 == 0 ? 13.5 : 5.5;
            const QPointF v = c + QPointF(std::cos(a) * r, std::sin(a) * r + 1);
            i == 0 ? star.moveTo(v) : star.lineTo(v);
        }
        star.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(SymbolColour);
        p.drawPath(star);
        break;
    }
    case Symbol::Crate:
        p.setPen(Qt::NoPen);
        p.setBrush(SymbolColour);
        p.drawRect(QRectF(c.x() - 11, c.y() - 9, 22, 19));
        p.setPen(QPen(badge, 2));
        p.drawRect(QRectF(c.x() - 8, c.y() - 6, 16, 13));
        p.drawLine(c + QPointF(-8, -6), c + QPointF(8, 7));
        p.drawLine(c + QPointF(8, -6), c + QPointF(-8, 7));
        break;
    case Symbol::Sortie:
        // Three stacked chevrons climbing: units going out.
        p.setPen(stroke(3));
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 3; ++i) {
            const qreal y = c.y() + 8 - i * 8;
            p.drawPolyline(QPolygonF{{c.x() - 10, y + 4}, {c.x(), y - 4}, {c.x() + 10, y + 4}});
        }
        break;
    case Symbol::Armour: {
        QPainterPath plate;
        for (int i = 0; i < 6; ++i) {
            const qreal a = qDegreesToRadians(60.0 * i);
            const QPointF v = c + QPointF(-4 + std::cos(a) * 10, std::sin(a) * 10);
            i == 0 ? plate.moveTo(v) : plate.lineTo(v);
        }
        plate.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(SymbolColour);
        p.drawPath(plate);
        p.setPen(stroke(2.2));
        p.drawLine(c + QPointF(7, 0), c + QPointF(13, 0));
        p.drawPolyline(QPolygonF{c + QPointF(10, -3.5), c + QPointF(14, 0), c + QPointF(10, 3.5)});
        p.setPen(QPen(badge, 2));
        p.drawLine(c + QPointF(-9, 0), c + QPointF(1, 0));
        break;
    }
    case Symbol::Radar:
        p.setPen(Qt::NoPen);
        p.setBrush(SymbolColour);
        {
            QPainterPath dish;
            dish.moveTo(c + QPointF(-13, -3));
            dish.quadTo(c + QPointF(-9, 13), c + QPointF(5, 9));
            dish.closeSubpath();
            p.drawPath(dish);
        }
        p.setPen(stroke(2));
        p.drawLine(c + QPointF(-5, 5), c + QPointF(-1, 1));
        p.drawLine(c + QPointF(-6, 8), c + QPointF(-8, 13));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(c.x() - 5, c.y() - 11, 14, 14), 0, 90 * 16);
        p.drawArc(QRectF(c.x() - 9, c.y() - 15, 22, 22), 5 * 16, 80 * 16);
        break;
    case Symbol::AntiShock:
        p.setPen(Qt::NoPen);
        p.setBrush(SymbolColour);
        p.drawPath(poly({c + QPointF(3, -14), c + QPointF(-8, 2), c + QPointF(-1, 2),
                         c + QPointF(-4, 14), c + QPointF(8, -3), c + QPointF(1, -3)}));
        p.setPen(stroke(2.4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, 13, 13);
        p.drawLine(c + QPointF(-9, -9), c + QPointF(9, 9));
        break;
    case Symbol::Rank:
        p.setPen(QPen(QColor(246, 206, 88), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 3; ++i) {
            const qreal y = c.y() - 8 + i * 7;
            p.drawPolyline(QPolygonF{{c.x() - 11, y}, {c.x(), y + 6}, {c.x() + 11, y}});
        }
        break;
    case Symbol::Heart: {
        QPainterPath heart;
        heart.moveTo(c + QPointF(0, 12));
        heart.cubicTo(c + QPointF(-16, 1), c + QPointF(-10, -15), c + QPointF(0, -6));
        heart.cubicTo(c + QPointF(10, -15), c + QPointF(16, 1), c + QPointF(0, 12));
        p.setPen(Qt::NoPen);
        p.setBrush(SymbolColour);
        p.drawPath(heart);
        p.setPen(QPen(badge, 2.6, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(c + QPointF(0, -3), c + QPointF(0, 6));
        p.drawLine(c + QPointF(-4.5, 1.5), c + QPointF(4.5, 1.5));
        break;
    }
    case Symbol::CaptureFlag:
        p.setPen(stroke(2.2));
        p.drawLine(c + QPointF(-10, -12), c + QPointF(-10, 13));
        p.setPen(Qt::NoPen);
        p.setBrush(SymbolColour);
        p.drawPath(poly({c + QPointF(-9, -12), c + QPointF(4, -8), c + QPointF(-9, -3)}));
        p.setPen(stroke(2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c + QPointF(5, 5), 7.5, 7.5);
        p.drawLine(c + QPointF(5, 5), c + QPointF(5, 0));
        p.drawLine(c + QPointF(5, 5), c + QPointF(9, 6));
        break;
    case Symbol::OneCan:
        fuelCan(p, c + QPointF(0, 0), 20, badge);
        break;
    case Symbol::TwoCans:
        fuelCan(p, c + QPointF(-6, 1), 15, badge);
        fuelCan(p, c + QPointF(7, 1), 15, badge);
        break;
    }
    p.restore();
}

} // namespace

QImage opIcon(int index) {
    QImage image(OpIconSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const IconDesign& design = Designs[size_t(std::clamp(index, 0, OpIconCount - 1))];
    if (design.symbol == Symbol::None)
        return image;

    QPainter p;
    beginPainter(p, image);
    const QColor colour = QColor::fromRgb(design.colour);
    const QRectF badge(2.5, 4.5, 33, 32);
    QLinearGradient fill(badge.topLeft(), badge.bottomLeft());
    fill.setColorAt(0, mix(colour, Qt::white, 0.22));
    fill.setColorAt(1, mix(colour, Qt::black, 0.12));
    p.setPen(QPen(mix(colour, Qt::black, 0.45), 1));
    p.setBrush(fill);
    p.drawRoundedRect(badge, 6, 6);
    drawSymbol(p, design.symbol, badge.center(), colour);

    if (design.increase) {
        const QPointF c(badge.right() - 1, badge.top() + 1);
        p.setPen(QPen(QColor(20, 90, 36), 1));
        p.setBrush(QColor(120, 214, 96));
        p.drawEllipse(c, 5.5, 5.5);
        p.setPen(QPen(QColor(20, 60, 24), 1.8, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(c + QPointF(-3, 0), c + QPointF(3, 0));
        p.drawLine(c + QPointF(0, -3), c + QPointF(0, 3));
    }

    // The tag, as large as fits beside the badge, on a pale plate of its own
    // so that it reads on any background: the icons are shown on the
    // window's face, in the icon key's list and on the saved page.
    const QString tag = QString::fromLatin1(design.tag);
    const qreal plateLeft = badge.right() + 2.5;
    const qreal plateWidth = OpIconSize.width() - 0.5 - plateLeft;
    const qreal textWidth = plateWidth - 4;
    qreal size = 14;
    while (size > 8 && QFontMetricsF(artFont(size, true)).horizontalAdvance(tag) > textWidth)
        size -= 1;
    const QFontMetricsF metrics(artFont(size, true));
    const qreal plateHeight = std::ceil(metrics.height()) + 3;
    const QRectF plate(plateLeft, (OpIconSize.height() - plateHeight) / 2, plateWidth, plateHeight);
    p.setPen(QPen(mix(colour, Qt::black, 0.2), 1));
    p.setBrush(TagPlateColour);
    p.drawRoundedRect(plate, 3, 3);
    p.setFont(artFont(size, true));
    p.setPen(InkColour);
    p.drawText(plate.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter, tag);
    p.end();
    return image;
}

} // namespace vantor::art

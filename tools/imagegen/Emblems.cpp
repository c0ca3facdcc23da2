// Flat emblems: the four faction flags, the three link logos and the
// application icon.

#include "tools/imagegen/Art.h"
#include "tools/imagegen/ArtKit.h"

#include <QLinearGradient>
#include <QtMath>

namespace vantor::art {

namespace {

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath chevron(QPointF tip, qreal height, qreal depth, qreal thickness) {
    return polygon({{tip.x() - depth, tip.y() - height / 2},
                    {tip.x() - depth + thickness, tip.y() - height / 2},
                    {tip.x() + thickness, tip.y()},
                    {tip.x() - depth + thickness, tip.y() + height / 2},
                    {tip.x() - depth, tip.y() + height / 2},
                    {tip.x(), tip.y()}});
}

// Hai Shi Dao: a white disc holding a red island of three peaks over waves.
void drawHaiShiDao(QPainter& p) {
    const QColor red(188, 30, 34), deep(132, 18, 24);
    p.fillRect(QRectF(0, 0, 115, 75), red);
    p.setPen(Qt::NoPen);
    p.setBrush(deep);
    p.drawPath(polygon({{0, 75}, {115, 48}, {115, 75}}));
    p.setBrush(QColor(250, 246, 238));
    p.drawEllipse(QPointF(40, 35), 21, 21);
    p.setBrush(red);
    p.drawPath(polygon({{24, 38}, {33, 21}, {38, 29}, {43, 18}, {53, 33}, {56, 38}}));
    p.setPen(QPen(red, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 2; ++i) {
        QPainterPath wave;
        const qreal y = 43 + i * 5.5;
        wave.moveTo(25 + i * 2, y);
        for (int k = 0; k < 4; ++k)
            wave.quadTo(29 + i * 2 + k * 7.5, y - 3, 32.5 + i * 2 + k * 7.5, y);
        p.drawPath(wave);
    }
    p.setPen(QPen(QColor(236, 196, 92), 2));
    p.drawLine(QPointF(72, 35), QPointF(106, 35));
}

// Jaralaccs: a brown chevron at the hoist with a golden ring, two brown bars.
void drawJaralaccs(QPainter& p) {
    const QColor gold(234, 194, 44), brown(72, 52, 30);
    p.fillRect(QRectF(0, 0, 115, 75), gold);
    p.setPen(Qt::NoPen);
    p.setBrush(brown);
    p.drawRect(QRectF(30, 12, 85, 7));
    p.drawRect(QRectF(30, 56, 85, 7));
    p.drawPath(polygon({{0, 0}, {50, 37.5}, {0, 75}}));
    p.setPen(QPen(gold, 3.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(16, 37.5), 8.5, 8.5);
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawEllipse(QPointF(16, 37.5), 2.6, 2.6);
}

// Pacific Rim Forces: a white horizon arc over lighter water, a compass star.
void drawPacificRim(QPainter& p) {
    const QColor blue(26, 66, 162), sea(64, 126, 206);
    p.fillRect(QRectF(0, 0, 115, 75), blue);
    QPainterPath water;
    water.moveTo(0, 58);
    water.quadTo(57.5, 34, 115, 58);
    water.lineTo(115, 75);
    water.lineTo(0, 75);
    water.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(sea);
    p.drawPath(water);
    QPainterPath rim;
    rim.moveTo(0, 58);
    rim.quadTo(57.5, 34, 115, 58);
    p.setPen(QPen(QColor(248, 250, 252), 4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rim);
    const QPointF c(57.5, 22);
    const qreal r = 13, s = 3.2;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(248, 250, 252));
    p.drawPath(polygon({{c.x(), c.y() - r},
                        {c.x() + s, c.y() - s},
                        {c.x() + r, c.y()},
                        {c.x() + s, c.y() + s},
                        {c.x(), c.y() + r},
                        {c.x() - s, c.y() + s},
                        {c.x() - r, c.y()},
                        {c.x() - s, c.y() - s}}));
    p.setBrush(blue);
    p.drawEllipse(c, 2.2, 2.2);
}

// Right Brothers: two white chevrons pointing right inside a white frame.
void drawRightBrothers(QPainter& p) {
    const QColor green(28, 118, 46);
    p.fillRect(QRectF(0, 0, 115, 75), green);
    p.setPen(QPen(QColor(246, 248, 240), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(5, 5, 105, 65));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(246, 248, 240));
    p.drawPath(chevron({60, 37.5}, 44, 20, 11));
    p.drawPath(chevron({86, 37.5}, 44, 20, 11));
    p.setBrush(QColor(232, 210, 120));
    p.drawEllipse(QPointF(26, 37.5), 6, 6);
}

} // namespace

QImage factionFlag(Faction faction) {
    QImage image(FlagSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p;
    beginPainter(p, image);
    switch (faction) {
    case Faction::HaiShiDao:
        drawHaiShiDao(p);
        break;
    case Faction::Jaralaccs:
        drawJaralaccs(p);
        break;
    case Faction::PacificRimForces:
        drawPacificRim(p);
        break;
    case Faction::RightBrothers:
        drawRightBrothers(p);
        break;
    }
    // A soft fold shading and a thin edge, the same on every flag.
    QLinearGradient fold(0, 0, FlagSize.width(), 0);
    fold.setColorAt(0.0, QColor(255, 255, 255, 0));
    fold.setColorAt(0.35, QColor(255, 255, 255, 26));
    fold.setColorAt(0.6, QColor(0, 0, 0, 18));
    fold.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(QPointF(0, 0), QSizeF(FlagSize)), fold);
    p.setPen(QPen(QColor(40, 40, 44, 150), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, FlagSize.width() - 1, FlagSize.height() - 1));
    p.end();
    return image;
}

QImage logo(Logo which) {
    QImage image(LogoSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p;
    beginPainter(p, image);
    const QPointF c(12.5, 12.5);
    switch (which) {
    case Logo::Corvane: {
        // The maker: a white "C" sweeping round to a beak, on a night-blue disc.
        QRadialGradient disc(QPointF(9, 8), 16);
        disc.setColorAt(0, QColor(58, 78, 128));
        disc.setColorAt(1, QColor(22, 30, 58));
        p.setPen(QPen(QColor(12, 16, 30), 1));
        p.setBrush(disc);
        p.drawEllipse(c, 11.8, 11.8);
        p.setPen(QPen(QColor(244, 246, 250), 3.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(6, 6, 13, 13), 40 * 16, 280 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(246, 160, 48));
        p.drawPath(polygon({{17.2, 8.6}, {21.8, 10.8}, {17.4, 12.2}}));
        break;
    }
    case Logo::Kerrow: {
        // The research site: a white "K" in a teal hexagon.
        QPainterPath hex;
        for (int i = 0; i < 6; ++i) {
            const qreal a = qDegreesToRadians(60.0 * i - 90);
            const QPointF v = c + QPointF(std::cos(a), std::sin(a)) * 12;
            i == 0 ? hex.moveTo(v) : hex.lineTo(v);
        }
        hex.closeSubpath();
        QLinearGradient fill(0, 0, 0, 25);
        fill.setColorAt(0, QColor(58, 160, 138));
        fill.setColorAt(1, QColor(24, 104, 88));
        p.setPen(QPen(QColor(14, 60, 50), 1));
        p.setBrush(fill);
        p.drawPath(hex);
        p.setPen(QPen(Qt::white, 2.8, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawLine(QPointF(9, 6.5), QPointF(9, 18.5));
        p.drawPolyline(QPolygonF{{17, 6.5}, {10.5, 12.5}, {17, 18.5}});
        break;
    }
    case Logo::Pellum: {
        // The fan site: a white quill on an orange tile.
        QLinearGradient fill(0, 0, 0, 25);
        fill.setColorAt(0, QColor(246, 146, 62));
        fill.setColorAt(1, QColor(206, 92, 28));
        p.setPen(QPen(QColor(120, 50, 14), 1));
        p.setBrush(fill);
        p.drawRoundedRect(QRectF(1, 1, 23, 23), 5, 5);
        QPainterPath quill;
        quill.moveTo(6, 20);
        quill.cubicTo(7, 11, 12, 5, 20, 4);
        quill.cubicTo(19, 11, 14, 17, 6, 20);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(252, 248, 240));
        p.drawPath(quill);
        p.setPen(QPen(QColor(206, 92, 28), 1.1, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 21), QPointF(16, 9));
        break;
    }
    }
    p.end();
    return image;
}

namespace {

// One filled or stroked figure of the application icon.
struct IconShape {
    QPainterPath path;
    QPen pen;
    QBrush brush;
};

// The application icon's design on a 256-unit square, back to front: a VT
// walking on a dark blue tile. The pictures and the scalable file are drawn
// from this one list.
QList<IconShape> appIconShapes() {
    QList<IconShape> shapes;
    const QColor ink(16, 22, 36);
    const QPen outline(ink, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    QPainterPath tile;
    tile.addRoundedRect(QRectF(8, 8, 240, 240), 52, 52);
    QLinearGradient bg(0, 8, 0, 248);
    bg.setColorAt(0, QColor(70, 96, 136));
    bg.setColorAt(1, QColor(26, 36, 58));
    shapes.append({tile, QPen(ink, 4), bg});

    // Ground and a horizon glow.
    QPainterPath glow;
    glow.addEllipse(QPointF(128, 206), 92, 14);
    shapes.append({glow, Qt::NoPen, QColor(255, 255, 255, 26)});

    const QColor body(236, 240, 246), shadow(176, 188, 204), accent(246, 160, 48);
    const auto leg = [&](QPointF hip, QPointF knee, QPointF foot, const QColor& c) {
        QPainterPath path;
        path.moveTo(hip);
        path.lineTo(knee);
        path.lineTo(foot);
        shapes.append(
            {path, QPen(ink, 22, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin), Qt::NoBrush});
        shapes.append({path, QPen(c, 12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin), Qt::NoBrush});
        shapes.append({polygon({{foot.x() - 20, 206},
                                {foot.x() - 14, foot.y() - 4},
                                {foot.x() + 14, foot.y() - 4},
                                {foot.x() + 24, 206}}),
                       outline, c});
    };
    leg({104, 140}, {122, 168}, {102, 194}, shadow);
    // Gun, hull and turret.
    shapes.append({polygon({{150, 94}, {222, 94}, {222, 106}, {150, 106}}), outline, shadow});
    shapes.append(
        {polygon({{60, 112}, {72, 98}, {166, 98}, {196, 122}, {190, 146}, {70, 146}, {60, 136}}),
         outline, body});
    shapes.append({polygon({{92, 98}, {98, 72}, {146, 72}, {162, 88}, {162, 98}}), outline, body});
    QPainterPath hatch;
    hatch.addRoundedRect(QRectF(138, 80, 16, 6), 3, 3);
    shapes.append({hatch, Qt::NoPen, accent});
    shapes.append({polygon({{84, 116}, {96, 116}, {106, 126}, {96, 136}, {84, 136}, {94, 126}}),
                   Qt::NoPen, accent});
    leg({124, 140}, {146, 170}, {130, 194}, body);
    return shapes;
}

QString number(qreal value) {
    return QString::number(value, 'g', 6);
}

QString svgColour(const QColor& colour) {
    return colour.name(QColor::HexRgb);
}

// The outline as SVG path data; a figure that ends where it began is closed.
QString svgPathData(const QPainterPath& path) {
    QStringList parts;
    QPointF subpathStart;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        const QString point = number(e.x) + QLatin1Char(' ') + number(e.y);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            subpathStart = e;
            parts << QStringLiteral("M") + point;
            break;
        case QPainterPath::LineToElement:
            parts << QStringLiteral("L") + point;
            break;
        case QPainterPath::CurveToElement:
            parts << QStringLiteral("C") + point;
            break;
        case QPainterPath::CurveToDataElement:
            parts << point;
            break;
        }
        const bool lastOfSubpath = i + 1 == path.elementCount() ||
                                   path.elementAt(i + 1).type == QPainterPath::MoveToElement;
        if (lastOfSubpath && e.type != QPainterPath::MoveToElement && QPointF(e) == subpathStart)
            parts << QStringLiteral("Z");
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace

QImage appIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p;
    beginPainter(p, image);
    p.scale(size / 256.0, size / 256.0);
    for (const IconShape& shape : appIconShapes()) {
        p.setPen(shape.pen);
        p.setBrush(shape.brush);
        p.drawPath(shape.path);
    }
    p.end();
    return image;
}

QByteArray appIconSvg() {
    QString svg =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                       "viewBox=\"0 0 256 256\">\n");
    QString defs;
    QString body;
    int gradients = 0;
    for (const IconShape& shape : appIconShapes()) {
        QStringList attributes;
        const auto attribute = [&attributes](const char* name, const QString& value) {
            attributes << QStringLiteral("%1=\"%2\"").arg(QLatin1String(name), value);
        };
        attribute("d", svgPathData(shape.path));
        if (const QGradient* gradient = shape.brush.gradient()) {
            const auto* linear = static_cast<const QLinearGradient*>(gradient);
            const QString id = QStringLiteral("g%1").arg(++gradients);
            defs += QStringLiteral("<linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" "
                                   "x1=\"%2\" y1=\"%3\" x2=\"%4\" y2=\"%5\">\n")
                        .arg(id, number(linear->start().x()), number(linear->start().y()),
                             number(linear->finalStop().x()), number(linear->finalStop().y()));
            for (const auto& [offset, colour] : linear->stops())
                defs += QStringLiteral("<stop offset=\"%1\" stop-color=\"%2\"/>\n")
                            .arg(number(offset), svgColour(colour));
            defs += QStringLiteral("</linearGradient>\n");
            attribute("fill", QStringLiteral("url(#%1)").arg(id));
        } else if (shape.brush.style() != Qt::NoBrush) {
            attribute("fill", svgColour(shape.brush.color()));
            if (shape.brush.color().alpha() < 255)
                attribute("fill-opacity", number(shape.brush.color().alphaF()));
        } else {
            attribute("fill", QStringLiteral("none"));
        }
        if (shape.pen.style() != Qt::NoPen) {
            attribute("stroke", svgColour(shape.pen.color()));
            attribute("stroke-width", number(shape.pen.widthF()));
            attribute("stroke-linecap", shape.pen.capStyle() == Qt::RoundCap    ? "round"
                                        : shape.pen.capStyle() == Qt::SquareCap ? "square"
                                                                                : "butt");
            attribute("stroke-linejoin", shape.pen.joinStyle() == Qt::RoundJoin   ? "round"
                                         : shape.pen.joinStyle() == Qt::BevelJoin ? "bevel"
                                                                                  : "miter");
        }
        body +=
            QStringLiteral("<path ") + attributes.join(QLatin1Char(' ')) + QStringLiteral("/>\n");
    }
    if (!defs.isEmpty())
        svg += QStringLiteral("<defs>\n") + defs + QStringLiteral("</defs>\n");
    svg += body + QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

} // namespace vantor::art

// The VT portraits: a walking tank seen from its left side, facing right,
// standing on a plain ground under a faction-tinted sky. Proportions follow
// the catalogue: load sets the hull's bulk and the legs' thickness, speed
// the legs' length, generation the finish (rivets, panel lines, sensor glow).

#include "tools/imagegen/Art.h"
#include "tools/imagegen/ArtKit.h"
#include "tools/imagegen/VtLooks.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace vantor::art {

namespace {

constexpr qreal GroundY = 214;
constexpr qreal HorizonY = 170;
constexpr int LayerWidth = 480;
constexpr qreal LayerCentre = LayerWidth / 2.0;
// Machines are laid out in units a little under a pixel, then enlarged to fill the frame.
constexpr qreal MachineScale = 1.2;

const QColor GlassColour{40, 58, 72};
const QColor GlowColour{110, 226, 250};
const QColor GoldColour{222, 182, 74};
const QColor BladeColour{206, 212, 218};

QColor shadowed(const QColor& c) {
    return mix(c, QColor(38, 38, 46), 0.38);
}

QPointF unitNormal(QPointF a, QPointF b) {
    const QPointF d = b - a;
    const qreal len = std::hypot(d.x(), d.y());
    return len > 0 ? QPointF(-d.y() / len, d.x() / len) : QPointF(0, 0);
}

// A limb segment: a tapered bar with rounded ends.
QPainterPath taper(QPointF a, QPointF b, qreal wa, qreal wb) {
    const QPointF n = unitNormal(a, b);
    QPainterPath bar;
    bar.moveTo(a + n * wa / 2);
    bar.lineTo(b + n * wb / 2);
    bar.lineTo(b - n * wb / 2);
    bar.lineTo(a - n * wa / 2);
    bar.closeSubpath();
    QPainterPath ends;
    ends.addEllipse(a, wa / 2, wa / 2);
    ends.addEllipse(b, wb / 2, wb / 2);
    return bar.united(ends).simplified();
}

QPainterPath polygonPath(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

void joint(QPainter& p, QPointF at, qreal radius, bool far) {
    QPainterPath disc;
    disc.addEllipse(at, radius, radius);
    shadeFlat(p, disc, far ? shadowed(MetalColour) : MetalColour, 0.8);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(far ? shadowed(DarkMetalColour) : DarkMetalColour);
    p.drawEllipse(at, radius * 0.38, radius * 0.38);
    p.restore();
}

// Everything the drawing of one VT needs to know, derived once.
struct Frame {
    int index = 0;
    VtFacts facts;
    VtLook look;
    FactionColours colours;
    qreal weight = 0; // 0 = lightest load in the catalogue, 1 = heaviest
    qreal pace = 0;   // 0 = slowest, 1 = fastest
    int gen = 1;
    qreal hullW = 0, hullH = 0, legLen = 0, legW = 0;
    qreal lx = 0, rx = 0, ty = 0, by = 0; // hull box
    QPainterPath hull;
    QPainterPath turret;
    QRectF turretBox;
    QPointF gunMount;
    qreal gunLen = 0, gunThick = 0, gunAngle = 0;

    bool has(std::uint32_t fitting) const { return (look.fittings & fitting) != 0; }
    QColor armour(bool far = false) const {
        return far ? shadowed(colours.armour) : colours.armour;
    }
    QColor trim(bool far = false) const { return far ? shadowed(colours.trim) : colours.trim; }
};

QPainterPath hullPath(const Frame& f) {
    const qreal w = f.hullW, h = f.hullH, lx = f.lx, rx = f.rx, ty = f.ty, by = f.by;
    const qreal c = 2.0 + f.gen * 2.5; // later generations have softer, chamfered plating
    switch (f.look.hull) {
    case Hull::Box:
        return polygonPath({{lx, ty + c},
                            {lx + c, ty},
                            {rx - w * 0.2, ty},
                            {rx, ty + h * 0.42},
                            {rx, by - c},
                            {rx - c, by},
                            {lx + c, by},
                            {lx, by - c}});
    case Hull::Wedge:
        return polygonPath({{lx, ty + c},
                            {lx + c, ty},
                            {rx - w * 0.36, ty},
                            {rx, by - h * 0.36},
                            {rx - 5, by},
                            {lx + 6, by},
                            {lx, by - 6}});
    case Hull::Egg: {
        QPainterPath path;
        path.addRoundedRect(QRectF(lx, ty, w, h), h * 0.46, h * 0.46);
        return path;
    }
    case Hull::Slab:
        return polygonPath({{lx, ty + h * 0.22},
                            {lx + w * 0.08, ty},
                            {rx - w * 0.28, ty},
                            {rx, ty + h * 0.52},
                            {rx - w * 0.1, by},
                            {lx + w * 0.12, by},
                            {lx, by - h * 0.28}});
    case Hull::Pike:
        return polygonPath({{lx, ty + h * 0.2},
                            {lx + 6, ty},
                            {rx - w * 0.3, ty},
                            {rx + w * 0.12, by - h * 0.42},
                            {rx - w * 0.16, by},
                            {lx + 8, by},
                            {lx, by - h * 0.25}});
    }
    return {};
}

Frame makeFrame(int index) {
    Frame f;
    f.index = index;
    f.facts = vtFacts(index);
    f.look = vtLook(index);
    f.colours = factionColours(f.facts.faction);
    f.gen = f.facts.generation;
    f.weight = std::clamp((f.facts.standardLoad - 8) / 30.0, 0.0, 1.0);
    f.pace = std::clamp((f.facts.maximumSpeed - 117.0) / 83.0, 0.0, 1.0);

    f.hullW = 62 + f.weight * 64;
    f.hullH = 30 + f.weight * 24;
    f.legLen = 50 + f.pace * 34;
    f.legW = 11 + f.weight * 10;
    switch (f.look.legs) {
    case Legs::Walker:
        break;
    case Legs::Strider:
        f.legW *= 0.85;
        f.hullW *= 0.92;
        break;
    case Legs::Pillar:
        f.legLen *= 0.8;
        f.legW *= 1.2;
        break;
    case Legs::Quad:
        f.legLen *= 0.74;
        f.legW *= 1.05;
        f.hullW *= 1.08;
        break;
    }
    if (f.look.hull == Hull::Pike)
        f.hullH *= 0.8;
    if (f.look.hull == Hull::Egg)
        f.hullW *= 0.94;

    f.lx = LayerCentre - f.hullW / 2;
    f.rx = LayerCentre + f.hullW / 2;
    f.by = GroundY - f.legLen;
    f.ty = f.by - f.hullH;
    f.hull = hullPath(f);

    // Head and the gun's mount on it.
    const qreal tw = f.hullW * 0.44;
    const qreal th = 9 + f.hullH * 0.3;
    const qreal tcx = LayerCentre - f.hullW * 0.04;
    const qreal top = f.ty + 1;
    switch (f.look.head) {
    case Head::Turret:
        f.turretBox = QRectF(tcx - tw / 2, top - th, tw, th);
        f.turret = polygonPath({{tcx - tw / 2, top},
                                {tcx - tw / 2 + 3, top - th},
                                {tcx + tw / 2 - th * 0.6, top - th},
                                {tcx + tw / 2, top - th * 0.4},
                                {tcx + tw / 2, top}});
        f.gunMount = QPointF(tcx + tw / 2 - 1, top - th * 0.5);
        break;
    case Head::Dome:
        f.turretBox = QRectF(tcx - tw / 2, top - th, tw, th);
        f.turret.moveTo(tcx - tw / 2, top);
        f.turret.arcTo(QRectF(tcx - tw / 2, top - th, tw, th * 2), 180, -180);
        f.turret.closeSubpath();
        f.gunMount = QPointF(tcx + tw * 0.4, top - th * 0.45);
        break;
    case Head::Cupola: {
        const qreal cw = tw * 0.62, ch = th * 0.78;
        const qreal cx = tcx + f.hullW * 0.06;
        f.turretBox = QRectF(cx - cw / 2, top - ch, cw, ch);
        f.turret.addRoundedRect(f.turretBox.adjusted(0, 0, 0, 3), 4, 4);
        f.gunMount = QPointF(f.rx - f.hullW * 0.08, f.ty + f.hullH * 0.42);
        break;
    }
    case Head::None:
        f.turretBox = QRectF(tcx, top, 0, 0);
        f.gunMount = QPointF(f.rx - f.hullW * 0.08, f.ty + f.hullH * 0.45);
        break;
    }
    if (f.look.hull == Hull::Pike && f.look.head != Head::Turret && f.look.head != Head::Dome)
        f.gunMount = QPointF(f.rx - f.hullW * 0.32, f.ty + f.hullH * 0.3);

    f.gunThick = 3.2 + f.weight * 3.6;
    switch (f.look.gun) {
    case Gun::Cannon:
        f.gunLen = 38 + f.weight * 26;
        break;
    case Gun::Twin:
        f.gunLen = 36 + f.weight * 22;
        f.gunThick *= 0.8;
        break;
    case Gun::Rifle:
        f.gunLen = 46 + f.pace * 14;
        f.gunThick *= 0.75;
        break;
    case Gun::Sniper:
        f.gunLen = 66 + f.weight * 22;
        f.gunThick *= 0.7;
        break;
    case Gun::Howitzer:
        f.gunLen = 30 + f.weight * 16;
        f.gunThick *= 1.5;
        f.gunAngle = -28;
        break;
    case Gun::Rail:
        f.gunLen = 70 + f.weight * 20;
        break;
    case Gun::Gatling:
        f.gunLen = 28;
        break;
    case Gun::Laser:
        f.gunLen = 52 + f.weight * 18;
        break;
    case Gun::Rocket:
        f.gunLen = 30 + f.weight * 8;
        f.gunThick *= 2.2;
        break;
    }
    return f;
}

// ---- legs -------------------------------------------------------------

struct LegPose {
    QPointF hip;
    qreal stride;  // how far the foot is placed ahead of the hip
    bool far;      // the leg on the far side, drawn darker and first
    bool backward; // knees bending back (rear legs of a four-legged VT)
};

void drawFoot(QPainter& p, QPointF ankle, qreal size, bool far, bool clawed) {
    const qreal g = GroundY;
    QPainterPath foot;
    if (clawed) {
        foot = polygonPath({{ankle.x() - size * 0.45, g},
                            {ankle.x() - size * 0.2, ankle.y() - 1},
                            {ankle.x() + size * 0.3, ankle.y() - 1},
                            {ankle.x() + size * 1.05, g - size * 0.15},
                            {ankle.x() + size * 1.1, g}});
    } else {
        foot = polygonPath({{ankle.x() - size * 0.7, g},
                            {ankle.x() - size * 0.55, ankle.y()},
                            {ankle.x() + size * 0.45, ankle.y()},
                            {ankle.x() + size * 0.95, g - size * 0.25},
                            {ankle.x() + size, g}});
    }
    shade(p, foot, far ? shadowed(DarkMetalColour) : DarkMetalColour, 0.9);
}

void drawLeg(QPainter& p, const Frame& f, const LegPose& pose) {
    const qreal L = f.legLen, w = f.legW;
    const QPointF H = pose.hip;
    const qreal dir = pose.backward ? -1 : 1;
    const QColor thigh = f.armour(pose.far);
    const QColor shin = f.trim(pose.far);
    const QColor metal = pose.far ? shadowed(MetalColour) : MetalColour;
    const qreal footH = std::clamp(L * 0.1, 5.0, 9.0);

    switch (f.look.legs) {
    case Legs::Walker: {
        const QPointF K(H.x() + dir * L * 0.16 + pose.stride * 0.5, H.y() + L * 0.5);
        const QPointF A(H.x() + pose.stride - dir * L * 0.02, GroundY - footH);
        if (f.gen < 3) {
            // Exposed hydraulics on the older machines.
            p.setPen(QPen(metal, 2.2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(H + QPointF(-w * 0.45, w * 0.2), K + QPointF(-w * 0.6, L * 0.14));
        }
        shade(p, taper(K, A, w * 0.8, w * 0.62), shin);
        drawFoot(p, A, w * 1.1 + 2, pose.far, false);
        shade(p, taper(H, K, w * 1.05, w * 0.8), thigh);
        joint(p, K, w * 0.42, pose.far);
        joint(p, A, w * 0.34, pose.far);
        joint(p, H, w * 0.5, pose.far);
        break;
    }
    case Legs::Strider: {
        const QPointF K(H.x() + L * 0.3 + pose.stride * 0.3, H.y() + L * 0.34);
        const QPointF J(H.x() - L * 0.08 + pose.stride * 0.7, GroundY - L * 0.24);
        const QPointF T(J.x() + L * 0.12, GroundY - footH * 0.8);
        shade(p, taper(J, T, w * 0.5, w * 0.45), metal, 0.9);
        drawFoot(p, T, w * 0.9 + 3, pose.far, true);
        shade(p, taper(K, J, w * 0.72, w * 0.52), shin);
        shade(p, taper(H, K, w * 1.05, w * 0.78), thigh);
        joint(p, J, w * 0.32, pose.far);
        joint(p, K, w * 0.4, pose.far);
        joint(p, H, w * 0.48, pose.far);
        break;
    }
    case Legs::Pillar:
    case Legs::Quad: {
        const QPointF K(H.x() + dir * L * 0.1 + pose.stride * 0.4, H.y() + L * 0.48);
        const QPointF A(H.x() + pose.stride, GroundY - footH);
        shade(p, taper(K, A, w * 0.95, w * 0.85), shin);
        // A broad, padded foot spreads the weight.
        QPainterPath pad;
        pad.addRoundedRect(QRectF(A.x() - w * 0.95, A.y() - 2, w * 1.9, GroundY - A.y() + 2), 4, 4);
        shade(p, pad, pose.far ? shadowed(DarkMetalColour) : DarkMetalColour, 0.9);
        shade(p, taper(H, K, w * 1.12, w * 0.95), thigh);
        // Knee guard.
        QPainterPath guard;
        guard.addRoundedRect(QRectF(K.x() - w * 0.45, K.y() - w * 0.5, w * 0.9, w), 3, 3);
        shade(p, guard, thigh, 0.9);
        joint(p, H, w * 0.5, pose.far);
        break;
    }
    }
}

QList<LegPose> legPoses(const Frame& f) {
    const qreal hipY = f.by - 2;
    if (f.look.legs == Legs::Quad) {
        const qreal front = LayerCentre + f.hullW * 0.27, rear = LayerCentre - f.hullW * 0.3;
        return {{{rear - 7, hipY - 3}, 4, true, true},
                {{front - 7, hipY - 3}, -4, true, false},
                {{rear, hipY}, -6, false, true},
                {{front, hipY}, 7, false, false}};
    }
    const qreal hx = LayerCentre - f.hullW * 0.06;
    const qreal step = 6 + f.pace * 6;
    return {{{hx - 8, hipY - 3}, -step, true, false}, {{hx + 2, hipY}, step, false, false}};
}

// ---- hull ---------------------------------------------------------------

void drawPaint(QPainter& p, const Frame& f) {
    const qreal w = f.hullW, h = f.hullH, lx = f.lx, rx = f.rx, ty = f.ty, by = f.by;
    const QColor accent = f.colours.accent;
    p.save();
    p.setClipPath(f.hull);
    p.setPen(Qt::NoPen);
    switch (f.look.paint) {
    case Paint::Plain:
        break;
    case Paint::Band:
        p.setBrush(accent);
        p.drawRect(QRectF(lx - 2, ty + h * 0.5, w + 30, h * 0.11));
        break;
    case Paint::Chevrons: {
        p.setBrush(accent);
        const qreal cy = ty + h * 0.55, s = h * 0.16;
        for (int i = 0; i < 2; ++i) {
            const qreal x = LayerCentre - w * 0.12 + i * s * 1.6;
            p.drawPath(polygonPath({{x, cy - s},
                                    {x + s * 0.7, cy - s},
                                    {x + s * 1.5, cy},
                                    {x + s * 0.7, cy + s},
                                    {x, cy + s},
                                    {x + s * 0.8, cy}}));
        }
        break;
    }
    case Paint::Fangs: {
        // Painted jaws along the nose.
        const qreal mx = rx - w * 0.36, top = by - h * 0.46, bottom = by - h * 0.06;
        QPainterPath mouth;
        mouth.moveTo(rx + 4, top);
        mouth.quadTo(mx + w * 0.1, top + h * 0.02, mx, (top + bottom) / 2);
        mouth.quadTo(mx + w * 0.1, bottom, rx + 4, bottom);
        mouth.closeSubpath();
        p.setBrush(QColor(52, 18, 20));
        p.drawPath(mouth);
        p.setBrush(QColor(244, 240, 228));
        const int teeth = 5;
        for (int i = 0; i < teeth; ++i) {
            const qreal x0 = mx + w * 0.06 + i * (rx - mx) / teeth;
            const qreal tw = (rx - mx) / teeth;
            p.drawPath(
                polygonPath({{x0, top + 1}, {x0 + tw, top + 1}, {x0 + tw * 0.5, top + h * 0.14}}));
            p.drawPath(polygonPath(
                {{x0, bottom - 1}, {x0 + tw, bottom - 1}, {x0 + tw * 0.5, bottom - h * 0.13}}));
        }
        break;
    }
    case Paint::Hazard: {
        const qreal top = ty + h * 0.46, bh = h * 0.22;
        p.setBrush(QColor(240, 200, 46));
        p.drawRect(QRectF(lx - 2, top, w + 30, bh));
        p.setBrush(QColor(36, 34, 30));
        for (qreal x = lx - bh; x < rx + 30; x += bh * 1.3)
            p.drawPath(polygonPath({{x, top + bh},
                                    {x + bh * 0.55, top + bh},
                                    {x + bh * 1.1, top},
                                    {x + bh * 0.55, top}}));
        break;
    }
    case Paint::Split:
        p.setBrush(f.colours.trim);
        p.drawPath(polygonPath({{lx - 2, ty - 2},
                                {LayerCentre - w * 0.1, ty - 2},
                                {LayerCentre - w * 0.22, by + 2},
                                {lx - 2, by + 2}}));
        break;
    case Paint::Regal: {
        p.setPen(QPen(GoldColour, 2.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(f.hull.translated(0, 3.5));
        // A small gold seal on the flank.
        const QPointF c(LayerCentre - w * 0.14, ty + h * 0.55);
        p.setPen(QPen(GoldColour, 1.6));
        p.drawEllipse(c, h * 0.16, h * 0.16);
        p.setPen(Qt::NoPen);
        p.setBrush(GoldColour);
        const qreal s = h * 0.08;
        p.drawPath(polygonPath({{c.x() - s, c.y() + s * 0.6},
                                {c.x() - s, c.y() - s * 0.4},
                                {c.x() - s * 0.5, c.y()},
                                {c.x(), c.y() - s},
                                {c.x() + s * 0.5, c.y()},
                                {c.x() + s, c.y() - s * 0.4},
                                {c.x() + s, c.y() + s * 0.6}}));
        break;
    }
    }
    p.restore();
}

void drawHullDetails(QPainter& p, const Frame& f) {
    const qreal w = f.hullW, h = f.hullH, lx = f.lx, rx = f.rx, ty = f.ty, by = f.by;
    p.save();
    p.setClipPath(f.hull);

    // Lower belt in the secondary colour gives every hull the same two-tone base.
    p.setPen(Qt::NoPen);
    p.setBrush(mix(f.colours.trim, Qt::black, 0.1));
    p.drawRect(QRectF(lx - 2, by - h * 0.2, w + 40, h * 0.22));

    // Panel seams.
    QColor seam = OutlineColour;
    seam.setAlpha(f.gen == 1 ? 70 : 110);
    QColor seamLight = Qt::white;
    seamLight.setAlpha(60);
    const qreal x1 = LayerCentre - w * 0.3, x2 = LayerCentre + w * 0.12;
    for (qreal x : {x1, x2}) {
        p.setPen(QPen(seam, 1));
        p.drawLine(QPointF(x, ty), QPointF(x, by));
        p.setPen(QPen(seamLight, 1));
        p.drawLine(QPointF(x + 1, ty), QPointF(x + 1, by));
    }
    if (f.gen >= 2) {
        p.setPen(QPen(seam, 1));
        p.drawLine(QPointF(lx, ty + h * 0.3), QPointF(x2, ty + h * 0.3));
    }
    drawPaint(p, f);

    // Rivets on first-generation plating.
    if (f.gen == 1) {
        for (qreal y : {ty + 4.5, by - h * 0.2 - 3.5}) {
            for (qreal x = lx + 6; x < rx - 4; x += 8) {
                if (!f.hull.contains(QPointF(x, y)))
                    continue;
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(20, 20, 24, 90));
                p.drawEllipse(QPointF(x + 0.5, y + 0.5), 1.2, 1.2);
                p.setBrush(QColor(255, 255, 255, 120));
                p.drawEllipse(QPointF(x - 0.3, y - 0.3), 0.8, 0.8);
            }
        }
    }

    // Vision block near the nose.
    const QRectF glass(rx - w * 0.42, ty + h * 0.16, w * 0.22, h * 0.16);
    QLinearGradient g(glass.topLeft(), glass.bottomLeft());
    g.setColorAt(0, mix(GlassColour, Qt::white, 0.45));
    g.setColorAt(1, GlassColour);
    p.setPen(QPen(OutlineColour, 1));
    p.setBrush(g);
    p.drawRoundedRect(glass, 2, 2);
    if (f.gen == 3) {
        // Third-generation sensor strip.
        p.setPen(Qt::NoPen);
        QColor halo = GlowColour;
        halo.setAlpha(90);
        p.setBrush(halo);
        p.drawRoundedRect(QRectF(lx + w * 0.08, by - h * 0.34, w * 0.5, 5), 2.5, 2.5);
        p.setBrush(GlowColour);
        p.drawRoundedRect(QRectF(lx + w * 0.09, by - h * 0.34 + 1.5, w * 0.48, 2), 1, 1);
    }

    // Hull number.
    p.setFont(artFont(9 + f.weight * 3, true));
    p.setPen(f.look.paint == Paint::Split ? f.colours.accent
                                          : mix(f.colours.accent, f.colours.armour, 0.15));
    const QString number = QStringLiteral("%1").arg(f.index + 1, 2, 10, QLatin1Char('0'));
    p.drawText(QRectF(lx + w * 0.06, ty + h * 0.14, w * 0.3, h * 0.3),
               Qt::AlignLeft | Qt::AlignVCenter, number);
    p.restore();

    // Crisp outline again over the clipped details.
    p.save();
    p.setPen(QPen(OutlineColour, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(f.hull);
    p.restore();
}

// ---- weapons ------------------------------------------------------------

void barrel(QPainter& p, qreal x0, qreal x1, qreal y, qreal t, const QColor& c) {
    QPainterPath b;
    b.addRoundedRect(QRectF(x0, y - t / 2, x1 - x0, t), t * 0.3, t * 0.3);
    shadeFlat(p, b, c, 0.9);
}

void drawGun(QPainter& p, const Frame& f) {
    const qreal L = f.gunLen, t = f.gunThick;
    p.save();
    p.translate(f.gunMount);
    p.rotate(f.gunAngle);
    const QColor metal = MetalColour, dark = DarkMetalColour;
    switch (f.look.gun) {
    case Gun::Cannon:
        barrel(p, -6, L, 0, t, metal);
        barrel(p, L - 7, L + 1, 0, t * 1.55, dark);
        barrel(p, 2, L * 0.35, 0, t * 1.3, metal);
        break;
    case Gun::Twin:
        barrel(p, -6, L, -t * 0.75, t, metal);
        barrel(p, -6, L - 4, t * 0.75, t, shadowed(metal));
        barrel(p, L - 6, L + 1, -t * 0.75, t * 1.4, dark);
        barrel(p, 2, L * 0.3, 0, t * 2.6, metal);
        break;
    case Gun::Rifle:
        barrel(p, -6, L, 0, t, metal);
        for (qreal x = L * 0.3; x < L - 4; x += 11)
            barrel(p, x, x + 3, 0, t * 1.5, dark);
        barrel(p, L - 5, L + 1, 0, t * 1.4, dark);
        break;
    case Gun::Sniper:
        barrel(p, -6, L, 0, t, metal);
        barrel(p, 0, L * 0.28, 0, t * 1.8, metal);
        barrel(p, L * 0.04, L * 0.32, -t * 2.1, t * 1.3, dark); // sight
        p.setPen(Qt::NoPen);
        p.setBrush(GlowColour);
        p.drawEllipse(QPointF(L * 0.32, -t * 2.1), t * 0.45, t * 0.45);
        barrel(p, L - 8, L + 1, 0, t * 1.5, dark);
        break;
    case Gun::Howitzer:
        barrel(p, -6, L, 0, t, metal);
        barrel(p, 0, L * 0.55, -t * 0.8, t * 0.45, dark); // recoil cylinders
        barrel(p, 0, L * 0.55, t * 0.8, t * 0.45, dark);
        barrel(p, L - 8, L + 1, 0, t * 1.3, dark);
        break;
    case Gun::Rail: {
        const qreal gap = t * 0.9;
        QLinearGradient glow(0, -gap / 2, 0, gap / 2);
        glow.setColorAt(0, QColor(180, 244, 255));
        glow.setColorAt(0.5, GlowColour);
        glow.setColorAt(1, QColor(40, 150, 210));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawRect(QRectF(0, -gap / 2, L - 4, gap));
        barrel(p, -6, L, -gap / 2 - t * 0.35, t * 0.7, metal);
        barrel(p, -6, L, gap / 2 + t * 0.35, t * 0.7, shadowed(metal));
        for (qreal x = 6; x < L - 6; x += 13) {
            QPainterPath coil;
            coil.addRoundedRect(QRectF(x, -gap / 2 - t * 0.9, 4, gap + t * 1.8), 1.5, 1.5);
            shadeFlat(p, coil, dark, 0.8);
        }
        break;
    }
    case Gun::Gatling: {
        for (int i = 0; i < 3; ++i)
            barrel(p, 0, L, (i - 1) * t * 0.62, t * 0.55, i == 2 ? shadowed(metal) : metal);
        barrel(p, L - 5, L - 2, 0, t * 2.1, dark);
        QPainterPath drum;
        drum.addRoundedRect(QRectF(-8, -t * 1.3, 14, t * 2.6), 3, 3);
        shade(p, drum, f.colours.trim, 0.9);
        break;
    }
    case Gun::Laser: {
        QPainterPath body =
            polygonPath({{-6, -t * 0.8}, {L - 8, -t * 0.45}, {L - 8, t * 0.45}, {-6, t * 0.8}});
        shadeFlat(p, body, metal, 0.9);
        for (qreal x = 8; x < L - 14; x += 10)
            barrel(p, x, x + 2.5, 0, t * 1.3, dark);
        barrel(p, L - 9, L, 0, t * 1.2, dark);
        QRadialGradient lens(QPointF(L + 1, 0), t);
        lens.setColorAt(0, QColor(255, 236, 200));
        lens.setColorAt(0.5, QColor(255, 120, 60));
        lens.setColorAt(1, QColor(255, 80, 40, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(lens);
        p.drawEllipse(QPointF(L + 1, 0), t, t);
        break;
    }
    case Gun::Rocket: {
        QPainterPath pod;
        pod.addRoundedRect(QRectF(-4, -t / 2, L, t), 3, 3);
        shade(p, pod, f.colours.trim, 0.9);
        p.setPen(QPen(OutlineColour, 1));
        for (int i = 0; i < 2; ++i) {
            const qreal cy = (i - 0.5) * t * 0.48;
            p.setBrush(QColor(30, 30, 34));
            p.drawEllipse(QPointF(L - 4, cy), t * 0.13, t * 0.2);
        }
        barrel(p, L * 0.2, L * 0.3, 0, t * 1.08, DarkMetalColour);
        break;
    }
    }
    p.restore();
}

// ---- fittings behind the hull --------------------------------------------

void drawBackFittings(QPainter& p, const Frame& f) {
    const qreal w = f.hullW, h = f.hullH, lx = f.lx, ty = f.ty;
    if (f.has(Abdomen)) {
        p.save();
        p.translate(lx + 6, ty + h * 0.45);
        p.rotate(24);
        QPainterPath body;
        body.addEllipse(QRectF(-w * 0.5, -h * 0.36, w * 0.56, h * 0.72));
        shade(p, body, f.colours.armour);
        p.setClipPath(body);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 200, 46));
        for (int i = 0; i < 3; ++i)
            p.drawRect(QRectF(-w * 0.42 + i * w * 0.13, -h, w * 0.05, h * 2));
        p.setClipping(false);
        p.setPen(QPen(OutlineColour, 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawPath(body);
        p.restore();
    }
    if (f.has(FuelDrum)) {
        QPainterPath drum;
        drum.addRoundedRect(QRectF(lx - 9, ty + h * 0.14, 14, h * 0.6), 5, 5);
        shade(p, drum, MetalColour, 0.9);
        p.setPen(QPen(DarkMetalColour, 1.5));
        for (qreal k : {0.3, 0.58})
            p.drawLine(QPointF(lx - 8, ty + h * (0.14 + k * 0.6)),
                       QPointF(lx + 4, ty + h * (0.14 + k * 0.6)));
    }
    if (f.has(Stacks)) {
        for (int i = 0; i < 2; ++i) {
            const qreal x = lx + 6 + i * 8;
            QPainterPath pipe;
            pipe.addRoundedRect(QRectF(x, ty - 14 + i * 3, 5.5, 20), 2, 2);
            shadeFlat(p, pipe, DarkMetalColour, 0.9);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(24, 24, 26));
            p.drawRect(QRectF(x + 0.8, ty - 14 + i * 3, 4, 2.5));
        }
    }
    if (f.has(Fins)) {
        for (int i = 0; i < 2; ++i) {
            const qreal x = lx + 4 + i * 10;
            const QColor c = i == 0 ? shadowed(f.colours.trim) : f.colours.trim;
            shade(p,
                  polygonPath({{x, ty + 2},
                               {x + 14, ty + 2},
                               {x + 2, ty - 14 - i * 2},
                               {x - 6, ty - 14 - i * 2}}),
                  c, 0.9);
        }
    }
    if (f.has(RocketTubes)) {
        p.save();
        p.translate(lx + w * 0.2, ty + 4);
        p.rotate(-32);
        for (int i = 0; i < 3; ++i) {
            const qreal y = -i * 7.5;
            QPainterPath tube;
            tube.addRoundedRect(QRectF(-8, y - 3.5, 34 + f.weight * 8, 7), 3, 3);
            shadeFlat(p, tube, i == 1 ? f.colours.trim : shadowed(f.colours.trim), 0.9);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(226, 76, 52));
            p.drawEllipse(QPointF(26 + f.weight * 8, y), 1.8, 2.6);
        }
        p.restore();
    }
    if (f.has(MissileRack)) {
        const QRectF box(lx + w * 0.04, ty - h * 0.5, w * 0.3, h * 0.62);
        for (int i = 0; i < 3; ++i) {
            const qreal mw = box.width() / 3.6;
            const qreal x = box.left() + 2 + i * (box.width() - 4 - mw) / 2;
            QPainterPath missile;
            missile.moveTo(x, box.top() + 2);
            missile.lineTo(x, box.top() - 7);
            missile.quadTo(x + mw / 2, box.top() - 19, x + mw, box.top() - 7);
            missile.lineTo(x + mw, box.top() + 2);
            missile.closeSubpath();
            shadeFlat(p, missile, QColor(232, 232, 226), 0.8);
        }
        QPainterPath rack;
        rack.addRoundedRect(box, 2, 2);
        shade(p, rack, f.colours.trim);
        p.setPen(QPen(QColor(20, 20, 26, 120), 1));
        for (int i = 1; i < 3; ++i)
            p.drawLine(QPointF(box.left() + i * box.width() / 3, box.top() + 3),
                       QPointF(box.left() + i * box.width() / 3, box.bottom() - 3));
    }
    if (f.has(Dish)) {
        const QPointF base(lx + w * 0.16, ty + 2);
        p.setPen(QPen(DarkMetalColour, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(base, base + QPointF(0, -16));
        p.save();
        p.translate(base + QPointF(0, -20));
        p.rotate(-28);
        QPainterPath dish;
        dish.moveTo(-11, -2);
        dish.quadTo(0, 10, 11, -2);
        dish.closeSubpath();
        shadeFlat(p, dish, QColor(214, 218, 222), 0.9);
        p.setPen(QPen(DarkMetalColour, 1.4));
        p.drawLine(QPointF(0, 2), QPointF(0, -9));
        p.restore();
    }
    if (f.has(Ears)) {
        for (int i = 0; i < 2; ++i) {
            const qreal x = LayerCentre - w * 0.12 + i * 10;
            const QColor c = i == 0 ? shadowed(f.colours.armour) : f.colours.armour;
            shade(p,
                  polygonPath({{x, ty + 4}, {x + 9, ty + 4}, {x - 6, ty - 16}, {x - 10, ty - 12}}),
                  c, 0.9);
        }
    }
}

void drawAntennas(QPainter& p, const Frame& f) {
    const bool twin = f.has(TwinAntenna);
    if (!twin && !f.has(Antenna))
        return;
    const QPointF base = f.look.head == Head::None || f.look.head == Head::Cupola
                             ? QPointF(f.lx + f.hullW * 0.22, f.ty + 1)
                             : QPointF(f.turretBox.left() + 5, f.turretBox.top() + 2);
    const int count = twin ? 2 : 1;
    for (int i = 0; i < count; ++i) {
        const QPointF b = base + QPointF(i * 6, 0);
        const QPointF tip = b + QPointF(-8 - i * 3, -30 - f.weight * 8 + i * 8);
        p.setPen(QPen(DarkMetalColour, 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(b, tip);
        p.setPen(QPen(OutlineColour, 0.8));
        p.setBrush(f.colours.accent);
        p.drawEllipse(tip, 2, 2);
    }
}

void drawHead(QPainter& p, const Frame& f) {
    if (f.look.head == Head::None)
        return;
    shade(p, f.turret, f.colours.armour);
    const QRectF b = f.turretBox;
    if (f.look.head != Head::Dome) {
        // Hatch on top.
        QPainterPath hatch;
        hatch.addRoundedRect(QRectF(b.left() + b.width() * 0.2, b.top() - 3, b.width() * 0.3, 4),
                             1.5, 1.5);
        shadeFlat(p, hatch, f.colours.trim, 0.8);
    } else {
        p.setPen(QPen(QColor(255, 255, 255, 90), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(b.adjusted(4, 3, -4, b.height() - 3), 100 * 16, 60 * 16);
    }
    if (f.look.head == Head::Turret || f.look.head == Head::Dome) {
        // Sensor slit on the head.
        const QRectF eye(b.right() - b.width() * 0.34, b.top() + b.height() * 0.32,
                         b.width() * 0.18, 3);
        p.setPen(Qt::NoPen);
        p.setBrush(f.gen == 3 ? GlowColour : GlassColour);
        p.drawRoundedRect(eye, 1.5, 1.5);
    }
}

void drawHeadFittings(QPainter& p, const Frame& f) {
    const QRectF b = f.turretBox;
    if (f.has(Periscope)) {
        const qreal x = b.left() + b.width() * 0.6;
        barrel(p, x, x + 4, b.top() - 5, 0, DarkMetalColour);
        QPainterPath stem;
        stem.addRect(QRectF(x, b.top() - 9, 4, 9));
        shadeFlat(p, stem, DarkMetalColour, 0.8);
        QPainterPath head;
        head.addRoundedRect(QRectF(x - 1, b.top() - 14, 9, 6), 1.5, 1.5);
        shadeFlat(p, head, MetalColour, 0.8);
        p.setPen(Qt::NoPen);
        p.setBrush(GlassColour);
        p.drawRect(QRectF(x + 5.5, b.top() - 12.5, 2, 3));
    }
    if (f.has(Searchlight)) {
        const QPointF c(b.right() - b.width() * 0.3, b.top() - 4);
        QPainterPath lamp;
        lamp.addRoundedRect(QRectF(c.x() - 5, c.y() - 4, 10, 8), 3, 3);
        shadeFlat(p, lamp, DarkMetalColour, 0.8);
        QRadialGradient light(c + QPointF(4, 0), 4);
        light.setColorAt(0, QColor(255, 252, 220));
        light.setColorAt(1, QColor(240, 214, 120));
        p.setPen(QPen(OutlineColour, 0.8));
        p.setBrush(light);
        p.drawEllipse(c + QPointF(4, 0), 2.4, 3.4);
    }
    if (f.has(Horns)) {
        for (int i = 0; i < 2; ++i) {
            const QPointF root(b.left() + b.width() * (0.35 + i * 0.22), b.top() + 2);
            QPainterPath horn;
            horn.moveTo(root + QPointF(-4, 0));
            horn.quadTo(root + QPointF(-4, -9), root + QPointF(-15 + i * 3, -12 + i * 2));
            horn.quadTo(root + QPointF(-1, -6), root + QPointF(4, 0));
            horn.closeSubpath();
            shade(p, horn, i == 0 ? shadowed(QColor(226, 214, 186)) : QColor(226, 214, 186), 0.9);
        }
    }
    if (f.has(Crest)) {
        const QPointF root(b.center().x() + b.width() * 0.05, b.top() + 2);
        QPainterPath crest;
        crest.moveTo(root + QPointF(8, 0));
        crest.quadTo(root + QPointF(4, -16), root + QPointF(-24, -22));
        crest.quadTo(root + QPointF(-12, -12), root + QPointF(-10, 0));
        crest.closeSubpath();
        shade(p, crest, GoldColour, 0.9);
        p.setPen(QPen(mix(GoldColour, Qt::black, 0.35), 1));
        p.drawLine(root + QPointF(2, -2), root + QPointF(-17, -17));
    }
}

// ---- fittings in front ------------------------------------------------------

void drawSideFittings(QPainter& p, const Frame& f) {
    const qreal w = f.hullW, h = f.hullH, lx = f.lx, rx = f.rx, ty = f.ty, by = f.by;
    if (f.has(CoilGun)) {
        p.save();
        p.translate(LayerCentre - w * 0.34, f.turretBox.top() - 7);
        const qreal L = w * 0.9;
        QPainterPath body;
        body.addRoundedRect(QRectF(-6, -5, L, 10), 3, 3);
        shade(p, body, DarkMetalColour, 0.9);
        for (qreal x = 10; x < L - 10; x += 9) {
            QPainterPath ring;
            ring.addRoundedRect(QRectF(x, -7, 4, 14), 2, 2);
            shadeFlat(p, ring, QColor(190, 140, 70), 0.8);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(GlowColour);
        p.drawRect(QRectF(0, -1, L - 10, 2));
        QPainterPath mount;
        mount.addRoundedRect(QRectF(-4, 3, 22, 9), 2, 2);
        shade(p, mount, f.colours.trim, 0.9);
        p.restore();
    }
    if (f.has(MissileBox)) {
        const QRectF box(lx + w * 0.06, ty - h * 0.3, w * 0.36, h * 0.5);
        QPainterPath side;
        side.addRoundedRect(box, 2.5, 2.5);
        shade(p, side, f.colours.trim);
        const QRectF face(box.right() - 9, box.top() + 2, 7, box.height() - 4);
        p.setPen(QPen(OutlineColour, 1));
        p.setBrush(mix(f.colours.trim, Qt::black, 0.35));
        p.drawRect(face);
        const int rows = 3;
        for (int r = 0; r < rows; ++r) {
            const qreal cy = face.top() + face.height() * (r + 0.5) / rows;
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(236, 226, 210));
            p.drawEllipse(QPointF(face.center().x(), cy), 2.2, 2.2);
            p.setBrush(QColor(200, 60, 48));
            p.drawEllipse(QPointF(face.center().x(), cy), 1.1, 1.1);
        }
        p.setPen(QPen(QColor(255, 255, 255, 70), 1));
        p.drawLine(QPointF(box.left() + 4, box.top() + box.height() * 0.5),
                   QPointF(box.right() - 12, box.top() + box.height() * 0.5));
    }
    if (f.has(SidePod)) {
        const QRectF pod(rx - w * 0.44, by - h * 0.4, w * 0.3, h * 0.32);
        QPainterPath shape;
        shape.addRoundedRect(pod, pod.height() * 0.45, pod.height() * 0.45);
        shade(p, shape, MetalColour, 0.9);
        for (int i = 0; i < 2; ++i)
            barrel(p, pod.right() - 5, pod.right() + 6,
                   pod.top() + pod.height() * (0.32 + i * 0.36), pod.height() * 0.24,
                   DarkMetalColour);
    }
}

void drawSkirt(QPainter& p, const Frame& f) {
    if (!f.has(Skirt))
        return;
    const qreal w = f.hullW, by = f.by;
    const qreal plateW = w * 0.26, plateH = f.legLen * 0.2;
    const bool regal = f.look.paint == Paint::Regal;
    for (int i = 0; i < 3; ++i) {
        const qreal x = f.lx + w * 0.1 + i * plateW * 1.08;
        QPainterPath plate = polygonPath({{x, by - 4},
                                          {x + plateW, by - 4},
                                          {x + plateW * 0.86, by + plateH},
                                          {x + plateW * 0.14, by + plateH}});
        shade(p, plate, i == 1 ? f.colours.armour : mix(f.colours.armour, f.colours.trim, 0.5));
        if (regal) {
            p.setPen(QPen(GoldColour, 2));
            p.drawLine(QPointF(x + plateW * 0.08, by + plateH - 3),
                       QPointF(x + plateW * 0.92, by + plateH - 3));
        }
    }
}

void drawFrontFittings(QPainter& p, const Frame& f) {
    const qreal w = f.hullW, h = f.hullH, rx = f.rx, ty = f.ty, by = f.by;
    if (f.has(Ram)) {
        const QPointF nose(rx + w * 0.1, by - h * 0.42);
        QPainterPath spike = polygonPath({{nose.x() - 8, nose.y() - 6},
                                          {nose.x() + 28, nose.y()},
                                          {nose.x() - 8, nose.y() + 6}});
        shade(p, spike, BladeColour, 0.9);
        barrel(p, nose.x() - 10, nose.x() + 2, nose.y(), 13, DarkMetalColour);
    }
    if (f.has(Blade)) {
        const QPointF shoulder(rx - w * 0.2, by - h * 0.25);
        const QPointF hand(rx + 6, by + 16);
        shade(p, taper(shoulder, hand, 8, 6), MetalColour, 0.9);
        joint(p, shoulder, 5, false);
        QPainterPath blade;
        blade.moveTo(hand + QPointF(-2, 4));
        blade.quadTo(hand + QPointF(26, 2), hand + QPointF(46, -30));
        blade.quadTo(hand + QPointF(18, -6), hand + QPointF(-3, -4));
        blade.closeSubpath();
        shade(p, blade, BladeColour, 0.9);
        p.setPen(QPen(QColor(255, 255, 255, 200), 1));
        p.drawLine(hand + QPointF(4, 0), hand + QPointF(36, -20));
        QPainterPath grip;
        grip.addRoundedRect(QRectF(hand.x() - 5, hand.y() - 5, 10, 10), 3, 3);
        shadeFlat(p, grip, f.colours.trim, 0.9);
    }
    if (f.has(StunRod)) {
        const QPointF a(rx - w * 0.3, by - 2), b(rx + 26, by + 20);
        p.setPen(QPen(OutlineColour, 4.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(a, b);
        p.setPen(QPen(MetalColour, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(a, b);
        p.setPen(QPen(QColor(250, 220, 70), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPolygonF spark{b + QPointF(-2, -6), b + QPointF(3, -2), b + QPointF(-1, 1),
                              b + QPointF(5, 5)};
        p.drawPolyline(spark);
        p.drawPolyline(QPolygonF{b + QPointF(4, -7), b + QPointF(7, -3), b + QPointF(5, -1),
                                 b + QPointF(9, 1)});
    }
    if (f.has(Shield)) {
        const qreal sw = 14 + f.weight * 8, sh = h * 1.45 + 14;
        const QRectF r(rx + 6, ty - h * 0.18, sw, sh);
        // Arm from the hull to the back of the shield.
        p.setPen(QPen(OutlineColour, 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(rx - 6, ty + h * 0.55), QPointF(r.left() + 3, r.center().y()));
        p.setPen(QPen(MetalColour, 3.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(rx - 6, ty + h * 0.55), QPointF(r.left() + 3, r.center().y()));
        QPainterPath shield;
        shield.moveTo(r.left(), r.top() + 6);
        shield.quadTo(r.left() + sw * 0.5, r.top() - 4, r.right(), r.top() + 8);
        shield.quadTo(r.right() + sw * 0.35, r.center().y(), r.right(), r.bottom() - 10);
        shield.lineTo(r.center().x(), r.bottom() + 4);
        shield.lineTo(r.left(), r.bottom() - 8);
        shield.closeSubpath();
        shade(p, shield, f.colours.trim, 1.1);
        // Raised rim and a ring emblem.
        p.save();
        p.setClipPath(shield);
        p.setPen(QPen(mix(f.colours.armour, Qt::white, 0.2), 2.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(shield.translated(0, 0));
        p.restore();
        p.setPen(QPen(f.colours.accent, 2.4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(r.center().x() + 2, r.center().y() - 4), sw * 0.26, sw * 0.26);
        p.setPen(QPen(OutlineColour, 1.4));
        p.drawPath(shield);
    }
}

// ---- the picture ----------------------------------------------------------

QImage drawMachine(const Frame& f) {
    QImage layer(LayerWidth, VtPictureSize.height(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter p;
    beginPainter(p, layer);
    p.translate(LayerCentre, GroundY);
    p.scale(MachineScale, MachineScale);
    p.translate(-LayerCentre, -GroundY);

    const QList<LegPose> poses = legPoses(f);
    for (const LegPose& pose : poses)
        if (pose.far)
            drawLeg(p, f, pose);
    drawBackFittings(p, f);
    drawAntennas(p, f);
    shade(p, f.hull, f.colours.armour, 1.1);
    drawHullDetails(p, f);
    drawGun(p, f);
    drawHead(p, f);
    drawHeadFittings(p, f);
    drawSideFittings(p, f);
    for (const LegPose& pose : poses)
        if (!pose.far)
            drawLeg(p, f, pose);
    drawSkirt(p, f);
    drawFrontFittings(p, f);
    p.end();
    return layer;
}

QRect opaqueBounds(const QImage& image) {
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) < 128)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

void drawBackdrop(QPainter& p, const FactionColours& c) {
    const QRectF all(QPointF(0, 0), QSizeF(VtPictureSize));
    QLinearGradient sky(0, 0, 0, HorizonY);
    sky.setColorAt(0, mix(c.sky, Qt::white, 0.55));
    sky.setColorAt(1, c.sky);
    p.fillRect(QRectF(0, 0, all.width(), HorizonY), sky);

    // A far ridge, the same for every VT.
    QPainterPath ridge;
    ridge.moveTo(0, HorizonY);
    for (int x = 0; x <= all.width(); x += 4)
        ridge.lineTo(x, HorizonY - 9 - 5 * std::sin(x / 23.0) - 3 * std::sin(x / 9.0 + 1.3));
    ridge.lineTo(all.width(), HorizonY);
    ridge.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(mix(c.sky, QColor(96, 104, 116), 0.16));
    p.drawPath(ridge);

    const QColor earth(150, 142, 124);
    QLinearGradient ground(0, HorizonY, 0, all.height());
    ground.setColorAt(0, mix(c.sky, earth, 0.45));
    ground.setColorAt(1, mix(c.sky, earth, 0.72));
    p.fillRect(QRectF(0, HorizonY, all.width(), all.height() - HorizonY), ground);
    p.setPen(QPen(mix(c.sky, earth, 0.9), 1));
    p.drawLine(QPointF(0, HorizonY + 0.5), QPointF(all.width(), HorizonY + 0.5));

    // Faint furrows running to a vanishing point give the ground depth.
    QColor furrow = QColor(60, 56, 48);
    furrow.setAlpha(26);
    p.setPen(QPen(furrow, 1));
    const QPointF vanish(all.width() / 2, HorizonY - 40);
    for (int i = -6; i <= 6; ++i) {
        const QPointF bottom(all.width() / 2 + i * 60, all.height());
        const qreal t = (HorizonY + 2 - vanish.y()) / (bottom.y() - vanish.y());
        p.drawLine(vanish + (bottom - vanish) * t, bottom);
    }
}

void drawShadow(QPainter& p, qreal centreX, qreal width) {
    QRadialGradient g(QPointF(centreX, GroundY + 1), width / 2);
    g.setColorAt(0, QColor(20, 20, 24, 110));
    g.setColorAt(0.7, QColor(20, 20, 24, 50));
    g.setColorAt(1, QColor(20, 20, 24, 0));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.translate(centreX, GroundY + 1);
    p.scale(1, 0.13);
    p.translate(-centreX, -(GroundY + 1));
    p.drawEllipse(QPointF(centreX, GroundY + 1), width / 2, width / 2);
    p.restore();
}

void drawCaption(QPainter& p, const VtFacts& facts, const FactionColours& c) {
    const qreal w = VtPictureSize.width();
    const QFont genFont = artFont(11, true);
    const QFontMetricsF gm(genFont);
    const qreal pillW = gm.horizontalAdvance(facts.generationText) + 14;
    const QRectF pill(w - 9 - pillW, 9, pillW, 17);
    p.setPen(QPen(OutlineColour, 1));
    p.setBrush(c.armour);
    p.drawRoundedRect(pill, 8.5, 8.5);
    const bool lightPill = c.armour.lightnessF() > 0.5 && c.armour.blue() < 120;
    p.setPen(lightPill ? InkColour : QColor(250, 250, 248));
    p.setFont(genFont);
    p.drawText(pill, Qt::AlignCenter, facts.generationText);

    p.setFont(artFont(17, true));
    p.setPen(InkColour);
    p.drawText(QRectF(10, 6, pill.left() - 14, 24), Qt::AlignLeft | Qt::AlignVCenter, facts.name);
    // A short rule in the faction colour under the name.
    p.setPen(QPen(c.armour, 2.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(11, 32), QPointF(50, 32));
}

} // namespace

QImage vtPicture(int index) {
    const Frame f = makeFrame(index);
    const QImage machine = drawMachine(f);
    const QRect bounds = opaqueBounds(machine);

    QImage image(VtPictureSize, QImage::Format_RGB32);
    QPainter p;
    beginPainter(p, image);
    drawBackdrop(p, f.colours);

    // Oversized machines are shrunk about the ground line to clear the frame and the caption.
    constexpr qreal CaptionBottom = 40;
    const qreal available = VtPictureSize.width() - 12;
    qreal scale = bounds.width() > available ? available / bounds.width() : 1.0;
    if (bounds.top() < CaptionBottom)
        scale = std::min(scale, (GroundY - CaptionBottom) / (GroundY - bounds.top()));
    const qreal dx = VtPictureSize.width() / 2.0 - bounds.center().x() * scale;
    drawShadow(p, dx + LayerCentre * scale, (f.hullW + f.legLen) * MachineScale * scale + 16);
    p.save();
    p.translate(dx, GroundY * (1 - scale));
    p.scale(scale, scale);
    p.drawImage(0, 0, machine);
    p.restore();

    drawCaption(p, f.facts, f.colours);
    p.setPen(QPen(mix(f.colours.sky, InkColour, 0.45), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, VtPictureSize.width() - 1, VtPictureSize.height() - 1));
    p.end();
    return image;
}

} // namespace vantor::art

#include "tools/imagegen/ArtKit.h"

#include "model/Text.h"

#include <QHash>
#include <QLinearGradient>

#include <algorithm>
#include <vector>

namespace vantor::art {

QFont artFont(qreal pixelSize, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(qRound(pixelSize));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void beginPainter(QPainter& p, QImage& image) {
    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setFont(artFont(12));
}

VtFacts vtFacts(int index) {
    const VtEntry& e = vtEntry(index);
    // The generation text reads "1st Gen", "2nd Gen" or "3rd Gen".
    const QString generation = toQString(e.generation);
    const int number = generation.isEmpty() ? 1 : std::clamp(generation.front().digitValue(), 1, 3);
    return {toQString(e.selectorName),
            e.faction,
            generation,
            number,
            int(e.standardLoad),
            int(e.maximumLoad),
            double(e.maximumSpeed)};
}

FactionColours factionColours(Faction faction) {
    switch (faction) {
    case Faction::HaiShiDao:
        return {{178, 54, 44}, {118, 36, 34}, {236, 218, 178}, {246, 234, 230}};
    case Faction::Jaralaccs:
        return {{218, 178, 46}, {158, 120, 30}, {64, 52, 36}, {246, 242, 224}};
    case Faction::PacificRimForces:
        return {{56, 92, 172}, {34, 58, 118}, {232, 238, 246}, {232, 238, 248}};
    case Faction::RightBrothers:
        return {{66, 122, 56}, {40, 82, 38}, {232, 214, 128}, {234, 242, 230}};
    }
    return {};
}

QColor mix(const QColor& a, const QColor& b, qreal t) {
    auto lerp = [t](int x, int y) { return qRound(x + (y - x) * t); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

namespace {

QLinearGradient litGradient(const QRectF& r, const QColor& base) {
    QLinearGradient g(r.topLeft(), QPointF(r.left() + r.width() * 0.45, r.bottom()));
    g.setColorAt(0.0, mix(base, Qt::white, 0.28));
    g.setColorAt(0.55, base);
    g.setColorAt(1.0, mix(base, Qt::black, 0.32));
    return g;
}

QPen outlinePen(qreal scale) {
    return QPen(OutlineColour, 1.4 * scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

} // namespace

void shadeFlat(QPainter& p, const QPainterPath& path, const QColor& base, qreal outline) {
    p.save();
    p.setPen(outlinePen(outline));
    p.setBrush(litGradient(path.boundingRect(), base));
    p.drawPath(path);
    p.restore();
}

void shade(QPainter& p, const QPainterPath& path, const QColor& base, qreal outline) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(litGradient(path.boundingRect(), base));
    p.drawPath(path);
    // Rim light: the outline shifted down and right, seen only inside the
    // shape, brightens the edges that face the light.
    p.setClipPath(path, Qt::IntersectClip);
    QColor rim = mix(base, Qt::white, 0.55);
    rim.setAlpha(170);
    p.setPen(QPen(rim, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path.translated(1.3, 1.3));
    p.restore();
    p.save();
    p.setPen(outlinePen(outline));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
}

QImage toIndexed8(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++counts[line[x] | 0xff000000u];
    }
    std::vector<std::pair<int, QRgb>> byCount;
    byCount.reserve(size_t(counts.size()));
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        byCount.emplace_back(it.value(), it.key());
    // Ties are broken by the colour value so the table never depends on hash order.
    std::sort(byCount.begin(), byCount.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    if (byCount.size() > 256)
        byCount.resize(256);
    QList<QRgb> table;
    for (const auto& entry : byCount)
        table.append(entry.second);

    QHash<QRgb, uchar> lookup;
    auto nearest = [&table](QRgb c) {
        int best = 0;
        int bestDistance = INT_MAX;
        for (int i = 0; i < table.size(); ++i) {
            const int dr = qRed(c) - qRed(table[i]);
            const int dg = qGreen(c) - qGreen(table[i]);
            const int db = qBlue(c) - qBlue(table[i]);
            const int d = dr * dr + dg * dg + db * db;
            if (d < bestDistance) {
                bestDistance = d;
                best = i;
            }
        }
        return uchar(best);
    };
    QImage out(rgb.size(), QImage::Format_Indexed8);
    out.setColorTable(table);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* o = out.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = in[x] | 0xff000000u;
            auto it = lookup.constFind(c);
            if (it == lookup.constEnd())
                it = lookup.insert(c, nearest(c));
            o[x] = it.value();
        }
    }
    return out;
}

} // namespace vantor::art

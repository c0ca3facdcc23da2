// The range chart background: a distance scale from the VT at x = 68 out to
// 2500 m, kept light so that the coloured range bars and the red and magenta
// armour outline drawn over it stay readable.

#include "tools/imagegen/Art.h"
#include "tools/imagegen/ArtKit.h"

#include <array>

namespace vantor::art {

namespace {

const QColor PaperColour{247, 246, 241};
const QColor BandColour{222, 233, 244};
const QColor GridColour{204, 208, 216};
const QColor FineGridColour{226, 228, 232};
const QColor RingColour{196, 202, 212};
const QColor ScaleInk{58, 62, 72};
const QColor SilhouetteColour{70, 78, 92};

constexpr std::array<const char*, RangeMarkCount> MarkTexts{"0", "500", "1k", "1500", "2k", "2500"};

void drawSilhouette(QPainter& p) {
    // A tiny walking tank facing right, its nose just short of the zero line.
    p.save();
    p.setPen(QPen(SilhouetteColour, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF{{55.5, 68}, {57.5, 72.5}, {55, 77}});
    p.drawPolyline(QPolygonF{{59.5, 68}, {62, 72.5}, {60.5, 77}});
    p.setPen(Qt::NoPen);
    p.setBrush(SilhouetteColour);
    p.drawRect(QRectF(52, 76.5, 5, 1.5));
    p.drawRect(QRectF(58, 76.5, 5, 1.5));
    p.drawPolygon(QPolygonF{
        {50, 61.5}, {51.5, 60}, {62, 60}, {65, 63.5}, {65, 67}, {63, 69}, {51, 69}, {50, 67.5}});
    p.drawRoundedRect(QRectF(53, 56.5, 7, 4.5), 1.5, 1.5);
    p.drawRect(QRectF(59, 57.6, 7.5, 1.6));
    p.setBrush(mix(SilhouetteColour, Qt::white, 0.45));
    p.drawRect(QRectF(58.5, 62, 4, 1.4));
    p.restore();
}

} // namespace

QImage rangeChart() {
    QImage image(RangeChartSize, QImage::Format_RGB32);
    image.fill(PaperColour);
    QPainter p;
    beginPainter(p, image);

    const qreal bandLeft = ChartOriginX, bandRight = RangeBandRight;
    p.fillRect(
        QRectF(bandLeft, RangeBandTop, bandRight - bandLeft, RangeBandBottom - RangeBandTop + 1),
        BandColour);

    // Grid: a line at every mark, a finer one half way between.
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int m = 0; m < RangeMarkCount; ++m) {
        const int x = rangeMarkX(m);
        p.setPen(GridColour);
        p.drawLine(x, 14, x, RangeChartSize.height() - 15);
        if (m + 1 < RangeMarkCount) {
            const int half = chartX((2 * m + 1) * 250);
            p.setPen(FineGridColour);
            p.drawLine(half, 16, half, RangeChartSize.height() - 17);
        }
    }
    p.setPen(mix(BandColour, GridColour, 0.8));
    p.drawLine(ChartOriginX, RangeBandTop, RangeBandRight, RangeBandTop);
    p.drawLine(ChartOriginX, RangeBandBottom, RangeBandRight, RangeBandBottom);
    p.setRenderHint(QPainter::Antialiasing, true);

    // Range rings around the VT.
    const QPointF centre(58, RangeVtRow);
    p.setBrush(Qt::NoBrush);
    for (int r : {16, 30, 46}) {
        QPen ring(RingColour, 1, Qt::DotLine);
        p.setPen(ring);
        p.drawEllipse(centre, r, r);
    }
    drawSilhouette(p);

    // Scale marks along the top and bottom edges.
    p.setFont(artFont(10, true));
    p.setPen(ScaleInk);
    for (int m = 0; m < RangeMarkCount; ++m) {
        const qreal x = rangeMarkX(m);
        const QString text = QString::fromLatin1(MarkTexts[size_t(m)]);
        p.drawText(QRectF(x - 20, 0, 40, 12), Qt::AlignHCenter | Qt::AlignTop, text);
        p.drawText(QRectF(x - 20, RangeChartSize.height() - 12, 40, 12),
                   Qt::AlignHCenter | Qt::AlignBottom, text);
        p.setPen(QPen(ScaleInk, 1));
        p.drawLine(QPointF(x, 12), QPointF(x, 15));
        p.drawLine(QPointF(x, RangeChartSize.height() - 15),
                   QPointF(x, RangeChartSize.height() - 12));
    }
    p.setFont(artFont(9));
    p.setPen(mix(ScaleInk, PaperColour, 0.35));
    p.drawText(QRectF(RangeBandRight + 22, 0, 40, 12), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("metres"));
    p.end();
    return toIndexed8(image);
}

} // namespace vantor::art

#include "controls/Cgauges.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <stdexcept>

void TBltBitmap::MatchSize(const QImage& tmpl) {
    *this = TBltBitmap(tmpl.size(), QImage::Format_RGB32);
    setDevicePixelRatio(tmpl.devicePixelRatio());
    fill(WindowFrameColor);
}

namespace GaugeGeometry {

// The percentages and fill sizes are worked out in exact integer arithmetic: the quotients are
// never negative, so integer division rounds down just as flooring the real value does, and
// no binary rounding of 0.01 can take a pixel off (29 % of 100 is 29, not 28).

int percentDone(int minValue, int maxValue, int progress) {
    if (maxValue == minValue) {
        return 0;
    }
    const qint64 done = qint64(progress) - minValue;
    const qint64 range = qint64(maxValue) - minValue;
    return int(done * 100 / range);
}

QRect paintRect(QSize size, bool framed) {
    const QRect client(QPoint(0, 0), size);
    return framed ? client.adjusted(1, 1, -1, -1) : client;
}

int horizontalFillSize(int percent, int w) {
    return std::min(int(qint64(percent) * w / 100), w);
}

int verticalFillSize(int percent, int h) {
    const int size = int(qint64(percent) * h / 100);
    return size >= h ? h - 1 : size;
}

// The bar spans are right - left + 1, one more than the rectangle's width, and the horizontal
// bar ends at column W and row H measured from the control's origin, not from the rectangle.

QRect horizontalBarRect(const QRect& paint, int percent) {
    const int w = paint.width() + 1;
    const int h = paint.height() + 1;
    const int size = horizontalFillSize(percent, w);
    if (size <= 0) {
        return {};
    }
    return QRect(QPoint(paint.left(), paint.top()), QPoint(size - 1, h - 1));
}

QRect verticalBarRect(const QRect& paint, int percent) {
    const int w = paint.width() + 1;
    const int h = paint.height() + 1;
    const int size = verticalFillSize(percent, h);
    return QRect(QPoint(paint.left(), h - size), QPoint(w - 1, h - 1));
}

QPoint textPosition(const QRect& paint, QSize textSize) {
    return {(paint.width() + 1 - textSize.width()) / 2,
            (paint.height() + 1 - textSize.height()) / 2};
}

PieAngles pieAngles(const QRect& bounds, QPoint from, QPoint to) {
    const double cx = bounds.x() + bounds.width() / 2.0;
    const double cy = bounds.y() + bounds.height() / 2.0;
    const auto degrees = [&](QPoint p) {
        return std::atan2(cy - p.y(), p.x() - cx) * 180.0 / std::numbers::pi;
    };
    const int start = int(std::lround(degrees(from) * 16));
    int span = int(std::lround(degrees(to) * 16)) - start;
    while (span <= 0) {
        span += 360 * 16;
    }
    return {start, span};
}

// Points on the dial are rounded to the nearest pixel: cos(pi / 2) is not exactly 0, so
// flooring would take a pixel off a value such as 49.999999999999993.
static QPoint dialPoint(int rx, int ry, double angle) {
    return {int(std::lround(rx * (1 - std::cos(angle)))),
            int(std::lround(ry * (1 - std::sin(angle))))};
}

QPoint needleTip(int centreX, int baseRow, int percent) {
    return dialPoint(centreX, baseRow, std::numbers::pi * percent * 0.01);
}

QPoint pieStart(int mx, int my, int percent) {
    return dialPoint(mx, my, std::numbers::pi * (percent * 0.02 + 0.5));
}

} // namespace GaugeGeometry

namespace {

// A figure bounded by (left, top) and (right, bottom) covers the columns left..right - 1 and
// rows top..bottom - 1; QPainter's outlined figures cover one more, so the rectangle it is given
// is one pixel narrower and shorter.
QRect figureBounds(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left - 1, bottom - top - 1);
}

// Lines leave out their end point; a flat cap does that for one-pixel pens.
QPen linePen(const QColor& color) {
    return QPen(color, 1, Qt::SolidLine, Qt::FlatCap);
}

// Both images have the same size in pixels; they are combined pixel for pixel, whatever their
// device pixel ratio, so that no scaling blurs the exclusive-or.
void xorInto(QImage& image, const QImage& overlay) {
    const qreal ratio = image.devicePixelRatio();
    QImage pixels = overlay;
    image.setDevicePixelRatio(1);
    pixels.setDevicePixelRatio(1);
    {
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.drawImage(0, 0, pixels);
    }
    image.setDevicePixelRatio(ratio);
}

std::out_of_range boundError(int low, int high) {
    char text[64];
    std::snprintf(text, sizeof text, "Value must be between %d and %d", low, high);
    return std::out_of_range(text);
}

} // namespace

TCGauge::TCGauge(QWidget* parent) : QWidget(parent), m_color(palette().color(QPalette::Window)) {
    // Every pixel of the control is painted, so Qt need not clear behind it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(100, 100);
}

void TCGauge::requestRepaint() {
    update();
}

void TCGauge::SeTCGaugeKind(TCGaugeKind value) {
    if (value != m_kind) {
        m_kind = value;
        requestRepaint();
    }
}

void TCGauge::SetShowText(bool value) {
    if (value != m_showText) {
        m_showText = value;
        requestRepaint();
    }
}

void TCGauge::SetBorderStyle(TBorderStyle value) {
    if (value != m_borderStyle) {
        m_borderStyle = value;
        requestRepaint();
    }
}

void TCGauge::SetForeColor(const QColor& value) {
    if (value != m_foreColor) {
        m_foreColor = value;
        requestRepaint();
    }
}

void TCGauge::SetBackColor(const QColor& value) {
    if (value != m_backColor) {
        m_backColor = value;
        requestRepaint();
    }
}

void TCGauge::setColor(const QColor& value) {
    if (value != m_color) {
        m_color = value;
        requestRepaint();
    }
}

void TCGauge::SetMinValue(int value) {
    if (value == m_minValue) {
        return;
    }
    if (value > m_maxValue) {
        throw boundError(-INT_MAX, m_maxValue - 1);
    }
    const int before = GetPercentDone();
    m_minValue = value;
    m_progress = std::max(m_progress, value);
    requestRepaint();
    notifyPercent(before);
}

// An unchanged maximum is skipped, like an unchanged minimum.
void TCGauge::SetMaxValue(int value) {
    if (value == m_maxValue) {
        return;
    }
    if (value < m_minValue) {
        throw boundError(m_minValue + 1, INT_MAX);
    }
    const int before = GetPercentDone();
    m_maxValue = value;
    m_progress = std::min(m_progress, value);
    requestRepaint();
    notifyPercent(before);
}

void TCGauge::SetProgress(int value) {
    const int before = GetPercentDone();
    value = std::clamp(value, m_minValue, m_maxValue);
    if (value != m_progress) {
        m_progress = value;
        if (GetPercentDone() != before) {
            requestRepaint();
            notifyPercent(before);
        }
    }
}

void TCGauge::notifyPercent(int before) {
    const int percent = GetPercentDone();
    if (percent == before) {
        return;
    }
    QAccessibleValueChangeEvent event(this, percent);
    QAccessible::updateAccessibility(&event);
    emit percentDoneChanged(percent);
}

void TCGauge::AddProgress(int value) {
    // Clamped before narrowing so a large difference cannot overflow.
    SetProgress(
        int(std::clamp(qint64(m_progress) + value, qint64(m_minValue), qint64(m_maxValue))));
    requestRepaint();
}

int TCGauge::GetPercentDone() const {
    return GaugeGeometry::percentDone(m_minValue, m_maxValue, m_progress);
}

QImage TCGauge::renderImage(qreal devicePixelRatio) const {
    // Drawn in the control's own coordinates on an image of device pixels, so that the text is
    // as sharp as the screen allows; at a ratio of one every pixel is as before.
    QImage work(QSize(qCeil(width() * devicePixelRatio), qCeil(height() * devicePixelRatio)),
                QImage::Format_RGB32);
    work.setDevicePixelRatio(devicePixelRatio);
    PaintBackground(work);
    const QRect rect = GaugeGeometry::paintRect(size(), m_borderStyle == bsSingle);

    TBltBitmap overlay;
    overlay.MatchSize(work);
    PaintBackground(overlay);
    switch (m_kind) {
    case gkText:
        PaintAsNothing(overlay, rect);
        break;
    case gkHorizontalBar:
    case gkVerticalBar:
        PaintAsBar(overlay, rect);
        break;
    case gkPie:
        PaintAsPie(overlay, rect);
        break;
    case gkNeedle:
        PaintAsNeedle(overlay, rect);
        break;
    }
    // The work image is black, so this leaves the overlay, with the pixels outside the paint
    // rectangle black: that is the frame.
    xorInto(work, overlay);

    if (m_showText) {
        PaintAsText(work, rect);
    }
    return work;
}

void TCGauge::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The device painted on (the window's backing store, or an image the control is rendered
    // into) says how many of its pixels make one of the control's.
    const QPaintDevice* target =
        painter.paintEngine() ? painter.paintEngine()->paintDevice() : this;
    painter.drawImage(QPointF(0, 0), renderImage(target ? target->devicePixelRatio() : 1));
}

void TCGauge::PaintBackground(QImage& image) const {
    image.fill(Qt::black);
}

void TCGauge::PaintAsNothing(QImage& image, const QRect& rect) const {
    QPainter painter(&image);
    painter.fillRect(rect, m_backColor);
}

void TCGauge::PaintAsBar(QImage& image, const QRect& rect) const {
    QPainter painter(&image);
    painter.fillRect(rect, m_backColor);
    const int percent = GetPercentDone();
    const QRect bar = m_kind == gkHorizontalBar ? GaugeGeometry::horizontalBarRect(rect, percent)
                                                : GaugeGeometry::verticalBarRect(rect, percent);
    if (!bar.isEmpty()) {
        painter.fillRect(bar, m_foreColor);
    }
}

void TCGauge::PaintAsPie(QImage& image, const QRect& rect) const {
    const int extra = m_borderStyle == bsSingle ? 1 : 0;
    const int w = rect.width() + extra;
    const int h = rect.height() + extra;
    const QRect bounds = figureBounds(rect.left(), rect.top(), w, h);

    QPainter painter(&image);
    painter.fillRect(rect, m_color);
    painter.setPen(linePen(m_foreColor));
    painter.setBrush(m_backColor);
    painter.drawEllipse(bounds);

    const int percent = GetPercentDone();
    if (percent > 0) {
        painter.setBrush(m_foreColor);
        const int mx = w / 2;
        const QPoint from = GaugeGeometry::pieStart(mx, h / 2, percent);
        const auto pie = GaugeGeometry::pieAngles(bounds, from, QPoint(mx, 0));
        painter.drawPie(bounds, pie.start, pie.span);
    }
}

void TCGauge::PaintAsNeedle(QImage& image, const QRect& rect) const {
    const int extra = m_borderStyle == bsSingle ? 1 : 0;
    const int x = rect.left();
    const int y = rect.top();
    const int w = rect.width() + extra;
    const int h = rect.height() + extra;
    const int bottom = rect.top() + rect.height();

    QPainter painter(&image);
    painter.fillRect(rect, m_color);
    painter.setPen(linePen(m_foreColor));
    painter.setBrush(m_backColor);
    const QRect bounds = figureBounds(x, y, w, 2 * h - 1);
    const auto dial =
        GaugeGeometry::pieAngles(bounds, QPoint(x + w, bottom - 1), QPoint(x, bottom - 1));
    painter.drawPie(bounds, dial.start, dial.span);
    painter.drawLine(QPoint(x, bottom), QPoint(x + w, bottom));

    const int percent = GetPercentDone();
    if (percent > 0) {
        const int mx = width() / 2;
        painter.drawLine(QPoint(mx, bottom - 1), GaugeGeometry::needleTip(mx, bottom - 1, percent));
    }
}

void TCGauge::PaintAsText(QImage& image, const QRect& rect) const {
    TBltBitmap text;
    text.MatchSize(image);
    PaintBackground(text);

    const QString caption = QString::number(GetPercentDone()) + u'%';
    // Glyphs without antialiasing are pure white, so every pixel they cover is inverted
    // exactly and every other pixel is left alone; grey edges would mix into odd colours.
    QFont textFont = font();
    textFont.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics metrics(textFont, &text);
    const QPoint pos = GaugeGeometry::textPosition(
        rect, QSize(metrics.horizontalAdvance(caption), metrics.height()));
    {
        QPainter painter(&text);
        painter.setClipRect(rect);
        painter.setFont(textFont);
        painter.setPen(Qt::white);
        painter.drawText(pos.x(), pos.y() + metrics.ascent(), caption);
    }
    xorInto(image, text);
}

#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>

// A bitmap that can take the size (and device pixel ratio) of another and start out in the
// window-frame colour.
class TBltBitmap : public QImage {
public:
    using QImage::QImage;

    // The window-frame colour is black here: the palette has no such role, and the gauge's
    // exclusive-or composition relies on a black start (x ^ 0 == x).
    static constexpr QRgb WindowFrameColor = 0xFF000000;

    void MatchSize(const QImage& tmpl);
};

// The pure arithmetic of the gauge, kept apart from painting so it can be checked on its own.
// Rectangles are QRects; "right" and "bottom" below mean left + width and top + height, the
// first column and row outside the rectangle.
namespace GaugeGeometry {

// (progress - min) * 100 / (max - min) rounded down; 0 for an empty range.
int percentDone(int minValue, int maxValue, int progress);

// The client rectangle, shrunk by one pixel on every side when framed.
QRect paintRect(QSize size, bool framed);

// The bar's extent along its axis for a span W (or H) of right - left + 1.
int horizontalFillSize(int percent, int w);
int verticalFillSize(int percent, int h);

// The filled part of a bar, empty when nothing is filled.
QRect horizontalBarRect(const QRect& paint, int percent);
QRect verticalBarRect(const QRect& paint, int percent);

// Top-left corner of the percentage text: centred on the span of the paint rectangle, but an
// absolute position (the rectangle's left and top are not added).
QPoint textPosition(const QRect& paint, QSize textSize);

// Qt's start and span angles (1/16 degree, counter-clockwise) of a pie in `bounds` running
// counter-clockwise from the radial through `from` to the radial through `to`; equal radials
// give the whole ellipse.
struct PieAngles {
    int start;
    int span;
};
PieAngles pieAngles(const QRect& bounds, QPoint from, QPoint to);

// Where the needle ends, for a dial centred on column `centreX` with its base on row `baseRow`.
QPoint needleTip(int centreX, int baseRow, int percent);

// Where the filled sector of a pie with half-axes `mx` and `my` starts; it ends at (mx, 0).
QPoint pieStart(int mx, int my, int percent);

} // namespace GaugeGeometry

// Shows an integer between a minimum and a maximum as a bar, pie or needle dial, with the
// percentage written over it by inversion so it reads on both the filled and unfilled part.
class TCGauge : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(TCGaugeKind Kind READ kind WRITE SeTCGaugeKind)
    Q_PROPERTY(bool ShowText READ showText WRITE SetShowText)
    Q_PROPERTY(TBorderStyle BorderStyle READ borderStyle WRITE SetBorderStyle)
    Q_PROPERTY(QColor ForeColor READ foreColor WRITE SetForeColor)
    Q_PROPERTY(QColor BackColor READ backColor WRITE SetBackColor)
    Q_PROPERTY(int MinValue READ minValue WRITE SetMinValue)
    Q_PROPERTY(int MaxValue READ maxValue WRITE SetMaxValue)
    Q_PROPERTY(int Progress READ progress WRITE SetProgress)
    Q_PROPERTY(int PercentDone READ GetPercentDone NOTIFY percentDoneChanged)

public:
    enum TCGaugeKind : quint8 { gkText, gkHorizontalBar, gkVerticalBar, gkPie, gkNeedle };
    Q_ENUM(TCGaugeKind)
    enum TBorderStyle : quint8 { bsNone = 0, bsSingle = 1 };
    Q_ENUM(TBorderStyle)

    explicit TCGauge(QWidget* parent = nullptr);

    TCGaugeKind kind() const { return m_kind; }
    bool showText() const { return m_showText; }
    TBorderStyle borderStyle() const { return m_borderStyle; }
    QColor foreColor() const { return m_foreColor; }
    QColor backColor() const { return m_backColor; }
    QColor color() const { return m_color; }
    int minValue() const { return m_minValue; }
    int maxValue() const { return m_maxValue; }
    int progress() const { return m_progress; }

    void SeTCGaugeKind(TCGaugeKind value);
    void SetShowText(bool value);
    void SetBorderStyle(TBorderStyle value);
    void SetForeColor(const QColor& value);
    void SetBackColor(const QColor& value);
    void setColor(const QColor& value);
    // Both throw std::out_of_range ("Value must be between %d and %d") when the new bound
    // would cross the other one, and then change nothing.
    void SetMinValue(int value);
    void SetMaxValue(int value);
    // Clamps silently, and repaints only when the shown percentage changes.
    void SetProgress(int value);
    void AddProgress(int value);
    int GetPercentDone() const;

    // The whole control as it is drawn, `devicePixelRatio` image pixels per pixel of the control
    // (one by default); the image carries that ratio, so it paints at the control's size.
    QImage renderImage(qreal devicePixelRatio = 1) const;

signals:
    // The percentage shown has changed; a screen reader has been told.
    void percentDoneChanged(int percent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void requestRepaint();
    // Tells a screen reader the percentage shown, when it has changed.
    void notifyPercent(int before);
    void PaintBackground(QImage& image) const;
    void PaintAsNothing(QImage& image, const QRect& rect) const;
    void PaintAsBar(QImage& image, const QRect& rect) const;
    void PaintAsPie(QImage& image, const QRect& rect) const;
    void PaintAsNeedle(QImage& image, const QRect& rect) const;
    void PaintAsText(QImage& image, const QRect& rect) const;

    int m_minValue = 0;
    int m_maxValue = 100;
    int m_progress = 0;
    TCGaugeKind m_kind = gkHorizontalBar;
    bool m_showText = true;
    TBorderStyle m_borderStyle = bsSingle;
    QColor m_foreColor = Qt::black;
    QColor m_backColor = Qt::white;
    QColor m_color;
};

using TCGaugeKind = TCGauge::TCGaugeKind;

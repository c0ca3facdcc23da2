#include "controls/Cgauges.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QTest>

#include <climits>
#include <memory>
#include <stdexcept>

namespace {

constexpr QRgb Black = 0x000000;
constexpr QRgb White = 0xFFFFFF;

QRgb rgbAt(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

// A gauge as the window lays out its statistic graphs: 129 x 14, other properties at defaults.
std::unique_ptr<TCGauge> windowGauge(int minValue, int maxValue, int progress,
                                     QColor foreColor = Qt::black) {
    auto gauge = std::make_unique<TCGauge>();
    gauge->resize(129, 14);
    gauge->SetMinValue(minValue);
    gauge->SetMaxValue(maxValue);
    gauge->SetProgress(progress);
    gauge->SetForeColor(foreColor);
    return gauge;
}

// How often `gauge` is painted while `change` runs and the events it posts
// are handled: once for any number of repaints asked for, none for none.
template <typename Change> int paintsDuring(TCGauge* gauge, Change change) {
    struct Counter final : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } counter;
    if (!gauge->isVisible()) {
        gauge->show();
        if (!QTest::qWaitForWindowExposed(gauge))
            return -1;
    }
    QCoreApplication::processEvents();
    gauge->installEventFilter(&counter);
    change();
    QCoreApplication::processEvents();
    gauge->removeEventFilter(&counter);
    return counter.paints;
}

// The percentage text drawn white on black, worked out here independently of the control:
// centred on the 128 x 13 span of a framed 129 x 14 gauge and clipped to its interior.
QImage textMask(const TCGauge& gauge, const QString& text) {
    QImage mask(gauge.size(), QImage::Format_RGB32);
    mask.fill(Qt::black);
    QFont font = gauge.font();
    font.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics metrics(font, &mask);
    const int x = (128 - metrics.horizontalAdvance(text)) / 2;
    const int y = (13 - metrics.height()) / 2;
    QPainter painter(&mask);
    painter.setClipRect(1, 1, 127, 12);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(x, y + metrics.ascent(), text);
    return mask;
}

} // namespace

class TestCgauges : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void publishedDefaults_data();
    void publishedDefaults();
    void percentDone_data();
    void percentDone();
    void progressClamped_data();
    void progressClamped();
    void boundErrors_data();
    void boundErrors();
    void boundsPullProgress_data();
    void boundsPullProgress();
    void repaintOnlyOnPercentChange_data();
    void repaintOnlyOnPercentChange();
    void settersRepaintOnChange_data();
    void settersRepaintOnChange();
    void addProgressAlwaysRepaints();
    void barGeometry_data();
    void barGeometry();
    void textPosition_data();
    void textPosition();
    void horizontalBarPixels_data();
    void horizontalBarPixels();
    void frame_data();
    void frame();
    void textInversion_data();
    void textInversion();
    void otherKindsDraw_data();
    void otherKindsDraw();
    void dialGeometry_data();
    void dialGeometry();
    void highDensity_data();
    void highDensity();
    void paintEventShowsRenderedImage();
};

void TestCgauges::initTestCase() {
    QFont font("Liberation Sans");
    font.setPixelSize(11);
    QApplication::setFont(font);
    QCOMPARE(QFontInfo(QApplication::font()).family(), QStringLiteral("Liberation Sans"));
}

void TestCgauges::publishedDefaults_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("MinValue") << QByteArray("MinValue") << QVariant(0);
    QTest::newRow("MaxValue") << QByteArray("MaxValue") << QVariant(100);
    QTest::newRow("Progress") << QByteArray("Progress") << QVariant(0);
    QTest::newRow("PercentDone") << QByteArray("PercentDone") << QVariant(0);
    QTest::newRow("Kind") << QByteArray("Kind") << QVariant::fromValue(TCGauge::gkHorizontalBar);
    QTest::newRow("ShowText") << QByteArray("ShowText") << QVariant(true);
    QTest::newRow("BorderStyle") << QByteArray("BorderStyle")
                                 << QVariant::fromValue(TCGauge::bsSingle);
    QTest::newRow("ForeColor") << QByteArray("ForeColor") << QVariant(QColor(Qt::black));
    QTest::newRow("BackColor") << QByteArray("BackColor") << QVariant(QColor(Qt::white));
}

void TestCgauges::publishedDefaults() {
    QFETCH(QByteArray, name);
    QFETCH(QVariant, expected);
    const TCGauge gauge;
    QCOMPARE(gauge.size(), QSize(100, 100));
    QCOMPARE(gauge.property(name.constData()), expected);
}

void TestCgauges::percentDone_data() {
    QTest::addColumn<int>("minValue");
    QTest::addColumn<int>("maxValue");
    QTest::addColumn<int>("progress");
    QTest::addColumn<int>("expected");
    QTest::newRow("49.9 rounds down") << 0 << 1000 << 499 << 49;
    QTest::newRow("one third") << 0 << 3 << 1 << 33;
    QTest::newRow("turn gauge at minimum") << 15 << 40 << 15 << 0;
    QTest::newRow("turn gauge at 27") << 15 << 40 << 27 << 48;
    QTest::newRow("supply gauge at maximum") << 1 << 400 << 400 << 100;
    QTest::newRow("durability just below 1") << 0 << 19500 << 194 << 0;
    QTest::newRow("zero range") << 5 << 5 << 5 << 0;
    QTest::newRow("full int range, just below half") << -INT_MAX << INT_MAX << -1 << 49;
}

void TestCgauges::percentDone() {
    QFETCH(int, minValue);
    QFETCH(int, maxValue);
    QFETCH(int, progress);
    QFETCH(int, expected);
    const auto gauge = windowGauge(minValue, maxValue, progress);
    QCOMPARE(gauge->progress(), progress);
    QCOMPARE(gauge->GetPercentDone(), expected);
    QCOMPARE(gauge->property("PercentDone").toInt(), expected);
}

void TestCgauges::progressClamped_data() {
    QTest::addColumn<int>("minValue");
    QTest::addColumn<int>("maxValue");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("below minimum") << 15 << 40 << 3 << 15;
    QTest::newRow("one below minimum") << 15 << 40 << 14 << 15;
    QTest::newRow("above maximum") << 0 << 19500 << 25000 << 19500;
    QTest::newRow("lowest int") << 10 << 100 << INT_MIN << 10;
    QTest::newRow("highest int") << 10 << 100 << INT_MAX << 100;
    QTest::newRow("inside") << 10 << 100 << 55 << 55;
}

void TestCgauges::progressClamped() {
    QFETCH(int, minValue);
    QFETCH(int, maxValue);
    QFETCH(int, value);
    QFETCH(int, expected);
    const auto gauge = windowGauge(minValue, maxValue, minValue);
    gauge->SetProgress(value);
    QCOMPARE(gauge->progress(), expected);
}

void TestCgauges::boundErrors_data() {
    QTest::addColumn<bool>("setMinimum");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("minimum above maximum")
        << true << 45 << "Value must be between -2147483647 and 43";
    QTest::newRow("minimum far above maximum")
        << true << INT_MAX << "Value must be between -2147483647 and 43";
    QTest::newRow("maximum below minimum")
        << false << 9 << "Value must be between 11 and 2147483647";
    QTest::newRow("maximum negative") << false << -5 << "Value must be between 11 and 2147483647";
}

void TestCgauges::boundErrors() {
    QFETCH(bool, setMinimum);
    QFETCH(int, value);
    QFETCH(QString, message);
    const auto gauge = windowGauge(10, 44, 30);
    bool raised = false;
    const int paints = paintsDuring(gauge.get(), [&] {
        try {
            if (setMinimum) {
                gauge->SetMinValue(value);
            } else {
                gauge->SetMaxValue(value);
            }
        } catch (const std::out_of_range& error) {
            raised = true;
            QCOMPARE(QString::fromUtf8(error.what()), message);
        }
    });
    QVERIFY2(raised, "no error raised");
    QCOMPARE(gauge->minValue(), 10);
    QCOMPARE(gauge->maxValue(), 44);
    QCOMPARE(gauge->progress(), 30);
    QCOMPARE(paints, 0);
}

void TestCgauges::boundsPullProgress_data() {
    QTest::addColumn<bool>("setMinimum");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("minimum raises progress") << true << 40 << 40;
    QTest::newRow("minimum below progress") << true << 20 << 30;
    QTest::newRow("minimum equal to maximum") << true << 44 << 44;
    QTest::newRow("maximum lowers progress") << false << 20 << 20;
    QTest::newRow("maximum above progress") << false << 50 << 30;
    QTest::newRow("maximum equal to minimum") << false << 10 << 10;
}

void TestCgauges::boundsPullProgress() {
    QFETCH(bool, setMinimum);
    QFETCH(int, value);
    QFETCH(int, expected);
    const auto gauge = windowGauge(10, 44, 30);
    if (setMinimum) {
        gauge->SetMinValue(value);
    } else {
        gauge->SetMaxValue(value);
    }
    QCOMPARE(gauge->progress(), expected);
}

void TestCgauges::repaintOnlyOnPercentChange_data() {
    QTest::addColumn<int>("maxValue");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("repaints");
    QTest::newRow("durability 100 to 101") << 19500 << 100 << 101 << false;
    QTest::newRow("durability 194 to 195") << 19500 << 194 << 195 << true;
    QTest::newRow("durability 20000 to 25000") << 19500 << 20000 << 25000 << false;
    QTest::newRow("same value") << 100 << 50 << 50 << false;
    QTest::newRow("one percent step") << 100 << 50 << 51 << true;
    QTest::newRow("down to zero") << 200 << 3 << 0 << true;
}

void TestCgauges::repaintOnlyOnPercentChange() {
    QFETCH(int, maxValue);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, repaints);
    const auto gauge = windowGauge(0, maxValue, from);
    QCOMPARE(paintsDuring(gauge.get(), [&] { gauge->SetProgress(to); }), repaints ? 1 : 0);
    QCOMPARE(gauge->progress(), std::min(to, maxValue));
}

void TestCgauges::settersRepaintOnChange_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("repaints");
    QTest::newRow("same kind") << QByteArray("Kind")
                               << QVariant::fromValue(TCGauge::gkHorizontalBar) << false;
    QTest::newRow("pie kind") << QByteArray("Kind") << QVariant::fromValue(TCGauge::gkPie) << true;
    QTest::newRow("same text") << QByteArray("ShowText") << QVariant(true) << false;
    QTest::newRow("no text") << QByteArray("ShowText") << QVariant(false) << true;
    QTest::newRow("no border") << QByteArray("BorderStyle") << QVariant::fromValue(TCGauge::bsNone)
                               << true;
    QTest::newRow("same fore colour")
        << QByteArray("ForeColor") << QVariant(QColor(Qt::black)) << false;
    QTest::newRow("silver fore colour")
        << QByteArray("ForeColor") << QVariant(QColor(0xC0, 0xC0, 0xC0)) << true;
    QTest::newRow("same back colour")
        << QByteArray("BackColor") << QVariant(QColor(Qt::white)) << false;
    QTest::newRow("red back colour")
        << QByteArray("BackColor") << QVariant(QColor(Qt::red)) << true;
    QTest::newRow("same minimum") << QByteArray("MinValue") << QVariant(0) << false;
    QTest::newRow("same maximum") << QByteArray("MaxValue") << QVariant(100) << false;
    QTest::newRow("new maximum") << QByteArray("MaxValue") << QVariant(44) << true;
}

void TestCgauges::settersRepaintOnChange() {
    QFETCH(QByteArray, name);
    QFETCH(QVariant, value);
    QFETCH(bool, repaints);
    TCGauge gauge;
    bool set = false;
    QCOMPARE(paintsDuring(&gauge, [&] { set = gauge.setProperty(name.constData(), value); }),
             repaints ? 1 : 0);
    QVERIFY(set);
    QCOMPARE(gauge.property(name.constData()), value);
}

void TestCgauges::addProgressAlwaysRepaints() {
    const auto gauge = windowGauge(0, 19500, 100);
    QCOMPARE(paintsDuring(gauge.get(), [&] { gauge->AddProgress(1); }), 1);
    QCOMPARE(gauge->progress(), 101);
    gauge->AddProgress(INT_MAX);
    QCOMPARE(gauge->progress(), 19500);
}

void TestCgauges::barGeometry_data() {
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("percent");
    QTest::addColumn<QRect>("expected");
    // The window's gauges: paint rectangle (1, 1) to (128, 13), W = 128, H = 13.
    QTest::newRow("horizontal 0 %") << true << 0 << QRect();
    QTest::newRow("horizontal 1 % ends on its own left edge") << true << 1 << QRect();
    QTest::newRow("horizontal 2 %") << true << 2 << QRect(1, 1, 1, 12);
    QTest::newRow("horizontal 50 %") << true << 50 << QRect(1, 1, 63, 12);
    QTest::newRow("horizontal 100 %") << true << 100 << QRect(1, 1, 127, 12);
    QTest::newRow("vertical 0 %") << false << 0 << QRect();
    QTest::newRow("vertical 50 %") << false << 50 << QRect(1, 7, 127, 6);
    QTest::newRow("vertical 100 % stops below the top") << false << 100 << QRect(1, 1, 127, 12);
}

void TestCgauges::barGeometry() {
    QFETCH(bool, horizontal);
    QFETCH(int, percent);
    QFETCH(QRect, expected);
    const QRect paint = GaugeGeometry::paintRect(QSize(129, 14), true);
    QCOMPARE(paint, QRect(1, 1, 127, 12));
    const QRect bar = horizontal ? GaugeGeometry::horizontalBarRect(paint, percent)
                                 : GaugeGeometry::verticalBarRect(paint, percent);
    if (expected.isNull()) {
        QVERIFY(bar.isEmpty());
    } else {
        QCOMPARE(bar, expected);
    }
}

void TestCgauges::textPosition_data() {
    QTest::addColumn<QRect>("paint");
    QTest::addColumn<QSize>("text");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("centred in a framed gauge")
        << QRect(1, 1, 127, 12) << QSize(20, 13) << QPoint(54, 0);
    QTest::newRow("odd leftover truncates")
        << QRect(1, 1, 127, 12) << QSize(21, 10) << QPoint(53, 1);
    QTest::newRow("offset rectangle is not added")
        << QRect(10, 10, 39, 19) << QSize(20, 10) << QPoint(10, 5);
    QTest::newRow("wider than the gauge truncates toward zero")
        << QRect(1, 1, 127, 12) << QSize(131, 16) << QPoint(-1, -1);
}

void TestCgauges::textPosition() {
    QFETCH(QRect, paint);
    QFETCH(QSize, text);
    QFETCH(QPoint, expected);
    QCOMPARE(GaugeGeometry::textPosition(paint, text), expected);
}

void TestCgauges::horizontalBarPixels_data() {
    QTest::addColumn<int>("progress");
    QTest::addColumn<QColor>("foreColor");
    QTest::addColumn<int>("lastFilledColumn");
    QTest::newRow("0 %, black") << 0 << QColor(Qt::black) << 0;
    QTest::newRow("50 %, black") << 50 << QColor(Qt::black) << 63;
    QTest::newRow("2 %, silver") << 2 << QColor(0xC0, 0xC0, 0xC0) << 1;
    QTest::newRow("100 %, silver") << 100 << QColor(0xC0, 0xC0, 0xC0) << 127;
}

void TestCgauges::horizontalBarPixels() {
    QFETCH(int, progress);
    QFETCH(QColor, foreColor);
    QFETCH(int, lastFilledColumn);
    const auto gauge = windowGauge(0, 100, progress, foreColor);
    gauge->SetShowText(false);
    const QImage image = gauge->renderImage();
    QCOMPARE(image.size(), QSize(129, 14));
    for (int y = 0; y < 14; ++y) {
        for (int x = 0; x < 129; ++x) {
            const bool frame = x == 0 || y == 0 || x == 128 || y == 13;
            const QRgb expected = frame                   ? Black
                                  : x <= lastFilledColumn ? (foreColor.rgb() & 0xFFFFFF)
                                                          : White;
            if (rgbAt(image, x, y) != expected) {
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is %3, expected %4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(rgbAt(image, x, y), 6, 16, QChar('0'))
                                     .arg(expected, 6, 16, QChar('0'))));
            }
        }
    }
}

void TestCgauges::frame_data() {
    QTest::addColumn<TCGauge::TBorderStyle>("border");
    QTest::addColumn<QRgb>("corner");
    QTest::addColumn<QRgb>("inside");
    QTest::newRow("single") << TCGauge::bsSingle << Black << White;
    QTest::newRow("none") << TCGauge::bsNone << White << White;
}

void TestCgauges::frame() {
    QFETCH(TCGauge::TBorderStyle, border);
    QFETCH(QRgb, corner);
    QFETCH(QRgb, inside);
    const auto gauge = windowGauge(0, 100, 0);
    gauge->SetShowText(false);
    gauge->SetBorderStyle(border);
    const QImage image = gauge->renderImage();
    QCOMPARE(rgbAt(image, 0, 0), corner);
    QCOMPARE(rgbAt(image, 128, 13), corner);
    QCOMPARE(rgbAt(image, 64, 0), corner);
    QCOMPARE(rgbAt(image, 1, 1), inside);
}

void TestCgauges::textInversion_data() {
    QTest::addColumn<int>("progress");
    QTest::addColumn<QColor>("foreColor");
    QTest::addColumn<QRgb>("overBar");
    QTest::addColumn<QRgb>("overBackground");
    // Colours are 0xRRGGBB here: navy (0, 0, 128) inverts to pale yellow (255, 255, 127).
    QTest::newRow("over the white background") << 0 << QColor(Qt::black) << Black << Black;
    QTest::newRow("over a black bar") << 100 << QColor(Qt::black) << White << White;
    QTest::newRow("over a silver bar")
        << 100 << QColor(0xC0, 0xC0, 0xC0) << QRgb(0x3F3F3F) << QRgb(0x3F3F3F);
    QTest::newRow("over a navy bar")
        << 100 << QColor(0, 0, 128) << QRgb(0xFFFF7F) << QRgb(0xFFFF7F);
    QTest::newRow("across the end of a black bar") << 50 << QColor(Qt::black) << White << Black;
}

void TestCgauges::textInversion() {
    QFETCH(int, progress);
    QFETCH(QColor, foreColor);
    QFETCH(QRgb, overBar);
    QFETCH(QRgb, overBackground);
    const auto gauge = windowGauge(0, 100, progress, foreColor);
    const QImage withText = gauge->renderImage();
    gauge->SetShowText(false);
    const QImage bare = gauge->renderImage();
    const QImage mask = textMask(*gauge, QString::number(progress) + '%');
    const int lastFilled = GaugeGeometry::horizontalBarRect(QRect(1, 1, 127, 12), progress).right();

    int glyphOverBar = 0;
    int glyphOverBackground = 0;
    for (int y = 0; y < 14; ++y) {
        for (int x = 0; x < 129; ++x) {
            const bool glyph = rgbAt(mask, x, y) == White;
            const QRgb expected = !glyph            ? rgbAt(bare, x, y)
                                  : x <= lastFilled ? overBar
                                                    : overBackground;
            if (glyph) {
                ++(x <= lastFilled ? glyphOverBar : glyphOverBackground);
            }
            if (rgbAt(withText, x, y) != expected) {
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is %3, expected %4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(rgbAt(withText, x, y), 6, 16, QChar('0'))
                                     .arg(expected, 6, 16, QChar('0'))));
            }
        }
    }
    // The text really is there, and at 50 % it straddles the end of the bar.
    QVERIFY(glyphOverBar + glyphOverBackground > 20);
    if (progress == 50) {
        QVERIFY(glyphOverBar > 0);
        QVERIFY(glyphOverBackground > 0);
    }
}

void TestCgauges::otherKindsDraw_data() {
    QTest::addColumn<TCGauge::TCGaugeKind>("kind");
    QTest::addColumn<bool>("showText");
    QTest::newRow("text") << TCGauge::gkText << true;
    QTest::newRow("vertical bar") << TCGauge::gkVerticalBar << false;
    QTest::newRow("pie") << TCGauge::gkPie << false;
    QTest::newRow("needle") << TCGauge::gkNeedle << false;
}

void TestCgauges::otherKindsDraw() {
    QFETCH(TCGauge::TCGaugeKind, kind);
    QFETCH(bool, showText);
    TCGauge gauge;
    gauge.SeTCGaugeKind(kind);
    gauge.SetShowText(showText);
    gauge.SetForeColor(Qt::red);
    const QImage empty = gauge.renderImage();
    gauge.SetProgress(75);
    const QImage filled = gauge.renderImage();
    QCOMPARE(filled.size(), QSize(100, 100));
    QVERIFY(empty != filled);
    // The frame is drawn whatever the kind.
    QCOMPARE(rgbAt(filled, 0, 0), Black);
}

void TestCgauges::dialGeometry_data() {
    QTest::addColumn<int>("percent");
    QTest::addColumn<QPoint>("needleTip"); // turning about (50, 98), half-axes 50 and 98
    QTest::addColumn<QPoint>("pieStart");  // half-axes 49 and 49
    QTest::newRow("0 %") << 0 << QPoint(0, 98) << QPoint(49, 0);
    QTest::newRow("25 %") << 25 << QPoint(15, 29) << QPoint(98, 49);
    QTest::newRow("50 %") << 50 << QPoint(50, 0) << QPoint(49, 98);
    QTest::newRow("75 %") << 75 << QPoint(85, 29) << QPoint(0, 49);
    QTest::newRow("100 %") << 100 << QPoint(100, 98) << QPoint(49, 0);
}

// The needle and pie of the default 100 x 100 gauge end on the nearest pixel.
void TestCgauges::dialGeometry() {
    QFETCH(int, percent);
    QFETCH(QPoint, needleTip);
    QFETCH(QPoint, pieStart);
    QCOMPARE(GaugeGeometry::needleTip(50, 98, percent), needleTip);
    QCOMPARE(GaugeGeometry::pieStart(49, 49, percent), pieStart);
    // And the needle is painted there: near the top it lies in column 50 at 50 %.
    TCGauge gauge;
    gauge.SeTCGaugeKind(TCGauge::gkNeedle);
    gauge.SetShowText(false);
    gauge.SetProgress(percent);
    const QImage image = gauge.renderImage();
    QCOMPARE(rgbAt(image, 50, 2) == Black && rgbAt(image, 49, 2) != Black, percent == 50);
}

void TestCgauges::highDensity_data() {
    QTest::addColumn<int>("ratio");
    QTest::newRow("2") << 2;
    QTest::newRow("3") << 3;
}

// On a screen scaled by `ratio` the gauge paints the 1x colours in blocks of `ratio` pixels,
// but its text in strokes finer than those blocks.
void TestCgauges::highDensity() {
    QFETCH(int, ratio);
    const auto gauge = windowGauge(0, 100, 84);
    const QImage one = gauge->renderImage();
    const QImage image = gauge->renderImage(ratio);
    QCOMPARE(image.size(), QSize(129, 14) * ratio);
    QCOMPARE(image.devicePixelRatio(), qreal(ratio));
    int finer = 0;
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 129; ++x) {
            const QRgb corner = image.pixel(x * ratio, y * ratio);
            bool uniform = true;
            for (int d = 1; d < ratio * ratio; ++d)
                uniform =
                    uniform && image.pixel(x * ratio + d % ratio, y * ratio + d / ratio) == corner;
            finer += !uniform;
            // The frame, the bar left of the text, the background right of the bar.
            if (x < 40 || x > 90 || y == 0)
                QCOMPARE(corner, one.pixel(x, y));
        }
    QVERIFY2(finer > 10, qPrintable(QString::number(finer)));
    // Painted on a device of that ratio, the control shows this image.
    QImage painted(image.size(), QImage::Format_RGB32);
    painted.setDevicePixelRatio(ratio);
    gauge->render(&painted);
    QCOMPARE(painted, image);
}

void TestCgauges::paintEventShowsRenderedImage() {
    const auto gauge = windowGauge(0, 100, 37, QColor(0, 0, 128));
    const QImage painted = gauge->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(painted, gauge->renderImage());
}

QTEST_MAIN(TestCgauges)
#include "tst_cgauges.moc"

// The generated pictures as the program finds them: names, sizes, bit depths,
// the range chart's landmarks, and that the pictures tell their subjects apart.

#include "tools/imagegen/Art.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTest>

#include <array>

using namespace vantor;

namespace {

// Bits per pixel recorded in a BMP file's header (biBitCount).
int bmpBitCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray head = file.read(30);
    if (head.size() < 30 || !head.startsWith("BM"))
        return -1;
    return uchar(head[28]) | (uchar(head[29]) << 8);
}

qreal lightness(QRgb c) {
    return QColor::fromRgb(c).lightnessF() * 255;
}

// Hue in degrees of the strongly coloured pixels only; -1 for greys.
int strongHue(QRgb c) {
    const QColor colour = QColor::fromRgb(c);
    if (colour.hsvSaturationF() < 0.35 || colour.valueF() < 0.25)
        return -1;
    return colour.hsvHue();
}

int hueDistance(int a, int b) {
    const int d = std::abs(a - b) % 360;
    return std::min(d, 360 - d);
}

constexpr std::array<Faction, 4> Factions{Faction::HaiShiDao, Faction::Jaralaccs,
                                          Faction::PacificRimForces, Faction::RightBrothers};

// The hue of each faction's colour: red, yellow, blue, green.
int factionHue(Faction faction) {
    switch (faction) {
    case Faction::HaiShiDao:
        return 0;
    case Faction::Jaralaccs:
        return 60;
    case Faction::PacificRimForces:
        return 240;
    case Faction::RightBrothers:
        return 120;
    }
    return -1;
}

// Strongly coloured pixels within 25 degrees of each faction's hue.
std::array<int, 4> factionHueCounts(const QImage& image, int top) {
    std::array<int, 4> counts{};
    for (int y = top; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int hue = strongHue(image.pixel(x, y));
            if (hue < 0)
                continue;
            for (size_t f = 0; f < Factions.size(); ++f)
                if (hueDistance(hue, factionHue(Factions[f])) <= 25)
                    ++counts[f];
        }
    return counts;
}

// Rows 0-39 of a VT picture carry the caption; the machine is below.
constexpr int MachineTop = 40;

} // namespace

class TestArt : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void programFile_data();
    void programFile();
    void resourceFile_data();
    void resourceFile();
    void embeddedResource_data();
    void embeddedResource();
    void rangeChartIsIndexedAndCopied();
    void rangeBandIsPaleAndDistinct();
    void rangeScaleMarks_data();
    void rangeScaleMarks();
    void rangeBarRowsStayLight();
    void rangeSilhouetteSitsLeftOfZero();
    void opIconsAreDistinct();
    void opIconTagOnItsOwnPlate_data();
    void opIconTagOnItsOwnPlate();
    void scalableIconShowsTheDesign();
    void windowsIconHoldsEverySize();
    void blankIconIsTransparent();
    void vtPicturesAreDistinct();
    void vtPictureInFactionColours_data();
    void vtPictureInFactionColours();
    void flagInFactionColour_data();
    void flagInFactionColour();
    void filesMatchTheDrawingCode();

private:
    QList<QImage> m_vts;
    QImage m_range;
};

void TestArt::initTestCase() {
    for (int i = 0; i < VtCount; ++i)
        m_vts.append(
            QImage(QStringLiteral("Images/%1.bmp").arg(i)).convertToFormat(QImage::Format_RGB32));
    m_range = QImage(QStringLiteral("Images/Range.bmp"));
    QVERIFY2(!m_range.isNull(), "Images/Range.bmp is missing; run from the program's folder");
}

void TestArt::programFile_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("bmpBits"); // 0 when not a BMP

    for (int i = 0; i < VtCount; ++i) {
        const QString bmp = QStringLiteral("Images/%1.bmp").arg(i);
        QTest::newRow(qPrintable(bmp)) << bmp << QSize(248, 242) << 24;
        const QString jpg = QStringLiteral("Html/Images/%1.jpg").arg(i);
        QTest::newRow(qPrintable(jpg)) << jpg << QSize(248, 242) << 0;
    }
    QTest::newRow("Images/Range.bmp") << "Images/Range.bmp" << QSize(498, 136) << 8;
    for (const char* flag : {"hsdflag", "jarflag", "prfflag", "rbflag"}) {
        const QString path = QStringLiteral("Images/%1.bmp").arg(QLatin1String(flag));
        QTest::newRow(qPrintable(path)) << path << QSize(115, 75) << 24;
    }
}

void TestArt::programFile() {
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(int, bmpBits);
    QVERIFY2(QFile::exists(path), qPrintable(path));
    const QImage image(path);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), size);
    if (bmpBits != 0)
        QCOMPARE(bmpBitCount(path), bmpBits);
}

void TestArt::resourceFile_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    for (int i = 0; i < 18; ++i) {
        const QString name = QStringLiteral("op%1.png").arg(i, 2, 10, QLatin1Char('0'));
        QTest::newRow(qPrintable(name)) << name << QSize(73, 41);
    }
    QTest::newRow("corvane") << "corvane.png" << QSize(25, 25);
    QTest::newRow("kerrow") << "kerrow.png" << QSize(25, 25);
    QTest::newRow("pellum") << "pellum.png" << QSize(25, 25);
    for (int size : art::AppIconSizes) {
        const QString name = QStringLiteral("vantor-%1.png").arg(size);
        QTest::newRow(qPrintable(name)) << name << QSize(size, size);
    }
    QTest::newRow("Range.bmp") << "Range.bmp" << QSize(498, 136);
}

void TestArt::resourceFile() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QImage image(QDir(QStringLiteral(VANTOR_ART_DIR)).filePath(name));
    QVERIFY2(!image.isNull(), qPrintable(name));
    QCOMPARE(image.size(), size);
}

void TestArt::embeddedResource_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    for (int i = 0; i < 18; ++i) {
        const QString path = QStringLiteral(":/art/op%1.png").arg(i, 2, 10, QLatin1Char('0'));
        QTest::newRow(qPrintable(path)) << path << QSize(73, 41);
    }
    QTest::newRow(":/art/corvane.png") << ":/art/corvane.png" << QSize(25, 25);
    QTest::newRow(":/art/kerrow.png") << ":/art/kerrow.png" << QSize(25, 25);
    QTest::newRow(":/art/pellum.png") << ":/art/pellum.png" << QSize(25, 25);
    for (int size : art::AppIconSizes) {
        const QString path = QStringLiteral(":/art/vantor-%1.png").arg(size);
        QTest::newRow(qPrintable(path)) << path << QSize(size, size);
    }
    QTest::newRow(":/art/Range.bmp") << ":/art/Range.bmp" << QSize(498, 136);
}

void TestArt::embeddedResource() {
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), size);
}

void TestArt::rangeChartIsIndexedAndCopied() {
    QCOMPARE(m_range.format(), QImage::Format_Indexed8);
    QVERIFY(m_range.colorCount() <= 256);
    QFile program(QStringLiteral("Images/Range.bmp"));
    QFile embedded(QDir(QStringLiteral(VANTOR_ART_DIR)).filePath(QStringLiteral("Range.bmp")));
    QVERIFY(program.open(QIODevice::ReadOnly));
    QVERIFY(embedded.open(QIODevice::ReadOnly));
    QVERIFY(program.readAll() == embedded.readAll());
}

void TestArt::rangeBandIsPaleAndDistinct() {
    // Sample columns between the grid lines, away from the VT's rings.
    const QList<int> columns{160, 190, 240, 265, 300, 330, 380, 410};
    for (int x : columns) {
        const QRgb inside = m_range.pixel(x, 68);
        QVERIFY2(lightness(inside) > 200, qPrintable(QString::number(x)));
        for (int y = art::RangeBandTop + 1; y < art::RangeBandBottom; ++y)
            QCOMPARE(m_range.pixel(x, y), inside);
        const QRgb above = m_range.pixel(x, art::RangeBandTop - 6);
        const QRgb below = m_range.pixel(x, art::RangeBandBottom + 6);
        QVERIFY(inside != above);
        QVERIFY(inside != below);
    }
    // The band ends at 2500 m.
    QVERIFY(m_range.pixel(art::RangeBandRight - 3, 68) == m_range.pixel(300, 68));
    QVERIFY(m_range.pixel(art::RangeBandRight + 4, 68) != m_range.pixel(300, 68));
}

void TestArt::rangeScaleMarks_data() {
    QTest::addColumn<int>("mark");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("top");
    const std::array<int, 6> xs{68, 139, 210, 282, 353, 425};
    const std::array<const char*, 6> names{"0", "500", "1k", "1500", "2k", "2500"};
    for (int i = 0; i < 6; ++i) {
        QTest::addRow("%s top", names[size_t(i)]) << i << xs[size_t(i)] << 0;
        QTest::addRow("%s bottom", names[size_t(i)]) << i << xs[size_t(i)] << 124;
    }
}

void TestArt::rangeScaleMarks() {
    QFETCH(int, mark);
    QFETCH(int, x);
    QFETCH(int, top);
    QCOMPARE(art::rangeMarkX(mark), x);
    int dark = 0;
    qreal sumX = 0;
    for (int y = top; y < top + 12; ++y)
        for (int dx = -16; dx <= 16; ++dx)
            if (lightness(m_range.pixel(x + dx, y)) < 110) {
                ++dark;
                sumX += x + dx;
            }
    QVERIFY2(dark >= 6, qPrintable(QStringLiteral("%1 dark pixels").arg(dark)));
    // Centred on the mark.
    QVERIFY(std::abs(sumX / dark - x) < 3);
}

void TestArt::rangeBarRowsStayLight() {
    // Range bars are drawn 4 pixels high at these rows between 0 and 2500 m.
    for (int row : {17, 34, 51, 66, 81, 98, 115})
        for (int y = row; y < row + 4; ++y)
            for (int x = ChartOriginX + 1; x <= art::RangeBandRight; ++x)
                QVERIFY2(lightness(m_range.pixel(x, y)) > 170,
                         qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
}

void TestArt::rangeSilhouetteSitsLeftOfZero() {
    int dark = 0;
    qreal sumY = 0;
    int right = -1;
    for (int y = 40; y < 96; ++y)
        for (int x = 0; x < 120; ++x)
            if (lightness(m_range.pixel(x, y)) < 140) {
                ++dark;
                sumY += y;
                right = std::max(right, x);
            }
    QVERIFY(dark > 40);
    QVERIFY(right <= ChartOriginX);
    QVERIFY(std::abs(sumY / dark - art::RangeVtRow) < 4);
}

void TestArt::opIconsAreDistinct() {
    QList<QImage> icons;
    for (int i = 0; i < art::OpIconCount; ++i)
        icons.append(art::opIcon(i).convertToFormat(QImage::Format_ARGB32));
    for (int i = 0; i < icons.size(); ++i) {
        QCOMPARE(icons[i].size(), art::OpIconSize);
        for (int j = i + 1; j < icons.size(); ++j) {
            int differing = 0;
            for (int y = 0; y < icons[i].height(); ++y)
                for (int x = 0; x < icons[i].width(); ++x)
                    differing += icons[i].pixel(x, y) != icons[j].pixel(x, y);
            // More than a stray pixel: a symbol or a tag of its own.
            QVERIFY2(differing > 60, qPrintable(QStringLiteral("icons %1 and %2").arg(i).arg(j)));
        }
    }
}

void TestArt::opIconTagOnItsOwnPlate_data() {
    QTest::addColumn<int>("index");
    for (int i = 1; i < art::OpIconCount; ++i)
        QTest::addRow("op%02d", i) << i;
}

// The tag reads on any background: it is opaque, dark letters on a light plate.
void TestArt::opIconTagOnItsOwnPlate() {
    QFETCH(int, index);
    const QImage icon = art::opIcon(index).convertToFormat(QImage::Format_ARGB32);
    qreal darkest = 255, lightest = 0;
    for (int y = 16; y <= 24; ++y) // the letters, centred on row 20 right of the badge
        for (int x = 42; x <= 68; ++x) {
            QCOMPARE(qAlpha(icon.pixel(x, y)), 255);
            darkest = std::min(darkest, lightness(icon.pixel(x, y)));
            lightest = std::max(lightest, lightness(icon.pixel(x, y)));
        }
    QVERIFY(darkest < 60 && lightest > 230);
}

// An SVG renderer draws the scalable icon as the pictures show it.
void TestArt::scalableIconShowsTheDesign() {
    if (!QImageReader::supportedImageFormats().contains("svg"))
        QSKIP("Qt's SVG image plugin is not installed (Debian package libqt6svg6)");
    const QImage svg(QDir(QStringLiteral(VANTOR_ART_DIR)).filePath(QStringLiteral("vantor.svg")));
    QCOMPARE(svg.size(), QSize(256, 256));
    const QImage png = art::appIcon(256);
    int differing = 0; // by more than an antialiased edge
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            for (int shift : {0, 8, 16, 24})
                differing += std::abs(int(svg.pixel(x, y) >> shift & 0xFF) -
                                      int(png.pixel(x, y) >> shift & 0xFF)) > 64;
    QVERIFY2(differing < 256 * 256 / 100, qPrintable(QString::number(differing)));
}

// vantor.ico, read as Windows reads it: its directory, then each entry's
// bytes, a PNG of the entry's size (256 written as 0) equal to the icon drawn.
void TestArt::windowsIconHoldsEverySize() {
    QFile file(QDir(QStringLiteral(VANTOR_ART_DIR)).filePath(QStringLiteral("vantor.ico")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray ico = file.readAll();
    const auto number = [&](qsizetype at, int bytes) {
        quint32 value = 0;
        for (int i = bytes - 1; i >= 0; --i)
            value = value << 8 | quint8(ico.at(at + i));
        return value;
    };
    QCOMPARE(number(0, 2), 0u); // reserved
    QCOMPARE(number(2, 2), 1u); // an icon, not a cursor
    QCOMPARE(number(4, 2), quint32(art::AppIconSizes.size()));
    quint32 end = 6 + 16 * quint32(art::AppIconSizes.size());
    for (size_t i = 0; i < art::AppIconSizes.size(); ++i) {
        const int size = art::AppIconSizes[i];
        const qsizetype entry = 6 + 16 * qsizetype(i);
        QCOMPARE(number(entry, 1), quint32(size % 256));
        QCOMPARE(number(entry + 1, 1), quint32(size % 256));
        QCOMPARE(number(entry + 6, 2), 32u); // bits a pixel
        const quint32 length = number(entry + 8, 4), offset = number(entry + 12, 4);
        QCOMPARE(offset, end); // one after another, nothing between
        end += length;
        const QImage image = QImage::fromData(ico.mid(offset, length), "PNG");
        QCOMPARE(image.convertToFormat(QImage::Format_ARGB32),
                 art::appIcon(size).convertToFormat(QImage::Format_ARGB32));
    }
    QCOMPARE(qsizetype(end), ico.size());
}

void TestArt::blankIconIsTransparent() {
    const QImage blank(QDir(QStringLiteral(VANTOR_ART_DIR)).filePath(QStringLiteral("op00.png")));
    QVERIFY(blank.hasAlphaChannel());
    for (int y = 0; y < blank.height(); ++y)
        for (int x = 0; x < blank.width(); ++x)
            QCOMPARE(qAlpha(blank.pixel(x, y)), 0);
    // Every other icon shows something.
    const QImage mount(QDir(QStringLiteral(VANTOR_ART_DIR)).filePath(QStringLiteral("op01.png")));
    int opaque = 0;
    for (int y = 0; y < mount.height(); ++y)
        for (int x = 0; x < mount.width(); ++x)
            opaque += qAlpha(mount.pixel(x, y)) > 128;
    QVERIFY(opaque > mount.width() * mount.height() / 4);
}

void TestArt::vtPicturesAreDistinct() {
    // Compared below the caption, so that the machines themselves differ.
    const int area = 248 * (242 - MachineTop);
    for (int i = 0; i < m_vts.size(); ++i)
        for (int j = i + 1; j < m_vts.size(); ++j) {
            int differing = 0;
            for (int y = MachineTop; y < 242; ++y) {
                const auto* a = reinterpret_cast<const QRgb*>(m_vts[i].constScanLine(y));
                const auto* b = reinterpret_cast<const QRgb*>(m_vts[j].constScanLine(y));
                for (int x = 0; x < 248; ++x)
                    differing += qGray(a[x]) / 12 != qGray(b[x]) / 12;
            }
            QVERIFY2(differing > area / 25,
                     qPrintable(QStringLiteral("VT %1 and %2").arg(i).arg(j)));
        }
}

void TestArt::vtPictureInFactionColours_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < VtCount; ++i)
        QTest::addRow("VT %d", i) << i;
}

void TestArt::vtPictureInFactionColours() {
    QFETCH(int, index);
    const auto counts = factionHueCounts(m_vts[index], MachineTop);
    const auto own = size_t(std::find(Factions.begin(), Factions.end(), vtEntry(index).faction) -
                            Factions.begin());
    QVERIFY2(counts[own] > 1200, qPrintable(QString::number(counts[own])));
    for (size_t f = 0; f < counts.size(); ++f)
        if (f != own)
            QVERIFY(counts[own] > 2 * counts[f]);
}

void TestArt::flagInFactionColour_data() {
    QTest::addColumn<Faction>("faction");
    QTest::newRow("Hai Shi Dao") << Faction::HaiShiDao;
    QTest::newRow("Jaralaccs") << Faction::Jaralaccs;
    QTest::newRow("Pacific Rim Forces") << Faction::PacificRimForces;
    QTest::newRow("Right Brothers") << Faction::RightBrothers;
}

void TestArt::flagInFactionColour() {
    QFETCH(Faction, faction);
    const QImage flag(QStringLiteral("Images/") + art::flagFileName(faction));
    QVERIFY(flag.width() <= 115 && flag.height() <= 75);
    const auto counts = factionHueCounts(flag, 0);
    const auto own =
        size_t(std::find(Factions.begin(), Factions.end(), faction) - Factions.begin());
    // Most of the flag's area is in the faction's colour.
    QVERIFY(counts[own] > flag.width() * flag.height() / 3);
}

void TestArt::filesMatchTheDrawingCode() {
    // The build's pictures are exactly what the drawing code gives now.
    QCOMPARE(m_vts[7], art::vtPicture(7).convertToFormat(QImage::Format_RGB32));
    QCOMPARE(m_range.convertToFormat(QImage::Format_RGB32),
             art::rangeChart().convertToFormat(QImage::Format_RGB32));
}

QTEST_MAIN(TestArt)
#include "tst_art.moc"

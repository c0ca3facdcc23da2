// The user guide's pictures are what the program shows: the screenshot tool
// renders them afresh from the built program, and each must match the
// picture committed in docs/guide/images, within a small tolerance for font
// rasterisation. After a change to the window, scripts/screenshot.sh renders
// them again. They are compared only under the Qt version that rendered them
// (Debian 12's); another draws its widgets a little differently.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A pixel matches when no colour channel differs by more than this.
constexpr int ChannelTolerance = 24;
// Pixels allowed to differ by more, per million: glyph edges only.
constexpr qint64 DifferingPerMillion = 200;

// How many pixels of `b` differ from `a` by more than the tolerance; -1 when
// the sizes differ.
qint64 differingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return -1;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    qint64 count = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            if (std::abs(qRed(p[col]) - qRed(q[col])) > ChannelTolerance ||
                std::abs(qGreen(p[col]) - qGreen(q[col])) > ChannelTolerance ||
                std::abs(qBlue(p[col]) - qBlue(q[col])) > ChannelTolerance)
                ++count;
    }
    return count;
}

bool matches(const QImage& committed, const QImage& rendered) {
    const qint64 differing = differingPixels(committed, rendered);
    return differing >= 0 && differing * 1000000 <= DifferingPerMillion *
                                                        qint64(committed.width()) *
                                                        committed.height();
}

} // namespace

class TestGuidePictures : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyPictureIsCommitted();
    void pictureMatches_data();
    void pictureMatches();
    void aChangedFigureIsSeen();

private:
    QTemporaryDir rendered;
    const QDir committed{QStringLiteral(VANTOR_GUIDE_IMAGES)};
};

void TestGuidePictures::initTestCase() {
    QVERIFY(rendered.isValid());
    QFile version(committed.filePath(QStringLiteral("rendered-with-qt.txt")));
    QVERIFY(version.open(QIODevice::ReadOnly));
    const QByteArray renderedWith = version.readAll().trimmed();
    if (renderedWith != qVersion())
        QSKIP(qPrintable(
            QStringLiteral("the pictures were rendered with Qt %1, this is Qt %2")
                .arg(QString::fromLatin1(renderedWith), QString::fromLatin1(qVersion()))));
    QProcess tool;
    tool.start(QStringLiteral(VANTOR_SCREENSHOT_TOOL), {QStringLiteral("guide"), rendered.path()});
    QVERIFY(tool.waitForFinished(120000));
    QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tool.exitCode(), 0);
}

// The tool renders exactly the pictures the guide holds, no more, no fewer.
void TestGuidePictures::everyPictureIsCommitted() {
    const QStringList png{QStringLiteral("*.png")};
    const QStringList made = QDir(rendered.path()).entryList(png, QDir::Files);
    QVERIFY(made.size() >= 14);
    QCOMPARE(committed.entryList(png, QDir::Files), made);
}

void TestGuidePictures::pictureMatches_data() {
    QTest::addColumn<QString>("file");
    for (const QString& file : committed.entryList({QStringLiteral("*.png")}, QDir::Files))
        QTest::newRow(qPrintable(file)) << file;
}

void TestGuidePictures::pictureMatches() {
    QFETCH(QString, file);
    const QImage was(committed.filePath(file));
    const QImage now(QDir(rendered.path()).filePath(file));
    QVERIFY(!was.isNull());
    QVERIFY2(!now.isNull(), "not rendered");
    QCOMPARE(now.size(), was.size());
    const qint64 differing = differingPixels(was, now);
    QVERIFY2(matches(was, now),
             qPrintable(QStringLiteral("%1 of %2 pixels differ; run scripts/screenshot.sh")
                            .arg(differing)
                            .arg(qint64(was.width()) * was.height())));
}

// The tolerance passes glyph edges but not a changed figure: one figure's
// place in the load data painted over is a picture that no longer matches.
void TestGuidePictures::aChangedFigureIsSeen() {
    const QImage was(committed.filePath(QStringLiteral("loadout.png")));
    QVERIFY(!was.isNull());
    QImage changed = was.convertToFormat(QImage::Format_RGB32);
    QPainter(&changed).fillRect(QRect(640, 60, 16, 12), Qt::black);
    QVERIFY(!matches(was, changed));
    QImage moved = was.copy(1, 0, was.width(), was.height());
    QVERIFY(!matches(was, moved));
    QVERIFY(matches(was, was));
}

QTEST_MAIN(TestGuidePictures)
#include "tst_guidepictures.moc"

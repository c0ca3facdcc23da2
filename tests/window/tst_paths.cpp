// Where the program looks for its pictures (the working directory, beside
// the executable, or the installed data folder), and how it keeps them.

#include "app/Paths.h"
#include "app/PictureCache.h"

#include <QFile>
#include <QImage>

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestPaths : public QObject {
    Q_OBJECT

private slots:
    void locate_data();
    void locate();
    void pictureCacheFollowsTheFile();
};

static constexpr QSize Box(8, 8);

void TestPaths::locate_data() {
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QString>("expected");
    // Folders are relative to a temporary root holding work/ and prefix/bin/.
    QTest::newRow("working directory first")
        << QStringList{"work/Images", "prefix/bin/Images", "prefix/share/vantor/Images"}
        << "work/Images";
    QTest::newRow("beside the program") << QStringList{"prefix/bin/Images"} << "prefix/bin/Images";
    QTest::newRow("installed data")
        << QStringList{"prefix/share/vantor/Images"} << "prefix/share/vantor/Images";
    QTest::newRow("nowhere: names the working directory's") << QStringList{} << "work/Images";
}

void TestPaths::locate() {
    QFETCH(QStringList, folders);
    QFETCH(QString, expected);
    QTemporaryDir root;
    QDir dir(root.path());
    QVERIFY(dir.mkpath(QStringLiteral("work")) && dir.mkpath(QStringLiteral("prefix/bin")));
    for (const QString& folder : folders)
        QVERIFY(dir.mkpath(folder));
    QCOMPARE(locateDataFolder(QStringLiteral("Images"), dir.filePath(QStringLiteral("work")),
                              dir.filePath(QStringLiteral("prefix/bin"))),
             QDir::cleanPath(dir.filePath(expected)));
}

void TestPaths::pictureCacheFollowsTheFile() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("0.bmp"));
    PictureCache cache;

    PictureCache::Picture missing = cache.load(file, Box);
    QVERIFY(missing.pixmap.isNull());
    QVERIFY(!missing.error.isEmpty());

    QImage red(4, 3, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(file, "BMP"));
    QCOMPARE(cache.load(file, Box).pixmap.size(), QSize(4, 3));

    // A replaced picture is read again (its size on disk changes).
    QImage blue(6, 5, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    QVERIFY(blue.save(file, "BMP"));
    const PictureCache::Picture replaced = cache.load(file, Box);
    QCOMPARE(replaced.pixmap.size(), QSize(6, 5));
    QCOMPARE(QColor(replaced.pixmap.toImage().pixel(0, 0)), QColor(Qt::blue));

    // A file that is no picture gives an error, not the old picture.
    QFile garbage(file);
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write("this is not a bitmap at all");
    garbage.close();
    const PictureCache::Picture broken = cache.load(file, Box);
    QVERIFY(broken.pixmap.isNull());
    QVERIFY(!broken.error.isEmpty());

    // However many pictures were shown, only the few used last stay decoded.
    for (int i = 1; i <= 3 * PictureCache::Kept; ++i) {
        const QString other = dir.filePath(QStringLiteral("%1.bmp").arg(i));
        QVERIFY(red.save(other, "BMP"));
        QVERIFY(!cache.load(other, Box).pixmap.isNull());
        QCOMPARE(cache.count(), std::min<qsizetype>(i, PictureCache::Kept));
    }
}

QTEST_MAIN(TestPaths)
#include "tst_paths.moc"

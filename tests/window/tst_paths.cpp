// Where the program looks for its pictures (the working directory, beside
// the executable, or the installed data folder), where it saves its page,
// and how it keeps the pictures.

#include "app/Paths.h"
#include "app/PictureCache.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

class TestPaths : public QObject {
    Q_OBJECT

private slots:
    void locate_data();
    void locate();
    void pageFolder_data();
    void pageFolder();
    void pictureCacheFollowsTheFile();
};

static constexpr QSize Box(8, 8);

namespace {

// The files by which an Images folder counts as the program's.
QStringList pictures(const QString& folder) {
    return {folder + QStringLiteral("/Range.bmp"), folder + QStringLiteral("/0.bmp")};
}

// A temporary root holding work/, prefix/bin/ and `files`: "a/" makes a
// folder, "a -> b" a link.
struct Root {
    explicit Root(const QStringList& files) {
        for (const QString& file : files + QStringList{"work/", "prefix/bin/"}) {
            const QStringList link = file.split(QStringLiteral(" -> "));
            QDir().mkpath(file.endsWith(u'/') ? path(file) : QFileInfo(path(link[0])).path());
            if (link.size() == 2)
                QFile::link(path(link[1]), path(link[0]));
            else if (!file.endsWith(u'/'))
                QFile(path(file)).open(QIODevice::WriteOnly);
        }
    }
    QString path(const QString& relative) const { return QDir::cleanPath(dir.filePath(relative)); }
    QTemporaryDir dir;
};

} // namespace

void TestPaths::locate_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("expected");
    QTest::newRow("working directory first")
        << pictures("work/Images") + pictures("prefix/bin/Images") +
               pictures("prefix/share/vantor/Images")
        << "work/Images";
    QTest::newRow("beside the program") << pictures("prefix/bin/Images") << "prefix/bin/Images";
    QTest::newRow("installed data")
        << pictures("prefix/share/vantor/Images") << "prefix/share/vantor/Images";
    QTest::newRow("nowhere: names the working directory's") << QStringList{} << "work/Images";
    QTest::newRow("a stranger's Images in the working directory")
        << QStringList{"work/Images/holiday.jpg", "work/Images/0.bmp"} +
               pictures("prefix/share/vantor/Images")
        << "prefix/share/vantor/Images";
}

void TestPaths::locate() {
    QFETCH(QStringList, files);
    QFETCH(QString, expected);
    const Root root(files);
    QCOMPARE(locateDataFolder(QStringLiteral("Images"), root.path("work"), root.path("prefix/bin")),
             root.path(expected));
}

void TestPaths::pageFolder_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("picturesLink"); // where data/Html/Images leads, if anywhere
    const QString installed = QStringLiteral("prefix/share/vantor/Html/Images");
    QTest::newRow("working directory's Html")
        << QStringList{"work/Html/", "prefix/bin/Html/", installed + '/'} << "work/Html"
        << "";
    QTest::newRow("the build's Html") << QStringList{"prefix/bin/Html/Images/"} << "prefix/bin/Html"
                                      << "";
    // An installation's Html is writable in the home folder, or for root.
    QTest::newRow("installed: the user's data")
        << QStringList{installed + '/'} << "data/Html" << installed;
    QTest::newRow("link to a moved installation renewed")
        << QStringList{installed + '/', "data/Html/Images -> gone"} << "data/Html" << installed;
}

void TestPaths::pageFolder() {
    QFETCH(QStringList, files);
    QFETCH(QString, expected);
    QFETCH(QString, picturesLink);
    const Root root(files);
    QCOMPARE(locatePageFolder(root.path("work"), root.path("prefix/bin"), root.path("data")),
             root.path(expected));
    QVERIFY(QFileInfo(root.path(expected)).isDir());
    const QString link = QFileInfo(root.path("data/Html/Images")).symLinkTarget();
    QCOMPARE(link, picturesLink.isEmpty() ? QString() : root.path(picturesLink));
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

    // However many pictures were shown, only so many stay decoded, and only
    // so many bytes of them.
    for (int i = 1; i <= 3 * PictureCache::Kept; ++i) {
        const QString other = dir.filePath(QStringLiteral("%1.bmp").arg(i));
        QVERIFY(red.save(other, "BMP"));
        QVERIFY(!cache.load(other, Box).pixmap.isNull());
        QCOMPARE(cache.count(), std::min<qsizetype>(i, PictureCache::Kept));
    }
    QImage large(1000, 1000, QImage::Format_RGB32);
    large.fill(Qt::green);
    for (int i = 1; i <= 10; ++i) {
        const QString other = dir.filePath(QStringLiteral("large%1.bmp").arg(i));
        QVERIFY(large.save(other, "BMP"));
        QVERIFY(!cache.load(other, QSize(250, 250)).pixmap.isNull());
        QVERIFY(cache.bytes() <= PictureCache::KeptBytes);
    }
    QVERIFY(cache.count() < 10);
}

QTEST_MAIN(TestPaths)
#include "tst_paths.moc"

// Where the program looks for its pictures (the working directory, beside
// the executable, or the installed data folder), where it saves its page,
// and how it keeps the pictures.

#include "app/desktop/Paths.h"
#include "app/desktop/PictureCache.h"
#include "tests/FileFaults.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using namespace filefaults;

class TestPaths : public QObject {
    Q_OBJECT

private slots:
    void locate_data();
    void locate();
    void pageFolder_data();
    void pageFolder();
    void pageFolderCannotBeMade();
    void pictureCacheFollowsTheFile();
    void picturesReadAsTheirName_data();
    void picturesReadAsTheirName();
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
                makeSymbolicLink(path(link[1]), path(link[0]));
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
    QTest::newRow("the range chart alone is no picture folder")
        << QStringList{"work/Images/Range.bmp"} + pictures("prefix/bin/Images")
        << "prefix/bin/Images";
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
        << QStringList{"work/Html/", "prefix/bin/Html/", installed + "/0.jpg"} << "work/Html"
        << "";
    QTest::newRow("the build's Html")
        << QStringList{"prefix/bin/Html/Images/0.jpg"} << "prefix/bin/Html"
        << "";
    // An installation's Html is writable in the home folder, or for root.
    QTest::newRow("installed: the user's data")
        << QStringList{installed + "/0.jpg"} << "data/Html" << installed;
    QTest::newRow("link to a moved installation renewed")
        << QStringList{installed + "/0.jpg", "data/Html/Images -> gone"} << "data/Html"
        << installed;
}

void TestPaths::pageFolder() {
    QFETCH(QStringList, files);
    QFETCH(QString, expected);
    QFETCH(QString, picturesLink);
    const Root root(files);
    QString problem;
    QCOMPARE(
        locatePageFolder(root.path("work"), root.path("prefix/bin"), root.path("data"), &problem),
        root.path(expected));
    QCOMPARE(problem, QString());
    QVERIFY(QFileInfo(root.path(expected)).isDir());
    const QString shared = root.path("data/Html/Images");
    if (picturesLink.isEmpty())
        QVERIFY(!QFileInfo::exists(shared));
    else if (OnWindows) // a copy of the pictures
        QCOMPARE(QDir(shared).entryList(QDir::Files), QStringList{"0.jpg"});
    else
        QCOMPARE(QFileInfo(shared).symLinkTarget(), root.path(picturesLink));
}

// The user's data folder lies where nobody may write: the problem names the
// folder and the system's reason, not the "No such file" of a later save.
void TestPaths::pageFolderCannotBeMade() {
    QTemporaryDir dir;
    const QString locked = dir.filePath(QStringLiteral("locked"));
    QVERIFY(QDir().mkdir(locked));
    if (OnWindows)
        QSKIP("Windows' read-only mark does not keep a folder from being written to");
    QString reason = QStringLiteral("Permission denied");
    bool mounted = false;
    if (isSuperUser()) {
        // Permission bits do not hold root back; a read-only file system does.
        mounted = mountSmallFileSystem(locked, true, "16k");
        if (!mounted)
            QSKIP("no read-only file system to mount");
        reason = QStringLiteral("Read-only file system");
    } else {
        QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    }
    const auto unmounted = qScopeGuard([&] {
        if (mounted)
            unmount(locked);
    });
    QString problem;
    const QString found =
        locatePageFolder(dir.filePath(QStringLiteral("work")), dir.filePath(QStringLiteral("bin")),
                         locked + QStringLiteral("/data/Vantor"), &problem);
    QCOMPARE(found, locked + QStringLiteral("/data/Vantor/Html"));
    QVERIFY2(problem.contains(reason), qPrintable(problem));
    QVERIFY2(problem.contains(locked + QStringLiteral("/data")), qPrintable(problem));
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
    // Only the new picture's bytes are counted, not the old one's as well.
    QCOMPARE(cache.count(), 1);
    QCOMPARE(cache.bytes(), blue.sizeInBytes());

    // A file that is no picture gives an error, not the old picture.
    QFile garbage(file);
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write("this is not a bitmap at all");
    garbage.close();
    const PictureCache::Picture broken = cache.load(file, Box);
    QVERIFY(broken.pixmap.isNull());
    QVERIFY(!broken.error.isEmpty());
    QCOMPARE(cache.count(), 0);
    QCOMPARE(cache.bytes(), 0);

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

void TestPaths::picturesReadAsTheirName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format"); // what the file holds
    QTest::addColumn<int>("cut");           // bytes cut off its end
    QTest::addColumn<QString>("error");     // empty: read
    QTest::newRow("BMP") << "a.bmp" << QByteArray("bmp") << 0 << "";
    QTest::newRow("PNG") << "a.png" << QByteArray("png") << 0 << "";
    QTest::newRow("JPEG") << "a.jpg" << QByteArray("jpeg") << 0 << "";
    QTest::newRow("JPEG, long suffix") << "a.JPEG" << QByteArray("jpeg") << 0 << "";
    QTest::newRow("PNG named .bmp") << "a.bmp" << QByteArray("png") << 0 << "not a BMP picture";
    QTest::newRow("BMP named .png") << "a.png" << QByteArray("bmp") << 0 << "not a PNG picture";
    QTest::newRow("PNG named .jpg") << "a.jpg" << QByteArray("png") << 0 << "not a JPEG picture";
    QTest::newRow("SVG named .png") << "a.png" << QByteArray("svg") << 0 << "not a PNG picture";
    QTest::newRow("SVG named .svg") << "a.svg" << QByteArray("svg") << 0 << "no picture format";
    QTest::newRow("BMP one byte short") << "a.bmp" << QByteArray("bmp") << 1 << "cut short";
    QTest::newRow("BMP header only") << "a.bmp" << QByteArray("bmp") << 48 << "cut short";
    QTest::newRow("PNG cut short") << "a.png" << QByteArray("png") << 40 << "Unable to read";
}

// A picture is read as the format its name says, or not at all: content of
// another format is refused, never handed to the reader of that format.
void TestPaths::picturesReadAsTheirName() {
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    QFETCH(int, cut);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const QString file = dir.filePath(name);
    QByteArray bytes;
    if (format == "svg") {
        bytes = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"4\" height=\"4\">"
                "<rect width=\"4\" height=\"4\" fill=\"red\"/></svg>\n";
    } else {
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, format.constData()));
    }
    bytes.chop(cut);
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
    out.close();

    const PictureCache::Image read = PictureCache::read(file, Box);
    if (error.isEmpty()) {
        QVERIFY2(!read.image.isNull(), qPrintable(read.error));
        QCOMPARE(read.image.size(), QSize(4, 4));
    } else {
        QVERIFY(read.image.isNull());
        QVERIFY2(read.error.contains(error), qPrintable(read.error));
    }
}

QTEST_MAIN(TestPaths)
#include "tst_paths.moc"

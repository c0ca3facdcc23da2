// Bad input and missing files: typed text that names nothing, and pictures
// and folders that are missing or unusable. Each gives at most one message
// that names what is wrong, and the load data shown stays right.

#include "WindowTest.h"
#include "tests/FileFaults.h"
#include "tests/FileTree.h"

#include "app/desktop/Appearance.h"
#include "app/desktop/PictureCache.h"
#include "factions/Factions.h"
#include "model/Text.h"
#include "model/VtCatalogue.h"
#include "weapons/WeaponCatalogue.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHash>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <tuple>

using namespace vantor;
using namespace filefaults;

namespace {

// A temporary folder as the working directory for the life of one test.
class WorkingDir {
public:
    WorkingDir() : previous(QDir::currentPath()) { QDir::setCurrent(dir.path()); }
    ~WorkingDir() { QDir::setCurrent(previous); }

    QString path(const QString& relative) const { return dir.filePath(relative); }

    // An Images folder holding the program's pictures, but for `left out`.
    void copyPictures(const QStringList& leftOut = {}) const {
        const QDir shipped(QCoreApplication::applicationDirPath() + QStringLiteral("/Images"));
        QDir(dir.path()).mkdir(QStringLiteral("Images"));
        for (const QString& file : shipped.entryList(QDir::Files))
            if (!leftOut.contains(file))
                QFile::copy(shipped.filePath(file), path(QStringLiteral("Images/") + file));
    }

    void write(const QString& relative, const QByteArray& bytes) const {
        QFile f(path(relative));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(relative));
    }

private:
    QTemporaryDir dir;
    QString previous;
};

const QByteArray Garbage = QByteArrayLiteral("BM this is no bitmap at all \x01\x02\x03\xff\xfe");

// The ways a picture file can be unusable, and the reason its message gives.
void unusableFileRows(bool missing = true) {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    if (missing)
        QTest::newRow("missing") << "missing"
                                 << systemText("No such file or directory",
                                               2 /* ERROR_FILE_NOT_FOUND */);
    else
        QTest::newRow("empty file") << "empty" << QString();
    QTest::newRow("not a bitmap") << "garbage" << QString();
    if (!OnWindows) // (NoNamedPipes)
        QTest::newRow("a pipe, which would block") << "fifo" << QString("Not a regular file");
    QTest::newRow("a folder") << "folder" << QString("Not a regular file");
    QTest::newRow("far too large") << "oversized" << QString("2000 x 8 pixels");
    QTest::newRow("60000 rows by its header") << "tall" << QString(" x 60000 pixels");
    QTest::newRow("60000 rows top-down by its header")
        << "tall top-down" << QString(" x 60000 pixels");
    QTest::newRow("2147483647 columns by its header") << "wide" << QString("2147483647 x 8");
    QTest::newRow("cut short") << "cut short" << QString("cut short");
    QTest::newRow("RLE cut short, its size field too small")
        << "rle cut short" << QString("cut short: its pixels end");
    const QString promised("cut short: its header promises");
    QTest::newRow("top-down, cut short") << "top-down" << promised;
    QTest::newRow("rows padded to 32 bits, cut short in the padding") << "padded" << promised;
    QTest::newRow("16-bit bit fields, cut short") << "bit fields" << promised;
    QTest::newRow("V4 header with bit fields, cut short") << "V4" << promised;
    QTest::newRow("V5 header, cut short") << "V5" << promised;
    QTest::newRow("a PNG picture") << "png" << QString("not a BMP picture");
    // Read as SVG, it would open the pipe it names and hang.
    QTest::newRow("an SVG picture naming a pipe") << "svg" << QString("not a BMP picture");
}

// An 8 x 8 picture of 8-bit pixels, run-length encoded (RLE8): a run of
// eight pixels and an end of row per row, then the end of the picture. Its
// header's image-size field says 2 bytes, whatever the pixels take.
QByteArray rleBitmap() {
    QByteArray pixels;
    for (int row = 0; row < 8; ++row)
        pixels += QByteArray::fromHex(row % 2 ? "08010000" : "08000000");
    pixels += QByteArray::fromHex("0001");
    QByteArray info(40, '\0');
    const auto put = [](QByteArray& b, int at, quint32 value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            b[at + i] = char(value >> (8 * i));
    };
    put(info, 0, 40, 4);
    put(info, 4, 8, 4);  // width
    put(info, 8, 8, 4);  // height, bottom-up
    put(info, 12, 1, 2); // planes
    put(info, 14, 8, 2); // bits a pixel
    put(info, 16, 1, 4); // RLE8
    put(info, 20, 2, 4); // the image size, too small
    put(info, 32, 2, 4); // colours used
    const QByteArray palette = QByteArray::fromHex("00000000ffffff00");
    QByteArray head(14, '\0');
    head[0] = 'B';
    head[1] = 'M';
    put(head, 2, quint32(14 + 40 + palette.size() + pixels.size()), 4);
    put(head, 10, quint32(14 + 40 + palette.size()), 4);
    return head + info + palette + pixels;
}

// A 3 x 8 picture of `bits`-bit pixels with a header of `infoSize` bytes,
// stored top-down for `topDown`; compression 3 (bit fields) gives its colour
// masks, in the header or after it. Its image-size field is 0, as is allowed
// for pixels that are not compressed, so the file's length follows from the
// header's other fields alone.
QByteArray craftedBitmap(int infoSize, int bits, quint32 compression, bool topDown) {
    const auto put = [](QByteArray& b, int at, quint32 value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            b[at + i] = char(value >> (8 * i));
    };
    QByteArray info(infoSize, '\0');
    put(info, 0, quint32(infoSize), 4);
    put(info, 4, 3, 4);                         // width
    put(info, 8, quint32(topDown ? -8 : 8), 4); // height
    put(info, 12, 1, 2);                        // planes
    put(info, 14, quint32(bits), 2);
    put(info, 16, compression, 4);
    QByteArray masks(12, '\0');
    put(masks, 0, bits == 16 ? 0x7c00 : 0xff0000, 4);
    put(masks, 4, bits == 16 ? 0x03e0 : 0x00ff00, 4);
    put(masks, 8, bits == 16 ? 0x001f : 0x0000ff, 4);
    if (compression == 3 && infoSize > 40)
        info.replace(40, 12, masks);
    else if (compression == 3)
        info += masks;
    // Each row padded to a whole 32-bit word: 3 pixels of 24 bits take 12 bytes.
    const int row = (3 * bits + 31) / 32 * 4;
    QByteArray pixels(row * 8, '\x55');
    QByteArray head(14, '\0');
    head[0] = 'B';
    head[1] = 'M';
    put(head, 2, quint32(14 + info.size() + pixels.size()), 4);
    put(head, 10, quint32(14 + info.size()), 4);
    return head + info + pixels;
}

// Puts an unusable file of `kind` in place of `relative` (missing already).
void spoil(const WorkingDir& dir, const QString& relative, const QString& kind) {
    const QString path = dir.path(relative);
    QImage large(2000, 8, QImage::Format_RGB32);
    large.fill(Qt::gray);
    if (kind == QLatin1String("garbage"))
        dir.write(relative, Garbage);
    if (kind == QLatin1String("empty"))
        dir.write(relative, QByteArray());
    if (kind.startsWith(QLatin1String("tall")) || kind == QLatin1String("wide")) {
        // A small picture whose header claims 60000 rows, stored bottom-up
        // (a positive height) or top-down (a negative one).
        QImage small(8, 8, QImage::Format_RGB32);
        small.fill(Qt::gray);
        QVERIFY(small.save(path, "BMP"));
        QFile f(path);
        const bool wide = kind == QLatin1String("wide");
        const qint32 size = wide                                       ? 2147483647
                            : kind.endsWith(QLatin1String("top-down")) ? -60000
                                                                       : 60000;
        QVERIFY(f.open(QIODevice::ReadWrite) && f.seek(wide ? 18 : 22) &&
                f.write(reinterpret_cast<const char*>(&size), 4) == 4);
    }
    if (kind == QLatin1String("cut short")) {
        QFile shipped(QCoreApplication::applicationDirPath() + QLatin1Char('/') + relative);
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        const QByteArray whole = shipped.readAll();
        dir.write(relative, whole.first(whole.size() * 2 / 3));
    }
    if (kind == QLatin1String("rle cut short")) {
        // Whole, it is read; cut short after the run of its fourth row, it is not.
        dir.write(relative, rleBitmap());
        QVERIFY(!PictureCache::read(path, QSize(8, 8)).image.isNull());
        dir.write(relative, rleBitmap().chopped(20));
    }
    static const QHash<QString, std::tuple<int, int, quint32, bool>> crafted{
        {QStringLiteral("top-down"), {40, 24, 0, true}},
        {QStringLiteral("padded"), {40, 24, 0, false}},
        {QStringLiteral("bit fields"), {40, 16, 3, false}},
        {QStringLiteral("V4"), {108, 32, 3, true}},
        {QStringLiteral("V5"), {124, 24, 0, false}},
    };
    if (const auto found = crafted.constFind(kind); found != crafted.cend()) {
        // Whole, it is read; one byte short, it is not.
        const auto [infoSize, bits, compression, topDown] = *found;
        const QByteArray whole = craftedBitmap(infoSize, bits, compression, topDown);
        dir.write(relative, whole);
        QVERIFY(!PictureCache::read(path, QSize(8, 8)).image.isNull());
        dir.write(relative, whole.chopped(1));
    }
    if (kind == QLatin1String("png")) {
        QImage small(8, 8, QImage::Format_RGB32);
        small.fill(Qt::gray);
        QVERIFY(small.save(path, "PNG"));
    }
    if (kind == QLatin1String("svg")) {
        const QString pipe = dir.path(QStringLiteral("trap"));
        // A file will do as the trap where there are no pipes.
        QVERIFY(makeNamedPipe(pipe) || (OnWindows && QFile(pipe).open(QIODevice::WriteOnly)));
        dir.write(relative, "<svg xmlns=\"http://www.w3.org/2000/svg\" "
                            "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"8\" "
                            "height=\"8\"><image width=\"8\" height=\"8\" xlink:href=\"" +
                                QFile::encodeName(pipe) + "\"/></svg>\n");
    }
    if ((kind == QLatin1String("fifo") && !makeNamedPipe(path)) ||
        (kind == QLatin1String("folder") && !QDir().mkdir(path)) ||
        (kind == QLatin1String("oversized") && !large.save(path, "BMP")))
        qFatal("cannot make %s", qPrintable(relative));
}

int vtIndex(const char* name) {
    for (int i = 0; i < VtCount; ++i)
        if (VtCatalogue[i].selectorName == name)
            return i;
    qFatal("no VT %s", name);
}

// The load data of VT `vt` with `total` load units and no part bonus, and the
// first rank, which comes after the picture in the recomputation.
void verifyLoadData(const Window& w, int vt, std::uint32_t total, const char* status) {
    const VtEntry& e = VtCatalogue[vt];
    QCOMPARE(w.text("VTStandardLoadLabel"), QString::number(e.standardLoad));
    QCOMPARE(w.text("VTMaximumLoadLabel"), QString::number(e.maximumLoad));
    QCOMPARE(w.text("TotalLoadLabel"), QString::number(total));
    QCOMPARE(w.text("Label9"), QString::fromLatin1(status));
    QCOMPARE(w.text("StandardRankLabel"), toQString(e.ranks[RankStandard]));
    QCOMPARE(w.text("VTMaximumSpeedLabel"), QString::number(e.maximumSpeed));
}

// Types any text, letters beyond ASCII included, as the keyboard sends it.
void typeText(const Window& w, const char* selector, const QString& text) {
    w.type(selector, QString());
    QLineEdit* edit = w.combo(selector)->lineEdit();
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Exactly one message, naming every one of `files`.
void verifyOneMessage(const Window& w, const QStringList& files) {
    QCOMPARE(w.platform->errors.size(), 1);
    for (const QString& file : files)
        QVERIFY2(w.platform->errors[0].contains(QDir::toNativeSeparators(file)),
                 qPrintable(w.platform->errors[0]));
}

} // namespace

class TestBadInput : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyVantorAppearance(*qApp); }
    // A step that never returns (as on a file that blocks on opening) ends the
    // test with an alarm signal, a failure, instead of hanging it.
    void init() { watchdog(120); }
    void cleanup() { watchdog(0); }

    void typedTextNamingNothing_data();
    void typedTextNamingNothing();
    void picturesBesideTheProgram_data();
    void picturesBesideTheProgram();
    void picturesMissingFromTheFolder();
    void unusableVtPicture_data();
    void unusableVtPicture();
    void unusableRangeChart_data();
    void unusableRangeChart();
    void unusableFlag_data();
    void unusableFlag();
    void pageCannotBeWritten_data();
    void pageCannotBeWritten();
    void desktopMessagesArePlainText();
    void desktopSaveAsksNothing_data();
    void desktopSaveAsksNothing();
    void picturesComeBackFromTheirFiles();
};

void TestBadInput::typedTextNamingNothing_data() {
    QTest::addColumn<QString>("selector");
    QTest::addColumn<QString>("standard"); // load data shown afterwards
    QTest::addColumn<QString>("maximum");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("status");

    // Colt (12 / 15) with one fuel tank (2), 270-RI (3), 77-REC (2) and DP-MIS
    // (2), an Advanced Mount at level 1 (+2 / +2) and an Additional Mount at
    // level 3 (+0 / +6): 14 / 21, total 9.
    const auto row = [](const char* selector, int standard, int maximum, int total,
                        const char* status) {
        QTest::newRow(selector) << QString::fromLatin1(selector) << QString::number(standard)
                                << QString::number(maximum) << QString::number(total)
                                << QString::fromLatin1(status);
    };
    // Typed text in the VT selector chooses no VT: nothing is loaded, and
    // the zero loads get no verdict.
    row("VTSelect", 0, 0, 0, "N/A");
    row("FTSelect", 14, 21, 9, "VT OK");
    // Typed text in a part selector is no part: the slot's bonuses go.
    row("OPSelect1", 12, 21, 9, "VT OK");
    row("OPLSelect1", 14, 21, 9, "VT OK");
    row("OPSelect2", 14, 17, 9, "VT OK");
    row("OPLSelect2", 14, 21, 9, "VT OK");
    row("MWSelect1", 14, 21, 9, "VT OK");
    row("MWSelect2", 14, 21, 9, "VT OK");
    row("MWSelect3", 14, 21, 9, "VT OK");
    row("SWSelect1", 14, 21, 9, "VT OK");
    row("SWSelect2", 14, 21, 9, "VT OK");
    row("SWSelect3", 14, 21, 9, "VT OK");
    row("RangeWeaponSelect", 14, 21, 9, "VT OK");
}

void TestBadInput::typedTextNamingNothing() {
    QFETCH(QString, selector);
    QFETCH(QString, standard);
    QFETCH(QString, maximum);
    QFETCH(QString, total);
    QFETCH(QString, status);

    Window w;
    w.chooseVt(QStringLiteral("Colt"));
    w.pick("FTSelect", QStringLiteral("1 Fuel Tank"));
    w.pick("MWSelect1", QStringLiteral("270-RI"));
    w.pick("MWSelect3", QStringLiteral("77-REC"));
    w.pick("SWSelect2", QStringLiteral("DP-MIS"));
    w.pick("OPSelect1", QStringLiteral("Advanced Mount"));
    w.pick("OPLSelect1", QStringLiteral("1"));
    w.pick("OPSelect2", QStringLiteral("Additional Mount"));
    w.pick("OPLSelect2", QStringLiteral("3"));
    w.click("AdvFunctionButton");
    w.click("WeaponRangeButton");
    QCOMPARE(w.text("VTStandardLoadLabel"), QStringLiteral("14"));
    QCOMPARE(w.text("VTMaximumLoadLabel"), QStringLiteral("21"));
    QCOMPARE(w.text("TotalLoadLabel"), QStringLiteral("9"));

    const QByteArray name = selector.toLatin1();
    const QString held = w.combo(name)->currentText();
    // Text beginning like an item, a long text and characters no item has.
    for (const QString& typed : {QStringLiteral("Col"), QStringLiteral("X270-RI"),
                                 QStringLiteral("00000000000000000000000000000000000000000"),
                                 QStringLiteral("?*[\\\u00e9-\u4e2d ")}) {
        typeText(w, name, typed);
        QCOMPARE(w.combo(name)->currentText(), typed);
        QCOMPARE(w.text("VTStandardLoadLabel"), standard);
        QCOMPARE(w.text("VTMaximumLoadLabel"), maximum);
        QCOMPARE(w.text("TotalLoadLabel"), total);
        QCOMPARE(w.text("Label9"), status);
    }
    // A weapon selector shows its slot's weapon again once the user leaves it.
    w.leave(name);
    if (selector.startsWith(QLatin1String("MWSelect")) ||
        selector.startsWith(QLatin1String("SWSelect")))
        QCOMPARE(w.combo(name)->currentText(), held);
    QVERIFY2(w.platform->errors.isEmpty(), qPrintable(w.platform->errors.join(u'\n')));

    // The window goes on: the same selector still takes a pick.
    if (w.combo(name)->isEnabled() && w.combo(name)->count() > 0) {
        w.pick(name, 0);
        QVERIFY(w.platform->errors.isEmpty());
    }
}

void TestBadInput::picturesBesideTheProgram_data() {
    QTest::addColumn<QString>("images"); // the working directory's Images folder
    QTest::newRow("no Images folder") << QString();
    QTest::newRow("an empty Images folder") << QStringLiteral("empty");
    QTest::newRow("a stranger's Images folder") << QStringLiteral("stranger");
    QTest::newRow("the program's pictures but the range chart") << QStringLiteral("no chart");
}

// Unless the working directory has an Images folder holding the program's
// pictures, they come from beside the program.
void TestBadInput::picturesBesideTheProgram() {
    QFETCH(QString, images);
    WorkingDir dir;
    if (images == QLatin1String("no chart")) {
        dir.copyPictures({QStringLiteral("Range.bmp")});
    } else if (!images.isEmpty()) {
        QVERIFY(QDir(dir.path(QString())).mkdir(QStringLiteral("Images")));
        if (images == QLatin1String("stranger")) {
            dir.write(QStringLiteral("Images/holiday.bmp"), Garbage);
            dir.write(QStringLiteral("Images/1.bmp"), Garbage);
        }
    }
    Window w;
    w.chooseVt(QStringLiteral("Behemoth"));
    QVERIFY2(w.platform->errors.isEmpty(), qPrintable(w.platform->errors.join(u'\n')));
    QVERIFY(!w.find<QLabel>("VTImage")->pixmap().isNull());
    QVERIFY(!w.find<QLabel>("FactionImage")->pixmap().isNull());
}

// The program's Images folder lacks the VT's picture and its flag, and its
// range chart is no picture: the first choice of that VT needs all three and
// says so in one message.
void TestBadInput::picturesMissingFromTheFolder() {
    WorkingDir dir;
    const int vt = vtIndex("Garpike");
    const QString picture = QStringLiteral("%1.bmp").arg(vt);
    const QString flag =
        toQString(factionRecord(VtCatalogue[vt].faction).flagFile).section(u'/', 1);
    dir.copyPictures({picture, flag});
    dir.write(QStringLiteral("Images/Range.bmp"), Garbage);
    Window w;
    w.chooseVt(QStringLiteral("Garpike"));
    verifyOneMessage(w, {picture, flag, QStringLiteral("Range.bmp")});
    verifyLoadData(w, vt, 0, "VT OK");
}

void TestBadInput::unusableVtPicture_data() {
    unusableFileRows();
}

// One message for that file in the run, and one more once the file has
// changed; every figure is shown all the same, and the other VTs show their
// pictures.
void TestBadInput::unusableVtPicture() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    WorkingDir dir;
    const int vt = vtIndex("Decider");
    const QString file = QStringLiteral("%1.bmp").arg(vt);
    dir.copyPictures({file});
    spoil(dir, QStringLiteral("Images/") + file, kind);

    Window w;
    w.chooseVt(QStringLiteral("Decider"));
    verifyOneMessage(w, {file, reason});
    verifyLoadData(w, vt, 0, "VT OK");
    QVERIFY(w.find<QLabel>("VTImage")->pixmap().isNull());

    // Changing the loadout reads no picture, so it says nothing more.
    w.pick("FTSelect", 1);
    w.pick("MWSelect1", 1);
    w.click("ImageButton");
    QCOMPARE(w.platform->errors.size(), 1);
    const WeaponEntry* first = findWeapon(WeaponKind::Main, VtCatalogue[vt].mainWeapons[0]);
    verifyLoadData(w, vt, 2 + first->Load, "VT OK");

    w.chooseVt(QStringLiteral("Colt"));
    QCOMPARE(w.platform->errors.size(), 1);
    QVERIFY(!w.find<QLabel>("VTImage")->pixmap().isNull());
    w.chooseVt(QStringLiteral("Decider"));
    QCOMPARE(w.platform->errors.size(), 1);
    verifyLoadData(w, vt, 0, "VT OK");

    // Replaced by another unusable file, it is told of again, once.
    const QString path = dir.path(QStringLiteral("Images/") + file);
    QVERIFY(!QFileInfo::exists(path) || QFile::remove(path) || QDir().rmdir(path));
    dir.write(QStringLiteral("Images/") + file, Garbage + kind.toUtf8());
    for (const char* name : {"Colt", "Decider", "Colt", "Decider"})
        w.chooseVt(QString::fromLatin1(name));
    QCOMPARE(w.platform->errors.size(), 2);
    QVERIFY2(w.platform->errors[1].contains(file), qPrintable(w.platform->errors[1]));
    QVERIFY(w.find<QLabel>("VTImage")->pixmap().isNull());
}

void TestBadInput::unusableRangeChart_data() {
    // A missing chart makes the folder a stranger's (see picturesBesideTheProgram).
    unusableFileRows(false);
}

// The chart built into the program stands in, after one message.
void TestBadInput::unusableRangeChart() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    WorkingDir dir;
    dir.copyPictures({QStringLiteral("Range.bmp")});
    spoil(dir, QStringLiteral("Images/Range.bmp"), kind);

    Window w;
    w.chooseVt(QStringLiteral("Colt"));
    verifyOneMessage(w, {QStringLiteral("Range.bmp"), reason});
    verifyLoadData(w, 0, 0, "VT OK");
    w.click("AdvFunctionButton");
    w.click("WeaponRangeButton");
    w.click("RangeAllOnButton");
    w.click("RangeAllOffButton");
    w.chooseVt(QStringLiteral("Vortex"));
    QCOMPARE(w.platform->errors.size(), 1);
    QVERIFY(!w.find<QLabel>("RangeImage")->pixmap().isNull());
}

void TestBadInput::unusableFlag_data() {
    unusableFileRows();
}

void TestBadInput::unusableFlag() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    WorkingDir dir;
    const int vt = vtIndex("Colt");
    const QString flag =
        toQString(factionRecord(VtCatalogue[vt].faction).flagFile).section(u'/', 1);
    dir.copyPictures({flag});
    spoil(dir, QStringLiteral("Images/") + flag, kind);

    Window w;
    w.chooseVt(QStringLiteral("Colt"));
    verifyOneMessage(w, {flag, reason});
    verifyLoadData(w, vt, 0, "VT OK");
    QCOMPARE(w.text("FactionLabel"), toQString(factionRecord(VtCatalogue[vt].faction).name));
    QVERIFY(!w.find<QLabel>("VTImage")->pixmap().isNull());
    // Told of once in the run, however often the faction comes back.
    w.chooseVt(QStringLiteral("Garpike"));
    w.chooseVt(QStringLiteral("Colt"));
    QCOMPARE(w.platform->errors.size(), 1);
    // The intel does not depend on the flag.
    w.click("AdvFunctionButton");
    w.click("MiscPageButton");
    w.click("FactionButton");
    QVERIFY(!w.find<QPlainTextEdit>("FactionRichEdit")->toPlainText().isEmpty());
}

void TestBadInput::pageCannotBeWritten_data() {
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<QString>("reason");
    QTest::newRow("page name taken by a folder") << "folder" << QString("not a regular file");
    QTest::newRow("page links into a missing folder") << "link" << QString("symbolic link");
    QTest::newRow("page links to a file elsewhere") << "linked file" << QString("symbolic link");
    QTest::newRow("full file system") << "full" << QString("No space left on device");
}

// One message naming the page and why; nothing is launched, the text stays,
// and nothing is written anywhere: an old page stays as it was.
void TestBadInput::pageCannotBeWritten() {
    QFETCH(QString, obstacle);
    QFETCH(QString, reason);
    WorkingDir dir;
    QVERIFY(QDir(dir.path(QString())).mkdir(QStringLiteral("Html")));
    const QString page = dir.path(QStringLiteral("Html/VantorVTConfig.html"));
    const QString html = dir.path(QStringLiteral("Html"));
    bool mounted = false;
    const auto unmounted = qScopeGuard([&] {
        if (mounted)
            unmount(html);
    });
    if (obstacle == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(page));
    } else if (obstacle == QLatin1String("link")) {
        if (!makeSymbolicLink(dir.path(QStringLiteral("no such folder/page.html")), page))
            QSKIP(NoSymbolicLinks);
    } else if (obstacle == QLatin1String("linked file")) {
        dir.write(QStringLiteral("elsewhere.html"), "someone else's file");
        if (!makeSymbolicLink(dir.path(QStringLiteral("elsewhere.html")), page))
            QSKIP(NoSymbolicLinks);
    } else { // a small file system, filled up after the old page (mounting needs the right to)
        mounted = mountSmallFileSystem(html, false, "64k");
        if (!mounted)
            QSKIP("no small file system to fill (mounting one needs root; Windows mounts none)");
        dir.write(QStringLiteral("Html/VantorVTConfig.html"), "<html>the old page</html>");
        QFile filler(html + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, '\0');
        while (filler.write(block) > 0) {
        }
    }
    const auto files = fileTree(dir.path(QString()));

    Window w;
    w.chooseVt(QStringLiteral("Vortex"));
    w.click("AdvFunctionButton");
    w.click("HtmlPageButton");
    w.click("HtmlGenerateButton");
    const QString before = w.find<QPlainTextEdit>("HtmlRichEdit")->toPlainText();
    w.click("SpeedButton6");
    verifyOneMessage(w, {QStringLiteral("VantorVTConfig.html"), reason});
    QVERIFY(w.platform->opened.isEmpty());
    QCOMPARE(fileTree(dir.path(QString())), files);
    QCOMPARE(w.find<QPlainTextEdit>("HtmlRichEdit")->toPlainText(), before);
    verifyLoadData(w, vtIndex("Vortex"), 0, "VT OK");
}

// Undo, redo and swap bring a VT's picture and flag back from its file, as
// the session keeps which picture it showed, not its pixels: a picture gone
// meanwhile shows none, and says nothing, as no handler runs.
void TestBadInput::picturesComeBackFromTheirFiles() {
    const QKeySequence undo(Qt::CTRL | Qt::Key_Z), redo(Qt::CTRL | Qt::Key_Y),
        pin(Qt::CTRL | Qt::Key_D), swap(Qt::CTRL | Qt::SHIFT | Qt::Key_D);
    WorkingDir dir;
    dir.copyPictures();
    const int decider = vtIndex("Decider"), colt = vtIndex("Colt");
    const auto picture = [&](int vt) {
        return QImage(dir.path(QStringLiteral("Images/%1.bmp").arg(vt)))
            .convertToFormat(QImage::Format_RGB32);
    };
    const auto shown = [](const Window& w, const char* name) {
        return w.find<QLabel>(name)->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    };
    const QImage deciderPicture = picture(decider), coltPicture = picture(colt);
    QVERIFY(!deciderPicture.isNull() && deciderPicture != coltPicture);

    Window w;
    w.chooseVt(QStringLiteral("Decider"));
    const QImage deciderFlag = shown(w, "FactionImage");
    w.press(pin);
    w.show(); // the comparison window took the focus
    w.chooseVt(QStringLiteral("Colt"));
    const QImage coltFlag = shown(w, "FactionImage");
    QCOMPARE(shown(w, "VTImage"), coltPicture);
    w.press(undo);
    QCOMPARE(shown(w, "VTImage"), deciderPicture);
    QCOMPARE(shown(w, "FactionImage"), deciderFlag);
    w.press(redo);
    QCOMPARE(shown(w, "VTImage"), coltPicture);
    QCOMPARE(shown(w, "FactionImage"), coltFlag);
    w.press(swap);
    QCOMPARE(shown(w, "VTImage"), deciderPicture);
    QCOMPARE(shown(w, "FactionImage"), deciderFlag);
    w.press(undo);
    QCOMPARE(shown(w, "VTImage"), coltPicture);

    QVERIFY(QFile::remove(dir.path(QStringLiteral("Images/%1.bmp").arg(decider))));
    w.press(redo);
    QVERIFY(w.find<QLabel>("VTImage")->pixmap().isNull());
    QCOMPARE(shown(w, "FactionImage"), deciderFlag);
    QVERIFY2(w.platform->errors.isEmpty(), qPrintable(w.platform->errors.join(u'\n')));
    verifyLoadData(w, decider, 0, "VT OK");
}

// The desktop's own message box shows a message as it is: mark-up in a
// pasted text or a file name is never read as rich text.
void TestBadInput::desktopMessagesArePlainText() {
    const QString message =
        QStringLiteral("VT: there is no VT called \"<h1 style=color:red>Tin</h1><img src=x>\".");
    Qt::TextFormat format = Qt::RichText;
    QString shown;
    int boxes = 0;
    // The box is modal: it is read and closed from within its own event loop.
    QTimer::singleShot(0, this, [&] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(top); box && box->isVisible()) {
                ++boxes;
                format = box->textFormat();
                if (const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
                    shown = label->textFormat() == Qt::PlainText ? label->text() : QString();
                box->done(QMessageBox::Ok);
            }
    });
    DesktopPlatform().showError(nullptr, message);
    QCOMPARE(boxes, 1);
    QCOMPARE(format, Qt::PlainText);
    QCOMPARE(shown, message);

    // A question names a file as it is, and Enter answers no.
    const QString question = QStringLiteral("\"/tmp/<b>x</b>.png\" already exists.\nDo you "
                                            "want to replace it?");
    boxes = 0;
    QTimer::singleShot(0, this, [&] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(top); box && box->isVisible()) {
                ++boxes;
                format = box->textFormat();
                if (const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
                    shown = label->textFormat() == Qt::PlainText ? label->text() : QString();
                QTest::keyClick(box, Qt::Key_Return);
            }
    });
    QVERIFY(!DesktopPlatform().ask(nullptr, QStringLiteral("Save Picture"), question));
    QCOMPARE(boxes, 1);
    QCOMPARE(format, Qt::PlainText);
    QCOMPARE(shown, question);
}

void TestBadInput::desktopSaveAsksNothing_data() {
    QTest::addColumn<QString>("existing"); // a file in the folder
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("chosen"); // what the dialog gives
    QTest::newRow("no extension, its PNG there") << "Garpike.png"
                                                 << "Garpike"
                                                 << "Garpike.png";
    QTest::newRow("another extension, its PNG there") << "photo.jpg.png"
                                                      << "photo.jpg"
                                                      << "photo.jpg";
    QTest::newRow("another extension, that file there") << "photo.jpg"
                                                        << "photo.jpg"
                                                        << "photo.jpg";
}

// The desktop's save dialog gives the name typed, with ".png" where it has no
// extension, and asks nothing about a file already there: it could only ask
// about the name it gives, while "photo.jpg" is saved as "photo.jpg.png". The
// one saving asks about the name it writes.
void TestBadInput::desktopSaveAsksNothing() {
    QFETCH(QString, existing);
    QFETCH(QString, typed);
    QFETCH(QString, chosen);
    QTemporaryDir dir;
    QFile kept(dir.filePath(existing));
    QVERIFY(kept.open(QIODevice::WriteOnly));
    kept.close();
    // The dialog is modal: it is answered from within its own event loop,
    // once it shows; any question it asked would be answered no.
    struct Answer : QObject {
        QString typed;
        QStringList asked;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() != QEvent::Show)
                return false;
            if (auto* box = qobject_cast<QMessageBox*>(watched)) {
                asked << box->text();
                QMetaObject::invokeMethod(
                    box, [box] { box->done(QMessageBox::No); }, Qt::QueuedConnection);
            } else if (auto* dialog = qobject_cast<QFileDialog*>(watched)) {
                QMetaObject::invokeMethod(
                    dialog, [this, dialog] { typeAndSave(dialog); }, Qt::QueuedConnection);
            }
            return false;
        }
        void typeAndSave(QFileDialog* dialog) {
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            auto* buttons = dialog->findChild<QDialogButtonBox*>();
            if (!name || !buttons || !buttons->button(QDialogButtonBox::Save))
                return dialog->reject();
            name->setText(typed);
            buttons->button(QDialogButtonBox::Save)->click();
            // Still open after a "no": the user gives up.
            if (dialog->isVisible())
                dialog->reject();
        }
    } answer;
    answer.typed = typed;
    qApp->installEventFilter(&answer);
    const QString given = DesktopPlatform().saveFileName(
        nullptr, QStringLiteral("Save Picture"), dir.filePath(QStringLiteral("Loadout.png")),
        QStringLiteral("PNG pictures (*.png)"), QStringLiteral("png"));
    qApp->removeEventFilter(&answer);
    QCOMPARE(answer.asked, QStringList());
    QCOMPARE(given, dir.filePath(chosen));
}

QTEST_MAIN(TestBadInput)
#include "tst_badinput.moc"

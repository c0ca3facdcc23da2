// Saving the page: exact bytes on success, and on failure a message that
// names the file and the reason, with nothing written anywhere.

#include "reports/PageFile.h"
#include "reports/Reports.h"
#include "tests/FileFaults.h"
#include "tests/FileTree.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace vantor;
using namespace filefaults;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return f.readAll();
}

} // namespace

class TestPageFile : public QObject {
    Q_OBJECT

private slots:
    void writesExactBytes_data();
    void writesExactBytes();
    void replacesLongerFile();
    void refused_data();
    void refused();
    void temporaryNamesTaken_data();
    void temporaryNamesTaken();
};

void TestPageFile::writesExactBytes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    const QString page = QStringLiteral("VantorVTConfig.html");
    QTest::newRow("empty box") << page << "" << QByteArray();
    QTest::newRow("crlf lines") << page << joinCrLf({"<html>", "", "\t<tr>"})
                                << QByteArray("<html>\r\n\r\n\t<tr>");
    QTest::newRow("typed non-ascii") << page << QString::fromUtf8("Gr\u00fc\u00dfe")
                                     << QByteArray("Gr\xc3\xbc\xc3\x9f"
                                                   "e");
    // Names as long as the file system takes (255 bytes on Linux, 255 UTF-16
    // units on Windows): the temporary file's name must fit as well. (Wine
    // keeps Linux's limit in bytes, so the Windows rows stay within both.)
    QTest::newRow("250-character name") << QString(245, QChar('n')) + ".html"
                                        << "x" << QByteArray("x");
    QTest::newRow("longest name in three-byte characters")
        << QString(OnWindows ? 80 : 85, QChar(0x30da)) << "x" << QByteArray("x");
    QTest::newRow("longest name ending in surrogate pairs")
        << QString(247, QChar('a')) + QString::fromUtf8("\U0001F600\U0001F600") << "x"
        << QByteArray("x");
}

void TestPageFile::writesExactBytes() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(name);
    QCOMPARE(writePageFile(path, text), std::nullopt);
    QCOMPARE(readAll(path), bytes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{name});
}

void TestPageFile::replacesLongerFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("VantorVTConfig.html");
    QCOMPARE(writePageFile(path, QString(5000, QChar('x'))), std::nullopt);
    // The new page keeps the old one's permissions, whatever the file mode
    // creation mask would give a new file.
    const auto kept = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    QVERIFY(QFile::setPermissions(path, kept));
    QCOMPARE(writePageFile(path, "short"), std::nullopt);
    QCOMPARE(readAll(path), QByteArray("short"));
    // (Windows keeps no such bits: the file takes its folder's access rights.)
    if (!OnWindows)
        QCOMPARE(QFile::permissions(path) & ~QFileDevice::Permissions(0x0f00), kept);
}

void TestPageFile::refused_data() {
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing folder")
        << "missing folder"
        << systemText("No such file or directory", 2 /* ERROR_FILE_NOT_FOUND */);
    QTest::newRow("folder in its place") << "folder" << QString("not a regular file");
    QTest::newRow("write-protected page") << "protected" << QString("write-protected");
    QTest::newRow("link to a file elsewhere") << "linked file" << QString("symbolic link");
    QTest::newRow("link to no file yet") << "dangling" << QString("symbolic link");
    // What a full disk does to a write, for any user: the write fails part way.
    QTest::newRow("file size limit reached") << "size limit" << QString("File too large");
}

// A message naming the page and the reason, and nothing written anywhere: an
// old page stays byte for byte, and no temporary file is left behind.
void TestPageFile::refused() {
    QFETCH(QString, obstacle);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QDir root(dir.path());
    QVERIFY(root.mkdir("Html"));
    const QString path = dir.filePath(obstacle == "missing folder" ? "Gone/VantorVTConfig.html"
                                                                   : "Html/VantorVTConfig.html");
    const QString elsewhere = dir.filePath("elsewhere.html");
    if (obstacle == "folder")
        QVERIFY(root.mkpath(path));
    if (obstacle == "protected" || obstacle == "size limit")
        QCOMPARE(writePageFile(path, "old page"), std::nullopt);
    if (obstacle == "protected")
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    if (obstacle == "linked file")
        QCOMPARE(writePageFile(elsewhere, "someone else's file"), std::nullopt);
    if ((obstacle == "linked file" || obstacle == "dangling") && !makeSymbolicLink(elsewhere, path))
        QSKIP(NoSymbolicLinks);
    const auto files = fileTree(dir.path());

    std::optional<QString> message;
    if (obstacle == "size limit") {
        const FileSizeLimit limit(5);
        if (!limit.active())
            QSKIP(NoFileSizeLimit);
        message = writePageFile(path, "the new page, longer than five bytes");
    } else {
        message = writePageFile(path, "the new page, longer than five bytes");
    }
    QVERIFY(message.has_value());
    QVERIFY2(message->contains(QDir::toNativeSeparators(path)), qPrintable(*message));
    QVERIFY2(message->contains(reason), qPrintable(*message));
    QCOMPARE(fileTree(dir.path()), files);
}

void TestPageFile::temporaryNamesTaken_data() {
    QTest::addColumn<QString>("taker"); // what holds the first two temporary names
    QTest::newRow("someone's files") << "file";
    QTest::newRow("links to a file elsewhere") << "link";
    QTest::newRow("links to no file yet") << "dangling";
}

// Names the temporary file would take that are taken already are passed over:
// what holds them is neither written, nor followed, nor renamed.
void TestPageFile::temporaryNamesTaken() {
    QFETCH(QString, taker);
    QTemporaryDir dir;
    const QString path = dir.filePath("VantorVTConfig.html");
    const QString elsewhere = dir.filePath("elsewhere.html");
    if (taker == "link")
        QCOMPARE(writePageFile(elsewhere, "someone else's file"), std::nullopt);
    QRandomGenerator drawn(7);
    for (int i = 0; i < 2; ++i) {
        const QString name =
            dir.filePath(".VantorVTConfig.html." + QString::number(drawn.generate(), 36));
        if (taker == "file")
            QCOMPARE(writePageFile(name, "someone's file"), std::nullopt);
        else if (!makeSymbolicLink(elsewhere, name))
            QSKIP(NoSymbolicLinks);
    }
    const auto files = fileTree(dir.path());

    QRandomGenerator names(7);
    QCOMPARE(writePageFile(path, "the page", names), std::nullopt);
    auto expected = files;
    expected.insert(path, "the page");
    QCOMPARE(fileTree(dir.path()), expected);
}

QTEST_MAIN(TestPageFile)
#include "tst_pagefile.moc"

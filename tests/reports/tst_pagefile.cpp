// Saving the page: exact bytes on success, and on failure a message that
// names the file, with nothing half-written left behind.

#include "reports/PageFile.h"
#include "reports/Reports.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vantor;

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
    void missingFolder();
    void writeProtectedFile();
    void pathIsAFolder();
};

void TestPageFile::writesExactBytes_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty box") << "" << QByteArray();
    QTest::newRow("crlf lines") << joinCrLf({"<html>", "", "\t<tr>"})
                                << QByteArray("<html>\r\n\r\n\t<tr>");
    QTest::newRow("typed non-ascii") << QString::fromUtf8("Gr\u00fc\u00dfe")
                                     << QByteArray("Gr\xc3\xbc\xc3\x9f"
                                                   "e");
}

void TestPageFile::writesExactBytes() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("VantorVTConfig.html");
    QCOMPARE(writePageFile(path, text), std::nullopt);
    QCOMPARE(readAll(path), bytes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"VantorVTConfig.html"});
}

void TestPageFile::replacesLongerFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("VantorVTConfig.html");
    QCOMPARE(writePageFile(path, QString(5000, QChar('x'))), std::nullopt);
    QCOMPARE(writePageFile(path, "short"), std::nullopt);
    QCOMPARE(readAll(path), QByteArray("short"));
}

void TestPageFile::missingFolder() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Html/VantorVTConfig.html");
    const auto message = writePageFile(path, "<html>");
    QVERIFY(message.has_value());
    QVERIFY2(message->contains(QDir::toNativeSeparators(path)), qPrintable(*message));
    QVERIFY(!QFile::exists(path));
    QVERIFY(QDir(dir.path()).isEmpty());
}

void TestPageFile::writeProtectedFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("VantorVTConfig.html");
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("old page");
    }
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    const auto message = writePageFile(path, "new page");
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QVERIFY(message.has_value());
    QVERIFY2(message->contains(QDir::toNativeSeparators(path)), qPrintable(*message));
    QCOMPARE(readAll(path), QByteArray("old page"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"VantorVTConfig.html"});
}

void TestPageFile::pathIsAFolder() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("VantorVTConfig.html"));
    const QString path = dir.filePath("VantorVTConfig.html");
    const auto message = writePageFile(path, "<html>");
    QVERIFY(message.has_value());
    QVERIFY2(message->contains(QDir::toNativeSeparators(path)), qPrintable(*message));
    QVERIFY(QFileInfo(path).isDir());
}

QTEST_MAIN(TestPageFile)
#include "tst_pagefile.moc"

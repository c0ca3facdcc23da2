// Where the program looks for its pictures: the working directory, beside
// the executable, or the installed data folder.

#include "app/Paths.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class PathTests : public QObject {
    Q_OBJECT

private slots:
    void locate_data();
    void locate();
};

void PathTests::locate_data() {
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

void PathTests::locate() {
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

QTEST_GUILESS_MAIN(PathTests)
#include "tst_paths.moc"

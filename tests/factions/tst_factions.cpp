// The faction records, every VT's faction, and the embedded intelligence texts.

#include "factions/Factions.h"

#include <QTest>

using namespace vantor;

Q_DECLARE_METATYPE(vantor::Faction)

class TestFactions : public QObject {
    Q_OBJECT

private slots:
    void records_data();
    void records();
    void haiShiDaoIntelOpening();
    void coltAndMacabre();
};

void TestFactions::records_data() {
    QTest::addColumn<Faction>("faction");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("flag");
    QTest::addColumn<QString>("resource");
    QTest::newRow("Hai Shi Dao") << Faction::HaiShiDao << "Hai Shi Dao" << QColor(255, 0, 0)
                                 << "Images/hsdflag.bmp"
                                 << ":/texts/factions/hai-shi-dao.txt";
    QTest::newRow("Jaralaccs") << Faction::Jaralaccs << "Jaralaccs" << QColor(255, 255, 0)
                               << "Images/jarflag.bmp"
                               << ":/texts/factions/jaralaccs.txt";
    QTest::newRow("Pacific Rim Forces") << Faction::PacificRimForces << "Pacific Rim Forces"
                                        << QColor(0, 0, 255) << "Images/prfflag.bmp"
                                        << ":/texts/factions/pacific-rim-forces.txt";
    QTest::newRow("Right Brothers")
        << Faction::RightBrothers << "Right Brothers" << QColor(0, 128, 0) << "Images/rbflag.bmp"
        << ":/texts/factions/right-brothers.txt";
}

void TestFactions::records() {
    QFETCH(Faction, faction);
    QFETCH(QString, name);
    QFETCH(QColor, colour);
    QFETCH(QString, flag);
    QFETCH(QString, resource);
    const FactionRecord& r = factionRecord(faction);
    QCOMPARE(r.faction, faction);
    QCOMPARE(QString::fromUtf8(r.name), name);
    QCOMPARE(QColor(r.colour), colour);
    QCOMPARE(QString::fromUtf8(r.flagFile), flag);
    QCOMPARE(factionIntelResource(faction), resource);

    // Several hundred characters of prose, one paragraph.
    const QString intel = factionIntelText(faction);
    QVERIFY2(intel.size() >= 300, qPrintable(resource));
    QVERIFY(!intel.contains(QLatin1Char('\n')));
    QCOMPARE(intel, intel.trimmed());
}

void TestFactions::haiShiDaoIntelOpening() {
    QVERIFY(factionIntelText(Faction::HaiShiDao)
                .startsWith("The original antagonists from the first game return"));
}

void TestFactions::coltAndMacabre() {
    QCOMPARE(QString::fromUtf8(factionRecord(vtEntry(0).faction).name), QString("Right Brothers"));
    QCOMPARE(QColor(factionRecord(vtEntry(0).faction).colour), QColor(0, 128, 0));
    QCOMPARE(QString::fromUtf8(factionRecord(vtEntry(16).faction).name), QString("Jaralaccs"));
    QCOMPARE(QColor(factionRecord(vtEntry(16).faction).colour), QColor(255, 255, 0));
}

QTEST_MAIN(TestFactions)
#include "tst_factions.moc"

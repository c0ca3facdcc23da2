#include "equipment/FuelTanks.h"

#include <QTest>

using namespace vantor;

class TestFuelTanks : public QObject {
    Q_OBJECT

private slots:
    void items_data() {
        QTest::addColumn<uint>("tankSlots");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("no VT") << 0u << QStringList{};
        QTest::newRow("one slot") << 1u << QStringList{"No Fuel Tanks", "1 Fuel Tank"};
        QTest::newRow("two slots")
            << 2u << QStringList{"No Fuel Tanks", "1 Fuel Tank", "2 Fuel Tanks"};
    }
    void items() {
        QFETCH(uint, tankSlots);
        QTEST(fuelTankItems(tankSlots), "items");
    }

    void choice_data() {
        QTest::addColumn<uint>("loadBefore");
        QTest::addColumn<int>("index");
        QTest::addColumn<uint>("load");
        QTest::addColumn<QString>("report"); // empty: no report call
        QTest::addColumn<int>("icon");       // -1: icon kept
        QTest::newRow("none") << 4u << 0 << 0u << "None Fitted" << 0;
        QTest::newRow("one") << 0u << 1 << 2u << "1" << 16;
        QTest::newRow("two") << 0u << 2 << 4u << "2" << 17;
        QTest::newRow("typed text") << 4u << -1 << 4u << "" << -1;
    }
    void choice() {
        QFETCH(uint, loadBefore);
        QFETCH(int, index);
        Loadout l;
        l.FuelTankLoad = loadBefore;
        const FuelChoice c = chooseFuelTank(l, index);
        QTEST(l.FuelTankLoad, "load");
        QTEST(c.reportText.value_or(QString()), "report");
        QTEST(c.icon.value_or(-1), "icon");
    }
};

QTEST_MAIN(TestFuelTanks)
#include "tst_fueltanks.moc"

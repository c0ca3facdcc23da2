#include "model/Text.h"
#include "model/VtCatalogue.h"
#include "weapons/WeaponLists.h"
#include "weapons/WeaponSelection.h"

#include <QTest>

using namespace vantor;

namespace {

constexpr int Behemoth = 10, Garpike = 12, Rapier = 21, Sheepdog = 23;

struct Picked {
    Loadout loadout;
    WeaponSelectors selectors;
};

Picked forVt(int vt) {
    Picked p;
    p.selectors = buildWeaponSelectors(p.loadout, vt);
    return p;
}

std::uint32_t slotLoad(const Loadout& l, WeaponKind kind, int slot) {
    const std::array<std::uint32_t, 3> main{l.MainWeapon1Load, l.MainWeapon2Load,
                                            l.MainWeapon3Load};
    const std::array<std::uint32_t, 3> sub{l.SubWeapon1Load, l.SubWeapon2Load, l.SubWeapon3Load};
    return (kind == WeaponKind::Main ? main : sub)[std::size_t(slot - 1)];
}

} // namespace

class TestWeaponSelection : public QObject {
    Q_OBJECT

private slots:
    // Picking the last item of every selector of every VT gives the slot the
    // catalogue weight of the weapon the item names.
    void lastItemOfEverySelector_data() {
        QTest::addColumn<int>("vt");
        for (int vt = 0; vt < VtCount; ++vt)
            QTest::newRow(vtEntry(vt).selectorName.data()) << vt;
    }
    void lastItemOfEverySelector() {
        QFETCH(int, vt);
        Picked p = forVt(vt);
        for (int slot = 1; slot <= 3; ++slot) {
            const QStringList& main = p.selectors.main[std::size_t(slot - 1)];
            QVERIFY(selectMainWeapon(p.loadout, slot, int(main.size() - 1)));
            const WeaponEntry* m = findWeapon(WeaponKind::Main, main.last().toStdString());
            QCOMPARE(slotLoad(p.loadout, WeaponKind::Main, slot), m->Load);
            const auto mainInfo = ShowMainWeaponInfo(p.loadout, slot, int(main.size() - 1));
            QCOMPARE(mainInfo->name, toQString(m->Name));
            QCOMPARE(mainInfo->weight, QString::number(m->Load));

            const QStringList& sub = p.selectors.sub[std::size_t(slot - 1)];
            QVERIFY(selectSubWeapon(p.loadout, slot, int(sub.size() - 1)));
            const WeaponEntry* s = findWeapon(WeaponKind::Sub, sub.last().toStdString());
            QCOMPARE(slotLoad(p.loadout, WeaponKind::Sub, slot), s->Load);
            const auto subInfo = ShowSubWeaponInfo(p.loadout, slot, int(sub.size() - 1));
            QCOMPARE(subInfo->name, toQString(s->Name));
        }
    }

    void loadsAcrossSlots() {
        Picked p = forVt(Rapier); // "200-AR" is item 1
        for (int slot = 1; slot <= 3; ++slot)
            QVERIFY(selectMainWeapon(p.loadout, slot, 1));
        const Loadout& l = p.loadout;
        QCOMPARE(l.MainWeapon1Load + l.MainWeapon2Load + l.MainWeapon3Load, 9u);
        QVERIFY(selectMainWeapon(p.loadout, 2, 0));
        QCOMPARE(l.MainWeapon1Load + l.MainWeapon2Load + l.MainWeapon3Load, 6u);
    }

    void mountStateSetAndCleared_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<uint>("load");
        QTest::addColumn<bool>("mount");
        // Rapier: Unarmed, STUN-R, DP-MIS, TP-MIS, DL-GM, AVTGM
        QTest::newRow("AVTGM") << 5 << 5u << true;
        QTest::newRow("DL-GM") << 4 << 3u << false;
        QTest::newRow("Unarmed") << 0 << 0u << false;
    }
    void mountStateSetAndCleared() {
        QFETCH(int, row);
        QFETCH(uint, load);
        QFETCH(bool, mount);
        Picked p = forVt(Rapier);
        p.loadout.SW3Mount = !mount;
        QVERIFY(selectSubWeapon(p.loadout, 3, row));
        QCOMPARE(p.loadout.SubWeapon3Load, load);
        QCOMPARE(p.loadout.SW3Mount, mount);
    }

    // A row nobody recorded is never read and changes nothing.
    void badRowsRejected_data() {
        QTest::addColumn<int>("mainRow");
        QTest::addColumn<int>("subRow");
        // The Garpike records 5 main-weapon rows and 7 sub-weapon rows.
        QTest::newRow("typed text") << -1 << -1;
        QTest::newRow("just past the rows") << 5 << 7;
        QTest::newRow("past the columns") << 12 << 12;
        QTest::newRow("far off") << 1000 << 1000;
    }
    void badRowsRejected() {
        QFETCH(int, mainRow);
        QFETCH(int, subRow);
        Picked p = forVt(Garpike);
        QVERIFY(selectMainWeapon(p.loadout, 1, 1));
        QVERIFY(selectSubWeapon(p.loadout, 1, 3)); // AVTM: load 2, mount
        QVERIFY(ShowSubWeaponInfo(p.loadout, 1, 3));
        QVERIFY(ShowMainWeaponInfo(p.loadout, 1, 1));
        const Loadout before = p.loadout;
        QVERIFY(!selectMainWeapon(p.loadout, 1, mainRow));
        QVERIFY(!selectSubWeapon(p.loadout, 1, subRow));
        QVERIFY(!ShowMainWeaponInfo(p.loadout, 1, mainRow));
        QVERIFY(!ShowSubWeaponInfo(p.loadout, 1, subRow));
        QCOMPARE(p.loadout.MainWeapon1Load, before.MainWeapon1Load);
        QCOMPARE(p.loadout.MW1RangeMax, before.MW1RangeMax);
        QCOMPARE(p.loadout.SubWeapon1Load, before.SubWeapon1Load);
        QCOMPARE(p.loadout.SW1Mount, before.SW1Mount);
        QCOMPARE(p.loadout.SW1RangeMax, before.SW1RangeMax);
    }

    void badSlotRejected() {
        Picked p = forVt(Rapier);
        QVERIFY(!selectMainWeapon(p.loadout, 0, 1));
        QVERIFY(!selectSubWeapon(p.loadout, 4, 1));
        QCOMPARE(p.loadout.MainWeapon1Load + p.loadout.SubWeapon1Load, 0u);
    }

    void info_data() {
        QTest::addColumn<int>("vt");
        QTest::addColumn<bool>("main");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("figures");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<int>("minRange");
        QTest::addColumn<int>("maxRange");
        const QStringList na{"N/A", "N/A", "N/A", "N/A", "N/A"};
        QTest::newRow("Unarmed") << Behemoth << true << 0 << "UNARMED" << na << "0" << 0 << 0;
        QTest::newRow("HMV-LA") << Behemoth << true << 3 << "HVM-LA"
                                << QStringList{"1000", "800-2000", "15", "0", "No"} << "10" << 800
                                << 2000;
        QTest::newRow("PPNG-S") << Sheepdog << true << 6 << "PPNG-S"
                                << QStringList{"0", "0-2000", "N/A", "N/A", "No"} << "0" << 0
                                << 2000;
        QTest::newRow("RAIL-B") << 16 << false << 9 << "RAIL-Gb"
                                << QStringList{"2000", "0-2000", "8", "0", "No"} << "14" << 0
                                << 2000;
        QTest::newRow("RAIL-A") << ProminenceM2 << false << 4 << "RAIL-Ga"
                                << QStringList{"1500", "0-1500", "10", "0", "No"} << "0" << 0
                                << 1500;
        QTest::newRow("MM") << ProminenceM2 << false << 3 << "MM"
                            << QStringList{"500", "300-800", "40", "0", "Yes"} << "0" << 300 << 800;
    }
    void info() {
        QFETCH(int, vt);
        QFETCH(bool, main);
        QFETCH(int, row);
        QFETCH(QString, name);
        QFETCH(QStringList, figures);
        QFETCH(QString, weight);
        QFETCH(int, minRange);
        QFETCH(int, maxRange);
        Picked p = forVt(vt);
        p.loadout.MW2RangeMin = p.loadout.SW2RangeMin = -5; // must be overwritten
        const auto info =
            main ? ShowMainWeaponInfo(p.loadout, 2, row) : ShowSubWeaponInfo(p.loadout, 2, row);
        QVERIFY(info);
        QCOMPARE(info->name, name);
        QCOMPARE(QStringList(info->figures.begin(), info->figures.end()), figures);
        QCOMPARE(info->weight, weight);
        QVERIFY(info->report);
        if (row == 0)
            QCOMPARE(info->description, QStringLiteral("UNARMED"));
        QCOMPARE(main ? p.loadout.MW2RangeMin : p.loadout.SW2RangeMin, minRange);
        QCOMPARE(main ? p.loadout.MW2RangeMax : p.loadout.SW2RangeMax, maxRange);
    }

    void unknownIdShowsNotAvailable() {
        Picked p = forVt(Behemoth);
        p.loadout.MainWeaponListId[2] = 99;
        p.loadout.MW3RangeMax = 400;
        const auto info = ShowMainWeaponInfo(p.loadout, 3, 2);
        QVERIFY(info);
        QCOMPARE(info->name, QStringLiteral("N/A"));
        QCOMPARE(info->description, QStringLiteral("N/A"));
        QVERIFY(!info->report);
        QCOMPARE(info->weight, QString::number(p.loadout.MainWeaponListLoad[2]));
        QCOMPARE(p.loadout.MW3RangeMax, 0);
    }

    // A selector of no slot shows the weapon but stores no range band.
    void slotZeroStoresNothing() {
        Picked p = forVt(Behemoth);
        const Loadout before = p.loadout;
        const auto info = ShowMainWeaponInfo(p.loadout, 0, 3);
        QVERIFY(info);
        QCOMPARE(info->name, QStringLiteral("HVM-LA"));
        QCOMPARE(p.loadout.MW1RangeMax, before.MW1RangeMax);
        QCOMPARE(p.loadout.MW2RangeMax, before.MW2RangeMax);
        QCOMPARE(p.loadout.MW3RangeMax, before.MW3RangeMax);
    }
};

QTEST_MAIN(TestWeaponSelection)
#include "tst_weaponselection.moc"

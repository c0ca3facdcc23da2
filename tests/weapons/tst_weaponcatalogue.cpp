#include "model/Text.h"
#include "model/VtCatalogue.h"
#include "weapons/WeaponCatalogue.h"

#include <QTest>

using namespace vantor;

Q_DECLARE_METATYPE(vantor::WeaponKind)

namespace {} // namespace

class TestWeaponCatalogue : public QObject {
    Q_OBJECT

private slots:
    void counts() {
        QCOMPARE(MainWeapons.size(), std::size_t(23));
        QCOMPARE(SubWeapons.size(), std::size_t(32));
        QCOMPARE(comparisonWeapons().size(), std::size_t(54));
    }

    void listTextAndName_data() {
        QTest::addColumn<WeaponKind>("kind");
        QTest::addColumn<uint>("id");
        QTest::addColumn<QString>("listText");
        QTest::addColumn<QString>("name");
        QTest::newRow("main unarmed") << WeaponKind::Main << 0u << "Unarmed"
                                      << "UNARMED";
        QTest::newRow("main 20") << WeaponKind::Main << 20u << "HMV-LA"
                                 << "HVM-LA";
        QTest::newRow("main 22") << WeaponKind::Main << 22u << "PPNG-S"
                                 << "PPNG-S";
        QTest::newRow("sub unarmed") << WeaponKind::Sub << 0u << "Unarmed"
                                     << "UNARMED";
        QTest::newRow("sub 13") << WeaponKind::Sub << 13u << "RAIL-A"
                                << "RAIL-Ga";
        QTest::newRow("sub 14") << WeaponKind::Sub << 14u << "RAIL-B"
                                << "RAIL-Gb";
        QTest::newRow("sub 31") << WeaponKind::Sub << 31u << "22b-PT"
                                << "22b-PT";
    }
    void listTextAndName() {
        QFETCH(WeaponKind, kind);
        QFETCH(uint, id);
        QFETCH(QString, listText);
        QFETCH(QString, name);
        const WeaponEntry* entry = weaponById(kind, id);
        QVERIFY(entry);
        QCOMPARE(toQString(entry->ListText), listText);
        QCOMPARE(toQString(entry->Name), name);
        QCOMPARE(findWeapon(kind, listText.toStdString()), entry);
    }

    void onlyFourNamesDiffer() {
        int differing = 0;
        for (auto kind : {WeaponKind::Main, WeaponKind::Sub})
            for (const WeaponEntry& e : weapons(kind))
                differing += e.ListText != e.Name;
        QCOMPARE(differing, 5); // "Unarmed" of both kinds, HMV-LA, RAIL-A, RAIL-B
        QVERIFY(!findWeapon(WeaponKind::Main, "HVM-LA"));
        QVERIFY(!weaponById(WeaponKind::Sub, 32));
    }

    // Every weapon a VT offers, and every fixed weapon, is in the catalogue.
    void vtListsResolve_data() {
        QTest::addColumn<int>("vt");
        for (int vt = 0; vt < VtCount; ++vt)
            QTest::newRow(vtEntry(vt).selectorName.data()) << vt;
    }
    void vtListsResolve() {
        QFETCH(int, vt);
        const VtEntry& e = vtEntry(vt);
        for (auto name : e.mainWeapons)
            if (!name.empty())
                QVERIFY2(findWeapon(WeaponKind::Main, name), name.data());
        for (auto name : e.subWeapons)
            if (!name.empty())
                QVERIFY2(findWeapon(WeaponKind::Sub, name), name.data());
    }

    void fixedWeaponsResolve() {
        for (const FixedMount& m : FixedMounts) {
            const auto kind = m.slot == FixedSlot::MW2 ? WeaponKind::Main : WeaponKind::Sub;
            const WeaponEntry* entry = findWeapon(kind, m.weapon);
            QVERIFY2(entry, m.weapon.data());
            QCOMPARE(entry->Load, 0u);
            QCOMPARE(entry->MinRange, m.rangeMin);
            QCOMPARE(entry->MaxRange, m.rangeMax);
        }
    }

    void comparisonList_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("minRange");
        QTest::addColumn<int>("maxRange");
        QTest::newRow("0") << 0 << "Unarmed" << 0 << 0;
        QTest::newRow("1") << 1 << "270-RI" << 0 << 550;
        QTest::newRow("11") << 11 << "370-SR" << 800 << 2500;
        QTest::newRow("20") << 20 << "HMV-LA" << 800 << 2000;
        QTest::newRow("22") << 22 << "PPNG-S" << 0 << 2000;
        QTest::newRow("23") << 23 << "67-CG" << 0 << 200;
        QTest::newRow("35") << 35 << "RAIL-A" << 0 << 1500;
        QTest::newRow("41") << 41 << "AVTM" << 0 << 30;
        QTest::newRow("53") << 53 << "22b-PT" << 0 << 200;
    }
    void comparisonList() {
        QFETCH(int, item);
        QFETCH(QString, text);
        QFETCH(int, minRange);
        QFETCH(int, maxRange);
        const ComparisonWeapon c = comparisonWeapons()[static_cast<std::size_t>(item)];
        QCOMPARE(toQString(c.ListText), text);
        QCOMPARE(c.MinRange, minRange);
        QCOMPARE(c.MaxRange, maxRange);
    }

    void descriptions_data() {
        QTest::addColumn<WeaponKind>("kind");
        QTest::addColumn<uint>("id");
        for (auto kind : {WeaponKind::Main, WeaponKind::Sub})
            for (const WeaponEntry& e : weapons(kind))
                QTest::newRow(qPrintable(QStringLiteral("%1 %2")
                                             .arg(kind == WeaponKind::Main ? "main" : "sub")
                                             .arg(toQString(e.ListText))))
                    << kind << e.Id;
    }
    void descriptions() {
        QFETCH(WeaponKind, kind);
        QFETCH(uint, id);
        const WeaponEntry& e = *weaponById(kind, id);
        const QString text = weaponDescription(e, kind);
        if (id == 0) {
            QCOMPARE(text, QStringLiteral("UNARMED"));
            return;
        }
        QVERIFY2(text.size() >= 120 && text.size() <= 2000, qPrintable(text.left(60)));
        QVERIFY(!text.contains(QLatin1Char('\n')));
        if (e.ListText == "355-SB")
            QVERIFY(text.startsWith(QStringLiteral("The 355-SB is a respectable weapon")));
    }
};

QTEST_MAIN(TestWeaponCatalogue)
#include "tst_weaponcatalogue.moc"

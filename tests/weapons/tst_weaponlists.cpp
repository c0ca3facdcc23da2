#include "model/Text.h"
#include "model/VtCatalogue.h"
#include "weapons/WeaponLists.h"

#include <QTest>

using namespace vantor;

namespace {

const WeaponColumn& ids(const Loadout& l, WeaponKind kind) {
    return kind == WeaponKind::Main ? l.MainWeaponListId : l.SubWeaponListId;
}

// Item r of every selector of a kind names the weapon of row r, and row r
// carries that weapon's load and mount flag.
void verifyRowsMatchItems(const Loadout& l, WeaponKind kind, const QStringList& items) {
    const std::uint32_t count =
        kind == WeaponKind::Main ? l.MainWeaponListCount : l.SubWeaponListCount;
    QVERIFY(items.size() <= qsizetype(count));
    for (qsizetype r = 0; r < items.size(); ++r) {
        const auto row = static_cast<std::size_t>(r);
        const WeaponEntry* entry = weaponById(kind, ids(l, kind)[row]);
        QVERIFY(entry);
        QCOMPARE(toQString(entry->ListText), items[r]);
        if (kind == WeaponKind::Main) {
            QCOMPARE(l.MainWeaponListLoad[row], entry->Load);
        } else {
            QCOMPARE(l.SubWeaponListLoad[row], entry->Load);
            QCOMPARE(l.SubWeaponListMount[row], entry->Mount ? 1u : 0u);
        }
    }
}

} // namespace

class TestWeaponLists : public QObject {
    Q_OBJECT

private slots:
    void unrecordedCallsShareOneRow() {
        Loadout l;
        QStringList items;
        AddSubWeaponItem(l, items, SubWeapons[0], true);
        AddSubWeaponItem(l, items, SubWeapons[14], false); // RAIL-B, load 14, mount
        QCOMPARE(l.SubWeaponListCount, 1u);
        QCOMPARE(l.SubWeaponListLoad[1], 14u);
        AddSubWeaponItem(l, items, SubWeapons[5], false); // GND overwrites row 1
        QCOMPARE(items, QStringList({"Unarmed", "RAIL-B", "GND"}));
        QCOMPARE(l.SubWeaponListCount, 1u);
        QCOMPARE(l.SubWeaponListId[1], 5u);
        QCOMPARE(l.SubWeaponListLoad[1], 1u);
        QCOMPARE(l.SubWeaponListMount[1], 0u);
    }

    void selectors_data() {
        QTest::addColumn<int>("vt");
        QTest::addColumn<QList<int>>("lengths"); // MW1-3, SW1-3
        // clang-format off
        QTest::newRow("Colt") << 0 << QList<int>{7, 7, 7, 4, 4, 4};
        QTest::newRow("Colt Executive") << 1 << QList<int>{8, 8, 8, 6, 6, 6};
        QTest::newRow("Decider") << 2 << QList<int>{5, 5, 5, 3, 3, 3};
        QTest::newRow("Decider Volcanic") << 3 << QList<int>{4, 4, 4, 3, 3, 3};
        QTest::newRow("Falchion") << 4 << QList<int>{5, 5, 5, 3, 3, 3};
        QTest::newRow("m-Vitzh") << 5 << QList<int>{6, 6, 6, 3, 3, 3};
        QTest::newRow("Scareface") << 6 << QList<int>{5, 5, 5, 4, 4, 4};
        QTest::newRow("Scareface A1") << 7 << QList<int>{6, 6, 6, 4, 4, 4};
        QTest::newRow("Vitzh") << 8 << QList<int>{6, 6, 6, 3, 3, 3};
        QTest::newRow("Vortex") << 9 << QList<int>{4, 4, 4, 3, 3, 3};
        QTest::newRow("Behemoth") << 10 << QList<int>{4, 4, 4, 6, 6, 6};
        QTest::newRow("Blade") << 11 << QList<int>{6, 6, 6, 5, 5, 5};
        QTest::newRow("Garpike") << 12 << QList<int>{5, 5, 5, 6, 7, 6};
        QTest::newRow("Jaralaccs C") << 13 << QList<int>{6, 6, 6, 6, 7, 6};
        QTest::newRow("Jaralaccs N") << 14 << QList<int>{10, 10, 10, 7, 7, 7};
        QTest::newRow("Jaralaccs NSR") << 15 << QList<int>{10, 10, 10, 8, 9, 8};
        QTest::newRow("Macabre") << 16 << QList<int>{10, 10, 10, 10, 11, 10};
        QTest::newRow("Maelstrom") << 17 << QList<int>{5, 5, 5, 5, 5, 5};
        QTest::newRow("Prominence M1") << 18 << QList<int>{6, 6, 6, 5, 5, 5};
        QTest::newRow("Prominence M2") << 19 << QList<int>{5, 5, 5, 5, 5, 3};
        QTest::newRow("Prominence M3") << 20 << QList<int>{6, 6, 6, 9, 9, 7};
        QTest::newRow("Rapier") << 21 << QList<int>{6, 6, 6, 6, 6, 6};
        QTest::newRow("Scareface II") << 22 << QList<int>{6, 6, 6, 4, 4, 4};
        QTest::newRow("Sheepdog") << 23 << QList<int>{6, 7, 6, 4, 4, 4};
        QTest::newRow("Siegesug") << 24 << QList<int>{8, 8, 8, 3, 4, 3};
        QTest::newRow("Yellow Jacket") << 25 << QList<int>{9, 9, 9, 4, 4, 4};
        QTest::newRow("Earthshaker") << 26 << QList<int>{6, 6, 6, 8, 8, 9};
        QTest::newRow("Juggernaut") << 27 << QList<int>{5, 5, 5, 8, 8, 8};
        QTest::newRow("Quasar") << 28 << QList<int>{5, 5, 5, 8, 8, 8};
        QTest::newRow("Regal Dress A") << 29 << QList<int>{5, 5, 5, 9, 9, 9};
        QTest::newRow("Regal Dress N") << 30 << QList<int>{7, 7, 7, 6, 6, 6};
        // clang-format on
    }
    void selectors() {
        QFETCH(int, vt);
        QFETCH(QList<int>, lengths);
        Loadout l;
        const WeaponSelectors s = buildWeaponSelectors(l, vt);
        for (int i = 0; i < 3; ++i) {
            const QStringList& main = s.main[static_cast<std::size_t>(i)];
            const QStringList& sub = s.sub[static_cast<std::size_t>(i)];
            QCOMPARE(main.size(), lengths[i]);
            QCOMPARE(sub.size(), lengths[3 + i]);
            QCOMPARE(main.first(), QStringLiteral("Unarmed"));
            QCOMPARE(sub.first(), QStringLiteral("Unarmed"));
            verifyRowsMatchItems(l, WeaponKind::Main, main);
            verifyRowsMatchItems(l, WeaponKind::Sub, sub);
        }
        // Every selector's items start with the first selector's.
        for (int i = 1; i < 3; ++i) {
            const auto n = std::min(lengths[i], lengths[0]);
            QCOMPARE(s.main[std::size_t(i)].mid(0, n), s.main[0].mid(0, n));
            const auto m = std::min(lengths[3 + i], lengths[3]);
            QCOMPARE(s.sub[std::size_t(i)].mid(0, m), s.sub[0].mid(0, m));
        }
        QCOMPARE(l.MainWeaponListCount,
                 uint(*std::max_element(lengths.begin(), lengths.begin() + 3)));
        QCOMPARE(l.SubWeaponListCount, uint(*std::max_element(lengths.begin() + 3, lengths.end())));
        QCOMPARE(s.showF1Button, vt == ProminenceM2);
    }

    // Each fixed weapon sits where the fixed-mount table says, its selector is
    // marked fixed, and its slot's flag and range band are set.
    void fixedMounts_data() {
        QTest::addColumn<int>("mount");
        for (int i = 0; i < FixedMountCount; ++i)
            QTest::newRow(
                qPrintable(QStringLiteral("%1 %2")
                               .arg(toQString(vtEntry(FixedMounts[std::size_t(i)].vt).selectorName))
                               .arg(toQString(FixedMounts[std::size_t(i)].weapon))))
                << i;
    }
    void fixedMounts() {
        QFETCH(int, mount);
        const FixedMount& m = FixedMounts[std::size_t(mount)];
        Loadout l;
        const WeaponSelectors s = buildWeaponSelectors(l, m.vt);
        const auto found = std::find_if(
            s.fixedMounts.begin(), s.fixedMounts.end(),
            [&](const FixedMountInstall& f) { return f.reportName == toQString(m.weapon); });
        QVERIFY(found != s.fixedMounts.end());
        QCOMPARE(found->position, m.position);
        const auto slot = static_cast<std::size_t>(found->slot - 1);
        const QStringList& items = found->kind == WeaponKind::Main ? s.main[slot] : s.sub[slot];
        QCOMPARE(items.value(m.position), toQString(m.weapon));
        switch (m.slot) {
        case FixedSlot::MW2:
            QVERIFY(l.FixedMW2);
            QCOMPARE(l.MW2RangeMax, m.rangeMax);
            QCOMPARE(s.main[1].size(), m.position + 1); // appended last
            break;
        case FixedSlot::SW1:
            QVERIFY(l.FixedSW1);
            QCOMPARE(l.SW1RangeMax, m.rangeMax);
            break;
        case FixedSlot::SW2:
            QVERIFY(l.FixedSW2);
            QCOMPARE(l.SW2RangeMin, m.rangeMin);
            QCOMPARE(l.SW2RangeMax, m.rangeMax);
            break;
        case FixedSlot::SW3:
            QVERIFY(l.FixedSW3);
            QCOMPARE(l.SW3RangeMax, m.rangeMax);
            QCOMPARE(s.sub[2].size(), m.position + 1);
            break;
        }
    }

    void fixedMountOrderAndFlags() {
        Loadout l;
        const WeaponSelectors m2 = buildWeaponSelectors(l, ProminenceM2);
        QCOMPARE(m2.fixedMounts.size(), std::size_t(2));
        QCOMPARE(m2.fixedMounts[0].slot, 1);
        QCOMPARE(m2.fixedMounts[0].reportName, QStringLiteral("RAIL-A"));
        QCOMPARE(m2.fixedMounts[1].slot, 2);
        QCOMPARE(m2.sub[2], QStringList({"Unarmed", "67-CG", "80-CG"}));

        const WeaponSelectors colt = buildWeaponSelectors(l, 0);
        QVERIFY(colt.fixedMounts.empty());
    }

    void garpikeSecondSubSelector() {
        Loadout l;
        const WeaponSelectors s = buildWeaponSelectors(l, 12);
        QCOMPARE(s.sub[1].size(), 7);
        QCOMPARE(s.sub[1].last(), QStringLiteral("BANG-N"));
        QCOMPARE(s.sub[0].size(), 6);
        QCOMPARE(s.sub[2].size(), 6);
        QVERIFY(!s.sub[0].contains(QStringLiteral("BANG-N")));
    }

    // A new VT leaves no row of the previous one behind.
    void rebuildDiscardsPreviousRows() {
        Loadout l;
        buildWeaponSelectors(l, 16); // Macabre: 11 sub-weapon rows
        buildWeaponSelectors(l, 3);  // Decider Volcanic: 3
        QCOMPARE(l.SubWeaponListCount, 3u);
        QCOMPARE(l.MainWeaponListCount, 4u);
        for (std::size_t r = 3; r < WeaponListRows; ++r) {
            QCOMPARE(l.SubWeaponListId[r], 0u);
            QCOMPARE(l.SubWeaponListLoad[r], 0u);
        }
    }
};

QTEST_MAIN(TestWeaponLists)
#include "tst_weaponlists.moc"

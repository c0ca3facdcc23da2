#include "equipment/IconRules.h"

#include <QTest>

using namespace vantor;

namespace {

constexpr int None = -1; // no draw expected

// A levelled part with its level chosen (L = 0-2) or still at "Set Level".
SlotFacts levelled(int k, int L) {
    return {k, L, true, true};
}
SlotFacts unset(int k) {
    return {k, -1, false, true};
}
// An unlevelled part or "Unarmed": disabled level selector showing "N/A".
SlotFacts fixedLevel(int k) {
    return {k, -1, true, false};
}

} // namespace

Q_DECLARE_METATYPE(vantor::SlotFacts)

class TestIconRules : public QObject {
    Q_OBJECT

private slots:
    void rules_data() {
        QTest::addColumn<SlotFacts>("slot1");
        QTest::addColumn<SlotFacts>("slot2");
        QTest::addColumn<int>("icon1");
        QTest::addColumn<int>("icon2");

        // Same part in both slots, at every pair of levels: the higher shows,
        // slot 1 on a tie.
        for (int L1 = 0; L1 < 3; ++L1)
            for (int L2 = 0; L2 < 3; ++L2)
                QTest::addRow("balancer %d/%d", L1 + 1, L2 + 1)
                    << levelled(3, L1) << levelled(3, L2) << (L1 >= L2 ? 3 : 0)
                    << (L1 >= L2 ? 0 : 3);
        QTest::newRow("same, slot 2 unset") << levelled(4, 2) << unset(4) << None << None;
        QTest::newRow("same, slot 1 unset") << unset(4) << levelled(4, 0) << None << None;
        QTest::newRow("same, both unset") << unset(6) << unset(6) << None << None;
        QTest::newRow("same unlevelled") << fixedLevel(10) << fixedLevel(10) << 10 << 0;
        QTest::newRow("both unarmed") << fixedLevel(0) << fixedLevel(0) << 0 << 0;
        // Neither level selector enabled, even with levels recorded.
        QTest::newRow("same, neither enabled")
            << SlotFacts{5, 0, true, false} << SlotFacts{5, 2, true, false} << 5 << 0;

        // Different parts: each slot shows its own once its level is set.
        QTest::newRow("different, both set") << levelled(3, 0) << levelled(4, 2) << 3 << 4;
        QTest::newRow("different, slot 2 unset") << levelled(3, 1) << unset(4) << 3 << None;
        QTest::newRow("different, unlevelled") << fixedLevel(9) << unset(5) << 9 << None;
        QTest::newRow("unarmed and armour") << fixedLevel(0) << fixedLevel(9) << 0 << 9;

        // Advanced Mount (2) with Additional Mount (1), both orders.
        QTest::newRow("adv 1 + add 3") << levelled(2, 0) << levelled(1, 2) << 15 << 1;
        QTest::newRow("adv 2 + add 2") << levelled(2, 1) << levelled(1, 1) << 2 << 0;
        QTest::newRow("adv 3 + add 1") << levelled(2, 2) << levelled(1, 0) << 2 << 0;
        QTest::newRow("add 3 + adv 1") << levelled(1, 2) << levelled(2, 0) << 1 << 15;
        QTest::newRow("add 2 + adv 2") << levelled(1, 1) << levelled(2, 1) << 0 << 2;
        QTest::newRow("add 1 + adv 3") << levelled(1, 0) << levelled(2, 2) << 0 << 2;
        QTest::newRow("adv set + add unset") << levelled(2, 0) << unset(1) << 2 << None;
        QTest::newRow("add unset + adv set") << unset(1) << levelled(2, 0) << None << 2;

        // Typed text in a part selector has no picture of its own.
        QTest::newRow("typed part, level set")
            << SlotFacts{-1, 1, true, true} << levelled(3, 0) << None << 3;
        QTest::newRow("typed parts") << unset(-1) << unset(-1) << None << None;
    }
    void rules() {
        QFETCH(SlotFacts, slot1);
        QFETCH(SlotFacts, slot2);
        QFETCH(int, icon1);
        QFETCH(int, icon2);
        const IconDraws d = iconRules(slot1, slot2);
        QCOMPARE(d.slot1.value_or(None), icon1);
        QCOMPARE(d.slot2.value_or(None), icon2);
    }
};

QTEST_MAIN(TestIconRules)
#include "tst_iconrules.moc"

#include "equipment/OptionalParts.h"
#include "model/Text.h"

#include <QTest>

using namespace vantor;

namespace {

// The five bonus fields of slot 2, as one comparable value.
struct Bonuses {
    uint standard, maximum;
    float balancer, durability, veering;
    bool operator==(const Bonuses&) const = default;
};

Bonuses slot2(const Loadout& l) {
    return {l.Part2StandardBonus, l.Part2MaximumBonus, l.Part2BalancerBonus, l.Part2DurabilityBonus,
            l.Part2VeeringBonus};
}

void setSlot2(Loadout& l, const Bonuses& b) {
    l.Part2StandardBonus = b.standard;
    l.Part2MaximumBonus = b.maximum;
    l.Part2BalancerBonus = b.balancer;
    l.Part2DurabilityBonus = b.durability;
    l.Part2VeeringBonus = b.veering;
}

constexpr Bonuses Full{6, 6, 30, 30, 30};

} // namespace

Q_DECLARE_METATYPE(Bonuses)

namespace QTest {
template <> char* toString(const Bonuses& b) {
    return qstrdup(QStringLiteral("std %1 max %2 bal %3 dur %4 veer %5")
                       .arg(b.standard)
                       .arg(b.maximum)
                       .arg(b.balancer)
                       .arg(b.durability)
                       .arg(b.veering)
                       .toUtf8()
                       .constData());
}
} // namespace QTest

class TestOptionalParts : public QObject {
    Q_OBJECT

private slots:
    void catalogue_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("bonusTo");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("level3");
        QTest::addColumn<QString>("unit");
        QTest::newRow("0") << 0 << "Unarmed"
                           << "N/A"
                           << "N/A"
                           << "N/A"
                           << "N/A";
        QTest::newRow("2") << 2 << "Advanced Mount"
                           << "STD and MAX"
                           << "N/A"
                           << "Turn 08"
                           << "N/A";
        QTest::newRow("5") << 5 << "Power Cell"
                           << "Veering Efficiency"
                           << "N/A"
                           << "Turn 08"
                           << "N/A";
        QTest::newRow("9") << 9 << "Advanced Armour"
                           << "Distance Modifier"
                           << "+ 200 Meters"
                           << "N/A"
                           << "Turn 05";
        QTest::newRow("14") << 14 << "Surveillance Unit"
                            << "Base Capture"
                            << "- 15 Seconds"
                            << "N/A"
                            << "Turn 02";
    }
    void catalogue() {
        QFETCH(int, k);
        const OptionalPart* p = optionalPart(k);
        QVERIFY(p);
        QTEST(toQString(p->selectorText), "text");
        QTEST(toQString(p->bonusTo), "bonusTo");
        QTEST(toQString(p->amount), "amount");
        QTEST(toQString(p->levelAvailability[2]), "level3");
        QTEST(toQString(p->unitAvailability), "unit");
        QVERIFY(!optionalPart(-1));
        QVERIFY(!optionalPart(15));
    }

    void descriptions() {
        for (const OptionalPart& p : OptionalParts)
            QVERIFY2(!partDescription(p).isEmpty(), p.descriptionSlug.data());
        QCOMPARE(partDescription(OptionalParts[0]), QStringLiteral("UNARMED"));
        QVERIFY(partDescription(OptionalParts[1])
                    .startsWith(QStringLiteral("Increases the MAX weight amount")));
    }

    void choosePartLabelsAndLevel_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<bool>("labels");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("levelText");
        QTest::addColumn<bool>("levelEnabled");
        QTest::newRow("unarmed") << 0 << true << "N/A" << 0 << "N/A" << false;
        QTest::newRow("additional mount") << 1 << true << "N/A" << 0 << "Set Level" << true;
        QTest::newRow("tactician unit") << 8 << true << "N/A" << 0 << "Set Level" << true;
        QTest::newRow("advanced armour") << 9 << true << "+ 200 Meters" << 9 << "N/A" << false;
        QTest::newRow("surveillance unit") << 14 << true << "- 15 Seconds" << 14 << "N/A" << false;
        QTest::newRow("typed text") << -1 << false << "" << 0 << "Set Level" << true;
    }
    void choosePartLabelsAndLevel() {
        QFETCH(int, k);
        QFETCH(bool, labels);
        QFETCH(QString, amount);
        Loadout l;
        const PartChoice c = choosePart(l, 1, k);
        QCOMPARE(c.bonusText.has_value(), labels);
        QCOMPARE(c.amountText.has_value(), labels);
        if (labels)
            QCOMPARE(*c.amountText, amount);
        QTEST(c.icon, "icon");
        QTEST(c.levelText, "levelText");
        QTEST(c.levelEnabled, "levelEnabled");
    }

    // A newly chosen part clears the slot's bonuses except the one it sets itself.
    void zeroing_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<Bonuses>("after");
        QTest::newRow("unarmed") << 0 << Bonuses{0, 0, 0, 0, 0};
        QTest::newRow("additional mount") << 1 << Bonuses{0, 0, 0, 0, 0};
        QTest::newRow("advanced mount") << 2 << Bonuses{6, 0, 0, 0, 0};
        QTest::newRow("advanced balancer") << 3 << Bonuses{0, 0, 30, 0, 0};
        QTest::newRow("mechanical unit") << 4 << Bonuses{0, 0, 0, 30, 0};
        QTest::newRow("power cell") << 5 << Bonuses{0, 0, 0, 0, 30};
        QTest::newRow("strategic unit") << 6 << Bonuses{0, 0, 0, 0, 0};
        QTest::newRow("advanced armour") << 9 << Bonuses{0, 0, 0, 0, 0};
        QTest::newRow("surveillance unit") << 14 << Bonuses{0, 0, 0, 0, 0};
        QTest::newRow("typed text") << -1 << Bonuses{0, 0, 0, 0, 0};
    }
    void zeroing() {
        QFETCH(int, k);
        QFETCH(Bonuses, after);
        Loadout l;
        setSlot2(l, Full);
        l.Part1StandardBonus = 4;
        l.Part1DurabilityBonus = 20;
        choosePart(l, 2, k);
        QCOMPARE(slot2(l), after);
        QCOMPARE(l.Part1StandardBonus, 4u); // the other slot is left alone
        QCOMPARE(l.Part1DurabilityBonus, 20.0f);
    }

    void advancedMountChosenAgain() {
        Loadout l;
        choosePart(l, 1, PartAdvancedMount);
        chooseLevel(l, 1, PartAdvancedMount, 1);
        QCOMPARE(l.Part1StandardBonus, 4u);
        QCOMPARE(l.Part1MaximumBonus, 4u);
        choosePart(l, 1, PartAdvancedMount);
        QCOMPARE(l.Part1StandardBonus, 4u);
        QCOMPARE(l.Part1MaximumBonus, 0u);
    }

    void levels_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("L");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<Bonuses>("after");
        // Starting from Full, so untouched fields show as 6 / 30.
        QTest::newRow("additional 1") << 1 << 0 << "+ 2" << Bonuses{0, 2, 30, 30, 30};
        QTest::newRow("additional 3") << 1 << 2 << "+ 6" << Bonuses{0, 6, 30, 30, 30};
        QTest::newRow("advanced 1") << 2 << 0 << "+ 2" << Bonuses{2, 2, 30, 30, 30};
        QTest::newRow("advanced 2") << 2 << 1 << "+ 4" << Bonuses{4, 4, 30, 30, 30};
        QTest::newRow("balancer 1") << 3 << 0 << "+ 10%" << Bonuses{6, 6, 10, 30, 30};
        QTest::newRow("mechanical 2") << 4 << 1 << "+ 20%" << Bonuses{6, 6, 30, 20, 30};
        QTest::newRow("power cell 1") << 5 << 0 << "+ 10%" << Bonuses{6, 6, 30, 30, 10};
        QTest::newRow("strategic 2") << 6 << 1 << "+ 20%" << Full;
        QTest::newRow("tactician 3") << 8 << 2 << "+ 30%" << Full;
    }
    void levels() {
        QFETCH(int, k);
        QFETCH(int, L);
        QFETCH(QString, amount);
        QFETCH(Bonuses, after);
        Loadout l;
        setSlot2(l, Full);
        const LevelChoice c = chooseLevel(l, 2, k, L);
        QCOMPARE(c.amountText.value_or(QString()), amount);
        QCOMPARE(c.icon, k);
        QCOMPARE(slot2(l), after);
    }

    void levelWithoutEffect_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("L");
        QTest::addColumn<int>("icon");
        QTest::addColumn<Bonuses>("after");
        QTest::newRow("typed level") << 3 << -1 << 3 << Full;
        QTest::newRow("unlevelled part") << 10 << 0 << 10 << Full;
        QTest::newRow("unarmed") << 0 << 2 << 0 << Bonuses{0, 0, 30, 0, 30};
        QTest::newRow("typed part") << -1 << 0 << 0 << Bonuses{0, 0, 30, 0, 30};
    }
    void levelWithoutEffect() {
        QFETCH(int, k);
        QFETCH(int, L);
        QFETCH(Bonuses, after);
        Loadout l;
        setSlot2(l, Full);
        const LevelChoice c = chooseLevel(l, 2, k, L);
        QVERIFY(!c.amountText);
        QTEST(c.icon, "icon");
        QCOMPARE(slot2(l), after);
    }

    void showOptionalPart_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("levelIndex");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("level2");
        QTest::addColumn<QString>("levelText");
        QTest::newRow("level 1") << 4 << 0 << "Mechanical Unit"
                                 << "Turn 04"
                                 << "1";
        QTest::newRow("level 3") << 4 << 2 << "Mechanical Unit"
                                 << "Turn 04"
                                 << "3";
        QTest::newRow("set level") << 4 << -1 << "Mechanical Unit"
                                   << "Turn 04"
                                   << "old";
        QTest::newRow("unlevelled") << 12 << -1 << "Generals Inspection"
                                    << "N/A"
                                    << "old";
        QTest::newRow("unarmed with a level") << 0 << 1 << "UNARMED"
                                              << "N/A"
                                              << "2";
        QTest::newRow("typed text") << -1 << -1 << "N/A"
                                    << "N/A"
                                    << "old";
    }
    void showOptionalPart() {
        QFETCH(int, k);
        QFETCH(int, levelIndex);
        Loadout l;
        l.Part1LevelText = QStringLiteral("old");
        l.Part2LevelText = QStringLiteral("old");
        const PartInfo info = ShowOptionalPart(l, 2, k, levelIndex);
        QTEST(info.name, "name");
        QTEST(info.levelAvailability[1], "level2");
        QTEST(l.Part2LevelText, "levelText");
        QCOMPARE(l.Part1LevelText, QStringLiteral("old"));
        if (k < 0)
            QCOMPARE(info.description, QStringLiteral("N/A"));
        else
            QVERIFY(!info.description.isEmpty());
    }

    void badSlotThrows() {
        Loadout l;
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, choosePart(l, 3, 1));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, chooseLevel(l, 0, 1, 0));
    }
};

QTEST_MAIN(TestOptionalParts)
#include "tst_optionalparts.moc"

// What a pick would do, looked at before it is made: loads at and around each
// limit, mounts, parts that raise the limits and the launched MM, each built
// with the picks a player makes and compared with the figures of the tables.

#include "core/Preview.h"
#include "core/VtChoice.h"
#include "model/PartIndex.h"
#include "model/Recompute.h"
#include "model/VtCatalogue.h"
#include "model/VtSelection.h"

#include <QTest>

using namespace vantor;

namespace {

struct Built {
    Loadout loadout;
    SelectorFacts facts;
    VtChoice choice;
};

// "M1", "S3", "F", "P2", "L1" name a selector.
Selector selectorNamed(const QString& name) {
    static const QHash<QString, Selector> names{
        {"F", Selector::Fuel},   {"P1", Selector::Part1},  {"L1", Selector::Level1},
        {"P2", Selector::Part2}, {"L2", Selector::Level2}, {"M1", Selector::Main1},
        {"M2", Selector::Main2}, {"M3", Selector::Main3},  {"S1", Selector::Sub1},
        {"S2", Selector::Sub2},  {"S3", Selector::Sub3}};
    return names.value(name);
}

// "M1=270-RI" picks that weapon's item in MWSelect1, "F=2" item 2 of FTSelect.
Pick pickOf(const VtChoice& choice, const QString& token) {
    const QString name = token.section(QLatin1Char('='), 0, 0);
    const QString item = token.section(QLatin1Char('='), 1);
    const Selector selector = selectorNamed(name);
    bool number = false;
    int index = item.toInt(&number);
    if (!number) {
        const int s = int(selector);
        const bool main = s >= int(Selector::Main1) && s <= int(Selector::Main3);
        const auto& lists = main ? choice.main : choice.sub;
        index = lists[std::size_t(s - (main ? int(Selector::Main1) : int(Selector::Sub1)))]
                    .items.indexOf(item);
    }
    return {selector, index};
}

// The VT, then the picks in order; "MM" launches the MM.
Built build(int vt, const QStringList& picks) {
    Built b;
    b.choice = chooseVt(b.loadout, vt);
    b.facts = {vt, PartUnarmed, -1, PartUnarmed, -1};
    for (const QString& token : picks) {
        if (token == QLatin1String("MM")) {
            launchMM(b.loadout);
            RecomputeLoadout(b.loadout, {vt, b.facts.part1, b.facts.part2});
            continue;
        }
        const Pick pick = pickOf(b.choice, token);
        if (!applyPick(b.loadout, b.facts, pick))
            qFatal("setup pick %s refused", qPrintable(token));
    }
    return b;
}

} // namespace

class tst_Preview : public QObject {
    Q_OBJECT

private slots:
    void preview_data() {
        QTest::addColumn<int>("vt");
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<QString>("pick");
        QTest::addColumn<QString>("change"); // the load change drawn beside the item
        QTest::addColumn<QString>("status"); // the status change drawn beside it
        QTest::addColumn<QString>("text");   // the tooltip's preview
        const QStringList ten{"M1=270-RI", "M2=270-RI", "M3=140-MG", "S1=GND"};
        // Colt: standard 12, maximum 15, turn 37.4 s ("28th"), 42.2 / 46.9 /
        // 54.2 s one to three units over.
        QTest::newRow("up to standard") << 0 << ten << "F=1"
                                        << "+2"
                                        << ""
                                        << "If picked: total load 12 of 12 / 15, VT OK (as now)";
        QTest::newRow("one over standard")
            << 0 << ten + QStringList{"S2=GND"} << "F=1"
            << "+2"
            << "\u2192 STD OVER"
            << "If picked: total load 13 of 12 / 15, STD OVER (now VT OK)\n"
               "Turn Speed 42.2 (now 37.4)\nTurn Rank ~31st (now 28th)";
        QTest::newRow("up to maximum")
            << 0 << ten + QStringList{"S2=GND"} << "F=2"
            << "+4"
            << "\u2192 STD OVER"
            << "If picked: total load 15 of 12 / 15, STD OVER (now VT OK)\n"
               "Turn Speed 54.2 (now 37.4)\nTurn Rank ~31st (now 28th)";
        // Four over is past the table: the turn of its last step shows.
        QTest::newRow("one over maximum")
            << 0 << ten + QStringList{"S2=DP-MIS"} << "F=2"
            << "+4"
            << "\u2192 MAX OVER"
            << "If picked: total load 16 of 12 / 15, MAX OVER (now VT OK)\n"
               "Turn Speed 54.2 (now 37.4)\nTurn Rank ~31st (now 28th)";
        QTest::newRow("back within standard")
            << 0 << ten + QStringList{"F=2"} << "F=0"
            << "\u22124"
            << "\u2192 VT OK"
            << "If picked: total load 10 of 12 / 15, VT OK (now STD OVER)\n"
               "Turn Speed 37.4 (now 46.9)\nTurn Rank 28th (now ~31st)";
        QTest::newRow("same item") << 0 << ten << "M1=270-RI"
                                   << "\u00b10"
                                   << ""
                                   << "If picked: total load 10 of 12 / 15, VT OK (as now)";
        QTest::newRow("unarmed") << 0 << ten << "M1=Unarmed"
                                 << "\u22123"
                                 << ""
                                 << "If picked: total load 7 of 12 / 15, VT OK (as now)";
        // Parts that raise the limits: a levelled part counts once levelled.
        QTest::newRow("part before its level")
            << 0 << ten + QStringList{"F=2"} << "P1=2"
            << "\u00b10"
            << ""
            << "If picked: total load 14 of 12 / 15, STD OVER (as now)";
        QTest::newRow("advanced mount level")
            << 0 << ten + QStringList{"F=2", "P1=2"} << "L1=1"
            << "\u00b10"
            << "\u2192 VT OK"
            << "If picked: total load 14 of 16 / 19, VT OK (now STD OVER)\n"
               "Standard Load 16 (now 12)\nMaximum Load 19 (now 15)\n"
               "Turn Speed 37.4 (now 46.9)\nTurn Rank 28th (now ~31st)";
        QTest::newRow("additional mount lifts the maximum")
            << 0 << ten + QStringList{"S2=DP-MIS", "F=2", "P1=1"} << "L1=0"
            << "\u00b10"
            << "\u2192 STD OVER"
            << "If picked: total load 16 of 12 / 17, STD OVER (now MAX OVER)\n"
               "Maximum Load 17 (now 15)";
        QTest::newRow("part taken out")
            << 0 << ten + QStringList{"F=2", "P1=2", "L1=2"} << "P1=0"
            << "\u00b10"
            << "\u2192 STD OVER"
            << "If picked: total load 14 of 12 / 15, STD OVER (now VT OK)\n"
               "Standard Load 12 (now 18)\nMaximum Load 15 (now 21)\n"
               "Turn Speed 46.9 (now 37.4)\nTurn Rank ~31st (now 28th)";
        QTest::newRow("two mount parts do not add")
            << 0 << ten + QStringList{"P1=2", "L1=0", "P2=1"} << "L2=2"
            << "\u00b10"
            << ""
            << "If picked: total load 10 of 14 / 21, VT OK (as now)\n"
               "Maximum Load 21 (now 17)";
        QTest::newRow("balancer level") << 0 << QStringList{"P2=3"} << "L2=2"
                                        << "\u00b10"
                                        << ""
                                        << "If picked: total load 0 of 12 / 15, VT OK (as now)\n"
                                           "Balancer Rating 20.8 (now 16)";
        // Garpike: standard 15, maximum 18, BANG-N fixed in sub-weapon slot 2.
        QTest::newRow("third mount")
            << 12 << QStringList{"S1=AVTM"} << "S3=AVTM"
            << "+2"
            << "\u2192 MOUNT OVER"
            << "If picked: total load 4 of 15 / 18, MOUNT OVER (now VT OK)";
        QTest::newRow("mount freed")
            << 12 << QStringList{"S1=AVTM", "S3=AVTM"} << "S3=NPM"
            << "\u00b10"
            << "\u2192 VT OK"
            << "If picked: total load 4 of 15 / 18, VT OK (now MOUNT OVER)";
        // Prominence M3: its two fixed sub-weapons leave room for a mount.
        QTest::newRow("M3 mount in slot 3") << 20 << QStringList{} << "S3=SL-GM"
                                            << "+5"
                                            << ""
                                            << "If picked: total load 5 of 12 / 14, VT OK (as now)";
        // Prominence M2: standard 8, maximum 12; the launched MM fixes the turn.
        QTest::newRow("M2 overload") << 19 << QStringList{"M1=355-SB"} << "F=1"
                                     << "+2"
                                     << "\u2192 STD OVER"
                                     << "If picked: total load 10 of 8 / 12, STD OVER (now VT OK)\n"
                                        "Turn Speed 50 (now 40.3)\nTurn Rank ~31st (now 31st)";
        QTest::newRow("M2 overload, MM launched")
            << 19 << QStringList{"M1=355-SB", "MM"} << "F=1"
            << "+2"
            << "\u2192 STD OVER"
            << "If picked: total load 10 of 8 / 12, STD OVER (now VT OK)";
        QTest::newRow("M2 over maximum, MM launched")
            << 19 << QStringList{"MM", "M1=355-SB"} << "M3=315-SB"
            << "+5"
            << "\u2192 MAX OVER"
            << "If picked: total load 13 of 8 / 12, MAX OVER (now VT OK)";
        QTest::newRow("no such row") << 0 << ten << "M1=99"
                                     << ""
                                     << ""
                                     << "";
    }
    void preview() {
        QFETCH(int, vt);
        QFETCH(QStringList, setup);
        QFETCH(QString, pick);
        QFETCH(QString, change);
        QFETCH(QString, status);
        QFETCH(QString, text);
        const Built b = build(vt, setup);
        const Pick p = pickOf(b.choice, pick);
        const PickPreview preview = previewPick(b.loadout, b.facts, p);
        QCOMPARE(preview.applicable ? loadChangeText(preview.loadChange()) : QString(), change);
        QCOMPARE(statusChangeText(preview), status);
        QCOMPARE(previewText(preview), text);

        // The preview leaves the loadout alone and tells what the pick makes.
        Loadout picked = b.loadout;
        SelectorFacts facts = b.facts;
        QCOMPARE(applyPick(picked, facts, p), preview.applicable);
        QCOMPARE(preview.totalLoad, preview.applicable ? picked.TotalLoad : 0u);
        QCOMPARE(preview.status, preview.applicable ? picked.LoadStatus : StatusNone);
        QCOMPARE(build(vt, setup).loadout, b.loadout);
    }

    void loadChange_data() {
        QTest::addColumn<int>("change");
        QTest::addColumn<QString>("text");
        QTest::newRow("more") << 5 << "+5";
        QTest::newRow("less") << -2 << "\u22122";
        QTest::newRow("same") << 0 << "\u00b10";
    }
    void loadChange() {
        QFETCH(int, change);
        QFETCH(QString, text);
        QCOMPARE(loadChangeText(change), text);
    }

    // The facts follow the picks: a part leaves its level unset, a level is
    // read against the part its slot holds.
    void factsFollowPicks() {
        Built b = build(0, {"P1=2"});
        QCOMPARE(b.facts.part1, 2);
        QCOMPARE(b.facts.level1, -1);
        QVERIFY(applyPick(b.loadout, b.facts, {Selector::Level1, 2}));
        QCOMPARE(b.facts.level1, 2);
        QCOMPARE(b.loadout.StandardLoad, 18u);
        QVERIFY(!applyPick(b.loadout, b.facts, {Selector::Vt, 3}));
    }
};

QTEST_GUILESS_MAIN(tst_Preview)
#include "tst_preview.moc"

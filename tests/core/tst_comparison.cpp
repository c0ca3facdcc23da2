// Comparing a pinned loadout with the current one, on loadouts built with the
// steps the window takes: the rows, the exact signed changes, better or worse.

#include "core/Comparison.h"
#include "core/VtChoice.h"
#include "equipment/OptionalParts.h"
#include "model/Recompute.h"
#include "model/VtSelection.h"
#include "reports/Reports.h"
#include "weapons/WeaponSelection.h"

#include <QTest>

using namespace vantor;
using Pair = std::pair<Loadout, Loadout>;
Q_DECLARE_METATYPE(Pair)

namespace {

// Picked as the window's handlers pick: the VT, the parts ({slot, part, level
// index}), then the weapons MW1..SW3 by name ("" leaves a slot).
Loadout build(int vt, const QStringList& weapons,
              std::initializer_list<std::array<int, 3>> parts = {}) {
    Loadout l;
    const VtChoice choice = chooseVt(l, vt);
    int picked[2] = {PartUnarmed, PartUnarmed};
    for (const auto [slot, k, level] : parts) {
        picked[slot - 1] = k;
        const bool levels = choosePart(l, slot, k).levelEnabled;
        chooseLevel(l, slot, k, level);
        SetPartReport(l, slot, ShowOptionalPart(l, slot, k, level).name, levels);
        RecomputeLoadout(l, {vt, picked[0], picked[1]});
    }
    for (int i = 0; i < weapons.size(); ++i) {
        const bool main = i < 3;
        const int slot = i % 3 + 1;
        const int row = (main ? choice.main : choice.sub)[i % 3].items.indexOf(weapons[i]);
        if (weapons[i].isEmpty())
            continue;
        if (!(main ? selectMainWeapon(l, slot, row) : selectSubWeapon(l, slot, row)))
            qFatal("no %s in slot %d", qPrintable(weapons[i]), i);
        const auto info = main ? ShowMainWeaponInfo(l, slot, row) : ShowSubWeaponInfo(l, slot, row);
        if (info && info->report)
            (main ? SetMainWeaponReport : SetSubWeaponReport)(l, slot, info->name);
        main ? SumMainWeaponLoad(l) : SumSubWeaponLoad(l);
        RecomputeLoadout(l, {vt, picked[0], picked[1]});
    }
    return l;
}

// Bold, better or worse, and the status texts' colours, as one short text.
QString marksOf(const ComparisonRow& row) {
    QStringList marks;
    if (row.differs)
        marks << QStringLiteral("bold");
    if (row.verdict != ChangeVerdict::Neither)
        marks << (row.verdict == ChangeVerdict::Better ? "better" : "worse");
    for (const QColor& c : {row.pinnedColour, row.currentColour})
        if (row.pinnedColour.isValid() || row.currentColour.isValid())
            marks << (c.isValid() ? c.name() : QStringLiteral("plain"));
    return marks.join(u' ');
}

} // namespace

class TestComparison : public QObject {
    Q_OBJECT

private slots:
    void rows_data() {
        for (const char* column : {"figure", "pinned", "current", "change", "marks"})
            QTest::addColumn<QString>(column);
        QTest::addColumn<Pair>("pair");
        QTest::addColumn<int>("at");

        const QString overloaded = "270-RI 270-RI 270-RI 67-CG DP-MIS"; // 13 on a Colt's 12
        const Pair weapons{build(0, {"270-RI", "", "", "67-CG"}), build(0, {"4A-REC", "77-REC"})};
        const Pair vts{build(0, {}), build(1, {})};
        const Pair mount{
            build(0, overloaded.split(u' ')),
            build(0, overloaded.split(u' '), {{1, PartAdvancedMount, 1}, {2, PartPowerCell, 1}})};
        Loadout launched = build(ProminenceM2, {});
        launchMM(launched);
        RecomputeLoadout(launched, {ProminenceM2, PartUnarmed, PartUnarmed});
        const Pair mm{build(ProminenceM2, {}), launched};
        Loadout start; // the window's before any VT is chosen
        ResetReport(start, {});
        const Pair none{build(0, {}), start};
        // A slot nobody picked against one set to its "Unarmed" item.
        const Pair unarmed{build(0, {"270-RI"}), build(0, {"270-RI", "Unarmed", "", "Unarmed"})};
        Loadout named = build(0, {}); // then text typed into the VT selector names no VT
        chooseVt(named, -1);
        RecomputeLoadout(named, {-1, PartUnarmed, PartUnarmed});
        const Pair noVt{build(0, {}), named};
        const QString minus(QChar(0x2212));
        const auto row = [](const char* name, const Pair& pair, int at, const char* figure,
                            const char* pinned, const char* current, const QString& change,
                            const char* marks) {
            QTest::newRow(name) << figure << pinned << current << change << marks << pair << at;
        };
        row("weapons: MW1", weapons, 4, "Main Weapon 1", "270-RI", "4A-REC", "", "bold");
        row("weapons: total", weapons, 12, "Total Load", "5", "4", minus + "1", "");
        // Equal figures have no change and no verdict, whichever way is better.
        row("weapons: same standard", weapons, 10, "VT Standard Load", "12", "12", "", "");
        row("weapons: same turn", weapons, 17, "Turn Speed", "37.4", "37.4", "", "");
        row("weapons: same supply", weapons, 21, "Supply Point Cost", "1500", "1500", "", "");
        row("VTs: VT", vts, 0, "VT", "Colt", "Colt Exective", "", "bold");
        row("VTs: balancer", vts, 16, "Balancer Rating", "16", "12.5", minus + "3.5", "worse");
        row("VTs: turn", vts, 17, "Turn Speed", "37.4", "33", minus + "4.4", "better");
        row("VTs: supply", vts, 21, "Supply Point Cost", "1500", "1800", "+300", "worse");
        row("mount: part 1", mount, 2, "Optional Part 1", "Unarmed", "Advanced Mount Level 2", "",
            "bold");
        row("mount: standard", mount, 10, "VT Standard Load", "12", "16", "+4", "better");
        row("mount: status", mount, 13, "Load Status", "STD OVER", "VT OK", "", "#7a7a00 #000000");
        row("mount: turn", mount, 17, "Turn Speed", "42.2", "37.4", minus + "4.8", "better");
        row("mount: veering", mount, 18, "Veering Efficiency", "7", "8.4", "+1.4", "better");
        row("MM: durability", mm, 15, "Durability", "4000", "3000", minus + "1000", "worse");
        row("none: status", none, 13, "Load Status", "VT OK", "N/A", "", "#000000 plain");
        row("unarmed: MW2", unarmed, 5, "Main Weapon 2", "Unarmed", "UNARMED", "", "");
        row("unarmed: SW1", unarmed, 7, "Sub Weapon 1", "Unarmed", "UNARMED", "", "");
        row("unarmed: MW1", unarmed, 4, "Main Weapon 1", "270-RI", "270-RI", "", "");
        row("no VT: VT", noVt, 0, "VT", "Colt", "Unselected", "", "bold");
        row("no VT: turn", noVt, 17, "Turn Speed", "37.4", "0", "", "");
        row("no VT: supply", noVt, 21, "Supply Point Cost", "1500", "1500", "", "");
        row("no VT: status", noVt, 13, "Load Status", "VT OK", "N/A", "", "#000000 #000000");
    }
    void rows() {
        QFETCH(Pair, pair);
        QFETCH(int, at);
        const std::vector<ComparisonRow> rows = compareLoadouts(pair.first, pair.second);
        QCOMPARE(rows.size(), 23u);
        QTEST(rows[at].figure, "figure");
        QTEST(rows[at].pinned, "pinned");
        QTEST(rows[at].current, "current");
        QTEST(rows[at].change, "change");
        QTEST(marksOf(rows[at]), "marks");
    }

    // Every status colour reads on the table's white and keeps its hue; one
    // that reads already is left as the window shows it. A list's status
    // badge, filled with the colour, has its word in the text colour that
    // reads on it.
    void statusColours_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("unchanged");
        QTest::newRow("VT OK") << int(StatusVtOk) << true;
        QTest::newRow("STD OVER") << int(StatusStdOver) << false;
        QTest::newRow("MAX OVER") << int(StatusMaxOver) << false;
        QTest::newRow("MOUNT OVER") << int(StatusMountOver) << false;
    }
    void statusColours() {
        QFETCH(int, status);
        QFETCH(bool, unchanged);
        const QColor shown = loadStatusColour(status);
        const QColor readable = readableOnWhite(shown);
        QVERIFY2(contrastRatio(readable, Qt::white) >= MinimumContrast,
                 qPrintable(readable.name()));
        QCOMPARE(readable == shown, unchanged);
        QCOMPARE(readable.hsvHue(), shown.hsvHue());
        QCOMPARE(readable.hsvSaturation(), shown.hsvSaturation());
        QVERIFY2(contrastRatio(textColourOn(shown), shown) >= MinimumContrast,
                 qPrintable(textColourOn(shown).name()));
        QVERIFY(contrastRatio(shown, shown) == 1.0);
        QVERIFY(qAbs(contrastRatio(Qt::black, Qt::white) - 21.0) < 1e-9);
    }
};

QTEST_MAIN(TestComparison)
#include "tst_comparison.moc"

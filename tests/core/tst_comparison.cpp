// Comparing a pinned loadout with the current one: the rows, the signed
// changes and whether they are for the better, on loadouts built with the
// same steps the window takes.

#include "core/Comparison.h"
#include "core/VtChoice.h"
#include "equipment/OptionalParts.h"
#include "model/Recompute.h"
#include "model/VtSelection.h"
#include "reports/Reports.h"
#include "weapons/WeaponSelection.h"

#include <QTest>

using namespace vantor;

namespace {

// A loadout picked step by step, each step as the window's handler takes it.
struct Build {
    Loadout l;
    VtChoice choice;
    int parts[2] = {PartUnarmed, PartUnarmed};

    explicit Build(int vt) : choice(chooseVt(l, vt)) {}
    Build& recompute() {
        RecomputeLoadout(l, {choice.vt, parts[0], parts[1]});
        return *this;
    }
    Build& weapon(WeaponKind kind, int slot, const char* name) {
        const bool main = kind == WeaponKind::Main;
        const int row = (main ? choice.main : choice.sub)[slot - 1].items.indexOf(name);
        if (!(main ? selectMainWeapon(l, slot, row) : selectSubWeapon(l, slot, row)))
            qFatal("no %s in slot %d", name, slot);
        const auto info = main ? ShowMainWeaponInfo(l, slot, row) : ShowSubWeaponInfo(l, slot, row);
        if (info && info->report)
            (main ? SetMainWeaponReport : SetSubWeaponReport)(l, slot, info->name);
        main ? SumMainWeaponLoad(l) : SumSubWeaponLoad(l);
        return recompute();
    }
    Build& part(int slot, int k, int level) {
        parts[slot - 1] = k;
        const bool levels = choosePart(l, slot, k).levelEnabled;
        chooseLevel(l, slot, k, level);
        SetPartReport(l, slot, ShowOptionalPart(l, slot, k, level).name, levels);
        return recompute();
    }
    Build& launch() {
        launchMM(l);
        return recompute();
    }
};

constexpr auto Main = WeaponKind::Main;
constexpr auto Sub = WeaponKind::Sub;

// A Colt carrying 13: over its standard load of 12.
Build overloadedColt() {
    return Build(0)
        .weapon(Main, 1, "270-RI")
        .weapon(Main, 2, "270-RI")
        .weapon(Main, 3, "270-RI")
        .weapon(Sub, 1, "67-CG")
        .weapon(Sub, 2, "DP-MIS");
}

using Pair = std::pair<Loadout, Loadout>;

// Bold, better or worse, and the status texts' colours, as one short text.
QString marksOf(const ComparisonRow& row) {
    QStringList marks;
    if (row.differs)
        marks << QStringLiteral("bold");
    if (row.verdict != ChangeVerdict::Neither)
        marks << (row.verdict == ChangeVerdict::Better ? QStringLiteral("better")
                                                       : QStringLiteral("worse"));
    const auto name = [](const QColor& c) {
        return c.isValid() ? c.name() : QStringLiteral("plain");
    };
    if (row.pinnedColour.isValid() || row.currentColour.isValid())
        marks << name(row.pinnedColour) << name(row.currentColour);
    return marks.join(u' ');
}

} // namespace

Q_DECLARE_METATYPE(Pair)

class TestComparison : public QObject {
    Q_OBJECT

private slots:
    void rows_data() {
        QTest::addColumn<Pair>("pair");
        QTest::addColumn<QString>("figure");
        QTest::addColumn<QString>("pinned");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("marks");

        const Pair weapons{Build(0).weapon(Main, 1, "270-RI").weapon(Sub, 1, "67-CG").l,
                           Build(0).weapon(Main, 1, "4A-REC").weapon(Main, 2, "77-REC").l};
        const Pair vts{Build(0).l, Build(1).l};
        const Pair mount{
            overloadedColt().l,
            overloadedColt().part(1, PartAdvancedMount, 1).part(2, PartPowerCell, 1).l};
        const Pair mm{Build(ProminenceM2).l, Build(ProminenceM2).launch().l};
        Loadout start; // the window's before any VT is chosen
        ResetReport(start, {});
        const Pair none{Build(0).l, start};
        const auto row = [](const char* name, const Pair& pair, const char* figure,
                            const char* pinned, const char* current, const QString& change,
                            const char* marks) {
            QTest::newRow(name) << pair << figure << pinned << current << change << marks;
        };
        const QString minus(QChar(0x2212));
        row("weapons: same VT", weapons, "VT", "Colt", "Colt", "", "");
        row("weapons: MW1", weapons, "Main Weapon 1", "270-RI", "4A-REC", "", "bold");
        row("weapons: MW2", weapons, "Main Weapon 2", "Unarmed", "77-REC", "", "bold");
        row("weapons: SW1", weapons, "Sub Weapon 1", "67-CG", "Unarmed", "", "bold");
        row("weapons: total", weapons, "Total Load", "5", "4", minus + "1", "");
        row("weapons: speed", weapons, "Max Speed", "128", "128", "", "");
        row("VTs: VT", vts, "VT", "Colt", "Colt Exective", "", "bold");
        row("VTs: standard", vts, "VT Standard Load", "12", "13", "+1", "better");
        row("VTs: speed", vts, "Max Speed", "128", "134", "+6", "better");
        row("VTs: balancer", vts, "Balancer Rating", "16", "12.5", minus + "3.5", "worse");
        row("VTs: turn", vts, "Turn Speed", "37.4", "33", minus + "4.4", "better");
        row("VTs: veering", vts, "Veering Efficiency", "7", "9", "+2", "better");
        row("VTs: torque", vts, "Torque Rating", "10", "10", "", "");
        row("VTs: supply", vts, "Supply Point Cost", "1500", "1800", "+300", "worse");
        row("VTs: sortie", vts, "Sortie Point Cost", "14", "16", "+2", "worse");
        row("VTs: status", vts, "Load Status", "VT OK", "VT OK", "", "#000000 #000000");
        row("mount: part 1", mount, "Optional Part 1", "Unarmed", "Advanced Mount Level 2", "",
            "bold");
        row("mount: standard", mount, "VT Standard Load", "12", "16", "+4", "better");
        row("mount: maximum", mount, "VT Maximum Load", "15", "19", "+4", "better");
        row("mount: total", mount, "Total Load", "13", "13", "", "");
        row("mount: status", mount, "Load Status", "STD OVER", "VT OK", "", "#ffff00 #000000");
        row("mount: turn", mount, "Turn Speed", "42.2", "37.4", minus + "4.8", "better");
        row("mount: part 2", mount, "Optional Part 2", "Unarmed", "Power Cell Level 2", "", "bold");
        row("mount: veering", mount, "Veering Efficiency", "7", "8.4", "+1.4", "better");
        row("MM: sub weapon", mm, "Sub Weapon 2", "MM", "MM", "", "");
        row("MM: turn", mm, "Turn Speed", "40.3", "33", minus + "7.3", "better");
        row("MM: durability", mm, "Durability", "4000", "3000", minus + "1000", "worse");
        row("none: VT", none, "VT", "Colt", "Unselected", "", "bold");
        row("none: standard", none, "VT Standard Load", "12", "N/A", "", "");
        row("none: status", none, "Load Status", "VT OK", "N/A", "", "#000000 plain");
    }
    void rows() {
        QFETCH(Pair, pair);
        QFETCH(QString, figure);
        const std::vector<ComparisonRow> rows = compareLoadouts(pair.first, pair.second);
        const auto row = std::find_if(rows.begin(), rows.end(),
                                      [&](const ComparisonRow& r) { return r.figure == figure; });
        QVERIFY(row != rows.end());
        QTEST(row->pinned, "pinned");
        QTEST(row->current, "current");
        QTEST(row->change, "change");
        QTEST(marksOf(*row), "marks");
    }

    void order() {
        QStringList figures;
        for (const ComparisonRow& row : compareLoadouts(Build(0).l, Build(1).l))
            figures << row.figure;
        QCOMPARE(figures, QString("VT|Additional Fuel Tanks|Optional Part 1|Optional Part 2|"
                                  "Main Weapon 1|Main Weapon 2|Main Weapon 3|Sub Weapon 1|"
                                  "Sub Weapon 2|Sub Weapon 3|VT Standard Load|VT Maximum Load|"
                                  "Total Load|Load Status|Max Speed|Durability|Balancer Rating|"
                                  "Turn Speed|Veering Efficiency|Torque Rating|Fuel Efficiency|"
                                  "Supply Point Cost|Sortie Point Cost")
                              .split(u'|'));
    }

    void decimalChanges_data() {
        QTest::addColumn<QString>("pinned");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("change"); // "none": no number
        const QString minus(QChar(0x2212));
        QTest::newRow("tenths") << "0.1"
                                << "0.3"
                                << "+0.2";
        QTest::newRow("other decimals") << "1.25"
                                        << "1.5"
                                        << "+0.25";
        QTest::newRow("below zero") << "100"
                                    << "99.9" << minus + "0.1";
        QTest::newRow("across zero") << "-0.5"
                                     << "0.5"
                                     << "+1";
        QTest::newRow("equal") << "12.5"
                               << "12.50"
                               << "";
        QTest::newRow("18 digits") << "0"
                                   << "99999999999999999.9"
                                   << "+99999999999999999.9";
        QTest::newRow("19 digits") << "0"
                                   << "1000000000000000000"
                                   << "none";
        QTest::newRow("no number") << "N/A"
                                   << "3"
                                   << "none";
        QTest::newRow("exponent") << "1e3"
                                  << "3"
                                  << "none";
        QTest::newRow("bare point") << "3."
                                    << "3"
                                    << "none";
    }
    void decimalChanges() {
        QFETCH(QString, pinned);
        QFETCH(QString, current);
        QTEST(decimalChange(pinned, current).value_or(QStringLiteral("none")), "change");
    }
};

QTEST_MAIN(TestComparison)
#include "tst_comparison.moc"

// The loadout finder against a plain complete enumeration (FinderOracle):
// the same loadouts, in the same order, with the same picks, loads and
// changes; and the reasons it gives where nothing fits.

#include "tests/core/FinderOracle.h"

#include "core/Finder.h"
#include "core/VtChoice.h"
#include "model/Text.h"
#include "model/VtCatalogue.h"

#include <QTest>

#include <map>

using namespace vantor;

namespace {

// "26,000": thousands split by commas, as the finder writes its figures.
QString grouped(int n) {
    QString digits = QString::number(n);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(','));
    return digits;
}

// "status=StdOver carry=M4,S25,P2/3 keep=P1,L1,M2 reach=1000 cover=0-800
// guided fuel=1"; and a current loadout "vt=14 F=1 P1=2/1 M1=3 S2=4", "mm"
// for a launched MM.
const QStringList SelectorNames = {"VT", "F",  "P1", "L1", "P2", "L2",
                                   "M1", "M2", "M3", "S1", "S2", "S3"};

FinderLimits limitsOf(const QString& text) {
    FinderLimits l;
    for (const QString& t : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString key = t.section(QLatin1Char('='), 0, 0);
        const QString value = t.section(QLatin1Char('='), 1);
        if (key == "status")
            l.worstStatus = QStringList{"MountOver", "MaxOver", "StdOver", "VtOk"}.indexOf(value);
        for (const QString& v : value.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            if (key == "carry")
                l.mustCarry.push_back({v[0] == 'M'   ? FinderRequirement::MainWeapon
                                       : v[0] == 'S' ? FinderRequirement::SubWeapon
                                                     : FinderRequirement::Part,
                                       v.mid(1).section('/', 0, 0).toInt(),
                                       v.section('/', 1).toInt()});
            if (key == "keep")
                l.keep[std::size_t(SelectorNames.indexOf(v))] = true;
        }
        if (key == "reach")
            l.reach = value.toInt();
        if (key == "cover")
            l.cover = DistanceBand{value.section('-', 0, 0).toInt(), value.section('-', 1).toInt()};
        l.guided = l.guided || key == "guided";
        if (key == "fuel")
            l.minimumFuelTanks = value.toInt();
    }
    return l;
}

LoadoutPicks picksOf(const QString& text) {
    LoadoutPicks p;
    for (const QString& t : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        p.mmLaunched = p.mmLaunched || t == "mm";
        const int s = SelectorNames.indexOf(t.section('=', 0, 0).toUpper());
        const int item = t.section('=', 1).section('/', 0, 0).toInt();
        if (s == 0)
            p.vt = item;
        else if (s == 1)
            p.fuel = item;
        else if (s == 2 || s == 4)
            p.parts[std::size_t(s / 2 - 1)] = {item,
                                               t.contains('/') ? t.section('/', 1).toInt() : -1};
        else if (s >= 6)
            (s < 9 ? p.main : p.sub)[std::size_t((s - 6) % 3)].item = item;
    }
    Loadout scratch;
    const VtChoice c = chooseVt(scratch, p.vt);
    for (int s = 0; s < 3; ++s) {
        if (c.main[std::size_t(s)].fixed)
            p.main[std::size_t(s)] = {c.main[std::size_t(s)].index, true};
        if (c.sub[std::size_t(s)].fixed)
            p.sub[std::size_t(s)] = {c.sub[std::size_t(s)].index, true};
    }
    return p;
}

// The leading loadout is the window's unless `leading` names another, or
// "none".
FinderRequest requestOf(const QString& current, const QString& limits, int rank, int count,
                        bool every, const QString& leading = QString()) {
    FinderRequest r;
    r.current = picksOf(current);
    r.currentLoadout = recordOf(r.current);
    r.leading = leading.isEmpty() ? r.current : picksOf(leading == "none" ? QString() : leading);
    r.limits = limitsOf(limits);
    r.rank = FinderRank(rank);
    r.count = count;
    r.scope = every ? FinderScope::EveryVt : FinderScope::ThisVt;
    return r;
}

} // namespace

class TestFinder : public QObject {
    Q_OBJECT

private slots:
    void matchesOracle_data();
    void matchesOracle();
    void nothingFits_data();
    void nothingFits();
    void reasonsNameTheVtAsItsSelector_data();
    void reasonsNameTheVtAsItsSelector();
    void cancelStops();
};

void TestFinder::matchesOracle_data() {
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("limits");
    QTest::addColumn<int>("rank");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("every");
    QTest::addColumn<QString>("leading");
    const auto row = [](const char* name, const QString& current, const QString& limits,
                        FinderRank rank, int count, bool every = false,
                        const QString& leading = QString()) {
        QTest::newRow(name) << current << limits << int(rank) << count << every << leading;
    };
    const QString parts = "keep=P1,L1,P2,L2 ";
    using R = FinderRank;
    // Whole spaces of small VTs, one figure each.
    row("Vortex, damage, anything", "vt=9", "status=MountOver", R::VolleyDamage, 30);
    row("Vitzh, load left, STD OVER", "vt=8", "status=StdOver", R::LoadLeft, 40);
    row("Falchion, turn speed, MAX OVER", "vt=4", "status=MaxOver", R::TurnSpeed, 40);
    row("Decider Volcanic, durability", "vt=3", "", R::Durability, 25);
    row("Vortex, balancer: a part twice", "vt=9 P1=3/2", "", R::Balancer, 60);
    row("Decider, veering", "vt=2 F=2 S1=1", "status=StdOver", R::Veering, 30);
    row("Garpike, standard load", "vt=12", "", R::StandardLoad, 40);
    row("Garpike, maximum load, MAX OVER", "vt=12", "status=MaxOver", R::MaximumLoad, 40);
    row("Scareface A1, longest reach", "vt=7", "status=MountOver", R::LongestReach, 40);
    row("Vitzh, supply cost: ties all the way", "vt=8 M2=3 S1=2", "", R::SupplyCost, 50);
    row("Garpike, turn speed, fuel, a part and weapons in the window",
        "vt=12 F=1 P1=5/2 M1=2 M3=3 S1=1", "status=MaxOver", R::TurnSpeed, 50);
    // Fixed weapons and shorter lists.
    row("Prominence M2, MM and rail fixed", "vt=19", "status=MountOver", R::VolleyDamage, 30);
    row("Prominence M3, never MOUNT OVER", "vt=20", "status=MaxOver", R::LoadLeft, 30);
    row("Sheepdog, a fixed main weapon", "vt=23 M1=2", "", R::VolleyDamage, 30);
    row("Siegesug, fixed shield", "vt=24", "keep=P1,L1 status=StdOver", R::VolleyDamage, 30);
    row("Earthshaker, GAUSS fixed", "vt=26 P1=2/2", parts + "status=MountOver", R::LongestReach,
        30);
    // Must carry, kept selectors, reach, cover, guided, fuel.
    row("Garpike, carries NPM", "vt=12", "carry=S17 status=VtOk", R::VolleyDamage, 30);
    row("Jaralaccs N, two 355-SB", "vt=14", parts + "carry=M3,M3,M3 status=StdOver",
        R::VolleyDamage, 30);
    row("Vortex, Advanced Mount at level 2", "vt=9", "carry=P2/2", R::StandardLoad, 30);
    row("Vortex, two Mechanical Units", "vt=9", "carry=P4/1,P4/3 status=MaxOver", R::Durability,
        30);
    row("Jaralaccs N, kept weapons and parts", "vt=14 M1=4 P1=2/2 P2=4/0 S3=2",
        parts + "keep=M1,S3 status=StdOver", R::VolleyDamage, 30);
    row("Garpike, kept level, parts change", "vt=12 P1=3/1", "keep=L1", R::Balancer, 30);
    row("Scareface, reach at a band's near end", "vt=6", "reach=1100 status=StdOver",
        R::VolleyDamage, 30);
    row("Scareface, reach at a band's far end", "vt=6", "reach=800", R::LoadLeft, 30);
    row("Prominence M2, load left over the standard load", "vt=19",
        parts + "carry=M3 fuel=1 status=StdOver", R::LoadLeft, 30);
    row("Colt, cover 0-400", "vt=0", parts + "cover=0-400", R::VolleyDamage, 30);
    row("Blade, guided", "vt=11", "keep=P1,L1 guided", R::LoadLeft, 30);
    row("Prominence M2, guided by its fixed MM", "vt=19", "guided", R::LoadLeft, 30);
    row("Colt Executive, two fuel tanks", "vt=1", parts + "fuel=2", R::TurnSpeed, 30);
    // Every VT, the best of each.
    row("every VT, damage", "vt=12", parts + "status=VtOk", R::VolleyDamage, 31, true);
    row("every VT, supply cost", "vt=5", parts + "status=StdOver", R::SupplyCost, 31, true);
    row("every VT, sortie cost, top 10", "vt=5", parts, R::SortieCost, 10, true);
    row("every VT, weapons kept on the Garpike only", "vt=12 M1=1 S1=4", parts + "keep=M1,S1,F",
        R::LoadLeft, 31, true);
    // The window's loadout in its own arrangement, first among its ties; the
    // other ties in an order the window does not change.
    row("Garpike, 270-AR in main weapon 1, by reach", "vt=12 M1=2", "", R::LongestReach, 30);
    const QString weapons = "keep=M1,M2,M3,S1,S2,S3 ";
    row("Colt Executive, the parts the other way round", "vt=1 P1=13 P2=1/2", weapons,
        R::SupplyCost, 30);
    row("Garpike, weapons and parts out of list order", "vt=12 M1=2 M2=1 S1=3 S2=1 P1=4/0 P2=2/1",
        "status=StdOver", R::SupplyCost, 40);
    row("Prominence M3, two of three sub-weapon lists alike", "vt=20 S1=3 S2=1 S3=2 M2=2 M1=1",
        "status=MaxOver", R::LoadLeft, 40);
    row("Garpike, arranged by the window, kept selectors between", "vt=12 M1=2 M3=1 S3=2 S1=1",
        "keep=M2", R::SupplyCost, 40);
    row("Garpike, after a pick the loadout before it leads", "vt=12 M3=2", "", R::LongestReach, 30,
        false, "vt=12 M1=2");
    row("Colt Executive, after a pick the parts before it lead", "vt=1 P1=1/2", weapons,
        R::SupplyCost, 30, false, "vt=1 P1=13 P2=1/2");
    row("Garpike, no loadout leads", "vt=12 M1=2", "", R::LongestReach, 30, false, "none");
    row("every VT, the loadout before a pick of another VT leads", "vt=5 M1=1",
        parts + "status=VtOk", R::SupplyCost, 31, true, "vt=12");
    // A launched MM is taken back by every loadout, which keeps its MM loaded.
    row("Prominence M2, MM launched, by turn speed", "vt=19 mm", "status=MaxOver", R::TurnSpeed,
        30);
    row("Prominence M2, MM launched, no loadout is the window's", "vt=19 mm", "", R::SupplyCost,
        30);
}

void TestFinder::matchesOracle() {
    QFETCH(QString, current);
    QFETCH(QString, limits);
    QFETCH(int, rank);
    QFETCH(int, count);
    QFETCH(bool, every);
    QFETCH(QString, leading);
    const FinderRequest r = requestOf(current, limits, rank, count, every, leading);
    const std::vector<Oracle> expected = oracle(r);
    QVERIFY(!expected.empty());
    const FinderAnswer answer = findLoadouts(r);
    QVERIFY(!answer.cancelled);
    QCOMPARE(answer.loadouts.size(), expected.size());
    QCOMPARE(answer.nothingFits.isEmpty(), !expected.empty());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const FoundLoadout& f = answer.loadouts[i];
        const Oracle& o = expected[i];
        QCOMPARE(f.picks, o.picks);
        QCOMPARE(scoreOf(r.rank, f.figure), o.score);
        QCOMPARE(f.after.TotalLoad, o.load);
        QCOMPARE(f.changes, o.changes);
        QCOMPARE(f.after, recordOf(f.picks));
    }
}

void TestFinder::nothingFits_data() {
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("limits");
    QTest::addColumn<QString>("reason");
    const auto row = [](const char* name, const QString& current, const QString& limits,
                        const QString& reason) {
        QTest::newRow(name) << current << limits << reason;
    };
    const QString parts = "keep=P1,L1,P2,L2 ";
    row("no VT", "", "", "No VT is chosen");
    row("not offered", "vt=12", "carry=M5,M4", "The Garpike offers no 430-SB");
    row("weighs too much", "vt=19", parts + "carry=M3,M7",
        "No loadout of the Prominence M2 stays VT OK with 355-SB and 315-RF: they alone weigh 15 "
        "and the standard load is 8");
    row("over the maximum with the best part", "vt=19", "carry=M3,M3,M3 status=StdOver",
        "No loadout of the Prominence M2 stays STD OVER with 355-SB, 355-SB and 355-SB: they "
        "alone weigh 24 and the maximum load is 18");
    row("one item alone", "vt=19 F=2", "keep=F,P1,L1,P2,L2 carry=M3",
        "No loadout of the Prominence M2 stays VT OK with 355-SB: it alone weighs 12 and the "
        "standard load is 8");
    row("kept items", "vt=19 M1=1 M2=1 M3=1", parts + "keep=M1,M2,M3",
        "No loadout of the Prominence M2 stays VT OK with the kept items: they alone weigh 15 and "
        "the standard load is 8");
    row("no room", "vt=12", "carry=M5,M5,M5,M5",
        "No loadout of the Garpike has room for 200-AR, 200-AR, 200-AR and 200-AR");
    row("no room beside a kept weapon", "vt=12 M2=3", "keep=M2 carry=M5,M5,M5",
        "No loadout of the Garpike has room for 200-AR, 200-AR and 200-AR");
    row("no room for three parts", "vt=12", "carry=P2/2,P3,P9",
        "No loadout of the Garpike has room for Advanced Mount Level 2, Advanced Balancer and "
        "Advanced Armour");
    row("mounts full", "vt=12", "carry=S19,S19 status=MaxOver",
        "No loadout of the Garpike avoids MOUNT OVER with AVTM and AVTM");
    row("reach", "vt=12", "reach=1000", "No main weapon of the Garpike reaches 1000 m");
    row("cover", "vt=12", "cover=0-1000",
        "The weapons of the Garpike cannot cover 0-1000 m without a gap");
    row("guided", "vt=12", "guided", "The Garpike offers no guided weapon");
    row("fuel tanks", "vt=4", "fuel=2", "The Falchion carries at most 1 fuel tank");
    row("kept fuel tanks", "vt=12 F=1", "keep=F fuel=2", "The kept fuel tanks are fewer than 2");
    row("limits together", "vt=8", parts + "carry=M1,M1,M1 fuel=1",
        "No loadout of the Vitzh meets all these limits at once");
    // Each VT named as its selector shows it, also where the reports spell it otherwise.
    row("Colt Executive by its selector's name", "vt=1", "fuel=9",
        "The Colt Executive carries at most 2 fuel tanks");
    row("m-Vitzh by its selector's name", "vt=5", "reach=5000",
        "No main weapon of the m-Vitzh reaches 5000 m");
    row("Siegesug by its selector's name", "vt=24", "carry=M5", "The Siegesug offers no 200-AR");
}

void TestFinder::nothingFits() {
    QFETCH(QString, current);
    QFETCH(QString, limits);
    QFETCH(QString, reason);
    const FinderAnswer answer = findLoadouts(requestOf(current, limits, 0, 10, false));
    QVERIFY(answer.loadouts.empty());
    QCOMPARE(answer.nothingFits, reason);
}

void TestFinder::reasonsNameTheVtAsItsSelector_data() {
    QTest::addColumn<int>("vt");
    QTest::addColumn<int>("rank");
    QTest::addColumn<QString>("why");
    // Every VT whose report name is not its selector's: the three the
    // catalogue has, each by the name its selector shows.
    const std::map<int, QString> shown = {{1, "Colt Executive"}, {5, "m-Vitzh"}, {24, "Siegesug"}};
    for (int vt = 0; vt < VtCount; ++vt) {
        if (vtEntry(vt).reportName == vtEntry(vt).selectorName)
            continue;
        const QString name = shown.count(vt) ? shown.at(vt) : QStringLiteral("(unnamed)");
        const QString supply = grouped(int(vtEntry(vt).supplyPointCost));
        QTest::addRow("%s, supply cost", qPrintable(name))
            << vt << int(FinderRank::SupplyCost)
            << QStringLiteral("Supply point cost %1: the %2's own").arg(supply, name);
        QTest::addRow("%s, sortie cost", qPrintable(name))
            << vt << int(FinderRank::SortieCost)
            << QStringLiteral("Sortie point cost %1: the %2's own")
                   .arg(vtEntry(vt).sortiePointCost)
                   .arg(name);
    }
}

// The reason each row gives names its VT as the window's VT selector does.
void TestFinder::reasonsNameTheVtAsItsSelector() {
    QFETCH(int, vt);
    QFETCH(int, rank);
    QFETCH(QString, why);
    const FinderAnswer answer =
        findLoadouts(requestOf(QStringLiteral("vt=%1").arg(vt), "", rank, 3, false));
    QVERIFY(!answer.loadouts.empty());
    for (const FoundLoadout& found : answer.loadouts)
        QCOMPARE(found.why, why);
}

void TestFinder::cancelStops() {
    const std::atomic<bool> cancel{true};
    const FinderAnswer answer =
        findLoadouts(requestOf("vt=14", "status=MountOver", 0, 50, true), &cancel);
    QVERIFY(answer.cancelled);
    QVERIFY(answer.nothingFits.isEmpty());
}

QTEST_MAIN(TestFinder)
#include "tst_finder.moc"

// The loadout model driven through its record: number formats, load status,
// bonuses, turn speed under overload, gauges, rank colours and VT selection.

#include "core/VtChoice.h"
#include "equipment/OptionalParts.h"
#include "model/Format.h"
#include "model/LoadoutDisplay.h"
#include "model/LoadoutTips.h"
#include "model/Overload.h"
#include "model/Recompute.h"
#include "model/VtCatalogue.h"
#include "model/VtSelection.h"
#include "reports/Reports.h"

#include <QTest>

#include <cstdlib>

using namespace vantor;

namespace {

// Choosing a VT, followed by the recomputation.
Loadout selectVt(int vt, Loadout l = {}) {
    chooseVt(l, vt);
    return l;
}

// Carries `load` units of main weapons and recomputes.
void carry(Loadout& l, std::uint32_t load, RecomputeInputs in) {
    l.MainWeapon1Load = load;
    l.MainWeapon2Load = l.MainWeapon3Load = 0;
    SumMainWeaponLoad(l);
    RecomputeLoadout(l, in);
}

QString labelText(const LoadoutDisplay& d, std::string_view name) {
    for (std::size_t i = 0; i < d.values.size(); ++i)
        if (ValueLabelNames[i] == name)
            return d.values[i].text;
    return QStringLiteral("<no label %1>").arg(QLatin1String(name.data(), qsizetype(name.size())));
}

bool isBold(const LoadoutDisplay& d, std::string_view name) {
    for (std::size_t i = 0; i < d.bold.size(); ++i)
        if (ValueLabelNames[BoldValues[i]] == name)
            return d.bold[i].bold;
    qWarning("no bold mark for %s", name.data());
    return false;
}

// Part `part` at level index `level` (-1: none picked) in slot 1 or 2, as the
// window's handlers fit it: the part, its level, its panel and its report row.
void fitPart(Loadout& l, int slot, int part, int level) {
    choosePart(l, slot, part);
    if (level >= 0)
        chooseLevel(l, slot, part, level);
    const PartInfo info = ShowOptionalPart(l, slot, part, level);
    SetPartReport(l, slot, info.name, optionalPart(part)->levelled);
}

// The tip of the value label, rank label or gauge named `name`.
QString tipOf(const LoadoutDisplay& d, const QString& name) {
    const auto named = [&name](std::string_view objectName) {
        return name == QLatin1String(objectName);
    };
    for (std::size_t i = 0; i < d.values.size(); ++i)
        if (named(ValueLabelNames[i]))
            return d.values[i].tip;
    for (std::size_t i = 0; i < d.ranks.size(); ++i)
        if (named(RankLabelNames[i]))
            return d.ranks[i].tip;
    for (std::size_t i = 0; i < d.gauges.size(); ++i)
        if (named(GaugeRanges[i].objectName))
            return d.gauges[i].tip;
    return QStringLiteral("<no component %1>").arg(name);
}

int gauge(const LoadoutDisplay& d, std::string_view name) {
    for (std::size_t i = 0; i < d.gauges.size(); ++i)
        if (GaugeRanges[i].objectName == name)
            return d.gauges[i].progress;
    qWarning("no gauge %s", name.data());
    return -1;
}

// The overload table as the turn speed label and the rank label show it, one
// "speed rank" pair per step 1 to 4, "-" for a step the table does not hold.
struct ShownRow {
    const char* steps[MaxOverloadSteps];
};
const ShownRow shownOverload[VtCount] = {
    {{"42.2 ~31st", "46.9 ~31st", "54.2 ~31st", "-"}},
    {{"36.7 ~28th", "42 ~31st", "45.7 ~31st", "-"}},
    {{"34.5 ~24th", "40.4 ~31st", "-", "-"}},
    {{"40.5 ~31st", "44.1 ~31st", "48.4 ~31st", "53.6 ~31st"}},
    {{"20.6 ~9th", "21.7 ~12th", "-", "-"}},
    {{"39.5 ~30th", "43.7 ~31st", "47.1 ~31st", "53 ~31st"}},
    {{"34.5 ~24th", "40.4 ~31st", "-", "-"}},
    {{"27 ~16th", "-", "-", "-"}},
    {{"44 ~31st", "52.5 ~31st", "-", "-"}},
    {{"-", "53.8 ~31st", "-", "-"}},
    {{"46.9 ~31st", "53.1 ~31st", "62.3 ~31st", "-"}},
    {{"18.8 ~7th", "20.1 ~9th", "20.9 ~10th", "-"}},
    {{"27.1 ~16th", "29 ~20th", "31.5 ~23rd", "-"}},
    {{"30.2 ~31st", "34.3 ~24th", "-", "-"}},
    {{"30.2 ~21st", "34.3 ~24th", "-", "-"}},
    {{"21 ~10th", "22 ~12th", "23.1 ~12th", "24.2 ~13th"}},
    {{"19.6 ~9th", "20.1 ~9th", "21.3 ~11th", "22.4 ~12th"}},
    {{"37.4 ~28th", "40.2 ~30th", "46.8 ~31st", "-"}},
    {{"33.3 ~24th", "37.8 ~30th", "-", "-"}},
    {{"45.4 ~31st", "50 ~31st", "55.4 ~31st", "62.5 ~31st"}},
    {{"29.8 ~21st", "34.5 ~24th", "-", "-"}},
    {{"17.3 ~4th", "18.9 ~7th", "19.1 ~8th", "-"}},
    {{"30.6 ~23rd", "32.6 ~23rd", "34.8 ~24th", "37.5 ~29th"}},
    {{"16.7 ~4th", "18.2 ~5th", "-", "-"}},
    {{"32.8 ~23rd", "37.2 ~28th", "-", "-"}},
    {{"29.9 ~21st", "32.7 ~23rd", "34 ~24th", "37.5 ~29th"}},
    {{"19.4 ~9th", "20.7 ~9th", "22.2 ~12th", "-"}},
    {{"19.5 ~9th", "20.9 ~10th", "-", "-"}},
    {{"17.6 ~4th", "18.3 ~8th", "19 ~8th", "19.7 ~9th"}},
    {{"23.8 ~13th", "25.1 ~14th", "26.2 ~16th", "27.7 ~16th"}},
    {{"23.4 ~12th", "25.7 ~14th", "-", "-"}},
};

} // namespace

class TestModel : public QObject {
    Q_OBJECT

private slots:
    void formatHashHash_data() {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("one decimal") << 37.4f << "37.4";
        QTest::newRow("half") << 12.5f << "12.5";
        QTest::newRow("whole") << 1900.0f << "1900";
        QTest::newRow("balancer 16 +30%") << 16 * 1.3f << "20.8";
        QTest::newRow("zero") << 0.0f << "0";
        QTest::newRow("below one") << 0.5f << "0.5";
        QTest::newRow("two decimals") << 1.25f << "1.25";
        QTest::newRow("tie rounds away from zero") << 0.125f << "0.13";
        QTest::newRow("tie rounds away 2") << 2.375f << "2.38";
        QTest::newRow("float below tie") << 2.675f << "2.67";
        QTest::newRow("trailing zero dropped") << 3.10f << "3.1";
        QTest::newRow("rounds up to whole") << 9.999f << "10";
        QTest::newRow("negative") << -0.125f << "-0.13";
        QTest::newRow("tiny negative") << -0.001f << "0";
        QTest::newRow("durability") << 15000.0f * 1.3f << "19500";
    }
    void formatHashHash() {
        QFETCH(float, value);
        QFETCH(QString, text);
        QCOMPARE(vantor::formatHashHash(value), text);
    }

    void floatText_data() {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("speed") << 128.0f << "128";
        QTest::newRow("half") << 12.5f << "12.5";
        QTest::newRow("turn") << 37.4f << "37.4";
        QTest::newRow("turn 2") << 40.3f << "40.3";
        QTest::newRow("zero") << 0.0f << "0";
        QTest::newRow("durability") << 15000.0f << "15000";
        QTest::newRow("no exponent") << 1e7f << "10000000";
        QTest::newRow("raised balancer") << 16 * 1.3f << "20.8";
        QTest::newRow("three decimals") << 1.125f << "1.125";
    }
    void floatText() {
        QFETCH(float, value);
        QFETCH(QString, text);
        QCOMPARE(vantor::floatText(value), text);
    }

    // Every catalogue figure reads the same in "#.##" and as shortest text, so
    // a VT without parts never shows a bold figure.
    void catalogueFiguresAgree() {
        for (const auto& e : VtCatalogue)
            for (float v : {e.durability, e.balancer, e.veering, e.turnSpeed})
                QCOMPARE(vantor::formatHashHash(v), vantor::floatText(v));
    }

    void rankColours_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("font");
        const QColor lime(0, 255, 0), yellow(255, 255, 0), red(255, 0, 0);
        const QColor black(0, 0, 0), white(255, 255, 255);
        QTest::newRow("4th") << " 4th" << 4 << lime << black;
        QTest::newRow("1st") << " 1st" << 1 << lime << black;
        QTest::newRow("10th") << "10th" << 10 << lime << black;
        QTest::newRow("~9th") << "~9th" << 9 << lime << black;
        QTest::newRow("11th*") << "11th*" << 11 << yellow << black;
        QTest::newRow("20th") << "20th" << 20 << yellow << black;
        QTest::newRow("~16th") << "~16th" << 16 << yellow << black;
        QTest::newRow("21st") << "21st" << 21 << red << white;
        QTest::newRow("22nd*") << "22nd*" << 22 << red << white;
        QTest::newRow("~23rd") << "~23rd" << 23 << red << white;
        QTest::newRow("~31st") << "~31st" << 31 << red << white;
    }
    void rankColours() {
        QFETCH(QString, text);
        QFETCH(int, number);
        QFETCH(QColor, background);
        QFETCH(QColor, font);
        const auto n = rankNumber(text);
        QVERIFY(n.has_value());
        QCOMPARE(*n, number);
        QCOMPARE(rankBackground(rankBand(*n)), background);
        QCOMPARE(rankFontColour(rankBand(*n)), font);
    }

    // A rank text without digits gets no colour and raises nothing.
    void rankWithoutDigits_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("tilde only") << "~";
        QTest::newRow("suffix only") << "th";
        QTest::newRow("blank") << " ";
    }
    void rankWithoutDigits() {
        QFETCH(QString, text);
        QVERIFY(!rankNumber(text).has_value());
        Loadout l;
        l.TurnRankText = text;
        const LoadoutDisplay d = displayOf(l);
        QVERIFY(!d.ranks[RankTurn].band.has_value());
    }

    // Every figure text the window, the catalogue and the finder read back:
    // the first number, words around it passed over, thousands separated by
    // commas, decimals after one point.
    void figureValue_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("number");
        QTest::addColumn<double>("value");
        QTest::newRow("whole") << "1900" << true << 1900.0;
        QTest::newRow("one decimal") << "37.4" << true << 37.4;
        QTest::newRow("two decimals") << "20.85" << true << 20.85;
        QTest::newRow("zero") << "0" << true << 0.0;
        QTest::newRow("thousands") << "1,200" << true << 1200.0;
        QTest::newRow("thousands twice, decimals") << "1,234,567.5" << true << 1234567.5;
        QTest::newRow("percent") << "12.5%" << true << 12.5;
        QTest::newRow("bonus") << "+ 10%" << true << 10.0;
        QTest::newRow("unit after") << "1200 m" << true << 1200.0;
        QTest::newRow("word before") << "Turn 5" << true << 5.0;
        QTest::newRow("ordinal") << "2nd Gen" << true << 2.0;
        QTest::newRow("negative") << "-3.5" << true << -3.5;
        QTest::newRow("band: its near end") << "100-800" << true << 100.0;
        QTest::newRow("comma before a blank") << "1, 2" << true << 1.0;
        QTest::newRow("point without decimals") << "12." << true << 12.0;
        QTest::newRow("second point") << "1.2.3" << true << 1.2;
        QTest::newRow("N/A") << "N/A" << false << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("comma alone") << "," << false << 0.0;
    }
    void figureValue() {
        QFETCH(QString, text);
        QFETCH(bool, number);
        QFETCH(double, value);
        const std::optional<double> read = vantor::figureValue(text);
        QCOMPARE(read.has_value(), number);
        QCOMPARE(read.value_or(0), value);
        const std::string utf8 = text.toStdString();
        QCOMPARE(vantor::figureValue(std::string_view(utf8)), read);
    }

    void textWholePart_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("whole");
        QTest::newRow("whole") << "1900" << 1900;
        QTest::newRow("decimal") << "12.5" << 12;
        QTest::newRow("two decimals") << "20.85" << 20;
        QTest::newRow("below one") << "0.5" << 0;
        QTest::newRow("empty") << "" << 0;
    }
    void textWholePart() {
        QFETCH(QString, text);
        QFETCH(int, whole);
        QCOMPARE(TextWholePart(text), whole);
    }

    void loadStatus_data() {
        QTest::addColumn<int>("vt");
        QTest::addColumn<int>("selectorIndex");
        QTest::addColumn<uint>("fuel");
        QTest::addColumn<uint>("main");
        QTest::addColumn<uint>("sub");
        QTest::addColumn<uint>("stdBonus");
        QTest::addColumn<uint>("maxBonus");
        QTest::addColumn<int>("mounts"); // bit 0..2: SW1Mount..SW3Mount
        QTest::addColumn<QString>("status");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QString>("headroom"); // the tip's last line
        const QColor red(255, 0, 0), yellow(255, 255, 0), black(0, 0, 0);
        // Colt: standard 12, maximum 15.
        QTest::newRow("empty")
            << 0 << 0 << 0u << 0u << 0u << 0u << 0u << 0 << "VT OK" << black
            << "Total load 0 is within the standard load of 12; 12 more can be carried."
            << "12 left before STD OVER, 15 before MAX OVER.";
        QTest::newRow("equal to standard")
            << 0 << 0 << 4u << 6u << 2u << 0u << 0u << 0 << "VT OK" << black
            << "Total load 12 fills the standard load of 12 exactly."
            << "0 left before STD OVER, 3 before MAX OVER.";
        QTest::newRow("one above standard")
            << 0 << 0 << 4u << 6u << 3u << 0u << 0u << 0 << "STD OVER" << yellow
            << "Total load 13 is 1 over the standard load of 12; 2 more reach the maximum of 15."
            << "2 left before MAX OVER.";
        QTest::newRow("equal to maximum")
            << 0 << 0 << 0u << 15u << 0u << 0u << 0u << 0 << "STD OVER" << yellow
            << "Total load 15 is 3 over the standard load of 12 and reaches the maximum of 15."
            << "0 left before MAX OVER.";
        QTest::newRow("one short of maximum")
            << 0 << 0 << 4u << 6u << 4u << 0u << 0u << 0 << "STD OVER" << yellow
            << "Total load 14 is 2 over the standard load of 12; 1 more reaches the maximum of 15."
            << "1 left before MAX OVER.";
        QTest::newRow("one above maximum")
            << 0 << 0 << 2u << 14u << 0u << 0u << 0u << 0 << "MAX OVER" << red
            << "Total load 16 is 1 over the maximum load of 15."
            << "1 to take off for STD OVER, 4 for VT OK.";
        QTest::newRow("raised standard holds")
            << 0 << 0 << 0u << 14u << 0u << 2u << 2u << 0 << "VT OK" << black
            << "Total load 14 fills the standard load of 14 exactly."
            << "0 left before STD OVER, 3 before MAX OVER.";
        QTest::newRow("raised standard exceeded")
            << 0 << 0 << 0u << 15u << 0u << 2u << 2u << 0 << "STD OVER" << yellow
            << "Total load 15 is 1 over the standard load of 14; 2 more reach the maximum of 17."
            << "2 left before MAX OVER.";
        QTest::newRow("raised maximum holds")
            << 0 << 0 << 0u << 17u << 0u << 2u << 2u << 0 << "STD OVER" << yellow
            << "Total load 17 is 3 over the standard load of 14 and reaches the maximum of 17."
            << "0 left before MAX OVER.";
        QTest::newRow("three mounts within load")
            << 0 << 0 << 0u << 0u << 3u << 0u << 0u << 7 << "MOUNT OVER" << red
            << "All three sub-weapon slots hold mount weapons (AVTM, SL-GM, RAIL-B). Total load 3 "
               "is within the standard load of 12; 9 more can be carried."
            << "Taking the mount weapon out of sub-weapon slot 1, 2 or 3 ends the MOUNT OVER.";
        QTest::newRow("mount over beats max over")
            << 0 << 0 << 0u << 20u << 0u << 0u << 0u << 7 << "MOUNT OVER" << red
            << "All three sub-weapon slots hold mount weapons (AVTM, SL-GM, RAIL-B). Total load 20 "
               "is 5 over the maximum load of 15."
            << "Taking the mount weapon out of sub-weapon slot 1, 2 or 3 ends the MOUNT OVER.";
        QTest::newRow("two mounts")
            << 0 << 0 << 0u << 0u << 0u << 0u << 0u << 3 << "VT OK" << black
            << "Total load 0 is within the standard load of 12; 12 more can be carried."
            << "12 left before STD OVER, 15 before MAX OVER. 1 sub-weapon mount free before MOUNT "
               "OVER.";
        // Garpike: BANG-N fixed in sub-weapon slot 2.
        QTest::newRow("Garpike mounts 1 and 3")
            << 12 << 12 << 0u << 0u << 2u << 0u << 0u << 5 << "MOUNT OVER" << red
            << "All three sub-weapon slots hold mount weapons (AVTM, BANG-N, RAIL-B). Total load 2 "
               "is within the standard load of 15; 13 more can be carried."
            << "Taking the mount weapon out of sub-weapon slot 1 or 3 ends the MOUNT OVER.";
        QTest::newRow("Garpike mount 1 only")
            << 12 << 12 << 0u << 0u << 2u << 0u << 0u << 1 << "VT OK" << black
            << "Total load 2 is within the standard load of 15; 13 more can be carried."
            << "13 left before STD OVER, 16 before MAX OVER. 1 sub-weapon mount free before MOUNT "
               "OVER.";
        // Prominence M3: fixed slots 1 and 2 still leave room for a mount in 3.
        QTest::newRow("Prominence M3 exempt")
            << 20 << 20 << 0u << 0u << 2u << 0u << 0u << 4 << "VT OK" << black
            << "Total load 2 is within the standard load of 12; 10 more can be carried."
            << "10 left before STD OVER, 12 before MAX OVER.";
        QTest::newRow("Prominence M2 not exempt")
            << 19 << 19 << 0u << 0u << 2u << 0u << 0u << 4 << "MOUNT OVER" << red
            << "All three sub-weapon slots hold mount weapons (RAIL-A, MM, RAIL-B). Total load 2 "
               "is within the standard load of 8; 6 more can be carried."
            << "Taking the mount weapon out of sub-weapon slot 3 ends the MOUNT OVER.";
        // The exemption follows the selector's position, as the status does.
        QTest::newRow("M3 fixed flags, other position")
            << 20 << 19 << 0u << 0u << 2u << 0u << 0u << 4 << "MOUNT OVER" << red
            << "All three sub-weapon slots hold mount weapons (RAIL-A, MM, RAIL-B). Total load 2 "
               "is within the standard load of 12; 10 more can be carried."
            << "Taking the mount weapon out of sub-weapon slot 3 ends the MOUNT OVER.";
    }
    void loadStatus() {
        QFETCH(int, vt);
        QFETCH(int, selectorIndex);
        QFETCH(uint, fuel);
        QFETCH(uint, main);
        QFETCH(uint, sub);
        QFETCH(uint, stdBonus);
        QFETCH(uint, maxBonus);
        QFETCH(int, mounts);
        QFETCH(QString, status);
        QFETCH(QColor, colour);
        QFETCH(QString, tip);
        QFETCH(QString, headroom);
        Loadout l = selectVt(vt);
        l.FuelTankLoad = fuel;
        l.MainWeapon1Load = main;
        SumMainWeaponLoad(l);
        l.SubWeapon1Load = sub;
        SumSubWeaponLoad(l);
        l.Part1StandardBonus = stdBonus;
        l.Part2MaximumBonus = maxBonus;
        l.SW1Mount = mounts & 1;
        l.SW2Mount = mounts & 2;
        l.SW3Mount = mounts & 4;
        QString* reports[] = {&l.SW1ReportText, &l.SW2ReportText, &l.SW3ReportText};
        for (int slot = 0; slot < 3; ++slot) // the mount weapons the slots' reports name
            if (mounts & (1 << slot))
                *reports[slot] = QStringList{"AVTM", "SL-GM", "RAIL-B"}[slot];
        RecomputeLoadout(l, {selectorIndex, 0, 0});
        QCOMPARE(l.TotalLoad, fuel + main + sub);
        const LoadoutDisplay d = displayOf(l);
        QCOMPARE(d.statusText, status);
        QCOMPARE(d.statusColour, colour);
        QCOMPARE(loadStatusText(l.LoadStatus), status);
        QCOMPARE(d.statusTip, tip + QLatin1Char('\n') + headroom);
        QCOMPARE(headroomTip(l), headroom);
    }

    void noStatusYet() {
        const LoadoutDisplay d = displayOf(Loadout{});
        QCOMPARE(d.statusText, QStringLiteral("N/A"));
        QCOMPARE(d.statusTip, QString());
    }

    void loadBonuses_data() {
        QTest::addColumn<uint>("std1");
        QTest::addColumn<uint>("std2");
        QTest::addColumn<uint>("max1");
        QTest::addColumn<uint>("max2");
        QTest::addColumn<QString>("standard");
        QTest::addColumn<QString>("maximum");
        QTest::addColumn<bool>("stdBold");
        QTest::addColumn<bool>("maxBold");
        QTest::newRow("none") << 0u << 0u << 0u << 0u << "12"
                              << "15" << false << false;
        QTest::newRow("2 and 4 give 4") << 2u << 4u << 0u << 0u << "16"
                                        << "15" << true << false;
        QTest::newRow("4 and 2 give 4") << 4u << 2u << 0u << 0u << "16"
                                        << "15" << true << false;
        QTest::newRow("maximum only") << 0u << 0u << 3u << 1u << "12"
                                      << "18" << false << true;
    }
    void loadBonuses() {
        QFETCH(uint, std1);
        QFETCH(uint, std2);
        QFETCH(uint, max1);
        QFETCH(uint, max2);
        QFETCH(QString, standard);
        QFETCH(QString, maximum);
        QFETCH(bool, stdBold);
        QFETCH(bool, maxBold);
        Loadout l = selectVt(0);
        l.Part1StandardBonus = std1;
        l.Part2StandardBonus = std2;
        l.Part1MaximumBonus = max1;
        l.Part2MaximumBonus = max2;
        RecomputeLoadout(l, {0, 0, 0});
        const LoadoutDisplay d = displayOf(l);
        QCOMPARE(labelText(d, "VTStandardLoadLabel"), standard);
        QCOMPARE(labelText(d, "VTMaximumLoadLabel"), maximum);
        QCOMPARE(isBold(d, "VTStandardLoadLabel"), stdBold);
        QCOMPARE(isBold(d, "VTMaximumLoadLabel"), maxBold);
        QCOMPARE(gauge(d, "StandardCapacityGauge"), standard.toInt());
        QCOMPARE(gauge(d, "MaximumCapacityGauge"), maximum.toInt());
    }

    void percentBonuses_data() {
        QTest::addColumn<int>("vt");
        QTest::addColumn<int>("op1");
        QTest::addColumn<int>("op2");
        QTest::addColumn<float>("bonus1");
        QTest::addColumn<float>("bonus2");
        QTest::addColumn<QString>("balancer");
        QTest::addColumn<QString>("durability");
        QTest::addColumn<QString>("veering");
        // The same percentages go to all three statistics; only the part on a
        // selector decides which one takes them.
        QTest::newRow("Colt balancer 30%") << 0 << 3 << 0 << 30.0f << 0.0f << "20.8"
                                           << "1900"
                                           << "7";
        QTest::newRow("two balancers take the larger") << 0 << 3 << 3 << 10.0f << 30.0f << "20.8"
                                                       << "1900"
                                                       << "7";
        QTest::newRow("larger first") << 0 << 3 << 3 << 30.0f << 10.0f << "20.8"
                                      << "1900"
                                      << "7";
        QTest::newRow("bonus without the part") << 0 << 1 << 2 << 30.0f << 0.0f << "16"
                                                << "1900"
                                                << "7";
        QTest::newRow("mechanical unit in slot 2") << 0 << 0 << 4 << 0.0f << 20.0f << "16"
                                                   << "2280"
                                                   << "7";
        QTest::newRow("power cell") << 0 << 5 << 0 << 15.0f << 0.0f << "16"
                                    << "1900"
                                    << "8.05";
        QTest::newRow("Decider balancer 10%") << 2 << 3 << 0 << 10.0f << 0.0f << "13.75"
                                              << "2200"
                                              << "12.5";
        QTest::newRow("Earthshaker durability 30%") << 26 << 4 << 0 << 30.0f << 0.0f << "12.5"
                                                    << "19500"
                                                    << "16.5";
    }
    void percentBonuses() {
        QFETCH(int, vt);
        QFETCH(int, op1);
        QFETCH(int, op2);
        QFETCH(float, bonus1);
        QFETCH(float, bonus2);
        QFETCH(QString, balancer);
        QFETCH(QString, durability);
        QFETCH(QString, veering);
        Loadout l = selectVt(vt);
        l.Part1BalancerBonus = l.Part1DurabilityBonus = l.Part1VeeringBonus = bonus1;
        l.Part2BalancerBonus = l.Part2DurabilityBonus = l.Part2VeeringBonus = bonus2;
        RecomputeLoadout(l, {vt, op1, op2});
        QCOMPARE(l.BalancerBonus, std::max(bonus1, bonus2));
        const LoadoutDisplay d = displayOf(l);
        QCOMPARE(labelText(d, "VTBalancerRatingLabel"), balancer);
        QCOMPARE(labelText(d, "VTDurabilityLabel"), durability);
        QCOMPARE(labelText(d, "VTVeeringEfficiencyLabel"), veering);
        const auto& e = vtEntry(vt);
        QCOMPARE(isBold(d, "VTBalancerRatingLabel"), balancer != vantor::floatText(e.balancer));
        QCOMPARE(isBold(d, "VTDurabilityLabel"), durability != vantor::floatText(e.durability));
        QCOMPARE(isBold(d, "VTVeeringEfficiencyLabel"), veering != vantor::floatText(e.veering));
        QCOMPARE(gauge(d, "BalancerGauge"), TextWholePart(balancer));
        QCOMPARE(gauge(d, "DurabilityGauge"), TextWholePart(durability));
        QCOMPARE(gauge(d, "VeeringGauge"), TextWholePart(veering));
    }

    // Every step of every VT's table, the loads below and at the standard
    // load, and loads beyond the table that a maximum-load bonus allows.
    void overloadTable_data() {
        QTest::addColumn<int>("vt");
        QTest::addColumn<int>("d");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("rank");
        for (int vt = 0; vt < VtCount; ++vt) {
            const auto& e = vtEntry(vt);
            QString shown = vantor::floatText(e.turnSpeed) + QLatin1Char(' ') +
                            QString::fromLatin1(e.ranks[RankTurn]);
            const int held = int(e.maximumLoad - e.standardLoad);
            for (int d = -1; d <= held + 2; ++d) {
                if (d >= 1 && d <= MaxOverloadSteps &&
                    qstrcmp(shownOverload[vt].steps[d - 1], "-") != 0)
                    shown = QString::fromLatin1(shownOverload[vt].steps[d - 1]);
                const QStringList parts = shown.split(QLatin1Char(' '));
                QTest::addRow("%s %+d", e.selectorName.data(), d)
                    << vt << d << parts[0] << shown.mid(parts[0].size() + 1);
            }
        }
    }
    void overloadTable() {
        QFETCH(int, vt);
        QFETCH(int, d);
        QFETCH(QString, speed);
        QFETCH(QString, rank);
        Loadout l = selectVt(vt);
        l.Part1MaximumBonus = 4;
        carry(l, std::uint32_t(int(l.VTStandardLoad) + d), {vt, 0, 0});
        const LoadoutDisplay d1 = displayOf(l);
        QCOMPARE(labelText(d1, "VTTurnSpeedLabel"), speed);
        QCOMPARE(d1.ranks[RankTurn].text, rank);
        // Turns slower than 55 seconds (Behemoth, Prominence M2) fold back.
        QCOMPARE(gauge(d1, "TurnGauge"), std::abs(55 - TextWholePart(speed)));
        // The same loadout reads the same whichever load came before it.
        carry(l, l.VTStandardLoad + 4 + 2, {vt, 0, 0});
        carry(l, std::uint32_t(int(l.VTStandardLoad) + d), {vt, 0, 0});
        QCOMPARE(l.TurnSpeedText, speed);
        QCOMPARE(l.TurnRankText, rank);
    }

    void overloadSequence() {
        Loadout l = selectVt(0); // Colt
        const auto check = [&](std::uint32_t load, const char* speed, const char* rank) {
            carry(l, load, {0, 0, 0});
            QCOMPARE(l.TurnSpeedText, QString::fromLatin1(speed));
            QCOMPARE(l.TurnRankText, QString::fromLatin1(rank));
        };
        check(12, "37.4", "28th");
        check(13, "42.2", "~31st");
        check(15, "54.2", "~31st");
        check(11, "37.4", "28th");
    }

    void raisedStandardMovesSteps_data() {
        QTest::addColumn<uint>("bonus");
        QTest::addColumn<uint>("load");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("rank");
        QTest::newRow("Colt +2 carrying 14") << 2u << 14u << "37.4"
                                             << "28th";
        QTest::newRow("Colt +2 carrying 15") << 2u << 15u << "42.2"
                                             << "~31st";
        QTest::newRow("Colt +4 carrying 17") << 4u << 17u << "42.2"
                                             << "~31st";
        QTest::newRow("Colt +4 carrying 19") << 4u << 19u << "54.2"
                                             << "~31st";
    }
    void raisedStandardMovesSteps() {
        QFETCH(uint, bonus);
        QFETCH(uint, load);
        QFETCH(QString, speed);
        QFETCH(QString, rank);
        Loadout l = selectVt(0);
        l.Part2StandardBonus = bonus;
        l.Part2MaximumBonus = bonus;
        carry(l, load, {0, 0, 0});
        QCOMPARE(l.TurnSpeedText, speed);
        QCOMPARE(l.TurnRankText, rank);
    }

    void mmLaunch() {
        Loadout l = selectVt(ProminenceM2);
        QCOMPARE(l.TurnSpeedText, QStringLiteral("40.3"));
        launchMM(l);
        l.Part1DurabilityBonus = 10;
        RecomputeLoadout(l, {ProminenceM2, 4, 0});
        QVERIFY(l.MMLaunched);
        QCOMPARE(l.TurnSpeedText, QStringLiteral("33"));
        QCOMPARE(l.TurnRankText, QStringLiteral("~23rd"));
        QCOMPARE(l.DurabilityText, QStringLiteral("3300"));
        QCOMPARE(l.DurabilityRankText, QStringLiteral("~16th"));
        // Overload no longer moves the turn speed.
        carry(l, 10, {ProminenceM2, 4, 0});
        QCOMPARE(l.TurnSpeedText, QStringLiteral("33"));
        QCOMPARE(l.TurnRankText, QStringLiteral("~23rd"));
        const LoadoutDisplay d = displayOf(l);
        QCOMPARE(d.ranks[RankTurn].band, std::optional<RankBand>(RankBand::Bottom));
        QCOMPARE(d.ranks[RankDurability].band, std::optional<RankBand>(RankBand::Middle));
        // Choosing the VT again brings back its own figures.
        l = selectVt(ProminenceM2, l);
        QVERIFY(!l.MMLaunched);
        QCOMPARE(l.TurnSpeedText, QStringLiteral("40.3"));
        QCOMPARE(l.TurnRankText, QStringLiteral("31st"));
        QCOMPARE(l.DurabilityText, QStringLiteral("4000"));
        QCOMPARE(l.DurabilityRankText, QStringLiteral("11th*"));
    }

    // Without a valid VT the turn speed keeps its value and nothing fails.
    void noValidVt() {
        Loadout l = selectVt(0);
        chooseVt(l, -1);
        QCOMPARE(l.VTTurnSpeed, 0.0f);
        QCOMPARE(l.LoadStatus, std::int32_t(StatusVtOk));
        const LoadoutDisplay d = displayOf(l);
        // The zero loads of no VT get no verdict, as before any VT was chosen.
        QCOMPARE(d.statusText, QStringLiteral("N/A"));
        QCOMPARE(d.statusTip, QString());
        QCOMPARE(labelText(d, "VTDurabilityLabel"), QStringLiteral("0"));
        QCOMPARE(labelText(d, "VTTurnSpeedLabel"), QStringLiteral("0"));
        QCOMPARE(gauge(d, "TurnGauge"), 55);
    }

    void gaugeValues_data() {
        QTest::addColumn<int>("vt");
        QTest::addColumn<int>("turn");
        QTest::addColumn<int>("supply");
        QTest::addColumn<int>("sortie");
        QTest::newRow("Colt") << 0 << 18 << 400 << 96;
        QTest::newRow("Vortex") << 9 << 19 << 400 << 100;
        QTest::newRow("Earthshaker") << 26 << 36 << 1 << 10;
        QTest::newRow("Sheepdog") << 23 << 40 << 371 << 65;
        QTest::newRow("Prominence M2") << 19 << 15 << 361 << 50;
    }
    void gaugeValues() {
        QFETCH(int, vt);
        QFETCH(int, turn);
        QFETCH(int, supply);
        QFETCH(int, sortie);
        const Loadout l = selectVt(vt);
        QCOMPARE(TurnGaugeValue(l), turn);
        QCOMPARE(SupplyGaugeValue(l), supply);
        QCOMPARE(SortieGaugeValue(l), sortie);
        const LoadoutDisplay d = displayOf(l);
        QCOMPARE(gauge(d, "TurnGauge"), turn);
        QCOMPARE(gauge(d, "SupplyPointGauge"), supply);
        QCOMPARE(gauge(d, "SortieCostGauge"), sortie);
    }

    // A rank names its position and the VTs sharing it, or why it is an
    // estimate; a bold figure the part and level that raised it, the larger of
    // two bonuses counting; a gauge its percentage, its figure on the scale
    // from empty to full, and which way is better.
    void tips_data() {
        QTest::addColumn<int>("vt");           // -1: typed text after a Colt
        QTest::addColumn<QList<int>>("parts"); // part and level index of slot 1, then of slot 2
        QTest::addColumn<int>("overload");     // load units above the standard load
        QTest::addColumn<bool>("launch");      // the MM
        QTest::addColumn<QString>("component");
        QTest::addColumn<QString>("tip");
        const auto row = [](const char* name, int vt, QList<int> parts, int overload, bool launch,
                            const char* component, const char* tip) {
            QTest::newRow(name) << vt << parts << overload << launch << component << tip;
        };
        const int m2 = ProminenceM2;
        row("rank shared, marked", 12, {}, 0, false, "StandardRankLabel",
            "16th of 31 VTs, shared with Scareface and Rapier.");
        row("rank shared, unmarked", 0, {}, 0, false, "StandardRankLabel",
            "22nd of 31 VTs, shared with Decider Volcanic, Scareface A1, Blade and Prominence M3.");
        row("rank alone", 26, {}, 0, false, "DurabilityRankLabel", "1st of 31 VTs.");
        row("rank without a VT", -1, {}, 0, false, "StandardRankLabel", "22nd of 31 VTs.");
        row("turn rank under overload", 12, {}, 3, false, "TurnRankLabel",
            "~23rd: estimated, as the turn slows under overload.");
        row("turn rank after the MM launch", m2, {}, 2, true, "TurnRankLabel",
            "~23rd: estimated after the MM launch.");
        row("durability rank after the MM launch", m2, {}, 0, true, "DurabilityRankLabel",
            "~16th: estimated after the MM launch.");
        row("standard load", 12, {PartAdvancedMount, 1, 0, -1}, 0, false, "VTStandardLoadLabel",
            "Standard load 15 + 4 from Advanced Mount Level 2.");
        row("the larger maximum bonus", 12, {PartAdditionalMount, 0, PartAdditionalMount, 2}, 0,
            false, "VTMaximumLoadLabel", "Maximum load 18 + 6 from Additional Mount Level 3.");
        row("balancer in slot 2", 0, {0, -1, PartAdvancedBalancer, 1}, 0, false,
            "VTBalancerRatingLabel", "Balancer rating 16 + 20% from Advanced Balancer Level 2.");
        row("durability", 26, {PartMechanicalUnit, 2, 0, -1}, 0, false, "VTDurabilityLabel",
            "Durability 15000 + 30% from Mechanical Unit Level 3.");
        row("not raised", 0, {PartPowerCell, 0, 0, -1}, 0, false, "VTStandardLoadLabel", "");
        row("turn gauge", 12, {}, 0, false, "TurnGauge",
            "Turn: 64%; 24.2 seconds on a scale of 40 to 15; a shorter turn time scores higher.");
        row("turn gauge beyond its scale", m2, {}, 0, false, "TurnGauge",
            "Turn: 0%; 40.3 seconds on a scale of 40 to 15; a shorter turn time scores higher.");
        row("supply gauge", 12, {}, 0, false, "SupplyPointGauge",
            "Supply Cost: 93%; 26000 supply points on a scale of 400000 to 1000; a cheaper VT "
            "scores higher.");
    }
    void tips() {
        QFETCH(int, vt);
        QFETCH(QList<int>, parts);
        QFETCH(int, overload);
        QFETCH(bool, launch);
        QFETCH(QString, component);
        QFETCH(QString, tip);
        Loadout l = selectVt(std::max(vt, 0));
        if (vt < 0)
            chooseVt(l, -1);
        parts.resize(4, PartUnarmed);
        fitPart(l, 1, parts[0], parts[1]);
        fitPart(l, 2, parts[2], parts[3]);
        if (launch)
            launchMM(l);
        carry(l, l.VTStandardLoad + std::uint32_t(overload), {vt, parts[0], parts[2]});
        QCOMPARE(tipOf(displayOf(l), component), tip);
    }

    // Right after choosing each VT: its own figures, no bold, coloured ranks.
    void freshSelection_data() {
        QTest::addColumn<int>("vt");
        for (int vt = 0; vt < VtCount; ++vt)
            QTest::addRow("%d %s", vt, vtEntry(vt).selectorName.data()) << vt;
    }
    void freshSelection() {
        QFETCH(int, vt);
        const auto& e = vtEntry(vt);
        const Loadout l = selectVt(vt);
        const LoadoutDisplay d = displayOf(l);
        QCOMPARE(d.statusText, QStringLiteral("VT OK"));
        QCOMPARE(labelText(d, "TotalLoadLabel"), QStringLiteral("0"));
        QCOMPARE(labelText(d, "VTStandardLoadLabel"), QString::number(e.standardLoad));
        QCOMPARE(labelText(d, "VTMaximumLoadLabel"), QString::number(e.maximumLoad));
        QCOMPARE(labelText(d, "VTMaximumSpeedLabel"), vantor::floatText(e.maximumSpeed));
        QCOMPARE(labelText(d, "VTTorqueRatingLabel"), vantor::floatText(e.torque));
        QCOMPARE(labelText(d, "VTFuelEfficiencyLabel"), vantor::floatText(e.fuelEfficiency));
        QCOMPARE(labelText(d, "VTAvailabilityLabel"), QString::fromLatin1(e.availability));
        QCOMPARE(labelText(d, "VTSupplyPointCostLabel"), QString::number(e.supplyPointCost));
        QCOMPARE(labelText(d, "VTSortiePointCostLabel"), QString::number(e.sortiePointCost));
        for (std::size_t i = 0; i < d.bold.size(); ++i)
            QVERIFY2(!d.bold[i].bold, ValueLabelNames[BoldValues[i]].data());
        for (int i = 0; i < RankCount; ++i) {
            QCOMPARE(d.ranks[i].text, QString::fromLatin1(e.ranks[i]));
            QVERIFY(d.ranks[i].band.has_value());
        }
        QCOMPARE(gauge(d, "SpeedGauge"), int(e.maximumSpeed));
        QCOMPARE(gauge(d, "TorqueGauge"), int(e.torque));
        QCOMPARE(gauge(d, "FuelGauge"), int(e.fuelEfficiency));
        // A second recomputation changes nothing.
        Loadout again = l;
        RecomputeLoadout(again, {vt, 0, 0});
        QCOMPARE(again.TurnSpeedText, l.TurnSpeedText);
        QCOMPARE(again.BalancerText, l.BalancerText);
        QCOMPARE(again.LoadStatus, l.LoadStatus);
    }

    // A second VT after a fully equipped first one keeps no trace of it.
    void reselectionLeavesNoTrace() {
        Loadout l = selectVt(19);
        l.FuelTankLoad = 4;
        l.MainWeapon1Load = l.MainWeapon2Load = 3;
        SumMainWeaponLoad(l);
        l.SubWeapon3Load = 2;
        SumSubWeaponLoad(l);
        l.Part1StandardBonus = 2;
        l.Part2MaximumBonus = 3;
        l.Part1BalancerBonus = l.Part2DurabilityBonus = l.Part1VeeringBonus = 20;
        l.MW1RangeMax = l.SW3RangeMin = 100;
        l.SW1Mount = l.SW3Mount = true;
        l.MainWeaponListLoad[3] = 5;
        l.SubWeaponListMount[4] = 1;
        l.MainWeaponListCount = 7;
        l.AdvancedOpen = true;
        l.SW2ReportText = QStringLiteral("MM");
        launchMM(l);
        RecomputeLoadout(l, {19, 3, 4});

        resetForVtSelection(l);
        QCOMPARE(l.TotalLoad, 0u);
        QCOMPARE(l.FuelTankLoad, 0u);
        QCOMPARE(l.MainWeaponLoad, 0u);
        QCOMPARE(l.MainWeapon2Load, 0u);
        QCOMPARE(l.SubWeaponLoad, 0u);
        QCOMPARE(l.SubWeapon3Load, 0u);
        QCOMPARE(l.OptionalPartsStandardBonus, 0u);
        QCOMPARE(l.Part2MaximumBonus, 0u);
        QCOMPARE(l.Part1BalancerBonus, 0.0f);
        QCOMPARE(l.Part2DurabilityBonus, 0.0f);
        QCOMPARE(l.MW1RangeMax, 0);
        QCOMPARE(l.SW3RangeMin, 0);
        QCOMPARE(l.MainWeaponListCount, 0u);
        QVERIFY(!l.FixedSW1 && !l.FixedSW2 && !l.SW1Mount && !l.SW3Mount && !l.MMLaunched);
        QCOMPARE(l.BalancerText, QStringLiteral("0"));
        QCOMPARE(l.DurabilityText, QStringLiteral("0"));
        QCOMPARE(l.VeeringText, QStringLiteral("0"));
        QCOMPARE(l.VTReportText, QStringLiteral("Unselected"));
        QCOMPARE(l.FuelReportText, QStringLiteral("Unselected"));
        QCOMPARE(l.SW2ReportText, QStringLiteral("Unarmed"));
        QCOMPARE(l.Part1ReportText, QStringLiteral("Unarmed"));
        // Kept: the advanced area, the costs and the rank texts.
        QVERIFY(l.AdvancedOpen);
        QCOMPARE(l.SupplyPointCost, 40000u);
        QCOMPARE(l.TurnRankText, QStringLiteral("~23rd"));
        QCOMPARE(l.MainWeaponListLoad[3], 5u); // columns go with the selectors

        clearWeaponColumns(l);
        QCOMPARE(l.MainWeaponListLoad[3], 0u);
        QCOMPARE(l.SubWeaponListMount[4], 0u);

        l = selectVt(0, l);
        QCOMPARE(l.TurnRankText, QStringLiteral("28th"));
        QCOMPARE(l.VTDurability, 1900.0f);
        QCOMPARE(l.AvailabilityText, QStringLiteral("Turn 3"));
        QCOMPARE(l.StandardLoad, 12u);
        QCOMPARE(l.MaximumLoad, 15u);
        QCOMPARE(displayOf(l).statusText, QStringLiteral("VT OK"));
    }
};

QTEST_MAIN(TestModel)
#include "tst_model.moc"

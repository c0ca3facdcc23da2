// Range chart geometry against the chart's worked examples, and the outline
// as drawn into a picture.

#include "model/VtCatalogue.h"
#include "rangechart/ComparedRanges.h"
#include "rangechart/DistanceModifiers.h"
#include "rangechart/RangeChart.h"

#include <QImage>
#include <QTest>

using namespace vantor;

namespace {

constexpr int Behemoth = 10;
constexpr int Macabre = 16;
constexpr int Siegesug = 24;

// Every pixel that a 2-pixel pen along the segment may touch.
QRect reach(const OutlineSegment& s) {
    return QRect(s.from, s.to).normalized().adjusted(-2, -2, 2, 2);
}

QRgb background(int x, int y) {
    return qRgb(x % 256, y, 200);
}

const QStringList SlotNames{"MW1", "MW2", "MW3", "SW1", "SW2", "SW3"};

// A loadout as the range chart holds it, from {"Garpike", "MW1 430-SB 0-1200",
// "SW2 Unarmed"...}: the VT ("" for none, "+AA" after it for Advanced Armour),
// then the slots that hold anything; the rest are slots the VT lacks.
LoadoutRanges ranges(const QStringList& items) {
    LoadoutRanges l;
    QString vt = items.value(0);
    l.advancedArmour = vt.endsWith(" +AA");
    vt.chop(l.advancedArmour ? 4 : 0);
    for (int i = 0; i < VtCount; ++i)
        if (DistanceModifiers[i].vt == vt.toStdString())
            l.vt = i;
    for (const QString& item : items.mid(1)) {
        const QStringList parts = item.split(' ');
        SlotRange& slot = l.weapons[SlotNames.indexOf(parts[0])];
        slot.weapon = parts[1];
        if (parts.size() > 2) {
            slot.min = parts[2].section('-', 0, 0).toInt();
            slot.max = parts[2].section('-', 1, 1).toInt();
        }
    }
    return l;
}

std::optional<LoadoutRanges> pinnedRanges(const QStringList& items) {
    return items.isEmpty() ? std::nullopt : std::optional(ranges(items));
}

const QStringList Pinned{"Garpike", "MW1 430-SB 0-1200", "MW2 Unarmed", "SW1 SL-GM 200-800",
                         "SW2 Unarmed"};
const QStringList Current{"Behemoth", "MW1 355-SB 0-1000", "SW1 GND 20-200", "SW2 Unarmed"};

} // namespace

class TestRangeChart : public QObject {
    Q_OBJECT

private slots:
    void tableFollowsCatalogue_data();
    void tableFollowsCatalogue();
    void chartX_data();
    void chartX();
    void rangeBar_data();
    void rangeBar();
    void barsStayApart();
    void comparedLayout_data();
    void comparedLayout();
    void markerText_data();
    void markerText();
    void outline_data();
    void outline();
    void outlineIsClosed_data();
    void outlineIsClosed();
    void labels_data();
    void labels();
    void drawnOutline_data();
    void drawnOutline();
};

void TestRangeChart::tableFollowsCatalogue_data() {
    QTest::addColumn<int>("vt");
    for (int vt = 0; vt < VtCount; ++vt)
        QTest::addRow("%d %s", vt, vtEntry(vt).selectorName.data()) << vt;
}

void TestRangeChart::tableFollowsCatalogue() {
    QFETCH(int, vt);
    QCOMPARE(DistanceModifiers[vt].vt, vtEntry(vt).selectorName);
    const DistanceModifier& m = DistanceModifiers[vt];
    QVERIFY(m.front >= 0 && m.side >= 0 && m.rear >= 0 && m.shield >= 0);
}

void TestRangeChart::chartX_data() {
    QTest::addColumn<int>("metres");
    QTest::addColumn<int>("x");
    // The scale marks printed on the picture.
    QTest::newRow("0") << 0 << 68;
    QTest::newRow("500") << 500 << 139;
    QTest::newRow("1k") << 1000 << 210;
    QTest::newRow("1500") << 1500 << 282;
    QTest::newRow("2k") << 2000 << 353;
    QTest::newRow("2500") << 2500 << 425;
    // The remainder is dropped.
    QTest::newRow("6 rounds down") << 6 << 68;
    QTest::newRow("7") << 7 << 69;
    QTest::newRow("13 rounds down") << 13 << 69;
    QTest::newRow("end of the compared axis") << 3000 << 496;
}

// The comparison's axis keeps the scale, shifted right of its labels; a
// distance read back from a pixel is that pixel's first metre.
void TestRangeChart::chartX() {
    QFETCH(int, metres);
    QFETCH(int, x);
    QCOMPARE(vantor::chartX(metres), x);
    const ComparedLayout compared = compareRanges(std::nullopt, {}, 50, 15);
    QCOMPARE(compared.zeroX, 62);
    QCOMPARE(compared.xOf(metres), x - ChartOriginX + 62);
    QCOMPARE(compared.metresAt(compared.xOf(metres)), metres - metres % ChartMetresPerPixel);
    QCOMPARE(compared.metresAt(compared.zeroX - 10), 0);
    QCOMPARE(compared.metresAt(compared.xOf(3000) + 30), 3000);
}

void TestRangeChart::rangeBar_data() {
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("row");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("AVTM") << 0 << 30 << 66 << QRect(68, 66, 4, 4);
    QTest::newRow("370-SR") << 800 << 2500 << 66 << QRect(182, 66, 243, 4);
    QTest::newRow("320-SR") << 1100 << 2200 << 17 << QRect(225, 17, 382 - 225, 4);
    QTest::newRow("nothing mounted") << 0 << 0 << 115 << QRect(68, 115, 0, 4);
    QTest::newRow("GND") << 20 << 200 << 81 << QRect(70, 81, 96 - 70, 4);
}

void TestRangeChart::rangeBar() {
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, row);
    QFETCH(QRect, expected);
    const BarGeometry bar = vantor::rangeBar(min, max, row);
    QCOMPARE(bar.left, expected.left());
    QCOMPARE(bar.top, expected.top());
    QCOMPARE(bar.width, expected.width());
    QCOMPARE(bar.height, expected.height());
}

void TestRangeChart::barsStayApart() {
    QCOMPARE(RangeBars[BarMW1].row, 17);
    QCOMPARE(RangeBars[BarCompare].row, 66);
    QCOMPARE(RangeBars[BarSW3].row, 115);
    for (std::size_t i = 1; i < RangeBars.size(); ++i)
        QVERIFY(RangeBars[i].row >= RangeBars[i - 1].row + BarHeight);
    QVERIFY(RangeBars.back().row + BarHeight <= ChartHeight);
}

// Labels 50 pixels wide and lines 15 high: 0 m at x = 62, the first line at
// y = 25, each bar 8 high in the middle of its line, 4 pixels between slots.
void TestRangeChart::comparedLayout_data() {
    QTest::addColumn<QStringList>("pinned");
    QTest::addColumn<QStringList>("current");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("described");
    QTest::newRow("both armed, unarmed beside armed, empty and unarmed slots left out")
        << Pinned << Current
        << QStringList{"MW1 pinned 430-SB 62,28 171x8 #800000",
                       "MW1 current 355-SB 62,43 142x8 #800000",
                       "SW1 pinned SL-GM 90,62 86x8 #800080", "SW1 current GND 64,77 26x8 #800080"}
        << "Pinned: 430-SB 0 to 1200 m, SL-GM 200 to 800 m. Current: 355-SB 0 to 1000 m, GND 20 "
           "to 200 m.";
    QTest::newRow("a weapon on one side only")
        << QStringList{"Colt", "MW2 Unarmed", "SW3 GAUSS 0-2000"}
        << QStringList{"Colt", "MW2 370-SR 800-2500", "SW3 Unarmed"}
        << QStringList{"MW2 pinned Unarmed", "MW2 current 370-SR 176,43 243x8 #808000",
                       "SW3 pinned GAUSS 62,62 285x8 #008080", "SW3 current Unarmed"}
        << "Pinned: GAUSS 0 to 2000 m. Current: 370-SR 800 to 2500 m.";
    QTest::newRow("nothing pinned") << QStringList() << Current
                                    << QStringList{"MW1 current 355-SB 62,28 142x8 #800000",
                                                   "SW1 current GND 64,47 26x8 #800080"}
                                    << "Current: 355-SB 0 to 1000 m, GND 20 to 200 m.";
    QTest::newRow("no weapon") << QStringList{"", "MW1 Unarmed"} << QStringList{"Colt"}
                               << QStringList() << "Pinned: no weapon. Current: no weapon.";
    QTest::newRow("a range of nothing is no weapon")
        << QStringList() << QStringList{"Colt", "MW3 X 0-0", "SW2 AVTM 0-30"}
        << QStringList{"SW2 current AVTM 62,28 4x8 #00ff00"} << "Current: AVTM 0 to 30 m.";
}

void TestRangeChart::comparedLayout() {
    QFETCH(QStringList, pinned);
    QFETCH(QStringList, current);
    QFETCH(QStringList, lines);
    QFETCH(QString, described);
    const ComparedLayout layout = compareRanges(pinnedRanges(pinned), ranges(current), 50, 15);
    QStringList shown;
    for (const ComparedLine& line : layout.lines) {
        QString text =
            QStringLiteral("%1 %2 %3")
                .arg(SlotNames[line.slot], line.pinned ? "pinned" : "current", line.label);
        if (line.bar)
            text += QStringLiteral(" %1,%2 %3x%4 %5")
                        .arg(line.bar->left())
                        .arg(line.bar->top())
                        .arg(line.bar->width())
                        .arg(line.bar->height())
                        .arg(QColor::fromRgb(line.colour).name());
        shown << text;
        QCOMPARE(line.labelRect,
                 QRect(6, line.bar ? line.bar->top() - 3 : line.labelRect.top(), 50, 15));
    }
    QCOMPARE(shown, lines);
    QCOMPARE(describeRanges(pinnedRanges(pinned), ranges(current)), described);
    // Everything lies above the axis and inside the chart, the legend above the lines.
    const int last = layout.lines.isEmpty() ? layout.top : layout.lines.back().labelRect.bottom();
    QCOMPARE(layout.bottom, layout.lines.isEmpty() ? layout.top + 15 : last + 1 + 4);
    QVERIFY(layout.pinnedKey.bottom() < layout.top &&
            layout.currentKey.left() > layout.pinnedKey.right());
    QCOMPARE(layout.ticks.size(), 7);
    QCOMPARE(layout.ticks.back().text, QStringLiteral("3000 m"));
    QVERIFY(
        QRect(QPoint(), layout.size).contains(QRect(layout.ticks.back().x, layout.bottom, 20, 15)));
}

// The marker at a distance: what reaches it on each side, both ends of a band
// included, and the front modifiers with Advanced Armour's 200 m.
void TestRangeChart::markerText_data() {
    QTest::addColumn<QStringList>("pinned");
    QTest::addColumn<QStringList>("current");
    QTest::addColumn<int>("metres");
    QTest::addColumn<QString>("expected");
    const QString armour = " Armour distance modifiers: pinned front 200 m, current front 300 m.";
    QTest::newRow("inside bands")
        << Pinned << Current << 800
        << "At 800 m: pinned 430-SB, SL-GM; current 355-SB, none of the sub-weapons." + armour;
    QTest::newRow("upper end of a band")
        << Pinned << Current << 1000
        << "At 1000 m: pinned 430-SB, none of the sub-weapons; current 355-SB, none of the "
           "sub-weapons." +
               armour;
    QTest::newRow("past a band") << Pinned << Current << 1001
                                 << "At 1001 m: pinned 430-SB, none of the sub-weapons; current "
                                    "none of its weapons." +
                                        armour;
    QTest::newRow("lower end of a band")
        << Pinned << Current << 20
        << "At 20 m: pinned 430-SB, none of the sub-weapons; current 355-SB, GND." + armour;
    QTest::newRow("short of a band")
        << Pinned << Current << 19
        << "At 19 m: pinned 430-SB, none of the sub-weapons; current 355-SB, none of the "
           "sub-weapons." +
               armour;
    QTest::newRow("beyond every weapon")
        << Pinned << Current << 3000
        << "At 3000 m: pinned none of its weapons; current none of its weapons." + armour;
    QTest::newRow("fixed sub-weapons only, Advanced Armour")
        << QStringList{"Prominence M1 +AA", "MW1 Unarmed", "SW1 RAIL-A 0-1500", "SW2 MM 300-800"}
        << QStringList{"Behemoth +AA", "MW1 Unarmed", "SW1 RAIL-A 0-1500", "SW2 MM 300-800"} << 300
        << "At 300 m: pinned none of the main weapons, RAIL-A, MM; current none of the main "
           "weapons, RAIL-A, MM. Armour distance modifiers: pinned front 300 m, current front "
           "500 m.";
    QTest::newRow("no bonus for the Prominence M2")
        << QStringList() << QStringList{"Prominence M2 +AA", "MW1 PPNG-S 0-2000"} << 0
        << "At 0 m: current PPNG-S, none of the sub-weapons. Armour distance modifiers: current "
           "front 100 m.";
    QTest::newRow("no VT") << QStringList{""} << QStringList{""} << 500
                           << "At 500 m: pinned none of its weapons; current none of its weapons. "
                              "Armour distance modifiers: pinned front 0 m, current front 0 m.";
}

void TestRangeChart::markerText() {
    QFETCH(QStringList, pinned);
    QFETCH(QStringList, current);
    QFETCH(int, metres);
    QFETCH(QString, expected);
    QCOMPARE(vantor::markerText(pinnedRanges(pinned), ranges(current), metres), expected);
}

void TestRangeChart::outline_data() {
    QTest::addColumn<int>("vt");
    QTest::addColumn<bool>("armour");
    QTest::addColumn<int>("front");
    QTest::addColumn<bool>("bonus");
    QTest::addColumn<int>("xF");
    QTest::addColumn<int>("yT");
    QTest::addColumn<int>("yB");
    QTest::addColumn<int>("xR");
    QTest::addColumn<int>("xH"); // 0: no shield

    QTest::newRow("Behemoth") << Behemoth << false << 300 << false << 110 << 45 << 90 << 38 << 0;
    QTest::newRow("Behemoth armour")
        << Behemoth << true << 500 << true << 139 << 45 << 90 << 38 << 0;
    QTest::newRow("Prominence M2")
        << ProminenceM2 << false << 100 << false << 82 << 59 << 76 << 52 << 0;
    QTest::newRow("Prominence M2 armour")
        << ProminenceM2 << true << 100 << false << 82 << 59 << 76 << 52 << 0;
    QTest::newRow("Prominence M3 armour")
        << ProminenceM3 << true << 350 << true << 118 << 52 << 83 << 45 << 0;
    QTest::newRow("Macabre") << Macabre << false << 250 << false << 103 << 52 << 83 << 45 << 139;
    QTest::newRow("Macabre armour")
        << Macabre << true << 450 << true << 132 << 52 << 83 << 45 << 139;
    QTest::newRow("Siegesug") << Siegesug << false << 200 << false << 96 << 52 << 83 << 52 << 139;
    QTest::newRow("Scareface A1 side only")
        << 7 << false << 0 << false << 68 << 56 << 80 << 52 << 0;
    QTest::newRow("no VT") << -1 << false << 0 << false << 68 << 59 << 76 << 52 << 0;
    QTest::newRow("past the catalogue")
        << VtCount << false << 0 << false << 68 << 59 << 76 << 52 << 0;
}

void TestRangeChart::outline() {
    QFETCH(int, vt);
    QFETCH(bool, armour);
    QFETCH(int, front);
    QFETCH(bool, bonus);
    QFETCH(int, xF);
    QFETCH(int, yT);
    QFETCH(int, yB);
    QFETCH(int, xR);
    QFETCH(int, xH);
    const ModifierOutline o = distanceModifierOutline(vt, armour);
    QCOMPARE(o.front, front);
    QCOMPARE(o.armourBonus, bonus);
    QCOMPARE(o.xF, xF);
    QCOMPARE(o.yT, yT);
    QCOMPARE(o.yB, yB);
    QCOMPARE(o.xR, xR);
    QCOMPARE(o.shield != 0, xH != 0);
    if (xH != 0)
        QCOMPARE(o.xH, xH);

    QCOMPARE(o.segments.size(), xH != 0 ? 7 : 4);
    QCOMPARE(o.segments[0].from, QPoint(xF, yT));
    QCOMPARE(o.segments[0].to, QPoint(xF, yB));
    QCOMPARE(o.segments[0].colour, bonus ? ModifierMagenta : ModifierRed);
    for (int i = 1; i < 4; ++i)
        QCOMPARE(o.segments[i].colour, ModifierRed);
    for (int i = 4; i < o.segments.size(); ++i)
        QCOMPARE(o.segments[i].colour, ModifierMagenta);
}

void TestRangeChart::outlineIsClosed_data() {
    QTest::addColumn<int>("vt");
    QTest::addColumn<bool>("armour");
    QTest::newRow("Behemoth") << Behemoth << false;
    QTest::newRow("Macabre armour") << Macabre << true;
    QTest::newRow("no VT") << -1 << false;
}

void TestRangeChart::outlineIsClosed() {
    QFETCH(int, vt);
    QFETCH(bool, armour);
    const ModifierOutline o = distanceModifierOutline(vt, armour);
    // The box closes on its first corner; the shield leaves from the box's
    // top front corner and comes back to its bottom front corner.
    for (int i = 1; i < 4; ++i)
        QCOMPARE(o.segments[i].from, o.segments[i - 1].to);
    QCOMPARE(o.segments[3].to, o.segments[0].from);
    if (o.segments.size() == 7) {
        QCOMPARE(o.segments[4].from, QPoint(o.xF, o.yT));
        QCOMPARE(o.segments[5].from, o.segments[4].to);
        QCOMPARE(o.segments[6].from, o.segments[5].to);
        QCOMPARE(o.segments[6].to, QPoint(o.xF, o.yB));
    }
}

void TestRangeChart::labels_data() {
    QTest::addColumn<int>("vt");
    QTest::addColumn<bool>("armour");
    QTest::addColumn<QSize>("frontSize");
    QTest::addColumn<QString>("frontText");
    QTest::addColumn<QPoint>("frontAt");
    QTest::addColumn<QRgb>("frontColour");
    QTest::addColumn<QPoint>("sideAt");
    QTest::addColumn<QPoint>("rearAt");
    QTest::addColumn<QPoint>("shieldAt"); // null: no shield label

    const QSize text(20, 13); // side, rear and shield labels
    QTest::newRow("Behemoth") << Behemoth << false << QSize(20, 13) << "300" << QPoint(115, 62)
                              << ModifierRed << QPoint(56, 45 - 13 - 5)
                              << QPoint(33 - text.width(), 62) << QPoint();
    QTest::newRow("Behemoth armour")
        << Behemoth << true << QSize(20, 13) << "500" << QPoint(144, 62) << ModifierMagenta
        << QPoint(56, 27) << QPoint(13, 62) << QPoint();
    QTest::newRow("Prominence M2 armour")
        << ProminenceM2 << true << QSize(20, 13) << "100" << QPoint(87, 62) << ModifierRed
        << QPoint(56, 41) << QPoint(27, 62) << QPoint();
    // The rear label follows the front label's height, not its own.
    QTest::newRow("tall front label")
        << Behemoth << false << QSize(20, 20) << "300" << QPoint(115, 58) << ModifierRed
        << QPoint(56, 27) << QPoint(13, 58) << QPoint();
    QTest::newRow("Macabre") << Macabre << false << QSize(20, 13) << "250" << QPoint(108, 62)
                             << ModifierRed << QPoint(56, 34) << QPoint(20, 62) << QPoint(144, 62);
    QTest::newRow("Macabre armour overlaps")
        << Macabre << true << QSize(20, 13) << "450" << QPoint(137, 62) << ModifierMagenta
        << QPoint(56, 34) << QPoint(20, 62) << QPoint(137 + 20 + 5, 62);
    QTest::newRow("Macabre armour just touching")
        << Macabre << true << QSize(7, 13) << "450" << QPoint(137, 62) << ModifierMagenta
        << QPoint(56, 34) << QPoint(20, 62) << QPoint(144, 62);
    QTest::newRow("Macabre armour one pixel over")
        << Macabre << true << QSize(8, 13) << "450" << QPoint(137, 62) << ModifierMagenta
        << QPoint(56, 34) << QPoint(20, 62) << QPoint(150, 62);
    QTest::newRow("no VT") << -1 << false << QSize(8, 13) << "0" << QPoint(73, 62) << ModifierRed
                           << QPoint(56, 41) << QPoint(27, 62) << QPoint();
}

void TestRangeChart::labels() {
    QFETCH(int, vt);
    QFETCH(bool, armour);
    QFETCH(QSize, frontSize);
    QFETCH(QString, frontText);
    QFETCH(QPoint, frontAt);
    QFETCH(QRgb, frontColour);
    QFETCH(QPoint, sideAt);
    QFETCH(QPoint, rearAt);
    QFETCH(QPoint, shieldAt);
    const ModifierOutline o = distanceModifierOutline(vt, armour);
    const QSize text(20, 13);
    const ModifierLabels l = placeModifierLabels(o, frontSize, text, text, text);

    QCOMPARE(l.front.text, frontText);
    QCOMPARE(l.front.topLeft, frontAt);
    QCOMPARE(l.front.colour, frontColour);
    QVERIFY(l.front.visible);
    QCOMPARE(l.side.text, QString::number(o.side));
    QCOMPARE(l.side.topLeft, sideAt);
    QCOMPARE(l.side.colour, ModifierRed);
    QCOMPARE(l.rear.text, QString::number(o.rear));
    QCOMPARE(l.rear.topLeft, rearAt);
    QCOMPARE(l.rear.colour, ModifierRed);
    QCOMPARE(l.shield.visible, !shieldAt.isNull());
    if (l.shield.visible) {
        QCOMPARE(l.shield.text, QString("500"));
        QCOMPARE(l.shield.topLeft, shieldAt);
        QCOMPARE(l.shield.colour, ModifierMagenta);
    }
    // The texts alone, as the window needs them to size its labels, agree.
    const ModifierLabels texts = modifierLabelTexts(o);
    QCOMPARE(texts.front.text, l.front.text);
    QCOMPARE(texts.shield.visible, l.shield.visible);
}

void TestRangeChart::drawnOutline_data() {
    QTest::addColumn<int>("vt");
    QTest::addColumn<bool>("armour");
    QTest::newRow("Behemoth") << Behemoth << false;
    QTest::newRow("Behemoth armour") << Behemoth << true;
    QTest::newRow("Macabre") << Macabre << false;
    QTest::newRow("Macabre armour") << Macabre << true;
    QTest::newRow("no VT") << -1 << false;
}

void TestRangeChart::drawnOutline() {
    QFETCH(int, vt);
    QFETCH(bool, armour);
    const ModifierOutline o = distanceModifierOutline(vt, armour);
    QImage picture(ChartWidth, ChartHeight, QImage::Format_RGB32);
    for (int y = 0; y < ChartHeight; ++y)
        for (int x = 0; x < ChartWidth; ++x)
            picture.setPixel(x, y, background(x, y));

    drawDistanceModifierOutline(picture, o);

    // Each line is there in its colour, sampled halfway along it.
    for (const OutlineSegment& s : o.segments) {
        const QPoint mid = (s.from + s.to) / 2;
        QCOMPARE(QColor(picture.pixel(mid)), QColor(s.colour));
    }
    // The pen is two pixels wide across the line.
    const QPoint frontMid(o.xF, (o.yT + o.yB) / 2);
    QCOMPARE(QColor(picture.pixel(frontMid - QPoint(1, 0))), QColor(o.segments[0].colour));
    // Nothing away from the lines changed.
    int changedNearLines = 0;
    for (int y = 0; y < ChartHeight; ++y) {
        for (int x = 0; x < ChartWidth; ++x) {
            const QPoint p(x, y);
            bool nearLine = false;
            for (const OutlineSegment& s : o.segments)
                nearLine = nearLine || reach(s).contains(p);
            if (nearLine) {
                changedNearLines += picture.pixel(p) != background(x, y);
                continue;
            }
            if (picture.pixel(p) != background(x, y))
                QFAIL(qPrintable(QString("pixel (%1, %2) changed").arg(x).arg(y)));
        }
    }
    QVERIFY(changedNearLines > 0);
}

QTEST_MAIN(TestRangeChart)
#include "tst_rangechart.moc"

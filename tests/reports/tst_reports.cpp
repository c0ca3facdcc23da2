// The HTML page and the forum code, checked line by line against pages
// written out by hand; and the loadout's picture, where its status and its
// range bars lie.

#include "model/VtCatalogue.h"
#include "reports/LoadoutPicture.h"
#include "reports/Reports.h"
#include "reports/WebAddresses.h"

#include <QTest>

using namespace vantor;

namespace {

// The loadout of the worked example: Decider (index 2) with the local picture,
// one fuel tank, Advanced Mount at level 2 in part slot 1, 270-RI in main
// slot 1, everything else untouched, status "VT OK".
Loadout deciderLoadout(bool internet = false) {
    Loadout l;
    const PictureSource source{internet, 2};
    ResetReport(l, source);
    SetVTReport(l, QStringLiteral("Decider"), source);
    SetFuelReport(l, QStringLiteral("1"));
    l.Part1LevelText = QStringLiteral("2");
    SetPartReport(l, 1, QStringLiteral("Advanced Mount"), true);
    SetMainWeaponReport(l, 1, QStringLiteral("270-RI"));
    l.LoadStatus = StatusVtOk;
    return l;
}

const QStringList DeciderPage = {
    "<html>",
    "<head>",
    "<title>Vantor - VT Configuration</title>",
    "</head>",
    "",
    "<body>",
    "",
    "<table width=\"648\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\">",
    "",
    "\t<tr>",
    "\t\t<td width=\"150\" height=\"25\" align=\"center\" "
    "valign=\"middle\"><strong>VT</strong></td>",
    "\t\t<td width=\"250\" height=\"25\" align=\"center\" valign=\"middle\">Decider</td>",
    "\t\t<td width=\"248\" rowspan=\"10\" valign=\"bottom\"><img src=\"Images/2.jpg\" "
    "width=\"248\" height=\"242\"></td>",
    "\t</tr>",
    "\t\t<td width=\"150\" height=\"25\" align=\"center\" valign=\"middle\"><strong>Additional "
    "Fuel Tanks</strong></td>",
    "\t\t<td width=\"250\" height=\"25\" align=\"center\" valign=\"middle\">1</td>",
    "\t</tr>",
    "\t\t<td width=\"150\" height=\"25\" align=\"center\" valign=\"middle\"><strong>Optional Part "
    "1</strong></td>",
    "\t\t<td width=\"250\" height=\"25\" align=\"center\" valign=\"middle\">Advanced Mount Level "
    "2</td>",
    "\t</tr>",
    "\t\t<td width=\"150\" height=\"25\" align=\"center\" valign=\"middle\"><strong>Optional Part "
    "2</strong></td>",
    "\t\t<td width=\"250\" height=\"25\" align=\"center\" valign=\"middle\">Unarmed</td>",
    "\t</tr>",
    "\t\t<td width=\"150\" height=\"25\" align=\"center\" valign=\"middle\"><strong>Main Weapon "
    "1</strong></td>",
    "\t\t<td width=\"250\" height=\"25\" align=\"center\" valign=\"middle\">270-RI</td>",
    "\t</tr>",
    "\t\t<td width=\"150\" height=\"25\" align=\"center\" valign=\"middle\"><strong>Main Weapon "
    "2</strong></td>",
    "\t\t<td width=\"250\" height=\"25\" align=\"center\" valign=\"middle\">Unarmed</td>",
    "\t</tr>",
    "\t\t<td width=\"150\" height=\"25\" align=\"center\" valign=\"middle\"><strong>Main Weapon "
    "3</strong></td>",
    "\t\t<td width=\"250\" height=\"25\" align=\"center\" valign=\"middle\">Unarmed</td>",
    "\t</tr>",
    "\t\t<td width=\"150\" height=\"25\" align=\"center\" valign=\"middle\"><strong>Sub Weapon "
    "1</strong></td>",
    "\t\t<td width=\"250\" height=\"25\" align=\"center\" valign=\"middle\">Unarmed</td>",
    "\t</tr>",
    "\t\t<td width=\"150\" height=\"25\" align=\"center\" valign=\"middle\"><strong>Sub Weapon "
    "2</strong></td>",
    "\t\t<td width=\"250\" height=\"25\" align=\"center\" valign=\"middle\">Unarmed</td>",
    "\t</tr>",
    "\t\t<td width=\"150\" height=\"25\" align=\"center\" valign=\"middle\"><strong>Sub Weapon "
    "3</strong></td>",
    "\t\t<td width=\"250\" height=\"25\" align=\"center\" valign=\"middle\">Unarmed</td>",
    "\t</tr>",
    "</table>",
    "",
    "<table width=\"648\" border=\"1\">",
    "\t<tr>",
    "\t<td width=\"648\" height=\"25\" align=\"center\" valign=\"middle\"><strong>VT "
    "OK</strong></td>",
    "\t</tr>",
    "</table>",
    "</body>",
    "</html>",
};

const QStringList DeciderForum = {
    "[size=18][B]VT:[/B] Decider[/size]",
    "[color=darkred][B]Additional Fuel Tanks:[/B][/color]  1",
    "[color=brown][B]Optional Part 1:[/B][/color]  Advanced Mount Level 2",
    "[color=brown][B]Optional Part 2:[/B][/color]  Unarmed",
    "[color=darkblue][B]Main Weapon 1:[/B][/color]  270-RI",
    "[color=darkblue][B]Main Weapon 2:[/B][/color]  Unarmed",
    "[color=darkblue][B]Main Weapon 3:[/B][/color]  Unarmed",
    "[color=indigo][B]Sub Weapon 1:[/B][/color]  Unarmed",
    "[color=indigo][B]Sub Weapon 2:[/B][/color]  Unarmed",
    "[color=indigo][B]Sub Weapon 3:[/B][/color]  Unarmed",
    "[color=black][B]VT OK[/B][/color]",
};

// Page lines of the value cells, in row order (the VT's name line first).
constexpr int ValueLines[] = {12, 16, 19, 22, 25, 28, 31, 34, 37, 40};
constexpr int PictureLine = 13;
constexpr int StatusLine = 46;

QString valueLine(const QString& text) {
    return "\t\t<td width=\"250\" height=\"25\" align=\"center\" valign=\"middle\">" + text +
           "</td>";
}

QString statusLine(const QString& text) {
    return "\t<td width=\"648\" height=\"25\" align=\"center\" valign=\"middle\"><strong>" + text +
           "</strong></td>";
}

QString pictureLine(const QString& source) {
    return "\t\t<td width=\"248\" rowspan=\"10\" valign=\"bottom\"><img src=\"" + source +
           "\" width=\"248\" height=\"242\"></td>";
}

// How many pixels of `picture` inside `rect` are exactly `colour`.
int pixelsOf(const QImage& picture, const QRect& rect, QRgb colour) {
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            count += picture.pixel(x, y) == colour;
    return count;
}

} // namespace

class TestReports : public QObject {
    Q_OBJECT

private slots:
    void examplePage_data();
    void examplePage();
    void examplePageLineCount();
    void exampleForum_data();
    void exampleForum();
    void defaultsBeforeAnyVt();
    void resetForgetsPreviousVt();
    void statusTexts_data();
    void statusTexts();
    void reportNames_data();
    void reportNames();
    void partRows_data();
    void partRows();
    void slotsOutsideRangeAreIgnored();
    void internetSource();
    void pictureSourceAddress_data();
    void pictureSourceAddress();
    void webAddresses_data();
    void webAddresses();
    void joinCrLf_data();
    void joinCrLf();
    void pictureStatus_data();
    void pictureStatus();
    void pictureRangeBar_data();
    void pictureRangeBar();
    void pictureFileName_data();
    void pictureFileName();
};

void TestReports::examplePage_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("expected");
    for (int i = 0; i < DeciderPage.size(); ++i)
        QTest::addRow("line %02d", i + 1) << i + 1 << DeciderPage[i];
}

void TestReports::examplePage() {
    QFETCH(int, line);
    QFETCH(QString, expected);
    Loadout l = deciderLoadout();
    const QStringList page = htmlPageLines(l);
    QVERIFY(line <= page.size());
    QCOMPARE(page[line - 1], expected);
}

void TestReports::examplePageLineCount() {
    Loadout l = deciderLoadout();
    QCOMPARE(htmlPageLines(l).size(), 50);
}

void TestReports::exampleForum_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("expected");
    for (int i = 0; i < DeciderForum.size(); ++i)
        QTest::addRow("line %02d", i + 1) << i + 1 << DeciderForum[i];
}

void TestReports::exampleForum() {
    QFETCH(int, line);
    QFETCH(QString, expected);
    Loadout l = deciderLoadout();
    BuildForumLines(l);
    const QStringList lines = forumLines(l);
    QCOMPARE(lines.size(), 11);
    QCOMPARE(lines[line - 1], expected);
}

void TestReports::defaultsBeforeAnyVt() {
    Loadout l; // as the window constructs it
    ResetReport(l, {false, -1});
    const QStringList page = htmlPageLines(l);
    QCOMPARE(page.size(), 50);
    QCOMPARE(page[PictureLine - 1], pictureLine("Images/-1.jpg"));
    QCOMPARE(page[StatusLine - 1], statusLine(""));
    QCOMPARE(page[ValueLines[0] - 1], valueLine("Unselected"));
    QCOMPARE(page[ValueLines[1] - 1], valueLine("Unselected"));
    for (int row = 2; row < 10; ++row)
        QCOMPARE(page[ValueLines[row] - 1], valueLine("Unarmed"));

    BuildForumLines(l);
    const QStringList forum = forumLines(l);
    QCOMPARE(forum[0], QString("[size=18][B]VT:[/B] Unselected[/size]"));
    QCOMPARE(forum[1], QString("[color=darkred][B]Additional Fuel Tanks:[/B][/color]  Unselected"));
    for (int line = 2; line < 10; ++line)
        QVERIFY2(forum[line].endsWith("[/B][/color]  Unarmed"), qPrintable(forum[line]));
    QCOMPARE(forum[10], QString("[color=black][B]N/A[/B][/color]"));
}

void TestReports::resetForgetsPreviousVt() {
    Loadout l = deciderLoadout();
    for (int slot = 1; slot <= 3; ++slot) {
        SetMainWeaponReport(l, slot, "MK21-R");
        SetSubWeaponReport(l, slot, "GAUSS");
    }
    l.Part2LevelText = "3";
    SetPartReport(l, 2, "Power Cell", true);

    ResetReport(l, {false, 7});
    Loadout fresh;
    ResetReport(fresh, {false, 7});
    fresh.Part1LevelText = "2";
    fresh.Part2LevelText = "3";
    fresh.LoadStatus = l.LoadStatus;
    QCOMPARE(htmlPageLines(l), htmlPageLines(fresh));
    BuildForumLines(l);
    BuildForumLines(fresh);
    QCOMPARE(forumLines(l), forumLines(fresh));
    // The level texts belong to the part selection and survive the reset.
    QCOMPARE(l.Part1LevelText, QString("2"));
    QCOMPARE(l.Part2ReportText, QString("Unarmed"));
}

void TestReports::statusTexts_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("forum");
    QTest::newRow("0 mount over") << 0 << "MOUNT Over"
                                  << "[color=red][B]MOUNT OVER[/B][/color]";
    QTest::newRow("1 max over") << 1 << "MAX Over"
                                << "[color=red][B]MAX OVER[/B][/color]";
    QTest::newRow("2 std over") << 2 << "STD Over"
                                << "[color=yellow][B]STD OVER[/B][/color]";
    QTest::newRow("3 vt ok") << 3 << "VT OK"
                             << "[color=black][B]VT OK[/B][/color]";
    QTest::newRow("4 none yet") << 4 << ""
                                << "[color=black][B]N/A[/B][/color]";
    QTest::newRow("5 out of range") << 5 << ""
                                    << "[color=black][B]N/A[/B][/color]";
    QTest::newRow("-1 out of range") << -1 << ""
                                     << "[color=black][B]N/A[/B][/color]";
}

void TestReports::statusTexts() {
    QFETCH(int, status);
    QFETCH(QString, html);
    QFETCH(QString, forum);
    QCOMPARE(htmlStatusText(status), html);

    // Generating picks up the status as it is at that moment.
    Loadout l = deciderLoadout();
    l.LoadStatus = status;
    QCOMPARE(htmlPageLines(l)[StatusLine - 1], statusLine(html));
    BuildForumLines(l);
    QCOMPARE(forumLines(l).last(), forum);
    QCOMPARE(forumStatusColour(status) + "[B]" + forumStatusText(status) + "[/B][/color]", forum);
}

void TestReports::reportNames_data() {
    QTest::addColumn<int>("vt");
    QTest::addColumn<QString>("reportName");
    QTest::newRow("Colt Executive") << 1 << "Colt Exective";
    QTest::newRow("m-Vitzh") << 5 << "mVitzh";
    QTest::newRow("Siegesug") << 24 << "Seigesug";
}

void TestReports::reportNames() {
    QFETCH(int, vt);
    QFETCH(QString, reportName);
    const VtEntry& entry = vtEntry(vt);
    QCOMPARE(QString::fromUtf8(entry.reportName), reportName);

    Loadout l;
    const PictureSource source{false, vt};
    ResetReport(l, source);
    SetVTReport(l, QString::fromUtf8(entry.reportName), source);
    const QStringList page = htmlPageLines(l);
    QCOMPARE(page[ValueLines[0] - 1], valueLine(reportName));
    QCOMPARE(page[PictureLine - 1], pictureLine(QString("Images/%1.jpg").arg(vt)));
    BuildForumLines(l);
    QCOMPARE(forumLines(l).first(), "[size=18][B]VT:[/B] " + reportName + "[/size]");
}

void TestReports::partRows_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("level");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("expected");
    QTest::newRow("slot 1 level on") << 1 << "3" << true << "Advanced Armour Level 3";
    QTest::newRow("slot 1 level off") << 1 << "3" << false << "Advanced Armour";
    QTest::newRow("slot 2 level on") << 2 << "1" << true << "Advanced Armour Level 1";
    QTest::newRow("slot 2 level off") << 2 << "1" << false << "Advanced Armour";
    // Enabled before any level was picked: whatever level text is stored.
    QTest::newRow("slot 1 no level yet") << 1 << "" << true << "Advanced Armour Level ";
}

void TestReports::partRows() {
    QFETCH(int, slot);
    QFETCH(QString, level);
    QFETCH(bool, enabled);
    QFETCH(QString, expected);
    Loadout l;
    ResetReport(l, {false, 10});
    // Each slot reads its own level text only.
    l.Part1LevelText = slot == 1 ? level : "9";
    l.Part2LevelText = slot == 2 ? level : "9";
    SetPartReport(l, slot, "Advanced Armour", enabled);

    const QStringList page = htmlPageLines(l);
    const int line = ValueLines[slot + 1];
    const int otherLine = ValueLines[slot == 1 ? 3 : 2];
    QCOMPARE(page[line - 1], valueLine(expected));
    QCOMPARE(page[otherLine - 1], valueLine("Unarmed"));
    QCOMPARE(slot == 1 ? l.Part1ReportText : l.Part2ReportText, expected);
    BuildForumLines(l);
    QCOMPARE(forumLines(l)[slot + 1],
             QString("[color=brown][B]Optional Part %1:[/B][/color]  %2").arg(slot).arg(expected));
}

void TestReports::slotsOutsideRangeAreIgnored() {
    Loadout l = deciderLoadout();
    const QStringList before = htmlPageLines(l);
    SetPartReport(l, 0, "Power Cell", false);
    SetPartReport(l, 3, "Power Cell", false);
    SetMainWeaponReport(l, 0, "GAUSS");
    SetMainWeaponReport(l, 4, "GAUSS");
    SetSubWeaponReport(l, 0, "GAUSS");
    SetSubWeaponReport(l, 4, "GAUSS");
    QCOMPARE(htmlPageLines(l), before);
}

void TestReports::internetSource() {
    Loadout local = deciderLoadout(false);
    Loadout internet = deciderLoadout(true);
    const QStringList a = htmlPageLines(local);
    const QStringList b = htmlPageLines(internet);
    QCOMPARE(b.size(), a.size());
    for (int i = 0; i < a.size(); ++i) {
        if (i == PictureLine - 1)
            QCOMPARE(b[i], pictureLine("http://www.corvane.net/Vantor/Images/2.jpg"));
        else
            QCOMPARE(b[i], a[i]);
    }
}

void TestReports::pictureSourceAddress_data() {
    QTest::addColumn<bool>("internet");
    QTest::addColumn<int>("vt");
    QTest::addColumn<QString>("expected");
    QTest::newRow("local first") << false << 0 << "Images/0.jpg";
    QTest::newRow("local last") << false << 30 << "Images/30.jpg";
    QTest::newRow("local none") << false << -1 << "Images/-1.jpg";
    QTest::newRow("internet") << true << 16 << "http://www.corvane.net/Vantor/Images/16.jpg";
}

void TestReports::pictureSourceAddress() {
    QFETCH(bool, internet);
    QFETCH(int, vt);
    QFETCH(QString, expected);
    QCOMPARE(vantor::pictureSourceAddress({internet, vt}), expected);
}

void TestReports::webAddresses_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("expected");
    QTest::newRow("maker") << makerAddress() << "http://www.corvane.net";
    QTest::newRow("research") << researchAddress() << "http://www.kerrow.net";
    QTest::newRow("fan") << fanAddress() << "http://www.pellum.net";
    QTest::newRow("forum") << fanForumAddress() << "http://www.pellum.net/forum";
}

void TestReports::webAddresses() {
    QFETCH(QString, address);
    QFETCH(QString, expected);
    QCOMPARE(address, expected);
}

void TestReports::joinCrLf_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no lines") << QStringList{} << "";
    QTest::newRow("one empty line") << QStringList{""} << "";
    QTest::newRow("one line") << QStringList{"VT OK"} << "VT OK";
    QTest::newRow("empty line inside") << QStringList{"a", "", "\tb"} << "a\r\n\r\n\tb";
    QTest::newRow("trailing empty line") << QStringList{"a", ""} << "a\r\n";
}

void TestReports::joinCrLf() {
    QFETCH(QStringList, lines);
    QFETCH(QString, expected);
    QCOMPARE(vantor::joinCrLf(lines), expected);
}

// The status in its colour on the title line, whatever the others' colours,
// and the VT's picture in its place.
void TestReports::pictureStatus_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<bool>("withVtPicture");
    QTest::addColumn<QRgb>("plate"); // dark behind a light colour, light behind the others
    QTest::newRow("mount over") << int(StatusMountOver) << qRgb(255, 0, 0) << true
                                << qRgb(236, 236, 236);
    QTest::newRow("max over") << int(StatusMaxOver) << qRgb(255, 0, 0) << false
                              << qRgb(236, 236, 236);
    QTest::newRow("std over") << int(StatusStdOver) << qRgb(255, 255, 0) << true
                              << qRgb(64, 64, 64);
    QTest::newRow("VT OK") << int(StatusVtOk) << qRgb(0, 0, 0) << true << qRgb(236, 236, 236);
}

void TestReports::pictureStatus() {
    QFETCH(int, status);
    QFETCH(QRgb, colour);
    QFETCH(bool, withVtPicture);
    Loadout l = deciderLoadout();
    l.VTIndex = 2;
    l.LoadStatus = status;
    QImage vt;
    const QRgb vtColour = qRgb(10, 200, 30);
    if (withVtPicture) {
        vt = QImage(248, 242, QImage::Format_RGB32);
        vt.fill(vtColour);
    }
    const QImage picture = loadoutPicture(l, vt);
    QCOMPARE(picture.size(), LoadoutPictureSize);
    QVERIFY2(pixelsOf(picture, PictureStatusRect, colour) > 30, "the status is not in its colour");
    for (const QRgb other : {qRgb(255, 0, 0), qRgb(255, 255, 0), qRgb(0, 0, 0)})
        if (other != colour)
            QCOMPARE(pixelsOf(picture, PictureStatusRect, other), 0);
    QCOMPARE(picture.pixel(PictureVtRect.center()), withVtPicture ? vtColour : qRgb(255, 255, 255));
    // The plate behind the words, at its left end where no letter reaches.
    QFETCH(QRgb, plate);
    QCOMPARE(picture.pixel(PictureStatusRect.left() + 6, PictureStatusRect.center().y()), plate);
    // Its words are the status's own: every other status reads differently.
    const QImage words = picture.copy(PictureStatusRect);
    for (int other : {StatusVtOk, StatusStdOver, StatusMaxOver, StatusMountOver})
        if (other != status) {
            l.LoadStatus = other;
            QVERIFY(loadoutPicture(l, vt).copy(PictureStatusRect) != words);
        }
}

// Each slot's bar on the range chart's own row and scale, moved to where the
// picture holds the chart; a range past the chart's end stops at its edge.
void TestReports::pictureRangeBar_data() {
    QTest::addColumn<int>("slot"); // 0-2 main weapons, 3-5 sub-weapons
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::newRow("main weapon 1") << 0 << 0 << 700;
    QTest::newRow("main weapon 3, from afar") << 2 << 350 << 1400;
    QTest::newRow("sub-weapon 1 below the comparison row") << 3 << 70 << 490;
    QTest::newRow("sub-weapon 2") << 4 << 0 << 2100;
    QTest::newRow("sub-weapon 3 past the chart") << 5 << 1000 << 5000;
}

void TestReports::pictureRangeBar() {
    QFETCH(int, slot);
    QFETCH(int, min);
    QFETCH(int, max);
    std::int32_t Loadout::*const mins[] = {&Loadout::MW1RangeMin, &Loadout::MW2RangeMin,
                                           &Loadout::MW3RangeMin, &Loadout::SW1RangeMin,
                                           &Loadout::SW2RangeMin, &Loadout::SW3RangeMin};
    std::int32_t Loadout::*const maxes[] = {&Loadout::MW1RangeMax, &Loadout::MW2RangeMax,
                                            &Loadout::MW3RangeMax, &Loadout::SW1RangeMax,
                                            &Loadout::SW2RangeMax, &Loadout::SW3RangeMax};
    Loadout l = deciderLoadout();
    l.VTIndex = 2;
    l.*mins[slot] = min;
    l.*maxes[slot] = max;
    const QImage picture = loadoutPicture(l, {});
    // The comparison bar has its own row between the main and sub-weapons.
    const RangeBarStyle& style = RangeBars[slot < 3 ? slot : slot + 1];
    const BarGeometry bar = rangeBar(min, max, style.row);
    const int top = PictureChartOrigin.y() + bar.top;
    const int left = PictureChartOrigin.x() + bar.left;
    const int right = PictureChartOrigin.x() + std::min(bar.left + bar.width, ChartWidth) - 1;
    // The bar's pixels in its colour, and none of that colour on its row
    // around it or on the rows above and below it.
    QCOMPARE(pixelsOf(picture, QRect(QPoint(left, top), QPoint(right, top + BarHeight - 1)),
                      style.colour),
             (right - left + 1) * BarHeight);
    const QRect around(PictureChartOrigin.x(), top - 3, ChartWidth, BarHeight + 6);
    QCOMPARE(pixelsOf(picture, around, style.colour), (right - left + 1) * BarHeight);
}

void TestReports::pictureFileName_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("saved");
    QTest::newRow("no extension") << "/home/u/Garpike"
                                  << "/home/u/Garpike.png";
    QTest::newRow("another extension: a PNG all the same") << "/home/u/a.jpg"
                                                           << "/home/u/a.jpg.png";
    QTest::newRow("PNG in capitals") << "/home/u/Colt.PNG"
                                     << "/home/u/Colt.PNG";
    QTest::newRow("hidden, named as an extension") << "/home/u/.png"
                                                   << "/home/u/.png.png";
    QTest::newRow("dot only in the folder") << "/home/u/my.pictures/Garpike"
                                            << "/home/u/my.pictures/Garpike.png";
    QTest::newRow("hidden name") << "/home/u/.Garpike"
                                 << "/home/u/.Garpike.png";
    QTest::newRow("empty extension") << "/home/u/Garpike."
                                     << "/home/u/Garpike.png";
    QTest::newRow("dots inside the name") << "/home/u/Colt N.2.png"
                                          << "/home/u/Colt N.2.png";
    QTest::newRow("a dot inside, no extension") << "/home/u/Colt N.2"
                                                << "/home/u/Colt N.2.png";
}

void TestReports::pictureFileName() {
    QFETCH(QString, chosen);
    QFETCH(QString, saved);
    QCOMPARE(vantor::pictureFileName(chosen), saved);
}

QTEST_MAIN(TestReports)
#include "tst_reports.moc"

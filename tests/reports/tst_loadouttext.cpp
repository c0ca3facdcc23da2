// Loadouts read back from the forum code and the page the reports write, and
// from the loadout code: picks are written out with the model's own steps (or
// as a code), read back and compared.

#include "core/VtChoice.h"
#include "equipment/FuelTanks.h"
#include "equipment/OptionalParts.h"
#include "model/Recompute.h"
#include "model/VtCatalogue.h"
#include "reports/LoadoutCode.h"
#include "reports/LoadoutText.h"
#include "reports/Reports.h"
#include "tests/RandomShare.h"
#include "weapons/WeaponLists.h"
#include "weapons/WeaponSelection.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace vantor;

namespace {

// A VT's fixed weapons, and random picks (NotPicked among them) or none else.
LoadoutPicks picksFor(int vt, QRandomGenerator* rng = nullptr) {
    Loadout scratch;
    const WeaponSelectors lists = buildWeaponSelectors(scratch, vt);
    const auto pick = [rng](qsizetype n) { return rng ? rng->bounded(int(n) + 1) - 1 : NotPicked; };
    LoadoutPicks p{vt, pick(fuelTankItems(vtEntry(vt).fuelTanks).size())};
    for (PartPick& part : p.parts) {
        part.part = pick(OptionalPartCount);
        part.level = partLevels(part.part) ? rng->bounded(3) : NotPicked;
    }
    for (int s = 0; s < 3; ++s)
        p.main[s].item = pick(lists.main[s].size()), p.sub[s].item = pick(lists.sub[s].size());
    for (const FixedMountInstall& m : lists.fixedMounts)
        (m.kind == WeaponKind::Main ? p.main : p.sub)[m.slot - 1] = {m.position, true};
    return p;
}

// The forum code and the page the copy buttons give after the window's steps
// for these picks; `askFixed` clicks the fixed slots' "?" buttons.
std::pair<QString, QString> writeLoadout(const LoadoutPicks& p, bool internet, bool askFixed) {
    Loadout l;
    chooseVt(l, p.vt);
    if (internet)
        SetVTReport(l, l.VTReportText, {true, p.vt});
    if (p.fuel != NotPicked)
        SetFuelReport(l, *chooseFuelTank(l, p.fuel).reportText);
    for (int s = 1; s <= 2; ++s) {
        const PartPick& part = p.parts[s - 1];
        if (part.part == NotPicked)
            continue;
        const bool levelOn = choosePart(l, s, part.part).levelEnabled;
        if (part.level != NotPicked)
            chooseLevel(l, s, part.part, part.level);
        SetPartReport(l, s, ShowOptionalPart(l, s, part.part, part.level).name, levelOn);
    }
    for (bool main : {true, false})
        for (int s = 1; s <= 3; ++s) {
            const WeaponPick w = (main ? p.main : p.sub)[s - 1];
            if (w.fixed ? !askFixed : w.item == NotPicked)
                continue;
            if (!w.fixed)
                (main ? selectMainWeapon : selectSubWeapon)(l, s, w.item);
            const auto info = (main ? ShowMainWeaponInfo : ShowSubWeaponInfo)(l, s, w.item);
            (main ? SetMainWeaponReport : SetSubWeaponReport)(l, s, info->name);
        }
    SumMainWeaponLoad(l);
    SumSubWeaponLoad(l);
    RecomputeLoadout(l, {p.vt, p.parts[0].part, p.parts[1].part});
    BuildForumLines(l);
    return {joinCrLf(forumLines(l)), joinCrLf(htmlPageLines(l))};
}

// The forum code of a VT with nothing picked, one line's value replaced.
QString forumWith(int vt, int line, const QString& value) {
    QStringList lines = writeLoadout(picksFor(vt), false, false).first.split("\r\n");
    const qsizetype at = lines[line].indexOf(line == 0 ? "] " : "  ") + 2;
    lines[line] = lines[line].first(at) + value + (line == 0 ? "[/size]" : "");
    return lines.join("\n");
}

QString error(const LoadoutTextResult<LoadoutPicks>& result) {
    const auto* e = std::get_if<LoadoutTextError>(&result);
    return e ? e->line + " | " + e->message : QStringLiteral("no error");
}

// Every state of a part slot the code tells apart, written out by hand: no
// part since the VT's choice (selector closed or open, level held or none); a
// level over Unarmed; a levelled part at a level; a part last, with the level
// held; a part picked again after its own level, keeping that level's bonus.
std::vector<PartPick> allPartStates() {
    std::vector<PartPick> all;
    for (bool open : {false, true})
        for (int held = NotPicked; held < 3; ++held)
            all.push_back({NotPicked, NotPicked, held, false, open});
    for (int level = 0; level < 3; ++level)
        all.push_back({NotPicked, level, NotPicked, false, true});
    for (int k = 1; k <= LevelledPartCount; ++k)
        for (int level = 0; level < 3; ++level)
            all.push_back({k, level, NotPicked, false, false});
    for (int k = 0; k < OptionalPartCount; ++k)
        for (int held = NotPicked; held < 3; ++held)
            all.push_back({k, NotPicked, held, false, false});
    for (int k : {PartAdvancedMount, PartAdvancedBalancer, PartMechanicalUnit, PartPowerCell})
        for (int held = 0; held < 3; ++held)
            all.push_back({k, NotPicked, held, true, false});
    return all;
}

// Random picks of a VT with every part state and the MM launch as the code
// reads them back (the selector state always said).
LoadoutPicks codePicksFor(int vt, QRandomGenerator& rng) {
    LoadoutPicks p = picksFor(vt, &rng);
    const std::vector<PartPick> states = allPartStates();
    for (PartPick& part : p.parts)
        part = states[rng.bounded(quint32(states.size()))];
    p.mmLaunched = vt == ProminenceM2 && rng.bounded(2) == 1;
    return p;
}

// `body` (the code without its check) with the check that makes it whole.
QString withCheck(const QString& body) {
    int interim = 0;
    for (QChar c : body)
        interim = loadoutCheckStep(interim, loadoutCodeSymbol(c));
    return body + LoadoutCodeSymbols[std::size_t(loadoutCheckStep(interim, 0))];
}

// A code of `picks` with the field at `at` replaced by `value` and the check
// made whole again.
QString codeWith(const LoadoutPicks& picks, int at, const QString& value) {
    const QString code = loadoutCode(picks);
    return withCheck(code.first(at) + value + code.sliced(at + value.size()).chopped(1));
}

const QString CheckFails = " | The loadout code's check character does not match: a character "
                           "was mistyped or left out.";

} // namespace

class TestLoadoutText : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data() {
        QTest::addColumn<LoadoutPicks>("picks");
        QTest::addColumn<bool>("internet");
        QTest::addColumn<bool>("askFixed");
        QRandomGenerator rng(13);
        for (int vt = 0; vt < VtCount; ++vt) {
            QTest::addRow("vt %d only", vt) << picksFor(vt) << false << false;
            QTest::addRow("vt %d fixed asked", vt) << picksFor(vt) << true << true;
            for (int i = 0; i < 12; ++i) {
                const LoadoutPicks picks = picksFor(vt, &rng);
                if (sampledRow(vt + i)) // every kind of row, spread over the VTs
                    QTest::addRow("vt %d random %d", vt, i) << picks << (i % 2 == 1) << (i > 5);
            }
        }
        for (int k = 0; k < OptionalPartCount; ++k)
            // A levelled part with no level yet is written "Power Cell Level ".
            for (int level = NotPicked; level < (partLevels(k) ? 3 : 0); ++level) {
                LoadoutPicks p = picksFor(12);
                p.parts[k % 2] = {k, level};
                QTest::addRow("part %d level %d", k, level) << p << false << false;
            }
        for (int vt : {0, 11})
            for (int fuel = NotPicked; fuel <= int(vtEntry(vt).fuelTanks); ++fuel) {
                LoadoutPicks p = picksFor(vt);
                p.fuel = fuel;
                QTest::addRow("vt %d fuel %d", vt, fuel) << p << false << false;
            }
    }

    void roundTrip() {
        QFETCH(LoadoutPicks, picks);
        QFETCH(bool, internet);
        QFETCH(bool, askFixed);
        const auto [forum, page] = writeLoadout(picks, internet, askFixed);
        for (const QString& text : {forum, page}) {
            QString quoted = "Hi all,\n  my build:\r\n\r\n[quote=\"Ann\"]" + text + "[/quote]" +
                             "\n\ncheers\r\n-- \nAnn [b]x[/b]";
            quoted.replace("\r\n", "\r\n \t\r\n    ").replace("VT OK", "MAX OVER");
            QStringList variants = {text, QString(text).replace("\r\n", "\n"),
                                    QString(text).replace("\r\n", "\r"), quoted};
            // The longest text a paste reads, once per VT: over every row it
            // costs a quarter of a minute under the sanitizers.
            if (QByteArray(QTest::currentDataTag()).endsWith(" only"))
                variants << text.leftJustified(MaxLoadoutTextLength, u'x');
            for (const QString& variant : variants) {
                const auto result = readLoadoutText(variant);
                QVERIFY2(std::holds_alternative<LoadoutPicks>(result), qPrintable(error(result)));
                QCOMPARE(std::get<LoadoutPicks>(result), picks);
                // A paste also looks for a loadout code, character by character.
                QVERIFY(readPastedLoadout(variant) == result);
            }
        }
    }

    void spellings_data();

    // Names are read whatever their case; a part's level may be missing. A
    // loadout code reads in any case and in a post; the first that reads wins.
    void spellings() {
        QFETCH(QString, text);
        QFETCH(LoadoutPicks, expected);
        const auto result = readPastedLoadout(text);
        QVERIFY2(std::holds_alternative<LoadoutPicks>(result), qPrintable(error(result)));
        QCOMPARE(std::get<LoadoutPicks>(result), expected);
    }

    void rejected_data();

    // What a paste reads is the text's error unless the text is or holds a
    // loadout code.
    void rejected() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(error(readPastedLoadout(text)), expected);
    }

    void codeRoundTrip_data();
    void codeRoundTrip();
    void codeCheck_data();
    void codeCheck();
};

void TestLoadoutText::spellings_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<LoadoutPicks>("expected");
    const auto row = [](const char* name, int line, const char* value, const LoadoutPicks& p) {
        QTest::newRow(name) << forumWith(0, line, value) << p;
    };
    const auto parts = [](PartPick one, PartPick two) {
        LoadoutPicks p = picksFor(0);
        p.parts = {one, two};
        return p;
    };
    const PartPick none;
    LoadoutPicks unarmedMain = picksFor(0);
    unarmedMain.main[0] = {0, false};
    row("empty level", 2, "Power Cell Level ", parts({5, NotPicked}, none));
    row("empty level, slot 2", 3, "Additional Mount Level", parts(none, {1, NotPicked}));
    row("level on Unarmed", 2, "UNARMED Level 1", parts({0, 0}, none));
    row("level 3 on Unarmed", 3, "UNARMED Level 3", parts(none, {0, 2}));
    row("empty level on Unarmed", 3, "UNARMED Level ", parts(none, {0, NotPicked}));
    row("part in lower case", 2, "power cell level 2", parts({5, 1}, none));
    row("part in capitals", 3, "ADVANCED ARMOUR", parts(none, {9, NotPicked}));
    row("Unarmed item in lower case", 2, "unarmed", parts({0, NotPicked}, none));
    row("VT in capitals", 0, "COLT", picksFor(0));
    row("weapon in lower case", 4, "unarmed", unarmedMain);
    // The guide's example: codes shared once must go on reading the same.
    LoadoutPicks example = parts({PartPowerCell, 2, NotPicked, false, false}, {});
    example.parts[1].levelOpen = false;
    example.fuel = 1;
    example.main[0].item = 2;
    example.main[1].item = 1;
    example.sub[0].item = 1;
    QRandomGenerator rng(5);
    const LoadoutPicks m2 = codePicksFor(ProminenceM2, rng);
    const QString code = loadoutCode(m2), forum = forumWith(0, 0, "Colt");
    const QString bent = code.first(5) + (code[5] == u'7' ? '8' : '7') + code.sliced(6);
    const QString later = codeWith(m2, 0, "B");
    // clang-format off
    QTest::newRow("the guide's example code") << "A020S003202004" << example;
    QTest::newRow("code in lower case, lines around") << "\r\n  " + code.toLower() + " \t\n" << m2;
    QTest::newRow("code in mark-up") << "[quote][b]" + code + "[/b][/quote]" << m2;
    QTest::newRow("code after a bent one") << bent + " sorry, typo: " + code << m2;
    QTest::newRow("code after a later version's") << later + " or (" + code + ")." << m2;
    QTest::newRow("code beside forum code") << forum + "\n\nor simply " + code << m2;
    QTest::newRow("forum code, a bent code beside") << forum + "\n" + bent << picksFor(0);
    QTest::newRow("forum code, a code glued to a word") << "x" + code + " " + forum << picksFor(0);
    QTest::newRow("forum code, a later version's code") << forum + "\n" + later << picksFor(0);
    // clang-format on
}

void TestLoadoutText::rejected_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected"); // line | message
    const QString page = writeLoadout(picksFor(0), false, false).second;
    QStringList cellGone = page.split("\r\n");
    cellGone.removeAt(cellGone.indexOf(QRegularExpression(".*<strong>Main Weapon 1<.*")) + 1);
    const QString vtLine = forumWith(0, 0, "Colt").section('\n', 0, 0) + '\n';
    QString junk;
    QRandomGenerator rng(7);
    for (int i = 0; i < MaxLoadoutTextLength; ++i)
        junk += QChar(char16_t(rng.bounded(0x10000)));
    const QString none = " | The text holds no loadout: neither forum code with its \"VT:\" line "
                         "nor an HTML page with its \"VT\" row.";
    // clang-format off
    QTest::newRow("unknown VT") << forumWith(0, 0, "Colt X") << "VT | VT: there is no VT called \"Colt X\".";
    QTest::newRow("no VT") << forumWith(0, 0, "Unselected") << "VT | VT: no VT is chosen.";
    QTest::newRow("fuel count") << forumWith(11, 1, "2") << "Additional Fuel Tanks | Additional Fuel Tanks: the Blade cannot carry 2 fuel tanks.";
    QTest::newRow("fuel unknown") << forumWith(0, 1, "3") << "Additional Fuel Tanks | Additional Fuel Tanks: \"3\" is no fuel tank choice (None Fitted, 1 or 2).";
    QTest::newRow("control characters shown") << forumWith(0, 0, "Colt\x1b\x07\x7f") << "VT | VT: there is no VT called \"Colt\u241B\u2407\u2421\".";
    QTest::newRow("direction override shown") << forumWith(0, 2, "Jet\u202EPack") << "Optional Part 1 | Optional Part 1: there is no optional part called \"Jet\\u202EPack\".";
    QTest::newRow("unknown part") << forumWith(0, 2, "Jet Pack") << "Optional Part 1 | Optional Part 1: there is no optional part called \"Jet Pack\".";
    QTest::newRow("level without levels") << forumWith(0, 3, "Advanced Armour Level 2") << "Optional Part 2 | Optional Part 2: Advanced Armour has no levels.";
    QTest::newRow("no level") << forumWith(0, 2, "Power Cell") << "Optional Part 1 | Optional Part 1: Power Cell needs its level (1, 2 or 3).";
    QTest::newRow("level on Unarmed beyond 3") << forumWith(0, 2, "UNARMED Level 4") << "Optional Part 1 | Optional Part 1: Unarmed has no levels.";
    QTest::newRow("level 4") << forumWith(0, 2, "Power Cell Level 4") << "Optional Part 1 | Optional Part 1: Power Cell has no level \"4\" (1, 2 or 3).";
    QTest::newRow("cannot carry") << forumWith(0, 5, "315-SB") << "Main Weapon 2 | Main Weapon 2: the Colt cannot carry 315-SB.";
    QTest::newRow("sub in main slot") << forumWith(0, 4, "67-CG") << "Main Weapon 1 | Main Weapon 1: 67-CG is a sub-weapon, not a main weapon.";
    QTest::newRow("unknown weapon") << forumWith(0, 8, "Laser") << "Sub Weapon 2 | Sub Weapon 2: there is no weapon called \"Laser\".";
    QTest::newRow("fixed other") << forumWith(12, 8, "67-CG") << "Sub Weapon 2 | Sub Weapon 2: the Garpike carries BANG-N fixed in this slot, not 67-CG.";
    QTest::newRow("fixed unarmed") << forumWith(23, 5, "Unarmed") << "Main Weapon 2 | Main Weapon 2: the Sheepdog carries PPNG-S fixed in this slot, not UNARMED.";
    QTest::newRow("short list") << forumWith(19, 9, "MM") << "Sub Weapon 3 | Sub Weapon 3: the Prominence M2 cannot carry MM in this slot.";
    QTest::newRow("nothing named") << forumWith(0, 7, "") << "Sub Weapon 1 | Sub Weapon 1: nothing is named.";
    QTest::newRow("cut short") << forumWith(0, 0, "Colt").section('\n', 0, 5) << "Main Weapon 3 | Main Weapon 3: missing; the text ends after Main Weapon 2.";
    QTest::newRow("out of order") << forumWith(0, 0, "Colt").remove("[color=darkred][B]Additional Fuel Tanks:[/B][/color]  Unselected") << "Additional Fuel Tanks | Additional Fuel Tanks: expected after VT, found \"[color=brown][B]Optional Part 1:[/B][/co…\".";
    QTest::newRow("page cell gone") << cellGone.join("\n") << "Main Weapon 1 | Main Weapon 1: the value cell does not follow the label, found \"</tr>\".";
    QTest::newRow("page row gone") << page.first(page.indexOf("<strong>Sub Weapon 3")) << "Sub Weapon 3 | Sub Weapon 3: missing; the text ends after Sub Weapon 2.";
    QTest::newRow("not a loadout") << "Hello, VT: Colt" << none;
    QTest::newRow("binary junk") << junk << none;
    QTest::newRow("one huge line") << QString(MaxLoadoutTextLength, u'x') << none;
    QTest::newRow("VT line to the limit") << vtLine.repeated(MaxLoadoutTextLength / vtLine.size()) << "Additional Fuel Tanks | Additional Fuel Tanks: expected after VT, found \"[size=18][B]VT:[/B] Colt[/size]\".";
    QTest::newRow("page label, huge cell") << "<strong>VT</strong>\n<td>" + QString(60000, u'<') << "VT | VT: the value cell does not follow the label, found \"<td>" + QString(36, u'<') + "…\".";
    QTest::newRow("page label to the limit") << QString("<strong>VT</strong>\n").repeated(3000) << "VT | VT: the value cell does not follow the label, found \"<strong>VT</strong>\".";
    QTest::newRow("10,000 blank lines") << vtLine + QString(10000, u'\n') << "Additional Fuel Tanks | Additional Fuel Tanks: missing; the text ends after VT.";
    QTest::newRow("one past the limit") << QString(MaxLoadoutTextLength + 1, u'\n') << " | The text is too long to be a loadout (65 KB; a loadout takes a few KB).";
    QTest::newRow("5 MB") << QString(5 << 20, u'x') << " | The text is too long to be a loadout (5120 KB; a loadout takes a few KB).";
    const LoadoutPicks colt = picksFor(0);
    const QString code = loadoutCode(colt);
    QTest::newRow("code, check changed") << code.chopped(1) + (code.back() == u'0' ? '1' : '0') << CheckFails;
    QTest::newRow("code, one left out") << code.chopped(1) << " | The loadout code has 13 characters; a loadout code has 14: a character was left out or added.";
    QTest::newRow("code, one added") << code + "7" << " | The loadout code has 15 characters; a loadout code has 14: a character was left out or added.";
    QTest::newRow("code, a U") << code.first(3) + "U" + code.sliced(4) << " | The loadout code holds \"U\", which no loadout code uses: a character was mistyped.";
    QTest::newRow("code in a post, check changed") << "see " + code.chopped(1) + (code.back() == u'0' ? '1' : '0') + "!" << CheckFails;
    QTest::newRow("a word as long as a code") << "Administrative work" << none;
    QTest::newRow("code, later version") << codeWith(colt, 0, "C") << " | This loadout code is of a later version of Vantor (version C); this one reads version A.";
    QTest::newRow("code in a post, later version") << "new build: " + codeWith(colt, 0, "C") + "!" << " | This loadout code is of a later version of Vantor (version C); this one reads version A.";
    QTest::newRow("code, digit first: no code") << codeWith(colt, 0, "7") << none;
    QTest::newRow("code, first character mistyped") << "0020S003202004" << CheckFails;
    QTest::newRow("code in a post, first character mistyped") << "mine: 7" + code.sliced(1) + "!" << CheckFails;
    QTest::newRow("code in a post, first character another letter") << "mine: B" + code.sliced(1) + "!" << CheckFails;
    QTest::newRow("a word of code symbols as long as a code") << "see 7ZXQ3R2KPW9M5T" << none;
    QTest::newRow("code, unknown VT") << codeWith(colt, 1, "Z") << "VT | The loadout code names a VT this version of Vantor does not know.";
    QTest::newRow("code, fuel tanks the VT lacks") << codeWith(picksFor(11), 2, "3") << "Additional Fuel Tanks | The loadout code names fuel tanks the Blade does not carry.";
    QTest::newRow("code, unknown fuel and MM") << codeWith(colt, 2, "8") << " | The loadout code gives the fuel tanks and the MM a setting this version of Vantor does not know.";
    QTest::newRow("code, MM the VT lacks") << codeWith(colt, 2, "4") << " | The loadout code launches an MM, but the Colt carries none.";
    QTest::newRow("code, unknown part state") << codeWith(colt, 5, "3B") << "Optional Part 2 | The loadout code gives optional part 2 a setting this version of Vantor does not know.";
    QTest::newRow("code, main weapon not carried") << codeWith(picksFor(12), 7, "Z") << "Main Weapon 1 | The loadout code names a main weapon the Garpike does not carry (Main Weapon 1).";
    QTest::newRow("code, sub-weapon not carried") << codeWith(colt, 12, "Z") << "Sub Weapon 3 | The loadout code names a sub-weapon the Colt does not carry (Sub Weapon 3).";
    QTest::newRow("code, weapon in a fixed slot") << codeWith(picksFor(12), 11, "1") << "Sub Weapon 2 | The loadout code names a sub-weapon where the Garpike carries a fixed one (Sub Weapon 2).";
    // clang-format on
}

void TestLoadoutText::codeRoundTrip_data() {
    QTest::addColumn<int>("vt");
    QTest::addColumn<int>("seed");
    QTest::addColumn<bool>("everyPair");
    // The part states do not depend on the VT: every pair of them on two VTs
    // (one with the MM), and each state in both slots on every VT.
    for (int vt = 0; vt < VtCount; ++vt)
        QTest::addRow("%s", VtCatalogue[vt].selectorName.data())
            << vt << vt * 7 + 1
            << (vt == ProminenceM2 || VtCatalogue[vt].selectorName == "Garpike");
}

// Pairs of part slot states with random weapons, fuel and MM: each code reads
// back as its picks, and differs from the code of every other pair.
void TestLoadoutText::codeRoundTrip() {
    QFETCH(int, vt);
    QFETCH(int, seed);
    QFETCH(bool, everyPair);
    QRandomGenerator rng{quint32(seed)};
    const std::vector<PartPick> states = allPartStates();
    QCOMPARE(states.size(), 107u);
    std::vector<LoadoutPicks> others;
    for (int i = 0; i < 16; ++i)
        others.push_back(codePicksFor(vt, rng));
    QSet<QString> codes;
    const std::size_t n = states.size();
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = 0; j < n; ++j) {
            // Otherwise each state once in each slot, beside a shifting other.
            if (!everyPair && j != (i * 37 + std::size_t(vt)) % n)
                continue;
            LoadoutPicks picks = others[std::size_t(codes.size()) % others.size()];
            picks.parts = {states[i], states[j]};
            const QString code = loadoutCode(picks);
            const auto read = readLoadoutCode(code);
            QVERIFY2(std::holds_alternative<LoadoutPicks>(read), qPrintable(error(read)));
            QCOMPARE(std::get<LoadoutPicks>(read), picks);
            codes.insert(code.first(7)); // the VT, fuel, MM and parts
        }
    QCOMPARE(codes.size(), qsizetype(everyPair ? n * n : n));
}

void TestLoadoutText::codeCheck_data() {
    QTest::addColumn<QString>("code");
    QRandomGenerator rng(31);
    for (int i = 0; i < 40; ++i) {
        const int vt = int(rng.bounded(VtCount));
        QTest::addRow("%s %d", VtCatalogue[vt].selectorName.data(), i)
            << loadoutCode(codePicksFor(vt, rng));
    }
}

// Every symbol changed to every other one, and every two different
// neighbours swapped, breaks the check; look-alikes and case read the same.
void TestLoadoutText::codeCheck() {
    QFETCH(QString, code);
    const auto picks = readLoadoutCode(code);
    QVERIFY2(std::holds_alternative<LoadoutPicks>(picks), qPrintable(error(picks)));
    for (qsizetype at = 0; at < code.size(); ++at) {
        for (QChar other : LoadoutCodeSymbols) {
            if (other == code[at])
                continue;
            QString changed = code;
            changed[at] = other;
            QCOMPARE(error(readLoadoutCode(changed)), CheckFails);
        }
        if (at + 1 < code.size() && code[at] != code[at + 1]) {
            QString swapped = code;
            std::swap(swapped[at], swapped[at + 1]);
            QCOMPARE(error(readLoadoutCode(swapped)), CheckFails);
        }
    }
    QString alike = code.toLower();
    alike.replace(u'0', u'O').replace(u'1', u'l');
    QVERIFY(readLoadoutCode(alike) == picks);
}

QTEST_MAIN(TestLoadoutText)
#include "tst_loadouttext.moc"

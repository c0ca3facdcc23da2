// Random user sessions on the real window. After every action the loads, the
// load status and the report texts the window shows are checked against what
// the test works out itself from the catalogues and the user's actions.

#include "WindowTest.h"

#include "app/desktop/Appearance.h"
#include "equipment/OptionalParts.h"
#include "model/Text.h"
#include "model/VtCatalogue.h"
#include "weapons/WeaponCatalogue.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <deque>
#include <functional>
#include <optional>

using namespace vantor;

namespace {

// Actions per seed; VANTOR_SESSION_ACTIONS asks for a longer run.
int actionsPerSeed() {
    bool ok = false;
    const int asked = qEnvironmentVariableIntValue("VANTOR_SESSION_ACTIONS", &ok);
    return ok && asked > 0 ? asked : randomActions(1000);
}

enum class Kind { Vt, Fuel, Part, Level, Main, Sub, Compare };

struct SelectorRow {
    const char* name;
    Kind kind;
    int slot; // 0-based weapon or part slot
};

// clang-format off
const SelectorRow Selectors[] = {
    {"VTSelect", Kind::Vt, 0},     {"FTSelect", Kind::Fuel, 0},
    {"OPSelect1", Kind::Part, 0},  {"OPLSelect1", Kind::Level, 0},
    {"OPSelect2", Kind::Part, 1},  {"OPLSelect2", Kind::Level, 1},
    {"MWSelect1", Kind::Main, 0},  {"MWSelect2", Kind::Main, 1},  {"MWSelect3", Kind::Main, 2},
    {"SWSelect1", Kind::Sub, 0},   {"SWSelect2", Kind::Sub, 1},   {"SWSelect3", Kind::Sub, 2},
    {"RangeWeaponSelect", Kind::Compare, 0},
};
// clang-format on

// Every button a user may press; the link buttons only reach the recording
// platform, and "Launch in IE" writes into the session's own Html folder.
// clang-format off
const char* const Buttons[] = {
    "LoadoutButton", "StatsButton", "RankButton", "GraphButton", "ImageButton",
    "AdvFunctionButton", "WeaponPageButton", "WeaponRangeButton", "PartsPageButton",
    "ForumPageButton", "HtmlPageButton", "MiscPageButton",
    "MW1RangeButton", "MW2RangeButton", "MW3RangeButton",
    "SW1RangeButton", "SW2RangeButton", "SW3RangeButton",
    "RangeAllOnButton", "RangeAllOffButton", "RangeDistanceModifierButton",
    "F1Button", "FixedMW2Button", "FixedSW1Button", "FixedSW2Button", "FixedSW3Button",
    "FactionButton",
    "HtmlGenerateButton", "HtmlClearButton", "HtmlToClipboardButton", "SpeedButton6",
    "VTImageLocalRadio", "VTImageInternetRadio",
    "ForumGenerateButton", "ForumRichEditClearButton", "ForumToClipBoardButton", "PellumFButton",
    "AboutButton", "CorvaneButton", "KerrowButton", "PellumButton",
};
// clang-format on

const char* const MainSelectors[] = {"MWSelect1", "MWSelect2", "MWSelect3"};
const char* const SubSelectors[] = {"SWSelect1", "SWSelect2", "SWSelect3"};
const char* const RangeButtons[] = {"MW1RangeButton", "MW2RangeButton", "MW3RangeButton",
                                    "SW1RangeButton", "SW2RangeButton", "SW3RangeButton"};

// The views and their buttons; the pages by the groups they show.
const std::pair<const char*, const char*> Views[] = {{"LoadoutButton", "LoadoutGroup"},
                                                     {"StatsButton", "StatsGroup"},
                                                     {"RankButton", "RankGroup"},
                                                     {"GraphButton", "GraphGroup"},
                                                     {"ImageButton", "VTImage"}};
const std::pair<const char*, const char*> Pages[] = {
    {"WeaponInfoGroup", nullptr}, {"RangeGroup", nullptr}, {"PartsGroup", nullptr},
    {"ForumGroup", nullptr},      {"HtmlGroup", nullptr},  {"IconKeyGroup", "MiscGroup"},
};

const WeaponEntry* weaponByListText(WeaponKind kind, const QString& text) {
    for (const WeaponEntry& entry : weapons(kind))
        if (toQString(entry.ListText) == text)
            return &entry;
    return nullptr;
}

const FixedMount* fixedMount(int vt, WeaponKind kind, int slot) {
    const FixedSlot wanted = kind == WeaponKind::Main
                                 ? FixedSlot::MW2
                                 : std::array{FixedSlot::SW1, FixedSlot::SW2, FixedSlot::SW3}[slot];
    if (kind == WeaponKind::Main && slot != 1)
        return nullptr;
    for (const FixedMount& m : FixedMounts)
        if (m.vt == vt && m.slot == wanted)
            return &m;
    return nullptr;
}

struct WeaponSlot {
    const WeaponEntry* weapon = &MainWeapons[0]; // what the slot counts
    bool fixed = false;
    QString report = QStringLiteral("Unarmed");
};

struct PartSlot {
    int part = 0; // the entry the part selector holds; -1 for typed text
    bool levelEnabled = false;
    QString levelText; // last level recorded for the slot
    std::uint32_t standard = 0;
    std::uint32_t maximum = 0;
    float balancer = 0; // percent
    float durability = 0;
    float veering = 0;
    QString report = QStringLiteral("Unarmed");
};

// A figure raised by `percent` when `applied`, as "#.##" shows it: two
// decimals at most, no trailing zeros.
QString raisedText(float figure, float percent, bool applied) {
    float value = figure;
    if (applied)
        value = float(double(figure) + double(float(0.01 * double(figure) * double(percent))));
    QString text = QString::number(double(value), 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

constexpr int NoVtYet = -2;

// What the window must show, worked out from the catalogues and the user's
// actions alone.
struct Expected {
    int vt = NoVtYet; // -1 after typed text that names no VT
    std::array<WeaponSlot, 3> main, sub;
    std::uint32_t fuel = 0;
    std::array<PartSlot, 2> parts;
    bool mmLaunched = false;
    QString vtReport = QStringLiteral("Unselected");
    QString fuelReport = QStringLiteral("Unselected");

    WeaponSlot& slot(WeaponKind kind, int i) { return kind == WeaponKind::Main ? main[i] : sub[i]; }

    void chooseVt(int index) {
        vt = index;
        mmLaunched = false;
        fuel = 0;
        fuelReport = QStringLiteral("Unselected");
        vtReport =
            index >= 0 ? toQString(VtCatalogue[index].reportName) : QStringLiteral("Unselected");
        for (PartSlot& p : parts) {
            p.part = 0;
            p.standard = p.maximum = 0;
            p.balancer = p.durability = p.veering = 0;
            p.report = QStringLiteral("Unarmed");
        }
        for (WeaponKind kind : {WeaponKind::Main, WeaponKind::Sub})
            for (int i = 0; i < 3; ++i) {
                WeaponSlot& s = slot(kind, i);
                s = WeaponSlot{&weapons(kind)[0], false, QStringLiteral("Unarmed")};
                if (const FixedMount* m = index >= 0 ? fixedMount(index, kind, i) : nullptr) {
                    s.weapon = weaponByListText(kind, toQString(m->weapon));
                    s.fixed = true;
                    s.report = toQString(m->weapon); // by its list text until "?" shows it
                }
            }
    }

    void chooseFuel(int item) {
        if (item < 0)
            return;
        fuel = 2 * std::uint32_t(item);
        fuelReport = std::array{QStringLiteral("None Fitted"), QStringLiteral("1"),
                                QStringLiteral("2")}[item];
    }

    void choosePart(int i, int k) {
        PartSlot& p = parts[i];
        p.part = k;
        // A part chosen again keeps its own bonus until it is levelled anew;
        // an Advanced Mount only its standard bonus.
        if (k != PartAdvancedMount)
            p.standard = 0;
        p.maximum = 0;
        if (k != PartAdvancedBalancer)
            p.balancer = 0;
        if (k != PartMechanicalUnit)
            p.durability = 0;
        if (k != PartPowerCell)
            p.veering = 0;
        p.levelEnabled = k < 0 || (k >= 1 && k <= LevelledPartCount);
        showPart(i, -1);
    }

    void chooseLevel(int i, int level) {
        PartSlot& p = parts[i];
        if (p.part <= 0) {
            // No part: the load and durability bonuses go, the others stay.
            p.standard = p.maximum = 0;
            p.durability = 0;
        } else if (const PartLevels* row = partLevels(p.part); row && level >= 0) {
            const std::uint32_t value = row->values[level];
            switch (row->effect) {
            case LevelEffect::MaximumOnly:
                p.standard = 0;
                p.maximum = value;
                break;
            case LevelEffect::StandardAndMaximum:
                p.standard = p.maximum = value;
                break;
            case LevelEffect::Balancer:
                p.balancer = float(value);
                break;
            case LevelEffect::Durability:
                p.durability = float(value);
                break;
            case LevelEffect::Veering:
                p.veering = float(value);
                break;
            case LevelEffect::ShownOnly:
                break;
            }
        }
        showPart(i, level);
    }

    void showPart(int i, int level) {
        PartSlot& p = parts[i];
        if (level >= 0)
            p.levelText = QString::number(level + 1);
        p.report = p.part >= 0 ? toQString(OptionalParts[p.part].name) : QStringLiteral("N/A");
        if (p.levelEnabled)
            p.report += QStringLiteral(" Level ") + p.levelText;
    }

    void chooseWeapon(WeaponKind kind, int i, const QString& listText) {
        WeaponSlot& s = slot(kind, i);
        s.weapon = weaponByListText(kind, listText);
        s.report = toQString(s.weapon->Name);
    }

    void askAboutFixed(WeaponKind kind, int i) {
        WeaponSlot& s = slot(kind, i);
        s.report = toQString(s.weapon->Name);
    }

    bool vtChosen() const { return vt >= 0; }
    std::uint32_t load(const std::array<WeaponSlot, 3>& group) const {
        std::uint32_t sum = 0;
        for (const WeaponSlot& s : group)
            sum += s.fixed ? 0 : s.weapon->Load;
        return sum;
    }
    std::uint32_t total() const { return fuel + load(main) + load(sub); }
    std::uint32_t standardBonus() const { return std::max(parts[0].standard, parts[1].standard); }
    std::uint32_t maximumBonus() const { return std::max(parts[0].maximum, parts[1].maximum); }
    std::uint32_t standard() const {
        return (vtChosen() ? VtCatalogue[vt].standardLoad : 0) + standardBonus();
    }
    std::uint32_t maximum() const {
        return (vtChosen() ? VtCatalogue[vt].maximumLoad : 0) + maximumBonus();
    }
    // A statistic raised by the larger bonus of the two slots, while either
    // part selector holds the part that grants it.
    QString statistic(float figure, float PartSlot::*bonus, int part) const {
        if (!vtChosen())
            return QStringLiteral("0");
        const bool applied = parts[0].part == part || parts[1].part == part;
        return raisedText(figure, std::max(parts[0].*bonus, parts[1].*bonus), applied);
    }
    QString balancer() const {
        return statistic(vtChosen() ? VtCatalogue[vt].balancer : 0, &PartSlot::balancer,
                         PartAdvancedBalancer);
    }
    QString durability() const {
        const float own = !vtChosen()                        ? 0
                          : mmLaunched && vt == ProminenceM2 ? 3000.0f
                                                             : VtCatalogue[vt].durability;
        return statistic(own, &PartSlot::durability, PartMechanicalUnit);
    }
    QString veering() const {
        return statistic(vtChosen() ? VtCatalogue[vt].veering : 0, &PartSlot::veering,
                         PartPowerCell);
    }

    std::pair<QString, QColor> status() const {
        if (!vtChosen()) // no verdict over the zero loads of no VT
            return {QStringLiteral("N/A"), QColor(0, 0, 0)};
        const bool mountsFull = std::all_of(
            sub.begin(), sub.end(), [](const WeaponSlot& s) { return s.fixed || s.weapon->Mount; });
        if (vtChosen() && mountsFull && vt != ProminenceM3)
            return {QStringLiteral("MOUNT OVER"), QColor(255, 0, 0)};
        if (total() > maximum())
            return {QStringLiteral("MAX OVER"), QColor(255, 0, 0)};
        if (total() > standard())
            return {QStringLiteral("STD OVER"), QColor(255, 255, 0)};
        return {QStringLiteral("VT OK"), QColor(0, 0, 0)};
    }
};

QString withCrLf(const QString& text) {
    return QString(text).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

// One random session: a window, the expectation and the actions so far.
class Session {
public:
    Session(quint32 seed, const QString& htmlFolder) : rng(seed), html(htmlFolder) { remember(); }

    // Runs one random action; returns what the window shows wrongly after it.
    // Now and then the session is captured, or a capture put back, which
    // must show exactly what the window showed then; the session carries on
    // from there as it would have at the capture.
    QStringList step() {
        problems.clear();
        const int roll = int(rng.bounded(100));
        if (roll < 3)
            capture();
        else if (roll < 6 && saved)
            restore();
        else if (roll < 10)
            undoOrRedo(roll < 8 ? "UndoAction" : "RedoAction");
        else
            doRandomAction();
        check();
        remember();
        return problems;
    }

    QString lastActions() const {
        QStringList lines;
        for (const QString& a : log)
            lines << QStringLiteral("  ") + a;
        return lines.join(QLatin1Char('\n'));
    }

private:
    void note(const QString& action) {
        log.push_back(action);
        if (log.size() > 12)
            log.pop_front();
    }
    void problem(const QString& what) { problems << what; }
    template <typename T> void expectEqual(const char* what, const T& actual, const T& expected) {
        if (actual != expected)
            problem(QStringLiteral("%1: shows %2, expected %3")
                        .arg(QString::fromLatin1(what), QVariant::fromValue(actual).toString(),
                             QVariant::fromValue(expected).toString()));
    }

    struct Snapshot {
        SessionState state;
        Expected expected;
        QStringList shown;
    };

    void capture() {
        note(QStringLiteral("capture"));
        saved = Snapshot{w.window->captureState(), e, w.dump()};
    }

    void restore() {
        note(QStringLiteral("restore the capture"));
        w.window->restoreState(saved->state);
        e = saved->expected;
        const QStringList shown = w.dump();
        for (qsizetype i = 0; i < std::max(shown.size(), saved->shown.size()); ++i)
            if (shown.value(i) != saved->shown.value(i))
                problem(QStringLiteral("after restoring: %1\n  captured: %2")
                            .arg(shown.value(i), saved->shown.value(i)));
    }

    // What the window showed after each action, with what the test expected
    // then: undo and redo can only ever bring back one of these.
    struct Seen {
        QStringList shown;
        Expected expected;
    };

    QStringList shownWithReports() const {
        const Loadout& l = w.window->currentLoadout();
        return w.dump() << l.VTReportText << l.FuelReportText << l.Part1ReportText
                        << l.Part2ReportText << l.MW1ReportText << l.MW2ReportText
                        << l.MW3ReportText << l.SW1ReportText << l.SW2ReportText << l.SW3ReportText;
    }

    void remember() {
        seen.push_back({shownWithReports(), e});
        if (seen.size() > 300)
            seen.pop_front();
    }

    // Undo or redo brings back a state shown before; undo followed by redo
    // brings back exactly what was shown before the undo.
    void undoOrRedo(const char* action) {
        note(QString::fromLatin1(action));
        const QStringList before = shownWithReports();
        const Expected expectedBefore = e;
        auto* command = w.window->findChild<QAction*>(QString::fromLatin1(action));
        command->trigger();
        const QStringList now = shownWithReports();
        const auto match =
            std::find_if(seen.rbegin(), seen.rend(), [&](const Seen& s) { return s.shown == now; });
        if (match == seen.rend())
            return problem(
                QStringLiteral("%1 shows a state never seen").arg(QLatin1String(action)));
        e = match->expected;
        if (qstrcmp(action, "UndoAction") == 0 && now != before && rng.bounded(2) == 0) {
            note(QStringLiteral("RedoAction at once"));
            w.window->findChild<QAction*>(QStringLiteral("RedoAction"))->trigger();
            if (shownWithReports() != before)
                problem(QStringLiteral("redo after undo does not show the state before the undo"));
            e = expectedBefore;
        }
    }

    bool usable(QWidget* widget) const { return widget->isVisible() && widget->isEnabled(); }

    void doRandomAction() {
        if (e.vt == NoVtYet) {
            pick(Selectors[0], randomVt());
            return;
        }
        std::vector<const SelectorRow*> selectors;
        for (const SelectorRow& s : Selectors)
            if (usable(w.combo(s.name)))
                selectors.push_back(&s);
        std::vector<const char*> buttons;
        for (const char* b : Buttons)
            if (usable(w.find<QAbstractButton>(b)))
                buttons.push_back(b);

        const int roll = int(rng.bounded(100));
        if (roll < 55) {
            const SelectorRow& s = *selectors[rng.bounded(quint32(selectors.size()))];
            // A new VT wipes everything, so it comes less often than the rest.
            if (s.kind == Kind::Vt && rng.bounded(3) != 0)
                return doRandomAction();
            pick(s, randomItem(s));
        } else if (roll < 70) {
            const SelectorRow& s = *selectors[rng.bounded(quint32(selectors.size()))];
            if (s.kind == Kind::Vt && rng.bounded(3) != 0)
                return doRandomAction();
            const QStringList items = w.items(s.name);
            const bool matching = !items.isEmpty() && rng.bounded(2) == 0;
            type(s, matching ? items[rng.bounded(quint32(items.size()))] : noItemText(items));
        } else {
            click(buttons[rng.bounded(quint32(buttons.size()))]);
        }
    }

    QString noItemText(const QStringList& items) {
        static const QString alphabet = QStringLiteral("ACGLMNRSTUaemnr0123456789- ");
        QString text;
        do {
            text.clear();
            const int length = 1 + int(rng.bounded(8));
            for (int i = 0; i < length; ++i)
                text += alphabet[rng.bounded(quint32(alphabet.size()))];
        } while (items.contains(text));
        return text;
    }

    int randomItem(const SelectorRow& s) {
        if (s.kind == Kind::Vt)
            return randomVt();
        // Half the part picks go to the parts whose bonuses combine.
        if (s.kind == Kind::Part && rng.bounded(2) == 0)
            return int(rng.bounded(PartAdditionalMount, PartPowerCell + 1));
        return int(rng.bounded(w.combo(s.name)->count()));
    }

    // Half the VT picks go to the VTs with fixed mounts, whose rules are the
    // hardest to get right.
    int randomVt() {
        if (rng.bounded(2) == 0)
            return int(rng.bounded(VtCount));
        return FixedMounts[rng.bounded(quint32(FixedMountCount))].vt;
    }

    void pick(const SelectorRow& s, int index) {
        const QString item = w.combo(s.name)->itemText(index);
        note(QStringLiteral("pick %1 item %2 \"%3\"")
                 .arg(QLatin1String(s.name))
                 .arg(index)
                 .arg(item));
        w.pick(s.name, index);
        choose(s, index, item);
    }

    // Each keystroke runs the selector's handler on the text typed so far.
    void type(const SelectorRow& s, const QString& text) {
        const QStringList items = w.items(s.name);
        const bool leave = rng.bounded(2) == 0;
        note(QStringLiteral("type \"%1\" into %2%3")
                 .arg(text, QLatin1String(s.name),
                      leave ? QStringLiteral(" and leave") : QString()));
        w.type(s.name, text);
        for (qsizetype n = 0; n <= text.size(); ++n) {
            const QString typed = text.left(n);
            choose(s, int(items.indexOf(typed)), typed);
        }
        if (leave)
            w.leave(s.name);
    }

    void choose(const SelectorRow& s, int index, const QString& item) {
        switch (s.kind) {
        case Kind::Vt:
            e.chooseVt(index);
            break;
        case Kind::Fuel:
            e.chooseFuel(index);
            break;
        case Kind::Part:
            e.choosePart(s.slot, index);
            break;
        case Kind::Level:
            e.chooseLevel(s.slot, index);
            break;
        case Kind::Main:
        case Kind::Sub:
            // Typed text that names no weapon leaves the slot as it was.
            if (index >= 0)
                e.chooseWeapon(s.kind == Kind::Main ? WeaponKind::Main : WeaponKind::Sub, s.slot,
                               item);
            break;
        case Kind::Compare:
            break;
        }
    }

    void click(const char* name) {
        note(QStringLiteral("click %1").arg(QLatin1String(name)));
        auto* button = w.find<QAbstractButton>(name);
        QTest::mouseClick(button, Qt::LeftButton);
        const QByteArray n(name);
        if (n == "F1Button") {
            e.mmLaunched = true;
        } else if (n == "FixedMW2Button") {
            e.askAboutFixed(WeaponKind::Main, 1);
        } else if (n.startsWith("FixedSW")) {
            e.askAboutFixed(WeaponKind::Sub, n.at(7) - '1');
        } else if (n == "ForumGenerateButton") {
            checkForumCode();
        } else if (n == "HtmlGenerateButton") {
            checkHtmlPage();
        } else if (n == "HtmlToClipboardButton" || n == "ForumToClipBoardButton") {
            const char* box = n.startsWith("Html") ? "HtmlRichEdit" : "ForumRichEdit";
            expectEqual("clipboard", QGuiApplication::clipboard()->text(),
                        withCrLf(w.find<QPlainTextEdit>(box)->toPlainText()));
        } else if (n == "SpeedButton6") {
            checkSavedPage();
        }
    }

    QStringList reports() const {
        return {e.fuelReport,     e.parts[0].report, e.parts[1].report,
                e.main[0].report, e.main[1].report,  e.main[2].report,
                e.sub[0].report,  e.sub[1].report,   e.sub[2].report};
    }

    void checkForumCode() {
        const QStringList lines =
            w.find<QPlainTextEdit>("ForumRichEdit")->toPlainText().split(QLatin1Char('\n'));
        if (lines.size() != 11)
            return problem(QStringLiteral("forum code has %1 lines").arg(lines.size()));
        expectEqual("forum VT line", lines[0],
                    QStringLiteral("[size=18][B]VT:[/B] ") + e.vtReport +
                        QStringLiteral("[/size]"));
        const QStringList expected = reports();
        for (int i = 0; i < expected.size(); ++i)
            if (!lines[i + 1].endsWith(QStringLiteral("[/color]  ") + expected[i]))
                problem(QStringLiteral("forum line %1 \"%2\" does not end with \"%3\"")
                            .arg(i + 1)
                            .arg(lines[i + 1], expected[i]));
        if (!lines[10].contains(QStringLiteral("[B]") + e.status().first + QStringLiteral("[/B]")))
            problem(QStringLiteral("forum status line \"%1\"").arg(lines[10]));
    }

    void checkHtmlPage() {
        const QString page = w.find<QPlainTextEdit>("HtmlRichEdit")->toPlainText();
        const QStringList names = reports() << e.vtReport;
        for (const QString& text : names)
            if (!page.contains(text))
                problem(QStringLiteral("HTML page does not name \"%1\"").arg(text));
        // The page writes the overload statuses in its own case: "STD Over".
        QString status = e.status().first;
        if (!e.vtChosen())
            status.clear();
        if (status.endsWith(QLatin1String(" OVER")))
            status = status.left(status.size() - 3).append(QLatin1String("ver"));
        if (!page.contains(QStringLiteral("<strong>") + status + QStringLiteral("</strong>")))
            problem(QStringLiteral("HTML page does not show \"%1\"").arg(status));
    }

    void checkSavedPage() {
        QFile saved(QDir(html).filePath(QStringLiteral("VantorVTConfig.html")));
        if (!saved.open(QIODevice::ReadOnly))
            return problem(QStringLiteral("no saved page"));
        expectEqual("saved page", QString::fromUtf8(saved.readAll()),
                    withCrLf(w.find<QPlainTextEdit>("HtmlRichEdit")->toPlainText()));
        expectEqual("page opened",
                    w.platform->opened.isEmpty() ? QUrl() : w.platform->opened.last(),
                    QUrl::fromLocalFile(saved.fileName()));
    }

    void check() {
        if (!w.platform->errors.isEmpty())
            problem(QStringLiteral("error shown: ") +
                    w.platform->errors.join(QStringLiteral(" | ")));
        if (!e.vtChosen() && e.vt != -1)
            return;
        checkLoads();
        checkViewsAndPages();
        checkSelectors();
        checkReports();
    }

    void checkLoads() {
        const auto number = [this](const char* label) { return w.text(label); };
        const auto text = [](std::uint32_t n) { return QString::number(n); };
        expectEqual("fuel tank load", number("FuelTankLoadLabel"), text(e.fuel));
        expectEqual("main weapon load", number("MainWeaponLoadLabel"), text(e.load(e.main)));
        expectEqual("sub-weapon load", number("SubWeaponLoadLabel"), text(e.load(e.sub)));
        expectEqual("total load", number("TotalLoadLabel"), text(e.total()));
        expectEqual("standard load", number("VTStandardLoadLabel"), text(e.standard()));
        expectEqual("maximum load", number("VTMaximumLoadLabel"), text(e.maximum()));
        expectEqual("standard bonus", number("OptionalPartsStandardBonusLabel"),
                    text(e.standardBonus()));
        expectEqual("maximum bonus", number("OptionalPartsMaximumBonusLabel"),
                    text(e.maximumBonus()));
        expectEqual("balancer", number("VTBalancerRatingLabel"), e.balancer());
        expectEqual("durability", number("VTDurabilityLabel"), e.durability());
        expectEqual("veering", number("VTVeeringEfficiencyLabel"), e.veering());
        const auto [status, colour] = e.status();
        auto* label = w.find<QLabel>("Label9");
        expectEqual("status", label->text(), status);
        expectEqual("status colour", label->palette().color(QPalette::WindowText), colour);
    }

    // One view shows, its button flat; the picture may lie beneath a group, as
    // at start, but nothing else may be shown.
    void checkViewsAndPages() {
        int flat = 0;
        QWidget* shown = nullptr;
        for (auto [button, view] : Views)
            if (w.button(button)->isFlat()) {
                ++flat;
                shown = w.find(view);
            }
        expectEqual("flat view buttons", flat, 1);
        if (shown && !shown->isVisible())
            problem(QStringLiteral("the chosen view %1 is hidden").arg(shown->objectName()));
        for (auto [button, view] : Views) {
            QWidget* v = w.find(view);
            if (v == shown || !v->isVisible())
                continue;
            const QObjectList stack = v->parent()->children();
            if (qstrcmp(view, "VTImage") != 0 || !shown || stack.indexOf(v) > stack.indexOf(shown))
                problem(QStringLiteral("%1 shown over or beside the chosen view")
                            .arg(QLatin1String(view)));
        }

        int pages = 0;
        for (auto [group, alternative] : Pages)
            pages +=
                w.find(group)->isVisible() || (alternative && w.find(alternative)->isVisible());
        const bool open =
            w.button("AdvFunctionButton")->text() == QLatin1String("Close Advanced Functions");
        const int height = w.window->windowHeight();
        if (pages > 1)
            problem(QStringLiteral("%1 pages shown").arg(pages));
        if (!open && (pages != 0 || height != 330))
            problem(
                QStringLiteral("advanced area closed, %1 pages, height %2").arg(pages).arg(height));
        if (open && pages == 0 && height != 363)
            problem(QStringLiteral("advanced area open without page, height %1").arg(height));
        if (open && pages == 1 && height != 544 && height != 534)
            problem(QStringLiteral("page shown, height %1").arg(height));
    }

    void checkSelectors() {
        for (WeaponKind kind : {WeaponKind::Main, WeaponKind::Sub})
            for (int i = 0; i < 3; ++i) {
                const char* name = (kind == WeaponKind::Main ? MainSelectors : SubSelectors)[i];
                const WeaponSlot& s = e.slot(kind, i);
                QComboBox* selector = w.combo(name);
                const QString shown = selector->currentText();
                const QString held = toQString(s.weapon->ListText);
                const int button = (kind == WeaponKind::Main ? 0 : 3) + i;
                if (!e.vtChosen()) {
                    if (selector->isEnabled() || selector->count() != 0)
                        problem(QStringLiteral("%1 usable without a VT").arg(QLatin1String(name)));
                    expectEqual(RangeButtons[button], w.button(RangeButtons[button])->text(),
                                QString());
                    continue;
                }
                expectEqual(RangeButtons[button], w.button(RangeButtons[button])->text(), held);
                if (s.fixed) {
                    const bool launched = e.mmLaunched && kind == WeaponKind::Sub && i == 1;
                    expectEqual(name, shown, launched ? QStringLiteral("MM Launched") : held);
                    if (selector->isEnabled())
                        problem(QStringLiteral("fixed %1 enabled").arg(QLatin1String(name)));
                } else if (selector->findText(shown) >= 0) {
                    // Typed text that names no item may stand until the user leaves.
                    expectEqual(name, shown, held);
                }
            }
    }

    void checkReports() {
        const Loadout& l = w.window->currentLoadout();
        expectEqual("VT report", l.VTReportText, e.vtReport);
        const QStringList expected = reports();
        const QString actual[] = {l.FuelReportText, l.Part1ReportText, l.Part2ReportText,
                                  l.MW1ReportText,  l.MW2ReportText,   l.MW3ReportText,
                                  l.SW1ReportText,  l.SW2ReportText,   l.SW3ReportText};
        const char* const names[] = {"fuel report", "part 1 report", "part 2 report",
                                     "MW1 report",  "MW2 report",    "MW3 report",
                                     "SW1 report",  "SW2 report",    "SW3 report"};
        for (int i = 0; i < expected.size(); ++i)
            expectEqual(names[i], actual[i], expected[i]);
    }

    QRandomGenerator rng;
    QString html;
    Window w;
    Expected e;
    std::optional<Snapshot> saved;
    std::deque<Seen> seen;
    std::deque<QString> log;
    QStringList problems;
};

} // namespace

class TestRandomSession : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void session_data();
    void session();

private:
    QTemporaryDir workDir;
    QString previousDir;
};

// The session runs in a folder of its own whose Html folder takes the saved
// page; the pictures come from beside the program.
void TestRandomSession::initTestCase() {
    applyVantorAppearance(*qApp);
    QVERIFY(workDir.isValid());
    QVERIFY(QDir(workDir.path()).mkdir(QStringLiteral("Html")));
    previousDir = QDir::currentPath();
    QDir::setCurrent(workDir.path());
}

void TestRandomSession::cleanupTestCase() {
    QDir::setCurrent(previousDir);
}

void TestRandomSession::session_data() {
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 2u, 3u, 20240611u, 977u})
        QTest::addRow("seed %u", seed) << seed;
}

void TestRandomSession::session() {
    QFETCH(quint32, seed);
    Session s(seed, QDir(workDir.path()).filePath(QStringLiteral("Html")));
    const int actions = actionsPerSeed();
    for (int i = 0; i < actions; ++i) {
        const QStringList problems = s.step();
        if (!problems.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1, action %2:\n%3\nlast actions:\n%4")
                                 .arg(seed)
                                 .arg(i)
                                 .arg(problems.join(QLatin1Char('\n')), s.lastActions())));
    }
}

QTEST_MAIN(TestRandomSession)
#include "tst_randomsession.moc"

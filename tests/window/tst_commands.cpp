// Undo and redo, and loadouts copied and pasted as forum code, HTML page or
// loadout code, on the real window: keys, the context menu and what the window shows.

#include "WindowTest.h"

#include "app/desktop/Accessibility.h"
#include "app/desktop/Appearance.h"
#include "app/tools/GuideWindow.h"
#include "equipment/OptionalParts.h"
#include "model/VtCatalogue.h"
#include "reports/LoadoutCode.h"
#include "reports/LoadoutPicture.h"
#include "reports/LoadoutText.h"
#include "tests/FileFaults.h"
#include "tests/FileTree.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTimer>

using namespace vantor;
using namespace filefaults;

namespace {

const QKeySequence Undo(Qt::CTRL | Qt::Key_Z);
const QKeySequence Redo(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
const QKeySequence RedoY(Qt::CTRL | Qt::Key_Y);
const QKeySequence CopyLoadout(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
const QKeySequence PasteLoadout(Qt::CTRL | Qt::SHIFT | Qt::Key_V);
const QKeySequence CopyLoadoutCode(Qt::CTRL | Qt::ALT | Qt::Key_C);

// What the window shows and holds at one moment.
struct Shown {
    SessionState state;
    QStringList dump;
};

Shown shown(const Window& w) {
    return {w.window->captureState(), w.dump()};
}

void verifyShows(const Window& w, const Shown& expected) {
    const QStringList now = w.dump();
    for (qsizetype i = 0; i < std::max(now.size(), expected.dump.size()); ++i)
        QCOMPARE(now.value(i), expected.dump.value(i));
    QVERIFY(w.window->captureState() == expected.state);
}

// The picks a user makes in a fresh window, in the order a paste makes them.
// A slot with no part picked after the VT's choice takes its held level and
// its open level selector from picks made before choosing the VT again.
void pickLoadout(const Window& w, const LoadoutPicks& p) {
    const char* const parts[] = {"OPSelect1", "OPSelect2"};
    const char* const levels[] = {"OPLSelect1", "OPLSelect2"};
    w.pick("VTSelect", p.vt);
    bool again = false;
    for (int i = 0; i < 2; ++i) {
        const PartPick& part = p.parts[i];
        if (part.part != NotPicked || (!part.levelOpen.value_or(false) && part.earlierLevel < 0))
            continue;
        w.pick(parts[i], PartAdditionalMount);
        if (part.earlierLevel != NotPicked)
            w.pick(levels[i], part.earlierLevel);
        if (!*part.levelOpen)
            w.pick(parts[i], PartUnarmed);
        again = true;
    }
    if (again)
        w.pick("VTSelect", p.vt);
    if (p.fuel != NotPicked)
        w.pick("FTSelect", p.fuel);
    for (int i = 0; i < 2; ++i) {
        const PartPick& part = p.parts[i];
        if (part.part == NotPicked) {
            if (part.level != NotPicked)
                w.pick(levels[i], part.level);
            continue;
        }
        if (part.earlierLevel != NotPicked) {
            w.pick(parts[i], part.keepBonus ? part.part : PartAdditionalMount);
            w.pick(levels[i], part.earlierLevel);
        }
        w.pick(parts[i], part.part);
        if (part.level != NotPicked)
            w.pick(levels[i], part.level);
    }
    const char* const weapons[] = {"MWSelect1", "MWSelect2", "MWSelect3",
                                   "SWSelect1", "SWSelect2", "SWSelect3"};
    for (int i = 0; i < 6; ++i) {
        const WeaponPick& weapon = (i < 3 ? p.main : p.sub)[i % 3];
        if (!weapon.fixed && weapon.item != NotPicked)
            w.pick(weapons[i], weapon.item);
    }
    if (p.mmLaunched)
        w.click("F1Button");
}

// Random picks for VT `vt` as the window offers them.
LoadoutPicks randomPicks(const Window& w, int vt, QRandomGenerator& rng) {
    LoadoutPicks p;
    p.vt = vt;
    w.pick("VTSelect", vt);
    const auto pick = [&](const char* selector) {
        const int n = w.combo(selector)->count();
        return n == 0 ? NotPicked : int(rng.bounded(n + 1)) - 1;
    };
    p.fuel = pick("FTSelect");
    for (int i = 0; i < 2; ++i) {
        p.parts[i].part = pick(i == 0 ? "OPSelect1" : "OPSelect2");
        if (p.parts[i].part >= 1 && p.parts[i].part <= 8)
            p.parts[i].level = int(rng.bounded(3));
    }
    const char* const weapons[] = {"MWSelect1", "MWSelect2", "MWSelect3",
                                   "SWSelect1", "SWSelect2", "SWSelect3"};
    for (int i = 0; i < 6; ++i) {
        WeaponPick& weapon = (i < 3 ? p.main : p.sub)[i % 3];
        weapon.fixed = !w.combo(weapons[i])->isEnabled();
        weapon.item = weapon.fixed ? NotPicked : pick(weapons[i]);
    }
    return p;
}

// `body`, a code without its check, made whole.
QString withCheck(QString body) {
    int interim = 0;
    for (QChar c : body)
        interim = loadoutCheckStep(interim, loadoutCodeSymbol(c));
    return body + QLatin1Char(LoadoutCodeSymbols[std::size_t(loadoutCheckStep(interim, 0))]);
}

// Random picks with random part slot states (0 to 106, as the code numbers
// them) and the MM launch, which only the loadout code carries.
LoadoutPicks randomCodePicks(const Window& w, int vt, QRandomGenerator& rng) {
    LoadoutPicks p = randomPicks(w, vt, rng);
    p.mmLaunched = w.button("F1Button")->isVisible() && rng.bounded(2) == 1;
    QString code = loadoutCode(p);
    for (int at : {3, 5}) {
        const int state = int(rng.bounded(107));
        code[at] = QLatin1Char(LoadoutCodeSymbols[std::size_t(state / 32)]);
        code[at + 1] = QLatin1Char(LoadoutCodeSymbols[std::size_t(state % 32)]);
    }
    return std::get<LoadoutPicks>(readLoadoutCode(withCheck(code.chopped(1))));
}

// `count` random picks in any selector but the VT's, as a user makes them.
void pickAtRandom(const Window& w, int count, QRandomGenerator& rng) {
    const char* const selectors[] = {"FTSelect",   "OPSelect1", "OPLSelect1", "OPSelect2",
                                     "OPLSelect2", "MWSelect1", "MWSelect2",  "MWSelect3",
                                     "SWSelect1",  "SWSelect2", "SWSelect3"};
    for (int i = 0; i < count; ++i) {
        const char* selector = selectors[rng.bounded(int(std::size(selectors)))];
        const QComboBox* combo = w.combo(selector);
        if (combo->isEnabled() && combo->count() > 0)
            w.pick(selector, int(rng.bounded(combo->count())));
    }
}

} // namespace

class TestCommands : public QObject {
    Q_OBJECT

private slots:
    void copiesAreConfirmed_data();
    void copiesAreConfirmed();
    void initTestCase() { applyVantorAppearance(*qApp); }
    void undoAndRedoEachStep_data();
    void undoAndRedoEachStep();
    void typingKeepsItsOwnUndo();
    void regeneratedReportKeepsItsPlace_data();
    void regeneratedReportKeepsItsPlace();
    void shortcutsInTheRangeChartSelector_data();
    void shortcutsInTheRangeChartSelector();
    void manyStepsBackAndForth();
    void contextMenu();
    void typedStartPicksOnEnter_data();
    void typedStartPicksOnEnter();
    void copyLoadoutIsTheForumCode();
    void copyAsPicture();
    void savePicture_data();
    void savePicture();
    void pasteRoundTrip_data();
    void pasteRoundTrip();
    void badPaste_data();
    void badPaste();
    void copyPastesWhatTheSelectorsShow_data();
    void copyPastesWhatTheSelectorsShow();
    void randomCopyPasteRoundTrips();
    void codeRoundTrips_data();
    void codeRoundTrips();
    void userGuideOpensAtItsStart_data();
    void userGuideOpensAtItsStart();
    void userGuideLinksResolve();
    void guideFollowsOnlyItsOwnPages_data();
    void guideFollowsOnlyItsOwnPages();
};

void TestCommands::undoAndRedoEachStep_data() {
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("undo"); // the Undo command's text after the step
    // A part, a level or the fuel tanks say their slot; a VT or a weapon names itself.
    const std::pair<const char*, const char*> steps[] = {
        {"VT", "Undo Pick Macabre"},
        {"fuel", "Undo Pick 1 Fuel Tank (Fuel)"},
        {"part", "Undo Pick Power Cell (Part 2)"},
        {"level", "Undo Pick Level 3 (Part 1)"},
        {"typed level", "Undo Pick Level 2 (Part 1)"},
        {"main weapon", "Undo Pick 315-RF"},
        {"sub-weapon", "Undo Pick 80-CG"},
        {"typed VT", "Undo Pick Colt"},
        {"typed VT that names none", "Undo Type Cx"},
        {"typed part", "Undo Pick Power Cell (Part 1)"},
        {"typed start of a part and Enter", "Undo Pick Power Cell (Part 1)"},
        {"MM launch", "Undo Launch MM"},
        {"paste", "Undo Paste Loadout"},
        {"VT after a paste", "Undo Pick Macabre"}};
    for (const auto& [step, undo] : steps)
        QTest::newRow(step) << QString::fromLatin1(step) << QString::fromLatin1(undo);
}

// Each kind of step is taken back by Ctrl+Z and made again by Ctrl+Shift+Z
// and Ctrl+Y, with no message and nothing opened.
void TestCommands::undoAndRedoEachStep() {
    QFETCH(QString, step);
    QFETCH(QString, undo);
    Window w;
    // A Colt loadout on the clipboard, then a Prominence M2 with its MM.
    w.chooseVt(QStringLiteral("Colt"));
    w.pick("MWSelect1", 1);
    w.press(CopyLoadout);
    w.chooseVt(QStringLiteral("Prominence M2"));
    w.pick("OPSelect1", QStringLiteral("Advanced Mount"));
    w.pick("MWSelect1", 2);
    if (step == QLatin1String("VT after a paste"))
        w.press(PasteLoadout);
    const Shown before = shown(w);

    if (step == QLatin1String("VT") || step == QLatin1String("VT after a paste"))
        w.chooseVt(QStringLiteral("Macabre"));
    else if (step == QLatin1String("fuel"))
        w.pick("FTSelect", 1);
    else if (step == QLatin1String("part"))
        w.pick("OPSelect2", QStringLiteral("Power Cell"));
    else if (step == QLatin1String("level"))
        w.pick("OPLSelect1", 2);
    else if (step == QLatin1String("typed level"))
        w.type("OPLSelect1", QStringLiteral("2"));
    else if (step == QLatin1String("main weapon"))
        w.pick("MWSelect3", 3);
    else if (step == QLatin1String("sub-weapon"))
        w.pick("SWSelect3", 2);
    else if (step == QLatin1String("typed VT"))
        w.type("VTSelect", QStringLiteral("Colt"));
    else if (step == QLatin1String("typed VT that names none"))
        w.type("VTSelect", QStringLiteral("Cx"));
    else if (step == QLatin1String("typed part"))
        w.type("OPSelect1", QStringLiteral("Power Cell"));
    else if (step == QLatin1String("typed start of a part and Enter")) {
        w.type("OPSelect1", QStringLiteral("power c"));
        w.press(QKeySequence(Qt::Key_Return));
    } else if (step == QLatin1String("MM launch"))
        w.click("F1Button");
    else if (step == QLatin1String("paste"))
        w.press(PasteLoadout);
    const Shown after = shown(w);
    QVERIFY(!(after.state == before.state));

    if (step == QLatin1String("typed VT that names none"))
        w.leave("VTSelect"); // text that is no pick: the field keeps its keys until left
    QCOMPARE(w.window->findChild<QAction*>(QStringLiteral("UndoAction"))->text(), undo);
    w.press(Undo);
    verifyShows(w, before);
    w.press(Redo);
    verifyShows(w, after);
    w.press(Undo);
    w.press(RedoY);
    verifyShows(w, after);
    QVERIFY(w.platform->errors.isEmpty());
    QVERIFY(w.platform->opened.isEmpty());
}

// While typed text is not yet a pick, Ctrl+Z edits the text; right after a
// pick it takes the pick back.
void TestCommands::typingKeepsItsOwnUndo() {
    Window w;
    w.chooseVt(QStringLiteral("Colt"));
    w.pick("MWSelect1", 1);
    const Shown picked = shown(w);
    w.type("MWSelect1", QStringLiteral("zz"));
    w.press(Undo);
    QLineEdit* field = w.combo("MWSelect1")->lineEdit();
    QVERIFY(field->text() != QLatin1String("zz"));
    QCOMPARE(w.window->currentLoadout().MainWeapon1Load, picked.state.loadout.MainWeapon1Load);

    w.pick("MWSelect1", 2);
    QVERIFY(field->hasFocus());
    w.press(Undo);
    QCOMPARE(w.combo("MWSelect1")->currentIndex(), 1);
    QCOMPARE(w.window->currentLoadout().MainWeapon1Load, picked.state.loadout.MainWeapon1Load);

    // In the report boxes the keys edit the text.
    w.click("AdvFunctionButton");
    w.click("HtmlPageButton");
    auto* box = w.find<QPlainTextEdit>("HtmlRichEdit");
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("abc"));
    w.press(Undo);
    QVERIFY(box->toPlainText().size() < 3);
    QCOMPARE(w.combo("MWSelect1")->currentIndex(), 1);
}

// Generated again for a changed loadout, a report box shows the new report as
// a fresh one would, the reader's cursor stays on its line, and Ctrl+Z in the
// box neither brings back the old report nor the user's edit of it.
void TestCommands::regeneratedReportKeepsItsPlace_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("box");
    QTest::newRow("HTML page") << "Html"
                               << "HtmlRichEdit";
    QTest::newRow("forum code") << "Forum"
                                << "ForumRichEdit";
}

void TestCommands::regeneratedReportKeepsItsPlace() {
    QFETCH(QString, page);
    QFETCH(QString, box);
    Window w;
    w.chooseVt(QStringLiteral("Decider"));
    w.click("AdvFunctionButton");
    w.click(qPrintable(page + QStringLiteral("PageButton")));
    const QByteArray generate = (page + QStringLiteral("GenerateButton")).toLatin1();
    w.click(generate.constData());
    auto* text = w.find<QPlainTextEdit>(box.toLatin1().constData());
    const QString first = text->toPlainText();
    w.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    text->setFocus();
    text->setTextCursor(QTextCursor(text->document()->findBlockByNumber(1)));
    QTest::keyClicks(text, QStringLiteral("zz"));

    w.pick("MWSelect1", 1);
    w.click(generate.constData());
    const QString regenerated = text->toPlainText();
    QVERIFY(regenerated != first);
    // As many lines as before: only the changed ones were replaced.
    QCOMPARE(regenerated.count(QLatin1Char('\n')), first.count(QLatin1Char('\n')));
    QVERIFY(!regenerated.contains(QStringLiteral("zz")));
    QCOMPARE(text->textCursor().blockNumber(), 1);
    text->setFocus();
    w.press(Undo);
    QCOMPARE(text->toPlainText(), regenerated);

    w.click(qPrintable(page == QLatin1String("Html") ? QStringLiteral("HtmlClearButton")
                                                     : QStringLiteral("ForumRichEditClearButton")));
    w.click(generate.constData());
    QCOMPARE(text->toPlainText(), regenerated);
}

void TestCommands::shortcutsInTheRangeChartSelector_data() {
    QTest::addColumn<QKeySequence>("keys");
    // In the comparison-weapon selector; none: a pick; "name": an item's name.
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("action"); // triggered; none: the keys edit the text
    const QKeySequence pin(Qt::CTRL | Qt::Key_D);
    const QKeySequence swap(Qt::CTRL | Qt::SHIFT | Qt::Key_D);
    QTest::newRow("Ctrl+Z") << Undo << QString() << "UndoAction";
    QTest::newRow("Ctrl+Shift+Z") << Redo << QString() << "RedoAction";
    QTest::newRow("Ctrl+Y") << RedoY << QString() << "RedoAction";
    QTest::newRow("Ctrl+D") << pin << QString() << "PinAction";
    QTest::newRow("Ctrl+Shift+D") << swap << QString() << "SwapAction";
    QTest::newRow("Ctrl+Shift+C") << CopyLoadout << QString() << "CopyLoadoutAction";
    QTest::newRow("Ctrl+Shift+V") << PasteLoadout << QString() << "PasteLoadoutAction";
    QTest::newRow("Ctrl+Alt+C") << CopyLoadoutCode << QString() << "CopyLoadoutCodeAction";
    QTest::newRow("Ctrl+Z after a weapon's name") << Undo << "name"
                                                  << "UndoAction";
    QTest::newRow("Ctrl+Z while typing") << Undo << "zz" << QString();
    QTest::newRow("Ctrl+D while typing") << pin << "zz"
                                         << "PinAction";
    const QKeySequence showComparison(Qt::CTRL | Qt::SHIFT | Qt::Key_P);
    QTest::newRow("Ctrl+Shift+P") << showComparison << QString() << "ShowComparisonAction";
    // The window's menu, not the field's editing menu.
    QTest::newRow("Menu key") << QKeySequence(Qt::Key_Menu) << QString() << "LoadoutMenu";
    QTest::newRow("Shift+F10 while typing") << QKeySequence(Qt::SHIFT | Qt::Key_F10) << "zz"
                                            << "LoadoutMenu";
}

// With the focus in the range chart's comparison-weapon selector, the
// loadout's keys act as in the loadout selectors.
void TestCommands::shortcutsInTheRangeChartSelector() {
    QFETCH(QKeySequence, keys);
    QFETCH(QString, typed);
    QFETCH(QString, action);
    Window w;
    w.chooseVt(QStringLiteral("Colt"));
    w.press(CopyLoadout);
    w.pick("MWSelect1", 1);
    w.pick("MWSelect1", 2);
    w.press(Undo);                               // something to redo
    w.press(QKeySequence(Qt::CTRL | Qt::Key_D)); // something to swap with
    w.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    w.click("AdvFunctionButton");
    w.click("WeaponRangeButton");
    if (typed.isEmpty())
        w.pick("RangeWeaponSelect", 3);
    else
        w.type("RangeWeaponSelect",
               typed == QLatin1String("name") ? w.items("RangeWeaponSelect").at(3) : typed);
    QLineEdit* field = w.combo("RangeWeaponSelect")->lineEdit();
    field->setFocus();
    QVERIFY(field->hasFocus());
    const QString text = field->text();
    QList<QAction*> actions = w.window->findChildren<QAction*>();
    std::unique_ptr<QSignalSpy> spy;
    for (QAction* a : actions)
        if (!action.isEmpty() && a->objectName() == action)
            spy = std::make_unique<QSignalSpy>(a, &QAction::triggered);
    auto* menu = w.window->findChild<QMenu*>(QStringLiteral("LoadoutMenu"));
    QVERIFY(action.isEmpty() || spy || action == menu->objectName());
    if (keys == QKeySequence(Qt::Key_Menu)) { // what the desktop makes of the Menu key
        QContextMenuEvent request(QContextMenuEvent::Keyboard, {}, field->mapToGlobal(QPoint()));
        QApplication::sendEvent(QApplication::focusWidget(), &request);
    } else {
        w.press(keys);
    }
    if (spy)
        QCOMPARE(spy->count(), 1);
    QCOMPARE(QApplication::activePopupWidget() == menu, action == menu->objectName());
    if (action.isEmpty()) // the text's own undo
        QVERIFY(field->text() != text);
    if (action == QLatin1String("UndoAction"))
        QCOMPARE(w.combo("MWSelect1")->currentIndex(), 0);
    else if (action == QLatin1String("RedoAction"))
        QCOMPARE(w.combo("MWSelect1")->currentIndex(), 2);
    QVERIFY(w.platform->errors.isEmpty());
}

// At least 200 steps go back, and all come again; a new step drops the rest.
void TestCommands::manyStepsBackAndForth() {
    Window w;
    w.chooseVt(QStringLiteral("Garpike"));
    const Shown start = shown(w);
    QList<Shown> steps;
    for (int i = 0; i < 210; ++i) {
        w.pick(i % 2 ? "MWSelect1" : "SWSelect1", 1 + i % 3);
        steps << shown(w);
    }
    for (int i = 0; i < 210; ++i)
        w.press(Undo);
    verifyShows(w, start);
    for (int i = 0; i < 210; ++i)
        w.press(Redo);
    verifyShows(w, steps.last());
    w.press(Undo);
    w.pick("FTSelect", 2);
    const Shown fuel = shown(w);
    w.press(Redo); // nothing left to make again
    verifyShows(w, fuel);
}

// A right-click on a group opens the menu with the loadout's commands, each
// with its shortcut, and disabled where it cannot act.
void TestCommands::contextMenu() {
    Window w;
    QGuiApplication::clipboard()->clear();
    auto* group = w.find<QGroupBox>("GroupBox1");
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                            group->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(group, &click);
    auto* menu = w.window->findChild<QMenu*>(QStringLiteral("LoadoutMenu"));
    QVERIFY(menu && menu->isVisible());
    QStringList texts;
    QList<bool> enabled;
    for (QAction* a : menu->actions())
        if (!a->isSeparator()) {
            texts << a->text() + QLatin1Char('\t') + a->shortcut().toString();
            enabled << a->isEnabled();
        }
    QCOMPARE(texts,
             (QStringList{"Undo\tCtrl+Z", "Redo\tCtrl+Shift+Z", "Copy Loadout\tCtrl+Shift+C",
                          "Copy Loadout Code\tCtrl+Alt+C", "Paste Loadout\tCtrl+Shift+V",
                          "Copy as Picture\t", "Save Picture...\t", "Pin for Comparison\tCtrl+D",
                          "Show Comparison\tCtrl+Shift+P", "Browse VTs and Weapons\tCtrl+B",
                          "Find Loadouts\tCtrl+F", "User Guide\tF1"}));
    QCOMPARE(enabled, (QList<bool>{false, false, false, false, false, false, false, false, false,
                                   true, false, true}));
    menu->close();
    // A command the menu disables does nothing, should it be asked for anyway.
    QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
    const Shown before = shown(w);
    for (const char* name :
         {"CopyLoadoutAction", "CopyLoadoutCodeAction", "CopyPictureAction", "SavePictureAction",
          "PinAction", "ShowComparisonAction", "SwapAction", "FindAction"})
        emit w.window->findChild<QAction*>(QLatin1String(name))->triggered(false);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));
    QVERIFY(w.platform->suggestedFiles.isEmpty());
    QCOMPARE(w.platform->errors, QStringList());
    QVERIFY(!w.window->findChild<QWidget*>(QStringLiteral("CompareWindow")));
    QVERIFY(!w.window->findChild<QWidget*>(QStringLiteral("FinderWindow")));
    verifyShows(w, before);

    w.chooseVt(QStringLiteral("Colt"));
    w.press(CopyLoadout);
    QApplication::sendEvent(group, &click);
    enabled.clear();
    for (QAction* a : menu->actions())
        if (!a->isSeparator())
            enabled << a->isEnabled();
    QCOMPARE(enabled, (QList<bool>{true, false, true, true, true, true, true, true, false, true,
                                   true, true}));
    // Undo and Redo name the step they take back or make again.
    QCOMPARE(menu->actions().constFirst()->text(), QStringLiteral("Undo Pick Colt"));
    menu->actions().constFirst()->trigger();
    QCOMPARE(menu->actions().at(1)->text(), QStringLiteral("Redo Pick Colt"));
    QCOMPARE(w.combo("VTSelect")->currentText(), QStringLiteral("VT"));
}

void TestCommands::typedStartPicksOnEnter_data() {
    QTest::addColumn<QString>("selector");
    QTest::addColumn<QString>("typed");  // then Enter
    QTest::addColumn<QString>("picked"); // none: Enter changes nothing
    QTest::newRow("start of a VT in another case") << "VTSelect"
                                                   << "GARP"
                                                   << "Garpike";
    QTest::newRow("VT in another case, the start of another") << "VTSelect"
                                                              << "colt"
                                                              << "Colt";
    QTest::newRow("start of three VTs") << "VTSelect"
                                        << "prom" << QString();
    QTest::newRow("start of no VT") << "VTSelect"
                                    << "Garpikes" << QString();
    QTest::newRow("start of a weapon") << "MWSelect1"
                                       << "270"
                                       << "270-RI";
    QTest::newRow("start of two weapons") << "MWSelect1"
                                          << "1" << QString();
    QTest::newRow("start of a comparison weapon") << "RangeWeaponSelect"
                                                  << "stun"
                                                  << "STUN-R";
}

// Enter after the start of one item's name picks it as its list does: the
// same handler, the same step to undo. Other text picks nothing.
void TestCommands::typedStartPicksOnEnter() {
    QFETCH(QString, selector);
    QFETCH(QString, typed);
    QFETCH(QString, picked);
    const QByteArray name = selector.toLatin1();
    Window listed, w;
    for (const Window* window : {&listed, &w}) {
        window->chooseVt(QStringLiteral("Colt"));
        window->pick("OPSelect1", QStringLiteral("Advanced Mount"));
        window->click("AdvFunctionButton");
        window->click("WeaponRangeButton");
    }
    if (!picked.isEmpty())
        listed.pick(name, picked);
    w.type(name, typed);
    const Shown typing = shown(w);
    const int held = w.combo(name)->currentIndex();
    QAction* undo = w.window->findChild<QAction*>(QStringLiteral("UndoAction"));
    const QString typingStep = undo->text();
    w.press(QKeySequence(Qt::Key_Return));
    QAction* listedUndo = listed.window->findChild<QAction*>(QStringLiteral("UndoAction"));
    if (picked.isEmpty()) { // a weapon selector shows its weapon again, as on leaving
        QVERIFY(w.window->currentLoadout() == typing.state.loadout);
        QCOMPARE(w.combo(name)->currentIndex(), held);
        QCOMPARE(undo->text(), typingStep);
        return;
    }
    verifyShows(w, shown(listed));
    QCOMPARE(undo->text(), listedUndo->text());
    undo->trigger();
    listedUndo->trigger();
    verifyShows(w, shown(listed));
}

// The same text "Generate Forum Code" and its copy button give, without the
// forum code page; nothing without a VT.
void TestCommands::copyLoadoutIsTheForumCode() {
    Window w;
    QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
    w.press(CopyLoadout);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));
    w.chooseVt(QStringLiteral("Jaralaccs N"));
    w.pick("OPSelect1", QStringLiteral("Mechanical Unit"));
    w.pick("OPLSelect1", 1);
    w.pick("SWSelect1", 2);
    w.press(CopyLoadout);
    const QString copied = QGuiApplication::clipboard()->text();
    QVERIFY(w.find<QPlainTextEdit>("ForumRichEdit")->toPlainText().isEmpty());
    w.click("AdvFunctionButton");
    w.click("ForumPageButton");
    w.click("ForumGenerateButton");
    w.click("ForumToClipBoardButton");
    QCOMPARE(copied, QGuiApplication::clipboard()->text());
    QVERIFY(copied.contains(QStringLiteral("\r\n")));
}

// A loadout with weapons, parts and fuel, more than the VT's maximum load.
void pickOverLoadout(const Window& w) {
    w.chooseVt(QStringLiteral("Garpike"));
    w.pick("FTSelect", QStringLiteral("1 Fuel Tank"));
    w.pick("OPSelect1", QStringLiteral("Advanced Armour"));
    w.pick("MWSelect1", QStringLiteral("270-AR"));
    w.pick("MWSelect2", QStringLiteral("140-MG"));
    w.pick("MWSelect3", QStringLiteral("270-AR"));
    w.pick("SWSelect1", QStringLiteral("AVTM"));
    w.pick("SWSelect3", QStringLiteral("NPM"));
    w.pick("OPSelect2", QStringLiteral("Advanced Balancer"));
    w.pick("OPLSelect2", QStringLiteral("3"));
}

QImage copiedPicture(const Window& w) {
    w.window->findChild<QAction*>(QStringLiteral("CopyPictureAction"))->trigger();
    return QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
}

// Nothing without a VT; with one, the loadout's picture with the VT's.
void TestCommands::copyAsPicture() {
    Window w;
    QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
    QVERIFY(copiedPicture(w).isNull());
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));
    pickOverLoadout(w);
    QCOMPARE(w.text("Label9"), QStringLiteral("MAX OVER"));
    const QImage picture = copiedPicture(w);
    QCOMPARE(picture.size(), LoadoutPictureSize);
    // The VT's picture as the picture view shows it, not an empty place.
    QVERIFY(picture.pixel(PictureVtRect.center()) != qRgb(255, 255, 255));
}

void TestCommands::savePicture_data() {
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<QString>("occupied"); // the obstacle's name in the test's folder
    QTest::addColumn<QString>("chosen");   // in the test's folder
    QTest::addColumn<QString>("asked");    // the file asked about replacing; empty: none
    QTest::addColumn<bool>("answer");      // to that question
    QTest::addColumn<QString>("saved");    // what is written there; empty: nothing
    QTest::addColumn<QString>("reason");   // in the message; empty: none
    const QString garpike = QStringLiteral("Garpike.png");
    QTest::newRow("new file") << "" << garpike << garpike << "" << true << garpike << "";
    QTest::newRow("no extension") << "" << garpike << "Garpike"
                                  << "" << true << garpike << "";
    QTest::newRow("an older picture")
        << "old" << garpike << garpike << garpike << true << garpike << "";
    QTest::newRow("an older picture, kept") << "old" << garpike << garpike << garpike << false << ""
                                            << "";
    QTest::newRow("no extension, an older picture")
        << "old" << garpike << "Garpike" << garpike << true << garpike << "";
    // A PNG is never saved under a name that says another format.
    QTest::newRow("another extension, its PNG there") << "old"
                                                      << "photo.jpg.png"
                                                      << "photo.jpg"
                                                      << "photo.jpg.png" << true << "photo.jpg.png"
                                                      << "";
    QTest::newRow("another extension, its PNG there, kept") << "old"
                                                            << "photo.jpg.png"
                                                            << "photo.jpg"
                                                            << "photo.jpg.png" << false << ""
                                                            << "";
    QTest::newRow("another extension, that file there: beside it") << "old"
                                                                   << "photo.jpg"
                                                                   << "photo.jpg"
                                                                   << "" << true << "photo.jpg.png"
                                                                   << "";
    QTest::newRow("cancelled") << "" << garpike << ""
                               << "" << true << ""
                               << "";
    QTest::newRow("symbolic link") << "link" << garpike << garpike << garpike << true << ""
                                   << "symbolic link";
    QTest::newRow("read-only file") << "read-only" << garpike << garpike << garpike << true << ""
                                    << "write-protected";
    QTest::newRow("missing folder")
        << "" << garpike << "Gone/Garpike.png"
        << "" << true << ""
        << systemText("No such file or directory", 2 /* ERROR_FILE_NOT_FOUND */);
}

// The picture on the clipboard, byte for byte a PNG of the same pixels; a
// file replaced only once the user has agreed, asked about the name written;
// a failure names the file and leaves everything as it was.
void TestCommands::savePicture() {
    QFETCH(QString, obstacle);
    QFETCH(QString, occupied);
    QFETCH(QString, chosen);
    QFETCH(QString, asked);
    QFETCH(bool, answer);
    QFETCH(QString, saved);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString target = dir.filePath(occupied);
    const QString elsewhere = dir.filePath(QStringLiteral("elsewhere.png"));
    const auto write = [](const QString& path, const QByteArray& bytes) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    };
    if (obstacle == "old" || obstacle == "read-only")
        QVERIFY(write(target, "an older picture"));
    if (obstacle == "read-only")
        QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner));
    if (obstacle == "link") {
        QVERIFY(write(elsewhere, "someone else's picture"));
        if (!makeSymbolicLink(elsewhere, target))
            QSKIP(NoSymbolicLinks);
    }
    const auto before = fileTree(dir.path());

    Window w;
    pickOverLoadout(w);
    w.platform->chosenFile = chosen.isEmpty() ? QString() : dir.filePath(chosen);
    w.platform->answer = answer;
    w.window->findChild<QAction*>(QStringLiteral("SavePictureAction"))->trigger();
    if (asked.isEmpty()) {
        QCOMPARE(w.platform->questions, QStringList());
    } else {
        QCOMPARE(w.platform->questions.size(), 1);
        QCOMPARE(w.platform->questions[0],
                 QStringLiteral("\"%1\" already exists.\nDo you want to replace it?")
                     .arg(QDir::toNativeSeparators(dir.filePath(asked))));
    }
    // A "no" opens the dialog again at the name asked about.
    QCOMPARE(w.platform->suggestedFiles.size(), answer ? 1 : 2);
    QVERIFY(w.platform->suggestedFiles[0].endsWith(QStringLiteral("/Garpike.png")));
    if (!answer)
        QCOMPARE(w.platform->suggestedFiles[1], dir.filePath(asked));
    if (reason.isEmpty()) {
        QCOMPARE(w.platform->errors, QStringList());
    } else {
        QCOMPARE(w.platform->errors.size(), 1);
        QVERIFY2(w.platform->errors[0].contains(QDir::toNativeSeparators(dir.filePath(chosen))),
                 qPrintable(w.platform->errors[0]));
        QVERIFY2(w.platform->errors[0].contains(reason), qPrintable(w.platform->errors[0]));
    }
    auto after = fileTree(dir.path());
    if (saved.isEmpty()) {
        QCOMPARE(after, before);
        return;
    }
    // The picture in its file, and nothing else changed.
    const QString file = dir.filePath(saved);
    QVERIFY(after.contains(file));
    const QByteArray png = after.take(file);
    auto others = before;
    others.remove(file);
    QCOMPARE(after, others);
    QImage written;
    QVERIFY(written.loadFromData(png, "PNG"));
    QCOMPARE(written.convertToFormat(QImage::Format_RGB32), copiedPicture(w));
}

void TestCommands::pasteRoundTrip_data() {
    QTest::addColumn<int>("vt");
    QTest::addColumn<bool>("html");
    QTest::addColumn<bool>("code"); // the loadout code, quoted in a post
    for (int vt = 0; vt < VtCount; ++vt) {
        const char* name = VtCatalogue[vt].selectorName.data();
        if (sampledRow(vt * 3))
            QTest::addRow("%s forum code", name) << vt << false << false;
        if (sampledRow(vt * 3 + 1))
            QTest::addRow("%s page", name) << vt << true << false;
        if (sampledRow(vt * 3 + 2))
            QTest::addRow("%s code", name) << vt << false << true;
    }
}

// A loadout picked in one window and pasted into a fresh one: the fresh
// window holds and shows exactly the same session.
void TestCommands::pasteRoundTrip() {
    QFETCH(int, vt);
    QFETCH(bool, html);
    QFETCH(bool, code);
    QRandomGenerator rng(quint32(vt * 2 + html));
    const LoadoutPicks picks = randomPicks(Window(), vt, rng);
    Window original;
    pickLoadout(original, picks);
    if (html) {
        original.click("AdvFunctionButton");
        original.click("HtmlPageButton");
        original.click("HtmlGenerateButton");
        original.click("HtmlToClipboardButton");
    } else if (code) {
        original.press(CopyLoadoutCode);
        QGuiApplication::clipboard()->setText("Mine, for the record:\n> " +
                                              QGuiApplication::clipboard()->text() + " <\nBye");
    } else {
        original.press(CopyLoadout);
    }
    const Shown expected = shown(original);

    Window pasted;
    pasted.press(PasteLoadout);
    if (html) {
        // The page was generated in the original; the paste makes no report.
        pasted.click("AdvFunctionButton");
        pasted.click("HtmlPageButton");
        pasted.click("HtmlGenerateButton");
    }
    QVERIFY2(pasted.platform->errors.isEmpty(), qPrintable(pasted.platform->errors.join('\n')));
    verifyShows(pasted, expected);
}

void TestCommands::badPaste_data() {
    // A Colt's forum code with the value of one item's line replaced, or a
    // text of its own; and what the message says.
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("not a loadout") << QString() << "Hello there"
                                   << "no loadout";
    QTest::newRow("unknown VT") << "VT:"
                                << "Tin Can"
                                << "VT:";
    QTest::newRow("weapon the VT cannot carry") << "Main Weapon 2:"
                                                << "315-SB"
                                                << "Main Weapon 2: the Colt cannot carry 315-SB";
    QTest::newRow("level for a part without levels") << "Optional Part 1:"
                                                     << "Advanced Armour Level 2"
                                                     << "Optional Part 1:";
    QTest::newRow("more fuel tanks than it carries") << "Additional Fuel Tanks:"
                                                     << "7"
                                                     << "Additional Fuel Tanks:";
    QTest::newRow("megabytes") << QString() << QString(5 << 20, QLatin1Char('x')) << "too long";
    // Hostile texts: each is quoted in the message as the characters it is.
    QTest::newRow("mark-up heading") << "VT:"
                                     << "<h1 style=color:red>Tin</h1>"
                                     << "\"<h1 style=color:red>Tin</h1>\"";
    QTest::newRow("picture naming a pipe") << QString() << "[B]VT:[/B] x\n<img src=%PIPE%>"
                                           << "found \"<img src=";
    QTest::newRow("picture naming the zero device")
        << QString() << "[B]VT:[/B] x\n<img src=/dev/zero>"
        << "found \"<img src=/dev/zero>\"";
    QTest::newRow("terminal escapes and a bell") << "VT:"
                                                 << "Tin\x1b]0;title\aCan\x7f"
                                                 << "\"Tin\u241B]0;title\u2407Can\u2421\"";
    QTest::newRow("direction override") << "VT:"
                                        << "Tin\u202ECan"
                                        << "\"Tin\\u202ECan\"";
    QTest::newRow("nul and tabs") << "Main Weapon 1:" << QStringLiteral("Bo\0mb\tx")
                                  << "\"Bo\u2400mb";
    // Loadout codes of the Garpike with one symbol changed.
    LoadoutPicks garpike;
    garpike.vt = 12;
    const QString code = loadoutCode(garpike);
    const auto changed = [&](int at, char symbol) {
        return "My Garpike: " + withCheck(code.first(at) + symbol + code.sliced(at + 1).chopped(1));
    };
    QTest::newRow("code, check broken")
        << QString() << "My Garpike: " + code.first(3) + 'Z' + code.sliced(4) << "check character";
    QTest::newRow("code, first character mistyped")
        << QString() << "My Garpike: 0" + code.sliced(1) << "check character";
    QTest::newRow("code, later version")
        << QString() << changed(0, 'C') << "(version C); this one reads version A.";
    QTest::newRow("code, weapon the VT lacks")
        << QString() << changed(8, 'Z')
        << "a main weapon the Garpike does not carry (Main Weapon 2)";
}

// Nothing changes, and one message says which line does not fit and why.
void TestCommands::badPaste() {
    QFETCH(QString, item);
    QFETCH(QString, value);
    QFETCH(QString, message);
    QTemporaryDir pipes;
    const QString pipe = pipes.filePath(QStringLiteral("pipe"));
    // A file will do where there are no pipes: a paste opens none.
    QVERIFY(makeNamedPipe(pipe) || (OnWindows && QFile(pipe).open(QIODevice::WriteOnly)));
    value.replace(QStringLiteral("%PIPE%"), pipe);
    Window w;
    w.chooseVt(QStringLiteral("Colt"));
    w.press(CopyLoadout);
    QString text = value;
    if (!item.isEmpty()) {
        QStringList lines = QGuiApplication::clipboard()->text().split(QStringLiteral("\r\n"));
        for (QString& line : lines)
            if (line.contains(item + QStringLiteral("[/B] ")))
                line = line.section(QStringLiteral("[/B] "), 0, 0) + QStringLiteral("[/B] ") +
                       value + QStringLiteral("[/size]");
            else if (line.contains(item + QStringLiteral("[/B][/color]")))
                line = line.section(QStringLiteral("[/color]"), 0, 0) +
                       QStringLiteral("[/color]  ") + value;
        text = lines.join(QLatin1Char('\n'));
    }
    w.chooseVt(QStringLiteral("Garpike"));
    w.pick("MWSelect1", 1);
    const Shown before = shown(w);
    QGuiApplication::clipboard()->setText(text);
    w.press(PasteLoadout);
    QCOMPARE(w.platform->errors.size(), 1);
    QVERIFY2(w.platform->errors.first().contains(message), qPrintable(w.platform->errors.first()));
    // No character of the message acts on the ones after it.
    for (QChar c : w.platform->errors.first())
        QVERIFY2(c.category() != QChar::Other_Control && c.category() != QChar::Other_Format,
                 qPrintable(QString::number(c.unicode(), 16)));
    verifyShows(w, before);
    w.press(Undo); // the pick before it is the last step
    QCOMPARE(w.combo("MWSelect1")->currentIndex(), 0);
}

// The part line of a forum code.
QString partLine(const QString& forumCode, int slot) {
    const QString label = QStringLiteral("Optional Part %1:[/B][/color]  ").arg(slot);
    for (const QString& line : forumCode.split(QStringLiteral("\r\n")))
        if (line.contains(label))
            return line.section(label, 1);
    return QStringLiteral("<none>");
}

// Picks "selector=item text" or "selector=#index" in turn.
void makePicks(const Window& w, const QStringList& picks) {
    for (const QString& pick : picks) {
        const QByteArray selector = pick.section(u'=', 0, 0).toLatin1();
        const QString item = pick.section(u'=', 1);
        if (item.startsWith(u'#'))
            w.pick(selector.constData(), item.mid(1).toInt());
        else
            w.pick(selector.constData(), item);
    }
}

// What the window shows, but for the components named: the components in
// sight, as the pages out of sight tell the last item picked, not the loadout.
QStringList dumpBut(const Window& w, const QStringList& left) {
    QStringList lines = w.dump();
    lines.removeIf([&](const QString& line) {
        const QString name = line.section(u' ', 0, 0);
        return left.contains(name) || !w.find(name.toLatin1().constData())->isVisible();
    });
    return lines;
}

void TestCommands::copyPastesWhatTheSelectorsShow_data() {
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<QString>("copied");      // the first part's line as Copy Loadout writes it
    QTest::addColumn<QString>("generated");   // as Generate Forum Code writes it
    QTest::addColumn<QStringList>("differs"); // what the text cannot say
    QTest::newRow("part with no level yet")
        << QStringList{"VTSelect=Colt", "OPSelect1=Power Cell"} << "Power Cell Level "
        << "Power Cell Level " << QStringList{};
    QTest::newRow("level picked while the slot reads Unarmed")
        << QStringList{"VTSelect=Colt", "OPSelect1=Power Cell", "VTSelect=Garpike", "OPLSelect1=#0"}
        << "UNARMED Level 1"
        << "UNARMED Level 1" << QStringList{};
    QTest::newRow("level 2 over Unarmed, then a weapon")
        << QStringList{"VTSelect=Colt", "OPSelect1=Advanced Mount",
                       "OPLSelect1=#2", "VTSelect=Decider",
                       "OPLSelect1=#1", "MWSelect1=#1"}
        << "UNARMED Level 2"
        << "UNARMED Level 2" << QStringList{};
    QTest::newRow("part picked after another part's level")
        << QStringList{"VTSelect=Colt", "OPSelect1=Advanced Mount", "OPLSelect1=#1",
                       "OPSelect1=Additional Mount"}
        << "Additional Mount Level "
        << "Additional Mount Level 2" << QStringList{};
}

// Copy Loadout writes each part as its selectors show it, so that a paste
// into a fresh window gives the same selectors and figures; the forum code
// page goes on writing what it always wrote.
void TestCommands::copyPastesWhatTheSelectorsShow() {
    QFETCH(QStringList, picks);
    QFETCH(QString, copied);
    QFETCH(QString, generated);
    QFETCH(QStringList, differs);
    Window original;
    makePicks(original, picks);
    original.press(CopyLoadout);
    const QString text = QGuiApplication::clipboard()->text();
    QCOMPARE(partLine(text, 1), copied);

    Window pasted;
    pasted.press(PasteLoadout);
    QVERIFY2(pasted.platform->errors.isEmpty(), qPrintable(pasted.platform->errors.join('\n')));
    const QStringList now = dumpBut(pasted, differs);
    const QStringList expected = dumpBut(original, differs);
    for (qsizetype i = 0; i < std::max(now.size(), expected.size()); ++i)
        QCOMPARE(now.value(i), expected.value(i));
    if (differs.isEmpty()) {
        pasted.press(CopyLoadout);
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
    }

    original.click("AdvFunctionButton");
    original.click("ForumPageButton");
    original.click("ForumGenerateButton");
    QCOMPARE(partLine(original.find<QPlainTextEdit>("ForumRichEdit")
                          ->toPlainText()
                          .replace(QStringLiteral("\n"), QStringLiteral("\r\n")),
                      1),
             generated);
}

// Random picks, copied now and then and pasted into a fresh window, which
// then shows the same selectors and figures; the loadouts whose text cannot
// say everything are counted apart.
void TestCommands::randomCopyPasteRoundTrips() {
    QRandomGenerator rng(20);
    Window w;
    w.pick("VTSelect", 0);
    const char* const selectors[] = {"VTSelect",  "FTSelect",   "OPSelect1", "OPLSelect1",
                                     "OPSelect2", "OPLSelect2", "MWSelect1", "MWSelect2",
                                     "MWSelect3", "SWSelect1",  "SWSelect2", "SWSelect3"};
    int compared = 0, unsayable = 0;
    QStringList history; // the picks so far, for a failure's message
    const int actions = randomActions(400);
    for (int action = 0; action < actions; ++action) {
        const char* selector = selectors[rng.bounded(action % 25 == 0 ? 0 : 1, 12)];
        const QComboBox* combo = w.combo(selector);
        if (!combo->isEnabled() || combo->count() == 0)
            continue;
        const int item = int(rng.bounded(combo->count()));
        w.pick(selector, item);
        history << QStringLiteral("%1=#%2").arg(QLatin1String(selector)).arg(item);
        if (rng.bounded(4) != 0)
            continue;
        // A bonus kept from an earlier level while the level reads "Set Level".
        const Loadout l = w.window->captureState().loadout;
        const bool kept[] = {l.Part1StandardBonus || l.Part1MaximumBonus || l.Part1BalancerBonus ||
                                 l.Part1DurabilityBonus || l.Part1VeeringBonus,
                             l.Part2StandardBonus || l.Part2MaximumBonus || l.Part2BalancerBonus ||
                                 l.Part2DurabilityBonus || l.Part2VeeringBonus};
        QStringList differs;
        bool sayable = true;
        for (int slot = 0; slot < 2; ++slot) {
            const QComboBox* level = w.combo(slot == 0 ? "OPLSelect1" : "OPLSelect2");
            if (kept[slot] && level->currentText() == QLatin1String("Set Level"))
                sayable = false;
            // A level selector an earlier part opened, still reading "N/A"
            // over Unarmed: the text says only "Unarmed".
            if (w.combo(slot == 0 ? "OPSelect1" : "OPSelect2")->currentIndex() == 0 &&
                level->isEnabled() && level->currentIndex() < 0)
                differs << level->objectName();
        }
        // The loadout code carries everything the selectors show.
        w.show();
        w.press(CopyLoadoutCode);
        const QString code = QGuiApplication::clipboard()->text();
        {
            Window pasted;
            pasted.press(PasteLoadout);
            QVERIFY2(pasted.platform->errors.isEmpty(),
                     qPrintable(code + '\n' + pasted.platform->errors.join('\n')));
            const QStringList now = dumpBut(pasted, {});
            const QStringList expected = dumpBut(w, {});
            if (now != expected)
                qInfo("after %s\ncode %s", qPrintable(history.join(u' ')), qPrintable(code));
            for (qsizetype i = 0; i < std::max(now.size(), expected.size()); ++i)
                QCOMPARE(now.value(i), expected.value(i));
            const SessionState before = w.window->captureState();
            const SessionState after = pasted.window->captureState();
            QVERIFY(after.selection == before.selection);
            QVERIFY(after.loadout == before.loadout);
        }
        if (!sayable) {
            ++unsayable;
            continue;
        }
        QGuiApplication::clipboard()->setText(QStringLiteral("not copied"));
        w.show(); // active again after the last pasted window
        w.press(CopyLoadout);
        QVERIFY(QGuiApplication::clipboard()->text() != QLatin1String("not copied"));
        Window pasted;
        pasted.press(PasteLoadout);
        QVERIFY2(pasted.platform->errors.isEmpty(),
                 qPrintable(QGuiApplication::clipboard()->text() + '\n' +
                            pasted.platform->errors.join('\n')));
        const QStringList now = dumpBut(pasted, differs);
        const QStringList expected = dumpBut(w, differs);
        if (now != expected)
            qInfo("after %s\ncopied:\n%s", qPrintable(history.join(u' ')),
                  qPrintable(QGuiApplication::clipboard()->text()));
        for (qsizetype i = 0; i < std::max(now.size(), expected.size()); ++i)
            QCOMPARE(now.value(i), expected.value(i));
        ++compared;
    }
    qInfo("%d round trips compared, %d with a bonus the text cannot say", compared, unsayable);
    QVERIFY(compared >= actions / 8);
}

// F1 and "User Guide" in the menu open the guide at its first page, in a tool
// window of its own, whichever page was read last; F1 is not the window's
// "F1" button (the Prominence M2's MM launch), and Escape closes the guide.
void TestCommands::codeRoundTrips_data() {
    QTest::addColumn<int>("seed");
    QTest::addColumn<QString>("given"); // one loadout's code instead of random ones
    QTest::addColumn<int>("history");   // random picks in the window pasted into
    for (int seed = 1; seed <= 8; ++seed)
        QTest::addRow("seed %d", seed) << seed << QString() << 0;
    // Advanced Mount at level 2, and in slot 2 picked again after level 3:
    // the icons show what the rules drew on the way.
    QTest::newRow("icons drawn on the way") << 0 << "AY20F315120051" << 0;
    // A window with history holds levels and bonuses from its earlier picks.
    for (int seed = 11; seed <= 18; ++seed)
        QTest::addRow("seed %d, into a window with history", seed) << seed << QString() << 24;
}

// Random loadouts of every kind the loadout code carries, picked as a user
// picks them in a fresh window, copied as a code and pasted into another
// window with only a VT chosen, or after random picks: the same session,
// held and shown, and the same code; Undo takes the paste back as one step.
void TestCommands::codeRoundTrips() {
    QFETCH(int, seed);
    QFETCH(QString, given);
    QFETCH(int, history);
    QRandomGenerator rng{quint32(seed)};
    const Window scratch; // offers the items to pick from
    for (int i = 0, n = given.isEmpty() ? randomActions(10) : 1; i < n; ++i) {
        // One in four is the Prominence M2, which can launch its MM.
        const int vt = i % 4 == 0 ? ProminenceM2 : int(rng.bounded(VtCount));
        const LoadoutPicks picks = given.isEmpty() ? randomCodePicks(scratch, vt, rng)
                                                   : std::get<LoadoutPicks>(readLoadoutCode(given));
        Window original;
        pickLoadout(original, picks);
        original.press(CopyLoadoutCode);
        const QString code = QGuiApplication::clipboard()->text();
        const Shown expected = shown(original);
        Window pasted;
        pasted.pick("VTSelect", int(rng.bounded(VtCount)));
        pickAtRandom(pasted, history, rng);
        const Shown before = shown(pasted);
        pasted.press(PasteLoadout);
        QVERIFY2(pasted.platform->errors.isEmpty(),
                 qPrintable(code + '\n' + pasted.platform->errors.join('\n')));
        if (history == 0) {
            verifyShows(pasted, expected);
        } else {
            // The same loadout, held and in sight; the pages out of sight
            // tell the last item picked here, which a paste that picks none
            // leaves as it was.
            const SessionState now = pasted.window->captureState();
            QVERIFY(now.loadout == expected.state.loadout);
            QVERIFY(now.selection == expected.state.selection);
            QVERIFY(now.views == expected.state.views);
            QVERIFY(now.chart == expected.state.chart);
            QVERIFY(now.reports == expected.state.reports);
            QCOMPARE(dumpBut(pasted, {}), dumpBut(original, {}));
        }
        if (QTest::currentTestFailed())
            QFAIL(qPrintable("code " + code));
        QCOMPARE(pasted.window->findChild<QAction*>(QStringLiteral("UndoAction"))->text(),
                 QStringLiteral("Undo Paste Loadout"));
        pasted.press(CopyLoadoutCode);
        QCOMPARE(QGuiApplication::clipboard()->text(), code);
        pasted.press(Undo); // the paste is one step
        verifyShows(pasted, before);
    }
}

void TestCommands::userGuideOpensAtItsStart_data() {
    QTest::addColumn<bool>("byKey");
    QTest::newRow("F1") << true;
    QTest::newRow("menu") << false;
}

void TestCommands::userGuideOpensAtItsStart() {
    QFETCH(bool, byKey);
    Window w;
    w.chooseVt(QStringLiteral("Prominence M2"));
    QVERIFY(w.button("F1Button")->isVisible());
    const QStringList before = w.dump();
    const auto open = [&] {
        if (byKey) {
            w.window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
            w.press(QKeySequence(Qt::Key_F1));
        } else {
            auto* group = w.find<QGroupBox>("GroupBox1");
            QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                                    group->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(group, &click);
            auto* menu = w.window->findChild<QMenu*>(QStringLiteral("LoadoutMenu"));
            QVERIFY(menu && menu->isVisible());
            menu->actions().constLast()->trigger();
            menu->close();
        }
    };
    open();
    auto* guide = w.window->findChild<GuideWindow*>(QStringLiteral("GuideWindow"));
    QVERIFY(guide && guide->isVisible());
    QVERIFY(guide->windowFlags().testFlag(Qt::Tool));
    QCOMPARE(guide->windowTitle(), QStringLiteral("Vantor - User Guide"));
    auto* browser = guide->findChild<QTextBrowser*>(QStringLiteral("GuideBrowser"));
    QCOMPARE(browser->source(), GuideWindow::startPage());
    QVERIFY(browser->toPlainText().startsWith(QStringLiteral("Vantor User Guide")));
    QVERIFY(!browser->openExternalLinks());
    // The MM was not launched and nothing of the loadout changed.
    QCOMPARE(w.dump(), before);
    QCOMPARE(w.window->findChild<QAction*>(QStringLiteral("UndoAction"))->text(),
             QStringLiteral("Undo Pick Prominence M2"));

    // Tab goes from link to link, and a screen reader hears where each goes.
    QStringList heard;
    listenToAnnouncements([&heard](QObject*, const QString& message) { heard << message; });
    const auto deaf = qScopeGuard([] { listenToAnnouncements(nullptr); });
    guide->activateWindow();
    QVERIFY(QTest::qWaitFor([&] { return QApplication::focusWidget() == browser; }));
    const QStringList links{QStringLiteral("Link: Getting started, start.md"),
                            QStringLiteral("Link: The figures, figures.md")};
    for (const QString& link : links) {
        QTest::keyClick(browser, Qt::Key_Tab);
        QCOMPARE(QAccessible::queryAccessibleInterface(browser)->text(QAccessible::Description),
                 link);
    }
    QCOMPARE(heard, links);

    // A link to another page is followed; a web address is not.
    QVERIFY(guide->openPage(QUrl(QStringLiteral("qrc:/guide/shortcuts.md"))));
    QVERIFY(browser->toPlainText().contains(QStringLiteral("Ctrl+Shift+V")));
    emit browser->anchorClicked(QUrl(QStringLiteral("figures.md")));
    QCOMPARE(browser->source(), QUrl(QStringLiteral("qrc:/guide/figures.md")));
    QVERIFY(browser->toPlainText().contains(QStringLiteral("MOUNT OVER")));
    emit browser->anchorClicked(QUrl(QStringLiteral("https://example.invalid/")));
    QCOMPARE(browser->source(), QUrl(QStringLiteral("qrc:/guide/figures.md")));
    QVERIFY(!guide->openPage(QUrl(QStringLiteral("qrc:/guide/missing.md"))));

    // F6 goes back to the main window and leaves the guide open.
    const QWidget* mainFocus = QApplication::focusWidget();
    guide->activateWindow();
    QVERIFY(QTest::qWaitFor([&] { return QApplication::focusWidget() == browser; }));
    QTest::keyClick(browser, Qt::Key_F6);
    QVERIFY(QTest::qWaitFor([&] { return QApplication::focusWidget() == mainFocus; }));
    QVERIFY(guide->isVisible());
    guide->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(guide));
    QTest::keyClick(browser, Qt::Key_Escape);
    QVERIFY(!guide->isVisible());
    open(); // back at the start, not on the page read last
    QVERIFY(guide->isVisible());
    QCOMPARE(browser->source(), GuideWindow::startPage());
    QCOMPARE(w.window->findChildren<GuideWindow*>().size(), 1);
}

// Every link of every page of the guide leads to a page that exists, and
// every picture it shows is built in and loads; every page is reached from
// the contents.
void TestCommands::userGuideLinksResolve() {
    const QDir folder(QStringLiteral(":/guide"));
    const QStringList pages = folder.entryList({QStringLiteral("*.md")}, QDir::Files);
    QVERIFY(pages.contains(QStringLiteral("index.md")));
    QVERIFY(pages.size() >= 8);
    static const QRegularExpression link(QStringLiteral(R"((!?)\[([^\]]*)\]\(([^)\s]+)\))"));
    QSet<QString> linked;
    int pictures = 0;
    for (const QString& page : pages) {
        QFile file(folder.filePath(page));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        const QUrl base(QStringLiteral("qrc:/guide/") + page);
        int links = 0;
        for (const auto& match : link.globalMatch(text)) {
            ++links;
            const QUrl target = base.resolved(QUrl(match.captured(3)));
            QVERIFY2(GuideWindow::isGuideFile(target),
                     qPrintable(page + QStringLiteral(": ") + match.captured(3)));
            if (match.captured(1).isEmpty()) {
                QVERIFY2(target.path().endsWith(QLatin1String(".md")),
                         qPrintable(match.captured(3)));
                if (page == QLatin1String("index.md"))
                    linked << target.fileName();
            } else {
                ++pictures;
                QVERIFY2(!QImage(QLatin1Char(':') + target.path()).isNull(),
                         qPrintable(match.captured(3)));
                // Every picture says what it shows, in words, not by its file.
                const QString alt = match.captured(2).trimmed();
                QVERIFY2(!alt.isEmpty() && !target.fileName().startsWith(alt, Qt::CaseInsensitive),
                         qPrintable(page + QStringLiteral(": ") + match.captured(3)));
            }
        }
        QVERIFY2(links > 0, qPrintable(page)); // every page leads on
    }
    QVERIFY(pictures >= 14);
    for (const QString& page : pages)
        if (page != QLatin1String("index.md"))
            QVERIFY2(linked.contains(page),
                     qPrintable(page + QStringLiteral(" not in the contents")));

    // The browser shows the pictures of a page, from the resources.
    const Window w;
    GuideWindow guide(nullptr, *w.window);
    auto* browser = guide.findChild<QTextBrowser*>(QStringLiteral("GuideBrowser"));
    QVERIFY(guide.openPage(QUrl(QStringLiteral("qrc:/guide/figures.md"))));
    const QVariant picture = browser->document()->resource(
        QTextDocument::ImageResource, QUrl(QStringLiteral("qrc:/guide/images/ranks.png")));
    QVERIFY(!picture.value<QImage>().isNull());
    QVERIFY(browser->toHtml().contains(QStringLiteral("images/ranks.png")));
    // Each picture keeps its alternative text, also as its tooltip.
    QStringList described;
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (const QTextImageFormat picture = it.fragment().charFormat().toImageFormat();
                picture.isValid()) {
                QCOMPARE(picture.toolTip(), picture.property(QTextFormat::ImageAltText));
                described << picture.toolTip();
            }
    QCOMPARE(described, (QStringList{"The load data view", "The statistics view",
                                     "The rankings view", "The graphs view"}));
}

// A link clicked on a page is followed only to a page of the guide, whatever
// way it is written; a fragment opens its page at the top.
void TestCommands::guideFollowsOnlyItsOwnPages_data() {
    QTest::addColumn<QString>("link");     // clicked on the shortcuts page
    QTest::addColumn<bool>("inGuide");     // where it leads is a file of the guide
    QTest::addColumn<QString>("followed"); // the page shown after the click
    const QString stays("qrc:/guide/shortcuts.md"), figures("qrc:/guide/figures.md");
    QTest::newRow("a page beside it") << "figures.md" << true << figures;
    QTest::newRow("a page's fragment") << "figures.md#the-rankings-view" << true << figures;
    QTest::newRow("a fragment of its own page") << "#shortcuts" << true << stays;
    QTest::newRow("up and back into the guide") << "../guide/figures.md" << true << figures;
    QTest::newRow("an absolute path into the guide") << "/guide/figures.md" << true << figures;
    QTest::newRow("up and out of the guide") << "../texts/factions/jaralaccs.txt" << false << stays;
    QTest::newRow("an absolute path out of the guide")
        << "/texts/factions/jaralaccs.txt" << false << stays;
    QTest::newRow("a file on disk named like a page")
        << "file:///guide/figures.md" << false << stays;
    QTest::newRow("a web address named like a page")
        << "https://example.invalid/guide/figures.md" << false << stays;
    QTest::newRow("a picture of the guide") << "images/ranks.png" << true << stays;
    QTest::newRow("a page that does not exist") << "missing.md" << false << stays;
}

void TestCommands::guideFollowsOnlyItsOwnPages() {
    QFETCH(QString, link);
    QFETCH(bool, inGuide);
    QFETCH(QString, followed);
    const Window w;
    GuideWindow guide(nullptr, *w.window);
    auto* browser = guide.findChild<QTextBrowser*>(QStringLiteral("GuideBrowser"));
    QVERIFY(guide.openPage(QUrl(QStringLiteral("qrc:/guide/shortcuts.md"))));
    const QUrl target = browser->source().resolved(QUrl(link));
    // A built-in file out of the guide exists: it is refused for where it is.
    if (target.path().startsWith(QLatin1String("/texts/")))
        QVERIFY(QFile::exists(QLatin1Char(':') + target.path()));
    QCOMPARE(GuideWindow::isGuideFile(target), inGuide);
    const QString before = browser->toPlainText();
    emit browser->anchorClicked(QUrl(link));
    QCOMPARE(browser->source(), QUrl(followed));
    QCOMPARE(browser->toPlainText() == before, followed.endsWith(QLatin1String("shortcuts.md")));
}

void TestCommands::copiesAreConfirmed_data() {
    QTest::addColumn<QString>("copy");    // a shortcut, an action or a tool window's Copy button
    QTest::addColumn<QString>("message"); // %1: what the clipboard holds as text
    QTest::newRow("loadout code") << "Ctrl+Alt+C"
                                  << "Loadout code copied: %1";
    QTest::newRow("forum code") << "Ctrl+Shift+C"
                                << "Loadout copied as forum code";
    QTest::newRow("picture") << "CopyPictureAction"
                             << "Picture of the loadout copied";
    QTest::newRow("catalogue's VTs") << "Ctrl+B CatalogueCopyButton"
                                     << "Table copied: 31 rows";
    QTest::newRow("comparison") << "Ctrl+D CompareCopyButton"
                                << "Table copied: %2 rows";
}

// A copy shows nothing of its own: a tip says what was copied and goes by
// itself, a screen reader hears the same, and the window stays as it was.
void TestCommands::copiesAreConfirmed() {
    QFETCH(QString, copy);
    QFETCH(QString, message);
    Window w;
    w.chooseVt(QStringLiteral("Garpike"));
    const QRect before = w.window->geometry();
    QStringList heard;
    listenToAnnouncements([&heard](QObject*, const QString& said) { heard << said; });
    const auto deaf = qScopeGuard([] { listenToAnnouncements({}); });
    for (const QString& part : copy.split(u' ')) {
        if (part.startsWith(QStringLiteral("Ctrl")))
            w.press(QKeySequence(part));
        else if (auto* action = w.window->findChild<QAction*>(part))
            action->trigger();
        else if (auto* button = w.window->findChild<QPushButton*>(part))
            QTest::mouseClick(button, Qt::LeftButton);
    }
    const QString copied = QGuiApplication::clipboard()->text();
    QString expected = message.arg(copied);
    if (copy.contains(QStringLiteral("Compare")) || copy.contains(QStringLiteral("Finder")))
        expected = message.arg(copied.count(u'\n') - 1);
    QCOMPARE(heard, QStringList{expected});
    QLabel* tip = nullptr;
    for (QLabel* label : w.window->findChildren<QLabel*>(QLatin1String(ConfirmationTipName)))
        if (label->isVisible())
            tip = label;
    QVERIFY(tip);
    QCOMPARE(tip->text(), expected);
    QVERIFY(tip->isWindow());
    QCOMPARE(w.window->geometry(), before);
    // It goes by itself, key releases or not.
    QTest::keyRelease(w.window.get(), Qt::Key_C);
    QVERIFY(tip->isVisible());
    QVERIFY(tip->findChild<QTimer*>()->isActive());
    if (QTest::currentDataTag() == QLatin1String("loadout code"))
        QTRY_VERIFY_WITH_TIMEOUT(!tip->isVisible(), ConfirmationMilliseconds + 2000);
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"

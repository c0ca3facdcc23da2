// Undo and redo, and loadouts copied and pasted as forum code or HTML page,
// on the real window: keys, the context menu and what the window shows.

#include "WindowTest.h"

#include "app/Appearance.h"
#include "model/VtCatalogue.h"
#include "reports/LoadoutText.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QTest>

using namespace vantor;

namespace {

const QKeySequence Undo(Qt::CTRL | Qt::Key_Z);
const QKeySequence Redo(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
const QKeySequence RedoY(Qt::CTRL | Qt::Key_Y);
const QKeySequence CopyLoadout(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
const QKeySequence PasteLoadout(Qt::CTRL | Qt::SHIFT | Qt::Key_V);

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

// The picks a user makes in the window, in the order a paste makes them.
void pickLoadout(const Window& w, const LoadoutPicks& p) {
    w.pick("VTSelect", p.vt);
    if (p.fuel != NotPicked)
        w.pick("FTSelect", p.fuel);
    const char* const parts[] = {"OPSelect1", "OPSelect2"};
    const char* const levels[] = {"OPLSelect1", "OPLSelect2"};
    for (int i = 0; i < 2; ++i) {
        if (p.parts[i].part == NotPicked)
            continue;
        w.pick(parts[i], p.parts[i].part);
        if (p.parts[i].level != NotPicked)
            w.pick(levels[i], p.parts[i].level);
    }
    const char* const weapons[] = {"MWSelect1", "MWSelect2", "MWSelect3",
                                   "SWSelect1", "SWSelect2", "SWSelect3"};
    for (int i = 0; i < 6; ++i) {
        const WeaponPick& weapon = (i < 3 ? p.main : p.sub)[i % 3];
        if (!weapon.fixed && weapon.item != NotPicked)
            w.pick(weapons[i], weapon.item);
    }
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

} // namespace

class TestCommands : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyVantorAppearance(*qApp); }
    void undoAndRedoEachStep_data();
    void undoAndRedoEachStep();
    void typingKeepsItsOwnUndo();
    void manyStepsBackAndForth();
    void contextMenu();
    void copyLoadoutIsTheForumCode();
    void pasteRoundTrip_data();
    void pasteRoundTrip();
    void badPaste_data();
    void badPaste();
};

void TestCommands::undoAndRedoEachStep_data() {
    QTest::addColumn<QString>("step");
    for (const char* step :
         {"VT", "fuel", "part", "level", "main weapon", "sub-weapon", "typed VT",
          "typed VT that names none", "typed part", "MM launch", "paste", "VT after a paste"})
        QTest::newRow(step) << QString::fromLatin1(step);
}

// Each kind of step is taken back by Ctrl+Z and made again by Ctrl+Shift+Z
// and Ctrl+Y, with no message and nothing opened.
void TestCommands::undoAndRedoEachStep() {
    QFETCH(QString, step);
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
    else if (step == QLatin1String("MM launch"))
        w.click("F1Button");
    else if (step == QLatin1String("paste"))
        w.press(PasteLoadout);
    const Shown after = shown(w);
    QVERIFY(!(after.state == before.state));

    if (step == QLatin1String("typed VT that names none"))
        w.leave("VTSelect"); // text that is no pick: the field keeps its keys until left
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
    QCOMPARE(w.window->loadout().MainWeapon1Load, picked.state.loadout.MainWeapon1Load);

    w.pick("MWSelect1", 2);
    QVERIFY(field->hasFocus());
    w.press(Undo);
    QCOMPARE(w.combo("MWSelect1")->currentIndex(), 1);
    QCOMPARE(w.window->loadout().MainWeapon1Load, picked.state.loadout.MainWeapon1Load);

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
    QCOMPARE(texts, (QStringList{"Undo\tCtrl+Z", "Redo\tCtrl+Shift+Z", "Copy Loadout\tCtrl+Shift+C",
                                 "Paste Loadout\tCtrl+Shift+V", "Pin for Comparison\tCtrl+D",
                                 "Show Comparison\t", "Browse VTs and Weapons\tCtrl+B"}));
    QCOMPARE(enabled, (QList<bool>{false, false, false, false, false, false, true}));
    menu->close();

    w.chooseVt(QStringLiteral("Colt"));
    w.press(CopyLoadout);
    QApplication::sendEvent(group, &click);
    enabled.clear();
    for (QAction* a : menu->actions())
        if (!a->isSeparator())
            enabled << a->isEnabled();
    QCOMPARE(enabled, (QList<bool>{true, false, true, true, true, false, true}));
    menu->actions().constFirst()->trigger();
    QCOMPARE(w.combo("VTSelect")->currentText(), QStringLiteral("VT"));
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

void TestCommands::pasteRoundTrip_data() {
    QTest::addColumn<int>("vt");
    QTest::addColumn<bool>("html");
    for (int vt = 0; vt < VtCount; ++vt) {
        QTest::addRow("%s forum code", VtCatalogue[vt].selectorName.data()) << vt << false;
        QTest::addRow("%s page", VtCatalogue[vt].selectorName.data()) << vt << true;
    }
}

// A loadout picked in one window and pasted into a fresh one: the fresh
// window holds and shows exactly the same session.
void TestCommands::pasteRoundTrip() {
    QFETCH(int, vt);
    QFETCH(bool, html);
    QRandomGenerator rng(quint32(vt * 2 + html));
    const LoadoutPicks picks = randomPicks(Window(), vt, rng);
    Window original;
    pickLoadout(original, picks);
    if (html) {
        original.click("AdvFunctionButton");
        original.click("HtmlPageButton");
        original.click("HtmlGenerateButton");
        original.click("HtmlToClipboardButton");
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
}

// Nothing changes, and one message says which line does not fit and why.
void TestCommands::badPaste() {
    QFETCH(QString, item);
    QFETCH(QString, value);
    QFETCH(QString, message);
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
    verifyShows(w, before);
    w.press(Undo); // the pick before it is the last step
    QCOMPARE(w.combo("MWSelect1")->currentIndex(), 0);
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"

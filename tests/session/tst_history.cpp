// The undo history on its own, without a window: which changes are steps,
// how typed text joins the pick it becomes, the limit, and swapping with the
// pinned loadout.

#include "app/LoadoutHistory.h"

#include <QAction>
#include <QTest>

namespace {

using S = SelectionPanel;

// A window reduced to the state it shows.
struct FakeWindow final : HistoryHost {
    SessionState shown;
    SessionState captureState() const override { return shown; }
    void restoreState(const SessionState& session) override { shown = session; }
};

// A state told apart by its VT and by the text in one selector.
SessionState state(int vt, const QString& text = {}, S::Selector selector = S::Vt) {
    SessionState s;
    s.loadout.VTIndex = vt;
    s.selection.selectors[std::size_t(selector)].text = text;
    return s;
}

struct Harness {
    FakeWindow window;
    LoadoutHistory history{window};

    // Input in `selector` takes the window to `after`.
    void input(S::Selector selector, const SessionState& after, bool pick = true) {
        std::optional<SessionState> before = history.typingBefore(selector);
        if (!before) {
            history.settleTyping();
            before = window.shown;
        }
        window.shown = after;
        history.recordInput(selector, *before, after, pick);
    }
    void change(const SessionState& after) {
        const SessionState before = window.shown;
        window.shown = after;
        history.record(before, after, QStringLiteral("Paste Loadout"));
    }
    int vt() const { return window.shown.loadout.VTIndex; }
};

} // namespace

class TestHistory : public QObject {
    Q_OBJECT

private slots:
    void whatIsAStep_data();
    void whatIsAStep();
    void limit_data();
    void limit();
    void typedTextJoinsItsPick();
    void swapBackAndForth();
};

// Each row: the VT (or, for typing, selector text) after each input in a
// fresh history that starts at VT 0; then how many steps can be taken back.
void TestHistory::whatIsAStep_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QString>("undoText");
    // p<selector><vt>: a pick; t<selector><vt>: typed text that is no pick;
    // c<vt>: another change (a paste); a: only the advanced area opens.
    QTest::newRow("one pick") << "p0 1" << 1 << "Undo Pick v1";
    QTest::newRow("a pick of what is shown") << "p0 0" << 0 << "Undo";
    QTest::newRow("two picks in one selector") << "p0 1,p0 2" << 2 << "Undo Pick v2";
    QTest::newRow("typing then its pick") << "t0 1,t0 2,p0 3" << 1 << "Undo Pick v3";
    QTest::newRow("typing that changed the loadout, then another selector")
        << "t0 1,p6 2" << 2 << "Undo Pick v2";
    QTest::newRow("typing that changed nothing, then another selector")
        << "t6 0,p7 2" << 1 << "Undo Pick v2";
    QTest::newRow("typing held alone") << "t0 4" << 1 << "Undo Type v4";
    QTest::newRow("typing back to where it began") << "t0 4,t0 0" << 0 << "Undo";
    QTest::newRow("typing in one selector, pick in another") << "t0 1,p1 2" << 2 << "Undo Pick v2";
    QTest::newRow("a change") << "c5" << 1 << "Undo Paste Loadout";
    QTest::newRow("a change of nothing") << "c0" << 0 << "Undo";
    QTest::newRow("the advanced area opened") << "a" << 0 << "Undo";
}

void TestHistory::whatIsAStep() {
    QFETCH(QString, script);
    QFETCH(int, steps);
    QFETCH(QString, undoText);
    Harness h;
    h.window.shown = state(0);
    QScopedPointer<QAction> undo(h.history.stack().createUndoAction(nullptr));
    for (const QString& input : script.split(QLatin1Char(','))) {
        const QChar kind = input.at(0);
        if (kind == QLatin1Char('a')) {
            SessionState opened = h.window.shown;
            opened.loadout.AdvancedOpen = true;
            h.change(opened);
            continue;
        }
        if (kind == QLatin1Char('c')) {
            h.change(state(input.mid(1).toInt()));
            continue;
        }
        const auto selector = S::Selector(input.mid(1, 1).toInt());
        const int vt = input.mid(3).toInt();
        const QString text = vt == 0 ? QString() : QStringLiteral("v%1").arg(vt);
        // Typing in a weapon selector changes no VT: only the text it shows.
        SessionState after = state(selector == S::Vt ? vt : h.vt(), text, selector);
        h.input(selector, after, kind == QLatin1Char('p'));
    }
    // While typing is held, Undo can act.
    QCOMPARE(undo->isEnabled(), steps > 0);
    QCOMPARE(undo->text(), undoText);
    h.history.settleTyping();
    QCOMPARE(h.history.stack().count(), steps);
    for (int i = 0; i < steps; ++i)
        h.history.undo();
    QCOMPARE(h.vt(), 0);
}

void TestHistory::limit_data() {
    QTest::addColumn<int>("picks");
    QTest::addColumn<int>("backTo");
    QTest::newRow("at the limit") << LoadoutHistory::Limit << 0;
    QTest::newRow("one past it") << LoadoutHistory::Limit + 1 << 1;
    QTest::newRow("far past it") << LoadoutHistory::Limit + 40 << 40;
}

// Only the last 500 steps can be taken back; all of them come again.
void TestHistory::limit() {
    QFETCH(int, picks);
    QFETCH(int, backTo);
    Harness h;
    h.window.shown = state(0);
    for (int i = 1; i <= picks; ++i)
        h.input(S::Main1, state(i, QString::number(i), S::Main1));
    while (h.history.stack().canUndo())
        h.history.undo();
    QCOMPARE(h.vt(), backTo);
    while (h.history.stack().canRedo())
        h.history.redo();
    QCOMPARE(h.vt(), picks);
}

// A pick after typing in the same selector is one step with the typing;
// Undo takes it back to before the typing, Redo to the pick.
void TestHistory::typedTextJoinsItsPick() {
    Harness h;
    h.window.shown = state(0);
    h.input(S::Fuel, state(0, QStringLiteral("1"), S::Fuel));
    h.input(S::Vt, state(7, QStringLiteral("Co"), S::Vt), false);
    QVERIFY(h.history.typingBefore(S::Vt).has_value());
    QVERIFY(!h.history.typingBefore(S::Fuel).has_value());
    h.input(S::Vt, state(8, QStringLiteral("Colt"), S::Vt));
    QVERIFY(!h.history.typingBefore(S::Vt).has_value());
    QCOMPARE(h.history.stack().count(), 2);
    QCOMPARE(h.history.stack().undoText(), QStringLiteral("Pick Colt"));
    h.history.undo();
    QCOMPARE(h.window.shown.selection.selectors[S::Fuel].text, QStringLiteral("1"));
    QCOMPARE(h.vt(), 0);
    h.history.redo();
    QCOMPARE(h.vt(), 8);
    // Typing then a pick elsewhere: the typing is a step of its own.
    h.input(S::Vt, state(9, QStringLiteral("Ma"), S::Vt), false);
    h.input(S::Main1, state(9, QStringLiteral("x"), S::Main1));
    QCOMPARE(h.history.stack().count(), 4);
    h.history.undo();
    QCOMPARE(h.vt(), 9);
    h.history.undo();
    QCOMPARE(h.vt(), 8);
}

// Swapping brings the pinned loadout in and pins the current one; undo and
// redo swap again, whatever was shown meanwhile without being a step.
void TestHistory::swapBackAndForth() {
    Harness h;
    h.window.shown = state(1);
    h.history.pin(h.window.shown);
    h.input(S::Vt, state(2));
    h.history.swapWithPinned();
    QCOMPARE(h.vt(), 1);
    QCOMPARE(h.history.pinned()->loadout.VTIndex, 2);
    h.window.shown.chart.armour = true; // shown meanwhile, not a step
    h.history.undo();
    QCOMPARE(h.vt(), 2);
    QCOMPARE(h.history.pinned()->loadout.VTIndex, 1);
    QVERIFY(h.history.pinned()->chart.armour);
    h.history.redo();
    QCOMPARE(h.vt(), 1);
    QCOMPARE(h.history.pinned()->loadout.VTIndex, 2);
    QVERIFY(h.window.shown.chart.armour);
    h.history.undo();
    h.history.undo();
    QCOMPARE(h.vt(), 1);
    QCOMPARE(h.history.pinned()->loadout.VTIndex, 1);
}

QTEST_MAIN(TestHistory)
#include "tst_history.moc"

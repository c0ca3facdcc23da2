// The session around the loadout, without a window: the undo history (which
// changes are steps, how typed text joins the pick it becomes, the limit,
// swapping with the pinned loadout) and the comparison's table model and the
// text Copy writes of it.

#include "app/desktop/TableText.h"
#include "app/session/LoadoutHistory.h"
#include "app/tools/ComparisonModel.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QFont>
#include <QSignalSpy>
#include <QTest>

namespace {

using S = vantor::Selector;

// A window reduced to the state it shows, with the pinned loadout.
struct FakeWindow final : HistoryHost {
    SessionState shown;
    std::optional<SessionState> pinnedState;
    SessionState captureState() const override { return shown; }
    void restoreState(const SessionState& session) override { shown = session; }
    const std::optional<SessionState>& pinned() const override { return pinnedState; }
    void setPinned(SessionState state) override { pinnedState = std::move(state); }
};

// A state told apart by its VT and by the text in one selector.
SessionState state(int vt, const QString& text = {}, S selector = S::Vt) {
    SessionState s;
    s.loadout.VTIndex = vt;
    s.selection.selectors[std::size_t(selector)].text = text;
    return s;
}

struct Harness {
    FakeWindow window;
    LoadoutHistory history{window};

    // Input in `selector` takes the window to `after`.
    void input(S selector, const SessionState& after, bool pick = true) {
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

class TestSession : public QObject {
    Q_OBJECT

private slots:
    void whatIsAStep_data();
    void whatIsAStep();
    void limit_data();
    void limit();
    void typedTextJoinsItsPick();
    void swapBackAndForth();
    void comparisonModel_data();
    void comparisonModel();
    void comparisonMarks_data();
    void comparisonMarks();
};

// Each row: the VT (or, for typing, selector text) after each input in a
// fresh history that starts at VT 0; then how many steps can be taken back.
void TestSession::whatIsAStep_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QString>("undoText");
    // p<selector><vt>: a pick; t<selector><vt>: typed text that is no pick;
    // c<vt>: another change (a paste); a: only the advanced area opens;
    // h: only the range chart's comparison changes; i: only the VT whose
    // picture was read changes;
    // r: Redo, with nothing to make again.
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
    QTest::newRow("typing in one selector, pick in another")
        << "t0 1,p1 2" << 2 << "Undo Pick v2 (Fuel)";
    QTest::newRow("a level names its part") << "p5 3" << 1 << "Undo Pick Level v3 (Part 2)";
    QTest::newRow("a part names its slot") << "p2 4" << 1 << "Undo Pick v4 (Part 1)";
    QTest::newRow("a change") << "c5" << 1 << "Undo Paste Loadout";
    QTest::newRow("a change of nothing") << "c0" << 0 << "Undo";
    QTest::newRow("the advanced area opened") << "a" << 0 << "Undo";
    QTest::newRow("the range chart alone changed") << "h" << 1 << "Undo Paste Loadout";
    QTest::newRow("another VT's picture read") << "i" << 1 << "Undo Paste Loadout";
    QTest::newRow("typing ended by Redo, then its selector again")
        << "t0 1,r,p0 2" << 2 << "Undo Pick v2";
}

void TestSession::whatIsAStep() {
    QFETCH(QString, script);
    QFETCH(int, steps);
    QFETCH(QString, undoText);
    Harness h;
    h.window.shown = state(0);
    QScopedPointer<QAction> undo(h.history.stack().createUndoAction(nullptr));
    for (const QString& input : script.split(QLatin1Char(','))) {
        const QChar kind = input.at(0);
        if (kind == QLatin1Char('a') || kind == QLatin1Char('h') || kind == QLatin1Char('i')) {
            SessionState changed = h.window.shown;
            if (kind == QLatin1Char('a'))
                changed.loadout.AdvancedOpen = true;
            else if (kind == QLatin1Char('h'))
                changed.chart.compareIndex = 1;
            else
                changed.pictureVt = 3;
            h.change(changed);
            continue;
        }
        if (kind == QLatin1Char('r')) {
            h.history.redo();
            continue;
        }
        if (kind == QLatin1Char('c')) {
            h.change(state(input.mid(1).toInt()));
            continue;
        }
        const auto selector = S(input.mid(1, 1).toInt());
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

void TestSession::limit_data() {
    QTest::addColumn<int>("picks");
    QTest::addColumn<int>("backTo");
    QTest::newRow("at the limit") << LoadoutHistory::Limit << 0;
    QTest::newRow("one past it") << LoadoutHistory::Limit + 1 << 1;
    QTest::newRow("far past it") << LoadoutHistory::Limit + 40 << 40;
}

// Only the last 500 steps can be taken back; all of them come again.
void TestSession::limit() {
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
void TestSession::typedTextJoinsItsPick() {
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
    QCOMPARE(h.window.shown.selection.selectors[vantor::selectorIndex(S::Fuel)].text,
             QStringLiteral("1"));
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
void TestSession::swapBackAndForth() {
    Harness h;
    h.window.shown = state(1);
    h.window.setPinned(h.window.shown);
    h.input(S::Vt, state(2));
    h.history.swapWithPinned();
    QCOMPARE(h.vt(), 1);
    QCOMPARE(h.window.pinned()->loadout.VTIndex, 2);
    h.window.shown.chart.armour = true; // shown meanwhile, not a step
    h.history.undo();
    QCOMPARE(h.vt(), 2);
    QCOMPARE(h.window.pinned()->loadout.VTIndex, 1);
    QVERIFY(h.window.pinned()->chart.armour);
    h.history.redo();
    QCOMPARE(h.vt(), 1);
    QCOMPARE(h.window.pinned()->loadout.VTIndex, 2);
    QVERIFY(h.window.shown.chart.armour);
    h.history.undo();
    h.history.undo();
    QCOMPARE(h.vt(), 1);
    QCOMPARE(h.window.pinned()->loadout.VTIndex, 1);
}

// Each row: which rows of a comparison change; the model reports just those.
void TestSession::comparisonModel_data() {
    QTest::addColumn<QList<int>>("changed");
    QTest::newRow("none") << QList<int>{};
    QTest::newRow("one") << QList<int>{3};
    QTest::newRow("first and last") << QList<int>{0, 22};
    QTest::newRow("all") << [] {
        QList<int> all;
        for (int r = 0; r < 23; ++r)
            all << r;
        return all;
    }();
}

void TestSession::comparisonModel() {
    QFETCH(QList<int>, changed);
    vantor::Loadout pinned;
    pinned.VTIndex = 0;
    vantor::Loadout current;
    std::vector<vantor::ComparisonRow> rows = vantor::compareLoadouts(pinned, current);
    QCOMPARE(rows.size(), std::size_t(23));
    ComparisonModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setRows(rows);
    QCOMPARE(model.rowCount(), 23);
    QCOMPARE(model.headerData(3, Qt::Horizontal).toString(), QStringLiteral("Change"));

    QSignalSpy spy(&model, &QAbstractItemModel::dataChanged);
    for (int r : changed)
        rows[std::size_t(r)].current += QStringLiteral("!");
    model.setRows(rows);
    QList<int> reported;
    for (const QList<QVariant>& signal : spy) {
        const auto from = signal[0].toModelIndex(), to = signal[1].toModelIndex();
        QCOMPARE(from.column(), 0);
        QCOMPARE(to.column(), 3);
        for (int r = from.row(); r <= to.row(); ++r)
            reported << r;
    }
    QCOMPARE(reported, changed);
    QCOMPARE(model.index(changed.value(0), 2).data().toString(),
             rows[std::size_t(changed.value(0))].current);
}

// What a row's marks become: bold for differing items, the verdict's colour,
// which reads on the table's white, and its word, on screen and so for a
// screen reader too.
void TestSession::comparisonMarks_data() {
    QTest::addColumn<int>("verdict");
    QTest::addColumn<bool>("differs");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("shown");
    using V = vantor::ChangeVerdict;
    QTest::newRow("better") << int(V::Better) << false << ComparisonModel::BetterColour
                            << "+2 better";
    QTest::newRow("worse") << int(V::Worse) << false << ComparisonModel::WorseColour << "+2 worse";
    QTest::newRow("neither") << int(V::Neither) << true << QColor() << "+2";
}

void TestSession::comparisonMarks() {
    QFETCH(int, verdict);
    QFETCH(bool, differs);
    QFETCH(QColor, colour);
    QFETCH(QString, shown);
    vantor::ComparisonRow row{"Total Load", "1", "3", "+2", vantor::ChangeVerdict(verdict),
                              differs,      {},  {}};
    ComparisonModel model;
    model.setRows({row});
    const QModelIndex change = model.index(0, ComparisonModel::ChangeColumn);
    QCOMPARE(change.data(Qt::ForegroundRole).value<QColor>(), colour);
    if (colour.isValid())
        QVERIFY2(vantor::contrastRatio(colour, Qt::white) >= vantor::MinimumContrast,
                 qPrintable(colour.name()));
    QCOMPARE(change.data().toString(), shown);
    QVERIFY(change.data(Qt::AccessibleTextRole).isNull()); // read as shown
    QCOMPARE(model.index(0, 0).data(Qt::FontRole).value<QFont>().bold(), differs);
    // Copy writes the change as shown, every line ended.
    QCOMPARE(tableText(model),
             "Figure\tPinned\tCurrent\tChange\nTotal Load\t1\t3\t" + shown + '\n');
}

QTEST_MAIN(TestSession)
#include "tst_session.moc"

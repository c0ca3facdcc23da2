// The loadout finder as a user meets it: opened by its key on the answer
// for the loadout in the window, searching again as limits change, a row put
// into the main window and taken back, a row pinned, the rows copied, and
// what a screen reader hears.

#include "WindowTest.h"

#include "app/desktop/Appearance.h"
#include "app/desktop/TableText.h"
#include "app/tools/FinderModel.h"
#include "app/tools/FinderWindow.h"
#include "core/Finder.h"
#include "model/LoadoutDisplay.h"
#include "model/Text.h"
#include "model/VtCatalogue.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QListWidget>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

using namespace vantor;
using M = FinderModel;

namespace {

// Ctrl+F in the main window, with the VT `vt` chosen.
FinderWindow* openFinder(const Window& w, const QString& vt) {
    w.chooseVt(vt);
    w.press(QKeySequence(Qt::CTRL | Qt::Key_F));
    return w.window->findChild<FinderWindow*>(QStringLiteral("FinderWindow"));
}

QTableView* tableOf(const FinderWindow* f) {
    return f->findChild<QTableView*>(QStringLiteral("FinderTable"));
}

// Each row as the table shows it: the VT, the ranked figure and the total load.
QStringList shownRows(const FinderWindow* f) {
    const QAbstractItemModel* m = tableOf(f)->model();
    QStringList rows;
    for (int r = 0; r < m->rowCount(); ++r)
        rows << QStringList{m->index(r, M::VtColumn).data().toString(),
                            m->index(r, M::FigureColumn).data().toString(),
                            m->index(r, M::TotalLoadColumn).data().toString()}
                    .join(u'|');
    return rows;
}

// The same for the answer the finder gives to what the window asks now.
QStringList answerRows(const FinderWindow* f) {
    QStringList rows;
    for (const FoundLoadout& found : findLoadouts(f->request()).loadouts)
        rows << QStringList{toQString(vtEntry(found.picks.vt).selectorName), found.figureText,
                            QString::number(found.after.TotalLoad)}
                    .join(u'|');
    return rows;
}

// Sets a limit as the user would with the control's own value.
void setLimit(const FinderWindow* f, const QString& control, int value) {
    QWidget* widget = f->findChild<QWidget*>(control);
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        combo->setCurrentIndex(value);
    else if (auto* spin = qobject_cast<QSpinBox*>(widget))
        spin->setValue(value);
    else if (auto* box = qobject_cast<QCheckBox*>(widget))
        box->setChecked(value != 0);
    else
        qFatal("no limit %s", qPrintable(control));
}

QString undoText(const Window& w) {
    return w.window->findChild<QAction*>(QStringLiteral("UndoAction"))->text();
}

} // namespace

class TestFinderWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyVantorAppearance(*qApp); }
    void opensOnTheAnswer_data();
    void opensOnTheAnswer();
    void enterPutsTheRowInTheWindow_data();
    void enterPutsTheRowInTheWindow();
    void aLimitSearchesAgain_data();
    void aLimitSearchesAgain();
    void newestSearchWins();
    void pinAndCopyLeaveTheWindow();
    void whatAScreenReaderHears_data();
    void whatAScreenReaderHears();
};

void TestFinderWindow::opensOnTheAnswer_data() {
    QTest::addColumn<QString>("vt");
    for (const char* vt : {"Garpike", "Colt", "Prominence M2"})
        QTest::newRow(vt) << vt;
}

// Ctrl+F opens the finder on the default limits and their answer at once,
// and it follows the loadout.
void TestFinderWindow::opensOnTheAnswer() {
    QFETCH(QString, vt);
    Window w;
    FinderWindow* f = openFinder(w, vt);
    QVERIFY(f && f->isVisible());
    QCOMPARE(f->windowTitle(), QStringLiteral("Vantor - Loadout Finder"));
    QCOMPARE(f->findChild<QComboBox*>("FinderRankSelect")->currentText(), "Volley Damage");
    QCOMPARE(f->findChild<QComboBox*>("FinderRankSelect")->count(), FinderRankCount);
    QCOMPARE(f->findChild<QComboBox*>("FinderStatusSelect")->currentText(), "VT OK");
    QCOMPARE(f->findChild<QComboBox*>("FinderScopeSelect")->currentText(), "This VT");
    QCOMPARE(f->request().limits, FinderLimits{});
    QCOMPARE(f->request().current.vt, w.combo("VTSelect")->currentIndex());
    QVERIFY(!shownRows(f).isEmpty());
    QCOMPARE(shownRows(f), answerRows(f));
    QCOMPARE(tableOf(f)->model()->headerData(M::FigureColumn, Qt::Horizontal).toString(),
             "Volley Damage");

    // It follows a pick in the main window while open.
    w.pick("MWSelect1", 1);
    QCOMPARE(f->request().currentLoadout, w.window->currentLoadout());
    QCOMPARE(f->request().current.main[0].item, 1);
    QCOMPARE(shownRows(f), answerRows(f));
}

void TestFinderWindow::enterPutsTheRowInTheWindow_data() {
    QTest::addColumn<QString>("vt");
    QTest::addColumn<int>("rank");
    QTest::addColumn<int>("row");
    QTest::newRow("Garpike, the best volley") << "Garpike" << int(FinderRank::VolleyDamage) << 0;
    QTest::newRow("Colt, third by load left") << "Colt" << int(FinderRank::LoadLeft) << 2;
    QTest::newRow("Prominence M2, second by turn")
        << "Prominence M2" << int(FinderRank::TurnSpeed) << 1;
}

// The main window shows exactly the row's figures, as one step Ctrl+Z takes back.
void TestFinderWindow::enterPutsTheRowInTheWindow() {
    QFETCH(QString, vt);
    QFETCH(int, rank);
    QFETCH(int, row);
    Window w;
    FinderWindow* f = openFinder(w, vt);
    const QStringList before = w.dump();
    setLimit(f, "FinderRankSelect", rank);
    QTableView* table = tableOf(f);
    QVERIFY(table->model()->rowCount() > row);
    const QModelIndex index = table->model()->index(row, 0);
    const QString total = index.siblingAtColumn(M::TotalLoadColumn).data().toString();
    const QString status = index.siblingAtColumn(M::StatusColumn).data().toString();
    const QString weapon = index.siblingAtColumn(M::Main1Column).data().toString();
    const LoadoutDisplay expected =
        displayOf(findLoadouts(f->request()).loadouts[std::size_t(row)].after);
    table->setFocus();
    table->setCurrentIndex(index);
    QTest::keyClick(table, Qt::Key_Return);
    QCOMPARE(w.text("TotalLoadLabel"), total);
    QCOMPARE(w.text("Label9"), status);
    QCOMPARE(w.combo("MWSelect1")->currentText(), weapon);
    for (int v = 0; v < ValueLabelCount; ++v)
        QCOMPARE(w.text(ValueLabelNames[std::size_t(v)].data()), expected.values[v].text);
    QCOMPARE(undoText(w), QStringLiteral("Undo Pick Found Loadout"));
    w.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    w.press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QCOMPARE(w.dump(), before);
}

void TestFinderWindow::aLimitSearchesAgain_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("value");
    QTest::newRow("rank by load left") << "FinderRankSelect" << int(FinderRank::LoadLeft);
    QTest::newRow("up to MAX OVER") << "FinderStatusSelect" << 2;
    QTest::newRow("MOUNT OVER allowed") << "FinderAllowMountOver" << 1;
    QTest::newRow("a fuel tank") << "FinderFuelTanks" << 1;
    QTest::newRow("a guided weapon") << "FinderGuided" << 1;
    QTest::newRow("main weapon 1 kept") << "FinderKeepMain1" << 1;
    QTest::newRow("reach 1000 m") << "FinderReach" << 1000;
    QTest::newRow("nothing fits") << "FinderFuelTanks" << 9;
}

// Each limit asks anew, and the table shows what the finder answers to it.
void TestFinderWindow::aLimitSearchesAgain() {
    QFETCH(QString, control);
    QFETCH(int, value);
    Window w;
    FinderWindow* f = openFinder(w, QStringLiteral("Garpike"));
    const FinderRequest before = f->request();
    const QString shownBefore = tableText(*tableOf(f)->model());
    setLimit(f, control, value);
    QVERIFY(f->request() != before);
    QCOMPARE(shownRows(f), answerRows(f));
    QVERIFY(tableText(*tableOf(f)->model()) != shownBefore);
    const QString nothingFits = findLoadouts(f->request()).nothingFits;
    auto* label = f->findChild<QLabel*>("FinderNothingFitsLabel");
    QCOMPARE(label->text(), nothingFits);
    QCOMPARE(label->isVisible(), !nothingFits.isEmpty());
}

// Of two quick searches of every VT, only the newer answer is shown.
void TestFinderWindow::newestSearchWins() {
    Window w;
    FinderWindow* f = openFinder(w, QStringLiteral("Colt"));
    QSignalSpy shown(f, &FinderWindow::answerShown);
    setLimit(f, "FinderScopeSelect", 1);
    setLimit(f, "FinderRankSelect", int(FinderRank::Durability));
    QTRY_COMPARE(shown.count(), 1);
    QCOMPARE(tableOf(f)->model()->headerData(M::FigureColumn, Qt::Horizontal).toString(),
             "Durability");
    QCOMPARE(shownRows(f), answerRows(f));
    QVERIFY(shownRows(f).size() > 1);
    QTest::qWait(50);
    QCOMPARE(shown.count(), 1);
}

// Ctrl+D pins a row without changing the window or its history; Ctrl+C and
// Copy put the rows on the clipboard.
void TestFinderWindow::pinAndCopyLeaveTheWindow() {
    Window w;
    FinderWindow* f = openFinder(w, QStringLiteral("Garpike"));
    const QStringList before = w.dump();
    const QString undo = undoText(w);
    QTableView* table = tableOf(f);
    table->setFocus();
    table->setCurrentIndex(table->model()->index(1, 0));
    const QString total = table->model()->index(1, M::TotalLoadColumn).data().toString();
    QTest::keyClick(table, Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(w.dump(), before);
    QCOMPARE(undoText(w), undo);
    auto* compared = w.window->findChild<QTableView*>("CompareTable");
    QVERIFY(compared && compared->isVisible());
    QStringList pinnedTotal;
    for (int r = 0; r < compared->model()->rowCount(); ++r)
        if (compared->model()->index(r, 0).data().toString() == "Total Load")
            pinnedTotal << compared->model()->index(r, 1).data().toString();
    QCOMPARE(pinnedTotal, QStringList{total});

    QGuiApplication::clipboard()->clear();
    table->setFocus();
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), tableText(*table->model()));
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(f->findChild<QPushButton*>("FinderCopyButton"), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), tableText(*table->model()));
}

void TestFinderWindow::whatAScreenReaderHears_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::newRow("rank") << "FinderRankSelect"
                          << "Rank by"
                          << "Volley Damage";
    QTest::newRow("status") << "FinderStatusSelect"
                            << "Worst status"
                            << "VT OK";
    QTest::newRow("reach") << "FinderReach"
                           << "A main weapon reaches:"
                           << "none";
    QTest::newRow("keep") << "FinderKeepSub2"
                          << "Keep sub-weapon 2"
                          << "";
    QTest::newRow("band end") << "FinderCoverTo"
                              << "Band to"
                              << "500 m";
}

// Every control by its name and value; a row by its preview and reason.
void TestFinderWindow::whatAScreenReaderHears() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, value);
    Window w;
    FinderWindow* f = openFinder(w, QStringLiteral("Colt"));
    QAccessibleInterface* a =
        QAccessible::queryAccessibleInterface(f->findChild<QWidget*>(control));
    QCOMPARE(a->text(QAccessible::Name), name);
    QCOMPARE(a->text(QAccessible::Value), value);

    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(tableOf(f));
    QAccessibleInterface* cell = table->tableInterface()->cellAt(0, M::VtColumn);
    const FoundLoadout first = findLoadouts(f->request()).loadouts.front();
    QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("Colt"));
    QCOMPARE(cell->text(QAccessible::Description), previewText(first.preview) + u'\n' + first.why);
}

QTEST_MAIN(TestFinderWindow)
#include "tst_finderwindow.moc"

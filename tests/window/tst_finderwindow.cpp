// The loadout finder as a user meets it: opened by its key on the answer
// for the loadout in the window, searching again as limits change, a row put
// into the main window and taken back, a row pinned, the rows copied, what a
// screen reader hears and where the keyboard goes, and what stays in sight.

#include "WindowTest.h"

#include "app/desktop/Accessibility.h"
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
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
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

// Makes the steps as a user would: "FinderFuelTanks=9" sets a limit,
// "MWSelect1=2" picks an item in the main window, "Add" adds the chosen item
// to carry, "F1" launches the MM.
void makeSteps(const Window& w, const FinderWindow* f, const QStringList& steps) {
    for (const QString& step : steps) {
        const QString name = step.section(u'=', 0, 0);
        const QString text = step.section(u'=', 1);
        bool number = false;
        int value = text.toInt(&number);
        if (!number && name.startsWith("Finder"))
            value = f->findChild<QComboBox*>(name)->findText(text);
        if (name == "Add")
            QTest::mouseClick(f->findChild<QPushButton*>("FinderMustCarryAdd"), Qt::LeftButton);
        else if (name == "F1")
            w.click("F1Button");
        else if (name.startsWith("Finder"))
            setLimit(f, name, value);
        else if (number)
            w.pick(qPrintable(name), value);
        else
            w.pick(qPrintable(name), text);
    }
}

// Every row of the table as shown but for its changes, which follow the
// window's loadout.
QStringList rowsButChanges(const FinderWindow* f) {
    const QAbstractItemModel* m = tableOf(f)->model();
    QStringList rows;
    for (int r = 0; r < m->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < M::ChangesColumn; ++c)
            cells << m->index(r, c).data().toString();
        rows << cells.join(u'|');
    }
    return rows;
}

// What a screen reader meets in the finder and cannot name: an object with
// neither a name nor a container's role, that readers pass over.
QStringList unnamedObjects(const FinderWindow* f) {
    QStringList found;
    for (QWidget* widget : f->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(f))
            continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(widget);
        const bool container = a->role() == QAccessible::Client || a->role() == QAccessible::Pane;
        if (a->text(QAccessible::Name).trimmed().isEmpty() && !container)
            found << QStringLiteral("%1 %2 %3")
                         .arg(widget->metaObject()->className(), widget->objectName())
                         .arg(a->role());
    }
    return found;
}

// Where Tab goes in the finder, from the first limit round to it again: each
// stop by its object name, or what is wrong with it: no name a reader hears,
// a role that does nothing (a panel, a group), an empty list or table.
QStringList tabStops(FinderWindow* f) {
    f->activateWindow();
    if (!QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == f->windowHandle(); }))
        return {QStringLiteral("the finder takes no keyboard")};
    QWidget* first = f->findChild<QWidget*>("FinderRankSelect");
    first->setFocus(Qt::TabFocusReason);
    static const QList<QAccessible::Role> acting = {QAccessible::ComboBox, QAccessible::CheckBox,
                                                    QAccessible::SpinBox,  QAccessible::Button,
                                                    QAccessible::List,     QAccessible::Table};
    QStringList stops;
    for (int i = 0; i < 60; ++i) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus || !f->isAncestorOf(focus))
            return stops << QStringLiteral("left the finder");
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(focus);
        const bool empty = (a->role() == QAccessible::List && a->childCount() == 0) ||
                           (a->tableInterface() && a->tableInterface()->rowCount() == 0);
        if (a->text(QAccessible::Name).trimmed().isEmpty())
            stops << focus->objectName() + QStringLiteral(": no name");
        else if (!acting.contains(a->role()))
            stops << focus->objectName() + QStringLiteral(": does nothing");
        else if (empty)
            stops << focus->objectName() + QStringLiteral(": empty");
        else
            stops << focus->objectName();
        QTest::keyClick(focus, Qt::Key_Tab);
        if (QApplication::focusWidget() == first)
            return stops;
    }
    return stops << QStringLiteral("no way round");
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
    void nothingFitsIsHeardOnce_data();
    void nothingFitsIsHeardOnce();
    void everythingNamedEveryTabStopActs_data();
    void everythingNamedEveryTabStopActs();
    void windowsLoadoutAndRowsInPlace_data();
    void windowsLoadoutAndRowsInPlace();
    void figureAndCopyInSight_data();
    void figureAndCopyInSight();
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

    // Where the VT with an MM to launch is searched, a line says that
    // loadouts with a launched MM are left out.
    const auto* note = f->findChild<QLabel*>("FinderMmNote");
    QCOMPARE(note->isVisible(), vt == "Prominence M2");
    QCOMPARE(
        QAccessible::queryAccessibleInterface(const_cast<QLabel*>(note))->text(QAccessible::Name),
        "Loadouts with a launched MM are left out.");
    setLimit(f, "FinderScopeSelect", 1);
    QVERIFY(note->isVisible());
}

void TestFinderWindow::enterPutsTheRowInTheWindow_data() {
    QTest::addColumn<QString>("vt");
    QTest::addColumn<int>("rank");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("launched"); // the MM launched in the window first
    QTest::newRow("Garpike, the best volley")
        << "Garpike" << int(FinderRank::VolleyDamage) << 0 << false;
    QTest::newRow("Colt, third by load left") << "Colt" << int(FinderRank::LoadLeft) << 2 << false;
    QTest::newRow("Prominence M2, second by turn")
        << "Prominence M2" << int(FinderRank::TurnSpeed) << 1 << false;
    QTest::newRow("Prominence M2, MM launched, the best by turn: the launch taken back")
        << "Prominence M2" << int(FinderRank::TurnSpeed) << 0 << true;
    QTest::newRow("Prominence M2, MM launched, the first by supply cost")
        << "Prominence M2" << int(FinderRank::SupplyCost) << 0 << true;
}

// The main window shows exactly the row's figures, as one step Ctrl+Z takes back.
void TestFinderWindow::enterPutsTheRowInTheWindow() {
    QFETCH(QString, vt);
    QFETCH(int, rank);
    QFETCH(int, row);
    QFETCH(bool, launched);
    Window w;
    FinderWindow* f = openFinder(w, vt);
    if (launched)
        w.click("F1Button");
    const QStringList before = w.dump();
    setLimit(f, "FinderRankSelect", rank);
    QTableView* table = tableOf(f);
    QVERIFY(table->model()->rowCount() > row);
    const QModelIndex index = table->model()->index(row, 0);
    const QString total = index.siblingAtColumn(M::TotalLoadColumn).data().toString();
    const QString status = index.siblingAtColumn(M::StatusColumn).data().toString();
    const QString weapon = index.siblingAtColumn(M::Main1Column).data().toString();
    // Every row keeps the MM loaded: with it launched in the window, none is
    // the window's own, and each takes the launch back.
    for (int r = 0; launched && r < table->model()->rowCount(); ++r) {
        QCOMPARE(table->model()->index(r, M::Sub2Column).data().toString(), "MM");
        QVERIFY(!table->model()->index(r, M::ChangesColumn).data().toString().startsWith("None"));
    }
    const LoadoutDisplay expected =
        displayOf(findLoadouts(f->request()).loadouts[std::size_t(row)].after);
    table->setFocus();
    table->setCurrentIndex(index);
    QTest::keyClick(table, Qt::Key_Return);
    QCOMPARE(w.text("TotalLoadLabel"), total);
    QCOMPARE(w.text("Label9"), status);
    QCOMPARE(w.combo("MWSelect1")->currentText(), weapon);
    if (vt == "Prominence M2") {
        QVERIFY(w.button("F1Button")->isVisible());
        QCOMPARE(w.combo("SWSelect2")->currentText(), "MM");
    }
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

void TestFinderWindow::nothingFitsIsHeardOnce_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("heard");
    const QString fuel = "The Garpike carries at most 2 fuel tanks";
    const QString reach = "No main weapon of the Garpike reaches 5000 m";
    QTest::newRow("rows: nothing heard") << QStringList{"FinderFuelTanks=1"} << QStringList{};
    QTest::newRow("appears") << QStringList{"FinderFuelTanks=9"} << QStringList{fuel};
    QTest::newRow("the same reason after a limit")
        << QStringList{"FinderFuelTanks=9", "FinderFuelTanks=8", "FinderRankSelect=3"}
        << QStringList{fuel};
    QTest::newRow("the same reason after a pick in the window")
        << QStringList{"FinderFuelTanks=9", "MWSelect1=1", "SWSelect1=1"} << QStringList{fuel};
    QTest::newRow("another reason")
        << QStringList{"FinderFuelTanks=9", "FinderReach=5000"} << QStringList{fuel, reach};
    QTest::newRow("gone and back")
        << QStringList{"FinderFuelTanks=9", "FinderFuelTanks=2", "FinderFuelTanks=3"}
        << QStringList{fuel, fuel};
}

// A screen reader hears why nothing fits when the reason appears or changes,
// once, wherever its focus is.
void TestFinderWindow::nothingFitsIsHeardOnce() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, heard);
    Window w;
    FinderWindow* f = openFinder(w, QStringLiteral("Garpike"));
    QStringList told;
    listenToAnnouncements([&told, f](QObject* source, const QString& message) {
        if (source->isWidgetType() && static_cast<QWidget*>(source)->window() == f)
            told << message;
    });
    const auto stop = qScopeGuard([] { listenToAnnouncements({}); });
    makeSteps(w, f, steps);
    QCOMPARE(told, heard);
    QCOMPARE(f->findChild<QLabel*>("FinderNothingFitsLabel")->text(),
             heard.value(heard.size() - 1));
}

void TestFinderWindow::everythingNamedEveryTabStopActs_data() {
    QTest::addColumn<QString>("vt");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("stops");
    const QStringList limits = {"FinderRankSelect", "FinderStatusSelect", "FinderAllowMountOver",
                                "FinderScopeSelect", "FinderMustCarrySelect"};
    const QStringList others = {"FinderMustCarryAdd", "FinderFuelTanks", "FinderReach",
                                "FinderCover", "FinderGuided"};
    const QStringList kept = {"FinderKeepFuel",  "FinderKeepPart1",  "FinderKeepLevel1",
                              "FinderKeepPart2", "FinderKeepLevel2", "FinderKeepMain1",
                              "FinderKeepMain2", "FinderKeepMain3",  "FinderKeepSub1",
                              "FinderKeepSub2",  "FinderKeepSub3"};
    const QStringList end = {"FinderTable", "FinderCopyButton"};
    QTest::newRow("as it opens") << "Colt" << QStringList{} << limits + others + kept + end;
    QTest::newRow("an item to carry, a band to cover")
        << "Colt"
        << QStringList{"FinderMustCarrySelect=Advanced Mount (part)", "Add", "FinderCover=1"}
        << limits + QStringList{"FinderMustCarryLevel", "FinderMustCarryAdd", "FinderMustCarryList",
                                "FinderFuelTanks",      "FinderReach",        "FinderCover",
                                "FinderCoverFrom",      "FinderCoverTo",      "FinderGuided"} +
               kept + end;
    QTest::newRow("nothing fits") << "Garpike" << QStringList{"FinderFuelTanks=9"}
                                  << limits + others + kept + QStringList{"FinderCopyButton"};
    QTest::newRow("the MM's line")
        << "Prominence M2" << QStringList{} << limits + others + kept + end;
    QTest::newRow("every VT") << "Sheepdog" << QStringList{"FinderScopeSelect=1"}
                              << limits + others + kept + end;
}

// A screen reader can name everything it meets in the finder, and Tab goes
// only through controls that act, each heard by its name.
void TestFinderWindow::everythingNamedEveryTabStopActs() {
    QFETCH(QString, vt);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, stops);
    Window w;
    FinderWindow* f = openFinder(w, vt);
    QSignalSpy shown(f, &FinderWindow::answerShown);
    makeSteps(w, f, steps);
    QTRY_VERIFY(shown.count() > 0 || steps.isEmpty());
    QVERIFY2(unnamedObjects(f).isEmpty(), qPrintable(unnamedObjects(f).join(u'\n')));
    QCOMPARE(tabStops(f), stops);
}

void TestFinderWindow::windowsLoadoutAndRowsInPlace_data() {
    QTest::addColumn<QString>("vt");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("rank");
    QTest::addColumn<QStringList>("first"); // the first row's weapons, parts and changes
    QTest::addColumn<int>("picked");
    const QString none = QStringLiteral("None"); // as far as the colon
    QTest::newRow("Garpike, 270-AR in main weapon 1, by reach")
        << "Garpike" << QStringList{"MWSelect1=270-AR"} << int(FinderRank::LongestReach)
        << QStringList{"270-AR", "Unarmed", "Unarmed", "Unarmed", "Unarmed", none} << 3;
    // 270-AR moves from main weapon 1 to 3: both selectors change, and 2.
    QTest::newRow("Garpike, 270-AR in main weapon 1, 200-AR to carry, by reach")
        << "Garpike"
        << QStringList{"MWSelect1=270-AR",
                       "FinderMustCarrySelect=200-AR (main weapon)",
                       "Add",
                       "FinderKeepPart1=1",
                       "FinderKeepPart2=1",
                       "FinderKeepSub1=1",
                       "FinderKeepSub2=1",
                       "FinderKeepSub3=1"}
        << int(FinderRank::LongestReach)
        << QStringList{"Unarmed", "200-AR", "270-AR", "Unarmed", "Unarmed", "3 changes"} << 2;
    QTest::newRow("Colt Executive, Goddess Of War and Additional Mount 3, by supply cost")
        << "Colt Executive"
        << QStringList{"OPSelect1=Goddess Of War", "OPSelect2=Additional Mount", "OPLSelect2=2"}
        << int(FinderRank::SupplyCost) << QStringList{"Unarmed",
                                                      "Unarmed",
                                                      "Unarmed",
                                                      "Goddess Of War",
                                                      "Additional Mount Level 3",
                                                      none}
        << 4;
}

// The window's own loadout is listed as the window holds it, first among its
// ties, changing nothing; a row counts every selector it changes, both of a
// moved weapon; after Enter the rows stay as they were, the picked one
// current and now the window's own.
void TestFinderWindow::windowsLoadoutAndRowsInPlace() {
    QFETCH(QString, vt);
    QFETCH(QStringList, steps);
    QFETCH(int, rank);
    QFETCH(QStringList, first);
    QFETCH(int, picked);
    Window w;
    FinderWindow* f = openFinder(w, vt);
    makeSteps(w, f, steps);
    setLimit(f, "FinderRankSelect", rank);
    QTableView* table = tableOf(f);
    const QAbstractItemModel* m = table->model();
    QVERIFY(m->rowCount() > picked);
    const auto cell = [m](int row, int column) { return m->index(row, column).data().toString(); };
    QStringList firstRow;
    for (int column :
         {M::Main1Column, M::Main2Column, M::Main3Column, M::Part1Column, M::Part2Column})
        firstRow << cell(0, column);
    firstRow << cell(0, M::ChangesColumn).section(u':', 0, 0);
    QCOMPARE(firstRow, first);

    const QStringList before = rowsButChanges(f);
    const QStringList pickedRow = before[picked].split(u'|');
    table->setFocus();
    table->setCurrentIndex(m->index(picked, 0));
    QTest::keyClick(table, Qt::Key_Return);
    QCOMPARE(rowsButChanges(f), before);
    QCOMPARE(table->currentIndex().row(), picked);
    const QString none = QStringLiteral("None: the loadout in the window");
    QCOMPARE(cell(picked, M::ChangesColumn), none);
    QVERIFY(cell(0, M::ChangesColumn) != none);
    QCOMPARE(w.combo("MWSelect1")->currentText(), pickedRow[M::Main1Column]);
    QCOMPARE(w.text("TotalLoadLabel"), pickedRow[M::TotalLoadColumn]);
}

void TestFinderWindow::figureAndCopyInSight_data() {
    QTest::addColumn<QString>("vt");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("least");
    for (int rank = 0; rank < FinderRankCount; ++rank)
        QTest::addRow("by %s", qPrintable(finderRankName(FinderRank(rank))))
            << "Jaralaccs NSR" << QStringList{QStringLiteral("FinderRankSelect=%1").arg(rank)}
            << false;
    QTest::newRow("every VT, by sortie point cost")
        << "Colt" << QStringList{"FinderScopeSelect=1", "FinderRankSelect=10"} << false;
    const QStringList threeHeavy = {
        "FinderStatusSelect=1", "FinderMustCarrySelect=355-SB (main weapon)", "Add", "Add", "Add"};
    QTest::newRow("nothing fits, a long reason") << "Prominence M2" << threeHeavy << false;
    QTest::newRow("nothing fits, a long reason, at the least size")
        << "Prominence M2" << threeHeavy << true;
    QTest::newRow("nothing fits, at the least size")
        << "Garpike" << QStringList{"FinderFuelTanks=9"} << true;
    QTest::newRow("nothing fits, then rows again, at the least size")
        << "Garpike" << QStringList{"FinderFuelTanks=9", "FinderFuelTanks=1"} << true;
}

// The ranked figure is in sight without scrolling the table, and Copy stays
// within the window, which keeps its size, also where nothing fits.
void TestFinderWindow::figureAndCopyInSight() {
    QFETCH(QString, vt);
    QFETCH(QStringList, steps);
    QFETCH(bool, least);
    Window w;
    FinderWindow* f = openFinder(w, vt);
    if (least)
        f->resize(320, 1); // the narrowest it opens at, as low as it goes
    QTest::qWait(20);
    const QSize size = f->size();
    const FinderRequest before = f->request();
    QSignalSpy shown(f, &FinderWindow::answerShown);
    makeSteps(w, f, steps);
    QTRY_VERIFY(shown.count() > 0 || f->request() == before);
    QTest::qWait(20);
    QCOMPARE(f->size(), size);
    auto* copy = f->findChild<QPushButton*>("FinderCopyButton");
    QVERIFY(copy->isVisible());
    QVERIFY(f->rect().contains(QRect(copy->mapTo(f, QPoint()), copy->size())));
    QTableView* table = tableOf(f);
    if (!table->isVisible()) {
        auto* reason = f->findChild<QLabel*>("FinderNothingFitsLabel");
        QVERIFY(reason->isVisible() && !reason->text().isEmpty());
        QVERIFY(f->rect().contains(QRect(reason->mapTo(f, QPoint()), reason->size())));
        return;
    }
    QVERIFY(table->model()->rowCount() > 0);
    const QHeaderView* header = table->horizontalHeader();
    QCOMPARE(table->horizontalScrollBar()->value(), 0);
    const int left = header->sectionViewportPosition(M::FigureColumn);
    QVERIFY(left >= 0);
    QVERIFY2(left + header->sectionSize(M::FigureColumn) <= table->viewport()->width(),
             qPrintable(QStringLiteral("%1 + %2 > %3")
                            .arg(left)
                            .arg(header->sectionSize(M::FigureColumn))
                            .arg(table->viewport()->width())));
    QCOMPARE(table->model()->headerData(M::FigureColumn, Qt::Horizontal).toString(),
             f->findChild<QComboBox*>("FinderRankSelect")->currentText());
}

QTEST_MAIN(TestFinderWindow)
#include "tst_finderwindow.moc"

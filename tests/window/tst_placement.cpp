// Where the comparison window and the main window go on screens of several
// sizes and scales: the rules on frame rectangles, then the windows.

#include "WindowTest.h"

#include "app/desktop/Appearance.h"
#include "app/desktop/HandlerGuard.h"
#include "app/desktop/ToolWindowPlacement.h"
#include "app/tools/CompareWindow.h"

#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

class TestPlacement : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyVantorAppearance(*qApp); }

    void placeToolWindow_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("main");
        QTest::addColumn<QList<QRect>>("kept");
        QTest::addColumn<QList<QRect>>("others");
        QTest::addColumn<QSize>("tool");
        QTest::addColumn<QSize>("least");
        QTest::addColumn<QSize>("narrowest");
        QTest::addColumn<QSize>("smallest");
        QTest::addColumn<QRect>("expected");
        const QList<QRect> none;
        const QRect hd(0, 0, 1920, 1040);
        // The main window's frame, 712 x 371 with its borders, centred.
        const QRect centred(604, 334, 712, 371);
        const QSize tool(420, 560);
        QTest::newRow("1x: right") << hd << centred << none << none << tool << tool << tool << tool
                                   << QRect(1324, 334, 420, 560);
        QTest::newRow("1x: slides up to stay on screen")
            << hd << QRect(604, 700, 712, 300) << none << none << tool << tool << tool << tool
            << QRect(1324, 480, 420, 560);
        QTest::newRow("1x: left when the right has no room")
            << hd << QRect(1200, 100, 712, 371) << none << none << tool << tool << tool << tool
            << QRect(772, 100, 420, 560);
        QTest::newRow("1x: a second tool window beside the main one, clear of the first")
            << hd << centred << none << QList<QRect>{{1324, 334, 420, 560}} << QSize(500, 300)
            << QSize(500, 300) << QSize(500, 300) << QSize(500, 300) << QRect(1316, 26, 500, 300);
        // 1280 x 720 logical (1920 x 1080 at 1.5x): no room either side, but below.
        QTest::newRow("1.5x: below")
            << QRect(0, 0, 1280, 690) << QRect(284, 10, 712, 371) << none << none << QSize(420, 290)
            << QSize(420, 290) << QSize(420, 290) << QSize(420, 290) << QRect(284, 389, 420, 290);
        QTest::newRow("1366x768: narrower rather than over the main window")
            << QRect(0, 0, 1366, 738) << QRect(327, 183, 712, 371) << none << none
            << QSize(900, 480) << QSize(300, 240) << QSize(300, 240) << QSize(300, 240)
            << QRect(1047, 183, 319, 480);
        // The catalogue below and the comparison to the left already: the
        // guide covers the least of all windows together, a strip at the
        // main window's edge, clear of the load status.
        QTest::newRow("1280x720: the third window covers the least")
            << QRect(0, 0, 1280, 690) << QRect(284, 10, 712, 371)
            << QList<QRect>{{288, 40, 437, 290}, {729, 70, 245, 20}}
            << QList<QRect>{{284, 389, 900, 301}, {0, 10, 276, 420}} << QSize(760, 620)
            << QSize(300, 240) << QSize(300, 240) << QSize(300, 240) << QRect(980, 0, 300, 240);
        // 1067 x 600 logical (1600 x 900 at 1.5x), the main window with its
        // advanced area open: bands of 174 and 171 beside it.
        const QRect at15(0, 0, 1067, 600);
        const QRect main15(182, 98, 706, 502);
        const QList<QRect> kept15{{183, 99, 437, 290}, {627, 349, 245, 20}};
        QTest::newRow("1600x900 at 1.5x: narrower beside the main window, covering nothing")
            << at15 << main15 << kept15 << none << QSize(1242, 482) << QSize(322, 249)
            << QSize(162, 249) << QSize(162, 249) << QRect(0, 98, 174, 482);
        QTest::newRow("1600x900 at 1.5x: no narrower, over the main window's figures")
            << at15 << main15 << kept15 << none << QSize(539, 584) << QSize(321, 182)
            << QSize(321, 182) << QSize(321, 182) << QRect(746, 0, 321, 182);
        QTest::newRow("1600x900 at 1.5x: beside another rather than half over it")
            << at15 << main15 << kept15 << QList<QRect>{{746, 0, 321, 182}} << QSize(902, 482)
            << QSize(262, 223) << QSize(251, 223) << QSize(251, 223) << QRect(805, 377, 262, 223);
        // 800 x 600 logical (1600 x 1200 at 2x): the last place clear of the
        // selection column and the load status is half over another window.
        QTest::newRow("1600x1200 at 2x: half over another, never over the load status")
            << QRect(0, 0, 800, 600) << QRect(48, 98, 706, 502)
            << QList<QRect>{{49, 99, 437, 290}, {493, 349, 245, 20}}
            << QList<QRect>{{0, 397, 321, 182}, {538, 0, 262, 223}} << QSize(1242, 482)
            << QSize(322, 249) << QSize(162, 249) << QSize(162, 249) << QRect(638, 99, 162, 249);
        // 800 x 450 logical (1600 x 900 at 2x), the advanced area closed, a
        // tool window over all the room beside the selection column: over it
        // rather than over the column or the load status, which no click
        // could bring back above a tool window.
        QTest::newRow("1600x900 at 2x: over another rather than over the load status")
            << QRect(0, 0, 800, 450) << QRect(48, 77, 706, 298)
            << QList<QRect>{{49, 78, 437, 290}, {493, 328, 245, 20}}
            << QList<QRect>{{495, 0, 305, 340}} << QSize(1242, 482) << QSize(322, 249)
            << QSize(162, 249) << QSize(104, 249) << QRect(493, 0, 104, 249);
        // 960 x 540 logical (at 2x): no side has room; the right has the most.
        QTest::newRow("2x: the freest side, at the edge")
            << QRect(0, 0, 960, 510) << QRect(100, 60, 712, 371) << none << none << tool << tool
            << tool << tool << QRect(540, 0, 420, 510);
        QTest::newRow("2x: the left covers the least")
            << QRect(0, 0, 960, 510) << QRect(240, 60, 712, 371) << none << none << QSize(420, 400)
            << QSize(420, 400) << QSize(420, 400) << QSize(420, 400) << QRect(0, 110, 420, 400);
        QTest::newRow("2x: covers as little elsewhere, never the selection column")
            << QRect(0, 0, 960, 510) << QRect(124, 70, 712, 371)
            << QList<QRect>{{128, 100, 437, 290}} << none << tool << QSize(300, 240)
            << QSize(300, 240) << QSize(300, 240) << QRect(660, 0, 300, 240);
        QTest::newRow("2x: anywhere, as little of the selection column as can be")
            << QRect(0, 0, 500, 400) << QRect(0, 0, 500, 400) << QList<QRect>{{0, 0, 437, 290}}
            << none << tool << QSize(300, 240) << QSize(300, 240) << QSize(300, 240)
            << QRect(200, 160, 300, 240);
        QTest::newRow("second screen to the right")
            << QRect(1920, 0, 1280, 1000) << QRect(2000, 100, 712, 371) << none << none << tool
            << tool << tool << tool << QRect(2720, 100, 420, 560);
        QTest::newRow("screen with a panel at the top")
            << QRect(0, 32, 1920, 1048) << QRect(604, 0, 712, 371) << none << none << tool << tool
            << tool << tool << QRect(1324, 32, 420, 560);
    }

    void placeToolWindow() {
        QFETCH(QRect, screen);
        QFETCH(QRect, main);
        QFETCH(QList<QRect>, kept);
        QFETCH(QList<QRect>, others);
        QFETCH(QSize, tool);
        QFETCH(QSize, least);
        QFETCH(QSize, narrowest);
        QFETCH(QSize, smallest);
        QFETCH(QRect, expected);
        const QRect placed =
            ::placeToolWindow({screen, main, kept, others}, {tool, least, narrowest, smallest});
        QCOMPARE(placed, expected);
        QVERIFY(screen.contains(placed));
    }

    // The comparison, never smaller than its least size, among tool windows
    // the user has not moved: where it can only be placed over the main
    // window's selection column or load status, or over more than half of
    // another, they give way, placed again after it in their order.
    void placeToolWindowFirst_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("main");
        QTest::addColumn<QList<QRect>>("movable");
        QTest::addColumn<QList<QRect>>("expected"); // the comparison's, then the others'
        // 800 x 450 logical (1600 x 900 at 2x), the advanced area closed.
        const QRect main(48, 77, 706, 298);
        const QList<QRect> asPlaced{{538, 0, 262, 223}, {493, 71, 162, 249}, {668, 348, 132, 102}};
        QTest::newRow("no room as they are: they give way")
            << QRect(0, 0, 800, 450) << main << asPlaced
            << QList<QRect>{{479, 0, 321, 182},
                            {538, 97, 262, 223},
                            {486, 58, 104, 249},
                            {668, 348, 132, 102}};
        // 1600 x 900 at 1x: room beside the main window as they are.
        QTest::newRow("room as they are: none moves")
            << QRect(0, 0, 1600, 900) << QRect(446, 248, 706, 298) << asPlaced
            << QList<QRect>{{1160, 248, 440, 450},
                            {538, 0, 262, 223},
                            {493, 71, 162, 249},
                            {668, 348, 132, 102}};
    }

    void placeToolWindowFirst() {
        QFETCH(QRect, screen);
        QFETCH(QRect, main);
        QFETCH(QList<QRect>, movable);
        QFETCH(QList<QRect>, expected);
        const QPoint corner = main.topLeft();
        const QList<QRect> kept{QRect(1, 1, 437, 290).translated(corner),
                                QRect(445, 251, 245, 20).translated(corner)};
        // The catalogue, the finder and the guide, as the windows ask.
        const QList<ToolWindowSizes> sizes{{{902, 482}, {262, 223}, {251, 223}, {251, 223}},
                                           {{1242, 482}, {322, 249}, {162, 249}, {104, 249}},
                                           {{762, 622}, {262, 202}, {132, 102}, {72, 72}}};
        QList<MovableToolWindow> others;
        for (qsizetype i = 0; i < movable.size(); ++i)
            others << MovableToolWindow{movable[i], sizes[i]};
        const QSize comparison(321, 182);
        QCOMPARE(::placeToolWindowFirst({screen, main, kept, {}},
                                        {{539, 450}, comparison, comparison, comparison}, others),
                 expected);
    }

    void keptOnScreen_data() {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("expected");
        const QRect on(100, 50, 712, 404);
        QTest::newRow("on the screen") << on << on;
        QTest::newRow("below the bottom") << QRect(100, 300, 712, 404) << QRect(100, 106, 712, 404);
        QTest::newRow("past the right") << QRect(500, 50, 712, 404) << QRect(248, 50, 712, 404);
        QTest::newRow("above the top") << QRect(100, -20, 712, 404) << on.translated(0, -50);
        QTest::newRow("taller than the screen")
            << QRect(100, 40, 712, 600) << QRect(100, 0, 712, 600);
    }

    void keptOnScreen() {
        QFETCH(QRect, frame);
        QFETCH(QRect, expected);
        QCOMPARE(::keptOnScreen(frame, QRect(0, 0, 960, 510)), expected);
    }

    // The four tool windows opened in several orders, over the main window
    // with its advanced area open at its tallest page, or closed.
    void windowsOnScreen_data() {
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<bool>("advanced");
        const QStringList comparisonFirst{"CompareWindow", "CatalogueWindow", "FinderWindow",
                                          "GuideWindow"};
        const QStringList comparisonLast{"CatalogueWindow", "FinderWindow", "GuideWindow",
                                         "CompareWindow"};
        QTest::newRow("comparison first") << comparisonFirst << true;
        QTest::newRow("comparison last") << comparisonLast << true;
        QTest::newRow("guide, comparison, finder, catalogue")
            << QStringList{"GuideWindow", "CompareWindow", "FinderWindow", "CatalogueWindow"}
            << true;
        QTest::newRow("comparison first, advanced area closed") << comparisonFirst << false;
        QTest::newRow("comparison last, advanced area closed") << comparisonLast << false;
    }

    // On whatever screen and scale the test runs (see the CTest entries), the
    // main window's frame stays on the screen as the advanced area and its
    // tallest page open (where the screen is large enough for it). The tool
    // windows then open in turn: each on the screen; none over the selection
    // column or the load status where the screen shows the whole main window;
    // none more than half under another, on these screens both at once; the
    // comparison with every column in sight, the changes included, however
    // short it is.
    void windowsOnScreen() {
        QFETCH(QStringList, order);
        QFETCH(bool, advanced);
        Window w;
        const QRect screen = w.window->screen()->availableGeometry();
        w.window->move(screen.center() - w.window->rect().center());
        w.chooseVt(QStringLiteral("Sheepdog"));
        w.pick("OPSelect1", QStringLiteral("Advanced Balancer"));
        w.pick("OPLSelect1", 0);
        if (advanced) {
            w.click("AdvFunctionButton");
            const bool mainFits =
                screen.width() >= w.window->frameGeometry().width() && screen.height() >= 544;
            if (mainFits)
                QVERIFY2(
                    screen.contains(w.window->frameGeometry()),
                    qPrintable(QStringLiteral("%1 on %2")
                                   .arg(rectText(w.window->frameGeometry()), rectText(screen))));
            w.click("FixedMW2Button"); // the weapon page, the tallest
            if (mainFits)
                QVERIFY(screen.contains(w.window->frameGeometry()));
        }

        const QRect main = w.window->frameGeometry();
        QString placed; // every tool window's frame, for a failure's message
        for (const QString& name : order) {
            w.press(keysOf(name));
            const auto* tool = w.window->findChild<QWidget*>(name);
            QVERIFY2(tool && tool->isVisible(), qPrintable(name));
            const QRect frame = tool->frameGeometry();
            placed += QStringLiteral("\n%1 %2").arg(name, rectText(frame));
            QVERIFY2(screen.contains(frame),
                     qPrintable(name + " off " + rectText(screen) + placed));
            if (name != "CompareWindow" || name != order.first())
                continue;
            // The first one, clear of the main window where the screen has
            // room on one of its sides, and at the size it asks for showing
            // every column and row without scrolling.
            const int need = ToolWindowGap + frame.width();
            if (screen.right() - main.right() >= need || main.left() - screen.left() >= need ||
                screen.bottom() - main.bottom() >= ToolWindowGap + frame.height() ||
                main.top() - screen.top() >= ToolWindowGap + frame.height())
                QVERIFY2(!frame.intersects(main), qPrintable(rectText(frame)));
            const auto* table = tool->findChild<QTableView*>(QStringLiteral("CompareTable"));
            if (tool->size() == tool->size().expandedTo(tool->sizeHint())) {
                QVERIFY(!table->horizontalScrollBar()->isVisible());
                QVERIFY(!table->verticalScrollBar()->isVisible());
            }
        }

        const QList<QWidget*> tools = [&] {
            QList<QWidget*> all;
            for (const QString& name : order)
                all << w.window->findChild<QWidget*>(name);
            return all;
        }();
        for (qsizetype i = 0; i < tools.size(); ++i)
            for (qsizetype j = i + 1; j < tools.size(); ++j) {
                const QRect a = tools[i]->frameGeometry();
                const QRect b = tools[j]->frameGeometry();
                const QRect both = a.intersected(b);
                const qint64 smaller =
                    std::min(qint64(a.width()) * a.height(), qint64(b.width()) * b.height());
                QVERIFY2(qint64(both.width()) * both.height() <= smaller / 2,
                         qPrintable(tools[i]->objectName() + " and " + tools[j]->objectName() +
                                    " overlap" + placed));
            }
        // Where the screen leaves the comparison less than its width beside
        // the selection column (800 logical pixels wide, the main window
        // centred), its columns come first: it covers no more of the
        // column's edge than it must.
        if (screen.contains(main))
            for (const QWidget* tool : tools)
                for (const char* kept : {"LeftPanel", "Label9"}) {
                    const auto* k = w.window->findChild<QWidget*>(kept);
                    const QRect inSight(k->mapToGlobal(QPoint(0, 0)), k->size());
                    const QRect frame = tool->frameGeometry();
                    const int room =
                        std::max(screen.right() - inSight.right(), inSight.left() - screen.left());
                    const bool edge =
                        tool->objectName() == "CompareWindow" && k->objectName() == "LeftPanel";
                    const int beyond = edge ? std::max(0, frame.width() - room) : 0;
                    QVERIFY2(frame.intersected(inSight).width() <= beyond,
                             qPrintable(tool->objectName() + " covers " + kept + placed));
                }

        // The changes whole, in sight without scrolling sideways, also once
        // the loadout differs from the pinned one: fuel tanks and the part's
        // level change the loads and statistics, and what differs is bold.
        // (An item of a longer name widens its column, and the table
        // scrolls.)
        const auto* table = w.window->findChild<QTableView*>(QStringLiteral("CompareTable"));
        for (const bool differs : {false, true}) {
            if (differs) {
                w.pick("FTSelect", 1);
                w.pick("OPLSelect1", 2);
            }
            QCoreApplication::sendPostedEvents(); // the view lays itself out anew
            const int last = table->model()->columnCount() - 1;
            int changes = table->horizontalHeader()->sectionSizeHint(last);
            for (int row = 0; row < table->model()->rowCount(); ++row)
                changes = std::max(
                    changes, table->sizeHintForIndex(table->model()->index(row, last)).width());
            QVERIFY2(table->horizontalHeader()->sectionPosition(last) + changes <=
                         table->viewport()->width(),
                     qPrintable(QStringLiteral("the changes need %1 from %2, the table shows %3")
                                    .arg(changes)
                                    .arg(table->horizontalHeader()->sectionPosition(last))
                                    .arg(table->viewport()->width()) +
                                placed));
        }
        QCOMPARE(table->horizontalScrollBar()->value(), 0);
    }

    // Opened before it has rows, the comparison still sizes itself to them.
    void sizedWhateverTheOrder() {
        Window w;
        w.chooseVt(QStringLiteral("Colt"));
        CompareWindow early(w.window.get(), *w.window);
        early.present();
        const QSize empty = early.size();
        early.showRows(
            vantor::compareLoadouts(w.window->currentLoadout(), w.window->currentLoadout()));
        QVERIFY(early.width() > empty.width());
        auto* table = early.findChild<QTableView*>(QStringLiteral("CompareTable"));
        for (int column = 0; column < table->model()->columnCount(); ++column)
            QVERIFY(table->columnWidth(column) >=
                    static_cast<QAbstractItemView*>(table)->sizeHintForColumn(column));
        QCoreApplication::sendPostedEvents(); // the view lays itself out anew
        if (early.size() == early.size().expandedTo(early.sizeHint()))
            QVERIFY(!table->horizontalScrollBar()->isVisible());
    }

    // Every tool window, moved by the user and closed with Escape, opens
    // again where it was left, not where it was first placed.
    void reopenedWhereLeft_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QKeySequence>("keys");
        QTest::newRow("comparison") << "CompareWindow" << QKeySequence(Qt::CTRL | Qt::Key_D);
        QTest::newRow("catalogue") << "CatalogueWindow" << QKeySequence(Qt::CTRL | Qt::Key_B);
        QTest::newRow("guide") << "GuideWindow" << QKeySequence(Qt::Key_F1);
        QTest::newRow("finder") << "FinderWindow" << QKeySequence(Qt::CTRL | Qt::Key_F);
    }

    void reopenedWhereLeft() {
        QFETCH(QString, name);
        QFETCH(QKeySequence, keys);
        Window w;
        w.chooseVt(QStringLiteral("Garpike"));
        w.press(keys);
        auto* tool = w.window->findChild<QWidget*>(name);
        QVERIFY(tool && tool->isVisible());
        const QPoint moved = tool->pos() + QPoint(23, 17);
        tool->move(moved);
        QTest::keyClick(tool, Qt::Key_Escape);
        QVERIFY(!tool->isVisible());
        w.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        w.press(keys);
        QVERIFY(tool->isVisible());
        QCOMPARE(tool->pos(), moved);
    }

private:
    static QKeySequence keysOf(const QString& tool) {
        if (tool == "CompareWindow")
            return QKeySequence(Qt::CTRL | Qt::Key_D);
        if (tool == "CatalogueWindow")
            return QKeySequence(Qt::CTRL | Qt::Key_B);
        if (tool == "FinderWindow")
            return QKeySequence(Qt::CTRL | Qt::Key_F);
        return QKeySequence(Qt::Key_F1);
    }

    static QString rectText(const QRect& r) {
        return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }
};

QTEST_MAIN(TestPlacement)
#include "tst_placement.moc"

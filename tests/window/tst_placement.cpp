// Where the comparison window and the main window go on screens of several
// sizes and scales: the rules on frame rectangles, then the windows.

#include "WindowTest.h"

#include "app/desktop/Appearance.h"
#include "app/desktop/HandlerGuard.h"
#include "app/desktop/ToolWindowPlacement.h"
#include "app/session/CompareWindow.h"

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
        QTest::addColumn<QSize>("tool");
        QTest::addColumn<QRect>("expected");
        const QRect hd(0, 0, 1920, 1040);
        // The main window's frame, 712 x 371 with its borders, centred.
        const QRect centred(604, 334, 712, 371);
        QTest::newRow("1x: right")
            << hd << centred << QSize(420, 560) << QRect(1324, 334, 420, 560);
        QTest::newRow("1x: slides up to stay on screen")
            << hd << QRect(604, 700, 712, 300) << QSize(420, 560) << QRect(1324, 480, 420, 560);
        QTest::newRow("1x: left when the right has no room")
            << hd << QRect(1200, 100, 712, 371) << QSize(420, 560) << QRect(772, 100, 420, 560);
        // 1280 x 720 logical (1920 x 1080 at 1.5x): no room either side, but below.
        QTest::newRow("1.5x: below") << QRect(0, 0, 1280, 690) << QRect(284, 10, 712, 371)
                                     << QSize(420, 290) << QRect(284, 389, 420, 290);
        // 960 x 540 logical (at 2x): no side has room; the right has the most.
        QTest::newRow("2x: the freest side, at the edge")
            << QRect(0, 0, 960, 510) << QRect(100, 60, 712, 371) << QSize(420, 560)
            << QRect(540, 0, 420, 510);
        QTest::newRow("2x: the left has the most room")
            << QRect(0, 0, 960, 510) << QRect(240, 60, 712, 371) << QSize(420, 400)
            << QRect(0, 60, 420, 400);
        QTest::newRow("second screen to the right")
            << QRect(1920, 0, 1280, 1000) << QRect(2000, 100, 712, 371) << QSize(420, 560)
            << QRect(2720, 100, 420, 560);
        QTest::newRow("screen with a panel at the top")
            << QRect(0, 32, 1920, 1048) << QRect(604, 0, 712, 371) << QSize(420, 560)
            << QRect(1324, 32, 420, 560);
    }

    void placeToolWindow() {
        QFETCH(QRect, screen);
        QFETCH(QRect, main);
        QFETCH(QSize, tool);
        QFETCH(QRect, expected);
        const QRect placed = ::placeToolWindow(main, tool, screen);
        QCOMPARE(placed, expected);
        QVERIFY(screen.contains(placed));
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

    // On whatever screen and scale the test runs (see the CTest entries), the
    // main window's frame stays on the screen as the advanced area and its
    // tallest page open, and the comparison shows every column whole beside
    // it, on the screen.
    void windowsOnScreen() {
        Window w;
        const QRect screen = w.window->screen()->availableGeometry();
        w.window->move(screen.center() - w.window->rect().center());
        w.chooseVt(QStringLiteral("Sheepdog"));
        w.click("AdvFunctionButton");
        QVERIFY2(screen.contains(w.window->frameGeometry()),
                 qPrintable(QStringLiteral("%1 on %2")
                                .arg(rectText(w.window->frameGeometry()), rectText(screen))));
        w.click("FixedMW2Button"); // the weapon page, the tallest
        QVERIFY(screen.contains(w.window->frameGeometry()));

        w.press(QKeySequence(Qt::CTRL | Qt::Key_D));
        auto* compare = w.window->findChild<CompareWindow*>(QStringLiteral("CompareWindow"));
        QVERIFY(compare && compare->isVisible());
        const QRect frame = compare->frameGeometry();
        QVERIFY2(screen.contains(frame), qPrintable(rectText(frame) + " on " + rectText(screen)));
        // Clear of the main window where the screen has room on one of its sides.
        const QRect main = w.window->frameGeometry();
        const int need = ToolWindowGap + frame.width();
        if (screen.right() - main.right() >= need || main.left() - screen.left() >= need ||
            screen.bottom() - main.bottom() >= ToolWindowGap + frame.height() ||
            main.top() - screen.top() >= ToolWindowGap + frame.height())
            QVERIFY2(!frame.intersects(main), qPrintable(rectText(frame)));
        auto* table = compare->findChild<QTableView*>(QStringLiteral("CompareTable"));
        QVERIFY(table);
        // Every column readable: none scrolled, the last (the changes) whole.
        const int last = table->model()->columnCount() - 1;
        if (compare->size() == compare->size().expandedTo(compare->sizeHint())) {
            QVERIFY(!table->horizontalScrollBar()->isVisible());
            QVERIFY(table->columnWidth(last) >=
                    static_cast<QAbstractItemView*>(table)->sizeHintForColumn(last));
            QVERIFY(table->columnWidth(last) >= table->horizontalHeader()->sectionSizeHint(last));
        }
        if (screen.height() >= 700)
            QVERIFY(!table->verticalScrollBar()->isVisible());
    }

    // Opened before it has rows, the comparison still sizes itself to them.
    void sizedWhateverTheOrder() {
        Window w;
        w.chooseVt(QStringLiteral("Colt"));
        HandlerGuard guard([](const QString&) {}, [] {});
        CompareWindow early(w.window.get(), guard);
        early.present();
        const QSize empty = early.size();
        early.showRows(vantor::compareLoadouts(w.window->currentLoadout(), w.window->currentLoadout()));
        QVERIFY(early.width() > empty.width());
        auto* table = early.findChild<QTableView*>(QStringLiteral("CompareTable"));
        for (int column = 0; column < table->model()->columnCount(); ++column)
            QVERIFY(table->columnWidth(column) >=
                    static_cast<QAbstractItemView*>(table)->sizeHintForColumn(column));
        QCoreApplication::sendPostedEvents(); // the view lays itself out anew
        QVERIFY(!table->horizontalScrollBar()->isVisible());
    }

private:
    static QString rectText(const QRect& r) {
        return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }
};

QTEST_MAIN(TestPlacement)
#include "tst_placement.moc"

#include "app/tools/ToolWindow.h"

#include "app/desktop/ToolWindowPlacement.h"

#include <QAction>
#include <QKeyEvent>

ToolWindow::ToolWindow(QWidget* mainWindow, ToolWindowHost& host_, const QString& name,
                       const QString& title, QSize leastSize)
    : QWidget(mainWindow, Qt::Tool), host(host_), least(leastSize) {
    setObjectName(name);
    setWindowTitle(title);
    // F6 gives the keyboard back to the main window, with the focus where it
    // was, and leaves this window open.
    auto* back = new QAction(this);
    back->setObjectName(QStringLiteral("ReturnToMainWindowAction"));
    back->setShortcut(QKeySequence(Qt::Key_F6));
    back->setShortcutContext(Qt::WindowShortcut);
    addAction(back);
    connect(back, &QAction::triggered, this, [this] {
        if (QWidget* main = parentWidget()) {
            main->raise();
            main->activateWindow();
        }
    });
}

void ToolWindow::present() {
    follow();
    aboutToPresent();
    if (!placed) {
        prepareFirstShow();
        placeAgain();
        placed = true;
    }
    show();
    raise();
    activateWindow();
    presented();
}

void ToolWindow::placeAgain() {
    placeToolWindowBesideMain(this, least, shrinks, host.keptInSight());
}

void ToolWindow::holdLeastSize(QSize size) {
    least = size;
    shrinks = false;
}

void ToolWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

#include "app/session/ToolWindowKeys.h"

#include <QAction>
#include <QWidget>

void addReturnToMainWindowKey(QWidget* toolWindow) {
    auto* action = new QAction(toolWindow);
    action->setObjectName(QStringLiteral("ReturnToMainWindowAction"));
    action->setShortcut(ReturnToMainWindowKey);
    action->setShortcutContext(Qt::WindowShortcut);
    toolWindow->addAction(action);
    QObject::connect(action, &QAction::triggered, toolWindow, [toolWindow] {
        QWidget* main = toolWindow->parentWidget();
        if (!main)
            return;
        main->raise();
        main->activateWindow();
    });
}

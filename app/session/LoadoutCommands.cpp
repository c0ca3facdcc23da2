#include "app/session/LoadoutCommands.h"

#include "app/areas/Selectors.h"
#include "app/desktop/HandlerGuard.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QUndoStack>
#include <QWidget>

LoadoutCommands::LoadoutCommands(QWidget* window, HandlerGuard& guard, const QUndoStack& history)
    : QObject(window) {
    struct Entry {
        const char* name;
        const char* text;
        QList<QKeySequence> keys;
    };
    const Entry entries[CommandCount] = {
        {"UndoAction", nullptr, {QKeySequence(Qt::CTRL | Qt::Key_Z)}},
        {"RedoAction",
         nullptr,
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}},
        {"CopyLoadoutAction", "Copy Loadout", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)}},
        {"CopyLoadoutCodeAction",
         "Copy Loadout Code",
         {QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_C)}},
        {"PasteLoadoutAction", "Paste Loadout", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)}},
        {"CopyPictureAction", "Copy as Picture", {}},
        {"SavePictureAction", "Save Picture...", {}},
        {"PinAction", "Pin for Comparison", {QKeySequence(Qt::CTRL | Qt::Key_D)}},
        {"ShowComparisonAction",
         "Show Comparison",
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)}},
        {"SwapAction",
         "Swap with the Pinned Loadout",
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D)}},
        {"BrowseAction", "Browse VTs and Weapons", {QKeySequence(Qt::CTRL | Qt::Key_B)}},
        {"FindAction", "Find Loadouts", {QKeySequence(Qt::CTRL | Qt::Key_F)}},
        // The desktop's help key; the window's "F1" button is the MM launch
        // and has no key of its own.
        {"GuideAction", "User Guide", QKeySequence::keyBindings(QKeySequence::HelpContents)},
    };
    menu = new QMenu(window);
    menu->setObjectName(QStringLiteral("LoadoutMenu"));
    for (int i = 0; i < CommandCount; ++i) {
        QAction* action = nullptr;
        if (i == Undo || i == Redo) {
            action =
                i == Undo ? history.createUndoAction(window) : history.createRedoAction(window);
            // The owner settles typed text before the stack takes a step back.
            QObject::disconnect(action, nullptr, &history, nullptr);
        } else {
            action = new QAction(QString::fromLatin1(entries[i].text), window);
        }
        action->setObjectName(QString::fromLatin1(entries[i].name));
        action->setShortcuts(entries[i].keys);
        action->setShortcutContext(Qt::WindowShortcut);
        window->addAction(action);
        menu->addAction(action);
        const Command command = Command(i);
        guard.connect(action, &QAction::triggered, this,
                      [this, command] { emit triggered(command); });
        actions[i] = action;
    }
    menu->insertSeparator(actions[CopyLoadout]);
    menu->insertSeparator(actions[Pin]);
    menu->insertSeparator(actions[Browse]);
    menu->insertSeparator(actions[Guide]);
    // Swapping is done from the comparison window or by its keys.
    menu->removeAction(actions[Swap]);

    // Shift+F10 asks for the menu of the control with the focus, as the Menu
    // key does; the desktop turns only the Menu key into that request.
    menuKey = new QAction(window);
    menuKey->setObjectName(QStringLiteral("MenuKeyAction"));
    menuKey->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
    menuKey->setShortcutContext(Qt::WindowShortcut);
    window->addAction(menuKey);
    connect(menuKey, &QAction::triggered, this, [] {
        QWidget* focus = QApplication::focusWidget();
        if (!focus)
            return;
        const QPoint at = focus->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
        QContextMenuEvent request(QContextMenuEvent::Keyboard, at, focus->mapToGlobal(at));
        QApplication::sendEvent(focus, &request);
    });
}

void LoadoutCommands::shareShortcutsWith(QWidget* window) {
    window->addActions(QList<QAction*>(actions.begin(), actions.end()));
    window->addAction(menuKey);
}

void LoadoutCommands::setEnabled(Command command, bool enabled) {
    actions[command]->setEnabled(enabled);
}

bool LoadoutCommands::isEnabled(Command command) const {
    return actions[command]->isEnabled();
}

void LoadoutCommands::showMenu(QPoint globalPos) {
    emit aboutToShowMenu();
    menu->popup(globalPos);
}

void LoadoutCommands::routeSelectorKeys(QComboBox* selector) {
    // The selector hands its keys to its field directly, so both are watched.
    selector->installEventFilter(this);
    selector->lineEdit()->installEventFilter(this);
}

bool LoadoutCommands::isUndoOrRedoKey(const QKeyEvent* key) const {
    const QKeySequence pressed(key->keyCombination());
    for (const QAction* action : {actions[Undo], actions[Redo]})
        if (action->shortcuts().contains(pressed))
            return true;
    return false;
}

bool LoadoutCommands::eventFilter(QObject* watched, QEvent* event) {
    // The menu asked for from the keyboard is the window's, in a selector as
    // everywhere else; a right-click on the field still edits its text.
    if (event->type() == QEvent::ContextMenu) {
        const auto* request = static_cast<QContextMenuEvent*>(event);
        if (request->reason() != QContextMenuEvent::Keyboard)
            return false;
        showMenu(request->globalPos());
        return true;
    }
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    auto* selector = qobject_cast<QComboBox*>(watched);
    if (!selector)
        selector = qobject_cast<QComboBox*>(static_cast<QWidget*>(watched)->parentWidget());
    if (!selector || !selector->lineEdit() || !isUndoOrRedoKey(static_cast<QKeyEvent*>(event)))
        return false;
    const QLineEdit* edit = selector->lineEdit();
    const bool typing =
        selectedItem(selector) < 0 && (edit->isUndoAvailable() || edit->isRedoAvailable());
    if (typing)
        return false;
    // Not taken by the field: the window's shortcut acts.
    event->ignore();
    return true;
}

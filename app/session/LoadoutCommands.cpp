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

LoadoutCommands::LoadoutCommands(QWidget* window, HandlerGuard& guard, const QUndoStack& history,
                                 const QList<ToolCommand>& tools)
    : QObject(window) {
    // Undo and Redo follow the stack, the others what they need.
    QList<ToolCommand> entries = {
        {"UndoAction", nullptr, {QKeySequence(Qt::CTRL | Qt::Key_Z)}},
        {"RedoAction",
         nullptr,
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}},
        {"CopyLoadoutAction",
         "Copy Loadout",
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
         Needs::Vt,
         true},
        {"CopyLoadoutCodeAction",
         "Copy Loadout Code",
         {QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_C)},
         Needs::Vt},
        {"PasteLoadoutAction",
         "Paste Loadout",
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)},
         Needs::ClipboardText},
        {"CopyPictureAction", "Copy as Picture", {}, Needs::Vt},
        {"SavePictureAction", "Save Picture...", {}, Needs::Vt},
        {"PinAction", "Pin for Comparison", {QKeySequence(Qt::CTRL | Qt::Key_D)}, Needs::Vt, true},
        // Swapping is done from the comparison window or by its keys: in no menu.
        {"SwapAction",
         "Swap with the Pinned Loadout",
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D)},
         Needs::PinnedLoadout},
    };
    entries += tools;
    menu = new QMenu(window);
    menu->setObjectName(QStringLiteral("LoadoutMenu"));
    for (int i = 0; i < entries.size(); ++i) {
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
        if (entries[i].separatorBefore)
            menu->addSeparator();
        if (i != Swap)
            menu->addAction(action);
        guard.connect(action, &QAction::triggered, this, [this, i] { emit triggered(i); });
        actions.append(action);
        needed.append(entries[i].needs);
    }

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
    window->addActions(actions);
    window->addAction(menuKey);
}

void LoadoutCommands::setEnabled(int command, bool enabled) {
    actions[command]->setEnabled(enabled);
}

bool LoadoutCommands::isEnabled(int command) const {
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

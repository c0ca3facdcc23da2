#include "app/session/LoadoutCommands.h"

#include "app/areas/Selectors.h"
#include "app/desktop/HandlerGuard.h"

#include <QAction>
#include <QComboBox>
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
        {"PasteLoadoutAction", "Paste Loadout", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)}},
        {"PinAction", "Pin for Comparison", {QKeySequence(Qt::CTRL | Qt::Key_D)}},
        {"ShowComparisonAction", "Show Comparison", {}},
        {"SwapAction",
         "Swap with the Pinned Loadout",
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D)}},
        {"BrowseAction", "Browse VTs and Weapons", {QKeySequence(Qt::CTRL | Qt::Key_B)}},
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
}

void LoadoutCommands::shareShortcutsWith(QWidget* window) {
    window->addActions(QList<QAction*>(actions.begin(), actions.end()));
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

void LoadoutCommands::routeUndoKeys(QComboBox* selector) {
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

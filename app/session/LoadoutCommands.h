#pragma once

// The commands that act on the loadout as a whole: undo and redo, copying the
// loadout as forum code or as a loadout code and pasting one back, copying or
// saving its picture, pinning it for comparison and swapping it with the
// pinned one, and opening the tool windows. They are reached through their
// shortcuts and through the window's context menu; the window carries them
// out. The layout of the window does not change for them.

#include <QKeySequence>
#include <QObject>
#include <QPoint>

#include <QList>

class HandlerGuard;
class QAction;
class QComboBox;
class QKeyEvent;
class QMenu;
class QUndoStack;
class QWidget;

class LoadoutCommands : public QObject {
    Q_OBJECT

public:
    enum Command {
        Undo,
        Redo,
        CopyLoadout,
        CopyLoadoutCode,
        PasteLoadout,
        CopyPicture,
        SavePicture,
        Pin,
        Swap
    };
    // The commands after these open the tool windows, in the order given.
    static constexpr int FirstToolCommand = Swap + 1;

    // When a command can act.
    enum class Needs { Nothing, Vt, ClipboardText, PinnedLoadout };
    // A command that opens a tool window: its action's name, menu text and
    // keys, when it can act, and whether a separator goes before it in the menu.
    struct ToolCommand {
        const char* name;
        const char* text;
        QList<QKeySequence> keys;
        Needs needs = Needs::Nothing;
        bool separatorBefore = false;
    };

    // Undo and Redo are the stack's own actions: their state and text
    // ("Undo Pick 315-SB") follow it; triggering them is left to the owner.
    LoadoutCommands(QWidget* window, HandlerGuard& guard, const QUndoStack& history,
                    const QList<ToolCommand>& tools);

    // `command`: a Command, or FirstToolCommand + a tool window's place in the list.
    int count() const { return int(actions.size()); }
    Needs needs(int command) const { return needed[command]; }
    void setEnabled(int command, bool enabled);
    bool isEnabled(int command) const;
    // Opens the context menu at `globalPos`, without waiting for a choice.
    void showMenu(QPoint globalPos);
    // In the selector's field, undo and redo keys edit the typed text only
    // while it is not yet a pick; otherwise they undo and redo steps. The
    // menu asked for from the keyboard is the window's, not the field's.
    void routeSelectorKeys(QComboBox* selector);
    // Makes the shortcuts work in another window of the program as well.
    void shareShortcutsWith(QWidget* window);

signals:
    void aboutToShowMenu();
    void triggered(int command);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isUndoOrRedoKey(const QKeyEvent* key) const;

    QList<QAction*> actions;
    QList<Needs> needed;
    QAction* menuKey = nullptr; // Shift+F10, in no menu
    QMenu* menu = nullptr;
};

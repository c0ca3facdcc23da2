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

#include <array>

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
        ShowComparison,
        Swap,
        Browse,
        Find,
        Guide
    };
    static constexpr int CommandCount = Guide + 1;

    // Undo and Redo are the stack's own actions: their state and text
    // ("Undo Pick 315-SB") follow it; triggering them is left to the owner.
    LoadoutCommands(QWidget* window, HandlerGuard& guard, const QUndoStack& history);

    void setEnabled(Command command, bool enabled);
    bool isEnabled(Command command) const;
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
    void triggered(LoadoutCommands::Command command);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isUndoOrRedoKey(const QKeyEvent* key) const;

    std::array<QAction*, CommandCount> actions{};
    QAction* menuKey = nullptr; // Shift+F10, in no menu
    QMenu* menu = nullptr;
};

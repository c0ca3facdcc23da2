#pragma once

// A window of the program beside the main one (the comparison, the
// catalogue, the finder, the guide): the first time it shows, it is placed by
// the rules every tool window shares (app/desktop/ToolWindowPlacement.h),
// after that it stays where the user puts it; Escape closes it, F6 gives the
// keyboard back to the main window and leaves it open, and asking for it again
// brings it to the front. A new tool window derives from this class, gives its
// title and the size below which its content scrolls, fills in the hooks it
// needs, and is listed with its command in ToolWindows.cpp, which the main
// window makes its menu entries, shortcuts and windows from.

#include "app/tools/ToolWindowHost.h"

#include <QSize>
#include <QWidget>

class ToolWindow : public QWidget {
    Q_OBJECT

public:
    // The tool window `name` (its object name) of `mainWindow`, titled
    // `title`; smaller than `leastSize`, on a small screen, its content
    // scrolls. What it shows and asks for goes through `host`.
    ToolWindow(QWidget* mainWindow, ToolWindowHost& host, const QString& name, const QString& title,
               QSize leastSize);

    // Shows the window with the keyboard and brings it to the front, showing
    // the main window's loadout as it is now.
    void present();
    // Shows what the main window shows now: called before the window opens,
    // and after each step of the user's while it is open.
    virtual void follow() {}

protected:
    ToolWindowHost& host;

    // Before the window shows, each time (the guide opens its first page).
    virtual void aboutToPresent() {}
    // Before it first shows, to give it the size its content wants.
    virtual void prepareFirstShow() {}
    // Once it shows, each time.
    virtual void presented() {}
    // Places the window as on its first showing, at its size now (the
    // comparison, once its first rows have sized it).
    void placeAgain();
    // From now on the window is placed no smaller than `size`, however
    // little room the screen leaves (the comparison, whose columns set it).
    // Until then it may be narrower than its least size beside the main
    // window, and smaller still where that keeps the main window's selection
    // column and load status clear (app/desktop/ToolWindowPlacement.h).
    void holdLeastSize(QSize size);

    void keyPressEvent(QKeyEvent* event) override;

private:
    QSize least;
    bool shrinks = true;
    bool placed = false;
};

#pragma once

// Where a window of the program goes on the screen, worked out from frame
// rectangles alone (the window with its title bar and borders), so that it
// can be checked without a screen; and the one adapter that places every tool
// window (catalogue, comparison, finder, guide) by those rules.

#include <QList>
#include <QRect>
#include <QSize>

class QWidget;

// What a tool window is placed among: the screen's free area, the main
// window's frame, the parts of the main window that must stay in sight (its
// selection column and load status), and the frames of the program's other
// open tool windows.
struct ToolWindowRoom {
    QRect screen;
    QRect mainFrame;
    QList<QRect> keptInSight;
    QList<QRect> others;
};

// The sizes of a tool window's frame, each no larger than the one before.
struct ToolWindowSizes {
    QSize wanted;    // what its content would like
    QSize least;     // below this its content scrolls
    QSize narrowest; // beside the main window, sooner than covering anything
    QSize smallest;  // as small as it goes, only to keep what must stay in sight clear
};

// The frame of a tool window of `sizes`:
// - at its wanted size beside, below or above the main window where that
//   covers neither the main window nor another tool window, the nearest to the
//   main window first (right, left, below, above on a tie);
// - else made smaller, down to its least size, where that covers nothing, the
//   largest such place first; then likewise down to its narrowest, so that
//   the bands beside the main window are used before anything is covered;
// - else where it covers nothing that must stay in sight and lies over no
//   other tool window by more than half of the smaller of the two: at its
//   least size, else its narrowest, else its smallest, where it covers the
//   least of the main window and the other tool windows together. Where no
//   such place is left, what must stay in sight comes first while the screen
//   shows the whole main window (a tool window always lies above the main
//   window, while of two tool windows a click raises the one below); on a
//   smaller screen, where the main window cannot be seen whole anyway, none
//   more than half under another comes first, at no less than its narrowest.
// It never leaves the screen: a size larger than the screen is cut down to it.
QRect placeToolWindow(const ToolWindowRoom& room, const ToolWindowSizes& sizes);

// A tool window that the program placed and the user has not moved since.
struct MovableToolWindow {
    QRect frame;
    ToolWindowSizes sizes;
};

// A tool window of `sizes` that is never made smaller than its least size
// (the comparison), placed among `room` and the `movable` tool windows: where
// it can only be placed over what must stay in sight or over more than half
// of another window, the movable ones give way, placed again in turn after
// it, as long as that breaks those rules less. The frames of the window, then
// of each movable one in its order.
QList<QRect> placeToolWindowFirst(const ToolWindowRoom& room, const ToolWindowSizes& sizes,
                                  const QList<MovableToolWindow>& movable);

// The gap left between the main window and a tool window beside it, and
// between tool windows.
inline constexpr int ToolWindowGap = 8;

// `frame` moved, as little as needed, so that it lies on `screen`; a frame
// larger than the screen keeps its top left corner on it.
QRect keptOnScreen(const QRect& frame, const QRect& screen);

// What the frame of `tool`, a window whose parent is the main window, adds
// to its size: its own once it has one, before that the main window's.
QSize frameAround(const QWidget* tool);

// Places `tool`, a window whose parent is the main window, by the rules above
// among the program's other visible windows, at the size its content would
// like, no smaller than `least` (both without the frame) unless `shrinks`: then
// as narrow as half of it beside the main window, and as small as its layout
// allows where only that keeps the main window's selection column and load
// status clear (`keptInSight`, the widgets of the main window no tool window
// may cover). A window that does not shrink is placed first where the tool
// windows the user has not moved must give way. Called before the window
// first shows: after that it stays where the user puts it.
void placeToolWindowBesideMain(QWidget* tool, QSize least, bool shrinks,
                               const QList<QWidget*>& keptInSight);

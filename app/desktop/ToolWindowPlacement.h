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

// The frame of a tool window that would like `wanted`, can do with `least`
// (its content scrolls below that) and, beside the main window, with as
// little as `narrowest`:
// - at its wanted size beside, below or above the main window where that
//   covers neither the main window nor another tool window, the nearest to the
//   main window first (right, left, below, above on a tie);
// - else made smaller, down to `least`, where that covers nothing, the largest
//   such place first; then likewise down to `narrowest`, so that the bands
//   beside the main window are used before anything is covered;
// - else at `least` (or `narrowest`, where only that keeps the rules) where it
//   covers nothing that must stay in sight, lies over no other tool window by
//   more than half of the smaller of the two, and covers the least of the main
//   window, then of the other tool windows; where the screen leaves no such
//   place (one smaller than the main window), the least of the other windows
//   beyond half of them first, then the least of what must stay in sight.
// It never leaves the screen: a size larger than the screen is cut down to it.
QRect placeToolWindow(const ToolWindowRoom& room, QSize wanted, QSize least, QSize narrowest);

// The gap left between the main window and a tool window beside it, and
// between tool windows.
inline constexpr int ToolWindowGap = 8;

// `frame` moved, as little as needed, so that it lies on `screen`; a frame
// larger than the screen keeps its top left corner on it.
QRect keptOnScreen(const QRect& frame, const QRect& screen);

// What the frame of `tool`, a window whose parent is the main window, adds
// to its size: its own once it has one, before that the main window's.
QSize frameAround(const QWidget* tool);

// Names the widgets of `mainWindow` that no tool window may cover.
void keepInSightOfToolWindows(QWidget* mainWindow, const QList<QWidget*>& widgets);

// Places `tool`, a window whose parent is the main window, by the rules above
// among the program's other visible windows, at the size its content would
// like, `least` and `narrowest` (all without the frame; never smaller than
// its layout allows). Called once, before the window first shows: after that
// it stays where the user puts it.
void placeToolWindowBesideMain(QWidget* tool, QSize least, QSize narrowest);

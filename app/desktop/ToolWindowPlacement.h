#pragma once

// Where a window of the program goes on the screen, worked out from frame
// rectangles alone (the window with its title bar and borders), so that it
// can be checked without a screen.

#include <QRect>
#include <QSize>

// The frame of a tool window of `frameSize` beside the main window's frame
// `mainFrame` on a screen whose free area is `screen`: to the right of the
// main window where it fits, else to its left, else below or above it; where
// it fits on no side, it lies on the side with the most room, at the screen's
// edge, covering as little of the main window as it can. It never leaves the
// screen: a frame larger than the screen is cut down to it.
QRect placeToolWindow(const QRect& mainFrame, QSize frameSize, const QRect& screen);

// The gap left between the main window and a tool window beside it.
inline constexpr int ToolWindowGap = 8;

// `frame` moved, as little as needed, so that it lies on `screen`; a frame
// larger than the screen keeps its top left corner on it.
QRect keptOnScreen(const QRect& frame, const QRect& screen);

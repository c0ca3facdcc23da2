#pragma once

// The keys every tool window (comparison, catalogue, guide) shares beyond
// Escape, which closes it.

#include <QKeySequence>

class QWidget;

// Gives the keyboard back to the main window, leaving the tool window open.
inline const QKeySequence ReturnToMainWindowKey{Qt::Key_F6};

// Makes ReturnToMainWindowKey act in `toolWindow`, whose parent is the main
// window: the main window comes to the front with the focus where it was.
void addReturnToMainWindowKey(QWidget* toolWindow);

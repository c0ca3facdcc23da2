#pragma once

// The tool windows of the program, listed once: the command that opens each
// (its action's name, menu text and keys, when it can act) and how the window
// is made. The main window makes its menu entries, shortcuts and windows from
// this list, so a new tool window is its class and one line in ToolWindows.cpp.

#include "app/session/LoadoutCommands.h"

#include <QList>

class QWidget;
class ToolWindow;
class ToolWindowHost;

struct ToolWindowKind {
    LoadoutCommands::ToolCommand command;
    // Whether pinning a loadout opens it (the comparison).
    bool opensWhenPinned = false;
    ToolWindow* (*make)(QWidget* mainWindow, ToolWindowHost& host) = nullptr;
};

// In the order of the context menu.
const QList<ToolWindowKind>& toolWindowKinds();
// Their commands, in the same order.
QList<LoadoutCommands::ToolCommand> toolWindowCommands();

#include "app/tools/ToolWindows.h"

#include "app/tools/CatalogueWindow.h"
#include "app/tools/CompareWindow.h"
#include "app/tools/FinderWindow.h"
#include "app/tools/GuideWindow.h"

namespace {

template <typename Window> ToolWindow* make(QWidget* mainWindow, ToolWindowHost& host) {
    return new Window(mainWindow, host);
}

using Needs = LoadoutCommands::Needs;

} // namespace

const QList<ToolWindowKind>& toolWindowKinds() {
    static const QList<ToolWindowKind> kinds = {
        {{"ShowComparisonAction",
          "Show Comparison",
          {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)},
          Needs::PinnedLoadout},
         true,
         make<CompareWindow>},
        {{"BrowseAction",
          "Browse VTs and Weapons",
          {QKeySequence(Qt::CTRL | Qt::Key_B)},
          Needs::Nothing,
          true},
         false,
         make<CatalogueWindow>},
        {{"FindAction", "Find Loadouts", {QKeySequence(Qt::CTRL | Qt::Key_F)}, Needs::Vt},
         false,
         make<FinderWindow>},
        // The desktop's help key; the window's "F1" button is the MM launch
        // and has no key of its own.
        {{"GuideAction", "User Guide", QKeySequence::keyBindings(QKeySequence::HelpContents),
          Needs::Nothing, true},
         false,
         make<GuideWindow>},
    };
    return kinds;
}

QList<LoadoutCommands::ToolCommand> toolWindowCommands() {
    QList<LoadoutCommands::ToolCommand> commands;
    for (const ToolWindowKind& kind : toolWindowKinds())
        commands << kind.command;
    return commands;
}

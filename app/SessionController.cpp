#include "app/SessionController.h"

#include "app/CompareWindow.h"
#include "app/HandlerGuard.h"
#include "core/Comparison.h"
#include "reports/LoadoutText.h"
#include "reports/Reports.h"

#include <QClipboard>
#include <QGuiApplication>

SessionController::SessionController(QWidget* window_, SessionHost& host_, HandlerGuard& guard_)
    : QObject(window_), window(window_), host(host_), guard(guard_) {
    commandList = new LoadoutCommands(window, guard);
    connect(commandList, &LoadoutCommands::triggered, this, &SessionController::run);
    connect(commandList, &LoadoutCommands::aboutToShowMenu, this,
            &SessionController::updateCommands);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &SessionController::clipboardChanged);
    clipboardChanged();
}

void SessionController::selectorStep(int selector, const std::function<void()>& handler) {
    std::optional<SessionState> before = history.takeTyping(selector);
    if (!before) {
        history.settleTyping(host.loadout());
        before = host.stateBeforeInput();
    }
    handler();
    if (host.holdsPick(selector))
        recordStep(std::move(*before));
    else
        history.holdTyping(selector, std::move(*before));
    updateCommands();
}

void SessionController::step(const std::function<void()>& change) {
    history.settleTyping(host.loadout());
    SessionState before = host.stateBeforeInput();
    change();
    recordStep(std::move(before));
    updateCommands();
}

void SessionController::recordStep(SessionState before) {
    // A pick that changed nothing is no step to take back.
    if (!(before == host.captureState()))
        history.record(std::move(before));
}

void SessionController::handlerEnded() {
    if (pinned && compare)
        compare->showRows(vantor::compareLoadouts(pinned->loadout, host.loadout()));
}

void SessionController::showMenu(QPoint globalPos) {
    commandList->showMenu(globalPos);
}

void SessionController::run(LoadoutCommands::Command command) {
    switch (command) {
    case LoadoutCommands::Undo:
    case LoadoutCommands::Redo:
        undoOrRedo(command == LoadoutCommands::Undo);
        break;
    case LoadoutCommands::CopyLoadout:
        copyLoadout();
        break;
    case LoadoutCommands::PasteLoadout:
        pasteLoadout();
        break;
    case LoadoutCommands::Pin:
        pin();
        break;
    case LoadoutCommands::ShowComparison:
        if (pinned)
            compare->present();
        break;
    case LoadoutCommands::Swap:
        swapWithPinned();
        break;
    case LoadoutCommands::Browse:
        emit browseRequested();
        break;
    }
    updateCommands();
}

void SessionController::updateCommands() {
    const bool vtChosen = host.vtChosen();
    commandList->setEnabled(LoadoutCommands::Undo, history.canUndo() || history.holdsTyping());
    commandList->setEnabled(LoadoutCommands::Redo, history.canRedo());
    commandList->setEnabled(LoadoutCommands::CopyLoadout, vtChosen);
    commandList->setEnabled(LoadoutCommands::PasteLoadout, clipboardHoldsText);
    commandList->setEnabled(LoadoutCommands::Pin, vtChosen);
    commandList->setEnabled(LoadoutCommands::ShowComparison, pinned.has_value());
    commandList->setEnabled(LoadoutCommands::Swap, pinned.has_value());
}

void SessionController::clipboardChanged() {
    clipboardHoldsText = !QGuiApplication::clipboard()->text().isEmpty();
    updateCommands();
}

void SessionController::undoOrRedo(bool undo) {
    history.settleTyping(host.loadout());
    if (!(undo ? history.canUndo() : history.canRedo()))
        return;
    const SessionState leaving = host.captureState();
    const UndoHistory::Step step = undo ? history.undo(leaving) : history.redo(leaving);
    host.restoreState(step.state);
    // A swap taken back or made again swaps the pinned loadout with it.
    if (step.swap)
        pinned = leaving;
}

// The forum code, exactly as "Generate Forum Code" and its copy button give
// it, without touching the forum code page.
void SessionController::copyLoadout() {
    if (!host.vtChosen())
        return;
    vantor::Loadout copy = host.loadout();
    vantor::BuildForumLines(copy);
    QGuiApplication::clipboard()->setText(vantor::joinCrLf(vantor::forumLines(copy)));
}

void SessionController::pasteLoadout() {
    const auto read = vantor::readLoadoutText(QGuiApplication::clipboard()->text());
    if (const auto* error = std::get_if<vantor::LoadoutTextError>(&read)) {
        guard.report(error->message);
        return;
    }
    const auto& picks = std::get<vantor::LoadoutPicks>(read);
    step([this, &picks] { host.applyPicks(picks); });
}

// The current loadout becomes the pinned one, and the comparison shows.
void SessionController::pin() {
    if (!host.vtChosen())
        return;
    pinned = host.captureState();
    if (!compare) {
        compare = new CompareWindow(window, guard);
        commandList->shareShortcutsWith(compare);
        connect(compare, &CompareWindow::swapRequested, this,
                [this] { run(LoadoutCommands::Swap); });
    }
    handlerEnded();
    compare->present();
}

// The pinned loadout becomes the current one and the current one pinned, as
// one step.
void SessionController::swapWithPinned() {
    if (!pinned)
        return;
    history.settleTyping(host.loadout());
    SessionState before = host.captureState();
    host.restoreState(*pinned);
    pinned = before;
    history.record(std::move(before), true);
}

#pragma once

// The steps the user made to the loadout, on Qt's undo stack: each step is a
// command that holds the session states before and after it, so that it can
// be taken back and made again. Text typed into a selector that is not yet a
// pick stays an open step: further typing and the pick it turns into join it
// (QUndoCommand::mergeWith), and when something else happens it is kept if it
// changed the loadout and dropped if not. The pinned loadout lives here as
// well, as a swap with it is a step whose undo and redo swap again.

#include "app/areas/SelectionPanel.h"
#include "app/session/SessionState.h"

#include <QObject>
#include <QUndoStack>

#include <optional>

// What the history needs of the window: to show a state again.
class HistoryHost {
public:
    virtual SessionState captureState() const = 0;
    // Shows exactly what the window showed when `session` was captured.
    virtual void restoreState(const SessionState& session) = 0;

protected:
    ~HistoryHost() = default;
};

class LoadoutHistory : public QObject {
    Q_OBJECT

public:
    static constexpr int Limit = 500;

    LoadoutHistory(HistoryHost& host, QObject* parent = nullptr);

    QUndoStack& stack() { return undoStack; }

    // The state before the typing into `selector`, while that is an open step.
    std::optional<SessionState> typingBefore(SelectionPanel::Selector selector) const;
    // Input in `selector` took the window from `before` to `after`: a step
    // named after what the selector shows, open while `pick` is false.
    void recordInput(SelectionPanel::Selector selector, SessionState before, SessionState after,
                     bool pick);
    // Any other change by the user, named `text`.
    void record(SessionState before, SessionState after, const QString& text);
    // Ends an open typing step: kept when it changed the loadout, else dropped.
    void settleTyping();

    void undo();
    void redo();

    // The loadout compared with, once pinned.
    const std::optional<SessionState>& pinned() const { return pinnedState; }
    void pin(SessionState state) { pinnedState = std::move(state); }
    // The pinned loadout comes into the window and the current one is pinned, as one step.
    void swapWithPinned();

private:
    class Step;
    class Swap;
    Step* openTyping() const;

    HistoryHost& host;
    QUndoStack undoStack;
    std::optional<SessionState> pinnedState;
};

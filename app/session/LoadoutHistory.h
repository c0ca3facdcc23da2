#pragma once

// The steps the user made to the loadout, on Qt's undo stack: each step is a
// command that holds the session states before and after it, so that it can
// be taken back and made again. Text typed into a selector that is not yet a
// pick stays an open step: further typing and the pick it turns into join it
// (QUndoCommand::mergeWith), and when something else happens it is kept if it
// changed the loadout and dropped if not. A swap with the pinned loadout is
// a step as well, whose undo and redo swap again.

#include "app/session/SessionState.h"
#include "core/Selector.h"

#include <QObject>
#include <QUndoStack>

#include <optional>

// What the steps act on: the state the window shows, and the loadout pinned
// for comparison, which a swap exchanges with it.
class HistoryHost {
public:
    virtual SessionState captureState() const = 0;
    // Shows exactly what the window showed when `session` was captured.
    virtual void restoreState(const SessionState& session) = 0;
    virtual const std::optional<SessionState>& pinned() const = 0;
    virtual void setPinned(SessionState state) = 0;

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
    std::optional<SessionState> typingBefore(vantor::Selector selector) const;
    // Input in `selector` took the window from `before` to `after`: a step
    // named after what the selector shows, open while `pick` is false.
    void recordInput(vantor::Selector selector, SessionState before, SessionState after, bool pick);
    // Any other change by the user, named `text`.
    void record(SessionState before, SessionState after, const QString& text);
    // Ends an open typing step: kept when it changed the loadout, else dropped.
    void settleTyping();

    void undo();
    void redo();

    // The pinned loadout comes into the window and the current one is pinned, as one step.
    void swapWithPinned();

private:
    class Step;
    class Swap;
    // The step of typed text on top of the stack while it is still open, or null.
    Step* openTypingStep() const;

    HistoryHost& host;
    QUndoStack undoStack;
};

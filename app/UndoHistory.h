#pragma once

// The steps the user made to the loadout, as the session states before and
// after them, so that each can be taken back and made again. A new step drops
// the steps that could have been made again. Text typed into a selector that
// is not yet a pick is held back: it becomes one step with the pick it turns
// into, or on its own when something else happens and it changed the loadout.

#include "app/SessionState.h"

#include <deque>
#include <optional>

class UndoHistory {
public:
    static constexpr std::size_t Limit = 500;

    // A finished step and the state before it; `swap` for a step that swapped
    // the loadout with the pinned one, which its undo and redo swap again.
    void record(SessionState before, bool swap = false);

    // Typing into selector `selector` began with the window in `before`.
    void holdTyping(int selector, SessionState before);
    // The state before the typing into `selector`, if that is under way;
    // the typing is no longer held.
    std::optional<SessionState> takeTyping(int selector);
    // Records held typing as a step if the loadout has changed since.
    void settleTyping(const vantor::Loadout& now);
    bool holdsTyping() const { return typing.has_value(); }

    bool canUndo() const { return !undoStates.empty(); }
    bool canRedo() const { return !redoStates.empty(); }
    struct Step {
        SessionState state; // to show
        bool swap = false;  // the step swapped the loadout with the pinned one
    };
    // The state to show instead of `current`; `current` is kept for redo (undo).
    Step undo(SessionState current);
    Step redo(SessionState current);

private:
    struct Typing {
        int selector;
        SessionState before;
    };
    std::deque<Step> undoStates;
    std::deque<Step> redoStates;
    std::optional<Typing> typing;
};

#include "app/UndoHistory.h"

void UndoHistory::record(SessionState before, bool swap) {
    undoStates.push_back({std::move(before), swap});
    if (undoStates.size() > Limit)
        undoStates.pop_front();
    redoStates.clear();
}

void UndoHistory::holdTyping(int selector, SessionState before) {
    typing = Typing{selector, std::move(before)};
}

std::optional<SessionState> UndoHistory::takeTyping(int selector) {
    if (!typing || typing->selector != selector)
        return std::nullopt;
    std::optional<SessionState> before = std::move(typing->before);
    typing.reset();
    return before;
}

void UndoHistory::settleTyping(const vantor::Loadout& now) {
    if (!typing)
        return;
    // Opening or closing the advanced area meanwhile changes no loadout.
    vantor::Loadout before = typing->before.loadout;
    before.AdvancedOpen = now.AdvancedOpen;
    if (before != now)
        record(std::move(typing->before));
    typing.reset();
}

UndoHistory::Step UndoHistory::undo(SessionState current) {
    Step previous = std::move(undoStates.back());
    undoStates.pop_back();
    redoStates.push_back({std::move(current), previous.swap});
    return previous;
}

UndoHistory::Step UndoHistory::redo(SessionState current) {
    Step next = std::move(redoStates.back());
    redoStates.pop_back();
    undoStates.push_back({std::move(current), next.swap});
    return next;
}

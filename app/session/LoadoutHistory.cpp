#include "app/session/LoadoutHistory.h"

#include "equipment/OptionalParts.h"

#include <utility>

namespace {

// The id of the steps of input in `selector`: Qt offers the open typing step
// each later step with the same id. Other steps have none (-1).
int commandId(vantor::Selector selector) {
    return 1000 + int(vantor::selectorIndex(selector));
}

// "&" would mark a shortcut letter in a menu entry.
QString menuSafe(QString text) {
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}

// The name of a step of input in `selector` that shows `shown`: a VT or a
// weapon names itself, a part, a level or the fuel tanks say their slot too
// ("Pick Level 3 (Part 1)"), as the same text stands in either slot.
QString inputText(vantor::Selector selector, const QString& shown, bool pick) {
    using S = vantor::Selector;
    QString what = shown;
    if (selector == S::Fuel)
        what += QStringLiteral(" (Fuel)");
    else if (selector == S::Part1 || selector == S::Part2)
        what += QStringLiteral(" (Part %1)").arg(selector == S::Part1 ? 1 : 2);
    else if (selector == S::Level1 || selector == S::Level2)
        what = vantor::levelName(shown) +
               QStringLiteral(" (Part %1)").arg(selector == S::Level1 ? 1 : 2);
    return (pick ? QStringLiteral("Pick %1") : QStringLiteral("Type %1")).arg(what);
}

bool sameLoadout(const SessionState& a, const SessionState& b) {
    // Opening or closing the advanced area changes no loadout.
    vantor::Loadout before = a.loadout;
    before.AdvancedOpen = b.loadout.AdvancedOpen;
    return before == b.loadout;
}

} // namespace

// One step: the states before and after it. It is pushed once the change has
// been made, so its first redo() has nothing to do.
class LoadoutHistory::Step : public QUndoCommand {
public:
    Step(HistoryHost& host, SessionState before, SessionState after, const QString& text,
         std::optional<vantor::Selector> selector = std::nullopt, bool open = false)
        : QUndoCommand(menuSafe(text)), host(host), before(std::move(before)),
          after(std::move(after)), selector(selector), open(open) {}

    int id() const override { return selector ? commandId(*selector) : -1; }

    // Only an open typing step takes in the input that follows in its
    // selector; a step that ends where it began is no step.
    bool mergeWith(const QUndoCommand* other) override {
        if (!open || other->id() != id())
            return false;
        const auto* next = static_cast<const Step*>(other);
        after = next->after;
        open = next->open;
        setText(next->text());
        setObsolete(before == after);
        return true;
    }

    // What changed meanwhile without being a step (a range bar switched on)
    // is kept for the way back.
    void redo() override {
        if (takeFirstRedo())
            return;
        before = host.captureState();
        host.restoreState(after);
    }
    void undo() override {
        after = host.captureState();
        host.restoreState(before);
    }

    HistoryHost& host;
    SessionState before;
    SessionState after;
    std::optional<vantor::Selector> selector; // none for a step of no selector's input
    bool open;

protected:
    // Whether this is the redo() of the push, made before the step was.
    bool takeFirstRedo() { return !std::exchange(applied, true); }

private:
    bool applied = false;
};

// A swap with the pinned loadout: `pinned` comes into the window and what
// the window shows is pinned. Taken back or made again, the loadout it leaves
// becomes the pinned one again.
class LoadoutHistory::Swap final : public Step {
public:
    Swap(HistoryHost& host, SessionState pinned)
        : Step(host, {}, std::move(pinned), QStringLiteral("Swap")) {}

    void redo() override {
        before = host.captureState();
        host.restoreState(after);
        host.setPinned(before);
    }
    void undo() override {
        Step::undo();
        host.setPinned(after);
    }
};

LoadoutHistory::LoadoutHistory(HistoryHost& host_, QObject* parent) : QObject(parent), host(host_) {
    undoStack.setUndoLimit(Limit);
}

LoadoutHistory::Step* LoadoutHistory::openTypingStep() const {
    const int top = undoStack.index();
    if (top == 0 || top != undoStack.count())
        return nullptr;
    // Every command on the stack is a Step.
    auto* step = static_cast<Step*>(const_cast<QUndoCommand*>(undoStack.command(top - 1)));
    return step->open ? step : nullptr;
}

std::optional<SessionState> LoadoutHistory::typingBefore(vantor::Selector selector) const {
    const Step* typing = openTypingStep();
    if (!typing || typing->selector != selector)
        return std::nullopt;
    return typing->before;
}

void LoadoutHistory::recordInput(vantor::Selector selector, SessionState before, SessionState after,
                                 bool pick) {
    const Step* typing = openTypingStep();
    if (typing && typing->selector != selector) {
        settleTyping();
        typing = nullptr;
    }
    // A pick that changed nothing is no step, and leaves what can be made again.
    if (!typing && before == after)
        return;
    const QString text =
        inputText(selector, after.selection.selectors[vantor::selectorIndex(selector)].text, pick);
    undoStack.push(new Step(host, std::move(before), std::move(after), text, selector, !pick));
}

void LoadoutHistory::record(SessionState before, SessionState after, const QString& text) {
    settleTyping();
    if (before == after)
        return;
    undoStack.push(new Step(host, std::move(before), std::move(after), text));
}

void LoadoutHistory::settleTyping() {
    Step* typing = openTypingStep();
    if (!typing)
        return;
    typing->open = false;
    if (!sameLoadout(typing->before, typing->after))
        return;
    // Qt takes an obsolete command off the stack without undoing it.
    typing->setObsolete(true);
    undoStack.undo();
}

void LoadoutHistory::undo() {
    settleTyping();
    undoStack.undo();
}

void LoadoutHistory::redo() {
    settleTyping();
    undoStack.redo();
}

void LoadoutHistory::swapWithPinned() {
    if (!host.pinned())
        return;
    settleTyping();
    // Qt makes the swap by pushing it.
    undoStack.push(new Swap(host, *host.pinned()));
}

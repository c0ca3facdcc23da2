#include "app/desktop/AccessibleSteps.h"

#include "app/desktop/Accessibility.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <QWidget>

#include <bit>
#include <optional>

namespace {

// What a reader is told of an object, one held entry per object and kind.
enum class Kind {
    Name,
    Description,
    Value,
    Text,
    Caret,
    Visibility,
    State,
    Selection,
    Reorder,
    Table,
    Other
};

struct Held {
    QAccessible::Id id = 0;
    Kind kind = Kind::Other;
    QAccessible::Event type = QAccessible::InvalidEvent; // of Selection and Other
    QString textBefore;                                  // Text: before the step
    bool visibleBefore = false;                          // Visibility
    quint64 statesChanged = 0;                           // State: which, and as they were
    quint64 statesBefore = 0;
};

struct Announcement {
    QPointer<QObject> source;
    QObject* window = nullptr; // compared only, never followed
    QString message;
};

struct Step {
    int depth = 0;
    bool flushing = false; // announce() sends at once while the step flushes
    QAccessible::UpdateHandler previous = nullptr;
    QList<Held> held;
    QHash<QPair<QAccessible::Id, int>, qsizetype> where;
    std::optional<QAccessible::Id> focus;
    QList<Announcement> announcements;
};

Step& openStep() {
    static Step step;
    return step;
}

// The states as one word of bits, one per state, to compare them all at once.
quint64 bitsOf(const QAccessible::State& state) {
    return std::bit_cast<quint64>(state);
}
QAccessible::State stateOf(quint64 bits) {
    return std::bit_cast<QAccessible::State>(bits);
}
const QAccessible::State DisabledState = [] {
    QAccessible::State state;
    state.disabled = true;
    return state;
}();

QString wholeText(QAccessibleInterface* iface) {
    QAccessibleTextInterface* text = iface->textInterface();
    return text ? text->text(0, text->characterCount()) : QString();
}

// The text as it was before `event` changed it into what it is now.
QString textBefore(QAccessibleEvent* event, const QString& now) {
    qsizetype at = 0;
    QString removed, inserted;
    if (event->type() == QAccessible::TextInserted) {
        const auto* e = static_cast<QAccessibleTextInsertEvent*>(event);
        at = e->changePosition();
        inserted = e->textInserted();
    } else if (event->type() == QAccessible::TextRemoved) {
        const auto* e = static_cast<QAccessibleTextRemoveEvent*>(event);
        at = e->changePosition();
        removed = e->textRemoved();
    } else {
        const auto* e = static_cast<QAccessibleTextUpdateEvent*>(event);
        at = e->changePosition();
        removed = e->textRemoved();
        inserted = e->textInserted();
    }
    at = qBound<qsizetype>(0, at, now.size());
    return now.left(at) + removed + now.mid(at + inserted.size());
}

void holdEvent(QAccessibleEvent* event);

// Sends `event` on as if no step were open.
void forward(QAccessibleEvent* event) {
    QAccessible::installUpdateHandler(openStep().previous);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(holdEvent);
}

void send(QAccessibleEvent&& event) {
    QAccessible::updateAccessibility(&event);
}

void sendHeld(const Held& h) {
    QAccessibleInterface* iface = QAccessible::accessibleInterface(h.id);
    if (!iface || !iface->isValid())
        return; // gone within the step
    switch (h.kind) {
    case Kind::Name:
        send(QAccessibleEvent(iface, QAccessible::NameChanged));
        break;
    case Kind::Description:
        send(QAccessibleEvent(iface, QAccessible::DescriptionChanged));
        break;
    case Kind::Value:
        send(QAccessibleValueChangeEvent(
            iface, iface->valueInterface() ? iface->valueInterface()->currentValue() : QVariant()));
        break;
    case Kind::Text: {
        // A reader follows the text of the object it is on; others it reads
        // when it gets there.
        if (!iface->state().focused)
            break;
        const QString now = wholeText(iface);
        qsizetype from = 0;
        while (from < now.size() && from < h.textBefore.size() && now[from] == h.textBefore[from])
            ++from;
        qsizetype same = 0;
        while (same < now.size() - from && same < h.textBefore.size() - from &&
               now[now.size() - 1 - same] == h.textBefore[h.textBefore.size() - 1 - same])
            ++same;
        if (from < now.size() - same || from < h.textBefore.size() - same)
            send(QAccessibleTextUpdateEvent(
                iface, int(from), h.textBefore.mid(from, h.textBefore.size() - same - from),
                now.mid(from, now.size() - same - from)));
        break;
    }
    case Kind::Caret:
        if (iface->state().focused && iface->textInterface())
            send(QAccessibleTextCursorEvent(iface, iface->textInterface()->cursorPosition()));
        break;
    case Kind::Visibility:
        if (!iface->state().invisible != h.visibleBefore)
            send(QAccessibleEvent(iface, h.visibleBefore ? QAccessible::ObjectHide
                                                         : QAccessible::ObjectShow));
        break;
    case Kind::State: {
        quint64 changed = (bitsOf(iface->state()) ^ h.statesBefore) & h.statesChanged;
        // A selector's field is enabled and disabled with its selector, which
        // tells it for both.
        if (const auto* combo =
                qobject_cast<QComboBox*>(iface->object() ? iface->object()->parent() : nullptr);
            combo && combo->lineEdit() == iface->object())
            changed &= ~bitsOf(DisabledState);
        if (changed)
            send(QAccessibleStateChangeEvent(iface, stateOf(changed)));
        break;
    }
    case Kind::Table:
        send(QAccessibleTableModelChangeEvent(iface, QAccessibleTableModelChangeEvent::ModelReset));
        break;
    case Kind::Reorder:
    case Kind::Selection:
    case Kind::Other:
        send(QAccessibleEvent(iface, h.type));
        break;
    }
}

// Sends what the step holds, each change once, the focus and the messages last.
void flush() {
    Step& step = openStep();
    const QList<Held> held = std::exchange(step.held, {});
    step.where.clear();
    const auto focus = std::exchange(step.focus, std::nullopt);
    const QList<Announcement> messages = std::exchange(step.announcements, {});
    step.flushing = true;
    for (const Held& h : held)
        sendHeld(h);
    if (focus)
        if (QAccessibleInterface* iface = QAccessible::accessibleInterface(*focus))
            send(QAccessibleEvent(iface, QAccessible::Focus));
    for (const Announcement& a : messages)
        if (a.source)
            announce(a.source, a.message);
    step.flushing = false;
}

Kind kindOf(QAccessible::Event type) {
    switch (type) {
    case QAccessible::NameChanged:
        return Kind::Name;
    case QAccessible::DescriptionChanged:
        return Kind::Description;
    case QAccessible::ValueChanged:
        return Kind::Value;
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
        return Kind::Text;
    case QAccessible::TextCaretMoved:
        return Kind::Caret;
    case QAccessible::ObjectShow:
    case QAccessible::ObjectHide:
        return Kind::Visibility;
    case QAccessible::StateChanged:
        return Kind::State;
    case QAccessible::SelectionAdd:
    case QAccessible::SelectionRemove:
    case QAccessible::Selection:
    case QAccessible::SelectionWithin:
        return Kind::Selection;
    case QAccessible::ObjectReorder:
        return Kind::Reorder;
    case QAccessible::TableModelChanged:
        return Kind::Table;
    default:
        return Kind::Other;
    }
}

void holdEvent(QAccessibleEvent* event) {
    Step& step = openStep();
    // A dialog opened within the step runs an event loop of its own: what it
    // and the window have told so far goes out now.
    if (QApplication::activeModalWidget()) {
        QAccessible::installUpdateHandler(step.previous);
        flush();
        QAccessible::updateAccessibility(event);
        QAccessible::installUpdateHandler(holdEvent);
        return;
    }
    const QAccessible::Event type = event->type();
    QAccessibleInterface* iface =
        type == QAccessible::ObjectDestroyed ? nullptr : event->accessibleInterface();
    // The focus is told once, where it ends.
    if (type == QAccessible::Focus && iface) {
        step.focus = QAccessible::uniqueId(iface);
        return;
    }
    const Kind kind = kindOf(type);
    // Objects made and destroyed are told at once (a reader must not ask a
    // destroyed one), and so are text without a text interface and the rare
    // kinds of event that carry more than their object.
    if (!iface || type == QAccessible::ObjectCreated || kind == Kind::Other ||
        (kind == Kind::Text && !iface->textInterface())) {
        // (TableModelChanged is never passed on twice: Qt updated the
        // table's interface before this handler ran.)
        if (type != QAccessible::TableModelChanged)
            forward(event);
        return;
    }
    const QAccessible::Id id = QAccessible::uniqueId(iface);
    const int key = kind == Kind::Selection ? 100 + int(type) : int(kind);
    auto found = step.where.constFind({id, key});
    if (found == step.where.cend()) {
        Held h;
        h.id = id;
        h.kind = kind;
        h.type = type;
        if (kind == Kind::Text)
            h.textBefore = textBefore(event, wholeText(iface));
        if (kind == Kind::Visibility)
            h.visibleBefore = type == QAccessible::ObjectHide;
        found = step.where.insert({id, key}, step.held.size());
        step.held.append(h);
    }
    if (kind == Kind::State) {
        Held& h = step.held[*found];
        // The states this event changed were the other way before it, unless
        // an earlier event of the step already changed them.
        const quint64 changed =
            bitsOf(static_cast<QAccessibleStateChangeEvent*>(event)->changedStates());
        const quint64 fresh = changed & ~h.statesChanged;
        h.statesBefore = (h.statesBefore & ~fresh) | ((bitsOf(iface->state()) ^ fresh) & fresh);
        h.statesChanged |= changed;
    }
}

} // namespace

AccessibleStep::AccessibleStep() {
    Step& step = openStep();
    if (step.depth++ == 0)
        step.previous = QAccessible::installUpdateHandler(holdEvent);
}

AccessibleStep::~AccessibleStep() {
    Step& step = openStep();
    if (--step.depth > 0)
        return;
    QAccessible::installUpdateHandler(step.previous);
    flush();
}

bool AccessibleStep::isOpen() {
    return openStep().depth > 0 && !openStep().flushing;
}

void AccessibleStep::holdAnnouncement(QObject* source, const QString& message) {
    QObject* window = source;
    if (source->isWidgetType())
        window = static_cast<QWidget*>(source)->window();
    QList<Announcement>& messages = openStep().announcements;
    messages.removeIf([window](const Announcement& a) { return a.window == window; });
    messages.append({source, window, message});
}

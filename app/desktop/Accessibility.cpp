#include "app/desktop/Accessibility.h"

#include "app/desktop/AccessibleSteps.h"
#include "app/desktop/PlainTableView.h"
#include "controls/Cgauges.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QScrollBar>
#include <QTimer>

namespace {

const char* const CaptionProperty = "vantorCaption";

QString scrollBarName(const QScrollBar* bar) {
    return bar->orientation() == Qt::Vertical ? QStringLiteral("Vertical scroll bar")
                                              : QStringLiteral("Horizontal scroll bar");
}

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// The object of a window that shows a message to a screen reader: it has no
// size, so it paints nothing and takes no clicks, and no focus.
const QLatin1String AnnouncerName("VantorAnnouncer");

class Announcer final : public QAccessibleWidget {
public:
    explicit Announcer(QWidget* w) : QAccessibleWidget(w, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return QStringLiteral("Announcements");
        return QAccessibleWidget::text(t);
    }
};

QWidget* announcerOf(QWidget* window) {
    for (QObject* child : window->children())
        if (child->isWidgetType() && child->objectName() == AnnouncerName)
            return static_cast<QWidget*>(child);
    auto* announcer = new QWidget(window);
    announcer->setObjectName(AnnouncerName);
    announcer->setGeometry(0, 0, 0, 0);
    announcer->setFocusPolicy(Qt::NoFocus);
    announcer->hide();
    return announcer;
}
#endif

class CaptionedValue final : public QAccessibleWidget {
public:
    explicit CaptionedValue(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        const auto* label = static_cast<const QLabel*>(object());
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        if (!label->accessibleName().isEmpty())
            return label->accessibleName();
        // A label that names its buddy shows its mnemonic underlined, and a
        // reader says no ampersand.
        const QString text = label->buddy() ? withoutMnemonic(label->text()) : label->text();
        const QVariant caption = label->property(CaptionProperty);
        if (caption.isValid())
            return caption.toString() + QLatin1Char(' ') + text;
        return text;
    }

private:
    static QString withoutMnemonic(const QString& text) {
        QString plain;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == u'&' && i + 1 < text.size())
                ++i; // "&&" is one ampersand shown
            plain += text[i];
        }
        return plain;
    }
};

// The parts of a scroll area Qt exposes besides its text: the viewport under
// the area's own name, and each scroll bar and its holder named after its
// direction, as readers name nothing they are not given a name for.
class ScrollPart final : public QAccessibleWidget {
public:
    explicit ScrollPart(QWidget* w) : QAccessibleWidget(w, QAccessible::Pane) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        if (auto* area = qobject_cast<QAbstractScrollArea*>(widget()->parentWidget());
            area && area->viewport() == widget())
            return area->accessibleName();
        const auto* bar = widget()->findChild<QScrollBar*>();
        return bar ? scrollBarName(bar) : QString();
    }
};

class ScrollBar final : public AccessibleValueWidget {
public:
    explicit ScrollBar(QScrollBar* bar) : AccessibleValueWidget(bar, QAccessible::ScrollBar) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return scrollBarName(bar());
        if (t == QAccessible::Value)
            return QString::number(bar()->value());
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return bar()->value(); }
    void setCurrentValue(const QVariant& value) override { bar()->setValue(value.toInt()); }
    QVariant maximumValue() const override { return bar()->maximum(); }
    QVariant minimumValue() const override { return bar()->minimum(); }
    QVariant minimumStepSize() const override { return bar()->singleStep(); }

private:
    QScrollBar* bar() const { return static_cast<QScrollBar*>(widget()); }
};

// A drop-down named by its accessible name, its value the text it shows
// (typed text included), and an action that opens its list. One that cannot
// be typed in also shows its item as read-only text (its typed-in kin have a
// field that does).
class Selector final : public QAccessibleWidget, public ReadOnlyAccessibleText {
public:
    explicit Selector(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {
        // Its text read again whenever its item changes (connected once,
        // should Qt ever make the interface anew).
        if (!combo->isEditable() && !combo->property("vantorTellsText").toBool()) {
            combo->setProperty("vantorTellsText", true);
            QObject::connect(combo, &QComboBox::currentTextChanged, combo,
                             [combo, told = combo->currentText()](const QString& now) mutable {
                                 tellTextChanged(combo, told, now);
                                 told = now;
                             });
        }
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface && !combo()->isEditable())
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString readText() const override { return combo()->currentText(); }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return combo()->accessibleName().isEmpty() ? combo()->currentText()
                                                       : combo()->accessibleName();
        case QAccessible::Value:
            return combo()->currentText();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = combo()->isEditable();
        s.expandable = true;
        return s;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction())
            combo()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
};

// A gauge as a progress bar: its value is the percentage it writes, as text
// ("84%") and as a number from 0 to 100 that cannot be set.
class Gauge final : public AccessibleValueWidget {
public:
    explicit Gauge(TCGauge* gauge) : AccessibleValueWidget(gauge, QAccessible::ProgressBar) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return QString::number(gauge()->GetPercentDone()) + QLatin1Char('%');
        return QAccessibleWidget::text(t);
    }

    // The gauge shows a figure of the loadout: it offers no action of its own,
    // and a value set from outside changes nothing.
    QStringList actionNames() const override { return {}; }
    QVariant currentValue() const override { return gauge()->GetPercentDone(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 0; }

private:
    TCGauge* gauge() const { return static_cast<TCGauge*>(widget()); }
};

// The interfaces other layers add for widget types of their own.
QHash<const QMetaObject*, AccessibleMaker>& addedInterfaces() {
    static QHash<const QMetaObject*, AccessibleMaker> added;
    return added;
}

// The parts of a scroll area (its viewport, and the holder of each scroll
// bar) are plain widgets whose parent is the area.
bool isScrollPart(const QWidget* widget) {
    const auto* area = qobject_cast<const QAbstractScrollArea*>(widget->parentWidget());
    return area && widget->metaObject() == &QWidget::staticMetaObject &&
           (area->viewport() == widget || widget->findChild<QScrollBar*>());
}

// The one factory of the program's interfaces, chosen by the object's own
// type (not a subclass's): every label gets the captioned interface (a label
// is asked for one as soon as it has a text, before its caption can be
// attached), every drop-down, gauge and table without row headers its own.
// Factories installed later are asked first, so these take the place of Qt's.
QAccessibleInterface* vantorFactory(const QString&, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    const QMetaObject* type = object->metaObject();
    if (const auto added = addedInterfaces().constFind(type); added != addedInterfaces().cend())
        return (*added)(widget);
    if (type == &QLabel::staticMetaObject)
        return new CaptionedValue(static_cast<QLabel*>(object));
    // The loadout's selectors are a QComboBox of the program's own class.
    if (auto* combo = qobject_cast<QComboBox*>(object))
        return new Selector(combo);
    if (type == &TCGauge::staticMetaObject)
        return new Gauge(static_cast<TCGauge*>(object));
    if (type == &PlainTableView::staticMetaObject)
        return plainTableAccessible(static_cast<PlainTableView*>(object));
    if (type == &QScrollBar::staticMetaObject && object->objectName().isEmpty())
        return new ScrollBar(static_cast<QScrollBar*>(object));
    if (isScrollPart(widget))
        return new ScrollPart(widget);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (type == &QWidget::staticMetaObject && object->objectName() == AnnouncerName)
        return new Announcer(widget);
#endif
    // The window's panels are plain frames, which Qt reports as a frame: a
    // window, to a reader.
    if (type == &QFrame::staticMetaObject)
        return new QAccessibleWidget(widget, QAccessible::Pane);
    // The program's windows (the main window and the tool windows) derive
    // from a plain widget, which Qt would report as a mere client area
    // ("filler").
    if (widget->isWindow() &&
        (widget->windowType() == Qt::Window || widget->windowType() == Qt::Tool))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

std::function<void(QObject*, const QString&)>& announcementListener() {
    static std::function<void(QObject*, const QString&)> listener;
    return listener;
}

} // namespace

void announce(QObject* source, const QString& message) {
    // Within a user's action, the message waits for the action's end.
    if (AccessibleStep::isOpen()) {
        AccessibleStep::holdAnnouncement(source, message);
        return;
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Polite: the reader first finishes what the pick itself made it say.
    QAccessibleAnnouncementEvent event(source, message);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&event);
#else
    if (source->isWidgetType()) {
        QWidget* announcer = announcerOf(static_cast<QWidget*>(source)->window());
        // Shown anew for every message: the reader speaks on its appearing.
        announcer->hide();
        announcer->setAccessibleName(message);
        announcer->show();
    }
#endif
    if (announcementListener())
        announcementListener()(source, message);
}

// A tooltip would vanish at the release of the key that made the copy: the
// confirmation is a tip of its own, one per window, that only its timer hides.
void confirmBriefly(QWidget* near, const QString& message) {
    QWidget* window = near->window();
    auto* tip =
        window->findChild<QLabel*>(QLatin1String(ConfirmationTipName), Qt::FindDirectChildrenOnly);
    if (!tip) {
        tip = new QLabel(window, Qt::ToolTip);
        tip->setObjectName(QLatin1String(ConfirmationTipName));
        tip->setTextFormat(Qt::PlainText);
        tip->setAttribute(Qt::WA_ShowWithoutActivating);
        tip->setForegroundRole(QPalette::ToolTipText);
        tip->setBackgroundRole(QPalette::ToolTipBase);
        tip->setAutoFillBackground(true);
        tip->setFrameStyle(QFrame::Box | QFrame::Plain);
        tip->setMargin(6);
        auto* timer = new QTimer(tip);
        timer->setSingleShot(true);
        QObject::connect(timer, &QTimer::timeout, tip, &QWidget::hide);
    }
    tip->setText(message);
    tip->adjustSize();
    const QRect over = near->rect();
    tip->move(near->mapToGlobal(over.center()) - tip->rect().center());
    tip->show();
    tip->findChild<QTimer*>()->start(ConfirmationMilliseconds);
    announce(near, message);
}

void listenToAnnouncements(std::function<void(QObject*, const QString&)> listener) {
    announcementListener() = std::move(listener);
}

void announceWithCaption(QLabel* value, const QString& caption) {
    value->setProperty(CaptionProperty, caption);
}

void addAccessibleInterface(const QMetaObject& type, AccessibleMaker make) {
    addedInterfaces().insert(&type, std::move(make));
}

void installVantorAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(vantorFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void* AccessibleValueWidget::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

void ReadOnlyAccessibleText::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
}

QString ReadOnlyAccessibleText::text(int startOffset, int endOffset) const {
    const QString whole = readText();
    if (endOffset < 0 || endOffset > whole.size())
        endOffset = int(whole.size());
    startOffset = qBound(0, startOffset, endOffset);
    return whole.mid(startOffset, endOffset - startOffset);
}

QString ReadOnlyAccessibleText::attributes(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void tellTextChanged(QObject* object, const QString& before, const QString& after) {
    if (before == after)
        return;
    QAccessibleTextUpdateEvent event(object, 0, before, after);
    QAccessible::updateAccessibility(&event);
}

#pragma once

// What a screen reader hears. Qt's own interfaces name a drop-down after its
// current text on Linux and give the gauges neither name nor value; these
// announce a selector as "Main Weapon 1, Unarmed, combo box", a gauge as
// "Speed, 84 percent, progress bar", and a value label together with the
// caption beside it ("Total Load: 14"), not as a bare number.

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

#include <functional>

class QLabel;
class QString;
class QWidget;

// Gives `value` the caption a screen reader reads before its text.
void announceWithCaption(QLabel* value, const QString& caption);

// Has a screen reader speak `message` about `source` at once, wherever its
// focus is. Qt 6.8 sends it as an announcement (AT-SPI object:announcement).
// Before 6.8, Qt's Linux bridge drops both announcements and Alert events and
// sends a label's change of text only as a name change, which readers speak
// only for the focused object; so the message is shown instead by a
// notification object of `source`'s window, which a reader speaks when it
// appears (AT-SPI object:state-changed:showing of a notification).
void announce(QObject* source, const QString& message);

// Confirms a copy (or any other action that shows nothing of its own) with
// `message` for a moment, in a tip over the middle of `near` that goes by
// itself, and to a screen reader through announce(). The main window's
// layout stays as it is: the tip is a window of its own.
void confirmBriefly(QWidget* near, const QString& message);
// How long the tip of confirmBriefly() shows, and its object name.
inline constexpr int ConfirmationMilliseconds = 2500;
inline constexpr char ConfirmationTipName[] = "ConfirmationTip";

// Hears every message announce() sends, besides the screen reader (Qt passes
// events on only while a screen reader listens, so tests listen here).
void listenToAnnouncements(std::function<void(QObject*, const QString&)> listener);

// Registers the accessible interfaces of the selectors, gauges, labels and
// tables; safe to call repeatedly.
void installVantorAccessibility();

// What a screen reader is told of widgets of one type that a higher layer
// defines (the comparison's range chart): `make` gives the interface of a
// widget whose own type is `type`, in the program's one factory.
using AccessibleMaker = std::function<QAccessibleInterface*(QWidget*)>;
void addAccessibleInterface(const QMetaObject& type, AccessibleMaker make);

// A widget a screen reader reads as a value (a slider, a scroll bar, a
// gauge): the value interface beside the widget's own.
class AccessibleValueWidget : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    using QAccessibleWidget::QAccessibleWidget;
    void* interface_cast(QAccessible::InterfaceType t) override;
};

// A text a widget shows but cannot be edited, read through the text interface:
// Qt 6.4's Linux bridge carries a value only as a number, so a drop-down's
// current item, or the range chart's distance and what reaches it, would
// reach no reader. A widget's interface derives from it and returns it from
// interface_cast(QAccessible::TextInterface).
class ReadOnlyAccessibleText : public QAccessibleTextInterface {
public:
    virtual QString readText() const = 0;

    void selection(int, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override { return int(readText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;
};

// Tells a screen reader that `object`'s read-only text went from `before` to
// what it is now (`after`): the reader speaks it where its focus is.
void tellTextChanged(QObject* object, const QString& before, const QString& after);

#pragma once

// What a screen reader hears. Qt's own interfaces name a drop-down after its
// current text on Linux and give the gauges neither name nor value; these
// announce a selector as "Main Weapon 1, Unarmed, combo box", a gauge as
// "Speed, 84 percent, progress bar", and a value label together with the
// caption beside it ("Total Load: 14"), not as a bare number.

#include <QAccessible>

#include <functional>

class QLabel;
class QString;

// Gives `value` the caption a screen reader reads before its text.
void announceWithCaption(QLabel* value, const QString& caption);

// Tells a screen reader of an event of `object` at once: an Alert is spoken
// wherever the reader's focus is.
void announce(QObject* object, QAccessible::Event type);

// Hears every event announce() sends, besides the screen reader (Qt passes
// events on only while a screen reader listens, so tests listen here).
void listenToAnnouncements(std::function<void(QObject*, QAccessible::Event)> listener);

// Registers the accessible interfaces of the selectors, gauges and labels;
// safe to call repeatedly.
void installVantorAccessibility();

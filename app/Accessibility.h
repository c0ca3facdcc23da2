#pragma once

// What a screen reader hears. Qt's own interfaces name a drop-down after its
// current text on Linux and give the gauges neither name nor value; these
// announce a selector as "Main Weapon 1, Unarmed, combo box", a gauge as
// "Speed, 84 percent, progress bar", and a value label together with the
// caption beside it ("Total Load: 14"), not as a bare number.

class QLabel;
class QString;

// Gives `value` the caption a screen reader reads before its text.
void announceWithCaption(QLabel* value, const QString& caption);

// Registers the accessible interfaces of the selectors, gauges and labels;
// safe to call repeatedly.
void installVantorAccessibility();

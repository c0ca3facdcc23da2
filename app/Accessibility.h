#pragma once

// Screen readers announce a value label together with the caption beside it
// ("Total Load: 14"), not as a bare number.

class QLabel;
class QString;

// Gives `value` the caption a screen reader reads before its text.
void announceWithCaption(QLabel* value, const QString& caption);

// Registers the accessible interface that does so; safe to call repeatedly.
void installCaptionedValueAccessibility();

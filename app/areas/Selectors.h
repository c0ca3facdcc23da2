#pragma once

// Editable drop-down lists: what counts as their selected item.

class QComboBox;
class QString;

// The index of the item the selector shows, or -1 when it shows a text that
// is no item's (typed by the user, or set by the program, such as "Fuel").
// Qt keeps the old current index under typed text, so compare the texts.
int selectedItem(const QComboBox* selector);

// Typed text that equals an item's text exactly is a pick of that item.
// Returns the index now selected, or -1.
int resolveTypedText(QComboBox* selector);

// Shows a text that is no item, leaving the selector with no selected item.
void showNoItemText(QComboBox* selector, const QString& text);

// Selects an item from the program; runs no handler.
void selectItem(QComboBox* selector, int index);

#pragma once

// Editable drop-down lists: what counts as their selected item, and how
// typed text becomes a pick.

#include <functional>

class HandlerGuard;
class QComboBox;
class QObject;
class QString;

// The index of the item the selector shows, or -1 when it shows a text that
// is no item's (typed by the user, or set by the program, such as "Fuel").
// Qt keeps the old current index under typed text, so compare the texts.
int selectedItem(const QComboBox* selector);

// Typed text that equals an item's text exactly is a pick of that item.
// Returns the index now selected, or -1.
int resolveTypedText(QComboBox* selector);

// Enter after typed text that is no item: the item whose name it is in
// another case, or else the one item whose name it starts in any case, is
// picked. A text that starts two or more names, or none, changes nothing.
// Returns the index now selected, or -1.
int resolveTypedStart(QComboBox* selector);

// Runs `announce` inside `guard` on each pick in `selector`: a choice from
// its list, typed text that is an item's name, and Enter after the start of
// one item's name. Each pick runs the same handler.
void connectSelectorPicks(QComboBox* selector, HandlerGuard& guard, QObject* context,
                          const std::function<void()>& announce);

// Shows a text that is no item, leaving the selector with no selected item.
void showNoItemText(QComboBox* selector, const QString& text);

// Selects an item from the program; runs no handler.
void selectItem(QComboBox* selector, int index);

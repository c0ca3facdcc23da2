#include "app/areas/Selectors.h"

#include "app/desktop/HandlerGuard.h"

#include <QComboBox>
#include <QLineEdit>

int selectedItem(const QComboBox* selector) {
    const int index = selector->currentIndex();
    if (index >= 0 && selector->itemText(index) == selector->currentText())
        return index;
    return -1;
}

int resolveTypedText(QComboBox* selector) {
    const int found =
        selector->findText(selector->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (found >= 0 && found != selector->currentIndex())
        selector->setCurrentIndex(found);
    return found;
}

int resolveTypedStart(QComboBox* selector) {
    const QLineEdit* field = selector->lineEdit();
    // Only what the user typed: a text of the program's ("Fuel") is no start.
    if (!field || !field->isModified() || selectedItem(selector) >= 0)
        return -1;
    const QString typed = field->text();
    if (typed.isEmpty())
        return -1;
    const auto onlyItem = [selector](const auto& matches) {
        int found = -1;
        for (int item = 0; item < selector->count(); ++item)
            if (matches(selector->itemText(item))) {
                if (found >= 0)
                    return -2; // two or more
                found = item;
            }
        return found;
    };
    int found = onlyItem(
        [&typed](const QString& name) { return name.compare(typed, Qt::CaseInsensitive) == 0; });
    if (found == -1)
        found = onlyItem(
            [&typed](const QString& name) { return name.startsWith(typed, Qt::CaseInsensitive); });
    if (found < 0)
        return -1;
    selectItem(selector, found);
    return found;
}

void connectSelectorPicks(QComboBox* selector, HandlerGuard& guard, QObject* context,
                          const std::function<void()>& announce) {
    guard.connect(selector, &QComboBox::activated, context, announce);
    guard.connect(selector->lineEdit(), &QLineEdit::textEdited, context, [selector, announce] {
        resolveTypedText(selector);
        announce();
    });
    guard.connect(selector->lineEdit(), &QLineEdit::returnPressed, context, [selector, announce] {
        if (resolveTypedStart(selector) >= 0)
            announce();
    });
}

void showNoItemText(QComboBox* selector, const QString& text) {
    // An index of -1 clears the text, so it has to come first.
    selector->setCurrentIndex(-1);
    selector->setEditText(text);
}

void selectItem(QComboBox* selector, int index) {
    selector->setCurrentIndex(index);
    // Qt leaves typed text in place when the index does not change.
    if (index >= 0 && selector->isEditable())
        selector->setEditText(selector->itemText(index));
}

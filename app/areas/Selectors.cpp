#include "app/areas/Selectors.h"

#include <QComboBox>

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

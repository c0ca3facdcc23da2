#include "app/areas/SelectorBox.h"

#include <QAbstractItemView>

SelectorBox::SelectorBox(QWidget* parent) : QComboBox(parent) {}

PreviewItemModel* SelectorBox::previewModel() const {
    return qobject_cast<PreviewItemModel*>(model());
}

void SelectorBox::keepPreviews(PreviewItemModel::FiguresOf figures) {
    auto* previews = new PreviewItemModel(this, std::move(figures));
    // The items move over with their tips; the shown text stays as it was.
    const int current = currentIndex();
    const QString text = currentText();
    for (int item = 0; item < count(); ++item) {
        auto* row = new QStandardItem(itemText(item));
        row->setData(itemData(item, Qt::ToolTipRole), Qt::ToolTipRole);
        previews->appendRow(row);
    }
    setModel(previews);
    setCurrentIndex(current);
    if (isEditable() && currentText() != text)
        setEditText(text);
}

void SelectorBox::setItemPreview(int item, const PreviewItemModel::Preview& preview) {
    if (PreviewItemModel* previews = previewModel())
        previews->setPreview(item, preview);
}

void SelectorBox::showPopup() {
    QComboBox::showPopup();
    // Qt opens no list for a selector without items; asking for its view
    // then would build one.
    if (count() == 0 || !previewModel())
        return;
    listBuilt = true;
    QAbstractItemView* list = view();
    if (!list->isVisible())
        return;
    if (!dynamic_cast<PreviewDelegate*>(list->itemDelegate()))
        list->setItemDelegate(new PreviewDelegate(list->itemDelegate(), list));
    emit listOpened();
    fitList();
}

void SelectorBox::hidePopup() {
    QComboBox::hidePopup();
    if (PreviewItemModel* previews = previewModel())
        previews->clearPreviews();
}

bool SelectorBox::listOpen() const {
    // Asking for the view of a list never opened would build it. Whether it
    // is open is read off the list, as Qt can close a popup without calling
    // hidePopup().
    return listBuilt && view()->isVisible();
}

void SelectorBox::fitList() {
    if (!listOpen())
        return;
    QAbstractItemView* list = view();
    QWidget* frame = list->window();
    list->doItemsLayout();
    list->viewport()->update();
    // The frame, margins and scroll bar around the items stay as they are.
    const int wanted = list->sizeHintForColumn(0) + frame->width() - list->viewport()->width();
    if (wanted > frame->width())
        frame->resize(wanted, frame->height());
}

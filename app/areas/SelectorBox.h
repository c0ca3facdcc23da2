#pragma once

// A loadout selector: a drop-down whose list, while open, shows beside each
// item what picking it would do. Opening the list asks for the previews,
// closing it forgets them; the list itself is still built when first opened.

#include "app/areas/PreviewDelegate.h"

#include <QComboBox>

class SelectorBox : public QComboBox {
    Q_OBJECT

public:
    explicit SelectorBox(QWidget* parent);

    // Gives the selector a PreviewItemModel, keeping its items, tips, current
    // item and text. `figures`, when given, writes each item's own tip.
    void keepPreviews(PreviewItemModel::FiguresOf figures = {});
    // Sets the preview of item `item`; an empty change clears it.
    void setItemPreview(int item, const PreviewItemModel::Preview& preview);
    // Whether the list is open.
    bool listOpen() const;
    // Lays the open list out again with its previews, widened so that every
    // item's text and preview fit.
    void fitList();

    void showPopup() override;
    void hidePopup() override;

signals:
    // The list has opened: its items want their previews.
    void listOpened();

private:
    PreviewItemModel* previewModel() const;

    bool listBuilt = false; // Qt builds the list when it first opens
};

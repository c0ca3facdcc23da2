#pragma once

// What an item of a loadout selector would do if picked, shown while the
// selector's list is open: beside the item's text the change of the total
// load and the status it would give, drawn in the status's colour and named
// in words; in the item's tooltip and accessible description the item's own
// figures followed by the preview. The previews are derived while the list is
// open, never part of what the selector holds: its own tips stay apart.

#include <QAbstractItemDelegate>
#include <QColor>
#include <QPointer>
#include <QStandardItemModel>

#include <functional>
#include <vector>

// The roles a selector's items carry besides Qt's own.
enum PreviewRole : int {
    PreviewChangeRole = Qt::UserRole + 40, // "+5", drawn beside the text
    PreviewStatusRole,                     // "STD OVER", drawn after it when the status changes
    PreviewStatusColourRole,               // the status's colour
    PreviewTextRole,                       // "If picked: ..." lines
    OwnTipRole,                            // the item's own tip, without a preview
};

// A selector's items. Qt::ToolTipRole and Qt::AccessibleDescriptionRole read
// the item's own tip followed by its preview; OwnTipRole reads the tip alone.
// The previews are kept beside the items, not in them: setting an item's data
// would make the selector write the current item's text over its field.
class PreviewItemModel : public QStandardItemModel {
    Q_OBJECT

public:
    using FiguresOf = std::function<QString(int row)>;
    // `figures`, when given, writes each item's own tip on demand (the VT
    // list describes every VT without keeping 31 texts).
    explicit PreviewItemModel(QObject* parent, FiguresOf figures = {});

    QVariant data(const QModelIndex& index, int role) const override;

    struct Preview {
        QString change;
        QString status;
        QColor statusColour;
        QString text;
    };
    // Sets the preview of row `row`, telling no view: the list is laid out
    // and painted again once all are set.
    void setPreview(int row, Preview preview);
    // Forgets every item's preview.
    void clearPreviews();

private:
    FiguresOf figures;
    std::vector<Preview> previews; // by row; empty while the list is closed
};

// Draws an item as the selector's own delegate does, then its preview at the
// item's right-hand end.
class PreviewDelegate : public QAbstractItemDelegate {
public:
    PreviewDelegate(QAbstractItemDelegate* inner, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The width the preview of `index` takes beside the text, 0 for none.
    static int previewWidth(const QFontMetrics& metrics, const QModelIndex& index);

private:
    QPointer<QAbstractItemDelegate> inner;
};

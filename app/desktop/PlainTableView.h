#pragma once

// A table whose rows have no headers, on screen or for a screen reader. Qt's
// own table interface counts the row headers and a corner cell among a table's
// children even while the rows' header is hidden, so a reader would meet a
// nameless corner and a number before every row. This view hides that header
// and, with the interface installVantorAccessibility() gives it, presents
// only the column headers and the cells; the focus and selection it reports
// name the cells as that interface counts them.

#include <QAccessible>
#include <QTableView>

class PlainTableView : public QTableView {
    Q_OBJECT

public:
    explicit PlainTableView(QWidget* parent = nullptr);

    // The place among its accessible children of the cell at `index` of
    // `view`'s model: the column headers come first, if shown, then the
    // cells row by row.
    static int accessibleChildIndex(const QTableView* view, const QModelIndex& index);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;

private:
    void tellScreenReader(QAccessible::Event event, const QModelIndex& index);
};

// The accessible interface of a PlainTableView.
QAccessibleInterface* plainTableAccessible(PlainTableView* view);

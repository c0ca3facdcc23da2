#include "app/desktop/PlainTableView.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QHeaderView>
#include <QPointer>

#include <utility>

namespace {

// Row −1 is the row of column headers.
constexpr int HeaderRow = -1;

int headerRows(const QTableView* view) {
    return view->horizontalHeader()->isHidden() ? 0 : 1;
}

int childIndex(const QTableView* view, int row, int column) {
    return (row + headerRows(view)) * view->model()->columnCount() + column;
}

// A column header or a cell: what a screen reader reads of it comes from the
// model at its place, so a change of the data needs no new object.
class TablePart : public QAccessibleInterface {
public:
    TablePart(QTableView* view, int row, int column) : view(view), row(row), column(column) {}

    bool isValid() const override {
        if (!view || !view->model() || column < 0 || column >= view->model()->columnCount())
            return false;
        return row == HeaderRow ? headerRows(view) == 1
                                : row >= 0 && row < view->model()->rowCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent() ? parent()->window() : nullptr; }
    QAccessibleInterface* parent() const override {
        return view ? QAccessible::queryAccessibleInterface(view.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

    const QPointer<QTableView> view;
    const int row;
    const int column;
};

class ColumnHeader final : public TablePart {
public:
    ColumnHeader(QTableView* view, int column) : TablePart(view, HeaderRow, column) {}

    QAccessible::Role role() const override { return QAccessible::ColumnHeader; }

    // The caption, and what the model tells of the column (its sort order).
    QString text(QAccessible::Text t) const override {
        if (!isValid())
            return {};
        const QAbstractItemModel* model = view->model();
        if (t == QAccessible::Name) {
            const QString name =
                model->headerData(column, Qt::Horizontal, Qt::AccessibleTextRole).toString();
            return name.isEmpty() ? model->headerData(column, Qt::Horizontal).toString() : name;
        }
        if (t == QAccessible::Description)
            return model->headerData(column, Qt::Horizontal, Qt::AccessibleDescriptionRole)
                .toString();
        return {};
    }

    QRect rect() const override {
        if (!isValid())
            return {};
        const QHeaderView* header = view->horizontalHeader();
        const QPoint origin =
            header->viewport()->mapToGlobal(QPoint(header->sectionViewportPosition(column), 0));
        return {origin, QSize(header->sectionSize(column), header->viewport()->height())};
    }

    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible =
            !isValid() || !view->isVisible() || view->horizontalHeader()->isSectionHidden(column);
        return s;
    }
};

class Cell final : public TablePart,
                   public QAccessibleTableCellInterface,
                   public QAccessibleActionInterface {
public:
    Cell(QTableView* view, int row, int column) : TablePart(view, row, column) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (t == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    QAccessible::Role role() const override { return QAccessible::Cell; }

    QString text(QAccessible::Text t) const override {
        if (!isValid())
            return {};
        if (t == QAccessible::Name) {
            const QString name = index().data(Qt::AccessibleTextRole).toString();
            return name.isEmpty() ? index().data().toString() : name;
        }
        if (t == QAccessible::Description)
            return index().data(Qt::AccessibleDescriptionRole).toString();
        return {};
    }

    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect shown = view->visualRect(index());
        return {view->viewport()->mapToGlobal(shown.topLeft()), shown.size()};
    }

    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const QModelIndex cell = index();
        s.invisible =
            !view->isVisible() || !view->viewport()->rect().intersects(view->visualRect(cell));
        s.selected = isSelected();
        s.focused = view->hasFocus() && view->currentIndex() == cell;
        if (cell.flags().testFlag(Qt::ItemIsSelectable)) {
            s.selectable = true;
            s.focusable = true;
            s.multiSelectable = view->selectionMode() == QAbstractItemView::MultiSelection;
            s.extSelectable = view->selectionMode() == QAbstractItemView::ExtendedSelection;
        }
        s.editable = cell.flags().testFlag(Qt::ItemIsEditable);
        return s;
    }

    bool isSelected() const override {
        return isValid() && view->selectionModel()->isSelected(index());
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        QAccessibleInterface* header = view && headerRows(view) == 1 && parent()
                                           ? parent()->child(childIndex(view, HeaderRow, column))
                                           : nullptr;
        return header ? QList<QAccessibleInterface*>{header} : QList<QAccessibleInterface*>{};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column; }
    int rowIndex() const override { return row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    // Selecting the cell selects as a click does (its row, in a table that
    // selects rows).
    QStringList actionNames() const override { return {toggleAction()}; }
    void doAction(const QString& action) override {
        if (action != toggleAction() || !isValid() ||
            view->selectionMode() == QAbstractItemView::NoSelection)
            return;
        QItemSelectionModel::SelectionFlags how =
            isSelected() ? QItemSelectionModel::Deselect
            : view->selectionMode() == QAbstractItemView::SingleSelection
                ? QItemSelectionModel::ClearAndSelect
                : QItemSelectionModel::Select;
        if (view->selectionBehavior() == QAbstractItemView::SelectRows)
            how |= QItemSelectionModel::Rows;
        if (view->selectionBehavior() == QAbstractItemView::SelectColumns)
            how |= QItemSelectionModel::Columns;
        view->selectionModel()->select(index(), how);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QModelIndex index() const { return view->model()->index(row, column, view->rootIndex()); }
};

class Table final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit Table(QTableView* view) : QAccessibleWidget(view, QAccessible::Table) {}
    ~Table() override { forgetParts(); }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    int childCount() const override {
        return model() ? (rowCount() + headerRows(view())) * columnCount() : 0;
    }

    QAccessibleInterface* child(int i) const override {
        if (i < 0 || i >= childCount())
            return nullptr;
        return part(i / columnCount() - headerRows(view()), i % columnCount());
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* p = dynamic_cast<const TablePart*>(child);
        return p && p->view == view() && p->isValid() ? childIndex(view(), p->row, p->column) : -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = view()->viewport()->mapFromGlobal(QPoint(x, y));
        const QModelIndex index = view()->indexAt(at);
        if (index.isValid() && view()->viewport()->rect().contains(at))
            return cellAt(index.row(), index.column());
        const QHeaderView* header = view()->horizontalHeader();
        const QPoint onHeader = header->viewport()->mapFromGlobal(QPoint(x, y));
        if (!header->isHidden() && header->viewport()->rect().contains(onHeader)) {
            const int column = header->logicalIndexAt(onHeader);
            return column >= 0 ? part(HeaderRow, column) : nullptr;
        }
        return nullptr;
    }

    QAccessibleInterface* focusChild() const override {
        const QModelIndex current = view()->currentIndex();
        return view()->hasFocus() && current.isValid() ? cellAt(current.row(), current.column())
                                                       : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        return row >= 0 && row < rowCount() && column >= 0 && column < columnCount()
                   ? part(row, column)
                   : nullptr;
    }
    QString columnDescription(int column) const override {
        return model() ? model()->headerData(column, Qt::Horizontal).toString() : QString();
    }
    QString rowDescription(int) const override { return {}; }
    int columnCount() const override { return model() ? model()->columnCount() : 0; }
    int rowCount() const override { return model() ? model()->rowCount() : 0; }

    int selectedCellCount() const override { return int(selection()->selectedIndexes().size()); }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> cells;
        for (const QModelIndex& index : selection()->selectedIndexes())
            cells << cellAt(index.row(), index.column());
        return cells;
    }
    int selectedColumnCount() const override { return int(selectedColumns().size()); }
    int selectedRowCount() const override { return int(selectedRows().size()); }
    QList<int> selectedColumns() const override {
        QList<int> columns;
        for (const QModelIndex& index : selection()->selectedColumns())
            columns << index.column();
        return columns;
    }
    QList<int> selectedRows() const override {
        QList<int> rows;
        for (const QModelIndex& index : selection()->selectedRows())
            rows << index.row();
        return rows;
    }
    bool isColumnSelected(int column) const override {
        return selection()->isColumnSelected(column, view()->rootIndex());
    }
    bool isRowSelected(int row) const override {
        return selection()->isRowSelected(row, view()->rootIndex());
    }
    bool selectRow(int row) override { return select(row, 0, QItemSelectionModel::Rows); }
    bool selectColumn(int column) override {
        return select(0, column, QItemSelectionModel::Columns);
    }
    bool unselectRow(int row) override { return unselect(row, 0, QItemSelectionModel::Rows); }
    bool unselectColumn(int column) override {
        return unselect(0, column, QItemSelectionModel::Columns);
    }

    // A cell stands for a place, read afresh each time; when places come or
    // go, or the rows are sorted anew, the old ones are given up.
    void modelChange(QAccessibleTableModelChangeEvent* event) override {
        if (event->modelChangeType() != QAccessibleTableModelChangeEvent::DataChanged)
            forgetParts();
    }

private:
    QTableView* view() const { return static_cast<QTableView*>(widget()); }
    QAbstractItemModel* model() const { return view()->model(); }
    QItemSelectionModel* selection() const { return view()->selectionModel(); }

    QAccessibleInterface* part(int row, int column) const {
        const auto place = std::make_pair(row, column);
        if (const auto known = parts.constFind(place); known != parts.constEnd())
            return QAccessible::accessibleInterface(*known);
        QAccessibleInterface* made =
            row == HeaderRow ? static_cast<QAccessibleInterface*>(new ColumnHeader(view(), column))
                             : new Cell(view(), row, column);
        parts.insert(place, QAccessible::registerAccessibleInterface(made));
        return made;
    }

    void forgetParts() {
        for (const QAccessible::Id id : std::as_const(parts))
            QAccessible::deleteAccessibleInterface(id);
        parts.clear();
    }

    bool select(int row, int column, QItemSelectionModel::SelectionFlag whole) {
        const QModelIndex index =
            model() ? model()->index(row, column, view()->rootIndex()) : QModelIndex();
        const bool across = whole == QItemSelectionModel::Rows
                                ? view()->selectionBehavior() != QAbstractItemView::SelectColumns
                                : view()->selectionBehavior() != QAbstractItemView::SelectRows;
        if (!index.isValid() || !across ||
            view()->selectionMode() == QAbstractItemView::NoSelection)
            return false;
        const bool single = view()->selectionMode() == QAbstractItemView::SingleSelection;
        selection()->select(
            index,
            (single ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::Select) | whole);
        return true;
    }

    bool unselect(int row, int column, QItemSelectionModel::SelectionFlag whole) {
        const QModelIndex index =
            model() ? model()->index(row, column, view()->rootIndex()) : QModelIndex();
        if (!index.isValid())
            return false;
        selection()->select(index, QItemSelectionModel::Deselect | whole);
        return true;
    }

    mutable QHash<std::pair<int, int>, QAccessible::Id> parts;
};

} // namespace

PlainTableView::PlainTableView(QWidget* parent) : QTableView(parent) {
    verticalHeader()->hide();
}

int PlainTableView::accessibleChildIndex(const QTableView* view, const QModelIndex& index) {
    return childIndex(view, index.row(), index.column());
}

// QTableView would tell of the cell as Qt's own interface counts it, row
// headers included; this view tells of it as its interface counts. Only a
// view that has the keyboard tells of a focus: a refill of a table the user is
// not in (the finder's, searching anew) must not pull a reader's focus to it.
void PlainTableView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (hasFocus())
        tellScreenReader(QAccessible::Focus, current);
    QAbstractItemView::currentChanged(current, previous);
}

void PlainTableView::selectionChanged(const QItemSelection& selected,
                                      const QItemSelection& deselected) {
    tellScreenReader(QAccessible::SelectionAdd, selected.indexes().value(0));
    tellScreenReader(QAccessible::SelectionRemove, deselected.indexes().value(0));
    QAbstractItemView::selectionChanged(selected, deselected);
}

void PlainTableView::tellScreenReader(QAccessible::Event type, const QModelIndex& index) {
    if (!QAccessible::isActive() || !index.isValid())
        return;
    QAccessibleEvent event(this, type);
    event.setChild(accessibleChildIndex(this, index));
    QAccessible::updateAccessibility(&event);
}

QAccessibleInterface* plainTableAccessible(PlainTableView* view) {
    return new Table(view);
}

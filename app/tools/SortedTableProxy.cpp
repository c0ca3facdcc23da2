#include "app/tools/SortedTableProxy.h"

#include "app/tools/TableColumns.h"

SortedTableProxy::SortedTableProxy(QObject* parent) : QSortFilterProxyModel(parent) {
    setSortRole(SortRole);
    setSortCaseSensitivity(Qt::CaseInsensitive);
}

void SortedTableProxy::setNameFilter(const QString& text) {
    if (text == nameFilter)
        return;
    nameFilter = text;
    invalidateFilter();
}

// The name is searched for the text itself: Qt's own filter would build a
// regular expression of it, which warns on every row for text that is no
// valid UTF-16 (a lone surrogate) or too long to make a pattern of.
bool SortedTableProxy::filterAcceptsRow(int sourceRow, const QModelIndex& parent) const {
    return nameFilter.isEmpty() || sourceModel()
                                       ->index(sourceRow, 0, parent)
                                       .data()
                                       .toString()
                                       .contains(nameFilter, Qt::CaseInsensitive);
}

bool SortedTableProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const QVariant a = left.data(SortRole);
    const QVariant b = right.data(SortRole);
    if (a.isValid() != b.isValid()) {
        // "N/A" last, whichever way the column is sorted.
        return sortOrder() == Qt::AscendingOrder ? !b.isValid() : !a.isValid();
    }
    int order = 0;
    if (a.typeId() == QMetaType::QString || b.typeId() == QMetaType::QString)
        order = QString::compare(a.toString(), b.toString(), Qt::CaseInsensitive);
    else if (a.isValid())
        order = a.toDouble() < b.toDouble() ? -1 : b.toDouble() < a.toDouble() ? 1 : 0;
    if (order != 0)
        return order < 0;
    // Qt keeps equal rows in the order of the sort before; they go in the
    // model's order instead. A descending sort asks with the rows swapped.
    return sortOrder() == Qt::AscendingOrder ? left.row() < right.row() : right.row() < left.row();
}

QVariant SortedTableProxy::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::AccessibleDescriptionRole &&
        section == sortColumn())
        return sortOrder() == Qt::AscendingOrder ? QStringLiteral("Sorted ascending")
                                                 : QStringLiteral("Sorted descending");
    return QSortFilterProxyModel::headerData(section, orientation, role);
}

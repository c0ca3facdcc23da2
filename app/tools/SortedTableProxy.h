#pragma once

// The view of a sorted table the catalogue and the finder show: sorted, and
// filtered by name.

#include <QSortFilterProxyModel>

// Sorts by SortRole with "N/A" last in either order and equal values in the
// model's order, whatever order they were in before; filters on any part of
// the first column's text, taken literally and in any case. The sorted
// column's header says its order.
class SortedTableProxy : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit SortedTableProxy(QObject* parent = nullptr);

    // Text a name must contain; "" for every name.
    void setNameFilter(const QString& text);
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    QString nameFilter;
};

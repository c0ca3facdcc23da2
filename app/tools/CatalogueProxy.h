#pragma once

// The view of a catalogue table the window shows: sorted, filtered by name
// and faction.

#include <QSortFilterProxyModel>

// Sorts by SortRole with "N/A" last in either order and equal values in
// catalogue order, whatever order they were in before; filters on any part
// of the first column's text, taken literally and in any case, and on a
// faction for the VT table. The sorted column's header says its order.
class CatalogueProxy : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit CatalogueProxy(QObject* parent = nullptr);

    // "" for every faction.
    void setFaction(const QString& faction);
    // Text a name must contain; "" for every name.
    void setNameFilter(const QString& text);
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    QString faction;
    QString nameFilter;
};

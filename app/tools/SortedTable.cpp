#include "app/tools/SortedTable.h"

#include <QHeaderView>
#include <QTableView>

void setUpSortedTable(QTableView* table, QAbstractItemModel* model) {
    table->setModel(model);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false);
    table->setAlternatingRowColors(true);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setWordWrap(false);
    // No column chosen yet; a first click sorts up.
    table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table->horizontalHeader()->setSortIndicatorShown(true);
    table->setSortingEnabled(true);
}

void sortByCurrentColumn(QTableView* table) {
    const int column = table->currentIndex().isValid() ? table->currentIndex().column() : 0;
    const QHeaderView* header = table->horizontalHeader();
    const bool up = header->sortIndicatorSection() == column &&
                    header->sortIndicatorOrder() == Qt::AscendingOrder;
    table->sortByColumn(column, up ? Qt::DescendingOrder : Qt::AscendingOrder);
}

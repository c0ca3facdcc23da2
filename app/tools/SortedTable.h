#pragma once

// The tables of the catalogue and the finder: rows chosen whole, nothing
// edited, Tab leaving the table for the next control, one line per row, and
// the model's own order until a click on a column's header sorts it.

class QAbstractItemModel;
class QTableView;

void setUpSortedTable(QTableView* table, QAbstractItemModel* model);

// Ctrl+S: sorts by the current column (the first without one), up first and
// down the next time, as a click on its header does.
void sortByCurrentColumn(QTableView* table);

#pragma once

// What the sorted tables of the catalogue and the finder share: the role
// their proxy sorts them by and the description of a column, which each
// model keeps in one table.

#include <QString>
#include <QVariant>

#include <optional>

// The value a cell sorts by: the number a figure column keeps, the text
// elsewhere, and nothing for a cell without a value ("N/A"), which sorts
// last in either order.
inline constexpr int SortRole = Qt::UserRole + 1;

enum class ColumnKind {
    Text,   // sorted by its text, in any case
    Figure, // a number, sorted as one and set to the right
    Ranked, // a word for a number (a load status), sorted by that number
};

struct TableColumn {
    const char* caption;
    ColumnKind kind;
};

// The caption, and a tooltip that says how to sort by the column.
QVariant columnHeader(const TableColumn& column, int role);
// Figures are set to the right; other columns as the view sets text.
QVariant columnAlignment(const TableColumn& column);
// What a cell gives for SortRole, from its text and the number it keeps.
QVariant columnSortValue(const TableColumn& column, const QString& text,
                         std::optional<double> number);

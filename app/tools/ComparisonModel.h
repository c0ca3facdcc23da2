#pragma once

// The comparison of the pinned loadout with the current one as a table
// model: one row per item or figure, with the columns "Figure", "Pinned",
// "Current" and "Change". Given new rows, it reports only the rows that
// changed, so a view lays out and paints only those again.

#include "core/Comparison.h"

#include <QAbstractTableModel>
#include <QColor>

#include <vector>

class ComparisonModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { FigureColumn, PinnedColumn, CurrentColumn, ChangeColumn };

    // Readable on the light palette: green where the current loadout is
    // better, red where it is worse.
    static inline const QColor BetterColour{0, 120, 0};
    static inline const QColor WorseColour{192, 0, 0};

    using QAbstractTableModel::QAbstractTableModel;

    void setRows(const std::vector<vantor::ComparisonRow>& rows);
    const std::vector<vantor::ComparisonRow>& rows() const { return shown; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<vantor::ComparisonRow> shown;
};

#pragma once

// The loadout finder's answer as a table model: one row per loadout found,
// best first, with the ranked figure beside the VT (in sight at any width),
// its items, load, status, and how many selectors and which statistics it
// changes. Every cell gives SortRole for a sorting proxy
// (SortedTableProxy), and every row its preview and reason as its tooltip and
// accessible description.

#include "app/tools/TableColumns.h"
#include "core/Finder.h"

#include <QAbstractTableModel>
#include <QColor>

#include <array>
#include <optional>
#include <vector>

class FinderModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        RankColumn,
        VtColumn,
        FigureColumn, // captioned with the ranked figure's name
        Main1Column,
        Main2Column,
        Main3Column,
        Sub1Column,
        Sub2Column,
        Sub3Column,
        Part1Column,
        Part2Column,
        FuelColumn,
        TotalLoadColumn,
        StatusColumn,
        ChangesColumn,
        ColumnCount
    };

    using QAbstractTableModel::QAbstractTableModel;

    // Shows `loadouts`, ranked by `rank`, in their order.
    void setAnswer(const std::vector<vantor::FoundLoadout>& loadouts, vantor::FinderRank rank);
    const vantor::FoundLoadout& loadout(int row) const { return rows[std::size_t(row)].found; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    struct Row {
        vantor::FoundLoadout found;
        std::array<QString, ColumnCount> text;
        std::array<std::optional<double>, ColumnCount> number;
        QColor statusColour; // readable on white
        QString description; // the preview, then why it ranks there
    };
    static Row makeRow(const vantor::FoundLoadout& found, int place);
    TableColumn column(int section) const;

    std::vector<Row> rows;
    QByteArray figureCaption = "Volley Damage";
};

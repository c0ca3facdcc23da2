#include "app/tools/ComparisonModel.h"

#include <QFont>

using vantor::ChangeVerdict;
using vantor::ComparisonRow;

void ComparisonModel::setRows(const std::vector<ComparisonRow>& rows) {
    if (rows.size() != shown.size()) {
        beginResetModel();
        shown = rows;
        endResetModel();
        return;
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (shown[r] == rows[r])
            continue;
        shown[r] = rows[r];
        emit dataChanged(index(int(r), 0), index(int(r), ChangeColumn));
    }
}

int ComparisonModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(shown.size());
}

int ComparisonModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(vantor::ComparisonColumns.size());
}

QVariant ComparisonModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const ComparisonRow& row = shown[std::size_t(index.row())];
    const auto column = Column(index.column());
    const bool better = row.verdict == ChangeVerdict::Better;
    const bool worse = row.verdict == ChangeVerdict::Worse;
    switch (role) {
    case Qt::DisplayRole:
        switch (column) {
        case FigureColumn:
            return row.figure;
        case PinnedColumn:
            return row.pinned;
        case CurrentColumn:
            return row.current;
        case ChangeColumn:
            return vantor::shownChange(row);
        }
        break;
    case Qt::AccessibleTextRole:
        // A blank change is heard as what it means rather than as nothing.
        if (column == ChangeColumn && vantor::shownChange(row).isEmpty())
            return row.pinned == row.current ? QStringLiteral("No change")
                                             : QStringLiteral("Changed");
        break;
    case Qt::FontRole:
        // Items that differ stand out on both sides.
        if (row.differs && column != ChangeColumn) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        break;
    case Qt::ForegroundRole: {
        const QColor colour = column == PinnedColumn    ? row.pinnedColour
                              : column == CurrentColumn ? row.currentColour
                              : column == ChangeColumn  ? (better  ? BetterColour
                                                           : worse ? WorseColour
                                                                   : QColor())
                                                        : QColor();
        if (colour.isValid())
            return colour;
        break;
    }
    default:
        break;
    }
    return {};
}

QVariant ComparisonModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= int(vantor::ComparisonColumns.size()))
        return QAbstractTableModel::headerData(section, orientation, role);
    return QLatin1String(vantor::ComparisonColumns[std::size_t(section)]);
}

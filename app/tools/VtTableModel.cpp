#include "app/tools/VtTableModel.h"

#include "core/VtChoice.h"
#include "factions/Factions.h"
#include "model/Format.h"
#include "model/LoadoutDisplay.h"
#include "model/Text.h"
#include "model/VtCatalogue.h"

#include <QColor>
#include <QFont>
#include <QStringList>

#include <array>
#include <optional>

namespace {

// The columns of the VT table, in the order of VtTableModel::Column.
constexpr std::array<TableColumn, VtTableModel::ColumnCount> VtColumns = {{
    {"VT", ColumnKind::Text},
    {"Faction", ColumnKind::Text},
    {"Generation", ColumnKind::Figure},
    {"Availability", ColumnKind::Figure},
    {"Standard Load", ColumnKind::Figure},
    {"Maximum Load", ColumnKind::Figure},
    {"Max Speed", ColumnKind::Figure},
    {"Durability", ColumnKind::Figure},
    {"Balancer Rating", ColumnKind::Figure},
    {"Turn Speed", ColumnKind::Figure},
    {"Veering Efficiency", ColumnKind::Figure},
    {"Torque Rating", ColumnKind::Figure},
    {"Fuel Efficiency", ColumnKind::Figure},
    {"Supply Point Cost", ColumnKind::Figure},
    {"Sortie Point Cost", ColumnKind::Figure},
    {"Fuel Tanks", ColumnKind::Figure},
    {"Fixed Weapons", ColumnKind::Text},
}};

// The value labels of the ranked figures, in rank order.
constexpr std::array<vantor::ValueLabel, vantor::RankCount> RankedValues = {
    vantor::ValueStandardLoad, vantor::ValueMaximumLoad, vantor::ValueMaximumSpeed,
    vantor::ValueDurability,   vantor::ValueBalancer,    vantor::ValueTurnSpeed,
    vantor::ValueVeering,      vantor::ValueTorque,      vantor::ValueFuelEfficiency,
    vantor::ValueSupplyCost,   vantor::ValueSortieCost};

// The ranked figures of a loadout with nothing fitted, in rank order, as the
// numbers the Stats view's texts show (every catalogue figure has at most
// one decimal, so the texts are exact).
std::array<double, vantor::RankCount> rankedFigures(const vantor::Loadout& l) {
    return {double(l.StandardLoad),        double(l.MaximumLoad),      double(l.VTMaximumSpeed),
            double(l.VTDurability),        double(l.VTBalancerRating), double(l.VTTurnSpeed),
            double(l.VTVeeringEfficiency), double(l.VTTorqueRating),   double(l.VTFuelEfficiency),
            double(l.SupplyPointCost),     double(l.SortiePointCost)};
}

struct VtRow {
    std::array<QString, VtTableModel::ColumnCount> cells;
    std::array<std::optional<double>, VtTableModel::ColumnCount> figures;
    std::array<QString, VtTableModel::ColumnCount> tips;
};

// Each VT as the Stats view shows it with nothing fitted, worked out once by
// choosing it on a loadout of its own.
const std::array<VtRow, vantor::VtCount>& vtRows() {
    static const std::array<VtRow, vantor::VtCount> rows = [] {
        std::array<VtRow, vantor::VtCount> all;
        for (int vt = 0; vt < vantor::VtCount; ++vt) {
            vantor::Loadout l;
            const vantor::VtChoice choice = vantor::chooseVt(l, vt);
            const vantor::LoadoutDisplay d = vantor::displayOf(l);
            const vantor::VtEntry& e = vantor::vtEntry(vt);
            VtRow& row = all[std::size_t(vt)];
            row.cells[VtTableModel::VtColumn] = vantor::toQString(e.selectorName);
            row.cells[VtTableModel::FactionColumn] =
                vantor::toQString(vantor::factionRecord(e.faction).name);
            row.cells[VtTableModel::GenerationColumn] = choice.generation;
            row.figures[VtTableModel::GenerationColumn] = vantor::figureValue(e.generation);
            row.cells[VtTableModel::AvailabilityColumn] = l.AvailabilityText;
            row.figures[VtTableModel::AvailabilityColumn] = vantor::figureValue(e.availability);
            const std::array<double, vantor::RankCount> figures = rankedFigures(l);
            for (int rank = 0; rank < vantor::RankCount; ++rank) {
                const auto column = std::size_t(VtTableModel::StandardLoadColumn + rank);
                row.cells[column] = d.values[std::size_t(RankedValues[std::size_t(rank)])].text;
                row.figures[column] = figures[std::size_t(rank)];
                row.tips[column] = d.ranks[std::size_t(rank)].tip;
            }
            row.cells[VtTableModel::FuelTanksColumn] = QString::number(e.fuelTanks);
            row.figures[VtTableModel::FuelTanksColumn] = e.fuelTanks;
            QStringList fixed;
            for (const vantor::FixedMount& mount : vantor::FixedMounts)
                if (mount.vt == vt)
                    fixed << vantor::toQString(mount.weapon);
            row.cells[VtTableModel::FixedWeaponsColumn] =
                fixed.isEmpty() ? QStringLiteral("None") : fixed.join(QStringLiteral(", "));
        }
        return all;
    }();
    return rows;
}

} // namespace

VtTableModel::VtTableModel(QObject* parent) : QAbstractTableModel(parent) {}

int VtTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : vantor::VtCount;
}

int VtTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant VtTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const VtRow& row = vtRows()[std::size_t(index.row())];
    const auto column = std::size_t(index.column());
    const bool isCurrent = index.row() == current;
    switch (role) {
    case Qt::DisplayRole:
        return row.cells[column];
    case SortRole:
        return columnSortValue(VtColumns[column], row.cells[column], row.figures[column]);
    case Qt::ToolTipRole:
        return row.tips[column].isEmpty() ? QVariant() : QVariant(row.tips[column]);
    case Qt::AccessibleDescriptionRole:
        if (isCurrent && column == VtColumn)
            return QStringLiteral("The VT in the window.") +
                   (row.tips[column].isEmpty() ? QString() : QLatin1Char(' ') + row.tips[column]);
        return row.tips[column].isEmpty() ? QVariant() : QVariant(row.tips[column]);
    case Qt::FontRole:
        if (isCurrent) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::DecorationRole:
        // A mark beside the name, so that the row is not told by its font alone.
        if (isCurrent && column == VtColumn) {
            return QColor(0, 120, 0);
        }
        return {};
    case Qt::TextAlignmentRole:
        return columnAlignment(VtColumns[column]);
    default:
        return {};
    }
}

QVariant VtTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return columnHeader(VtColumns[std::size_t(section)], role);
}

void VtTableModel::setCurrentVt(int vt) {
    if (vt == current)
        return;
    const int was = current;
    current = vt >= 0 && vt < vantor::VtCount ? vt : -1;
    for (int row : {was, current})
        if (row >= 0)
            emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void VtTableProxy::setFaction(const QString& f) {
    if (f == faction)
        return;
    faction = f;
    invalidateFilter();
}

bool VtTableProxy::filterAcceptsRow(int sourceRow, const QModelIndex& parent) const {
    return (faction.isEmpty() || sourceModel()
                                         ->index(sourceRow, VtTableModel::FactionColumn, parent)
                                         .data()
                                         .toString() == faction) &&
           SortedTableProxy::filterAcceptsRow(sourceRow, parent);
}

#include "app/session/CatalogueModels.h"

#include "core/VtChoice.h"
#include "factions/Factions.h"
#include "model/LoadoutDisplay.h"
#include "model/Recompute.h"
#include "model/Text.h"
#include "model/VtCatalogue.h"

#include <QColor>
#include <QFont>

using vantor::NotAvailable;
using vantor::WeaponKind;

namespace {

// The captions of the VT table, in the order of VtTableModel::Column.
const std::array<const char*, VtTableModel::ColumnCount> VtCaptions = {"VT",
                                                                       "Faction",
                                                                       "Generation",
                                                                       "Availability",
                                                                       "Standard Load",
                                                                       "Maximum Load",
                                                                       "Max Speed",
                                                                       "Durability",
                                                                       "Balancer Rating",
                                                                       "Turn Speed",
                                                                       "Veering Efficiency",
                                                                       "Torque Rating",
                                                                       "Fuel Efficiency",
                                                                       "Supply Point Cost",
                                                                       "Sortie Point Cost",
                                                                       "Fuel Tanks",
                                                                       "Fixed Weapons"};

// The value labels of the ranked figures, in rank order.
constexpr std::array<vantor::ValueLabel, vantor::RankCount> RankedValues = {
    vantor::ValueStandardLoad, vantor::ValueMaximumLoad, vantor::ValueMaximumSpeed,
    vantor::ValueDurability,   vantor::ValueBalancer,    vantor::ValueTurnSpeed,
    vantor::ValueVeering,      vantor::ValueTorque,      vantor::ValueFuelEfficiency,
    vantor::ValueSupplyCost,   vantor::ValueSortieCost};

struct VtRow {
    std::array<QString, VtTableModel::ColumnCount> cells;
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
            row.cells[VtTableModel::AvailabilityColumn] = l.AvailabilityText;
            for (int rank = 0; rank < vantor::RankCount; ++rank) {
                const int column = VtTableModel::StandardLoadColumn + rank;
                row.cells[std::size_t(column)] =
                    d.values[std::size_t(RankedValues[std::size_t(rank)])].text;
                row.tips[std::size_t(column)] = d.ranks[std::size_t(rank)].tip;
            }
            row.cells[VtTableModel::FuelTanksColumn] = QString::number(e.fuelTanks);
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

bool isFigureColumn(int column) {
    return (column >= VtTableModel::StandardLoadColumn &&
            column <= VtTableModel::FuelTanksColumn) ||
           column == VtTableModel::GenerationColumn || column == VtTableModel::AvailabilityColumn;
}

// The number a figure text starts with ("Turn 3" gives 3, "1st Gen" 1,
// "0-550" 0); nothing for a text without one.
std::optional<double> leadingNumber(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() && !text[start].isDigit())
        ++start;
    qsizetype end = start;
    while (end < text.size() && (text[end].isDigit() || text[end] == QLatin1Char('.')))
        ++end;
    if (start == end)
        return std::nullopt;
    return text.mid(start, end - start).toDouble();
}

// A range sorts by its far end ("100-800" by 800).
std::optional<double> rangeEnd(const QString& text) {
    const qsizetype dash = text.lastIndexOf(QLatin1Char('-'));
    return leadingNumber(dash < 0 ? text : text.mid(dash + 1));
}

const std::array<const char*, WeaponTableModel::ColumnCount> WeaponCaptions = {
    "Weapon",          "Kind",       "Slots",     "Load",   "Damage",
    "Range",           "Ammunition", "Magazines", "Guided", "Total Load if picked",
    "Status if picked"};

QVariant textHeader(const char* caption, int role) {
    if (role == Qt::DisplayRole)
        return QString::fromLatin1(caption);
    if (role == Qt::ToolTipRole)
        return QStringLiteral("Click, or press Ctrl+S on a cell of this column, to sort by "
                              "%1; again to reverse.")
            .arg(QString::fromLatin1(caption));
    return {};
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
        if (isFigureColumn(index.column()))
            if (const auto number = leadingNumber(row.cells[column]))
                return *number;
        return row.cells[column];
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
        return isFigureColumn(index.column()) ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                              : QVariant();
    default:
        return {};
    }
}

QVariant VtTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return textHeader(VtCaptions[std::size_t(section)], role);
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

WeaponTableModel::WeaponTableModel(QObject* parent) : QAbstractTableModel(parent) {}

int WeaponTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows.size());
}

int WeaponTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString WeaponTableModel::slotName(int slot) {
    return slot < 3 ? QStringLiteral("Main Weapon # %1").arg(slot + 1)
                    : QStringLiteral("Sub-Weapon # %1").arg(slot - 2);
}

QVariant WeaponTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Row& r = rows[std::size_t(index.row())];
    const vantor::WeaponEntry& w = *r.weapon;
    const auto text = [&]() -> QString {
        switch (index.column()) {
        case WeaponColumn:
            return vantor::toQString(w.ListText);
        case KindColumn:
            return r.kind == WeaponKind::Main ? QStringLiteral("Main") : QStringLiteral("Sub");
        case SlotsColumn:
            return r.slotsText;
        case LoadColumn:
            return QString::number(w.Load);
        case DamageColumn:
            return vantor::toQString(w.DamageText);
        case RangeColumn:
            return vantor::toQString(w.RangeText);
        case AmmunitionColumn:
            return vantor::toQString(w.AmmunitionText);
        case MagazinesColumn:
            return vantor::toQString(w.MagazinesText);
        case GuidedColumn:
            return vantor::toQString(w.GuidedText);
        case TotalIfPickedColumn:
            return r.total;
        case StatusIfPickedColumn:
            return r.status;
        default:
            return {};
        }
    };
    const int column = index.column();
    const bool figure = column == LoadColumn || column == DamageColumn || column == RangeColumn ||
                        column == AmmunitionColumn || column == MagazinesColumn ||
                        column == TotalIfPickedColumn;
    switch (role) {
    case Qt::DisplayRole:
        return text();
    case MissingRole:
        return text() == NotAvailable;
    case SortRole: {
        const QString t = text();
        if (column == RangeColumn)
            if (const auto end = rangeEnd(t))
                return *end;
        if (figure)
            if (const auto number = leadingNumber(t))
                return *number;
        if (column == StatusIfPickedColumn)
            return r.statusValue; // 3 VT OK down to 0 MOUNT OVER
        return t;
    }
    case Qt::ForegroundRole:
        if (column == StatusIfPickedColumn && r.statusValue != vantor::StatusNone &&
            r.statusValue != vantor::StatusStdOver)
            return vantor::loadStatusColour(r.statusValue);
        return {};
    case Qt::BackgroundRole:
        // Yellow writing cannot be read on white: STD OVER is shown on yellow.
        if (column == StatusIfPickedColumn && r.statusValue == vantor::StatusStdOver)
            return vantor::loadStatusColour(r.statusValue);
        return {};
    case Qt::TextAlignmentRole:
        return figure ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    case Qt::ToolTipRole:
        if (column == WeaponColumn)
            return vantor::weaponItemTip(w);
        if (column == TotalIfPickedColumn || column == StatusIfPickedColumn)
            return placement(index.row()).pick ? QVariant()
                                               : QVariant(placement(index.row()).reason);
        return {};
    default:
        return {};
    }
}

QVariant WeaponTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return textHeader(WeaponCaptions[std::size_t(section)], role);
}

void WeaponTableModel::buildRows(const vantor::Loadout& l) {
    rows.clear();
    for (WeaponKind kind : {WeaponKind::Main, WeaponKind::Sub}) {
        const bool main = kind == WeaponKind::Main;
        const vantor::WeaponColumn& ids = main ? l.MainWeaponListId : l.SubWeaponListId;
        int longest = 0;
        for (int s = 0; s < 3; ++s)
            longest = std::max(longest, offered.items[std::size_t((main ? 0 : 3) + s)]);
        for (int item = 0; item < longest && item < vantor::WeaponListRows; ++item) {
            Row row;
            row.kind = kind;
            row.item = item;
            row.weapon = vantor::weaponById(kind, ids[std::size_t(item)]);
            if (!row.weapon)
                continue;
            // A weapon listed twice (a fixed weapon that the list also
            // offers) is one row, at its first item.
            bool seen = false;
            for (const Row& other : rows)
                seen = seen || (other.kind == kind && other.weapon == row.weapon);
            if (seen)
                continue;
            QStringList slotList;
            for (int s = 0; s < 3; ++s) {
                const auto selector = std::size_t((main ? 0 : 3) + s);
                if (item >= offered.items[selector])
                    continue;
                // A fixed selector holds its weapon; its other items cannot be picked.
                if (offered.fixed[selector])
                    continue;
                row.offeredIn[std::size_t(s)] = true;
                slotList << QString::number(s + 1);
            }
            row.slotsText = slotList.join(QStringLiteral(", "));
            rows.push_back(row);
        }
    }
    // The fixed weapons: the slots that hold them.
    for (const vantor::FixedMount& mount : vantor::FixedMounts) {
        if (mount.vt != vt)
            continue;
        const bool main = mount.slot == vantor::FixedSlot::MW2;
        const int s = main ? 1 : int(mount.slot) - int(vantor::FixedSlot::SW1);
        const vantor::WeaponEntry* weapon =
            vantor::findWeapon(main ? WeaponKind::Main : WeaponKind::Sub, mount.weapon);
        for (Row& row : rows)
            if (row.weapon == weapon && row.kind == (main ? WeaponKind::Main : WeaponKind::Sub)) {
                row.fixedIn[std::size_t(s)] = true;
                row.slotsText += (row.slotsText.isEmpty() ? QString() : QStringLiteral(", ")) +
                                 QStringLiteral("%1 (fixed)").arg(s + 1);
            }
    }
}

WeaponTableModel::Placement WeaponTableModel::placement(int index) const {
    const Row& r = rows[std::size_t(index)];
    const bool mainSlot = chosenSlot < 3;
    const int s = chosenSlot % 3;
    const QString name = vantor::toQString(r.weapon->ListText);
    const QString slot = slotName(chosenSlot);
    if ((r.kind == WeaponKind::Main) != mainSlot)
        return {std::nullopt, QStringLiteral("%1 is a %2; %3 takes %4.")
                                  .arg(name,
                                       r.kind == WeaponKind::Main ? QStringLiteral("main weapon")
                                                                  : QStringLiteral("sub-weapon"),
                                       slot,
                                       mainSlot ? QStringLiteral("main weapons")
                                                : QStringLiteral("sub-weapons"))};
    if (offered.fixed[std::size_t(chosenSlot)])
        return {std::nullopt,
                QStringLiteral("%1 holds a fixed weapon, which cannot be changed.").arg(slot)};
    if (!r.offeredIn[std::size_t(s)])
        return {std::nullopt, QStringLiteral("%1 does not offer %2.").arg(slot, name)};
    return {
        vantor::Pick{vantor::weaponSelector(mainSlot ? WeaponKind::Main : WeaponKind::Sub, s + 1),
                     r.item},
        {}};
}

void WeaponTableModel::previewRows(const vantor::Loadout& l, const vantor::SelectorFacts& facts) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        Row& r = rows[i];
        const Placement place = placement(int(i));
        const vantor::PickPreview p =
            place.pick ? vantor::previewPick(l, facts, *place.pick) : vantor::PickPreview{};
        r.total = p.applicable ? QString::number(p.totalLoad) : NotAvailable;
        r.status = p.applicable ? vantor::loadStatusText(p.status) : NotAvailable;
        r.statusValue = p.applicable ? p.status : vantor::StatusNone;
    }
}

void WeaponTableModel::show(const vantor::Loadout& l, const vantor::SelectorFacts& facts,
                            const Selectors& selectors, int slot) {
    const bool sameRows = l.VTIndex == vt && selectors == offered && !rows.empty();
    chosenSlot = std::clamp(slot, 0, 5);
    if (!sameRows) {
        beginResetModel();
        vt = l.VTIndex;
        offered = selectors;
        buildRows(l);
        previewRows(l, facts);
        endResetModel();
        return;
    }
    // Only the rows whose preview changed are told, so only they are painted.
    std::vector<std::pair<QString, QString>> before;
    before.reserve(rows.size());
    for (const Row& r : rows)
        before.emplace_back(r.total, r.status);
    previewRows(l, facts);
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (before[i] != std::pair(rows[i].total, rows[i].status))
            emit dataChanged(index(int(i), TotalIfPickedColumn),
                             index(int(i), StatusIfPickedColumn));
}

CatalogueProxy::CatalogueProxy(QObject* parent) : QSortFilterProxyModel(parent) {
    setSortRole(SortRole);
    setSortCaseSensitivity(Qt::CaseInsensitive);
}

void CatalogueProxy::setFaction(const QString& f) {
    if (f == faction)
        return;
    faction = f;
    invalidateFilter();
}

void CatalogueProxy::setNameFilter(const QString& text) {
    if (text == nameFilter)
        return;
    nameFilter = text;
    invalidateFilter();
}

// The name is searched for the text itself: Qt's own filter would build a
// regular expression of it, which warns on every row for text that is no
// valid UTF-16 (a lone surrogate) or too long to make a pattern of.
bool CatalogueProxy::filterAcceptsRow(int sourceRow, const QModelIndex& parent) const {
    if (!faction.isEmpty() &&
        sourceModel()->index(sourceRow, VtTableModel::FactionColumn, parent).data().toString() !=
            faction)
        return false;
    return nameFilter.isEmpty() || sourceModel()
                                       ->index(sourceRow, 0, parent)
                                       .data()
                                       .toString()
                                       .contains(nameFilter, Qt::CaseInsensitive);
}

bool CatalogueProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const bool leftMissing = left.data(MissingRole).toBool();
    const bool rightMissing = right.data(MissingRole).toBool();
    if (leftMissing != rightMissing) {
        // "N/A" last, whichever way the column is sorted.
        return sortOrder() == Qt::AscendingOrder ? rightMissing : leftMissing;
    }
    const QVariant a = left.data(SortRole);
    const QVariant b = right.data(SortRole);
    int order = 0;
    if (a.userType() == QMetaType::QString || b.userType() == QMetaType::QString)
        order = QString::compare(a.toString(), b.toString(), Qt::CaseInsensitive);
    else
        order = a.toDouble() < b.toDouble() ? -1 : b.toDouble() < a.toDouble() ? 1 : 0;
    if (order != 0)
        return order < 0;
    // Qt keeps equal rows in the order of the sort before; they go in
    // catalogue order instead. A descending sort asks with the rows swapped.
    return sortOrder() == Qt::AscendingOrder ? left.row() < right.row() : right.row() < left.row();
}

QVariant CatalogueProxy::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::AccessibleDescriptionRole &&
        section == sortColumn())
        return sortOrder() == Qt::AscendingOrder ? QStringLiteral("Sorted ascending")
                                                 : QStringLiteral("Sorted descending");
    return QSortFilterProxyModel::headerData(section, orientation, role);
}

QString CatalogueProxy::tableText() const {
    QStringList lines;
    QStringList captions;
    for (int c = 0; c < columnCount(); ++c)
        captions << headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    lines << captions.join(QLatin1Char('\t'));
    for (int r = 0; r < rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < columnCount(); ++c)
            cells << index(r, c).data().toString();
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

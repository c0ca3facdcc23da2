#include "app/tools/WeaponTableModel.h"

#include "model/Format.h"
#include "model/Recompute.h"
#include "model/Text.h"
#include "model/VtCatalogue.h"
#include "weapons/WeaponLists.h"

#include <QStringList>

#include <algorithm>

using vantor::NotAvailable;
using vantor::WeaponKind;

namespace {

// The columns of the weapon table, in the order of WeaponTableModel::Column.
constexpr std::array<TableColumn, WeaponTableModel::ColumnCount> WeaponColumns = {{
    {"Weapon", ColumnKind::Text},
    {"Kind", ColumnKind::Text},
    {"Slots", ColumnKind::Text},
    {"Load", ColumnKind::Figure},
    {"Damage", ColumnKind::Figure},
    {"Range", ColumnKind::Figure}, // by its far end: "100-800" as 800
    {"Ammunition", ColumnKind::Figure},
    {"Magazines", ColumnKind::Figure},
    {"Guided", ColumnKind::Text},
    {"Total Load if picked", ColumnKind::Figure},
    {"Status if picked", ColumnKind::Ranked}, // 3 VT OK down to 0 MOUNT OVER
}};

} // namespace

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

WeaponTableModel::Cell WeaponTableModel::cell(const Row& r, int column) const {
    const vantor::WeaponEntry& w = *r.weapon;
    switch (column) {
    case WeaponColumn:
        return {vantor::toQString(w.ListText), {}};
    case KindColumn:
        return {r.kind == WeaponKind::Main ? QStringLiteral("Main") : QStringLiteral("Sub"), {}};
    case SlotsColumn:
        return {r.slotsText, {}};
    case LoadColumn:
        return {QString::number(w.Load), w.Load};
    case DamageColumn:
        return {vantor::toQString(w.DamageText), vantor::figureValue(w.DamageText)};
    case RangeColumn:
        return {vantor::toQString(w.RangeText), w.MaxRange};
    case AmmunitionColumn:
        return {vantor::toQString(w.AmmunitionText), vantor::figureValue(w.AmmunitionText)};
    case MagazinesColumn:
        return {vantor::toQString(w.MagazinesText), vantor::figureValue(w.MagazinesText)};
    case GuidedColumn:
        return {vantor::toQString(w.GuidedText), {}};
    case TotalIfPickedColumn:
        return {r.total, r.totalValue};
    case StatusIfPickedColumn:
        return {r.status, r.statusValue};
    default:
        return {};
    }
}

QVariant WeaponTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Row& r = rows[std::size_t(index.row())];
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return cell(r, column).text;
    case SortRole: {
        const Cell c = cell(r, column);
        return columnSortValue(WeaponColumns[std::size_t(column)], c.text, c.number);
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
        return columnAlignment(WeaponColumns[std::size_t(column)]);
    case Qt::ToolTipRole:
        if (column == WeaponColumn)
            return vantor::weaponItemTip(*r.weapon);
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
    return columnHeader(WeaponColumns[std::size_t(section)], role);
}

void WeaponTableModel::buildRows(const vantor::Loadout& l) {
    rows.clear();
    for (const vantor::OfferedWeapon& weapon : vantor::offeredWeapons(l, offered.items)) {
        Row row;
        row.kind = weapon.kind;
        row.item = weapon.item;
        row.weapon = weapon.entry;
        const bool main = weapon.kind == WeaponKind::Main;
        QStringList slotList;
        for (int s = 0; s < 3; ++s) {
            const auto selector = std::size_t((main ? 0 : 3) + s);
            if (row.item >= offered.items[selector])
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
        r.totalValue = p.applicable ? p.totalLoad : 0;
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

#include "app/tools/FinderModel.h"

#include "core/Comparison.h"
#include "equipment/OptionalParts.h"
#include "model/LoadoutDisplay.h"
#include "model/Text.h"
#include "model/VtCatalogue.h"

#include <QStringList>

using vantor::FoundLoadout;
using vantor::WeaponKind;

namespace {

// Every column but the ranked figure's, whose caption follows the rank.
constexpr std::array<TableColumn, FinderModel::ColumnCount> FinderColumns = {{
    {"Rank", ColumnKind::Figure},
    {"VT", ColumnKind::Text},
    {nullptr, ColumnKind::Figure},
    {"Main Weapon 1", ColumnKind::Text},
    {"Main Weapon 2", ColumnKind::Text},
    {"Main Weapon 3", ColumnKind::Text},
    {"Sub-Weapon 1", ColumnKind::Text},
    {"Sub-Weapon 2", ColumnKind::Text},
    {"Sub-Weapon 3", ColumnKind::Text},
    {"Optional Part 1", ColumnKind::Text},
    {"Optional Part 2", ColumnKind::Text},
    {"Fuel Tanks", ColumnKind::Figure},
    {"Total Load", ColumnKind::Figure},
    {"Status", ColumnKind::Ranked},  // 3 VT OK down to 0 MOUNT OVER
    {"Changes", ColumnKind::Ranked}, // by the selectors changed
}};

const QString Unarmed = QStringLiteral("Unarmed");

// The item a weapon selector shows once the picks are made: a selector left
// as choosing the VT leaves it shows no weapon.
QString weaponText(const vantor::Loadout& after, WeaponKind kind, const vantor::WeaponPick& pick) {
    if (pick.item < 0)
        return Unarmed;
    if (pick.item >= vantor::WeaponListRows)
        return vantor::NotAvailable;
    const vantor::WeaponColumn& ids =
        kind == WeaponKind::Main ? after.MainWeaponListId : after.SubWeaponListId;
    const vantor::WeaponEntry* weapon = vantor::weaponById(kind, ids[std::size_t(pick.item)]);
    return weapon ? vantor::toQString(weapon->ListText) : vantor::NotAvailable;
}

// "Advanced Mount Level 2"; a part without a level by its name alone.
QString partText(const vantor::PartPick& pick) {
    const vantor::OptionalPart* part = vantor::optionalPart(pick.part);
    if (!part)
        return Unarmed;
    const QString name = vantor::toQString(part->selectorText);
    return part->levelled && pick.level >= 0 ? vantor::itemWithLevel(name, pick.level + 1) : name;
}

// "3 changes: Turn Speed 42.2 (now 37.4); Durability 1,320 (now 1,200)": the
// selectors the loadout changes (a weapon moved to another selector changes
// both), then the statistics; the window's own loadout changes none.
QString changesText(const FoundLoadout& found) {
    if (found.changes == 0)
        return QStringLiteral("None: the loadout in the window");
    QStringList figures;
    for (const vantor::FigureChange& change : found.preview.changes)
        figures << QStringLiteral("%1 %2 (now %3)").arg(change.name, change.after, change.before);
    const QString count = found.changes == 1 ? QStringLiteral("1 change")
                                             : QStringLiteral("%1 changes").arg(found.changes);
    return figures.isEmpty() ? count
                             : count + QStringLiteral(": ") + figures.join(QStringLiteral("; "));
}

} // namespace

FinderModel::Row FinderModel::makeRow(const FoundLoadout& found, int place) {
    Row row;
    row.found = found;
    const vantor::LoadoutPicks& picks = found.picks;
    const vantor::Loadout& after = found.after;
    const auto set = [&row](int column, const QString& text, std::optional<double> number = {}) {
        row.text[std::size_t(column)] = text;
        row.number[std::size_t(column)] = number;
    };
    set(RankColumn, QString::number(place), place);
    set(VtColumn, picks.vt >= 0 && picks.vt < vantor::VtCount
                      ? vantor::toQString(vantor::vtEntry(picks.vt).selectorName)
                      : vantor::NotAvailable);
    for (int slot = 0; slot < 3; ++slot) {
        set(Main1Column + slot, weaponText(after, WeaponKind::Main, picks.main[std::size_t(slot)]));
        set(Sub1Column + slot, weaponText(after, WeaponKind::Sub, picks.sub[std::size_t(slot)]));
    }
    set(Part1Column, partText(picks.parts[0]));
    set(Part2Column, partText(picks.parts[1]));
    const int tanks = std::max(picks.fuel, 0);
    set(FuelColumn, QString::number(tanks), tanks);
    // The load and status exactly as the main window would show them.
    const vantor::LoadoutDisplay shown = vantor::displayOf(after);
    set(TotalLoadColumn, shown.values[vantor::ValueTotalLoad].text, after.TotalLoad);
    set(StatusColumn, shown.statusText, after.LoadStatus);
    row.statusColour = vantor::readableOnWhite(shown.statusColour);
    set(FigureColumn, found.figureText, found.figure);
    set(ChangesColumn, changesText(found), found.changes);
    const QString preview = vantor::previewText(found.preview);
    row.description = preview.isEmpty() ? found.why : preview + QLatin1Char('\n') + found.why;
    return row;
}

void FinderModel::setAnswer(const std::vector<FoundLoadout>& loadouts, vantor::FinderRank rank) {
    beginResetModel();
    figureCaption = vantor::finderRankName(rank).toLatin1();
    rows.clear();
    rows.reserve(loadouts.size());
    for (std::size_t i = 0; i < loadouts.size(); ++i)
        rows.push_back(makeRow(loadouts[i], int(i) + 1));
    endResetModel();
}

int FinderModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows.size());
}

int FinderModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

TableColumn FinderModel::column(int section) const {
    TableColumn c = FinderColumns[std::size_t(section)];
    if (section == FigureColumn)
        c.caption = figureCaption.constData();
    return c;
}

QVariant FinderModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Row& row = rows[std::size_t(index.row())];
    const auto c = std::size_t(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return row.text[c];
    case SortRole:
        return columnSortValue(column(index.column()), row.text[c], row.number[c]);
    case Qt::ForegroundRole:
        if (index.column() == StatusColumn && row.statusColour.isValid())
            return row.statusColour;
        return {};
    case Qt::TextAlignmentRole:
        return columnAlignment(column(index.column()));
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        return row.description;
    default:
        return {};
    }
}

QVariant FinderModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return columnHeader(column(section), role);
}

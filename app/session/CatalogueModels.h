#pragma once

// The tables of the catalogue window as item models: every VT with its own
// figures, and every weapon the current VT's weapon selectors offer with what
// picking it into a chosen slot would do. A proxy sorts them by number and
// filters them by name; the window only shows them.

#include "core/Preview.h"
#include "model/Loadout.h"
#include "weapons/WeaponCatalogue.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

// The value a column sorts by: a number for figures, the text otherwise.
inline constexpr int SortRole = Qt::UserRole + 1;
// True for a cell that has no figure ("N/A"), which sorts last either way.
inline constexpr int MissingRole = Qt::UserRole + 2;

class VtTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        VtColumn,
        FactionColumn,
        GenerationColumn,
        AvailabilityColumn,
        StandardLoadColumn, // the eleven ranked figures, in rank order
        MaximumLoadColumn,
        MaxSpeedColumn,
        DurabilityColumn,
        BalancerColumn,
        TurnSpeedColumn,
        VeeringColumn,
        TorqueColumn,
        FuelEfficiencyColumn,
        SupplyCostColumn,
        SortieCostColumn,
        FuelTanksColumn,
        FixedWeaponsColumn,
        ColumnCount
    };

    explicit VtTableModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Marks the VT in the window (-1 for none).
    void setCurrentVt(int vt);
    int currentVt() const { return current; }

private:
    int current = -1;
};

class WeaponTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        WeaponColumn,
        KindColumn,
        SlotsColumn,
        LoadColumn,
        DamageColumn,
        RangeColumn,
        AmmunitionColumn,
        MagazinesColumn,
        GuidedColumn,
        TotalIfPickedColumn,
        StatusIfPickedColumn,
        ColumnCount
    };

    // What the six weapon selectors offer: how many items each holds and
    // whether it is locked on a fixed weapon. MW1..MW3, then SW1..SW3.
    struct Selectors {
        std::array<int, 6> items{};
        std::array<bool, 6> fixed{};
        friend bool operator==(const Selectors&, const Selectors&) = default;
    };

    explicit WeaponTableModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Shows the weapons of `loadout` as `selectors` offer them, and what
    // picking each into `slot` (0-5: MW1..SW3) would do. The rows are built
    // afresh only when the offer changes; otherwise only the previews change.
    void show(const vantor::Loadout& loadout, const vantor::SelectorFacts& facts,
              const Selectors& selectors, int slot);

    // The selector item that picks row `row` into the chosen slot, or why
    // it cannot be picked there.
    struct Placement {
        std::optional<vantor::Pick> pick;
        QString reason;
    };
    Placement placement(int row) const;
    int slot() const { return chosenSlot; }
    static QString slotName(int slot);

private:
    struct Row {
        const vantor::WeaponEntry* weapon = nullptr;
        vantor::WeaponKind kind = vantor::WeaponKind::Main;
        int item = 0;                    // its item (list row) in every selector of its kind
        std::array<bool, 3> offeredIn{}; // the slots of its kind that offer it
        std::array<bool, 3> fixedIn{};   // the fixed slots that hold it
        QString slotsText;
        QString total; // if picked into the chosen slot; "N/A" where it cannot be
        QString status;
        std::int32_t statusValue = vantor::StatusNone;
    };
    void buildRows(const vantor::Loadout& loadout);
    void previewRows(const vantor::Loadout& loadout, const vantor::SelectorFacts& facts);

    std::vector<Row> rows;
    Selectors offered;
    int vt = -2;
    int chosenSlot = 0;
};

// Sorts by SortRole with "N/A" last in either order and equal values in
// catalogue order, whatever order they were in before; filters on any part
// of the first column's text, taken literally and in any case, and on a
// faction for the VT table. The sorted column's header says its order.
class CatalogueProxy : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit CatalogueProxy(QObject* parent = nullptr);

    // "" for every faction.
    void setFaction(const QString& faction);
    // Text a name must contain; "" for every name.
    void setNameFilter(const QString& text);
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // The rows as shown, tab-separated, with the column captions first.
    QString tableText() const;

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    QString faction;
    QString nameFilter;
};

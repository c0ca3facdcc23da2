#pragma once

// The catalogue's table of every weapon the current VT's weapon selectors
// offer, with the slots that offer it and what picking it into a chosen slot
// would do.

#include "app/tools/TableColumns.h"
#include "core/Preview.h"
#include "model/Loadout.h"
#include "weapons/WeaponCatalogue.h"

#include <QAbstractTableModel>

#include <array>
#include <optional>
#include <vector>

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
        std::uint32_t totalValue = 0;
        QString status;
        std::int32_t statusValue = vantor::StatusNone;
    };
    // A cell's text and the number it sorts by, if it has one.
    struct Cell {
        QString text;
        std::optional<double> number;
    };
    Cell cell(const Row& row, int column) const;
    void buildRows(const vantor::Loadout& loadout);
    void previewRows(const vantor::Loadout& loadout, const vantor::SelectorFacts& facts);

    std::vector<Row> rows;
    Selectors offered;
    int vt = -2;
    int chosenSlot = 0;
};

#pragma once

// The catalogue's table of every VT with its own figures, as the Stats view
// shows them with nothing fitted; the VT in the window is marked. The
// catalogue shows it sorted, and filtered by name and faction.

#include "app/tools/SortedTableProxy.h"
#include "app/tools/TableColumns.h"

#include <QAbstractTableModel>

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

// The VT table as the catalogue shows it: sorted and filtered by name as
// every sorted table is, and filtered by faction too.
class VtTableProxy : public SortedTableProxy {
    Q_OBJECT

public:
    using SortedTableProxy::SortedTableProxy;

    // "" for every faction.
    void setFaction(const QString& faction);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    QString faction;
};

#pragma once

// The catalogue: a tool window beside the main window with every VT and every
// weapon the current VT offers, sortable by any column and filtered by name
// and faction, from which a VT or a weapon is picked into the main window.
// It shows what it is given and asks for picks; the main window makes them.
// Closing it only hides it, and while hidden it is given nothing.

#include "app/tools/ToolWindow.h"
#include "app/tools/VtTableModel.h"
#include "app/tools/WeaponTableModel.h"

class HandlerGuard;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableView;

class CatalogueWindow : public ToolWindow {
    Q_OBJECT

public:
    CatalogueWindow(QWidget* mainWindow, ToolWindowHost& host);

    void follow() override;
    // The loadout in the main window, what its selectors hold and offer.
    void showLoadout(const vantor::Loadout& loadout, const vantor::SelectorFacts& facts,
                     const WeaponTableModel::Selectors& selectors);

protected:
    void prepareFirstShow() override;
    void presented() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // Smaller than this, on a small screen, the tables scroll.
    static constexpr QSize LeastSize{260, 220};

    QTableView* makeTable(const char* name, SortedTableProxy* proxy, const QString& accessibleName);
    void pickRow(QTableView* table, const QModelIndex& index);
    void describeSort(QTableView* table);
    void showReason(const QModelIndex& current);
    void setReason(const QString& text);
    void copyTable();
    void previewSlot();

    HandlerGuard& guard;
    VtTableModel* vtModel = nullptr;
    WeaponTableModel* weaponModel = nullptr;
    VtTableProxy* vtProxy = nullptr;
    SortedTableProxy* weaponProxy = nullptr;
    QTabWidget* tabs = nullptr;
    QTableView* vtTable = nullptr;
    QTableView* weaponTable = nullptr;
    QLineEdit* filter = nullptr;
    QComboBox* factionFilter = nullptr;
    QComboBox* slotSelect = nullptr;
    QLabel* reason = nullptr;
    QPushButton* copyButton = nullptr;

    // What the weapon table was last given, for a change of the chosen slot.
    vantor::Loadout loadout;
    vantor::SelectorFacts facts;
    WeaponTableModel::Selectors selectors;
};

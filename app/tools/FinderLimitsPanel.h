#pragma once

// The loadout finder's limits, in four columns above its table: the figure
// to rank by, the worst load status and the scope; the items a loadout must
// carry; the fuel tanks, reach, cover and guided weapon; the selectors kept
// as in the main window. It says when any of them changes; what is searched
// then is the finder window's business.

#include "core/Finder.h"
#include "weapons/WeaponLists.h"

#include <QWidget>

#include <array>
#include <vector>

class HandlerGuard;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

class FinderLimitsPanel : public QWidget {
    Q_OBJECT

public:
    // Every change runs inside `guard`, as the main window's handlers do.
    FinderLimitsPanel(QWidget* parent, HandlerGuard& guard);

    // The weapons the main window's selectors offer, to choose what a
    // loadout must carry: the VT's lists in `loadout` and how many items
    // each weapon selector offers (MW1..MW3, SW1..SW3). The list is filled
    // again only where that changes.
    void offerWeapons(const vantor::Loadout& loadout, const std::array<int, 6>& weaponItems);

    // Whether the line saying that loadouts with a launched MM are left out
    // shows: where the Prominence M2, the VT with an MM to launch, is searched.
    void showMmNote(bool shown);

    vantor::FinderRank rank() const;
    vantor::FinderScope scope() const;
    vantor::FinderLimits limits() const;
    // The controls in the order Tab goes through them.
    QList<QWidget*> tabOrder() const;

signals:
    // A limit, the ranked figure or the scope changed.
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildRanking(class QFormLayout* form);
    QLayout* buildMustCarry();
    QLayout* buildOther();
    QWidget* buildKeep();
    void connectChanges();
    void fillMustCarryOffer();
    void addMustCarry();
    void removeMustCarry();
    vantor::FinderRequirement chosenRequirement() const;

    HandlerGuard& guard;
    QComboBox* rankSelect = nullptr;
    QComboBox* statusSelect = nullptr;
    QCheckBox* allowMountOver = nullptr;
    QComboBox* scopeSelect = nullptr;
    QLabel* mmNote = nullptr;
    QComboBox* mustCarrySelect = nullptr;
    QSpinBox* mustCarryLevel = nullptr;
    QPushButton* mustCarryAdd = nullptr;
    QListWidget* mustCarryList = nullptr;
    std::array<QCheckBox*, vantor::SelectorCount> keep{}; // by selectorIndex(); none for the VT
    QSpinBox* fuelTanks = nullptr;
    QSpinBox* reach = nullptr;
    QCheckBox* cover = nullptr;
    QSpinBox* coverFrom = nullptr;
    QSpinBox* coverTo = nullptr;
    QCheckBox* guided = nullptr;

    // The weapons the selectors offer, as the catalogue's weapon table lists them.
    std::vector<vantor::OfferedWeapon> offered;
    // The requirements in the list, in its order.
    std::vector<vantor::FinderRequirement> mustCarry;
};

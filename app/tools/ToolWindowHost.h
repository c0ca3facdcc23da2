#pragma once

// What a tool window sees of the main window and its session, and what it
// may ask of them. The main window is the one host; a tool window reads what
// it shows in follow(), and whatever it asks for is one step, taken back by
// Ctrl+Z, as the user would make it in the main window.

#include "app/areas/RangeChartPage.h"
#include "core/Comparison.h"
#include "core/Preview.h"
#include "model/Loadout.h"
#include "reports/LoadoutText.h"

#include <QList>

#include <array>
#include <optional>
#include <vector>

class HandlerGuard;
class QWidget;

class ToolWindowHost {
public:
    // Every action of a tool window runs inside this guard, as the main
    // window's do.
    virtual HandlerGuard& handlerGuard() = 0;
    // The parts of the main window no tool window may cover: its selection
    // column and its load status.
    virtual QList<QWidget*> keptInSight() const = 0;

    // The loadout as the main window shows it, what its selectors hold and
    // offer, and which weapon slots are fixed.
    virtual const vantor::Loadout& currentLoadout() const = 0;
    virtual vantor::LoadoutPicks currentPicks() const = 0;
    virtual vantor::SelectorFacts pickFacts() const = 0;
    virtual std::array<int, 6> weaponItemCounts() const = 0;
    virtual std::array<bool, 6> fixedWeaponSlots() const = 0;
    // The pinned loadout against the current one, and both loadouts' range
    // charts; no rows and no pinned chart before a loadout is pinned.
    virtual std::vector<vantor::ComparisonRow> comparisonRows() const = 0;
    virtual std::optional<RangeChartPage::State> pinnedChart() const = 0;
    virtual RangeChartPage::State currentChart() const = 0;

    // Item `item` of `selector` picked, as in its list.
    virtual void pickItem(vantor::Selector selector, int item) = 0;
    // A whole loadout put into the window, or pinned without changing it.
    virtual void pickLoadout(const vantor::LoadoutPicks& picks) = 0;
    virtual void pinLoadout(const vantor::LoadoutPicks& picks) = 0;
    // The pinned loadout back into the window, the current one pinned.
    virtual void swapWithPinned() = 0;

protected:
    ~ToolWindowHost() = default;
};

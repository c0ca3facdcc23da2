// The tool windows beside the main window: each is made the first time it is
// asked for, shows the loadout as it is, and follows it from then on; what
// the user picks in one reaches the window as the pick of that item would.

#include "app/window/TVantor.h"

#include "app/tools/CatalogueWindow.h"
#include "app/tools/CompareWindow.h"
#include "app/tools/FinderWindow.h"
#include "app/tools/GuideWindow.h"
#include "core/Preview.h"
#include "reports/LoadoutCode.h"

void TVantor::BrowseCatalogue() {
    if (!catalogue) {
        catalogue = new CatalogueWindow(this, guard);
        session->commands().shareShortcutsWith(catalogue);
        connect(catalogue, &CatalogueWindow::vtPicked, this, [this](int vt) {
            guard.run([this, vt] { pickFromCatalogue(vantor::Selector::Vt, vt); });
        });
        connect(catalogue, &CatalogueWindow::weaponPicked, this,
                [this](vantor::Selector selector, int item) {
                    guard.run([this, selector, item] { pickFromCatalogue(selector, item); });
                });
    }
    // Shown as it is now before it opens; from then on it follows every step.
    catalogue->showLoadout(loadout, selection->pickFacts(),
                           {selection->weaponItemCounts(), selection->fixedWeaponSlots()});
    catalogue->present();
}

void TVantor::showComparison() {
    if (!compare) {
        compare = new CompareWindow(this, guard);
        session->commands().shareShortcutsWith(compare);
        connect(compare, &CompareWindow::swapRequested, session, &SessionController::swap);
    }
    refreshComparison();
    compare->present();
}

void TVantor::refreshComparison() {
    if (!compare)
        return;
    compare->showRows(session->comparisonRows());
    const std::optional<SessionState>& pinned = session->pinnedState();
    compare->showRanges(pinned ? std::optional(pinned->chart) : std::nullopt, chart->state());
}

void TVantor::showFinder() {
    if (!finder) {
        finder = new FinderWindow(this, guard);
        session->commands().shareShortcutsWith(finder);
        connect(finder, &FinderWindow::loadoutPicked, this, &TVantor::pickFoundLoadout);
        connect(finder, &FinderWindow::loadoutPinned, this, &TVantor::pinFoundLoadout);
    }
    // It opens with the answer for the loadout as it is now.
    finder->showLoadout(selection->currentPicks(), loadout, selection->weaponItemCounts());
    finder->present();
}

void TVantor::updateFinder() {
    if (finder && finder->isVisible())
        finder->showLoadout(selection->currentPicks(), loadout, selection->weaponItemCounts());
}

void TVantor::pickFoundLoadout(const vantor::LoadoutPicks& picks) {
    session->step(QStringLiteral("Pick Found Loadout"), [this, &picks] { applyPicks(picks); });
}

// The found loadout is built in the window, taken as it shows, and the window
// goes back to what it showed, with no step in the history.
void TVantor::pinFoundLoadout(const vantor::LoadoutPicks& picks) {
    const SessionState before = captureState();
    applyPicks(picks);
    SessionState found = captureState();
    restoreState(before);
    session->pinState(std::move(found));
}

void TVantor::showGuide() {
    if (!guide)
        guide = new GuideWindow(this);
    guide->present();
}

void TVantor::updateCatalogue() {
    if (catalogue && catalogue->isVisible())
        catalogue->showLoadout(loadout, selection->pickFacts(),
                               {selection->weaponItemCounts(), selection->fixedWeaponSlots()});
}

// A pick from the catalogue is the pick of that item in its selector, as one
// step, exactly as the user makes it there.
void TVantor::pickFromCatalogue(vantor::Selector selector, int item) {
    selection->select(selector, item);
    if (selector == vantor::Selector::Vt) {
        session->selectorStep(selector, [this] { VTSelectChange(); });
        return;
    }
    const vantor::WeaponSlot weapon = vantor::weaponSlotOf(selector);
    session->selectorStep(selector,
                          [this, weapon] { weaponSelectChange(weapon.kind, weapon.slot); });
}

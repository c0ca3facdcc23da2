// The tool windows beside the main window: each is made the first time its
// command asks for it, shows the loadout as it is, and follows it from then
// on; what the user asks for in one reaches the window as the user would make
// it here, as one step.

#include "app/window/TVantor.h"

#include "app/tools/ToolWindow.h"
#include "app/tools/ToolWindows.h"

#include <QLabel>

void TVantor::openToolWindow(int kind) {
    if (toolWindows.size() < toolWindowKinds().size())
        toolWindows.resize(toolWindowKinds().size());
    QPointer<ToolWindow>& window = toolWindows[kind];
    if (!window) {
        window = toolWindowKinds()[kind].make(this, *this);
        session->commands().shareShortcutsWith(window);
    }
    window->present();
}

void TVantor::followToolWindows() {
    for (ToolWindow* window : std::as_const(toolWindows))
        if (window && window->isVisible())
            window->follow();
}

// Tool windows leave the selection column and the load status in sight.
QList<QWidget*> TVantor::keptInSight() const {
    return {selectionColumn, views->statusLabel()};
}

vantor::LoadoutPicks TVantor::currentPicks() const {
    return selection->currentPicks();
}

vantor::SelectorFacts TVantor::pickFacts() const {
    return selection->pickFacts();
}

std::array<int, 6> TVantor::weaponItemCounts() const {
    return selection->weaponItemCounts();
}

std::array<bool, 6> TVantor::fixedWeaponSlots() const {
    return selection->fixedWeaponSlots();
}

std::vector<vantor::ComparisonRow> TVantor::comparisonRows() const {
    return session->comparisonRows();
}

std::optional<RangeChartPage::State> TVantor::pinnedChart() const {
    const std::optional<SessionState>& pinned = session->pinnedState();
    return pinned ? std::optional(pinned->chart) : std::nullopt;
}

RangeChartPage::State TVantor::currentChart() const {
    return chart->state();
}

void TVantor::pickItem(vantor::Selector selector, int item) {
    guard.run([this, selector, item] { pickFromCatalogue(selector, item); });
}

void TVantor::pickLoadout(const vantor::LoadoutPicks& picks) {
    guard.run([this, &picks] { pickFoundLoadout(picks); });
}

void TVantor::pinLoadout(const vantor::LoadoutPicks& picks) {
    guard.run([this, &picks] { pinFoundLoadout(picks); });
}

void TVantor::swapWithPinned() {
    guard.run([this] { session->swap(); });
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

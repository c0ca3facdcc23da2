#pragma once

// What a pick would do before it is made: the pick's own steps run on a copy
// of the loadout record, and the figures the player decides by are read off
// the result. Nothing here knows a second way to reckon a load or a status.

#include "core/Selector.h"
#include "model/Loadout.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace vantor {

// What the pick's steps read besides the record: the item each selector holds
// (-1 for none, as under typed text or "Set Level").
struct SelectorFacts {
    int vt = -1;
    int part1 = -1;
    int level1 = -1;
    int part2 = -1;
    int level2 = -1;
};

struct Pick {
    Selector selector = Selector::Fuel; // the VT selector previews nothing
    int item = -1;
};

// Runs the load and statistic steps of `pick` on `loadout` as the window's
// handler runs them, then recomputes; `facts` is updated to what the
// selectors hold afterwards. False, with nothing changed, for a pick the
// handler would refuse (an item that is no row, a VT pick).
bool applyPick(Loadout& loadout, SelectorFacts& facts, const Pick& pick);

// A figure the pick changes, with its value before and after.
struct FigureChange {
    QString name;
    QString before;
    QString after;
    friend bool operator==(const FigureChange&, const FigureChange&) = default;
};

struct PickPreview {
    // False where the pick cannot be made (a VT pick, an item that is no
    // row): there is nothing to preview. A pick that changes nothing applies.
    bool applicable = false;
    std::uint32_t totalLoad = 0;
    std::uint32_t standardLoad = 0;
    std::uint32_t maximumLoad = 0;
    std::int32_t status = StatusNone;
    std::uint32_t totalBefore = 0;
    std::int32_t statusBefore = StatusNone;
    std::vector<FigureChange> changes; // the statistics the pick changes

    long long loadChange() const { return (long long)totalLoad - (long long)totalBefore; }
    bool statusChanges() const { return status != statusBefore; }
};

// The loadout that picking `pick` now would give, compared with `loadout`.
PickPreview previewPick(const Loadout& loadout, const SelectorFacts& facts, const Pick& pick);
// The same for an already computed result of the pick.
PickPreview comparePick(const Loadout& before, const Loadout& after);

// "+5", "−2" (with a minus sign), "±0".
QString loadChangeText(long long change);
// "→ STD OVER" where the status changes; empty where it stays.
QString statusChangeText(const PickPreview& preview);
// "If picked: total load 17 of 15 / 18, STD OVER (now VT OK)", then one line
// per changed statistic ("Turn Speed 42.2 (now 37.4)"). Empty for a pick
// that does not apply.
QString previewText(const PickPreview& preview);

} // namespace vantor

#pragma once

// The loadout finder's yardstick: a plain complete enumeration of a request,
// nested loops over every item of every selector, no pruning, the same items
// in another order among selectors of one list counted once, each loadout
// weighed by the window's own steps (one record per fuel and part choice, run
// through the picks; the weapons' loads, bands and damage added from the
// lists). The finder's tests check its answers against it, and the finder's
// benchmark times both.

#include "core/Finder.h"

#include <array>
#include <cstdint>
#include <tuple>
#include <vector>

// A loadout's items: VT, fuel, part, level, part, level, six weapons.
using Items = std::array<int, 12>;

struct Oracle {
    std::int64_t score = 0;
    std::uint32_t load = 0;
    bool lead = false;
    Items items{}; // the lower items first among selectors of one list
    int changes = 0;
    vantor::LoadoutPicks picks;
    // The figure, the load, the leading loadout, the items.
    bool operator<(const Oracle& o) const {
        return std::tie(o.score, load, o.lead, items) < std::tie(score, o.load, lead, o.items);
    }
};

// The best loadouts of the request, as the finder ranks them: the best
// `count` of the current VT, or the best of each VT, ranked.
std::vector<Oracle> oracle(const vantor::FinderRequest& request);

// The window's own steps for a set of picks: the VT, then each pick as its
// handler runs it (a weapon's handler also shows it, storing its band).
vantor::Loadout recordOf(const vantor::LoadoutPicks& picks);

// The ranked figure in hundredths, negated where lower is better.
std::int64_t scoreOf(vantor::FinderRank rank, double figure);

#pragma once

// The finder's search over the spaces of the VTs, and the reason it gives
// when nothing fits. Only the finder and its benchmark use this.

#include "core/Finder.h"
#include "core/FinderSpace.h"

#include <atomic>
#include <vector>

namespace vantor::finder {

// A loadout the search keeps, whole: it outlives its VT's space.
struct Found {
    Key key;
    int changes = 0; // against the window's loadout
    double figure = 0;
    int vt = -1;
    Context context;
    WeaponSet main;
    WeaponSet sub;
    std::array<bool, 3> mainFixed{};
    std::array<bool, 3> subFixed{};
};

struct SearchResult {
    std::vector<Found> found; // best first
    bool cancelled = false;
};

// The best `request.count` loadouts of the current VT, or the best loadout of
// each VT, ranked.
SearchResult search(const FinderRequest& request, const std::atomic<bool>* cancel = nullptr);

// Why nothing fits the request, in one sentence.
QString nothingFitsReason(const FinderRequest& request);

} // namespace vantor::finder

#pragma once

// Which optional part icons to draw after a recomputation: only the slot whose
// bonus is effective shows its part.

#include <optional>

namespace vantor {

// The selector facts of one part slot.
struct SlotFacts {
    int partIndex;     // item index of the part selector, -1 for typed text
    int levelIndex;    // item index of the level selector, -1 for none
    bool levelSet;     // the level selector does not read "Set Level"
    bool levelEnabled; // the level selector is enabled
};

// Pictures to draw into the two icons; nothing leaves an icon as it is.
struct IconDraws {
    std::optional<int> slot1, slot2;
};

IconDraws iconRules(const SlotFacts& slot1, const SlotFacts& slot2);

} // namespace vantor

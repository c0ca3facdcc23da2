#include "equipment/IconRules.h"

#include "equipment/OptionalParts.h"

namespace vantor {

namespace {

// Two equal parts: the higher level shows, slot 1 on a tie.
void sameParts(IconDraws& d, const SlotFacts& s1, const SlotFacts& s2) {
    if (!s1.levelEnabled && !s2.levelEnabled) {
        d.slot1 = s1.partIndex;
        d.slot2 = IconBlank;
    } else if (s1.levelSet && s2.levelSet) {
        if (s1.levelIndex >= s2.levelIndex) {
            d.slot1 = s1.partIndex;
            d.slot2 = IconBlank;
        } else {
            d.slot2 = s2.partIndex;
            d.slot1 = IconBlank;
        }
    }
}

// "Advanced Mount" in slot `adv` with "Additional Mount" in the other: the
// Advanced Mount alone, unless the Additional Mount has the higher level; then
// the Advanced Mount shows only its standard-load increase.
void mountParts(std::optional<int>& advIcon, std::optional<int>& addIcon, const SlotFacts& adv,
                const SlotFacts& add) {
    if (adv.partIndex != PartAdvancedMount || add.partIndex != PartAdditionalMount ||
        !adv.levelSet || !add.levelSet)
        return;
    if (adv.levelIndex >= add.levelIndex) {
        addIcon = IconBlank;
    } else {
        advIcon = IconStandardLoadOnly;
        addIcon = PartAdditionalMount;
    }
}

} // namespace

IconDraws iconRules(const SlotFacts& s1, const SlotFacts& s2) {
    IconDraws d;
    if (s1.partIndex == s2.partIndex) {
        sameParts(d, s1, s2);
    } else {
        if (s1.levelSet)
            d.slot1 = s1.partIndex;
        if (s2.levelSet)
            d.slot2 = s2.partIndex;
    }
    mountParts(d.slot1, d.slot2, s1, s2);
    mountParts(d.slot2, d.slot1, s2, s1);
    // A part selector holding typed text has no picture to draw.
    if (d.slot1 && *d.slot1 < 0)
        d.slot1.reset();
    if (d.slot2 && *d.slot2 < 0)
        d.slot2.reset();
    return d;
}

} // namespace vantor

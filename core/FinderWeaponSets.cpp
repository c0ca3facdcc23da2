#include "core/FinderWeaponSets.h"

#include "model/Format.h"
#include "weapons/WeaponSlots.h"

#include <algorithm>

namespace vantor::finder {

namespace {

// What the current loadout's weapon slots hold, as weapon ids.
std::array<std::array<std::uint32_t, 3>, 2> currentIds(const LoadoutPicks& current) {
    std::array<std::array<std::uint32_t, 3>, 2> ids{};
    if (current.vt < 0 || current.vt >= VtCount)
        return ids;
    for (WeaponKind kind : {WeaponKind::Main, WeaponKind::Sub}) {
        const auto rows = rowIds(current.vt, kind);
        const auto& picks = kind == WeaponKind::Main ? current.main : current.sub;
        for (int s = 0; s < 3; ++s) {
            const int item = picks[std::size_t(s)].item;
            if (item >= 0 && item < WeaponListRows)
                ids[std::size_t(kind)][std::size_t(s)] = rows[std::size_t(item)];
        }
    }
    return ids;
}

// One weapon selector of the VT, as the search sees it.
struct SlotOffer {
    int items = 0;      // the items the selector offers
    int fixed = -1;     // the fixed weapon's position, or -1
    int kept = -1;      // the kept item, or -1
    int groupPrev = -1; // an earlier free slot offering the very same list, or -1
    std::array<int, 2> fixedBand{};
};

// The items of `items` in the order `offer` lists them once: the lower items
// first among the free slots that offer the same list.
std::array<int, 3> listedOrder(const std::array<SlotOffer, 3>& offer, std::array<int, 3> items) {
    for (std::size_t s = 1; s < 3; ++s)
        for (std::size_t t = s; offer[t].groupPrev >= 0; t = std::size_t(offer[t].groupPrev)) {
            const auto prev = std::size_t(offer[t].groupPrev);
            if (items[prev] <= items[t])
                break;
            std::swap(items[prev], items[t]);
        }
    return items;
}

class SetBuilder {
public:
    // `current` is what the window's slots hold, as weapon ids; a set of the
    // same weapons as `arrangement` (items of the VT's slots) stands as it.
    SetBuilder(const Loadout& base, WeaponKind kind, const std::array<SlotOffer, 3>& offer,
               const std::array<std::uint32_t, 3>& current, bool currentVt,
               const std::optional<std::array<int, 3>>& arrangement, const FinderLimits& limits,
               std::vector<WeaponSet>& sets, std::vector<std::array<std::array<int, 2>, 3>>& bands)
        : base(base), kind(kind), offer(offer), current(current), currentVt(currentVt),
          arrangement(arrangement),
          arrangementListed(arrangement ? listedOrder(offer, *arrangement) : std::array<int, 3>{}),
          limits(limits), sets(sets), bands(bands) {}

    void run() { place(0); }

private:
    const Loadout& base;
    WeaponKind kind;
    const std::array<SlotOffer, 3>& offer;
    const std::array<std::uint32_t, 3>& current;
    bool currentVt;
    std::optional<std::array<int, 3>> arrangement;
    std::array<int, 3> arrangementListed; // as the sets list them
    const FinderLimits& limits;
    std::vector<WeaponSet>& sets;
    std::vector<std::array<std::array<int, 2>, 3>>& bands;
    std::array<int, 3> items{};

    const WeaponColumn& idColumn() const {
        return kind == WeaponKind::Main ? base.MainWeaponListId : base.SubWeaponListId;
    }
    const WeaponColumn& loadColumn() const {
        return kind == WeaponKind::Main ? base.MainWeaponListLoad : base.SubWeaponListLoad;
    }

    void place(int slot) {
        if (slot == 3) {
            finish();
            return;
        }
        const SlotOffer& o = offer[std::size_t(slot)];
        if (o.fixed >= 0 || o.kept >= 0) {
            items[std::size_t(slot)] = o.fixed >= 0 ? o.fixed : o.kept;
            place(slot + 1);
            return;
        }
        // The same items in another order among slots offering the same list
        // are one loadout: the lower items go to the earlier slots.
        const int first = o.groupPrev >= 0 ? items[std::size_t(o.groupPrev)] : 0;
        for (int item = first; item < o.items; ++item) {
            items[std::size_t(slot)] = item;
            place(slot + 1);
        }
    }

    // The set's slots as the arrangement holds the same weapons, group by
    // group of slots offering one list; the listed order elsewhere.
    std::array<int, 3> arranged() const {
        std::array<int, 3> placed = items;
        if (!arrangement)
            return placed;
        std::array<std::size_t, 3> group{0, 1, 2};
        for (std::size_t s = 0; s < 3; ++s)
            if (offer[s].groupPrev >= 0)
                group[s] = group[std::size_t(offer[s].groupPrev)];
        for (std::size_t g = 0; g < 3; ++g) {
            bool same = true;
            for (std::size_t s = 0; s < 3; ++s)
                same = same && (group[s] != g || items[s] == arrangementListed[s]);
            for (std::size_t s = 0; s < 3 && same; ++s)
                if (group[s] == g)
                    placed[s] = (*arrangement)[s];
        }
        return placed;
    }

    void finish() {
        WeaponSet set;
        std::array<std::array<int, 2>, 3> band{};
        set.items = arranged();
        for (std::size_t s = 0; s < 3; ++s)
            set.items12 = (set.items12 << 4) | std::uint64_t(items[s]);
        for (std::size_t s = 0; s < 3; ++s) {
            const auto row = std::size_t(set.items[s]);
            const std::uint32_t id = idColumn()[row];
            const WeaponEntry* entry = weaponById(kind, id);
            const bool fixed = offer[s].fixed >= 0;
            set.ids[s] = id;
            // A fixed weapon's slot is never picked: its load stays 0.
            set.load += fixed ? 0 : loadColumn()[row];
            set.damage += int(figureValue(entry->DamageText).value_or(0));
            band[s] =
                fixed ? offer[s].fixedBand : std::array<int, 2>{entry->MinRange, entry->MaxRange};
            if (id == 0)
                band[s] = {0, -1};
            set.reach = std::max(set.reach, band[s][1]);
            set.mount[s] = fixed || entry->Mount;
            set.guided = set.guided || entry->GuidedText == "Yes";
            // A fixed weapon stays where choosing the VT put it: no change on the current VT.
            set.changes += id != current[s] && !(fixed && currentVt) ? 1 : 0;
        }
        if (!carriesRequired(set) || !reaches(band))
            return;
        sets.push_back(set);
        bands.push_back(band);
    }

    bool carriesRequired(const WeaponSet& set) const {
        const auto want =
            kind == WeaponKind::Main ? FinderRequirement::MainWeapon : FinderRequirement::SubWeapon;
        for (const FinderRequirement& r : limits.mustCarry) {
            if (r.kind != want)
                continue;
            const auto required = std::count(limits.mustCarry.begin(), limits.mustCarry.end(), r);
            const auto held = std::count(set.ids.begin(), set.ids.end(), std::uint32_t(r.id));
            if (held < required)
                return false;
        }
        return true;
    }

    bool reaches(const std::array<std::array<int, 2>, 3>& band) const {
        if (kind != WeaponKind::Main || !limits.reach)
            return true;
        return std::any_of(band.begin(), band.end(),
                           [d = *limits.reach](const auto& b) { return b[0] <= d && d <= b[1]; });
    }
};

} // namespace

WeaponSets weaponSets(const Loadout& base, const VtChoice& choice, WeaponKind kind,
                      const FinderRequest& request, bool currentVt) {
    WeaponSets out;
    const bool main = kind == WeaponKind::Main;
    const auto& selectors = main ? choice.main : choice.sub;
    const auto& picks = main ? request.current.main : request.current.sub;
    std::array<SlotOffer, 3> offer;
    for (int s = 0; s < 3; ++s) {
        SlotOffer& o = offer[std::size_t(s)];
        const WeaponSelectorChoice& c = selectors[std::size_t(s)];
        o.items = int(c.items.size());
        if (c.fixed) {
            o.fixed = c.index;
            out.fixed[std::size_t(s)] = true;
            Loadout copy = base;
            const auto fields = weaponSlotFields(copy, kind, s + 1);
            o.fixedBand = {*fields->rangeMin, *fields->rangeMax};
            continue;
        }
        if (currentVt && request.limits.keep[selectorIndex(weaponSelector(kind, s + 1))]) {
            o.kept = std::max(picks[std::size_t(s)].item, 0);
            out.noneFit = out.noneFit || o.kept >= o.items;
            continue;
        }
        for (int prev = s - 1; prev >= 0 && o.groupPrev < 0; --prev) {
            const SlotOffer& p = offer[std::size_t(prev)];
            if (p.fixed < 0 && p.kept < 0 && p.items == o.items)
                o.groupPrev = prev;
        }
    }
    if (out.noneFit)
        return out;
    const auto itemsOf = [&offer](const std::array<WeaponPick, 3>& held) {
        std::array<int, 3> items{};
        for (std::size_t s = 0; s < 3; ++s)
            items[s] = offer[s].fixed >= 0 ? offer[s].fixed : std::max(held[s].item, 0);
        return items;
    };
    const LoadoutPicks& leading = request.leading;
    const std::array<int, 3> leadItems = itemsOf(main ? leading.main : leading.sub);
    const auto current = currentIds(request.current);
    SetBuilder(base, kind, offer, current[std::size_t(kind)], currentVt,
               base.VTIndex == leading.vt ? std::optional(leadItems) : std::nullopt, request.limits,
               out.sets, out.bands)
        .run();
    for (int item : listedOrder(offer, leadItems))
        out.leadItems = (out.leadItems << 4) | std::uint64_t(item);
    return out;
}

} // namespace vantor::finder

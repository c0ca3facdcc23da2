#pragma once

// The loadouts one VT can carry under the finder's limits, as the finder
// searches them: the fuel and part choices joined into contexts, the three
// weapon slots of each kind joined into sets, and every figure a loadout is
// ranked by, reckoned once per VT by running the window's own steps. Only the
// finder and its benchmark use this.

#include "core/Finder.h"
#include "model/PartIndex.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace vantor::finder {

inline constexpr int NoLevel = -1;

// What one part slot holds: the part selector's item and the level item
// (0-2), or NoLevel where the level selector holds none.
struct PartItem {
    int part = PartUnarmed;
    int level = NoLevel;
    friend bool operator==(const PartItem&, const PartItem&) = default;
};

// The figures a part choice leaves in its slot, read off the record after
// its picks.
struct PartBonus {
    std::uint32_t standard = 0;
    std::uint32_t maximum = 0;
    float balancer = 0;
    float durability = 0;
    float veering = 0;
};
PartBonus partBonus(const PartItem& item);

// The statistics that optional parts raise, in this order.
enum Statistic { StatDurability, StatBalancer, StatVeering, StatCount };

// The fuel tanks and both part slots of a loadout.
struct Context {
    int fuel = 0;
    std::uint32_t fuelLoad = 0;
    // Where both slots take any part, a pair of parts is one context; it is
    // put in the slots as the leading loadout holds them where that holds the
    // same two, else the lower choice first.
    std::array<PartItem, 2> parts{};
    std::uint32_t standard = 0; // the VT's loads with the parts' bonuses
    std::uint32_t maximum = 0;
    std::array<double, StatCount> stats{}; // as the texts show them
    int changes = 0;
    // Fuel, part 1, level 1, part 2, level 2, the lower part choice first:
    // the tie order, the same whatever the window holds.
    std::uint64_t items = 0;
};

// The three weapon slots of one kind.
struct WeaponSet {
    // Selector items; a fixed slot's is its position. The same weapons in
    // slots offering the same list are one set, placed as the leading
    // loadout holds them where it holds the same ones there, else the lower
    // items first.
    std::array<int, 3> items{};
    std::array<std::uint32_t, 3> ids{};
    std::uint32_t load = 0;
    int damage = 0;
    int reach = 0;               // the largest maximum range
    std::array<bool, 3> mount{}; // the slot holds a mount weapon or a fixed one
    bool guided = false;
    int changes = 0;
    // The three items with the lower ones first among slots of one list, 4
    // bits each, first slot highest: the tie order, whatever the window holds.
    std::uint64_t items12 = 0;
};

// Bits of the tie order's item code, highest first: VT, then the context's
// fuel and parts, then main weapons 1-3 and sub-weapons 1-3 at 4 bits each.
inline constexpr int SubShift = 0;
inline constexpr int MainShift = 12;
inline constexpr int ContextShift = 24;
inline constexpr int VtShift = 38;

// The order of two loadouts: the ranked figure, the total load, the leading
// loadout (FinderRequest::leading) before the others, the items. `score` is
// the figure in hundredths, negated where lower is better, so that a larger
// score always ranks first.
struct Key {
    std::int64_t score = 0;
    std::uint32_t load = 0;
    bool lead = false;
    std::uint64_t items = 0;
};
constexpr bool better(const Key& a, const Key& b) {
    if (a.score != b.score)
        return a.score > b.score;
    if (a.load != b.load)
        return a.load < b.load;
    if (a.lead != b.lead)
        return a.lead;
    return a.items < b.items;
}

std::int64_t scoreOf(FinderRank rank, double figure);

// The load left before the next load status: to the standard load at VT OK,
// to the maximum load at STD OVER, none beyond.
constexpr std::int64_t loadLeft(std::int32_t status, std::uint32_t total, std::uint32_t standard,
                                std::uint32_t maximum) {
    if (status == StatusVtOk)
        return std::int64_t(standard) - total;
    if (status == StatusStdOver)
        return std::int64_t(maximum) - total;
    return 0;
}

// The space of one VT under the limits.
struct VtSpace {
    int vt = -1;
    bool currentVt = false; // kept weapon and fuel selectors hold only here
    std::vector<Context> contexts;
    std::vector<WeaponSet> mains;
    std::vector<WeaponSet> subs;
    // Bands of the weapon sets, for the cover limit: [set][slot] = {min, max},
    // max < 0 for an empty slot.
    std::vector<std::array<std::array<int, 2>, 3>> mainBands;
    std::vector<std::array<std::array<int, 2>, 3>> subBands;
    std::array<double, 6> turn{}; // turn speed by load over the standard load, 0 to 5
    double supplyCost = 0;
    double sortieCost = 0;
    std::array<bool, 3> mainFixed{}; // the slot holds a fixed weapon
    std::array<bool, 3> subFixed{};
    // Changes every loadout of the space makes: another VT, or on the
    // current one a launched MM taken back (the finder's loadouts keep it).
    int baseChanges = 0;
    std::uint64_t vtItems = 0;
    // The item codes (Context::items, WeaponSet::items12) of the leading
    // loadout, where it is of this VT.
    struct Lead {
        std::uint64_t context = 0;
        std::uint64_t main = 0;
        std::uint64_t sub = 0;
    };
    std::optional<Lead> lead;

    bool mountsFull(const WeaponSet& sub) const;
    // Whether the union of the slots' bands covers the band without a gap.
    bool covers(std::size_t main, std::size_t sub, const DistanceBand& band) const;
};

// Builds the space of `vt` for the request. The limits on one kind of
// weapon or on the context leave sets and contexts out; the joint ones
// (status, guided, cover) are the search's to check.
VtSpace buildSpace(int vt, const FinderRequest& request);

// The ranked figure of a loadout.
double figureOf(const VtSpace& space, FinderRank rank, const Context& context,
                const WeaponSet& main, const WeaponSet& sub);

Key keyOf(const VtSpace& space, FinderRank rank, const Context& context, const WeaponSet& main,
          const WeaponSet& sub);

// The selectors a loadout changes against the window's.
int changesOf(const VtSpace& space, const Context& context, const WeaponSet& main,
              const WeaponSet& sub);

// The weapon id row r of a kind's selectors stands for on VT `vt`.
std::array<std::uint32_t, WeaponListRows> rowIds(int vt, WeaponKind kind);

} // namespace vantor::finder

#include "core/FinderSpace.h"

#include "core/FinderWeaponSets.h"
#include "core/VtChoice.h"
#include "equipment/OptionalParts.h"
#include "model/Format.h"
#include "model/Overload.h"
#include "model/Recompute.h"
#include "weapons/WeaponLists.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace vantor::finder {

namespace {

std::uint64_t contextItems(int fuel, const std::array<PartItem, 2>& parts) {
    std::uint64_t code = std::uint64_t(fuel);
    for (const PartItem& p : parts)
        code = (code << 6) | (std::uint64_t(p.part) << 2) | std::uint64_t(p.level + 1);
    return code;
}

// Every part choice of one slot, in selector order: a levelled part at each
// of its three levels, the others without a level.
std::vector<PartItem> allPartItems() {
    std::vector<PartItem> items;
    for (const OptionalPart& part : OptionalParts) {
        if (!part.levelled)
            items.push_back({part.index, NoLevel});
        else
            for (int level = 0; level < 3; ++level)
                items.push_back({part.index, level});
    }
    return items;
}

bool partsCarryRequired(const std::array<PartItem, 2>& parts, const FinderLimits& limits) {
    std::vector<FinderRequirement> wanted;
    for (const FinderRequirement& r : limits.mustCarry)
        if (r.kind == FinderRequirement::Part)
            wanted.push_back(r);
    if (wanted.size() > 2)
        return false;
    const auto meets = [](const PartItem& p, const FinderRequirement& r) {
        return p.part == r.id && (!partLevels(r.id) || r.minimumLevel <= p.level + 1);
    };
    if (wanted.empty())
        return true;
    if (wanted.size() == 1)
        return meets(parts[0], wanted[0]) || meets(parts[1], wanted[0]);
    return (meets(parts[0], wanted[0]) && meets(parts[1], wanted[1])) ||
           (meets(parts[0], wanted[1]) && meets(parts[1], wanted[0]));
}

} // namespace

PartBonus partBonus(const PartItem& item) {
    // The steps of picking each part choice in slot 1, run once.
    static const std::array<std::array<PartBonus, 4>, OptionalPartCount> table = [] {
        std::array<std::array<PartBonus, 4>, OptionalPartCount> t{};
        for (int part = 0; part < OptionalPartCount; ++part)
            for (int level = NoLevel; level < 3; ++level) {
                Loadout l;
                SelectorFacts facts{0, PartUnarmed, NoLevel, PartUnarmed, NoLevel};
                applyPick(l, facts, {Selector::Part1, part});
                if (level != NoLevel)
                    applyPick(l, facts, {Selector::Level1, level});
                t[std::size_t(part)][std::size_t(level + 1)] = {
                    l.Part1StandardBonus, l.Part1MaximumBonus, l.Part1BalancerBonus,
                    l.Part1DurabilityBonus, l.Part1VeeringBonus};
            }
        return t;
    }();
    return table[std::size_t(item.part)][std::size_t(item.level + 1)];
}

std::int64_t scoreOf(FinderRank rank, double figure) {
    const auto hundredths = std::llround(figure * 100);
    return lowerIsBetter(rank) ? -hundredths : hundredths;
}

std::array<std::uint32_t, WeaponListRows> rowIds(int vt, WeaponKind kind) {
    Loadout scratch;
    buildWeaponSelectors(scratch, vt);
    return kind == WeaponKind::Main ? scratch.MainWeaponListId : scratch.SubWeaponListId;
}

bool VtSpace::mountsFull(const WeaponSet& sub) const {
    return vantor::mountsFull(sub.mount[0], sub.mount[1], sub.mount[2], vt);
}

bool VtSpace::covers(std::size_t main, std::size_t sub, const DistanceBand& band) const {
    std::array<std::array<int, 2>, 6> all{};
    std::copy(mainBands[main].begin(), mainBands[main].end(), all.begin());
    std::copy(subBands[sub].begin(), subBands[sub].end(), all.begin() + 3);
    std::sort(all.begin(), all.end());
    const int from = std::min(band.from, band.to);
    const int to = std::max(band.from, band.to);
    // Both ends of a band are in it, so bands that touch (0-400 and 400-800)
    // join into one.
    bool started = false;
    int reached = from;
    for (const auto& b : all) {
        if (b[1] < b[0] || b[1] < from)
            continue;
        if (b[0] > reached)
            break;
        started = true;
        reached = std::max(reached, b[1]);
    }
    return started && reached >= to;
}

VtSpace buildSpace(int vt, const FinderRequest& request) {
    const FinderLimits& limits = request.limits;
    VtSpace space;
    space.vt = vt;
    space.currentVt = vt == request.current.vt;
    space.baseChanges = space.currentVt ? (request.current.mmLaunched ? 1 : 0) : 1;
    space.vtItems = std::uint64_t(vt) << VtShift;
    const LoadoutPicks& leading = request.leading;
    const bool leads = vt == leading.vt && !leading.mmLaunched;
    VtSpace::Lead lead;

    Loadout base;
    const VtChoice choice = chooseVt(base, vt);
    space.supplyCost = base.SupplyPointCost;
    space.sortieCost = base.SortiePointCost;

    // Weapon sets of each kind.
    for (WeaponKind kind : {WeaponKind::Main, WeaponKind::Sub}) {
        const bool main = kind == WeaponKind::Main;
        WeaponSets sets = weaponSets(base, choice, kind, request, space.currentVt);
        if (sets.noneFit)
            return space;
        (main ? space.mains : space.subs) = std::move(sets.sets);
        (main ? space.mainBands : space.subBands) = std::move(sets.bands);
        (main ? space.mainFixed : space.subFixed) = sets.fixed;
        (main ? lead.main : lead.sub) = sets.leadItems;
    }

    // The statistics a part raises, by the percentage it grants, and the turn
    // speed by the load over the standard load, from the steps themselves.
    std::array<std::array<double, 4>, StatCount> statValue{};
    const std::array<const QString Loadout::*, StatCount> statText = {
        &Loadout::DurabilityText, &Loadout::BalancerText, &Loadout::VeeringText};
    const std::array<int, StatCount> statPart = {PartMechanicalUnit, PartAdvancedBalancer,
                                                 PartPowerCell};
    for (int s = 0; s < StatCount; ++s) {
        statValue[std::size_t(s)][0] = figureValue(base.*statText[std::size_t(s)]).value_or(0);
        for (int level = 0; level < 3; ++level) {
            Loadout l = base;
            SelectorFacts facts{vt, PartUnarmed, NoLevel, PartUnarmed, NoLevel};
            applyPick(l, facts, {Selector::Part1, statPart[std::size_t(s)]});
            applyPick(l, facts, {Selector::Level1, level});
            statValue[std::size_t(s)][std::size_t(level + 1)] =
                figureValue(l.*statText[std::size_t(s)]).value_or(0);
        }
    }
    for (int d = 0; d < 6; ++d) {
        Loadout l = base;
        l.TotalLoad = l.StandardLoad + std::uint32_t(d);
        UpdateTurnUnderOverload(l);
        space.turn[std::size_t(d)] = figureValue(formatHashHash(l.VTTurnSpeed)).value_or(0);
    }

    // Contexts: the fuel tanks, then both part slots.
    std::vector<int> fuels;
    const bool keepFuel = space.currentVt && limits.keep[selectorIndex(Selector::Fuel)];
    for (int fuel = 0; fuel <= int(base.FuelTankSlots); ++fuel)
        if (fuel >= limits.minimumFuelTanks &&
            (!keepFuel || fuel == std::max(request.current.fuel, 0)))
            fuels.push_back(fuel);
    const std::vector<PartItem> every = allPartItems();
    std::array<std::vector<PartItem>, 2> slotItems;
    bool free = true;
    for (int s = 0; s < 2; ++s) {
        const PartPick& cur = request.current.parts[std::size_t(s)];
        const bool keepPart = limits.keep[selectorIndex(partSelector(s + 1))];
        const bool keepLevel = limits.keep[selectorIndex(levelSelector(s + 1))];
        free = free && !keepPart && !keepLevel;
        for (const PartItem& item : every) {
            if (keepPart && item.part != std::max(cur.part, 0))
                continue;
            // A kept level holds for a part that has levels; a kept part keeps
            // its level only where its level selector is kept as well.
            PartItem held = item;
            if (keepLevel && partLevels(item.part)) {
                if (item.level != 0)
                    continue;
                held.level = cur.level;
            }
            slotItems[std::size_t(s)].push_back(held);
        }
    }
    const auto levelChanges = [&request](int s, const PartItem& p) {
        const PartPick& cur = request.current.parts[std::size_t(s)];
        return (p.part != std::max(cur.part, 0) ? 1 : 0) + (p.level != cur.level ? 1 : 0);
    };
    // The two slots' part choices of a loadout's picks; where both slots take
    // any part, the lower first, as the contexts list them.
    const auto listedParts = [free](const std::array<PartPick, 2>& picks) {
        std::array<PartItem, 2> p{};
        for (std::size_t s = 0; s < 2; ++s)
            p[s] = {std::max(picks[s].part, 0), picks[s].level};
        if (free && std::tie(p[1].part, p[1].level) < std::tie(p[0].part, p[0].level))
            std::swap(p[0], p[1]);
        return p;
    };
    const std::array<PartItem, 2> leadParts = listedParts(leading.parts);
    const bool leadSwapped = leadParts[0].part != std::max(leading.parts[0].part, 0) ||
                             leadParts[0].level != leading.parts[0].level;
    lead.context = contextItems(std::max(leading.fuel, 0), leadParts);
    if (leads)
        space.lead = lead;
    for (int fuel : fuels)
        for (std::size_t a = 0; a < slotItems[0].size(); ++a)
            // Both slots offer the same list: a pair is listed once, the
            // lower choice in the first slot.
            for (std::size_t b = free ? a : 0; b < slotItems[1].size(); ++b) {
                const std::array<PartItem, 2> parts = {slotItems[0][a], slotItems[1][b]};
                if (!partsCarryRequired(parts, limits))
                    continue;
                Context c;
                c.fuel = fuel;
                c.fuelLoad = std::uint32_t(fuel) * 2;
                // The leading loadout's two parts stand where it has them.
                c.parts = parts;
                if (leadSwapped && parts == leadParts)
                    c.parts = {parts[1], parts[0]};
                const PartBonus b1 = partBonus(parts[0]);
                const PartBonus b2 = partBonus(parts[1]);
                c.standard = base.VTStandardLoad + combinedLoadBonus(b1.standard, b2.standard);
                c.maximum = base.VTMaximumLoad + combinedLoadBonus(b1.maximum, b2.maximum);
                const std::array<float, StatCount> granted = {
                    std::max(b1.durability, b2.durability), std::max(b1.balancer, b2.balancer),
                    std::max(b1.veering, b2.veering)};
                for (int s = 0; s < StatCount; ++s)
                    c.stats[std::size_t(s)] =
                        statValue[std::size_t(s)]
                                 [std::size_t(std::lround(granted[std::size_t(s)] / 10))];
                c.changes = (fuel != std::max(request.current.fuel, 0) ? 1 : 0) +
                            levelChanges(0, c.parts[0]) + levelChanges(1, c.parts[1]);
                c.items = contextItems(fuel, parts);
                space.contexts.push_back(c);
            }
    return space;
}

double figureOf(const VtSpace& space, FinderRank rank, const Context& c, const WeaponSet& m,
                const WeaponSet& s) {
    const std::uint32_t total = c.fuelLoad + m.load + s.load;
    switch (rank) {
    case FinderRank::VolleyDamage:
        return m.damage + s.damage;
    case FinderRank::LongestReach:
        return std::max(m.reach, s.reach);
    case FinderRank::LoadLeft:
        return double(loadLeft(loadStatusFor(total, c.standard, c.maximum, space.mountsFull(s)),
                               total, c.standard, c.maximum));
    case FinderRank::StandardLoad:
        return c.standard;
    case FinderRank::MaximumLoad:
        return c.maximum;
    case FinderRank::Durability:
        return c.stats[StatDurability];
    case FinderRank::Balancer:
        return c.stats[StatBalancer];
    case FinderRank::Veering:
        return c.stats[StatVeering];
    case FinderRank::TurnSpeed: {
        const long long over = (long long)total - (long long)c.standard;
        return space.turn[std::size_t(std::clamp<long long>(over, 0, 5))];
    }
    case FinderRank::SupplyCost:
        return space.supplyCost;
    case FinderRank::SortieCost:
        return space.sortieCost;
    }
    return 0;
}

Key keyOf(const VtSpace& space, FinderRank rank, const Context& c, const WeaponSet& m,
          const WeaponSet& s) {
    const bool lead = space.lead && c.items == space.lead->context &&
                      m.items12 == space.lead->main && s.items12 == space.lead->sub;
    return {scoreOf(rank, figureOf(space, rank, c, m, s)), c.fuelLoad + m.load + s.load, lead,
            space.vtItems | (c.items << ContextShift) | (m.items12 << MainShift) |
                (s.items12 << SubShift)};
}

int changesOf(const VtSpace& space, const Context& c, const WeaponSet& m, const WeaponSet& s) {
    return space.baseChanges + c.changes + m.changes + s.changes;
}

} // namespace vantor::finder

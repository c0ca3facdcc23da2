#include "tests/core/FinderOracle.h"

#include "core/VtChoice.h"
#include "equipment/OptionalParts.h"
#include "model/Format.h"
#include "model/Overload.h"
#include "model/Recompute.h"
#include "model/Text.h"
#include "model/VtSelection.h"
#include "weapons/WeaponSelection.h"
#include "weapons/WeaponSlots.h"

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <span>

using namespace vantor;

std::int64_t scoreOf(FinderRank rank, double figure) {
    return (lowerIsBetter(rank) ? -1 : 1) * std::llround(figure * 100);
}

Loadout recordOf(const LoadoutPicks& p) {
    Loadout l;
    chooseVt(l, p.vt);
    SelectorFacts facts{p.vt, PartUnarmed, -1, PartUnarmed, -1};
    if (p.fuel != NotPicked)
        applyPick(l, facts, {Selector::Fuel, p.fuel});
    for (int s = 1; s <= 2; ++s) {
        const PartPick& part = p.parts[std::size_t(s - 1)];
        if (part.part != NotPicked)
            applyPick(l, facts, {partSelector(s), part.part});
        if (part.part != NotPicked && part.level != NotPicked)
            applyPick(l, facts, {levelSelector(s), part.level});
    }
    for (WeaponKind kind : {WeaponKind::Main, WeaponKind::Sub})
        for (int s = 1; s <= 3; ++s) {
            const WeaponPick& w = (kind == WeaponKind::Main ? p.main : p.sub)[std::size_t(s - 1)];
            if (w.fixed || w.item == NotPicked)
                continue;
            applyPick(l, facts, {weaponSelector(kind, s), w.item});
            kind == WeaponKind::Main ? ShowMainWeaponInfo(l, s, w.item)
                                     : ShowSubWeaponInfo(l, s, w.item);
        }
    if (p.mmLaunched) {
        launchMM(l);
        RecomputeLoadout(l, {p.vt, facts.part1, facts.part2});
    }
    return l;
}

namespace {

bool coversBand(std::span<const std::array<int, 2>> bands, DistanceBand band) {
    // Every end point in the band, and every point halfway between two, lies
    // in some band: then no gap is left (ends are integers).
    std::vector<double> points{double(band.from), double(band.to)};
    for (const auto& b : bands)
        for (int e : b)
            if (e > band.from && e < band.to)
                points.push_back(e);
    std::sort(points.begin(), points.end());
    for (std::size_t i = 0, n = points.size(); i + 1 < n; ++i)
        points.push_back((points[i] + points[i + 1]) / 2);
    return std::all_of(points.begin(), points.end(), [&](double x) {
        return std::any_of(bands.begin(), bands.end(),
                           [x](const auto& b) { return b[0] <= x && x <= b[1]; });
    });
}

// Every loadout of one VT, the best `count` kept.
std::vector<Oracle> enumerate(int vt, const FinderRequest& r, std::size_t count) {
    const FinderLimits& lim = r.limits;
    const bool here = vt == r.current.vt;
    Loadout base;
    const VtChoice choice = chooseVt(base, vt);
    std::array<WeaponColumn, 2> curIds{};
    if (r.current.vt >= 0) {
        Loadout cur;
        chooseVt(cur, r.current.vt);
        curIds = {cur.MainWeaponListId, cur.SubWeaponListId};
    }
    // The items each of the twelve selectors may hold.
    std::array<std::vector<int>, 12> offer;
    offer[1].clear();
    for (int f = 0; f <= int(base.FuelTankSlots); ++f)
        if (f >= lim.minimumFuelTanks && !(here && lim.keep[1] && f != std::max(r.current.fuel, 0)))
            offer[1].push_back(f);
    std::vector<std::pair<int, int>> partItems;
    for (int k = 0; k < OptionalPartCount; ++k)
        for (int lv = -1; lv < 3; ++lv)
            if ((lv >= 0) == OptionalParts[std::size_t(k)].levelled)
                partItems.push_back({k, lv});
    std::array<std::vector<std::pair<int, int>>, 2> parts;
    for (int s = 0; s < 2; ++s)
        for (auto [k, lv] : partItems) {
            const PartPick& cur = r.current.parts[std::size_t(s)];
            if (lim.keep[std::size_t(2 + 2 * s)] && k != std::max(cur.part, 0))
                continue;
            if (lim.keep[std::size_t(3 + 2 * s)] && lv >= 0) {
                if (lv > 0)
                    continue;
                lv = cur.level;
            }
            parts[std::size_t(s)].push_back({k, lv});
        }
    const bool partsFree = !lim.keep[2] && !lim.keep[3] && !lim.keep[4] && !lim.keep[5];
    std::array<const WeaponSelectorChoice*, 6> sel{};
    for (int s = 0; s < 6; ++s) {
        sel[std::size_t(s)] = &(s < 3 ? choice.main : choice.sub)[std::size_t(s % 3)];
        const auto* c = sel[std::size_t(s)];
        const int kept =
            std::max((s < 3 ? r.current.main : r.current.sub)[std::size_t(s % 3)].item, 0);
        for (int i = 0; i < int(c->items.size()); ++i)
            if (c->fixed ? i == c->index : !(here && lim.keep[std::size_t(6 + s)]) || i == kept)
                offer[std::size_t(6 + s)].push_back(i);
    }
    const auto freeSlot = [&](int s) {
        return !sel[std::size_t(s)]->fixed && !(here && lim.keep[std::size_t(6 + s)]);
    };
    // Two weapon selectors of one kind, both free, offering the same list.
    const auto oneList = [&](int s, int t) {
        return freeSlot(s) && freeSlot(t) && (s < 3) == (t < 3) &&
               sel[std::size_t(s)]->items.size() == sel[std::size_t(t)]->items.size();
    };
    // A loadout's items with the lower ones first among selectors of one
    // list, and the two parts so where both slots are free.
    const auto listed = [&](Items items) {
        if (partsFree && std::pair(items[4], items[5]) < std::pair(items[2], items[3])) {
            std::swap(items[2], items[4]);
            std::swap(items[3], items[5]);
        }
        for (int s = 0; s < 6; ++s)
            for (int t = s + 1; t < 6; ++t)
                if (oneList(s, t) && items[std::size_t(6 + t)] < items[std::size_t(6 + s)])
                    std::swap(items[std::size_t(6 + s)], items[std::size_t(6 + t)]);
        return items;
    };
    const auto itemsOf = [&](const LoadoutPicks& p) {
        Items items{p.vt,
                    std::max(p.fuel, 0),
                    std::max(p.parts[0].part, 0),
                    p.parts[0].level,
                    std::max(p.parts[1].part, 0),
                    p.parts[1].level};
        for (int s = 0; s < 6; ++s) {
            const WeaponPick& w = (s < 3 ? p.main : p.sub)[std::size_t(s % 3)];
            items[std::size_t(6 + s)] =
                sel[std::size_t(s)]->fixed ? sel[std::size_t(s)]->index : std::max(w.item, 0);
        }
        return items;
    };
    // The same items stand as the leading loadout holds them.
    const Items arrangement = itemsOf(r.leading);
    const Items arrangementListed = listed(arrangement);
    const bool arranges = r.leading.vt == vt;
    const std::optional<Items> lead = r.leading.vt == vt && !r.leading.mmLaunched
                                          ? std::optional(listed(itemsOf(r.leading)))
                                          : std::nullopt;

    // What each item of each weapon selector brings.
    struct Slot {
        std::uint32_t id = 0, load = 0;
        bool mount = false, guided = false;
        std::array<int, 2> band{};
        int damage = 0, change = 0;
        WeaponPick pick;
    };
    std::array<std::vector<Slot>, 6> weaponItems;
    for (int s = 0; s < 6; ++s) {
        const bool main = s < 3;
        const auto kind = main ? WeaponKind::Main : WeaponKind::Sub;
        const int now = (main ? r.current.main : r.current.sub)[std::size_t(s % 3)].item;
        for (int item = 0; item < int(sel[std::size_t(s)]->items.size()); ++item) {
            const auto row = std::size_t(item);
            Slot e;
            e.id = (main ? base.MainWeaponListId : base.SubWeaponListId)[row];
            const WeaponEntry& entry = *weaponById(kind, e.id);
            const bool fixed = sel[std::size_t(s)]->fixed;
            e.pick = {fixed || row != 0 || now != NotPicked ? item : NotPicked, fixed};
            e.change =
                !(fixed && here) && e.id != (now < 0 ? 0 : curIds[main ? 0 : 1][std::size_t(now)]);
            e.load = fixed ? 0 : (main ? base.MainWeaponListLoad : base.SubWeaponListLoad)[row];
            e.mount = !main && (fixed || base.SubWeaponListMount[row]);
            e.band = {entry.MinRange, entry.MaxRange};
            if (fixed) {
                Loadout copy = base;
                const auto f = weaponSlotFields(copy, kind, s % 3 + 1);
                e.band = {*f->rangeMin, *f->rangeMax};
            }
            e.damage = toQString(entry.DamageText).toInt();
            e.guided = entry.GuidedText == "Yes";
            weaponItems[std::size_t(s)].push_back(e);
        }
    }
    std::vector<Oracle> all;
    std::map<std::pair<std::uint32_t, std::uint32_t>, double> turns;
    std::array<int, 6> w{};
    for (int fuel : offer[1])
        for (auto p1 : parts[0])
            for (auto p2 : parts[1]) {
                if (partsFree && p2 < p1)
                    continue;
                std::vector<FinderRequirement> wanted;
                for (const auto& q : lim.mustCarry)
                    if (q.kind == FinderRequirement::Part)
                        wanted.push_back(q);
                const auto ok = [](std::pair<int, int> p, const FinderRequirement& q) {
                    return p.first == q.id && (!OptionalParts[std::size_t(q.id)].levelled ||
                                               p.second + 1 >= q.minimumLevel);
                };
                if (wanted.size() > 2 ||
                    (wanted.size() == 1 && !ok(p1, wanted[0]) && !ok(p2, wanted[0])) ||
                    (wanted.size() == 2 && !(ok(p1, wanted[0]) && ok(p2, wanted[1])) &&
                     !(ok(p1, wanted[1]) && ok(p2, wanted[0]))))
                    continue;
                LoadoutPicks picks;
                picks.vt = vt;
                picks.fuel = fuel == 0 && r.current.fuel == NotPicked ? NotPicked : fuel;
                // The leading loadout's two parts where it has them.
                std::array<std::pair<int, int>, 2> pp{p1, p2};
                if (partsFree && std::pair(arrangementListed[2], arrangementListed[3]) == p1 &&
                    std::pair(arrangementListed[4], arrangementListed[5]) == p2)
                    pp = {std::pair(arrangement[2], arrangement[3]),
                          std::pair(arrangement[4], arrangement[5])};
                for (std::size_t s = 0; s < 2; ++s)
                    picks.parts[s] = pp[s].first == 0 && r.current.parts[s].part == NotPicked
                                         ? PartPick{}
                                         : PartPick{pp[s].first, pp[s].second};
                const Loadout ctx = recordOf(picks);
                const std::array<double, 3> stats = {ctx.DurabilityText.toDouble(),
                                                     ctx.BalancerText.toDouble(),
                                                     ctx.VeeringText.toDouble()};
                // Another VT, or a launched MM taken back, then the fuel.
                int ctxChanges = (vt != r.current.vt) + (here && r.current.mmLaunched) +
                                 (fuel != std::max(r.current.fuel, 0));
                for (std::size_t s = 0; s < 2; ++s)
                    ctxChanges += (pp[s].first != std::max(r.current.parts[s].part, 0)) +
                                  (pp[s].second != r.current.parts[s].level);
                std::function<void(int)> loop = [&](int s) {
                    if (s < 6) {
                        for (int i : offer[std::size_t(6 + s)]) {
                            // One arrangement per set of items in slots of one list.
                            bool later = false;
                            for (int t = 0; t < s; ++t)
                                later |= freeSlot(s) && freeSlot(t) &&
                                         sel[std::size_t(t)]->items.size() ==
                                             sel[std::size_t(s)]->items.size() &&
                                         (t < 3) == (s < 3) && w[std::size_t(t)] > i;
                            if (later)
                                continue;
                            w[std::size_t(s)] = i;
                            loop(s + 1);
                        }
                        return;
                    }
                    Oracle o;
                    o.items = {vt,   fuel, p1.first, p1.second, p2.first, p2.second,
                               w[0], w[1], w[2],     w[3],      w[4],     w[5]};
                    o.lead = lead == o.items;
                    std::uint32_t total = ctx.FuelTankLoad;
                    std::array<bool, 3> mount{};
                    std::array<std::array<int, 2>, 6> bands{};
                    std::size_t bandCount = 0;
                    int damage = 0, reach = 0;
                    bool guided = false, reaches = false;
                    std::array<std::uint32_t, 6> ids{};
                    for (std::size_t s2 = 0; s2 < 6; ++s2) {
                        const Slot& e = weaponItems[s2][std::size_t(w[s2])];
                        total += e.load;
                        if (s2 >= 3)
                            mount[s2 - 3] = e.mount;
                        damage += e.damage;
                        ids[s2] = e.id;
                        if (e.id != 0) {
                            bands[bandCount++] = e.band;
                            reach = std::max(reach, e.band[1]);
                            reaches |= s2 < 3 && lim.reach && e.band[0] <= *lim.reach &&
                                       *lim.reach <= e.band[1];
                        }
                        guided |= e.guided;
                    }
                    for (const auto& q : lim.mustCarry) {
                        if (q.kind == FinderRequirement::Part)
                            continue;
                        const auto from =
                            ids.begin() + (q.kind == FinderRequirement::MainWeapon ? 0 : 3);
                        if (std::count(lim.mustCarry.begin(), lim.mustCarry.end(), q) >
                            std::count(from, from + 3, std::uint32_t(q.id)))
                            return;
                    }
                    const bool full = mountsFull(mount[0], mount[1], mount[2], vt);
                    const auto status =
                        loadStatusFor(total, ctx.StandardLoad, ctx.MaximumLoad, full);
                    if (status < lim.worstStatus || (lim.guided && !guided) ||
                        (lim.reach && !reaches) ||
                        (lim.cover && !coversBand(std::span(bands).first(bandCount), *lim.cover)))
                        return;
                    double figure = 0;
                    switch (r.rank) {
                    case FinderRank::VolleyDamage:
                        figure = damage;
                        break;
                    case FinderRank::LongestReach:
                        figure = reach;
                        break;
                    case FinderRank::LoadLeft:
                        figure = status == StatusVtOk      ? double(ctx.StandardLoad) - total
                                 : status == StatusStdOver ? double(ctx.MaximumLoad) - total
                                                           : 0;
                        break;
                    case FinderRank::StandardLoad:
                        figure = ctx.StandardLoad;
                        break;
                    case FinderRank::MaximumLoad:
                        figure = ctx.MaximumLoad;
                        break;
                    case FinderRank::Durability:
                        figure = stats[0];
                        break;
                    case FinderRank::Balancer:
                        figure = stats[1];
                        break;
                    case FinderRank::Veering:
                        figure = stats[2];
                        break;
                    case FinderRank::TurnSpeed: {
                        auto [at, fresh] = turns.try_emplace({ctx.StandardLoad, total});
                        if (fresh) {
                            Loadout t = ctx;
                            t.TotalLoad = total;
                            UpdateTurnUnderOverload(t);
                            at->second = formatHashHash(t.VTTurnSpeed).toDouble();
                        }
                        figure = at->second;
                        break;
                    }
                    case FinderRank::SupplyCost:
                        figure = ctx.SupplyPointCost;
                        break;
                    case FinderRank::SortieCost:
                        figure = ctx.SortiePointCost;
                        break;
                    }
                    o.score = scoreOf(r.rank, figure);
                    o.load = total;
                    if (all.size() == count && !(o < all.front()))
                        return;
                    // The leading loadout's weapons where it has them, list by list.
                    std::array<int, 6> placed = w;
                    for (int s2 = 0; s2 < 6 && arranges; ++s2) {
                        bool same = true;
                        for (int t = 0; t < 6; ++t)
                            if (t == s2 || oneList(s2, t))
                                same = same &&
                                       arrangementListed[std::size_t(6 + t)] == w[std::size_t(t)];
                        if (same)
                            placed[std::size_t(s2)] = arrangement[std::size_t(6 + s2)];
                    }
                    o.picks = picks;
                    o.changes = ctxChanges;
                    for (std::size_t s2 = 0; s2 < 6; ++s2) {
                        const Slot& e = weaponItems[s2][std::size_t(placed[s2])];
                        (s2 < 3 ? o.picks.main : o.picks.sub)[s2 % 3] = e.pick;
                        o.changes += e.change;
                    }
                    all.push_back(o);
                    std::push_heap(all.begin(), all.end());
                    if (all.size() > count) {
                        std::pop_heap(all.begin(), all.end());
                        all.pop_back();
                    }
                };
                loop(0);
            }
    std::sort_heap(all.begin(), all.end());
    return all;
}

} // namespace

std::vector<Oracle> oracle(const FinderRequest& r) {
    if (r.scope == FinderScope::ThisVt)
        return enumerate(r.current.vt, r, std::size_t(r.count));
    std::vector<Oracle> best;
    for (int vt = 0; vt < VtCount; ++vt)
        for (const Oracle& o : enumerate(vt, r, 1))
            best.push_back(o);
    std::sort(best.begin(), best.end());
    best.resize(std::min(best.size(), std::size_t(r.count)));
    return best;
}

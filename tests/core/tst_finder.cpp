// The loadout finder against a plain complete enumeration: nested loops over
// every item of every selector, no pruning, the same items in another order
// among selectors of one list counted once, each loadout weighed by the
// window's own steps (one record per fuel and part choice, run through the
// picks; the weapons' loads, bands and damage added from the lists).

#include "core/Finder.h"
#include "core/VtChoice.h"
#include "equipment/OptionalParts.h"
#include "model/Format.h"
#include "model/Overload.h"
#include "model/Recompute.h"
#include "model/Text.h"
#include "model/VtSelection.h"
#include "weapons/WeaponSelection.h"
#include "weapons/WeaponSlots.h"

#include <QTest>

#include <map>
#include <optional>
#include <span>

using namespace vantor;

namespace {

// A loadout's items: VT, fuel, part, level, part, level, six weapons.
using Items = std::array<int, 12>;

struct Oracle {
    std::int64_t score = 0;
    std::uint32_t load = 0;
    bool lead = false;
    Items items{}; // the lower items first among selectors of one list
    int changes = 0;
    LoadoutPicks picks;
    // The figure, the load, the leading loadout, the items.
    bool operator<(const Oracle& o) const {
        return std::tie(o.score, load, o.lead, items) < std::tie(score, o.load, lead, o.items);
    }
};

// "26,000": thousands split by commas, as the finder writes its figures.
QString grouped(int n) {
    QString digits = QString::number(n);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(','));
    return digits;
}

std::int64_t scoreOf(FinderRank rank, double figure) {
    return (lowerIsBetter(rank) ? -1 : 1) * std::llround(figure * 100);
}

// "status=StdOver carry=M4,S25,P2/3 keep=P1,L1,M2 reach=1000 cover=0-800
// guided fuel=1"; and a current loadout "vt=14 F=1 P1=2/1 M1=3 S2=4", "mm"
// for a launched MM.
const QStringList SelectorNames = {"VT", "F",  "P1", "L1", "P2", "L2",
                                   "M1", "M2", "M3", "S1", "S2", "S3"};

FinderLimits limitsOf(const QString& text) {
    FinderLimits l;
    for (const QString& t : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString key = t.section(QLatin1Char('='), 0, 0);
        const QString value = t.section(QLatin1Char('='), 1);
        if (key == "status")
            l.worstStatus = QStringList{"MountOver", "MaxOver", "StdOver", "VtOk"}.indexOf(value);
        for (const QString& v : value.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            if (key == "carry")
                l.mustCarry.push_back({v[0] == 'M'   ? FinderRequirement::MainWeapon
                                       : v[0] == 'S' ? FinderRequirement::SubWeapon
                                                     : FinderRequirement::Part,
                                       v.mid(1).section('/', 0, 0).toInt(),
                                       v.section('/', 1).toInt()});
            if (key == "keep")
                l.keep[std::size_t(SelectorNames.indexOf(v))] = true;
        }
        if (key == "reach")
            l.reach = value.toInt();
        if (key == "cover")
            l.cover = DistanceBand{value.section('-', 0, 0).toInt(), value.section('-', 1).toInt()};
        l.guided = l.guided || key == "guided";
        if (key == "fuel")
            l.minimumFuelTanks = value.toInt();
    }
    return l;
}

// The window's own steps for a set of picks: the VT, then each pick as its
// handler runs it (a weapon's handler also shows it, storing its band).
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

LoadoutPicks picksOf(const QString& text) {
    LoadoutPicks p;
    for (const QString& t : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        p.mmLaunched = p.mmLaunched || t == "mm";
        const int s = SelectorNames.indexOf(t.section('=', 0, 0).toUpper());
        const int item = t.section('=', 1).section('/', 0, 0).toInt();
        if (s == 0)
            p.vt = item;
        else if (s == 1)
            p.fuel = item;
        else if (s == 2 || s == 4)
            p.parts[std::size_t(s / 2 - 1)] = {item,
                                               t.contains('/') ? t.section('/', 1).toInt() : -1};
        else if (s >= 6)
            (s < 9 ? p.main : p.sub)[std::size_t((s - 6) % 3)].item = item;
    }
    Loadout scratch;
    const VtChoice c = chooseVt(scratch, p.vt);
    for (int s = 0; s < 3; ++s) {
        if (c.main[std::size_t(s)].fixed)
            p.main[std::size_t(s)] = {c.main[std::size_t(s)].index, true};
        if (c.sub[std::size_t(s)].fixed)
            p.sub[std::size_t(s)] = {c.sub[std::size_t(s)].index, true};
    }
    return p;
}

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

// The leading loadout is the window's unless `leading` names another, or
// "none".
FinderRequest requestOf(const QString& current, const QString& limits, int rank, int count,
                        bool every, const QString& leading = QString()) {
    FinderRequest r;
    r.current = picksOf(current);
    r.currentLoadout = recordOf(r.current);
    r.leading = leading.isEmpty() ? r.current : picksOf(leading == "none" ? QString() : leading);
    r.limits = limitsOf(limits);
    r.rank = FinderRank(rank);
    r.count = count;
    r.scope = every ? FinderScope::EveryVt : FinderScope::ThisVt;
    return r;
}

} // namespace

class TestFinder : public QObject {
    Q_OBJECT

private slots:
    void matchesOracle_data();
    void matchesOracle();
    void nothingFits_data();
    void nothingFits();
    void reasonsNameTheVtAsItsSelector_data();
    void reasonsNameTheVtAsItsSelector();
    void cancelStops();
};

void TestFinder::matchesOracle_data() {
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("limits");
    QTest::addColumn<int>("rank");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("every");
    QTest::addColumn<QString>("leading");
    const auto row = [](const char* name, const QString& current, const QString& limits,
                        FinderRank rank, int count, bool every = false,
                        const QString& leading = QString()) {
        QTest::newRow(name) << current << limits << int(rank) << count << every << leading;
    };
    const QString parts = "keep=P1,L1,P2,L2 ";
    using R = FinderRank;
    // Whole spaces of small VTs, one figure each.
    row("Vortex, damage, anything", "vt=9", "status=MountOver", R::VolleyDamage, 30);
    row("Vitzh, load left, STD OVER", "vt=8", "status=StdOver", R::LoadLeft, 40);
    row("Falchion, turn speed, MAX OVER", "vt=4", "status=MaxOver", R::TurnSpeed, 40);
    row("Decider Volcanic, durability", "vt=3", "", R::Durability, 25);
    row("Vortex, balancer: a part twice", "vt=9 P1=3/2", "", R::Balancer, 60);
    row("Decider, veering", "vt=2 F=2 S1=1", "status=StdOver", R::Veering, 30);
    row("Garpike, standard load", "vt=12", "", R::StandardLoad, 40);
    row("Garpike, maximum load, MAX OVER", "vt=12", "status=MaxOver", R::MaximumLoad, 40);
    row("Scareface A1, longest reach", "vt=7", "status=MountOver", R::LongestReach, 40);
    row("Vitzh, supply cost: ties all the way", "vt=8 M2=3 S1=2", "", R::SupplyCost, 50);
    row("Garpike, turn speed, fuel, a part and weapons in the window",
        "vt=12 F=1 P1=5/2 M1=2 M3=3 S1=1", "status=MaxOver", R::TurnSpeed, 50);
    // Fixed weapons and shorter lists.
    row("Prominence M2, MM and rail fixed", "vt=19", "status=MountOver", R::VolleyDamage, 30);
    row("Prominence M3, never MOUNT OVER", "vt=20", "status=MaxOver", R::LoadLeft, 30);
    row("Sheepdog, a fixed main weapon", "vt=23 M1=2", "", R::VolleyDamage, 30);
    row("Siegesug, fixed shield", "vt=24", "keep=P1,L1 status=StdOver", R::VolleyDamage, 30);
    row("Earthshaker, GAUSS fixed", "vt=26 P1=2/2", parts + "status=MountOver", R::LongestReach,
        30);
    // Must carry, kept selectors, reach, cover, guided, fuel.
    row("Garpike, carries NPM", "vt=12", "carry=S17 status=VtOk", R::VolleyDamage, 30);
    row("Jaralaccs N, two 355-SB", "vt=14", parts + "carry=M3,M3,M3 status=StdOver",
        R::VolleyDamage, 30);
    row("Vortex, Advanced Mount at level 2", "vt=9", "carry=P2/2", R::StandardLoad, 30);
    row("Vortex, two Mechanical Units", "vt=9", "carry=P4/1,P4/3 status=MaxOver", R::Durability,
        30);
    row("Jaralaccs N, kept weapons and parts", "vt=14 M1=4 P1=2/2 P2=4/0 S3=2",
        parts + "keep=M1,S3 status=StdOver", R::VolleyDamage, 30);
    row("Garpike, kept level, parts change", "vt=12 P1=3/1", "keep=L1", R::Balancer, 30);
    row("Scareface, reach at a band's near end", "vt=6", "reach=1100 status=StdOver",
        R::VolleyDamage, 30);
    row("Scareface, reach at a band's far end", "vt=6", "reach=800", R::LoadLeft, 30);
    row("Prominence M2, load left over the standard load", "vt=19",
        parts + "carry=M3 fuel=1 status=StdOver", R::LoadLeft, 30);
    row("Colt, cover 0-400", "vt=0", parts + "cover=0-400", R::VolleyDamage, 30);
    row("Blade, guided", "vt=11", "keep=P1,L1 guided", R::LoadLeft, 30);
    row("Prominence M2, guided by its fixed MM", "vt=19", "guided", R::LoadLeft, 30);
    row("Colt Executive, two fuel tanks", "vt=1", parts + "fuel=2", R::TurnSpeed, 30);
    // Every VT, the best of each.
    row("every VT, damage", "vt=12", parts + "status=VtOk", R::VolleyDamage, 31, true);
    row("every VT, supply cost", "vt=5", parts + "status=StdOver", R::SupplyCost, 31, true);
    row("every VT, sortie cost, top 10", "vt=5", parts, R::SortieCost, 10, true);
    row("every VT, weapons kept on the Garpike only", "vt=12 M1=1 S1=4", parts + "keep=M1,S1,F",
        R::LoadLeft, 31, true);
    // The window's loadout in its own arrangement, first among its ties; the
    // other ties in an order the window does not change.
    row("Garpike, 270-AR in main weapon 1, by reach", "vt=12 M1=2", "", R::LongestReach, 30);
    const QString weapons = "keep=M1,M2,M3,S1,S2,S3 ";
    row("Colt Executive, the parts the other way round", "vt=1 P1=13 P2=1/2", weapons,
        R::SupplyCost, 30);
    row("Garpike, weapons and parts out of list order", "vt=12 M1=2 M2=1 S1=3 S2=1 P1=4/0 P2=2/1",
        "status=StdOver", R::SupplyCost, 40);
    row("Prominence M3, two of three sub-weapon lists alike", "vt=20 S1=3 S2=1 S3=2 M2=2 M1=1",
        "status=MaxOver", R::LoadLeft, 40);
    row("Garpike, arranged by the window, kept selectors between", "vt=12 M1=2 M3=1 S3=2 S1=1",
        "keep=M2", R::SupplyCost, 40);
    row("Garpike, after a pick the loadout before it leads", "vt=12 M3=2", "", R::LongestReach, 30,
        false, "vt=12 M1=2");
    row("Colt Executive, after a pick the parts before it lead", "vt=1 P1=1/2", weapons,
        R::SupplyCost, 30, false, "vt=1 P1=13 P2=1/2");
    row("Garpike, no loadout leads", "vt=12 M1=2", "", R::LongestReach, 30, false, "none");
    row("every VT, the loadout before a pick of another VT leads", "vt=5 M1=1",
        parts + "status=VtOk", R::SupplyCost, 31, true, "vt=12");
    // A launched MM is taken back by every loadout, which keeps its MM loaded.
    row("Prominence M2, MM launched, by turn speed", "vt=19 mm", "status=MaxOver", R::TurnSpeed,
        30);
    row("Prominence M2, MM launched, no loadout is the window's", "vt=19 mm", "", R::SupplyCost,
        30);
}

void TestFinder::matchesOracle() {
    QFETCH(QString, current);
    QFETCH(QString, limits);
    QFETCH(int, rank);
    QFETCH(int, count);
    QFETCH(bool, every);
    QFETCH(QString, leading);
    const FinderRequest r = requestOf(current, limits, rank, count, every, leading);
    const std::vector<Oracle> expected = oracle(r);
    QVERIFY(!expected.empty());
    const FinderAnswer answer = findLoadouts(r);
    QVERIFY(!answer.cancelled);
    QCOMPARE(answer.loadouts.size(), expected.size());
    QCOMPARE(answer.nothingFits.isEmpty(), !expected.empty());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const FoundLoadout& f = answer.loadouts[i];
        const Oracle& o = expected[i];
        QCOMPARE(f.picks, o.picks);
        QCOMPARE(scoreOf(r.rank, f.figure), o.score);
        QCOMPARE(f.after.TotalLoad, o.load);
        QCOMPARE(f.changes, o.changes);
        QCOMPARE(f.after, recordOf(f.picks));
    }
}

void TestFinder::nothingFits_data() {
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("limits");
    QTest::addColumn<QString>("reason");
    const auto row = [](const char* name, const QString& current, const QString& limits,
                        const QString& reason) {
        QTest::newRow(name) << current << limits << reason;
    };
    const QString parts = "keep=P1,L1,P2,L2 ";
    row("no VT", "", "", "No VT is chosen");
    row("not offered", "vt=12", "carry=M5,M4", "The Garpike offers no 430-SB");
    row("weighs too much", "vt=19", parts + "carry=M3,M7",
        "No loadout of the Prominence M2 stays VT OK with 355-SB and 315-RF: they alone weigh 15 "
        "and the standard load is 8");
    row("over the maximum with the best part", "vt=19", "carry=M3,M3,M3 status=StdOver",
        "No loadout of the Prominence M2 stays STD OVER with 355-SB, 355-SB and 355-SB: they "
        "alone weigh 24 and the maximum load is 18");
    row("one item alone", "vt=19 F=2", "keep=F,P1,L1,P2,L2 carry=M3",
        "No loadout of the Prominence M2 stays VT OK with 355-SB: it alone weighs 12 and the "
        "standard load is 8");
    row("kept items", "vt=19 M1=1 M2=1 M3=1", parts + "keep=M1,M2,M3",
        "No loadout of the Prominence M2 stays VT OK with the kept items: they alone weigh 15 and "
        "the standard load is 8");
    row("no room", "vt=12", "carry=M5,M5,M5,M5",
        "No loadout of the Garpike has room for 200-AR, 200-AR, 200-AR and 200-AR");
    row("no room beside a kept weapon", "vt=12 M2=3", "keep=M2 carry=M5,M5,M5",
        "No loadout of the Garpike has room for 200-AR, 200-AR and 200-AR");
    row("no room for three parts", "vt=12", "carry=P2/2,P3,P9",
        "No loadout of the Garpike has room for Advanced Mount Level 2, Advanced Balancer and "
        "Advanced Armour");
    row("mounts full", "vt=12", "carry=S19,S19 status=MaxOver",
        "No loadout of the Garpike avoids MOUNT OVER with AVTM and AVTM");
    row("reach", "vt=12", "reach=1000", "No main weapon of the Garpike reaches 1000 m");
    row("cover", "vt=12", "cover=0-1000",
        "The weapons of the Garpike cannot cover 0-1000 m without a gap");
    row("guided", "vt=12", "guided", "The Garpike offers no guided weapon");
    row("fuel tanks", "vt=4", "fuel=2", "The Falchion carries at most 1 fuel tank");
    row("kept fuel tanks", "vt=12 F=1", "keep=F fuel=2", "The kept fuel tanks are fewer than 2");
    row("limits together", "vt=8", parts + "carry=M1,M1,M1 fuel=1",
        "No loadout of the Vitzh meets all these limits at once");
    // Each VT named as its selector shows it, also where the reports spell it otherwise.
    row("Colt Executive by its selector's name", "vt=1", "fuel=9",
        "The Colt Executive carries at most 2 fuel tanks");
    row("m-Vitzh by its selector's name", "vt=5", "reach=5000",
        "No main weapon of the m-Vitzh reaches 5000 m");
    row("Siegesug by its selector's name", "vt=24", "carry=M5", "The Siegesug offers no 200-AR");
}

void TestFinder::nothingFits() {
    QFETCH(QString, current);
    QFETCH(QString, limits);
    QFETCH(QString, reason);
    const FinderAnswer answer = findLoadouts(requestOf(current, limits, 0, 10, false));
    QVERIFY(answer.loadouts.empty());
    QCOMPARE(answer.nothingFits, reason);
}

void TestFinder::reasonsNameTheVtAsItsSelector_data() {
    QTest::addColumn<int>("vt");
    QTest::addColumn<int>("rank");
    QTest::addColumn<QString>("why");
    // Every VT whose report name is not its selector's: the three the
    // catalogue has, each by the name its selector shows.
    const std::map<int, QString> shown = {{1, "Colt Executive"}, {5, "m-Vitzh"}, {24, "Siegesug"}};
    for (int vt = 0; vt < VtCount; ++vt) {
        if (vtEntry(vt).reportName == vtEntry(vt).selectorName)
            continue;
        const QString name = shown.count(vt) ? shown.at(vt) : QStringLiteral("(unnamed)");
        const QString supply = grouped(int(vtEntry(vt).supplyPointCost));
        QTest::addRow("%s, supply cost", qPrintable(name))
            << vt << int(FinderRank::SupplyCost)
            << QStringLiteral("Supply point cost %1: the %2's own").arg(supply, name);
        QTest::addRow("%s, sortie cost", qPrintable(name))
            << vt << int(FinderRank::SortieCost)
            << QStringLiteral("Sortie point cost %1: the %2's own")
                   .arg(vtEntry(vt).sortiePointCost)
                   .arg(name);
    }
}

// The reason each row gives names its VT as the window's VT selector does.
void TestFinder::reasonsNameTheVtAsItsSelector() {
    QFETCH(int, vt);
    QFETCH(int, rank);
    QFETCH(QString, why);
    const FinderAnswer answer =
        findLoadouts(requestOf(QStringLiteral("vt=%1").arg(vt), "", rank, 3, false));
    QVERIFY(!answer.loadouts.empty());
    for (const FoundLoadout& found : answer.loadouts)
        QCOMPARE(found.why, why);
}

void TestFinder::cancelStops() {
    const std::atomic<bool> cancel{true};
    const FinderAnswer answer =
        findLoadouts(requestOf("vt=14", "status=MountOver", 0, 50, true), &cancel);
    QVERIFY(answer.cancelled);
    QVERIFY(answer.nothingFits.isEmpty());
}

QTEST_MAIN(TestFinder)
#include "tst_finder.moc"

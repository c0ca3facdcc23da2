#include "core/FinderSearch.h"

#include "model/Recompute.h"

#include <algorithm>
#include <limits>

namespace vantor::finder {

namespace {

// A loadout of the space being searched, by its parts' places.
struct Hit {
    Key key;
    std::uint32_t context;
    std::uint32_t main;
    std::uint32_t sub;
};

// The best N seen so far; the worst of them on top, so that a newcomer is
// weighed against it at once.
class BestN {
public:
    explicit BestN(int n) : n(std::size_t(std::max(n, 0))) { heap.reserve(this->n); }

    bool full() const { return n > 0 && heap.size() == n; }
    std::int64_t worstScore() const { return heap.front().key.score; }
    bool admits(const Key& key) const {
        return heap.size() < n ? n > 0 : better(key, heap.front().key);
    }
    void push(const Hit& hit) {
        if (!admits(hit.key))
            return;
        if (heap.size() == n) {
            std::pop_heap(heap.begin(), heap.end(), byKey);
            heap.pop_back();
        }
        heap.push_back(hit);
        std::push_heap(heap.begin(), heap.end(), byKey);
    }
    std::vector<Hit> sorted() {
        std::sort_heap(heap.begin(), heap.end(), byKey);
        return std::move(heap);
    }

private:
    static bool byKey(const Hit& a, const Hit& b) { return better(a.key, b.key); }
    std::size_t n;
    std::vector<Hit> heap;
};

bool cancelled(const std::atomic<bool>* cancel) {
    return cancel && cancel->load(std::memory_order_relaxed);
}

Found foundOf(const VtSpace& space, FinderRank rank, const Hit& hit) {
    Found f;
    f.key = hit.key;
    f.vt = space.vt;
    f.context = space.contexts[hit.context];
    f.main = space.mains[hit.main];
    f.sub = space.subs[hit.sub];
    f.changes = changesOf(space, f.context, f.main, f.sub);
    f.figure = figureOf(space, rank, f.context, f.main, f.sub);
    f.mainFixed = space.mainFixed;
    f.subFixed = space.subFixed;
    return f;
}

// The leading loadout where the space holds it within the limits.
std::optional<Hit> leadHit(const VtSpace& space, const FinderRequest& request) {
    if (!space.lead)
        return std::nullopt;
    const auto at = [](const auto& all, auto code, auto of) -> std::optional<std::uint32_t> {
        for (std::uint32_t i = 0; i < all.size(); ++i)
            if (of(all[i]) == code)
                return i;
        return std::nullopt;
    };
    const auto c =
        at(space.contexts, space.lead->context, [](const Context& x) { return x.items; });
    const auto m = at(space.mains, space.lead->main, [](const WeaponSet& x) { return x.items12; });
    const auto s = at(space.subs, space.lead->sub, [](const WeaponSet& x) { return x.items12; });
    if (!c || !m || !s)
        return std::nullopt;
    const FinderLimits& limits = request.limits;
    const Context& context = space.contexts[*c];
    const WeaponSet& main = space.mains[*m];
    const WeaponSet& sub = space.subs[*s];
    const std::uint32_t total = context.fuelLoad + main.load + sub.load;
    if (loadStatusFor(total, context.standard, context.maximum, space.mountsFull(sub)) <
            limits.worstStatus ||
        (limits.guided && !main.guided && !sub.guided) ||
        (limits.cover && !space.covers(*m, *s, *limits.cover)))
        return std::nullopt;
    return Hit{keyOf(space, request.rank, context, main, sub), *c, *m, *s};
}

bool weaponFigure(FinderRank rank) {
    return rank == FinderRank::VolleyDamage || rank == FinderRank::LongestReach;
}

// A main and a sub-weapon set joined, as one bucket orders them.
struct Pair {
    std::int64_t weaponScore; // the ranked figure where the weapons alone give it, else 0
    std::uint64_t items;
    std::uint32_t main;
    std::uint32_t sub;
};

bool pairBetter(const Pair& a, const Pair& b) {
    if (a.weaponScore != b.weaponScore)
        return a.weaponScore > b.weaponScore;
    return a.items < b.items;
}

// The weapon pairs joined by their load and by whether they fill the mounts:
// within one context, every figure but the weapons' own depends on nothing
// else, so two pairs of a bucket rank as the bucket orders them, and only
// the first `count` of a bucket can be among the best `count` loadouts.
class Buckets {
public:
    Buckets(const VtSpace& space, const FinderRequest& request, int count)
        : count(std::size_t(count)) {
        const FinderLimits& limits = request.limits;
        std::uint32_t most = 0;
        for (const WeaponSet& m : space.mains)
            for (const WeaponSet& s : space.subs)
                most = std::max(most, m.load + s.load);
        buckets.resize(std::size_t(most + 1) * 2);
        const bool byWeapons = weaponFigure(request.rank);
        const Context none;
        for (std::uint32_t si = 0; si < space.subs.size(); ++si) {
            const WeaponSet& s = space.subs[si];
            const bool full = space.mountsFull(s);
            if (full && limits.worstStatus > StatusMountOver)
                continue;
            for (std::uint32_t mi = 0; mi < space.mains.size(); ++mi) {
                const WeaponSet& m = space.mains[mi];
                if (limits.guided && !m.guided && !s.guided)
                    continue;
                if (limits.cover && !space.covers(mi, si, *limits.cover))
                    continue;
                const Pair pair{
                    byWeapons ? scoreOf(request.rank, figureOf(space, request.rank, none, m, s))
                              : 0,
                    keyOf(space, request.rank, none, m, s).items, mi, si};
                add(bucketOf(m.load + s.load, full), pair);
            }
        }
        for (std::size_t b = 0; b < buckets.size(); ++b)
            if (!buckets[b].empty())
                filled.push_back(b);
    }

    static std::size_t bucketOf(std::uint32_t load, bool full) { return load * 2 + (full ? 1 : 0); }
    static std::uint32_t loadOf(std::size_t bucket) { return std::uint32_t(bucket / 2); }
    static bool fullOf(std::size_t bucket) { return bucket % 2 == 1; }

    const std::vector<Pair>& operator[](std::size_t b) const { return buckets[b]; }
    // The buckets that hold a pair, lightest first.
    std::vector<std::size_t> filled;

private:
    void add(std::size_t b, const Pair& pair) {
        std::vector<Pair>& v = buckets[b];
        if (v.size() == count && !pairBetter(pair, v.back()))
            return;
        v.insert(std::upper_bound(v.begin(), v.end(), pair, pairBetter), pair);
        if (v.size() > count)
            v.pop_back();
    }

    std::size_t count;
    std::vector<std::vector<Pair>> buckets;
};

// The best `count` loadouts of one space.
SearchResult searchSpace(const VtSpace& space, const FinderRequest& request, int count,
                         const std::atomic<bool>* cancel) {
    SearchResult result;
    if (count <= 0 || space.contexts.empty() || space.mains.empty() || space.subs.empty())
        return result;
    const FinderRank rank = request.rank;
    const std::int32_t worst = request.limits.worstStatus;
    const Buckets buckets(space, request, count);

    // Contexts best first, so that the best N fill early and the rest are
    // turned away at their first pair; where the context alone gives the
    // figure, the first context that cannot reach the worst kept ends it.
    const bool byContext =
        !weaponFigure(rank) && rank != FinderRank::LoadLeft && rank != FinderRank::TurnSpeed;
    const WeaponSet& anyMain = space.mains.front();
    const WeaponSet& anySub = space.subs.front();
    const auto contextScore = [&](const Context& c) {
        return byContext ? scoreOf(rank, figureOf(space, rank, c, anyMain, anySub)) : 0;
    };
    std::vector<std::pair<std::int64_t, std::uint32_t>> order;
    order.reserve(space.contexts.size());
    for (std::uint32_t c = 0; c < space.contexts.size(); ++c)
        order.push_back({contextScore(space.contexts[c]), c});
    std::sort(order.begin(), order.end(), [&](const auto& a, const auto& b) {
        const Context& x = space.contexts[a.second];
        const Context& y = space.contexts[b.second];
        return std::tie(b.first, x.fuelLoad, x.items) < std::tie(a.first, y.fuelLoad, y.items);
    });

    // The weapons' best figure within a load, for a bound on what a context
    // can still reach.
    const bool byWeapons = weaponFigure(rank);
    std::vector<std::int64_t> bestWithin;
    std::int64_t bestFull = std::numeric_limits<std::int64_t>::min();
    for (std::size_t b : buckets.filled) {
        const std::int64_t head = buckets[b].front().weaponScore;
        if (Buckets::fullOf(b)) {
            bestFull = std::max(bestFull, head);
            continue;
        }
        bestWithin.resize(Buckets::loadOf(b) + 1, std::numeric_limits<std::int64_t>::min());
        bestWithin.back() = head;
    }
    for (std::size_t load = 1; load < bestWithin.size(); ++load)
        bestWithin[load] = std::max(bestWithin[load], bestWithin[load - 1]);
    std::array<std::int64_t, 6> turnScore{};
    for (std::size_t d = 0; d < turnScore.size(); ++d)
        turnScore[d] = scoreOf(FinderRank::TurnSpeed, space.turn[d]);

    // The leading loadout goes before its ties, which the buckets' order
    // does not know: it is weighed first, on its own, and passed over below.
    BestN best(count);
    const std::optional<Hit> lead = leadHit(space, request);
    if (lead)
        best.push(*lead);
    for (const auto& [score, c] : order) {
        if (cancelled(cancel)) {
            result.cancelled = true;
            break;
        }
        if (byContext && best.full() && score < best.worstScore())
            break;
        const Context& context = space.contexts[c];
        if (byWeapons && best.full()) {
            const std::uint32_t limit = worst >= StatusVtOk      ? context.standard
                                        : worst >= StatusStdOver ? context.maximum
                                                                 : UINT32_MAX;
            std::int64_t bound = bestFull;
            if (limit >= context.fuelLoad && !bestWithin.empty())
                bound = std::max(bound, bestWithin[std::min<std::size_t>(limit - context.fuelLoad,
                                                                         bestWithin.size() - 1)]);
            if (bound < best.worstScore())
                continue;
        }
        const std::uint64_t contextItems = context.items << ContextShift;
        const bool leadContext = lead && lead->context == c;
        for (std::size_t b : buckets.filled) {
            const std::uint32_t total = context.fuelLoad + Buckets::loadOf(b);
            const bool full = Buckets::fullOf(b);
            const std::int32_t status =
                loadStatusFor(total, context.standard, context.maximum, full);
            // Pairs that fill the mounts are in buckets only where MOUNT OVER
            // is allowed, so a status under the worst allowed is the load's:
            // every heavier bucket is over the limit too.
            if (status < worst)
                break;
            // The figure where the context and the load give it.
            std::int64_t shared = score;
            if (rank == FinderRank::LoadLeft)
                shared = 100 * loadLeft(status, total, context.standard, context.maximum);
            else if (rank == FinderRank::TurnSpeed)
                shared = turnScore[std::size_t(
                    std::clamp<std::int64_t>(std::int64_t(total) - context.standard, 0, 5))];
            if (!byWeapons && best.full() && shared < best.worstScore())
                continue;
            for (const Pair& pair : buckets[b]) {
                if (leadContext && pair.main == lead->main && pair.sub == lead->sub)
                    continue;
                const Key key{byWeapons ? pair.weaponScore : shared, total, false,
                              pair.items | contextItems};
                if (!best.admits(key))
                    break;
                best.push({key, c, pair.main, pair.sub});
            }
        }
    }
    for (const Hit& hit : best.sorted())
        result.found.push_back(foundOf(space, rank, hit));
    return result;
}

} // namespace

SearchResult search(const FinderRequest& request, const std::atomic<bool>* cancel) {
    if (request.scope == FinderScope::ThisVt) {
        if (request.current.vt < 0 || request.current.vt >= VtCount)
            return {};
        return searchSpace(buildSpace(request.current.vt, request), request, request.count, cancel);
    }
    // The best of each VT, ranked.
    SearchResult all;
    for (int vt = 0; vt < VtCount && !all.cancelled; ++vt) {
        SearchResult one = searchSpace(buildSpace(vt, request), request, 1, cancel);
        all.cancelled = one.cancelled;
        all.found.insert(all.found.end(), one.found.begin(), one.found.end());
    }
    std::sort(all.found.begin(), all.found.end(),
              [](const Found& a, const Found& b) { return better(a.key, b.key); });
    all.found.resize(std::min(all.found.size(), std::size_t(std::max(request.count, 0))));
    return all;
}

} // namespace vantor::finder

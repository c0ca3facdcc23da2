#include "core/FinderSearch.h"

#include "equipment/OptionalParts.h"
#include "model/Recompute.h"
#include "model/Text.h"

#include <algorithm>

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
    f.figure = figureOf(space, rank, f.context, f.main, f.sub);
    f.mainFixed = space.mainFixed;
    f.subFixed = space.subFixed;
    return f;
}

} // namespace

SearchResult searchSpace(const VtSpace& space, const FinderRequest& request, int count,
                         const std::atomic<bool>* cancel) {
    SearchResult result;
    BestN best(count);
    for (std::uint32_t c = 0; c < space.contexts.size(); ++c) {
        if (cancelled(cancel)) {
            result.cancelled = true;
            break;
        }
        const Context& context = space.contexts[c];
        for (std::uint32_t m = 0; m < space.mains.size(); ++m)
            for (std::uint32_t s = 0; s < space.subs.size(); ++s) {
                if (!fits(space, request.limits, context, m, s))
                    continue;
                best.push(
                    {keyOf(space, request.rank, context, space.mains[m], space.subs[s]), c, m, s});
            }
    }
    for (const Hit& hit : best.sorted())
        result.found.push_back(foundOf(space, request.rank, hit));
    return result;
}

SearchResult search(const FinderRequest& request, const std::atomic<bool>* cancel) {
    if (request.scope == FinderScope::ThisVt) {
        if (request.current.vt < 0 || request.current.vt >= VtCount)
            return {};
        return searchSpace(buildSpace(request.current.vt, request), request, request.count, cancel);
    }
    SearchResult all;
    for (int vt = 0; vt < VtCount && !all.cancelled; ++vt) {
        SearchResult one = searchSpace(buildSpace(vt, request), request, 1, cancel);
        all.cancelled = one.cancelled;
        all.found.insert(all.found.end(), one.found.begin(), one.found.end());
    }
    std::sort(all.found.begin(), all.found.end(),
              [](const Found& a, const Found& b) { return better(a.key, b.key); });
    if (all.found.size() > std::size_t(std::max(request.count, 0)))
        all.found.resize(std::size_t(std::max(request.count, 0)));
    return all;
}

namespace {

QString itemsText(const QStringList& names) {
    if (names.size() <= 1)
        return names.value(0);
    return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") +
           names.last();
}

QString requirementName(const FinderRequirement& r) {
    if (r.kind == FinderRequirement::Part) {
        const OptionalPart* part = optionalPart(r.id);
        QString name = part ? toQString(part->name) : QStringLiteral("N/A");
        if (partLevels(r.id) && r.minimumLevel > 0)
            name += QStringLiteral(" level %1").arg(r.minimumLevel);
        return name;
    }
    const WeaponEntry* entry =
        weaponById(r.kind == FinderRequirement::MainWeapon ? WeaponKind::Main : WeaponKind::Sub,
                   std::uint32_t(r.id));
    return entry ? toQString(entry->ListText) : QStringLiteral("N/A");
}

bool nothing(const FinderRequest& request, const FinderLimits& limits) {
    FinderRequest tried = request;
    tried.limits = limits;
    tried.count = 1;
    return search(tried).found.empty();
}

// Why no loadout of the space stays at the worst status allowed: its least
// load against the best limit any part choice gives.
QString statusReason(const VtSpace& space, std::int32_t worst, const QString& vt,
                     const QString& what, bool several) {
    const bool allFull = !space.subs.empty() &&
                         std::all_of(space.subs.begin(), space.subs.end(),
                                     [&space](const WeaponSet& s) { return space.mountsFull(s); });
    if (allFull)
        return QStringLiteral("No loadout of the %1 avoids MOUNT OVER with %2").arg(vt, what);
    std::uint32_t least = UINT32_MAX;
    std::uint32_t limit = 0;
    const bool standard = worst >= StatusVtOk;
    for (const Context& c : space.contexts) {
        limit = std::max(limit, standard ? c.standard : c.maximum);
        for (const WeaponSet& m : space.mains)
            for (const WeaponSet& s : space.subs)
                if (worst == StatusMountOver || !space.mountsFull(s))
                    least = std::min(least, c.fuelLoad + m.load + s.load);
    }
    return QStringLiteral("No loadout of the %1 stays %2 with %3: %4 %5 and the %6 load is %7")
        .arg(vt, loadStatusText(worst), what,
             several ? QStringLiteral("they alone weigh") : QStringLiteral("it alone weighs"))
        .arg(least)
        .arg(standard ? QStringLiteral("standard") : QStringLiteral("maximum"))
        .arg(limit);
}

} // namespace

QString nothingFitsReason(const FinderRequest& request) {
    const FinderLimits& limits = request.limits;
    if (request.scope == FinderScope::EveryVt)
        return QStringLiteral("No VT has a loadout that meets all these limits at once");
    const int vtIndex = request.current.vt;
    if (vtIndex < 0 || vtIndex >= VtCount)
        return QStringLiteral("No VT is chosen");
    const QString vt = toQString(vtEntry(vtIndex).reportName);

    // A weapon the VT's selectors do not offer at all.
    for (const FinderRequirement& r : limits.mustCarry) {
        if (r.kind == FinderRequirement::Part)
            continue;
        const auto rows = rowIds(
            vtIndex, r.kind == FinderRequirement::MainWeapon ? WeaponKind::Main : WeaponKind::Sub);
        if (r.id <= 0 || std::find(rows.begin(), rows.end(), std::uint32_t(r.id)) == rows.end())
            return QStringLiteral("The %1 offers no %2").arg(vt, requirementName(r));
    }

    FinderLimits kept;
    kept.keep = limits.keep;
    kept.worstStatus = StatusMountOver;
    FinderLimits tried = kept;
    tried.worstStatus = limits.worstStatus;
    if (nothing(request, tried)) {
        FinderRequest keptOnly = request;
        keptOnly.limits = kept;
        return statusReason(buildSpace(vtIndex, keptOnly), limits.worstStatus, vt,
                            QStringLiteral("the kept items"), true);
    }
    QStringList carried;
    for (const FinderRequirement& r : limits.mustCarry)
        carried << requirementName(r);
    tried = kept;
    tried.mustCarry = limits.mustCarry;
    if (nothing(request, tried))
        return QStringLiteral("No loadout of the %1 has room for %2").arg(vt, itemsText(carried));
    tried.worstStatus = limits.worstStatus;
    if (nothing(request, tried)) {
        FinderRequest carrying = request;
        carrying.limits = tried;
        carrying.limits.worstStatus = StatusMountOver;
        return statusReason(buildSpace(vtIndex, carrying), limits.worstStatus, vt,
                            itemsText(carried), carried.size() > 1);
    }
    tried = kept;
    tried.reach = limits.reach;
    if (limits.reach && nothing(request, tried))
        return QStringLiteral("No main weapon of the %1 reaches %2 m").arg(vt).arg(*limits.reach);
    tried = kept;
    tried.cover = limits.cover;
    if (limits.cover && nothing(request, tried))
        return QStringLiteral("The weapons of the %1 cannot cover %2-%3 m without a gap")
            .arg(vt)
            .arg(limits.cover->from)
            .arg(limits.cover->to);
    tried = kept;
    tried.guided = limits.guided;
    if (limits.guided && nothing(request, tried))
        return QStringLiteral("The %1 offers no guided weapon").arg(vt);
    tried = kept;
    tried.minimumFuelTanks = limits.minimumFuelTanks;
    if (nothing(request, tried)) {
        const int tanks = int(vtEntry(vtIndex).fuelTanks);
        if (limits.minimumFuelTanks > tanks)
            return QStringLiteral("The %1 carries at most %2 fuel %3")
                .arg(vt)
                .arg(tanks)
                .arg(tanks == 1 ? QStringLiteral("tank") : QStringLiteral("tanks"));
        return QStringLiteral("The kept fuel tanks are fewer than %1").arg(limits.minimumFuelTanks);
    }
    return QStringLiteral("No loadout of the %1 meets all these limits at once").arg(vt);
}

} // namespace vantor::finder

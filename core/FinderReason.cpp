#include "core/FinderSearch.h"

#include "equipment/OptionalParts.h"
#include "model/Recompute.h"
#include "model/Text.h"

#include <algorithm>

// Why nothing fits: the limits tried one by one, alone beside the kept
// selectors, until one rules every loadout out.

namespace vantor::finder {

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
        const QString name = part ? toQString(part->name) : NotAvailable;
        return partLevels(r.id) && r.minimumLevel > 0 ? itemWithLevel(name, r.minimumLevel) : name;
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
    const QString vt = toQString(vtEntry(vtIndex).selectorName); // as the VT selector shows it

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

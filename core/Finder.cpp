#include "core/Finder.h"

#include "core/FinderSearch.h"
#include "core/FinderSpace.h"
#include "core/VtChoice.h"
#include "equipment/OptionalParts.h"
#include "model/Format.h"
#include "model/Recompute.h"
#include "model/Text.h"
#include "weapons/WeaponSelection.h"

#include <algorithm>
#include <functional>

namespace vantor {

using namespace finder;

namespace {

// "3,450": whole numbers with a comma between thousands.
QString grouped(long long n) {
    QString digits = QString::number(n < 0 ? -n : n);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(','));
    return n < 0 ? QLatin1Char('-') + digits : digits;
}

// A shown figure ("2310", "12.5") with its whole part grouped.
QString groupedText(const QString& text) {
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    const std::optional<double> whole = figureValue(QStringView(text).left(point));
    return whole ? grouped((long long)*whole) + (point < 0 ? QString() : text.mid(point)) : text;
}

// The VT as its selector names it; the reports' own spelling differs for a few.
QString vtName(int vt) {
    return toQString(vtEntry(vt).selectorName);
}

QString partName(const PartItem& p) {
    const QString name = toQString(OptionalParts[std::size_t(p.part)].name);
    return p.level != NoLevel && partLevels(p.part) ? itemWithLevel(name, p.level + 1) : name;
}

// The picks that put a found loadout into the window.
LoadoutPicks picksOf(const Found& f, const LoadoutPicks& current) {
    LoadoutPicks picks;
    picks.vt = f.vt;
    // An empty item where the selector is already empty stays unpicked.
    const auto item = [](int chosen, int now) {
        return chosen == 0 && now == NotPicked ? NotPicked : chosen;
    };
    picks.fuel = item(f.context.fuel, current.fuel);
    for (std::size_t s = 0; s < 2; ++s) {
        const PartItem& p = f.context.parts[s];
        picks.parts[s] = {item(p.part, current.parts[s].part), p.level};
        if (picks.parts[s].part == NotPicked)
            picks.parts[s].level = NotPicked;
    }
    for (std::size_t s = 0; s < 3; ++s) {
        const auto pick = [&](const WeaponSet& set, bool fixed, const WeaponPick& now) {
            return fixed ? WeaponPick{set.items[s], true}
                         : WeaponPick{item(set.items[s], now.item), false};
        };
        picks.main[s] = pick(f.main, f.mainFixed[s], current.main[s]);
        picks.sub[s] = pick(f.sub, f.subFixed[s], current.sub[s]);
    }
    return picks;
}

// The record after the picks, as choosing the VT and each pick's handler
// leave it; `chosen` is a record just after choosing that VT.
Loadout recordAfter(const LoadoutPicks& picks, const Loadout& chosen) {
    Loadout l = chosen;
    SelectorFacts facts{picks.vt, PartUnarmed, NoLevel, PartUnarmed, NoLevel};
    const auto pick = [&](Selector selector, int item) {
        if (item != NotPicked)
            applyPick(l, facts, {selector, item});
    };
    pick(Selector::Fuel, picks.fuel);
    for (int slot = 1; slot <= 2; ++slot) {
        const PartPick& part = picks.parts[std::size_t(slot - 1)];
        pick(partSelector(slot), part.part);
        if (part.part != NotPicked)
            pick(levelSelector(slot), part.level);
    }
    for (WeaponKind kind : {WeaponKind::Main, WeaponKind::Sub})
        for (int slot = 1; slot <= 3; ++slot) {
            const WeaponPick& w =
                (kind == WeaponKind::Main ? picks.main : picks.sub)[std::size_t(slot - 1)];
            if (w.fixed || w.item == NotPicked)
                continue;
            pick(weaponSelector(kind, slot), w.item);
            // The handler shows the weapon too, which stores its range band.
            if (kind == WeaponKind::Main)
                ShowMainWeaponInfo(l, slot, w.item);
            else
                ShowSubWeaponInfo(l, slot, w.item);
        }
    return l;
}

// The six slots' weapons of a found loadout, with their kinds.
struct SlotWeapon {
    WeaponKind kind;
    const WeaponEntry* entry;
};
std::array<SlotWeapon, 6> slotWeapons(const Loadout& l, const Found& f) {
    std::array<SlotWeapon, 6> w{};
    for (std::size_t s = 0; s < 3; ++s) {
        w[s] = {WeaponKind::Main,
                weaponById(WeaponKind::Main, l.MainWeaponListId[std::size_t(f.main.items[s])])};
        w[s + 3] = {WeaponKind::Sub,
                    weaponById(WeaponKind::Sub, l.SubWeaponListId[std::size_t(f.sub.items[s])])};
    }
    return w;
}

// The ranked figure read off the record.
double recordFigure(FinderRank rank, const Loadout& l, const Found& f) {
    const auto value = [](const QString& text) { return figureValue(text).value_or(0); };
    switch (rank) {
    case FinderRank::VolleyDamage: {
        double sum = 0;
        for (const SlotWeapon& w : slotWeapons(l, f))
            sum += figureValue(w.entry->DamageText).value_or(0);
        return sum;
    }
    case FinderRank::LongestReach:
        return std::max({l.MW1RangeMax, l.MW2RangeMax, l.MW3RangeMax, l.SW1RangeMax, l.SW2RangeMax,
                         l.SW3RangeMax});
    case FinderRank::LoadLeft:
        return double(loadLeft(l.LoadStatus, l.TotalLoad, l.StandardLoad, l.MaximumLoad));
    case FinderRank::StandardLoad:
        return l.StandardLoad;
    case FinderRank::MaximumLoad:
        return l.MaximumLoad;
    case FinderRank::Durability:
        return value(l.DurabilityText);
    case FinderRank::Balancer:
        return value(l.BalancerText);
    case FinderRank::Veering:
        return value(l.VeeringText);
    case FinderRank::TurnSpeed:
        return value(l.TurnSpeedText);
    case FinderRank::SupplyCost:
        return l.SupplyPointCost;
    case FinderRank::SortieCost:
        return l.SortiePointCost;
    }
    return 0;
}

QString figureTextOf(FinderRank rank, const Loadout& l, double figure) {
    switch (rank) {
    case FinderRank::VolleyDamage:
    case FinderRank::SupplyCost:
    case FinderRank::SortieCost:
        return grouped((long long)figure);
    case FinderRank::LongestReach:
        return QStringLiteral("%1 m").arg((long long)figure);
    case FinderRank::Durability:
        return l.DurabilityText;
    case FinderRank::Balancer:
        return l.BalancerText;
    case FinderRank::Veering:
        return l.VeeringText;
    case FinderRank::TurnSpeed:
        return l.TurnSpeedText;
    default:
        return QString::number((long long)figure);
    }
}

// The parts of a context that raise a figure, by the bonus they grant.
QString raisedBy(const Found& f, const QString& base,
                 const std::function<QString(const PartItem&)>& bonus) {
    QString text = base;
    QString best;
    for (const PartItem& p : f.context.parts) {
        const QString b = bonus(p);
        if (!b.isEmpty() && best.isEmpty())
            best = QStringLiteral(" + %1 %2").arg(partName(p), b);
    }
    return best.isEmpty() ? text + QStringLiteral(", no part raises it") : text + best;
}

QString whyOf(FinderRank rank, const Loadout& l, const Found& f, const QString& figureText) {
    const QString name = finderRankName(rank);
    const QString shown = rank == FinderRank::LongestReach ? figureText : groupedText(figureText);
    const QString head = name.left(1) + name.mid(1).toLower() + QLatin1Char(' ') + shown;
    switch (rank) {
    case FinderRank::VolleyDamage: {
        QStringList terms;
        for (const SlotWeapon& w : slotWeapons(l, f))
            if (w.entry->Id != 0)
                terms << QStringLiteral("%1 %2").arg(toQString(w.entry->ListText),
                                                     groupedText(toQString(w.entry->DamageText)));
        return head + QStringLiteral(": ") +
               (terms.isEmpty() ? QStringLiteral("no weapon") : terms.join(QStringLiteral(" + ")));
    }
    case FinderRank::LongestReach: {
        QStringList names;
        for (const SlotWeapon& w : slotWeapons(l, f))
            if (w.entry->Id != 0 && w.entry->MaxRange == int(f.figure))
                names << toQString(w.entry->ListText);
        names.removeDuplicates();
        return head + QStringLiteral(": ") +
               (names.isEmpty() ? QStringLiteral("no weapon") : names.join(QStringLiteral(", ")));
    }
    case FinderRank::LoadLeft:
        if (l.LoadStatus == StatusVtOk)
            return head + QStringLiteral(": total load %1 of standard load %2")
                              .arg(l.TotalLoad)
                              .arg(l.StandardLoad);
        if (l.LoadStatus == StatusStdOver)
            return head + QStringLiteral(": total load %1 of maximum load %2")
                              .arg(l.TotalLoad)
                              .arg(l.MaximumLoad);
        return head + QStringLiteral(": ") + loadStatusText(l.LoadStatus);
    case FinderRank::StandardLoad:
    case FinderRank::MaximumLoad: {
        const bool standard = rank == FinderRank::StandardLoad;
        const QString base =
            head + QStringLiteral(": VT %1").arg(standard ? l.VTStandardLoad : l.VTMaximumLoad);
        const std::uint32_t raised = (standard ? l.StandardLoad : l.MaximumLoad) -
                                     (standard ? l.VTStandardLoad : l.VTMaximumLoad);
        return raisedBy(f, base, [&](const PartItem& p) {
            const PartBonus b = partBonus(p);
            const std::uint32_t v = standard ? b.standard : b.maximum;
            return v > 0 && v == raised ? QStringLiteral("+%1").arg(v) : QString();
        });
    }
    case FinderRank::Durability:
    case FinderRank::Balancer:
    case FinderRank::Veering: {
        const float vt = rank == FinderRank::Durability ? l.VTDurability
                         : rank == FinderRank::Balancer ? l.VTBalancerRating
                                                        : l.VTVeeringEfficiency;
        const float granted = rank == FinderRank::Durability ? l.DurabilityBonus
                              : rank == FinderRank::Balancer ? l.BalancerBonus
                                                             : l.VeeringBonus;
        const QString base = head + QStringLiteral(": VT %1").arg(groupedText(formatHashHash(vt)));
        return raisedBy(f, base, [&](const PartItem& p) {
            const PartBonus b = partBonus(p);
            const float v = rank == FinderRank::Durability ? b.durability
                            : rank == FinderRank::Balancer ? b.balancer
                                                           : b.veering;
            return v > 0 && v == granted ? QStringLiteral("+%1%").arg(double(v)) : QString();
        });
    }
    case FinderRank::TurnSpeed:
        if (l.TotalLoad > l.StandardLoad)
            return head + QStringLiteral(": total load %1, %2 over the standard load %3")
                              .arg(l.TotalLoad)
                              .arg(l.TotalLoad - l.StandardLoad)
                              .arg(l.StandardLoad);
        return head + QStringLiteral(": total load %1 within the standard load %2")
                          .arg(l.TotalLoad)
                          .arg(l.StandardLoad);
    case FinderRank::SupplyCost:
    case FinderRank::SortieCost:
        return head + QStringLiteral(": the %1's own").arg(vtName(f.vt));
    }
    return head;
}

FoundLoadout present(const Found& f, const FinderRequest& request, const Loadout& chosen) {
    FoundLoadout out;
    out.picks = picksOf(f, request.current);
    out.after = recordAfter(out.picks, chosen);
    out.figure = recordFigure(request.rank, out.after, f);
    Q_ASSERT(scoreOf(request.rank, out.figure) == f.key.score);
    out.figureText = figureTextOf(request.rank, out.after, out.figure);
    out.changes = f.changes;
    out.why = whyOf(request.rank, out.after, f, out.figureText);
    out.preview = comparePick(request.currentLoadout, out.after);
    return out;
}

} // namespace

QString finderRankName(FinderRank rank) {
    static const char* const names[FinderRankCount] = {
        "Volley Damage", "Longest Reach",     "Load Left",        "Standard Load",
        "Maximum Load",  "Durability",        "Balancer Rating",  "Veering Efficiency",
        "Turn Speed",    "Supply Point Cost", "Sortie Point Cost"};
    return QLatin1String(names[int(rank)]);
}

bool lowerIsBetter(FinderRank rank) {
    return rank == FinderRank::TurnSpeed || rank == FinderRank::SupplyCost ||
           rank == FinderRank::SortieCost;
}

FinderAnswer findLoadouts(const FinderRequest& request, const std::atomic<bool>* cancel) {
    FinderAnswer answer;
    const SearchResult result = search(request, cancel);
    answer.cancelled = result.cancelled;
    // Choosing a VT is the same step for every loadout of that VT.
    std::array<std::optional<Loadout>, VtCount> chosen;
    for (const Found& f : result.found) {
        std::optional<Loadout>& record = chosen[std::size_t(f.vt)];
        if (!record)
            chooseVt(record.emplace(), f.vt);
        answer.loadouts.push_back(present(f, request, *record));
    }
    if (answer.loadouts.empty() && !answer.cancelled && request.count > 0)
        answer.nothingFits = nothingFitsReason(request);
    return answer;
}

} // namespace vantor

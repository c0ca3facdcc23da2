#include "core/Preview.h"

#include "equipment/FuelTanks.h"
#include "equipment/OptionalParts.h"
#include "model/Recompute.h"
#include "weapons/WeaponSelection.h"

namespace vantor {

namespace {

RecomputeInputs recomputeInputs(const SelectorFacts& facts) {
    return {facts.vt, facts.part1, facts.part2};
}

bool pickWeapon(Loadout& l, WeaponSlot weapon, int row) {
    const bool main = weapon.kind == WeaponKind::Main;
    const int slot = weapon.slot;
    if (!(main ? selectMainWeapon(l, slot, row) : selectSubWeapon(l, slot, row)))
        return false;
    if (main)
        SumMainWeaponLoad(l);
    else
        SumSubWeaponLoad(l);
    return true;
}

QString loadText(std::uint32_t load) {
    return QString::number(load);
}

} // namespace

bool applyPick(Loadout& l, SelectorFacts& facts, const Pick& pick) {
    const int item = pick.item;
    switch (pick.selector) {
    case Selector::Vt:
        return false;
    case Selector::Fuel:
        chooseFuelTank(l, item);
        break;
    case Selector::Part1:
    case Selector::Part2: {
        const bool first = pick.selector == Selector::Part1;
        choosePart(l, first ? 1 : 2, item);
        // The level selector then shows "Set Level" or "N/A": no level.
        (first ? facts.part1 : facts.part2) = item;
        (first ? facts.level1 : facts.level2) = -1;
        break;
    }
    case Selector::Level1:
    case Selector::Level2: {
        const bool first = pick.selector == Selector::Level1;
        chooseLevel(l, first ? 1 : 2, first ? facts.part1 : facts.part2, item);
        (first ? facts.level1 : facts.level2) = item;
        break;
    }
    case Selector::Main1:
    case Selector::Main2:
    case Selector::Main3:
    case Selector::Sub1:
    case Selector::Sub2:
    case Selector::Sub3:
        if (!pickWeapon(l, weaponSlotOf(pick.selector), item))
            return false;
        break;
    }
    RecomputeLoadout(l, recomputeInputs(facts));
    return true;
}

PickPreview comparePick(const Loadout& before, const Loadout& after) {
    PickPreview p;
    p.applicable = true;
    p.totalLoad = after.TotalLoad;
    p.standardLoad = after.StandardLoad;
    p.maximumLoad = after.MaximumLoad;
    p.status = after.LoadStatus;
    p.totalBefore = before.TotalLoad;
    p.statusBefore = before.LoadStatus;
    const auto compare = [&p](const char* name, const QString& was, const QString& will) {
        if (was != will)
            p.changes.push_back({QLatin1String(name), was, will});
    };
    compare("Standard Load", loadText(before.StandardLoad), loadText(after.StandardLoad));
    compare("Maximum Load", loadText(before.MaximumLoad), loadText(after.MaximumLoad));
    compare("Durability", before.DurabilityText, after.DurabilityText);
    compare("Balancer Rating", before.BalancerText, after.BalancerText);
    compare("Turn Speed", before.TurnSpeedText, after.TurnSpeedText);
    compare("Turn Rank", before.TurnRankText.trimmed(), after.TurnRankText.trimmed());
    compare("Veering Efficiency", before.VeeringText, after.VeeringText);
    return p;
}

PickPreview previewPick(const Loadout& loadout, const SelectorFacts& facts, const Pick& pick) {
    Loadout after = loadout;
    SelectorFacts afterFacts = facts;
    if (!applyPick(after, afterFacts, pick))
        return {};
    return comparePick(loadout, after);
}

QString loadChangeText(long long change) {
    if (change > 0)
        return QStringLiteral("+%1").arg(change);
    if (change < 0)
        return QStringLiteral("\u2212%1").arg(-change);
    return QStringLiteral("\u00b10");
}

QString statusChangeText(const PickPreview& p) {
    if (!p.applicable || !p.statusChanges())
        return {};
    return QStringLiteral("\u2192 ") + loadStatusText(p.status);
}

QString previewText(const PickPreview& p) {
    if (!p.applicable)
        return {};
    QString text = QStringLiteral("If picked: total load %1 of %2 / %3, %4")
                       .arg(p.totalLoad)
                       .arg(p.standardLoad)
                       .arg(p.maximumLoad)
                       .arg(loadStatusText(p.status));
    text += p.statusChanges() ? QStringLiteral(" (now %1)").arg(loadStatusText(p.statusBefore))
                              : QStringLiteral(" (as now)");
    for (const FigureChange& change : p.changes)
        text += QStringLiteral("\n%1 %2 (now %3)").arg(change.name, change.after, change.before);
    return text;
}

} // namespace vantor

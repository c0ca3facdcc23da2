#include "model/Recompute.h"

#include "model/Format.h"
#include "model/Overload.h"
#include "model/PartIndex.h"
#include "model/VtCatalogue.h"

#include <algorithm>

namespace vantor {

void SumMainWeaponLoad(Loadout& loadout) {
    loadout.MainWeaponLoad =
        loadout.MainWeapon1Load + loadout.MainWeapon2Load + loadout.MainWeapon3Load;
}

void SumSubWeaponLoad(Loadout& loadout) {
    loadout.SubWeaponLoad =
        loadout.SubWeapon1Load + loadout.SubWeapon2Load + loadout.SubWeapon3Load;
}

namespace {

void UpdateLoadStatus(Loadout& l, int vtSelectIndex) {
    l.TotalLoad = l.FuelTankLoad + l.MainWeaponLoad + l.SubWeaponLoad;
    l.OptionalPartsStandardBonus = combinedLoadBonus(l.Part1StandardBonus, l.Part2StandardBonus);
    l.OptionalPartsMaximumBonus = combinedLoadBonus(l.Part1MaximumBonus, l.Part2MaximumBonus);
    l.StandardLoad = l.VTStandardLoad + l.OptionalPartsStandardBonus;
    l.MaximumLoad = l.VTMaximumLoad + l.OptionalPartsMaximumBonus;
    const bool full = mountsFull(l.SW1Mount || l.FixedSW1, l.SW2Mount || l.FixedSW2,
                                 l.SW3Mount || l.FixedSW3, vtSelectIndex);
    l.LoadStatus = loadStatusFor(l.TotalLoad, l.StandardLoad, l.MaximumLoad, full);
}

// The larger of the two parts' percentages, the first on a tie; the figure is
// raised only while one of the parts is the one that grants that bonus.
QString bonusText(float base, float part1Bonus, float part2Bonus, float& combined, int part,
                  const RecomputeInputs& in) {
    combined = part1Bonus >= part2Bonus ? part1Bonus : part2Bonus;
    float value = base;
    if (in.opSelect1Index == part || in.opSelect2Index == part) {
        const float b = float(0.01 * double(base) * double(combined));
        value = base + b;
    }
    return formatHashHash(value);
}

} // namespace

void RecomputeLoadout(Loadout& l, const RecomputeInputs& inputs) {
    UpdateLoadStatus(l, inputs.vtSelectIndex);
    l.BalancerText = bonusText(l.VTBalancerRating, l.Part1BalancerBonus, l.Part2BalancerBonus,
                               l.BalancerBonus, PartAdvancedBalancer, inputs);
    l.DurabilityText = bonusText(l.VTDurability, l.Part1DurabilityBonus, l.Part2DurabilityBonus,
                                 l.DurabilityBonus, PartMechanicalUnit, inputs);
    l.VeeringText = bonusText(l.VTVeeringEfficiency, l.Part1VeeringBonus, l.Part2VeeringBonus,
                              l.VeeringBonus, PartPowerCell, inputs);
    UpdateTurnUnderOverload(l);
    l.TurnSpeedText = formatHashHash(l.VTTurnSpeed);
}

std::int32_t shownLoadStatus(const Loadout& l) {
    return l.VTIndex >= 0 && l.VTIndex < VtCount ? l.LoadStatus : std::int32_t(StatusNone);
}

QString loadStatusText(std::int32_t status) {
    switch (status) {
    case StatusMountOver:
        return QStringLiteral("MOUNT OVER");
    case StatusMaxOver:
        return QStringLiteral("MAX OVER");
    case StatusStdOver:
        return QStringLiteral("STD OVER");
    case StatusVtOk:
        return QStringLiteral("VT OK");
    default:
        return {};
    }
}

QColor loadStatusColour(std::int32_t status) {
    switch (status) {
    case StatusMountOver:
    case StatusMaxOver:
        return QColor(255, 0, 0);
    case StatusStdOver:
        return QColor(255, 255, 0);
    default:
        return QColor(0, 0, 0);
    }
}

} // namespace vantor

#include "model/LoadoutDisplay.h"

#include "model/Recompute.h"

#include <cstdlib>

namespace vantor {

int TurnGaugeValue(const Loadout& l) {
    return std::abs(TextWholePart(floatText(l.VTTurnSpeed)) - 55);
}

int SupplyGaugeValue(const Loadout& l) {
    return int(std::llabs(static_cast<long long>(l.SupplyPointCost / 1000) - 401));
}

int SortieGaugeValue(const Loadout& l) {
    return int(std::llabs(static_cast<long long>(l.SortiePointCost) - 110));
}

LoadoutDisplay displayOf(const Loadout& l) {
    LoadoutDisplay d;
    d.statusText = loadStatusText(l.LoadStatus);
    d.statusColour = loadStatusColour(l.LoadStatus);

    const auto whole = [](std::uint32_t n) { return QString::number(n); };
    d.values = {{
        {"VTStandardLoadLabel", whole(l.StandardLoad)},
        {"VTMaximumLoadLabel", whole(l.MaximumLoad)},
        {"FuelTankLoadLabel", whole(l.FuelTankLoad)},
        {"MainWeaponLoadLabel", whole(l.MainWeaponLoad)},
        {"SubWeaponLoadLabel", whole(l.SubWeaponLoad)},
        {"OptionalPartsStandardBonusLabel", whole(l.OptionalPartsStandardBonus)},
        {"OptionalPartsMaximumBonusLabel", whole(l.OptionalPartsMaximumBonus)},
        {"TotalLoadLabel", whole(l.TotalLoad)},
        {"VTMaximumSpeedLabel", floatText(l.VTMaximumSpeed)},
        {"VTDurabilityLabel", l.DurabilityText},
        {"VTBalancerRatingLabel", l.BalancerText},
        {"VTTurnSpeedLabel", l.TurnSpeedText},
        {"VTVeeringEfficiencyLabel", l.VeeringText},
        {"VTTorqueRatingLabel", floatText(l.VTTorqueRating)},
        {"VTFuelEfficiencyLabel", floatText(l.VTFuelEfficiency)},
        {"VTAvailabilityLabel", l.AvailabilityText},
        {"VTSortiePointCostLabel", whole(l.SortiePointCost)},
        {"VTSupplyPointCostLabel", whole(l.SupplyPointCost)},
    }};

    // A figure is bold when a part's bonus moved it off the VT's own.
    d.bold = {{
        {"VTStandardLoadLabel", l.StandardLoad != l.VTStandardLoad},
        {"VTMaximumLoadLabel", l.MaximumLoad != l.VTMaximumLoad},
        {"VTDurabilityLabel", l.DurabilityText != floatText(l.VTDurability)},
        {"VTBalancerRatingLabel", l.BalancerText != floatText(l.VTBalancerRating)},
        {"VTVeeringEfficiencyLabel", l.VeeringText != floatText(l.VTVeeringEfficiency)},
    }};

    const std::array<const QString*, RankCount> rankTexts = {
        &l.StandardRankText, &l.MaximumRankText, &l.SpeedRankText,   &l.DurabilityRankText,
        &l.BalancerRankText, &l.TurnRankText,    &l.VeeringRankText, &l.TorqueRankText,
        &l.FuelRankText,     &l.SupplyRankText,  &l.SortieRankText,
    };
    static constexpr std::array<std::string_view, RankCount> rankLabels = {
        "StandardRankLabel", "MaximumRankLabel", "SpeedRankLabel",   "DurabilityRankLabel",
        "BalancerRankLabel", "TurnRankLabel",    "VeeringRankLabel", "TorqueRankLabel",
        "FuelRankLabel",     "SupplyRankLabel",  "SortieRankLabel",
    };
    for (std::size_t i = 0; i < rankTexts.size(); ++i) {
        RankLabel& r = d.ranks[i];
        r.objectName = rankLabels[i];
        r.text = *rankTexts[i];
        if (const auto n = rankNumber(r.text))
            r.band = rankBand(*n);
    }

    // Float figures fill their gauge with the fraction dropped.
    const std::array<int, GaugeCount> progress = {
        int(l.StandardLoad),           int(l.MaximumLoad),
        int(l.VTMaximumSpeed),         TextWholePart(l.DurabilityText),
        TextWholePart(l.BalancerText), TurnGaugeValue(l),
        TextWholePart(l.VeeringText),  int(l.VTTorqueRating),
        int(l.VTFuelEfficiency),       SupplyGaugeValue(l),
        SortieGaugeValue(l),
    };
    for (std::size_t i = 0; i < progress.size(); ++i)
        d.gauges[i] = {GaugeRanges[i].objectName, progress[i]};

    d.fixedButtons = {{
        {"FixedMW2Button", l.FixedMW2},
        {"FixedSW1Button", l.FixedSW1},
        {"FixedSW2Button", l.FixedSW2},
        {"FixedSW3Button", l.FixedSW3},
    }};
    return d;
}

} // namespace vantor

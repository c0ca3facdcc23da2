#include "model/LoadoutDisplay.h"

#include "model/LoadoutTips.h"
#include "model/Recompute.h"
#include "model/Text.h"

#include <cstdlib>

namespace vantor {

int TurnGaugeValue(const Loadout& l) {
    return std::abs(TextWholePart(floatText(l.VTTurnSpeed)) - TurnGaugePivot);
}

int SupplyGaugeValue(const Loadout& l) {
    return int(std::llabs(static_cast<long long>(l.SupplyPointCost / 1000) - SupplyGaugePivot));
}

int SortieGaugeValue(const Loadout& l) {
    return int(std::llabs(static_cast<long long>(l.SortiePointCost) - SortieGaugePivot));
}

LoadoutDisplay displayOf(const Loadout& l) {
    LoadoutDisplay d;
    // No verdict reads "N/A", as before any VT was chosen.
    const std::int32_t status = shownLoadStatus(l);
    d.statusText = status == StatusNone ? NotAvailable : loadStatusText(status);
    d.statusColour = loadStatusColour(status);
    d.statusTip = statusTip(l);

    const auto whole = [](std::uint32_t n) { return QString::number(n); };
    const std::array<QString, ValueLabelCount> texts = {
        whole(l.StandardLoad),
        whole(l.MaximumLoad),
        whole(l.FuelTankLoad),
        whole(l.MainWeaponLoad),
        whole(l.SubWeaponLoad),
        whole(l.OptionalPartsStandardBonus),
        whole(l.OptionalPartsMaximumBonus),
        whole(l.TotalLoad),
        floatText(l.VTMaximumSpeed),
        l.DurabilityText,
        l.BalancerText,
        l.TurnSpeedText,
        l.VeeringText,
        floatText(l.VTTorqueRating),
        floatText(l.VTFuelEfficiency),
        l.AvailabilityText,
        whole(l.SortiePointCost),
        whole(l.SupplyPointCost),
    };
    for (std::size_t i = 0; i < texts.size(); ++i)
        d.values[i] = {texts[i], {}};

    // A figure is bold when a part's bonus moved it off the VT's own.
    const std::array<bool, BoldLabelCount> raised = {
        l.StandardLoad != l.VTStandardLoad,
        l.MaximumLoad != l.VTMaximumLoad,
        l.DurabilityText != floatText(l.VTDurability),
        l.BalancerText != floatText(l.VTBalancerRating),
        l.VeeringText != floatText(l.VTVeeringEfficiency),
    };
    for (std::size_t i = 0; i < raised.size(); ++i) {
        d.bold[i] = {raised[i]};
        if (raised[i])
            d.values[std::size_t(BoldValues[i])].tip = raisedFigureTip(l, int(i));
    }

    const std::array<const QString*, RankCount> rankTexts = {
        &l.StandardRankText, &l.MaximumRankText, &l.SpeedRankText,   &l.DurabilityRankText,
        &l.BalancerRankText, &l.TurnRankText,    &l.VeeringRankText, &l.TorqueRankText,
        &l.FuelRankText,     &l.SupplyRankText,  &l.SortieRankText,
    };
    for (std::size_t i = 0; i < rankTexts.size(); ++i) {
        RankLabel& r = d.ranks[i];
        r.text = *rankTexts[i];
        if (const auto n = rankNumber(r.text))
            r.band = rankBand(*n);
        r.tip = rankTip(l, int(i), r.text);
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
    for (std::size_t i = 0; i < progress.size(); ++i) {
        d.gauges[i] = {progress[i], {}};
        d.gauges[i].tip = gaugeTip(d, int(i));
    }
    return d;
}

} // namespace vantor

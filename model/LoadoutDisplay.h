#pragma once

// Everything the result views show for a loadout, derived without widgets,
// in the order of the name tables below, which the window names its
// components after.

#include "model/Format.h"
#include "model/Loadout.h"
#include "model/VtCatalogue.h"

#include <QColor>
#include <QString>

#include <array>
#include <optional>
#include <string_view>

namespace vantor {

struct LabelText {
    QString text;
    QString tip; // what raised a figure shown in bold; empty for the others
    friend bool operator==(const LabelText&, const LabelText&) = default;
};

struct BoldMark {
    bool bold = false;
    friend bool operator==(const BoldMark&, const BoldMark&) = default;
};

// A rank label's text and band; no band (no colour) when the text has no digits.
struct RankLabel {
    QString text;
    std::optional<RankBand> band;
    QString tip; // the position among the VTs, who shares it, or why it is estimated
    friend bool operator==(const RankLabel&, const RankLabel&) = default;
};

struct GaugeValue {
    int progress = 0;
    QString tip; // the percentage, the figure on its scale and which way is better
    friend bool operator==(const GaugeValue&, const GaugeValue&) = default;
};

// The value labels of the load data and statistics views, in the order of
// LoadoutDisplay::values, and the labels' object names.
enum ValueLabel : int {
    ValueStandardLoad,
    ValueMaximumLoad,
    ValueFuelTankLoad,
    ValueMainWeaponLoad,
    ValueSubWeaponLoad,
    ValueStandardBonus,
    ValueMaximumBonus,
    ValueTotalLoad,
    ValueMaximumSpeed,
    ValueDurability,
    ValueBalancer,
    ValueTurnSpeed,
    ValueVeering,
    ValueTorque,
    ValueFuelEfficiency,
    ValueAvailability,
    ValueSortieCost,
    ValueSupplyCost,
    ValueLabelCount
};

inline constexpr std::array<std::string_view, ValueLabelCount> ValueLabelNames = {
    "VTStandardLoadLabel",
    "VTMaximumLoadLabel",
    "FuelTankLoadLabel",
    "MainWeaponLoadLabel",
    "SubWeaponLoadLabel",
    "OptionalPartsStandardBonusLabel",
    "OptionalPartsMaximumBonusLabel",
    "TotalLoadLabel",
    "VTMaximumSpeedLabel",
    "VTDurabilityLabel",
    "VTBalancerRatingLabel",
    "VTTurnSpeedLabel",
    "VTVeeringEfficiencyLabel",
    "VTTorqueRatingLabel",
    "VTFuelEfficiencyLabel",
    "VTAvailabilityLabel",
    "VTSortiePointCostLabel",
    "VTSupplyPointCostLabel",
};

// The caption the views write before each value label, in the order of ValueLabel.
inline constexpr std::array<std::string_view, ValueLabelCount> ValueCaptions = {
    "VT Standard Load:",
    "VT Maximum Load:",
    "Fuel Tank Load:",
    "Main Weapon Load:",
    "Sub Weapon Load:",
    "Optional Part Standard Bonus:",
    "Optional Part Maximum Bonus:",
    "Total Load:",
    "Maximum Speed (mph - no overide):",
    "Durability (hit points):",
    "Balancer Rating (20 = max):",
    "Turn Speed (seconds):",
    "Veering Efficiency (20 = max):",
    "Torque Rating (20 = max):",
    "Fuel Efficiency (20 = max):",
    "Availability (campaign):",
    "Sortie Point Cost:",
    "Supply Point Cost:",
};

// The figures shown in bold when a part's bonus moved them off the VT's own,
// in the order of LoadoutDisplay::bold.
inline constexpr int BoldLabelCount = 5;
inline constexpr std::array<ValueLabel, BoldLabelCount> BoldValues = {
    ValueStandardLoad, ValueMaximumLoad, ValueDurability, ValueBalancer, ValueVeering};

// The rank labels, in the order of RankIndex.
inline constexpr std::array<std::string_view, RankCount> RankLabelNames = {
    "StandardRankLabel", "MaximumRankLabel", "SpeedRankLabel",   "DurabilityRankLabel",
    "BalancerRankLabel", "TurnRankLabel",    "VeeringRankLabel", "TorqueRankLabel",
    "FuelRankLabel",     "SupplyRankLabel",  "SortieRankLabel",
};

inline constexpr int GaugeCount = 11;

// The fixed ranges of the eleven gauges, in the order of LoadoutDisplay::gauges.
struct GaugeRange {
    std::string_view objectName;
    int minimum;
    int maximum;
};

inline constexpr std::array<GaugeRange, GaugeCount> GaugeRanges = {{
    {"StandardCapacityGauge", 0, 44},
    {"MaximumCapacityGauge", 0, 46},
    {"SpeedGauge", 0, 200},
    {"DurabilityGauge", 0, 19500},
    {"BalancerGauge", 0, 26},
    {"TurnGauge", 15, 40},
    {"VeeringGauge", 0, 26},
    {"TorqueGauge", 0, 20},
    {"FuelGauge", 0, 19},
    {"SupplyPointGauge", 1, 400},
    {"SortieCostGauge", 10, 100},
}};

struct LoadoutDisplay {
    // Label9, the load status.
    QString statusText;
    QColor statusColour;
    QString statusTip; // why the status reads what it reads, with the figures
    // In the order of ValueLabel.
    std::array<LabelText, ValueLabelCount> values;
    // In the order of BoldValues.
    std::array<BoldMark, BoldLabelCount> bold;
    // StandardRankLabel ... SortieRankLabel (the order of RankIndex).
    std::array<RankLabel, RankCount> ranks;
    // In the order of GaugeRanges.
    std::array<GaugeValue, GaugeCount> gauges;

    friend bool operator==(const LoadoutDisplay&, const LoadoutDisplay&) = default;
};

// The turn, supply and sortie gauges fill more for a smaller figure: each
// shows how far its figure lies below a pivot (whole seconds, thousands of
// supply points, sortie points).
inline constexpr int TurnGaugePivot = 55;
inline constexpr int SupplyGaugePivot = 401;
inline constexpr int SortieGaugePivot = 110;

// Requires a recomputed loadout (RecomputeLoadout); reads fields only.
LoadoutDisplay displayOf(const Loadout& loadout);

// |whole seconds of the turn speed - TurnGaugePivot|: a faster turn fills more of the gauge.
int TurnGaugeValue(const Loadout& loadout);
// |SupplyPointCost / 1000 - SupplyGaugePivot|: a cheaper VT fills more.
int SupplyGaugeValue(const Loadout& loadout);
// |SortiePointCost - SortieGaugePivot|.
int SortieGaugeValue(const Loadout& loadout);

} // namespace vantor

#include "model/VtSelection.h"

#include "model/VtCatalogue.h"

namespace vantor {

void resetForVtSelection(Loadout& l) {
    l.VTStandardLoad = 0;
    l.StandardLoad = 0;
    l.VTMaximumLoad = 0;
    l.MaximumLoad = 0;
    l.FuelTankSlots = 0;
    l.VTMaximumSpeed = 0;
    l.VTDurability = 0;
    l.DurabilityText = QStringLiteral("0");
    l.VTBalancerRating = 0;
    l.VTTurnSpeed = 0;
    l.BalancerText = QStringLiteral("0");
    l.VTVeeringEfficiency = 0;
    l.VeeringText = QStringLiteral("0");
    l.VTTorqueRating = 0;
    l.VTFuelEfficiency = 0;

    l.FuelTankLoad = 0;
    l.MainWeaponListCount = 0;
    l.MainWeaponLoad = 0;
    l.MainWeapon1Load = l.MainWeapon2Load = l.MainWeapon3Load = 0;
    l.SubWeaponListCount = 0;
    l.SubWeaponLoad = 0;
    l.SubWeapon1Load = l.SubWeapon2Load = l.SubWeapon3Load = 0;
    l.Part1StandardBonus = l.Part1MaximumBonus = 0;
    l.Part2StandardBonus = l.Part2MaximumBonus = 0;
    l.OptionalPartsStandardBonus = l.OptionalPartsMaximumBonus = 0;
    l.Part1BalancerBonus = l.Part2BalancerBonus = 0;
    l.Part1DurabilityBonus = l.Part2DurabilityBonus = 0;
    l.Part1VeeringBonus = l.Part2VeeringBonus = 0;
    l.TotalLoad = 0;
    l.MW1RangeMin = l.MW1RangeMax = l.MW2RangeMin = l.MW2RangeMax = 0;
    l.MW3RangeMin = l.MW3RangeMax = 0;
    l.SW1RangeMin = l.SW1RangeMax = l.SW2RangeMin = l.SW2RangeMax = 0;
    l.SW3RangeMin = l.SW3RangeMax = 0;

    const QString unselected = QStringLiteral("Unselected");
    const QString unarmed = QStringLiteral("Unarmed");
    l.VTReportText = unselected;
    l.FuelReportText = unselected;
    for (QString* text :
         {&l.Part1ReportText, &l.Part2ReportText, &l.MW1ReportText, &l.MW2ReportText,
          &l.MW3ReportText, &l.SW1ReportText, &l.SW2ReportText, &l.SW3ReportText})
        *text = unarmed;

    l.FixedMW2 = l.FixedSW1 = l.FixedSW2 = l.FixedSW3 = false;
    l.SW1Mount = l.SW2Mount = l.SW3Mount = false;
    l.MMLaunched = false;
}

void clearWeaponColumns(Loadout& l) {
    l.MainWeaponListLoad.fill(0);
    l.SubWeaponListLoad.fill(0);
    l.SubWeaponListMount.fill(0);
    l.MainWeaponListId.fill(0);
    l.SubWeaponListId.fill(0);
}

void loadVtFigures(Loadout& l, int index) {
    const VtEntry& e = vtEntry(index);
    l.MainWeaponListCount = 0;
    l.SubWeaponListCount = 0;

    l.VTStandardLoad = e.standardLoad;
    l.VTMaximumLoad = e.maximumLoad;
    l.FuelTankSlots = e.fuelTanks;
    l.SupplyPointCost = e.supplyPointCost;
    l.SortiePointCost = e.sortiePointCost;
    l.VTMaximumSpeed = e.maximumSpeed;
    l.VTDurability = e.durability;
    l.VTBalancerRating = e.balancer;
    l.VTTurnSpeed = e.turnSpeed;
    l.VTVeeringEfficiency = e.veering;
    l.VTTorqueRating = e.torque;
    l.VTFuelEfficiency = e.fuelEfficiency;
    l.AvailabilityText = QString::fromLatin1(e.availability);

    const std::array<QString*, RankCount> ranks = {
        &l.StandardRankText, &l.MaximumRankText, &l.SpeedRankText,   &l.DurabilityRankText,
        &l.BalancerRankText, &l.TurnRankText,    &l.VeeringRankText, &l.TorqueRankText,
        &l.FuelRankText,     &l.SupplyRankText,  &l.SortieRankText,
    };
    for (std::size_t i = 0; i < ranks.size(); ++i)
        *ranks[i] = QString::fromLatin1(e.ranks[i]);
}

void finishVtSelection(Loadout& l) {
    l.StandardLoad = l.VTStandardLoad;
    l.MaximumLoad = l.VTMaximumLoad;
}

void launchMM(Loadout& l) {
    l.MMLaunched = true;
    l.VTTurnSpeed = 33.0f;
    l.TurnRankText = QStringLiteral("~23rd");
    l.VTDurability = 3000.0f;
    l.DurabilityRankText = QStringLiteral("~16th");
}

} // namespace vantor

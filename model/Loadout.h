#pragma once

// The one record of everything the calculator knows about the current
// loadout. It lives inside the window and every step of the program reads and
// writes its fields directly; fields are declared in their documented order.

#include <QString>

#include <array>
#include <cstdint>

namespace vantor {

inline constexpr int WeaponListRows = 12;
using WeaponColumn = std::array<std::uint32_t, WeaponListRows>;

// LoadStatus values.
enum : std::int32_t {
    StatusMountOver = 0,
    StatusMaxOver = 1,
    StatusStdOver = 2,
    StatusVtOk = 3,
    StatusNone = 4, // no status computed yet
};

struct Loadout {
    // Statistic display texts.
    QString BalancerText;
    QString DurabilityText;
    QString VeeringText;
    QString TurnSpeedText;
    QString AvailabilityText;

    // Report pieces, kept up to date by the reports.
    QString HtmlHead;
    QString HtmlTail;
    QString HtmlLabelOpen;
    QString HtmlLabelClose;
    QString VTHtmlLabelRow;
    QString VTHtmlRow;
    QString VTReportText;
    QString FuelHtmlLabelRow;
    QString FuelHtmlRow;
    QString FuelReportText;
    QString Part1HtmlLabelRow;
    QString Part1HtmlRow;
    QString Part1ReportText;
    QString Part1LevelText;
    QString Part2HtmlLabelRow;
    QString Part2HtmlRow;
    QString Part2ReportText;
    QString Part2LevelText;
    QString MW1HtmlLabelRow;
    QString MW1HtmlRow;
    QString MW1ReportText;
    QString MW2HtmlLabelRow;
    QString MW2HtmlRow;
    QString MW2ReportText;
    QString MW3HtmlLabelRow;
    QString MW3HtmlRow;
    QString MW3ReportText;
    QString SW1HtmlLabelRow;
    QString SW1HtmlRow;
    QString SW1ReportText;
    QString SW2HtmlLabelRow;
    QString SW2HtmlRow;
    QString SW2ReportText;
    QString SW3HtmlLabelRow;
    QString SW3HtmlRow;
    QString SW3ReportText;
    QString HtmlStatusRow;
    QString VTForumLine;
    QString FuelForumLine;
    QString Part1ForumLine;
    QString Part2ForumLine;
    QString MW1ForumLine;
    QString MW2ForumLine;
    QString MW3ForumLine;
    QString SW1ForumLine;
    QString SW2ForumLine;
    QString SW3ForumLine;
    QString StatusForumLine;

    // Rank texts, one per statistic.
    QString StandardRankText;
    QString MaximumRankText;
    QString SpeedRankText;
    QString DurabilityRankText;
    QString BalancerRankText;
    QString TurnRankText;
    QString VeeringRankText;
    QString TorqueRankText;
    QString FuelRankText;
    QString SupplyRankText;
    QString SortieRankText;

    // Loads, costs and counters.
    std::uint32_t VTStandardLoad = 0;
    std::uint32_t StandardLoad = 0;
    std::uint32_t VTMaximumLoad = 0;
    std::uint32_t MaximumLoad = 0;
    std::uint32_t FuelTankSlots = 0;
    std::uint32_t SupplyPointCost = 0;
    std::uint32_t SortiePointCost = 0;
    std::uint32_t FuelTankLoad = 0;
    std::uint32_t MainWeaponListCount = 0;
    std::uint32_t MainWeaponLoad = 0;
    std::uint32_t MainWeapon1Load = 0;
    std::uint32_t MainWeapon2Load = 0;
    std::uint32_t MainWeapon3Load = 0;
    std::int32_t MW1RangeMin = 0;
    std::int32_t MW1RangeMax = 0;
    std::int32_t MW2RangeMin = 0;
    std::int32_t MW2RangeMax = 0;
    std::int32_t MW3RangeMin = 0;
    std::int32_t MW3RangeMax = 0;
    std::uint32_t SubWeaponListCount = 0;
    std::uint32_t SubWeaponLoad = 0;
    std::uint32_t SubWeapon1Load = 0;
    std::uint32_t SubWeapon2Load = 0;
    std::uint32_t SubWeapon3Load = 0;
    std::int32_t SW1RangeMin = 0;
    std::int32_t SW1RangeMax = 0;
    std::int32_t SW2RangeMin = 0;
    std::int32_t SW2RangeMax = 0;
    std::int32_t SW3RangeMin = 0;
    std::int32_t SW3RangeMax = 0;
    std::uint32_t Part1StandardBonus = 0;
    std::uint32_t Part1MaximumBonus = 0;
    std::uint32_t Part2StandardBonus = 0;
    std::uint32_t Part2MaximumBonus = 0;
    std::uint32_t OptionalPartsStandardBonus = 0;
    std::uint32_t OptionalPartsMaximumBonus = 0;
    std::int32_t LoadStatus = StatusNone;

    // VT statistics.
    float VTMaximumSpeed = 0;
    float VTDurability = 0;
    float VTBalancerRating = 0;
    float VTTurnSpeed = 0;
    float VTVeeringEfficiency = 0;
    float VTTorqueRating = 0;
    float VTFuelEfficiency = 0;

    // Optional part percentage bonuses.
    float Part1BalancerBonus = 0;
    float Part2BalancerBonus = 0;
    float BalancerBonus = 0;
    float Part1DurabilityBonus = 0;
    float Part2DurabilityBonus = 0;
    float DurabilityBonus = 0;
    float Part1VeeringBonus = 0;
    float Part2VeeringBonus = 0;
    float VeeringBonus = 0;

    // Flags.
    bool FixedMW2 = false;
    bool FixedSW1 = false;
    bool FixedSW2 = false;
    bool FixedSW3 = false;
    bool SW1Mount = false;
    bool SW2Mount = false;
    bool SW3Mount = false;
    bool AdvancedOpen = false;
    bool MMLaunched = false;

    // Totals and selection.
    std::uint32_t TotalLoad = 0;
    std::int32_t VTIndex = 0;

    // Weapon list columns: row r stands for item r of every selector of a kind.
    WeaponColumn MainWeaponListLoad{};
    WeaponColumn SubWeaponListLoad{};
    WeaponColumn SubWeaponListMount{};
    WeaponColumn MainWeaponListId{};
    WeaponColumn SubWeaponListId{};

    friend bool operator==(const Loadout&, const Loadout&) = default;
};

} // namespace vantor

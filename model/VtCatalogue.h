#pragma once

// The 31 VTs the calculator knows, compiled in. The index of an entry is its
// position in the VT selector and names its picture files.

#include <array>
#include <cstdint>
#include <string_view>

namespace vantor {

inline constexpr int VtCount = 31;

enum class Faction : std::uint8_t { HaiShiDao, Jaralaccs, PacificRimForces, RightBrothers };

// Order of the eleven rank texts.
enum RankIndex : int {
    RankStandard,
    RankMaximum,
    RankSpeed,
    RankDurability,
    RankBalancer,
    RankTurn,
    RankVeering,
    RankTorque,
    RankFuel,
    RankSupply,
    RankSortie,
    RankCount
};

// A VT's offered weapons after "Unarmed", in selector order; unused places are
// empty.
inline constexpr int MaxMainWeapons = 10;
inline constexpr int MaxSubWeapons = 10;
using MainWeaponNames = std::array<std::string_view, MaxMainWeapons>;
using SubWeaponNames = std::array<std::string_view, MaxSubWeapons>;

struct VtEntry {
    std::string_view selectorName;
    std::string_view reportName;
    Faction faction;
    std::string_view generation;
    std::string_view availability;
    std::uint32_t standardLoad;
    std::uint32_t maximumLoad;
    std::uint32_t fuelTanks;
    std::uint32_t supplyPointCost;
    std::uint32_t sortiePointCost;
    float maximumSpeed;
    float durability;
    float balancer;
    float turnSpeed;
    float veering;
    float torque;
    float fuelEfficiency;
    std::array<std::string_view, RankCount> ranks;
    MainWeaponNames mainWeapons;
    SubWeaponNames subWeapons;
};

// The weapon slots that can hold a fixed weapon.
enum class FixedSlot : std::uint8_t { MW2, SW1, SW2, SW3 };

struct FixedMount {
    int vt;
    FixedSlot slot;
    std::string_view weapon;
    int position; // item index in that slot's selector, 0 being "Unarmed"
    std::int32_t rangeMin;
    std::int32_t rangeMax;
};

inline constexpr int FixedMountCount = 11;

// VTs whose third sub-weapon selector offers only the beginning of the list.
struct ShortSubList {
    int vt;
    int items; // items offered, "Unarmed" included
};

inline constexpr int ProminenceM2 = 19;
inline constexpr int ProminenceM3 = 20;

extern const std::array<VtEntry, VtCount> VtCatalogue;
extern const std::array<FixedMount, FixedMountCount> FixedMounts;
extern const std::array<ShortSubList, 2> ShortSubLists;

// The entry at a VT index; the index must be 0 to 30.
const VtEntry& vtEntry(int index);

// Number of non-empty names in a weapon list.
template <std::size_t N> constexpr int listLength(const std::array<std::string_view, N>& names) {
    int n = 0;
    for (auto name : names)
        if (!name.empty())
            ++n;
    return n;
}

// Items the third sub-weapon selector offers for VT `vt`, or 0 for the whole list.
int shortSubListItems(int vt);

} // namespace vantor

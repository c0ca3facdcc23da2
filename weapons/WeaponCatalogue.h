#pragma once

// The weapons a VT can carry: 23 main weapons and 32 sub-weapons, "Unarmed"
// first in both kinds. An entry's id is its position in its table.

#include <QString>

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace vantor {

enum class WeaponKind : std::uint8_t { Main, Sub };

struct WeaponEntry {
    std::uint32_t Id;
    std::string_view ListText; // selector items, range buttons, comparison list
    std::string_view Name;     // weapon page and reports
    std::uint32_t Load;
    bool Mount; // takes up a sub-weapon mount; always false for main weapons
    std::string_view DamageText, RangeText, AmmunitionText, MagazinesText, GuidedText;
    std::int32_t MinRange, MaxRange;
};

inline constexpr int MainWeaponCount = 23;
inline constexpr int SubWeaponCount = 32;

// Weapons: id, list text, name, load, mount, damage, range, ammunition,
// magazines, guided, minimum and maximum range.
// clang-format off
inline constexpr std::array<WeaponEntry, MainWeaponCount> MainWeapons = {{
    {0, "Unarmed", "UNARMED", 0, false, "N/A", "N/A", "N/A", "N/A", "N/A", 0, 0},
    {1, "270-RI", "270-RI", 3, false, "300", "0-550", "20", "3", "No", 0, 550},
    {2, "315-SB", "315-SB", 5, false, "400", "0-800", "20", "3", "No", 0, 800},
    {3, "355-SB", "355-SB", 8, false, "500", "0-1000", "20", "3", "No", 0, 1000},
    {4, "430-SB", "430-SB", 10, false, "600", "0-1200", "20", "3", "No", 0, 1200},
    {5, "200-AR", "200-AR", 3, false, "200", "0-400", "20", "2", "No", 0, 400},
    {6, "270-AR", "270-AR", 5, false, "300", "0-500", "20", "2", "No", 0, 500},
    {7, "315-RF", "315-RF", 7, false, "400", "0-600", "20", "2", "No", 0, 600},
    {8, "355-RF", "355-RF", 10, false, "500", "0-800", "20", "2", "No", 0, 800},
    {9, "315-TR", "315-TR", 7, false, "400", "0-600", "20", "3", "No", 0, 600},
    {10, "320-SR", "320-SR", 6, false, "600", "1100-2200", "20", "3", "No", 1100, 2200},
    {11, "370-SR", "370-SR", 6, false, "1000", "800-2500", "20", "3", "No", 800, 2500},
    {12, "4A-REC", "4A-REC", 2, false, "400", "100-400", "20", "2", "No", 100, 400},
    {13, "77-REC", "77-REC", 2, false, "100", "100-400", "20", "2", "No", 100, 400},
    {14, "MK21-R", "MK21-R", 4, false, "400", "200-400", "48", "0", "No", 200, 400},
    {15, "MK34-R", "MK34-R", 4, false, "600", "200-400", "32", "0", "No", 200, 400},
    {16, "120-MG", "120-MG", 2, false, "40", "0-400", "200", "2", "No", 0, 400},
    {17, "140-MG", "140-MG", 3, false, "60", "0-400", "200", "2", "No", 0, 400},
    {18, "AS-MIS", "AS-MIS", 5, false, "800", "800-1500", "10", "0", "Yes", 800, 1500},
    {19, "PZ-MIS", "PZ-MIS", 5, false, "850", "800-1500", "10", "0", "Yes", 800, 1500},
    {20, "HMV-LA", "HVM-LA", 10, false, "1000", "800-2000", "15", "0", "No", 800, 2000},
    {21, "MKR-LA", "MKR-LA", 2, false, "1", "100-1000", "50", "0", "No", 100, 1000},
    {22, "PPNG-S", "PPNG-S", 0, false, "0", "0-2000", "N/A", "N/A", "No", 0, 2000},
}};

inline constexpr std::array<WeaponEntry, SubWeaponCount> SubWeapons = {{
    {0, "Unarmed", "UNARMED", 0, false, "N/A", "N/A", "N/A", "N/A", "N/A", 0, 0},
    {1, "67-CG", "67-CG", 2, false, "10", "0-200", "500", "0", "No", 0, 200},
    {2, "80-CG", "80-CG", 2, false, "20", "0-200", "400", "0", "No", 0, 200},
    {3, "100-CG", "100-CG", 2, false, "30", "0-200", "300", "0", "No", 0, 200},
    {4, "135-MG", "135-MG", 3, false, "60", "0-300", "200", "0", "No", 0, 300},
    {5, "GND", "GND", 1, false, "100", "20-200", "20", "0", "No", 20, 200},
    {6, "T-GND", "T-GND", 2, false, "100", "20-200", "30", "0", "No", 20, 200},
    {7, "DL-GM", "DL-GM", 3, false, "200", "100-350", "30", "0", "Yes", 100, 350},
    {8, "SL-GM", "SL-GM", 5, true, "500", "200-800", "18", "0", "Yes", 200, 800},
    {9, "MM", "MM", 0, false, "500", "300-800", "40", "0", "Yes", 300, 800},
    {10, "AVTDV", "AVTDV", 8, true, "1500", "1000-2000", "6", "0", "Yes", 1000, 2000},
    {11, "DP-MIS", "DP-MIS", 2, false, "200", "100-350", "30", "0", "No", 100, 350},
    {12, "TP-MIS", "TP-MIS", 3, false, "200", "100-350", "30", "0", "No", 100, 350},
    {13, "RAIL-A", "RAIL-Ga", 0, true, "1500", "0-1500", "10", "0", "No", 0, 1500},
    {14, "RAIL-B", "RAIL-Gb", 14, true, "2000", "0-2000", "8", "0", "No", 0, 2000},
    {15, "GAUSS", "GAUSS", 0, true, "0", "0-2000", "0", "0", "No", 0, 2000},
    {16, "AVTGM", "AVTGM", 5, true, "400", "500-1500", "20", "0", "Yes", 500, 1500},
    {17, "NPM", "NPM", 2, false, "150", "200-400", "100", "0", "No", 200, 400},
    {18, "FMTHR", "FMTHR", 2, false, "1", "0-60", "90", "0", "No", 0, 60},
    {19, "AVTM", "AVTM", 2, true, "300", "0-30", "30", "0", "No", 0, 30},
    {20, "8-MLR", "8-MLR", 6, true, "300", "500-1500", "24", "0", "No", 500, 1500},
    {21, "12-MLR", "12-MLR", 8, true, "400", "500-1500", "24", "0", "No", 500, 1500},
    {22, "305-HW", "305-HW", 5, true, "400", "900-2000", "60", "0", "No", 900, 2000},
    {23, "370-HW", "370-HW", 6, true, "500", "900-2000", "50", "0", "No", 900, 2000},
    {24, "550-HW", "550-HW", 8, true, "700", "900-2000", "40", "0", "No", 900, 2000},
    {25, "660-HW", "660-HW", 10, true, "1000", "900-2000", "25", "0", "No", 900, 2000},
    {26, "STUN-R", "STUN-R", 1, false, "2", "0-200", "0", "0", "No", 0, 200},
    {27, "SHLD-B", "SHLD-B", 0, true, "30", "0-200", "0", "0", "No", 0, 200},
    {28, "BANG-N", "BANG-N", 0, true, "30", "0-200", "0", "0", "No", 0, 200},
    {29, "CUT-B", "CUT-B", 0, true, "40", "0-200", "0", "0", "No", 0, 200},
    {30, "205-PT", "205-PT", 1, false, "10", "0-200", "0", "0", "No", 0, 200},
    {31, "22b-PT", "22b-PT", 2, false, "15", "0-200", "0", "0", "No", 0, 200},
}};
// clang-format on

constexpr std::span<const WeaponEntry> weapons(WeaponKind kind) {
    if (kind == WeaponKind::Main)
        return MainWeapons;
    return SubWeapons;
}

// The entry whose list text is `listText`, or nullptr. Only the VT catalogue's
// weapon lists are resolved this way; a selector item is never looked up by text.
constexpr const WeaponEntry* findWeapon(WeaponKind kind, std::string_view listText) {
    for (const WeaponEntry& entry : weapons(kind))
        if (entry.ListText == listText)
            return &entry;
    return nullptr;
}

// The entry with weapon number `id`, or nullptr for a number outside the table.
constexpr const WeaponEntry* weaponById(WeaponKind kind, std::uint32_t id) {
    const auto table = weapons(kind);
    return id < table.size() ? &table[id] : nullptr;
}

// Parses "Min-Max" and compares it with the numeric band. "Unarmed" shows "N/A".
constexpr bool rangeTextMatches(const WeaponEntry& entry) {
    if (entry.Id == 0)
        return entry.RangeText == "N/A" && entry.MinRange == 0 && entry.MaxRange == 0;
    std::int32_t parts[2] = {0, 0};
    int part = 0;
    bool digits = false;
    for (char c : entry.RangeText) {
        if (c == '-' && part == 0 && digits) {
            part = 1;
            digits = false;
        } else if (c >= '0' && c <= '9') {
            parts[part] = parts[part] * 10 + (c - '0');
            digits = true;
        } else {
            return false;
        }
    }
    return part == 1 && digits && parts[0] == entry.MinRange && parts[1] == entry.MaxRange;
}

namespace detail {
constexpr bool tableIsConsistent(std::span<const WeaponEntry> table, bool mountAllowed) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        const WeaponEntry& e = table[i];
        if (e.Id != i || !rangeTextMatches(e) || (e.Mount && !mountAllowed))
            return false;
    }
    return table[0].ListText == "Unarmed" && table[0].Load == 0 && !table[0].Mount;
}
} // namespace detail

static_assert(detail::tableIsConsistent(MainWeapons, false),
              "main weapons: ids in order, ranges as shown, no mount flags");
static_assert(detail::tableIsConsistent(SubWeapons, true),
              "sub-weapons: ids in order, ranges as shown");

// The prose of the weapon page; "UNARMED" for the two "Unarmed" entries.
QString weaponDescription(const WeaponEntry& entry, WeaponKind kind);

// The tip of a weapon selector's item: the weapon's weight, range and damage,
// so that a weapon can be chosen without opening the weapon page.
QString weaponItemTip(const WeaponEntry& entry);

// An item of the range chart's comparison list.
struct ComparisonWeapon {
    std::string_view ListText;
    int MinRange, MaxRange;
};

inline constexpr int ComparisonWeaponCount = MainWeaponCount + SubWeaponCount - 1;

// "Unarmed", then main weapons 1-22, then sub-weapons 1-31, by list text.
constexpr std::array<ComparisonWeapon, ComparisonWeaponCount> comparisonWeapons() {
    std::array<ComparisonWeapon, ComparisonWeaponCount> items{};
    std::size_t n = 0;
    for (const WeaponEntry& e : MainWeapons)
        items[n++] = {e.ListText, e.MinRange, e.MaxRange};
    for (const WeaponEntry& e : std::span(SubWeapons).subspan(1))
        items[n++] = {e.ListText, e.MinRange, e.MaxRange};
    return items;
}

static_assert(comparisonWeapons()[ComparisonWeaponCount - 1].ListText == "22b-PT");

} // namespace vantor

#pragma once

// The fifteen entries of the two optional part selectors and their levels,
// and the steps of choosing a part, choosing a level and showing a part. An
// entry's index is its selector position and its icon in the icon list.

#include "model/Loadout.h"
#include "model/PartIndex.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vantor {

struct OptionalPart {
    int index;
    std::string_view selectorText;
    std::string_view name;
    std::string_view bonusTo;
    std::string_view amount;
    bool levelled;
    std::array<std::string_view, 3> levelAvailability;
    std::string_view unitAvailability;
    std::string_view descriptionSlug; // :/texts/parts/<slug>.txt
};

inline constexpr int OptionalPartCount = 15;

// Icon list pictures beyond the fifteen part icons.
inline constexpr int IconBlank = 0;
inline constexpr int IconStandardLoadOnly = 15;
inline constexpr int IconOneFuelTank = 16;
inline constexpr int IconTwoFuelTanks = 17;

// Optional parts: index, selector text, name, bonus-to, amount, levelled,
// level 1-3 availability, unit availability, description slug.
// clang-format off
inline constexpr std::array<OptionalPart, OptionalPartCount> OptionalParts = {{
    {0, "Unarmed", "UNARMED", "N/A", "N/A", false, {"N/A", "N/A", "N/A"}, "N/A", "unarmed"},
    {1, "Additional Mount", "Additional Mount", "MAX", "N/A", true, {"Turn 01", "Turn 03", "Turn 05"}, "N/A", "additional-mount"},
    {2, "Advanced Mount", "Advanced Mount", "STD and MAX", "N/A", true, {"Turn 05", "Turn 06", "Turn 08"}, "N/A", "advanced-mount"},
    {3, "Advanced Balancer", "Advanced Balancer", "Balancer Rating", "N/A", true, {"Turn 01", "Turn 03", "Turn 05"}, "N/A", "advanced-balancer"},
    {4, "Mechanical Unit", "Mechanical Unit", "Durability Rating", "N/A", true, {"Turn 01", "Turn 04", "Turn 07"}, "N/A", "mechanical-unit"},
    {5, "Power Cell", "Power Cell", "Veering Efficiency", "N/A", true, {"Turn 01", "Turn 04", "Turn 08"}, "N/A", "power-cell"},
    {6, "Strategic Unit", "Strategic Unit", "Combat Points", "N/A", true, {"Turn 01", "Turn 03", "Turn 06"}, "N/A", "strategic-unit"},
    {7, "Supply Battalion", "Supply Battalion", "Supply Points", "N/A", true, {"Turn 01", "Turn 03", "Turn 06"}, "N/A", "supply-battalion"},
    {8, "Tactician Unit", "Tactician Unit", "Sortie Points", "N/A", true, {"Turn 01", "Turn 04", "Turn 07"}, "N/A", "tactician-unit"},
    {9, "Advanced Armour", "Advanced Armour", "Distance Modifier", "+ 200 Meters", false, {"N/A", "N/A", "N/A"}, "Turn 05", "advanced-armour"},
    {10, "Advanced Radar", "Advanced Radar", "Radar", "See Description", false, {"N/A", "N/A", "N/A"}, "Turn 04", "advanced-radar"},
    {11, "Anti-Shock Body", "Anti-Shock Body", "VT Protection", "See Description", false, {"N/A", "N/A", "N/A"}, "Turn 07", "anti-shock-body"},
    {12, "Generals Inspection", "Generals Inspection", "Pilot Rank", "+ 1 Rank", false, {"N/A", "N/A", "N/A"}, "Turn 06", "generals-inspection"},
    {13, "Goddess Of War", "Goddess Of War", "VT Life", "See Description", false, {"N/A", "N/A", "N/A"}, "Turn 02", "goddess-of-war"},
    {14, "Surveillance Unit", "Surveillance Unit", "Base Capture", "- 15 Seconds", false, {"N/A", "N/A", "N/A"}, "Turn 02", "surveillance-unit"},
}};
// clang-format on

// What a level of a levelled part stores in its slot.
enum class LevelEffect : std::uint8_t {
    MaximumOnly,        // maximum bonus; the standard bonus is set to 0
    StandardAndMaximum, // both load bonuses
    Balancer,
    Durability,
    Veering,
    ShownOnly, // the amount text changes, no field does
};

struct PartLevels {
    int part;
    std::array<std::string_view, 3> amounts;
    LevelEffect effect;
    std::array<std::uint32_t, 3> values; // load units or percent
};

inline constexpr int LevelledPartCount = 8;

// Levels of entries 1-8: part, amount texts of levels 1-3, effect, values.
// clang-format off
inline constexpr std::array<PartLevels, LevelledPartCount> PartLevelTable = {{
    {1, {"+ 2", "+ 4", "+ 6"}, LevelEffect::MaximumOnly, {2, 4, 6}},
    {2, {"+ 2", "+ 4", "+ 6"}, LevelEffect::StandardAndMaximum, {2, 4, 6}},
    {3, {"+ 10%", "+ 20%", "+ 30%"}, LevelEffect::Balancer, {10, 20, 30}},
    {4, {"+ 10%", "+ 20%", "+ 30%"}, LevelEffect::Durability, {10, 20, 30}},
    {5, {"+ 10%", "+ 20%", "+ 30%"}, LevelEffect::Veering, {10, 20, 30}},
    {6, {"+ 10%", "+ 20%", "+ 30%"}, LevelEffect::ShownOnly, {10, 20, 30}},
    {7, {"+ 10%", "+ 20%", "+ 30%"}, LevelEffect::ShownOnly, {10, 20, 30}},
    {8, {"+ 10%", "+ 20%", "+ 30%"}, LevelEffect::ShownOnly, {10, 20, 30}},
}};
// clang-format on

namespace detail {
constexpr bool partTablesAreConsistent() {
    for (int i = 0; i < OptionalPartCount; ++i) {
        const OptionalPart& p = OptionalParts[static_cast<std::size_t>(i)];
        if (p.index != i || p.levelled != (i >= 1 && i <= LevelledPartCount))
            return false;
    }
    for (int i = 0; i < LevelledPartCount; ++i)
        if (PartLevelTable[static_cast<std::size_t>(i)].part != i + 1)
            return false;
    return true;
}
} // namespace detail
static_assert(detail::partTablesAreConsistent(),
              "parts in index order, entries 1-8 levelled and in the level table");

// The entry at selector position k, or nullptr (k = -1 for typed text).
constexpr const OptionalPart* optionalPart(int k) {
    return k >= 0 && k < OptionalPartCount ? &OptionalParts[static_cast<std::size_t>(k)] : nullptr;
}

// The level row of a levelled entry, or nullptr.
constexpr const PartLevels* partLevels(int k) {
    return k >= 1 && k <= LevelledPartCount ? &PartLevelTable[static_cast<std::size_t>(k - 1)]
                                            : nullptr;
}

// The prose of an entry, read from the part texts; empty if it is missing.
QString partDescription(const OptionalPart& part);

// A level as every text of the program names it, "Level 2", from what its
// level selector shows ("2"; "" where no level is picked yet).
QString levelName(const QString& level);
// An item with its level, as the reports, the tool windows and the finder
// name it: "Advanced Mount Level 2" (level 1 to 3), and with a level selector
// that holds no level "Additional Mount Level ".
QString itemWithLevel(const QString& item, const QString& level);
QString itemWithLevel(const QString& item, int level);

// A part picked in the part selector of slot 1 or 2.
struct PartChoice {
    std::optional<QString> bonusText;  // nothing: leave the label as it is
    std::optional<QString> amountText; // nothing: leave the label as it is
    int icon = IconBlank;              // picture to draw into the slot's icon
    QString levelText;                 // "N/A" or "Set Level"
    bool levelEnabled = false;         // "Set Level" takes the part selector's (enabled) state
};

// Prepares the labels, the icon and the level selector, and zeroes the slot's
// bonuses (an "Advanced Mount" keeps its standard bonus). k = -1 for typed text.
PartChoice choosePart(Loadout& loadout, int slot, int k);

// A level picked in the level selector of slot 1 or 2.
struct LevelChoice {
    std::optional<QString> amountText; // nothing: leave the label as it is
    int icon = IconBlank;
};

// Stores the level's bonuses for part k at level index L (0-2; -1 for typed
// text changes nothing); with no part (k = 0 or -1) clears the load and
// durability bonuses.
LevelChoice chooseLevel(Loadout& loadout, int slot, int k, int L);

// What the part panel shows.
struct PartInfo {
    QString name;
    std::array<QString, 3> levelAvailability;
    QString unitAvailability;
    QString description;
};

// Records the slot's level text for a level index 0-2 and gives the panel of
// entry k ("N/A" throughout for k = -1). The caller then hands `name` and the
// level selector's enabled state to the slot's report row.
PartInfo ShowOptionalPart(Loadout& loadout, int slot, int k, int levelIndex);

} // namespace vantor

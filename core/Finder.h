#pragma once

// The loadout finder: the best loadouts a VT can carry under the player's own
// limits, ranked by one figure. The search covers every item the VT's
// selectors offer and is exact: its top N is the top N a complete enumeration
// gives, in the same order. Every figure it reports is read off the loadout
// record after the loadout's picks have run through the window's own steps.

#include "core/Preview.h"
#include "core/Selector.h"
#include "model/Loadout.h"
#include "reports/LoadoutText.h"

#include <QString>

#include <array>
#include <atomic>
#include <optional>
#include <vector>

namespace vantor {

// What the loadouts are ranked by, in the order the finder offers them.
enum class FinderRank : std::uint8_t {
    VolleyDamage, // the Damage figures of the six slots summed, "N/A" as 0
    LongestReach, // the largest maximum range of the six slots
    LoadLeft,     // to the standard load at VT OK, to the maximum at STD OVER, else 0
    StandardLoad,
    MaximumLoad,
    Durability,
    Balancer,
    Veering,
    TurnSpeed,  // under overload; lower is better
    SupplyCost, // lower is better
    SortieCost, // lower is better
};
inline constexpr int FinderRankCount = 11;

// The figure's name as the finder shows it: "Volley Damage", "Longest Reach",
// "Load Left", "Standard Load", "Maximum Load", "Durability",
// "Balancer Rating", "Veering Efficiency", "Turn Speed", "Supply Point Cost",
// "Sortie Point Cost".
QString finderRankName(FinderRank rank);
// Costs and the turn time rank lower first; every other figure higher first.
bool lowerIsBetter(FinderRank rank);

// An item the loadout must carry. Weapons are named by their catalogue id
// (WeaponEntry::Id) and may sit in any slot of their kind; a part by its
// selector entry, at `minimumLevel` (1 to 3) or above where it has levels.
// Two requirements of the same item ask for it twice.
struct FinderRequirement {
    enum Kind : std::uint8_t { MainWeapon, SubWeapon, Part } kind = MainWeapon;
    int id = 0;
    int minimumLevel = 0; // 0: any level, or none
    friend bool operator==(const FinderRequirement&, const FinderRequirement&) = default;
};

// A band of distances in metres, both ends included.
struct DistanceBand {
    int from = 0;
    int to = 0;
    friend bool operator==(const DistanceBand&, const DistanceBand&) = default;
};

// The player's limits; all are optional and hold together.
struct FinderLimits {
    // The worst load status a loadout may have: StatusVtOk, StatusStdOver,
    // StatusMaxOver, or StatusMountOver for anything.
    std::int32_t worstStatus = StatusVtOk;
    std::vector<FinderRequirement> mustCarry;
    // Selectors whose item stays as the current loadout holds it (the VT
    // selector is not one of them: the scope decides the VT). A kept part
    // keeps its level only where its level selector is kept as well; a kept
    // level without its part holds for whichever part with levels the slot
    // takes. Kept weapon and fuel selectors hold on the current VT only.
    std::array<bool, SelectorCount> keep{};
    int minimumFuelTanks = 0;
    // A distance some main weapon's range band must reach.
    std::optional<int> reach;
    // A band the range bands of the six slots together cover without a gap;
    // bands that touch (0-400 and 400-800) join, as both ends are in a band.
    std::optional<DistanceBand> cover;
    bool guided = false; // at least one guided weapon
    friend bool operator==(const FinderLimits&, const FinderLimits&) = default;
};

enum class FinderScope : std::uint8_t {
    ThisVt,  // the best loadouts of the current VT
    EveryVt, // the best loadout of each VT, the VTs ranked by it
};

struct FinderRequest {
    // The loadout in the window, as its selectors hold it (with the MM
    // launch), and its record. Changes are counted against these picks; kept
    // selectors take their items from them.
    LoadoutPicks current;
    Loadout currentLoadout;
    // The loadout that goes first among those it ties with, and whose
    // arrangement the same items keep: the window's, or after a found loadout
    // was put into the window, the one the window held before, so that the
    // rows stay as they were. NotPicked as its VT for none. With a launched MM
    // it goes first nowhere, as every loadout found has its MM loaded.
    LoadoutPicks leading;
    FinderLimits limits;
    FinderRank rank = FinderRank::VolleyDamage;
    FinderScope scope = FinderScope::ThisVt;
    int count = 50;
    friend bool operator==(const FinderRequest&, const FinderRequest&) = default;
};

struct FoundLoadout {
    // The picks that put this loadout into the window, in the order a user
    // makes them; an empty slot keeps the current selector's item where that
    // is already empty, so that it counts as no change. The same weapons in
    // selectors of one list, and the same two parts, stand where the leading
    // loadout has them (so the window's own loadout as the window has it),
    // else the lower items first. The MM is never launched.
    LoadoutPicks picks;
    // The record after those picks, as the window computes it.
    Loadout after;
    double figure = 0;  // the ranked figure
    QString figureText; // as the finder shows it ("3,450", "1200 m", "42.2")
    // Selectors whose item differs from the current loadout: an item nobody
    // picked is the first ("Unarmed", no tanks); a weapon selector changes
    // where it holds another weapon (so on another VT, the same weapon is no
    // change, and a weapon moved to another selector changes both); on
    // another VT the VT selector is one change, on the current one a launched
    // MM taken back. None: the loadout is the window's.
    int changes = 0;
    // Why the loadout ranks where it does: "Volley damage 3,450: 430-SB 600 +
    // 430-SB 600 + ..."; for loads, the parts that raise them.
    QString why;
    // "If picked: ..." against the current loadout, as the previews say it.
    PickPreview preview;
};

struct FinderAnswer {
    std::vector<FoundLoadout> loadouts; // best first
    // Empty unless nothing fits: the limit that rules everything out, in
    // words ("No loadout of the Garpike stays VT OK with 660-HW: it alone
    // weighs 10 and the standard load is 9").
    QString nothingFits;
    bool cancelled = false; // stopped by the cancel flag; the loadouts are incomplete
};

// The best `count` loadouts under the request's limits, best first. Ties go
// to the lower total load, then to the leading loadout, then to the loadout
// whose items come first in the selectors (the lower items first among
// selectors of one list): an order that the window's loadout does not change.
// Loadouts that differ only in the order of the same items in selectors
// offering the same list, or of the two parts, are one. Loadouts with a
// launched MM are not searched. A set `cancel` flag stops the search early.
// Runs on any thread.
FinderAnswer findLoadouts(const FinderRequest& request, const std::atomic<bool>* cancel = nullptr);

} // namespace vantor

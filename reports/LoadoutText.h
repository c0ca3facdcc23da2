#pragma once

// Reading a loadout back from the forum code or the HTML page as the reports
// write them. Parsing finds the ten items' texts; resolving turns them into
// the selector items a user would pick for them, checked against the
// catalogues. The text is untrusted (it comes from the clipboard): a text
// longer than any loadout is refused before it is read, and everything else
// is read in one forward pass.
//
// The status line is not read: the window computes the status from the picks.
// The forum code and the page do not say whether the Prominence M2 launched
// its MM, so a loadout read back has the MM loaded.

#include <QString>

#include <array>
#include <optional>
#include <variant>

namespace vantor {

// A loadout's text takes a few KB; a longer text is refused unread.
inline constexpr qsizetype MaxLoadoutTextLength = 64 * 1024;

// Why a text is no loadout: the item whose line does not fit, and the whole
// message to show, e.g. "Main Weapon 2: the Colt cannot carry 315-SB".
struct LoadoutTextError {
    QString line;    // the item's label as the reports write it; empty for the text as a whole
    QString message; // begins with the label where there is one

    bool operator==(const LoadoutTextError&) const = default;
};

template <typename T> using LoadoutTextResult = std::variant<T, LoadoutTextError>;

// An optional part's text split from its level: "Advanced Mount Level 2"
// gives "Advanced Mount" and "2"; a bare "Level" gives an empty level.
struct PartText {
    QString name;
    std::optional<QString> level;

    bool operator==(const PartText&) const = default;
};

// The items' texts as the text gives them, spaces simplified.
struct LoadoutNames {
    QString vt; // the report name, e.g. "Colt Exective"
    QString fuel;
    std::array<PartText, 2> parts;
    std::array<QString, 3> main;
    std::array<QString, 3> sub;

    bool operator==(const LoadoutNames&) const = default;
};

// A levelled part written with an empty level ("Power Cell Level ") is that
// part with its level selector at "Set Level"; "UNARMED Level 1" is Unarmed
// with level 1 picked in its level selector, as a level picked while the slot
// reads Unarmed is written.
//
// An item nobody picked: the selector stays as choosing the VT left it. The
// reports write "Unselected" (fuel) and "Unarmed" (parts, weapons) only for
// such items, since picking the "Unarmed" item reports it as "UNARMED"; so
// "Unarmed" reads back as NotPicked and "UNARMED" as item 0.
inline constexpr int NotPicked = -1;

struct PartPick {
    int part = NotPicked;  // OPSelect1 or OPSelect2 item
    int level = NotPicked; // OPLSelect1 or OPLSelect2 item (level - 1); NotPicked without levels
                           // (Unarmed has a level only when one was picked over it)
    // What only the loadout code says. A slot's level stays in the record
    // once picked, until another level is picked, also across VT choices:
    // `earlierLevel` is a level picked in the slot before `part`. With
    // `keepBonus` it was picked for this same part, which was picked again,
    // so the bonus of that level stays while the selector reads "Set Level".
    int earlierLevel = NotPicked;
    bool keepBonus = false;
    // Whether the level selector is open while no part has been picked since
    // the VT's choice (which leaves it as it was); a level with no part is
    // picked over Unarmed there. Nothing leaves it as the window has it.
    std::optional<bool> levelOpen{};

    bool operator==(const PartPick&) const = default;
};

struct WeaponPick {
    int item = NotPicked; // item of the slot's selector as buildWeaponSelectors fills it
    bool fixed = false;   // the slot's fixed weapon: `item` is its place, and choosing the
                          // VT has already put it there; there is nothing to pick

    bool operator==(const WeaponPick&) const = default;
};

// The picks in the order a user makes them: the VT, the fuel tanks, part 1
// and its level, part 2 and its level, main weapons 1 to 3, sub-weapons 1 to 3.
struct LoadoutPicks {
    int vt = NotPicked;   // VTSelect item, the VT catalogue index
    int fuel = NotPicked; // FTSelect item, the number of tanks
    std::array<PartPick, 2> parts{};
    std::array<WeaponPick, 3> main{};
    std::array<WeaponPick, 3> sub{};
    bool mmLaunched = false; // the MM launch ("F1"), made after the other picks

    bool operator==(const LoadoutPicks&) const = default;
};

// Finds the first loadout in the text, as forum code or as an HTML page.
LoadoutTextResult<LoadoutNames> parseLoadoutText(const QString& text);

// Checks the names against the catalogues and what the VT can carry.
LoadoutTextResult<LoadoutPicks> resolveLoadout(const LoadoutNames& names);

// Both: the picks that rebuild the loadout the text shows.
LoadoutTextResult<LoadoutPicks> readLoadoutText(const QString& text);

} // namespace vantor

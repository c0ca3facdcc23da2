#pragma once

// The loadout's twelve selectors, as every layer names them: the core's
// previews, the selection panel, the history and the tool windows. Their
// order is the window's, top to bottom and left to right.

#include "weapons/WeaponCatalogue.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace vantor {

enum class Selector : std::uint8_t {
    Vt,
    Fuel,
    Part1,
    Level1,
    Part2,
    Level2,
    Main1,
    Main2,
    Main3,
    Sub1,
    Sub2,
    Sub3
};

inline constexpr int SelectorCount = 12;

// Every selector, in order.
inline constexpr std::array<Selector, SelectorCount> AllSelectors{
    Selector::Vt,    Selector::Fuel,   Selector::Part1, Selector::Level1,
    Selector::Part2, Selector::Level2, Selector::Main1, Selector::Main2,
    Selector::Main3, Selector::Sub1,   Selector::Sub2,  Selector::Sub3};

// Where a selector's entry sits in a table of all twelve.
constexpr std::size_t selectorIndex(Selector selector) {
    return std::size_t(selector);
}

// The selector of optional part slot 1 or 2, and of its level.
constexpr Selector partSelector(int slot) {
    return slot == 1 ? Selector::Part1 : Selector::Part2;
}
constexpr Selector levelSelector(int slot) {
    return slot == 1 ? Selector::Level1 : Selector::Level2;
}

// The selector of weapon slot 1 to 3 of `kind`.
constexpr Selector weaponSelector(WeaponKind kind, int slot) {
    constexpr Selector mains[] = {Selector::Main1, Selector::Main2, Selector::Main3};
    constexpr Selector subs[] = {Selector::Sub1, Selector::Sub2, Selector::Sub3};
    return (kind == WeaponKind::Main ? mains : subs)[slot - 1];
}

// The weapon slot a weapon selector picks for: its kind and its slot, 1 to 3;
// the inverse of weaponSelector().
struct WeaponSlot {
    WeaponKind kind;
    int slot;
};
constexpr WeaponSlot weaponSlotOf(Selector selector) {
    for (WeaponKind kind : {WeaponKind::Main, WeaponKind::Sub})
        for (int slot = 1; slot <= 3; ++slot)
            if (weaponSelector(kind, slot) == selector)
                return {kind, slot};
    return {WeaponKind::Main, 0}; // no weapon selector
}

} // namespace vantor

#pragma once

// The armour distance modifiers of every VT, in metres, by VT index.

#include "model/VtCatalogue.h"

#include <array>
#include <string_view>

namespace vantor {

struct DistanceModifier {
    std::string_view vt; // selector name, to keep the rows readable and checkable
    int front;
    int side;
    int rear;
    int shield;
};

// clang-format off
inline constexpr std::array<DistanceModifier, VtCount> DistanceModifiers = {{
    {"Colt", 50, 0, 0, 0},
    {"Colt Executive", 50, 0, 0, 0},
    {"Decider", 50, 50, 0, 0},
    {"Decider Volcanic", 50, 0, 0, 0},
    {"Falchion", 0, 0, 0, 0},
    {"m-Vitzh", 50, 0, 0, 0},
    {"Scareface", 50, 50, 0, 0},
    {"Scareface A1", 0, 50, 0, 0},
    {"Vitzh", 0, 0, 0, 0},
    {"Vortex", 0, 0, 0, 0},
    {"Behemoth", 300, 200, 100, 0},
    {"Blade", 50, 0, 0, 0},
    {"Garpike", 200, 50, 0, 0},
    {"Jaralaccs C", 300, 0, 0, 0},
    {"Jaralaccs N", 150, 50, 0, 0},
    {"Jaralaccs NSR", 200, 100, 50, 0},
    {"Macabre", 250, 100, 50, 500},
    {"Maelstrom", 100, 50, 0, 0},
    {"Prominence M1", 100, 50, 0, 0},
    {"Prominence M2", 100, 0, 0, 0},
    {"Prominence M3", 150, 100, 50, 0},
    {"Rapier", 50, 50, 0, 0},
    {"Scareface II", 150, 0, 0, 0},
    {"Sheepdog", 0, 0, 0, 0},
    {"Siegesug", 200, 100, 0, 500},
    {"Yellow Jacket", 50, 50, 0, 0},
    {"Earthshaker", 300, 150, 50, 0},
    {"Juggernaut", 200, 100, 50, 0},
    {"Quasar", 200, 100, 50, 0},
    {"Regal Dress A", 150, 100, 0, 0},
    {"Regal Dress N", 200, 100, 0, 0},
}};
// clang-format on

static_assert(DistanceModifiers[ProminenceM2].vt == "Prominence M2");

} // namespace vantor

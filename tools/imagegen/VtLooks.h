#pragma once

// How each VT is drawn: the parts its portrait is built from. Size and
// proportions come from the catalogue (load, speed, generation); this table
// only chooses shapes and fittings.

#include <cstdint>

namespace vantor::art {

enum class Legs { Walker, Strider, Pillar, Quad };
enum class Hull { Box, Wedge, Egg, Slab, Pike };
enum class Head { None, Turret, Dome, Cupola };
enum class Gun { Cannon, Twin, Rifle, Sniper, Howitzer, Rail, Gatling, Laser, Rocket };
enum class Paint { Plain, Band, Fangs, Chevrons, Hazard, Split, Regal };

// Fittings, combined as a bit set.
enum Fitting : std::uint32_t {
    Antenna = 1u << 0,
    TwinAntenna = 1u << 1,
    Dish = 1u << 2,
    MissileBox = 1u << 3,
    RocketTubes = 1u << 4,
    SidePod = 1u << 5,
    Skirt = 1u << 6,
    Stacks = 1u << 7,
    Shield = 1u << 8,
    Blade = 1u << 9,
    Ram = 1u << 10,
    Crest = 1u << 11,
    FuelDrum = 1u << 12,
    Fins = 1u << 13,
    Searchlight = 1u << 14,
    CoilGun = 1u << 15,
    MissileRack = 1u << 16,
    StunRod = 1u << 17,
    Horns = 1u << 18,
    Ears = 1u << 19,
    Abdomen = 1u << 20,
    Periscope = 1u << 21,
};

struct VtLook {
    Legs legs;
    Hull hull;
    Head head;
    Gun gun;
    std::uint32_t fittings;
    Paint paint;
};

const VtLook& vtLook(int index);

} // namespace vantor::art

// Shapes and fittings of the 31 VT portraits, in catalogue order.

#include "tools/imagegen/VtLooks.h"

#include "model/VtCatalogue.h"

#include <iterator>

namespace vantor::art {

namespace {

using L = Legs;
using H = Hull;
using D = Head;
using G = Gun;
using P = Paint;

// clang-format off
constexpr VtLook looks[] = {
    {L::Walker,  H::Box,   D::Turret, G::Rifle,    Antenna | FuelDrum,                     P::Band},     // 0 Colt
    {L::Walker,  H::Box,   D::Turret, G::Cannon,   TwinAntenna | MissileBox | FuelDrum,    P::Chevrons}, // 1 Colt Executive
    {L::Walker,  H::Wedge, D::Turret, G::Twin,     Searchlight | Skirt,                    P::Band},     // 2 Decider
    {L::Pillar,  H::Wedge, D::Cupola, G::Howitzer, Stacks | SidePod,                       P::Split},    // 3 Decider Volcanic
    {L::Strider, H::Wedge, D::None,   G::Rifle,    Antenna | Fins,                         P::Plain},    // 4 Falchion
    {L::Walker,  H::Egg,   D::Dome,   G::Cannon,   SidePod | Antenna,                      P::Band},     // 5 m-Vitzh
    {L::Walker,  H::Box,   D::Turret, G::Sniper,   Periscope | FuelDrum,                   P::Fangs},    // 6 Scareface
    {L::Strider, H::Box,   D::Cupola, G::Sniper,   Fins,                                   P::Fangs},    // 7 Scareface A1
    {L::Pillar,  H::Egg,   D::Dome,   G::Gatling,  Antenna,                                P::Plain},    // 8 Vitzh
    {L::Pillar,  H::Box,   D::Cupola, G::Rocket,   RocketTubes | Stacks,                   P::Split},    // 9 Vortex
    {L::Quad,    H::Slab,  D::Turret, G::Howitzer, MissileBox | Skirt | Antenna,           P::Band},     // 10 Behemoth
    {L::Strider, H::Wedge, D::Cupola, G::Rifle,    SidePod | Fins,                         P::Chevrons}, // 11 Blade
    {L::Strider, H::Pike,  D::Cupola, G::Rifle,    Ram | Stacks | SidePod,                 P::Band},     // 12 Garpike
    {L::Walker,  H::Egg,   D::Turret, G::Cannon,   Blade | Antenna,                        P::Split},    // 13 Jaralaccs C
    {L::Walker,  H::Egg,   D::Turret, G::Twin,     MissileBox | Skirt,                     P::Band},     // 14 Jaralaccs N
    {L::Strider, H::Wedge, D::Dome,   G::Cannon,   Blade | MissileBox | TwinAntenna,       P::Chevrons}, // 15 Jaralaccs NSR
    {L::Walker,  H::Slab,  D::Turret, G::Cannon,   Shield | Horns | MissileBox,            P::Split},    // 16 Macabre
    {L::Walker,  H::Slab,  D::Turret, G::Rocket,   MissileBox | RocketTubes | Stacks,      P::Band},     // 17 Maelstrom
    {L::Walker,  H::Box,   D::Turret, G::Twin,     Dish | Searchlight,                     P::Chevrons}, // 18 Prominence M1
    {L::Walker,  H::Box,   D::Cupola, G::Rail,     MissileRack | Dish,                     P::Band},     // 19 Prominence M2
    {L::Strider, H::Wedge, D::Cupola, G::Rail,     MissileRack | Antenna | Fins,           P::Chevrons}, // 20 Prominence M3
    {L::Strider, H::Pike,  D::None,   G::Rifle,    StunRod | Fins | Antenna,               P::Chevrons}, // 21 Rapier
    {L::Walker,  H::Box,   D::Turret, G::Sniper,   MissileBox | Periscope,                 P::Fangs},    // 22 Scareface II
    {L::Strider, H::Egg,   D::None,   G::Sniper,   Ears,                                   P::Split},    // 23 Sheepdog
    {L::Walker,  H::Slab,  D::Turret, G::Cannon,   Shield | Skirt | Antenna,               P::Band},     // 24 Siegesug
    {L::Walker,  H::Egg,   D::Turret, G::Cannon,   Abdomen | TwinAntenna,                  P::Hazard},   // 25 Yellow Jacket
    {L::Pillar,  H::Slab,  D::Cupola, G::Cannon,   CoilGun | Skirt | Stacks,               P::Split},    // 26 Earthshaker
    {L::Quad,    H::Slab,  D::Turret, G::Twin,     MissileBox | Skirt | Stacks | Antenna,  P::Band},     // 27 Juggernaut
    {L::Strider, H::Wedge, D::Dome,   G::Laser,    SidePod | Fins | Antenna,               P::Chevrons}, // 28 Quasar
    {L::Walker,  H::Slab,  D::Dome,   G::Rocket,   Crest | Skirt | RocketTubes,            P::Regal},    // 29 Regal Dress A
    {L::Walker,  H::Slab,  D::Dome,   G::Sniper,   Crest | Skirt | Searchlight,            P::Regal},    // 30 Regal Dress N
};
// clang-format on
static_assert(std::size(looks) == VtCount);

} // namespace

const VtLook& vtLook(int index) {
    return looks[index];
}

} // namespace vantor::art

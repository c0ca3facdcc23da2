#pragma once

// Positions in the optional part selectors that the rules single out: the
// parts whose bonuses raise a load or a statistic, and the armour that moves
// the front distance modifier.

namespace vantor {

enum PartIndex : int {
    PartUnarmed = 0,
    PartAdditionalMount = 1,
    PartAdvancedMount = 2,
    PartAdvancedBalancer = 3,
    PartMechanicalUnit = 4,
    PartPowerCell = 5,
    PartAdvancedArmour = 9,
};

} // namespace vantor

#pragma once

// Turn speed of a VT carrying more than its standard load.

#include "model/Loadout.h"
#include "model/VtCatalogue.h"

#include <array>
#include <string_view>

namespace vantor {

inline constexpr int MaxOverloadSteps = 4;

// One load unit above the standard load. An empty rank text marks a step the
// table does not hold.
struct OverloadStep {
    float turnSpeed = 0;
    std::string_view rankText;

    constexpr bool held() const { return !rankText.empty(); }
};

// Steps 1 to 4 of one VT; step 0 is the VT's catalogue turn speed and rank.
struct OverloadRow {
    OverloadStep steps[MaxOverloadSteps];
};

extern const std::array<OverloadRow, VtCount> OverloadTable;

// The step shown for d load units above the standard load: the step itself
// when the table holds it, else the nearest held step below it; 0 means the
// catalogue figures.
int overloadStepShown(int vt, int d);

// Writes VTTurnSpeed and TurnRankText for TotalLoad against StandardLoad.
// A launched MM on the Prominence M2 keeps its own values, and without a valid
// VTIndex nothing changes.
void UpdateTurnUnderOverload(Loadout& loadout);

} // namespace vantor

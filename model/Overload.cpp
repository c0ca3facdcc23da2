#include "model/Overload.h"

#include <algorithm>

namespace vantor {

int overloadStepShown(int vt, int d) {
    if (vt < 0 || vt >= VtCount || d <= 0)
        return 0;
    const auto& steps = OverloadTable[std::size_t(vt)].steps;
    // A gap in the table, or a load beyond it that a maximum-load bonus
    // allows, shows the nearest step below, so the figures depend on the
    // loadout alone and not on the order of the clicks that built it.
    for (int s = std::min(d, MaxOverloadSteps); s > 0; --s)
        if (steps[std::size_t(s - 1)].held())
            return s;
    return 0;
}

void UpdateTurnUnderOverload(Loadout& loadout) {
    const int vt = loadout.VTIndex;
    if (vt < 0 || vt >= VtCount)
        return;
    if (vt == ProminenceM2 && loadout.MMLaunched)
        return;
    const long long d = static_cast<long long>(loadout.TotalLoad) - loadout.StandardLoad;
    const int step = overloadStepShown(vt, int(std::clamp<long long>(d, 0, MaxOverloadSteps + 1)));
    if (step == 0) {
        const VtEntry& entry = vtEntry(vt);
        loadout.VTTurnSpeed = entry.turnSpeed;
        loadout.TurnRankText = QString::fromLatin1(entry.ranks[RankTurn]);
    } else {
        const OverloadStep& s = OverloadTable[std::size_t(vt)].steps[std::size_t(step - 1)];
        loadout.VTTurnSpeed = s.turnSpeed;
        loadout.TurnRankText = QString::fromLatin1(s.rankText);
    }
}

} // namespace vantor

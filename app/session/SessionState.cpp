#include "app/session/SessionState.h"

bool operator==(const SessionState& a, const SessionState& b) {
    vantor::Loadout loadout = a.loadout;
    loadout.AdvancedOpen = b.loadout.AdvancedOpen;
    return loadout == b.loadout && a.selection == b.selection && a.views == b.views &&
           a.info == b.info && a.chart == b.chart && a.reports == b.reports &&
           a.advancedEnabled == b.advancedEnabled && a.pictureVt == b.pictureVt;
}

#pragma once

// The fuel tank selector: one or two additional tanks of 2 load units each.

#include "model/Loadout.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace vantor {

// The selector's items for a VT carrying up to `tankSlots` tanks (none for 0).
QStringList fuelTankItems(std::uint32_t tankSlots);

struct FuelChoice {
    std::optional<QString> reportText; // for SetFuelReport; nothing for typed text
    std::optional<int> icon;           // picture for the tank icon; nothing keeps it
};

// Sets `FuelTankLoad` for item index 0-2; index -1 (typed text) keeps the
// load, the report text and the icon.
FuelChoice chooseFuelTank(Loadout& loadout, int index);

} // namespace vantor

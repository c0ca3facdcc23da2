#include "equipment/FuelTanks.h"

#include "equipment/OptionalParts.h"
#include "model/Text.h"

#include <array>
#include <string_view>

namespace vantor {

namespace {

struct FuelTankItem {
    std::string_view text;
    std::uint32_t load;
    std::string_view reportText;
    int icon;
};

// Fuel tank items: text, load, report text, icon.
// clang-format off
constexpr std::array<FuelTankItem, 3> FuelTankTable = {{
    {"No Fuel Tanks", 0, "None Fitted", IconBlank},
    {"1 Fuel Tank", 2, "1", IconOneFuelTank},
    {"2 Fuel Tanks", 4, "2", IconTwoFuelTanks},
}};
// clang-format on

} // namespace

QStringList fuelTankItems(std::uint32_t tankSlots) {
    QStringList items;
    if (tankSlots != 1 && tankSlots != 2)
        return items;
    for (std::uint32_t i = 0; i <= tankSlots; ++i)
        items.append(toQString(FuelTankTable[i].text));
    return items;
}

FuelChoice chooseFuelTank(Loadout& loadout, int index) {
    if (index < 0 || index >= static_cast<int>(FuelTankTable.size()))
        return {};
    const FuelTankItem& item = FuelTankTable[static_cast<std::size_t>(index)];
    loadout.FuelTankLoad = item.load;
    return {toQString(item.reportText), item.icon};
}

} // namespace vantor

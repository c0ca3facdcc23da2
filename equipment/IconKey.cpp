// The icon key: picture and caption.

#include "equipment/IconKey.h"

#include "model/Text.h"

namespace vantor {

// clang-format off
const std::array<IconKeyEntry, IconKeyCount> IconKey = {{
    {15, "STD Increased:  Signifies that your VT is receiving a bonus to it's load bearing cababilities"},
    {1, "MAX Increased:  Signifies that your VT is receiving a bonus to it's maximum load bearing cababilities"},
    {2, "STD & MAX Increased:  Signifies that your VT is receiving a bonus to it's standard and maximum load bearing cababilities"},
    {3, "Balancer Rating Increased:  Signifies that your VT is receiving a bonus to it's balancing cababilities"},
    {4, "Durability Rating Increased:  Signifies that your VT is receiving a bonus to it's toughness"},
    {5, "Veering Efficiency Increased:  Signifies that your VT is receiving a bonus to it's battery recovery time"},
    {6, "Combat Points Increased:  Signifies that your pilot will receive a bonus amount of combat points"},
    {7, "Supply Points Increased:  Signifies that your pilot will receive a bonus amount of supply points"},
    {8, "Sortie Points Increased:  Signifies that your team will receive a bonus amount of sortie points"},
    {9, "Distance Modifier Increased:  Signifies that your VT is receiving a bonus to it's armour characteristics"},
    {10, "Radar Feature Added:  Signifies that your VT will have enhanced radar"},
    {11, "Anti-Shock feature Added:  Signifies that your VT is invunerable to electrical weapon attacks"},
    {12, "Combat Points Boost:  Signifies that your pilot will achive the next rank at the end of the mission"},
    {13, "Anti-Death Feature Added:  Signifies that your VT will not be lost if destroyed"},
    {14, "Base Capture Boost:  Signifies that your VT will be able to capture bases in just 50% of the regular time"},
    {16, "Single Fuel Tank:  Signifies that your VT is carrying a single additional fuel cell"},
    {17, "Dual Fuel Tanks:  Signifies that your VT is carrying two additional fuel cells"},
}};
// clang-format on

QString iconCaption(int picture) {
    for (const IconKeyEntry& entry : IconKey)
        if (entry.picture == picture)
            return toQString(entry.caption);
    return {};
}

} // namespace vantor

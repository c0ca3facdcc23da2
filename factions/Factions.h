#pragma once

// The four factions a VT can belong to: the name and colour shown for them,
// their flag picture and their intelligence text.

#include "model/VtCatalogue.h"

#include <QRgb>
#include <QString>

#include <array>
#include <string_view>

namespace vantor {

struct FactionRecord {
    Faction faction;
    std::string_view name;
    QRgb colour;                // of the name
    std::string_view flagFile;  // relative to the working folder
    std::string_view intelSlug; // names the intelligence text
};

// clang-format off
inline constexpr std::array<FactionRecord, 4> Factions = {{
    {Faction::HaiShiDao, "Hai Shi Dao", qRgb(255, 0, 0), "Images/hsdflag.bmp", "hai-shi-dao"},
    {Faction::Jaralaccs, "Jaralaccs", qRgb(255, 255, 0), "Images/jarflag.bmp", "jaralaccs"},
    {Faction::PacificRimForces, "Pacific Rim Forces", qRgb(0, 0, 255), "Images/prfflag.bmp", "pacific-rim-forces"},
    {Faction::RightBrothers, "Right Brothers", qRgb(0, 128, 0), "Images/rbflag.bmp", "right-brothers"},
}};
// clang-format on

const FactionRecord& factionRecord(Faction faction);

// The resource holding the faction's intelligence text, ":/texts/factions/<slug>.txt".
QString factionIntelResource(Faction faction);

// The intelligence text as one paragraph; empty if the resource is missing.
QString factionIntelText(Faction faction);

} // namespace vantor

// Turn speed and estimated turn rank per load unit above the standard load, steps 1 to 4, per VT.

#include "model/Overload.h"

namespace vantor {

// clang-format off
constexpr std::array<OverloadRow, VtCount> OverloadTable = {{
    {{{42.2f, "~31st"}, {46.9f, "~31st"}, {54.2f, "~31st"}}}, // Colt
    {{{36.7f, "~28th"}, {42.0f, "~31st"}, {45.7f, "~31st"}}}, // Colt Executive
    {{{34.5f, "~24th"}, {40.4f, "~31st"}}}, // Decider
    {{{40.5f, "~31st"}, {44.1f, "~31st"}, {48.4f, "~31st"}, {53.6f, "~31st"}}}, // Decider Volcanic
    {{{20.6f, "~9th"}, {21.7f, "~12th"}}}, // Falchion
    {{{39.5f, "~30th"}, {43.7f, "~31st"}, {47.1f, "~31st"}, {53.0f, "~31st"}}}, // m-Vitzh
    {{{34.5f, "~24th"}, {40.4f, "~31st"}}}, // Scareface
    {{{27.0f, "~16th"}}}, // Scareface A1
    {{{44.0f, "~31st"}, {52.5f, "~31st"}}}, // Vitzh
    {{{}, {53.8f, "~31st"}}}, // Vortex
    {{{46.9f, "~31st"}, {53.1f, "~31st"}, {62.3f, "~31st"}}}, // Behemoth
    {{{18.8f, "~7th"}, {20.1f, "~9th"}, {20.9f, "~10th"}}}, // Blade
    {{{27.1f, "~16th"}, {29.0f, "~20th"}, {31.5f, "~23rd"}}}, // Garpike
    {{{30.2f, "~31st"}, {34.3f, "~24th"}}}, // Jaralaccs C
    {{{30.2f, "~21st"}, {34.3f, "~24th"}}}, // Jaralaccs N
    {{{21.0f, "~10th"}, {22.0f, "~12th"}, {23.1f, "~12th"}, {24.2f, "~13th"}}}, // Jaralaccs NSR
    {{{19.6f, "~9th"}, {20.1f, "~9th"}, {21.3f, "~11th"}, {22.4f, "~12th"}}}, // Macabre
    {{{37.4f, "~28th"}, {40.2f, "~30th"}, {46.8f, "~31st"}}}, // Maelstrom
    {{{33.3f, "~24th"}, {37.8f, "~30th"}}}, // Prominence M1
    {{{45.4f, "~31st"}, {50.0f, "~31st"}, {55.4f, "~31st"}, {62.5f, "~31st"}}}, // Prominence M2
    {{{29.8f, "~21st"}, {34.5f, "~24th"}}}, // Prominence M3
    {{{17.3f, "~4th"}, {18.9f, "~7th"}, {19.1f, "~8th"}}}, // Rapier
    {{{30.6f, "~23rd"}, {32.6f, "~23rd"}, {34.8f, "~24th"}, {37.5f, "~29th"}}}, // Scareface II
    {{{16.7f, "~4th"}, {18.2f, "~5th"}}}, // Sheepdog
    {{{32.8f, "~23rd"}, {37.2f, "~28th"}}}, // Siegesug
    {{{29.9f, "~21st"}, {32.7f, "~23rd"}, {34.0f, "~24th"}, {37.5f, "~29th"}}}, // Yellow Jacket
    {{{19.4f, "~9th"}, {20.7f, "~9th"}, {22.2f, "~12th"}}}, // Earthshaker
    {{{19.5f, "~9th"}, {20.9f, "~10th"}}}, // Juggernaut
    {{{17.6f, "~4th"}, {18.3f, "~8th"}, {19.0f, "~8th"}, {19.7f, "~9th"}}}, // Quasar
    {{{23.8f, "~13th"}, {25.1f, "~14th"}, {26.2f, "~16th"}, {27.7f, "~16th"}}}, // Regal Dress A
    {{{23.4f, "~12th"}, {25.7f, "~14th"}}}, // Regal Dress N
}};
// clang-format on

// Estimated ranks are written "~" + position, with no leading blank.
static_assert([] {
    for (const auto& row : OverloadTable)
        for (const auto& step : row.steps)
            if (step.held() && (step.rankText[0] != '~' || step.rankText[1] == ' '))
                return false;
    return true;
}());

// Every VT holds at least its last step.
static_assert([] {
    for (const auto& row : OverloadTable) {
        bool any = false;
        for (const auto& step : row.steps)
            any = any || step.held();
        if (!any)
            return false;
    }
    return true;
}());

} // namespace vantor

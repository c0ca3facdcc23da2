#pragma once

// The HTML page and the forum code. Every row of the page is kept ready-made
// in the loadout record and rewritten by its row writer when the item it shows
// changes; the writers also keep the item's plain text, from which the forum
// code is built. Generating only refreshes the status and joins the pieces.

#include "model/Loadout.h"

#include <QString>
#include <QStringList>

#include <array>

namespace vantor {

// The ten items' labels in page and forum order; the forum code adds a colon.
inline constexpr int ReportItemCount = 10;
inline constexpr std::array<const char*, ReportItemCount> ReportItemLabels = {
    "VT",
    "Additional Fuel Tanks",
    "Optional Part 1",
    "Optional Part 2",
    "Main Weapon 1",
    "Main Weapon 2",
    "Main Weapon 3",
    "Sub Weapon 1",
    "Sub Weapon 2",
    "Sub Weapon 3",
};

// Where the page's VT picture comes from: the "Local" or "Internet" choice of
// the "VT Images" group, and the VT selector's current index (-1 before any VT).
struct PictureSource {
    bool internet = false;
    int vtIndex = -1;
};

// "Images/<index>.jpg", or the same file below /Vantor/Images/ on the maker's site.
QString pictureSourceAddress(const PictureSource& source);

// Puts every piece back to its default: the constant pieces, the ten label
// rows, "Unselected" for the VT and fuel, a bare "Unarmed" for both optional
// parts and every weapon slot, and the status row. The window switches its
// picture choice back to "Local" first and passes that source.
void ResetReport(Loadout& loadout, const PictureSource& source);

void SetVTReport(Loadout& loadout, const QString& name, const PictureSource& source);
void SetFuelReport(Loadout& loadout, const QString& text);
// Slot 1 or 2; with the slot's level selector enabled the part is reported as
// name + " Level " + the slot's stored level text. Other slots are ignored.
void SetPartReport(Loadout& loadout, int slot, const QString& name, bool levelSelectorEnabled);
// Slots 1 to 3; other slots are ignored.
void SetMainWeaponReport(Loadout& loadout, int slot, const QString& name);
void SetSubWeaponReport(Loadout& loadout, int slot, const QString& name);

// "MOUNT Over", "MAX Over", "STD Over", "VT OK"; empty for any other status.
QString htmlStatusText(int loadStatus);
void BuildHtmlStatusRow(Loadout& loadout);

// What "Generate Html" puts in its box, one entry per line of the box: the
// status row is rebuilt from LoadStatus, then every piece is appended and
// broken at its line feeds.
QStringList htmlPageLines(Loadout& loadout);

// "MOUNT OVER", "MAX OVER", "STD OVER", "VT OK"; "N/A" for any other status.
QString forumStatusText(int loadStatus);
// The colour code opening the status line, e.g. "[color=red]".
QString forumStatusColour(int loadStatus);
void BuildForumLines(Loadout& loadout);
// The eleven forum lines as last built by BuildForumLines, in output order.
QStringList forumLines(const Loadout& loadout);

// The box's text as the clipboard and the saved page get it: lines separated
// by carriage return + line feed, none after the last.
QString joinCrLf(const QStringList& lines);

} // namespace vantor

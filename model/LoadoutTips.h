#pragma once

// The tooltips of the result views: why the load status, a bold figure, a
// rank or a gauge reads what it reads, in words and with the figures, derived
// from the loadout alone. displayOf puts them into the display.

#include "model/LoadoutDisplay.h"

#include <QString>

namespace vantor {

// Empty while there is no status. Its last line is the headroom.
QString statusTip(const Loadout& loadout);

// How much load is left before the next status ("3 left before STD OVER, 6
// before MAX OVER.") and, where mounts count, how many sub-weapon mounts are
// free. Empty while there is no status.
QString headroomTip(const Loadout& loadout);

// What raised bold figure `bold` (an index into BoldValues) off the VT's own.
QString raisedFigureTip(const Loadout& loadout, int bold);

// Rank `rank` (a RankIndex) as `rankText` shows it: its position among the
// VTs and those that share it, or why it is an estimate. Empty without digits.
QString rankTip(const Loadout& loadout, int rank, const QString& rankText);

// Gauge `gauge` of a display whose values and progress are already set.
QString gaugeTip(const LoadoutDisplay& display, int gauge);

// The percentage a gauge of `range` shows for `progress`, which it clamps to
// its range first.
int gaugePercent(const GaugeRange& range, int progress);

} // namespace vantor

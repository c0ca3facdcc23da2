#pragma once

#include <QRect>

// The six pages of the advanced area, in the order of their buttons.
enum class Page { Weapon, Range, Parts, Forum, Html, Misc };

inline constexpr int PageCount = 6;

// Where every page puts its group (in the page area) and its panel of
// figures or buttons (beside it).
inline constexpr QRect PageGroupRect(16, 4, 520, 164);
inline constexpr QRect PagePanelRect(545, 0, 159, 177);

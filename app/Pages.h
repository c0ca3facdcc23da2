#pragma once

// The six pages of the advanced area, in the order of their buttons.
enum class Page { Weapon, Range, Parts, Forum, Html, Misc };

inline constexpr int PageCount = 6;

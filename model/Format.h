#pragma once

// Number-to-text rules of the result views and the traffic-light banding of
// rank texts.

#include <QColor>
#include <QString>
#include <QStringView>

#include <optional>
#include <string_view>

namespace vantor {

// The number a figure's text shows, as the window, the catalogue and the
// finder write their figures. It is the first number in the text: words
// before or after it are passed over ("2nd Gen" 2, "Turn 5" 5, "12.5%" 12.5,
// "1200 m" 1200); a comma between two digits separates thousands ("1,200"
// 1200); one "." followed by a digit starts the decimals ("37.4"); a "-"
// just before the first digit makes it negative. A text without a digit
// ("N/A", "") shows no number; where a figure must count, such as a damage
// summed over the slots, "N/A" counts as 0.
std::optional<double> figureValue(QStringView text);
std::optional<double> figureValue(std::string_view text);

// "#.##": at most two decimals, rounded half away from zero, trailing zeros
// and a trailing point dropped ("37.4", "12.5", "1900"). A value that rounds
// to zero reads "0".
QString formatHashHash(float value);

// The shortest decimal text that reads back as the same 32-bit float, never
// with an exponent ("128", "12.5", "37.4").
QString floatText(float value);

// The position a rank text names: a leading "~" is skipped, the text is cut at
// the first "n", "r", "s" or "t", and the rest (after blanks) is read as a
// whole number. " 4th" gives 4, "19th*" 19, "~31st" 31; a text without digits,
// such as an empty one, gives nothing.
std::optional<int> rankNumber(QStringView rankText);

// Traffic-light band of a rank position.
enum class RankBand { Top, Middle, Bottom };

RankBand rankBand(int position);
QColor rankBackground(RankBand band);
QColor rankFontColour(RankBand band);

// Width in pixels of a coloured rank label.
inline constexpr int RankLabelWidth = 34;

// The whole part of a figure's text, towards zero ("1900" gives 1900, "12.5"
// 12); a text without digits, or one beyond an int, gives 0.
int TextWholePart(QStringView text);

} // namespace vantor

#pragma once

// Number-to-text rules of the result views and the traffic-light banding of
// rank texts.

#include <QColor>
#include <QString>
#include <QStringView>

#include <optional>

namespace vantor {

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

// The whole number before the first "." of a text, or the whole text when it
// has no "." ("1900" gives 1900, "12.5" 12). A text without digits gives 0.
int TextWholePart(QStringView text);

} // namespace vantor

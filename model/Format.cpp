#include "model/Format.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace vantor {

namespace {

// The reading of figureValue() over any string of characters; `at(i)` is
// the i-th character's code.
template <typename CharAt> std::optional<double> readFigure(std::size_t size, CharAt at) {
    const auto digit = [&](std::size_t i) { return i < size && at(i) >= '0' && at(i) <= '9'; };
    std::size_t i = 0;
    while (i < size && !digit(i))
        ++i;
    if (i == size)
        return std::nullopt;
    const bool negative = i > 0 && at(i - 1) == '-';
    double value = 0;
    double scale = 1;
    for (; digit(i) || (i < size && at(i) == ',' && digit(i + 1)); ++i)
        if (at(i) != ',')
            value = value * 10 + (at(i) - '0');
    if (i < size && at(i) == '.' && digit(i + 1))
        for (++i; digit(i); ++i) {
            value = value * 10 + (at(i) - '0');
            scale *= 10;
        }
    return (negative ? -value : value) / scale;
}

} // namespace

std::optional<double> figureValue(QStringView text) {
    return readFigure(std::size_t(text.size()),
                      [text](std::size_t i) { return int(text[qsizetype(i)].unicode()); });
}

std::optional<double> figureValue(std::string_view text) {
    return readFigure(text.size(), [text](std::size_t i) { return int(text[i]); });
}

QString formatHashHash(float value) {
    // A float has a 24-bit mantissa, so scaling its double by 100 is exact and
    // std::round (half away from zero) rounds the true value, not a neighbour.
    const double hundredths = std::round(double(value) * 100.0);
    if (!std::isfinite(hundredths) || std::fabs(hundredths) >= 1e17) {
        char buf[400];
        std::snprintf(buf, sizeof buf, "%.0f", double(value));
        return QString::fromLatin1(buf);
    }
    const long long n = std::llabs(static_cast<long long>(hundredths));
    QString text = QString::number(n / 100);
    if (const long long cents = n % 100; cents != 0) {
        text += QLatin1Char('.');
        text += QLatin1Char(char('0' + cents / 10));
        if (cents % 10 != 0)
            text += QLatin1Char(char('0' + cents % 10));
    }
    if (hundredths < 0)
        text.prepend(QLatin1Char('-'));
    return text;
}

QString floatText(float value) {
    // Every catalogue figure has at most one decimal; printing the float's own
    // shortest form keeps 37.4 as "37.4" rather than the digits of its double.
    char buf[64];
    const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    if (result.ec != std::errc())
        return QString::number(double(value), 'g', 15);
    return QString::fromLatin1(buf, result.ptr - buf);
}

std::optional<int> rankNumber(QStringView rankText) {
    QStringView text = rankText;
    if (text.startsWith(QLatin1Char('~')))
        text = text.mid(1);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('n') || c == QLatin1Char('r') || c == QLatin1Char('s') ||
            c == QLatin1Char('t')) {
            text = text.left(i);
            break;
        }
    }
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return n;
}

RankBand rankBand(int position) {
    if (position <= 10)
        return RankBand::Top;
    if (position <= 20)
        return RankBand::Middle;
    return RankBand::Bottom;
}

QColor rankBackground(RankBand band) {
    switch (band) {
    case RankBand::Top:
        return QColor(0, 255, 0);
    case RankBand::Middle:
        return QColor(255, 255, 0);
    case RankBand::Bottom:
        return QColor(255, 0, 0);
    }
    return {};
}

QColor rankFontColour(RankBand band) {
    return band == RankBand::Bottom ? QColor(255, 255, 255) : QColor(0, 0, 0);
}

int TextWholePart(QStringView text) {
    const double value = figureValue(text).value_or(0);
    return std::fabs(value) < 2147483648.0 ? int(value) : 0;
}

} // namespace vantor

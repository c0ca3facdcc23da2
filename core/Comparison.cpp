#include "core/Comparison.h"

#include "model/LoadoutDisplay.h"
#include "model/Text.h"
#include "reports/Reports.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vantor {

namespace {

// The report text of each item, in the order of ReportItemLabels.
constexpr std::array<QString Loadout::*, ReportItemCount> ItemTexts = {
    &Loadout::VTReportText,    &Loadout::FuelReportText, &Loadout::Part1ReportText,
    &Loadout::Part2ReportText, &Loadout::MW1ReportText,  &Loadout::MW2ReportText,
    &Loadout::MW3ReportText,   &Loadout::SW1ReportText,  &Loadout::SW2ReportText,
    &Loadout::SW3ReportText,
};

enum class Better { Larger, Smaller, Neither };

struct Figure {
    const char* name;
    ValueLabel value;
    Better better;
};

// The total load says nothing by itself: what it means is the status row's.
constexpr std::array<Figure, 3> LoadFigures = {{
    {"VT Standard Load", ValueStandardLoad, Better::Larger},
    {"VT Maximum Load", ValueMaximumLoad, Better::Larger},
    {"Total Load", ValueTotalLoad, Better::Neither},
}};

// The Stats view's figures in its order, without the availability. The turn
// speed is the seconds a full turn takes.
constexpr std::array<Figure, 9> StatisticFigures = {{
    {"Max Speed", ValueMaximumSpeed, Better::Larger},
    {"Durability", ValueDurability, Better::Larger},
    {"Balancer Rating", ValueBalancer, Better::Larger},
    {"Turn Speed", ValueTurnSpeed, Better::Smaller},
    {"Veering Efficiency", ValueVeering, Better::Larger},
    {"Torque Rating", ValueTorque, Better::Larger},
    {"Fuel Efficiency", ValueFuelEfficiency, Better::Larger},
    {"Supply Point Cost", ValueSupplyCost, Better::Smaller},
    {"Sortie Point Cost", ValueSortieCost, Better::Smaller},
}};

// A decimal number as whole units of 10^-scale.
struct Decimal {
    qint64 units = 0;
    int scale = 0;
};

// Numbers below 10^18 still subtract within 64 bits once aligned.
constexpr qint64 UnitLimit = 1'000'000'000'000'000'000;
constexpr int MaxScale = 18;

// A shown figure: digits, and an optional point followed by digits. Any other
// text ("N/A") is no figure.
std::optional<Decimal> readDecimal(QStringView text) {
    if (text.isEmpty() || text.startsWith(u'.') || text.endsWith(u'.'))
        return std::nullopt;
    Decimal d;
    bool point = false;
    for (const QChar c : text) {
        if (c == u'.' && !point) {
            point = true;
            continue;
        }
        if (c < u'0' || c > u'9' || d.units >= UnitLimit / 10 || d.scale == MaxScale)
            return std::nullopt;
        d.units = d.units * 10 + (c.unicode() - u'0');
        d.scale += point ? 1 : 0;
    }
    return d;
}

std::optional<qint64> unitsAt(Decimal d, int scale) {
    for (; d.scale < scale; ++d.scale) {
        if (d.units >= UnitLimit / 10)
            return std::nullopt;
        d.units *= 10;
    }
    return d.units;
}

// current - pinned, exact to the decimals the texts show (no float rounding).
std::optional<Decimal> difference(QStringView pinned, QStringView current) {
    const auto from = readDecimal(pinned);
    const auto to = readDecimal(current);
    if (!from || !to)
        return std::nullopt;
    const int scale = std::max(from->scale, to->scale);
    const auto a = unitsAt(*from, scale);
    const auto b = unitsAt(*to, scale);
    if (!a || !b)
        return std::nullopt;
    return Decimal{*b - *a, scale};
}

// "+2", "−0.5"; empty for zero.
QString signedText(Decimal d) {
    if (d.units == 0)
        return {};
    qint64 unit = 1;
    for (int i = 0; i < d.scale; ++i)
        unit *= 10;
    const qint64 magnitude = std::llabs(d.units);
    QString text(d.units > 0 ? QChar(u'+') : QChar(0x2212));
    text += QString::number(magnitude / unit);
    QString fraction = QString::number(magnitude % unit).rightJustified(d.scale, u'0');
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    if (!fraction.isEmpty())
        text += u'.' + fraction;
    return text;
}

// Nobody's pick and a pick of the "Unarmed" item are the same item: the
// reports write the first as "Unarmed" and the second as "UNARMED".
bool sameItem(const QString& a, const QString& b) {
    const QLatin1String unarmed("Unarmed");
    return a == b || (a.compare(unarmed, Qt::CaseInsensitive) == 0 &&
                      b.compare(unarmed, Qt::CaseInsensitive) == 0);
}

// The contrast of two colours as the WCAG defines it, from 1 to 21.
double luminance(const QColor& c) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

// The figures the views show for a loadout; nothing before any recomputation.
std::optional<LoadoutDisplay> shownFigures(const Loadout& loadout) {
    if (loadout.LoadStatus == StatusNone)
        return std::nullopt;
    return displayOf(loadout);
}

// `comparable` false: one side has no VT, and its figures (the zeros the
// window shows for text in the VT selector that names none) are no loadout's.
ComparisonRow figureRow(const Figure& figure, const std::optional<LoadoutDisplay>& pinned,
                        const std::optional<LoadoutDisplay>& current, bool comparable) {
    ComparisonRow row;
    row.figure = QLatin1String(figure.name);
    row.pinned = pinned ? pinned->values[figure.value].text : NotAvailable;
    row.current = current ? current->values[figure.value].text : NotAvailable;
    if (!comparable)
        return row;
    const auto change = difference(row.pinned, row.current);
    if (!change || change->units == 0)
        return row;
    row.change = signedText(*change);
    if (figure.better != Better::Neither)
        row.verdict = (change->units > 0) == (figure.better == Better::Larger)
                          ? ChangeVerdict::Better
                          : ChangeVerdict::Worse;
    return row;
}

} // namespace

std::vector<ComparisonRow> compareLoadouts(const Loadout& pinned, const Loadout& current) {
    std::vector<ComparisonRow> rows;
    rows.reserve(ItemTexts.size() + LoadFigures.size() + 1 + StatisticFigures.size());
    for (std::size_t i = 0; i < ItemTexts.size(); ++i) {
        ComparisonRow row;
        row.figure = QLatin1String(ReportItemLabels[i]);
        row.pinned = pinned.*ItemTexts[i];
        row.current = current.*ItemTexts[i];
        row.differs = !sameItem(row.pinned, row.current);
        rows.push_back(std::move(row));
    }

    const std::optional<LoadoutDisplay> a = shownFigures(pinned);
    const std::optional<LoadoutDisplay> b = shownFigures(current);
    const bool comparable = pinned.VTIndex >= 0 && current.VTIndex >= 0;
    for (const Figure& figure : LoadFigures)
        rows.push_back(figureRow(figure, a, b, comparable));
    ComparisonRow status;
    status.figure = QStringLiteral("Load Status");
    status.pinned = a ? a->statusText : NotAvailable;
    status.current = b ? b->statusText : NotAvailable;
    status.pinnedColour = a ? readableOnWhite(a->statusColour) : QColor();
    status.currentColour = b ? readableOnWhite(b->statusColour) : QColor();
    rows.push_back(std::move(status));
    for (const Figure& figure : StatisticFigures)
        rows.push_back(figureRow(figure, a, b, comparable));
    return rows;
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOnWhite(const QColor& colour) {
    // Darker at the same hue and saturation: yellow becomes a dark yellow.
    float hue = 0, saturation = 0, value = 0, alpha = 1;
    colour.toHsv().getHsvF(&hue, &saturation, &value, &alpha);
    QColor readable = colour;
    while (contrastRatio(readable, Qt::white) < MinimumContrast && value > 0) {
        value = std::max(0.0f, value - 0.01f);
        readable = QColor::fromHsvF(hue, saturation, value, alpha).toRgb();
    }
    return readable;
}

QColor textColourOn(const QColor& background) {
    const QColor black(Qt::black), white(Qt::white);
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

QString shownChange(const ComparisonRow& row) {
    switch (row.verdict) {
    case ChangeVerdict::Better:
        return row.change + QStringLiteral(" better");
    case ChangeVerdict::Worse:
        return row.change + QStringLiteral(" worse");
    default:
        return row.change;
    }
}

} // namespace vantor

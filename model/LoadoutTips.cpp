#include "model/LoadoutTips.h"

#include "model/Recompute.h"
#include "model/Text.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <optional>

namespace vantor {

namespace {

// "A", "A and B", "A, B and C"; "A or B" with `conjunction` "or".
QString spokenList(const QStringList& names, QLatin1String conjunction = QLatin1String("and")) {
    if (names.size() < 2)
        return names.value(0);
    return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) + QLatin1Char(' ') +
           conjunction + QLatin1Char(' ') + names.last();
}

// "1 more reaches", "3 more reach".
QString moreReach(long long n) {
    return n == 1 ? QStringLiteral("1 more reaches") : QStringLiteral("%1 more reach").arg(n);
}

// The total load against the standard and maximum loads, the comparisons the
// load status is made of.
QString loadSentence(const Loadout& l) {
    const long long total = l.TotalLoad;
    const long long standard = l.StandardLoad;
    const long long maximum = l.MaximumLoad;
    if (total > maximum)
        return QStringLiteral("Total load %1 is %2 over the maximum load of %3.")
            .arg(total)
            .arg(total - maximum)
            .arg(maximum);
    if (total > standard) {
        const QString over = QStringLiteral("Total load %1 is %2 over the standard load of %3")
                                 .arg(total)
                                 .arg(total - standard)
                                 .arg(standard);
        if (total == maximum)
            return over + QStringLiteral(" and reaches the maximum of %1.").arg(maximum);
        return over + QStringLiteral("; %1 the maximum of %2.")
                          .arg(moreReach(maximum - total))
                          .arg(maximum);
    }
    if (total == standard)
        return QStringLiteral("Total load %1 fills the standard load of %2 exactly.")
            .arg(total)
            .arg(standard);
    return QStringLiteral(
               "Total load %1 is within the standard load of %2; %3 more can be carried.")
        .arg(total)
        .arg(standard)
        .arg(standard - total);
}

// A figure that an optional part raises: the VT's own figure and the two part
// slots' bonuses, of which the larger counts (slot 1 on a tie).
struct Raise {
    const char* figure;
    QString own;
    float slot1, slot2;
    bool percent;
};

// In the order of BoldValues.
std::array<Raise, BoldLabelCount> raises(const Loadout& l) {
    return {{
        {"Standard load", QString::number(l.VTStandardLoad), float(l.Part1StandardBonus),
         float(l.Part2StandardBonus), false},
        {"Maximum load", QString::number(l.VTMaximumLoad), float(l.Part1MaximumBonus),
         float(l.Part2MaximumBonus), false},
        {"Durability", floatText(l.VTDurability), l.Part1DurabilityBonus, l.Part2DurabilityBonus,
         true},
        {"Balancer rating", floatText(l.VTBalancerRating), l.Part1BalancerBonus,
         l.Part2BalancerBonus, true},
        {"Veering efficiency", floatText(l.VTVeeringEfficiency), l.Part1VeeringBonus,
         l.Part2VeeringBonus, true},
    }};
}

// Why a rank is an estimate: the MM launch sets the Prominence M2's turn and
// durability ranks, an overload its turn rank.
QString estimateReason(const Loadout& l) {
    return l.MMLaunched ? QStringLiteral("estimated after the MM launch")
                        : QStringLiteral("estimated, as the turn slows under overload");
}

// The position every VT's catalogue rank names, read from the rank texts once:
// each tip compares with all 31 VTs, and the tips are written on every pick.
using CataloguePositions = std::array<std::array<std::optional<int>, RankCount>, VtCount>;
const CataloguePositions& cataloguePositions() {
    static const CataloguePositions positions = [] {
        CataloguePositions p{};
        for (std::size_t vt = 0; vt < p.size(); ++vt)
            for (std::size_t rank = 0; rank < RankCount; ++rank)
                p[vt][rank] = rankNumber(toQString(VtCatalogue[vt].ranks[rank]));
        return p;
    }();
    return positions;
}

// The other VTs whose catalogue rank `rank` names position `position`.
QStringList sharers(int vt, int rank, int position) {
    QStringList names;
    const CataloguePositions& positions = cataloguePositions();
    for (int other = 0; other < VtCount; ++other)
        if (other != vt && positions[std::size_t(other)][std::size_t(rank)] == position)
            names << toQString(VtCatalogue[std::size_t(other)].selectorName);
    return names;
}

struct GaugeTipRow {
    const char* caption;
    ValueLabel figure; // the value label that shows the gauge's figure
    const char* unit;  // "%1 mph": the figure in words
    // 0 when the gauge shows the figure itself; otherwise it shows how far the
    // figure, counted in `step`s, lies below this pivot.
    int pivot;
    int step;
    const char* better;
};

// In the order of GaugeRanges.
// clang-format off
constexpr std::array<GaugeTipRow, GaugeCount> GaugeTips = {{
    {"Standard Capacity", ValueStandardLoad, "standard load %1", 0, 1, "a larger load scores higher"},
    {"Maximum Capacity", ValueMaximumLoad, "maximum load %1", 0, 1, "a larger load scores higher"},
    {"Speed", ValueMaximumSpeed, "%1 mph", 0, 1, "a faster VT scores higher"},
    {"Durability", ValueDurability, "%1 hit points", 0, 1, "more hit points score higher"},
    {"Balancer", ValueBalancer, "balancer rating %1", 0, 1, "a higher rating scores higher"},
    {"Turn", ValueTurnSpeed, "%1 seconds", TurnGaugePivot, 1, "a shorter turn time scores higher"},
    {"Veering", ValueVeering, "veering efficiency %1", 0, 1, "a higher efficiency scores higher"},
    {"Torque", ValueTorque, "torque rating %1", 0, 1, "a higher rating scores higher"},
    {"Fuel Efficiency", ValueFuelEfficiency, "fuel efficiency %1", 0, 1, "a higher efficiency scores higher"},
    {"Supply Cost", ValueSupplyCost, "%1 supply points", SupplyGaugePivot, 1000, "a cheaper VT scores higher"},
    {"Sortie Cost", ValueSortieCost, "%1 sortie points", SortieGaugePivot, 1, "a cheaper VT scores higher"},
}};
// clang-format on

// How far the load is from the next status: what can still be carried, or
// what has to come off.
QString loadHeadroom(const Loadout& l) {
    const long long total = l.TotalLoad;
    const long long standard = l.StandardLoad;
    const long long maximum = l.MaximumLoad;
    if (total <= standard)
        return QStringLiteral("%1 left before STD OVER, %2 before MAX OVER.")
            .arg(standard - total)
            .arg(maximum - total);
    if (total <= maximum)
        return QStringLiteral("%1 left before MAX OVER.").arg(maximum - total);
    return QStringLiteral("%1 to take off for STD OVER, %2 for VT OK.")
        .arg(total - maximum)
        .arg(total - standard);
}

// Mounts count on a VT that can fill its three sub-weapon slots with mount
// weapons; the Prominence M3 never reaches MOUNT OVER.
bool mountsCount(const Loadout& l) {
    if (l.VTIndex < 0 || l.VTIndex >= VtCount || l.VTIndex == ProminenceM3)
        return false;
    if (l.FixedSW1 || l.FixedSW2 || l.FixedSW3 || l.SW1Mount || l.SW2Mount || l.SW3Mount)
        return true;
    for (std::uint32_t row = 0; row < l.SubWeaponListCount && row < WeaponListRows; ++row)
        if (l.SubWeaponListMount[row] != 0)
            return true;
    return false;
}

QString mountHeadroom(const Loadout& l) {
    const int free = int(!(l.SW1Mount || l.FixedSW1)) + int(!(l.SW2Mount || l.FixedSW2)) +
                     int(!(l.SW3Mount || l.FixedSW3));
    if (free == 0)
        return QStringLiteral("No sub-weapon mount free.");
    return free == 1 ? QStringLiteral("1 sub-weapon mount free before MOUNT OVER.")
                     : QStringLiteral("%1 sub-weapon mounts free before MOUNT OVER.").arg(free);
}

// Under MOUNT OVER every sub-weapon slot holds a mount weapon or a fixed one:
// taking the mount weapon out of any slot that is not fixed ends it. Empty
// where every slot is fixed.
QString mountOverEnd(const Loadout& l) {
    QStringList loose;
    const bool fixed[] = {l.FixedSW1, l.FixedSW2, l.FixedSW3};
    for (int slot = 0; slot < 3; ++slot)
        if (!fixed[slot])
            loose << QString::number(slot + 1);
    if (loose.isEmpty())
        return {};
    return QStringLiteral("Taking the mount weapon out of sub-weapon slot %1 ends the MOUNT OVER.")
        .arg(spokenList(loose, QLatin1String("or")));
}

} // namespace

QString headroomTip(const Loadout& l) {
    const std::int32_t status = shownLoadStatus(l);
    if (status < StatusMountOver || status > StatusVtOk)
        return {};
    // What ends the MOUNT OVER, not the loads, which would only end in another verdict.
    if (status == StatusMountOver)
        if (const QString end = mountOverEnd(l); !end.isEmpty())
            return end;
    QString tip = loadHeadroom(l);
    if (mountsCount(l))
        tip += QLatin1Char(' ') + mountHeadroom(l);
    return tip;
}

QString statusTip(const Loadout& l) {
    switch (shownLoadStatus(l)) {
    case StatusMountOver:
        return QStringLiteral("All three sub-weapon slots hold mount weapons (%1, %2, %3). ")
                   .arg(l.SW1ReportText, l.SW2ReportText, l.SW3ReportText) +
               loadSentence(l) + QLatin1Char('\n') + headroomTip(l);
    case StatusMaxOver:
    case StatusStdOver:
    case StatusVtOk:
        return loadSentence(l) + QLatin1Char('\n') + headroomTip(l);
    default:
        return {};
    }
}

QString raisedFigureTip(const Loadout& l, int bold) {
    const Raise r = raises(l)[std::size_t(bold)];
    const bool first = r.slot1 >= r.slot2;
    const float bonus = first ? r.slot1 : r.slot2;
    const QString amount = r.percent ? formatHashHash(bonus) + QLatin1Char('%')
                                     : QString::number(static_cast<long long>(bonus));
    return QStringLiteral("%1 %2 + %3 from %4.")
        .arg(QLatin1String(r.figure), r.own, amount, first ? l.Part1ReportText : l.Part2ReportText);
}

QString rankTip(const Loadout& l, int rank, const QString& rankText) {
    const auto position = rankNumber(rankText);
    if (!position)
        return {};
    const QString shown = QString(rankText).remove(QLatin1Char('*')).trimmed();
    if (shown.startsWith(QLatin1Char('~')))
        return shown + QStringLiteral(": ") + estimateReason(l) + QLatin1Char('.');
    QString tip = QStringLiteral("%1 of %2 VTs").arg(shown).arg(VtCount);
    // Without a VT chosen there is nobody to compare with.
    if (l.VTIndex >= 0 && l.VTIndex < VtCount)
        if (const QStringList others = sharers(l.VTIndex, rank, *position); !others.isEmpty())
            tip += QStringLiteral(", shared with ") + spokenList(others);
    return tip + QLatin1Char('.');
}

int gaugePercent(const GaugeRange& range, int progress) {
    if (range.maximum == range.minimum)
        return 0;
    const long long done = std::clamp(progress, range.minimum, range.maximum) - range.minimum;
    return int(done * 100 / (range.maximum - range.minimum));
}

QString gaugeTip(const LoadoutDisplay& d, int gauge) {
    const GaugeTipRow& row = GaugeTips[std::size_t(gauge)];
    const GaugeRange& range = GaugeRanges[std::size_t(gauge)];
    // The figures at the empty and at the full end of the bar.
    const auto figureAt = [&row](int progress) {
        return row.pivot == 0 ? progress : (row.pivot - progress) * row.step;
    };
    const QString figure =
        QString::fromLatin1(row.unit).arg(d.values[std::size_t(row.figure)].text);
    return QStringLiteral("%1: %2%; %3 on a scale of %4 to %5; %6.")
        .arg(QLatin1String(row.caption),
             QString::number(gaugePercent(range, d.gauges[std::size_t(gauge)].progress)), figure,
             QString::number(figureAt(range.minimum)), QString::number(figureAt(range.maximum)),
             QLatin1String(row.better));
}

} // namespace vantor

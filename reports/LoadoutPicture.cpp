#include "reports/LoadoutPicture.h"

#include "model/Format.h"
#include "model/LoadoutDisplay.h"
#include "model/Recompute.h"
#include "model/Text.h"
#include "reports/Reports.h"

#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <optional>
#include <span>

namespace vantor {

namespace {

constexpr int Width = LoadoutPictureSize.width();
constexpr QRgb Background = qRgb(255, 255, 255);
constexpr QRgb Ink = qRgb(0, 0, 0);
constexpr QRgb CaptionInk = qRgb(72, 72, 72);
constexpr QRgb Rule = qRgb(200, 200, 200);
constexpr QRgb Grid = qRgb(232, 232, 232);

// The title line, and the rule under it.
constexpr QRect TitleRect{PictureMargin, 8, PictureStatusRect.left() - 2 * PictureMargin, 26};
constexpr int TitleRule = 42;
// The items beside the VT's picture, one a line.
constexpr int ItemsLeft = PictureVtRect.right() + 1 + PictureMargin;
constexpr int ItemCaptionWidth = 136;
constexpr int ItemLine = 17;
// The figures in two columns under the picture.
constexpr int FiguresTop = PictureVtRect.bottom() + 1 + 14;
constexpr int FigureLine = 18;
constexpr int ColumnGap = 12;
constexpr int ColumnWidth = (Width - 2 * PictureMargin - ColumnGap) / 2;
constexpr int ValueWidth = 56;
// The distance scale: a tick every 500 m up to the chart's right edge.
constexpr int ScaleStep = 500;
constexpr int ScaleRow = 126;

// The figures of each column, and the rank each shows beside it.
struct Figure {
    ValueLabel value;
    std::optional<RankIndex> rank;
};

// clang-format off
constexpr Figure LeftFigures[] = {
    {ValueStandardLoad, RankStandard}, {ValueMaximumLoad, RankMaximum}, {ValueTotalLoad, {}},
    {ValueMaximumSpeed, RankSpeed},    {ValueDurability, RankDurability},
    {ValueBalancer, RankBalancer},     {ValueTurnSpeed, RankTurn},
};
constexpr Figure RightFigures[] = {
    {ValueVeering, RankVeering},       {ValueTorque, RankTorque},
    {ValueFuelEfficiency, RankFuel},   {ValueAvailability, {}},
    {ValueSupplyCost, RankSupply},     {ValueSortieCost, RankSortie},
};
// clang-format on

// The items the reports name, after the VT (which the title names), in the
// reports' order.
struct PictureItem {
    int label; // into ReportItemLabels
    QString Loadout::*text;
};
const PictureItem PictureItems[] = {
    {1, &Loadout::FuelReportText}, {2, &Loadout::Part1ReportText}, {3, &Loadout::Part2ReportText},
    {4, &Loadout::MW1ReportText},  {5, &Loadout::MW2ReportText},   {6, &Loadout::MW3ReportText},
    {7, &Loadout::SW1ReportText},  {8, &Loadout::SW2ReportText},   {9, &Loadout::SW3ReportText},
};

// A slot's bar: the chart's row for it, its range and the weapon's name.
struct SlotBar {
    int bar; // into RangeBars
    std::int32_t Loadout::*min;
    std::int32_t Loadout::*max;
    QString Loadout::*name;
};
const SlotBar SlotBars[] = {
    {BarMW1, &Loadout::MW1RangeMin, &Loadout::MW1RangeMax, &Loadout::MW1ReportText},
    {BarMW2, &Loadout::MW2RangeMin, &Loadout::MW2RangeMax, &Loadout::MW2ReportText},
    {BarMW3, &Loadout::MW3RangeMin, &Loadout::MW3RangeMax, &Loadout::MW3ReportText},
    {BarSW1, &Loadout::SW1RangeMin, &Loadout::SW1RangeMax, &Loadout::SW1ReportText},
    {BarSW2, &Loadout::SW2RangeMin, &Loadout::SW2RangeMax, &Loadout::SW2ReportText},
    {BarSW3, &Loadout::SW3RangeMin, &Loadout::SW3RangeMax, &Loadout::SW3ReportText},
};

// The window's font: Liberation Sans, or the desktop's sans serif without it.
QFont pictureFont(int pixels, bool bold = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void drawText(QPainter& p, const QRect& rect, int flags, const QString& text, const QFont& font,
              QRgb colour) {
    p.setFont(font);
    p.setPen(QColor::fromRgb(colour));
    p.drawText(rect, flags | Qt::TextSingleLine,
               QFontMetrics(font).elidedText(text, Qt::ElideRight, rect.width()));
}

// Text from the record is the user's choice of items, so it can only be the
// catalogues' names; it is still drawn on one line and cut short to its place.
void drawTitle(QPainter& p, const Loadout& loadout) {
    drawText(p, TitleRect, Qt::AlignLeft | Qt::AlignVCenter, loadout.VTReportText,
             pictureFont(20, true), Ink);
    const std::int32_t status = shownLoadStatus(loadout);
    const QColor colour = loadStatusColour(status);
    // The status keeps its colour; a light one (yellow) sits on dark grey.
    const bool light = qGray(colour.rgb()) > 160;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgb(light ? qRgb(64, 64, 64) : qRgb(236, 236, 236)));
    p.drawRoundedRect(PictureStatusRect, 4, 4);
    drawText(p, PictureStatusRect, Qt::AlignCenter, loadStatusText(status), pictureFont(16, true),
             colour.rgb());
    p.fillRect(QRect(PictureMargin, TitleRule, Width - 2 * PictureMargin, 1),
               QColor::fromRgb(Rule));
}

void drawVtPicture(QPainter& p, const QImage& vtPicture) {
    if (vtPicture.isNull())
        return;
    const QImage scaled =
        vtPicture.scaled(PictureVtRect.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QRect place(QPoint(), scaled.size());
    place.moveCenter(PictureVtRect.center());
    p.drawImage(place, scaled);
}

void drawItems(QPainter& p, const Loadout& loadout) {
    const QFont caption = pictureFont(12, true);
    const QFont text = pictureFont(12);
    const int textLeft = ItemsLeft + ItemCaptionWidth;
    int y = PictureVtRect.top();
    for (const PictureItem& item : PictureItems) {
        const QString label = QString::fromLatin1(ReportItemLabels[item.label]) + QLatin1Char(':');
        drawText(p, QRect(ItemsLeft, y, ItemCaptionWidth, ItemLine),
                 Qt::AlignLeft | Qt::AlignVCenter, label, caption, CaptionInk);
        drawText(p, QRect(textLeft, y, Width - PictureMargin - textLeft, ItemLine),
                 Qt::AlignLeft | Qt::AlignVCenter, loadout.*item.text, text, Ink);
        y += ItemLine;
    }
}

bool shownBold(const LoadoutDisplay& display, ValueLabel value) {
    for (int i = 0; i < BoldLabelCount; ++i)
        if (BoldValues[i] == value)
            return display.bold[i].bold;
    return false;
}

void drawFigures(QPainter& p, const LoadoutDisplay& display, int left,
                 std::span<const Figure> figures) {
    const QFont caption = pictureFont(11);
    const QFont rankFont = pictureFont(11, true);
    const int rankLeft = left + ColumnWidth - RankLabelWidth;
    const int valueLeft = rankLeft - 4 - ValueWidth;
    int y = FiguresTop;
    for (const Figure& figure : figures) {
        drawText(p, QRect(left, y, valueLeft - left, FigureLine), Qt::AlignLeft | Qt::AlignVCenter,
                 toQString(ValueCaptions[figure.value]), caption, CaptionInk);
        drawText(p, QRect(valueLeft, y, ValueWidth, FigureLine), Qt::AlignRight | Qt::AlignVCenter,
                 display.values[figure.value].text,
                 pictureFont(11, shownBold(display, figure.value)), Ink);
        if (figure.rank) {
            const RankLabel& rank = display.ranks[*figure.rank];
            const QRect box(rankLeft, y + 1, RankLabelWidth, FigureLine - 2);
            QRgb ink = Ink;
            if (rank.band) {
                p.fillRect(box, rankBackground(*rank.band));
                ink = rankFontColour(*rank.band).rgb();
            }
            drawText(p, box, Qt::AlignCenter, rank.text.trimmed(), rankFont, ink);
        }
        y += FigureLine;
    }
}

void drawRanges(QPainter& p, const Loadout& loadout) {
    const QPoint origin = PictureChartOrigin;
    const QFont font = pictureFont(11);
    drawText(p, QRect(PictureMargin, origin.y(), 200, 16), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Weapon ranges"), pictureFont(12, true), Ink);

    // The scale first, so that the bars lie over its lines.
    const int lastMetres = (ChartWidth - 1 - ChartOriginX) * ChartMetresPerPixel;
    const int top = origin.y() + RangeBars[BarMW1].row - 4;
    const int base = origin.y() + ScaleRow;
    for (int metres = 0; metres <= lastMetres; metres += ScaleStep) {
        const int x = origin.x() + chartX(metres);
        p.fillRect(QRect(x, top, 1, base - top), QColor::fromRgb(Grid));
        p.fillRect(QRect(x, base, 1, 4), QColor::fromRgb(CaptionInk));
        const QString label = metres == 0 ? QStringLiteral("0 m") : QString::number(metres);
        drawText(p, QRect(x - 30, base + 4, 60, 14), Qt::AlignHCenter | Qt::AlignTop, label, font,
                 CaptionInk);
    }
    p.fillRect(QRect(origin.x() + chartX(0), base, chartX(lastMetres) - chartX(0) + 1, 1),
               QColor::fromRgb(CaptionInk));

    // Only the chart's width holds bars, as in the window.
    const QRect chart(origin, QSize(ChartWidth, ChartHeight));
    for (const SlotBar& slot : SlotBars) {
        const int min = loadout.*slot.min;
        const int max = loadout.*slot.max;
        if (max <= min)
            continue;
        const QRect bar = pictureRangeBar(slot.bar, min, max);
        p.fillRect(bar & chart, QColor::fromRgb(RangeBars[slot.bar].colour));
        const QRect name(PictureMargin, bar.center().y() - 8,
                         origin.x() + chartX(min) - 6 - PictureMargin, 16);
        drawText(p, name, Qt::AlignRight | Qt::AlignVCenter, loadout.*slot.name, font, Ink);
    }
}

} // namespace

QRect pictureRangeBar(int bar, int minMetres, int maxMetres) {
    return rangeBar(minMetres, maxMetres, RangeBars[bar].row).rect().translated(PictureChartOrigin);
}

QImage loadoutPicture(const Loadout& loadout, const QImage& vtPicture) {
    QImage image(LoadoutPictureSize, QImage::Format_RGB32);
    image.fill(Background);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::Antialiasing);
    drawTitle(p, loadout);
    drawVtPicture(p, vtPicture);
    drawItems(p, loadout);
    const LoadoutDisplay display = displayOf(loadout);
    drawFigures(p, display, PictureMargin, LeftFigures);
    drawFigures(p, display, PictureMargin + ColumnWidth + ColumnGap, RightFigures);
    p.setRenderHint(QPainter::Antialiasing, false);
    drawRanges(p, loadout);
    return image;
}

QString pictureFileName(const QString& chosen) {
    const QString name = QFileInfo(chosen).fileName();
    // A name that ends in a dot ("loadout.") opens an extension the user left
    // empty; a dot that only starts it (".png") makes it hidden.
    if (name.endsWith(QLatin1Char('.')))
        return chosen + QStringLiteral("png");
    if (name.size() > 4 && name.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
        return chosen;
    return chosen + QStringLiteral(".png");
}

} // namespace vantor

#include "reports/Reports.h"

#include "reports/WebAddresses.h"

#include "equipment/OptionalParts.h"
#include "model/Recompute.h"
#include "model/Text.h"

#include <array>

namespace vantor {

namespace {

// Every value cell opens alike; all but the VT's close their row as well.
const QString ValueOpen =
    QStringLiteral("\t\t<td width=\"250\" height=\"25\" align=\"center\" valign=\"middle\">");
const QString ValueClose = QStringLiteral("</td>\n\t</tr>");

QString valueRow(const QString& text) {
    return ValueOpen + text + ValueClose;
}

// The fields of one row of the page, so the slot writers can share one body.
struct RowFields {
    QString Loadout::*htmlRow;
    QString Loadout::*reportText;
};

constexpr std::array<RowFields, 3> MainWeaponRows = {{
    {&Loadout::MW1HtmlRow, &Loadout::MW1ReportText},
    {&Loadout::MW2HtmlRow, &Loadout::MW2ReportText},
    {&Loadout::MW3HtmlRow, &Loadout::MW3ReportText},
}};

constexpr std::array<RowFields, 3> SubWeaponRows = {{
    {&Loadout::SW1HtmlRow, &Loadout::SW1ReportText},
    {&Loadout::SW2HtmlRow, &Loadout::SW2ReportText},
    {&Loadout::SW3HtmlRow, &Loadout::SW3ReportText},
}};

constexpr std::array<RowFields, 2> PartRows = {{
    {&Loadout::Part1HtmlRow, &Loadout::Part1ReportText},
    {&Loadout::Part2HtmlRow, &Loadout::Part2ReportText},
}};

void setRow(Loadout& loadout, const RowFields& fields, const QString& text) {
    loadout.*fields.htmlRow = valueRow(text);
    loadout.*fields.reportText = text;
}

// The ten rows in page order: label row, value row.
struct PageRow {
    QString Loadout::*labelRow;
    QString Loadout::*htmlRow;
};

constexpr std::array<PageRow, ReportItemCount> PageRows = {{
    {&Loadout::VTHtmlLabelRow, &Loadout::VTHtmlRow},
    {&Loadout::FuelHtmlLabelRow, &Loadout::FuelHtmlRow},
    {&Loadout::Part1HtmlLabelRow, &Loadout::Part1HtmlRow},
    {&Loadout::Part2HtmlLabelRow, &Loadout::Part2HtmlRow},
    {&Loadout::MW1HtmlLabelRow, &Loadout::MW1HtmlRow},
    {&Loadout::MW2HtmlLabelRow, &Loadout::MW2HtmlRow},
    {&Loadout::MW3HtmlLabelRow, &Loadout::MW3HtmlRow},
    {&Loadout::SW1HtmlLabelRow, &Loadout::SW1HtmlRow},
    {&Loadout::SW2HtmlLabelRow, &Loadout::SW2HtmlRow},
    {&Loadout::SW3HtmlLabelRow, &Loadout::SW3HtmlRow},
}};

// Forum item lines 2 to 10: colour, report text.
struct ForumItem {
    const char* colour;
    QString Loadout::*reportText;
    QString Loadout::*forumLine;
};

constexpr std::array<ForumItem, ReportItemCount - 1> ForumItems = {{
    {"[color=darkred]", &Loadout::FuelReportText, &Loadout::FuelForumLine},
    {"[color=brown]", &Loadout::Part1ReportText, &Loadout::Part1ForumLine},
    {"[color=brown]", &Loadout::Part2ReportText, &Loadout::Part2ForumLine},
    {"[color=darkblue]", &Loadout::MW1ReportText, &Loadout::MW1ForumLine},
    {"[color=darkblue]", &Loadout::MW2ReportText, &Loadout::MW2ForumLine},
    {"[color=darkblue]", &Loadout::MW3ReportText, &Loadout::MW3ForumLine},
    {"[color=indigo]", &Loadout::SW1ReportText, &Loadout::SW1ForumLine},
    {"[color=indigo]", &Loadout::SW2ReportText, &Loadout::SW2ForumLine},
    {"[color=indigo]", &Loadout::SW3ReportText, &Loadout::SW3ForumLine},
}};

// The status row of the page, "</table>" to its end, for `status`.
QString htmlStatusRow(std::int32_t status);

} // namespace

QString pictureSourceAddress(const PictureSource& source) {
    const QString file = QString::number(source.vtIndex) + QStringLiteral(".jpg");
    if (source.internet)
        return makerAddress() + QStringLiteral("/Vantor/Images/") + file;
    return QStringLiteral("Images/") + file;
}

void ResetReport(Loadout& loadout, const PictureSource& source) {
    loadout.HtmlHead = QStringLiteral(
        "<html>\n<head>\n<title>Vantor - VT Configuration</title>\n</head>\n\n<body>\n\n"
        "<table width=\"648\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\">\n\n\t<tr>");
    loadout.HtmlTail = QStringLiteral("</table>\n</body>\n</html>");
    loadout.HtmlLabelOpen = QStringLiteral(
        "\t\t<td width=\"150\" height=\"25\" align=\"center\" valign=\"middle\"><strong>");
    loadout.HtmlLabelClose = QStringLiteral("</strong></td>");

    for (std::size_t i = 0; i < PageRows.size(); ++i)
        loadout.*PageRows[i].labelRow =
            loadout.HtmlLabelOpen + QLatin1String(ReportItemLabels[i]) + loadout.HtmlLabelClose;

    SetVTReport(loadout, QStringLiteral("Unselected"), source);
    SetFuelReport(loadout, QStringLiteral("Unselected"));
    // The parts go back to a bare "Unarmed" whatever their level selectors show.
    for (const RowFields& part : PartRows)
        setRow(loadout, part, QStringLiteral("Unarmed"));
    for (int slot = 1; slot <= 3; ++slot)
        SetMainWeaponReport(loadout, slot, QStringLiteral("Unarmed"));
    for (int slot = 1; slot <= 3; ++slot)
        SetSubWeaponReport(loadout, slot, QStringLiteral("Unarmed"));
    // A reset report has no verdict yet, whatever the loadout held before: the
    // page writes the status when it is generated.
    loadout.HtmlStatusRow = htmlStatusRow(StatusNone);
}

void SetVTReport(Loadout& loadout, const QString& name, const PictureSource& source) {
    loadout.VTReportText = name;
    // The picture cell spans all ten rows, so it sits in the first one.
    loadout.VTHtmlRow = ValueOpen + name +
                        QStringLiteral("</td>\n\t\t<td width=\"248\" rowspan=\"10\" "
                                       "valign=\"bottom\"><img src=\"") +
                        pictureSourceAddress(source) +
                        QStringLiteral("\" width=\"248\" height=\"242\"></td>\n\t</tr>");
}

void SetFuelReport(Loadout& loadout, const QString& text) {
    setRow(loadout, {&Loadout::FuelHtmlRow, &Loadout::FuelReportText}, text);
}

void SetPartReport(Loadout& loadout, int slot, const QString& name, bool levelSelectorEnabled) {
    if (slot < 1 || slot > int(PartRows.size()))
        return;
    const QString& level = slot == 1 ? loadout.Part1LevelText : loadout.Part2LevelText;
    setRow(loadout, PartRows[slot - 1], levelSelectorEnabled ? itemWithLevel(name, level) : name);
}

void SetMainWeaponReport(Loadout& loadout, int slot, const QString& name) {
    if (slot >= 1 && slot <= int(MainWeaponRows.size()))
        setRow(loadout, MainWeaponRows[slot - 1], name);
}

void SetSubWeaponReport(Loadout& loadout, int slot, const QString& name) {
    if (slot >= 1 && slot <= int(SubWeaponRows.size()))
        setRow(loadout, SubWeaponRows[slot - 1], name);
}

QString htmlStatusText(int loadStatus) {
    switch (loadStatus) {
    case StatusMountOver:
        return QStringLiteral("MOUNT Over");
    case StatusMaxOver:
        return QStringLiteral("MAX Over");
    case StatusStdOver:
        return QStringLiteral("STD Over");
    case StatusVtOk:
        return QStringLiteral("VT OK");
    default:
        return {};
    }
}

namespace {

QString htmlStatusRow(std::int32_t status) {
    return QStringLiteral(
               "</table>\n\n<table width=\"648\" border=\"1\">\n\t<tr>\n\t<td "
               "width=\"648\" height=\"25\" align=\"center\" valign=\"middle\"><strong>") +
           htmlStatusText(status) + QStringLiteral("</strong></td>\n\t</tr>");
}

} // namespace

void BuildHtmlStatusRow(Loadout& loadout) {
    loadout.HtmlStatusRow = htmlStatusRow(shownLoadStatus(loadout));
}

QStringList htmlPageLines(Loadout& loadout) {
    BuildHtmlStatusRow(loadout);
    QStringList pieces{loadout.HtmlHead};
    for (const PageRow& row : PageRows) {
        pieces << loadout.*row.labelRow;
        pieces << loadout.*row.htmlRow;
    }
    pieces << loadout.HtmlStatusRow << loadout.HtmlTail;
    // Each piece is a paragraph of the box, and its own line feeds break it further.
    return pieces.join(QLatin1Char('\n')).split(QLatin1Char('\n'));
}

QString forumStatusText(int loadStatus) {
    // The forum shows the status as the window's status label does.
    const QString text = loadStatusText(loadStatus);
    return text.isEmpty() ? NotAvailable : text;
}

QString forumStatusColour(int loadStatus) {
    switch (loadStatus) {
    case StatusMountOver:
    case StatusMaxOver:
        return QStringLiteral("[color=red]");
    case StatusStdOver:
        return QStringLiteral("[color=yellow]");
    default:
        return QStringLiteral("[color=black]");
    }
}

void BuildForumLines(Loadout& loadout) {
    loadout.VTForumLine =
        QStringLiteral("[size=18][B]VT:[/B] ") + loadout.VTReportText + QStringLiteral("[/size]");
    // Only the label is coloured and bold; two spaces set the value apart.
    for (std::size_t i = 0; i < ForumItems.size(); ++i) {
        const ForumItem& item = ForumItems[i];
        loadout.*item.forumLine = QLatin1String(item.colour) + QStringLiteral("[B]") +
                                  QLatin1String(ReportItemLabels[i + 1]) +
                                  QStringLiteral(":[/B][/color]  ") + loadout.*item.reportText;
    }
    const std::int32_t status = shownLoadStatus(loadout);
    loadout.StatusForumLine = forumStatusColour(status) + QStringLiteral("[B]") +
                              forumStatusText(status) + QStringLiteral("[/B][/color]");
}

QStringList forumLines(const Loadout& loadout) {
    QStringList lines{loadout.VTForumLine};
    for (const ForumItem& item : ForumItems)
        lines << loadout.*item.forumLine;
    lines << loadout.StatusForumLine;
    return lines;
}

QString joinCrLf(const QStringList& lines) {
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace vantor

#include "app/tools/CompareWindow.h"

#include "app/desktop/HandlerGuard.h"
#include "app/desktop/PlainTableView.h"
#include "app/desktop/TableText.h"
#include "app/desktop/ToolWindowPlacement.h"
#include "app/tools/CompareRangeChart.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

using vantor::ComparisonRow;
using vantor::LoadoutRanges;

namespace {

LoadoutRanges rangesOf(const RangeChartPage::State& chart) {
    LoadoutRanges ranges;
    for (int slot = 0; slot < vantor::WeaponSlots; ++slot)
        ranges.weapons[slot] = {chart.captions[slot], chart.ranges[slot].min,
                                chart.ranges[slot].max};
    ranges.vt = chart.vt;
    ranges.advancedArmour = chart.armour;
    return ranges;
}

// The widest text the changes column can show for `rows` once the loadouts
// differ: a figure's change has no more digits than the figure itself, and
// "better" is the longer verdict.
int widestChange(const std::vector<ComparisonRow>& rows, const QFontMetrics& metrics) {
    const auto isFigure = [](const QString& text) {
        return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
            return c.isDigit() || c == u'.' || c == u',';
        });
    };
    int widest = 0;
    for (const ComparisonRow& row : rows)
        for (const QString& value : {row.pinned, row.current})
            if (isFigure(value)) {
                ComparisonRow changed;
                changed.change = QStringLiteral("+") + value;
                changed.verdict = vantor::ChangeVerdict::Better;
                widest = std::max(widest, metrics.horizontalAdvance(vantor::shownChange(changed)));
            }
    return widest;
}

// How much wider than now the columns of `table`, showing `rows`, get once
// the loadouts differ: what differs is bold on both sides, and the changes
// show up.
int growthOnceDiffering(const QTableView* table, const std::vector<ComparisonRow>& rows, int grid) {
    QFont boldFont = table->font();
    boldFont.setBold(true);
    const QFontMetrics plain = table->fontMetrics();
    const QFontMetrics bold(boldFont);
    const QModelIndex first = table->model()->index(0, ComparisonModel::FigureColumn);
    const int padding = table->sizeHintForIndex(first).width() -
                        plain.horizontalAdvance(first.data().toString()) + grid;
    int growth = 0;
    for (const auto column : {ComparisonModel::PinnedColumn, ComparisonModel::CurrentColumn}) {
        int widest = 0;
        for (const ComparisonRow& row : rows)
            widest = std::max(widest, bold.horizontalAdvance(column == ComparisonModel::PinnedColumn
                                                                 ? row.pinned
                                                                 : row.current));
        growth += std::max(0, widest + padding - table->columnWidth(column));
    }
    return growth + std::max(0, widestChange(rows, plain) + padding -
                                    table->columnWidth(ComparisonModel::ChangeColumn));
}

} // namespace

CompareWindow::CompareWindow(QWidget* mainWindow, ToolWindowHost& host)
    : ToolWindow(mainWindow, host, QStringLiteral("CompareWindow"),
                 QStringLiteral("Vantor - Comparison"), LeastSize) {
    HandlerGuard& guard = host.handlerGuard();

    model = new ComparisonModel(this);
    table = new PlainTableView(this);
    table->setObjectName(QStringLiteral("CompareTable"));
    table->setAccessibleName(QStringLiteral("Pinned and current loadout compared"));
    table->setModel(model);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    // The columns fit their texts, measured again only where rows changed.
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setWordWrap(false);
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    // Tab leaves the table for the buttons instead of walking its cells.
    table->setTabKeyNavigation(false);

    rangeChart = new CompareRangeChart(this);

    swapButton = new QPushButton(QStringLiteral("Swap"), this);
    swapButton->setObjectName(QStringLiteral("CompareSwapButton"));
    swapButton->setAccessibleName(QStringLiteral("Swap pinned and current loadout"));
    copyButton = new QPushButton(QStringLiteral("Copy"), this);
    copyButton->setObjectName(QStringLiteral("CompareCopyButton"));
    copyButton->setAccessibleName(QStringLiteral("Copy the comparison"));
    guard.connect(swapButton, &QPushButton::clicked, this, [this] { this->host.swapWithPinned(); });
    guard.connect(copyButton, &QPushButton::clicked, this, [this] { copyTable(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(swapButton);
    buttons->addWidget(copyButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addWidget(rangeChart);
    layout->addLayout(buttons);
    setTabOrder(table, rangeChart);
    setTabOrder(rangeChart, swapButton);
    setTabOrder(swapButton, copyButton);
    table->setFocus();
}

void CompareWindow::follow() {
    showRows(host.comparisonRows());
    showRanges(host.pinnedChart(), host.currentChart());
}

void CompareWindow::showRows(const std::vector<ComparisonRow>& rows) {
    rowsToShow = rows;
    // A closed window is brought up to date when it opens.
    if (isVisible())
        renderRows();
}

void CompareWindow::showRanges(const std::optional<RangeChartPage::State>& pinned,
                               const RangeChartPage::State& current) {
    rangeChart->setLoadouts(pinned ? std::optional(rangesOf(*pinned)) : std::nullopt,
                            rangesOf(current));
}

void CompareWindow::renderRows() {
    model->setRows(rowsToShow);
    // The first rows shown size the window, whichever came first: the rows
    // or the window.
    if (!sized && !rowsToShow.empty() && isVisible()) {
        sized = true;
        fitContents();
        placeAgain();
    }
}

// Every column and row in sight without scrolling, as far as the screen
// allows. Each column is as wide as its widest text in any row: the view's
// own measure reads only the rows in sight, and before the window is shown
// hardly any are.
void CompareWindow::fitContents() {
    ensurePolished();
    table->ensurePolished();
    const QAbstractItemModel* model = table->model();
    const int grid = table->showGrid() ? 1 : 0;
    const int frame = 2 * table->frameWidth();
    int width = frame;
    for (int column = 0; column < model->columnCount(); ++column) {
        int wanted = table->horizontalHeader()->sectionSizeHint(column);
        for (int row = 0; row < model->rowCount(); ++row)
            wanted =
                std::max(wanted, table->sizeHintForIndex(model->index(row, column)).width() + grid);
        table->setColumnWidth(column, wanted);
        width += wanted;
    }
    int height = frame + table->horizontalHeader()->sizeHint().height();
    for (int row = 0; row < model->rowCount(); ++row)
        height += table->rowHeight(row);
    // The layout adds the buttons, margins and spacing to the table's size.
    table->setMinimumSize(width, height);
    layout()->activate();
    QSize wanted = sizeHint();
    // However short the window, every column stays in sight beside the
    // scroll bar the rows then need, also once the loadouts differ: other
    // windows give way first.
    const QMargins margins = layout()->contentsMargins();
    const int leastWidth = width + growthOnceDiffering(table, rowsToShow, grid) +
                           table->verticalScrollBar()->sizeHint().width() + margins.left() +
                           margins.right();
    holdLeastSize({leastWidth, LeastSize.height()});
    // Smaller than that, on a small screen, the table scrolls; the layout
    // takes the window's own minimum from it again.
    table->setMinimumSize(LeastSize / 2);
    layout()->activate();
    if (const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen())
        wanted = wanted.boundedTo(screen->availableGeometry().size() - frameAround(this));
    resize(wanted.expandedTo(minimumSizeHint()));
}

void CompareWindow::prepareFirstShow() {
    renderRows();
    if (!rowsToShow.empty()) {
        sized = true;
        fitContents();
    }
}

void CompareWindow::presented() {
    renderRows();
}

void CompareWindow::copyTable() {
    copyTableText(this, *model);
}

#pragma once

// The comparison of the pinned loadout with the current one: a small tool
// window of its own beside the main window, opened only on request. It shows
// the rows it is given and asks for a swap; what is pinned and what the swap
// does is the main window's business. Closing it only hides it.

#include "app/areas/RangeChartPage.h"
#include "app/tools/ComparisonModel.h"
#include "app/tools/ToolWindow.h"

#include <optional>
#include <vector>

class CompareRangeChart;
class HandlerGuard;
class QPushButton;
class QTableView;

class CompareWindow : public ToolWindow {
    Q_OBJECT

public:
    CompareWindow(QWidget* mainWindow, ToolWindowHost& host);

    // The rows and the range charts, while the window exists, open or not.
    void follow() override;
    // Shows the rows at once, whether the window is open or not.
    void showRows(const std::vector<vantor::ComparisonRow>& rows);
    // The range charts of the pinned and the current loadout, drawn on one
    // axis under the table; likewise at once.
    void showRanges(const std::optional<RangeChartPage::State>& pinned,
                    const RangeChartPage::State& current);

protected:
    // The first time, sized to the rows it holds (so give it rows first).
    void prepareFirstShow() override;
    void presented() override;

private:
    // Shorter than this, on a small screen, the table scrolls; once it has
    // rows, its columns set how narrow the window may be.
    static constexpr QSize LeastSize{240, 180};

    void renderRows();
    void fitContents();
    void copyTable();

    ComparisonModel* model = nullptr;
    QTableView* table = nullptr;
    CompareRangeChart* rangeChart = nullptr;
    QPushButton* swapButton = nullptr;
    QPushButton* copyButton = nullptr;

    std::vector<vantor::ComparisonRow> rowsToShow;
    bool sized = false; // to the rows shown first
};

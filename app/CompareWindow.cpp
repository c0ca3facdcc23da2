#include "app/CompareWindow.h"

#include "app/HandlerGuard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

using vantor::ComparisonRow;

CompareWindow::CompareWindow(QWidget* mainWindow, HandlerGuard& guard)
    : QWidget(mainWindow, Qt::Tool) {
    setObjectName(QStringLiteral("CompareWindow"));
    setWindowTitle(QStringLiteral("Vantor - Comparison"));

    model = new ComparisonModel(this);
    table = new QTableView(this);
    table->setObjectName(QStringLiteral("CompareTable"));
    table->setAccessibleName(QStringLiteral("Pinned and current loadout compared"));
    table->setModel(model);
    table->verticalHeader()->hide();
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

    swapButton = new QPushButton(QStringLiteral("Swap"), this);
    swapButton->setObjectName(QStringLiteral("CompareSwapButton"));
    swapButton->setAccessibleName(QStringLiteral("Swap pinned and current loadout"));
    copyButton = new QPushButton(QStringLiteral("Copy"), this);
    copyButton->setObjectName(QStringLiteral("CompareCopyButton"));
    copyButton->setAccessibleName(QStringLiteral("Copy the comparison"));
    guard.connect(swapButton, &QPushButton::clicked, this, [this] { emit swapRequested(); });
    guard.connect(copyButton, &QPushButton::clicked, this, [this] { copyTable(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(swapButton);
    buttons->addWidget(copyButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addLayout(buttons);
    setTabOrder(table, swapButton);
    setTabOrder(swapButton, copyButton);
    table->setFocus();
}

void CompareWindow::showRows(const std::vector<ComparisonRow>& rows) {
    // A closed window is brought up to date when it opens.
    if (isVisible())
        model->setRows(rows);
    else
        rowsToShow = rows;
}

void CompareWindow::present() {
    if (!isVisible())
        model->setRows(rowsToShow);
    if (!placed) {
        placeBesideMainWindow();
        placed = true;
    }
    show();
    raise();
    activateWindow();
}

// The whole table in sight, to the right of the main window where the
// screen has room, else to its left.
void CompareWindow::placeBesideMainWindow() {
    adjustSize();

    const QWidget* main = parentWidget();
    if (!main)
        return;
    const QRect beside = main->frameGeometry();
    const int gap = 8;
    QPoint at(beside.right() + 1 + gap, beside.top());
    if (const QScreen* screen = main->screen()) {
        const QRect room = screen->availableGeometry();
        if (QRect(at, size()).right() > room.right())
            at.setX(std::max(room.left(), beside.left() - gap - width()));
        at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() - height())));
    }
    move(at);
}

void CompareWindow::copyTable() {
    QGuiApplication::clipboard()->setText(vantor::comparisonText(model->rows()));
}

void CompareWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

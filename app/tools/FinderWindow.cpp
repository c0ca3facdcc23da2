#include "app/tools/FinderWindow.h"

#include "app/desktop/HandlerGuard.h"
#include "app/desktop/PlainTableView.h"
#include "app/desktop/TableText.h"
#include "app/tools/CatalogueProxy.h"
#include "app/tools/FinderLimitsPanel.h"
#include "app/tools/FinderRunner.h"
#include "app/tools/SortedTable.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

FinderWindow::FinderWindow(QWidget* mainWindow, HandlerGuard& guard)
    : ToolWindow(mainWindow, QStringLiteral("FinderWindow"),
                 QStringLiteral("Vantor - Loadout Finder"), LeastSize),
      guard(guard) {
    setAccessibleName(windowTitle());
    search = new FinderRunner(this);
    model = new FinderModel(this);
    proxy = new CatalogueProxy(this);
    proxy->setSourceModel(model);

    table = new PlainTableView(this);
    table->setObjectName(QStringLiteral("FinderTable"));
    table->setAccessibleName(QStringLiteral("Loadouts found"));
    setUpSortedTable(table, proxy); // best first until a column is chosen
    table->setToolTip(QStringLiteral("Enter or a double-click puts the loadout into the main "
                                     "window; Ctrl+D pins it for the comparison; Ctrl+C copies "
                                     "the table."));
    table->installEventFilter(this);
    table->viewport()->installEventFilter(this);

    nothingFits = new QLabel(this);
    nothingFits->setObjectName(QStringLiteral("FinderNothingFitsLabel"));
    nothingFits->setTextFormat(Qt::PlainText);
    nothingFits->setWordWrap(true);
    nothingFits->hide();

    copyButton = new QPushButton(QStringLiteral("Copy"), this);
    copyButton->setObjectName(QStringLiteral("FinderCopyButton"));
    copyButton->setAccessibleName(QStringLiteral("Copy the loadouts found"));
    copyButton->setToolTip(QStringLiteral("Copies the rows as shown, with the column captions, "
                                          "as tab-separated text."));
    guard.connect(copyButton, &QPushButton::clicked, this, [this] { copyTable(); });

    // On a narrow screen the limits scroll sideways rather than widen the window.
    limits = new FinderLimitsPanel(this, guard);
    auto* limitsArea = new QScrollArea(this);
    limitsArea->setObjectName(QStringLiteral("FinderLimits"));
    limitsArea->setAccessibleName(QStringLiteral("Limits"));
    limitsArea->setFrameShape(QFrame::NoFrame);
    limitsArea->setWidgetResizable(true);
    limitsArea->setWidget(limits);
    limitsArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    limitsArea->setFixedHeight(limits->sizeHint().height() +
                               limitsArea->horizontalScrollBar()->sizeHint().height());
    auto* results = new QVBoxLayout;
    results->addWidget(table, 1);
    results->addWidget(nothingFits);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copyButton);
    results->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(limitsArea);
    layout->addLayout(results, 1);

    // Tab goes through the limits as they read, then the table and Copy.
    QList<QWidget*> order = limits->tabOrder();
    order << table << copyButton;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(limits, &FinderLimitsPanel::changed, this, [this] { searchAgain(); });
    connect(search, &FinderRunner::answered, this,
            [this](const vantor::FinderRequest& request, const vantor::FinderAnswer& answer) {
                showAnswer(request, answer);
            });
    resize(1240, 480);
}

FinderWindow::~FinderWindow() = default;

void FinderWindow::showLoadout(const vantor::LoadoutPicks& p, const vantor::Loadout& l,
                               const std::array<int, 6>& items) {
    picks = p;
    loadout = l;
    limits->offerWeapons(l, items);
    searchAgain();
}

vantor::FinderRequest FinderWindow::request() const {
    vantor::FinderRequest r;
    r.current = picks;
    r.currentLoadout = loadout;
    r.rank = limits->rank();
    r.scope = limits->scope();
    r.limits = limits->limits();
    return r;
}

void FinderWindow::searchAgain() {
    // Without a VT in the main window there is nothing to ask.
    if (picks.vt < 0) {
        asked.reset();
        model->setAnswer({}, limits->rank());
        nothingFits->hide();
        return;
    }
    vantor::FinderRequest now = request();
    if (asked && *asked == now)
        return;
    asked = now;
    search->search(now);
}

void FinderWindow::showAnswer(const vantor::FinderRequest& request,
                              const vantor::FinderAnswer& answer) {
    if (!asked || request != *asked)
        return;
    model->setAnswer(answer.loadouts, request.rank);
    nothingFits->setText(answer.nothingFits);
    nothingFits->setVisible(!answer.nothingFits.isEmpty());
    table->resizeColumnsToContents();
    if (proxy->rowCount() > 0)
        table->setCurrentIndex(proxy->index(0, 0));
    emit answerShown();
}

const vantor::FoundLoadout* FinderWindow::foundAt(const QModelIndex& index) const {
    const QModelIndex source = proxy->mapToSource(index);
    return source.isValid() ? &model->loadout(source.row()) : nullptr;
}

void FinderWindow::pickRow(const QModelIndex& index) {
    const vantor::FoundLoadout* found = foundAt(index);
    if (!found)
        return;
    // The pick searches again and replaces the rows: the picks are copied first.
    const vantor::LoadoutPicks chosen = found->picks;
    emit loadoutPicked(chosen);
}

void FinderWindow::pinRow(const QModelIndex& index) {
    const vantor::FoundLoadout* found = foundAt(index);
    if (!found)
        return;
    const vantor::LoadoutPicks chosen = found->picks;
    emit loadoutPinned(chosen);
}

void FinderWindow::copyTable() {
    QGuiApplication::clipboard()->setText(tableText(*proxy));
}

bool FinderWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QModelIndex index = table->indexAt(mouse->position().toPoint());
        if (mouse->button() == Qt::LeftButton && index.isValid()) {
            guard.run([this, index] { pickRow(index); });
            return true;
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeyCombination pressed = key->keyCombination();
    if (watched != table)
        return QWidget::eventFilter(watched, event);
    const bool enter = pressed == QKeyCombination(Qt::Key_Return) ||
                       pressed == QKeyCombination(Qt::Key_Enter) ||
                       pressed == QKeyCombination(Qt::KeypadModifier, Qt::Key_Enter);
    const bool pin = pressed == QKeyCombination(Qt::ControlModifier, Qt::Key_D);
    const bool copy = pressed == QKeyCombination(Qt::ControlModifier, Qt::Key_C);
    const bool sort = pressed == QKeyCombination(Qt::ControlModifier, Qt::Key_S);
    if (!enter && !pin && !copy && !sort)
        return QWidget::eventFilter(watched, event);
    // In the table these keys act on its rows, not as the window's shortcuts
    // (Ctrl+D would pin the main window's loadout).
    event->accept();
    if (event->type() == QEvent::ShortcutOverride)
        return true;
    const QModelIndex current = table->currentIndex();
    guard.run([this, enter, pin, copy, current] {
        if (enter)
            pickRow(current);
        else if (pin)
            pinRow(current);
        else if (copy)
            copyTable();
        else
            sortByCurrentColumn(table);
    });
    return true;
}

// Every caption and figure in sight from the start; the user may widen a
// column afterwards.
void FinderWindow::prepareFirstShow() {
    table->resizeColumnsToContents();
}

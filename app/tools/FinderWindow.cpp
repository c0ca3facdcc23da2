#include "app/tools/FinderWindow.h"

#include "app/desktop/Accessibility.h"
#include "app/desktop/HandlerGuard.h"
#include "app/desktop/PlainTableView.h"
#include "app/desktop/TableText.h"
#include "app/tools/FinderLimitsPanel.h"
#include "app/tools/FinderRunner.h"
#include "app/tools/SortedTable.h"
#include "app/tools/SortedTableProxy.h"
#include "model/VtCatalogue.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <utility>

namespace {

// A wrapped text that asks for no height of its own: it takes what the
// layout gives it.
class ReasonLabel final : public QLabel {
public:
    using QLabel::QLabel;
    bool hasHeightForWidth() const override { return false; }
};

} // namespace

FinderWindow::FinderWindow(QWidget* mainWindow, ToolWindowHost& host)
    : ToolWindow(mainWindow, host, QStringLiteral("FinderWindow"),
                 QStringLiteral("Vantor - Loadout Finder"), LeastSize),
      guard(host.handlerGuard()) {
    setAccessibleName(windowTitle());
    search = new FinderRunner(this);
    model = new FinderModel(this);
    proxy = new SortedTableProxy(this);
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

    // Where nothing fits, the reason takes the empty table's place, in the
    // room the table had: however long, it never makes the window grow.
    nothingFits = new ReasonLabel(this);
    nothingFits->setObjectName(QStringLiteral("FinderNothingFitsLabel"));
    nothingFits->setTextFormat(Qt::PlainText);
    nothingFits->setWordWrap(true);
    nothingFits->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    nothingFits->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
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
    // The area only holds the limits: Tab goes to them, not to it.
    limitsArea->setFocusPolicy(Qt::NoFocus);
    limitsArea->setWidgetResizable(true);
    limitsArea->setWidget(limits);
    limitsArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    limitsArea->setFixedHeight(limits->sizeHint().height() +
                               limitsArea->horizontalScrollBar()->sizeHint().height());
    auto* results = new QVBoxLayout;
    results->addWidget(table, 1);
    results->addWidget(nothingFits, 1);
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

void FinderWindow::follow() {
    showLoadout(host.currentPicks(), host.currentLoadout(), host.weaponItemCounts());
}

void FinderWindow::showLoadout(const vantor::LoadoutPicks& p, const vantor::Loadout& l,
                               const std::array<int, 6>& items) {
    picks = p;
    picks.mmLaunched = l.MMLaunched;
    loadout = l;
    // A row put into the window leaves the loadout before it leading, so that
    // the rows stay in their places; any other change leads with the new one.
    markWindowRow = std::exchange(pickedHere, false);
    if (!markWindowRow)
        leading = picks;
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
    r.leading = leading;
    return r;
}

void FinderWindow::searchAgain() {
    limits->showMmNote(limits->scope() == vantor::FinderScope::EveryVt ||
                       picks.vt == vantor::ProminenceM2);
    // Without a VT in the main window there is nothing to ask.
    if (picks.vt < 0) {
        asked.reset();
        showReason({});
        model->setAnswer({}, limits->rank());
        return;
    }
    vantor::FinderRequest now = request();
    if (asked && *asked == now) {
        markWindowRow = false; // no new answer comes to mark it
        return;
    }
    asked = now;
    search->search(now);
}

void FinderWindow::showAnswer(const vantor::FinderRequest& request,
                              const vantor::FinderAnswer& answer) {
    if (!asked || request != *asked)
        return;
    model->setAnswer(answer.loadouts, request.rank);
    showReason(answer.nothingFits);
    table->resizeColumnsToContents();
    // After a row was put into the window, that row, now the window's own,
    // stays current; else the best.
    QModelIndex current = proxy->index(0, 0);
    for (int row = 0; markWindowRow && row < model->rowCount(); ++row)
        if (model->loadout(row).changes == 0)
            current = proxy->mapFromSource(model->index(row, 0));
    markWindowRow = false;
    if (current.isValid()) {
        table->setCurrentIndex(current);
        table->scrollTo(current);
    }
    emit answerShown();
}

void FinderWindow::showReason(const QString& reason) {
    nothingFits->setText(reason);
    // The one goes before the other comes, lest both at once grow the window.
    QWidget* shown = reason.isEmpty() ? static_cast<QWidget*>(table) : nothingFits;
    QWidget* gone = reason.isEmpty() ? static_cast<QWidget*>(nothingFits) : table;
    gone->hide();
    shown->show();
    // A screen reader hears the reason when it appears or changes, not at
    // every search that gives it again.
    if (!reason.isEmpty() && reason != spokenReason)
        announce(nothingFits, reason);
    spokenReason = reason;
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
    pickedHere = true;
    host.pickLoadout(chosen);
}

void FinderWindow::pinRow(const QModelIndex& index) {
    const vantor::FoundLoadout* found = foundAt(index);
    if (!found)
        return;
    const vantor::LoadoutPicks chosen = found->picks;
    host.pinLoadout(chosen);
}

void FinderWindow::copyTable() {
    copyTableText(this, *proxy);
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

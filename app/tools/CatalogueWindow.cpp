#include "app/tools/CatalogueWindow.h"

#include "app/desktop/Accessibility.h"
#include "app/desktop/HandlerGuard.h"
#include "app/desktop/PlainTableView.h"
#include "app/desktop/TableText.h"
#include "app/tools/SortedTable.h"
#include "factions/Factions.h"
#include "model/Text.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

CatalogueWindow::CatalogueWindow(QWidget* mainWindow, ToolWindowHost& host)
    : ToolWindow(mainWindow, host, QStringLiteral("CatalogueWindow"),
                 QStringLiteral("Vantor - Catalogue"), LeastSize),
      guard(host.handlerGuard()) {
    setAccessibleName(windowTitle());

    vtModel = new VtTableModel(this);
    weaponModel = new WeaponTableModel(this);
    vtProxy = new VtTableProxy(this);
    vtProxy->setSourceModel(vtModel);
    weaponProxy = new SortedTableProxy(this);
    weaponProxy->setSourceModel(weaponModel);

    filter = new QLineEdit(this);
    filter->setObjectName(QStringLiteral("CatalogueFilter"));
    filter->setPlaceholderText(QStringLiteral("Any part of a name"));
    filter->setClearButtonEnabled(true);
    for (QToolButton* clear : filter->findChildren<QToolButton*>())
        clear->setAccessibleName(QStringLiteral("Clear"));
    filter->setAccessibleName(QStringLiteral("Find by name"));
    auto* filterLabel = new QLabel(QStringLiteral("&Find:"), this);
    filterLabel->setBuddy(filter);

    factionFilter = new QComboBox(this);
    factionFilter->setObjectName(QStringLiteral("FactionFilter"));
    factionFilter->addItem(QStringLiteral("All Factions"));
    for (const vantor::FactionRecord& f : vantor::Factions)
        factionFilter->addItem(vantor::toQString(f.name));
    factionFilter->setAccessibleName(QStringLiteral("Faction"));
    auto* factionLabel = new QLabel(QStringLiteral("F&action:"), this);
    factionLabel->setBuddy(factionFilter);

    vtTable = makeTable("VtTable", vtProxy, QStringLiteral("VTs"));
    weaponTable = makeTable("WeaponTable", weaponProxy, QStringLiteral("Weapons"));

    slotSelect = new QComboBox(this);
    slotSelect->setObjectName(QStringLiteral("WeaponSlotSelect"));
    for (int slot = 0; slot < 6; ++slot)
        slotSelect->addItem(WeaponTableModel::slotName(slot));
    slotSelect->setAccessibleName(QStringLiteral("Slot to pick into"));
    auto* slotLabel = new QLabel(QStringLiteral("&Slot:"), this);
    slotLabel->setBuddy(slotSelect);

    auto* weaponPage = new QWidget(this);
    weaponPage->setAccessibleName(QStringLiteral("Weapons"));
    auto* weaponLayout = new QVBoxLayout(weaponPage);
    auto* slotRow = new QHBoxLayout;
    slotRow->addWidget(slotLabel);
    slotRow->addWidget(slotSelect);
    slotRow->addStretch();
    weaponLayout->addLayout(slotRow);
    weaponLayout->addWidget(weaponTable);

    tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("CatalogueTabs"));
    tabs->setAccessibleName(QStringLiteral("Catalogue"));
    if (auto* pages = tabs->findChild<QStackedWidget*>())
        pages->setAccessibleName(QStringLiteral("Catalogue pages"));
    tabs->addTab(vtTable, QStringLiteral("&VTs"));
    tabs->addTab(weaponPage, QStringLiteral("&Weapons"));

    reason = new QLabel(this);
    reason->setObjectName(QStringLiteral("CatalogueReasonLabel"));
    reason->setTextFormat(Qt::PlainText);
    reason->setWordWrap(true);
    announceWithCaption(reason, QStringLiteral("Pick:"));

    copyButton = new QPushButton(QStringLiteral("&Copy"), this);
    copyButton->setObjectName(QStringLiteral("CatalogueCopyButton"));
    copyButton->setToolTip(QStringLiteral("Copies the rows as shown, with the column captions, "
                                          "as tab-separated text."));

    auto* top = new QHBoxLayout;
    top->addWidget(filterLabel);
    top->addWidget(filter, 1);
    top->addWidget(factionLabel);
    top->addWidget(factionFilter);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(reason, 1);
    bottom->addWidget(copyButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(tabs, 1);
    layout->addLayout(bottom);
    // Tab goes as the window reads: the filters, the tabs, the slot above
    // the weapon table, the table shown, Copy, and round to the filters
    // again (focusNextPrevChild). Hidden ones are passed over.
    const QList<QWidget*> order{filter,  factionFilter, tabs->tabBar(), slotSelect,
                                vtTable, weaponTable,   copyButton};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    guard.connect(filter, &QLineEdit::textChanged, this, [this] {
        vtProxy->setNameFilter(filter->text());
        weaponProxy->setNameFilter(filter->text());
    });
    guard.connect(factionFilter, &QComboBox::currentIndexChanged, this, [this] {
        vtProxy->setFaction(factionFilter->currentIndex() > 0 ? factionFilter->currentText()
                                                              : QString());
    });
    guard.connect(slotSelect, &QComboBox::currentIndexChanged, this, [this] { previewSlot(); });
    guard.connect(copyButton, &QPushButton::clicked, this, [this] { copyTable(); });
    for (QTableView* table : {vtTable, weaponTable}) {
        QObject::connect(table->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
                         [this, table] { describeSort(table); });
        table->installEventFilter(this);
        table->viewport()->installEventFilter(this);
    }
    QObject::connect(weaponTable->selectionModel(), &QItemSelectionModel::currentChanged, this,
                     [this](const QModelIndex& current) { showReason(current); });
    QObject::connect(tabs, &QTabWidget::currentChanged, this, [this] { reason->clear(); });
    resize(900, 480);
}

QTableView* CatalogueWindow::makeTable(const char* name, SortedTableProxy* proxy,
                                       const QString& accessibleName) {
    auto* table = new PlainTableView(this);
    table->setObjectName(QString::fromLatin1(name));
    table->setAccessibleName(accessibleName);
    setUpSortedTable(table, proxy); // in catalogue order until a column is chosen
    table->setToolTip(QStringLiteral("Enter or a double-click picks the row into the main "
                                     "window; Ctrl+S sorts by the current column."));
    return table;
}

void CatalogueWindow::follow() {
    showLoadout(host.currentLoadout(), host.pickFacts(),
                {host.weaponItemCounts(), host.fixedWeaponSlots()});
}

void CatalogueWindow::showLoadout(const vantor::Loadout& l, const vantor::SelectorFacts& f,
                                  const WeaponTableModel::Selectors& s) {
    loadout = l;
    facts = f;
    selectors = s;
    vtModel->setCurrentVt(l.VTIndex);
    weaponModel->show(l, f, s, slotSelect->currentIndex());
    showReason(weaponTable->currentIndex());
}

void CatalogueWindow::previewSlot() {
    weaponModel->show(loadout, facts, selectors, slotSelect->currentIndex());
    showReason(weaponTable->currentIndex());
}

void CatalogueWindow::showReason(const QModelIndex& current) {
    if (tabs->currentWidget() == vtTable)
        return;
    const QModelIndex source = weaponProxy->mapToSource(current);
    setReason(source.isValid() ? weaponModel->placement(source.row()).reason : QString());
}

// The line under the table changes away from the focus (the table keeps it),
// so a screen reader is told the new line as well.
void CatalogueWindow::setReason(const QString& text) {
    if (reason->text() == text)
        return;
    reason->setText(text);
    if (!text.isEmpty())
        announce(reason, text);
}

void CatalogueWindow::pickRow(QTableView* table, const QModelIndex& index) {
    if (!index.isValid())
        return;
    // The row picked is the one the line under the table speaks of.
    table->setCurrentIndex(index);
    if (table == vtTable) {
        host.pickItem(vantor::Selector::Vt, vtProxy->mapToSource(index).row());
        return;
    }
    const WeaponTableModel::Placement place =
        weaponModel->placement(weaponProxy->mapToSource(index).row());
    setReason(place.reason);
    if (place.pick)
        host.pickItem(place.pick->selector, place.pick->item);
}

void CatalogueWindow::describeSort(QTableView* table) {
    const QHeaderView* header = table->horizontalHeader();
    const int column = header->sortIndicatorSection();
    if (column < 0 || column >= table->model()->columnCount()) {
        table->setAccessibleDescription(QStringLiteral("In catalogue order."));
        return;
    }
    table->setAccessibleDescription(
        QStringLiteral("Sorted by %1, %2.")
            .arg(table->model()->headerData(column, Qt::Horizontal).toString(),
                 header->sortIndicatorOrder() == Qt::AscendingOrder
                     ? QStringLiteral("ascending")
                     : QStringLiteral("descending")));
}

void CatalogueWindow::copyTable() {
    const SortedTableProxy* proxy = tabs->currentWidget() == vtTable ? vtProxy : weaponProxy;
    copyTableText(this, *proxy);
}

// Qt's chain would go on from Copy to the tab widget's own stop; the window's
// order is a round.
bool CatalogueWindow::focusNextPrevChild(bool next) {
    QWidget* const from = focusWidget();
    if (next && from == copyButton) {
        filter->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (!next && from == filter) {
        copyButton->setFocus(Qt::BacktabFocusReason);
        return true;
    }
    return ToolWindow::focusNextPrevChild(next);
}

bool CatalogueWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (QTableView* table : {vtTable, weaponTable})
            if (watched == table->viewport()) {
                const auto* mouse = static_cast<QMouseEvent*>(event);
                const QModelIndex index = table->indexAt(mouse->position().toPoint());
                if (mouse->button() == Qt::LeftButton && index.isValid()) {
                    guard.run([this, table, index] { pickRow(table, index); });
                    return true;
                }
            }
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::KeyPress && (watched == vtTable || watched == weaponTable)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* table = static_cast<QTableView*>(watched);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            key->modifiers() == Qt::NoModifier) {
            guard.run([this, table] { pickRow(table, table->currentIndex()); });
            return true;
        }
        if (key->key() == Qt::Key_S && key->modifiers() == Qt::ControlModifier) {
            sortByCurrentColumn(table);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Every caption and figure in sight from the start; the user may widen a
// column afterwards.
void CatalogueWindow::prepareFirstShow() {
    vtTable->resizeColumnsToContents();
    weaponTable->resizeColumnsToContents();
}

// The keyboard starts on the VT in the window.
void CatalogueWindow::presented() {
    if (!vtTable->currentIndex().isValid() && vtModel->currentVt() >= 0)
        vtTable->setCurrentIndex(vtProxy->mapFromSource(vtModel->index(vtModel->currentVt(), 0)));
}

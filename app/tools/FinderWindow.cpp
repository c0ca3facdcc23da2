#include "app/tools/FinderWindow.h"

#include "app/desktop/HandlerGuard.h"
#include "app/desktop/PlainTableView.h"
#include "app/desktop/TableText.h"
#include "app/tools/CatalogueProxy.h"
#include "app/tools/FinderRunner.h"
#include "app/tools/SortedTable.h"
#include "equipment/OptionalParts.h"
#include "model/Text.h"
#include "weapons/WeaponCatalogue.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

using vantor::FinderRequirement;
using vantor::Selector;

namespace {

// The worst load statuses offered, best first; MOUNT OVER has a box of its own.
constexpr std::array<std::pair<const char*, std::int32_t>, 3> WorstStatuses = {{
    {"VT OK", vantor::StatusVtOk},
    {"STD OVER", vantor::StatusStdOver},
    {"MAX OVER", vantor::StatusMaxOver},
}};

// The selectors a loadout can keep, with the box's text and what it says.
struct KeepBox {
    Selector selector;
    const char* name;
    const char* text;
    const char* accessibleName;
};
constexpr std::array<KeepBox, 11> KeepBoxes = {{
    {Selector::Fuel, "FinderKeepFuel", "Fuel", "Keep the fuel tanks"},
    {Selector::Part1, "FinderKeepPart1", "Part 1", "Keep optional part 1"},
    {Selector::Level1, "FinderKeepLevel1", "Level 1", "Keep the level of part 1"},
    {Selector::Part2, "FinderKeepPart2", "Part 2", "Keep optional part 2"},
    {Selector::Level2, "FinderKeepLevel2", "Level 2", "Keep the level of part 2"},
    {Selector::Main1, "FinderKeepMain1", "Main 1", "Keep main weapon 1"},
    {Selector::Main2, "FinderKeepMain2", "Main 2", "Keep main weapon 2"},
    {Selector::Main3, "FinderKeepMain3", "Main 3", "Keep main weapon 3"},
    {Selector::Sub1, "FinderKeepSub1", "Sub 1", "Keep sub-weapon 1"},
    {Selector::Sub2, "FinderKeepSub2", "Sub 2", "Keep sub-weapon 2"},
    {Selector::Sub3, "FinderKeepSub3", "Sub 3", "Keep sub-weapon 3"},
}};

constexpr int KindRole = Qt::UserRole;
constexpr int IdRole = Qt::UserRole + 1;

bool levelled(const FinderRequirement& r) {
    const vantor::OptionalPart* part = vantor::optionalPart(r.id);
    return r.kind == FinderRequirement::Part && part && part->levelled;
}

// "270-AR (main weapon)", "Advanced Mount (part, level 2 or above)".
QString requirementText(const FinderRequirement& r) {
    if (r.kind == FinderRequirement::Part) {
        const vantor::OptionalPart* part = vantor::optionalPart(r.id);
        const QString name = part ? vantor::toQString(part->selectorText) : vantor::NotAvailable;
        return r.minimumLevel > 0
                   ? QStringLiteral("%1 (part, level %2 or above)").arg(name).arg(r.minimumLevel)
                   : QStringLiteral("%1 (part)").arg(name);
    }
    const bool main = r.kind == FinderRequirement::MainWeapon;
    const vantor::WeaponEntry* weapon = vantor::weaponById(
        main ? vantor::WeaponKind::Main : vantor::WeaponKind::Sub, std::uint32_t(r.id));
    return QStringLiteral("%1 (%2)").arg(
        weapon ? vantor::toQString(weapon->ListText) : vantor::NotAvailable,
        main ? QStringLiteral("main weapon") : QStringLiteral("sub-weapon"));
}

// A caption that names its control for the keyboard and the screen reader.
QLabel* captionFor(QWidget* control, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setBuddy(control);
    return label;
}

} // namespace

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
    auto* limits = new QScrollArea(this);
    limits->setObjectName(QStringLiteral("FinderLimits"));
    limits->setAccessibleName(QStringLiteral("Limits"));
    limits->setFrameShape(QFrame::NoFrame);
    limits->setWidgetResizable(true);
    limits->setWidget(buildLimits());
    limits->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    limits->setFixedHeight(limits->widget()->sizeHint().height() +
                           limits->horizontalScrollBar()->sizeHint().height());
    auto* results = new QVBoxLayout;
    results->addWidget(table, 1);
    results->addWidget(nothingFits);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copyButton);
    results->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(limits);
    layout->addLayout(results, 1);

    // Tab goes through the limits as they read, then the table and Copy.
    QList<QWidget*> order{rankSelect,      statusSelect,   allowMountOver, scopeSelect,
                          mustCarrySelect, mustCarryLevel, mustCarryAdd,   mustCarryList,
                          fuelTanks,       reach,          cover,          coverFrom,
                          coverTo,         guided};
    for (const KeepBox& k : KeepBoxes)
        order << keep[vantor::selectorIndex(k.selector)];
    order << table << copyButton;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(search, &FinderRunner::answered, this,
            [this](const vantor::FinderRequest& request, const vantor::FinderAnswer& answer) {
                showAnswer(request, answer);
            });
    resize(1240, 480);
}

FinderWindow::~FinderWindow() = default;

QWidget* FinderWindow::buildLimits() {
    // Four columns above the table, which then has the window's whole width:
    // the ranking, the items to carry, the other limits, the kept selectors.
    auto* box = new QWidget(this);
    box->setObjectName(QStringLiteral("FinderLimitControls"));
    box->setAccessibleName(QStringLiteral("Limit controls"));
    const auto column = [] {
        auto* f = new QFormLayout;
        f->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
        return f;
    };
    QFormLayout* form = column();

    rankSelect = new QComboBox(box);
    rankSelect->setObjectName(QStringLiteral("FinderRankSelect"));
    // A selector is heard by its item unless it has a name of its own.
    rankSelect->setAccessibleName(QStringLiteral("Rank by"));
    for (int r = 0; r < vantor::FinderRankCount; ++r)
        rankSelect->addItem(vantor::finderRankName(vantor::FinderRank(r)));
    form->addRow(captionFor(rankSelect, QStringLiteral("&Rank by:"), box), rankSelect);

    statusSelect = new QComboBox(box);
    statusSelect->setObjectName(QStringLiteral("FinderStatusSelect"));
    statusSelect->setAccessibleName(QStringLiteral("Worst status"));
    for (const auto& [text, status] : WorstStatuses)
        statusSelect->addItem(QString::fromLatin1(text), status);
    allowMountOver = new QCheckBox(QStringLiteral("Allow MOUNT OVER"), box);
    allowMountOver->setObjectName(QStringLiteral("FinderAllowMountOver"));
    form->addRow(captionFor(statusSelect, QStringLiteral("Worst &status:"), box), statusSelect);
    form->addRow(QString(), allowMountOver);

    scopeSelect = new QComboBox(box);
    scopeSelect->setObjectName(QStringLiteral("FinderScopeSelect"));
    scopeSelect->setAccessibleName(QStringLiteral("Scope"));
    scopeSelect->addItem(QStringLiteral("This VT"));
    scopeSelect->addItem(QStringLiteral("Every VT"));
    form->addRow(captionFor(scopeSelect, QStringLiteral("S&cope:"), box), scopeSelect);

    mustCarrySelect = new QComboBox(box);
    mustCarrySelect->setObjectName(QStringLiteral("FinderMustCarrySelect"));
    mustCarrySelect->setAccessibleName(QStringLiteral("Item to carry"));
    mustCarryLevel = new QSpinBox(box);
    mustCarryLevel->setObjectName(QStringLiteral("FinderMustCarryLevel"));
    mustCarryLevel->setRange(0, 3);
    mustCarryLevel->setSpecialValueText(QStringLiteral("any level"));
    mustCarryLevel->setPrefix(QStringLiteral("level "));
    mustCarryLevel->setAccessibleName(QStringLiteral("At least this level"));
    mustCarryLevel->setEnabled(false);
    mustCarryAdd = new QPushButton(QStringLiteral("&Add"), box);
    mustCarryAdd->setObjectName(QStringLiteral("FinderMustCarryAdd"));
    mustCarryAdd->setAccessibleName(QStringLiteral("Add the item to carry"));
    auto* carryRow = new QHBoxLayout;
    carryRow->addWidget(mustCarrySelect);
    carryRow->addWidget(mustCarryLevel);
    carryRow->addWidget(mustCarryAdd);
    auto* carry = new QVBoxLayout;
    carry->addWidget(captionFor(mustCarrySelect, QStringLiteral("&Must carry:"), box));
    carry->addLayout(carryRow);
    mustCarryList = new QListWidget(box);
    mustCarryList->setObjectName(QStringLiteral("FinderMustCarryList"));
    mustCarryList->setAccessibleName(QStringLiteral("Items to carry"));
    mustCarryList->setToolTip(QStringLiteral("Delete removes the item."));
    mustCarryList->setMaximumHeight(mustCarryList->fontMetrics().height() * 4 + 8);
    mustCarryList->installEventFilter(this);
    carry->addWidget(mustCarryList);
    carry->addStretch();

    fuelTanks = new QSpinBox(box);
    fuelTanks->setObjectName(QStringLiteral("FinderFuelTanks"));
    fuelTanks->setRange(0, 9);
    QFormLayout* other = column();
    other->addRow(captionFor(fuelTanks, QStringLiteral("At least &fuel tanks:"), box), fuelTanks);

    reach = new QSpinBox(box);
    reach->setObjectName(QStringLiteral("FinderReach"));
    reach->setRange(0, 9999);
    reach->setSingleStep(50);
    reach->setSuffix(QStringLiteral(" m"));
    reach->setSpecialValueText(QStringLiteral("none"));
    other->addRow(captionFor(reach, QStringLiteral("A main weapon r&eaches:"), box), reach);

    cover = new QCheckBox(QStringLiteral("C&over"), box);
    cover->setObjectName(QStringLiteral("FinderCover"));
    cover->setAccessibleName(QStringLiteral("Cover a band of distances"));
    coverFrom = new QSpinBox(box);
    coverFrom->setObjectName(QStringLiteral("FinderCoverFrom"));
    coverFrom->setAccessibleName(QStringLiteral("Band from"));
    coverTo = new QSpinBox(box);
    coverTo->setObjectName(QStringLiteral("FinderCoverTo"));
    coverTo->setAccessibleName(QStringLiteral("Band to"));
    for (QSpinBox* end : {coverFrom, coverTo}) {
        end->setRange(0, 9999);
        end->setSingleStep(50);
        end->setSuffix(QStringLiteral(" m"));
        end->setEnabled(false);
    }
    coverTo->setValue(500);
    auto* coverRow = new QHBoxLayout;
    coverRow->addWidget(coverFrom);
    coverRow->addWidget(new QLabel(QStringLiteral("to"), box));
    coverRow->addWidget(coverTo);
    other->addRow(cover, coverRow);

    guided = new QCheckBox(QStringLiteral("At least one &guided weapon"), box);
    guided->setObjectName(QStringLiteral("FinderGuided"));
    other->addRow(guided);
    auto* columns = new QHBoxLayout(box);
    columns->setContentsMargins(0, 0, 0, 0);
    for (QLayout* f : std::initializer_list<QLayout*>{form, carry, other}) {
        columns->addLayout(f);
        columns->addSpacing(12);
    }
    columns->addWidget(buildKeep(), 0, Qt::AlignTop);
    columns->addStretch();

    // Any change of a limit asks again.
    const auto again = [this] { searchAgain(); };
    for (QComboBox* c : {rankSelect, statusSelect, scopeSelect})
        guard.connect(c, &QComboBox::currentIndexChanged, this, again);
    for (QSpinBox* s : {fuelTanks, reach, coverFrom, coverTo})
        guard.connect(s, &QSpinBox::valueChanged, this, again);
    for (QCheckBox* c : {cover, guided})
        guard.connect(c, &QCheckBox::toggled, this, again);
    guard.connect(allowMountOver, &QCheckBox::toggled, this, [this] {
        statusSelect->setEnabled(!allowMountOver->isChecked());
        searchAgain();
    });
    guard.connect(cover, &QCheckBox::toggled, this, [this] {
        coverFrom->setEnabled(cover->isChecked());
        coverTo->setEnabled(cover->isChecked());
    });
    guard.connect(mustCarrySelect, &QComboBox::currentIndexChanged, this, [this] {
        const FinderRequirement r{
            FinderRequirement::Kind(mustCarrySelect->currentData(KindRole).toInt()),
            mustCarrySelect->currentData(IdRole).toInt(), 0};
        mustCarryLevel->setEnabled(mustCarrySelect->currentIndex() >= 0 && levelled(r));
    });
    guard.connect(mustCarryAdd, &QPushButton::clicked, this, [this] { addMustCarry(); });
    return box;
}

QWidget* FinderWindow::buildKeep() {
    auto* group = new QGroupBox(QStringLiteral("Keep as in the window"), this);
    group->setObjectName(QStringLiteral("FinderKeepGroup"));
    auto* grid = new QGridLayout(group);
    for (std::size_t i = 0; i < KeepBoxes.size(); ++i) {
        const KeepBox& k = KeepBoxes[i];
        auto* box = new QCheckBox(QString::fromLatin1(k.text), group);
        box->setObjectName(QString::fromLatin1(k.name));
        box->setAccessibleName(QString::fromLatin1(k.accessibleName));
        // The fuel and parts on the first line, the weapons on the next two.
        const int row = i < 5 ? 0 : i < 8 ? 1 : 2;
        const int column = i < 5 ? int(i) : int(i - 5) % 3;
        grid->addWidget(box, row, column);
        keep[vantor::selectorIndex(k.selector)] = box;
        guard.connect(box, &QCheckBox::toggled, this, [this] { searchAgain(); });
    }
    return group;
}

void FinderWindow::showLoadout(const vantor::LoadoutPicks& p, const vantor::Loadout& l,
                               const std::array<int, 6>& items) {
    const bool offerChanged =
        items != weaponItems || l.MainWeaponListId != loadout.MainWeaponListId ||
        l.SubWeaponListId != loadout.SubWeaponListId || mustCarrySelect->count() == 0;
    picks = p;
    loadout = l;
    weaponItems = items;
    if (offerChanged)
        fillMustCarryOffer();
    searchAgain();
}

// The weapons the VT's selectors offer, then every optional part.
void FinderWindow::fillMustCarryOffer() {
    const QSignalBlocker quiet(mustCarrySelect);
    const FinderRequirement chosen{
        FinderRequirement::Kind(mustCarrySelect->currentData(KindRole).toInt()),
        mustCarrySelect->currentData(IdRole).toInt(), 0};
    mustCarrySelect->clear();
    const auto add = [this](const FinderRequirement& r) {
        mustCarrySelect->addItem(requirementText(r));
        mustCarrySelect->setItemData(mustCarrySelect->count() - 1, int(r.kind), KindRole);
        mustCarrySelect->setItemData(mustCarrySelect->count() - 1, r.id, IdRole);
    };
    for (const vantor::WeaponKind kind : {vantor::WeaponKind::Main, vantor::WeaponKind::Sub}) {
        const bool main = kind == vantor::WeaponKind::Main;
        const vantor::WeaponColumn& ids = main ? loadout.MainWeaponListId : loadout.SubWeaponListId;
        int longest = 0;
        for (int s = 0; s < 3; ++s)
            longest = std::max(longest, weaponItems[std::size_t((main ? 0 : 3) + s)]);
        std::vector<std::uint32_t> listed;
        for (int item = 0; item < longest && item < vantor::WeaponListRows; ++item) {
            const vantor::WeaponEntry* w = vantor::weaponById(kind, ids[std::size_t(item)]);
            if (!w || w->ListText == "Unarmed" ||
                std::find(listed.begin(), listed.end(), w->Id) != listed.end())
                continue;
            listed.push_back(w->Id);
            add({main ? FinderRequirement::MainWeapon : FinderRequirement::SubWeapon, int(w->Id),
                 0});
        }
    }
    for (const vantor::OptionalPart& part : vantor::OptionalParts)
        if (part.index > 0)
            add({FinderRequirement::Part, part.index, 0});
    // The item chosen before stays chosen where the new VT offers it too.
    for (int i = 0; i < mustCarrySelect->count(); ++i)
        if (mustCarrySelect->itemData(i, KindRole).toInt() == int(chosen.kind) &&
            mustCarrySelect->itemData(i, IdRole).toInt() == chosen.id)
            mustCarrySelect->setCurrentIndex(i);
    const FinderRequirement now{
        FinderRequirement::Kind(mustCarrySelect->currentData(KindRole).toInt()),
        mustCarrySelect->currentData(IdRole).toInt(), 0};
    mustCarryLevel->setEnabled(levelled(now));
}

void FinderWindow::addMustCarry() {
    if (mustCarrySelect->currentIndex() < 0)
        return;
    FinderRequirement r{FinderRequirement::Kind(mustCarrySelect->currentData(KindRole).toInt()),
                        mustCarrySelect->currentData(IdRole).toInt(), 0};
    if (levelled(r))
        r.minimumLevel = mustCarryLevel->value();
    mustCarry.push_back(r);
    mustCarryList->addItem(requirementText(r));
    mustCarryList->setCurrentRow(mustCarryList->count() - 1);
    searchAgain();
}

void FinderWindow::removeMustCarry() {
    const int row = mustCarryList->currentRow();
    if (row < 0 || row >= int(mustCarry.size()))
        return;
    mustCarry.erase(mustCarry.begin() + row);
    delete mustCarryList->takeItem(row);
    searchAgain();
}

vantor::FinderRequest FinderWindow::request() const {
    vantor::FinderRequest r;
    r.current = picks;
    r.currentLoadout = loadout;
    r.rank = vantor::FinderRank(std::max(rankSelect->currentIndex(), 0));
    r.scope = scopeSelect->currentIndex() == 1 ? vantor::FinderScope::EveryVt
                                               : vantor::FinderScope::ThisVt;
    vantor::FinderLimits& limits = r.limits;
    limits.worstStatus = allowMountOver->isChecked()
                             ? vantor::StatusMountOver
                             : std::int32_t(statusSelect->currentData().toInt());
    limits.mustCarry = mustCarry;
    for (std::size_t i = 0; i < keep.size(); ++i)
        limits.keep[i] = keep[i] && keep[i]->isChecked();
    limits.minimumFuelTanks = fuelTanks->value();
    if (reach->value() > 0)
        limits.reach = reach->value();
    if (cover->isChecked())
        limits.cover = vantor::DistanceBand{std::min(coverFrom->value(), coverTo->value()),
                                            std::max(coverFrom->value(), coverTo->value())};
    limits.guided = guided->isChecked();
    return r;
}

void FinderWindow::searchAgain() {
    // Without a VT in the main window there is nothing to ask.
    if (picks.vt < 0) {
        asked.reset();
        model->setAnswer({}, vantor::FinderRank(std::max(rankSelect->currentIndex(), 0)));
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
    if (watched == mustCarryList && event->type() == QEvent::KeyPress &&
        pressed == QKeyCombination(Qt::Key_Delete)) {
        guard.run([this] { removeMustCarry(); });
        return true;
    }
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

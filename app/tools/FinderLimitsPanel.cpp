#include "app/tools/FinderLimitsPanel.h"

#include "app/desktop/HandlerGuard.h"
#include "equipment/OptionalParts.h"
#include "model/Text.h"
#include "weapons/WeaponCatalogue.h"
#include "weapons/WeaponLists.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
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

// "270-AR (main weapon)", "Advanced Mount Level 2 or above (part)".
QString requirementText(const FinderRequirement& r) {
    if (r.kind == FinderRequirement::Part) {
        const vantor::OptionalPart* part = vantor::optionalPart(r.id);
        const QString name = part ? vantor::toQString(part->selectorText) : vantor::NotAvailable;
        return r.minimumLevel > 0 ? vantor::itemWithLevel(name, r.minimumLevel) +
                                        QStringLiteral(" or above (part)")
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

QFormLayout* formColumn() {
    auto* f = new QFormLayout;
    f->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    return f;
}

} // namespace

FinderLimitsPanel::FinderLimitsPanel(QWidget* parent, HandlerGuard& guard)
    : QWidget(parent), guard(guard) {
    setObjectName(QStringLiteral("FinderLimitControls"));
    setAccessibleName(QStringLiteral("Limit controls"));
    QFormLayout* ranking = formColumn();
    buildRanking(ranking);
    QLayout* carry = buildMustCarry();
    QLayout* other = buildOther();
    // Four columns, so that the table below has the window's whole width.
    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(0, 0, 0, 0);
    for (QLayout* column : {static_cast<QLayout*>(ranking), carry, other}) {
        columns->addLayout(column);
        columns->addSpacing(12);
    }
    columns->addWidget(buildKeep(), 0, Qt::AlignTop);
    columns->addStretch();
    connectChanges();
}

void FinderLimitsPanel::buildRanking(QFormLayout* form) {
    rankSelect = new QComboBox(this);
    rankSelect->setObjectName(QStringLiteral("FinderRankSelect"));
    // A selector is heard by its item unless it has a name of its own.
    rankSelect->setAccessibleName(QStringLiteral("Rank by"));
    for (int r = 0; r < vantor::FinderRankCount; ++r)
        rankSelect->addItem(vantor::finderRankName(vantor::FinderRank(r)));
    form->addRow(captionFor(rankSelect, QStringLiteral("&Rank by:"), this), rankSelect);

    statusSelect = new QComboBox(this);
    statusSelect->setObjectName(QStringLiteral("FinderStatusSelect"));
    statusSelect->setAccessibleName(QStringLiteral("Worst status"));
    for (const auto& [text, status] : WorstStatuses)
        statusSelect->addItem(QString::fromLatin1(text), status);
    allowMountOver = new QCheckBox(QStringLiteral("Allow MOUNT OVER"), this);
    allowMountOver->setObjectName(QStringLiteral("FinderAllowMountOver"));
    form->addRow(captionFor(statusSelect, QStringLiteral("Worst &status:"), this), statusSelect);
    form->addRow(QString(), allowMountOver);

    scopeSelect = new QComboBox(this);
    scopeSelect->setObjectName(QStringLiteral("FinderScopeSelect"));
    scopeSelect->setAccessibleName(QStringLiteral("Scope"));
    scopeSelect->addItem(QStringLiteral("This VT"));
    scopeSelect->addItem(QStringLiteral("Every VT"));
    form->addRow(captionFor(scopeSelect, QStringLiteral("S&cope:"), this), scopeSelect);

    // The search keeps the MM loaded; the line keeps its place while hidden,
    // so that the limits never change height.
    mmNote = new QLabel(QStringLiteral("Loadouts with a launched MM are left out."), this);
    mmNote->setObjectName(QStringLiteral("FinderMmNote"));
    mmNote->setTextFormat(Qt::PlainText);
    mmNote->setToolTip(QStringLiteral("Every loadout found has its MM loaded: putting one into "
                                      "the main window takes a launch back."));
    QSizePolicy keepsPlace = mmNote->sizePolicy();
    keepsPlace.setRetainSizeWhenHidden(true);
    mmNote->setSizePolicy(keepsPlace);
    mmNote->hide();
    form->addRow(mmNote);
}

void FinderLimitsPanel::showMmNote(bool shown) {
    mmNote->setVisible(shown);
}

QLayout* FinderLimitsPanel::buildMustCarry() {
    mustCarrySelect = new QComboBox(this);
    mustCarrySelect->setObjectName(QStringLiteral("FinderMustCarrySelect"));
    mustCarrySelect->setAccessibleName(QStringLiteral("Item to carry"));
    mustCarryLevel = new QSpinBox(this);
    mustCarryLevel->setObjectName(QStringLiteral("FinderMustCarryLevel"));
    mustCarryLevel->setRange(0, 3);
    mustCarryLevel->setSpecialValueText(QStringLiteral("any level"));
    mustCarryLevel->setPrefix(vantor::levelName(QString())); // "Level 2"
    mustCarryLevel->setAccessibleName(QStringLiteral("At least this level"));
    mustCarryLevel->setEnabled(false);
    mustCarryAdd = new QPushButton(QStringLiteral("&Add"), this);
    mustCarryAdd->setObjectName(QStringLiteral("FinderMustCarryAdd"));
    mustCarryAdd->setAccessibleName(QStringLiteral("Add the item to carry"));
    auto* carryRow = new QHBoxLayout;
    carryRow->addWidget(mustCarrySelect);
    carryRow->addWidget(mustCarryLevel);
    carryRow->addWidget(mustCarryAdd);
    auto* carry = new QVBoxLayout;
    carry->addWidget(captionFor(mustCarrySelect, QStringLiteral("&Must carry:"), this));
    carry->addLayout(carryRow);
    mustCarryList = new QListWidget(this);
    mustCarryList->setObjectName(QStringLiteral("FinderMustCarryList"));
    mustCarryList->setAccessibleName(QStringLiteral("Items to carry"));
    mustCarryList->setToolTip(QStringLiteral("Delete removes the item."));
    mustCarryList->setMaximumHeight(mustCarryList->fontMetrics().height() * 4 + 8);
    mustCarryList->installEventFilter(this);
    mustCarryList->setFocusPolicy(Qt::NoFocus); // a Tab stop once it holds an item
    carry->addWidget(mustCarryList);
    carry->addStretch();
    return carry;
}

QLayout* FinderLimitsPanel::buildOther() {
    fuelTanks = new QSpinBox(this);
    fuelTanks->setObjectName(QStringLiteral("FinderFuelTanks"));
    fuelTanks->setRange(0, 9);
    QFormLayout* other = formColumn();
    other->addRow(captionFor(fuelTanks, QStringLiteral("At least &fuel tanks:"), this), fuelTanks);

    reach = new QSpinBox(this);
    reach->setObjectName(QStringLiteral("FinderReach"));
    reach->setRange(0, 9999);
    reach->setSingleStep(50);
    reach->setSuffix(QStringLiteral(" m"));
    reach->setSpecialValueText(QStringLiteral("none"));
    other->addRow(captionFor(reach, QStringLiteral("A main weapon r&eaches:"), this), reach);

    cover = new QCheckBox(QStringLiteral("C&over"), this);
    cover->setObjectName(QStringLiteral("FinderCover"));
    cover->setAccessibleName(QStringLiteral("Cover a band of distances"));
    coverFrom = new QSpinBox(this);
    coverFrom->setObjectName(QStringLiteral("FinderCoverFrom"));
    coverFrom->setAccessibleName(QStringLiteral("Band from"));
    coverTo = new QSpinBox(this);
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
    coverRow->addWidget(new QLabel(QStringLiteral("to"), this));
    coverRow->addWidget(coverTo);
    other->addRow(cover, coverRow);

    guided = new QCheckBox(QStringLiteral("At least one &guided weapon"), this);
    guided->setObjectName(QStringLiteral("FinderGuided"));
    other->addRow(guided);
    return other;
}

QWidget* FinderLimitsPanel::buildKeep() {
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
    }
    return group;
}

void FinderLimitsPanel::connectChanges() {
    // Any change of a limit asks again.
    const auto again = [this] { emit changed(); };
    for (QComboBox* c : {rankSelect, statusSelect, scopeSelect})
        guard.connect(c, &QComboBox::currentIndexChanged, this, again);
    for (QSpinBox* s : {fuelTanks, reach, coverFrom, coverTo})
        guard.connect(s, &QSpinBox::valueChanged, this, again);
    for (QCheckBox* c : {cover, guided})
        guard.connect(c, &QCheckBox::toggled, this, again);
    for (QCheckBox* box : keep)
        if (box)
            guard.connect(box, &QCheckBox::toggled, this, again);
    guard.connect(allowMountOver, &QCheckBox::toggled, this, [this] {
        statusSelect->setEnabled(!allowMountOver->isChecked());
        emit changed();
    });
    guard.connect(cover, &QCheckBox::toggled, this, [this] {
        coverFrom->setEnabled(cover->isChecked());
        coverTo->setEnabled(cover->isChecked());
    });
    guard.connect(mustCarrySelect, &QComboBox::currentIndexChanged, this, [this] {
        mustCarryLevel->setEnabled(mustCarrySelect->currentIndex() >= 0 &&
                                   levelled(chosenRequirement()));
    });
    guard.connect(mustCarryAdd, &QPushButton::clicked, this, [this] { addMustCarry(); });
}

FinderRequirement FinderLimitsPanel::chosenRequirement() const {
    return {FinderRequirement::Kind(mustCarrySelect->currentData(KindRole).toInt()),
            mustCarrySelect->currentData(IdRole).toInt(), 0};
}

void FinderLimitsPanel::offerWeapons(const vantor::Loadout& loadout,
                                     const std::array<int, 6>& items) {
    std::vector<vantor::OfferedWeapon> weapons = vantor::offeredWeapons(loadout, items);
    if (weapons == offered && mustCarrySelect->count() > 0)
        return;
    offered = std::move(weapons);
    fillMustCarryOffer();
}

// The weapons the VT's selectors offer, then every optional part.
void FinderLimitsPanel::fillMustCarryOffer() {
    const QSignalBlocker quiet(mustCarrySelect);
    const FinderRequirement chosen = chosenRequirement();
    mustCarrySelect->clear();
    const auto add = [this](const FinderRequirement& r) {
        mustCarrySelect->addItem(requirementText(r));
        mustCarrySelect->setItemData(mustCarrySelect->count() - 1, int(r.kind), KindRole);
        mustCarrySelect->setItemData(mustCarrySelect->count() - 1, r.id, IdRole);
    };
    for (const vantor::OfferedWeapon& w : offered)
        if (w.entry->Id != 0) // Unarmed
            add({w.kind == vantor::WeaponKind::Main ? FinderRequirement::MainWeapon
                                                    : FinderRequirement::SubWeapon,
                 int(w.entry->Id), 0});
    for (const vantor::OptionalPart& part : vantor::OptionalParts)
        if (part.index > 0)
            add({FinderRequirement::Part, part.index, 0});
    // The item chosen before stays chosen where the new VT offers it too.
    for (int i = 0; i < mustCarrySelect->count(); ++i)
        if (mustCarrySelect->itemData(i, KindRole).toInt() == int(chosen.kind) &&
            mustCarrySelect->itemData(i, IdRole).toInt() == chosen.id)
            mustCarrySelect->setCurrentIndex(i);
    mustCarryLevel->setEnabled(levelled(chosenRequirement()));
}

void FinderLimitsPanel::addMustCarry() {
    if (mustCarrySelect->currentIndex() < 0)
        return;
    FinderRequirement r = chosenRequirement();
    if (levelled(r))
        r.minimumLevel = mustCarryLevel->value();
    mustCarry.push_back(r);
    mustCarryList->addItem(requirementText(r));
    mustCarryList->setCurrentRow(mustCarryList->count() - 1);
    mustCarryList->setFocusPolicy(Qt::StrongFocus);
    emit changed();
}

void FinderLimitsPanel::removeMustCarry() {
    const int row = mustCarryList->currentRow();
    if (row < 0 || row >= int(mustCarry.size()))
        return;
    mustCarry.erase(mustCarry.begin() + row);
    delete mustCarryList->takeItem(row);
    // An empty list is no Tab stop: the keyboard goes back to the item chooser.
    if (mustCarry.empty()) {
        mustCarryList->setFocusPolicy(Qt::NoFocus);
        if (mustCarryList->hasFocus())
            mustCarrySelect->setFocus(Qt::TabFocusReason);
    }
    emit changed();
}

vantor::FinderRank FinderLimitsPanel::rank() const {
    return vantor::FinderRank(std::max(rankSelect->currentIndex(), 0));
}

vantor::FinderScope FinderLimitsPanel::scope() const {
    return scopeSelect->currentIndex() == 1 ? vantor::FinderScope::EveryVt
                                            : vantor::FinderScope::ThisVt;
}

vantor::FinderLimits FinderLimitsPanel::limits() const {
    vantor::FinderLimits limits;
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
    return limits;
}

// The limits as they read, column by column.
QList<QWidget*> FinderLimitsPanel::tabOrder() const {
    QList<QWidget*> order{rankSelect,      statusSelect,   allowMountOver, scopeSelect,
                          mustCarrySelect, mustCarryLevel, mustCarryAdd,   mustCarryList,
                          fuelTanks,       reach,          cover,          coverFrom,
                          coverTo,         guided};
    for (const KeepBox& k : KeepBoxes)
        order << keep[vantor::selectorIndex(k.selector)];
    return order;
}

bool FinderLimitsPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mustCarryList && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->keyCombination() == QKeyCombination(Qt::Key_Delete)) {
        guard.run([this] { removeMustCarry(); });
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

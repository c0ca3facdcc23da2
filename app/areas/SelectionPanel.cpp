#include "app/areas/SelectionPanel.h"

#include "app/areas/PartIcons.h"
#include "app/areas/PreviewDelegate.h"
#include "app/areas/SelectorBox.h"
#include "app/areas/Selectors.h"
#include "app/areas/Widgets.h"
#include "app/desktop/HandlerGuard.h"
#include "equipment/IconKey.h"
#include "equipment/OptionalParts.h"
#include "model/Format.h"
#include "model/Recompute.h"
#include "model/Text.h"
#include "model/VtCatalogue.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using vantor::levelSelector;
using vantor::partSelector;
using vantor::Selector;
using vantor::WeaponKind;
using vantor::weaponSelector;

namespace {

// Replaces a selector's items, each with its tip.
void fillSelector(QComboBox* selector, const QStringList& items, const QStringList& tips) {
    selector->clear();
    selector->addItems(items);
    for (int item = 0; item < tips.size() && item < selector->count(); ++item)
        if (!tips[item].isEmpty())
            selector->setItemData(item, tips[item], Qt::ToolTipRole);
}

// The kind of the weapon selector at `i` in MW1..MW3, SW1..SW3.
WeaponKind weaponKindAt(int i) {
    return i < 3 ? WeaponKind::Main : WeaponKind::Sub;
}

// A part or fuel tank icon with its picture and the icon key's caption for it.
void showIcon(QLabel* image, int picture) {
    image->setPixmap(partIcon(picture)); // a null pixmap for none clears it
    image->setToolTip(vantor::iconCaption(picture));
}

} // namespace

SelectionPanel::SelectionPanel(QWidget* parent, HandlerGuard& guard, QObject* owner)
    : QObject(owner) {
    buildVtAndFuel(parent);
    buildParts(parent);
    buildWeapons(parent);
    connectPicks(guard);
    installItemPreviews();
}

namespace {

// A VT item's own figures: its loads, speed, durability and turn.
QString vtFigures(int vt) {
    if (vt < 0 || vt >= vantor::VtCount)
        return {};
    const vantor::VtEntry& e = vantor::vtEntry(vt);
    return QStringLiteral("Standard load %1, maximum load %2, speed %3 mph, durability %4, "
                          "turn speed %5 s.")
        .arg(e.standardLoad)
        .arg(e.maximumLoad)
        .arg(vantor::floatText(e.maximumSpeed), vantor::formatHashHash(e.durability),
             vantor::formatHashHash(e.turnSpeed));
}

} // namespace

void SelectionPanel::installItemPreviews() {
    // The VT list tells each VT's own figures; the other lists preview picks.
    box(Selector::Vt)->keepPreviews(vtFigures);
    for (Selector s : vantor::AllSelectors) {
        if (s == Selector::Vt)
            continue;
        box(s)->keepPreviews();
        connect(box(s), &SelectorBox::listOpened, this, [this, s] { emit previewsWanted(s); });
    }
}

vantor::SelectorFacts SelectionPanel::pickFacts() const {
    return {vt(), part(1), level(1), part(2), level(2)};
}

int SelectionPanel::itemCount(Selector selector) const {
    return box(selector)->count();
}

std::array<int, 6> SelectionPanel::weaponItemCounts() const {
    std::array<int, 6> counts{};
    for (int i = 0; i < 6; ++i)
        counts[std::size_t(i)] = weaponBox(weaponKindAt(i), i % 3 + 1)->count();
    return counts;
}

std::array<bool, 6> SelectionPanel::fixedWeaponSlots() const {
    // With a VT chosen, only a fixed weapon locks its selector.
    std::array<bool, 6> fixed{};
    for (int i = 0; i < 6; ++i)
        fixed[std::size_t(i)] = vt() >= 0 && !weaponBox(weaponKindAt(i), i % 3 + 1)->isEnabled();
    return fixed;
}

vantor::LoadoutPicks SelectionPanel::currentPicks() const {
    vantor::LoadoutPicks picks{vt(), fuel(), {}, {}, {}};
    for (int slot = 1; slot <= 2; ++slot)
        picks.parts[std::size_t(slot - 1)] = {part(slot), level(slot)};
    const std::array<bool, 6> fixed = fixedWeaponSlots();
    for (int i = 0; i < 6; ++i) {
        auto& weapons = i < 3 ? picks.main : picks.sub;
        weapons[std::size_t(i % 3)] = {weapon(weaponKindAt(i), i % 3 + 1), fixed[std::size_t(i)]};
    }
    return picks;
}

void SelectionPanel::showPreviews(Selector selector,
                                  const std::vector<vantor::PickPreview>& previews) {
    SelectorBox* c = box(selector);
    for (int item = 0; item < c->count(); ++item) {
        const vantor::PickPreview* p =
            std::size_t(item) < previews.size() ? &previews[std::size_t(item)] : nullptr;
        if (!p || !p->applicable) {
            c->setItemPreview(item, {});
            continue;
        }
        c->setItemPreview(item,
                          {vantor::loadChangeText(p->loadChange()), vantor::statusChangeText(*p),
                           vantor::loadStatusColour(p->status), vantor::previewText(*p)});
    }
    c->fitList();
}

void SelectionPanel::refreshOpenPreviews() {
    for (Selector s : vantor::AllSelectors)
        if (s != Selector::Vt && box(s)->listOpen())
            emit previewsWanted(s);
}

void SelectionPanel::buildVtAndFuel(QWidget* parent) {
    auto* vtGroup = makeGroup(parent, "GroupBox3", QStringLiteral("Vertical Tank Selection"),
                              QRect(16, 40, 233, 62));
    QStringList vtNames;
    for (const auto& vt : vantor::VtCatalogue)
        vtNames << vantor::toQString(vt.selectorName);
    SelectorBox* vt =
        makeSelectorBox(vtGroup, "VTSelect", QPoint(16, 24), 201, vtNames, QStringLiteral("VT"));
    vt->setMaxVisibleItems(16);
    nameSelector(vt, QStringLiteral("Vertical Tank Selection"));
    selectors[vantor::selectorIndex(Selector::Vt)] = vt;

    auto* fuelGroup = makeGroup(parent, "GroupBox5", QStringLiteral("Fuel Tank Selection"),
                                QRect(16, 104, 233, 57));
    SelectorBox* fuel =
        makeSelectorBox(fuelGroup, "FTSelect", QPoint(16, 20), 121, {}, QStringLiteral("Fuel"));
    fuel->setEnabled(false);
    nameSelector(fuel, QStringLiteral("Fuel Tank Selection"));
    selectors[vantor::selectorIndex(Selector::Fuel)] = fuel;
    fuelIcon = makeImage(fuelGroup, "FuelTankImage", QRect(147, 10, 73, 41));
    fuelIcon->setAccessibleName(QStringLiteral("Fuel tank icon"));
}

void SelectionPanel::buildParts(QWidget* parent) {
    auto* group = makeGroup(parent, "GroupBox4", QStringLiteral("Optional Part Selection"),
                            QRect(16, 167, 233, 121));
    const QStringList levels{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
    QStringList parts;
    for (const auto& part : vantor::OptionalParts)
        parts << vantor::toQString(part.selectorText);
    static const char* const partNames[] = {"OPSelect1", "OPSelect2"};
    static const char* const levelNames[] = {"OPLSelect1", "OPLSelect2"};
    static const char* const iconNames[] = {"Op1Image", "Op2Image"};
    for (int i = 0; i < 2; ++i) {
        const int y = 48 * i;
        SelectorBox* part = makeSelectorBox(group, partNames[i], QPoint(16, 20 + y), 121, parts,
                                            QStringLiteral("Optional Part # %1").arg(i + 1));
        SelectorBox* level =
            makeSelectorBox(group, levelNames[i], QPoint(64, 44 + y), 73, levels, NotAvailable);
        part->setEnabled(false);
        level->setEnabled(false);
        nameSelector(part, QStringLiteral("Optional Part %1").arg(i + 1));
        nameSelector(level, QStringLiteral("Optional Part %1 Level").arg(i + 1));
        selectors[vantor::selectorIndex(partSelector(i + 1))] = part;
        selectors[vantor::selectorIndex(levelSelector(i + 1))] = level;
        partIcons[i] = makeImage(group, iconNames[i], QRect(147, 22 + y, 73, 41));
        partIcons[i]->setAccessibleName(QStringLiteral("Optional part %1 icon").arg(i + 1));
    }
}

void SelectionPanel::buildWeapons(QWidget* parent) {
    auto* mainGroup = makeGroup(parent, "GroupBox1", QStringLiteral("Main Weapon Selection"),
                                QRect(256, 40, 177, 121));
    auto* subGroup = makeGroup(parent, "GroupBox2", QStringLiteral("Sub-Weapon Selection"),
                               QRect(256, 167, 177, 121));
    static const char* const mainNames[] = {"MWSelect1", "MWSelect2", "MWSelect3"};
    static const char* const subNames[] = {"SWSelect1", "SWSelect2", "SWSelect3"};
    static const char* const fixedNames[] = {"FixedSW1Button", "FixedSW2Button", "FixedSW3Button"};
    const int rowY[] = {24, 52, 80};
    const int fixedY[] = {24, 53, 80};
    for (int i = 0; i < 3; ++i) {
        SelectorBox* main = makeSelectorBox(mainGroup, mainNames[i], QPoint(24, rowY[i]), 121, {},
                                            QStringLiteral("Main Weapon # %1").arg(i + 1));
        SelectorBox* sub = makeSelectorBox(subGroup, subNames[i], QPoint(24, rowY[i]), 121, {},
                                           QStringLiteral("Sub-Weapon # %1").arg(i + 1));
        main->setEnabled(false);
        sub->setEnabled(false);
        nameSelector(main, QStringLiteral("Main Weapon %1").arg(i + 1));
        nameSelector(sub, QStringLiteral("Sub Weapon %1").arg(i + 1));
        selectors[vantor::selectorIndex(weaponSelector(WeaponKind::Main, i + 1))] = main;
        selectors[vantor::selectorIndex(weaponSelector(WeaponKind::Sub, i + 1))] = sub;
        fixedWeaponButtons[i + 1] =
            makeButton(subGroup, fixedNames[i], QStringLiteral("?"), QRect(149, fixedY[i], 22, 20));
        fixedWeaponButtons[i + 1]->setAccessibleName(
            QStringLiteral("Describe the fixed sub-weapon %1").arg(i + 1));
        fixedWeaponButtons[i + 1]->setToolTip(
            QStringLiteral("Shows the fixed sub-weapon %1 on the weapon page.").arg(i + 1));
    }
    fixedWeaponButtons[0] =
        makeButton(mainGroup, "FixedMW2Button", QStringLiteral("?"), QRect(149, 52, 22, 20));
    fixedWeaponButtons[0]->setAccessibleName(QStringLiteral("Describe the fixed main weapon 2"));
    fixedWeaponButtons[0]->setToolTip(
        QStringLiteral("Shows the fixed main weapon 2 on the weapon page."));
    mmButton = makeButton(subGroup, "F1Button", QStringLiteral("F1"), QRect(3, 53, 20, 19));
    mmButton->setAccessibleName(QStringLiteral("Launch the MM"));
    mmButton->setToolTip(QStringLiteral("Launches the MM: the VT then turns faster and has less "
                                        "durability, and both ranks become estimates."));
    for (QPushButton* b : fixedWeaponButtons) {
        b->setFlat(true);
        b->hide();
    }
    mmButton->setFlat(true);
    mmButton->hide();
}

void SelectionPanel::connectPicks(HandlerGuard& guard) {
    // Typed text is announced while it is no item's name as well: the
    // handlers treat it as no selected item.
    const auto onPick = [this, &guard](Selector selector, const std::function<void()>& announce) {
        connectSelectorPicks(box(selector), guard, this, announce);
    };
    onPick(Selector::Vt, [this] { emit vtPicked(); });
    onPick(Selector::Fuel, [this] { emit fuelPicked(); });
    onPick(Selector::Part1, [this] { emit partPicked(1); });
    onPick(Selector::Part2, [this] { emit partPicked(2); });
    onPick(Selector::Level1, [this] { emit levelPicked(1); });
    onPick(Selector::Level2, [this] { emit levelPicked(2); });
    for (int slot = 1; slot <= 3; ++slot) {
        onPick(weaponSelector(WeaponKind::Main, slot),
               [this, slot] { emit weaponPicked(WeaponKind::Main, slot); });
        onPick(weaponSelector(WeaponKind::Sub, slot),
               [this, slot] { emit weaponPicked(WeaponKind::Sub, slot); });
        // Typed text that names no weapon changes nothing; on leaving, the
        // selector shows the weapon its slot holds again.
        for (QComboBox* c : {weaponBox(WeaponKind::Main, slot), weaponBox(WeaponKind::Sub, slot)})
            guard.connect(c->lineEdit(), &QLineEdit::editingFinished, this, [c] {
                if (c->isEnabled() && selectedItem(c) < 0 && c->currentIndex() >= 0)
                    c->setEditText(c->itemText(c->currentIndex()));
            });
    }
    guard.connect(fixedWeaponButtons[0], &QPushButton::clicked, this,
                  [this] { emit fixedWeaponAsked(WeaponKind::Main, 2); });
    for (int slot = 1; slot <= 3; ++slot)
        guard.connect(fixedWeaponButtons[slot], &QPushButton::clicked, this,
                      [this, slot] { emit fixedWeaponAsked(WeaponKind::Sub, slot); });
    guard.connect(mmButton, &QPushButton::clicked, this, [this] { emit mmLaunchClicked(); });
}

SelectorBox* SelectionPanel::weaponBox(WeaponKind kind, int slot) const {
    return box(weaponSelector(kind, slot));
}

int SelectionPanel::vt() const {
    return selectedItem(box(Selector::Vt));
}

int SelectionPanel::fuel() const {
    return selectedItem(box(Selector::Fuel));
}

int SelectionPanel::part(int slot) const {
    return selectedItem(box(partSelector(slot)));
}

int SelectionPanel::level(int slot) const {
    return selectedItem(box(levelSelector(slot)));
}

int SelectionPanel::weapon(WeaponKind kind, int slot) const {
    return selectedItem(weaponBox(kind, slot));
}

int SelectionPanel::heldWeapon(WeaponKind kind, int slot) const {
    return weaponBox(kind, slot)->currentIndex();
}

QString SelectionPanel::weaponItemText(WeaponKind kind, int slot, int item) const {
    return weaponBox(kind, slot)->itemText(item);
}

bool SelectionPanel::holdsPick(Selector selector) const {
    return selectedItem(box(selector)) >= 0;
}

void SelectionPanel::select(Selector selector, int item) {
    selectItem(box(selector), item);
}

void SelectionPanel::routeKeysThrough(const std::function<void(QComboBox*)>& route) {
    for (SelectorBox* selector : selectors)
        route(selector);
}

vantor::SlotFacts SelectionPanel::partFacts(int slot) const {
    const QComboBox* level = box(levelSelector(slot));
    return {part(slot), selectedItem(level), level->currentText() != QLatin1String("Set Level"),
            level->isEnabled()};
}

void SelectionPanel::showVtChoice(const vantor::VtChoice& choice) {
    const bool chosen = choice.chosen();
    mmButton->hide();
    drawIcon(fuelIcon, shownFuelIcon, vantor::IconBlank);
    selectItem(box(Selector::Part1), 0);
    selectItem(box(Selector::Part2), 0);
    showNoItemText(box(Selector::Level1), NotAvailable);
    showNoItemText(box(Selector::Level2), NotAvailable);
    // The level selectors keep their enabled state until a part is picked.
    for (Selector s : {Selector::Fuel, Selector::Part1, Selector::Part2})
        box(s)->setEnabled(chosen);
    QComboBox* fuel = box(Selector::Fuel);
    fuel->clear();
    fuel->addItems(choice.fuelItems);
    showNoItemText(fuel, QStringLiteral("Fuel"));
    for (WeaponKind kind : {WeaponKind::Main, WeaponKind::Sub})
        for (int slot = 1; slot <= 3; ++slot) {
            const vantor::WeaponSelectorChoice& s =
                (kind == WeaponKind::Main ? choice.main : choice.sub)[slot - 1];
            QComboBox* selector = weaponBox(kind, slot);
            fillSelector(selector, s.items, s.tips);
            if (s.index >= 0)
                selectItem(selector, s.index);
            selector->setEnabled(chosen && !s.fixed);
        }
    mmButton->setVisible(choice.mmLoaded);
}

void SelectionPanel::drawIcon(QLabel* image, int& shown, int picture) {
    if (partIcon(picture).isNull() || shown == picture)
        return;
    showIcon(image, picture);
    shown = picture;
}

void SelectionPanel::showFuelIcon(int picture) {
    drawIcon(fuelIcon, shownFuelIcon, picture);
}

void SelectionPanel::showPartIcon(int slot, int picture) {
    drawIcon(partIcons[slot - 1], shownPartIcons[slot - 1], picture);
}

void SelectionPanel::showLevel(int slot, const QString& text, bool enabled) {
    QComboBox* level = box(levelSelector(slot));
    showNoItemText(level, text);
    level->setEnabled(enabled && box(partSelector(slot))->isEnabled());
}

void SelectionPanel::showFixedWeaponButtons(const std::array<bool, 4>& visible) {
    for (std::size_t i = 0; i < visible.size(); ++i)
        fixedWeaponButtons[i]->setVisible(visible[i]);
}

void SelectionPanel::showMmLaunched() {
    mmButton->hide();
    // The selector keeps the MM as its current item, so "?" still shows it.
    box(Selector::Sub2)->setEditText(QStringLiteral("MM Launched"));
}

SelectionPanel::State SelectionPanel::state() const {
    State s;
    for (Selector selector : vantor::AllSelectors) {
        const QComboBox* c = box(selector);
        SelectorState& out = s.selectors[vantor::selectorIndex(selector)];
        out.items.reserve(c->count());
        for (int item = 0; item < c->count(); ++item) {
            out.items << c->itemText(item);
            out.tips << c->itemData(item, OwnTipRole).toString();
        }
        out.index = c->currentIndex();
        out.text = c->currentText();
        out.enabled = c->isEnabled();
    }
    s.fuelIcon = shownFuelIcon;
    s.partIcons = shownPartIcons;
    for (std::size_t i = 0; i < fixedWeaponButtons.size(); ++i)
        s.fixedWeaponButtons[i] = !fixedWeaponButtons[i]->isHidden();
    s.mmButton = !mmButton->isHidden();
    return s;
}

void SelectionPanel::setState(const State& s) {
    for (Selector selector : vantor::AllSelectors) {
        QComboBox* c = box(selector);
        const SelectorState& in = s.selectors[vantor::selectorIndex(selector)];
        bool sameItems = c->count() == in.items.size();
        for (int item = 0; sameItems && item < c->count(); ++item)
            sameItems = c->itemText(item) == in.items[item] &&
                        c->itemData(item, OwnTipRole).toString() == in.tips.value(item);
        if (!sameItems)
            fillSelector(c, in.items, in.tips);
        // An index of -1 clears the text, so the text comes after it. What
        // is already shown is not set again: it would be painted again.
        if (!sameItems || c->currentIndex() != in.index)
            c->setCurrentIndex(in.index);
        if (c->currentText() != in.text)
            c->setEditText(in.text);
        c->setEnabled(in.enabled);
    }
    const auto restoreIcon = [](QLabel* image, int& shown, int picture) {
        if (shown == picture)
            return;
        showIcon(image, picture);
        shown = picture;
    };
    restoreIcon(fuelIcon, shownFuelIcon, s.fuelIcon);
    restoreIcon(partIcons[0], shownPartIcons[0], s.partIcons[0]);
    restoreIcon(partIcons[1], shownPartIcons[1], s.partIcons[1]);
    showFixedWeaponButtons(s.fixedWeaponButtons);
    mmButton->setVisible(s.mmButton);
}

QList<QWidget*> SelectionPanel::tabOrder() const {
    return {box(Selector::Vt),
            box(Selector::Fuel),
            box(Selector::Part1),
            box(Selector::Level1),
            box(Selector::Part2),
            box(Selector::Level2),
            box(Selector::Main1),
            box(Selector::Main2),
            fixedWeaponButtons[0],
            box(Selector::Main3),
            box(Selector::Sub1),
            fixedWeaponButtons[1],
            mmButton,
            box(Selector::Sub2),
            fixedWeaponButtons[2],
            box(Selector::Sub3),
            fixedWeaponButtons[3]};
}

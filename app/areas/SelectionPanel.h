#pragma once

// The left-hand selection groups: the VT, its fuel tanks, two optional parts
// with their levels and six weapons, with the part and fuel icons, the "?"
// buttons of fixed weapons and the MM launch button. It announces each pick
// with a signal and shows what the handlers give it.

#include "core/Preview.h"
#include "core/Selector.h"
#include "core/VtChoice.h"
#include "equipment/IconRules.h"
#include "reports/LoadoutText.h"
#include "weapons/WeaponCatalogue.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <array>
#include <functional>
#include <vector>

class HandlerGuard;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;
class SelectorBox;

class SelectionPanel : public QObject {
    Q_OBJECT

public:
    // What a selector shows: its items with their tips, the current item, the
    // text in its field (an item's, typed, or a text of the program's such as
    // "Fuel") and whether it can be used.
    struct SelectorState {
        QStringList items;
        QStringList tips; // one per item, empty where an item has none
        int index = -1;
        QString text;
        bool enabled = false;
        friend bool operator==(const SelectorState&, const SelectorState&) = default;
    };
    struct State {
        std::array<SelectorState, vantor::SelectorCount> selectors; // by selectorIndex()
        // Pictures in the fuel and part icons; -1 for none yet.
        int fuelIcon = -1;
        std::array<int, 2> partIcons{-1, -1};
        std::array<bool, 4> fixedWeaponButtons{}; // MW2, SW1, SW2, SW3
        bool mmButton = false;
        friend bool operator==(const State&, const State&) = default;
    };

    SelectionPanel(QWidget* parent, HandlerGuard& guard, QObject* owner);

    // The selected item of each selector, -1 for text that is no item.
    int vt() const;
    int fuel() const;
    int part(int slot) const;  // slot 1 or 2
    int level(int slot) const; // slot 1 or 2
    int weapon(vantor::WeaponKind kind, int slot) const;
    // The item a weapon selector holds, also under typed text or "MM Launched".
    int heldWeapon(vantor::WeaponKind kind, int slot) const;
    QString weaponItemText(vantor::WeaponKind kind, int slot, int item) const;
    // Whether the selector shows one of its items rather than other text.
    bool holdsPick(vantor::Selector selector) const;
    // Puts an item in a selector, as a pick would, but runs no handler.
    void select(vantor::Selector selector, int item);
    // Hands every loadout selector to `route`, which lets its keys reach the
    // window's commands.
    void routeKeysThrough(const std::function<void(QComboBox*)>& route);
    // What the icon rules need to know of a part slot.
    vantor::SlotFacts partFacts(int slot) const;
    // What a pick's steps read of the selectors.
    vantor::SelectorFacts pickFacts() const;
    int itemCount(vantor::Selector selector) const;
    // How many items each weapon selector holds (MW1..MW3, SW1..SW3) and
    // which of them are locked on a fixed weapon.
    std::array<int, 6> weaponItemCounts() const;
    std::array<bool, 6> fixedWeaponSlots() const;
    // The loadout as the selectors hold it, as the picks that would rebuild
    // it: NotPicked where a selector shows text that is no item.
    vantor::LoadoutPicks currentPicks() const;

    // What each item of `selector` would do if picked, shown while its list
    // is open (one preview per item).
    void showPreviews(vantor::Selector selector, const std::vector<vantor::PickPreview>& previews);
    // Asks again for the previews of the list that is open, if any.
    void refreshOpenPreviews();

    void showVtChoice(const vantor::VtChoice& choice);
    void showFuelIcon(int picture);
    void showPartIcon(int slot, int picture);
    void showLevel(int slot, const QString& text, bool enabled);
    void showFixedWeaponButtons(const std::array<bool, 4>& visible);
    void showMmLaunched();

    State state() const;
    void setState(const State& state);
    // Notes what the selectors show once a handler has ended: the state
    // before the user's next pick, which changes its selector first.
    void settle() { settled = state(); }
    const State& settledState() const { return settled; }

    QList<QWidget*> tabOrder() const;

signals:
    void vtPicked();
    void fuelPicked();
    void partPicked(int slot);
    void levelPicked(int slot);
    void weaponPicked(vantor::WeaponKind kind, int slot);
    void fixedWeaponAsked(vantor::WeaponKind kind, int slot);
    void mmLaunchClicked();
    // A selector's list has opened: its items want their previews.
    void previewsWanted(vantor::Selector selector);

private:
    void buildVtAndFuel(QWidget* parent);
    void buildParts(QWidget* parent);
    void buildWeapons(QWidget* parent);
    void connectPicks(HandlerGuard& guard);
    void installItemPreviews();
    SelectorBox* box(vantor::Selector selector) const {
        return selectors[vantor::selectorIndex(selector)];
    }
    SelectorBox* weaponBox(vantor::WeaponKind kind, int slot) const;
    void drawIcon(QLabel* image, int& shown, int picture);

    std::array<SelectorBox*, vantor::SelectorCount> selectors{};
    QLabel* fuelIcon = nullptr;
    std::array<QLabel*, 2> partIcons{};
    int shownFuelIcon = -1;
    std::array<int, 2> shownPartIcons{-1, -1};
    // MW2, SW1, SW2, SW3: the slots that may hold a fixed weapon.
    std::array<QPushButton*, 4> fixedWeaponButtons{};
    QPushButton* mmButton = nullptr;
    State settled;
};

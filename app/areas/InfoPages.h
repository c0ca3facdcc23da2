#pragma once

// The information pages of the advanced area: the last chosen weapon with its
// figures and description, the last chosen optional part with its
// availability and description, and the miscellaneous page, which holds the
// icon key and, a button away, the intel on the VT's faction with its flag.

#include "app/areas/Pages.h"
#include "model/VtCatalogue.h"

#include <QList>
#include <QObject>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <array>
#include <functional>
#include <optional>

class HandlerGuard;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace vantor {
struct PartInfo;
struct WeaponInfo;
} // namespace vantor

class InfoPages : public QObject {
    Q_OBJECT

public:
    struct WeaponPage {
        QString name;
        std::array<QString, 5> figures; // damage, range, ammunition, magazines, guided
        QString weight;
        QString description;
        friend bool operator==(const WeaponPage&, const WeaponPage&) = default;
    };
    struct PartPage {
        QString name, bonus, amount;
        std::array<QString, 3> levels;
        QString unit, description;
        friend bool operator==(const PartPage&, const PartPage&) = default;
    };
    struct State {
        WeaponPage weapon;
        PartPage part;
        std::optional<vantor::Faction> faction; // whose flag and intel the page holds
        friend bool operator==(const State& a, const State& b);
    };

    // The size of the faction flag.
    static constexpr QSize FlagSize{115, 75};

    // The pages' left-hand groups will go into `groups`, their panels into
    // `panels`; nothing is built until build() or the first page shown.
    InfoPages(QWidget* groups, QWidget* panels, HandlerGuard& guard, QObject* owner);
    void build();
    bool built() const { return weaponGroup != nullptr; }

    void showWeapon(const vantor::WeaponInfo& info);
    // A part's bonus and amount; nothing leaves a label as it is.
    void showPartBonus(const std::optional<QString>& bonus, const std::optional<QString>& amount);
    void showPart(const vantor::PartInfo& info);
    void showFaction(vantor::Faction faction, const QPixmap& flag);

    const State& state() const { return current; }
    // The state holds whose flag shows, not its pixels: should it be another
    // faction's, `flagOf` gives that flag.
    void setState(const State& state, const std::function<QPixmap(vantor::Faction)>& flagOf);

    void hidePages(Page except);
    void showPage(Page page);

    QList<QWidget*> weaponAndPartTabOrder() const;
    QList<QWidget*> miscTabOrder() const;

private:
    void buildWeaponPage(QWidget* groups, QWidget* panels);
    void buildPartsPage(QWidget* groups, QWidget* panels);
    void buildMiscPage(QWidget* groups, QWidget* panels);
    void renderWeapon();
    void renderPart();
    void renderFlag();
    void toggleFactionIntel();
    void showFactionIntel();

    State current;
    QPixmap flag;                              // the faction's flag; null: none
    std::optional<vantor::Faction> shownIntel; // whose intel the text box holds
    QWidget* groups;
    QWidget* panels;
    HandlerGuard& guard;

    QGroupBox* weaponGroup = nullptr;
    QFrame* weaponPanel = nullptr;
    QPlainTextEdit* weaponText = nullptr;
    QLabel* weaponName = nullptr;
    std::array<QLabel*, 5> weaponFigures{};
    QLabel* weaponWeight = nullptr;

    QGroupBox* partGroup = nullptr;
    QFrame* partPanel = nullptr;
    QPlainTextEdit* partText = nullptr;
    QLabel* partName = nullptr;
    QLabel* partBonus = nullptr;
    QLabel* partAmount = nullptr;
    std::array<QLabel*, 3> partLevels{};
    QLabel* partUnit = nullptr;

    QGroupBox* iconKeyGroup = nullptr;
    QListWidget* iconKey = nullptr;
    QGroupBox* intelGroup = nullptr; // MiscGroup
    QPlainTextEdit* intelText = nullptr;
    QFrame* factionPanel = nullptr;
    QPushButton* factionButton = nullptr;
    QLabel* flagImage = nullptr;
};

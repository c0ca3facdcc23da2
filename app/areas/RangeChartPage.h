#pragma once

// The weapon range chart page: a bar for each weapon slot's range and one for
// a comparison weapon over a distance scale, and the VT's distance modifiers
// drawn as an outline around it. The page keeps what it shows as values (the
// bars that are on, the outline) and draws its components from them.

#include "app/areas/Pages.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class HandlerGuard;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class ToggleButton;
class QWidget;

class RangeChartPage : public QObject {
    Q_OBJECT

public:
    // The range of a weapon slot in metres.
    struct Range {
        std::int32_t min = 0, max = 0;
        friend bool operator==(const Range&, const Range&) = default;
    };
    // What the outline was drawn for.
    struct Outline {
        int vt = -1;
        bool armour = false;
        friend bool operator==(const Outline&, const Outline&) = default;
    };
    struct State {
        std::array<Range, 6> ranges;              // MW1..MW3, SW1..SW3
        std::array<QString, 6> captions;          // the slots' buttons
        std::array<std::optional<QRect>, 7> bars; // MW1..MW3, comparison, SW1..SW3; on where set
        int compareIndex = 0;                     // the comparison selector's item
        QString compareText;                      // and the text it shows
        int vt = -1;                              // whose modifiers the outline shows
        bool armour = false;                      // Advanced Armour in either part slot
        std::optional<Outline> outline;           // drawn where set
        bool chartFromFile = false;               // the chart read from disk, else the built-in one
        friend bool operator==(const State&, const State&) = default;
    };

    // The size of the chart picture.
    static constexpr QSize ChartSize{498, 136};

    // The page's group will go into `groups`, its panel into `panels`; nothing
    // is built until build() or the page is first shown. `loadChart` reads the
    // chart picture from disk, or gives a null image after reporting why.
    RangeChartPage(QWidget* groups, QWidget* panels, HandlerGuard& guard,
                   std::function<QImage()> loadChart, QObject* owner);
    void build();
    bool built() const { return group != nullptr; }

    // The slots' ranges as the loadout holds them; bars already on stay as drawn.
    void setRanges(const std::array<Range, 6>& ranges);
    void setCaptions(const std::array<QString, 6>& captions);
    // A new weapon in slot button `button` (0-5): its bar goes off, its button
    // takes the weapon's name.
    void setSlotWeapon(int button, const QString& caption);
    void setVt(int vt);
    // The outline, if on, is drawn again for the new armour.
    void setArmour(bool armour);
    void allOn();
    void allOff();

    const State& state() const { return current; }
    void setState(const State& state);

    void hidePages(Page except);
    void showPage(Page page);
    QList<QWidget*> tabOrder() const;
    // The comparison-weapon selector once built, else nothing.
    QComboBox* comparisonSelector() const { return compareSelect; }

private:
    void toggleBar(int button);
    void compareWeaponPicked();
    void toggleOutline();
    void render();
    void renderBars();
    void renderOutline();
    void describeChart();
    const QImage& chart();

    State current;
    std::function<QImage()> loadChart;
    QWidget* groups;
    QWidget* panels;
    HandlerGuard& guard;
    QImage builtInChart;
    QImage fileChart;                                             // Images/Range.bmp, read once
    std::optional<std::pair<bool, std::optional<Outline>>> drawn; // what the picture shows

    QGroupBox* group = nullptr;
    QFrame* panel = nullptr;
    QLabel* picture = nullptr;
    std::array<QLabel*, 7> bars{};
    std::array<QLabel*, 4> modifierLabels{}; // front, side, rear, shield
    std::array<ToggleButton*, 6> buttons{};
    QPushButton* allOnButton = nullptr;
    QPushButton* allOffButton = nullptr;
    QComboBox* compareSelect = nullptr;
    ToggleButton* outlineButton = nullptr;
};

#pragma once

// The five result views of the upper right, of which one shows at a time:
// the load data, the statistics, the rankings, the gauges and the VT's
// picture. They show what a recomputation derives; the view buttons switch
// between them.

#include "model/LoadoutDisplay.h"

#include <QColor>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <array>
#include <functional>
#include <optional>

class HandlerGuard;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;
class TCGauge;
class ToggleButton;

class ResultViews : public QObject {
    Q_OBJECT

public:
    struct State {
        std::optional<vantor::LoadoutDisplay> display; // nothing: "N/A" throughout
        int pictureVt = -1;                            // whose picture shows; -1: none
        bool enabled = false;                          // the view buttons
        QString generation;                            // empty: "N/A"
        QString faction;                               // empty: "N/A"
        QColor factionColour;
        friend bool operator==(const State& a, const State& b);
    };

    // The size of the VT picture.
    static constexpr QSize PictureSize{248, 242};

    // Builds the view buttons, the picture and the load data; the other
    // views follow with buildHiddenViews(), or when first shown.
    ResultViews(QWidget* parent, HandlerGuard& guard, QObject* owner);
    void buildHiddenViews();

    void show(const vantor::LoadoutDisplay& display);
    // The picture of VT `vt`; a null picture (or -1) shows none.
    void showPicture(int vt, const QPixmap& picture);
    void setButtonsEnabled(bool enabled);
    void showVtOrigin(const QString& generation, const QString& faction, const QColor& colour);

    const State& state() const { return current; }
    // The state holds which VT's picture shows, not its pixels: should it be
    // another VT's, `pictureOf` gives that picture.
    void setState(const State& state, const std::function<QPixmap(int vt)>& pictureOf);

    QList<QWidget*> tabOrder() const;
    // The load status, which tool windows leave in sight.
    QLabel* statusLabel() const { return status; }

private:
    void buildLoadoutGroup(QWidget* parent);
    void buildStatsGroup(QWidget* parent);
    void buildRankGroup(QWidget* parent);
    void buildGraphGroup(QWidget* parent);
    void showView(int view);
    void renderFigures();
    void renderOrigin();

    State current;
    std::array<ToggleButton*, 5> buttons{};
    std::array<QWidget*, 5> views{};
    QLabel* picture = nullptr;
    QLabel* status = nullptr; // Label9
    std::array<QLabel*, vantor::ValueLabelCount> values{};
    std::array<QLabel*, vantor::RankCount> ranks{};
    std::array<TCGauge*, vantor::GaugeCount> gauges{};
    QLabel* generation = nullptr;
    QLabel* faction = nullptr;
};

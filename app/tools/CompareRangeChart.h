#pragma once

// The pinned and the current loadout's range bars on one distance axis, under
// the comparison's table, with a distance marker that the mouse and the arrow
// keys move. The chart keeps the two loadouts and the marker as values; the
// geometry and the marker's text come from rangechart/ComparedRanges.h and
// the paint event only draws. A screen reader hears the marker as a slider:
// its value is the distance, and its text (read again at every move) says
// the distance in metres and what reaches it; its description lists the bars.

#include "rangechart/ComparedRanges.h"

#include <QWidget>

#include <optional>

class CompareRangeChart : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int marker READ marker WRITE setMarker)

public:
    // Left and Right move the marker by the small step, with Shift by the
    // large one; Page Up and Page Down by a page.
    static constexpr int SmallStep = 10;
    static constexpr int LargeStep = 100;
    static constexpr int PageStep = 500;

    explicit CompareRangeChart(QWidget* parent = nullptr);

    // Without a pinned loadout only the current one's bars are drawn.
    void setLoadouts(const std::optional<vantor::LoadoutRanges>& pinned,
                     const vantor::LoadoutRanges& current);
    // In metres, held to the axis.
    void setMarker(int metres);
    int marker() const { return metres; }

    const vantor::ComparedLayout& geometry() const { return layoutNow; }
    QString markerText() const;
    QString rangesText() const;

    QSize sizeHint() const override { return layoutNow.size; }
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void relayout();
    void markerChanged();

    std::optional<vantor::LoadoutRanges> pinned;
    vantor::LoadoutRanges current;
    int metres = 0;
    QString toldText; // the marker's text as a screen reader last heard it
    int labelWidth = 0;
    vantor::ComparedLayout layoutNow;
};

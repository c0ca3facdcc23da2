#pragma once

// The window's two-state buttons (the views, the pages, the range bars): on
// is drawn flat and off raised, as the window has always drawn them, and on
// is also the button's checked state, so that a screen reader tells which is
// on and hears it change.

#include <QPushButton>

class QStyleOptionButton;

class ToggleButton : public QPushButton {
    Q_OBJECT

public:
    ToggleButton(const QString& caption, QWidget* parent);

    // Flat and checked, or raised and unchecked.
    void setOn(bool on);
    bool isOn() const { return isChecked(); }

protected:
    // What a click turns on is the area's business, not the button's.
    void nextCheckState() override {}
    // Drawn by its flatness alone, as before it could be checked.
    void initStyleOption(QStyleOptionButton* option) const override;
};

// A toggle button placed as makeButton() places a button.
ToggleButton* makeToggleButton(QWidget* parent, const char* name, const QString& caption,
                               QRect rect);

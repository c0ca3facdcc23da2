#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

// Sets one colour of a component's palette. A palette change makes Qt
// polish and repaint the component, so an unchanged colour is left alone.
inline void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    if (widget->palette().color(role) == colour)
        return;
    QPalette p = widget->palette();
    p.setColor(role, colour);
    widget->setPalette(p);
}

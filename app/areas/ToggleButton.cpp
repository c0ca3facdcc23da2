#include "app/areas/ToggleButton.h"

#include <QStyleOptionButton>

ToggleButton::ToggleButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setCheckable(true);
}

void ToggleButton::setOn(bool on) {
    setFlat(on);
    // Checking sends the screen reader its state change.
    setChecked(on);
}

void ToggleButton::initStyleOption(QStyleOptionButton* option) const {
    QPushButton::initStyleOption(option);
    option->state &= ~QStyle::State_On;
}

ToggleButton* makeToggleButton(QWidget* parent, const char* name, const QString& caption,
                               QRect rect) {
    auto* b = new ToggleButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(rect);
    b->setAutoDefault(false);
    return b;
}

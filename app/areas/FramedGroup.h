#pragma once

#include <QGroupBox>
#include <QPixmap>

// A group box that draws its frame and title once and keeps the picture:
// whenever a component inside it changes, the part of the group behind it is
// painted again, and the style's frame and title cost more to draw than most
// components do.
class FramedGroup final : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QPixmap drawn;
    QString drawnTitle;
};

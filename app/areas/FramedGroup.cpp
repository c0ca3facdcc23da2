#include "app/areas/FramedGroup.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

void FramedGroup::paintEvent(QPaintEvent* event) {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (drawn.size() != pixels || drawn.devicePixelRatio() != ratio || drawnTitle != title()) {
        drawnTitle = title();
        drawn = QPixmap(pixels);
        drawn.setDevicePixelRatio(ratio);
        drawn.fill(palette().color(backgroundRole()));
        QStylePainter painter(&drawn, this);
        QStyleOptionGroupBox option;
        initStyleOption(&option);
        painter.drawComplexControl(QStyle::CC_GroupBox, option);
    }
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawPixmap(area, drawn,
                       QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio));
}

void FramedGroup::changeEvent(QEvent* event) {
    // What the frame and title look like follows these.
    switch (event->type()) {
    case QEvent::EnabledChange:
    case QEvent::FontChange:
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
    case QEvent::LayoutDirectionChange:
        drawn = QPixmap();
        break;
    default:
        break;
    }
    QGroupBox::changeEvent(event);
}

#include "app/areas/PartIcons.h"

#include "app/areas/Widgets.h"
#include "app/desktop/ResourcePictures.h"

#include <QPixmapCache>
#include <QString>

QPixmap partIcon(int picture) {
    if (picture < 0 || picture >= PartIconCount)
        return {};
    const QString resource = QStringLiteral(":/art/op%1.png").arg(picture, 2, 10, QLatin1Char('0'));
    QPixmap icon;
    if (!QPixmapCache::find(resource, &icon)) {
        icon = QPixmap::fromImage(builtInImage(resource));
        QPixmapCache::insert(resource, icon);
    }
    return icon;
}

#include "app/PictureCache.h"

#include <QFileInfo>
#include <QImageReader>

PictureCache::Picture PictureCache::load(const QString& file) {
    const QFileInfo info(file);
    if (!info.isFile()) {
        entries.remove(file);
        return {{}, QStringLiteral("File not found")};
    }
    const auto found = entries.constFind(file);
    if (found != entries.cend() && found->modified == info.lastModified() &&
        found->size == info.size())
        return {found->pixmap, {}};

    QImageReader reader(file);
    const QImage image = reader.read();
    if (image.isNull()) {
        entries.remove(file);
        return {{}, reader.errorString()};
    }
    Entry entry{info.lastModified(), info.size(), QPixmap::fromImage(image)};
    entries.insert(file, entry);
    return {entry.pixmap, {}};
}

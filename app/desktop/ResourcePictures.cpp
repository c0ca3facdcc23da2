#include "app/desktop/ResourcePictures.h"

#include <QFileInfo>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace {

// Reading a picture costs the start of the program more than building a
// widget, and a desktop may never ask for most of an icon's sizes.
class ResourceIconEngine final : public QIconEngine {
public:
    ResourceIconEngine(QString pattern, QList<int> sizes)
        : pattern(std::move(pattern)), sizes(std::move(sizes)), pictures(this->sizes.size()) {}

    QIconEngine* clone() const override { return new ResourceIconEngine(*this); }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> available;
        for (int size : sizes)
            available << QSize(size, size);
        return available;
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min({size.width(), size.height(), sizes.last()});
        return QSize(side, side);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        // The smallest picture at least as large, else the largest.
        const int wanted = std::max(size.width(), size.height());
        qsizetype i = 0;
        while (i + 1 < sizes.size() && sizes[i] < wanted)
            ++i;
        if (pictures[i].isNull())
            pictures[i] = QPixmap::fromImage(
                builtInImage(sizes.size() > 1 ? pattern.arg(sizes[i]) : pattern));
        const QPixmap& picture = pictures[i];
        return picture.size() == size
                   ? picture
                   : picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        QPixmap picture = pixmap(rect.size() * ratio, mode, state);
        picture.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, picture);
    }

private:
    QString pattern;
    QList<int> sizes;
    QList<QPixmap> pictures;
};

} // namespace

QImage builtInImage(const QString& resource) {
    // Where it may detect a picture's format, Qt first loads every image
    // plugin installed to ask whether it would read the picture instead of
    // Qt's own reader; these pictures are known to be what their names say.
    QImageReader reader(resource, QFileInfo(resource).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QIcon resourceIcon(const QString& pattern, const QList<int>& sizes) {
    return QIcon(new ResourceIconEngine(pattern, sizes));
}

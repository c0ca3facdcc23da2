#include "app/PictureCache.h"

#include <QFile>
#include <QImageReader>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString NotRegular = QStringLiteral("Not a regular file");

PictureCache::Stamp stampOf(const struct stat& st) {
    return {qint64(st.st_dev), qint64(st.st_ino), qint64(st.st_size),
            qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

// What stat() tells of `file`: nothing when it cannot say.
std::optional<PictureCache::Stamp> stampOf(const QByteArray& file) {
    struct stat st {};
    if (::stat(file.constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return stampOf(st);
}

// The picture in `file` for a box of `box` pixels; `stamp` notes the file as read.
PictureCache::Image readRegularFile(const QString& file, QSize box, PictureCache::Stamp& stamp) {
    const QByteArray name = QFile::encodeName(file);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0)
        return {{}, qt_error_string(errno)};
    if (!S_ISREG(st.st_mode))
        return {{}, NotRegular};
    // Opened without waiting and checked once more, should the file have been
    // swapped for a special one in between.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return {{}, qt_error_string(errno)};
    QFile device;
    if (!device.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {{}, device.errorString()};
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return {{}, NotRegular};
    stamp = stampOf(st);

    QImageReader reader(&device);
    // The header gives the size; a format that does not is checked once decoded.
    const auto tooLarge = [box](QSize size) {
        return size.width() > PictureCache::LargestScale * box.width() ||
               size.height() > PictureCache::LargestScale * box.height();
    };
    const auto refusal = [box](QSize size) {
        return QStringLiteral("%1 x %2 pixels is far larger than the %3 x %4 it is shown at")
            .arg(size.width())
            .arg(size.height())
            .arg(box.width())
            .arg(box.height());
    };
    if (tooLarge(reader.size()))
        return {{}, refusal(reader.size())};
    const QImage image = reader.read();
    if (image.isNull())
        return {{}, reader.errorString()};
    if (tooLarge(image.size()))
        return {{}, refusal(image.size())};
    return {image, {}};
}

} // namespace

PictureCache::Image PictureCache::read(const QString& file, QSize box) {
    Stamp stamp;
    return readRegularFile(file, box, stamp);
}

PictureCache::Picture PictureCache::load(const QString& file, QSize box) {
    const auto stamp = stampOf(QFile::encodeName(file));
    const auto found = entries.find(file);
    if (found != entries.end() && stamp == found->stamp) {
        found->lastUse = ++uses;
        return {found->pixmap, {}};
    }
    if (found != entries.end()) {
        keptBytes -= found->bytes;
        entries.erase(found);
    }

    Entry entry;
    const Image read = readRegularFile(file, box, entry.stamp);
    if (read.image.isNull())
        return {{}, read.error};
    entry.bytes = read.image.sizeInBytes();
    // The pictures used longest ago go first.
    while (!entries.isEmpty() && (entries.size() >= Kept || keptBytes + entry.bytes > KeptBytes)) {
        const auto oldest =
            std::min_element(entries.begin(), entries.end(),
                             [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; });
        keptBytes -= oldest->bytes;
        entries.erase(oldest);
    }
    entry.pixmap = QPixmap::fromImage(read.image);
    entry.lastUse = ++uses;
    keptBytes += entry.bytes;
    entries.insert(file, entry);
    return {entry.pixmap, {}};
}

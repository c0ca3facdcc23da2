#include "app/desktop/FileAccess.h"

#include <QDir>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileStamp stampOf(const struct stat& st) {
    return {qint64(st.st_dev), qint64(st.st_ino), qint64(st.st_size),
            qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

} // namespace

std::optional<FileStamp> regularFileStamp(const QString& file) {
    struct stat st {};
    if (::stat(QFile::encodeName(file).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return stampOf(st);
}

OpenedFile openRegularFile(const QString& file) {
    const QByteArray name = QFile::encodeName(file);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0)
        return {nullptr, {}, qt_error_string(errno)};
    if (!S_ISREG(st.st_mode))
        return {nullptr, {}, QString::fromLatin1(NotRegularFile)};
    // Opened without waiting and checked once more, should the file have been
    // swapped for a special one in between.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return {nullptr, {}, qt_error_string(errno)};
    auto device = std::make_unique<QFile>();
    if (!device->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {nullptr, {}, device->errorString()};
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return {nullptr, {}, QString::fromLatin1(NotRegularFile)};
    return {std::move(device), stampOf(st), {}};
}

QString makeOneFolder(const QString& path) {
    if (::mkdir(QFile::encodeName(path).constData(), 0777) != 0 && errno != EEXIST)
        return qt_error_string(errno);
    return {};
}

void shareFolder(const QString& shipped, const QString& shared) {
    QFile::link(shipped, shared);
}

// Replacing a file whole on Linux and other POSIX systems: everything is done
// relative to the open folder, so only the file's own name inside it is
// looked at, created or replaced, and the data reaches the disk (fsync)
// before the name changes.

#include "reports/FileReplace.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantor {

namespace {

// A file descriptor, closed when it goes out of scope unless closed before.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd(fd) {}
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd; }
    // Closes now; a delayed write error may only show here. Returns errno or 0.
    int close() {
        const int result = ::close(fd);
        fd = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd;
};

// Writes every byte, going on after partial writes; returns errno or 0.
int writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        data += written;
        left -= written;
    }
    return 0;
}

// Writes `bytes` into a new file `name` in `folder` and puts it on the disk;
// a `mode` other than 0 replaces the one the file is made with. Returns errno
// or 0; on failure nothing of the new file is left.
int writeNewFile(int folder, const QByteArray& name, mode_t mode, const QByteArray& bytes) {
    // O_EXCL and O_NOFOLLOW: the file is made here and now, never reached
    // through a link someone placed under that name.
    Descriptor file(::openat(folder, name.constData(),
                             O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode_t(0666)));
    if (file.get() < 0)
        return errno;
    int error = 0;
    if (mode != 0 && ::fchmod(file.get(), mode) != 0)
        error = errno;
    if (error == 0)
        error = writeAll(file.get(), bytes);
    if (error == 0 && ::fsync(file.get()) != 0)
        error = errno;
    if (error == 0)
        error = file.close();
    if (error != 0)
        ::unlinkat(folder, name.constData(), 0);
    return error;
}

qsizetype encodedSize(const QString& name) {
    return QFile::encodeName(name).size();
}

} // namespace

QString systemErrorText(unsigned long code) {
    return qt_error_string(int(code));
}

QString replaceWholeFile(const QString& path, const QByteArray& bytes, QRandomGenerator& names) {
    const QFileInfo info(path);
    const QByteArray name = QFile::encodeName(info.fileName());
    // Everything below is relative to the folder, so only the file's own name
    // inside it is looked at, created or replaced.
    Descriptor folder(::open(QFile::encodeName(info.absolutePath()).constData(),
                             O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() < 0)
        return qt_error_string(errno);

    struct stat existing {};
    mode_t mode = 0; // of a new file: as the user's file mode creation mask gives
    if (::fstatat(folder.get(), name.constData(), &existing, AT_SYMLINK_NOFOLLOW) == 0) {
        if (S_ISLNK(existing.st_mode))
            return QStringLiteral("it is a symbolic link, which is not followed");
        if (!S_ISREG(existing.st_mode))
            return QStringLiteral("it is not a regular file");
        // Checked by its permission bits so that a protected file stays
        // untouched even for a user (such as root) whom the system would let through.
        if (!(existing.st_mode & S_IWUSR))
            return QStringLiteral("the file is write-protected");
        mode = existing.st_mode & 0777;
    } else if (errno != ENOENT) {
        return qt_error_string(errno);
    }

    // The new file goes into a hidden file beside the old one first; renaming
    // it over the old one then replaces the name alone, even should a link
    // have taken its place meanwhile. The system's reasons for a failure
    // ("No space left on device") reach the message as they are.
    // The folder's file system says how long a name may be (255 bytes on most).
    const long longest = ::fpathconf(folder.get(), _PC_NAME_MAX);
    QByteArray temporary;
    int error = EEXIST;
    for (int attempt = 0; error == EEXIST && attempt < 100; ++attempt) {
        temporary = QFile::encodeName(
            temporaryName(info.fileName(), names, longest > 0 ? longest : 255, encodedSize));
        error = writeNewFile(folder.get(), temporary, mode, bytes);
    }
    if (error == 0 &&
        ::renameat(folder.get(), temporary.constData(), folder.get(), name.constData()) != 0) {
        error = errno;
        ::unlinkat(folder.get(), temporary.constData(), 0);
    }
    if (error != 0)
        return qt_error_string(error);
    // The file is in place; syncing the folder only makes its new name last
    // through a power cut, so a failure here is no failure of the save.
    ::fsync(folder.get());
    return {};
}

} // namespace vantor

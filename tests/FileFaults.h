#pragma once

// What the tests do to the file system to make a save or a read fail, each in
// its system's own way. Where a system has no such thing (a named pipe among
// a folder's files on Windows, a file size limit per process), the helper
// answers false and the row skips, saying why.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace filefaults {

#ifdef Q_OS_WIN
inline constexpr bool OnWindows = true;
#else
inline constexpr bool OnWindows = false;
#endif

// The system's own words for a reason: Linux's, or on Windows the system's
// message for the error code `windows` (Wine words some differently).
inline QString systemText(const char* linux, unsigned long windows) {
#ifdef Q_OS_WIN
    Q_UNUSED(linux);
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                       FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, windows, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    QString message = QString::fromWCharArray(text).trimmed();
    LocalFree(text);
    while (message.endsWith(QLatin1Char('.')))
        message.chop(1);
    return message;
#else
    Q_UNUSED(windows);
    return QString::fromUtf8(linux);
#endif
}

inline constexpr char NoSymbolicLinks[] =
    "no symbolic link could be made (Windows makes them in developer mode only; Wine 8 not at all)";

// A symbolic link `link` to `target`, whether or not the target exists; false
// where none can be made (a row then skips with NoSymbolicLinks). On Windows
// a true symbolic link: a shortcut would be an ordinary file.
inline bool makeSymbolicLink(const QString& target, const QString& link) {
#ifdef Q_OS_WIN
    const DWORD flags = SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE |
                        (QFileInfo(target).isDir() ? SYMBOLIC_LINK_FLAG_DIRECTORY : 0);
    const auto* name = reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(link).utf16());
    CreateSymbolicLinkW(
        name, reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(target).utf16()), flags);
    // Wine 8 answers success and makes nothing: only a link that is there counts.
    const DWORD made = GetFileAttributesW(name);
    return made != INVALID_FILE_ATTRIBUTES && (made & FILE_ATTRIBUTE_REPARSE_POINT);
#else
    return QFile::link(target, link);
#endif
}

inline constexpr char NoNamedPipes[] = "Windows keeps no named pipes among a folder's files";

// A named pipe at `path`, which blocks whoever opens it to read.
inline bool makeNamedPipe(const QString& path) {
#ifdef Q_OS_WIN
    Q_UNUSED(path);
    return false;
#else
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
#endif
}

// Whether the test runs as root, whom permission bits do not hold back.
inline bool isSuperUser() {
#ifdef Q_OS_WIN
    return false;
#else
    return ::geteuid() == 0;
#endif
}

// An empty in-memory file system of `size` ("64k") mounted on the folder
// `path`, read-only if asked; false where it cannot be (mounting needs root,
// and Windows mounts no such thing). unmount() takes it away again.
inline bool mountSmallFileSystem(const QString& path, bool readOnly, const char* size) {
#ifdef Q_OS_WIN
    Q_UNUSED(path);
    Q_UNUSED(readOnly);
    Q_UNUSED(size);
    return false;
#else
    return ::mount("tmpfs", QFile::encodeName(path).constData(), "tmpfs", readOnly ? MS_RDONLY : 0,
                   QByteArray("size=").append(size).constData()) == 0;
#endif
}

inline void unmount(const QString& path) {
#ifdef Q_OS_WIN
    Q_UNUSED(path);
#else
    ::umount2(QFile::encodeName(path).constData(), MNT_DETACH);
#endif
}

inline constexpr char NoFileSizeLimit[] = "Windows limits no file's size for one process";

// While it lives, no file this process writes grows past `bytes`: a write
// past it fails part way, as on a full disk. active() is false where the
// system has no such limit.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes) {
#ifdef Q_OS_WIN
        Q_UNUSED(bytes);
#else
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &before);
        const rlimit limit{rlim_t(bytes), before.rlim_max};
        set = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
#endif
    }
    ~FileSizeLimit() {
#ifndef Q_OS_WIN
        if (set)
            ::setrlimit(RLIMIT_FSIZE, &before);
#endif
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool active() const {
        return set;
    }

private:
    bool set = false;
#ifndef Q_OS_WIN
    rlimit before{};
#endif
};

// Ends the test after `seconds` should it hang on a file (0: no longer).
// Windows has no alarm; QtTest's own limit of five minutes a function holds.
inline void watchdog(unsigned seconds) {
#ifdef Q_OS_WIN
    Q_UNUSED(seconds);
#else
    ::alarm(seconds);
#endif
}

} // namespace filefaults

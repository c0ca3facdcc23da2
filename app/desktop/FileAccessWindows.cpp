#include "app/desktop/FileAccess.h"

#include "reports/FileReplace.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace {

std::optional<FileStamp> stampOf(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::nullopt;
    const auto join = [](DWORD high, DWORD low) { return (qint64(high) << 32) | qint64(low); };
    // The last write in 100-nanosecond steps.
    return FileStamp{
        qint64(info.dwVolumeSerialNumber), join(info.nFileIndexHigh, info.nFileIndexLow),
        join(info.nFileSizeHigh, info.nFileSizeLow),
        join(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime) * 100};
}

// Opens `file` to read its data or only its attributes; shared with any writer,
// as Linux would let one.
HANDLE openHandle(const QString& file, DWORD access) {
    return CreateFileW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(file).utf16()),
                       access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

std::optional<FileStamp> regularFileStamp(const QString& file) {
    const HANDLE handle = openHandle(file, FILE_READ_ATTRIBUTES);
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    const auto stamp = GetFileType(handle) == FILE_TYPE_DISK ? stampOf(handle) : std::nullopt;
    CloseHandle(handle);
    return stamp;
}

// Windows keeps no named pipes or devices among the files of a folder, but a
// device name ("COM1", "NUL") reaches one anywhere: it is no disk file.
OpenedFile openRegularFile(const QString& file) {
    const HANDLE handle = openHandle(file, GENERIC_READ);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_ACCESS_DENIED && QFileInfo(file).isDir())
            return {nullptr, {}, QString::fromLatin1(NotRegularFile)};
        return {nullptr, {}, vantor::systemErrorText(error)};
    }
    const auto stamp = GetFileType(handle) == FILE_TYPE_DISK ? stampOf(handle) : std::nullopt;
    if (!stamp) {
        CloseHandle(handle);
        return {nullptr, {}, QString::fromLatin1(NotRegularFile)};
    }
    auto device = std::make_unique<QFile>();
    // QFile reads through a C library descriptor of the handle.
    const int fd = _open_osfhandle(intptr_t(handle), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        CloseHandle(handle);
        return {nullptr, {}, QStringLiteral("the file cannot be read")};
    }
    if (!device->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        _close(fd);
        return {nullptr, {}, device->errorString()};
    }
    return {std::move(device), *stamp, {}};
}

QString makeOneFolder(const QString& path) {
    const std::wstring name = QDir::toNativeSeparators(path).toStdWString();
    if (!CreateDirectoryW(name.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        return vantor::systemErrorText(GetLastError());
    return {};
}

void shareFolder(const QString& shipped, const QString& shared) {
    if (!QDir().mkpath(shared))
        return;
    const QDir from(shipped);
    for (const QString& name : from.entryList(QDir::Files))
        QFile::copy(from.filePath(name), QDir(shared).filePath(name));
}

// Replacing a file whole on Windows: the bytes go into a new file beside the
// old one (CREATE_NEW: made here and now, never reached through a link),
// reach the disk (FlushFileBuffers), and MoveFileEx then puts the new file in
// the old one's place, which replaces the name alone, as rename does on Linux.

#include "reports/FileReplace.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <windows.h>

#include <string>

namespace vantor {

// FormatMessage, as qt_error_string reads a few Windows codes as C library ones.
QString systemErrorText(unsigned long error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    QString reason = length > 0 ? QString::fromWCharArray(text, int(length)).trimmed()
                                : QStringLiteral("system error %1").arg(error);
    LocalFree(text);
    while (reason.endsWith(QLatin1Char('.')))
        reason.chop(1);
    return reason;
}

namespace {

// The path as the wide-character functions take it, long paths included.
std::wstring systemPath(const QString& path) {
    QString native = QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    if (native.startsWith(QLatin1String("\\\\")))
        native = QStringLiteral("\\\\?\\UNC\\") + native.mid(2);
    else
        native = QStringLiteral("\\\\?\\") + native;
    return native.toStdWString();
}

class Handle {
public:
    explicit Handle(HANDLE handle) : handle(handle) {}
    ~Handle() {
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    HANDLE get() const { return handle; }
    // Closes now; returns the error, or 0.
    DWORD close() {
        const BOOL closed = CloseHandle(handle);
        handle = INVALID_HANDLE_VALUE;
        return closed ? 0 : GetLastError();
    }

private:
    HANDLE handle;
};

// Writes `bytes` into the new file `path` and puts them on the disk. Returns
// the error, or 0; on failure nothing of the new file is left.
DWORD writeNewFile(const std::wstring& path, const QByteArray& bytes) {
    Handle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE)
        return GetLastError();
    DWORD error = 0;
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (error == 0 && left > 0) {
        DWORD written = 0;
        const DWORD chunk = DWORD(qMin<qsizetype>(left, 1 << 30));
        if (!WriteFile(file.get(), data, chunk, &written, nullptr))
            error = GetLastError();
        data += written;
        left -= written;
    }
    if (error == 0 && !FlushFileBuffers(file.get()))
        error = GetLastError();
    if (error == 0)
        error = file.close();
    if (error != 0) {
        if (file.get() != INVALID_HANDLE_VALUE)
            file.close();
        DeleteFileW(path.c_str());
    }
    return error;
}

qsizetype utf16Units(const QString& name) {
    return name.size();
}

} // namespace

QString replaceWholeFile(const QString& path, const QByteArray& bytes, QRandomGenerator& names) {
    const QFileInfo info(path);
    const std::wstring target = systemPath(path);
    const DWORD folder = GetFileAttributesW(systemPath(info.absolutePath()).c_str());
    if (folder == INVALID_FILE_ATTRIBUTES)
        return systemErrorText(GetLastError());
    if (!(folder & FILE_ATTRIBUTE_DIRECTORY))
        return systemErrorText(ERROR_DIRECTORY);

    // A link (symbolic link or junction) is a reparse point: refused, so that
    // saving never writes where the name points.
    const DWORD existing = GetFileAttributesW(target.c_str());
    if (existing != INVALID_FILE_ATTRIBUTES) {
        if (existing & FILE_ATTRIBUTE_REPARSE_POINT)
            return QStringLiteral("it is a symbolic link, which is not followed");
        if (existing & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE))
            return QStringLiteral("it is not a regular file");
        if (existing & FILE_ATTRIBUTE_READONLY)
            return QStringLiteral("the file is write-protected");
    } else if (const DWORD error = GetLastError(); error != ERROR_FILE_NOT_FOUND) {
        return systemErrorText(error);
    }

    // NTFS and FAT take names of up to 255 UTF-16 units.
    std::wstring temporary;
    DWORD error = ERROR_FILE_EXISTS;
    for (int attempt = 0;
         (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) && attempt < 100;
         ++attempt) {
        temporary = systemPath(
            info.absoluteDir().filePath(temporaryName(info.fileName(), names, 255, utf16Units)));
        error = writeNewFile(temporary, bytes);
    }
    if (error == 0 && !MoveFileExW(temporary.c_str(), target.c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = GetLastError();
        DeleteFileW(temporary.c_str());
    }
    if (error != 0)
        return systemErrorText(error);
    return {};
}

} // namespace vantor

#pragma once

// The few things about files that Linux and Windows do differently, each
// behind one function: FileAccessPosix.cpp and FileAccessWindows.cpp.

#include <QFile>
#include <QString>

#include <memory>
#include <optional>

// When and as what a file was seen, to tell whether it changed since.
struct FileStamp {
    qint64 device = -1;
    qint64 inode = -1;
    qint64 size = -1;
    qint64 modified = -1; // nanoseconds
    bool operator==(const FileStamp&) const = default;
};

// The stamp of a regular file; nothing when it is missing or no regular file.
std::optional<FileStamp> regularFileStamp(const QString& file);

// A regular file opened for reading, or why it could not be.
struct OpenedFile {
    std::unique_ptr<QFile> device; // null on failure
    FileStamp stamp;
    QString error;
};
// Opens `file` for reading if it is a regular file, without ever waiting on a
// special one (a named pipe), and stamps it as opened.
OpenedFile openRegularFile(const QString& file);
// The reason openRegularFile gives for anything but a regular file.
inline const char* const NotRegularFile = "Not a regular file";

// Makes the one folder `path` (the folder above it exists); an empty text
// when it is made or there, else the system's reason.
QString makeOneFolder(const QString& path);

// Lets the folder `shared` show the files of `shipped`: a symbolic link on
// Linux; on Windows, where making one needs rights a user may lack, a copy of
// its files.
void shareFolder(const QString& shipped, const QString& shared);

#pragma once

#include <QByteArray>
#include <QString>

class QRandomGenerator;

namespace vantor {

// Replaces the regular file `path` (or makes it) with `bytes` as one step:
// the bytes go into a hidden temporary file beside it, reach the disk, and
// then take the file's name, so a failure leaves the old file exactly as it
// was and nothing else behind. A symbolic link or anything but a regular file
// under that name is refused, never followed, and a write-protected file is
// left alone. Returns an empty text on success, else the reason for the user.
// One implementation per system: FileReplacePosix.cpp, FileReplaceWindows.cpp.
QString replaceWholeFile(const QString& path, const QByteArray& bytes, QRandomGenerator& names);

// The system's own words for the error `code` (errno on Linux, GetLastError()
// on Windows), without a closing full stop: the messages add their own.
QString systemErrorText(unsigned long code);

// The temporary file's name for a file named `name`: ".name.x", x drawn from
// `names`, with only as much of `name` as keeps it within `longest` units of
// `unitsOf` (the file system's limit on a name: bytes on Linux, UTF-16 units
// on Windows), so that every name the system takes can be saved.
QString temporaryName(const QString& name, QRandomGenerator& names, qsizetype longest,
                      qsizetype (*unitsOf)(const QString&));

} // namespace vantor

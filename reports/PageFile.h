#pragma once

#include <QByteArray>
#include <QString>

class QRandomGenerator;

#include <optional>

namespace vantor {

// Writes the page text to `path`, replacing the file only once everything is
// written and on the disk, so a failure (a full disk among them) leaves the
// previous page exactly as it was. Only a regular file of that name inside its
// folder is ever replaced: a symbolic link or any other kind of file there is
// refused, never followed, and a file that is write-protected is left alone.
// Returns nothing on success, else a message for the user that names the file
// and the reason.
std::optional<QString> writePageFile(const QString& path, const QString& text);
// As above, the hidden temporary file's name drawn from `names`.
std::optional<QString> writePageFile(const QString& path, const QString& text,
                                     QRandomGenerator& names);

// The message of a page that could not be saved to `path`, for `reason`.
QString pageFailure(const QString& path, const QString& reason);

// As writePageFile, for any file's bytes: `what` names the file in the
// message ("The picture could not be saved to ...").
std::optional<QString> writeWholeFile(const QString& path, const QByteArray& bytes,
                                      const QString& what);
std::optional<QString> writeWholeFile(const QString& path, const QByteArray& bytes,
                                      const QString& what, QRandomGenerator& names);

// The message of a file (`what`: "page", "picture") that could not be saved
// to `path`, for `reason`.
QString saveFailure(const QString& what, const QString& path, const QString& reason);

} // namespace vantor

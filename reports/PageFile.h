#pragma once

#include <QString>

#include <optional>

namespace vantor {

// Writes the page text to `path`, replacing the file only once everything is
// written, so a failure never leaves a half-written page behind. A file that
// is write-protected is left alone. Returns nothing on success, else a message
// for the user that names the file and the reason.
std::optional<QString> writePageFile(const QString& path, const QString& text);

} // namespace vantor

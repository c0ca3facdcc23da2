#include "reports/PageFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace vantor {

namespace {

QString failure(const QString& path, const QString& reason) {
    return QStringLiteral("The page could not be saved to \"%1\": %2.")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

std::optional<QString> writePageFile(const QString& path, const QString& text) {
    // Checked by its permission bits so that a protected page stays untouched
    // even for a user (such as root) whom the system would let through.
    const QFileInfo existing(path);
    if (existing.exists() && existing.isFile() &&
        !(existing.permissions() & QFileDevice::WriteOwner))
        return failure(path, QStringLiteral("the file is write-protected"));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(path, file.errorString());
    // The page is plain ASCII in practice; UTF-8 keeps anything the user typed
    // into the box intact, and browsers read it either way.
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failure(path, reason);
    }
    if (!file.commit())
        return failure(path, file.errorString());
    return std::nullopt;
}

} // namespace vantor

#include "reports/PageFile.h"

#include "reports/FileReplace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

namespace vantor {

QString saveFailure(const QString& what, const QString& path, const QString& reason) {
    return QStringLiteral("The %1 could not be saved to \"%2\": %3.")
        .arg(what, QDir::toNativeSeparators(path), reason);
}

QString pageFailure(const QString& path, const QString& reason) {
    return saveFailure(QStringLiteral("page"), path, reason);
}

// The page is plain ASCII in practice; UTF-8 keeps anything the user typed
// into the box intact, and browsers read it either way.
std::optional<QString> writePageFile(const QString& path, const QString& text) {
    return writeWholeFile(path, text.toUtf8(), QStringLiteral("page"));
}

std::optional<QString> writePageFile(const QString& path, const QString& text,
                                     QRandomGenerator& names) {
    return writeWholeFile(path, text.toUtf8(), QStringLiteral("page"), names);
}

std::optional<QString> writeWholeFile(const QString& path, const QByteArray& bytes,
                                      const QString& what) {
    return writeWholeFile(path, bytes, what, *QRandomGenerator::global());
}

std::optional<QString> writeWholeFile(const QString& path, const QByteArray& bytes,
                                      const QString& what, QRandomGenerator& names) {
    const QString reason = replaceWholeFile(path, bytes, names);
    if (reason.isEmpty())
        return std::nullopt;
    return saveFailure(what, path, reason);
}

} // namespace vantor

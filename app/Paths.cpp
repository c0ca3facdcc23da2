#include "app/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

QString locateDataFolder(const QString& name, const QString& workingDir,
                         const QString& programDir) {
    const QString candidates[] = {
        QDir(workingDir).filePath(name),
        QDir(programDir).filePath(name),
        QDir(programDir).filePath(QStringLiteral("../share/vantor/") + name),
    };
    for (const QString& candidate : candidates)
        if (QFileInfo(candidate).isDir())
            return QDir::cleanPath(QFileInfo(candidate).absoluteFilePath());
    // None exists: name the usual place, so a message can say what is missing.
    return QDir::cleanPath(QDir(workingDir).absoluteFilePath(name));
}

QString dataFolder(const QString& name) {
    return locateDataFolder(name, QDir::currentPath(), QCoreApplication::applicationDirPath());
}

QString dataPath(const QString& relative) {
    const QString folder = relative.section(QLatin1Char('/'), 0, 0);
    const QString rest = relative.section(QLatin1Char('/'), 1);
    return QDir(dataFolder(folder)).filePath(rest);
}

QString dataFile(const QString& folder, const QString& file) {
    return QDir(dataFolder(folder)).filePath(file);
}

QString pageFolder() {
    const QString html = dataFolder(QStringLiteral("Html"));
    const QFileInfo found(html);
    if (!found.isDir() || found.isWritable())
        return html;
    const QString own = QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                            .filePath(QStringLiteral("Html"));
    QDir().mkpath(own);
    const QString pictures = QDir(own).filePath(QStringLiteral("Images"));
    if (!QFileInfo::exists(pictures))
        QFile::link(QDir(html).filePath(QStringLiteral("Images")), pictures);
    return own;
}

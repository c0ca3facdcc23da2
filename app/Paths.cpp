#include "app/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString dataFolder(const QString& name) {
    const QFileInfo local(QDir::current().filePath(name));
    if (local.isDir())
        return local.absoluteFilePath();
    return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

QString dataPath(const QString& relative) {
    const QString folder = relative.section(QLatin1Char('/'), 0, 0);
    const QString rest = relative.section(QLatin1Char('/'), 1);
    return QDir(dataFolder(folder)).filePath(rest);
}

QString dataFile(const QString& folder, const QString& file) {
    return QDir(dataFolder(folder)).filePath(file);
}

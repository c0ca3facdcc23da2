#include "app/desktop/Paths.h"

#include "app/desktop/FileAccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString Images = QString::fromLatin1(PicturesFolder);
const QString Html = QStringLiteral("Html");

// The places a data folder may be, most local first.
QStringList candidates(const QString& name, const QString& workingDir, const QString& programDir) {
    return {QDir(workingDir).filePath(name), QDir(programDir).filePath(name),
            QDir(programDir).filePath(QStringLiteral("../share/vantor/") + name)};
}

// A folder of that name is the program's own: Images must hold the range
// chart and the first VT's picture, which every installation ships. Their
// names are enough (nothing is opened here): a broken picture in the
// program's own folder is reported when it is read.
bool isProgramFolder(const QString& name, const QString& path) {
    if (!QFileInfo(path).isDir())
        return false;
    if (name != Images)
        return true;
    const QDir dir(path);
    return QFileInfo::exists(dir.filePath(QString::fromLatin1(RangeChartName))) &&
           QFileInfo::exists(dir.filePath(vtPictureName(0)));
}

QString absolute(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// Makes `path` with the folders above it; an empty text when it is there, else
// the system's reason why the first missing folder cannot be made. (Saving
// into a folder never made would only say "No such file or directory".)
QString makeFolder(const QString& path) {
    const QString target = absolute(path);
    QStringList missing;
    for (QString folder = target; !QFileInfo::exists(folder); folder = QFileInfo(folder).path()) {
        missing.prepend(folder);
        if (QFileInfo(folder).path() == folder)
            break;
    }
    for (const QString& folder : missing)
        if (const QString reason = makeOneFolder(folder); !reason.isEmpty())
            return QStringLiteral("the folder \"%1\" cannot be made: %2")
                .arg(QDir::toNativeSeparators(folder), reason);
    if (!QFileInfo(target).isDir())
        return QStringLiteral("\"%1\" is not a folder").arg(QDir::toNativeSeparators(target));
    return {};
}

} // namespace

QString locateDataFolder(const QString& name, const QString& workingDir,
                         const QString& programDir) {
    for (const QString& candidate : candidates(name, workingDir, programDir))
        if (isProgramFolder(name, candidate))
            return absolute(candidate);
    // None is there: name the usual place, so a message can say what is missing.
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

QString locatePageFolder(const QString& workingDir, const QString& programDir,
                         const QString& userDataDir, QString* problem) {
    // Only the working directory's and the build's Html folders take the page.
    for (const QString& candidate : candidates(Html, workingDir, programDir).mid(0, 2)) {
        const QFileInfo folder(candidate);
        if (folder.isDir() && folder.isWritable())
            return absolute(candidate);
    }
    const QString own = QDir(userDataDir).filePath(Html);
    if (const QString made = makeFolder(own); !made.isEmpty() && problem)
        *problem = made;
    // The page names its pictures Images/N.jpg: a link (on Windows a copy)
    // leads to the first Html folder that holds them, normally the installed one. A link left
    // behind by a program since moved is made again.
    const QString pictures = QDir(own).filePath(Images);
    const QFileInfo link(pictures);
    if (link.isSymLink() && !link.exists())
        QFile::remove(pictures);
    if (!QFileInfo::exists(pictures)) {
        for (const QString& candidate : candidates(Html, workingDir, programDir)) {
            const QString shipped = QDir(candidate).filePath(Images);
            if (QFileInfo(shipped).isDir()) {
                shareFolder(absolute(shipped), pictures);
                break;
            }
        }
    }
    return absolute(own);
}

QString pageFolder(QString* problem) {
    return locatePageFolder(QDir::currentPath(), QCoreApplication::applicationDirPath(),
                            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                            problem);
}

QString vtPictureName(int vt) {
    return QStringLiteral("%1.bmp").arg(vt);
}

QString vtPictureFile(int vt) {
    return dataFile(QString::fromLatin1(PicturesFolder), vtPictureName(vt));
}

QString rangeChartFile() {
    return dataFile(QString::fromLatin1(PicturesFolder), QString::fromLatin1(RangeChartName));
}

#pragma once

#include <QDirIterator>
#include <QFile>
#include <QMap>

// Every path below `root` with its content or link target, to show that a
// failed save wrote nothing anywhere.
inline QMap<QString, QByteArray> fileTree(const QString& root) {
    QMap<QString, QByteArray> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        const QFileInfo info(file);
        entries[file.fileName()] = info.isSymLink() ? "-> " + info.symLinkTarget().toUtf8()
                                   : info.isFile() && file.open(QIODevice::ReadOnly)
                                       ? file.readAll()
                                       : QByteArray();
    }
    return entries;
}

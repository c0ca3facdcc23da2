#pragma once

// Pictures read from disk, kept decoded. A file is read again only when it
// changes on disk (size or modification time), so a replaced picture still
// shows and a missing one still reports its error.

#include <QDateTime>
#include <QHash>
#include <QPixmap>
#include <QString>

class PictureCache {
public:
    struct Picture {
        QPixmap pixmap; // null when the file could not be read
        QString error;  // why, for the user
    };

    Picture load(const QString& file);

private:
    struct Entry {
        QDateTime modified;
        qint64 size = -1;
        QPixmap pixmap;
    };
    QHash<QString, Entry> entries;
};

#pragma once

// Pictures read from disk. Only a regular file is opened, so a special file
// (a pipe, a device) can never block the window, and a picture far larger than
// the box that shows it is refused from its header, before it is decoded. The
// few pictures used last are kept decoded; a file is read again when it
// changes on disk (size or modification time), so a replaced picture still
// shows and a missing one still reports its error. A file that cannot be
// read is told of once per run, and again only once it has changed.

#include "app/desktop/FileAccess.h"

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

class PictureCache {
public:
    struct Picture {
        QPixmap pixmap;      // null when the file could not be read
        QString error;       // why, for the user
        bool untold = false; // an error not yet told of for the file as it is now
    };
    struct Image {
        QImage image; // null when the file could not be read
        QString error;
    };

    // The picture in `file`, for a box of `box` pixels. With `tell`, a
    // failure is marked told: the next load of the unchanged file is no
    // longer untold.
    Picture load(const QString& file, QSize box, bool tell = false);

    // Reads the picture in `file` for a box of `box` pixels, without keeping it.
    static Image read(const QString& file, QSize box);

    // A picture may be up to this many times its box's width and height.
    static constexpr int LargestScale = 4;
    // The decoded pictures kept: every VT's picture and flag as the program
    // ships them fit, so choosing a VT reads no file twice, but pictures far
    // larger than their boxes can never take the memory with them.
    static constexpr qsizetype Kept = 64;
    static constexpr qsizetype KeptBytes = 16 * 1024 * 1024;

    qsizetype count() const { return entries.size(); }
    qsizetype bytes() const { return keptBytes; }

    // When and as what a file was read, to tell whether it changed since.
    using Stamp = FileStamp;

private:
    struct Entry {
        Stamp stamp;
        QPixmap pixmap;
        qsizetype bytes = 0;
        quint64 lastUse = 0;
    };
    QHash<QString, Entry> entries;
    QHash<QString, Stamp> told; // each unreadable file, as it was when told of
    quint64 uses = 0;
    qsizetype keptBytes = 0;
};

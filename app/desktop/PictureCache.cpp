#include "app/desktop/PictureCache.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

#include <algorithm>
#include <climits>
#include <limits>
#include <optional>

namespace {

// The format a picture's name says it holds, as QImageReader names it; empty
// for a name that says no format the program reads.
QByteArray formatNamed(const QString& file) {
    const QString suffix = QFileInfo(file).suffix().toLower();
    if (suffix == QLatin1String("bmp"))
        return "bmp";
    if (suffix == QLatin1String("png"))
        return "png";
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return "jpeg";
    return {};
}

// What a BMP header declares: the picture's size and how many bytes the file
// must hold for it. Decoders fill whatever the file lacks with noise or stop
// halfway, so a file shorter than its header says is refused before.
struct BmpHeader {
    QSize size;         // rows counted whether stored top-down (a negative height) or not
    qint64 needed = 0;  // bytes the header says the file holds, at least
    bool valid = false; // false: the header itself is unreadable
    qint64 offset = 0;  // where the pixel data begins
    int rle = 0;        // 8 or 4 for run-length encoded pixels, else 0
};

// Whether run-length encoded pixels (RLE8 or RLE4, `bits` 8 or 4) end within
// `data`: at their end-of-picture mark or once every row is done, as a
// decoder stops. The header's image-size field is no guide: it may be 0 or
// wrong, and a decoder that runs out of data leaves the rest of the picture
// unwritten without an error.
bool rleComplete(const QByteArray& data, int bits, int rows) {
    const auto* p = reinterpret_cast<const uchar*>(data.constData());
    const qsizetype size = data.size();
    qsizetype at = 0;
    int row = 0;
    while (row < rows) {
        if (size - at < 2)
            return false;
        const uchar count = p[at], code = p[at + 1];
        at += 2;
        if (count != 0)
            continue; // a run of `count` pixels of one value
        if (code == 0) {
            ++row; // end of a row
        } else if (code == 1) {
            return true; // end of the picture
        } else if (code == 2) {
            if (size - at < 2)
                return false;
            row += p[at + 1]; // a jump right and down
            at += 2;
        } else {
            // `code` pixels given one by one, padded to a whole 16-bit word.
            const qsizetype bytes = bits == 4 ? (code + 1) / 2 : code;
            at += bytes + (bytes & 1);
            if (at > size)
                return false;
        }
    }
    return true;
}

BmpHeader readBmpHeader(QIODevice& device) {
    const QByteArray h = device.peek(54);
    BmpHeader header;
    if (h.size() < 26 || !h.startsWith("BM"))
        return header;
    const auto* b = reinterpret_cast<const uchar*>(h.constData());
    const qint64 offset = qFromLittleEndian<quint32>(b + 10);
    const quint32 infoSize = qFromLittleEndian<quint32>(b + 14);
    qint64 width = 0, height = 0, bits = 0, compression = 0, imageBytes = 0;
    if (infoSize == 12) {
        width = qFromLittleEndian<quint16>(b + 18);
        height = qFromLittleEndian<quint16>(b + 20);
        bits = qFromLittleEndian<quint16>(b + 24);
    } else if (infoSize >= 40 && h.size() >= 54) {
        width = qFromLittleEndian<qint32>(b + 18);
        height = qFromLittleEndian<qint32>(b + 22);
        bits = qFromLittleEndian<quint16>(b + 28);
        compression = qFromLittleEndian<quint32>(b + 30);
        imageBytes = qFromLittleEndian<quint32>(b + 34);
    } else {
        return header;
    }
    if (width <= 0 || height == 0 || width > INT_MAX || height < -qint64(INT_MAX) || bits <= 0 ||
        bits > 64)
        return header;
    height = qAbs(height);
    header.size = QSize(int(width), int(height));
    // Uncompressed rows are padded to whole 32-bit words; compressed data
    // takes what its header says. A size past any file's stays the largest.
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
    const qint64 row = (width * bits + 31) / 32 * 4; // at most 2^37
    const qint64 data = !uncompressed ? imageBytes
                        : height > (std::numeric_limits<qint64>::max() - offset) / row
                            ? std::numeric_limits<qint64>::max() - offset
                            : row * height;
    header.needed = offset + data;
    header.valid = true;
    header.offset = offset;
    // RLE8 for 8-bit pixels, RLE4 for 4-bit ones.
    if ((compression == 1 && bits == 8) || (compression == 2 && bits == 4))
        header.rle = int(bits);
    return header;
}

// Whether the file ends inside the run-length encoded pixels of a picture.
// They are read as far as a whole picture's can take (two bytes a pixel and
// four a row); one that goes on further is left to the decoder. The picture's
// size is checked against its box first, so this stays small. `device` is
// left where it was.
bool rleCutShort(QIODevice& device, const BmpHeader& header) {
    const qint64 longest = 2 * (qint64(header.size.width()) + 2) * qint64(header.size.height()) + 2;
    const qint64 start = device.pos();
    QByteArray data;
    if (device.seek(header.offset))
        data = device.read(longest);
    device.seek(start);
    return data.size() < longest && !rleComplete(data, header.rle, header.size.height());
}

QString formatName(const QByteArray& format) {
    return format == "jpeg" ? QStringLiteral("JPEG") : QString::fromLatin1(format.toUpper());
}

// The picture in `file` for a box of `box` pixels; `stamp` notes the file as read.
PictureCache::Image readRegularFile(const QString& file, QSize box, PictureCache::Stamp& stamp) {
    const OpenedFile opened = openRegularFile(file);
    if (!opened.device)
        return {{}, opened.error};
    QFile& device = *opened.device;
    stamp = opened.stamp;

    // Read as the format the name says and nothing else: guessed from the
    // content, a picture could be handed to a reader that opens other files
    // it names (SVG), past the checks above.
    const QByteArray format = formatNamed(file);
    if (format.isEmpty())
        return {{},
                QStringLiteral("its name says no picture format Vantor reads "
                               "(.bmp, .png or .jpg)")};
    QImageReader reader(&device, format);
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    if (!reader.canRead())
        return {{}, QStringLiteral("it is not a %1 picture").arg(formatName(format))};
    // The header gives the size; a format that does not is checked once decoded.
    const auto tooLarge = [box](QSize size) {
        return qAbs(size.width()) > PictureCache::LargestScale * box.width() ||
               qAbs(size.height()) > PictureCache::LargestScale * box.height();
    };
    const auto refusal = [box](QSize size) {
        return QStringLiteral("%1 x %2 pixels is far larger than the %3 x %4 it is shown at")
            .arg(qAbs(size.width()))
            .arg(qAbs(size.height()))
            .arg(box.width())
            .arg(box.height());
    };
    if (format == "bmp") {
        const BmpHeader header = readBmpHeader(device);
        if (!header.valid)
            return {{}, QStringLiteral("it is not a BMP picture")};
        if (tooLarge(header.size))
            return {{}, refusal(header.size)};
        if (header.needed > opened.stamp.size)
            return {
                {},
                QStringLiteral("it is cut short: its header promises %1 bytes, the file holds %2")
                    .arg(header.needed)
                    .arg(opened.stamp.size)};
        if (header.rle != 0 && rleCutShort(device, header))
            return {{}, QStringLiteral("it is cut short: its pixels end before the picture does")};
    }
    if (tooLarge(reader.size()))
        return {{}, refusal(reader.size())};
    const QImage image = reader.read();
    if (image.isNull())
        return {{}, reader.errorString()};
    if (tooLarge(image.size()))
        return {{}, refusal(image.size())};
    return {image, {}};
}

} // namespace

PictureCache::Image PictureCache::read(const QString& file, QSize box) {
    Stamp stamp;
    return readRegularFile(file, box, stamp);
}

PictureCache::Picture PictureCache::load(const QString& file, QSize box, bool tell) {
    const auto stamp = regularFileStamp(file);
    const auto found = entries.find(file);
    if (found != entries.end() && stamp == found->stamp) {
        found->lastUse = ++uses;
        return {found->pixmap, {}};
    }
    if (found != entries.end()) {
        keptBytes -= found->bytes;
        entries.erase(found);
    }

    Entry entry;
    const Image read = readRegularFile(file, box, entry.stamp);
    if (read.image.isNull()) {
        // A file that is missing or no regular file keeps the empty stamp.
        const auto previous = told.constFind(file);
        const bool untold = previous == told.cend() || *previous != entry.stamp;
        if (tell)
            told.insert(file, entry.stamp);
        return {{}, read.error, untold};
    }
    told.remove(file);
    entry.bytes = read.image.sizeInBytes();
    // The pictures used longest ago go first.
    while (!entries.isEmpty() && (entries.size() >= Kept || keptBytes + entry.bytes > KeptBytes)) {
        const auto oldest =
            std::min_element(entries.begin(), entries.end(),
                             [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; });
        keptBytes -= oldest->bytes;
        entries.erase(oldest);
    }
    entry.pixmap = QPixmap::fromImage(read.image);
    entry.lastUse = ++uses;
    keptBytes += entry.bytes;
    entries.insert(file, entry);
    return {entry.pixmap, {}};
}

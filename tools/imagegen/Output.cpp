// Writing the pictures to disk, and the contact sheet that shows them all.

#include "tools/imagegen/Art.h"
#include "tools/imagegen/ArtKit.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>

#include <array>

namespace vantor::art {

namespace {

constexpr std::array<Faction, 4> Factions{Faction::HaiShiDao, Faction::Jaralaccs,
                                          Faction::PacificRimForces, Faction::RightBrothers};

QString vtBitmapPath(int index) {
    return QStringLiteral("Images/%1.bmp").arg(index);
}
QString vtJpegPath(int index) {
    return QStringLiteral("Html/Images/%1.jpg").arg(index);
}
QString opIconPath(int index) {
    return QStringLiteral("op%1.png").arg(index, 2, 10, QLatin1Char('0'));
}
QString appIconPath(int size) {
    return QStringLiteral("vantor-%1.png").arg(size);
}
const QString AppIconSvgPath = QStringLiteral("vantor.svg");
const QString AppIconIcoPath = QStringLiteral("vantor.ico");

bool saveBytes(const QByteArray& bytes, const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size() || !file.flush()) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(file.fileName(), file.errorString());
        return false;
    }
    return true;
}

bool save(const QImage& image, const QString& path, const char* format, int quality,
          QString* error) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        if (error)
            *error = QStringLiteral("cannot create the folder of %1").arg(path);
        return false;
    }
    QImageWriter writer(path, format);
    if (quality >= 0)
        writer.setQuality(quality);
    if (!writer.write(image)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, writer.errorString());
        return false;
    }
    return true;
}

} // namespace

QString flagFileName(Faction faction) {
    switch (faction) {
    case Faction::HaiShiDao:
        return QStringLiteral("hsdflag.bmp");
    case Faction::Jaralaccs:
        return QStringLiteral("jarflag.bmp");
    case Faction::PacificRimForces:
        return QStringLiteral("prfflag.bmp");
    case Faction::RightBrothers:
        return QStringLiteral("rbflag.bmp");
    }
    return {};
}

QStringList programFiles() {
    QStringList files;
    for (int i = 0; i < VtCount; ++i)
        files << vtBitmapPath(i);
    for (int i = 0; i < VtCount; ++i)
        files << vtJpegPath(i);
    files << QStringLiteral("Images/Range.bmp");
    for (Faction faction : Factions)
        files << QStringLiteral("Images/") + flagFileName(faction);
    return files;
}

QStringList resourceFiles() {
    QStringList files;
    for (int i = 0; i < OpIconCount; ++i)
        files << opIconPath(i);
    files << QStringLiteral("corvane.png") << QStringLiteral("kerrow.png")
          << QStringLiteral("pellum.png");
    for (int size : AppIconSizes)
        files << appIconPath(size);
    files << AppIconSvgPath << AppIconIcoPath << QStringLiteral("Range.bmp");
    return files;
}

bool writeAll(const QString& programDir, const QString& resourceDir, QString* error) {
    const QDir bin(programDir);
    const QDir res(resourceDir);
    for (int i = 0; i < VtCount; ++i) {
        // Bitmaps are saved without alpha: 24 bits per pixel.
        const QImage picture = vtPicture(i).convertToFormat(QImage::Format_RGB888);
        if (!save(picture, bin.filePath(vtBitmapPath(i)), "bmp", -1, error) ||
            !save(picture, bin.filePath(vtJpegPath(i)), "jpg", 90, error))
            return false;
    }
    const QImage chart = rangeChart();
    if (!save(chart, bin.filePath(QStringLiteral("Images/Range.bmp")), "bmp", -1, error) ||
        !save(chart, res.filePath(QStringLiteral("Range.bmp")), "bmp", -1, error))
        return false;
    for (Faction faction : Factions) {
        const QImage flag = factionFlag(faction).convertToFormat(QImage::Format_RGB888);
        if (!save(flag, bin.filePath(QStringLiteral("Images/") + flagFileName(faction)), "bmp", -1,
                  error))
            return false;
    }
    for (int i = 0; i < OpIconCount; ++i)
        if (!save(opIcon(i), res.filePath(opIconPath(i)), "png", -1, error))
            return false;
    const std::array<std::pair<Logo, const char*>, 3> logos{{{Logo::Corvane, "corvane.png"},
                                                             {Logo::Kerrow, "kerrow.png"},
                                                             {Logo::Pellum, "pellum.png"}}};
    for (const auto& [which, name] : logos)
        if (!save(logo(which), res.filePath(QLatin1String(name)), "png", -1, error))
            return false;
    for (int size : AppIconSizes)
        if (!save(appIcon(size), res.filePath(appIconPath(size)), "png", -1, error))
            return false;
    return saveBytes(appIconSvg(), res.filePath(AppIconSvgPath), error) &&
           saveBytes(appIconIco(), res.filePath(AppIconIcoPath), error);
}

// An icon directory (reserved 0, type 1 for icons, the count), one 16-byte
// entry per picture, then the pictures as PNG, which Windows reads in icons
// since Vista. All numbers little-endian; a size of 256 is written as 0.
QByteArray appIconIco() {
    QList<QByteArray> pngs;
    for (int size : AppIconSizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        appIcon(size).save(&buffer, "png");
        pngs.append(png);
    }
    QByteArray ico;
    QDataStream out(&ico, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(pngs.size());
    quint32 offset = 6 + 16 * quint32(pngs.size());
    for (qsizetype i = 0; i < pngs.size(); ++i) {
        const quint8 side = quint8(AppIconSizes[size_t(i)] % 256);
        out << side << side << quint8(0) << quint8(0) << quint16(1) << quint16(32)
            << quint32(pngs[i].size()) << offset;
        offset += quint32(pngs[i].size());
    }
    for (const QByteArray& png : pngs)
        out.writeRawData(png.constData(), int(png.size()));
    return ico;
}

// ---- contact sheet ----------------------------------------------------------

namespace {

constexpr int SheetMargin = 16;
constexpr int CaptionHeight = 16;
const QColor SheetColour{250, 250, 248};
const QColor ButtonFace{240, 240, 240};

struct Sheet {
    QPainter& p;
    int width;
    int y = SheetMargin;

    void heading(const QString& text) {
        p.setFont(artFont(15, true));
        p.setPen(InkColour);
        p.drawText(QRectF(SheetMargin, y, width - 2 * SheetMargin, 22),
                   Qt::AlignLeft | Qt::AlignVCenter, text);
        y += 28;
    }
    void caption(int x, int top, int w, const QString& text) {
        p.setFont(artFont(10));
        p.setPen(QColor(80, 84, 92));
        p.drawText(QRectF(x - 10, top, w + 20, CaptionHeight), Qt::AlignHCenter | Qt::AlignTop,
                   text);
    }
};

} // namespace

QImage contactSheet() {
    constexpr int columns = 8;
    constexpr int gap = 10;
    const int width = 2 * SheetMargin + columns * VtPictureSize.width() + (columns - 1) * gap;
    const int vtRows = (VtCount + columns - 1) / columns;
    const int height = SheetMargin + 28 + vtRows * (VtPictureSize.height() + CaptionHeight + gap) +
                       28 + RangeChartSize.height() + CaptionHeight + gap + 28 +
                       2 * (OpIconSize.height() + CaptionHeight + gap) + 28 + AppIconSize +
                       CaptionHeight + SheetMargin;

    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(SheetColour);
    QPainter p;
    beginPainter(p, sheet);
    Sheet s{p, width};

    s.heading(QStringLiteral("VT pictures (Images/N.bmp, 248 x 242)"));
    for (int i = 0; i < VtCount; ++i) {
        const int x = SheetMargin + (i % columns) * (VtPictureSize.width() + gap);
        const int y = s.y + (i / columns) * (VtPictureSize.height() + CaptionHeight + gap);
        p.drawImage(x, y, vtPicture(i));
        s.caption(x, y + VtPictureSize.height() + 1, VtPictureSize.width(),
                  QStringLiteral("%1.bmp").arg(i));
    }
    s.y += vtRows * (VtPictureSize.height() + CaptionHeight + gap);

    s.heading(QStringLiteral("Range chart and faction flags"));
    p.drawImage(SheetMargin, s.y, rangeChart());
    s.caption(SheetMargin, s.y + RangeChartSize.height() + 1, RangeChartSize.width(),
              QStringLiteral("Range.bmp (256 colours)"));
    int x = SheetMargin + RangeChartSize.width() + 3 * gap;
    for (Faction faction : Factions) {
        p.drawImage(x, s.y, factionFlag(faction));
        s.caption(x, s.y + FlagSize.height() + 1, FlagSize.width(), flagFileName(faction));
        x += FlagSize.width() + 3 * gap;
    }
    s.y += RangeChartSize.height() + CaptionHeight + gap;

    s.heading(QStringLiteral("Optional part icons on the button face and in the list view"));
    for (int row = 0; row < 2; ++row) {
        const QColor ground = row == 0 ? ButtonFace : QColor(Qt::white);
        for (int i = 0; i < OpIconCount; ++i) {
            const int ix = SheetMargin + i * (OpIconSize.width() + gap + 3);
            p.fillRect(QRect(QPoint(ix, s.y), OpIconSize), ground);
            p.drawImage(ix, s.y, opIcon(i));
            s.caption(ix, s.y + OpIconSize.height() + 1, OpIconSize.width(),
                      QStringLiteral("op%1").arg(i, 2, 10, QLatin1Char('0')));
        }
        s.y += OpIconSize.height() + CaptionHeight + gap;
    }

    s.heading(QStringLiteral("Link logos and application icon"));
    x = SheetMargin;
    const std::array<std::pair<Logo, const char*>, 3> logos{
        {{Logo::Corvane, "corvane"}, {Logo::Kerrow, "kerrow"}, {Logo::Pellum, "pellum"}}};
    for (const auto& [which, name] : logos) {
        // Shown as on the 30 x 30 button.
        p.fillRect(QRect(x, s.y, 30, 30), ButtonFace);
        p.setPen(QColor(160, 160, 160));
        p.drawRect(QRect(x, s.y, 29, 29));
        p.drawImage(x + 2, s.y + 2, logo(which));
        s.caption(x, s.y + 31, 30, QLatin1String(name));
        x += 30 + 4 * gap;
    }
    for (int size : AppIconSizes) {
        p.drawImage(x, s.y, appIcon(size));
        s.caption(x, s.y + size + 1, size, QString::number(size));
        x += size + 3 * gap;
    }
    p.end();
    return sheet;
}

} // namespace vantor::art

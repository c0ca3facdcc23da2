// Peak memory of a long session of VT choices: every choice reads the VT's
// picture and is a step of the undo history. The history keeps which picture
// a step showed, not its pixels, so however many steps are kept, the decoded
// pictures are only those the picture cache keeps.
//
//   vantor_picture_memory make DIR      writes DIR/Images: the program's own
//                                       pictures, but every VT picture replaced
//                                       by one of 990 x 968 pixels
//   vantor_picture_memory run [DIR] [N] makes N VT choices (default 700), over
//                                       all 31 VTs in turn, with DIR as the
//                                       working directory (default: the
//                                       shipped pictures beside the program),
//                                       and prints the peak resident memory
//
// bench/picture_memory.sh runs both, each in a process of its own.

#include "app/desktop/Appearance.h"
#include "model/VtCatalogue.h"
#include "tests/window/WindowTest.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>

#include <cstdio>
#include <sys/resource.h>

namespace {

// The largest VT picture the program accepts: four times its box, about.
constexpr QSize Large(990, 968);

int makePictures(const QString& root) {
    const QDir shipped(QCoreApplication::applicationDirPath() + QStringLiteral("/Images"));
    const QDir target(root + QStringLiteral("/Images"));
    if (!QDir().mkpath(target.path()))
        return std::fprintf(stderr, "cannot make %s\n", qPrintable(target.path())), 1;
    for (const QString& file : shipped.entryList(QDir::Files))
        QFile::copy(shipped.filePath(file), target.filePath(file));
    QRandomGenerator rng(31);
    for (int vt = 0; vt < vantor::VtCount; ++vt) {
        // Noise, so no two pictures are alike.
        QImage picture(Large, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y) {
            auto* line = reinterpret_cast<quint32*>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x)
                line[x] = rng.generate() | 0xff000000u;
        }
        const QString file = target.filePath(QStringLiteral("%1.bmp").arg(vt));
        QFile::remove(file);
        if (!picture.save(file, "BMP"))
            return std::fprintf(stderr, "cannot write %s\n", qPrintable(file)), 1;
    }
    return 0;
}

long peakKilobytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

int runSession(const QString& root, int choices) {
    if (!root.isEmpty() && !QDir::setCurrent(root))
        return std::fprintf(stderr, "no folder %s\n", qPrintable(root)), 1;
    applyVantorAppearance(*qApp);
    Window w;
    const long start = peakKilobytes();
    for (int i = 0; i < choices; ++i)
        w.pick("VTSelect", i % vantor::VtCount);
    QCoreApplication::processEvents();
    std::printf("%d choices, %s pictures: peak resident memory %.1f MB (%.1f MB once shown), "
                "%lld messages\n",
                choices, root.isEmpty() ? "shipped" : "990 x 968", peakKilobytes() / 1024.0,
                start / 1024.0, static_cast<long long>(w.platform->errors.size()));
    return w.platform->errors.isEmpty() ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 3 && args[1] == QLatin1String("make"))
        return makePictures(args[2]);
    if (args.size() >= 2 && args[1] == QLatin1String("run"))
        return runSession(args.value(2), args.size() >= 4 ? args[3].toInt() : 700);
    std::fprintf(stderr, "usage: %s make DIR | run [DIR] [CHOICES]\n", qPrintable(args[0]));
    return 2;
}

// vantor_imagegen: draws the program's pictures.
//
//   vantor_imagegen <program-dir> [--resources <dir>]
//       writes Images/ and Html/Images/ below <program-dir> and the embedded
//       pictures below <dir> (default <program-dir>/art)
//   vantor_imagegen --contact-sheet <file.png>
//       writes one sheet showing every picture at real size

#include "tools/imagegen/Art.h"

#include <QDir>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

namespace {

int usage() {
    std::fputs("usage: vantor_imagegen <program-dir> [--resources <dir>]\n"
               "       vantor_imagegen --contact-sheet <file.png>\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    // Drawing needs no display; the offscreen platform also keeps the fonts
    // and therefore the pixels the same on every machine.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);

    if (args.size() == 2 && args[0] == QLatin1String("--contact-sheet")) {
        const QImage sheet = vantor::art::contactSheet();
        if (!sheet.save(args[1], "png")) {
            std::fprintf(stderr, "vantor_imagegen: cannot write %s\n", qPrintable(args[1]));
            return 1;
        }
        return 0;
    }

    QString programDir;
    QString resourceDir;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--resources") && i + 1 < args.size())
            resourceDir = args[++i];
        else if (programDir.isEmpty() && !args[i].startsWith(QLatin1Char('-')))
            programDir = args[i];
        else
            return usage();
    }
    if (programDir.isEmpty())
        return usage();
    if (resourceDir.isEmpty())
        resourceDir = QDir(programDir).filePath(QStringLiteral("art"));

    QString error;
    if (!vantor::art::writeAll(programDir, resourceDir, &error)) {
        std::fprintf(stderr, "vantor_imagegen: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}

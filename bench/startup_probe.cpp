// The program's start-up, step for step as its main() does it, ending after
// the first paint of the window; see FirstPaint.h for what it prints. It is a
// separate program so that the real one needs no switch to be measured.

#include "FirstPaint.h"

#include "app/desktop/Appearance.h"
#include "app/window/TVantor.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[]) {
    const auto mainStart = std::chrono::steady_clock::now();
    QApplication app(argc, argv);
    prepareVantorApplication(app);
    TVantor window;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    bench::FirstPaint probe(&window, mainStart);
    window.show();
    return QApplication::exec();
}

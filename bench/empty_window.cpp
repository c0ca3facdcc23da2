// The yardstick for start-up and memory: a minimal Qt Widgets program, built
// with the same Qt and flags as the program, that opens one empty window of
// the program's size and exits after its first paint.

#include "FirstPaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    const auto mainStart = std::chrono::steady_clock::now();
    QApplication app(argc, argv);
    QWidget window;
    // The size of the program's window as it opens, so both paint as many pixels.
    window.resize(704, 296);
    bench::FirstPaint probe(&window, mainStart);
    window.show();
    return QApplication::exec();
}

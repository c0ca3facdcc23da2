// The floor for start-up and memory: a Qt Widgets window of the program's
// size with one label in the program's font, so that the font system is
// loaded as in any window with text, and nothing else.

#include "FirstPaint.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    const auto mainStart = std::chrono::steady_clock::now();
    QApplication app(argc, argv);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    QApplication::setFont(font);
    QWidget window;
    window.resize(704, 296);
    QLabel label(QStringLiteral("Vertical Tank Selection"), &window);
    label.move(16, 40);
    bench::FirstPaint probe(&window, mainStart);
    window.show();
    return QApplication::exec();
}

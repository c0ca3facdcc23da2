// For context: a Qt Widgets window of the program's size holding about as
// many plain widgets as the program builds (labels, buttons, group boxes and
// 15 editable drop-downs), in the program's font, without any logic.

#include "FirstPaint.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

int main(int argc, char* argv[]) {
    const auto mainStart = std::chrono::steady_clock::now();
    QApplication app(argc, argv);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    QApplication::setFont(font);
    QWidget window;
    window.resize(704, 296);
    // 10 groups of 20 labels, 60 buttons, 15 drop-downs: about 300 widgets.
    for (int g = 0; g < 10; ++g) {
        auto* group = new QGroupBox(QStringLiteral("Group %1").arg(g), &window);
        group->setGeometry(5 + (g % 5) * 140, 5 + (g / 5) * 145, 135, 140);
        for (int i = 0; i < 20; ++i) {
            auto* label = new QLabel(QStringLiteral("Label %1").arg(i), group);
            label->move(4 + (i % 2) * 64, 16 + (i / 2) * 12);
        }
    }
    for (int i = 0; i < 60; ++i) {
        auto* button = new QPushButton(QStringLiteral("Button %1").arg(i), &window);
        button->setGeometry(5 + (i % 10) * 70, 250 + (i / 10) * 4, 68, 17);
    }
    for (int i = 0; i < 15; ++i) {
        auto* combo = new QComboBox(&window);
        combo->setEditable(true);
        combo->addItems({QStringLiteral("Unarmed"), QStringLiteral("140-MG")});
        combo->setGeometry(5 + (i % 5) * 140, 270 + (i / 5) * 8, 121, 21);
    }
    bench::FirstPaint probe(&window, mainStart);
    window.show();
    return QApplication::exec();
}

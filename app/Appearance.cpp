#include "app/Appearance.h"

#include <QApplication>
#include <QFont>

void applyVantorAppearance(QApplication& app) {
    QFont font;
    font.setFamilies(
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("sans-serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    QApplication::setFont(font);
    // Buttons 17 pixels high leave no room for the style's own padding.
    app.setStyleSheet(QStringLiteral("QPushButton { padding: 0px 2px; }"));
}

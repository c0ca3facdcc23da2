#include "app/Appearance.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QStyle>

namespace {

// Metric-compatible with Arial, most faithful first: Liberation Sans and
// Arimo are drawn to Arial's widths, Nimbus Sans, TeX Gyre Heros and
// FreeSans to Helvetica's, which Arial shares.
const char* const ArialMetricFamilies[] = {
    "Liberation Sans", "Nimbus Sans", "Arimo",          "Arial",    "Nimbus Sans L",
    "Helvetica",       "Albany AMT",  "TeX Gyre Heros", "FreeSans",
};

// "Nimbus Sans [UKWN]" names the family "Nimbus Sans" of one foundry.
QString withoutFoundry(const QString& family) {
    const qsizetype bracket = family.indexOf(QStringLiteral(" ["));
    return bracket < 0 ? family : family.left(bracket);
}

} // namespace

QString uiFontFamily(const QStringList& installedFamilies) {
    for (const char* wanted : ArialMetricFamilies)
        for (const QString& installed : installedFamilies)
            if (withoutFoundry(installed).compare(QLatin1String(wanted), Qt::CaseInsensitive) == 0)
                return installed;
    return QString::fromLatin1(GenericSansFamily);
}

void applyVantorAppearance(QApplication& app) {
    // A desktop's own style and palette would cut captions and put the
    // figures' fixed colours on a background they were not chosen for.
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(QApplication::style()->standardPalette());

    // The family is named exactly as installed: a list of wishes with a style
    // hint lets the font matching settle on the desktop's generic sans-serif,
    // which is wider, before a metric-compatible family.
    const QString family = uiFontFamily(QFontDatabase::families());
    QFont font(family);
    if (family == QLatin1String(GenericSansFamily))
        font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    QApplication::setFont(font);
    // Buttons 17 pixels high leave no room for the style's own padding.
    app.setStyleSheet(QStringLiteral("QPushButton { padding: 0px 2px; }"));
}

QIcon vantorIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/art/vantor-%1.png").arg(size));
    return icon;
}

void prepareVantorApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Vantor"));
    QApplication::setApplicationVersion(QStringLiteral("3.2"));
    // The desktop entry, the AppStream data and the icons share this id.
    QApplication::setDesktopFileName(QStringLiteral("net.corvane.Vantor"));
    QApplication::setWindowIcon(vantorIcon());
    applyVantorAppearance(app);
}

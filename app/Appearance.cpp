#include "app/Appearance.h"

#include "app/Components.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QPainter>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>

namespace {

// Fusion, with push buttons that leave their captions 3 pixels at each side
// and 1 at top and bottom: buttons 17 pixels high have no room for Fusion's
// own margins. (A style sheet would do the same, but it makes every widget
// of the window slower to build and to paint.)
class VantorStyle final : public QProxyStyle {
public:
    VantorStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
        if (element != CE_PushButton || !button) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        proxy()->drawControl(CE_PushButtonBevel, button, painter, widget);
        QStyleOptionButton label = *button;
        label.rect = button->rect.adjusted(3, 1, -3, -1);
        proxy()->drawControl(CE_PushButtonLabel, &label, painter, widget);
        if (button->state & State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(*button);
            focus.rect = subElementRect(SE_PushButtonFocusRect, button, widget);
            proxy()->drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
        }
    }
};

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

QStyle* vantorStyle() {
    return new VantorStyle;
}

void applyVantorAppearance(QApplication& app) {
    // A desktop's own style and palette would cut captions and put the
    // figures' fixed colours on a background they were not chosen for.
    app.setStyle(vantorStyle());
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
}

QIcon vantorIcon() {
    return resourceIcon(QStringLiteral(":/art/vantor-%1.png"), {16, 24, 32, 48, 64, 128, 256});
}

void prepareVantorApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Vantor"));
    QApplication::setApplicationVersion(QStringLiteral("3.2"));
    // The desktop entry, the AppStream data and the icons share this id.
    QApplication::setDesktopFileName(QStringLiteral("net.corvane.Vantor"));
    QApplication::setWindowIcon(vantorIcon());
    applyVantorAppearance(app);
}

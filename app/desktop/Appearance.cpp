#include "app/desktop/Appearance.h"

#include "app/Version.h"
#include "app/desktop/ResourcePictures.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QPainter>
#include <QPalette>
#include <QPointer>
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

// Where no family has Arial's widths, a narrower one still fits every
// caption; the generic sans-serif (DejaVu Sans on most Linux systems) is wider
// and cuts the longer ones.
const char* const NarrowerFamilies[] = {
    "DejaVu Sans Condensed",
    "Liberation Sans Narrow",
    "Nimbus Sans Narrow",
    "Arial Narrow",
};

// The light palette the window's fixed colours were chosen for, in every
// state: a role's colour when active or inactive, and when disabled. These are
// the colours Fusion gives on a desktop that sets none.
struct RoleColours {
    QPalette::ColorRole role;
    QRgb normal;
    QRgb disabled;
};
constexpr RoleColours LightPalette[] = {
    {QPalette::WindowText, 0xff000000, 0xffbebebe},
    {QPalette::Button, 0xffefefef, 0xffefefef},
    {QPalette::Light, 0xffffffff, 0xffffffff},
    {QPalette::Midlight, 0xffcacaca, 0xffcacaca},
    {QPalette::Dark, 0xff9f9f9f, 0xffbebebe},
    {QPalette::Mid, 0xffb8b8b8, 0xffb8b8b8},
    {QPalette::Text, 0xff000000, 0xffbebebe},
    {QPalette::BrightText, 0xffffffff, 0xffffffff},
    {QPalette::ButtonText, 0xff000000, 0xffbebebe},
    {QPalette::Base, 0xffffffff, 0xffefefef},
    {QPalette::Window, 0xffefefef, 0xffefefef},
    {QPalette::Shadow, 0xff767676, 0xffb1b1b1},
    {QPalette::Highlight, 0xff308cc6, 0xff919191},
    {QPalette::HighlightedText, 0xffffffff, 0xffffffff},
    {QPalette::Link, 0xff0000ff, 0xff0000ff},
    {QPalette::LinkVisited, 0xffff00ff, 0xffff00ff},
    {QPalette::AlternateBase, 0xfff7f7f7, 0xfff7f7f7},
    {QPalette::ToolTipBase, 0xffffffdc, 0xffffffdc},
    {QPalette::ToolTipText, 0xff000000, 0xff000000},
    {QPalette::PlaceholderText, 0x80000000, 0x80000000},
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    {QPalette::Accent, 0xff308cc6, 0xff919191},
#endif
};

// Keeps the application's font and palette as the program set them: some
// platform themes (qt6ct among them) set the desktop's font and colours on
// the application a while after start-up.
class LookKeeper final : public QObject {
public:
    LookKeeper(const QFont& font, const QPalette& palette, QObject* parent)
        : QObject(parent), font(font), palette(palette) {}

    void keep(const QFont& f, const QPalette& p) {
        font = f;
        palette = p;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == qApp && event->type() == QEvent::ApplicationFontChange &&
            QApplication::font() != font)
            QApplication::setFont(font);
        else if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange &&
                 QApplication::palette() != palette)
            QApplication::setPalette(palette);
        return false;
    }

private:
    QFont font;
    QPalette palette;
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
    for (const char* wanted : NarrowerFamilies)
        for (const QString& installed : installedFamilies)
            if (withoutFoundry(installed).compare(QLatin1String(wanted), Qt::CaseInsensitive) == 0)
                return installed;
    return QString::fromLatin1(GenericSansFamily);
}

QPalette vantorPalette() {
    QPalette palette;
    for (const RoleColours& c : LightPalette) {
        palette.setColor(QPalette::Active, c.role, QColor::fromRgba(c.normal));
        palette.setColor(QPalette::Inactive, c.role, QColor::fromRgba(c.normal));
        palette.setColor(QPalette::Disabled, c.role, QColor::fromRgba(c.disabled));
    }
    return palette;
}

void prepareVantorDesktopSettings() {
    // Without this the platform theme hands the application the desktop's
    // font and colours, at start-up or later, over the program's own.
    QGuiApplication::setDesktopSettingsAware(false);
}

QStyle* vantorStyle() {
    return new VantorStyle;
}

void applyVantorAppearance(QApplication& app) {
    // A desktop's own style and palette would cut captions and put the
    // figures' fixed colours on a background they were not chosen for.
    app.setStyle(vantorStyle());
    // The palette of the program's own: a style's standard palette follows
    // the desktop's light or dark scheme.
    const QPalette palette = vantorPalette();
    QApplication::setPalette(palette);

    // The family is named exactly as installed: a list of wishes with a style
    // hint lets the font matching settle on the desktop's generic sans-serif,
    // which is wider, before a metric-compatible family.
    const QString family = uiFontFamily(QFontDatabase::families());
    QFont font(family);
    if (family == QLatin1String(GenericSansFamily))
        font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    QApplication::setFont(font);

    static QPointer<LookKeeper> keeper;
    if (keeper) {
        keeper->keep(font, palette);
    } else {
        keeper = new LookKeeper(font, palette, &app);
        app.installEventFilter(keeper);
    }
}

QIcon vantorIcon() {
    return resourceIcon(QStringLiteral(":/art/vantor-%1.png"), {16, 24, 32, 48, 64, 128, 256});
}

void prepareVantorApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Vantor"));
    QApplication::setApplicationVersion(QString::fromLatin1(vantor::Version));
    // The desktop entry, the AppStream data and the icons share this id.
    QApplication::setDesktopFileName(QString::fromLatin1(vantor::AppId));
    QApplication::setWindowIcon(vantorIcon());
    applyVantorAppearance(app);
}

// Renders the window as a user would see it after a few picks and writes it
// to a PNG, for the README. Run from the build's bin folder:
//   vantor_screenshot <out.png> [start|closed|page|dark|catalogue] [button to click last]
// "dark" shows the page's loadout on a desktop with a dark palette: the
// palette is set before the program applies its own look, as a desktop theme
// would be, and the window is shown on that desktop's background.
// "catalogue" renders the catalogue window for the loadout, on its weapons,
// sorted by what picking each into the second main-weapon slot would load.

#include "app/desktop/Appearance.h"
#include "app/session/CatalogueModels.h"
#include "app/session/CatalogueWindow.h"
#include "app/window/TVantor.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QPainter>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>

namespace {

void pick(TVantor& window, const char* selector, const QString& item) {
    auto* combo = window.findChild<QComboBox*>(QString::fromLatin1(selector));
    const int index = combo->findText(item);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void click(TVantor& window, const char* button) {
    window.findChild<QAbstractButton*>(QString::fromLatin1(button))->click();
}

// A dark desktop theme's palette.
QPalette darkDesktopPalette() {
    QPalette dark(QColor(60, 63, 65), QColor(43, 43, 43));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(220, 220, 220));
    dark.setColor(QPalette::WindowText, QColor(220, 220, 220));
    dark.setColor(QPalette::ButtonText, QColor(220, 220, 220));
    return dark;
}

// The window on the desktop's background, with a caption in its text colour.
QImage onDesktop(const QImage& window, const QPalette& desktop) {
    constexpr int margin = 24;
    constexpr int caption = 28;
    QImage image(window.width() + 2 * margin, window.height() + 2 * margin + caption,
                 QImage::Format_RGB32);
    image.fill(desktop.color(QPalette::Window));
    QPainter p(&image);
    p.setPen(desktop.color(QPalette::WindowText));
    p.drawText(QRect(margin, margin / 2, window.width(), caption), Qt::AlignVCenter,
               QStringLiteral("Vantor on a desktop with a dark palette"));
    p.drawImage(margin, margin + caption, window);
    return image;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString mode = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("page");
    const bool darkDesktop = mode == QLatin1String("dark");
    if (darkDesktop)
        QApplication::setPalette(darkDesktopPalette());
    applyVantorAppearance(app);

    TVantor window;
    window.show();
    if (mode != QLatin1String("start")) {
        pick(window, "VTSelect", QStringLiteral("Garpike"));
        pick(window, "MWSelect1", QStringLiteral("270-AR"));
        pick(window, "MWSelect2", QStringLiteral("140-MG"));
        pick(window, "SWSelect1", QStringLiteral("AVTM"));
        pick(window, "SWSelect3", QStringLiteral("NPM"));
        pick(window, "FTSelect", QStringLiteral("1 Fuel Tank"));
        pick(window, "OPSelect1", QStringLiteral("Advanced Armour"));
    }
    if (mode == QLatin1String("page") || darkDesktop) {
        click(window, "AdvFunctionButton");
        click(window, "WeaponRangeButton");
        click(window, "RangeAllOnButton");
    }
    if (argc > 3)
        click(window, argv[3]);
    if (mode == QLatin1String("catalogue")) {
        window.findChild<QAction*>(QStringLiteral("BrowseAction"))->trigger();
        auto* catalogue = window.findChild<CatalogueWindow*>(QStringLiteral("CatalogueWindow"));
        catalogue->findChild<QTabWidget*>(QStringLiteral("CatalogueTabs"))->setCurrentIndex(1);
        catalogue->findChild<QComboBox*>(QStringLiteral("WeaponSlotSelect"))->setCurrentIndex(1);
        catalogue->findChild<QTableView*>(QStringLiteral("WeaponTable"))
            ->sortByColumn(WeaponTableModel::TotalIfPickedColumn, Qt::AscendingOrder);
        catalogue->resize(1040, 400);
        QTimer::singleShot(0, catalogue, [catalogue, out = QString::fromLocal8Bit(argv[1])] {
            catalogue->grab().toImage().save(out);
            QApplication::quit();
        });
        return QApplication::exec();
    }
    QTimer::singleShot(0, &window, [&] {
        const QImage shown = window.grab().toImage();
        (darkDesktop ? onDesktop(shown, darkDesktopPalette()) : shown)
            .save(QString::fromLocal8Bit(argv[1]));
        QApplication::quit();
    });
    return QApplication::exec();
}

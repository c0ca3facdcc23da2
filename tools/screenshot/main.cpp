// Renders the window as a user would see it after a few picks and writes it
// to a PNG, for the README. Run from the build's bin folder:
//   vantor_screenshot <out.png> [start|closed|page|dark|catalogue] [button to click last]
// "dark" shows the page's loadout on a desktop with a dark palette: the
// palette is set before the program applies its own look, as a desktop theme
// would be, and the window is shown on that desktop's background.
// "catalogue" renders the catalogue window for the loadout, on its weapons,
// sorted by what picking each into the second main-weapon slot would load.
//   vantor_screenshot guide <folder>
// renders every picture of the user guide into <folder> (docs/guide/images),
// each the same on every run: offscreen, Fusion, a font DPI of 96.

#include "app/desktop/Appearance.h"
#include "app/tools/CatalogueWindow.h"
#include "app/tools/CompareWindow.h"
#include "app/tools/FinderWindow.h"
#include "app/window/TVantor.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
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

void pickLoadout(TVantor& window) {
    pick(window, "VTSelect", QStringLiteral("Garpike"));
    pick(window, "MWSelect1", QStringLiteral("270-AR"));
    pick(window, "MWSelect2", QStringLiteral("140-MG"));
    pick(window, "SWSelect1", QStringLiteral("AVTM"));
    pick(window, "SWSelect3", QStringLiteral("NPM"));
    pick(window, "FTSelect", QStringLiteral("1 Fuel Tank"));
    pick(window, "OPSelect1", QStringLiteral("Advanced Armour"));
}

bool save(QWidget* widget, const QDir& folder, const char* name) {
    QCoreApplication::processEvents();
    const QString file = folder.filePath(QString::fromLatin1(name));
    if (widget->grab().toImage().save(file))
        return true;
    qWarning("could not write %s", qPrintable(file));
    return false;
}

// Every picture the guide shows, from one session: the window at start, the
// four result views and the pages for a loadout, the comparison, catalogue
// and finder windows, an open weapon list with its previews, and the
// loadout's picture.
int renderGuide(const QDir& folder) {
    TVantor window;
    window.show();
    bool ok = save(&window, folder, "start.png");
    pickLoadout(window);
    const std::pair<const char*, const char*> views[] = {{"LoadoutButton", "loadout.png"},
                                                         {"StatsButton", "stats.png"},
                                                         {"RankButton", "ranks.png"},
                                                         {"GraphButton", "graphs.png"}};
    for (const auto& [button, file] : views) {
        click(window, button);
        ok &= save(&window, folder, file);
    }
    click(window, "LoadoutButton");
    click(window, "AdvFunctionButton");
    // Each page, with the button that fills it where it has one.
    struct PageShot {
        const char* page;
        const char* fill;
        const char* file;
    };
    const PageShot pages[] = {
        {"WeaponPageButton", nullptr, "weapon-info.png"},
        {"WeaponRangeButton", "RangeAllOnButton", "range.png"},
        {"PartsPageButton", nullptr, "parts-info.png"},
        {"MiscPageButton", "FactionButton", "faction.png"},
        {"HtmlPageButton", "HtmlGenerateButton", "html.png"},
        {"ForumPageButton", "ForumGenerateButton", "forum.png"},
    };
    for (const PageShot& shot : pages) {
        click(window, shot.page);
        if (shot.fill)
            click(window, shot.fill);
        ok &= save(&window, folder, shot.file);
    }

    // The open list of the third main-weapon slot, each item with its preview.
    auto* list = window.findChild<QComboBox*>(QStringLiteral("MWSelect3"));
    list->showPopup();
    ok &= save(list->view()->window(), folder, "previews.png");
    list->hidePopup();

    window.findChild<QAction*>(QStringLiteral("PinAction"))->trigger();
    pick(window, "MWSelect3", QStringLiteral("270-AR"));
    pick(window, "OPSelect2", QStringLiteral("Advanced Balancer"));
    pick(window, "OPLSelect2", QStringLiteral("3"));
    auto* compare = window.findChild<CompareWindow*>(QStringLiteral("CompareWindow"));
    // Every column and row in sight: offscreen, the window keeps its first
    // size, and the small screen leaves it no room for every row.
    if (compare)
        compare->resize(compare->width() + 150, compare->sizeHint().height());
    ok &= compare && save(compare, folder, "compare.png");

    window.findChild<QAction*>(QStringLiteral("BrowseAction"))->trigger();
    auto* catalogue = window.findChild<CatalogueWindow*>(QStringLiteral("CatalogueWindow"));
    catalogue->findChild<QTabWidget*>(QStringLiteral("CatalogueTabs"))->setCurrentIndex(1);
    catalogue->findChild<QComboBox*>(QStringLiteral("WeaponSlotSelect"))->setCurrentIndex(1);
    catalogue->findChild<QTableView*>(QStringLiteral("WeaponTable"))
        ->sortByColumn(WeaponTableModel::TotalIfPickedColumn, Qt::AscendingOrder);
    catalogue->resize(1040, 400);
    ok &= save(catalogue, folder, "catalogue.png");

    // The finder on its first answer for the loadout in the window.
    window.findChild<QAction*>(QStringLiteral("FindAction"))->trigger();
    auto* finder = window.findChild<FinderWindow*>(QStringLiteral("FinderWindow"));
    if (finder)
        finder->resize(1400, 460);
    ok &= finder && save(finder, folder, "finder.png");

    // The loadout's picture as "Copy as Picture" puts it on the clipboard.
    window.findChild<QAction*>(QStringLiteral("CopyPictureAction"))->trigger();
    const QImage copied = QGuiApplication::clipboard()->image();
    ok &= !copied.isNull() && copied.save(folder.filePath(QStringLiteral("loadout-picture.png")));

    // Another Qt draws its widgets a little differently: the test compares
    // the pictures only under the Qt that rendered them.
    QFile version(folder.filePath(QStringLiteral("rendered-with-qt.txt")));
    ok &= version.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
          version.write(QByteArray(qVersion()) + '\n') > 0;
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The guide's pictures are compared with fresh renderings by a test, so
    // they are drawn at the font DPI the tests use, on any machine.
    if (argc > 1 && qstrcmp(argv[1], "guide") == 0)
        qputenv("QT_FONT_DPI", "96");
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString mode = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("page");
    const bool darkDesktop = mode == QLatin1String("dark");
    if (darkDesktop)
        QApplication::setPalette(darkDesktopPalette());
    applyVantorAppearance(app);
    if (argc > 2 && QLatin1String(argv[1]) == QLatin1String("guide"))
        return renderGuide(QDir(QString::fromLocal8Bit(argv[2])));

    TVantor window;
    window.show();
    if (mode != QLatin1String("start"))
        pickLoadout(window);
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

// Renders the window as a user would see it after a few picks and writes it
// to a PNG, for the README. Run from the build's bin folder:
//   vantor_screenshot <out.png> [start|closed|page] [button to click last]

#include "app/Appearance.h"
#include "app/TVantor.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
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

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    applyVantorAppearance(app);
    if (argc < 2)
        return 2;
    const QString mode = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("page");

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
    if (mode == QLatin1String("page")) {
        click(window, "AdvFunctionButton");
        click(window, "WeaponRangeButton");
        click(window, "RangeAllOnButton");
    }
    if (argc > 3)
        click(window, argv[3]);
    QTimer::singleShot(0, &window, [&] {
        window.grab().save(QString::fromLocal8Bit(argv[1]));
        QApplication::quit();
    });
    return QApplication::exec();
}

// Starts the application and its one window; an error that escapes start-up
// is shown before the program ends.

#include "app/desktop/Appearance.h"
#include "app/desktop/Platform.h"
#include "app/window/TVantor.h"

#include <QApplication>
#include <QScreen>

#include <cstdio>
#include <exception>

namespace {

int showStartupError(const QString& message) {
    if (QApplication::instance())
        DesktopPlatform().showError(nullptr, message);
    else
        std::fprintf(stderr, "Vantor: %s\n", qPrintable(message));
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    try {
        prepareVantorDesktopSettings();
        QApplication app(argc, argv);
        prepareVantorApplication(app);
        try {
            TVantor window;
            if (const QScreen* screen = QGuiApplication::primaryScreen())
                window.move(screen->availableGeometry().center() - window.rect().center());
            window.show();
            return QApplication::exec();
        } catch (const std::exception& e) {
            return showStartupError(QString::fromLocal8Bit(e.what()));
        } catch (...) {
            return showStartupError(QString());
        }
    } catch (const std::exception& e) {
        return showStartupError(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        return showStartupError(QString());
    }
}

#include "app/desktop/HandlerGuard.h"

#include <exception>

void HandlerGuard::run(const std::function<void()>& handler) {
    if (closed)
        return;
    ++running;
    try {
        handler();
    } catch (const std::exception& e) {
        report(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        report(QString());
    }
    if (--running > 0)
        return;
    afterEach();
    if (!pending.isEmpty()) {
        pending.removeDuplicates();
        const QString message = pending.join(QLatin1Char('\n'));
        pending.clear();
        showMessage(message);
    }
}

void HandlerGuard::report(const QString& message) {
    if (running > 0)
        pending << message;
    else
        showMessage(message);
}

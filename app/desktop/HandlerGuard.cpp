#include "app/desktop/HandlerGuard.h"

#include "app/desktop/AccessibleSteps.h"

#include <exception>
#include <optional>

void HandlerGuard::run(const std::function<void()>& handler) {
    if (closed)
        return;
    // What the action changes reaches a screen reader once, when it has ended
    // (the tool windows' refresh included), before any message shows.
    std::optional<AccessibleStep> step;
    if (running == 0)
        step.emplace();
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
    step.reset();
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

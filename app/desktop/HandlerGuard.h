#pragma once

// Every handler of the window runs inside this guard: an exception it raises
// ends only that handler, and the errors one action meets (it may miss
// several files) are shown together in one message once it ends.

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>

class HandlerGuard {
public:
    // `afterEach` runs when a handler has ended, before its message shows.
    HandlerGuard(std::function<void(const QString&)> showMessage, std::function<void()> afterEach)
        : showMessage(std::move(showMessage)), afterEach(std::move(afterEach)) {}

    void run(const std::function<void()>& handler);
    // An error met by the running handler; shown at once outside any handler.
    void report(const QString& message);
    // From now on no handler runs: the window is being taken down.
    void close() { closed = true; }

    // Connects `signal` of `sender` to `handler`, run inside the guard.
    template <typename Sender, typename Signal, typename Handler>
    void connect(Sender* sender, Signal signal, QObject* context, Handler handler) {
        QObject::connect(sender, signal, context, [this, handler] { run(handler); });
    }

private:
    std::function<void(const QString&)> showMessage;
    std::function<void()> afterEach;
    int running = 0;
    QStringList pending;
    bool closed = false;
};

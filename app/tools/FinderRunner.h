#pragma once

// Runs the finder's searches for its window and hands back only the newest
// request's answer. A search of the current VT takes a few milliseconds and
// runs at once; a search of every VT can take longer than a frame and runs on
// a worker thread, so the window never stops answering. A newer request
// cancels an older one still running, and an older answer that arrives late
// is dropped.

#include "core/Finder.h"

#include <QFutureWatcher>
#include <QList>
#include <QObject>

#include <atomic>
#include <memory>

class FinderRunner : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    // Cancels what still runs and waits for it: the workers outlive nothing,
    // and nothing they report reaches the runner once it is gone.
    ~FinderRunner() override;

    void search(const vantor::FinderRequest& request);

signals:
    // The answer to the newest request; a direct call for a quick search.
    void answered(const vantor::FinderRequest& request, const vantor::FinderAnswer& answer);

private:
    void cancelRunning();

    std::shared_ptr<std::atomic<bool>> cancelFlag;
    // One watcher per search still running, each owned by the runner.
    QList<QFutureWatcher<vantor::FinderAnswer>*> workers;
    quint64 newest = 0;
};

#include "app/tools/FinderRunner.h"

#include <QtConcurrent/QtConcurrentRun>

using vantor::FinderAnswer;
using vantor::FinderRequest;

// The answers come back through watchers, which the runner owns: a watcher
// hears of its search only on the runner's thread, and once deleted, with
// the runner, hears nothing more. (A continuation with the runner as its
// context would be run by the worker itself, which then reads and posts to a
// runner it may outlive by a moment.)
FinderRunner::~FinderRunner() {
    cancelRunning();
    for (QFutureWatcher<FinderAnswer>* worker : workers)
        worker->waitForFinished();
}

void FinderRunner::cancelRunning() {
    if (cancelFlag)
        cancelFlag->store(true);
    cancelFlag.reset();
}

void FinderRunner::search(const FinderRequest& request) {
    cancelRunning();
    const quint64 id = ++newest;
    if (request.scope == vantor::FinderScope::ThisVt) {
        emit answered(request, vantor::findLoadouts(request));
        return;
    }
    auto cancel = std::make_shared<std::atomic<bool>>(false);
    cancelFlag = cancel;
    auto* worker = new QFutureWatcher<FinderAnswer>(this);
    workers.append(worker);
    // On this object's thread; an answer to an older request is dropped.
    connect(worker, &QFutureWatcherBase::finished, this, [this, worker, id, request] {
        workers.removeOne(worker);
        worker->deleteLater();
        const QFuture<FinderAnswer> done = worker->future();
        if (id != newest || done.resultCount() == 0)
            return;
        const FinderAnswer answer = done.result();
        if (answer.cancelled)
            return;
        emit answered(request, answer);
    });
    worker->setFuture(QtConcurrent::run(
        [request, cancel] { return vantor::findLoadouts(request, cancel.get()); }));
}

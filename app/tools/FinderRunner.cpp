#include "app/tools/FinderRunner.h"

#include <QtConcurrent/QtConcurrentRun>

using vantor::FinderAnswer;
using vantor::FinderRequest;

FinderRunner::~FinderRunner() {
    cancelRunning();
    for (QFuture<FinderAnswer>& worker : workers)
        worker.waitForFinished();
}

void FinderRunner::cancelRunning() {
    if (cancelFlag)
        cancelFlag->store(true);
    cancelFlag.reset();
}

void FinderRunner::search(const FinderRequest& request) {
    cancelRunning();
    workers.removeIf([](const QFuture<FinderAnswer>& worker) { return worker.isFinished(); });
    const quint64 id = ++newest;
    if (request.scope == vantor::FinderScope::ThisVt) {
        waiting = false;
        emit answered(request, vantor::findLoadouts(request));
        return;
    }
    waiting = true;
    auto cancel = std::make_shared<std::atomic<bool>>(false);
    cancelFlag = cancel;
    QFuture<FinderAnswer> worker = QtConcurrent::run(
        [request, cancel] { return vantor::findLoadouts(request, cancel.get()); });
    workers.append(worker);
    // Back on this object's thread; an answer to an older request is dropped.
    worker.then(this, [this, id, request](const FinderAnswer& answer) {
        if (id != newest || answer.cancelled)
            return;
        waiting = false;
        emit answered(request, answer);
    });
}

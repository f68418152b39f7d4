// runoffthread.h: a call that blocks for long, run on the thread pool while the caller's
// thread keeps its events going.
#ifndef VYROKIT_RUNOFFTHREAD_H
#define VYROKIT_RUNOFFTHREAD_H

#include <QEventLoop>
#include <QFutureWatcher>
#include <QtConcurrent>

namespace vyrokit {

// Runs work on the global thread pool and returns its result once it has ended. Meanwhile the
// calling (GUI) thread runs a local event loop with flags, so windows keep painting and a
// progress dialog keeps moving; whatever work uses stays valid because the caller waits.
template <typename Work>
auto runOffThread(Work work, QEventLoop::ProcessEventsFlags flags = QEventLoop::AllEvents)
{
    using Result = decltype(work());
    QFutureWatcher<Result> watcher;
    QEventLoop loop;
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(QtConcurrent::run(std::move(work)));
    if (!watcher.isFinished())
        loop.exec(flags);
    return watcher.result();
}

} // namespace vyrokit

#endif // VYROKIT_RUNOFFTHREAD_H

// A thread that blocks in the SDK's event wait and reports each signalled event number.
#ifndef DAPPLIX_CAMERA_EVENTTHREAD_H
#define DAPPLIX_CAMERA_EVENTTHREAD_H

#include "sdk/vyro_api.h"
#include "vyrokit/eventregistration.h"

#include <QThread>
#include <QVector>
#include <atomic>

class EventThread final : public QThread
{
    Q_OBJECT
public:
    // Takes a private exit event number from the pool; throws when the pool is empty.
    explicit EventThread(QObject *parent = nullptr);
    ~EventThread() override;

    // Registers and enables the events (plus the exit event) on the handle and starts waiting.
    // Returns 0, -1 when an event could not be initialised, or the enable call's code; after a
    // failure no event stays registered.
    int start(VY_HCAM handle, const QVector<quint32> &events);
    // The longest single wait in the SDK.
    static constexpr quint32 waitSliceMs = 500;
    // Wakes the waiting thread through the exit event; it then ends.
    void stop();
    // Removes the registered events; call once the thread has ended. The owner does it, so the
    // ended thread has nothing left to do that a time-out could cut short. Starting again and
    // destruction release them too.
    void releaseEvents();

    // True from a successful start() until stop(): the thread waits for the registered events.
    // (QThread::isRunning() says whether the thread itself still runs, which lasts a little
    // longer.)
    bool isListening() const { return m_running; }

    // Occurrences of this event (0: none) are merged while one is waiting to be handled, so
    // that a receiver that falls behind finds one event, not a backlog. Set before start().
    void setLatestOnly(quint32 event) { m_latestOnly = event; }
    // True while an occurrence of that event waits to be handled.
    bool latestPending() const { return m_latestPending; }
    // Called by the receiver when it handles the merged event: the next occurrence is reported
    // again. Returns how many occurrences were merged into the one being handled.
    quint32 acknowledgeLatest();
    quint32 exitEventNumber() const { return m_exitEvent; }

signals:
    void eventhappen(uint event);

protected:
    void run() override;

private:
    Q_DISABLE_COPY(EventThread)

    VY_HCAM m_handle = 0;
    // Filled by start() before the thread runs; unregistered by the thread when it ends.
    vyrokit::EventRegistration m_registration;
    std::atomic<bool> m_running{false};
    quint32 m_latestOnly = 0;
    // Whether a merged event is reported and not yet acknowledged, and how many occurrences
    // came meanwhile; shared by the waiting thread and the receiver.
    std::atomic<bool> m_latestPending{false};
    std::atomic<quint32> m_merged{0};
    const quint32 m_exitEvent;
};

#endif // DAPPLIX_CAMERA_EVENTTHREAD_H

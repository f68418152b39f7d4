// eventthread.cpp: the waiting thread, its start and its stop.
#include "vyrokit/eventthread.h"

#include "vyrokit/eventnumberpool.h"

namespace vyrokit {

EventThread::EventThread(QObject *parent)
    : QThread(parent), m_exitEvent(EventNumberPool::instance().acquire())
{
}

EventThread::~EventThread()
{
    finish();
    EventNumberPool::instance().release(m_exitEvent);
}

int32_t EventThread::start(VY_HCAM handle, const QVector<quint32> &events)
{
    // A previous run must have released its events before the list is replaced.
    finish();
    m_handle = handle;
    std::vector<uint32_t> registered(events.cbegin(), events.cend());
    registered.push_back(m_exitEvent);
    if (const int32_t ret = m_registration.registerEvents(m_handle, registered); ret != VY_SUCCESS)
        return ret;
    m_latestPending = false;
    m_merged = 0;
    m_running = true;
    QThread::start(QThread::InheritPriority);
    return VY_SUCCESS;
}

void EventThread::stop()
{
    if (m_running.exchange(false)) {
        quint32 exit = m_exitEvent;
        vy_Event(m_handle, VY_EVENT_CMD_SET, &exit, sizeof exit);
    }
}

void EventThread::finish()
{
    stop();
    wait();
    // wait() returns through Qt's own lock, which the thread checker does not see when the thread
    // had ended already; loading the thread's last store orders its reads of the registration
    // before the removal for it as well.
    (void)m_running.load();
    m_registration.unregister();
}

void EventThread::run()
{
    std::vector<uint32_t> events = m_registration.events();
    while (m_running) {
        VY_EVENT_WAIT wait{};
        wait.events = events.data();
        wait.count = quint32(events.size());
        // The exit event ends the wait at once; should the SDK fail to signal it, the thread
        // still notices the stop within one slice.
        wait.timeoutMs = waitSliceMs;
        const int ret = vy_Event(m_handle, VY_EVENT_CMD_WAIT, &wait, sizeof wait);
        if (ret == VY_SUCCESS && m_running) {
            if (m_latestOnly != 0 && wait.signalled == m_latestOnly &&
                m_latestPending.exchange(true)) {
                ++m_merged;
                continue;
            }
            emit eventhappen(wait.signalled);
        } else if (ret != VY_SUCCESS && ret != VY_TIMED_OUT && m_running)
            msleep(50); // a wait that fails at once must not spin
    }
    m_running = false;
}

quint32 EventThread::acknowledgeLatest()
{
    // Re-armed first: an occurrence from now on is reported, one before was merged and counts.
    m_latestPending = false;
    return m_merged.exchange(0);
}

} // namespace vyrokit

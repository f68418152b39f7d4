// A thread that blocks in the SDK's event wait and reports each signalled event number.
#include "dapplix/camera/eventthread.h"

#include "dapplix/camera/eventnumberpool.h"

EventThread::EventThread(QObject *parent)
    : QThread(parent), m_exitEvent(EventNumberPool::instance().acquire())
{
}

EventThread::~EventThread()
{
    stop();
    wait();
    EventNumberPool::instance().release(m_exitEvent);
}

int EventThread::start(VY_HCAM h, const QVector<quint32> &list)
{
    // A previous run must have released its events before the list is replaced.
    stop();
    wait();
    m_handle = h;
    std::vector<uint32_t> events(list.cbegin(), list.cend());
    events.push_back(m_exitEvent);
    const int ret = m_registration.registerEvents(m_handle, events);
    if (ret != VY_SUCCESS)
        return m_registration.failedCommand() == VY_EVENT_CMD_INIT ? -1 : ret;
    m_latestPending = false;
    m_merged = 0;
    m_running = true;
    QThread::start(QThread::InheritPriority);
    return 0;
}

void EventThread::stop()
{
    if (m_running.exchange(false)) {
        quint32 exit = m_exitEvent;
        vy_Event(m_handle, VY_EVENT_CMD_SET, &exit, sizeof exit);
    }
}

void EventThread::run()
{
    std::vector<uint32_t> events = m_registration.events();
    while (m_running) {
        VY_EVENT_WAIT wait{};
        wait.events = events.data();
        wait.count = quint32(events.size());
        // The exit event ends the wait at once; should the SDK fail to signal it, the thread
        // still notices the stop within one slice, so it never has to be killed.
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

void EventThread::releaseEvents()
{
    m_registration.unregister();
}

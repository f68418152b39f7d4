// A thread that blocks in the SDK's event wait and reports each signalled event number.
#include "dapplix/camera/eventthread.h"

#include "dapplix/camera/eventnumberpool.h"

EventThread::EventThread(QObject *parent)
    : QThread(parent), exitEvent(EventNumberPool::instance().acquire())
{
}

EventThread::~EventThread()
{
    stop();
    wait();
    EventNumberPool::instance().release(exitEvent);
}

int EventThread::start(VY_HCAM h, const QVector<quint32> &list)
{
    // A previous run must have released its events before the list is replaced.
    stop();
    wait();
    handle = h;
    std::vector<uint32_t> events(list.cbegin(), list.cend());
    events.push_back(exitEvent);
    const int ret = registration.registerEvents(handle, events);
    if (ret != VY_SUCCESS)
        return registration.failedCommand() == VY_EVENT_CMD_INIT ? -1 : ret;
    running = true;
    QThread::start(QThread::InheritPriority);
    return 0;
}

void EventThread::stop()
{
    if (running.exchange(false)) {
        quint32 exit = exitEvent;
        vy_Event(handle, VY_EVENT_CMD_SET, &exit, sizeof exit);
    }
}

void EventThread::run()
{
    std::vector<uint32_t> events = registration.events();
    while (running) {
        VY_EVENT_WAIT wait{};
        wait.events = events.data();
        wait.count = quint32(events.size());
        wait.timeoutMs = VY_EVENT_INFINITE;
        const int ret = vy_Event(handle, VY_EVENT_CMD_WAIT, &wait, sizeof wait);
        if (ret == VY_SUCCESS && running)
            emit eventhappen(wait.signalled);
        else if (ret != VY_SUCCESS && ret != VY_TIMED_OUT && running)
            msleep(50); // a wait that fails at once must not spin
    }
    running = false;
    registration.unregister();
}

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
    events = list;
    events.append(exitEvent);
    for (quint32 event : qAsConst(events)) {
        VY_EVENT_INIT init{event, 0, 0};
        if (vy_Event(handle, VY_EVENT_CMD_INIT, &init, sizeof init) != VY_SUCCESS)
            return -1;
    }
    const int ret = vy_Event(handle, VY_EVENT_CMD_ENABLE, events.data(),
                             quint32(events.size() * sizeof(quint32)));
    if (ret != VY_SUCCESS)
        return ret;
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
    vy_Event(handle, VY_EVENT_CMD_EXIT, events.data(), quint32(events.size() * sizeof(quint32)));
}

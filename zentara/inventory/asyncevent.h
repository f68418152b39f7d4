// asyncevent.h: turns the camera library's driver events into calls of registered handlers.
#ifndef ZENTARA_INVENTORY_ASYNCEVENT_H
#define ZENTARA_INVENTORY_ASYNCEVENT_H

#include <QtGlobal>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include "vyrokit/eventregistration.h"

// Owns one worker thread that blocks in the library's event wait (driver handle) and calls the
// handler stored for each signalled event ID, in the worker thread. Handlers should only post
// work elsewhere (emit a queued signal).
class AsyncEvent
{
public:
    using Handler = std::function<void()>;

    static constexpr uint32_t ExitEvent = 10000;
    static constexpr uint32_t WaitTimeoutMs = 500;

    AsyncEvent();
    virtual ~AsyncEvent();

    // Stores the handler under the ID, replacing an earlier one; the first handler starts the
    // worker (which may throw VyroException).
    virtual void addHandler(int eventId, Handler handler);
    // Erases the handler; the last one stops the worker, so a handler must not remove the last
    // handler itself (the worker cannot join itself).
    virtual void removeHandler(int eventId);

    // Registers the exit event and the driver events 130, 129, 131 and launches the worker.
    // Throws VyroException when the library refuses a registration.
    virtual void start();
    // Wakes the worker through the exit event, joins it, then unregisters and drops the handlers.
    virtual void stop();

    // One library wait; the signalled event ID, or -1 when the wait fails or times out.
    virtual int wait(uint32_t *eventNumbers, uint32_t count, uint32_t timeoutMs);

    bool isRunning() const { return m_running.load(); }

private:
    Q_DISABLE_COPY(AsyncEvent)

    void run(std::vector<uint32_t> events);
    int waitResult(uint32_t *eventNumbers, uint32_t count, uint32_t timeoutMs, int *signalled);

    // Protects m_handlers; the worker holds it only for the lookup, never while a handler runs.
    std::mutex m_lock;
    std::map<int, Handler> m_handlers;
    // Lets a worker whose wait fails at once pause without missing a stop.
    std::condition_variable m_stopped;

    // Touched only by the thread that starts and stops the worker.
    vyrokit::EventRegistration m_registration;
    std::thread m_worker;
    std::atomic<bool> m_running{false};
};

#endif // ZENTARA_INVENTORY_ASYNCEVENT_H

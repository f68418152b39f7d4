// asyncevent.cpp: the worker that waits for driver events and dispatches them.
#include "zentara/inventory/asyncevent.h"

#include <chrono>

#include "sdk/vyro_api.h"
#include "zentara/inventory/eventregistration.h"

AsyncEvent::AsyncEvent() = default;

AsyncEvent::~AsyncEvent()
{
    stop();
}

void AsyncEvent::addHandler(int eventId, Handler handler)
{
    bool wasEmpty;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        wasEmpty = m_handlers.empty();
    }
    // The worker starts before the first handler is stored; it looks handlers up under the lock.
    if (wasEmpty)
        start();
    std::lock_guard<std::mutex> guard(m_lock);
    m_handlers[eventId] = std::move(handler);
}

void AsyncEvent::removeHandler(int eventId)
{
    bool nowEmpty;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (m_handlers.erase(eventId) == 0)
            return;
        nowEmpty = m_handlers.empty();
    }
    // Not under the lock: the worker may need it for a lookup before it can leave.
    if (nowEmpty)
        stop();
}

void AsyncEvent::start()
{
    if (m_running.load())
        return;
    // Built aside, so that a refused registration unregisters the ones before it.
    std::vector<std::unique_ptr<EventRegistration>> registrations;
    for (uint32_t id : {ExitEvent, uint32_t(VY_EVENT_NEW_DEVICE), uint32_t(VY_EVENT_REMOVE),
                        uint32_t(VY_EVENT_STATUS_CHANGED)})
        registrations.push_back(std::make_unique<EventRegistration>(VY_DRIVER_HANDLE, id));
    m_registrations = std::move(registrations);

    std::vector<uint32_t> events;
    for (const auto &registration : m_registrations)
        events.push_back(registration->eventId());
    m_running.store(true);
    m_worker = std::thread(&AsyncEvent::run, this, std::move(events));
}

void AsyncEvent::stop()
{
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_running.store(false);
    }
    m_stopped.notify_all();
    if (m_worker.joinable()) {
        uint32_t exitEvent = ExitEvent;
        vy_Event(VY_DRIVER_HANDLE, VY_EVENT_CMD_SET, &exitEvent, sizeof exitEvent);
        m_worker.join();
    }
    m_registrations.clear();
    std::lock_guard<std::mutex> guard(m_lock);
    m_handlers.clear();
}

int AsyncEvent::wait(uint32_t *eventNumbers, uint32_t count, uint32_t timeoutMs)
{
    int signalled = -1;
    return waitResult(eventNumbers, count, timeoutMs, &signalled) == VY_SUCCESS ? signalled : -1;
}

int AsyncEvent::waitResult(uint32_t *eventNumbers, uint32_t count, uint32_t timeoutMs,
                           int *signalled)
{
    VY_EVENT_WAIT record{eventNumbers, count, 0, timeoutMs, 0, 0};
    const int ret = vy_Event(VY_DRIVER_HANDLE, VY_EVENT_CMD_WAIT, &record, sizeof record);
    *signalled = ret == VY_SUCCESS ? static_cast<int>(record.signalled) : -1;
    return ret;
}

void AsyncEvent::run(std::vector<uint32_t> events)
{
    while (m_running.load()) {
        int signalled = -1;
        const int ret = waitResult(events.data(), static_cast<uint32_t>(events.size()),
                                   WaitTimeoutMs, &signalled);
        if (ret != VY_SUCCESS || signalled < 0) {
            if (ret != VY_SUCCESS && ret != VY_TIMED_OUT) {
                // A wait that fails at once would otherwise spin; pause for one time-out.
                std::unique_lock<std::mutex> lock(m_lock);
                m_stopped.wait_for(lock, std::chrono::milliseconds(WaitTimeoutMs),
                                   [this] { return !m_running.load(); });
            }
            continue;
        }
        if (!m_running.load())
            break;
        Handler handler;
        {
            std::lock_guard<std::mutex> guard(m_lock);
            const auto it = m_handlers.find(signalled);
            if (it != m_handlers.end())
                handler = it->second;
        }
        if (handler)
            handler();
    }
}

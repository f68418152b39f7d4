// eventtable.cpp: per-handle events with auto or manual reset and multi-event waits.
#include "sdk/sim/eventtable.h"

#include <algorithm>

namespace vysim {

EventTable::EventTable()
{
    m_handles[VY_DRIVER_HANDLE];
}

void EventTable::openHandle(VY_HCAM handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_handles[handle];
}

void EventTable::closeHandle(VY_HCAM handle)
{
    if (handle == VY_DRIVER_HANDLE)
        return;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_handles.erase(handle);
        ++m_epoch[handle];
    }
    m_changed.notify_all();
}

int32_t EventTable::init(VY_HCAM handle, const VY_EVENT_INIT &init)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto h = m_handles.find(handle);
    if (h == m_handles.end())
        return VY_INVALID_HANDLE;
    Event &e = h->second[init.eventId];
    if (e.users++ == 0)
        e.manualReset = init.manualReset != 0;
    if (init.initialState != 0)
        e.signalled = true;
    return VY_SUCCESS;
}

int32_t EventTable::enable(VY_HCAM handle, const std::vector<uint32_t> &ids, bool on)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto h = m_handles.find(handle);
    if (h == m_handles.end())
        return VY_INVALID_HANDLE;
    // All or nothing: an unknown event leaves the others unchanged.
    for (uint32_t id : ids)
        if (!h->second.count(id))
            return VY_INVALID_PARAMETER;
    for (uint32_t id : ids) {
        Event &e = h->second[id];
        e.enables = on ? e.enables + 1 : std::max(0, e.enables - 1);
    }
    return VY_SUCCESS;
}

int32_t EventTable::remove(VY_HCAM handle, const std::vector<uint32_t> &ids)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto h = m_handles.find(handle);
    if (h == m_handles.end())
        return VY_INVALID_HANDLE;
    int32_t result = VY_SUCCESS;
    for (uint32_t id : ids) {
        auto e = h->second.find(id);
        if (e == h->second.end()) {
            result = VY_INVALID_PARAMETER;
            continue;
        }
        if (--e->second.users <= 0) {
            h->second.erase(e);
        } else if (e->second.enables > e->second.users) {
            // A user that removes without disabling first gives up its enable too.
            e->second.enables = e->second.users;
        }
    }
    return result;
}

int32_t EventTable::set(VY_HCAM handle, uint32_t id, bool requireEnabled)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto h = m_handles.find(handle);
        if (h == m_handles.end())
            return VY_INVALID_HANDLE;
        auto e = h->second.find(id);
        if (e == h->second.end())
            return VY_INVALID_PARAMETER;
        if (requireEnabled && e->second.enables == 0)
            return VY_NO_SUCCESS;
        e->second.signalled = true;
    }
    m_changed.notify_all();
    return VY_SUCCESS;
}

int32_t EventTable::reset(VY_HCAM handle, uint32_t id)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto h = m_handles.find(handle);
    if (h == m_handles.end())
        return VY_INVALID_HANDLE;
    auto e = h->second.find(id);
    if (e == h->second.end())
        return VY_INVALID_PARAMETER;
    e->second.signalled = false;
    return VY_SUCCESS;
}

int32_t EventTable::wait(VY_HCAM handle, const std::vector<uint32_t> &ids, uint32_t timeoutMs,
                         uint32_t *signalled)
{
    using Clock = std::chrono::steady_clock;
    const bool waitForever = timeoutMs == VY_EVENT_INFINITE;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);

    std::unique_lock<std::mutex> lock(m_mutex);
    auto known = m_handles.find(handle);
    if (known == m_handles.end())
        return VY_INVALID_HANDLE;
    // A wait on nothing but unknown events could never end: refuse it instead of hanging.
    if (std::none_of(ids.begin(), ids.end(),
                     [&](uint32_t id) { return known->second.count(id) > 0; }))
        return VY_INVALID_PARAMETER;
    const uint64_t epoch = m_epoch[handle];
    // Looks for a signalled event; VY_NO_DATA when none is, else the wait's result.
    auto take = [&]() -> int32_t {
        auto h = m_handles.find(handle);
        if (h == m_handles.end() || m_epoch[handle] != epoch)
            return VY_INVALID_HANDLE;
        for (uint32_t id : ids) {
            auto e = h->second.find(id);
            if (e != h->second.end() && e->second.signalled) {
                if (!e->second.manualReset)
                    e->second.signalled = false;
                *signalled = id;
                return VY_SUCCESS;
            }
        }
        return VY_NO_DATA;
    };
    for (;;) {
        const int32_t result = take();
        if (result != VY_NO_DATA)
            return result;
        if (waitForever) {
            m_changed.wait(lock);
        } else if (m_changed.wait_until(lock, deadline) == std::cv_status::timeout) {
            // A signal may have come together with the time-out.
            const int32_t last = take();
            return last == VY_NO_DATA ? VY_TIMED_OUT : last;
        }
    }
}

} // namespace vysim

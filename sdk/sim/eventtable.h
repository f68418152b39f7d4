// eventtable.h: the events of this process, per handle, and the waits on them.
#ifndef SDK_SIM_EVENTTABLE_H
#define SDK_SIM_EVENTTABLE_H

#include "sdk/vyro_api.h"

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <set>
#include <vector>

namespace vysim {

class EventTable final
{
public:
    EventTable();
    EventTable(const EventTable &) = delete;
    EventTable &operator=(const EventTable &) = delete;

    // Handles on which events may be used; 0 (the driver) always exists. Closing a handle
    // drops its events and makes its waiters return VY_INVALID_HANDLE.
    void openHandle(VY_HCAM handle);
    void closeHandle(VY_HCAM handle);

    int32_t init(VY_HCAM handle, const VY_EVENT_INIT &init);
    int32_t enable(VY_HCAM handle, const std::vector<uint32_t> &ids, bool on);
    int32_t remove(VY_HCAM handle, const std::vector<uint32_t> &ids);
    // requireEnabled: as the driver raises it (ignored unless enabled); else as the caller's
    // own signal (any initialised event). Returns VY_SUCCESS when the event was set.
    int32_t set(VY_HCAM handle, uint32_t id, bool requireEnabled);
    int32_t reset(VY_HCAM handle, uint32_t id);
    // Waits until one of ids is signalled (first in array order wins), returning it in
    // *signalled; a non-manual-reset event is cleared by the wait that returns it.
    int32_t wait(VY_HCAM handle, const std::vector<uint32_t> &ids, uint32_t timeoutMs,
                 uint32_t *signalled);

private:
    // Several parts of one program may register the same event on the same handle (two
    // device watchers, say): registrations and enables are counted, so that one part removing
    // its event does not take it from the others.
    struct Event
    {
        int users = 0;
        int enables = 0;
        bool manualReset = false;
        bool signalled = false;
    };

    std::mutex m_mutex; // protects m_handles and m_epoch
    std::condition_variable m_changed;
    std::map<VY_HCAM, std::map<uint32_t, Event>> m_handles;
    std::map<VY_HCAM, uint64_t> m_epoch; // bumped when a handle closes, so old waiters notice
};

} // namespace vysim

#endif // SDK_SIM_EVENTTABLE_H

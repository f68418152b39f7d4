// eventregistration.h: the SDK events one handle delivers to this process, for as long as needed.
#ifndef VYROKIT_EVENTREGISTRATION_H
#define VYROKIT_EVENTREGISTRATION_H

#include <cstdint>
#include <vector>

#include "sdk/vyro_api.h"

namespace vyrokit {

// Registers events on a handle in order, each initialised and then enabled; unregisters them,
// each disabled and then removed, when asked or when destroyed. A registration that fails part
// way undoes what it had done, so the library never keeps events nobody waits for. Move-only;
// not thread-safe: register and unregister from one thread at a time.
class EventRegistration final
{
public:
    EventRegistration() = default;
    ~EventRegistration();

    EventRegistration(EventRegistration &&other) noexcept;
    EventRegistration &operator=(EventRegistration &&other) noexcept;
    EventRegistration(const EventRegistration &) = delete;
    EventRegistration &operator=(const EventRegistration &) = delete;

    // Unregisters whatever this object held, then registers the events on the handle. Returns
    // VY_SUCCESS, or the code of the refused call (failedCommand() tells which step); then
    // nothing is left registered.
    int32_t registerEvents(VY_HCAM handle, const std::vector<uint32_t> &events);
    // Disables and removes every registered event, the last registered first. A failure is
    // written to the debug log and does not stop the others.
    void unregister();

    bool isRegistered() const { return !m_events.empty(); }
    VY_HCAM handle() const { return m_handle; }
    // The registered event IDs in registration order.
    const std::vector<uint32_t> &events() const { return m_events; }
    // The vy_Event command of the last refused registration step, 0 when none was refused.
    uint32_t failedCommand() const { return m_failedCommand; }

private:
    VY_HCAM m_handle = VY_DRIVER_HANDLE;
    std::vector<uint32_t> m_events;
    uint32_t m_failedCommand = 0;
};

} // namespace vyrokit

#endif // VYROKIT_EVENTREGISTRATION_H

// eventregistration.h: one library event that the driver delivers to this process.
#ifndef ZENTARA_INVENTORY_EVENTREGISTRATION_H
#define ZENTARA_INVENTORY_EVENTREGISTRATION_H

#include <QtGlobal>

#include <cstdint>

#include "sdk/vyro_api.h"

// Initialises and enables an event on a handle for as long as it lives; disables and removes
// it when destroyed. A failing library call during construction throws VyroException.
class EventRegistration final
{
public:
    EventRegistration(VY_HCAM handle, uint32_t eventId);
    ~EventRegistration();

    VY_HCAM handle() const { return m_handle; }
    uint32_t eventId() const { return m_eventId; }

private:
    Q_DISABLE_COPY(EventRegistration)

    VY_HCAM m_handle;
    uint32_t m_eventId;
};

#endif // ZENTARA_INVENTORY_EVENTREGISTRATION_H

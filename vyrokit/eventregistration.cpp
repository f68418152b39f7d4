// eventregistration.cpp: the vy_Event protocol of registering and unregistering events.
#include "vyrokit/eventregistration.h"

#include <QDebug>

#include <utility>

namespace vyrokit {

namespace {

void removeEvent(VY_HCAM handle, uint32_t event)
{
    const int32_t ret = vy_Event(handle, VY_EVENT_CMD_EXIT, &event, sizeof event);
    if (ret != VY_SUCCESS)
        qDebug().noquote() << QStringLiteral("VY_EVENT_CMD_EXIT: %1").arg(ret);
}

void disableAndRemoveEvent(VY_HCAM handle, uint32_t event)
{
    const int32_t ret = vy_Event(handle, VY_EVENT_CMD_DISABLE, &event, sizeof event);
    if (ret != VY_SUCCESS)
        qDebug().noquote() << QStringLiteral("VY_EVENT_CMD_DISABLE: %1").arg(ret);
    removeEvent(handle, event);
}

} // namespace

EventRegistration::~EventRegistration()
{
    unregister();
}

EventRegistration::EventRegistration(EventRegistration &&other) noexcept
    : m_handle(other.m_handle), m_events(std::exchange(other.m_events, {})),
      m_failedCommand(other.m_failedCommand)
{
}

EventRegistration &EventRegistration::operator=(EventRegistration &&other) noexcept
{
    if (this != &other) {
        unregister();
        m_handle = other.m_handle;
        m_events = std::exchange(other.m_events, {});
        m_failedCommand = other.m_failedCommand;
    }
    return *this;
}

int32_t EventRegistration::registerEvents(VY_HCAM handle, const std::vector<uint32_t> &events)
{
    unregister();
    m_handle = handle;
    m_failedCommand = 0;
    for (uint32_t event : events) {
        VY_EVENT_INIT init{event, 0, 0};
        int32_t ret = vy_Event(m_handle, VY_EVENT_CMD_INIT, &init, sizeof init);
        if (ret != VY_SUCCESS) {
            m_failedCommand = VY_EVENT_CMD_INIT;
            unregister();
            return ret;
        }
        ret = vy_Event(m_handle, VY_EVENT_CMD_ENABLE, &event, sizeof event);
        if (ret != VY_SUCCESS) {
            // Initialised but never enabled: removing it is all there is to undo.
            m_failedCommand = VY_EVENT_CMD_ENABLE;
            removeEvent(m_handle, event);
            unregister();
            return ret;
        }
        m_events.push_back(event);
    }
    return VY_SUCCESS;
}

void EventRegistration::unregister()
{
    while (!m_events.empty()) {
        disableAndRemoveEvent(m_handle, m_events.back());
        m_events.pop_back();
    }
}

} // namespace vyrokit

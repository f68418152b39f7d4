// eventregistration.cpp: initialise and enable an event; disable and remove it again.
#include "zentara/inventory/eventregistration.h"

#include <QDebug>

#include "zentara/inventory/vyroexception.h"

EventRegistration::EventRegistration(VY_HCAM handle, uint32_t eventId)
    : m_handle(handle), m_eventId(eventId)
{
    VY_EVENT_INIT init{eventId, 0, 0};
    int ret = vy_Event(m_handle, VY_EVENT_CMD_INIT, &init, sizeof init);
    if (ret != VY_SUCCESS)
        throw VyroException(ret);
    ret = vy_Event(m_handle, VY_EVENT_CMD_ENABLE, &m_eventId, sizeof m_eventId);
    if (ret != VY_SUCCESS) {
        // The destructor will not run; do not leave the initialised event behind.
        vy_Event(m_handle, VY_EVENT_CMD_EXIT, &m_eventId, sizeof m_eventId);
        throw VyroException(ret);
    }
}

EventRegistration::~EventRegistration()
{
    int ret = vy_Event(m_handle, VY_EVENT_CMD_DISABLE, &m_eventId, sizeof m_eventId);
    if (ret != VY_SUCCESS)
        qDebug().noquote() << QStringLiteral("VY_EVENT_CMD_DISABLE: %1").arg(ret);
    ret = vy_Event(m_handle, VY_EVENT_CMD_EXIT, &m_eventId, sizeof m_eventId);
    if (ret != VY_SUCCESS)
        qDebug().noquote() << QStringLiteral("VY_EVENT_CMD_EXIT: %1").arg(ret);
}

// usbhostcontroller.cpp: the controller value.
#include "zentara/devinfo/usbhostcontroller.h"

UsbHostController::UsbHostController(const QString &rootHubName, uint busNumber,
                                     const QString &speed, const QString &rootHubLine,
                                     const QString &description)
    : m_rootHubName(rootHubName), m_busNumber(busNumber), m_speed(speed),
      m_rootHubLine(rootHubLine), m_description(description)
{
}

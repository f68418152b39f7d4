// usbchain.cpp: the chain value.
#include "zentara/devinfo/usbchain.h"

UsbChain::UsbChain(uint busNumber, const QString &controllerDescription, const QString &rootHubLine,
                   const QStringList &hubNames, const QStringList &hubLines,
                   const QString &deviceName, const QString &deviceLine)
    : m_busNumber(busNumber), m_controllerDescription(controllerDescription),
      m_rootHubLine(rootHubLine), m_hubNames(hubNames), m_hubLines(hubLines),
      m_deviceName(deviceName), m_deviceLine(deviceLine)
{
}

bool UsbChain::operator==(const UsbChain &other) const
{
    return m_busNumber == other.m_busNumber &&
           m_controllerDescription == other.m_controllerDescription &&
           m_rootHubLine == other.m_rootHubLine && m_hubNames == other.m_hubNames &&
           m_hubLines == other.m_hubLines && m_deviceName == other.m_deviceName &&
           m_deviceLine == other.m_deviceLine;
}

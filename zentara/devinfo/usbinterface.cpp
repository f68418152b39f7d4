// usbinterface.cpp: an interface's attributes.
#include "zentara/devinfo/usbinterface.h"

#include "zentara/devinfo/sysfsentry.h"

UsbInterface::UsbInterface(const SysfsEntry &entry)
    : m_name(entry.name()), m_alternateSetting(entry.number("bAlternateSetting", 10)),
      m_interfaceClass(entry.number("bInterfaceClass", 16)),
      m_interfaceNumber(entry.number("bInterfaceNumber", 16)),
      m_interfaceProtocol(entry.number("bInterfaceProtocol", 16)),
      m_interfaceSubClass(entry.number("bInterfaceSubClass", 16)),
      m_numEndpoints(entry.number("bNumEndpoints", 10)), m_driver(entry.driver())
{
}

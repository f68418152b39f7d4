// libraryversion.cpp: the start-up check of the camera library's version.
#include "zentara/shell/libraryversion.h"

#include <QMessageBox>

#include "sdk/vyro_api.h"

bool LibraryVersion::isSupported(uint32_t packed)
{
    const uint32_t major = packed >> 24;
    const uint32_t minor = (packed >> 16) & 0xFF;
    return major > uint32_t(MinimumMajor) ||
           (major == uint32_t(MinimumMajor) && minor >= uint32_t(MinimumMinor));
}

QString LibraryVersion::refusalText()
{
    return tr("%4 Zentara %1 doesn't work with\nlib%4_api < %2.%3!\nuse a newer lib%4!")
        .arg(QCoreApplication::applicationVersion())
        .arg(MinimumMajor)
        .arg(MinimumMinor)
        .arg(QStringLiteral("Orv Vyro"));
}

bool LibraryVersion::check(QWidget *parent)
{
    if (isSupported(vy_GetDLLVersion()))
        return true;
    QMessageBox::critical(parent, QCoreApplication::applicationName(), refusalText());
    return false;
}

// libraryversion.cpp: the start-up check of the camera library's version.
#include "zentara/devinfo/libraryversion.h"

#include <QMessageBox>

#include "sdk/vyro_api.h"
#include "vyrokit/packedversion.h"
#include "vyrokit/productinfo.h"

bool LibraryVersion::isSupported(uint32_t packed)
{
    return vyrokit::PackedVersion(packed).isAtLeast(minimumMajor, minimumMinor);
}

QString LibraryVersion::refusalText()
{
    return tr("%4 Zentara %1 doesn't work with\nlib%4_api < %2.%3!\nuse a newer lib%4!")
        .arg(QCoreApplication::applicationVersion())
        .arg(minimumMajor)
        .arg(minimumMinor)
        .arg(vyrokit::ProductInfo::family());
}

bool LibraryVersion::check(QWidget *parent)
{
    if (isSupported(vy_GetDLLVersion()))
        return true;
    QMessageBox::critical(parent, QCoreApplication::applicationName(), refusalText());
    return false;
}

// libraryversion.h: the start-up check of the camera library's version.
#ifndef ZENTARA_DEVINFO_LIBRARYVERSION_H
#define ZENTARA_DEVINFO_LIBRARYVERSION_H

#include <QCoreApplication>
#include <QString>

#include <cstdint>

class QWidget;

class LibraryVersion final
{
    Q_DECLARE_TR_FUNCTIONS(LibraryVersion)
public:
    static constexpr int minimumMajor = 4;
    static constexpr int minimumMinor = 81;

    LibraryVersion() = delete;

    // True for a packed version of 4.81 or newer.
    static bool isSupported(uint32_t packed);
    // The message of the refusal.
    static QString refusalText();
    // Asks the library for its version; when it is too old, shows the refusal in a critical
    // message box and returns false once the box is closed.
    static bool check(QWidget *parent = nullptr);
};

#endif // ZENTARA_DEVINFO_LIBRARYVERSION_H

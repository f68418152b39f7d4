// corestates.h: the states of the two driver daemons as the main window reports them.
#ifndef ZENTARA_SHELL_CORESTATES_H
#define ZENTARA_SHELL_CORESTATES_H

#include <QMetaType>

// USB daemon first, ETH daemon second; 0 before the first poll.
struct CoreStates
{
    static constexpr int Stopped = 2;
    static constexpr int Running = 3;

    int usb = 0;
    int eth = 0;

    bool operator==(const CoreStates &other) const { return usb == other.usb && eth == other.eth; }
    bool operator!=(const CoreStates &other) const { return !(*this == other); }
};

Q_DECLARE_METATYPE(CoreStates)

#endif // ZENTARA_SHELL_CORESTATES_H

// corestates.h: the states of the two driver daemons as the main window reports them.
#pragma once

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

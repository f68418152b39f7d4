// One hot pixel entry: its sensor position and its class.
#ifndef DAPPLIX_HOTPIXELS_BADPIXEL_H
#define DAPPLIX_HOTPIXELS_BADPIXEL_H

#include <QtGlobal>

struct Badpixel
{
    enum Class : quint8
    {
        Factory = 0,
        User = 1,
        Ignore = 2
    };

    quint16 x = 0;
    quint16 y = 0;
    quint8 pixelclass = User;
};

#endif // DAPPLIX_HOTPIXELS_BADPIXEL_H

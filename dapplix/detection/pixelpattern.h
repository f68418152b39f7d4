// The pixels of one colour plane: a start position and a step in each direction.
#ifndef DAPPLIX_DETECTION_PIXELPATTERN_H
#define DAPPLIX_DETECTION_PIXELPATTERN_H

#include <QtGlobal>

struct PixelPattern
{
    quint8 startX;
    quint8 startY;
    quint8 stepX;
    quint8 stepY;
};

#endif // DAPPLIX_DETECTION_PIXELPATTERN_H

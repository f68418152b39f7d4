// Adds each pixel value to its element.
#ifndef DAPPLIX_DETECTION_SUMITERATOR_H
#define DAPPLIX_DETECTION_SUMITERATOR_H

#include "dapplix/detection/pixelvaliterator.h"

class SumIterator final : public PixelValIterator
{
public:
    void operator()(unsigned &element, unsigned char value) override { element += value; }
};

#endif // DAPPLIX_DETECTION_SUMITERATOR_H

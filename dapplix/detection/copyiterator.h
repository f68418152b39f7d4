// Sets each element to its pixel value.
#ifndef DAPPLIX_DETECTION_COPYITERATOR_H
#define DAPPLIX_DETECTION_COPYITERATOR_H

#include "dapplix/detection/pixelvaliterator.h"

class CopyIterator final : public PixelValIterator
{
public:
    void operator()(unsigned &element, unsigned char value) override { element = value; }
};

#endif // DAPPLIX_DETECTION_COPYITERATOR_H

// Passes each element with the pixel value at the current position to a value visitor.
#ifndef DAPPLIX_IMAGEVALUEITERATOR_H
#define DAPPLIX_IMAGEVALUEITERATOR_H

#include "imageiterator.h"

// V is a PixelValIterator; naming its final type lets the compiler inline the call.
template <typename V> class ImageValueIterator final : public ImageIterator
{
public:
    ImageValueIterator(const QImage &image, const PixelPattern &pattern, V &visitor,
                       unsigned firstRow = 0)
        : ImageIterator(image, pattern, firstRow), inner(visitor)
    {
    }

    void operator()(unsigned &element) override
    {
        inner(element, row[x]);
        x += stepX;
    }

private:
    V &inner;
};

#endif

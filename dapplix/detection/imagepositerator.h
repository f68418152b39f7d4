// Passes each element with its sensor position to a position visitor.
#ifndef DAPPLIX_DETECTION_IMAGEPOSITERATOR_H
#define DAPPLIX_DETECTION_IMAGEPOSITERATOR_H

#include "dapplix/detection/imageiterator.h"

// V is a PixelPosIterator; naming its final type lets the compiler inline the call.
template <typename V> class ImagePosIterator final : public ImageIterator
{
public:
    // The walk starts at matrix row firstRow.
    ImagePosIterator(const QImage &image, const PixelPattern &pattern, V &visitor,
                     unsigned firstRow = 0)
        : ImageIterator(image, pattern, firstRow), inner(visitor), x(pattern.startX),
          y(pattern.startY + size_t(firstRow) * pattern.stepY), stepY(pattern.stepY)
    {
    }

    void operator()(unsigned &element) override
    {
        inner(element, unsigned(x), unsigned(y));
        x += stepX;
    }

    void endRow()
    {
        ImageIterator::endRow();
        x = startX;
        y += stepY;
    }

private:
    V &inner;
    size_t x;
    size_t y;
    size_t stepY;
};

#endif // DAPPLIX_DETECTION_IMAGEPOSITERATOR_H

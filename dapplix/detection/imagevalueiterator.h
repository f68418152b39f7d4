// Passes each element with the pixel value at the current position to a value visitor.
#ifndef DAPPLIX_DETECTION_IMAGEVALUEITERATOR_H
#define DAPPLIX_DETECTION_IMAGEVALUEITERATOR_H

#include "dapplix/detection/imageiterator.h"

// V is a PixelValIterator; naming its final type lets the compiler inline the call. Step, when
// not 0, is the pattern's horizontal step known at compile time, so that the row walk can be
// vectorised; it must equal the pattern's stepX.
template <typename V, unsigned Step = 0> class ImageValueIterator final : public ImageIterator
{
public:
    ImageValueIterator(const QImage &image, const PixelPattern &pattern, V &visitor,
                       unsigned firstRow = 0)
        : ImageIterator(image, pattern, firstRow), m_inner(visitor)
    {
    }

    void operator()(unsigned &element) override
    {
        m_inner(element, *m_pixel);
        m_pixel += Step ? Step : m_stepX;
    }

private:
    V &m_inner;
};

#endif // DAPPLIX_DETECTION_IMAGEVALUEITERATOR_H

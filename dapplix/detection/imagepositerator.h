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
        : ImageIterator(image, pattern, firstRow), m_inner(visitor), m_x(pattern.startX),
          m_y(pattern.startY + size_t(firstRow) * pattern.stepY), m_stepY(pattern.stepY)
    {
    }

    void operator()(unsigned &element) override
    {
        m_inner(element, unsigned(m_x), unsigned(m_y));
        m_x += m_stepX;
    }

    void endRow()
    {
        ImageIterator::endRow();
        m_x = m_startX;
        m_y += m_stepY;
    }

private:
    V &m_inner;
    size_t m_x;
    size_t m_y;
    size_t m_stepY;
};

#endif // DAPPLIX_DETECTION_IMAGEPOSITERATOR_H

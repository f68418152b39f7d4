// Adds every pixel whose mean lies above the limit to a hot pixel list.
#ifndef DAPPLIX_DETECTION_ADDHOTPIXELITERATOR_H
#define DAPPLIX_DETECTION_ADDHOTPIXELITERATOR_H

#include "dapplix/detection/pixelpositerator.h"

class BadpixelListModel;

class AddHotpixelIterator final : public PixelPosIterator
{
public:
    AddHotpixelIterator(BadpixelListModel *list, unsigned limit) : m_model(list), m_limit(limit) {}

    void operator()(unsigned &element, unsigned x, unsigned y) override
    {
        if (element > m_limit)
            add(x, y);
    }

private:
    void add(unsigned x, unsigned y);

    BadpixelListModel *m_model;
    unsigned m_limit;
};

#endif // DAPPLIX_DETECTION_ADDHOTPIXELITERATOR_H

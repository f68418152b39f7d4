// Adds every pixel whose mean lies above the limit to a hot pixel list.
#include "dapplix/detection/addhotpixeliterator.h"

#include "dapplix/hotpixels/badpixellistmodel.h"

void AddHotpixelIterator::add(unsigned x, unsigned y)
{
    m_model->addBadpixel(QPoint(int(x), int(y)));
}

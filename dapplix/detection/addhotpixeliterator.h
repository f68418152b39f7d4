// Collects every pixel whose mean lies above the limit.
#ifndef DAPPLIX_DETECTION_ADDHOTPIXELITERATOR_H
#define DAPPLIX_DETECTION_ADDHOTPIXELITERATOR_H

#include <QPoint>
#include <QVector>

#include "dapplix/detection/pixelpositerator.h"

class AddHotpixelIterator final : public PixelPosIterator
{
public:
    // Appends the positions it finds to found, which must outlive the iterator.
    AddHotpixelIterator(QVector<QPoint> &found, unsigned limit) : m_found(found), m_limit(limit) {}

    void operator()(unsigned &element, unsigned x, unsigned y) override
    {
        if (element > m_limit)
            m_found.append(QPoint(int(x), int(y)));
    }

private:
    QVector<QPoint> &m_found;
    unsigned m_limit;
};

#endif // DAPPLIX_DETECTION_ADDHOTPIXELITERATOR_H

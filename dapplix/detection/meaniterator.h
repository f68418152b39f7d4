// Averages the elements of a matrix.
#ifndef DAPPLIX_DETECTION_MEANITERATOR_H
#define DAPPLIX_DETECTION_MEANITERATOR_H

#include "dapplix/detection/elementiterator.h"

#include <cstdint>

class MeanIterator final : public ElementIterator
{
public:
    void operator()(unsigned &element) override
    {
        m_sum += element;
        ++m_count;
    }
    // Truncated mean; 0 for no elements.
    unsigned mean() const { return m_count ? unsigned(m_sum / m_count) : 0; }

private:
    // 64 bits: a bright frame of a 20-megapixel sensor overflows 32.
    uint64_t m_sum = 0;
    uint64_t m_count = 0;
};

#endif // DAPPLIX_DETECTION_MEANITERATOR_H

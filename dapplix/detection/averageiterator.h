// Turns the sums of n frames into their truncated means, and takes the plane's mean and each
// row's largest element on the way.
#ifndef DAPPLIX_DETECTION_AVERAGEITERATOR_H
#define DAPPLIX_DETECTION_AVERAGEITERATOR_H

#include "dapplix/detection/diviterator.h"
#include "dapplix/detection/elementiterator.h"

#include <QtGlobal>
#include <cstdint>
#include <vector>

// One walk instead of a division, a mean and a search pass. Small: at most 256 frames, so
// that every element is at most 255 n and a 32-bit product divides exactly (the walk
// vectorises); otherwise the exact division of DivIterator is used.
template <bool Small> class AverageIterator final : public ElementIterator
{
public:
    // Row maxima are appended to rowMax, one per row walked.
    AverageIterator(unsigned n, std::vector<unsigned> &rowMax)
        : m_div(n, 255u * n), m_multiplier((1u << 24) / (n ? n : 1) + 1), m_maxima(rowMax)
    {
    }

    void operator()(unsigned &element) override
    {
        unsigned value;
        if (Small) {
            value = element * unsigned(m_multiplier) >> 24;
        } else {
            value = element;
            m_div(value);
        }
        element = value;
        m_rowSum += value;
        const auto narrow = quint16(value);
        m_rowLargest = narrow > m_rowLargest ? narrow : m_rowLargest;
        ++m_rowCount;
    }

    void endRow()
    {
        m_sum += m_rowSum;
        m_count += m_rowCount;
        m_maxima.push_back(m_rowLargest);
        m_rowSum = 0;
        m_rowCount = 0;
        m_rowLargest = 0;
    }

    // Truncated mean; 0 for no elements.
    unsigned mean() const { return m_count ? unsigned(m_sum / m_count) : 0; }

private:
    // The walk state has types other than unsigned, so that the element stores cannot alias it
    // and the compiler keeps it in registers. Means are at most 255: 16 bits hold the maximum.
    DivIterator m_div;
    uint64_t m_multiplier;
    std::vector<unsigned> &m_maxima;
    uint64_t m_rowSum = 0;
    uint64_t m_rowCount = 0;
    quint16 m_rowLargest = 0;
    uint64_t m_sum = 0;
    uint64_t m_count = 0;
};

#endif // DAPPLIX_DETECTION_AVERAGEITERATOR_H

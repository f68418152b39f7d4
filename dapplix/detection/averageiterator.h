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
        : div(n, 255u * n), multiplier((1u << 24) / (n ? n : 1) + 1), maxima(rowMax)
    {
    }

    void operator()(unsigned &element) override
    {
        unsigned value;
        if (Small) {
            value = element * unsigned(multiplier) >> 24;
        } else {
            value = element;
            div(value);
        }
        element = value;
        rowSum += value;
        const auto narrow = quint16(value);
        rowLargest = narrow > rowLargest ? narrow : rowLargest;
        ++rowCount;
    }

    void endRow()
    {
        sum += rowSum;
        count += rowCount;
        maxima.push_back(rowLargest);
        rowSum = 0;
        rowCount = 0;
        rowLargest = 0;
    }

    // Truncated mean; 0 for no elements.
    unsigned mean() const { return count ? unsigned(sum / count) : 0; }

private:
    // The walk state has types other than unsigned, so that the element stores cannot alias it
    // and the compiler keeps it in registers. Means are at most 255: 16 bits hold the maximum.
    DivIterator div;
    uint64_t multiplier;
    std::vector<unsigned> &maxima;
    uint64_t rowSum = 0;
    uint64_t rowCount = 0;
    quint16 rowLargest = 0;
    uint64_t sum = 0;
    uint64_t count = 0;
};

#endif // DAPPLIX_DETECTION_AVERAGEITERATOR_H

// Divides each element by the number of frames summed into it.
#ifndef DAPPLIX_DETECTION_DIVITERATOR_H
#define DAPPLIX_DETECTION_DIVITERATOR_H

#include "dapplix/detection/elementiterator.h"

#include <cstdint>

// A division per element would cost more than the rest of the walk: the quotient comes from a
// multiplication by a rounded-up reciprocal instead. It is exact for every 32-bit element; when
// the caller promises that no element exceeds maxElement < 2^32 / n (sums of n 8-bit values,
// for instance), a 64-bit product suffices and the walk vectorises.
class DivIterator final : public ElementIterator
{
public:
    explicit DivIterator(unsigned n, unsigned maxElement = 0xFFFFFFFFu) : divisor(n ? n : 1)
    {
        quick = uint64_t(maxElement) * divisor < (uint64_t(1) << 32);
        if (quick) {
            shift = 32;
        } else {
            unsigned bits = 0;
            while ((uint64_t(1) << bits) < divisor)
                ++bits;
            shift = 32 + bits;
        }
        multiplier = uint64_t(((unsigned __int128)1 << shift) / divisor) + 1;
    }

    void operator()(unsigned &element) override
    {
        if (quick)
            element = unsigned(uint64_t(element) * multiplier >> 32);
        else
            element = unsigned((unsigned __int128)element * multiplier >> shift);
    }

private:
    uint64_t divisor;
    uint64_t multiplier;
    uint64_t shift;
    bool quick;
};

#endif // DAPPLIX_DETECTION_DIVITERATOR_H

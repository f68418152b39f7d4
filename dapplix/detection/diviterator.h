// Divides each element by the number of frames summed into it.
#ifndef DAPPLIX_DETECTION_DIVITERATOR_H
#define DAPPLIX_DETECTION_DIVITERATOR_H

#include "dapplix/detection/elementiterator.h"

#include <cstdint>

// A division per element would cost more than the rest of the walk: the quotient comes from a
// multiplication by a rounded-up reciprocal instead. It is exact for every 32-bit element; when
// the caller promises that no element exceeds maxElement < 2^32 / n (sums of n 8-bit values,
// for instance), a 64-bit product suffices and the walk vectorises.
//
// Only 64-bit arithmetic is used: 32-bit ARM compilers have no 128-bit integer type.
class DivIterator final : public ElementIterator
{
public:
    explicit DivIterator(unsigned n, unsigned maxElement = 0xFFFFFFFFu) : m_divisor(n ? n : 1)
    {
        m_quick = uint64_t(maxElement) * m_divisor < (uint64_t(1) << 32);
        if (m_quick) {
            m_shift = 32;
        } else {
            unsigned bits = 0;
            while ((uint64_t(1) << bits) < m_divisor)
                ++bits;
            m_shift = 32 + bits;
        }
        m_multiplier = powerOfTwoOver(m_shift, m_divisor) + 1;
        m_multiplierHigh = m_multiplier >> 32;
        m_multiplierLow = m_multiplier & 0xFFFFFFFFu;
    }

    void operator()(unsigned &element) override
    {
        if (m_quick) {
            element = unsigned(uint64_t(element) * m_multiplier >> 32);
        } else {
            // element * multiplier needs up to 66 bits. With multiplier = high * 2^32 + low and a
            // shift of at least 32, the low 32 bits of element * low only ever reach the result
            // through the carry they leave above bit 32, so the sum below is the product's upper
            // part without loss.
            const uint64_t upper = element * m_multiplierHigh + (element * m_multiplierLow >> 32);
            element = unsigned(upper >> (m_shift - 32));
        }
    }

private:
    // floor(2^power / d) for power <= 64 and d >= 1, without a 65-bit numerator.
    static uint64_t powerOfTwoOver(uint64_t power, uint64_t d)
    {
        if (power < 64)
            return (uint64_t(1) << power) / d;
        // 2^64 = (2^64 - 1) + 1: one more whenever the remainder of 2^64 - 1 is d - 1.
        const uint64_t all = ~uint64_t(0);
        return all / d + (all % d == d - 1 ? 1 : 0);
    }

    uint64_t m_divisor;
    uint64_t m_multiplier;
    uint64_t m_multiplierHigh;
    uint64_t m_multiplierLow;
    uint64_t m_shift;
    bool m_quick;
};

#endif // DAPPLIX_DETECTION_DIVITERATOR_H

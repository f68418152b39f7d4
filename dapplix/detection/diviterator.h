// Divides each element by the number of frames summed into it.
#ifndef DAPPLIX_DIVITERATOR_H
#define DAPPLIX_DIVITERATOR_H

#include "elementiterator.h"

class DivIterator final : public ElementIterator
{
public:
    explicit DivIterator(unsigned n) : divisor(n ? n : 1) {}
    void operator()(unsigned &element) override { element /= divisor; }

private:
    unsigned divisor;
};

#endif

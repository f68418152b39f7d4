// Base of the visitors that look at an element together with its sensor position.
#ifndef DAPPLIX_DETECTION_PIXELPOSITERATOR_H
#define DAPPLIX_DETECTION_PIXELPOSITERATOR_H

class PixelPosIterator
{
public:
    virtual ~PixelPosIterator() = default;
    virtual void operator()(unsigned &element, unsigned x, unsigned y) = 0;
};

#endif // DAPPLIX_DETECTION_PIXELPOSITERATOR_H

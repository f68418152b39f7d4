// Base of the visitors that combine a matrix element with a pixel value.
#ifndef DAPPLIX_DETECTION_PIXELVALITERATOR_H
#define DAPPLIX_DETECTION_PIXELVALITERATOR_H

class PixelValIterator
{
public:
    virtual ~PixelValIterator() = default;
    virtual void operator()(unsigned &element, unsigned char value) = 0;
};

#endif // DAPPLIX_DETECTION_PIXELVALITERATOR_H

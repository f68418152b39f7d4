// Base of the visitors that walk one image's pixels of a pattern alongside a matrix.
#ifndef DAPPLIX_IMAGEITERATOR_H
#define DAPPLIX_IMAGEITERATOR_H

#include "elementiterator.h"
#include "pixelpattern.h"

#include <QImage>

// Matrix element (col, row) stands for the pixel (startX + col * stepX, startY + row * stepY).
// The position follows the matrix rows (endRow), so a plane of an odd-sized frame never
// drifts, and rows are addressed by the image's own row length, padding included.
class ImageIterator : public ElementIterator
{
public:
    // The walk starts at matrix row firstRow. The image must cover the pattern's pixels of
    // every matrix element that will be visited.
    ImageIterator(const QImage &image, const PixelPattern &pattern, unsigned firstRow = 0)
        : bits(image.constBits()), bytesPerLine(size_t(image.bytesPerLine())),
          startX(pattern.startX), stepX(pattern.stepX), stepY(pattern.stepY), x(startX),
          y(pattern.startY + firstRow * pattern.stepY), row(bits + bytesPerLine * y)
    {
    }

    void endRow()
    {
        x = startX;
        y += stepY;
        row = bits + bytesPerLine * y;
    }

protected:
    const uchar *bits;
    size_t bytesPerLine;
    unsigned startX;
    unsigned stepX;
    unsigned stepY;
    unsigned x;
    unsigned y;
    const uchar *row;
};

#endif

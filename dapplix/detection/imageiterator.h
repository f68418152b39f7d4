// Base of the visitors that walk one image's pixels of a pattern alongside a matrix.
#ifndef DAPPLIX_DETECTION_IMAGEITERATOR_H
#define DAPPLIX_DETECTION_IMAGEITERATOR_H

#include "dapplix/detection/elementiterator.h"
#include "dapplix/detection/pixelpattern.h"

#include <QImage>
#include <cstddef>

// Matrix element (col, row) stands for the pixel (startX + col * stepX, startY + row * stepY).
// The position follows the matrix rows (endRow), so a plane of an odd-sized frame never
// drifts, and rows are addressed by the image's own row length, padding included.
// The walk state is kept in pointers and size_t values: an element store (unsigned) can then
// never alias it, and the compiler keeps it in registers.
class ImageIterator : public ElementIterator
{
public:
    // The walk starts at matrix row firstRow. The image must cover the pattern's pixels of
    // every matrix element that will be visited.
    ImageIterator(const QImage &image, const PixelPattern &pattern, unsigned firstRow = 0)
        : m_rowStep(size_t(image.bytesPerLine()) * pattern.stepY), m_startX(pattern.startX),
          m_stepX(pattern.stepX),
          m_rowStart(image.constBits() + size_t(image.bytesPerLine()) *
                                             (pattern.startY + size_t(firstRow) * pattern.stepY)),
          m_pixel(m_rowStart + m_startX)
    {
    }

    void endRow()
    {
        m_rowStart += m_rowStep;
        m_pixel = m_rowStart + m_startX;
    }

protected:
    size_t m_rowStep;
    size_t m_startX;
    size_t m_stepX;
    const uchar *m_rowStart;
    const uchar *m_pixel;
};

#endif // DAPPLIX_DETECTION_IMAGEITERATOR_H

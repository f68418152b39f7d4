// Finds the pixels whose mean lies more than a threshold above the mean of their plane.
#include "dapplix/detection/hotpixeldetector.h"

#include "dapplix/detection/addhotpixeliterator.h"
#include "sdk/vyro_api.h"

#include <QCoreApplication>

HotpixelDetector::HotpixelDetector(unsigned threshold, QObject *parent)
    : BadpixelDetector(parent), m_limitAboveMean(threshold)
{
}

void HotpixelDetector::addPlane(const Plane &matrix, const PixelPattern &pattern,
                                const std::vector<unsigned> &rowMax, unsigned mean,
                                QVector<QPoint> &found) const
{
    const unsigned limit = mean + m_limitAboveMean;
    AddHotpixelIterator add(found, limit);
    // Only the rows that hold an element above the limit: a dark frame has few of them, and
    // this pass would otherwise read the whole matrix again.
    for (unsigned row = 0; row < matrix.rows(); ++row) {
        if (row < rowMax.size() && rowMax[row] <= limit)
            continue;
        const quint8 *means = matrix.row(row);
        const unsigned y = pattern.startY + row * pattern.stepY;
        for (unsigned col = 0; col < matrix.cols(); ++col) {
            unsigned value = means[col];
            add(value, pattern.startX + col * pattern.stepX, y);
        }
    }
}

QVector<QPoint> HotpixelDetector::detectHotpixels()
{
    accumulate();
    QVector<QPoint> found;
    const auto notInstanced = [] {
        return std::runtime_error(
            QCoreApplication::translate("BadpixelDetector", "Not instanced.").toStdString());
    };
    if (m_colorMode == VY_CM_BAYER_RG8) {
        for (const auto &plane : m_bayerMatrix)
            if (!plane)
                throw notInstanced();
        for (int plane = 0; plane < 4; ++plane)
            addPlane(*m_bayerMatrix[plane], bayerPattern[plane], m_rowMaxima[plane], m_means[plane],
                     found);
    } else if (m_colorMode == VY_CM_MONO8) {
        if (!m_monoMatrix)
            throw notInstanced();
        addPlane(*m_monoMatrix, monoPattern, m_rowMaxima[0], m_means[0], found);
    } else {
        throw ErrColorMode();
    }
    emit detectionFinished();
    return found;
}

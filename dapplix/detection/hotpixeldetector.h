// Finds the pixels whose mean lies more than a threshold above the mean of their plane.
#ifndef DAPPLIX_DETECTION_HOTPIXELDETECTOR_H
#define DAPPLIX_DETECTION_HOTPIXELDETECTOR_H

#include <QPoint>
#include <QVector>

#include "dapplix/detection/badpixeldetector.h"

class HotpixelDetector final : public BadpixelDetector
{
    Q_OBJECT
public:
    explicit HotpixelDetector(unsigned threshold, QObject *parent = nullptr);

    // The position of each hot pixel, plane by plane; throws std::runtime_error.
    QVector<QPoint> detectHotpixels();

    unsigned threshold() const { return m_limitAboveMean; }

private:
    Q_DISABLE_COPY(HotpixelDetector)

    void addPlane(const Plane &matrix, const PixelPattern &pattern,
                  const std::vector<unsigned> &rowMax, unsigned mean, QVector<QPoint> &found) const;

    unsigned m_limitAboveMean;
};

#endif // DAPPLIX_DETECTION_HOTPIXELDETECTOR_H

// Finds the pixels whose mean lies more than a threshold above the mean of their plane.
#ifndef DAPPLIX_DETECTION_HOTPIXELDETECTOR_H
#define DAPPLIX_DETECTION_HOTPIXELDETECTOR_H

#include "dapplix/detection/badpixeldetector.h"

class BadpixelListModel;

class HotpixelDetector : public BadpixelDetector
{
    Q_OBJECT
public:
    explicit HotpixelDetector(unsigned threshold, QObject *parent = nullptr);

    // Adds each hot pixel to the list as a user entry; throws std::runtime_error.
    virtual void detectHotpixels(BadpixelListModel *list);

    unsigned threshold() const { return m_limitAboveMean; }

private:
    Q_DISABLE_COPY(HotpixelDetector)

    void addPlane(const Plane &matrix, const PixelPattern &pattern,
                  const std::vector<unsigned> &rowMax, unsigned mean, BadpixelListModel *list);

    unsigned m_limitAboveMean;
};

#endif // DAPPLIX_DETECTION_HOTPIXELDETECTOR_H

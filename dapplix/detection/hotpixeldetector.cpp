// Finds the pixels whose mean lies more than a threshold above the mean of their plane.
#include "hotpixeldetector.h"

#include "addhotpixeliterator.h"
#include "imagepositerator.h"
#include "vyro_api.h"

#include <QCoreApplication>

HotpixelDetector::HotpixelDetector(unsigned threshold, QObject *parent)
    : BadpixelDetector(parent), limitAboveMean(threshold)
{
}

void HotpixelDetector::addPlane(Matrix<unsigned> &matrix, const PixelPattern &pattern,
                                unsigned mean, BadpixelListModel *list)
{
    AddHotpixelIterator add(list, mean + limitAboveMean);
    ImagePosIterator<AddHotpixelIterator> walk(images->first(), pattern, add);
    matrix.foreach(walk);
}

void HotpixelDetector::detectHotpixels(BadpixelListModel *list)
{
    accumulate();
    const auto notInstanced = [] {
        return std::runtime_error(
            QCoreApplication::translate("BadpixelDetector", "Not instanced.").toStdString());
    };
    if (colorMode == VY_CM_BAYER_RG8) {
        for (const auto &plane : bayerMatrix)
            if (!plane)
                throw notInstanced();
        for (int plane = 0; plane < 4; ++plane)
            addPlane(*bayerMatrix[plane], bayerPattern[plane], means[plane], list);
    } else if (colorMode == VY_CM_MONO8) {
        if (!monoMatrix)
            throw notInstanced();
        addPlane(*monoMatrix, monoPattern, means[0], list);
    } else {
        throw ErrColorMode();
    }
    emit detectionFinished();
}

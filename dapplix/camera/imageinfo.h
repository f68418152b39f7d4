// Geometry of the image buffers of the capture sequence.
#ifndef DAPPLIX_CAMERA_IMAGEINFO_H
#define DAPPLIX_CAMERA_IMAGEINFO_H

#include <QMetaType>

struct ImageInfo
{
    quint32 width = 0;
    quint32 height = 0;
    quint32 bitsPerPixel = 0;
};

Q_DECLARE_METATYPE(ImageInfo)

#endif // DAPPLIX_CAMERA_IMAGEINFO_H

// One image buffer allocated by the SDK.
#ifndef DAPPLIX_CAMERA_IMAGEMEMORY_H
#define DAPPLIX_CAMERA_IMAGEMEMORY_H

#include "sdk/vyro_api.h"

#include <QtGlobal>

class ImageMemory final
{
public:
    // Throws "Can't allocate image memory." when the SDK refuses.
    ImageMemory(VY_HCAM handle, int width, int height, int bitsPerPixel);
    ~ImageMemory();

    char *memory() const { return m_mem; }
    int memoryId() const { return m_id; }

private:
    Q_DISABLE_COPY(ImageMemory)

    VY_HCAM m_handle;
    int m_id = 0;
    char *m_mem = nullptr;
};

#endif // DAPPLIX_CAMERA_IMAGEMEMORY_H

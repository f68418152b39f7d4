// One image buffer allocated by the SDK.
#include "dapplix/camera/imagememory.h"

#include <QCoreApplication>
#include <stdexcept>

ImageMemory::ImageMemory(VY_HCAM h, int width, int height, int bitsPerPixel) : handle(h)
{
    if (vy_AllocImageMem(handle, width, height, bitsPerPixel, &mem, &id) != VY_SUCCESS || !mem)
        throw std::runtime_error(
            QCoreApplication::translate("Camera", "Can't allocate image memory.").toStdString());
}

ImageMemory::~ImageMemory()
{
    vy_FreeImageMem(handle, mem, id);
}

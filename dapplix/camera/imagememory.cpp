// One image buffer allocated by the SDK.
#include "dapplix/camera/imagememory.h"

#include <QCoreApplication>
#include <stdexcept>

ImageMemory::ImageMemory(VY_HCAM h, int width, int height, int bitsPerPixel) : m_handle(h)
{
    if (vy_AllocImageMem(m_handle, width, height, bitsPerPixel, &m_mem, &m_id) != VY_SUCCESS ||
        !m_mem)
        throw std::runtime_error(
            QCoreApplication::translate("dapplix::Camera", "Can't allocate image memory.")
                .toStdString());
}

ImageMemory::~ImageMemory()
{
    vy_FreeImageMem(m_handle, m_mem, m_id);
}

// The ring of SDK image buffers that live capture fills in turn.
#include "dapplix/camera/imagesequence.h"

#include <QCoreApplication>
#include <stdexcept>

ImageSequence::~ImageSequence()
{
    clear();
}

void ImageSequence::setup(VY_HCAM h, int count, const ImageInfo &info)
{
    clear();
    m_handle = h;
    m_imageInfo = info;
    while (int(m_buffers.size()) < count) {
        auto buffer = std::make_unique<ImageMemory>(m_handle, int(info.width), int(info.height),
                                                    int(info.bitsPerPixel));
        if (vy_AddToSequence(m_handle, buffer->memory(), buffer->memoryId()) != VY_SUCCESS)
            throw std::runtime_error(
                QCoreApplication::translate("dapplix::Camera", "Can't add buffer to sequence.")
                    .toStdString());
        m_buffers.push_back(std::move(buffer));
    }
}

void ImageSequence::clear()
{
    if (m_buffers.empty())
        return;
    vy_ClearSequence(m_handle);
    m_buffers.clear();
}

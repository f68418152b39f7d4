// The ring of SDK image buffers that live capture fills in turn.
#ifndef DAPPLIX_CAMERA_IMAGESEQUENCE_H
#define DAPPLIX_CAMERA_IMAGESEQUENCE_H

#include "dapplix/camera/imageinfo.h"
#include "dapplix/camera/imagememory.h"

#include <memory>
#include <vector>

class ImageSequence final
{
public:
    ImageSequence() = default;
    ~ImageSequence();

    // Replaces the sequence by count new buffers of the given geometry; throws on failure
    // ("Can't allocate image memory.", "Can't add buffer to sequence.").
    void setup(VY_HCAM handle, int count, const ImageInfo &info);
    void clear();

    const ImageInfo &info() const { return m_imageInfo; }
    int count() const { return int(m_buffers.size()); }

private:
    Q_DISABLE_COPY(ImageSequence)

    VY_HCAM m_handle = 0;
    ImageInfo m_imageInfo;
    std::vector<std::unique_ptr<ImageMemory>> m_buffers;
};

#endif // DAPPLIX_CAMERA_IMAGESEQUENCE_H

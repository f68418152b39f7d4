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

    const ImageInfo &info() const { return imageInfo; }
    int count() const { return int(buffers.size()); }

private:
    Q_DISABLE_COPY(ImageSequence)

    VY_HCAM handle = 0;
    ImageInfo imageInfo;
    std::vector<std::unique_ptr<ImageMemory>> buffers;
};

#endif // DAPPLIX_CAMERA_IMAGESEQUENCE_H

// cameralistreader.h: reads the SDK's camera list once, the way both programs need it.
#ifndef VYROKIT_CAMERALISTREADER_H
#define VYROKIT_CAMERALISTREADER_H

#include <cstdint>
#include <vector>

#include "vyrokit/listedcamera.h"

namespace vyrokit {

class CameraListReader final
{
public:
    enum class Step
    {
        None,  // the list was read (it may be empty)
        Count, // vy_GetNumberOfCameras failed
        List   // vy_GetCameraList failed
    };

    using CountFunction = int32_t (*)(int32_t *count);
    using ListFunction = int32_t (*)(VY_CAMERA_LIST *list);

    // The SDK's own two calls unless a caller needs to step between them (tests do, to change
    // the world between the count and the list).
    explicit CameraListReader(CountFunction count = vy_GetNumberOfCameras,
                              ListFunction list = vy_GetCameraList);

    // Asks for the number of cameras, then for a list of that many entries, and keeps the
    // entries the library marked valid. Returns true when both calls succeeded or there is no
    // camera; the entries are empty after a failure.
    bool read();

    const std::vector<ListedCamera> &cameras() const { return m_cameras; }
    Step failedStep() const { return m_failedStep; }
    // The return code of the failed call, VY_SUCCESS after a successful read.
    int32_t result() const { return m_result; }

private:
    CountFunction m_count;
    ListFunction m_list;
    std::vector<ListedCamera> m_cameras;
    Step m_failedStep = Step::None;
    int32_t m_result = VY_SUCCESS;
};

} // namespace vyrokit

#endif // VYROKIT_CAMERALISTREADER_H

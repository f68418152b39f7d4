// holdcamera: a second program that keeps one simulated camera open until its input closes.
// Usage: holdcamera <deviceId>; prints "open" once the camera is open, "failed <code>" if not.
#include <cstdio>
#include <cstdlib>

#include "sdk/vyro_api.h"

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    VY_HCAM handle = static_cast<VY_HCAM>(std::strtoul(argv[1], nullptr, 10) | VY_UNOPENED);
    const int32_t ret = vy_InitCamera(&handle, nullptr);
    if (ret != VY_SUCCESS) {
        std::printf("failed %d\n", ret);
        return 1;
    }
    std::printf("open\n");
    std::fflush(stdout);
    // Hold the camera until the test closes our input.
    while (std::getchar() != EOF) {
    }
    vy_ExitCamera(handle);
    return 0;
}

// sim_holder: opens one simulated camera and holds it until its standard input closes or it
// is killed; the tests' second process. Prints "opened <handle>" or "failed <code>".
#include "sdk/vyro_api.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: sim_holder <deviceId>\n");
        return 2;
    }
    VY_HCAM handle = VY_HCAM(std::strtoul(argv[1], nullptr, 10) | VY_UNOPENED);
    const int32_t result = vy_InitCamera(&handle, nullptr);
    if (result != VY_SUCCESS) {
        std::printf("failed %d\n", result);
        return 1;
    }
    std::printf("opened %d\n", handle);
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    vy_ExitCamera(handle);
    return 0;
}

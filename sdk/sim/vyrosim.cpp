// vyrosim: command-line tool over the simulator's shared world.
#include "vyro_api.h"
#include <cstdio>

int main()
{
    int32_t n = 0;
    std::printf("%d\n", vy_GetNumberOfCameras(&n));
    return 0;
}

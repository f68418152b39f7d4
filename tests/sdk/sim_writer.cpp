// sim_writer: rewrites the shared world as fast as it can (device 1's model "W<n>"), printing n
// after each write, until it is killed; the tests' writer that dies mid-write.
#include "sdk/sim/vyro_sim.h"

#include <cstdio>
#include <string>

int main()
{
    char message[256];
    for (unsigned n = 1;; ++n) {
        const std::string model = "\"W" + std::to_string(n) + "\"";
        if (vysim_set_device_field(1, "model", model.c_str(), message, sizeof message) !=
            VY_SUCCESS) {
            std::fprintf(stderr, "%s\n", message);
            return 1;
        }
        std::printf("%u\n", n);
        std::fflush(stdout);
    }
}

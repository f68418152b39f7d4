// fuzz_hotpixel_binary.cpp: the simulator's binary hot pixel list file.
#include "sdk/sim/hotpixelfile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::vector<uint8_t> bytes(data, data + size);
    std::vector<vysim::PixelPos> pixels;
    std::string problem;
    if (vysim::hotpixelfile::decode(bytes, &pixels, &problem)) {
        // What was read is written back byte for byte.
        if (vysim::hotpixelfile::encode(pixels) != bytes)
            std::abort();
    } else if (problem.empty()) {
        std::abort();
    }
    return 0;
}

// fuzz_world_json.cpp: the simulator's world files, as every world enters (file, plug, reset).
#include "sdk/sim/vyro_sim.h"

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The simulator's shared state goes to a directory of the fuzzer's own, never the user's.
    static QTemporaryDir home;
    if (!home.isValid())
        std::abort();
    qputenv("VYRO_SIM_HOME", QFile::encodeName(home.path()));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray json(reinterpret_cast<const char *>(data), int(size));
    char message[512];
    vysim_check_world_json(json.constData(), message, sizeof message);
    return 0;
}

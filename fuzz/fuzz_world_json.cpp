// fuzz_world_json.cpp: the simulator's world files, as every world enters (file, plug, reset),
// and its state file, as every running program reads it when another one rewrote it.
#include "sdk/sim/vyro_sim.h"
#include "vyrokit/files/filewriter.h"

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

QString stateFile()
{
    return QFile::decodeName(qgetenv("VYRO_SIM_HOME")) + QStringLiteral("/state.json");
}

// The state file replaced by bytes, then taken in as the poll thread would.
void readState(const QByteArray &bytes)
{
    QString problem;
    if (vyrokit::FileWriter::write(stateFile(), bytes, &problem,
                                   vyrokit::FileWriter::Durability::Unsynced))
        vysim_sync();
}

} // namespace

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
    // The input as a whole state file (its generation, damage, a huge or negative one), then as
    // the world of a state with a generation not seen before, so that it is parsed.
    static quint64 generation = 1000;
    readState(json);
    readState("{\"generation\":" + QByteArray::number(++generation) +
              ",\"source\":\"fuzz\",\"world\":" + json + "}");
    return 0;
}

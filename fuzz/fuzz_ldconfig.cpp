// fuzz_ldconfig.cpp: the library cache listing ("ldconfig -p") the library search reads.
#include "zentara/devinfo/librarysearch.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray output(reinterpret_cast<const char *>(data), int(size));
    const QStringList directories = LibrarySearch::directories(output);
    for (const QString &directory : directories) {
        // Each directory comes out once, none empty.
        if (directory.isEmpty() || directories.count(directory) != 1)
            std::abort();
    }
    return 0;
}

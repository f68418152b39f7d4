// fuzz_update_file.cpp: the update file from the maker's server, and the version comparison.
#include "zentara/devinfo/updatefile.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray body(reinterpret_cast<const char *>(data), int(size));
    UpdateFile::Table table;
    UpdateFile::parse(body, table);
    for (auto group = table.cbegin(); group != table.cend(); ++group) {
        const std::optional<QString> latest = UpdateFile::latestVersion(table, group.key());
        if (latest)
            UpdateFile::compare(QStringLiteral("4.95.1"), *latest);
    }
    // The raw body as a version text too.
    UpdateFile::compare(QString::fromLatin1(body.left(64)), QStringLiteral("4.95.1"));
    return 0;
}

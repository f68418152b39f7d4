// fuzz_bootboost_ids.cpp: the boot boost ID list as the user types it.
#include "zentara/settings/bootboostids.h"

#include <cstdint>
#include <cstdlib>
#include <optional>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString input = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    // Every part of the input is one part of the result, the separators excluded.
    const QVector<BootBoostIds::Part> parts = BootBoostIds::parts(input);
    if (parts.size() != input.count(QLatin1Char(';')) + 1)
        std::abort();
    for (const BootBoostIds::Part &part : parts) {
        if (part.firstValid && !BootBoostIds::isValidId(part.first))
            std::abort();
        if (part.lastValid && (!part.range || !BootBoostIds::isValidId(part.last)))
            std::abort();
    }
    const std::optional<QVector<int>> ids = BootBoostIds::listToSet(input);
    if (!ids)
        return 0;
    // The list sent is sorted, unique and valid, and what is shown of it reads back as it.
    for (int i = 0; i < ids->size(); ++i) {
        if (!BootBoostIds::isValidId(ids->at(i)) || (i > 0 && ids->at(i - 1) >= ids->at(i)))
            std::abort();
    }
    if (ids->isEmpty())
        return 0;
    const QString shown = BootBoostIds::display(*ids);
    if (BootBoostIds::listToSet(shown) != ids)
        std::abort();
    return 0;
}

// fuzz_hotpixel_text.cpp: the hot pixel text file as the editor imports it.
#include "dapplix/hotpixels/badpixellistmodel.h"
#include "dapplix/hotpixels/badpixeltextfile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <stdexcept>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("list.txt"));
    QFile file(path);
    if (!dir.isValid() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    BadpixelListModel model;
    model.setCounts(1000, 0);
    try {
        model.importFromFile(path);
    } catch (const std::runtime_error &) {
        // A refused file leaves the list as it was: empty.
        if (model.rowCount() != 0)
            std::abort();
    }
    if (model.rowCount() > BadpixelTextFile::maxEntries)
        std::abort();
    return 0;
}

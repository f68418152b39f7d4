// fuzz_daemon_config_file.cpp: the GigE daemon's configuration file zentara edits.
#include "zentara/network/daemonconfigfile.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QVariant>

#include <cstdint>
#include <cstdlib>

namespace {

const QString interfacesKey = QStringLiteral("Parameters/Interfaces");

// Every key but the interface list, with its value.
QVariantMap otherKeys(const QString &path)
{
    const QSettings settings(path, QSettings::NativeFormat);
    QVariantMap values;
    for (const QString &key : settings.allKeys()) {
        // "Parameters//Interfaces/" in the file is the same key to QSettings.
        if (key.split(QLatin1Char('/'), Qt::SkipEmptyParts).join(QLatin1Char('/')) != interfacesKey)
            values.insert(key, settings.value(key));
    }
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir directory;
    if (!directory.isValid())
        std::abort();
    // A new name each run: QSettings caches a file by name, size and modification time, which a
    // rewrite within the same second can leave unchanged.
    static int run = 0;
    const QString path = directory.filePath(QStringLiteral("vyroethd-%1.conf").arg(++run));
    const QByteArray content(reinterpret_cast<const char *>(data), int(size));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(content) != content.size())
            std::abort();
    }
    const DaemonConfigFile config(path);
    const QStringList before = config.interfaces();
    for (const QString &name : before) {
        if (name.isEmpty() || name.contains(QLatin1Char(' ')))
            std::abort();
    }
    if (!config.isWritable()) {
        // A file that is not written stays as it was.
        if (config.enableAdapter(QStringLiteral("eth7")) != -1 ||
            config.disableAdapter(QStringLiteral("eth7")) != -1)
            std::abort();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) || file.readAll() != content)
            std::abort();
        QFile::remove(path);
        QFile::remove(path + QStringLiteral(".lock"));
        return 0;
    }
    const QVariantMap others = otherKeys(path);
    // Enabling appends the adapter once and keeps the rest of the file.
    const QString name = QStringLiteral("eth7");
    if (config.enableAdapter(name) != 0 || !config.isAdapterEnabled(name))
        std::abort();
    QStringList expected = before;
    if (!expected.contains(name))
        expected << name;
    if (config.interfaces() != expected || otherKeys(path) != others)
        std::abort();
    // Disabling without regard to case removes every such entry and nothing else.
    if (config.disableAdapter(QStringLiteral("ETH7")) != 0 || config.isAdapterEnabled(name))
        std::abort();
    QStringList remaining;
    for (const QString &entry : before) {
        if (entry.compare(name, Qt::CaseInsensitive) != 0)
            remaining << entry;
    }
    if (config.interfaces() != remaining || otherKeys(path) != others)
        std::abort();
    QFile::remove(path);
    QFile::remove(path + QStringLiteral(".lock"));
    return 0;
}

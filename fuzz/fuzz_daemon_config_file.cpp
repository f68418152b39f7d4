// fuzz_daemon_config_file.cpp: the GigE daemon's configuration file zentara edits in place.
#include "zentara/network/daemonconfigfile.h"

#include <QFile>
#include <QList>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    return file.readAll();
}

// The file's lines with their line ends, the lines of the interface key cut after the "=":
// what must stay byte for byte.
QList<QByteArray> withoutValues(const QByteArray &bytes)
{
    static const QRegularExpression key(QStringLiteral("^[ \\t\\v\\f]*Interfaces[ \\t\\v\\f]*="));
    QList<QByteArray> lines;
    for (int begin = 0; begin < bytes.size();) {
        const int lineBreak = bytes.indexOf('\n', begin);
        const int next = lineBreak < 0 ? bytes.size() : lineBreak + 1;
        QByteArray line = bytes.mid(begin, next - begin);
        const QRegularExpressionMatch match = key.match(QString::fromLatin1(line));
        if (match.hasMatch()) {
            const QByteArray end = line.endsWith("\r\n") ? "\r\n" : line.endsWith('\n') ? "\n" : "";
            line = line.left(match.capturedEnd()) + end;
        }
        lines.append(line);
        begin = next;
    }
    return lines;
}

// Every byte of before outside an interface value is in after; after adds at most the key
// (and its group) at one place, the line before it ended if it was not.
void checkOnlyTheValueChanged(const QByteArray &before, const QByteArray &after)
{
    const QList<QByteArray> a = withoutValues(before);
    const QList<QByteArray> b = withoutValues(after);
    if (a == b)
        return;
    int front = 0;
    while (front < a.size() && front < b.size() && a[front] == b[front])
        ++front;
    int back = 0;
    while (back < a.size() - front && back < b.size() - front &&
           a[a.size() - 1 - back] == b[b.size() - 1 - back])
        ++back;
    QList<QByteArray> removed = a.mid(front, a.size() - back - front);
    QList<QByteArray> added = b.mid(front, b.size() - back - front);
    if (removed.size() == 1 && !added.isEmpty() && !removed.first().endsWith('\n') &&
        (added.first() == removed.first() + "\n" || added.first() == removed.first() + "\r\n")) {
        removed.clear();
        added.removeFirst();
    }
    if (!removed.isEmpty() ||
        (!added.contains("Interfaces=\n") && !added.contains("Interfaces=\r\n")))
        std::abort();
    for (const QByteArray &line : added) {
        const QByteArray text = line.trimmed();
        if (!text.isEmpty() && text != "[Parameters]" && text != "Interfaces=")
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir directory;
    if (!directory.isValid())
        std::abort();
    const QString path = directory.filePath(QStringLiteral("vyroethd.conf"));
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
    const QString name = QStringLiteral("eth7");
    if (!config.isWritable()) {
        // A file that is not written stays as it was.
        if (config.enableAdapter(name) != -1 || config.disableAdapter(name) != -1 ||
            readAll(path) != content)
            std::abort();
        return 0;
    }
    // Enabling appends the adapter once and changes nothing but the interface list.
    if (config.enableAdapter(name) != 0 || !config.isAdapterEnabled(name))
        std::abort();
    QStringList expected = before;
    if (!expected.contains(name))
        expected << name;
    const QByteArray enabled = readAll(path);
    if (config.interfaces() != expected)
        std::abort();
    checkOnlyTheValueChanged(content, enabled);
    // Disabling without regard to case removes every such entry and nothing else.
    if (config.disableAdapter(QStringLiteral("ETH7")) != 0 || config.isAdapterEnabled(name))
        std::abort();
    QStringList remaining;
    for (const QString &entry : before) {
        if (entry.compare(name, Qt::CaseInsensitive) != 0)
            remaining << entry;
    }
    if (config.interfaces() != remaining)
        std::abort();
    checkOnlyTheValueChanged(enabled, readAll(path));
    return 0;
}

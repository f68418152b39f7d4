// daemonconfigfile.cpp: the interface list of the GigE daemon's configuration file, edited in
// place.
#include "zentara/network/daemonconfigfile.h"

#include <QFileInfo>

#include <algorithm>

#include "vyrokit/files/filereader.h"
#include "vyrokit/files/filewriter.h"
#include "vyrokit/systempaths.h"

namespace {

// A configuration file is small text.
constexpr qint64 maxFileSize = qint64(1024) * 1024;

// The blanks QByteArray::simplified() and trimmed() know.
bool isAsciiSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Where the interface list lies in the file's bytes.
struct Layout
{
    // The file has the shape the header describes.
    bool valid = false;
    // The value of the key, blanks around it excluded; -1 without the key.
    int valueBegin = -1;
    int valueEnd = -1;
    // Where a missing key goes: after the last key (or the header) of the last group; -1
    // without the group.
    int groupEnd = -1;
    // What lines added to the file end with: the file's own line ending.
    QByteArray lineEnd = "\n";
};

Layout layoutOf(const QByteArray &bytes)
{
    Layout layout;
    if (bytes.contains('\0'))
        return layout;
    const int firstBreak = bytes.indexOf('\n');
    if (firstBreak > 0 && bytes.at(firstBreak - 1) == '\r')
        layout.lineEnd = "\r\n";
    bool inParameters = false;
    for (int begin = 0; begin < bytes.size();) {
        const int lineBreak = bytes.indexOf('\n', begin);
        const int next = lineBreak < 0 ? bytes.size() : lineBreak + 1;
        int end = lineBreak < 0 ? next : lineBreak;
        if (end > begin && bytes.at(end - 1) == '\r')
            --end;
        const QByteArray line = bytes.mid(begin, end - begin);
        // A lone carriage return ends a line for some readers and not for others.
        if (line.contains('\r'))
            return Layout();
        const QByteArray text = line.trimmed();
        if (text.isEmpty() || text.startsWith(';') || text.startsWith('#')) {
            // Kept as it is.
        } else if (text.startsWith('[') && text.endsWith(']')) {
            inParameters = text.mid(1, text.size() - 2).trimmed() == "Parameters";
            if (inParameters)
                layout.groupEnd = next;
        } else {
            const int equals = line.indexOf('=');
            const QByteArray key = line.left(std::max(equals, 0)).trimmed();
            if (key.isEmpty())
                return Layout();
            if (inParameters) {
                layout.groupEnd = next;
                if (key == "Interfaces") {
                    int valueBegin = begin + equals + 1;
                    int valueEnd = end;
                    while (valueBegin < valueEnd && isAsciiSpace(bytes.at(valueBegin)))
                        ++valueBegin;
                    while (valueEnd > valueBegin && isAsciiSpace(bytes.at(valueEnd - 1)))
                        --valueEnd;
                    layout.valueBegin = valueBegin;
                    layout.valueEnd = valueEnd;
                }
            }
        }
        begin = next;
    }
    layout.valid = true;
    return layout;
}

QStringList namesOf(const QByteArray &bytes, const Layout &layout)
{
    QStringList names;
    if (!layout.valid || layout.valueBegin < 0)
        return names;
    const QByteArray value = bytes.mid(layout.valueBegin, layout.valueEnd - layout.valueBegin);
    for (const QByteArray &word : value.simplified().split(' '))
        if (!word.isEmpty())
            names.append(QString::fromLatin1(word));
    return names;
}

// The file's bytes, empty when it is missing.
bool readFile(const QString &path, QByteArray *bytes, QString *problem)
{
    bool missing = false;
    if (vyrokit::FileReader::read(path, maxFileSize, bytes, problem, &missing))
        return true;
    if (!missing)
        return false;
    bytes->clear();
    return true;
}

// A name that the file can hold and read back as the same one name.
bool isListable(const QString &name)
{
    if (name.isEmpty())
        return false;
    for (const QChar c : name)
        if (c.unicode() == 0 || c.unicode() > 0xFF || isAsciiSpace(char(c.unicode())))
            return false;
    return true;
}

} // namespace

DaemonConfigFile::DaemonConfigFile() : m_path(systemPath())
{
}

DaemonConfigFile::DaemonConfigFile(const QString &path) : m_path(path)
{
}

QString DaemonConfigFile::systemPath()
{
    return vyrokit::SystemPaths::path(QStringLiteral("/etc/orv/vyro/vyroethd.conf"));
}

QStringList DaemonConfigFile::interfaces() const
{
    QByteArray bytes;
    QString problem;
    if (!readFile(m_path, &bytes, &problem))
        return {};
    return namesOf(bytes, layoutOf(bytes));
}

bool DaemonConfigFile::isAdapterEnabled(const QString &name) const
{
    return interfaces().contains(name, Qt::CaseSensitive);
}

int DaemonConfigFile::enableAdapter(const QString &name, QString *problem) const
{
    return changeInterfaces(name, true, problem);
}

int DaemonConfigFile::disableAdapter(const QString &name, QString *problem) const
{
    return changeInterfaces(name, false, problem);
}

bool DaemonConfigFile::isWritable(QString *problem) const
{
    QString reason;
    QByteArray bytes;
    const QFileInfo info(m_path);
    if (readFile(m_path, &bytes, &reason)) {
        // A write puts a temporary file beside the target and renames it.
        if ((info.exists() && !info.isWritable()) || !QFileInfo(info.absolutePath()).isWritable())
            reason = tr("%1: no permission to write").arg(m_path);
        else if (!layoutOf(bytes).valid)
            reason =
                tr("%1: does not read as a configuration file and is left as it is").arg(m_path);
        else
            return true;
    }
    if (problem)
        *problem = reason;
    return false;
}

int DaemonConfigFile::changeInterfaces(const QString &name, bool enable, QString *problem) const
{
    QString reason;
    const auto fail = [&] {
        if (problem)
            *problem = reason;
        return -1;
    };
    if (!isWritable(&reason))
        return fail();
    QByteArray bytes;
    if (!readFile(m_path, &bytes, &reason))
        return fail();
    const Layout layout = layoutOf(bytes);
    if (!layout.valid)
        return fail();
    const QStringList before = namesOf(bytes, layout);
    QStringList after = before;
    if (enable) {
        if (!isListable(name)) {
            reason = tr("%1: \"%2\" is not a name of a network interface").arg(m_path, name);
            return fail();
        }
        if (!after.contains(name, Qt::CaseSensitive))
            after.append(name);
    } else {
        after.erase(std::remove_if(after.begin(), after.end(),
                                   [&name](const QString &entry) {
                                       return entry.compare(name, Qt::CaseInsensitive) == 0;
                                   }),
                    after.end());
    }
    if (after == before)
        return 0;
    const QByteArray list = after.join(QLatin1Char(' ')).toLatin1();
    if (layout.valueBegin >= 0) {
        bytes.replace(layout.valueBegin, layout.valueEnd - layout.valueBegin, list);
    } else {
        QByteArray lines = "Interfaces=" + list + layout.lineEnd;
        int at = layout.groupEnd;
        if (at < 0) {
            at = bytes.size();
            lines.prepend("[Parameters]" + layout.lineEnd);
            if (!bytes.isEmpty())
                lines.prepend(layout.lineEnd);
        }
        if (at > 0 && bytes.at(at - 1) != '\n')
            lines.prepend(layout.lineEnd);
        bytes.insert(at, lines);
    }
    if (!vyrokit::FileWriter::write(m_path, bytes, &reason))
        return fail();
    return 0;
}

// Reading and writing dapplix's own hot pixel text file.
#include "dapplix/hotpixels/badpixeltextfile.h"

#include "dapplix/hotpixels/failure.h"
#include "vyrokit/files/filereader.h"
#include "vyrokit/files/filewriter.h"

#include <QByteArray>
#include <QList>
#include <algorithm>

namespace {

// A whole number in C notation (0x hexadecimal, 0b binary, a leading 0 octal) up to max.
bool parseNumber(const QByteArray &field, uint max, uint *value)
{
    bool ok = false;
    const bool binary = field.startsWith("0b") || field.startsWith("0B");
    const qulonglong v = binary ? field.mid(2).toULongLong(&ok, 2) : field.toULongLong(&ok, 0);
    // toULongLong takes a sign; an entry never has one.
    ok = ok && !field.startsWith('-') && !field.startsWith('+') && v <= max;
    *value = uint(v);
    return ok;
}

// "x y" (a factory entry, as the list's class 0) or "x y class".
bool parseEntry(const QByteArray &line, Badpixel *entry)
{
    const QList<QByteArray> fields = line.split(' ');
    uint x = 0, y = 0, pixelclass = Badpixel::Factory;
    if (fields.size() < 2 || fields.size() > 3 || !parseNumber(fields[0], 0xFFFF, &x) ||
        !parseNumber(fields[1], 0xFFFF, &y) ||
        (fields.size() == 3 && !parseNumber(fields[2], 0xFF, &pixelclass)))
        return false;
    *entry = {quint16(x), quint16(y), quint8(pixelclass)};
    return true;
}

bool isTextByte(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (u >= 0x20 && u < 0x7F) || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

} // namespace

std::vector<Badpixel> BadpixelTextFile::read(const QString &filename, QSize sensor)
{
    // A line is at most maxLineLength bytes and its line feed.
    QByteArray content;
    QString problem;
    if (!vyrokit::FileReader::read(filename, qint64(maxEntries) * (maxLineLength + 1), &content,
                                   &problem))
        throwFailure(problem);
    if (content.startsWith("\xEF\xBB\xBF"))
        content.remove(0, 3); // a UTF-8 byte-order mark
    std::vector<Badpixel> entries;
    int lineNumber = 0;
    for (QByteArray line : content.split('\n')) {
        ++lineNumber;
        if (line.size() > maxLineLength)
            throwFailure(tr("The file is not a hot pixel text file (line %1).").arg(lineNumber));
        // A comment may hold any text; the entry before it only what an entry is made of.
        const int comment = line.indexOf('#');
        if (comment >= 0)
            line.truncate(comment);
        if (!std::all_of(line.begin(), line.end(), isTextByte))
            throwFailure(tr("The file is not a hot pixel text file (line %1).").arg(lineNumber));
        line = line.simplified();
        if (line.isEmpty())
            continue;
        Badpixel b;
        if (!parseEntry(line, &b))
            throwFailure(tr("Line %1 is not an \"x y\" or \"x y class\" line: %2")
                             .arg(lineNumber)
                             .arg(QString::fromLatin1(line.left(60))));
        if (sensor.isValid() && (b.x >= sensor.width() || b.y >= sensor.height()))
            throwFailure(tr("Line %1 lies outside the sensor of %2 × %3 pixels: %4")
                             .arg(lineNumber)
                             .arg(sensor.width())
                             .arg(sensor.height())
                             .arg(QString::fromLatin1(line.left(60))));
        if (int(entries.size()) == maxEntries)
            throwFailure(tr("The file holds more than %1 hot pixel entries.").arg(maxEntries));
        entries.push_back(b);
    }
    return entries;
}

void BadpixelTextFile::write(const QString &filename, const std::vector<QPoint> &positions)
{
    QByteArray text;
    for (const QPoint &p : positions)
        text += QByteArray::number(p.x()) + ' ' + QByteArray::number(p.y()) + " 1\n";
    QString problem;
    if (!vyrokit::FileWriter::write(filename, text, &problem))
        throwFailure(problem);
}

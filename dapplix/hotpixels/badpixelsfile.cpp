// Reading and writing the raw converters' hot pixel list.
#include "dapplix/hotpixels/badpixelsfile.h"

#include "dapplix/hotpixels/failure.h"
#include "vyrokit/files/filereader.h"
#include "vyrokit/files/filewriter.h"

#include <stdexcept>

namespace {

// A pixel line holds three whole numbers: column, row and time.
bool parseLine(const QByteArray &text, qlonglong *column, qlonglong *row)
{
    const QList<QByteArray> fields = text.simplified().split(' ');
    if (fields.size() != 3)
        return false;
    bool ok[3] = {};
    *column = fields[0].toLongLong(&ok[0]);
    *row = fields[1].toLongLong(&ok[1]);
    fields[2].toLongLong(&ok[2]);
    return ok[0] && ok[1] && ok[2];
}

} // namespace

const QString &BadpixelsFile::suffix()
{
    static const QString s = QStringLiteral("badpixels");
    return s;
}

QVector<QPoint> BadpixelsFile::read(const QString &filename, QSize sensor)
{
    QByteArray content;
    QString problem;
    if (!vyrokit::FileReader::read(filename, maxFileSize, &content, &problem))
        throwFailure(problem);
    QVector<QPoint> pixels;
    int lineNumber = 0;
    for (QByteArray line : content.split('\n')) {
        ++lineNumber;
        if (line.size() > maxLineLength)
            throwFailure(tr("Line %1 is too long for a hot pixel line.").arg(lineNumber));
        const int comment = line.indexOf('#');
        if (comment >= 0)
            line.truncate(comment);
        if (line.trimmed().isEmpty())
            continue;
        const QString shown = QString::fromUtf8(line.trimmed()).left(60);
        qlonglong column = 0, row = 0;
        if (!parseLine(line, &column, &row))
            throwFailure(
                tr("Line %1 is not a \"column row time\" line: %2").arg(lineNumber).arg(shown));
        if (column < 0 || row < 0 || column >= sensor.width() || row >= sensor.height())
            throwFailure(tr("Line %1 lies outside the sensor of %2 × %3 pixels: %4")
                             .arg(lineNumber)
                             .arg(sensor.width())
                             .arg(sensor.height())
                             .arg(shown));
        if (pixels.size() == maxPixels)
            throwFailure(tr("Line %1: the file holds more than %2 hot pixels.")
                             .arg(lineNumber)
                             .arg(maxPixels));
        pixels.append(QPoint(int(column), int(row)));
    }
    return pixels;
}

void BadpixelsFile::write(const QString &filename, const QVector<QPoint> &pixels)
{
    QByteArray text("# column row time\n");
    for (const QPoint &p : pixels)
        text += QByteArray::number(p.x()) + ' ' + QByteArray::number(p.y()) + " 0\n";
    QString problem;
    if (!vyrokit::FileWriter::write(filename, text, &problem))
        throwFailure(problem);
}

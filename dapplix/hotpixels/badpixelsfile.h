// The plain hot pixel list that raw converters read: one "column row time" line per pixel.
#ifndef DAPPLIX_HOTPIXELS_BADPIXELSFILE_H
#define DAPPLIX_HOTPIXELS_BADPIXELSFILE_H

#include <QCoreApplication>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QVector>

class BadpixelsFile final
{
    Q_DECLARE_TR_FUNCTIONS(BadpixelsFile)
public:
    // The suffix the converters look for beside the photo or in its folder.
    static const QString &suffix();
    // A file with more pixels than this is refused: no camera list holds nearly as many.
    static constexpr int maxPixels = 10000;
    // Longer lines are no pixel line; such a file is refused.
    static constexpr int maxLineLength = 255;
    // Comments may make a file longer than its pixels need, but not without bound.
    static constexpr qint64 maxFileSize = qint64(4) * 1024 * 1024;

    // Reads every pixel of the file, each within a sensor of the given size. "#" starts a
    // comment; blank lines are skipped. Throws std::runtime_error with the user message, which
    // names the first line that is refused.
    static QVector<QPoint> read(const QString &filename, QSize sensor);
    // Writes the pixels with time 0, which the converters apply to every photo. Throws
    // std::runtime_error with the user message.
    static void write(const QString &filename, const QVector<QPoint> &pixels);
};

#endif // DAPPLIX_HOTPIXELS_BADPIXELSFILE_H

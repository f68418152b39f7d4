// dapplix's own hot pixel text file: one "x y" or "x y class" entry per line.
#ifndef DAPPLIX_HOTPIXELS_BADPIXELTEXTFILE_H
#define DAPPLIX_HOTPIXELS_BADPIXELTEXTFILE_H

#include "dapplix/hotpixels/badpixel.h"

#include <QCoreApplication>
#include <QPoint>
#include <QSize>
#include <QString>
#include <vector>

class BadpixelTextFile final
{
    Q_DECLARE_TR_FUNCTIONS(BadpixelTextFile)
public:
    // A file with more entries than this is refused without reading on: the camera holds far
    // fewer, and a runaway file must not fill the memory.
    static constexpr int maxEntries = 10000;
    // Longer lines cannot be an entry; such a file is refused as not a hot pixel list.
    static constexpr int maxLineLength = 255;

    // Every line "x y" (a factory entry) or "x y class", "#" comments and blank lines skipped;
    // with a valid sensor size every entry must lie on it. The whole file is refused at its
    // first other line: throws std::runtime_error with the user message.
    static std::vector<Badpixel> read(const QString &filename, QSize sensor);
    // Writes the positions as user entries ("x y 1"). Throws std::runtime_error with the user
    // message.
    static void write(const QString &filename, const std::vector<QPoint> &positions);
};

#endif // DAPPLIX_HOTPIXELS_BADPIXELTEXTFILE_H

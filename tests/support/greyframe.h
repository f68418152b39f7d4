// greyframe.h: the 8-bit grey frames that the editor's tests hand its display, magnifier,
// histograms and detection, as the camera delivers them.
#ifndef TESTS_SUPPORT_GREYFRAME_H
#define TESTS_SUPPORT_GREYFRAME_H

#include <QImage>

// An indexed 8-bit frame with the grey palette, every pixel at level.
QImage greyFrame(int width, int height, int level = 0);

#endif // TESTS_SUPPORT_GREYFRAME_H

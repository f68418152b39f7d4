#include "tests/support/greyframe.h"

QImage greyFrame(int width, int height, int level)
{
    QImage frame(width, height, QImage::Format_Indexed8);
    QVector<QRgb> grey;
    for (int i = 0; i < 256; ++i)
        grey.append(qRgb(i, i, i));
    frame.setColorTable(grey);
    frame.fill(uint(level));
    return frame;
}

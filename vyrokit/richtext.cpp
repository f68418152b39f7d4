// richtext.cpp: coloured rich text for labels that show a status sentence.
#include "vyrokit/richtext.h"

namespace vyrokit {

QString RichText::coloured(const QColor &colour, const QString &text)
{
    return coloured(colour.name(QColor::HexRgb), text);
}

QString RichText::coloured(const QString &colourName, const QString &text)
{
    return QStringLiteral("<font color='%1'>%2</font>").arg(colourName, text);
}

} // namespace vyrokit

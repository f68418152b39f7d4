// richtext.h: coloured rich text for labels that show a status sentence.
#ifndef VYROKIT_RICHTEXT_H
#define VYROKIT_RICHTEXT_H

#include <QColor>
#include <QString>

namespace vyrokit {

class RichText final
{
public:
    RichText() = delete;

    // "<font color='#rrggbb'>text</font>"; the text is taken as rich text already, not escaped,
    // so callers may embed line breaks and markup.
    static QString coloured(const QColor &colour, const QString &text);
    // The same with the colour given as rich text understands it ("red", "#FF0000").
    static QString coloured(const QString &colourName, const QString &text);
};

} // namespace vyrokit

#endif // VYROKIT_RICHTEXT_H

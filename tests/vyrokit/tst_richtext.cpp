// tst_richtext.cpp: the coloured rich text of status labels.
#include <QtTest>

#include "tests/support/testmain.h"
#include "vyrokit/richtext.h"

using vyrokit::RichText;

class tst_RichText : public QObject
{
    Q_OBJECT
private slots:
    void coloured_data();
    void coloured();
    void colourName_data();
    void colourName();
};

void tst_RichText::coloured_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("html");
    QTest::newRow("black") << QColor(Qt::black) << "ok"
                           << "<font color='#000000'>ok</font>";
    QTest::newRow("red") << QColor(Qt::red) << "bad"
                         << "<font color='#ff0000'>bad</font>";
    QTest::newRow("dark_green") << QColor(Qt::darkGreen) << "open"
                                << "<font color='#008000'>open</font>";
    QTest::newRow("orange_by_name") << QColor(QStringLiteral("orange")) << "slow"
                                    << "<font color='#ffa500'>slow</font>";
    QTest::newRow("alpha_dropped") << QColor(255, 0, 0, 10) << "x"
                                   << "<font color='#ff0000'>x</font>";
    QTest::newRow("empty_text") << QColor(Qt::black) << ""
                                << "<font color='#000000'></font>";
    QTest::newRow("markup_kept") << QColor(Qt::red) << "a<br/>b"
                                 << "<font color='#ff0000'>a<br/>b</font>";
    QTest::newRow("placeholder_in_text") << QColor(Qt::black) << "%1 and %2"
                                         << "<font color='#000000'>%1 and %2</font>";
    QTest::newRow("invalid_colour") << QColor() << "x"
                                    << "<font color='#000000'>x</font>";
}

void tst_RichText::coloured()
{
    QFETCH(QColor, colour);
    QFETCH(QString, text);
    QFETCH(QString, html);
    QCOMPARE(RichText::coloured(colour, text), html);
}

void tst_RichText::colourName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("html");
    QTest::newRow("named") << "red"
                           << "<font color='red'>t</font>";
    QTest::newRow("upper_hex") << "#FF0000"
                               << "<font color='#FF0000'>t</font>";
}

void tst_RichText::colourName()
{
    QFETCH(QString, name);
    QFETCH(QString, html);
    QCOMPARE(RichText::coloured(name, QStringLiteral("t")), html);
}

VYRO_TEST_GUILESS_MAIN(tst_RichText)
#include "tst_richtext.moc"

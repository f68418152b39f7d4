// tst_productinfo.cpp: the maker's and the product family's names.
#include <QtTest>

#include "tests/support/testmain.h"
#include "vyrokit/productinfo.h"

using vyrokit::ProductInfo;

class tst_ProductInfo : public QObject
{
    Q_OBJECT
private slots:
    void names_data();
    void names();
};

void tst_ProductInfo::names_data()
{
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");
    QTest::newRow("maker") << ProductInfo::maker() << "Orv";
    QTest::newRow("family") << ProductInfo::family() << "Orv Vyro";
    QTest::newRow("family_starts_with_maker")
        << ProductInfo::family().left(ProductInfo::maker().size()) << ProductInfo::maker();
}

void tst_ProductInfo::names()
{
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
}

VYRO_TEST_GUILESS_MAIN(tst_ProductInfo)
#include "tst_productinfo.moc"

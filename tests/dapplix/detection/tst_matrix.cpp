// Matrix: size checks, checked access and the visitor walk order.
#include "dapplix/detection/diviterator.h"
#include "dapplix/detection/matrix.h"
#include "dapplix/detection/meaniterator.h"
#include "tests/support/testmain.h"

#include <QtTest>
#include <vector>

class tst_Matrix : public QObject
{
    Q_OBJECT
private slots:
    void noSize_data();
    void noSize();
    void access_data();
    void access();
    void walkOrder();
    void partialWalk();
    void meanAndDiv();
    void divExact_data();
    void divExact();
};

void tst_Matrix::noSize_data()
{
    QTest::addColumn<unsigned>("rows");
    QTest::addColumn<unsigned>("cols");
    QTest::newRow("no_rows") << 0u << 5u;
    QTest::newRow("no_cols") << 5u << 0u;
    QTest::newRow("nothing") << 0u << 0u;
}

void tst_Matrix::noSize()
{
    QFETCH(unsigned, rows);
    QFETCH(unsigned, cols);
    try {
        Matrix<unsigned> m(rows, cols);
        QFAIL("constructed");
    } catch (const std::length_error &e) {
        QCOMPARE(QString(e.what()), QString("Matrix has no size"));
    }
}

void tst_Matrix::access_data()
{
    QTest::addColumn<unsigned>("x");
    QTest::addColumn<unsigned>("y");
    QTest::addColumn<bool>("valid");
    QTest::newRow("origin") << 0u << 0u << true;
    QTest::newRow("last") << 3u << 1u << true;
    QTest::newRow("x_past") << 4u << 0u << false;
    QTest::newRow("y_past") << 0u << 2u << false;
    QTest::newRow("huge") << 0xFFFFFFFFu << 0xFFFFFFFFu << false;
}

void tst_Matrix::access()
{
    QFETCH(unsigned, x);
    QFETCH(unsigned, y);
    QFETCH(bool, valid);
    Matrix<unsigned> m(2, 4);
    try {
        m(x, y) = 7;
        QVERIFY(valid);
        QCOMPARE(m(x, y), 7u);
    } catch (const Matrix<unsigned>::out_of_range &e) {
        QVERIFY(!valid);
        QCOMPARE(QString(e.what()),
                 QString("Matrix<T>::operator() (unsigned posY, unsigned poX) out of range"));
    }
}

namespace {
struct Recorder final : ElementIterator
{
    std::vector<unsigned> seen;
    int rowEnds = 0;
    void operator()(unsigned &e) override { seen.push_back(e); }
    void endRow() { ++rowEnds; }
};
} // namespace

void tst_Matrix::walkOrder()
{
    Matrix<unsigned> m(2, 3);
    for (unsigned y = 0; y < 2; ++y)
        for (unsigned x = 0; x < 3; ++x)
            m(x, y) = x + 10 * y;
    Recorder r;
    m.foreach(r);
    QCOMPARE(r.seen, (std::vector<unsigned>{0, 1, 2, 10, 11, 12}));
    QCOMPARE(r.rowEnds, 2);
}

void tst_Matrix::partialWalk()
{
    Matrix<unsigned> m(3, 2);
    for (unsigned y = 0; y < 3; ++y)
        for (unsigned x = 0; x < 2; ++x)
            m(x, y) = x + 10 * y;
    Recorder r;
    m.foreach(r, 1, 5); // clipped at the last row
    QCOMPARE(r.seen, (std::vector<unsigned>{10, 11, 20, 21}));
}

void tst_Matrix::meanAndDiv()
{
    Matrix<unsigned> m(1, 3);
    m(0, 0) = 10;
    m(1, 0) = 21;
    m(2, 0) = 35;
    DivIterator div(10);
    m.foreach(div);
    QCOMPARE(m(0, 0), 1u);
    QCOMPARE(m(1, 0), 2u);
    QCOMPARE(m(2, 0), 3u);
    MeanIterator mean;
    m.foreach(mean);
    QCOMPARE(mean.mean(), 2u);
}

void tst_Matrix::divExact_data()
{
    QTest::addColumn<unsigned>("n");
    for (unsigned n : {1u, 2u, 3u, 7u, 10u, 255u, 1000u, 65537u})
        QTest::newRow(qPrintable(QString("by_%1").arg(n))) << n;
}

void tst_Matrix::divExact()
{
    QFETCH(unsigned, n);
    // The general path over the whole 32-bit range, the quick one up to 255 n.
    std::vector<unsigned> general{0, 1, n - 1, n, n + 1, 2549, 0x7FFFFFFF, 0xFFFFFFFE, 0xFFFFFFFF};
    for (unsigned k = 1; k < 2000; ++k)
        general.push_back(k * 2147483u + k);
    Matrix<unsigned> m(1, unsigned(general.size()));
    for (unsigned i = 0; i < general.size(); ++i)
        m(i, 0) = general[i];
    DivIterator div(n);
    m.foreach(div);
    for (unsigned i = 0; i < general.size(); ++i)
        QCOMPARE(m(i, 0), general[i] / n);
    const unsigned max = 255 * n;
    Matrix<unsigned> q(1, 256);
    for (unsigned i = 0; i < 256; ++i)
        q(i, 0) = i == 255 ? max : i * n + (i % (n ? n : 1));
    DivIterator quick(n, max);
    q.foreach(quick);
    for (unsigned i = 0; i < 256; ++i)
        QCOMPARE(q(i, 0), (i == 255 ? max : i * n + (i % n)) / n);
}

VYRO_TEST_GUILESS_MAIN(tst_Matrix)
#include "tst_matrix.moc"

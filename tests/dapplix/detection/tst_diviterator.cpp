// DivIterator: the reciprocal multiplication gives exactly the quotient of a plain division, on
// the general path up to the largest divisors and on the quick path up to its promised bound.
#include "dapplix/detection/diviterator.h"

#include <QtTest>
#include <algorithm>
#include <cstdint>
#include <vector>

class tst_DivIterator : public QObject
{
    Q_OBJECT
private slots:
    void general_data();
    void general();
    void quick_data();
    void quick();
};

namespace {

// Elements around every kind of edge: 0, the quotient steps next to multiples of n, the top of
// the 32-bit range, and a spread of values in between from a fixed linear congruential walk.
std::vector<unsigned> elementsFor(unsigned n, uint64_t limit)
{
    std::vector<unsigned> values{0, 1, 2};
    auto add = [&](uint64_t v) {
        if (v <= limit)
            values.push_back(unsigned(v));
    };
    for (uint64_t k : {uint64_t(1), uint64_t(2), uint64_t(3), uint64_t(255), uint64_t(256),
                       limit / n - 1, limit / n}) {
        add(k * n - 1);
        add(k * n);
        add(k * n + 1);
    }
    add(limit - 1);
    add(limit);
    uint32_t x = 12345u;
    for (int i = 0; i < 4000; ++i) {
        x = x * 1664525u + 1013904223u;
        add(uint64_t(x) % (limit + 1));
    }
    return values;
}

void addDivisorRows()
{
    QTest::addColumn<unsigned>("n");
    QTest::newRow("zero_counts_as_one") << 0u;
    QTest::newRow("one") << 1u;
    QTest::newRow("two") << 2u;
    QTest::newRow("three") << 3u;
    QTest::newRow("seven") << 7u;
    QTest::newRow("frames_255") << 255u;
    QTest::newRow("frames_256") << 256u;
    QTest::newRow("prime_65521") << 65521u;
    QTest::newRow("power_2_31") << 0x80000000u;
    QTest::newRow("above_2_31") << 0x80000001u;
    QTest::newRow("largest_prime_32_bit") << 4294967291u;
    QTest::newRow("largest") << 0xFFFFFFFFu;
}

} // namespace

void tst_DivIterator::general_data()
{
    addDivisorRows();
}

void tst_DivIterator::general()
{
    QFETCH(unsigned, n);
    const unsigned divisor = n ? n : 1;
    DivIterator div(n);
    for (unsigned element : elementsFor(divisor, 0xFFFFFFFFu)) {
        unsigned value = element;
        div(value);
        QVERIFY2(value == element / divisor,
                 qPrintable(QString("%1 / %2 gave %3").arg(element).arg(divisor).arg(value)));
    }
}

void tst_DivIterator::quick_data()
{
    addDivisorRows();
}

// The quick path applies when every element stays below 2^32 / n; the sums of n 8-bit frames
// are the case it exists for.
void tst_DivIterator::quick()
{
    QFETCH(unsigned, n);
    const unsigned divisor = n ? n : 1;
    const uint64_t bound = ((uint64_t(1) << 32) - 1) / divisor;
    const unsigned maxElement = unsigned(std::min<uint64_t>(bound, uint64_t(255) * divisor));
    DivIterator div(n, maxElement);
    for (unsigned element : elementsFor(divisor, maxElement)) {
        unsigned value = element;
        div(value);
        QVERIFY2(value == element / divisor,
                 qPrintable(QString("%1 / %2 gave %3").arg(element).arg(divisor).arg(value)));
    }
}

QTEST_GUILESS_MAIN(tst_DivIterator)
#include "tst_diviterator.moc"

// tst_bootboostids.cpp: the boot boost ID input syntax and the display of the current IDs.
#include <QtTest>

#include "tests/support/testmain.h"
#include "zentara/settings/bootboostids.h"

using IdList = QVector<int>;
Q_DECLARE_METATYPE(IdList)

class tst_BootBoostIds : public QObject
{
    Q_OBJECT
private slots:
    void listToSet_data();
    void listToSet();
    void parts_data();
    void parts();
    void display_data();
    void display();
};

void tst_BootBoostIds::listToSet_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<IdList>("ids");
    QTest::newRow("single and range with a repeat") << "3;5-7;5" << true << IdList{3, 5, 6, 7};
    QTest::newRow("zero") << "0" << false << IdList{};
    QTest::newRow("255") << "255" << false << IdList{};
    QTest::newRow("empty last part") << "3;" << false << IdList{};
    QTest::newRow("empty input") << "" << false << IdList{};
    QTest::newRow("reversed range refused") << "9-4" << false << IdList{};
    QTest::newRow("reversed range beside an ID") << "9-4;2" << false << IdList{};
    QTest::newRow("white space around parts") << " 3 ; 5 - 6 " << true << IdList{3, 5, 6};
    QTest::newRow("dash alone") << "-" << false << IdList{};
    QTest::newRow("open end") << "5-" << false << IdList{};
    QTest::newRow("leading dash") << "-5" << false << IdList{};
    QTest::newRow("whole range") << "1-254" << true << [] {
        IdList all;
        for (int id = 1; id <= 254; ++id)
            all.append(id);
        return all;
    }();
    QTest::newRow("range end 255") << "250-255" << false << IdList{};
    QTest::newRow("range start 0") << "0-3" << false << IdList{};
    QTest::newRow("only separators") << ";;;" << false << IdList{};
    QTest::newRow("10000 digits") << QString(10000, QLatin1Char('1')) << false << IdList{};
    QTest::newRow("10000 letters") << QString(10000, QLatin1Char('x')) << false << IdList{};
    QTest::newRow("5000 IDs") <<
        [] {
            QStringList parts;
            for (int i = 0; i < 5000; ++i)
                parts << QString::number(1 + i % 254);
            return parts.join(QLatin1Char(';'));
        }() << true
                              << [] {
                                     IdList all;
                                     for (int id = 1; id <= 254; ++id)
                                         all.append(id);
                                     return all;
                                 }();
    QTest::newRow("non-digits") << "abc" << false << IdList{};
    QTest::newRow("digits and letters") << "12a" << false << IdList{};
    QTest::newRow("leading zeros") << "007;0010-012" << true << IdList{7, 10, 11, 12};
    QTest::newRow("hexadecimal") << "0x10" << false << IdList{};
    QTest::newRow("three ends") << "1-2-3" << false << IdList{};
    QTest::newRow("too large for an int") << "99999999999" << false << IdList{};
    QTest::newRow("negative in a range end") << "3--4" << false << IdList{};
}

// What "Set ID list" would send; nothing at all for any invalid part, which is then named.
void tst_BootBoostIds::listToSet()
{
    QFETCH(QString, input);
    QFETCH(bool, valid);
    QFETCH(IdList, ids);
    QString problem;
    const std::optional<QVector<int>> list = BootBoostIds::listToSet(input, &problem);
    QCOMPARE(list.has_value(), valid);
    QCOMPARE(problem.isEmpty(), valid);
    if (valid)
        QCOMPARE(*list, ids);
}

void tst_BootBoostIds::parts_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("range");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("empty parts count") << ";;;" << 4 << 3 << false << 0 << 0;
    QTest::newRow("range") << "1;4-9" << 2 << 1 << true << 4 << 9;
    QTest::newRow("dash first is no range") << "-5" << 1 << 0 << false << -5 << 0;
    QTest::newRow("out of range kept as typed") << "300" << 1 << 0 << false << 300 << 0;
}

void tst_BootBoostIds::parts()
{
    QFETCH(QString, input);
    QFETCH(int, count);
    QFETCH(int, index);
    QFETCH(bool, range);
    QFETCH(int, first);
    QFETCH(int, last);
    const QVector<BootBoostIds::Part> parts = BootBoostIds::parts(input);
    QCOMPARE(parts.size(), count);
    QCOMPARE(parts.at(index).range, range);
    QCOMPARE(parts.at(index).first, first);
    QCOMPARE(parts.at(index).last, last);
}

void tst_BootBoostIds::display_data()
{
    QTest::addColumn<IdList>("ids");
    QTest::addColumn<QString>("text");
    QTest::newRow("run and single") << IdList{1, 2, 3, 7} << "1 - 3 ; 7";
    QTest::newRow("unsorted with repeats") << IdList{7, 3, 1, 2, 3, 7} << "1 - 3 ; 7";
    QTest::newRow("empty") << IdList{} << "";
    QTest::newRow("one") << IdList{254} << "254";
    QTest::newRow("pair") << IdList{4, 5} << "4 - 5";
    QTest::newRow("singles") << IdList{2, 4, 6} << "2 ; 4 ; 6";
    QTest::newRow("two runs") << IdList{1, 2, 10, 11, 12} << "1 - 2 ; 10 - 12";
}

void tst_BootBoostIds::display()
{
    QFETCH(IdList, ids);
    QFETCH(QString, text);
    QCOMPARE(BootBoostIds::display(ids), text);
}

VYRO_TEST_GUILESS_MAIN(tst_BootBoostIds)
#include "tst_bootboostids.moc"

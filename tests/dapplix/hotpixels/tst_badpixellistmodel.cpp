// BadpixelListModel without a camera: entries, model contract, sorting and the class delegate.
#include "dapplix/hotpixels/badpixellistmodel.h"
#include "dapplix/hotpixels/pixelclassdelegate.h"
#include "tests/support/testmain.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Appends an entry of any class through the model's own interface.
void append(BadpixelListModel &m, int x, int y, const char *cls)
{
    const int row = m.rowCount();
    m.insertRows(row, 1);
    m.setData(m.index(row, 0), x);
    m.setData(m.index(row, 1), y);
    m.setData(m.index(row, 2), QString(cls));
}

} // namespace

class tst_BadpixelListModel : public QObject
{
    Q_OBJECT
private slots:
    void addRules_data();
    void addRules();
    void removeUser();
    void findStrict_data();
    void findStrict();
    void dataAndFlags();
    void setDataRefusals_data();
    void setDataRefusals();
    void sortByColumn_data();
    void sortByColumn();
    void sortError();
    void clearUserKeepsOrder();
    void noCameraEmpties();
    void delegateRoundTrip();
};

void tst_BadpixelListModel::addRules_data()
{
    QTest::addColumn<QString>("existing");
    QTest::addColumn<bool>("added");
    QTest::newRow("empty_position") << QString() << true;
    QTest::newRow("factory_blocks") << "factory" << false;
    QTest::newRow("user_blocks") << "user" << false;
}

void tst_BadpixelListModel::addRules()
{
    QFETCH(QString, existing);
    QFETCH(bool, added);
    BadpixelListModel m;
    QAbstractItemModelTester mTester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    if (!existing.isEmpty())
        append(m, 5, 6, existing.toLatin1());
    QSignalSpy spy(&m, &BadpixelListModel::pixelAdded);
    QCOMPARE(m.addBadpixel(QPoint(5, 6)), added);
    QCOMPARE(spy.count(), added ? 1 : 0);
    if (added)
        QCOMPARE(spy.at(0).at(0).toInt(), 1);
    // Coordinates keep their low 16 bits.
    QVERIFY(m.addBadpixel(QPoint(65536 + 7, 8)));
    QCOMPARE(m.badpixelAt(m.rowCount() - 1).x, quint16(7));
}

void tst_BadpixelListModel::removeUser()
{
    BadpixelListModel m;
    QAbstractItemModelTester mTester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY(!m.removeUserBadpixel(0)); // empty
    append(m, 1, 1, "factory");
    m.addBadpixel(QPoint(2, 2));
    QVERIFY(!m.removeUserBadpixel(0));
    QVERIFY(!m.removeUserBadpixel(5));
    QVERIFY(m.removeUserBadpixel(1));
    QCOMPARE(m.rowCount(), 1);
}

void tst_BadpixelListModel::findStrict_data()
{
    QTest::addColumn<QPoint>("probe");
    QTest::addColumn<int>("distance");
    QTest::addColumn<int>("row");
    QTest::newRow("exact") << QPoint(10, 20) << 1 << 0;
    QTest::newRow("one_off_distance_1") << QPoint(11, 20) << 1 << -1;
    QTest::newRow("six_off_distance_7") << QPoint(16, 14) << 7 << 0;
    QTest::newRow("seven_off_distance_7") << QPoint(19, 20) << 7 << -1;
    QTest::newRow("negative_probe") << QPoint(-5, 20) << 16 << 0;
}

void tst_BadpixelListModel::findStrict()
{
    QFETCH(QPoint, probe);
    QFETCH(int, distance);
    QFETCH(int, row);
    BadpixelListModel m;
    QAbstractItemModelTester mTester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    m.addBadpixel(QPoint(10, 20));
    m.addBadpixel(QPoint(12, 20));
    const QModelIndex i = m.findBadpixel(probe.x(), probe.y(), distance);
    QCOMPARE(i.isValid() ? i.row() : -1, row);
    if (i.isValid())
        QCOMPARE(i.column(), 0);
}

void tst_BadpixelListModel::dataAndFlags()
{
    BadpixelListModel m;
    QAbstractItemModelTester mTester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    m.addBadpixel(QPoint(12, 345));
    QCOMPARE(m.columnCount(), 3);
    QCOMPARE(m.data(m.index(0, 0)).toInt(), 12);
    QCOMPARE(m.data(m.index(0, 1), Qt::EditRole).toInt(), 345);
    QCOMPARE(m.data(m.index(0, 2)).toString(), QString("user"));
    QVERIFY(!m.data(m.index(0, 0), Qt::ToolTipRole).isValid());
    QVERIFY(!m.data(QModelIndex()).isValid());
    QCOMPARE(int(m.flags(m.index(0, 0))), 33);
    // Only the class of the user's own entries can be edited in a view.
    QCOMPARE(m.flags(m.index(0, 2)), Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable);
    QCOMPARE(m.headerData(2, Qt::Horizontal).toString(), QString("class"));
    QCOMPARE(m.headerData(4, Qt::Vertical).toInt(), 4);
    QVERIFY(!m.headerData(0, Qt::Horizontal, Qt::ToolTipRole).isValid());
    append(m, 1, 1, "factory");
    QCOMPARE(m.data(m.index(1, 2)).toString(), QString("factory"));
    QCOMPARE(int(m.flags(m.index(1, 2))), 33);
}

void tst_BadpixelListModel::setDataRefusals_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("x_number") << 0 << QVariant(70000) << true;
    QTest::newRow("x_text") << 0 << QVariant("abc") << false;
    QTest::newRow("class_user") << 2 << QVariant("user") << true;
    QTest::newRow("class_capital") << 2 << QVariant("User") << false;
    QTest::newRow("class_ignore") << 2 << QVariant("ignore") << true;
    QTest::newRow("class_other") << 2 << QVariant("hot") << false;
    QTest::newRow("column_3") << 3 << QVariant(1) << false;
}

void tst_BadpixelListModel::setDataRefusals()
{
    QFETCH(int, column);
    QFETCH(QVariant, value);
    QFETCH(bool, accepted);
    BadpixelListModel m;
    QAbstractItemModelTester mTester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    m.insertRows(0, 1);
    QSignalSpy changed(&m, &QAbstractItemModel::dataChanged);
    QCOMPARE(m.setData(m.index(0, column), value), accepted);
    QCOMPARE(changed.count(), accepted ? 1 : 0);
    if (accepted && column == 0)
        QCOMPARE(m.badpixelAt(0).x, quint16(70000 & 0xFFFF));
}

void tst_BadpixelListModel::sortByColumn_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("order");
    QTest::addColumn<QVector<int>>("keys");
    QTest::newRow("class_ascending") << 2 << int(Qt::AscendingOrder) << QVector<int>{0, 1, 1};
    QTest::newRow("x_descending") << 0 << int(Qt::DescendingOrder) << QVector<int>{9, 5, 1};
    QTest::newRow("y_ascending") << 1 << int(Qt::AscendingOrder) << QVector<int>{2, 4, 7};
}

void tst_BadpixelListModel::sortByColumn()
{
    QFETCH(int, column);
    QFETCH(int, order);
    QFETCH(QVector<int>, keys);
    BadpixelListModel m;
    QAbstractItemModelTester mTester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    m.addBadpixel(QPoint(5, 7));
    append(m, 9, 2, "factory");
    m.addBadpixel(QPoint(1, 4));
    QSignalSpy layout(&m, &QAbstractItemModel::layoutChanged);
    m.sort(column, Qt::SortOrder(order));
    QCOMPARE(layout.count(), 1);
    QVector<int> got;
    for (int row = 0; row < 3; ++row) {
        const Badpixel b = m.badpixelAt(row);
        got.append(column == 0 ? b.x : column == 1 ? b.y : b.pixelclass);
    }
    QCOMPARE(got, keys);
}

void tst_BadpixelListModel::sortError()
{
    BadpixelListModel m;
    QAbstractItemModelTester mTester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy layout(&m, &QAbstractItemModel::layoutChanged);
    m.sort(1);
    QCOMPARE(layout.count(), 1); // also for an empty list
    QVERIFY_EXCEPTION_THROWN(m.sort(3), std::runtime_error);
    try {
        m.sort(-1);
    } catch (const std::runtime_error &e) {
        QCOMPARE(QString(e.what()), QString("Sort Error"));
    }
}

void tst_BadpixelListModel::clearUserKeepsOrder()
{
    BadpixelListModel m;
    QAbstractItemModelTester mTester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    m.addBadpixel(QPoint(1, 0));
    append(m, 2, 0, "factory");
    m.addBadpixel(QPoint(3, 0));
    m.addBadpixel(QPoint(4, 0));
    append(m, 5, 0, "factory");
    m.clearUserBadpixelList();
    QCOMPARE(m.rowCount(), 2);
    QCOMPARE(m.badpixelAt(0).x, quint16(2));
    QCOMPARE(m.badpixelAt(1).x, quint16(5));
    QSignalSpy removed(&m, &QAbstractItemModel::rowsRemoved);
    m.clearBadpixelList();
    QCOMPARE(m.rowCount(), 0);
    QCOMPARE(removed.count(), 1);
    m.clearBadpixelList();
    QCOMPARE(removed.count(), 1); // nothing to announce
}

void tst_BadpixelListModel::noCameraEmpties()
{
    BadpixelListModel m;
    QAbstractItemModelTester mTester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    m.setCounts(10, 3);
    m.addBadpixel(QPoint(1, 1));
    m.getBadpixelList(nullptr);
    QCOMPARE(m.rowCount(), 0);
    QCOMPARE(m.maxUserBadpixels(), 10);
    QCOMPARE(m.factoryBadpixelCount(), 3);
}

void tst_BadpixelListModel::delegateRoundTrip()
{
    BadpixelListModel m;
    QAbstractItemModelTester mTester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    append(m, 1, 1, "factory");
    PixelclassDelegate delegate;
    QWidget parent;
    QStyleOptionViewItem option;
    option.rect = QRect(3, 4, 50, 20);
    std::unique_ptr<QWidget> editor(delegate.createEditor(&parent, option, m.index(0, 2)));
    auto *combo = qobject_cast<QComboBox *>(editor.get());
    QVERIFY(combo);
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->itemText(2), QString("ignore"));
    delegate.setEditorData(combo, m.index(0, 2));
    QCOMPARE(combo->currentIndex(), 0);
    combo->setCurrentIndex(1);
    delegate.setModelData(combo, &m, m.index(0, 2));
    QCOMPARE(m.badpixelAt(0).pixelclass, quint8(Badpixel::User));
    delegate.updateEditorGeometry(combo, option, m.index(0, 2));
    QCOMPARE(combo->geometry(), option.rect);
}

VYRO_TEST_MAIN(tst_BadpixelListModel)
#include "tst_badpixellistmodel.moc"

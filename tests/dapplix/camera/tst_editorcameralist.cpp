// dapplix's CameraListModel over the simulated world: rows, status texts, merging and sorting.
#include "dapplix/camera/camera.h"
#include "dapplix/camera/cameralistmodel.h"
#include "sdk/sim/vyro_sim.h"
#include "tests/support/simworld.h"
#include "tests/support/testmain.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

using dapplix::Camera;
using dapplix::CameraListModel;

namespace {

int rowOf(const CameraListModel &model, quint32 deviceId)
{
    for (int row = 0; row < model.rowCount(); ++row)
        if (model.entry(row).deviceId == deviceId)
            return row;
    return -1;
}

QString status(const CameraListModel &model, quint32 deviceId)
{
    return model.data(model.index(rowOf(model, deviceId), CameraListModel::StatusColumn))
        .toString();
}

} // namespace

class tst_EditorCameraList : public QObject
{
    Q_OBJECT
private slots:
    void init() { QVERIFY(SimWorld::reset()); }
    void columnsAndRows();
    void openedAndInUse();
    void mergeKeepsRows();
    void emptyAndFailing();
    void sortColumns_data();
    void sortColumns();
    void timerRefresh();
};

void tst_EditorCameraList::columnsAndRows()
{
    CameraListModel model(nullptr, 100000);
    QAbstractItemModelTester modelTester(&model,
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy select(&model, &CameraListModel::rowToSelect);
    QSignalSpy changed(&model, &CameraListModel::somethingChanged);
    model.updateList();
    QCOMPARE(select.count(), 1);
    QCOMPARE(select.at(0).at(0).toInt(), 0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(model.rowCount(), 19);
    QCOMPARE(model.columnCount(), 5);
    const QStringList headers{"Cam", "Dev", "Model", "SerNo", "Status"};
    for (int c = 0; c < 5; ++c)
        QCOMPARE(model.headerData(c, Qt::Horizontal).toString(), headers.at(c));
    const int row = rowOf(model, 1);
    QCOMPARE(model.data(model.index(row, 1)).toULongLong(), 1ull);
    QCOMPARE(model.data(model.index(row, 2)).toString(), QString("VY-3240CP-M"));
    QCOMPARE(model.data(model.index(row, 3)).toString(), QString("4103012345"));
    QCOMPARE(status(model, 1), QString("free"));
    QCOMPARE(status(model, 4), QString("in use"));
    QVERIFY(!model.data(model.index(row, 1), Qt::EditRole).isValid());
    model.updateList(); // nothing changed
    QCOMPARE(changed.count(), 1);
    QCOMPARE(select.count(), 2);
}

void tst_EditorCameraList::openedAndInUse()
{
    CameraListModel model(nullptr, 100000);
    QAbstractItemModelTester modelTester(&model,
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
    Camera camera;
    camera.open(1);
    model.setOpenCamera(&camera);
    model.updateList();
    QCOMPARE(status(model, 1), QString("opened"));
    camera.close();
    model.clearOpenCamera();
    QSignalSpy dataChanged(&model, &QAbstractItemModel::dataChanged);
    model.updateList();
    QCOMPARE(status(model, 1), QString("free"));
    QCOMPARE(dataChanged.count(), 1);
    QCOMPARE(dataChanged.at(0).at(1).value<QModelIndex>().column(), 4);
}

void tst_EditorCameraList::mergeKeepsRows()
{
    CameraListModel model(nullptr, 100000);
    QAbstractItemModelTester modelTester(&model,
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.updateList();
    const int rows = model.rowCount();
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QCOMPARE(vysim_unplug(3), int32_t(VY_SUCCESS));
    model.updateList();
    QCOMPARE(model.rowCount(), rows - 1);
    QCOMPARE(removed.count(), 1);
    QCOMPARE(rowOf(model, 3), -1);
    char message[256] = {};
    QCOMPARE(vysim_plug(R"({"deviceId": 3, "serialNumber": "X1"})", message, sizeof message),
             int32_t(VY_SUCCESS));
    model.updateList();
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(rowOf(model, 3), rows - 1); // a new device is appended
}

void tst_EditorCameraList::emptyAndFailing()
{
    CameraListModel model(nullptr, 100000);
    QAbstractItemModelTester modelTester(&model,
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.updateList();
    vysim_force_result("vy_GetCameraList", VYSIM_ANY_COMMAND, VYSIM_ANY_HANDLE, VY_NO_SUCCESS, 0);
    QSignalSpy select(&model, &CameraListModel::rowToSelect);
    model.updateList(); // the failure is swallowed; the rows stay
    QCOMPARE(model.rowCount(), 19);
    QCOMPARE(select.count(), 1);
    vysim_clear_forced(nullptr);
    QVERIFY(SimWorld::load({}));
    model.updateList();
    QCOMPARE(model.rowCount(), 0);
}

void tst_EditorCameraList::sortColumns_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("order");
    QTest::newRow("device_descending") << 1 << int(Qt::DescendingOrder);
    QTest::newRow("serial_ascending") << 3 << int(Qt::AscendingOrder);
    QTest::newRow("status_ascending") << 4 << int(Qt::AscendingOrder);
}

void tst_EditorCameraList::sortColumns()
{
    QFETCH(int, column);
    QFETCH(int, order);
    CameraListModel model(nullptr, 100000);
    QAbstractItemModelTester modelTester(&model,
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.updateList();
    const QPersistentModelIndex kept = model.index(rowOf(model, 1001), 0);
    QSignalSpy layout(&model, &QAbstractItemModel::layoutChanged);
    model.sort(column, Qt::SortOrder(order));
    QCOMPARE(layout.count(), 1);
    for (int row = 1; row < model.rowCount(); ++row) {
        const QVariant a = model.data(model.index(row - 1, column));
        const QVariant b = model.data(model.index(row, column));
        const bool inOrder =
            column == 1
                ? (order == Qt::AscendingOrder ? a.toULongLong() <= b.toULongLong()
                                               : a.toULongLong() >= b.toULongLong())
                : QString::localeAwareCompare(a.toString(), b.toString()) <= 0 || column == 3;
        QVERIFY2(inOrder, qPrintable(QString("row %1").arg(row)));
    }
    QCOMPARE(model.entry(kept.row()).deviceId, 1001u);
    QVERIFY_EXCEPTION_THROWN(model.sort(5), std::runtime_error);
}

void tst_EditorCameraList::timerRefresh()
{
    CameraListModel model(nullptr, 50);
    QAbstractItemModelTester modelTester(&model,
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
    QTRY_COMPARE_WITH_TIMEOUT(model.rowCount(), 19, 5000);
}

VYRO_TEST_GUILESS_MAIN(tst_EditorCameraList)
#include "tst_editorcameralist.moc"

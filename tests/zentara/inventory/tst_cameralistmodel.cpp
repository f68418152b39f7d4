// tst_cameralistmodel.cpp: the camera table model over the simulated camera list.
#include <QAbstractItemModelTester>
#include <QIcon>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <cstring>

#include "tests/support/testmain.h"
#include "tests/zentara/inventory/simworld.h"
#include "vyrokit/eventnumberpool.h"
#include "zentara/inventory/cameralistmodel.h"
#include "zentara/inventory/camerastatus.h"

using zentara::Camera;
using zentara::CameraListModel;

class tst_CameraListModel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void headers();
    void defaultWorldCells();
    void invalidIndexes();
    void modelName_data();
    void modelName();
    void reloadsOnDriverEvents();
    void listRequestSize();
    void failedListIsEmpty_data();
    void failedListIsEmpty();
    void retranslateAnnouncesHeaders();
    void destructionStopsEventThread();
    void refusedEventsStillList();
};

void tst_CameraListModel::initTestCase()
{
    qRegisterMetaType<Qt::Orientation>();
}

void tst_CameraListModel::init()
{
    QVERIFY(SimWorld::reset());
}

void tst_CameraListModel::headers()
{
    CameraListModel model;
    QAbstractItemModelTester modelTester(&model,
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.columnCount(), 7);
    const QStringList expected{"Free", "Avail.", "Type", "Cam. ID", "Dev. ID", "Model", "Ser. No."};
    for (int c = 0; c < 7; ++c)
        QCOMPARE(model.headerData(c, Qt::Horizontal).toString(), expected.at(c));
    QVERIFY(!model.headerData(7, Qt::Horizontal).isValid());
    QVERIFY(!model.headerData(0, Qt::Horizontal, Qt::ToolTipRole).isValid());
    QCOMPARE(model.headerData(3, Qt::Vertical).toInt(), 3);
}

void tst_CameraListModel::defaultWorldCells()
{
    const QList<Camera> listed = simworld::listedCameras();
    QVERIFY(listed.size() >= 12);
    CameraListModel model;
    QAbstractItemModelTester modelTester(&model,
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), listed.size());
    for (int row = 0; row < model.rowCount(); ++row) {
        const Camera &expected = listed.at(row);
        auto cell = [&](int column, int role = Qt::DisplayRole) {
            return model.data(model.index(row, column), role);
        };
        QCOMPARE(cell(0).toString(), CameraStatus::freeText(expected));
        QCOMPARE(cell(1).toString(), CameraStatus::availableText(expected));
        QCOMPARE(cell(2).toString(), expected.typeText());
        QCOMPARE(cell(3).toUInt(), expected.cameraId());
        QCOMPARE(cell(4).toUInt(), expected.deviceId());
        QCOMPARE(cell(5).toString(), CameraListModel::displayModelName(expected.fullModelName()));
        QCOMPARE(cell(6).toString(), expected.serialNumber());
        // Numbers sort as numbers.
        QCOMPARE(cell(4).userType(), int(QMetaType::UInt));
        for (int column = 0; column < 7; ++column)
            QCOMPARE(cell(column, CameraListModel::CameraRole).value<Camera>().deviceId(),
                     expected.deviceId());
        const QIcon icon = cell(0, Qt::DecorationRole).value<QIcon>();
        QVERIFY2(!icon.pixmap(16, 16).isNull(), qPrintable(CameraStatus::listIcon(expected)));
        QVERIFY(!cell(1, Qt::DecorationRole).isValid());
        QVERIFY(!cell(2, Qt::ToolTipRole).isValid());
        // The icon and the "Free" text say what they mean.
        QVERIFY(!cell(0, Qt::ToolTipRole).toString().isEmpty());
    }
    // The default world's boot boost camera and its "Yes (BB)", explained.
    bool bootBoost = false;
    for (int row = 0; row < model.rowCount(); ++row)
        if (model.index(row, 0).data().toString() == QLatin1String("Yes (BB)")) {
            bootBoost = true;
            QVERIFY(model.index(row, 0)
                        .data(Qt::ToolTipRole)
                        .toString()
                        .contains(QLatin1String("boot boost")));
        }
    QVERIFY(bootBoost);
}

void tst_CameraListModel::invalidIndexes()
{
    CameraListModel model;
    QAbstractItemModelTester modelTester(&model,
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY(!model.data(QModelIndex()).isValid());
    QVERIFY(!model.data(model.index(model.rowCount(), 0)).isValid());
    QVERIFY(!model.data(model.index(0, 7)).isValid());
    QCOMPARE(model.rowCount(model.index(0, 0)), 0);
}

void tst_CameraListModel::modelName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");
    QTest::newRow("one") << "VY-KX3880CP-C-HQ"
                         << "VY-KX-3880CP-C-HQ";
    QTest::newRow("two") << "KX-KX"
                         << "KX--KX-";
    QTest::newRow("adjacent") << "KXKX"
                              << "KX-KX-";
    QTest::newRow("lower_case") << "vy-kx3880"
                                << "vy-kx3880";
    QTest::newRow("none") << "VY-3240CP-M-GL"
                          << "VY-3240CP-M-GL";
    QTest::newRow("empty") << ""
                           << "";
}

void tst_CameraListModel::modelName()
{
    QFETCH(QString, name);
    QFETCH(QString, shown);
    QCOMPARE(CameraListModel::displayModelName(name), shown);
}

void tst_CameraListModel::reloadsOnDriverEvents()
{
    CameraListModel model;
    QAbstractItemModelTester modelTester(&model,
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
    const int rows = model.rowCount();
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    char message[256] = {};
    QCOMPARE(vysim_plug(R"({"deviceId": 77, "deviceType": "0x63", "busGeneration": 2,
                            "serialNumber": "PLUGGED", "linkSpeed": 5000})",
                        message, sizeof message),
             VY_SUCCESS);
    vysim_sync();
    QTRY_COMPARE(model.rowCount(), rows + 1);
    QVERIFY(reset.count() >= 1);
    QCOMPARE(model.cameras().last().serialNumber(), QStringLiteral("PLUGGED"));

    QCOMPARE(vysim_unplug(77), VY_SUCCESS);
    vysim_sync();
    QTRY_COMPARE(model.rowCount(), rows);

    // A change of a listed device (here: its in-use state) reloads too.
    const int before = reset.count();
    QVERIFY(SimWorld::setField(1, "inUse", "true"));
    QTRY_VERIFY(reset.count() > before);
    QTRY_COMPARE(model.index(0, 0).data().toString(), QStringLiteral("No"));
}

void tst_CameraListModel::listRequestSize()
{
    CameraListModel model;
    QAbstractItemModelTester modelTester(&model,
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
    const auto lists = vysim::callsOf("vy_GetCameraList");
    QCOMPARE(lists.size(), size_t(1));
    // The request carries the number of entries the buffer holds.
    QVERIFY(lists[0].in.size() >= 4);
    uint32_t count = 0;
    std::memcpy(&count, lists[0].in.data(), 4);
    QCOMPARE(int(count), model.rowCount());
    // One device-information query per camera below 2500.
    int expectedQueries = 0;
    for (const Camera &c : model.cameras())
        expectedQueries += c.deviceId() < 2500;
    QCOMPARE(int(vysim::callsOf("vy_DeviceInfo").size()), expectedQueries);
}

void tst_CameraListModel::failedListIsEmpty_data()
{
    QTest::addColumn<QString>("function");
    QTest::newRow("count") << "vy_GetNumberOfCameras";
    QTest::newRow("list") << "vy_GetCameraList";
}

void tst_CameraListModel::failedListIsEmpty()
{
    QFETCH(QString, function);
    vysim_force_result(function.toLatin1().constData(), VYSIM_ANY_COMMAND, VYSIM_ANY_HANDLE,
                       VY_IO_REQUEST_FAILED, 0);
    CameraListModel model;
    QAbstractItemModelTester modelTester(&model,
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 0);
    vysim_clear_forced(nullptr);
    model.onCameraListChanged();
    QVERIFY(model.rowCount() >= 12);
}

void tst_CameraListModel::retranslateAnnouncesHeaders()
{
    CameraListModel model;
    QAbstractItemModelTester modelTester(&model,
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy headers(&model, &QAbstractItemModel::headerDataChanged);
    model.retranslate();
    QCOMPARE(headers.count(), 1);
    QCOMPARE(headers.at(0).at(0).value<Qt::Orientation>(), Qt::Horizontal);
    QCOMPARE(headers.at(0).at(1).toInt(), 0);
    QCOMPARE(headers.at(0).at(2).toInt(), 6);
}

void tst_CameraListModel::destructionStopsEventThread()
{
    {
        CameraListModel model;
        QAbstractItemModelTester modelTester(
            &model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        vysim_log_clear();
    }
    std::vector<vysim::LoggedCall> events;
    for (auto &c : vysim::callsOf("vy_Event"))
        if (c.command != VY_EVENT_CMD_WAIT)
            events.push_back(std::move(c));
    QVERIFY(!events.empty());
    QCOMPARE(events.front().command, uint32_t(VY_EVENT_CMD_SET));
    QCOMPARE(events.front().in.size(), size_t(4));
    uint32_t id = 0;
    std::memcpy(&id, events.front().in.data(), 4);
    // The exit event, one of the pool's private numbers.
    QVERIFY(id >= vyrokit::EventNumberPool::first &&
            id < vyrokit::EventNumberPool::first + vyrokit::EventNumberPool::size);
    // Every registration is taken back: four disables and four removals.
    int removed = 0;
    for (const auto &c : events)
        removed += c.command == VY_EVENT_CMD_EXIT;
    QCOMPARE(removed, 4);
}

void tst_CameraListModel::refusedEventsStillList()
{
    vysim_force_result("vy_Event", VY_EVENT_CMD_ENABLE, VYSIM_ANY_HANDLE, VY_NOT_SUPPORTED, 0);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^Device events unavailable: .*155")));
    CameraListModel model;
    QAbstractItemModelTester modelTester(&model,
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.eventError(), VY_NOT_SUPPORTED);
    QVERIFY(model.rowCount() >= 12);
    vysim_clear_forced(nullptr);
    // A reload on request still works.
    QCOMPARE(vysim_unplug(1), VY_SUCCESS);
    model.onCameraListChanged();
    QCOMPARE(model.cameras().first().deviceId() == 1, false);

    CameraListModel healthy;

    QAbstractItemModelTester healthyTester(&healthy,
                                           QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(healthy.eventError(), 0);
}

VYRO_TEST_MAIN(tst_CameraListModel)
#include "tst_cameralistmodel.moc"

// tst_cameralist.cpp: the camera list widget with a real event loop over the simulator.
#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QMenu>
#include <QProcess>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QTest>
#include <QTimer>

#include <cstring>
#include <set>

#include "tests/support/testmain.h"
#include "tests/zentara/inventory/simworld.h"
#include "zentara/inventory/cameralist.h"
#include "zentara/inventory/cameralistmodel.h"
#include "zentara/inventory/cameratableview.h"

using zentara::Camera;
using zentara::CameraListModel;

namespace {

const char *const UsbFree =
    R"({"deviceId": 1, "cameraId": 1, "serialNumber": "S1", "deviceType": "0x63",
        "busGeneration": 2, "linkSpeed": 5000})";
const char *const EthFree =
    R"({"deviceId": 1001, "cameraId": 11, "serialNumber": "S1001", "deviceType": "0x82",
        "infoDeviceType": "0x82", "linkSpeed": 1000, "adapterLinkSpeed": 1000,
        "starterFirmware": "4.95.8", "requiredStarterFirmware": "4.95.8",
        "deviceStatus": "0x101", "controlStatus": "0x080000A7", "ipAddress": "192.168.10.11"})";

uint32_t selectedId(const CameraList &list)
{
    const camera::optional c = list.currentCamera();
    return c ? c->deviceId() : 0;
}

uint32_t idAtRow(const CameraList &list, int row)
{
    return list.view()->model()->index(row, CameraListModel::ColDeviceId).data().toUInt();
}

int rowOf(const CameraList &list, uint32_t deviceId)
{
    for (int row = 0; row < list.view()->model()->rowCount(); ++row)
        if (idAtRow(list, row) == deviceId)
            return row;
    return -1;
}

// The menu as texts: "-" for a separator, a trailing "(off)" for a disabled entry.
QStringList menuTexts(QMenu &menu)
{
    QStringList texts;
    for (QAction *a : menu.actions()) {
        if (a->isSeparator())
            texts << QStringLiteral("-");
        else
            texts << a->text() + (a->isEnabled() ? QString() : QStringLiteral(" (off)"));
    }
    return texts;
}

QAction *findAction(QMenu &menu, const QString &text)
{
    for (QAction *a : menu.actions())
        if (a->text() == text)
            return a;
    return nullptr;
}

} // namespace

class tst_CameraList : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void selectsRowZeroAtStart();
    void unplugSelectedSelectsRowZero();
    void unplugOtherKeepsSelection();
    void noCamerasNoCurrentRow();
    void openedByAnotherProcess();
    void burstOfPlugEvents();
    void contextMenu_data();
    void contextMenu();
    void contextMenuSignals();
    void contextMenuShownAtMouse();
    void activationOpensCamera();
    void autoRefresh();
    void sortingKeptAcrossReloads();
    void blockedUpdatesAndReload();
    void languageChangeRetranslatesHeaders();
    void columnsWidenWhenKeptRowGrows();
    void screenshot();
};

void tst_CameraList::initTestCase()
{
    qRegisterMetaType<Qt::Orientation>();
    Camera::registerMetaTypes();
}

void tst_CameraList::init()
{
    vysim_clear_forced(nullptr);
    QVERIFY(SimWorld::reset());
    vysim_log_clear();
}

void tst_CameraList::selectsRowZeroAtStart()
{
    CameraList list;
    QAbstractItemModelTester listTester(list.model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(list.view()->currentIndex().row(), 0);
    QCOMPARE(selectedId(list), simworld::listedCameras().first().deviceId());
    QVERIFY(list.view()->horizontalHeader()->stretchLastSection());
    QVERIFY(!list.view()->verticalHeader()->isVisible());
    QCOMPARE(list.view()->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(list.view()->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(list.view()->editTriggers(), QAbstractItemView::NoEditTriggers);
}

void tst_CameraList::unplugSelectedSelectsRowZero()
{
    CameraList list;
    QAbstractItemModelTester listTester(list.model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
    list.view()->selectRow(3);
    const uint32_t selected = idAtRow(list, 3);
    QCOMPARE(selectedId(list), selected);
    QSignalSpy changed(&list, &CameraList::cameraChanged);
    QSignalSpy listChanged(&list, &CameraList::cameraListChanged);

    QCOMPARE(vysim_unplug(selected), VY_SUCCESS);
    vysim_sync();
    QTRY_VERIFY(rowOf(list, selected) < 0);
    QTRY_COMPARE(selectedId(list), idAtRow(list, 0));
    QCOMPARE(list.view()->currentIndex().row(), 0);
    QVERIFY(!changed.isEmpty());
    const auto last = changed.last();
    QCOMPARE(last.at(0).value<camera::optional>()->deviceId(), idAtRow(list, 0));
    QCOMPARE(last.at(1).toBool(), true);
    // The list signal is delivered on its own, possibly after the reload it announces.
    QTRY_VERIFY(!listChanged.isEmpty());
}

void tst_CameraList::unplugOtherKeepsSelection()
{
    CameraList list;
    QAbstractItemModelTester listTester(list.model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
    list.view()->selectRow(3);
    const uint32_t selected = idAtRow(list, 3);
    const uint32_t other = idAtRow(list, 1);
    QSignalSpy reset(list.model(), &QAbstractItemModel::modelReset);

    QCOMPARE(vysim_unplug(other), VY_SUCCESS);
    vysim_sync();
    QTRY_VERIFY(rowOf(list, other) < 0);
    // Its row moved up by one; the selection followed it.
    QCOMPARE(rowOf(list, selected), 2);
    QCOMPARE(list.view()->currentIndex().row(), 2);
    QCOMPARE(selectedId(list), selected);
}

void tst_CameraList::noCamerasNoCurrentRow()
{
    QVERIFY(SimWorld::load({}));
    CameraList list;
    QAbstractItemModelTester listTester(list.model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY(!list.view()->currentIndex().isValid());
    QVERIFY(!list.currentCamera());

    // The first camera plugged in becomes the selection.
    QSignalSpy changed(&list, &CameraList::cameraChanged);
    char message[256] = {};
    QCOMPARE(vysim_plug(UsbFree, message, sizeof message), VY_SUCCESS);
    vysim_sync();
    QTRY_COMPARE(selectedId(list), 1u);
    QCOMPARE(list.view()->currentIndex().row(), 0);

    // And unplugging it leaves no selection again, announced as none.
    QCOMPARE(vysim_unplug(1), VY_SUCCESS);
    vysim_sync();
    QTRY_VERIFY(!list.currentCamera());
    QVERIFY(!list.view()->currentIndex().isValid());
    QVERIFY(!changed.last().at(0).value<camera::optional>());
}

void tst_CameraList::openedByAnotherProcess()
{
    QVERIFY(SimWorld::load({QString::fromUtf8(UsbFree), QString::fromUtf8(EthFree)}));
    CameraList list;
    QAbstractItemModelTester listTester(list.model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(list.view()->model()->index(0, 0).data().toString(), QStringLiteral("Yes"));

    QProcess holder;
    holder.start(QStringLiteral(HOLDCAMERA_PATH), {QStringLiteral("1")});
    QVERIFY(holder.waitForStarted());
    QVERIFY(holder.waitForReadyRead(10000));
    QCOMPARE(holder.readLine().trimmed(), QByteArray("open"));

    // No sync here: the driver event of the other process's open must reach us by itself.
    QTRY_COMPARE_WITH_TIMEOUT(list.view()->model()->index(0, 0).data().toString(),
                              QStringLiteral("No"), 10000);
    QCOMPARE(list.view()->model()->index(0, 1).data().toString(), QStringLiteral("No"));
    QTRY_VERIFY(list.currentCamera() && list.currentCamera()->inUse() != 0);

    holder.closeWriteChannel();
    QVERIFY(holder.waitForFinished(10000));
    QTRY_COMPARE_WITH_TIMEOUT(list.view()->model()->index(0, 0).data().toString(),
                              QStringLiteral("Yes"), 10000);
}

void tst_CameraList::burstOfPlugEvents()
{
    CameraList list;
    QAbstractItemModelTester listTester(list.model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
    const int base = list.view()->model()->rowCount();
    list.view()->selectRow(2);
    const uint32_t selected = idAtRow(list, 2);

    // 200 changes as fast as the simulator takes them: 110 devices in, each of the first 90
    // out again 20 plugs later, so that the list keeps moving while it reloads.
    char message[256] = {};
    for (int i = 0; i < 110; ++i) {
        const QByteArray json =
            QStringLiteral("{\"deviceId\": %1, \"deviceType\": \"0x40\", \"serialNumber\": "
                           "\"B%1\"}")
                .arg(300 + i)
                .toUtf8();
        QCOMPARE(vysim_plug(json.constData(), message, sizeof message), VY_SUCCESS);
        if (i >= 20)
            QCOMPARE(vysim_unplug(uint32_t(300 + i - 20)), VY_SUCCESS);
    }

    std::set<uint32_t> expected;
    for (const Camera &c : simworld::listedCameras())
        expected.insert(c.deviceId());
    QCOMPARE(int(expected.size()), base + 20);

    // Each reload reads every device; under a loaded machine the 200 of them take a while.
    QTRY_COMPARE_WITH_TIMEOUT(list.view()->model()->rowCount(), base + 20, 30000);
    // Let every queued reload run, then compare the whole list.
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            std::set<uint32_t> shown;
            for (int row = 0; row < list.view()->model()->rowCount(); ++row)
                shown.insert(idAtRow(list, row));
            return shown == expected;
        }(),
        30000);
    QCOMPARE(selectedId(list), selected);
}

void tst_CameraList::contextMenu_data()
{
    QTest::addColumn<QStringList>("devices");
    QTest::addColumn<bool>("multicast");
    QTest::addColumn<QStringList>("entries");

    const QStringList head{"&Open this camera", "Open &all available cameras", "-",
                           "&Refresh list"};
    const QStringList busyHead{"Open &all available cameras", "-", "&Refresh list"};
    const QStringList info{"-", "&Camera information", "-"};

    QTest::newRow("no_camera") << QStringList() << true << busyHead;
    QTest::newRow("usb3_free") << QStringList{UsbFree} << true
                               << head + info + QStringList{"&Identify this camera"};
    QTest::newRow("usb3_in_use") << QStringList{R"({"deviceId": 1, "deviceType": "0x63",
                                                   "inUse": true})"}
                                 << true << busyHead;
    QTest::newRow("usb2_no_identify")
        << QStringList{R"({"deviceId": 3, "deviceType": "0x42"})"} << true
        << head + info + QStringList{"&Identify this camera (off)"};
    QTest::newRow("usb2_legacy_identify")
        << QStringList{R"({"deviceId": 3, "deviceType": "0x40", "variantFlags": 1})"} << true
        << head + info + QStringList{"&Identify this camera"};
    QTest::newRow("usb2_legacy_without_flag")
        << QStringList{R"({"deviceId": 3, "deviceType": "0x40"})"} << true
        << head + info + QStringList{"&Identify this camera (off)"};
    QTest::newRow("eth_free") << QStringList{EthFree} << true
                              << head + info +
                                     QStringList{"&Identify this camera (off)",
                                                 "Manual ETH configuration",
                                                 "&Add Readonly Device"};
    QTest::newRow("eth_multicast_off")
        << QStringList{EthFree} << false
        << head + info +
               QStringList{"&Identify this camera (off)", "Manual ETH configuration",
                           "&Add Readonly Device (off)"};
    QTest::newRow("eth_not_accessible")
        << QStringList{QString::fromUtf8(EthFree).replace("0x080000A7", "0x080000A1")} << true
        << head + info +
               QStringList{"&Identify this camera (off)", "Manual ETH configuration",
                           "&Add Readonly Device (off)"};
    QTest::newRow("eth_in_use")
        << QStringList{QString::fromUtf8(EthFree).replace("\"cameraId\"", "\"inUse\": true, "
                                                                          "\"cameraId\"")}
        << true << busyHead + QStringList{"Manual ETH configuration", "&Add Readonly Device"};
    QTest::newRow("gev") << QStringList{R"({"deviceId": 2002, "deviceType": 226})"} << true
                         << head + info +
                                QStringList{"&Identify this camera (off)",
                                            "Manual ETH configuration",
                                            "&Add Readonly Device (off)"};
    QTest::newRow("readonly") << QStringList{QString::fromUtf8(EthFree).replace("1001", "1500")}
                              << true
                              << head + info +
                                     QStringList{"&Identify this camera (off)", "&Delete"};
}

void tst_CameraList::contextMenu()
{
    QFETCH(QStringList, devices);
    QFETCH(bool, multicast);
    QFETCH(QStringList, entries);

    QVERIFY(SimWorld::load(devices));
    QVERIFY(SimWorld::setDriverField("readOnlyMulticast", multicast ? "true" : "false"));
    CameraList list;
    QAbstractItemModelTester listTester(list.model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
    vysim_log_clear();
    std::unique_ptr<QMenu> menu = list.createContextMenu();
    QCOMPARE(menuTexts(*menu), entries);

    // The driver's multicast setting is asked exactly when the entry exists.
    const auto multicastCalls = vysim::callsOf("vy_Multicast");
    const bool offered = entries.filter(QStringLiteral("Add Readonly")).size() == 1;
    const bool asked = std::any_of(multicastCalls.begin(), multicastCalls.end(), [](auto &c) {
        return c.handle == VY_DRIVER_HANDLE && c.command == VY_MULTICAST_GET_RO_ENABLE &&
               c.in.size() == 4;
    });
    if (offered && devices.value(0).contains(QLatin1String("1001")))
        QVERIFY(asked);
}

void tst_CameraList::contextMenuSignals()
{
    QVERIFY(SimWorld::load({QString::fromUtf8(UsbFree), QString::fromUtf8(EthFree),
                            QString::fromUtf8(EthFree).replace("1001", "1500")}));
    CameraList list;
    QAbstractItemModelTester listTester(list.model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy open(&list, &CameraList::openCamera);
    QSignalSpy info(&list, &CameraList::openCameraInfo);
    QSignalSpy ident(&list, &CameraList::identCamera);
    QSignalSpy ip(&list, &CameraList::openIPSettings);
    QSignalSpy multicast(&list, &CameraList::openMulticastSettings);
    QSignalSpy remove(&list, &CameraList::deletePMC);

    std::unique_ptr<QMenu> menu = list.createContextMenu();
    findAction(*menu, QStringLiteral("&Open this camera"))->trigger();
    QCOMPARE(open.count(), 1);
    QCOMPARE(open.last().at(0).value<QList<Camera>>().size(), 1);
    QCOMPARE(open.last().at(0).value<QList<Camera>>().first().deviceId(), 1u);
    findAction(*menu, QStringLiteral("Open &all available cameras"))->trigger();
    const QList<Camera> all = open.last().at(0).value<QList<Camera>>();
    QCOMPARE(all.size(), 3);
    QCOMPARE(all.at(0).deviceId(), 1u);
    QCOMPARE(all.at(1).deviceId(), 1001u);
    QCOMPARE(all.at(2).deviceId(), 1500u);
    findAction(*menu, QStringLiteral("&Camera information"))->trigger();
    QCOMPARE(info.count(), 1);
    findAction(*menu, QStringLiteral("&Identify this camera"))->trigger();
    QCOMPARE(ident.count(), 1);
    QCOMPARE(ident.last().at(0).value<Camera>().deviceId(), 1u);

    list.view()->selectRow(1);
    menu = list.createContextMenu();
    findAction(*menu, QStringLiteral("Manual ETH configuration"))->trigger();
    findAction(*menu, QStringLiteral("&Add Readonly Device"))->trigger();
    QCOMPARE(ip.count(), 1);
    QCOMPARE(multicast.count(), 1);
    QCOMPARE(multicast.last().at(0).value<Camera>().deviceId(), 1001u);

    list.view()->selectRow(2);
    menu = list.createContextMenu();
    findAction(*menu, QStringLiteral("&Delete"))->trigger();
    QCOMPARE(remove.count(), 1);
    QCOMPARE(remove.last().at(0).value<Camera>().deviceId(), 1500u);
}

void tst_CameraList::contextMenuShownAtMouse()
{
    CameraList list;
    QAbstractItemModelTester listTester(list.model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
    list.resize(600, 300);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QStringList shown;
    QTimer::singleShot(0, [&shown] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        shown = menuTexts(*menu);
        menu->close();
    });
    emit list.view()->customContextMenuRequested(QPoint(20, 20));
    QCOMPARE(shown.value(0), QStringLiteral("&Open this camera"));
    QVERIFY(!QApplication::activePopupWidget());
}

void tst_CameraList::activationOpensCamera()
{
    CameraList list;
    QAbstractItemModelTester listTester(list.model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy open(&list, &CameraList::openCamera);
    list.view()->selectRow(1);
    emit list.view()->activated(list.view()->currentIndex());
    QCOMPARE(open.count(), 1);
    const QList<Camera> cameras = open.first().at(0).value<QList<Camera>>();
    QCOMPARE(cameras.size(), 1);
    QCOMPARE(cameras.first().deviceId(), idAtRow(list, 1));
}

void tst_CameraList::autoRefresh()
{
    QVERIFY(SimWorld::load({QString::fromUtf8(EthFree)}));
    CameraList list;
    QAbstractItemModelTester listTester(list.model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY(!list.autoRefresh());
    QVERIFY(SimWorld::setField(1001, "ipAddress", "\"10.9.8.7\""));
    // The field change reloads the list through the event thread, announced as a click. Only
    // once that reload is through can a refresh tick be told from it: under load the tick may
    // otherwise come first and report the record the reload has not replaced yet.
    QTRY_COMPARE_WITH_TIMEOUT(list.currentCamera()->ipAddress(), QStringLiteral("10.9.8.7"), 10000);
    QSignalSpy changed(&list, &CameraList::cameraChanged);
    list.setAutoRefresh(true);
    QVERIFY(list.autoRefresh());
    auto refreshed = [&changed] {
        for (const auto &args : changed)
            if (!args.at(1).toBool())
                return true;
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(refreshed(), 10000);
    QList<QVariant> refresh;
    for (const auto &args : changed)
        if (!args.at(1).toBool())
            refresh = args;
    QCOMPARE(refresh.at(0).value<camera::optional>()->ipAddress(), QStringLiteral("10.9.8.7"));
    QCOMPARE(list.currentCamera()->ipAddress(), QStringLiteral("10.9.8.7"));
    list.setAutoRefresh(false);
    QVERIFY(!list.autoRefresh());

    // Without a camera the timer reports nothing.
    QVERIFY(SimWorld::load({}));
    CameraList empty;
    QAbstractItemModelTester emptyTester(empty.model(),
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy none(&empty, &CameraList::cameraChanged);
    empty.onTimeout();
    QCOMPARE(none.count(), 0);
}

void tst_CameraList::sortingKeptAcrossReloads()
{
    CameraList list;
    QAbstractItemModelTester listTester(list.model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
    // The library's order stands until the user sorts.
    QCOMPARE(idAtRow(list, 0), simworld::listedCameras().first().deviceId());
    list.view()->sortByColumn(CameraListModel::ColDeviceId, Qt::DescendingOrder);
    const int rows = list.view()->model()->rowCount();
    for (int row = 1; row < rows; ++row)
        QVERIFY(idAtRow(list, row - 1) > idAtRow(list, row));

    char message[256] = {};
    QCOMPARE(vysim_plug(R"({"deviceId": 1400, "deviceType": "0x82"})", message, sizeof message),
             VY_SUCCESS);
    vysim_sync();
    QTRY_COMPARE(list.view()->model()->rowCount(), rows + 1);
    for (int row = 1; row <= rows; ++row)
        QVERIFY(idAtRow(list, row - 1) > idAtRow(list, row));
}

void tst_CameraList::blockedUpdatesAndReload()
{
    CameraList list;
    QAbstractItemModelTester listTester(list.model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
    const int rows = list.view()->model()->rowCount();
    list.setListUpdatesBlocked(true);
    QVERIFY(list.model()->signalsBlocked());
    QCOMPARE(vysim_unplug(idAtRow(list, 0)), VY_SUCCESS);
    vysim_sync();
    list.setListUpdatesBlocked(false);
    list.reloadList();
    QCOMPARE(list.view()->model()->rowCount(), rows - 1);
}

void tst_CameraList::languageChangeRetranslatesHeaders()
{
    CameraList list;
    QAbstractItemModelTester listTester(list.model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy headers(list.model(), &QAbstractItemModel::headerDataChanged);
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(list.view(), &change);
    QCOMPARE(headers.count(), 1);
}

void tst_CameraList::columnsWidenWhenKeptRowGrows()
{
    QVERIFY(SimWorld::load({QStringLiteral(R"({"deviceId": 5})")}));
    CameraList list;
    list.resize(900, 300);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QCOMPARE(selectedId(list), 5u);
    QTableView *view = list.view();
    const int model = CameraListModel::ColModel, serial = CameraListModel::ColSerial;
    const int narrowModel = view->columnWidth(model);

    QVERIFY(SimWorld::setField(5, "fullModelName", R"("VY-KX9000-EXTRA-LONG-MODEL-NAME")"));
    QVERIFY(SimWorld::setField(5, "serialNumber", R"("4103123456789")"));
    QTRY_COMPARE(view->model()->index(0, serial).data().toString(),
                 QStringLiteral("4103123456789"));
    QCOMPARE(selectedId(list), 5u);
    for (int column : {model, serial}) {
        const QString text = view->model()->index(0, column).data().toString();
        QVERIFY2(view->columnWidth(column) > view->fontMetrics().horizontalAdvance(text),
                 qPrintable(text));
    }
    QVERIFY(view->columnWidth(model) > narrowModel);

    // Shorter texts again: the columns keep their width.
    const int wideModel = view->columnWidth(model);
    QVERIFY(SimWorld::setField(5, "fullModelName", R"("VY")"));
    QTRY_COMPARE(view->model()->index(0, model).data().toString(), QStringLiteral("VY"));
    QCOMPARE(view->columnWidth(model), wideModel);
}

void tst_CameraList::screenshot()
{
    CameraList list;
    QAbstractItemModelTester listTester(list.model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
    list.resize(720, 420);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    const QPixmap shot = list.grab();
    QVERIFY(!shot.isNull());
    // Each row's icon is drawn (not a blank cell).
    const QString dir = qEnvironmentVariable("VYRO_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        QVERIFY(shot.save(QDir(dir).filePath(QStringLiteral("cameralist.png"))));
    for (int row = 0; row < list.view()->model()->rowCount(); ++row) {
        const QIcon icon =
            list.view()->model()->index(row, 0).data(Qt::DecorationRole).value<QIcon>();
        QVERIFY(!icon.pixmap(16, 16).isNull());
    }
}

VYRO_TEST_MAIN(tst_CameraList)
#include "tst_cameralist.moc"

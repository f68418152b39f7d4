// tst_multicastdialog.cpp: registering read-only devices through the "Add multicast" dialog,
// removing them, and the driver-wide multicast start, through the simulator.
#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include <cstring>

#include "sdk/sim/vyro_sim.h"
#include "tests/support/modalanswerer.h"
#include "tests/support/simworld.h"
#include "tests/support/testmain.h"
#include "zentara/inventory/camera.h"
#include "zentara/inventory/cameralistmodel.h"
#include "zentara/network/multicastcommands.h"
#include "zentara/network/multicastdialog.h"

using zentara::Camera;
using zentara::CameraListModel;

namespace {

constexpr uint32_t gigeReady = 1001;     // supports multicast, 192.168.10.11 -> 239.10.0.11
constexpr uint32_t gigeBootBoost = 1002; // no multicast support
constexpr uint32_t readOnly = 1500;      // the default world's read-only device of 1001

Camera listedCamera(uint32_t deviceId)
{
    for (const VY_CAMERA_LIST_ENTRY &entry : SimWorld::cameraList())
        if (entry.deviceId == deviceId)
            return Camera(entry);
    return Camera();
}

std::vector<vysim::LoggedCall> driverMulticast()
{
    std::vector<vysim::LoggedCall> calls;
    for (auto &c : vysim::callsOf("vy_Multicast"))
        if (c.handle == VY_DRIVER_HANDLE)
            calls.push_back(c);
    return calls;
}

} // namespace

class TestMulticastDialog : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(SimWorld::reset());
        vysim_log_clear();
    }

    void widgets()
    {
        MulticastDialog dialog(listedCamera(gigeReady));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Add multicast"));
        QCOMPARE(dialog.cameraIdBox()->minimum(), 1);
        QCOMPARE(dialog.cameraIdBox()->maximum(), 254);
        dialog.cameraIdBox()->setValue(0);
        QCOMPARE(dialog.cameraIdBox()->value(), 1);
        dialog.cameraIdBox()->setValue(255);
        QCOMPARE(dialog.cameraIdBox()->value(), 254);
        QCOMPARE(dialog.errorModeBox()->count(), 4);
        QCOMPARE(dialog.errorModeBox()->itemText(2),
                 QStringLiteral("Merge Mode - Release on complete"));
        QCOMPARE(dialog.addButton()->text(), QStringLiteral("Add read-only Device"));
    }

    void addSendsRecordAndCommit()
    {
        MulticastDialog dialog(listedCamera(gigeReady));
        dialog.cameraIdBox()->setValue(77);
        dialog.errorModeBox()->setCurrentIndex(3);
        vysim_log_clear();
        ModalAnswerer answerer;
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        dialog.addButton()->click();
        QCOMPARE(accepted.count(), 1);
        QVERIFY(answerer.texts().isEmpty());
        const auto calls = driverMulticast();
        QCOMPARE(int(calls.size()), 2);
        QCOMPARE(calls[0].command, uint32_t(VY_MULTICAST_ADD_RO_DEVICE));
        QCOMPARE(calls[0].result, VY_SUCCESS);
        QCOMPARE(int(calls[0].in.size()), 16);
        VY_RO_DEVICE sent;
        std::memcpy(&sent, calls[0].in.data(), sizeof sent);
        QCOMPARE(QByteArray(reinterpret_cast<char *>(sent.ipAddress), 4),
                 QByteArray("\xC0\xA8\x0A\x0B", 4));
        QCOMPARE(QByteArray(reinterpret_cast<char *>(sent.multicastIp), 4),
                 QByteArray("\xEF\x0A\x00\x0B", 4));
        QCOMPARE(sent.cameraId, 77u);
        QCOMPARE(sent.errorMode, 3u);
        QCOMPARE(calls[1].command, uint32_t(VY_MULTICAST_RO_COMMIT));
        QVERIFY(SimWorld::isListed(1501));
    }

    void failures_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("getErrorFails");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("hint");
        QTest::newRow("sdk_text") << VY_INVALID_PARAMETER << false
                                  << "Invalid parameter (code 125)." << QString();
        QTest::newRow("sdk_text_unknown_code")
            << 127 << false << "Unknown error (code 127)." << QString();
        QTest::newRow("no_sdk_text_125")
            << VY_INVALID_PARAMETER << true << "The camera library reported error 125."
            << "Invalid Parameter";
        QTest::newRow("no_sdk_text_minus_1")
            << -1 << true << "The camera library reported error -1."
            << "Something went wrong";
        QTest::newRow("no_sdk_text_127") << 127 << true << "The camera library reported error 127."
                                         << "Needs more ram";
        QTest::newRow("no_sdk_text_155")
            << VY_NOT_SUPPORTED << true << "The camera library reported error 155."
            << "Maybe not supported for this camera";
        QTest::newRow("no_sdk_text_other")
            << 3 << true << "The camera library reported error 3." << QString();
    }

    // Every failure shows its box with the driver's message and the code (or the code and a
    // hint), sends no commit, and closes the dialog refused.
    void failures()
    {
        QFETCH(int, result);
        QFETCH(bool, getErrorFails);
        QFETCH(QString, text);
        QFETCH(QString, hint);
        MulticastDialog dialog(listedCamera(gigeReady));
        QVERIFY(vysim_force_result("vy_Multicast", VY_MULTICAST_ADD_RO_DEVICE, VY_DRIVER_HANDLE,
                                   result, 0) == VY_SUCCESS);
        if (getErrorFails)
            QVERIFY(vysim_force_result("vy_GetError", VYSIM_ANY_COMMAND, VYSIM_ANY_HANDLE, 1, 0) ==
                    VY_SUCCESS);
        vysim_log_clear();
        ModalAnswerer answerer;
        QSignalSpy rejected(&dialog, &QDialog::rejected);
        dialog.addButton()->click();
        vysim_clear_forced(nullptr);
        // Closed as refused: the window must not say a device was added.
        QCOMPARE(rejected.count(), 1);
        QCOMPARE(answerer.texts().size(), 1);
        QCOMPARE(answerer.titles().value(0), QStringLiteral("Error"));
        QCOMPARE(answerer.texts().value(0), text);
        QCOMPARE(answerer.informativeTexts().value(0), hint);
        const auto calls = driverMulticast();
        QCOMPARE(int(calls.size()), 1);
        QCOMPARE(calls[0].command, uint32_t(VY_MULTICAST_ADD_RO_DEVICE));
        QVERIFY(!SimWorld::isListed(1501));
    }

    void cameraWithoutMulticastNeverAsksTheDriver()
    {
        const Camera camera = listedCamera(gigeBootBoost);
        QCOMPARE(camera.multicastSupport(), 0u);
        MulticastDialog dialog(camera);
        vysim_log_clear();
        ModalAnswerer answerer;
        QSignalSpy rejected(&dialog, &QDialog::rejected);
        dialog.addButton()->click();
        QCOMPARE(rejected.count(), 1);
        QVERIFY(vysim::callsOf("vy_Multicast").empty());
        QCOMPARE(answerer.texts().size(), 1);
        QCOMPARE(answerer.texts().value(0), QStringLiteral("Maybe not supported for this camera"));
        // No library was asked: no code of its own.
        QCOMPARE(answerer.informativeTexts().value(0), QString());
    }

    void records_data()
    {
        QTest::addColumn<QString>("ip");
        QTest::addColumn<QString>("multicast");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("both") << "10.1.2.3"
                              << "239.0.0.9" << QByteArray("\x0A\x01\x02\x03\xEF\x00\x00\x09", 8);
        QTest::newRow("not_an_address") << "10.1.2.x"
                                        << "none" << QByteArray(8, '\0');
        QTest::newRow("short_form_as_the_parser_reads_it")
            << "10.1.2"
            << "239.1" << QByteArray("\x0A\x01\x00\x02\xEF\x00\x00\x01", 8);
        QTest::newRow("ipv6") << "::1"
                              << "" << QByteArray(8, '\0');
        QTest::newRow("spaces") << " 1.2.3.4 "
                                << "255.255.255.255"
                                << QByteArray("\x01\x02\x03\x04\xFF\xFF\xFF\xFF", 8);
    }

    void records()
    {
        QFETCH(QString, ip);
        QFETCH(QString, multicast);
        QFETCH(QByteArray, bytes);
        const VY_RO_DEVICE r = MulticastCommands::record(ip, multicast, 9, 2);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(&r), 8), bytes);
        QCOMPARE(r.cameraId, 9u);
        QCOMPARE(r.errorMode, 2u);
    }

    void removeWithoutCameraSendsNothing()
    {
        QCOMPARE(MulticastCommands::removeReadOnlyDevice(nullptr), VY_INVALID_PARAMETER);
        QVERIFY(vysim::callsOf("vy_Multicast").empty());
    }

    void removeCommitsOnlyAfterSuccess_data()
    {
        QTest::addColumn<int>("forced");
        QTest::addColumn<int>("calls");
        QTest::newRow("removed") << 0 << 2;
        QTest::newRow("refused") << int(VY_CAMERA_NOT_FOUND) << 1;
    }

    void removeCommitsOnlyAfterSuccess()
    {
        QFETCH(int, forced);
        QFETCH(int, calls);
        const Camera camera = listedCamera(readOnly);
        QCOMPARE(camera.deviceId(), readOnly);
        if (forced)
            vysim_force_result("vy_Multicast", VY_MULTICAST_REMOVE_RO_DEVICE, VY_DRIVER_HANDLE,
                               forced, 0);
        vysim_log_clear();
        QCOMPARE(MulticastCommands::removeReadOnlyDevice(&camera), forced);
        vysim_clear_forced(nullptr);
        const auto sent = driverMulticast();
        QCOMPARE(int(sent.size()), calls);
        VY_RO_DEVICE r;
        std::memcpy(&r, sent[0].in.data(), sizeof r);
        QCOMPARE(r.cameraId, 20u);
        QCOMPARE(r.errorMode, uint32_t(VY_RO_REMOVE));
        if (calls == 2)
            QCOMPARE(sent[1].command, uint32_t(VY_MULTICAST_RO_COMMIT));
        QCOMPARE(SimWorld::isListed(readOnly), forced != 0);
    }

    void startMulticast_data()
    {
        QTest::addColumn<int>("forced");
        QTest::addColumn<int>("calls");
        QTest::newRow("started") << 0 << 2;
        QTest::newRow("refused") << int(VY_NOT_SUPPORTED) << 1;
    }

    void startMulticast()
    {
        QFETCH(int, forced);
        QFETCH(int, calls);
        if (forced)
            vysim_force_result("vy_Multicast", VY_MULTICAST_DRIVER_DEFAULT, VY_DRIVER_HANDLE,
                               forced, 0);
        QCOMPARE(MulticastCommands::startMulticast(), forced);
        vysim_clear_forced(nullptr);
        const auto sent = driverMulticast();
        QCOMPARE(int(sent.size()), calls);
        QCOMPARE(sent[0].command, uint32_t(VY_MULTICAST_DRIVER_DEFAULT));
        if (calls == 2)
            QCOMPARE(sent[1].command, uint32_t(VY_MULTICAST_RO_RESCAN));
    }

    // What a user does: add a read-only device and see it in the list, delete it and see it go.
    void readOnlyDeviceComesAndGoesInTheList()
    {
        CameraListModel model;
        const auto listedIds = [&model] {
            QList<uint32_t> ids;
            for (const Camera &c : model.cameras())
                ids.append(c.deviceId());
            return ids;
        };
        QTRY_VERIFY(listedIds().contains(gigeReady));
        QVERIFY(!listedIds().contains(1501));
        {
            MulticastDialog dialog(listedCamera(gigeReady));
            dialog.cameraIdBox()->setValue(99);
            dialog.addButton()->click();
        }
        QTRY_VERIFY_WITH_TIMEOUT(listedIds().contains(1501), 20000);
        Camera added;
        for (const Camera &c : model.cameras())
            if (c.deviceId() == 1501)
                added = c;
        QCOMPARE(added.cameraId(), 99u);
        QVERIFY(added.isReadOnlyDevice());
        QCOMPARE(MulticastCommands::removeReadOnlyDevice(&added), VY_SUCCESS);
        QTRY_VERIFY_WITH_TIMEOUT(!listedIds().contains(1501), 20000);
        QVERIFY(listedIds().contains(readOnly));
    }
};

VYRO_TEST_MAIN(TestMulticastDialog)
#include "tst_multicastdialog.moc"

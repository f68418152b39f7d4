// tst_ethconfig.cpp: the camera network configuration dialog against the simulator: what it
// reads and shows, every check of OK with its message, what reaches the SDK, failing writes,
// and the free-address search with a fake ping on PATH and fixture ARP tables, cancelled,
// closed and destroyed while it runs.
#include <QtTest>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>

#include "sdk/sim/vyro_sim.h"
#include "tests/support/modalanswerer.h"
#include "tests/support/simworld.h"
#include "tests/support/testmain.h"
#include "zentara/inventory/camera.h"
#include "zentara/network/ethconfig.h"
#include "zentara/network/qipedit.h"

using zentara::Camera;

namespace {

constexpr uint32_t CameraId = 1001;

QString deviceJson(const QString &extra = QString())
{
    return QStringLiteral(
               R"({"deviceId": 1001, "cameraId": 11, "model": "VY-5240SE-M", "deviceType": "0x82",
        "linkSpeed": 1000, "adapterLinkSpeed": 1000, "starterFirmware": "4.95.8",
        "requiredStarterFirmware": "4.95.8", "deviceStatus": "0x101",
        "controlStatus": "0x080000A7", "dhcpState": "0x1", "mac": "00-1B-2C-40-00-01",
        "ipAddress": "192.168.0.11", "subnetMask": "255.255.255.0",
        "persistentIp": "192.168.0.11", "persistentSubnet": "255.255.255.0",
        "multicastIp": "239.1.0.11", "multicastSupported": true,
        "adapterMac": "02-11-22-33-44-55", "adapterIp": "192.168.0.1",
        "adapterSubnet": "255.255.255.0", "adapterIpRangeBegin": "192.168.0.100",
        "adapterIpRangeEnd": "192.168.0.199", "adapterIpRangeValid": true%1})")
        .arg(extra);
}

Camera cameraOf(uint32_t deviceId)
{
    for (const auto &entry : SimWorld::cameraList())
        if (entry.deviceId == deviceId)
            return Camera(entry);
    return Camera();
}

std::vector<vysim::LoggedCall> ipConfigCalls(uint32_t command)
{
    std::vector<vysim::LoggedCall> calls;
    for (auto &call : vysim::callsOf("vy_IpConfig"))
        if (call.command == command)
            calls.push_back(call);
    return calls;
}

std::vector<uint8_t> ipRecord(const std::vector<uint8_t> &ip, const std::vector<uint8_t> &mask,
                              uint32_t last)
{
    std::vector<uint8_t> bytes = ip;
    bytes.insert(bytes.end(), mask.begin(), mask.end());
    for (int i = 0; i < 4; ++i)
        bytes.push_back(uint8_t(last >> (8 * i)));
    return bytes;
}

// One field of a device in the simulator's world, as text.
QString worldText(uint32_t deviceId, const char *field)
{
    uint32_t needed = 0;
    vysim_world_json(nullptr, 0, &needed);
    std::vector<char> buffer(needed + 1);
    if (vysim_world_json(buffer.data(), uint32_t(buffer.size()), &needed) != VY_SUCCESS)
        return QString();
    const QJsonArray devices =
        QJsonDocument::fromJson(buffer.data()).object().value(QLatin1String("devices")).toArray();
    for (const QJsonValue &device : devices)
        if (uint32_t(device.toObject().value(QLatin1String("deviceId")).toInt()) == deviceId)
            return device.toObject().value(QLatin1String(field)).toVariant().toString();
    return QString();
}

} // namespace

class TestEthConfig : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;
    QTemporaryDir m_bin;
    QString m_pingLog;
    QString m_block;
    QString m_arp;

    QStringList pings() const
    {
        QFile file(m_pingLog);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    void writeArp(const QByteArray &entries)
    {
        QFile file(m_arp);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("IP address       HW type     Flags       HW address            Mask     "
                   "Device\n" +
                   entries);
    }

    static QByteArray arpLine(const QByteArray &ip, const QByteArray &mac)
    {
        return ip.leftJustified(16, ' ') + " 0x1         0x2         " +
               mac.leftJustified(17, ' ') + "     *        eth0\n";
    }

    // Clicks OK with a message box answerer, as the user would.
    static QStringList clickOk(EthConfig &dialog,
                               QMessageBox::StandardButton answer = QMessageBox::Ok)
    {
        ModalAnswerer answerer(answer);
        QTest::mouseClick(dialog.buttonBox()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        return answerer.texts();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid() && m_bin.isValid());
        QVERIFY(QDir().mkpath(m_root.filePath(QStringLiteral("proc/net"))));
        m_arp = m_root.filePath(QStringLiteral("proc/net/arp"));
        m_pingLog = m_bin.filePath(QStringLiteral("ping.log"));
        m_block = m_bin.filePath(QStringLiteral("block"));
        // A ping that records its arguments and answers at once; while the block file exists it
        // waits, until it is ended or the file goes.
        const QString ping = m_bin.filePath(QStringLiteral("ping"));
        QFile script(ping);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s\\n' \"$*\" >> '" + QFile::encodeName(m_pingLog) +
                     "'\nwhile [ -e '" + QFile::encodeName(m_block) +
                     "' ]; do sleep 0.02; done\nexit 0\n");
        script.close();
        QVERIFY(QFile::setPermissions(ping, QFile::permissions(ping) | QFile::ExeOwner));
        qputenv("PATH", QFile::encodeName(m_bin.path()) + ':' + qgetenv("PATH"));
        qputenv("VYRO_SYSROOT", QFile::encodeName(m_root.path()));
    }

    void init()
    {
        QVERIFY(SimWorld::load({deviceJson()}));
        vysim_clear_forced(nullptr);
        vysim_log_clear();
        QFile::remove(m_pingLog);
        QFile::remove(m_block);
        writeArp(QByteArray());
    }

    void fillsFromCameraAndSimulator()
    {
        const Camera camera = cameraOf(CameraId);
        vysim_log_clear();
        EthConfig dialog(nullptr, &camera);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Manual ETH Configuration"));
        QCOMPARE(dialog.persistentIpEdit()->text(), QStringLiteral("192.168.0.11"));
        QCOMPARE(dialog.subnetMaskEdit()->text(), QStringLiteral("255.255.255.0"));
        QCOMPARE(dialog.rangeBeginEdit()->text(), QStringLiteral("192.168.0.100"));
        QCOMPARE(dialog.rangeEndEdit()->text(), QStringLiteral("192.168.0.199"));
        QCOMPARE(dialog.multicastIpEdit()->text(), QStringLiteral("239.1.0.11"));
        QCOMPARE(dialog.deviceGroup()->title(), QStringLiteral("Device ID: 1001"));
        QCOMPARE(dialog.statusLabel()->text(),
                 QStringLiteral("The camera uses the persistent IP address"));
        QVERIFY(dialog.statusLabel()->wordWrap());
        QVERIFY(dialog.adapterGroup()->isEnabled());
        QVERIFY(dialog.deviceGroup()->isEnabled());
        QVERIFY(dialog.dhcpCheck()->isEnabled());
        QVERIFY(!dialog.dhcpCheck()->isChecked());
        QVERIFY(dialog.multicastGroup()->isEnabled());
        QVERIFY(!dialog.multicastEnableCheck()->isChecked());

        const auto calls = vysim::callsOf("vy_IpConfig");
        QCOMPARE(calls.size(), size_t(4));
        QCOMPARE(calls[0].command, uint32_t(VY_IPCONFIG_QUERY_CAPABILITIES));
        QCOMPARE(calls[1].command, uint32_t(VY_IPCONFIG_GET_DHCP));
        QCOMPARE(calls[2].command, uint32_t(VY_IPCONFIG_GET_PERSISTENT_IP));
        QCOMPARE(calls[3].command, uint32_t(VY_IPCONFIG_GET_AUTOCFG_RANGE));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(calls[size_t(i)].handle, int32_t(CameraId));
        QCOMPARE(calls[3].handle, int32_t(VY_ADAPTER_HANDLE));
        QVERIFY(vysim::callsOf("vy_Multicast").empty());
    }

    void capabilities_data()
    {
        QTest::addColumn<QString>("capabilities");
        QTest::addColumn<bool>("forceFailure");
        QTest::addColumn<bool>("adapter");
        QTest::addColumn<bool>("device");
        QTest::addColumn<bool>("dhcp");
        QTest::newRow("all") << "7" << false << true << true << true;
        QTest::newRow("none") << "0" << false << false << false << false;
        QTest::newRow("persistent_ip_only") << "1" << false << false << true << false;
        QTest::newRow("dhcp_only") << "2" << false << false << false << true;
        QTest::newRow("range_only") << "4" << false << true << false << false;
        QTest::newRow("query_fails") << "7" << true << false << false << false;
    }

    void capabilities()
    {
        QFETCH(QString, capabilities);
        QFETCH(bool, forceFailure);
        QFETCH(bool, adapter);
        QFETCH(bool, device);
        QFETCH(bool, dhcp);
        QVERIFY(SimWorld::setField(CameraId, "ipConfigCapabilities",
                                   capabilities.toUtf8().constData()));
        QVERIFY(SimWorld::setField(CameraId, "dhcpState", "17"));
        if (forceFailure)
            vysim_force_result("vy_IpConfig", VY_IPCONFIG_QUERY_CAPABILITIES, VYSIM_ANY_HANDLE,
                               VY_TRANSFER_ERROR, 0);
        const Camera camera = cameraOf(CameraId);
        EthConfig dialog(nullptr, &camera);
        QCOMPARE(dialog.adapterGroup()->isEnabled(), adapter);
        QCOMPARE(dialog.deviceGroup()->isEnabled(), device);
        QCOMPARE(dialog.dhcpCheck()->isEnabledTo(dialog.deviceGroup()), dhcp);
        // The DHCP state is shown where it can be changed.
        QCOMPARE(dialog.dhcpCheck()->isChecked(), dhcp);
    }

    void readFailuresFallBack()
    {
        vysim_force_result("vy_IpConfig", VY_IPCONFIG_GET_PERSISTENT_IP, VYSIM_ANY_HANDLE,
                           VY_TRANSFER_ERROR, 0);
        vysim_force_result("vy_IpConfig", VY_IPCONFIG_GET_DHCP, VYSIM_ANY_HANDLE, VY_TRANSFER_ERROR,
                           0);
        QVERIFY(SimWorld::setField(CameraId, "dhcpState", "17"));
        const Camera camera = cameraOf(CameraId);
        EthConfig dialog(nullptr, &camera);
        QCOMPARE(dialog.persistentIpEdit()->text(), QStringLiteral("0.0.0.0"));
        QCOMPARE(dialog.persistentIpEdit()->octetField(0)->text(), QString());
        QVERIFY(!dialog.dhcpCheck()->isChecked());
        QCOMPARE(dialog.statusLabel()->text(),
                 QStringLiteral("The camera has no persistent IP address and uses an address "
                                "from the IP range"));
    }

    void multicastUnsupported()
    {
        QVERIFY(SimWorld::setField(CameraId, "multicastSupported", "false"));
        const Camera camera = cameraOf(CameraId);
        vysim_log_clear();
        EthConfig dialog(nullptr, &camera);
        QVERIFY(!dialog.multicastGroup()->isEnabled());
        QVERIFY(!dialog.multicastEnableCheck()->isEnabled());
        QCOMPARE(dialog.multicastIpEdit()->text(), QStringLiteral("0.0.0.0"));
        dialog.show();
        dialog.multicastIpEdit()->setText(QStringLiteral("239.9.9.9"));
        dialog.multicastEnableCheck()->setChecked(true);
        QCOMPARE(clickOk(dialog), QStringList());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(vysim::callsOf("vy_Multicast").empty());
    }

    void multicastWrites()
    {
        const Camera camera = cameraOf(CameraId);
        EthConfig dialog(nullptr, &camera);
        dialog.show();
        QTest::mouseClick(dialog.multicastDefaultButton(), Qt::LeftButton);
        QCOMPARE(dialog.multicastIpEdit()->text(), QStringLiteral("224.0.0.0"));
        dialog.multicastEnableCheck()->setChecked(true);
        vysim_log_clear();
        QCOMPARE(clickOk(dialog), QStringList());
        const auto calls = vysim::callsOf("vy_Multicast");
        QCOMPARE(calls.size(), size_t(2));
        QCOMPARE(calls[0].handle, int32_t(CameraId | VY_UNOPENED));
        QCOMPARE(calls[0].command, uint32_t(VY_MULTICAST_SET_ADDRESS));
        QCOMPARE(calls[0].in, (std::vector<uint8_t>{224, 0, 0, 0}));
        QCOMPARE(calls[1].command, uint32_t(VY_MULTICAST_SET_ENABLE));
        QCOMPARE(calls[1].in, (std::vector<uint8_t>{1, 0, 0, 0}));
        QCOMPARE(worldText(CameraId, "multicastIp"), QStringLiteral("224.0.0.0"));
        QVERIFY(ipConfigCalls(VY_IPCONFIG_SET_PERSISTENT_IP).empty());
        QVERIFY(ipConfigCalls(VY_IPCONFIG_SET_AUTOCFG_RANGE).empty());
        QVERIFY(ipConfigCalls(VY_IPCONFIG_SET_DHCP).empty());
        QVERIFY(!dialog.isVisible());
    }

    void prepareSubnetOnTyping()
    {
        QVERIFY(SimWorld::setField(CameraId, "persistentIp", "\"0.0.0.0\""));
        QVERIFY(SimWorld::setField(CameraId, "persistentSubnet", "\"0.0.0.0\""));
        const Camera camera = cameraOf(CameraId);
        EthConfig dialog(nullptr, &camera);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QLineEdit *first = dialog.persistentIpEdit()->octetField(0);
        first->setFocus();
        first->selectAll();
        QTest::keyClicks(first, QStringLiteral("10"));
        QTRY_COMPARE(dialog.subnetMaskEdit()->text(), QStringLiteral("255.255.255.0"));
        // An existing mask is left alone.
        dialog.subnetMaskEdit()->setText(QStringLiteral("255.255.0.0"));
        QTest::keyClicks(first, QStringLiteral("1"));
        QTRY_COMPARE(first->text(), QStringLiteral("101"));
        QCOMPARE(dialog.subnetMaskEdit()->text(), QStringLiteral("255.255.0.0"));
    }

    void suggestRange_data()
    {
        QTest::addColumn<QString>("adapterIp");
        QTest::addColumn<QString>("adapterMask");
        QTest::addColumn<QString>("begin");
        QTest::addColumn<QString>("end");
        QTest::newRow("slash_24") << "192.168.0.1"
                                  << "255.255.255.0"
                                  << "192.168.0.1"
                                  << "192.168.0.254";
        QTest::newRow("slash_30") << "10.0.0.5"
                                  << "255.255.255.252"
                                  << "10.0.0.5"
                                  << "10.0.0.6";
        QTest::newRow("slash_16") << "172.16.5.9"
                                  << "255.255.0.0"
                                  << "172.16.0.1"
                                  << "172.16.255.254";
    }

    void suggestRange()
    {
        QFETCH(QString, adapterIp);
        QFETCH(QString, adapterMask);
        QFETCH(QString, begin);
        QFETCH(QString, end);
        QVERIFY(SimWorld::setField(CameraId, "adapterIp",
                                   ('"' + adapterIp + '"').toUtf8().constData()));
        QVERIFY(SimWorld::setField(CameraId, "adapterSubnet",
                                   ('"' + adapterMask + '"').toUtf8().constData()));
        const Camera camera = cameraOf(CameraId);
        EthConfig dialog(nullptr, &camera);
        QTest::mouseClick(dialog.suggestRangeButton(), Qt::LeftButton);
        QCOMPARE(dialog.rangeBeginEdit()->text(), begin);
        QCOMPARE(dialog.rangeEndEdit()->text(), end);
    }

    void rangeChecks_data()
    {
        QTest::addColumn<QString>("begin");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("beginAfter");
        QTest::addColumn<QString>("endAfter");
        QTest::addColumn<QByteArray>("written");
        const QString initialBegin = QStringLiteral("192.168.0.100");
        const QString initialEnd = QStringLiteral("192.168.0.199");
        QTest::newRow("host_part_starts_with_0")
            << "192.168.0.0"
            << "192.168.0.100"
            << "The host part of the IP range must not start with 0!" << initialBegin
            << "192.168.0.100" << QByteArray();
        QTest::newRow("end_is_broadcast")
            << "192.168.0.10"
            << "192.168.0.255"
            << "The IP range end must not be equal to the\nbroadcast address of the subnet!"
            << "192.168.0.10" << initialEnd << QByteArray();
        QTest::newRow("broadcast_and_host_0")
            << "192.168.0.0"
            << "192.168.0.255"
            << "The IP range end must not be equal to the\nbroadcast address of the subnet!\nAnd "
               "the host part of the IP range must not start with 0!"
            << initialBegin << initialEnd << QByteArray();
        QTest::newRow("end_before_begin")
            << "192.168.0.50"
            << "192.168.0.20"
            << "The IP range begin must be less than or equal to the IP range end!" << initialBegin
            << initialEnd << QByteArray();
        QTest::newRow("both_zero_sent_unchecked")
            << "0.0.0.0"
            << "0.0.0.0" << QString() << "0.0.0.0"
            << "0.0.0.0" << QByteArray::fromHex("000000000000000064000000");
        QTest::newRow("valid_range")
            << "192.168.0.20"
            << "192.168.0.30" << QString() << "192.168.0.20"
            << "192.168.0.30" << QByteArray::fromHex("c0a80014c0a8001e64000000");
        QTest::newRow("one_address")
            << "192.168.0.254"
            << "192.168.0.254" << QString() << "192.168.0.254"
            << "192.168.0.254" << QByteArray::fromHex("c0a800fec0a800fe64000000");
    }

    void rangeChecks()
    {
        QFETCH(QString, begin);
        QFETCH(QString, end);
        QFETCH(QString, message);
        QFETCH(QString, beginAfter);
        QFETCH(QString, endAfter);
        QFETCH(QByteArray, written);
        const Camera camera = cameraOf(CameraId);
        EthConfig dialog(nullptr, &camera);
        dialog.show();
        dialog.rangeBeginEdit()->setText(begin);
        dialog.rangeEndEdit()->setText(end);
        vysim_log_clear();
        const QStringList texts = clickOk(dialog);
        QCOMPARE(texts, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(dialog.rangeBeginEdit()->text(), beginAfter);
        QCOMPARE(dialog.rangeEndEdit()->text(), endAfter);
        const auto sets = ipConfigCalls(VY_IPCONFIG_SET_AUTOCFG_RANGE);
        if (written.isEmpty()) {
            QVERIFY(sets.empty());
            // A refused range keeps the dialog open for another try.
            QVERIFY(dialog.isVisible());
            return;
        }
        QCOMPARE(sets.size(), size_t(1));
        QCOMPARE(sets[0].handle, int32_t(VY_ADAPTER_HANDLE));
        QCOMPARE(
            QByteArray(reinterpret_cast<const char *>(sets[0].in.data()), int(sets[0].in.size())),
            written);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        // Read back as the device information shows it.
        const Camera after = cameraOf(CameraId);
        QCOMPARE(after.adapterIpRangeBegin(), beginAfter);
        QCOMPARE(after.adapterIpRangeEnd(), endAfter);
    }

    // Every field is checked before anything is written: a refusal leaves the camera and the
    // adapter untouched, though other fields held valid changes, and the dialog open.
    void refusedBeforeAnythingIsWritten_data()
    {
        QTest::addColumn<QString>("persistent");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("begin");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("multicast");
        QTest::addColumn<QString>("message");
        const QString valid = QStringLiteral("192.168.0.42");
        const QString mask = QStringLiteral("255.255.255.0");
        const QString nothing = QStringLiteral("\nNothing has been written.");
        const auto notHost = [&](const QString &label, const QString &address) {
            return label + QStringLiteral(": ") + address +
                   QStringLiteral(" cannot be the address of a camera: addresses beginning with "
                                  "0, 127 or 224 to 255 are not given to devices.") +
                   nothing;
        };
        QTest::newRow("persistent_255") << "255.111.0.0" << mask << ""
                                        << ""
                                        << "" << notHost("Persistent IP", "255.111.0.0");
        QTest::newRow("persistent_0") << "0.1.2.3" << mask << ""
                                      << ""
                                      << "" << notHost("Persistent IP", "0.1.2.3");
        QTest::newRow("persistent_multicast") << "224.1.2.3" << mask << ""
                                              << ""
                                              << "" << notHost("Persistent IP", "224.1.2.3");
        QTest::newRow("persistent_octet_300")
            << "300.1.1.1" << mask << ""
            << ""
            << ""
            << "Persistent IP: 300.1.1.1 is not an address: each of its four numbers must be 0 "
               "to 255." +
                   nothing;
        QTest::newRow("persistent_broadcast")
            << "192.168.0.255" << mask << ""
            << ""
            << ""
            << "Persistent IP: 192.168.0.255 cannot be the address of a camera: with the subnet "
               "mask 255.255.255.0 it is the address of the subnet itself or its broadcast "
               "address." +
                   nothing;
        QTest::newRow("mask_with_gap")
            << valid << "255.0.255.0"
            << ""
            << ""
            << ""
            << "Subnetmask: 255.0.255.0 is not a subnet mask such as 255.255.255.0." + nothing;
        QTest::newRow("range_begin_0") << valid << mask << "0.0.0.9"
                                       << ""
                                       << "" << notHost("IP range begin", "0.0.0.9");
        QTest::newRow("range_reversed")
            << valid << mask << "192.168.0.50"
            << "192.168.0.20"
            << ""
            << "The IP range begin must be less than or equal to the IP range end!";
        QTest::newRow("range_end_broadcast")
            << valid << mask << ""
            << "192.168.0.255"
            << ""
            << "The IP range end must not be equal to the\nbroadcast address of the subnet!";
        QTest::newRow("multicast_not_multicast")
            << valid << mask << ""
            << ""
            << "10.0.0.1"
            << "Multicast IP: 10.0.0.1 is not a multicast address; those are 224.0.0.0 to "
               "239.255.255.255." +
                   nothing;
    }

    void refusedBeforeAnythingIsWritten()
    {
        QFETCH(QString, persistent);
        QFETCH(QString, mask);
        QFETCH(QString, begin);
        QFETCH(QString, end);
        QFETCH(QString, multicast);
        QFETCH(QString, message);
        const Camera camera = cameraOf(CameraId);
        EthConfig dialog(nullptr, &camera);
        dialog.show();
        dialog.persistentIpEdit()->setRawText(persistent);
        dialog.subnetMaskEdit()->setRawText(mask);
        dialog.rangeBeginEdit()->setRawText(begin);
        dialog.rangeEndEdit()->setRawText(end);
        dialog.multicastIpEdit()->setRawText(multicast);
        dialog.dhcpCheck()->setChecked(true);
        dialog.multicastEnableCheck()->setChecked(true);
        vysim_log_clear();
        QCOMPARE(clickOk(dialog), QStringList{message});
        for (const auto &call : vysim::callsOf("vy_IpConfig"))
            QVERIFY((call.command & 0xFF000000u) != 0x01000000u);
        QVERIFY(vysim::callsOf("vy_Multicast").empty());
        QVERIFY(dialog.isVisible());
        QCOMPARE(worldText(CameraId, "persistentIp"), QStringLiteral("192.168.0.11"));
        // Cancel then leaves the camera as it was.
        QTest::mouseClick(dialog.buttonBox()->button(QDialogButtonBox::Cancel), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(cameraOf(CameraId).ipAddress(), QStringLiteral("192.168.0.11"));
    }

    void persistentOutsideSubnet_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("no") << int(QMessageBox::No);
        QTest::newRow("yes") << int(QMessageBox::Yes);
    }

    void persistentOutsideSubnet()
    {
        QFETCH(int, answer);
        const Camera camera = cameraOf(CameraId);
        EthConfig dialog(nullptr, &camera);
        dialog.show();
        dialog.persistentIpEdit()->setText(QStringLiteral("10.1.2.3"));
        dialog.rangeBeginEdit()->setText(QStringLiteral("192.168.0.20"));
        dialog.dhcpCheck()->setChecked(true);
        dialog.multicastIpEdit()->setText(QStringLiteral("239.2.2.2"));
        dialog.multicastEnableCheck()->setChecked(true);
        vysim_log_clear();
        const QStringList texts = clickOk(dialog, QMessageBox::StandardButton(answer));
        QCOMPARE(texts.value(0),
                 QStringLiteral("The given address 10.1.2.3 is not a suitable IP for\nthe adapter "
                                "with address 192.168.0.1 / 255.255.255.0!\nDo you want to "
                                "continue anyway?"));
        QCOMPARE(texts.size(), 1);
        if (answer == QMessageBox::No) {
            // Nothing at all is applied, and the dialog stays open.
            for (const auto &call : vysim::callsOf("vy_IpConfig"))
                QVERIFY((call.command & 0xFF000000u) != 0x01000000u);
            QVERIFY(vysim::callsOf("vy_Multicast").empty());
            QVERIFY(dialog.isVisible());
            QCOMPARE(worldText(CameraId, "persistentIp"), QStringLiteral("192.168.0.11"));
            return;
        }
        const auto sets = ipConfigCalls(VY_IPCONFIG_SET_PERSISTENT_IP);
        QCOMPARE(sets.size(), size_t(1));
        QCOMPARE(sets[0].handle, int32_t(CameraId));
        QCOMPARE(sets[0].in, ipRecord({10, 1, 2, 3}, {255, 255, 255, 0}, 0));
        QCOMPARE(ipConfigCalls(VY_IPCONFIG_SET_AUTOCFG_RANGE).size(), size_t(1));
        QCOMPARE(ipConfigCalls(VY_IPCONFIG_SET_DHCP).size(), size_t(1));
        QCOMPARE(ipConfigCalls(VY_IPCONFIG_SET_DHCP)[0].in, (std::vector<uint8_t>{1, 0, 0, 0}));
        QCOMPARE(vysim::callsOf("vy_Multicast").size(), size_t(2));
        QVERIFY(!dialog.isVisible());
        const Camera after = cameraOf(CameraId);
        QCOMPARE(after.persistentIpAddress(), QStringLiteral("10.1.2.3"));
        QCOMPARE(after.ipAddress(), QStringLiteral("10.1.2.3"));
        // Outside the adapter's subnet the camera cannot be reached.
        QCOMPARE(after.controlStatus() & 0x7u, 0u);
        QVERIFY(after.deviceStatus() & 0x20u);
    }

    void persistentInSubnetAsksNothing_data()
    {
        QTest::addColumn<QString>("ip");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<std::vector<uint8_t>>("record");
        QTest::newRow("same_subnet")
            << "192.168.0.42"
            << "255.255.255.0" << ipRecord({192, 168, 0, 42}, {255, 255, 255, 0}, 0);
        QTest::newRow("zero_unchecked") << "0.0.0.0"
                                        << "0.0.0.0" << ipRecord({0, 0, 0, 0}, {0, 0, 0, 0}, 0);
        QTest::newRow("zero_with_mask") << "0.0.0.0"
                                        << "255.0.0.0" << ipRecord({0, 0, 0, 0}, {255, 0, 0, 0}, 0);
    }

    void persistentInSubnetAsksNothing()
    {
        QFETCH(QString, ip);
        QFETCH(QString, mask);
        QFETCH(std::vector<uint8_t>, record);
        const Camera camera = cameraOf(CameraId);
        EthConfig dialog(nullptr, &camera);
        dialog.show();
        dialog.persistentIpEdit()->setText(ip);
        dialog.subnetMaskEdit()->setText(mask);
        vysim_log_clear();
        QCOMPARE(clickOk(dialog), QStringList());
        const auto sets = ipConfigCalls(VY_IPCONFIG_SET_PERSISTENT_IP);
        QCOMPARE(sets.size(), size_t(1));
        QCOMPARE(sets[0].in, record);
        QCOMPARE(cameraOf(CameraId).persistentIpAddress(), ip);
        QVERIFY(!dialog.isVisible());
    }

    void unchangedDialogWritesNothing_data()
    {
        QTest::addColumn<QByteArray>("capabilities");
        QTest::addColumn<bool>("persistentIpUnread");
        QTest::newRow("everything_read") << QByteArray("7") << false;
        QTest::newRow("persistent_ip_unread") << QByteArray("7") << true;
        QTest::newRow("persistent_ip_unsupported") << QByteArray("6") << false;
    }

    void unchangedDialogWritesNothing()
    {
        QFETCH(QByteArray, capabilities);
        QFETCH(bool, persistentIpUnread);
        QVERIFY(SimWorld::setField(CameraId, "ipConfigCapabilities", capabilities.constData()));
        if (persistentIpUnread)
            vysim_force_result("vy_IpConfig", VY_IPCONFIG_GET_PERSISTENT_IP, VYSIM_ANY_HANDLE,
                               VY_TRANSFER_ERROR, 0);
        const Camera camera = cameraOf(CameraId);
        EthConfig dialog(nullptr, &camera);
        // Only an address that was read can be changed.
        QCOMPARE(dialog.persistentIpEdit()->isEnabledTo(dialog.deviceGroup()),
                 capabilities == "7" && !persistentIpUnread);
        dialog.show();
        vysim_log_clear();
        QCOMPARE(clickOk(dialog), QStringList());
        QVERIFY(vysim::callsOf("vy_IpConfig").empty());
        QVERIFY(vysim::callsOf("vy_Multicast").empty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void dhcpResultIgnored()
    {
        vysim_force_result("vy_IpConfig", VY_IPCONFIG_SET_DHCP, VYSIM_ANY_HANDLE, VY_TRANSFER_ERROR,
                           0);
        const Camera camera = cameraOf(CameraId);
        EthConfig dialog(nullptr, &camera);
        dialog.show();
        dialog.dhcpCheck()->setChecked(true);
        vysim_log_clear();
        // No box: the failure goes to the log, with the SDK's own message.
        QTest::ignoreMessage(QtWarningMsg,
                             "Switching DHCP failed: The device did not answer (code 187).");
        QCOMPARE(clickOk(dialog), QStringList());
        QCOMPARE(ipConfigCalls(VY_IPCONFIG_SET_DHCP).size(), size_t(1));
        QVERIFY(!dialog.isVisible());
    }

    void writeFailures_data()
    {
        QTest::addColumn<QByteArray>("function");
        QTest::addColumn<uint>("command");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("staysOpen");
        QTest::addColumn<QString>("multicastAfter");
        QTest::newRow("persistent_ip")
            << QByteArray("vy_IpConfig") << uint(VY_IPCONFIG_SET_PERSISTENT_IP) << "persistent"
            << "192.168.0.50"
            << "Setting of the persistent IP address or subnetmask failed.\nThe device did not "
               "answer (code 187)."
            << false << "239.1.0.11";
        QTest::newRow("range") << QByteArray("vy_IpConfig") << uint(VY_IPCONFIG_SET_AUTOCFG_RANGE)
                               << "range"
                               << "192.168.0.20"
                               << "Setting of the automatic configuration range "
                                  "failed.\nThe device did not answer (code 187)."
                               << false << "239.1.0.11";
        QTest::newRow("range_zero")
            << QByteArray("vy_IpConfig") << uint(VY_IPCONFIG_SET_AUTOCFG_RANGE) << "range"
            << "0.0.0.0"
            << "Setting of the automatic configuration range failed.\nThe device did not answer "
               "(code 187)."
            << false << "239.1.0.11";
        QTest::newRow("multicast_address")
            << QByteArray("vy_Multicast") << uint(VY_MULTICAST_SET_ADDRESS) << "multicast"
            << "239.5.5.5"
            << "Setting Multicast IP failed: The device did not answer (code 187).\nLikely an "
               "invalid IP?"
            << true << "239.1.0.11";
        QTest::newRow("multicast_enable")
            << QByteArray("vy_Multicast") << uint(VY_MULTICAST_SET_ENABLE) << "enable"
            << ""
            << "Error enabling Multicast\nThe device did not answer (code 187)." << true
            << "239.1.0.11";
    }

    void writeFailures()
    {
        QFETCH(QByteArray, function);
        QFETCH(uint, command);
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, message);
        QFETCH(bool, staysOpen);
        QFETCH(QString, multicastAfter);
        vysim_force_result(function.constData(), command, VYSIM_ANY_HANDLE, VY_TRANSFER_ERROR, 0);
        const Camera camera = cameraOf(CameraId);
        EthConfig dialog(nullptr, &camera);
        dialog.show();
        if (field == QLatin1String("persistent"))
            dialog.persistentIpEdit()->setText(value);
        if (field == QLatin1String("range")) {
            dialog.rangeBeginEdit()->setText(value);
            if (value == QLatin1String("0.0.0.0"))
                dialog.rangeEndEdit()->setText(value);
        }
        if (field == QLatin1String("multicast"))
            dialog.multicastIpEdit()->setText(value);
        if (field == QLatin1String("enable"))
            dialog.multicastEnableCheck()->setChecked(true);
        // A later step still runs after a failed write that closes the dialog.
        dialog.dhcpCheck()->setChecked(true);
        vysim_log_clear();
        const QStringList texts = clickOk(dialog);
        QCOMPARE(texts, QStringList{message});
        QCOMPARE(dialog.isVisible(), staysOpen);
        QCOMPARE(dialog.multicastIpEdit()->text(), multicastAfter);
        QCOMPARE(ipConfigCalls(VY_IPCONFIG_SET_DHCP).size(), size_t(1));
        if (!staysOpen)
            return;
        // Still usable: with the failure gone, OK applies and closes.
        vysim_clear_forced(nullptr);
        dialog.multicastIpEdit()->setText(QStringLiteral("239.6.6.6"));
        QCOMPARE(clickOk(dialog), QStringList());
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(worldText(CameraId, "multicastIp"), QStringLiteral("239.6.6.6"));
    }

    void probeRecordsPingArguments()
    {
        writeArp(arpLine("192.168.0.5", "00:00:00:00:00:00"));
        const std::atomic_bool stop(false);
        QCOMPARE(EthConfig::probeAddress(QStringLiteral("192.168.0.5"), m_arp, stop),
                 ArpTable::ArpIncomplete);
        QCOMPARE(pings(), QStringList{QStringLiteral("-c 1 192.168.0.5")});
    }

    void searchFindsFirstIncomplete()
    {
        QByteArray entries;
        for (int i = 2; i < 10; ++i)
            entries += arpLine("192.168.0." + QByteArray::number(i), "00:1b:2c:40:00:01");
        entries += arpLine("192.168.0.10", "00:00:00:00:00:00");
        entries += arpLine("192.168.0.11", "00:00:00:00:00:00");
        writeArp(entries);
        QVERIFY(SimWorld::setField(CameraId, "persistentIp", "\"0.0.0.0\""));
        QVERIFY(SimWorld::setField(CameraId, "persistentSubnet", "\"0.0.0.0\""));
        const Camera camera = cameraOf(CameraId);
        EthConfig dialog(nullptr, &camera);
        dialog.show();
        QSignalSpy next(&dialog, &EthConfig::nextAddress);
        QTest::mouseClick(dialog.suggestIpButton(), Qt::LeftButton);
        QVERIFY(dialog.progressDialog());
        QCOMPARE(dialog.progressDialog()->labelText(),
                 QStringLiteral("Checking IP addresses. Please wait..."));
        QCOMPARE(dialog.progressDialog()->windowModality(), Qt::WindowModal);
        QTRY_VERIFY(!dialog.isSearching() && !dialog.progressDialog());
        QCOMPARE(dialog.persistentIpEdit()->text(), QStringLiteral("192.168.0.10"));
        QCOMPARE(dialog.subnetMaskEdit()->text(), QStringLiteral("255.255.255.0"));
        QCOMPARE(dialog.statusLabel()->text(),
                 QStringLiteral("The camera uses the persistent IP address"));
        QStringList expected;
        for (int i = 1; i <= 10; ++i)
            expected << QStringLiteral("-c 1 192.168.0.%1").arg(i);
        QCOMPARE(pings(), expected);
        QCOMPARE(next.count(), 9);
    }

    void searchOverSlash24Completes()
    {
        // Nobody is incomplete: every host address is tried, nothing is proposed.
        writeArp(arpLine("192.168.0.200", "00:1b:2c:40:00:01"));
        const Camera camera = cameraOf(CameraId);
        EthConfig dialog(nullptr, &camera);
        dialog.show();
        QSignalSpy next(&dialog, &EthConfig::nextAddress);
        QTest::mouseClick(dialog.suggestIpButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.isSearching() && !dialog.progressDialog(), 120000);
        const QStringList sent = pings();
        QCOMPARE(sent.size(), 254);
        QCOMPARE(sent.first(), QStringLiteral("-c 1 192.168.0.1"));
        QCOMPARE(sent.last(), QStringLiteral("-c 1 192.168.0.254"));
        QCOMPARE(next.count(), 254);
        QCOMPARE(dialog.persistentIpEdit()->text(), QStringLiteral("192.168.0.11"));
        QCOMPARE(dialog.subnetMaskEdit()->text(), QStringLiteral("255.255.255.0"));
    }

    void searchWithoutArpTable()
    {
        QVERIFY(QFile::remove(m_arp));
        QVERIFY(SimWorld::setField(CameraId, "adapterSubnet", "\"255.255.255.248\""));
        const Camera camera = cameraOf(CameraId);
        EthConfig dialog(nullptr, &camera);
        dialog.show();
        QTest::mouseClick(dialog.suggestIpButton(), Qt::LeftButton);
        QTRY_VERIFY(!dialog.isSearching() && !dialog.progressDialog());
        QCOMPARE(pings().size(), 6);
        QCOMPARE(dialog.persistentIpEdit()->text(), QStringLiteral("192.168.0.11"));
    }

    void stopWhileSearching_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("cancel_progress") << "cancel";
        QTest::newRow("close_dialog") << "close";
        QTest::newRow("destroy_dialog") << "destroy";
    }

    void stopWhileSearching()
    {
        QFETCH(QString, how);
        writeArp(arpLine("192.168.0.1", "00:00:00:00:00:00"));
        QFile block(m_block);
        QVERIFY(block.open(QIODevice::WriteOnly));
        block.close();
        const Camera camera = cameraOf(CameraId);
        auto dialog = std::make_unique<EthConfig>(nullptr, &camera);
        dialog->show();
        QTest::mouseClick(dialog->suggestIpButton(), Qt::LeftButton);
        // The first ping waits; the search is in it.
        QTRY_COMPARE(pings().size(), 1);
        QVERIFY(dialog->isSearching());
        if (how == QLatin1String("cancel")) {
            QVERIFY(dialog->progressDialog());
            QTest::mouseClick(dialog->progressDialog()->findChild<QPushButton *>(), Qt::LeftButton);
            QTRY_VERIFY(!dialog->isSearching() && !dialog->progressDialog());
            QVERIFY(dialog->isVisible());
        } else if (how == QLatin1String("close")) {
            dialog->reject();
            QTRY_VERIFY(!dialog->isSearching());
        } else {
            dialog.reset();
        }
        QVERIFY(QFile::remove(m_block));
        // The waiting ping was ended and no other followed, though the first address is free.
        QCOMPARE(pings(), QStringList{QStringLiteral("-c 1 192.168.0.1")});
        if (dialog)
            QCOMPARE(dialog->persistentIpEdit()->text(), QStringLiteral("192.168.0.11"));
    }

    void newSearchAfterCancel()
    {
        writeArp(arpLine("192.168.0.3", "00:00:00:00:00:00"));
        QFile block(m_block);
        QVERIFY(block.open(QIODevice::WriteOnly));
        block.close();
        const Camera camera = cameraOf(CameraId);
        EthConfig dialog(nullptr, &camera);
        dialog.show();
        QTest::mouseClick(dialog.suggestIpButton(), Qt::LeftButton);
        QTRY_COMPARE(pings().size(), 1);
        QTest::mouseClick(dialog.progressDialog()->findChild<QPushButton *>(), Qt::LeftButton);
        QTRY_VERIFY(!dialog.isSearching());
        QVERIFY(QFile::remove(m_block));
        QTest::mouseClick(dialog.suggestIpButton(), Qt::LeftButton);
        QTRY_VERIFY(!dialog.isSearching() && !dialog.progressDialog());
        QCOMPARE(dialog.persistentIpEdit()->text(), QStringLiteral("192.168.0.3"));
        QCOMPARE(pings().size(), 4);
    }

    // The camera pulled out while the search waits in a ping: the search ends as usual, and
    // applying its address to the camera that is gone fails with a message, the dialog intact.
    void unpluggedWhileSearching()
    {
        writeArp(arpLine("192.168.0.1", "00:00:00:00:00:00"));
        QFile block(m_block);
        QVERIFY(block.open(QIODevice::WriteOnly));
        block.close();
        const Camera camera = cameraOf(CameraId);
        EthConfig dialog(nullptr, &camera);
        dialog.show();
        QTest::mouseClick(dialog.suggestIpButton(), Qt::LeftButton);
        QTRY_COMPARE(pings().size(), 1);
        QCOMPARE(vysim_unplug(CameraId), int32_t(VY_SUCCESS));
        QVERIFY(QFile::remove(m_block));
        QTRY_VERIFY(!dialog.isSearching() && !dialog.progressDialog());
        QCOMPARE(dialog.persistentIpEdit()->text(), QStringLiteral("192.168.0.1"));
        const QStringList texts = clickOk(dialog, QMessageBox::Yes);
        QVERIFY(!texts.isEmpty());
        QVERIFY2(texts.last().startsWith(QLatin1String("Setting of the persistent IP address")),
                 qPrintable(texts.join('|')));
    }
};

VYRO_TEST_MAIN(TestEthConfig)
#include "tst_ethconfig.moc"

// tst_generalinfodlg.cpp: the information window: its versions read through the simulated SDK,
// the library search with a stand-in ldconfig, the USB controllers of a simulated system root,
// the adapters, the update check against a local HTTP server on 127.0.0.1 and the download page.
#include <QtTest>

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QNetworkReply>
#include <QProcess>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include "sdk/sim/vyro_sim.h"
#include "tests/support/modalanswerer.h"
#include "tests/support/simworld.h"
#include "tests/support/testmain.h"
#include "tests/zentara/devinfo/sysfsfixture.h"
#include "vyro_version.h"
#include "zentara/devinfo/generalinfodlg.h"
#include "zentara/devinfo/updateendpoints.h"
#include "zentara/network/networkadapter.h"

namespace {

// A one-page HTTP server on 127.0.0.1: every GET gets the same answer. A streamed body is sent
// in pieces as the client takes them, so that neither side holds it whole.
class LocalHttpServer final : public QObject
{
    Q_OBJECT
public:
    QByteArray status = "200 OK";
    QByteArray body;
    qint64 streamedSize = 0;
    // When set, the body never ends: one byte at a time, this many milliseconds apart.
    int trickleMs = 0;

    LocalHttpServer()
    {
        connect(&m_server, &QTcpServer::newConnection, this, &LocalHttpServer::onConnection);
        m_server.listen(QHostAddress::LocalHost);
    }
    bool isListening() const { return m_server.isListening(); }
    QUrl url() const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/frontend/files/Vyroupdater/update.txt")
                        .arg(m_server.serverPort()));
    }
    qint64 bodyBytesWritten() const { return m_written; }
    int requests() const { return m_requests; }
    bool clientLeft() const { return m_clientLeft; }

private:
    void onConnection()
    {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onRequest(socket); });
            connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                m_clientLeft = true;
                socket->deleteLater();
            });
        }
    }
    void onRequest(QTcpSocket *socket)
    {
        m_request += socket->readAll();
        if (!m_request.contains("\r\n\r\n"))
            return;
        m_request.clear();
        ++m_requests;
        m_written = 0;
        m_clientLeft = false;
        const qint64 length = trickleMs > 0      ? 1024 * 1024
                              : streamedSize > 0 ? streamedSize
                                                 : body.size();
        socket->write("HTTP/1.1 " + status + "\r\nContent-Type: text/plain\r\nContent-Length: " +
                      QByteArray::number(length) + "\r\nConnection: close\r\n\r\n");
        if (trickleMs > 0) {
            auto *timer = new QTimer(socket);
            connect(timer, &QTimer::timeout, socket, [socket] { socket->write(";"); });
            timer->start(trickleMs);
            return;
        }
        if (streamedSize == 0) {
            socket->write(body);
            m_written = body.size();
            socket->disconnectFromHost();
            return;
        }
        connect(socket, &QTcpSocket::bytesWritten, this, [this, socket] { feed(socket); });
        feed(socket);
    }
    void feed(QTcpSocket *socket)
    {
        static const QByteArray piece(64 * 1024, 'x');
        while (socket->state() == QAbstractSocket::ConnectedState &&
               socket->bytesToWrite() < 4 * piece.size() && m_written < streamedSize) {
            const qint64 n = std::min<qint64>(piece.size(), streamedSize - m_written);
            socket->write(piece.constData(), n);
            m_written += n;
        }
        if (m_written >= streamedSize)
            socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QByteArray m_request;
    qint64 m_written = 0;
    int m_requests = 0;
    bool m_clientLeft = false;
};

// Records the addresses QDesktopServices would have opened in a browser.
class UrlRecorder final : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls.append(url); }
};

QTreeWidgetItem *row(QTreeWidget *tree, const QString &text)
{
    const QList<QTreeWidgetItem *> found =
        tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive, 0);
    return found.size() == 1 ? found.first() : nullptr;
}

QStringList childTexts(const QTreeWidgetItem *item)
{
    QStringList texts;
    for (int i = 0; item && i < item->childCount(); ++i)
        texts.append(item->child(i)->text(0));
    return texts;
}

const QByteArray GoodFile = "; The latest versions of the Vyro tools.\n"
                            "[Zentara]\nVersion=99.0.0.0\n"
                            "[Library]\nVersion=4.90.0000\n"
                            "[UsbDaemon]\nVersion=4.96.0007\n"
                            "[Download]\nPage=https://example.invalid/\n";

const char *const UsbDaemon = "Orv Vyrod USB";
const char *const EthDaemon = "Orv Vyrod ETH";
const char *const Library = "libOrv Vyro_api";

} // namespace

class tst_GeneralInfoDlg : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void versionsThroughSdk();
    void crestLibraryFound();
    void crestLibraryNotFound();
    void controllersOfSimulatedInstallation();
    void noControllerInEmptyRoot();
    void hardwareTree_data();
    void hardwareTree();
    void adapterRows();
    void goodUpdateFile();
    void failedUpdateCheck_data();
    void failedUpdateCheck();
    void connectionRefused();
    void unknownScheme();
    void hugeBodyAborted();
    void downloadPage_data();
    void downloadPage();
    void aboutQt();
    void closeButton();

private:
    std::unique_ptr<SysfsFixture> m_root;
};

void tst_GeneralInfoDlg::initTestCase()
{
    qputenv(UpdateEndpoints::downloadSiteVariable(), QByteArray());
}

void tst_GeneralInfoDlg::init()
{
    QVERIFY(SimWorld::reset());
    // No test reaches the maker's server: without its own server a check goes nowhere.
    qputenv(UpdateEndpoints::updateUrlVariable(), "http://127.0.0.1:9/none");
    m_root = std::make_unique<SysfsFixture>(SysfsFixture::Layout::Empty);
    QVERIFY(m_root->isValid());
}

void tst_GeneralInfoDlg::cleanup()
{
    m_root.reset();
}

void tst_GeneralInfoDlg::versionsThroughSdk()
{
    QVERIFY(SimWorld::setDriverField("libraryVersion", "\"4.93.17\""));
    QVERIFY(SimWorld::setDriverField("usbDaemonVersion", "\"4.93.2-usb\""));
    QVERIFY(vysim_set_daemon(VYSIM_DAEMON_ETH, 0) == VY_SUCCESS);
    vysim_log_clear();

    GeneralInfoDlg dialog(QStringLiteral("en"));
    QTreeWidget *tree = dialog.versionTree();
    QCOMPARE(tree->columnCount(), 2);
    QCOMPARE(tree->topLevelItemCount(), 3);
    QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("Orv Zentara"));
    QCOMPARE(tree->topLevelItem(1)->text(0), QStringLiteral("Orv Vyro drivers"));
    QCOMPARE(tree->topLevelItem(2)->text(0), QStringLiteral("Operating system"));
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QVERIFY(tree->topLevelItem(i)->font(0).bold());
        QVERIFY(tree->topLevelItem(i)->isExpanded());
    }

    QCOMPARE(row(tree, "Version")->text(1), QStringLiteral(VYRO_VERSION_TEXT));
    QCOMPARE(row(tree, "Min. SDK version")->text(1), QStringLiteral("4.81.0000"));
    QCOMPARE(row(tree, Library)->text(1), QStringLiteral("4.93.0017"));
    QCOMPARE(row(tree, UsbDaemon)->text(1), QStringLiteral("4.93.2-usb"));
    QCOMPARE(row(tree, EthDaemon)->text(1), QStringLiteral("-"));
    QCOMPARE(row(tree, "Endianess")->text(1), QStringLiteral("Little"));
    QCOMPARE(row(tree, "Kernel")->text(1),
             QSysInfo::kernelType() + QLatin1Char('-') + QSysInfo::kernelVersion());
    QCOMPARE(row(tree, "Current architecture")->text(1), QSysInfo::currentCpuArchitecture());

    // The daemons are asked through the driver handle with the two information commands.
    const std::vector<vysim::LoggedCall> calls = vysim::callsOf("vy_Func");
    QCOMPARE(int(calls.size()), 2);
    QCOMPARE(calls.at(0).command, uint32_t(VY_FUNC_USB_DAEMON_INFO));
    QCOMPARE(calls.at(1).command, uint32_t(VY_FUNC_ETH_DAEMON_INFO));
    for (const vysim::LoggedCall &call : calls) {
        QCOMPARE(call.handle, VY_DRIVER_HANDLE);
        QCOMPARE(int(call.in.size()), VY_FUNC_DAEMON_INFO_SIZE);
    }
    QCOMPARE(calls.at(1).result, int32_t(VY_NO_DAEMON));
    QCOMPARE(int(vysim::callsOf("vy_GetDLLVersion").size()), 1);
}

void tst_GeneralInfoDlg::crestLibraryFound()
{
    QTemporaryDir bin;
    QVERIFY(bin.isValid());
    QVERIFY(SysfsFixture::writeFile(bin.filePath("out"),
                                    "/opt/orv/lib: (from /etc/ld.so.conf.d/orv.conf:1)\n"
                                    "\tliborv_crest.so -> liborv_crest.so.2\n/opt/orv/lib:\n"));
    QVERIFY(SysfsFixture::writeFile(
        bin.filePath("ldconfig"), "#!/bin/sh\ncat '" + bin.filePath("out").toLocal8Bit() + "'\n"));
    QVERIFY(QFile::setPermissions(bin.filePath("ldconfig"),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit() + ':' + path);
    QVERIFY(QDir().mkpath(m_root->root() + "/opt/orv/lib"));
    QVERIFY(SysfsFixture::writeFile(m_root->root() + "/opt/orv/lib/liborv_crest.so", "ELF"));

    GeneralInfoDlg dialog(QStringLiteral("en"));
    qputenv("PATH", path);
    QCOMPARE(row(dialog.versionTree(), "orv_crest.so")->text(1),
             QStringLiteral("Found at: /opt/orv/lib/liborv_crest.so"));
}

void tst_GeneralInfoDlg::crestLibraryNotFound()
{
    GeneralInfoDlg dialog(QStringLiteral("en"));
    QCOMPARE(row(dialog.versionTree(), "orv_crest.so")->text(1), QStringLiteral("Not Found!"));
}

void tst_GeneralInfoDlg::controllersOfSimulatedInstallation()
{
    if (qEnvironmentVariableIsEmpty("VYROSIM"))
        QSKIP("VYROSIM names the vyrosim tool; run through ctest");
    QProcess vyrosim;
    vyrosim.start(qEnvironmentVariable("VYROSIM"), {"sysroot", m_root->root()});
    QVERIFY(vyrosim.waitForFinished(30000));
    QCOMPARE(vyrosim.exitCode(), 0);

    GeneralInfoDlg dialog(QStringLiteral("en"));
    QTRY_VERIFY(dialog.isHardwareListed());
    QTreeWidget *tree = dialog.hardwareTree();
    QTreeWidgetItem *usb = tree->topLevelItem(0);
    QCOMPARE(usb->text(0), QStringLiteral("USB interfaces(s)"));
    QCOMPARE(childTexts(usb), (QStringList{"USB 2.0 host controller", "USB 3.0 host controller"}));
    const QTreeWidgetItem *highSpeed = usb->child(0);
    QVERIFY(highSpeed->childCount() >= 1);
    QVERIFY2(highSpeed->child(0)->text(0).startsWith("Bus 1 ID 1d6b:0002"),
             qPrintable(highSpeed->child(0)->text(0)));
    QVERIFY2(usb->child(1)->child(0)->text(0).startsWith("Bus 2 ID 1d6b:0003"),
             qPrintable(usb->child(1)->child(0)->text(0)));
    QVERIFY(!usb->child(0)->icon(0).isNull());
    QCOMPARE(tree->topLevelItem(1)->text(0), QStringLiteral("Network adapter(s)"));
}

void tst_GeneralInfoDlg::noControllerInEmptyRoot()
{
    GeneralInfoDlg dialog(QStringLiteral("en"));
    QSignalSpy listed(&dialog, &GeneralInfoDlg::hardwareListed);
    QTRY_VERIFY(dialog.isHardwareListed());
    QCOMPARE(childTexts(dialog.hardwareTree()->topLevelItem(0)),
             QStringList{"No USB controller found"});
    QVERIFY(listed.count() <= 1);
}

void tst_GeneralInfoDlg::hardwareTree_data()
{
    QTest::addColumn<QStringList>("speeds");
    QTest::addColumn<QStringList>("classes");

    QTest::newRow("none") << QStringList() << QStringList{"No USB controller found"};
    QTest::newRow("only_20000") << QStringList{"20000"} << QStringList{"No USB controller found"};
    QTest::newRow("low_speed_1_5") << QStringList{"1.5"} << QStringList{"No USB controller found"};
    QTest::newRow("class_order") << QStringList{"10000", "5000", "480", "12"}
                                 << QStringList{
                                        "USB 1.0 host controller", "USB 2.0 host controller",
                                        "USB 3.0 host controller", "USB 3.1 host controller"};
    QTest::newRow("two_of_a_class_and_an_unknown")
        << QStringList{"480", "20000", "480"} << QStringList{"USB 2.0 host controller"};
}

void tst_GeneralInfoDlg::hardwareTree()
{
    QFETCH(QStringList, speeds);
    QFETCH(QStringList, classes);

    QVector<UsbHostController> controllers;
    for (int i = 0; i < speeds.size(); ++i)
        controllers.append(UsbHostController(QStringLiteral("usb%1").arg(i + 1), uint(i + 1),
                                             speeds.at(i), QStringLiteral("Bus %1 line").arg(i + 1),
                                             i == 0 ? QStringLiteral("Acme xHCI") : QString()));
    QTreeWidget tree;
    GeneralInfoDlg::fillHardwareTree(&tree, controllers, {});
    QTreeWidgetItem *usb = tree.topLevelItem(0);
    QCOMPARE(childTexts(usb), classes);

    int hubs = 0;
    for (int i = 0; i < usb->childCount(); ++i)
        for (int j = 0; j < usb->child(i)->childCount(); ++j) {
            const QTreeWidgetItem *hub = usb->child(i)->child(j);
            ++hubs;
            // Only a controller with a description has a line below its root hub.
            QCOMPARE(childTexts(hub), hub->text(0) == QLatin1String("Bus 1 line")
                                          ? QStringList{"Acme xHCI"}
                                          : QStringList());
        }
    int known = 0;
    for (const QString &speed : speeds)
        known += QStringList{"12", "480", "5000", "10000"}.contains(speed) ? 1 : 0;
    QCOMPARE(hubs, known);
}

void tst_GeneralInfoDlg::adapterRows()
{
    const QNetworkInterface::InterfaceFlags both =
        QNetworkInterface::CanBroadcast | QNetworkInterface::CanMulticast;
    const QList<NetworkAdapter> adapters = {
        NetworkAdapter("lo", "lo", "00:00:00:00:00:00", QNetworkInterface::IsLoopBack,
                       QHostAddress("127.0.0.1"), QHostAddress("255.0.0.0")),
        NetworkAdapter("eth0", "Camera port", "00:11:22:33:44:55", both,
                       QHostAddress("192.168.7.1"), QHostAddress("255.255.255.0"), false),
        NetworkAdapter("tun0", "VPN", "", QNetworkInterface::CanMulticast),
        NetworkAdapter("eth1", "Office", "66:77:88:99:AA:BB", both, QHostAddress(), QHostAddress(),
                       true),
    };
    QTreeWidget tree;
    GeneralInfoDlg::fillHardwareTree(&tree, {}, adapters);
    QTreeWidgetItem *network = tree.topLevelItem(1);
    QCOMPARE(childTexts(network), (QStringList{"Camera port", "Office"}));
    QCOMPARE(childTexts(network->child(0)),
             (QStringList{"MAC address:   00:11:22:33:44:55", "Adapter:   eth0", "DHCP:   No",
                          "IP address:   192.168.7.1", "IP subnetmask:   255.255.255.0"}));
    QCOMPARE(childTexts(network->child(1)),
             (QStringList{"MAC address:   66:77:88:99:AA:BB", "Adapter:   eth1", "DHCP:   Yes"}));

    GeneralInfoDlg::fillHardwareTree(&tree, {}, {adapters.at(0)});
    QCOMPARE(childTexts(tree.topLevelItem(1)), QStringList{"No network adapter found"});
}

void tst_GeneralInfoDlg::goodUpdateFile()
{
    QVERIFY(SimWorld::setDriverField("libraryVersion", "\"4.95.1\""));
    QVERIFY(SimWorld::setDriverField("usbDaemonVersion", "\"4.96.7\""));
    LocalHttpServer server;
    QVERIFY(server.isListening());
    server.body = GoodFile;
    qputenv(UpdateEndpoints::updateUrlVariable(), server.url().toEncoded());

    GeneralInfoDlg dialog(QStringLiteral("en"));
    QSignalSpy finished(&dialog, &GeneralInfoDlg::updateCheckFinished);
    auto *check = dialog.findChild<QPushButton *>("checkUpdateButton");
    QVERIFY(check);
    check->click();
    QVERIFY(dialog.isCheckingUpdates());
    QVERIFY(!check->isEnabled());
    QVERIFY(finished.wait());
    QCOMPARE(finished.count(), 1);
    QCOMPARE(server.requests(), 1);
    QVERIFY(check->isEnabled());

    const UpdateFile::Table table = dialog.updateTable();
    QCOMPARE(table.value("Zentara").value("Version"), QStringLiteral("99.0.0.0"));
    QCOMPARE(table.value("Download").value("Page"), QStringLiteral("https://example.invalid/"));

    QTreeWidget *tree = dialog.versionTree();
    QCOMPARE(tree->columnCount(), 3);
    QCOMPARE(tree->headerItem()->text(2), QStringLiteral("Latest version"));
    // Older than the file's: marked. Newer or equal: the file's value, plain. Not in the file,
    // or no version to compare: nothing.
    QTreeWidgetItem *program = row(tree, "Version");
    QCOMPARE(program->text(2), QStringLiteral("99.0.0.0 (update available)"));
    QCOMPARE(program->foreground(2).color(), QColor(Qt::red));
    QCOMPARE(row(tree, Library)->text(2), QStringLiteral("4.90.0000"));
    QCOMPARE(row(tree, UsbDaemon)->text(2), QStringLiteral("4.96.0007"));
    QCOMPARE(row(tree, EthDaemon)->text(2), QString());
    QCOMPARE(row(tree, "Min. SDK version")->text(2), QString());
    QCOMPARE(row(tree, "Kernel")->text(2), QString());
    QVERIFY(dialog.updateStatus().contains("Newer versions are available"));
}

void tst_GeneralInfoDlg::failedUpdateCheck_data()
{
    QTest::addColumn<QByteArray>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("trickled");

    QTest::newRow("empty_body") << QByteArray("200 OK") << QByteArray()
                                << "The update server sent an empty file." << false;
    QTest::newRow("not_found_404") << QByteArray("404 Not Found") << QByteArray("[Zentara]\n")
                                   << "Unable to check updates: " << false;
    QTest::newRow("not_ini") << QByteArray("200 OK")
                             << QByteArray("Service temporarily unavailable\n")
                             << "The update server's answer is not an update file." << false;
    QTest::newRow("no_known_group")
        << QByteArray("200 OK") << QByteArray("[Other]\nVersion=1.0\n")
        << "The update file lists no version of the installed parts." << false;
    // Each byte would restart a transfer timeout; the whole check has a deadline.
    QTest::newRow("trickling_server")
        << QByteArray("200 OK") << QByteArray()
        << "Unable to check updates: the update server did not send the update file in time."
        << true;
}

void tst_GeneralInfoDlg::failedUpdateCheck()
{
    QFETCH(QByteArray, status);
    QFETCH(QByteArray, body);
    QFETCH(QString, message);
    QFETCH(bool, trickled);

    LocalHttpServer server;
    QVERIFY(server.isListening());
    server.status = status;
    server.body = body;
    server.trickleMs = trickled ? 20 : 0;
    qputenv(UpdateEndpoints::updateUrlVariable(), server.url().toEncoded());

    GeneralInfoDlg dialog(QStringLiteral("en"));
    if (trickled)
        dialog.setUpdateDeadline(200);
    QSignalSpy finished(&dialog, &GeneralInfoDlg::updateCheckFinished);
    auto *check = dialog.findChild<QPushButton *>("checkUpdateButton");
    check->click();
    QVERIFY(finished.wait());
    QVERIFY2(dialog.updateStatus().startsWith(message), qPrintable(dialog.updateStatus()));
    QVERIFY(!dialog.isCheckingUpdates());
    QVERIFY(check->isEnabled());
    if (QTest::currentDataTag() != QByteArray("no_known_group")) {
        QVERIFY(dialog.updateTable().isEmpty());
        // Nothing the file did not say: no column for latest versions.
        QCOMPARE(dialog.versionTree()->columnCount(), 2);
    } else {
        QCOMPARE(row(dialog.versionTree(), "Version")->text(2), QString());
    }

    // Still usable: the next check, with a good file, shows it.
    server.status = "200 OK";
    server.body = GoodFile;
    server.trickleMs = 0;
    dialog.setUpdateDeadline(GeneralInfoDlg::defaultUpdateDeadlineMs);
    check->click();
    QVERIFY(finished.wait());
    QCOMPARE(finished.count(), 2);
    QCOMPARE(row(dialog.versionTree(), "Version")->text(2),
             QStringLiteral("99.0.0.0 (update available)"));
}

void tst_GeneralInfoDlg::connectionRefused()
{
    // A port that was just free and is closed again refuses connections.
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    qputenv(UpdateEndpoints::updateUrlVariable(),
            QByteArray("http://127.0.0.1:") + QByteArray::number(port) + "/update.txt");

    GeneralInfoDlg dialog(QStringLiteral("en"));
    QSignalSpy finished(&dialog, &GeneralInfoDlg::updateCheckFinished);
    dialog.findChild<QPushButton *>("checkUpdateButton")->click();
    QVERIFY(finished.wait());
    QVERIFY2(dialog.updateStatus().startsWith("Unable to check updates: "),
             qPrintable(dialog.updateStatus()));
    QVERIFY(dialog.updateTable().isEmpty());
    QVERIFY(dialog.findChild<QPushButton *>("checkUpdateButton")->isEnabled());
    QCOMPARE(dialog.versionTree()->columnCount(), 2);
}

void tst_GeneralInfoDlg::unknownScheme()
{
    // A scheme nobody serves fails without contacting anything; no box, the reason in words.
    qputenv(UpdateEndpoints::updateUrlVariable(), "nosuchscheme://127.0.0.1/update.txt");
    GeneralInfoDlg dialog(QStringLiteral("en"));
    QSignalSpy finished(&dialog, &GeneralInfoDlg::updateCheckFinished);
    ModalAnswerer answerer;
    dialog.findChild<QPushButton *>("checkUpdateButton")->click();
    QVERIFY(finished.wait());
    QCOMPARE(answerer.count(), 0);
    QVERIFY2(dialog.updateStatus().startsWith("Unable to check updates: "),
             qPrintable(dialog.updateStatus()));
    QVERIFY(dialog.updateStatus().contains("nosuchscheme"));
    QVERIFY(!dialog.isCheckingUpdates());
    QVERIFY(dialog.findChild<QPushButton *>("checkUpdateButton")->isEnabled());
    QVERIFY(dialog.updateTable().isEmpty());
    QCOMPARE(dialog.versionTree()->columnCount(), 2);
}

void tst_GeneralInfoDlg::hugeBodyAborted()
{
    const qint64 size = 50 * 1024 * 1024;
    LocalHttpServer server;
    QVERIFY(server.isListening());
    server.streamedSize = size;
    qputenv(UpdateEndpoints::updateUrlVariable(), server.url().toEncoded());

    GeneralInfoDlg dialog(QStringLiteral("en"));
    QSignalSpy finished(&dialog, &GeneralInfoDlg::updateCheckFinished);
    dialog.findChild<QPushButton *>("checkUpdateButton")->click();
    QVERIFY(finished.wait(60000));
    QVERIFY2(dialog.updateStatus().startsWith("The update file is larger than 1024 KiB"),
             qPrintable(dialog.updateStatus()));
    QVERIFY(dialog.updateTable().isEmpty());
    // The client hung up long before the end: the body was never fetched whole.
    QTRY_VERIFY(server.clientLeft());
    QVERIFY2(server.bodyBytesWritten() < size / 2,
             qPrintable(QString::number(server.bodyBytesWritten())));

    server.streamedSize = 0;
    server.body = GoodFile;
    dialog.findChild<QPushButton *>("checkUpdateButton")->click();
    QVERIFY(finished.wait());
    QCOMPARE(dialog.updateTable().value("Zentara").value("Version"), QStringLiteral("99.0.0.0"));
}

void tst_GeneralInfoDlg::downloadPage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("site");

    QTest::newRow("ja_japanese_site") << "ja" << UpdateEndpoints::defaultDownloadSite("ja");
    QTest::newRow("it_english_site") << "it" << UpdateEndpoints::defaultDownloadSite("en");
    QTest::newRow("de_own_site") << "de" << UpdateEndpoints::defaultDownloadSite("de");
}

void tst_GeneralInfoDlg::downloadPage()
{
    QFETCH(QString, language);
    QFETCH(QString, site);

    // The browser is not started: the handler takes the address.
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler("https", &recorder, "open");
    QDesktopServices::setUrlHandler("http", &recorder, "open");
    {
        GeneralInfoDlg dialog(language);
        dialog.findChild<QPushButton *>("downloadButton")->click();
    }
    QDesktopServices::unsetUrlHandler("https");
    QDesktopServices::unsetUrlHandler("http");
    QCOMPARE(recorder.urls.size(), 1);
    QCOMPARE(recorder.urls.first().toString(), site + "/download-vyro-emb-hardfloat.html");

    // Without a browser (the offscreen platform has none) the user is told where to go.
    ModalAnswerer boxes;
    {
        GeneralInfoDlg dialog(language);
        dialog.findChild<QPushButton *>("downloadButton")->click();
    }
    QCOMPARE(boxes.texts().size(), 1);
    QVERIFY(boxes.texts().first().contains(site + "/download-vyro-emb-hardfloat.html"));
}

void tst_GeneralInfoDlg::aboutQt()
{
    GeneralInfoDlg dialog(QStringLiteral("en"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *label = dialog.findChild<QLabel *>("aboutQtLabel");
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("About Qt"));
    ModalAnswerer answerer;
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(answerer.count(), 1);
    QVERIFY(answerer.texts().first().contains("Qt"));
}

void tst_GeneralInfoDlg::closeButton()
{
    GeneralInfoDlg dialog(QStringLiteral("en"));
    auto *buttons = dialog.findChild<QDialogButtonBox *>();
    QVERIFY(buttons);
    QSignalSpy finished(&dialog, &QDialog::finished);
    buttons->button(QDialogButtonBox::Close)->click();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().first().toInt(), int(QDialog::Rejected));
}

VYRO_TEST_MAIN(tst_GeneralInfoDlg)
#include "tst_generalinfodlg.moc"

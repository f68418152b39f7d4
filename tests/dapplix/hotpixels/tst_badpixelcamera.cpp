// The hot pixel list with a simulated camera: reading, writing the EEPROM list across a restart,
// the capacity, and the binary files of the SDK.
#include "dapplix/camera/camera.h"
#include "dapplix/hotpixels/badpixellistmodel.h"
#include "dapplix/hotpixels/camerabadpixellist.h"
#include "sdk/sim/vyro_sim.h"
#include "tests/support/simworld.h"
#include "tests/support/testenvironment.h"

#include <QAbstractItemModelTester>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using dapplix::Camera;

namespace {

constexpr int device = 1; // mono, 40 true hot pixels, 10 of them factory, user capacity 64

QString failure(const std::function<void()> &action)
{
    try {
        action();
    } catch (const std::runtime_error &e) {
        return QString(e.what());
    }
    return QString();
}

QStringList userEntries(const BadpixelListModel &m)
{
    QStringList out;
    for (int row = 0; row < m.rowCount(); ++row) {
        const Badpixel b = m.badpixelAt(row);
        if (b.pixelclass == Badpixel::User)
            out << QString("%1,%2").arg(b.x).arg(b.y);
    }
    return out;
}

int countOf(const BadpixelListModel &m, quint8 pixelclass)
{
    int n = 0;
    for (int row = 0; row < m.rowCount(); ++row)
        n += m.badpixelAt(row).pixelclass == pixelclass;
    return n;
}

std::vector<quint16> softwareList(Camera &camera)
{
    std::vector<quint16> list;
    CameraBadpixelList::readSoftwareBadpixelList(camera.handle(), list);
    return list;
}

// Helper mode: a separate process writes a user list into the camera and exits.
int writeInOtherProcess()
{
    Camera camera;
    BadpixelListModel m;
    QAbstractItemModelTester mTester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    try {
        camera.open(device);
        m.getBadpixelList(&camera);
        m.clearUserBadpixelList();
        m.addBadpixel(QPoint(100, 200));
        m.addBadpixel(QPoint(1279, 1023));
        m.addBadpixel(QPoint(7, 0));
        m.writeBadpixelList(&camera);
    } catch (const std::exception &e) {
        fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}

} // namespace

class tst_BadpixelCamera : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void readLists();
    void tooManyFactoryEntries();
    void listReadAsItIs_data();
    void listReadAsItIs();
    void writeAcrossRestart();
    void capacity();
    void deleteWhenNoUserEntries();
    void binaryRoundTrip();
    void binaryNoSoftwareList();
    void binaryLoadKeepsEntriesOnFailure_data();
    void binaryLoadKeepsEntriesOnFailure();

private:
    QTemporaryDir dir;
};

void tst_BadpixelCamera::initTestCase()
{
    qRegisterMetaType<QList<QPersistentModelIndex>>();
    qRegisterMetaType<QAbstractItemModel::LayoutChangeHint>();
}

void tst_BadpixelCamera::init()
{
    QVERIFY(SimWorld::reset());
}

void tst_BadpixelCamera::readLists()
{
    QVERIFY(SimWorld::setField(device, "userHotPixels", "[[5, 6], [7, 8]]"));
    Camera camera;
    camera.open(device);
    BadpixelListModel m;
    QAbstractItemModelTester mTester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    m.getBadpixelList(&camera);
    QCOMPARE(m.maxUserBadpixels(), 64);
    QCOMPARE(m.factoryBadpixelCount(), 10);
    QCOMPARE(countOf(m, Badpixel::Factory), 10);
    QCOMPARE(userEntries(m), (QStringList{"5,6", "7,8"}));
    // The factory entries are the simulator's first true hot pixels, in order.
    std::vector<VYSIM_HOT_PIXEL> truth(40);
    uint32_t count = 0;
    QCOMPARE(vysim_hot_pixels(device, truth.data(), 40, &count), int32_t(VY_SUCCESS));
    for (int row = 0; row < 10; ++row) {
        QCOMPARE(m.badpixelAt(row).x, truth[size_t(row)].x);
        QCOMPARE(m.badpixelAt(row).y, truth[size_t(row)].y);
    }
    // Adding where a factory entry is refused.
    QVERIFY(!m.addBadpixel(QPoint(truth[0].x, truth[0].y)));
}

void tst_BadpixelCamera::tooManyFactoryEntries()
{
    QVERIFY(SimWorld::setField(device, "factoryHotPixelCount", "0"));
    QVERIFY(SimWorld::setField(device, "factoryHotPixels",
                               QByteArray("[") + QByteArray("[1, 1],").repeated(1000) + "[2, 2]]"));
    QVERIFY(SimWorld::setField(device, "userHotPixelCapacity", "5000"));
    Camera camera;
    camera.open(device);
    BadpixelListModel m;
    QAbstractItemModelTester mTester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    m.getBadpixelList(&camera);
    QCOMPARE(m.factoryBadpixelCount(), 1001);
    QCOMPARE(m.rowCount(), 1001); // the count word allows up to 65535
}

// The camera's user list is shown and written back as the camera holds it, or not at all.
void tst_BadpixelCamera::listReadAsItIs_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("command");
    QTest::addColumn<QByteArray>("value"); // the user list the change leaves
    QTest::addColumn<bool>("read");
    const QByteArray three = "[[5, 6], [7, 8], [9, 10]]";
    QTest::newRow("count fails") << "fail" << int(VY_HOTPIXEL_GET_USER_LIST_NUMBER) << three
                                 << false;
    QTest::newRow("read fails once") << "fail" << int(VY_HOTPIXEL_GET_USER_LIST) << three << false;
    QTest::newRow("factory read fails")
        << "fail" << int(VY_HOTPIXEL_GET_FACTORY_LIST) << three << false;
    QTest::newRow("grows before the read")
        << "set" << int(VY_HOTPIXEL_GET_USER_LIST) << QByteArray("[[1, 1], [2, 2], [3, 3], [4, 4]]")
        << true;
    QTest::newRow("shrinks before the read")
        << "set" << int(VY_HOTPIXEL_GET_USER_LIST) << QByteArray("[[1, 1]]") << true;
    QByteArray many = "[";
    for (int i = 0; i < 1001; ++i)
        many += (i ? "," : "") + QByteArray("[") + QByteArray::number(i) + ",1]";
    QTest::newRow("1001 entries") << "none" << 0 << many + "]" << true;
}

void tst_BadpixelCamera::listReadAsItIs()
{
    QFETCH(QString, change);
    QFETCH(int, command);
    QFETCH(QByteArray, value);
    QFETCH(bool, read);
    QVERIFY(SimWorld::setField(device, "userHotPixelCapacity", "2000"));
    QVERIFY(SimWorld::setField(device, "userHotPixels",
                               change == "none" ? value : "[[5, 6], [7, 8], [9, 10]]"));
    Camera camera;
    camera.open(device);
    if (change == "fail")
        vysim_force_result("vy_HotPixel", uint32_t(command), VYSIM_ANY_HANDLE, VY_IO_REQUEST_FAILED,
                           1);
    else if (change == "set")
        vysim_set_device_field_on_call("vy_HotPixel", uint32_t(command), device, "userHotPixels",
                                       value.constData());
    BadpixelListModel m;
    QAbstractItemModelTester mTester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy failed(&m, &BadpixelListModel::readFailed);
    m.getBadpixelList(&camera);
    QCOMPARE(failed.count(), read ? 0 : 1);
    vysim_log_clear();
    const QString written = failure([&] { m.writeBadpixelList(&camera); });
    if (!read) {
        // Reported, and Write refuses: the camera's list is not deleted or shortened.
        QVERIFY(written.startsWith("The hot pixel list of the camera could not be read"));
        // A refused read says the SDK's own message, with its code.
        if (change == "fail")
            QVERIFY2(written.contains("An I/O request to the driver failed (code 2)."),
                     qPrintable(written));
        QCOMPARE(failed.at(0).at(0).toString(), written);
        QVERIFY(vysim::callsOf("vy_HotPixel").empty());
        QVERIFY(!m.hasUnwrittenChanges());
        return;
    }
    QCOMPARE(written, QString());
    // Exactly the camera's entries, no (0,0) left over from a longer count.
    BadpixelListModel back;
    back.getBadpixelList(&camera);
    QStringList expected;
    for (const QJsonValue &p : QJsonDocument::fromJson(value).array())
        expected << QString("%1,%2").arg(p.toArray().at(0).toInt()).arg(p.toArray().at(1).toInt());
    QCOMPARE(userEntries(m), expected);
    QCOMPARE(userEntries(back), expected);
    QVERIFY(!m.hasUnwrittenChanges());
}

void tst_BadpixelCamera::writeAcrossRestart()
{
    QProcess other;
    other.setProcessChannelMode(QProcess::ForwardedChannels);
    other.start(QCoreApplication::applicationFilePath(), {"--write-user-list"});
    QVERIFY(other.waitForFinished(30000));
    QCOMPARE(other.exitCode(), 0);
    QCOMPARE(vysim_sync(), int32_t(VY_SUCCESS));
    Camera camera;
    camera.open(device);
    BadpixelListModel m;
    QAbstractItemModelTester mTester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    m.getBadpixelList(&camera);
    QCOMPARE(userEntries(m), (QStringList{"100,200", "1279,1023", "7,0"}));
    // The bytes sent: count word 3, then the pairs.
    vysim_log_clear();
    m.writeBadpixelList(&camera);
    const auto calls = vysim::callsOf("vy_HotPixel");
    QCOMPARE(int(calls.size()), 1);
    QCOMPARE(calls[0].command, uint32_t(VY_HOTPIXEL_SET_USER_LIST));
    const std::vector<uint8_t> expected{3, 0, 100, 0, 200, 0, 0xFF, 4, 0xFF, 3, 7, 0, 0, 0};
    QCOMPARE(calls[0].in, expected);
}

void tst_BadpixelCamera::capacity()
{
    QVERIFY(SimWorld::setField(device, "userHotPixelCapacity", "10"));
    QVERIFY(SimWorld::setField(device, "factoryHotPixelCount", "0"));
    Camera camera;
    camera.open(device);
    BadpixelListModel m;
    QAbstractItemModelTester mTester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    m.getBadpixelList(&camera);
    QCOMPARE(m.rowCount(), 0);
    for (int i = 0; i < 10; ++i)
        m.addBadpixel(QPoint(i, i));
    m.writeBadpixelList(&camera);
    m.addBadpixel(QPoint(50, 50));
    QCOMPARE(failure([&] { m.writeBadpixelList(&camera); }),
             QString("Can't write more than 10 hot pixel entries."));
    QCOMPARE(m.rowCount(), 11); // the model is not changed by a failed write
    BadpixelListModel back;
    QAbstractItemModelTester backTester(&back,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
    back.getBadpixelList(&camera);
    QCOMPARE(back.rowCount(), 10);
}

void tst_BadpixelCamera::deleteWhenNoUserEntries()
{
    QVERIFY(SimWorld::setField(device, "userHotPixels", "[[5, 6]]"));
    Camera camera;
    camera.open(device);
    BadpixelListModel m;
    QAbstractItemModelTester mTester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    m.getBadpixelList(&camera);
    m.clearUserBadpixelList();
    vysim_log_clear();
    m.writeBadpixelList(&camera);
    const auto calls = vysim::callsOf("vy_HotPixel");
    QCOMPARE(int(calls.size()), 1);
    QCOMPARE(calls[0].command, uint32_t(VY_HOTPIXEL_DELETE_USER_LIST));
    m.getBadpixelList(&camera);
    QCOMPARE(countOf(m, Badpixel::User), 0);
    vysim_force_result("vy_HotPixel", VY_HOTPIXEL_DELETE_USER_LIST, VYSIM_ANY_HANDLE,
                       VY_IO_REQUEST_FAILED, 1);
    m.clearUserBadpixelList();
    QCOMPARE(failure([&] { m.writeBadpixelList(&camera); }),
             QString("Error writing hotpixel list"));
}

void tst_BadpixelCamera::binaryRoundTrip()
{
    Camera camera;
    camera.open(device);
    // A software list that must survive the file operations.
    std::vector<quint16> previous{1, 40, 41};
    QCOMPARE(vy_HotPixel(camera.handle(), VY_HOTPIXEL_SET_SOFTWARE_LIST, previous.data(), 6),
             int32_t(VY_SUCCESS));
    BadpixelListModel m;
    QAbstractItemModelTester mTester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    m.getBadpixelList(&camera);
    m.addBadpixel(QPoint(11, 12));
    m.addBadpixel(QPoint(13, 14));
    const QString path = dir.filePath(QString::fromUtf8("hot pixels ü.bin"));
    m.saveAsFile(&camera, path);
    QVERIFY(QFileInfo(path).size() > 0);
    QCOMPARE(softwareList(camera), previous);

    m.clearUserBadpixelList();
    m.addBadpixel(QPoint(99, 98));
    const int factory = countOf(m, Badpixel::Factory);
    QSignalSpy layout(&m, &QAbstractItemModel::layoutChanged);
    m.loadFromFile(&camera, path);
    QCOMPARE(layout.count(), 1);
    QCOMPARE(userEntries(m), (QStringList{"11,12", "13,14"}));
    QCOMPARE(countOf(m, Badpixel::Factory), factory);
    // The loaded entries follow the factory entries.
    QCOMPARE(m.badpixelAt(m.rowCount() - 2).x, quint16(11));
    QCOMPARE(softwareList(camera), previous);
}

void tst_BadpixelCamera::binaryNoSoftwareList()
{
    Camera camera;
    camera.open(device);
    QVERIFY(vy_HotPixel(camera.handle(), VY_HOTPIXEL_SOFTWARE_LIST_EXISTS, nullptr, 0) !=
            VY_SUCCESS);
    BadpixelListModel m;
    QAbstractItemModelTester mTester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    m.addBadpixel(QPoint(3, 4));
    m.saveAsFile(&camera, dir.filePath("empty-before.bin"));
    // An empty software list is put back.
    QCOMPARE(softwareList(camera), std::vector<quint16>{0});
}

void tst_BadpixelCamera::binaryLoadKeepsEntriesOnFailure_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("forcedCommand");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing_file") << "missing.bin" << 0 << "";
    QTest::newRow("garbage_file") << "garbage.bin" << 0 << "";
    // The SDK's own message, with its code.
    QTest::newRow("sdk_load_fails")
        << "good.bin" << int(VY_HOTPIXEL_LOAD_SOFTWARE_LIST)
        << "load from file failed: An I/O request to the driver failed (code 2).\n";
    QTest::newRow("sdk_read_fails")
        << "good.bin" << int(VY_HOTPIXEL_GET_SOFTWARE_LIST_NUMBER)
        << "load from file failed: An I/O request to the driver failed (code 2).\n";
}

void tst_BadpixelCamera::binaryLoadKeepsEntriesOnFailure()
{
    QFETCH(QString, file);
    QFETCH(int, forcedCommand);
    QFETCH(QString, message);
    Camera camera;
    camera.open(device);
    BadpixelListModel m;
    QAbstractItemModelTester mTester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    m.getBadpixelList(&camera);
    m.addBadpixel(QPoint(1, 2));
    m.saveAsFile(&camera, dir.filePath("good.bin"));
    {
        QFile garbage(dir.filePath("garbage.bin"));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write(QByteArray(3000, '\xA5'));
    }
    m.addBadpixel(QPoint(5, 6)); // unsaved
    const QStringList before = userEntries(m);
    if (forcedCommand) {
        // The read of the loaded list is the second count query.
        const bool second = forcedCommand == VY_HOTPIXEL_GET_SOFTWARE_LIST_NUMBER;
        std::vector<quint16> seed{1, 2, 3};
        vy_HotPixel(camera.handle(), VY_HOTPIXEL_SET_SOFTWARE_LIST, seed.data(), 6);
        if (second) {
            // Let the first query through, fail the second.
            vysim_force_result("vy_HotPixel", uint32_t(forcedCommand), VYSIM_ANY_HANDLE,
                               VY_IO_REQUEST_FAILED, 0);
            std::vector<quint16> list;
            QCOMPARE(CameraBadpixelList::readSoftwareBadpixelList(camera.handle(), list),
                     int(VY_IO_REQUEST_FAILED));
        } else {
            vysim_force_result("vy_HotPixel", uint32_t(forcedCommand), VYSIM_ANY_HANDLE,
                               VY_IO_REQUEST_FAILED, 0);
        }
    }
    const QString got = failure([&] { m.loadFromFile(&camera, dir.filePath(file)); });
    QVERIFY(got.startsWith("load from file failed: "));
    QVERIFY(got.endsWith('\n'));
    if (!message.isEmpty())
        QCOMPARE(got, message);
    QCOMPARE(userEntries(m), before);
}

int main(int argc, char **argv)
{
    TestEnvironment::isolate();
    if (argc > 1 && qstrcmp(argv[1], "--write-user-list") == 0) {
        QCoreApplication app(argc, argv);
        return writeInOtherProcess();
    }
    QCoreApplication app(argc, argv);
    tst_BadpixelCamera test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_badpixelcamera.moc"

// tst_hotpixelunplug.cpp: the camera pulled out at the worst moment of each hot pixel list
// operation (writing into the camera, saving and loading the SDK's binary file): the operation
// fails with a message, the list on screen and the file are as before, and the camera works
// again once it is back.
#include "dapplix/camera/camera.h"
#include "dapplix/hotpixels/badpixellistmodel.h"
#include "sdk/sim/vyro_sim.h"
#include "tests/support/simworld.h"
#include "tests/support/testmain.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using dapplix::Camera;

namespace {

constexpr int device = 1; // mono, 10 factory hot pixels, user capacity 64

enum class Action
{
    Write,
    WriteEmpty,
    Save,
    Load
};

QStringList userEntries(const BadpixelListModel &model)
{
    QStringList entries;
    for (int row = 0; row < model.rowCount(); ++row) {
        const Badpixel b = model.badpixelAt(row);
        if (b.pixelclass == Badpixel::User)
            entries << QStringLiteral("%1,%2").arg(b.x).arg(b.y);
    }
    return entries;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

Q_DECLARE_METATYPE(Action)

class tst_HotpixelUnplug : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void unpluggedDuring_data();
    void unpluggedDuring();
};

void tst_HotpixelUnplug::init()
{
    QVERIFY(SimWorld::reset());
    QVERIFY(SimWorld::setField(device, "userHotPixels", "[[5, 6], [7, 8]]"));
}

void tst_HotpixelUnplug::unpluggedDuring_data()
{
    QTest::addColumn<Action>("action");
    QTest::addColumn<uint32_t>("command");
    QTest::newRow("write: user list") << Action::Write << uint32_t(VY_HOTPIXEL_SET_USER_LIST);
    QTest::newRow("write: delete user list")
        << Action::WriteEmpty << uint32_t(VY_HOTPIXEL_DELETE_USER_LIST);
    QTest::newRow("save: software list read")
        << Action::Save << uint32_t(VY_HOTPIXEL_SOFTWARE_LIST_EXISTS);
    QTest::newRow("save: software list set")
        << Action::Save << uint32_t(VY_HOTPIXEL_SET_SOFTWARE_LIST);
    QTest::newRow("save: file written") << Action::Save << uint32_t(VY_HOTPIXEL_SAVE_SOFTWARE_LIST);
    QTest::newRow("load: file read") << Action::Load << uint32_t(VY_HOTPIXEL_LOAD_SOFTWARE_LIST);
    QTest::newRow("load: software list read")
        << Action::Load << uint32_t(VY_HOTPIXEL_GET_SOFTWARE_LIST);
}

void tst_HotpixelUnplug::unpluggedDuring()
{
    QFETCH(Action, action);
    QFETCH(uint32_t, command);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("list.bin"));

    Camera camera;
    camera.open(device);
    BadpixelListModel model;
    model.getBadpixelList(&camera);
    // A file saved earlier, which a failed save must not damage and a failed load must not take.
    model.saveAsFile(&camera, file);
    const QByteArray savedBefore = contents(file);
    QVERIFY(!savedBefore.isEmpty());
    if (action == Action::WriteEmpty)
        model.clearUserBadpixelList();
    else
        QVERIFY(model.addBadpixel(QPoint(100, 200)));
    const QStringList shownBefore = userEntries(model);

    QCOMPARE(vysim_unplug_on_call("vy_HotPixel", command, device), int32_t(VY_SUCCESS));
    QString message;
    try {
        switch (action) {
        case Action::Write:
        case Action::WriteEmpty:
            model.writeBadpixelList(&camera);
            break;
        case Action::Save:
            model.saveAsFile(&camera, file);
            break;
        case Action::Load:
            model.loadFromFile(&camera, file);
            break;
        }
    } catch (const std::runtime_error &e) {
        message = QString::fromUtf8(e.what());
    }
    QVERIFY2(!SimWorld::isListed(device), "the trigger did not fire");
    QVERIFY2(!message.isEmpty(), "the failure was not reported");
    QCOMPARE(userEntries(model), shownBefore);
    QCOMPARE(contents(file), savedBefore);
    camera.close();

    // Plugged in again, the camera opens and its lists read cleanly.
    QVERIFY(SimWorld::reset());
    Camera again;
    again.open(device);
    BadpixelListModel reread;
    reread.getBadpixelList(&again);
    QCOMPARE(reread.factoryBadpixelCount(), 10);
}

VYRO_TEST_GUILESS_MAIN(tst_HotpixelUnplug)
#include "tst_hotpixelunplug.moc"

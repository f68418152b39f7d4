// tst_scopedcamerahandle.cpp: a camera opened for one operation, closed at scope exit.
#include <QtConcurrent>
#include <QtTest>

#include <utility>

#include "tests/support/testmain.h"
#include "tests/vyrokit/kittest.h"
#include "vyrokit/scopedcamerahandle.h"

using vyrokit::ScopedCameraHandle;

namespace {

size_t countOf(const char *function)
{
    return vysim::callsOf(function).size();
}

} // namespace

class tst_ScopedCameraHandle : public QObject
{
    Q_OBJECT
private slots:
    void init() { QVERIFY(kittest::loadWorld({kittest::usbCamera(3), kittest::usbCamera(4)})); }
    void cleanup() { vysim_clear_forced(nullptr); }
    void opensAndClosesAtScopeExit();
    void closeEarly();
    void failure_data();
    void failure();
    void moveConstruct();
    void moveAssignClosesTheOldOne();
    void releaseOnAThreadAdoptHere();
};

void tst_ScopedCameraHandle::opensAndClosesAtScopeExit()
{
    {
        const ScopedCameraHandle camera(3);
        QVERIFY(camera.isOpen());
        QVERIFY(bool(camera));
        QCOMPARE(camera.result(), int32_t(VY_SUCCESS));
        const auto init = vysim::callsOf("vy_InitCamera");
        QCOMPARE(init.size(), size_t(1));
        // The unopened device is addressed by its ID OR 0x8000.
        QCOMPARE(init.front().handle, int32_t(3 | VY_UNOPENED));
        QCOMPARE(countOf("vy_ExitCamera"), size_t(0));
        QCOMPARE(vysim_device_in_use(3), 1);
        QCOMPARE(vysim_device_in_use(4), 0);
    }
    const auto exits = vysim::callsOf("vy_ExitCamera");
    QCOMPARE(exits.size(), size_t(1));
    QCOMPARE(exits.front().result, int32_t(VY_SUCCESS));
    QCOMPARE(vysim_device_in_use(3), 0);
}

void tst_ScopedCameraHandle::closeEarly()
{
    ScopedCameraHandle camera(4);
    QVERIFY(camera.isOpen());
    const VY_HCAM handle = camera.handle();
    QCOMPARE(camera.close(), int32_t(VY_SUCCESS));
    QVERIFY(!camera.isOpen());
    QCOMPARE(vysim::callsOf("vy_ExitCamera").front().handle, handle);
    // A second close and the destructor call nothing more.
    QCOMPARE(camera.close(), int32_t(VY_SUCCESS));
    QCOMPARE(countOf("vy_ExitCamera"), size_t(1));
}

void tst_ScopedCameraHandle::failure_data()
{
    QTest::addColumn<uint32_t>("deviceId");
    QTest::addColumn<int>("forced");
    QTest::addColumn<int>("expected");
    QTest::newRow("not_listed") << 77u << 0 << VY_CAMERA_NOT_FOUND;
    QTest::newRow("in_use_elsewhere") << 3u << VY_DEVICE_IN_USE << VY_DEVICE_IN_USE;
    QTest::newRow("firmware_upload_needed")
        << 3u << VY_STARTER_FW_UPLOAD_NEEDED << VY_STARTER_FW_UPLOAD_NEEDED;
}

void tst_ScopedCameraHandle::failure()
{
    QFETCH(uint32_t, deviceId);
    QFETCH(int, forced);
    QFETCH(int, expected);
    if (forced != 0)
        vysim_force_result("vy_InitCamera", VYSIM_ANY_COMMAND, VYSIM_ANY_HANDLE, forced, 1);
    {
        const ScopedCameraHandle camera(deviceId);
        QVERIFY(!camera.isOpen());
        QVERIFY(!camera);
        QCOMPARE(camera.result(), int32_t(expected));
    }
    // Nothing was opened, so nothing is closed.
    QCOMPARE(countOf("vy_InitCamera"), size_t(1));
    QCOMPARE(countOf("vy_ExitCamera"), size_t(0));
    QVERIFY(vysim_device_in_use(deviceId) != 1);
}

void tst_ScopedCameraHandle::moveConstruct()
{
    {
        ScopedCameraHandle first(3);
        const VY_HCAM handle = first.handle();
        {
            const ScopedCameraHandle second(std::move(first));
            QVERIFY(second.isOpen());
            QCOMPARE(second.handle(), handle);
            QVERIFY(!first.isOpen());
        }
        // The new owner closed it; the moved-from one has nothing left to close.
        QCOMPARE(countOf("vy_ExitCamera"), size_t(1));
        QCOMPARE(vysim::callsOf("vy_ExitCamera").front().handle, handle);
    }
    QCOMPARE(countOf("vy_ExitCamera"), size_t(1));
}

void tst_ScopedCameraHandle::releaseOnAThreadAdoptHere()
{
    // What an opening on the thread pool hands back: the handle and the result, not the owner.
    const auto opened = QtConcurrent::run([] {
                            ScopedCameraHandle camera(3);
                            return std::make_pair(camera.result(), camera.release());
                        }).result();
    QCOMPARE(countOf("vy_ExitCamera"), size_t(0));
    {
        const auto adopted = ScopedCameraHandle::adopt(opened.second, opened.first);
        QVERIFY(adopted.isOpen());
        QCOMPARE(adopted.handle(), opened.second);
    }
    QCOMPARE(countOf("vy_ExitCamera"), size_t(1));
    QCOMPARE(vysim_device_in_use(3), 0);
    // A failed opening adopted is nothing to close.
    QVERIFY(!ScopedCameraHandle::adopt(VY_HCAM(3 | VY_UNOPENED), VY_DEVICE_IN_USE).isOpen());
    QCOMPARE(countOf("vy_ExitCamera"), size_t(1));
}

void tst_ScopedCameraHandle::moveAssignClosesTheOldOne()
{
    ScopedCameraHandle target(3);
    ScopedCameraHandle source(4);
    const VY_HCAM oldHandle = target.handle();
    const VY_HCAM newHandle = source.handle();
    QVERIFY(oldHandle != newHandle);
    target = std::move(source);
    const auto exits = vysim::callsOf("vy_ExitCamera");
    QCOMPARE(exits.size(), size_t(1));
    QCOMPARE(exits.front().handle, oldHandle);
    QCOMPARE(target.handle(), newHandle);
    QVERIFY(target.isOpen());
    QVERIFY(!source.isOpen());
    QCOMPARE(vysim_device_in_use(3), 0);
    QCOMPARE(vysim_device_in_use(4), 1);
    QCOMPARE(target.close(), int32_t(VY_SUCCESS));
    QCOMPARE(vysim_device_in_use(4), 0);
}

VYRO_TEST_GUILESS_MAIN(tst_ScopedCameraHandle)
#include "tst_scopedcamerahandle.moc"

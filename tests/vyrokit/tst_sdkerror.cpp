// tst_sdkerror.cpp: the user's text of a failed SDK call.
#include <QtTest>

#include "tests/support/testmain.h"
#include "tests/vyrokit/kittest.h"
#include "vyrokit/sdkerror.h"

using vyrokit::SdkError;

class tst_SdkError : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { vysim_clear_forced(nullptr); }
    void failedOpen_data();
    void failedOpen();
    void takenMessage_data();
    void takenMessage();
};

namespace {

enum class After
{
    Nothing,
    GetErrorFails,   // the SDK cannot say what went wrong
    AnotherFailure,  // a later call failed otherwise on the same handle
    OtherThreadAsks, // the text is asked for on a thread that did not fail
};

} // namespace

Q_DECLARE_METATYPE(After)

void tst_SdkError::failedOpen_data()
{
    QTest::addColumn<int>("forced");
    QTest::addColumn<After>("after");
    QTest::addColumn<QString>("expected");
    QTest::newRow("sdk_text") << 0 << After::Nothing
                              << "No camera with this ID is connected (code 5).";
    QTest::newRow("forced_code_sdk_text") << int(VY_DEVICE_IN_USE) << After::Nothing
                                          << "The camera is in use by another program (code 4).";
    QTest::newRow("unknown_code") << -12 << After::Nothing << "Unknown error (code -12).";
    QTest::newRow("no_sdk_text") << 0 << After::GetErrorFails
                                 << "The camera library reported error 5.";
    QTest::newRow("another_failure")
        << 0 << After::AnotherFailure << "The camera library reported error 5.";
    QTest::newRow("other_thread") << 0 << After::OtherThreadAsks
                                  << "The camera library reported error 5.";
}

// Opening a camera the world does not hold fails (or is made to fail) on the driver's handle.
void tst_SdkError::failedOpen()
{
    QFETCH(int, forced);
    QFETCH(After, after);
    QFETCH(QString, expected);
    QVERIFY(kittest::loadWorld({}));
    if (forced != 0)
        QCOMPARE(
            vysim_force_result("vy_InitCamera", VYSIM_ANY_COMMAND, VYSIM_ANY_HANDLE, forced, 1),
            int32_t(VY_SUCCESS));
    VY_HCAM handle = VY_HCAM(4711u | VY_UNOPENED);
    const int32_t result = vy_InitCamera(&handle, nullptr);
    QCOMPARE(result, forced != 0 ? int32_t(forced) : int32_t(VY_CAMERA_NOT_FOUND));
    if (after == After::GetErrorFails)
        QCOMPARE(vysim_force_result("vy_GetError", VYSIM_ANY_COMMAND, VYSIM_ANY_HANDLE,
                                    VY_INVALID_HANDLE, 0),
                 int32_t(VY_SUCCESS));
    if (after == After::AnotherFailure) {
        int32_t count = 0;
        QCOMPARE(vysim_force_result("vy_GetNumberOfCameras", VYSIM_ANY_COMMAND, VYSIM_ANY_HANDLE,
                                    VY_NO_DAEMON, 1),
                 int32_t(VY_SUCCESS));
        QCOMPARE(vy_GetNumberOfCameras(&count), int32_t(VY_NO_DAEMON));
    }
    QString text;
    if (after == After::OtherThreadAsks) {
        QThread *asker =
            QThread::create([&text, result] { text = SdkError::text(VY_DRIVER_HANDLE, result); });
        asker->start();
        QVERIFY(asker->wait());
        delete asker;
    } else {
        text = SdkError::text(VY_DRIVER_HANDLE, result);
    }
    QCOMPARE(text, expected);
}

void tst_SdkError::takenMessage_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("expected");
    QTest::newRow("message") << 4 << "Camera is in use"
                             << "Camera is in use (code 4).";
    QTest::newRow("own_full_stop") << 4 << "Camera is in use. "
                                   << "Camera is in use (code 4).";
    QTest::newRow("none") << -1 << QString() << "The camera library reported error -1.";
    QTest::newRow("blank") << 125 << " "
                           << "The camera library reported error 125.";
}

void tst_SdkError::takenMessage()
{
    QFETCH(int, result);
    QFETCH(QString, message);
    QFETCH(QString, expected);
    QCOMPARE(SdkError::text(result, message), expected);
}

VYRO_TEST_GUILESS_MAIN(tst_SdkError)
#include "tst_sdkerror.moc"

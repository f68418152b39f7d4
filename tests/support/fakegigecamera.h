// fakegigecamera.h: Aravis's fake GigE Vision camera on the loopback of a network namespace of
// the test's own, found by the SDK as a vision-standard device.
#ifndef TESTS_SUPPORT_FAKEGIGECAMERA_H
#define TESTS_SUPPORT_FAKEGIGECAMERA_H

#include "tests/support/testmain.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#include <cstdint>

class FakeGigECamera final
{
public:
    static constexpr const char *Serial = "FAKE001";
    static constexpr const char *AravisId = "Aravis-Fake-FAKE001";

    // Called first in main, while the process has one thread: moves it into a new network
    // namespace with its loopback up, so the camera and everything the test starts see only
    // each other, and lets the SDK look for standard cameras. Needs root (CI) or an unprivileged
    // user namespace; unavailable() then says why not.
    static void enterNamespace();
    static QString unavailable();

    FakeGigECamera() = default;
    ~FakeGigECamera();
    FakeGigECamera(const FakeGigECamera &) = delete;
    FakeGigECamera &operator=(const FakeGigECamera &) = delete;

    // Starts the camera and waits until the SDK lists it; false when it did not appear.
    bool start();
    uint32_t deviceId() const { return m_deviceId; }

    // What arv-tool-0.8 prints for a control of the camera ("R[0x064C]" reads a register).
    static QString control(const QString &feature);

private:
    QProcess m_process;
    uint32_t m_deviceId = 0;
};

// VYRO_TEST_MAIN in the namespace of FakeGigECamera.
#define VYRO_GIGE_TEST_MAIN(TestObject)                                                            \
    VYRO_TEST_MAIN_PREPARED(TestObject, FakeGigECamera::enterNamespace())

#endif // TESTS_SUPPORT_FAKEGIGECAMERA_H

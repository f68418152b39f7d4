// shelltest.h: shared set-up of the main window tests: a window whose dialogs are recorded
// instead of run, private settings, and cameras read from the simulator.
#ifndef TESTS_ZENTARA_SHELL_SHELLTEST_H
#define TESTS_ZENTARA_SHELL_SHELLTEST_H

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/sdk/simtest.h"
#include "zentara/inventory/camera.h"
#include "zentara/shell/qvyrozentara.h"

namespace shelltest {

// The main window with every dialog it would open replaced by a counter.
class TestWindow final : public QVyroZentara
{
public:
    explicit TestWindow(const QString &translationDir) : QVyroZentara(translationDir, nullptr) {}

    void OnAdditionalFunctionsDlg() override { ++additionalFunctions; }
    void onEthDaemonConfig() override { ++daemonConfig; }

    int additionalFunctions = 0;
    int daemonConfig = 0;
    int cameraInfo = 0;
    int additionalCameraInfo = 0;

protected:
    void runCameraInfoDialog(const Camera &) override { ++cameraInfo; }
    void runAdditionalCameraInfoDialog(const Camera &) override { ++additionalCameraInfo; }
};

// Points the settings store and the simulator at temporary places. Call in initTestCase.
inline void useOwnSettings(const QTemporaryDir &dir)
{
    simtest::useOwnStateDirectory();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
}

inline void clearSettings()
{
    QSettings(QStringLiteral("Orv"), QStringLiteral("Zentara")).clear();
}

// The record of a listed device as zentara builds it; an empty Camera when it is not listed.
inline Camera cameraOf(uint32_t deviceId)
{
    for (const auto &entry : simtest::cameraList())
        if (entry.deviceId == deviceId)
            return Camera(entry);
    return Camera();
}

inline void setField(uint32_t deviceId, const char *field, const char *json)
{
    char message[256] = {};
    QCOMPARE(vysim_set_device_field(deviceId, field, json, message, sizeof message), VY_SUCCESS);
}

template <typename T> T *child(QWidget &window, const char *name)
{
    T *widget = window.findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no child %s", name);
    return widget;
}

} // namespace shelltest

#endif // TESTS_ZENTARA_SHELL_SHELLTEST_H

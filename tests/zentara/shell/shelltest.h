// shelltest.h: shared steps of the main window tests: settings, cameras read from the simulator,
// the window's children by name.
#ifndef TESTS_ZENTARA_SHELL_SHELLTEST_H
#define TESTS_ZENTARA_SHELL_SHELLTEST_H

#include <QSettings>
#include <QWidget>
#include <QtTest>

#include "tests/support/simworld.h"
#include "zentara/inventory/camera.h"

namespace shelltest {

inline void clearSettings()
{
    QSettings(QStringLiteral("Orv"), QStringLiteral("Zentara")).clear();
}

// The record of a listed device as zentara builds it; an empty Camera when it is not listed.
inline Camera cameraOf(uint32_t deviceId)
{
    for (const auto &entry : SimWorld::cameraList())
        if (entry.deviceId == deviceId)
            return Camera(entry);
    return Camera();
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

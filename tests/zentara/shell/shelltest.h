// shelltest.h: shared steps of the main window tests: settings, cameras read from the simulator,
// the window's children by name.
#ifndef TESTS_ZENTARA_SHELL_SHELLTEST_H
#define TESTS_ZENTARA_SHELL_SHELLTEST_H

#include <QSettings>
#include <QWidget>
#include <QtTest>

#include "tests/support/simworld.h"
#include "zentara/inventory/camera.h"
#include "zentara/inventory/cameralist.h"
#include "zentara/inventory/cameralistmodel.h"
#include "zentara/inventory/cameratableview.h"

namespace shelltest {

inline void clearSettings()
{
    QSettings(QStringLiteral("Orv"), QStringLiteral("Zentara")).clear();
}

// The record of a listed device as zentara builds it; an empty Camera when it is not listed.
inline zentara::Camera cameraOf(uint32_t deviceId)
{
    for (const auto &entry : SimWorld::cameraList())
        if (entry.deviceId == deviceId)
            return zentara::Camera(entry);
    return zentara::Camera();
}

template <typename T> T *child(QWidget &window, const char *name)
{
    T *widget = window.findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no child %s", name);
    return widget;
}

// Makes the device the list's current camera, as a click on its row would; false when it is not
// listed or the window never follows.
inline bool selectCamera(QWidget &window, uint32_t deviceId)
{
    auto *list = child<CameraList>(window, "cameraList");
    QAbstractItemModel *model = list->view()->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const zentara::Camera c = model->index(row, 0)
                                      .data(zentara::CameraListModel::CameraRole)
                                      .value<zentara::Camera>();
        if (c.deviceId() != deviceId)
            continue;
        list->view()->setCurrentIndex(model->index(row, 0));
        return QTest::qWaitFor(
            [&] { return list->currentCamera() && list->currentCamera()->deviceId() == deviceId; });
    }
    return false;
}

} // namespace shelltest

#endif // TESTS_ZENTARA_SHELL_SHELLTEST_H

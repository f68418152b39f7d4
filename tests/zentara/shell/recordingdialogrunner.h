// recordingdialogrunner.h: the main window's dialog seam for tests: it records which dialog the
// window asked for, with which parent and camera, and runs a test's hook in the dialog's place.
#ifndef TESTS_ZENTARA_SHELL_RECORDINGDIALOGRUNNER_H
#define TESTS_ZENTARA_SHELL_RECORDINGDIALOGRUNNER_H

#include <QVector>
#include <QWidget>

#include <cstdint>
#include <functional>

#include "zentara/inventory/camera.h"
#include "zentara/shell/corestates.h"
#include "zentara/shell/dialogrunner.h"
#include "zentara/shell/qvyrozentara.h"

class RecordingDialogRunner final : public DialogRunner
{
public:
    enum class Dialog
    {
        CameraInformation,
        AdditionalCameraInformation,
        GeneralInformation,
        EthConfiguration,
        ReadOnlyDevices,
        DaemonControl,
        AdditionalFunctions
    };

    struct Run
    {
        Dialog dialog;
        QWidget *parent;
        // The camera handed over; 0 for the dialogs without one.
        uint32_t deviceId;
        // The daemon states the daemon control starts from.
        CoreStates states;
        // The language code the general information gets; empty for the other dialogs.
        QString language;
    };

    void runCameraInformation(QWidget *parent, const zentara::Camera &camera) override
    {
        record(Dialog::CameraInformation, parent, camera.deviceId());
    }
    void runAdditionalCameraInformation(QWidget *parent, const zentara::Camera &camera) override
    {
        record(Dialog::AdditionalCameraInformation, parent, camera.deviceId());
    }
    void runGeneralInformation(QWidget *parent, const QString &language) override
    {
        record(Dialog::GeneralInformation, parent, 0, {}, language);
    }
    void runEthConfiguration(QWidget *parent, const zentara::Camera &camera) override
    {
        record(Dialog::EthConfiguration, parent, camera.deviceId());
    }
    int runReadOnlyDevices(QWidget *parent, const zentara::Camera &camera) override
    {
        record(Dialog::ReadOnlyDevices, parent, camera.deviceId());
        return addedCameraId;
    }
    void runDaemonControl(QVyroZentara &window) override
    {
        record(Dialog::DaemonControl, &window, 0, window.daemonStates());
    }
    void runAdditionalFunctions(QWidget *parent) override
    {
        record(Dialog::AdditionalFunctions, parent, 0);
    }

    int count(Dialog dialog) const
    {
        int n = 0;
        for (const Run &run : runs)
            n += run.dialog == dialog ? 1 : 0;
        return n;
    }

    QVector<Run> runs;
    // What the read-only device dialog answers: the camera ID it added a device under.
    int addedCameraId = 0;
    // Runs where the dialog would run modally, with the window still waiting for it.
    std::function<void(const Run &)> whileOpen;

private:
    void record(Dialog dialog, QWidget *parent, uint32_t deviceId, CoreStates states = {},
                const QString &language = QString())
    {
        runs.append({dialog, parent, deviceId, states, language});
        if (whileOpen)
            whileOpen(runs.constLast());
    }
};

#endif // TESTS_ZENTARA_SHELL_RECORDINGDIALOGRUNNER_H

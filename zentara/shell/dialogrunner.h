// dialogrunner.h: the seam between the main window and its tool dialogs: the window decides
// when a dialog runs and for which camera, a DialogRunner builds and runs it modally.
#ifndef ZENTARA_SHELL_DIALOGRUNNER_H
#define ZENTARA_SHELL_DIALOGRUNNER_H

namespace zentara {
class Camera;
}
class QString;
class QVyroZentara;
class QWidget;

class DialogRunner
{
public:
    virtual ~DialogRunner() = default;

    // Each call returns when its dialog has been closed. parent is the main window.

    // The camera information dialog, for a camera that passed the window's refusals.
    virtual void runCameraInformation(QWidget *parent, const zentara::Camera &camera) = 0;
    // The additional camera information dialog, likewise.
    virtual void runAdditionalCameraInformation(QWidget *parent, const zentara::Camera &camera) = 0;
    // The general information window with the update check; language is the code of the
    // user interface's language ("de"), which chooses the download site.
    virtual void runGeneralInformation(QWidget *parent, const QString &language) = 0;
    // The network configuration of the selected camera.
    virtual void runEthConfiguration(QWidget *parent, const zentara::Camera &camera) = 0;
    // The read-only network device dialog for the selected camera; the camera ID the device
    // was added under, 0 when none was added.
    virtual int runReadOnlyDevices(QWidget *parent, const zentara::Camera &camera) = 0;
    // The daemon control: it starts from the window's daemon states and follows its
    // vyrodStatusChanged while it runs.
    virtual void runDaemonControl(QVyroZentara &window) = 0;
    // The driver-wide additional functions.
    virtual void runAdditionalFunctions(QWidget *parent) = 0;

protected:
    DialogRunner() = default;
    DialogRunner(const DialogRunner &) = default;
    DialogRunner &operator=(const DialogRunner &) = default;
};

#endif // ZENTARA_SHELL_DIALOGRUNNER_H

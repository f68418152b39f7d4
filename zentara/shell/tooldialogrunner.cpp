// tooldialogrunner.cpp: zentara's tool dialogs. Each dialog comes with its own subsystem;
// until it exists its entry opens nothing.
#include "zentara/shell/tooldialogrunner.h"

#include <QSpinBox>
#include <QtGlobal>

#include "zentara/devinfo/additionalcamerainfo.h"
#include "zentara/devinfo/camerainfo.h"
#include "zentara/devinfo/generalinfodlg.h"
#include "zentara/network/ethconfig.h"
#include "zentara/network/ethdaemonconfig.h"
#include "zentara/network/multicastdialog.h"
#include "zentara/settings/additionalfunctions.h"
#include "zentara/shell/qvyrozentara.h"

using zentara::Camera;

void ToolDialogRunner::runCameraInformation(QWidget *parent, const Camera &camera)
{
    CameraInfo dialog(camera, parent);
    if (dialog.load())
        dialog.exec();
}

void ToolDialogRunner::runAdditionalCameraInformation(QWidget *parent, const Camera &camera)
{
    AdditionalCameraInfo dialog(camera, parent);
    dialog.exec();
}

void ToolDialogRunner::runGeneralInformation(QWidget *parent, const QString &language)
{
    GeneralInfoDlg dialog(language, parent);
    dialog.exec();
}

void ToolDialogRunner::runEthConfiguration(QWidget *parent, const Camera &camera)
{
    EthConfig dialog(parent, &camera);
    dialog.exec();
}

int ToolDialogRunner::runReadOnlyDevices(QWidget *parent, const Camera &camera)
{
    MulticastDialog dialog(camera, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.cameraIdBox()->value() : 0;
}

void ToolDialogRunner::runDaemonControl(QVyroZentara &window)
{
    EthDaemonConfig dialog(&window);
    const QMetaObject::Connection states =
        QObject::connect(&window, &QVyroZentara::vyrodStatusChanged, &dialog,
                         &EthDaemonConfig::onChangedVyrodStatus);
    // After Start or Stop the daemon line and the dialog's lights follow at once.
    const QMetaObject::Connection controlled = QObject::connect(
        &dialog, &EthDaemonConfig::daemonControlled, &window, &QVyroZentara::followDaemonControl);
    dialog.onChangedVyrodStatus(window.daemonStates());
    dialog.exec();
    QObject::disconnect(states);
    QObject::disconnect(controlled);
}

void ToolDialogRunner::runAdditionalFunctions(QWidget *parent)
{
    AdditionalFunctions dialog(parent);
    dialog.exec();
}

// tooldialogrunner.cpp: zentara's tool dialogs. Each dialog comes with its own subsystem;
// until it exists its entry opens nothing.
#include "zentara/shell/tooldialogrunner.h"

#include <QtGlobal>

#include "zentara/devinfo/generalinfodlg.h"
#include "zentara/settings/additionalfunctions.h"

void ToolDialogRunner::runCameraInformation(QWidget *parent, const Camera &camera)
{
    Q_UNUSED(parent)
    Q_UNUSED(camera)
}

void ToolDialogRunner::runAdditionalCameraInformation(QWidget *parent, const Camera &camera)
{
    Q_UNUSED(parent)
    Q_UNUSED(camera)
}

void ToolDialogRunner::runGeneralInformation(QWidget *parent, const QString &language)
{
    GeneralInfoDlg dialog(language, parent);
    dialog.exec();
}

void ToolDialogRunner::runEthConfiguration(QWidget *parent, const Camera &camera)
{
    Q_UNUSED(parent)
    Q_UNUSED(camera)
}

void ToolDialogRunner::runReadOnlyDevices(QWidget *parent, const Camera &camera)
{
    Q_UNUSED(parent)
    Q_UNUSED(camera)
}

void ToolDialogRunner::runDaemonControl(QVyroZentara &window)
{
    Q_UNUSED(window)
}

void ToolDialogRunner::runAdditionalFunctions(QWidget *parent)
{
    AdditionalFunctions dialog(parent);
    dialog.exec();
}

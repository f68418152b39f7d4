// tooldialogrunner.h: the program's DialogRunner: it builds zentara's tool dialogs and runs
// them modally over the main window.
#ifndef ZENTARA_SHELL_TOOLDIALOGRUNNER_H
#define ZENTARA_SHELL_TOOLDIALOGRUNNER_H

#include "zentara/shell/dialogrunner.h"

class ToolDialogRunner final : public DialogRunner
{
public:
    ToolDialogRunner() = default;

    void runCameraInformation(QWidget *parent, const zentara::Camera &camera) override;
    void runAdditionalCameraInformation(QWidget *parent, const zentara::Camera &camera) override;
    void runGeneralInformation(QWidget *parent, const QString &language) override;
    void runEthConfiguration(QWidget *parent, const zentara::Camera &camera) override;
    int runReadOnlyDevices(QWidget *parent, const zentara::Camera &camera) override;
    void runDaemonControl(QVyroZentara &window) override;
    void runAdditionalFunctions(QWidget *parent) override;
};

#endif // ZENTARA_SHELL_TOOLDIALOGRUNNER_H

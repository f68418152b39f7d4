// multicastdialog.cpp: the read-only device registration and its error box.
#include "zentara/network/multicastdialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "sdk/vyro_api.h"
#include "zentara/network/multicastcommands.h"

MulticastDialog::MulticastDialog(const Camera &camera, QWidget *parent)
    : QDialog(parent), m_camera(camera), m_cameraId(new QSpinBox(this)),
      m_errorMode(new QComboBox(this)), m_addButton(new QPushButton(this))
{
    setWindowTitle(tr("Add multicast"));
    m_cameraId->setObjectName(QStringLiteral("cameraIdBox"));
    m_cameraId->setRange(1, 254);
    m_errorMode->setObjectName(QStringLiteral("errorModeBox"));
    // The item index is the driver's mode.
    m_errorMode->addItem(tr("Refuse incomplete Images"));
    m_errorMode->addItem(tr("Ignore image errors"));
    m_errorMode->addItem(tr("Merge Mode - Release on complete"));
    m_errorMode->addItem(tr("Merge Mode - Release on new image"));
    m_addButton->setObjectName(QStringLiteral("addButton"));
    m_addButton->setText(tr("Add read-only Device"));

    auto *form = new QFormLayout;
    form->addRow(tr("Camera ID:"), m_cameraId);
    form->addRow(tr("Error handling:"), m_errorMode);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_addButton);

    connect(m_addButton, &QPushButton::clicked, this, &MulticastDialog::addPMC);
}

QString MulticastDialog::errorText(int32_t result)
{
    int32_t code = 0;
    char *text = nullptr;
    if (vy_GetError(VY_DRIVER_HANDLE, &code, &text) == VY_SUCCESS)
        return text ? QString::fromLocal8Bit(text) : QString();
    switch (result) {
    case -1:
        return tr("Something went wrong");
    case VY_INVALID_PARAMETER:
        return tr("Invalid Parameter");
    case 127:
        return tr("Needs more ram");
    case VY_NOT_SUPPORTED:
        return tr("Maybe not supported for this camera");
    default:
        return QString();
    }
}

void MulticastDialog::addPMC()
{
    int32_t result = VY_NOT_SUPPORTED;
    // A camera that cannot send to a multicast address has nothing a read-only device could
    // receive; the driver is not asked.
    if (m_camera.multicastSupport() != 0)
        result = MulticastCommands::addReadOnlyDevice(m_camera, uint32_t(m_cameraId->value()),
                                                      uint32_t(m_errorMode->currentIndex()));
    if (result != VY_SUCCESS) {
        QMessageBox box(QMessageBox::NoIcon, tr("Error"),
                        m_camera.multicastSupport() != 0
                            ? errorText(result)
                            : tr("Maybe not supported for this camera"),
                        QMessageBox::Ok, this);
        box.setInformativeText(tr("Errorcode: %1").arg(result));
        box.exec();
        reject();
        return;
    }
    accept();
}

// multicastdialog.cpp: the read-only device registration and its error box.
#include "zentara/network/multicastdialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "sdk/vyro_api.h"
#include "vyrokit/sdkerror.h"
#include "zentara/network/multicastcommands.h"

using zentara::Camera;

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

QString MulticastDialog::hint(int32_t result)
{
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
        QMessageBox box(QMessageBox::NoIcon, tr("Error"), tr("Maybe not supported for this camera"),
                        QMessageBox::Ok, this);
        if (m_camera.multicastSupport() != 0) {
            // The driver's own message where it has one; else the code, and a hint beside it.
            const QString message = vyrokit::SdkError::sdkMessage(VY_DRIVER_HANDLE, result);
            box.setText(vyrokit::SdkError::text(result, message));
            if (message.isEmpty())
                box.setInformativeText(hint(result));
        }
        box.exec();
        reject();
        return;
    }
    accept();
}

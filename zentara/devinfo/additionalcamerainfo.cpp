// additionalcamerainfo.cpp: the additional camera information dialog.
#include "zentara/devinfo/additionalcamerainfo.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include <cstring>

#include "sdk/vyro_api.h"
#include "vyrokit/scopedcamerahandle.h"
#include "zentara/inventory/camera.h"

using zentara::Camera;

namespace {

QString fieldText(const char *text, size_t size)
{
    return QString::fromLatin1(text, int(qstrnlen(text, uint(size))));
}

QString revisionText(uint32_t value)
{
    return QStringLiteral("0x") + QString::number(value, 16).toUpper();
}

} // namespace

AdditionalCameraInfo::AdditionalCameraInfo(const Camera &camera, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Additional camera information"));

    // The starter firmware may be brought up to date on the way: the values are read from the
    // running camera.
    vyrokit::ScopedCameraHandle opened(camera.deviceId(), VY_ALLOW_FW_UPLOAD);
    const bool open = opened.isOpen();
    const VY_HCAM handle = opened.handle();

    char user[VY_PERSISTENT_MEMORY_USER_SIZE] = {};
    VY_CAMINFO info;
    std::memset(&info, 0, sizeof info);
    VY_REVISIONINFO revision;
    std::memset(&revision, 0, sizeof revision);
    revision.size = sizeof revision;
    bool userRead = false;
    bool infoRead = false;
    bool revisionRead = false;
    if (open) {
        userRead = vy_PersistentMemory(handle, VY_PERSISTENT_MEMORY_READ_USER, user, sizeof user) ==
                   VY_SUCCESS;
        infoRead = vy_GetCameraInfo(handle, &info) == VY_SUCCESS;
        revisionRead = vy_GetRevisionInfo(handle, &revision) == VY_SUCCESS;
        opened.close();
    }

    auto *deviceGroup = new QGroupBox(tr("Device"), this);
    auto *deviceForm = new QFormLayout(deviceGroup);
    addRow(deviceForm, tr("Device ID"), "deviceId",
           open ? QString::number(camera.deviceId()) : QString());
    addRow(deviceForm, tr("Camera ID"), "cameraId",
           open ? QString::number(camera.cameraId()) : QString());
    addRow(deviceForm, tr("Model"), "model", open ? camera.model() : QString());
    addRow(deviceForm, tr("User"), "user", userRead ? fieldText(user, sizeof user) : QString());

    auto *infoGroup = new QGroupBox(tr("CAMINFO struct"), this);
    auto *infoForm = new QFormLayout(infoGroup);
    QString type;
    if (infoRead && info.type == VY_CAMINFO_TYPE_USB)
        type = tr("64 (USB)");
    else if (infoRead && info.type == VY_CAMINFO_TYPE_ETH)
        type = tr("128 (ETH)");
    auto infoText = [infoRead](const char *text, size_t size) {
        return infoRead ? fieldText(text, size) : QString();
    };
    addRow(infoForm, tr("Serial number"), "serialNumber",
           infoText(info.serialNumber, sizeof info.serialNumber));
    addRow(infoForm, tr("Manufacturer"), "manufacturer",
           infoText(info.manufacturer, sizeof info.manufacturer));
    addRow(infoForm, tr("Version"), "version", infoText(info.version, sizeof info.version));
    addRow(infoForm, tr("Date endtest"), "dateEndtest",
           infoText(info.dateEndtest, sizeof info.dateEndtest));
    addRow(infoForm, tr("Camera type"), "cameraType", type);

    auto *revisionGroup = new QGroupBox(tr("REVISIONINFO struct"), this);
    auto *revisionForm = new QFormLayout(revisionGroup);
    auto rev = [revisionRead](uint32_t v) { return revisionRead ? revisionText(v) : QString(); };
    addRow(revisionForm, tr("DSP(Blackfin)"), "blackfin", rev(revision.blackfin));
    addRow(revisionForm, tr("Sensor"), "sensor", rev(revision.sensor));
    addRow(revisionForm, tr("proces. Board"), "processingBoard", rev(revision.processingBoard));
    addRow(revisionForm, tr("DSP Firmware"), "dspFirmware", rev(revision.dspFirmware));
    addRow(revisionForm, tr("Sensor Board"), "sensorBoard", rev(revision.sensorBoard));
    addRow(revisionForm, tr("Product"), "product", rev(revision.product));
    addRow(revisionForm, tr("Cypress"), "cypress", rev(revision.cypress));
    addRow(revisionForm, tr("Logic Board"), "logicBoard", rev(revision.logicBoard));
    addRow(revisionForm, tr("Filter"), "filter", rev(revision.filter));
    addRow(revisionForm, tr("USB Board"), "usbBoard", rev(revision.usbBoard));
    addRow(revisionForm, tr("Memory Board"), "memoryBoard", rev(revision.memoryBoard));
    addRow(revisionForm, tr("Case"), "housing", rev(revision.housing));
    addRow(revisionForm, tr("Timing Board"), "timingBoard", rev(revision.timingBoard));
    addRow(revisionForm, tr("Power Board"), "powerBoard", rev(revision.powerBoard));

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(deviceGroup);
    layout->addWidget(infoGroup);
    layout->addWidget(revisionGroup);
    layout->addWidget(m_buttons);
}

QString AdditionalCameraInfo::value(const QString &field) const
{
    const auto *label = findChild<QLabel *>(field);
    return label ? label->text() : QString();
}

void AdditionalCameraInfo::addRow(QFormLayout *form, const QString &label, const char *field,
                                  const QString &value)
{
    auto *valueLabel = new QLabel(value, form->parentWidget());
    valueLabel->setObjectName(QLatin1String(field));
    valueLabel->setTextFormat(Qt::PlainText);
    valueLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(label, valueLabel);
}

// camerainfo.cpp: the camera information dialog.
#include "zentara/devinfo/camerainfo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cstring>

#include "sdk/vyro_device.h"
#include "vyrokit/runoffthread.h"
#include "vyrokit/sdkerror.h"
#include "zentara/devinfo/uncancellableprogressdialog.h"

using zentara::Camera;

// The status icons live in this static library; make sure the linker keeps them. Outside any
// namespace, as the resource initialiser is declared where this expands.
static void initDevinfoResources()
{
    Q_INIT_RESOURCE(zentara_devinfo);
}

namespace {

// Network cameras whose starter firmware is older than this are opened for every operation.
constexpr uint32_t openBelowStarterFirmware = 0x045F0000;

const char *const iconCalibrated = ":/images/check.png";
const char *const iconNotCalibrated = ":/images/delete2.png";

QString latin1Field(const char *text, size_t size)
{
    return QString::fromLatin1(text, int(qstrnlen(text, uint(size))));
}

int hexDigit(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

} // namespace

CameraInfo::CameraInfo(const Camera &camera, QWidget *parent)
    : QDialog(parent), m_camera(camera), m_cameraId(camera.cameraId())
{
    initDevinfoResources();
    buildWidgets();
    setWindowTitle(tr("Camera Info - %1").arg(m_camera.serialNumber()));
    // Never smaller than what the groups need, in whatever language and font.
    setMinimumSize(QSize(400, 600).expandedTo(layout()->minimumSize()));
}

CameraInfo::~CameraInfo()
{
    closeCamera();
}

bool CameraInfo::isFpnCapable(uint32_t sensorId)
{
    return (sensorId >= 554 && sensorId <= 559) || (sensorId >= 584 && sensorId <= 587);
}

std::optional<QByteArray> CameraInfo::eepromBytesOf(const QString &text, bool hex, QString *problem)
{
    const auto refuse = [problem](const QString &why) -> std::optional<QByteArray> {
        if (problem)
            *problem = why;
        return std::nullopt;
    };
    QByteArray bytes;
    if (!hex) {
        for (const QChar c : text) {
            if (c.unicode() > 0xFF)
                return refuse(tr("The EEPROM holds Latin-1 characters only; \"%1\" is not one "
                                 "of them.")
                                  .arg(c));
            bytes.append(char(c.unicode()));
        }
        return bytes;
    }
    int high = -1;
    for (const QChar c : text) {
        if (c.isSpace() && high < 0)
            continue;
        const int digit = hexDigit(c);
        if (digit < 0)
            return refuse(tr("\"%1\" is not hexadecimal: \"%2\" is no digit 0-9 or A-F.")
                              .arg(text, c.isSpace() ? tr("space") : QString(c)));
        if (high < 0) {
            high = digit;
        } else {
            bytes.append(char(high * 16 + digit));
            high = -1;
        }
    }
    if (high >= 0)
        return refuse(
            tr("\"%1\" ends in half a byte: each byte takes two hexadecimal digits.").arg(text));
    return bytes;
}

QString CameraInfo::eepromTextOf(const QByteArray &bytes, bool hex)
{
    if (hex)
        return QString::fromLatin1(bytes.toHex().toUpper());
    const int end = bytes.indexOf('\0');
    return QString::fromLatin1(end < 0 ? bytes : bytes.left(end));
}

void CameraInfo::buildWidgets()
{
    m_deviceGroup = new QGroupBox(tr("Device ID: %1").arg(m_camera.deviceId()), this);
    m_manufacturerEdit = new QLineEdit(m_deviceGroup);
    m_manufacturerEdit->setReadOnly(true);
    m_qcDateEdit = new QLineEdit(m_deviceGroup);
    m_qcDateEdit->setReadOnly(true);
    m_cameraIdBox = new QSpinBox(m_deviceGroup);
    m_cameraIdBox->setRange(1, 254);
    m_cameraIdBox->setToolTip(tr("Valid range is 1 to 254"));
    m_eepromLabel = new QLabel(tr("EEPROM content (max. 64 character)"), m_deviceGroup);
    m_eepromEdit = new QLineEdit(m_deviceGroup);
    m_hexCheck = new QCheckBox(tr("Show hex instead of latin1"), m_deviceGroup);
    auto *deviceLayout = new QFormLayout(m_deviceGroup);
    deviceLayout->addRow(tr("Manufacturer"), m_manufacturerEdit);
    deviceLayout->addRow(tr("Date of QC"), m_qcDateEdit);
    deviceLayout->addRow(tr("Camera ID"), m_cameraIdBox);
    deviceLayout->addRow(m_eepromLabel);
    deviceLayout->addRow(m_eepromEdit);
    deviceLayout->addRow(m_hexCheck);

    m_lensGroup = new QGroupBox(tr("Liquid lens"), this);
    m_lensCombo = new QComboBox(m_lensGroup);
    m_lensCombo->addItem(tr("None"), VY_LENS_NONE);
    m_lensCombo->addItem(tr("Arctic 25 H"), VY_LENS_ARCTIC_25H);
    m_lensCombo->addItem(tr("Arctic 39 N"), VY_LENS_ARCTIC_39N);
    auto *lensLayout = new QFormLayout(m_lensGroup);
    lensLayout->addRow(tr("Liquid lens type:"), m_lensCombo);

    m_parameterGroup = new QGroupBox(tr("Parameter"), this);
    m_parameterSetRadio = new QRadioButton(tr("Parameter set 1"), m_parameterGroup);
    m_defaultParameterRadio = new QRadioButton(tr("Default parameter set"), m_parameterGroup);
    m_eraseParameterButton = new QPushButton(tr("Delete parameter set"), m_parameterGroup);
    auto *parameterLayout = new QVBoxLayout(m_parameterGroup);
    parameterLayout->addWidget(m_parameterSetRadio);
    parameterLayout->addWidget(m_defaultParameterRadio);
    parameterLayout->addWidget(m_eraseParameterButton, 0, Qt::AlignLeft);

    m_memoryGroup = new QGroupBox(tr("Memory"), this);
    m_memoryCheck = new QCheckBox(tr("Enable camera memory"), m_memoryGroup);
    auto *memoryLayout = new QVBoxLayout(m_memoryGroup);
    memoryLayout->addWidget(m_memoryCheck);

    m_fpnGroup = new QGroupBox(tr("FPN calibration"), this);
    m_fpnIcon = new QLabel(m_fpnGroup);
    m_fpnIcon->setFixedSize(16, 16);
    m_fpnStatus = new QLabel(m_fpnGroup);
    m_runFpnButton = new QPushButton(tr("Run FPN calibration"), m_fpnGroup);
    m_fpnLoadingCheck = new QCheckBox(tr("Enable FPN correction data loading"), m_fpnGroup);
    auto *statusLayout = new QHBoxLayout;
    statusLayout->addWidget(m_fpnIcon);
    statusLayout->addWidget(m_fpnStatus, 1);
    auto *fpnLayout = new QVBoxLayout(m_fpnGroup);
    fpnLayout->addLayout(statusLayout);
    fpnLayout->addWidget(m_runFpnButton, 0, Qt::AlignLeft);
    fpnLayout->addWidget(m_fpnLoadingCheck);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_deviceGroup);
    layout->addWidget(m_lensGroup);
    layout->addWidget(m_parameterGroup);
    layout->addWidget(m_memoryGroup);
    layout->addWidget(m_fpnGroup);
    layout->addStretch(1);
    layout->addWidget(m_buttons);

    connect(m_buttons, &QDialogButtonBox::accepted, this, &CameraInfo::onOK);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_runFpnButton, &QPushButton::clicked, this, &CameraInfo::onRunFPNCalibration);
    connect(m_fpnLoadingCheck, &QCheckBox::stateChanged, this,
            &CameraInfo::onCheckBoxFpnUserEnable);
    // Only the user's choice is written, never a radio set while loading.
    connect(m_parameterSetRadio, &QRadioButton::clicked, this,
            &CameraInfo::onRadioParameterChanged);
    connect(m_defaultParameterRadio, &QRadioButton::clicked, this,
            &CameraInfo::onRadioParameterChanged);
    connect(m_eraseParameterButton, &QPushButton::clicked, this, &CameraInfo::onEraseParameterSet);
    connect(m_memoryCheck, &QCheckBox::toggled, this, &CameraInfo::onMemoryMode);
    connect(m_hexCheck, &QCheckBox::toggled, this, &CameraInfo::onHexCheckChanged);
}

bool CameraInfo::needsOpening(bool forWriting) const
{
    if (m_camera.isEth() && m_camera.starterFirmwareVersion() < openBelowStarterFirmware)
        return true;
    if (isFpnCapable(m_camera.sensorId()))
        return true;
    return forWriting && m_camera.isVisionStandard();
}

int32_t CameraInfo::openCamera(bool allowUpload)
{
    closeCamera();
    m_opened =
        vyrokit::ScopedCameraHandle(m_camera.deviceId(), allowUpload ? VY_ALLOW_FW_UPLOAD : 0u);
    return m_opened.result();
}

void CameraInfo::closeCamera()
{
    m_opened.close();
}

VY_HCAM CameraInfo::handle() const
{
    return m_opened.isOpen() ? m_opened.handle() : m_camera.unopenedHandle();
}

bool CameraInfo::load()
{
    if (needsOpening(false)) {
        int32_t result = openCamera(false);
        if (result == VY_STARTER_FW_UPLOAD_NEEDED) {
            const auto answer = QMessageBox::question(
                this, tr("Firmware update needed"),
                tr("The camera needs a firmware update to continue. The upload may take a couple "
                   "of seconds. Don't disconnect the camera from the PC or turn off the power "
                   "supply in this time!"),
                QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
            if (answer != QMessageBox::Ok)
                return false;
            result = openCamera(true);
        }
        if (result != VY_SUCCESS) {
            QMessageBox::critical(this, tr("Getting Camera Info failed!"),
                                  tr("Camera Info could not be opened.\n%1")
                                      .arg(vyrokit::SdkError::text(VY_DRIVER_HANDLE, result)));
            return false;
        }
    }
    loadEeprom();
    loadFactoryInfo();
    m_cameraIdBox->setValue(int(m_cameraId));
    if (isFpnCapable(m_camera.sensorId()))
        refreshFpnState();
    else
        m_fpnGroup->setEnabled(false);
    loadLens();
    loadParameterSet();
    loadMemoryMode();
    closeCamera();
    return true;
}

void CameraInfo::loadEeprom()
{
    QByteArray bytes(VY_USER_EEPROM_SIZE, '\0');
    if (m_camera.isEth()) {
        VY_DEVICECFG_USER block;
        std::memset(&block, 0, sizeof block);
        block.block = VY_DEVICECFG_BLOCK_USER;
        if (vy_AccessDeviceCfg(handle(), VY_DEVICECFG_READ, &block, sizeof block) == VY_SUCCESS)
            bytes = QByteArray(block.userEeprom, int(sizeof block.userEeprom));
    } else if (m_camera.isUsb()) {
        QByteArray read(VY_USER_EEPROM_SIZE, '\0');
        if (vy_MemContent(handle(), VY_MEM_READ, VY_MEM_AREA_USER_EEPROM, 0, read.data(),
                          VY_USER_EEPROM_SIZE) == VY_SUCCESS)
            bytes = read;
    } else {
        m_eepromEdit->setEnabled(false);
        m_eepromLabel->setEnabled(false);
        m_hexCheck->setEnabled(false);
    }
    m_eepromEdit->setText(eepromTextOf(bytes, false));
    // What the line shows, so that an untouched line is never written.
    m_eepromBlock = eepromBlock().value_or(QByteArray(VY_USER_EEPROM_SIZE, '\0'));
}

void CameraInfo::loadFactoryInfo()
{
    if (m_camera.isEth()) {
        VY_DEVICECFG_FACTORY block;
        std::memset(&block, 0, sizeof block);
        block.block = VY_DEVICECFG_BLOCK_FACTORY;
        if (vy_AccessDeviceCfg(handle(), VY_DEVICECFG_READ, &block, sizeof block) == VY_SUCCESS) {
            m_manufacturerEdit->setText(latin1Field(block.manufacturer, sizeof block.manufacturer));
            m_qcDateEdit->setText(latin1Field(block.qcDate, sizeof block.qcDate));
            m_hardwareVariant = block.hardwareVariant;
        }
        return;
    }
    VY_FACTORY_INFO info;
    std::memset(&info, 0, sizeof info);
    if (vy_MemContent(handle(), VY_MEM_READ, VY_MEM_AREA_FACTORY, VY_MEM_FACTORY_OFFSET, &info,
                      sizeof info) == VY_SUCCESS) {
        m_manufacturerEdit->setText(latin1Field(info.manufacturer, sizeof info.manufacturer));
        m_qcDateEdit->setText(latin1Field(info.qcDate, sizeof info.qcDate));
    }
    // A USB camera names its hardware variant as its product revision.
    VY_REVISIONINFO revision;
    std::memset(&revision, 0, sizeof revision);
    revision.size = sizeof revision;
    if (vy_GetRevisionInfo(handle(), &revision) == VY_SUCCESS)
        m_hardwareVariant = revision.product;
}

void CameraInfo::loadLens()
{
    const bool supported = m_hardwareVariant == vyro::HardwareVariantLiquidLens;
    m_lensGroup->setEnabled(supported);
    m_lensCombo->setCurrentIndex(0);
    m_lensType = VY_LENS_NONE;
    if (!supported)
        return;
    int32_t result = VY_NOT_SUPPORTED;
    if (m_camera.isEth()) {
        VY_DEVICECFG_LENS block;
        std::memset(&block, 0, sizeof block);
        block.block = VY_DEVICECFG_BLOCK_LENS;
        block.dataLength = VY_LENS_DATA_SIZE;
        result = vy_AccessDeviceCfg(handle(), VY_DEVICECFG_READ | VY_DEVICECFG_PERSISTENT, &block,
                                    sizeof block);
        if (result == VY_SUCCESS) {
            m_lensDataLength = block.dataLength;
            const auto *bytes = reinterpret_cast<const char *>(&block);
            m_lensData =
                QByteArray(bytes + VY_DEVICECFG_LENS_HEADER_SIZE,
                           std::min<int>(block.dataLength, VY_DEVICECFG_LENS_BUFFER_SIZE -
                                                               VY_DEVICECFG_LENS_HEADER_SIZE));
        }
    } else {
        QByteArray data(VY_LENS_DATA_SIZE, '\0');
        result = vy_MemContent(handle(), VY_MEM_READ, VY_MEM_AREA_LENS, 0, data.data(),
                               VY_LENS_DATA_SIZE);
        if (result == VY_SUCCESS) {
            m_lensDataLength = VY_LENS_DATA_SIZE;
            m_lensData = data;
        }
    }
    if (result != VY_SUCCESS || m_lensData.isEmpty()) {
        QMessageBox::warning(this, tr("Liquid lens configuration"),
                             tr("Can't read liquid lens configuration, even though it is "
                                "supported. Disabling control!"));
        m_lensGroup->setEnabled(false);
        m_lensData.clear();
        return;
    }
    m_lensType = uint8_t(m_lensData.at(0));
    const int index = m_lensCombo->findData(int(m_lensType));
    if (index >= 0)
        m_lensCombo->setCurrentIndex(index);
}

void CameraInfo::loadParameterSet()
{
    uint32_t capabilities = 0;
    uint32_t parameterSet = 0;
    const bool supported = vy_Configuration(VY_DRIVER_HANDLE, VY_CONFIG_GET_CAPABILITIES,
                                            &capabilities, sizeof capabilities) == VY_SUCCESS &&
                           (capabilities & VY_CONFIG_CAP_PARAMETERSET) &&
                           vy_Configuration(VY_DRIVER_HANDLE, VY_CONFIG_GET_PARAMETERSET,
                                            &parameterSet, sizeof parameterSet) == VY_SUCCESS;
    if (!supported) {
        m_parameterSetRadio->setEnabled(false);
        m_defaultParameterRadio->setEnabled(false);
        return;
    }
    if (parameterSet == 1)
        m_parameterSetRadio->setChecked(true);
    else if (parameterSet == 0)
        m_defaultParameterRadio->setChecked(true);
}

void CameraInfo::loadMemoryMode()
{
    const QSignalBlocker blocker(m_memoryCheck);
    const VY_HCAM unopened = m_camera.unopenedHandle();
    uint32_t compatibility = 0;
    if (vy_Configuration(VY_DRIVER_HANDLE, VY_CONFIG_GET_MEMORY_COMPAT, &compatibility,
                         sizeof compatibility) == VY_SUCCESS) {
        uint32_t support = 0;
        if (vy_DeviceFeature(unopened, VY_FEATURE_GET_MEMORY_MODE_SUPPORT, &support,
                             sizeof support) != VY_SUCCESS ||
            support != 1) {
            m_memoryCheck->setEnabled(false);
            return;
        }
        uint32_t mode = 0;
        m_memoryCheck->setChecked(compatibility != 0 &&
                                  vy_DeviceFeature(unopened, VY_FEATURE_GET_MEMORY_MODE, &mode,
                                                   sizeof mode) == VY_SUCCESS &&
                                  mode == 1);
        return;
    }
    VY_MEMORY_CONFIG config;
    std::memset(&config, 0, sizeof config);
    if (m_camera.isUsb() &&
        vy_MemContent(handle(), VY_MEM_READ, VY_MEM_AREA_MEMORY_CONFIG, 0, &config,
                      sizeof config) == VY_SUCCESS &&
        (config.memoryFlags & VY_MEMORY_MODE_MASK) == VY_MEMORY_MODE_CAMERA) {
        m_memoryCheck->setChecked(true);
        m_memoryGroup->setEnabled(false);
        m_memoryCheck->setToolTip(
            tr("Enable memory compatibility mode in additional functions for this to work!"));
        return;
    }
    m_memoryGroup->hide();
}

void CameraInfo::setFpnStatus(const QString &iconPath, const QString &text)
{
    m_fpnIconPath = iconPath;
    m_fpnIcon->setPixmap(QPixmap(iconPath));
    m_fpnStatus->setText(text);
}

void CameraInfo::refreshFpnState()
{
    const VY_HCAM h = handle();
    const QSignalBlocker blocker(m_fpnLoadingCheck);
    uint32_t features = 0;
    uint32_t calibrated = 0;
    uint32_t factory = 0;
    uint32_t loading = 0;
    const bool known =
        vy_DeviceFeature(h, VY_FEATURE_GET_SUPPORTED, &features, sizeof features) == VY_SUCCESS &&
        (features & VY_FEATURE_FPN) &&
        vy_DeviceFeature(h, VY_FEATURE_GET_FPN_CALIBRATED, &calibrated, sizeof calibrated) ==
            VY_SUCCESS &&
        (calibrated == 0 || vy_CalibrateFPN(h, VY_FPN_GET_FACTORY_CALIBRATED, &factory,
                                            sizeof factory) == VY_SUCCESS) &&
        vy_DeviceFeature(h, VY_FEATURE_GET_FPN_LOADING, &loading, sizeof loading) == VY_SUCCESS;
    if (!known) {
        setFpnStatus(QString::fromLatin1(iconNotCalibrated), tr("Not supported"));
        m_runFpnButton->setEnabled(false);
        m_fpnLoadingCheck->setChecked(false);
        return;
    }
    const bool fromFactory = calibrated != 0 && factory == 1;
    if (calibrated != 0)
        setFpnStatus(QString::fromLatin1(iconCalibrated),
                     fromFactory ? tr("Factory calibrated") : tr("Calibrated"));
    else
        setFpnStatus(QString::fromLatin1(iconNotCalibrated), tr("Uncalibrated"));
    m_runFpnButton->setEnabled(!fromFactory);
    m_fpnLoadingCheck->setChecked(loading != 0);
}

std::optional<QByteArray> CameraInfo::eepromBlock(QString *problem) const
{
    std::optional<QByteArray> bytes =
        eepromBytesOf(m_eepromEdit->text(), m_hexCheck->isChecked(), problem);
    if (!bytes)
        return std::nullopt;
    if (bytes->size() > VY_USER_EEPROM_SIZE) {
        if (problem)
            *problem = tr("The EEPROM content is %1 bytes long; at most %2 fit.")
                           .arg(bytes->size())
                           .arg(VY_USER_EEPROM_SIZE);
        return std::nullopt;
    }
    bytes->append(QByteArray(VY_USER_EEPROM_SIZE - bytes->size(), '\0'));
    return bytes;
}

int32_t CameraInfo::writeCameraId(int cameraId)
{
    if (m_camera.isEth()) {
        VY_DEVICECFG_USER block;
        std::memset(&block, 0, sizeof block);
        block.block = VY_DEVICECFG_BLOCK_USER;
        const int32_t result =
            vy_AccessDeviceCfg(handle(), VY_DEVICECFG_READ, &block, sizeof block);
        if (result != VY_SUCCESS)
            return result;
        block.cameraId = uint8_t(cameraId);
        return vy_AccessDeviceCfg(handle(), VY_DEVICECFG_WRITE, &block, sizeof block);
    }
    if (m_camera.isVisionStandard())
        return vy_SetCameraID(handle(), cameraId);
    uint8_t id = uint8_t(cameraId);
    return vy_MemContent(handle(), VY_MEM_WRITE, VY_MEM_AREA_CAMERA_ID, 0, &id, sizeof id);
}

int32_t CameraInfo::writeEeprom(const QByteArray &bytes)
{
    if (m_camera.isEth()) {
        VY_DEVICECFG_USER block;
        std::memset(&block, 0, sizeof block);
        block.block = VY_DEVICECFG_BLOCK_USER;
        const int32_t result =
            vy_AccessDeviceCfg(handle(), VY_DEVICECFG_READ, &block, sizeof block);
        if (result != VY_SUCCESS)
            return result;
        std::memcpy(block.userEeprom, bytes.constData(), sizeof block.userEeprom);
        return vy_AccessDeviceCfg(handle(), VY_DEVICECFG_WRITE, &block, sizeof block);
    }
    QByteArray data = bytes;
    return vy_MemContent(handle(), VY_MEM_WRITE, VY_MEM_AREA_USER_EEPROM, 0, data.data(),
                         VY_USER_EEPROM_SIZE);
}

int32_t CameraInfo::writeLens(uint8_t lensType)
{
    QByteArray data = m_lensData;
    if (data.size() < VY_LENS_DATA_SIZE)
        data.append(QByteArray(VY_LENS_DATA_SIZE - data.size(), '\0'));
    data[0] = char(lensType);
    if (!m_camera.isEth())
        return vy_MemContent(handle(), VY_MEM_WRITE, VY_MEM_AREA_LENS, 0, data.data(),
                             VY_LENS_DATA_SIZE);
    const uint32_t size =
        std::max<uint32_t>(uint32_t(m_lensDataLength) + VY_DEVICECFG_LENS_HEADER_SIZE,
                           VY_DEVICECFG_LENS_HEADER_SIZE + VY_LENS_DATA_SIZE);
    VY_DEVICECFG_LENS block;
    std::memset(&block, 0, sizeof block);
    block.block = VY_DEVICECFG_BLOCK_LENS;
    block.dataLength = uint16_t(size - VY_DEVICECFG_LENS_HEADER_SIZE);
    auto *bytes = reinterpret_cast<char *>(&block);
    std::memcpy(bytes + VY_DEVICECFG_LENS_HEADER_SIZE, data.constData(),
                std::min<size_t>(size_t(data.size()), size - VY_DEVICECFG_LENS_HEADER_SIZE));
    return vy_AccessDeviceCfg(handle(), VY_DEVICECFG_WRITE | VY_DEVICECFG_PERSISTENT, &block, size);
}

void CameraInfo::onOK()
{
    const int cameraId = m_cameraIdBox->value();
    if (cameraId < 1 || cameraId > 254) {
        QMessageBox::warning(this, tr("Camera Info"),
                             tr("Enter a valid camera ID between 1 - 254!"));
        return;
    }
    // The EEPROM line is checked before anything is written, the camera ID included.
    QString problem;
    const std::optional<QByteArray> block =
        m_eepromEdit->isEnabled() ? eepromBlock(&problem) : m_eepromBlock;
    if (!block) {
        QMessageBox::warning(this, tr("Camera Info"),
                             problem + QLatin1Char('\n') + tr("Nothing has been written."));
        m_eepromEdit->setFocus(Qt::OtherFocusReason);
        return;
    }
    const bool opening = needsOpening(true);
    if (opening && openCamera(false) != VY_SUCCESS) {
        QMessageBox::warning(this, tr("Camera Info"), tr("Camera could not be opened!"));
        return;
    }

    int32_t idResult = VY_SUCCESS;
    QString idError;
    if (uint32_t(cameraId) != m_cameraId) {
        idResult = writeCameraId(cameraId);
        // The text is taken now: the writes below may fail otherwise.
        if (idResult == VY_SUCCESS)
            m_cameraId = uint32_t(cameraId);
        else
            idError = vyrokit::SdkError::text(
                m_opened.isOpen() ? m_opened.handle() : VY_HCAM(VY_DRIVER_HANDLE), idResult);
    }

    bool failed = false;
    if (m_eepromEdit->isEnabled() && *block != m_eepromBlock) {
        if (writeEeprom(*block) == VY_SUCCESS) {
            m_eepromBlock = *block;
        } else {
            QMessageBox::warning(this, tr("Camera Info"),
                                 tr("Camera eeprom could not be written!"));
            failed = true;
        }
    }

    if (m_lensGroup->isEnabled()) {
        const auto lensType = uint8_t(m_lensCombo->currentData().toUInt());
        if (lensType != m_lensType) {
            if (writeLens(lensType) == VY_SUCCESS) {
                m_lensType = lensType;
                m_lensData[0] = char(lensType);
            } else {
                QMessageBox::warning(this, tr("Camera Info"),
                                     tr("Writing liquid lens data failed!"));
                failed = true;
            }
        }
    }

    if (idResult != VY_SUCCESS) {
        closeCamera();
        QMessageBox::warning(this, tr("Camera Info"),
                             tr("Camera ID could not be set!\n%1").arg(idError));
        return;
    }
    if (opening)
        closeCamera();
    else
        vy_Renumerate(m_camera.unopenedHandle(), 0);
    if (!failed)
        accept();
}

void CameraInfo::onRunFPNCalibration()
{
    if (openCamera(false) != VY_SUCCESS) {
        QMessageBox::warning(this, tr("FPN Calibration"), tr("Camera could not be opened!"));
        return;
    }
    uint32_t mode = 0;
    if (vy_DeviceFeature(m_opened.handle(), VY_FEATURE_GET_MEMORY_MODE, &mode, sizeof mode) !=
            VY_SUCCESS ||
        mode != 1) {
        closeCamera();
        QMessageBox::information(
            this, tr("FPN Calibration"),
            tr("The camera internal memory must be enabled for calibration! Please enable in the "
               "additional functions dialog the memory mode before calibration."));
        return;
    }
    QMessageBox ask(QMessageBox::Information, tr("FPN Calibration"),
                    tr("For the purpose of calibration the camera should be illuminated with "
                       "homogeneous light. For more information about the illumination "
                       "conditions see the seperate application note.\n\nThe calibration process "
                       "may take several minutes, depending on the performance of the host "
                       "computer.\n\nStart FPN Calibration?"),
                    QMessageBox::Yes | QMessageBox::No, this);
    if (ask.exec() != QMessageBox::Yes) {
        closeCamera();
        return;
    }

    m_fpnStatus->setText(tr("Calibration is running ..."));
    // The calibration cannot be stopped, and the handle must stay open until it ends.
    UncancellableProgressDialog progress(this);
    progress.setLabelText(tr("Calibrating..."));
    progress.setRange(0, 0);
    progress.setWindowTitle(tr("FPN Calibration"));
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.show();

    // The calibration blocks for minutes: it runs on the pool while this thread keeps the
    // events going, holding the open handle until the task has ended.
    const int32_t result = vyrokit::runOffThread([h = m_opened.handle()] {
        uint32_t value = 0;
        return vy_CalibrateFPN(h, VY_FPN_CALIBRATE, &value, sizeof value);
    });

    refreshFpnState();
    progress.hide();
    if (result == VY_FPN_INSUFFICIENT_LIGHT)
        QMessageBox::warning(this, tr("FPN Calibration"),
                             tr("The lightning conditions are insufficient. Please provide better "
                                "lighting according to the application note."));
    else if (result != VY_SUCCESS)
        QMessageBox::warning(this, tr("FPN Calibration"),
                             tr("Something went wrong during the calibration process, please try "
                                "again. If this situation persists please contact the customer "
                                "support."));
    closeCamera();
    emit fpnCalibrationFinished(result);
}

void CameraInfo::onCheckBoxFpnUserEnable(int value)
{
    if (openCamera(false) != VY_SUCCESS) {
        // Nothing reached the camera: the box goes back to what it showed.
        {
            const QSignalBlocker blocker(m_fpnLoadingCheck);
            m_fpnLoadingCheck->setChecked(value == Qt::Unchecked);
        }
        QMessageBox::warning(this, tr("Camera Info"), tr("Camera could not be opened!"));
        return;
    }
    uint32_t features = 0;
    if (vy_DeviceFeature(m_opened.handle(), VY_FEATURE_GET_SUPPORTED, &features, sizeof features) ==
            VY_SUCCESS &&
        (features & VY_FEATURE_FPN)) {
        uint32_t enable = value == Qt::Unchecked ? 0 : 1;
        vy_DeviceFeature(m_opened.handle(), VY_FEATURE_SET_FPN_LOADING, &enable, sizeof enable);
    }
    refreshFpnState();
    closeCamera();
}

void CameraInfo::onRadioParameterChanged()
{
    uint32_t value = m_parameterSetRadio->isChecked() ? 1 : 0;
    vy_Configuration(VY_DRIVER_HANDLE, VY_CONFIG_SET_PARAMETERSET, &value, sizeof value);
}

void CameraInfo::onEraseParameterSet()
{
    if (openCamera(false) != VY_SUCCESS)
        return;
    vy_ParameterSet(m_opened.handle(), VY_PARAMETERSET_ERASE, nullptr, 0);
    closeCamera();
}

void CameraInfo::onMemoryMode()
{
    const VY_HCAM unopened = m_camera.unopenedHandle();
    uint32_t value = m_memoryCheck->isChecked() ? 1 : 0;
    if (vy_DeviceFeature(unopened, VY_FEATURE_SET_MEMORY_MODE, &value, sizeof value) == VY_SUCCESS)
        return;
    uint32_t mode = 0;
    const bool on =
        vy_DeviceFeature(unopened, VY_FEATURE_GET_MEMORY_MODE, &mode, sizeof mode) == VY_SUCCESS &&
        mode == 1;
    {
        const QSignalBlocker blocker(m_memoryCheck);
        m_memoryCheck->setChecked(on);
    }
    QMessageBox::information(this, tr("Error"), tr("Could not enable or disable memory mode"));
}

void CameraInfo::onHexCheckChanged(bool enabled)
{
    // A text the other view cannot show as it is stays in its view, with the reason.
    QString problem;
    const std::optional<QByteArray> bytes = eepromBytesOf(m_eepromEdit->text(), !enabled, &problem);
    if (!bytes) {
        {
            const QSignalBlocker blocker(m_hexCheck);
            m_hexCheck->setChecked(!enabled);
        }
        QMessageBox::warning(this, tr("Camera Info"), problem);
        return;
    }
    m_eepromEdit->setText(eepromTextOf(*bytes, enabled));
}

// camerastatus.cpp: status sentence, colour, picture, buttons and list texts of a camera.
#include "zentara/inventory/camerastatus.h"

#include <QCoreApplication>

#include "sdk/vyro_device.h"
#include "vyrokit/packedversion.h"
#include "vyrokit/productinfo.h"
#include "vyrokit/richtext.h"
#include "vyrokit/sdkerror.h"
#include "zentara/inventory/camera.h"

using zentara::Camera;

namespace {

QString productFamily()
{
    return vyrokit::ProductInfo::family();
}

QString wrapped(const Camera &camera, const QString &sentence)
{
    return QCoreApplication::translate("CameraStatus", "Status of device %1: %2")
        .arg(QString::number(camera.deviceId()), sentence);
}

QString withDevice(const Camera &camera, const QString &text)
{
    return text.arg(camera.deviceId());
}

QString correctSentence(const Camera &camera)
{
    return withDevice(camera, QCoreApplication::translate(
                                  "CameraStatus",
                                  "Status of device %1: The camera is configured correctly and can "
                                  "be opened."));
}

QString lowerSpeedSentence(const Camera &camera)
{
    return withDevice(camera, QCoreApplication::translate(
                                  "CameraStatus",
                                  "Status of device %1: The camera is configured correctly and can "
                                  "be opened. Please note that this device currently is using a "
                                  "lower speed than supported by it."));
}

QString openedSentence(const Camera &camera)
{
    return wrapped(camera,
                   QCoreApplication::translate("CameraStatus", "You have opened the camera"));
}

QString resource(const char *name)
{
    return QStringLiteral(":/images/") + QLatin1String(name);
}

void setPicture(CameraVerdict &v, const char *name)
{
    v.picture = CameraVerdict::Picture::Resource;
    v.picturePath = resource(name);
}

bool isUsbLike(const Camera &camera)
{
    return camera.isUsb() || camera.isVisionStandard();
}

void evaluateVisionStandard(const Camera &camera, CameraVerdict &v)
{
    v.manualEthConfiguration = camera.deviceTypeCode() == vyro::TypeGigEVision &&
                               !(camera.listStatus() & vyro::ListStatusServiceFirmware);
    v.automaticEthConfiguration = false;
    v.uploadStarterFirmware = false;
    if (camera.inUse()) {
        v.cameraInformation = false;
        v.additionalCameraInfo = false;
        v.key = QStringLiteral("opened");
        v.sentence = openedSentence(camera);
        v.colour = Qt::darkGreen;
    } else if (camera.listStatus() & vyro::ListStatusServiceFirmware) {
        v.key = QStringLiteral("service-firmware");
        v.cameraInformation = false;
        v.additionalCameraInfo = false;
        v.sentence = withDevice(
            camera,
            QCoreApplication::translate(
                "CameraStatus",
                "Status of device %1: The camera cannot be opened because it is running with "
                "service firmware. Either start the camera in runtime using the "
                "\"orv_devicecommand\" tool (--reset-to-runtime) or update the camera "
                "firmware, e.g. using the \"orv_deviceupdate\" tool.\n"));
        v.colour = Qt::red;
    } else if (camera.listStatus() & vyro::ListStatusInvalidIpRange) {
        v.key = QStringLiteral("invalid-ip-range");
        v.sentence = wrapped(camera, QCoreApplication::translate(
                                         "CameraStatus",
                                         "The camera is using an invalid IP range and can't be "
                                         "opened. Please use the 'Manual ETH configuration' "
                                         "button to set a valid IP address."));
        v.colour = Qt::red;
    } else {
        v.cameraInformation = true;
        v.additionalCameraInfo = true;
        v.key = QStringLiteral("ready");
        v.sentence = correctSentence(camera);
        v.colour = Qt::black;
    }
    setPicture(v, "cam_crest.png");
}

void usbPicture(const Camera &camera, CameraVerdict &v)
{
    switch (camera.deviceTypeCode()) {
    case 0x40:
        setPicture(v, "cam_usb.png");
        break;
    case 0x41:
        setPicture(v, "cam_jo.png");
        break;
    case 0x42:
        setPicture(v, "cam_hz.png");
        break;
    case 0x43:
        setPicture(v, "cam_gu.png");
        break;
    case 0x45:
        setPicture(v, "cam_usb_dy.png");
        break;
    case 0x60:
        setPicture(v, "cam_vt.png");
        break;
    case 0x62:
    case 0x65:
        setPicture(v, "cam_usb3_hz_dy.png");
        break;
    case 0x63:
        setPicture(v, "cam_usb3_fj.png");
        break;
    case 0x64:
        if (camera.variantFlags() & vyro::VariantFlagFirstRevision)
            setPicture(v, "cam_usb3_qn.png");
        else if (camera.hardwareVariant() == vyro::HardwareVariantLiquidLens)
            setPicture(v, "cam_usb_rwq.png");
        else
            setPicture(v, "cam_usb3_qn_rev2.png");
        break;
    default:
        break;
    }
}

void evaluateUsb(const Camera &camera, CameraVerdict &v)
{
    v.manualEthConfiguration = false;
    v.automaticEthConfiguration = false;
    v.uploadStarterFirmware = false;
    const uint32_t status = camera.listStatus() & vyro::ListStatusUsbProblems;
    if (camera.inUse()) {
        v.cameraInformation = false;
        v.additionalCameraInfo = false;
        v.key = QStringLiteral("opened");
        v.sentence = openedSentence(camera);
        v.colour = Qt::darkGreen;
    } else if (!status) {
        v.cameraInformation = true;
        v.additionalCameraInfo = true;
        if (camera.linkSpeed() < 4000 && vyro::isThirdGenerationType(camera.deviceTypeCode())) {
            v.key = QStringLiteral("ready-lower-speed");
            v.sentence = lowerSpeedSentence(camera);
            v.colour = QColor(QStringLiteral("orange"));
        } else {
            v.key = QStringLiteral("ready");
            v.sentence = correctSentence(camera);
            v.colour = Qt::black;
        }
    } else {
        v.cameraInformation = false;
        v.additionalCameraInfo = false;
        const QString noUpload =
            QCoreApplication::translate(
                "CameraStatus",
                "An upload of the camera firmware is not possible. The hardware of your camera "
                "is probably not compatible to the installed %1 driver. Your hardware is not "
                "supported by driver versions higher than 3.00.")
                .arg(productFamily());
        QString sentence;
        if (status == vyro::ListStatusNoFullSpeed)
            v.key = QStringLiteral("no-full-speed");
        else if (status == vyro::ListStatusServiceFirmware)
            v.key = QStringLiteral("hardware-incompatible");
        else
            v.key = QStringLiteral("hardware-incompatible-no-full-speed");
        if (status == vyro::ListStatusNoFullSpeed)
            sentence = QCoreApplication::translate("CameraStatus",
                                                   "This camera does not support Fullspeed USB.");
        else if (status == vyro::ListStatusServiceFirmware)
            sentence = noUpload;
        else
            sentence = noUpload + QCoreApplication::translate(
                                      "CameraStatus",
                                      " In addition, the camera does not support Fullspeed USB.");
        v.sentence = wrapped(camera, sentence);
        v.colour = Qt::red;
    }
    usbPicture(camera, v);
}

void networkPicture(const Camera &camera, CameraVerdict &v)
{
    if (camera.isReadOnlyDevice()) {
        setPicture(v, "cam_pmc.png");
        return;
    }
    const bool wbVariant = vyro::isWideBodyVariant(camera.hardwareVariant());
    switch (camera.networkTypeCode()) {
    case 0x81:
    case 0x86:
        setPicture(v, wbVariant ? "cam_wb.png" : "cam_vt.png");
        break;
    case 0x82:
        setPicture(v, "cam_eth_hz.png");
        break;
    case 0x84:
        setPicture(v, "cam_qn.png");
        break;
    case 0x88:
        setPicture(v, "cam_z40.png");
        break;
    case 0x8A:
        setPicture(v, "cam_wb.png");
        break;
    case 0x8B:
        setPicture(v, "cam_vt.png");
        break;
    case 0x8C:
        setPicture(v, camera.hardwareVariant() == vyro::HardwareVariantLiquidLens
                          ? "cam_eth_rwq.png"
                          : "cam_usb3_qn_rev2.png");
        break;
    case 0xF1:
        v.picture = CameraVerdict::Picture::Blank;
        v.picturePath.clear();
        break;
    default:
        setPicture(v, "cam_eth.png");
        break;
    }
}

QString networkDiagnosis(const Camera &camera, QString &key)
{
    const uint32_t control = camera.controlStatus();
    const uint32_t device = camera.deviceStatus();
    if ((control & (vyro::ControlStatusInitialized | vyro::ControlStatusToBeRemoved)) !=
        vyro::ControlStatusInitialized) {
        key = QStringLiteral("internal-driver-error");
        return QCoreApplication::translate("CameraStatus",
                                           "Internal driver error. Please reinstall the %1 setup.")
            .arg(productFamily());
    }
    if (!(device & vyro::DeviceStatusReady)) {
        if ((camera.dhcpState() & (vyro::DhcpStateEnabled | vyro::DhcpStateError)) ==
            vyro::DhcpStateEnabled) {
            key = QStringLiteral("waiting-for-dhcp");
            return QCoreApplication::translate("CameraStatus", "Waiting for %1.")
                .arg(QStringLiteral("DHCPOFFER"));
        }
        key = QStringLiteral("starter-firmware-missing");
        return QCoreApplication::translate(
            "CameraStatus", "Internal device error. Please upload a new starter firmware.");
    }
    if (device & vyro::DeviceStatusRuntimeFirmwareError0) {
        key = QStringLiteral("runtime-firmware-corrupted");
        return QCoreApplication::translate(
            "CameraStatus", "Internal device error. The runtime firmware is corrupted.");
    }
    if (!(control & vyro::ControlStatusCompatible)) {
        key = QStringLiteral("driver-incompatible");
        return QCoreApplication::translate(
            "CameraStatus",
            "The device is not compatible to the driver. Please upload a new starter "
            "firmware.");
    }
    if (control & vyro::ControlStatusAdapterDhcp) {
        key = QStringLiteral("adapter-uses-dhcp");
        return QCoreApplication::translate(
            "CameraStatus",
            "The network adapter is configured to use DHCP. Please assign a static IP "
            "address and subnetmask via the dialog 'Manual ETH configuration'. DHCP "
            "will be deactivated automatically.");
    }
    if (!(control & vyro::ControlStatusAdapterSettingsOk)) {
        key = QStringLiteral("adapter-packet-size");
        return QCoreApplication::translate(
            "CameraStatus", "The network adapter is not configured to use packets larger than the "
                            "normal size of 1,5 KB.Please set the packet size to at least 2 KB.");
    }
    if ((control & vyro::ControlStatusAccessible) != vyro::ControlStatusAccessible) {
        key = QStringLiteral("not-configured");
        return QCoreApplication::translate(
            "CameraStatus",
            "The camera is not configured properly. Please use the 'Manual ETH "
            "configuration' or 'Automatic ETH configuration' button to set a IP "
            "address. Or enable the camera DHCP client if a DHCP server is available.");
    }
    key = QStringLiteral("unknown");
    return QString();
}

void setAllButtons(CameraVerdict &v, bool on)
{
    v.cameraInformation = on;
    v.manualEthConfiguration = on;
    v.automaticEthConfiguration = on;
    v.uploadStarterFirmware = on;
    v.additionalCameraInfo = on;
}

void evaluateNetwork(const Camera &camera, CameraVerdict &v)
{
    networkPicture(camera, v);
    const bool available = camera.controlStatus() & vyro::ControlStatusAvailable;
    const bool unpaired = camera.deviceStatus() & vyro::DeviceStatusUnpaired;

    if (!available && !unpaired) {
        setAllButtons(v, false);
        if (camera.controlStatus() & vyro::ControlStatusHeldHere) {
            v.key = QStringLiteral("opened");
            v.sentence = openedSentence(camera);
            v.colour = Qt::darkGreen;
        } else {
            v.key = QStringLiteral("in-use");
            v.sentence = wrapped(
                camera,
                camera.isEth()
                    ? QCoreApplication::translate("CameraStatus",
                                                  "The camera is being used by another host "
                                                  "and cannot be opened at the moment.")
                    : QCoreApplication::translate("CameraStatus",
                                                  "The camera is not opened by another host "
                                                  "and cannot be opened at the moment."));
            v.colour = Qt::red;
        }
    } else if (!available) {
        setAllButtons(v, false);
        v.manualEthConfiguration = true;
        v.automaticEthConfiguration = true;
        v.sentence = wrapped(camera, networkDiagnosis(camera, v.key));
        v.colour = Qt::red;
    } else if (camera.isReadOnlyDevice()) {
        v.cameraInformation = false;
        v.manualEthConfiguration = false;
        v.automaticEthConfiguration = false;
        v.additionalCameraInfo = false;
        // A read-only device only receives what another host's camera sends; it has no starter
        // firmware of its own to replace.
        v.uploadStarterFirmware = false;
        v.key = QStringLiteral("ready");
        v.sentence = correctSentence(camera);
        v.colour = Qt::black;
    } else {
        setAllButtons(v, true);
        if (camera.runsRequiredStarterFirmware()) {
            if (unpaired && (camera.linkSpeed() < 1000 || camera.adapterLinkSpeed() < 1000)) {
                v.key = QStringLiteral("ready-lower-speed");
                v.sentence = lowerSpeedSentence(camera);
                v.colour = QColor(QStringLiteral("orange"));
            } else if (unpaired) {
                v.key = QStringLiteral("ready");
                v.sentence = correctSentence(camera);
                v.colour = Qt::black;
            } else {
                v.key = QStringLiteral("boot-boost");
                v.sentence = withDevice(
                    camera, QCoreApplication::translate(
                                "CameraStatus", "Status of device %1: The camera is currently "
                                                "running in the boot boost mode. It is configured "
                                                "correctly and can be opened."));
                v.colour = Qt::black;
            }
        } else if (vyro::isNetworkType(camera.networkTypeCode())) {
            const uint32_t required = camera.requiredStarterFirmwareVersion();
            if (required == 0) {
                v.key = QStringLiteral("firmware-image-missing");
                v.sentence =
                    QCoreApplication::translate(
                        "CameraStatus", "Firmware image is not available or corrupted. Please "
                                        "reinstall the %1 setup.")
                        .arg(productFamily());
            } else {
                v.key = QStringLiteral("starter-firmware-incompatible");
                v.sentence =
                    QCoreApplication::translate(
                        "CameraStatus",
                        "The starter firmware of the camera is incompatible to the driver.\nAn "
                        "automatic upload will be initiated next time you open the camera. "
                        "This upload will take several seconds. Do not switch off the power "
                        "supply and do not unplug the camera! It is strongly recommended to "
                        "upload the firmware over the button 'Starter Firmware Upload'. The "
                        "requested starter firmware version is %1")
                        .arg(vyrokit::PackedVersion::text(required));
            }
            v.colour = Qt::red;
        } else {
            v.key = QStringLiteral("unknown");
            v.sentence.clear();
            v.colour = Qt::red;
        }
    }

    if (camera.deviceInfoResult() != 0) {
        v.key = QStringLiteral("transfer-failed");
        v.sentence = QCoreApplication::translate("CameraStatus",
                                                 "Transfer failed: %1 API DLL or kernel driver "
                                                 "incompatible. Please reinstall the setup.")
                         .arg(camera.deviceInfoError().isEmpty()
                                  ? vyrokit::SdkError::text(camera.deviceInfoResult(), QString())
                                  : camera.deviceInfoError());
        v.colour = Qt::red;
    }
}

} // namespace

QString CameraVerdict::html() const
{
    return vyrokit::RichText::coloured(colour, sentence);
}

const std::vector<CameraStatus::Rule> &CameraStatus::discontinuedRules()
{
    static const std::vector<Rule> rules{
        [](const Camera &c) { return c.networkTypeCode() == 128; },
        [](const Camera &c) { return c.networkTypeCode() == 65; },
        [](const Camera &c) {
            return c.networkTypeCode() == 129 && vyro::isWideBodyVariant(c.hardwareVariant());
        },
    };
    return rules;
}

bool CameraStatus::isDiscontinued(const Camera &camera)
{
    for (const Rule &rule : discontinuedRules()) {
        if (rule(camera))
            return true;
    }
    return false;
}

CameraVerdict CameraStatus::evaluate(const Camera *camera)
{
    CameraVerdict v;
    if (!camera) {
        v.picture = CameraVerdict::Picture::Clear;
        v.cameraInformation = false;
        v.manualEthConfiguration = false;
        v.automaticEthConfiguration = false;
        v.additionalCameraInfo = false;
        v.uploadStarterFirmware = false;
        v.key = QStringLiteral("no-camera");
        v.sentence = QCoreApplication::translate("CameraStatus", "No camera list available");
        v.colour = Qt::red;
        return v;
    }

    if (camera->deviceId() >= vyro::VisionStandardDeviceIdFirst)
        evaluateVisionStandard(*camera, v);
    else if (camera->isUsb())
        evaluateUsb(*camera, v);
    else
        evaluateNetwork(*camera, v);

    v.discontinuedVisible = isDiscontinued(*camera);
    if (v.discontinuedVisible) {
        v.discontinuedText = vyrokit::RichText::coloured(
            QStringLiteral("red"),
            QCoreApplication::translate("CameraStatus",
                                        "Attention: You are using a camera model which is no "
                                        "longer supported by the current driver version."));
    }
    return v;
}

QString CameraStatus::listIcon(const Camera &camera)
{
    if (camera.isUsb() ||
        (camera.isVisionStandard() && camera.deviceTypeCode() == vyro::TypeUsb3Vision)) {
        if (camera.linkSpeed() < 4000 && vyro::isThirdGenerationType(camera.deviceTypeCode()) &&
            camera.isUsb())
            return resource("usb_warning.png");
        if (camera.inUse())
            return resource("usb_disconnected.png");
        return resource("usb_connect.png");
    }
    if (camera.isEth()) {
        const bool unpaired = camera.deviceStatus() & vyro::DeviceStatusUnpaired;
        const bool available = camera.controlStatus() & vyro::ControlStatusAvailable;
        if (unpaired && !available)
            return resource("eth_warning.png");
        if (!unpaired && !available)
            return resource("eth_disconnected.png");
        if (camera.runsRequiredStarterFirmware())
            return resource("eth_connect.png");
        return resource("eth_warning2.png");
    }
    if (camera.isVisionStandard()) {
        if (camera.listStatus() & vyro::ListStatusAnyProblem)
            return resource("eth_warning.png");
        if (camera.inUse())
            return resource("eth_disconnected.png");
        return resource("eth_connect.png");
    }
    return resource(camera.inUse() ? "eth_disconnected.png" : "eth_connect.png");
}

bool CameraStatus::isFree(const Camera &camera)
{
    if (isUsbLike(camera))
        return !camera.inUse();
    return (camera.deviceStatus() & vyro::DeviceStatusUnpaired) ||
           (camera.controlStatus() & vyro::ControlStatusAvailable);
}

bool CameraStatus::isFreeInBootBoost(const Camera &camera)
{
    return !isUsbLike(camera) && !(camera.deviceStatus() & vyro::DeviceStatusUnpaired) &&
           (camera.controlStatus() & vyro::ControlStatusAvailable);
}

bool CameraStatus::isAvailable(const Camera &camera)
{
    if (isUsbLike(camera))
        return !camera.inUse() && !(camera.listStatus() & vyro::ListStatusAnyProblem);
    return !camera.inUse() && (camera.controlStatus() & vyro::ControlStatusAvailable);
}

QString CameraStatus::freeText(const Camera &camera)
{
    if (isFreeInBootBoost(camera))
        return QCoreApplication::translate("zentara::CameraListModel", "Yes (BB)");
    return isFree(camera) ? QCoreApplication::translate("zentara::CameraListModel", "Yes")
                          : QCoreApplication::translate("zentara::CameraListModel", "No");
}

QString CameraStatus::listToolTip(const Camera &camera)
{
    const QString icon = listIcon(camera);
    const auto is = [&icon](const char *name) { return icon == resource(name); };
    QString tip;
    if (is("usb_warning.png"))
        tip = QCoreApplication::translate("zentara::CameraListModel",
                                          "The camera runs at a lower speed than it supports.");
    else if (is("eth_warning.png"))
        tip = QCoreApplication::translate("zentara::CameraListModel",
                                          "The camera cannot be opened: see its status below.");
    else if (is("eth_warning2.png"))
        tip = QCoreApplication::translate(
            "CameraListModel", "The camera's starter firmware is not the one the driver needs.");
    else if (is("usb_disconnected.png") || is("eth_disconnected.png"))
        tip = QCoreApplication::translate("zentara::CameraListModel",
                                          "The camera is in use and cannot be opened.");
    else
        tip = QCoreApplication::translate("zentara::CameraListModel", "The camera can be opened.");
    if (isFreeInBootBoost(camera))
        tip += QLatin1Char('\n') +
               QCoreApplication::translate("zentara::CameraListModel",
                                           "Yes (BB): free, running in the boot boost mode.");
    return tip;
}

QString CameraStatus::availableText(const Camera &camera)
{
    return isAvailable(camera) ? QCoreApplication::translate("zentara::CameraListModel", "Yes")
                               : QCoreApplication::translate("zentara::CameraListModel", "No");
}

QString CameraStatus::versionText(uint32_t packed)
{
    return vyrokit::PackedVersion::text(packed);
}

// firmwareupload.cpp: the simulated starter firmware upload.
#include "sdk/sim/firmwareupload.h"

#include "sdk/sim/fieldschema.h"
#include "sdk/sim/simcore.h"
#include "sdk/vyro_device.h"

#include <chrono>
#include <cmath>
#include <thread>

namespace vysim {

namespace {

const bool uploadFields =
    addDeviceFields({{"firmwareUploadResult", FieldType::Int, 0, INT32_MIN, INT32_MAX,
                      "nonzero: opening with the upload permission fails with it after the "
                      "upload time, the firmware unchanged"}}) &&
    addDriverFields({{"firmwareUploadScale", FieldType::Number, 1.0, 0, 0,
                      "factor on every device's firmwareUploadMs while an upload runs; 0: none"}});

// How often the upload looks whether its device is still there.
constexpr std::chrono::milliseconds pollStep(10);

} // namespace

bool firmwareUploadWanted(uint32_t deviceId, const QJsonObject &fields)
{
    (void)uploadFields;
    if (fields.value(QLatin1String("needsFirmwareUpload")).toBool())
        return true;
    if (!vyro::isNetworkDevice(deviceId))
        return false;
    const uint32_t required = versionValue(fields.value(QLatin1String("requiredStarterFirmware")));
    return required != 0 &&
           versionValue(fields.value(QLatin1String("starterFirmware"))) != required;
}

int32_t uploadStarterFirmware(uint32_t deviceId)
{
    const QJsonObject f = deviceFields(deviceId);
    double scale = driverField(QStringLiteral("firmwareUploadScale")).toDouble(1.0);
    if (!std::isfinite(scale) || scale < 0)
        scale = 0;
    qint64 milliseconds = 0;
    integerValue(f.value(QLatin1String("firmwareUploadMs")), &milliseconds);
    const auto total = std::chrono::milliseconds(qint64(double(milliseconds) * scale));
    const auto end = std::chrono::steady_clock::now() + total;
    for (;;) {
        if (!deviceExists(deviceId))
            return VY_IO_REQUEST_FAILED;
        const auto now = std::chrono::steady_clock::now();
        if (now >= end)
            break;
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(end - now, pollStep));
    }
    qint64 forced = 0;
    integerValue(f.value(QLatin1String("firmwareUploadResult")), &forced);
    if (forced != VY_SUCCESS)
        return int32_t(forced);
    QJsonObject change;
    change.insert(QStringLiteral("needsFirmwareUpload"), false);
    change.insert(QStringLiteral("starterFirmware"),
                  f.value(QLatin1String("requiredStarterFirmware")));
    return setDeviceFields(deviceId, change);
}

} // namespace vysim

// dapplix's open camera: opening, live capture into a buffer ring, parameters and events.
#include "dapplix/camera/camera.h"

#include <cstring>
#include <stdexcept>

namespace {

// Nested frame handling (a receiver that runs an event loop inside newImage) skips the
// emission instead of recursing.
bool emittingImage = false;
// Re-entry guards of the setters: a widget updated by a change signal calls back.
bool settingFramerate = false;
bool settingExposure = false;
bool settingMastergain = false;

class FlagGuard final
{
public:
    explicit FlagGuard(bool &f) : flag(f) { flag = true; }
    ~FlagGuard() { flag = false; }

private:
    bool &flag;
};

} // namespace

Camera::Camera(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<CameraParameter<int>>();
    qRegisterMetaType<CameraParameter<double>>();
    greyTable.reserve(256);
    for (int i = 0; i < 256; ++i)
        greyTable.append(qRgb(i, i, i));
    connect(&deviceEventThread, &EventThread::eventhappen, this, &Camera::eventReceived);
    connect(&cameraEventThread, &EventThread::eventhappen, this, &Camera::eventReceived);
    deviceEventThread.start(VY_DRIVER_HANDLE, {VY_EVENT_NEW_DEVICE, VY_EVENT_REMOVE});
}

Camera::~Camera()
{
    stopThread(deviceEventThread);
    stopThread(cameraEventThread);
    disconnect(&deviceEventThread, nullptr, this, nullptr);
    disconnect(&cameraEventThread, nullptr, this, nullptr);
    imageSequence.clear();
    if (cameraHandle != 0) {
        vy_StopLiveVideo(cameraHandle, VY_WAIT);
        vy_ExitCamera(cameraHandle);
        cameraHandle = 0;
    }
}

void Camera::stopThread(EventThread &thread)
{
    thread.stop();
    if (!thread.wait(500)) {
        thread.terminate();
        thread.wait();
    }
}

QString Camera::sdkErrorText() const
{
    int32_t code = 0;
    char *text = nullptr;
    if (vy_GetError(cameraHandle, &code, &text) != VY_SUCCESS || !text)
        return tr("Unknown error.");
    return QString::fromLocal8Bit(text);
}

void Camera::throwSdkError() const
{
    throw std::runtime_error(sdkErrorText().toStdString());
}

void Camera::open(int id)
{
    close();
    try {
        VY_HCAM h = VY_HCAM(quint32(id) | VY_UNOPENED);
        int ret = vy_InitCamera(&h, nullptr);
        if (ret == VY_STARTER_FW_UPLOAD_NEEDED) {
            int32_t duration = 25000;
            vy_GetDuration(h, VY_DURATION_FIRMWARE_UPLOAD, &duration);
            emit displayError(
                tr("Upload of new firmware required. (approx. %1 seconds)").arg(duration / 1000),
                2000);
            h = VY_HCAM(quint32(id) | VY_UNOPENED | VY_ALLOW_FW_UPLOAD);
            ret = vy_InitCamera(&h, nullptr);
        }
        if (ret != VY_SUCCESS)
            throw std::runtime_error(tr("Could not initialize camera.").toStdString());
        cameraHandle = h;

        if (vy_GetSensorInfo(cameraHandle, &sensor) != VY_SUCCESS)
            throwSdkError();
        if (sensor.sensorId == 77 || sensor.sensorId == 541 || sensor.sensorId == 523) {
            vy_ExitCamera(cameraHandle);
            cameraHandle = 0;
            throw std::runtime_error(tr("Unsupported camera type").toStdString());
        }

        if (vy_SetColorMode(cameraHandle, VY_CM_BAYER_RG8) != VY_SUCCESS)
            throwSdkError();
        mode = vy_SetColorMode(cameraHandle, VY_GET_COLOR_MODE);
        quint32 bits = 0;
        if (mode == VY_CM_RGB32) {
            bits = 32;
            format = QImage::Format_RGB32;
        } else if (mode == VY_CM_MONO8 || mode == VY_CM_BAYER_RG8) {
            bits = 8;
            format = QImage::Format_Indexed8;
        } else {
            format = QImage::Format_Invalid;
            throw std::runtime_error(tr("Color Mode not supported.").toStdString());
        }

        vy_HotPixel(cameraHandle, VY_HOTPIXEL_DISABLE_CORRECTION, nullptr, 0);

        VY_AOI_SIZE size{0, 0};
        if (vy_AOI(cameraHandle, VY_AOI_IMAGE_GET_SIZE_MAX, &size, sizeof size) != VY_SUCCESS)
            throwSdkError();
        imageRect = {0, 0, size.width, size.height};
        if (vy_AOI(cameraHandle, VY_AOI_IMAGE_SET_AOI, &imageRect, sizeof imageRect) != VY_SUCCESS)
            throwSdkError();

        imageSequence.setup(cameraHandle, 3,
                            {quint32(imageRect.width), quint32(imageRect.height), bits});
        // Without its events an open camera would never deliver a frame.
        if (cameraEventThread.start(cameraHandle,
                                    {VY_EVENT_FRAME, VY_EVENT_DEVICE_RECONNECT,
                                     VY_EVENT_DEVICE_REMOVAL, VY_EVENT_CAPTURE_STATUS}) != 0)
            throwSdkError();
        startLive();

        deviceId = id;
        emit cameraOpened(this);

        pixelclock.value = vy_SetPixelClock(cameraHandle, VY_GET_DEFAULT_PIXEL_CLOCK);
        if (vy_GetFramesPerSecond(cameraHandle, &framerate.value) != VY_SUCCESS)
            throwSdkError();
        if (vy_SetExposureTime(cameraHandle, VY_GET_EXPOSURE_TIME, &exposure.value) != VY_SUCCESS)
            throwSdkError();
        updatePixelclock();
        updateMastergain();
        frames = failed = 0;
    } catch (...) {
        close();
        throw;
    }
}

void Camera::close()
{
    if (cameraHandle == 0)
        return;
    vy_StopLiveVideo(cameraHandle, VY_WAIT);
    stopThread(cameraEventThread);
    imageSequence.clear();
    vy_ExitCamera(cameraHandle);
    deviceId = 0;
    cameraHandle = 0;
    image = QImage();
    emit newImage(image);
    emit cameraClosed();
}

void Camera::startLive()
{
    if (vy_CaptureVideo(cameraHandle, VY_DONT_WAIT) != VY_SUCCESS)
        throwSdkError();
}

double Camera::framesPerSecond() const
{
    double fps = 0.0;
    if (cameraHandle == 0 || vy_GetFramesPerSecond(cameraHandle, &fps) != VY_SUCCESS)
        return 0.0;
    return fps;
}

QString Camera::serialNumber() const
{
    VY_CAMINFO info;
    std::memset(&info, 0, sizeof info);
    if (vy_GetCameraInfo(cameraHandle, &info) != VY_SUCCESS)
        return QString();
    // The field need not be terminated: never read past it.
    return QString::fromLatin1(info.serialNumber,
                               int(qstrnlen(info.serialNumber, sizeof info.serialNumber)));
}

bool Camera::supportsCameraCorrection() const
{
    quint32 modes = 0;
    return vy_HotPixel(cameraHandle, VY_HOTPIXEL_GET_SUPPORTED_MODES, &modes, sizeof modes) ==
               VY_SUCCESS &&
           (modes & VY_HOTPIXEL_ENABLE_CAMERA_CORRECTION);
}

void Camera::eventReceived(int event)
{
    switch (event) {
    case VY_EVENT_FRAME:
        if (cameraHandle != 0)
            handleFrame();
        break;
    case VY_EVENT_CAPTURE_STATUS:
        if (cameraHandle != 0)
            ++failed;
        break;
    case VY_EVENT_DEVICE_RECONNECT:
        if (cameraHandle != 0)
            emit cameraReconnect();
        break;
    case VY_EVENT_DEVICE_REMOVAL:
        if (cameraHandle != 0)
            emit cameraRemoved();
        break;
    case VY_EVENT_REMOVE:
        emit cameraRemovedDevice();
        break;
    case VY_EVENT_NEW_DEVICE:
        emit cameraNewDevice();
        break;
    default:
        break;
    }
}

void Camera::handleFrame()
{
    ++frames;
    char *last = nullptr;
    if (vy_GetActSeqBuf(cameraHandle, nullptr, nullptr, &last) != VY_SUCCESS) {
        emit displayError(sdkErrorText(), 2000);
        return;
    }
    if (!last || vy_LockSeqBuf(cameraHandle, -1, last) != VY_SUCCESS)
        return;
    const ImageInfo info = imageSequence.info();
    // The SDK packs rows at the image width, which need not be a multiple of four.
    const qsizetype bytesPerLine = qsizetype(info.width) * (info.bitsPerPixel / 8);
    image = QImage(reinterpret_cast<uchar *>(last), imageRect.width, imageRect.height,
                   int(bytesPerLine), format);
    if (format == QImage::Format_Indexed8)
        image.setColorTable(greyTable);
    if (!emittingImage) {
        FlagGuard guard(emittingImage);
        emit newImage(image);
    }
    // The buffer goes back to the capture: nothing may keep pointing into it.
    image = QImage();
    vy_UnlockSeqBuf(cameraHandle, -1, last);
}

void Camera::setBadPixelCorrection(bool enable)
{
    vy_StopLiveVideo(cameraHandle, VY_WAIT);
    const double rate = framerate.value;
    double minTime = 1.0, maxTime = 1.0, step = 1.0, actual = 0.0;
    vy_GetFrameTimeRange(cameraHandle, &minTime, &maxTime, &step);
    // Switching is quickest at the highest rate.
    if (minTime > 0.0)
        vy_SetFrameRate(cameraHandle, 1.0 / minTime, &actual);
    vy_HotPixel(cameraHandle,
                enable ? VY_HOTPIXEL_ENABLE_CAMERA_CORRECTION : VY_HOTPIXEL_DISABLE_CORRECTION,
                nullptr, 0);
    vy_SetFrameRate(cameraHandle, rate, &actual);
    vy_SetExposureTime(cameraHandle, exposure.value, &actual);
    vy_CaptureVideo(cameraHandle, VY_WAIT);
}

void Camera::updatePixelclock()
{
    if (vy_GetPixelClockRange(cameraHandle, &pixelclock.min, &pixelclock.max) != VY_SUCCESS)
        throwSdkError();
    pixelclock.inc = 1;
    if (vy_SetPixelClock(cameraHandle, pixelclock.value) != VY_SUCCESS)
        throwSdkError();
    pixelclock.value = vy_SetPixelClock(cameraHandle, VY_GET_PIXEL_CLOCK);
    emit pixelclockChanged(pixelclock);
    updateFramerate();
}

void Camera::updateFramerate()
{
    double minTime = 1.0, maxTime = 1.0, step = 1.0;
    vy_GetFrameTimeRange(cameraHandle, &minTime, &maxTime, &step);
    // A range the SDK did not fill must not divide by zero.
    if (minTime <= 0.0 || maxTime <= 0.0 || step <= 0.0 || maxTime <= minTime) {
        framerate.min = framerate.max = framerate.value;
        framerate.inc = 1.0;
    } else {
        framerate.min = 1.0 / maxTime;
        framerate.max = 1.0 / minTime;
        framerate.inc = (framerate.max - framerate.min) / ((maxTime - minTime) / step);
    }
    vy_SetFrameRate(cameraHandle, framerate.value, &framerate.value);
    emit framerateChanged(framerate);
    updateExposure();
}

void Camera::updateExposure()
{
    vy_GetExposureRange(cameraHandle, &exposure.min, &exposure.max, &exposure.inc);
    vy_SetExposureTime(cameraHandle, exposure.value, &exposure.value);
    emit exposureChanged(exposure);
}

void Camera::updateMastergain()
{
    mastergain.value = vy_SetHardwareGain(cameraHandle, VY_GET_MASTER_GAIN, VY_IGNORE_PARAMETER,
                                          VY_IGNORE_PARAMETER, VY_IGNORE_PARAMETER);
    mastergain.min = 0;
    mastergain.max = 100;
    emit mastergainChanged(mastergain);
}

void Camera::setFramerate(double v)
{
    if (settingFramerate)
        return;
    FlagGuard guard(settingFramerate);
    v = framerate.clamp(v);
    if (v != framerate.value) {
        framerate.value = v;
        vy_SetFrameRate(cameraHandle, v, &framerate.value);
        emit framerateChanged(framerate);
    }
    updateExposure();
}

void Camera::setExposure(double v)
{
    if (settingExposure)
        return;
    FlagGuard guard(settingExposure);
    v = exposure.clamp(v);
    if (v != exposure.value) {
        exposure.value = v;
        emit exposureChanged(exposure);
    }
    vy_SetExposureTime(cameraHandle, exposure.value, &exposure.value);
}

void Camera::setMastergain(int v)
{
    if (settingMastergain)
        return;
    FlagGuard guard(settingMastergain);
    v = qBound(0, v, 100);
    if (v != mastergain.value) {
        mastergain.value = v;
        emit mastergainChanged(mastergain);
    }
    vy_SetHardwareGain(cameraHandle, mastergain.value, VY_IGNORE_PARAMETER, VY_IGNORE_PARAMETER,
                       VY_IGNORE_PARAMETER);
}

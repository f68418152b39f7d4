// dapplix's open camera: opening, live capture into a buffer ring, parameters and events.
#include "dapplix/camera/camera.h"

#include "dapplix/camera/cameraparameterfile.h"
#include "dapplix/camera/dapplixlogging.h"
#include "vyrokit/sdkerror.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace dapplix {

namespace {

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
    m_greyTable.reserve(256);
    for (int i = 0; i < 256; ++i)
        m_greyTable.append(qRgb(i, i, i));
    connect(&m_deviceEventThread, &vyrokit::EventThread::eventhappen, this, &Camera::eventReceived);
    connect(&m_cameraEventThread, &vyrokit::EventThread::eventhappen, this, &Camera::eventReceived);
    // Frames come faster than a busy window may draw them: only the newest one waits.
    m_cameraEventThread.setLatestOnly(VY_EVENT_FRAME);
    m_deviceEventThread.start(VY_DRIVER_HANDLE, {VY_EVENT_NEW_DEVICE, VY_EVENT_REMOVE});
}

Camera::~Camera()
{
    m_deviceEventThread.finish();
    m_cameraEventThread.finish();
    disconnect(&m_deviceEventThread, nullptr, this, nullptr);
    disconnect(&m_cameraEventThread, nullptr, this, nullptr);
    m_imageSequence.clear();
    if (isOpen()) {
        vy_StopLiveVideo(handle(), VY_WAIT);
        m_opened.close();
    }
}

QString Camera::sdkErrorText(int32_t result) const
{
    return vyrokit::SdkError::text(handle(), result);
}

bool Camera::logged(int32_t result, const char *call) const
{
    if (result == VY_SUCCESS)
        return true;
    qCWarning(lcDapplix, "%s failed: %s", call, qPrintable(sdkErrorText(result)));
    return false;
}

void Camera::throwSdkError(int32_t result) const
{
    throw std::runtime_error(sdkErrorText(result).toStdString());
}

void Camera::open(int id)
{
    close();
    try {
        vyrokit::ScopedCameraHandle opened{quint32(id)};
        if (opened.result() == VY_STARTER_FW_UPLOAD_NEEDED) {
            int32_t duration = 25000;
            vy_GetDuration(opened.handle(), VY_DURATION_FIRMWARE_UPLOAD, &duration);
            emit displayError(
                tr("Upload of new firmware required. (approx. %1 seconds)").arg(duration / 1000),
                2000);
            // Everything the opening gives comes back as its result, not through shared
            // variables: it may run on another thread.
            const auto openWithUpload = [id] {
                vyrokit::ScopedCameraHandle uploaded{quint32(id), VY_ALLOW_FW_UPLOAD};
                // Braced: the result is read before the handle is released.
                return Opened{uploaded.result(), uploaded.release()};
            };
            const Opened slow =
                m_slowOpenRunner ? m_slowOpenRunner(openWithUpload) : openWithUpload();
            opened = vyrokit::ScopedCameraHandle::adopt(slow.handle, slow.result);
        }
        if (!opened.isOpen())
            throw std::runtime_error(tr("Could not initialize camera.").toStdString());
        m_opened = std::move(opened);

        if (const int32_t r = vy_GetSensorInfo(handle(), &m_sensor); r != VY_SUCCESS)
            throwSdkError(r);
        if (m_sensor.sensorId == 77 || m_sensor.sensorId == 541 || m_sensor.sensorId == 523) {
            m_opened.close();
            throw std::runtime_error(tr("Unsupported camera type").toStdString());
        }

        if (const int32_t r = vy_SetColorMode(handle(), VY_CM_BAYER_RG8); r != VY_SUCCESS)
            throwSdkError(r);
        m_mode = vy_SetColorMode(handle(), VY_GET_COLOR_MODE);
        quint32 bits = 0;
        if (m_mode == VY_CM_RGB32) {
            bits = 32;
            m_format = QImage::Format_RGB32;
        } else if (m_mode == VY_CM_MONO8 || m_mode == VY_CM_BAYER_RG8) {
            bits = 8;
            m_format = QImage::Format_Indexed8;
        } else {
            m_format = QImage::Format_Invalid;
            throw std::runtime_error(tr("Color Mode not supported.").toStdString());
        }

        vy_HotPixel(handle(), VY_HOTPIXEL_DISABLE_CORRECTION, nullptr, 0);

        VY_AOI_SIZE size{0, 0};
        if (const int32_t r = vy_AOI(handle(), VY_AOI_IMAGE_GET_SIZE_MAX, &size, sizeof size);
            r != VY_SUCCESS)
            throwSdkError(r);
        m_imageRect = {0, 0, size.width, size.height};
        if (const int32_t r =
                vy_AOI(handle(), VY_AOI_IMAGE_SET_AOI, &m_imageRect, sizeof m_imageRect);
            r != VY_SUCCESS)
            throwSdkError(r);

        m_imageSequence.setup(handle(), 3,
                              {quint32(m_imageRect.width), quint32(m_imageRect.height), bits});
        // Without its events an open camera would never deliver a frame.
        if (const int32_t r = m_cameraEventThread.start(
                handle(), {VY_EVENT_FRAME, VY_EVENT_DEVICE_RECONNECT, VY_EVENT_DEVICE_REMOVAL,
                           VY_EVENT_CAPTURE_STATUS});
            r != 0)
            throwSdkError(r);
        startLive();

        m_deviceId = id;
        emit cameraOpened(this);

        m_pixelclock.value = vy_SetPixelClock(handle(), VY_GET_DEFAULT_PIXEL_CLOCK);
        if (const int32_t r = vy_GetFramesPerSecond(handle(), &m_framerate.value); r != VY_SUCCESS)
            throwSdkError(r);
        if (const int32_t r = vy_SetExposureTime(handle(), VY_GET_EXPOSURE_TIME, &m_exposure.value);
            r != VY_SUCCESS)
            throwSdkError(r);
        updatePixelclock();
        updateMastergain();
        m_frames = m_failed = 0;
    } catch (...) {
        close();
        throw;
    }
}

void Camera::close()
{
    if (!isOpen())
        return;
    vy_StopLiveVideo(handle(), VY_WAIT);
    m_cameraEventThread.finish();
    m_imageSequence.clear();
    m_opened.close();
    m_deviceId = 0;
    m_image = QImage();
    m_spare = QImage();
    emit newImage(m_image);
    emit cameraClosed();
}

void Camera::startLive()
{
    if (const int32_t r = vy_CaptureVideo(handle(), VY_DONT_WAIT); r != VY_SUCCESS)
        throwSdkError(r);
}

double Camera::framesPerSecond() const
{
    double fps = 0.0;
    if (!isOpen() || vy_GetFramesPerSecond(handle(), &fps) != VY_SUCCESS)
        return 0.0;
    return fps;
}

QString Camera::serialNumber() const
{
    VY_CAMINFO info;
    std::memset(&info, 0, sizeof info);
    if (vy_GetCameraInfo(handle(), &info) != VY_SUCCESS)
        return QString();
    // The field need not be terminated: never read past it.
    return QString::fromLatin1(info.serialNumber,
                               int(qstrnlen(info.serialNumber, sizeof info.serialNumber)));
}

bool Camera::supportsCameraCorrection() const
{
    quint32 modes = 0;
    return vy_HotPixel(handle(), VY_HOTPIXEL_GET_SUPPORTED_MODES, &modes, sizeof modes) ==
               VY_SUCCESS &&
           (modes & VY_HOTPIXEL_ENABLE_CAMERA_CORRECTION);
}

void Camera::eventReceived(int event)
{
    switch (event) {
    case VY_EVENT_FRAME: {
        // Frames merged while this one waited were received all the same; the buffer taken
        // below is the newest.
        const quint32 merged = m_cameraEventThread.acknowledgeLatest();
        if (isOpen()) {
            m_frames += merged;
            handleFrame();
        }
        break;
    }
    case VY_EVENT_CAPTURE_STATUS:
        if (isOpen())
            ++m_failed;
        break;
    case VY_EVENT_DEVICE_RECONNECT:
        if (isOpen())
            emit cameraReconnect();
        break;
    case VY_EVENT_DEVICE_REMOVAL:
        if (isOpen())
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
    ++m_frames;
    char *last = nullptr;
    if (const int32_t r = vy_GetActSeqBuf(handle(), nullptr, nullptr, &last); r != VY_SUCCESS) {
        emit displayError(sdkErrorText(r), 2000);
        return;
    }
    if (!last || vy_LockSeqBuf(handle(), -1, last) != VY_SUCCESS)
        return;
    takeFrame(reinterpret_cast<const uchar *>(last));
    // The frame is copied: the buffer goes back to the capture at once.
    vy_UnlockSeqBuf(handle(), -1, last);
    if (!m_emittingImage) {
        FlagGuard guard(m_emittingImage);
        emit newImage(m_image);
    }
}

void Camera::takeFrame(const uchar *buffer)
{
    const ImageInfo info = m_imageSequence.info();
    const QSize size(m_imageRect.width, m_imageRect.height);
    // The storage of the frame before the last is reused once no receiver holds it any more;
    // a frame someone keeps (a detection run, a queued receiver) is never written again.
    QImage next;
    if (m_spare.isDetached() && m_spare.size() == size && m_spare.format() == m_format)
        next = std::move(m_spare);
    else {
        next = QImage(size, m_format);
        if (m_format == QImage::Format_Indexed8)
            next.setColorTable(m_greyTable);
    }
    // The SDK packs rows at the image width, which need not be a multiple of four.
    const size_t rowBytes = size_t(info.width) * (info.bitsPerPixel / 8);
    const size_t copied = std::min(rowBytes, size_t(next.bytesPerLine()));
    uchar *bits = next.bits();
    if (rowBytes == size_t(next.bytesPerLine()))
        std::memcpy(bits, buffer, rowBytes * size_t(size.height()));
    else
        for (int y = 0; y < size.height(); ++y)
            std::memcpy(bits + size_t(y) * size_t(next.bytesPerLine()),
                        buffer + size_t(y) * rowBytes, copied);
    m_spare = std::move(m_image);
    m_image = std::move(next);
}

void Camera::setBadPixelCorrection(bool enable)
{
    logged(vy_StopLiveVideo(handle(), VY_WAIT), "vy_StopLiveVideo");
    const double rate = m_framerate.value;
    double minTime = 1.0, maxTime = 1.0, step = 1.0, actual = 0.0;
    logged(vy_GetFrameTimeRange(handle(), &minTime, &maxTime, &step), "vy_GetFrameTimeRange");
    // Switching is quickest at the highest rate.
    if (minTime > 0.0)
        logged(vy_SetFrameRate(handle(), 1.0 / minTime, &actual), "vy_SetFrameRate");
    // The refusal's text is taken at once: the calls that restore the capture come first.
    const int32_t switchResult = vy_HotPixel(
        handle(), enable ? VY_HOTPIXEL_ENABLE_CAMERA_CORRECTION : VY_HOTPIXEL_DISABLE_CORRECTION,
        nullptr, 0);
    const bool switched = logged(switchResult, "vy_HotPixel");
    const QString refusal = switched ? QString() : sdkErrorText(switchResult);
    logged(vy_SetFrameRate(handle(), rate, &actual), "vy_SetFrameRate");
    logged(vy_SetExposureTime(handle(), m_exposure.value, &actual), "vy_SetExposureTime");
    logged(vy_CaptureVideo(handle(), VY_WAIT), "vy_CaptureVideo");
    if (!switched)
        throw std::runtime_error(refusal.toStdString());
}

void Camera::updatePixelclock()
{
    if (const int32_t r = vy_GetPixelClockRange(handle(), &m_pixelclock.min, &m_pixelclock.max);
        r != VY_SUCCESS)
        throwSdkError(r);
    m_pixelclock.inc = 1;
    if (const int32_t r = vy_SetPixelClock(handle(), m_pixelclock.value); r != VY_SUCCESS)
        throwSdkError(r);
    m_pixelclock.value = vy_SetPixelClock(handle(), VY_GET_PIXEL_CLOCK);
    emit pixelclockChanged(m_pixelclock);
    updateFramerate();
}

void Camera::updateFramerate()
{
    double minTime = 1.0, maxTime = 1.0, step = 1.0;
    logged(vy_GetFrameTimeRange(handle(), &minTime, &maxTime, &step), "vy_GetFrameTimeRange");
    // A range the SDK did not fill must not divide by zero.
    if (minTime <= 0.0 || maxTime <= 0.0 || step <= 0.0 || maxTime <= minTime) {
        m_framerate.min = m_framerate.max = m_framerate.value;
        m_framerate.inc = 1.0;
    } else {
        m_framerate.min = 1.0 / maxTime;
        m_framerate.max = 1.0 / minTime;
        m_framerate.inc = (m_framerate.max - m_framerate.min) / ((maxTime - minTime) / step);
    }
    logged(vy_SetFrameRate(handle(), m_framerate.value, &m_framerate.value), "vy_SetFrameRate");
    emit framerateChanged(m_framerate);
    updateExposure();
}

void Camera::updateExposure()
{
    logged(vy_GetExposureRange(handle(), &m_exposure.min, &m_exposure.max, &m_exposure.inc),
           "vy_GetExposureRange");
    logged(vy_SetExposureTime(handle(), m_exposure.value, &m_exposure.value), "vy_SetExposureTime");
    emit exposureChanged(m_exposure);
}

void Camera::updateMastergain()
{
    m_mastergain.value = vy_SetHardwareGain(handle(), VY_GET_MASTER_GAIN, VY_IGNORE_PARAMETER,
                                            VY_IGNORE_PARAMETER, VY_IGNORE_PARAMETER);
    m_mastergain.min = 0;
    m_mastergain.max = 100;
    emit mastergainChanged(m_mastergain);
}

void Camera::setFramerate(double v)
{
    if (m_settingFramerate)
        return;
    FlagGuard guard(m_settingFramerate);
    v = m_framerate.clamp(v);
    if (v != m_framerate.value) {
        m_framerate.value = v;
        logged(vy_SetFrameRate(handle(), v, &m_framerate.value), "vy_SetFrameRate");
        emit framerateChanged(m_framerate);
    }
    updateExposure();
}

void Camera::setExposure(double v)
{
    if (m_settingExposure)
        return;
    FlagGuard guard(m_settingExposure);
    v = m_exposure.clamp(v);
    if (v != m_exposure.value) {
        m_exposure.value = v;
        emit exposureChanged(m_exposure);
    }
    logged(vy_SetExposureTime(handle(), m_exposure.value, &m_exposure.value), "vy_SetExposureTime");
}

void Camera::setMastergain(int v)
{
    if (m_settingMastergain)
        return;
    FlagGuard guard(m_settingMastergain);
    v = qBound(0, v, 100);
    if (v != m_mastergain.value) {
        m_mastergain.value = v;
        emit mastergainChanged(m_mastergain);
    }
    logged(vy_SetHardwareGain(handle(), m_mastergain.value, VY_IGNORE_PARAMETER,
                              VY_IGNORE_PARAMETER, VY_IGNORE_PARAMETER),
           "vy_SetHardwareGain");
}

void Camera::setAutoConfig()
{
    CameraParameterFile::Settings s;
    const CameraParameterFile::Outcome outcome =
        CameraParameterFile::read(CameraParameterFile::defaultFileName(), m_sensor.sensorId, &s);
    if (outcome == CameraParameterFile::Outcome::Unreadable)
        emit displayError(tr("Can't open camera parameter file."), 2000);
    if (outcome != CameraParameterFile::Outcome::Found) {
        applyDefaultConfig();
        return;
    }
    applyPixelclock(m_pixelclock.clamp(s.pixelclock));
    setFramerate(s.framerate);
    applyExposure(m_exposure.clamp(s.exposure));
    if (m_settingMastergain)
        return;
    FlagGuard guard(m_settingMastergain);
    const int master = m_mastergain.clamp(s.master);
    if (master != m_mastergain.value) {
        m_mastergain.value = master;
        emit mastergainChanged(m_mastergain);
    }
    logged(vy_SetHardwareGain(handle(), master, s.red, s.green, s.blue), "vy_SetHardwareGain");
}

void Camera::applyPixelclock(int value)
{
    if (m_settingPixelclock)
        return;
    FlagGuard guard(m_settingPixelclock);
    if (value != m_pixelclock.value) {
        m_pixelclock.value = value;
        emit pixelclockChanged(m_pixelclock);
    }
    logged(vy_SetPixelClock(handle(), value), "vy_SetPixelClock");
    updateFramerate();
}

void Camera::applyExposure(double value)
{
    if (m_settingExposure)
        return;
    FlagGuard guard(m_settingExposure);
    if (value != m_exposure.value) {
        m_exposure.value = value;
        emit exposureChanged(m_exposure);
    }
    logged(vy_SetExposureTime(handle(), value, &m_exposure.value), "vy_SetExposureTime");
}

void Camera::applyDefaultConfig()
{
    // Dark frames want long exposures: the pixel clock is halved until one frame per second is
    // reachable or the clock cannot go lower.
    while (m_framerate.min > 1.0 && !m_settingPixelclock) {
        const int half = m_pixelclock.value / 2;
        if (m_pixelclock.min >= half)
            break;
        applyPixelclock(qMin(half, m_pixelclock.max));
    }
    setFramerate(1.0);
    applyExposure(qMin(qMax(300.0, m_exposure.min), m_exposure.max));
    if (m_settingMastergain)
        return;
    FlagGuard guard(m_settingMastergain);
    const int gain = m_mastergain.clamp(50);
    if (gain != m_mastergain.value) {
        m_mastergain.value = gain;
        emit mastergainChanged(m_mastergain);
    }
    logged(vy_SetHardwareGain(handle(), gain, VY_IGNORE_PARAMETER, VY_IGNORE_PARAMETER,
                              VY_IGNORE_PARAMETER),
           "vy_SetHardwareGain");
}

} // namespace dapplix

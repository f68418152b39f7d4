// dapplix's open camera: opening, live capture into a buffer ring, parameters and events.
#ifndef DAPPLIX_CAMERA_CAMERA_H
#define DAPPLIX_CAMERA_CAMERA_H

#include "dapplix/camera/cameraparameter.h"
#include "dapplix/camera/imageinfo.h"
#include "dapplix/camera/imagesequence.h"
#include "sdk/vyro_api.h"
#include "vyrokit/eventthread.h"
#include "vyrokit/scopedcamerahandle.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <QVector>

#include <functional>

namespace dapplix {

class Camera final : public QObject
{
    Q_OBJECT
public:
    // Starts watching device arrival and removal at once.
    explicit Camera(QObject *parent = nullptr);
    ~Camera() override;

    // Opening a camera that needs its firmware takes about 20 s. A runner runs that opening
    // (off the GUI thread, the window painted meanwhile) and hands back what it gave; without
    // one it runs at once.
    struct Opened
    {
        int32_t result = 0;
        VY_HCAM handle = 0;
    };
    using SlowOpenRunner = std::function<Opened(const std::function<Opened()> &open)>;
    void setSlowOpenRunner(SlowOpenRunner runner) { m_slowOpenRunner = std::move(runner); }

    // Closes any open camera, then opens the device and starts live capture. Throws
    // std::runtime_error with the user message; the camera is closed again on failure.
    void open(int deviceId);
    void close();
    bool isOpen() const { return m_opened.isOpen(); }
    void startLive();

    quint32 frameCount() const { return m_frames; }
    quint32 failedCount() const { return m_failed; }
    // True while a new frame waits for the GUI thread (newImage follows when it gets there).
    bool frameWaiting() const { return m_cameraEventThread.latestPending(); }
    double framesPerSecond() const;
    QString serialNumber() const;
    bool supportsCameraCorrection() const;
    const VY_SENSORINFO &sensorInfo() const { return m_sensor; }
    VY_HCAM handle() const { return isOpen() ? m_opened.handle() : 0; }
    int openDeviceId() const { return m_deviceId; }
    int colorMode() const { return m_mode; }
    QImage::Format imageFormat() const { return m_format; }
    ImageInfo imageInfo() const { return m_imageSequence.info(); }

    const CameraParameter<int> &pixelclockParameter() const { return m_pixelclock; }
    const CameraParameter<double> &framerateParameter() const { return m_framerate; }
    const CameraParameter<double> &exposureParameter() const { return m_exposure; }
    const CameraParameter<int> &mastergainParameter() const { return m_mastergain; }

signals:
    // The camera's own copy of the frame (a null image after close): receivers may keep it, in
    // any thread; the camera never writes into a frame that someone still holds.
    void newImage(const QImage &image);
    void cameraOpened(Camera *camera);
    void cameraClosed();
    void cameraRemoved();
    void cameraReconnect();
    void cameraNewDevice();
    void cameraRemovedDevice();
    void displayError(const QString &msg, int msec);
    void pixelclockChanged(CameraParameter<int> &param);
    void framerateChanged(CameraParameter<double> &param);
    void exposureChanged(CameraParameter<double> &param);
    void mastergainChanged(CameraParameter<int> &param);

public slots:
    void setFramerate(double value);
    void setExposure(double value);
    void setMastergain(int value);
    // Switches the camera's own correction; throws std::runtime_error with the SDK's text when the
    // camera refused, live capture going on either way.
    void setBadPixelCorrection(bool enable);
    // Applies the sensor's entry of the camera parameter file, or settings for dark frames.
    void setAutoConfig();
    void updatePixelclock();
    void updateFramerate();
    void updateExposure();
    void updateMastergain();
    void eventReceived(int event);

private:
    Q_DISABLE_COPY(Camera)

    // The shared text of a failed call's result, taken right after it on this thread.
    [[noreturn]] void throwSdkError(int32_t result) const;
    QString sdkErrorText(int32_t result) const;
    // A call whose failure no box reports: logs it, and answers whether it succeeded.
    bool logged(int32_t result, const char *call) const;
    void handleFrame();
    // Copies the locked SDK buffer into the frame storage and makes it the current frame.
    void takeFrame(const uchar *buffer);
    void applyPixelclock(int value);
    void applyExposure(double value);
    void applyDefaultConfig();

    vyrokit::EventThread m_deviceEventThread;
    vyrokit::EventThread m_cameraEventThread;
    SlowOpenRunner m_slowOpenRunner;
    int m_deviceId = 0;
    vyrokit::ScopedCameraHandle m_opened;
    VY_SENSORINFO m_sensor{};
    VY_AOI_RECT m_imageRect{0, 0, 0, 0};
    quint32 m_frames = 0;
    quint32 m_failed = 0;
    ImageSequence m_imageSequence;
    int m_mode = VY_CM_BAYER_RG8;
    QImage::Format m_format = QImage::Format_Invalid;
    // The current frame and the one before it, whose storage the next frame reuses when no
    // receiver holds it any more.
    QImage m_image;
    QImage m_spare;
    QVector<QRgb> m_greyTable;
    CameraParameter<int> m_pixelclock;
    CameraParameter<double> m_framerate;
    CameraParameter<double> m_exposure;
    CameraParameter<int> m_mastergain;
    // Nested frame handling (a receiver that runs an event loop inside newImage) skips the
    // emission instead of recursing.
    bool m_emittingImage = false;
    // Re-entry guards of the setters: a widget updated by a change signal calls back.
    bool m_settingFramerate = false;
    bool m_settingExposure = false;
    bool m_settingMastergain = false;
    bool m_settingPixelclock = false;
};

} // namespace dapplix

#endif // DAPPLIX_CAMERA_CAMERA_H

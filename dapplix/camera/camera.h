// dapplix's open camera: opening, live capture into a buffer ring, parameters and events.
#ifndef DAPPLIX_CAMERA_CAMERA_H
#define DAPPLIX_CAMERA_CAMERA_H

#include "dapplix/camera/cameraparameter.h"
#include "dapplix/camera/eventthread.h"
#include "dapplix/camera/imageinfo.h"
#include "dapplix/camera/imagesequence.h"
#include "sdk/vyro_api.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <QVector>

class Camera final : public QObject
{
    Q_OBJECT
public:
    // Starts watching device arrival and removal at once.
    explicit Camera(QObject *parent = nullptr);
    ~Camera() override;

    // Closes any open camera, then opens the device and starts live capture. Throws
    // std::runtime_error with the user message; the camera is closed again on failure.
    void open(int deviceId);
    void close();
    bool isOpen() const { return cameraHandle != 0; }
    void startLive();

    quint32 frameCount() const { return frames; }
    quint32 failedCount() const { return failed; }
    double framesPerSecond() const;
    QString serialNumber() const;
    bool supportsCameraCorrection() const;
    const VY_SENSORINFO &sensorInfo() const { return sensor; }
    VY_HCAM handle() const { return cameraHandle; }
    int openDeviceId() const { return deviceId; }
    int colorMode() const { return mode; }
    QImage::Format imageFormat() const { return format; }
    ImageInfo imageInfo() const { return imageSequence.info(); }

    const CameraParameter<int> &pixelclockParameter() const { return pixelclock; }
    const CameraParameter<double> &framerateParameter() const { return framerate; }
    const CameraParameter<double> &exposureParameter() const { return exposure; }
    const CameraParameter<int> &mastergainParameter() const { return mastergain; }

signals:
    // The image wraps an SDK buffer that is only valid during the emission; receivers copy it.
    void newImage(QImage &image);
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
    void setBadPixelCorrection(bool enable);
    void updatePixelclock();
    void updateFramerate();
    void updateExposure();
    void updateMastergain();
    void eventReceived(int event);

private:
    Q_DISABLE_COPY(Camera)

    [[noreturn]] void throwSdkError() const;
    QString sdkErrorText() const;
    void stopThread(EventThread &thread);
    void handleFrame();

    EventThread deviceEventThread;
    EventThread cameraEventThread;
    int deviceId = 0;
    VY_HCAM cameraHandle = 0;
    VY_SENSORINFO sensor{};
    VY_AOI_RECT imageRect{0, 0, 0, 0};
    quint32 frames = 0;
    quint32 failed = 0;
    ImageSequence imageSequence;
    int mode = VY_CM_BAYER_RG8;
    QImage::Format format = QImage::Format_Invalid;
    QImage image;
    QVector<QRgb> greyTable;
    CameraParameter<int> pixelclock;
    CameraParameter<double> framerate;
    CameraParameter<double> exposure;
    CameraParameter<int> mastergain;
};

#endif // DAPPLIX_CAMERA_CAMERA_H

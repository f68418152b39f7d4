// camerainfo.h: the camera information dialog: camera ID, user EEPROM, liquid lens, parameter
// set, camera memory and the fixed-pattern-noise (FPN) calibration of one camera.
#ifndef ZENTARA_DEVINFO_CAMERAINFO_H
#define ZENTARA_DEVINFO_CAMERAINFO_H

#include <QByteArray>
#include <QDialog>
#include <QString>

#include <cstdint>
#include <optional>

#include "sdk/vyro_api.h"
#include "vyrokit/scopedcamerahandle.h"
#include "zentara/inventory/camera.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

// Works on a copy of the camera record. The camera is opened for one operation at a time and
// closed again; in between, reads address the unopened device. Build it, call load(), and run
// it only when load() returned true.
class CameraInfo final : public QDialog
{
    Q_OBJECT
public:
    explicit CameraInfo(const zentara::Camera &camera, QWidget *parent = nullptr);
    ~CameraInfo() override;

    // Reads everything the dialog shows. False when it must not be shown: the user declined the
    // firmware upload, or the camera could not be opened (the message has been shown).
    bool load();

    // Sensors whose cameras can be FPN calibrated.
    static bool isFpnCapable(uint32_t sensorId);

    // The EEPROM line's text as bytes: hexadecimal digits, two per byte (white space between
    // them is ignored), or Latin-1 characters. nullopt, with a sentence for the user in
    // *problem, for any other character or a last digit without its pair.
    static std::optional<QByteArray> eepromBytesOf(const QString &text, bool hex,
                                                   QString *problem = nullptr);
    // Bytes as the line shows them: upper-case hexadecimal digits, or Latin-1 up to the first
    // zero byte.
    static QString eepromTextOf(const QByteArray &bytes, bool hex);

    QSpinBox *cameraIdBox() const { return m_cameraIdBox; }
    QLineEdit *eepromEdit() const { return m_eepromEdit; }
    QCheckBox *hexCheck() const { return m_hexCheck; }
    QLineEdit *manufacturerEdit() const { return m_manufacturerEdit; }
    QLineEdit *qcDateEdit() const { return m_qcDateEdit; }
    QGroupBox *deviceGroup() const { return m_deviceGroup; }
    QGroupBox *lensGroup() const { return m_lensGroup; }
    QComboBox *lensCombo() const { return m_lensCombo; }
    QGroupBox *parameterGroup() const { return m_parameterGroup; }
    QRadioButton *parameterSetRadio() const { return m_parameterSetRadio; }
    QRadioButton *defaultParameterRadio() const { return m_defaultParameterRadio; }
    QPushButton *eraseParameterButton() const { return m_eraseParameterButton; }
    QGroupBox *memoryGroup() const { return m_memoryGroup; }
    QCheckBox *memoryCheck() const { return m_memoryCheck; }
    QGroupBox *fpnGroup() const { return m_fpnGroup; }
    QLabel *fpnStatusLabel() const { return m_fpnStatus; }
    // The resource path of the FPN status icon shown.
    QString fpnIconPath() const { return m_fpnIconPath; }
    QPushButton *runFpnButton() const { return m_runFpnButton; }
    QCheckBox *fpnLoadingCheck() const { return m_fpnLoadingCheck; }
    QDialogButtonBox *buttonBox() const { return m_buttons; }

signals:
    // An FPN calibration ended with this result (the dialog's messages have been shown).
    void fpnCalibrationFinished(int result);

public slots:
    void onOK();
    void onRunFPNCalibration();
    void onCheckBoxFpnUserEnable(int value);
    void onRadioParameterChanged();
    void onEraseParameterSet();
    void onMemoryMode();
    void onHexCheckChanged(bool enabled);

private:
    Q_DISABLE_COPY(CameraInfo)

    void buildWidgets();
    // Whether operations open the camera at all: old starter firmware on a network camera, an
    // FPN-capable sensor, and for the OK button also vision-standard devices.
    bool needsOpening(bool forWriting) const;
    // vy_InitCamera with the device's address, or with the upload flag; the code.
    int32_t openCamera(bool allowUpload);
    void closeCamera();
    // The open handle, else the unopened address.
    VY_HCAM handle() const;

    void loadEeprom();
    void loadFactoryInfo();
    void loadLens();
    void loadParameterSet();
    void loadMemoryMode();
    void refreshFpnState();
    void setFpnStatus(const QString &iconPath, const QString &text);

    int32_t writeCameraId(int cameraId);
    int32_t writeEeprom(const QByteArray &bytes);
    int32_t writeLens(uint8_t lensType);
    // The 64-byte EEPROM block the line holds now; nullopt with the reason in *problem when
    // the line holds no bytes or more than 64.
    std::optional<QByteArray> eepromBlock(QString *problem = nullptr) const;

    zentara::Camera m_camera;
    // The camera ID the camera holds as far as this dialog knows.
    uint32_t m_cameraId = 0;
    // The EEPROM block as last read or written, to see a change.
    QByteArray m_eepromBlock;
    uint8_t m_lensType = 0;
    uint16_t m_lensDataLength = 0;
    // The lens data as read; a write changes only its type byte.
    QByteArray m_lensData;
    uint16_t m_hardwareVariant = 0;

    vyrokit::ScopedCameraHandle m_opened;

    QGroupBox *m_deviceGroup = nullptr;
    QLineEdit *m_manufacturerEdit = nullptr;
    QLineEdit *m_qcDateEdit = nullptr;
    QSpinBox *m_cameraIdBox = nullptr;
    QLabel *m_eepromLabel = nullptr;
    QLineEdit *m_eepromEdit = nullptr;
    QCheckBox *m_hexCheck = nullptr;
    QGroupBox *m_lensGroup = nullptr;
    QComboBox *m_lensCombo = nullptr;
    QGroupBox *m_parameterGroup = nullptr;
    QRadioButton *m_parameterSetRadio = nullptr;
    QRadioButton *m_defaultParameterRadio = nullptr;
    QPushButton *m_eraseParameterButton = nullptr;
    QGroupBox *m_memoryGroup = nullptr;
    QCheckBox *m_memoryCheck = nullptr;
    QGroupBox *m_fpnGroup = nullptr;
    QLabel *m_fpnIcon = nullptr;
    QLabel *m_fpnStatus = nullptr;
    QString m_fpnIconPath;
    QPushButton *m_runFpnButton = nullptr;
    QCheckBox *m_fpnLoadingCheck = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};

#endif // ZENTARA_DEVINFO_CAMERAINFO_H

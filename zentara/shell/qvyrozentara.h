// qvyrozentara.h: zentara's main window: camera list, control area, device details.
#ifndef ZENTARA_SHELL_QVYROZENTARA_H
#define ZENTARA_SHELL_QVYROZENTARA_H

#include <QColor>
#include <QList>
#include <QMainWindow>
#include <QString>
#include <QTranslator>

#include <functional>

#include "zentara/inventory/camera.h"
#include "zentara/shell/corestates.h"
#include "zentara/shell/statusline.h"

class AutoConfigurationController;
class CameraList;
class DeviceInfoView;
class DialogRunner;
class FirmwareUploadController;
class IdentifyController;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;

class QVyroZentara final : public QMainWindow
{
    Q_OBJECT
public:
    static constexpr int serviceIntervalMs = 4000;
    // After Start or Stop the daemons are watched this often until they change, for at most
    // followServiceMs: a command through pkexec ends only when the user has answered it.
    static constexpr int followIntervalMs = 200;
    static constexpr int followServiceMs = 60000;

    // The window runs every tool dialog through dialogs, which must outlive it.
    explicit QVyroZentara(DialogRunner &dialogs, QWidget *parent = nullptr);
    // The translations are looked up in translationDir instead of the default.
    QVyroZentara(DialogRunner &dialogs, const QString &translationDir, QWidget *parent = nullptr);
    ~QVyroZentara() override;

    // The folder the language combo lists: "lang/zentara" below the program's directory in the
    // build, the installed data directory's otherwise.
    static QString defaultTranslationDirectory();
    // The size of a window with no saved geometry: what its contents want, at least the minimum
    // and tall enough for a useful part of the device tree, but never beyond the screen's room.
    static QSize firstStartSize(const QSize &wanted, const QSize &minimum, const QSize &available);
    // The most a window may take of a screen's available size.
    static QSize roomOn(const QSize &available);
    QString translationDirectory() const { return m_translationDir; }

    CoreStates daemonStates() const { return m_daemonStates; }
    // The file name the support file is written to; the window asks the user with a save
    // dialog unless a test replaces the question.
    using FileQuestion = std::function<QString(QWidget *parent)>;
    void setSupportFileQuestion(FileQuestion question)
    {
        m_supportFileQuestion = std::move(question);
    }

signals:
    void vyrodStatusChanged(const CoreStates &status);
    void firmwareUploadFinished();
    void identifyFinished();

public slots:
    void onServiceTimer();
    // Start or Stop was asked for: the daemon line and lights follow as soon as it is done.
    void followDaemonControl();
    void OnCameraInfoDlg();
    void openCameraInfoDialog(const zentara::Camera &camera);
    void OnCameraListRefresh();
    void onManualEthConfig();
    void onAutoConfig();
    void onMulticastDialog();
    void onGeneralInfo();
    void onWriteSupportFile();
    void onUploadFirmware();
    void slotLanguageChanged(int index);
    void onReadSupportFile();
    void onCameraListChanged();
    void onAutoConfigFinished(int result);
    void onAddCameraInfo();
    void onOpenComportDlg();
    void OnAdditionalFunctionsDlg();
    void onIdentifyCamera(const zentara::Camera &camera);
    void onOpenCamera(const QList<zentara::Camera> &cameras);
    void onCurrentCameraChanged(const camera::optional &camera, bool clicked);
    void Printer(const QString &text, const QColor &textcolour, bool bShowProgress);
    void enableExpertView(bool enable);
    void UpdateDeviceInfo(const zentara::Camera *camera, bool force_reset);
    void UpdateControls();
    void onFirmwareUploadFinished(uint32_t deviceId, int result, const QString &message);
    void onEthDaemonConfig();

protected:
    void changeEvent(QEvent *event) override;

private:
    Q_DISABLE_COPY(QVyroZentara)

    void createWidgets();
    void createLayout();
    void connectSignals();
    void fillLanguageList();
    void retranslateUi();
    void applyDriverMulticastDefault();
    void restoreSettings();
    void saveSettings() const;
    void loadLanguage(const QString &localeName);
    void showDaemonText();
    // An answer to what the user did, shown above the camera's status sentence until the next
    // answer or action; one about a device (not StatusLine::noDevice) only while that device is
    // selected.
    void showNotice(const QString &text, const QColor &colour, uint32_t deviceId);
    // While busy the window refuses other actions and shows the busy indicator.
    void setBusy(bool busy);
    void onIdentifyFinished();
    void removeReadOnlyDevice();
    QString askSupportFileName();
    // After a language change: as large as the new texts want, within the screen.
    void growToContents();
    void setPicture(const QString &resource);
    static bool cameraInfoRefused(const zentara::Camera &camera);

    DialogRunner &m_dialogs;
    QString m_translationDir;
    QTranslator m_translator;
    QTranslator m_qtTranslator;

    CameraList *m_cameraList = nullptr;
    DeviceInfoView *m_deviceInfo = nullptr;
    camera::optional m_selected;

    QGroupBox *m_listGroup = nullptr;
    QGroupBox *m_controlGroup = nullptr;
    QGroupBox *m_detailsGroup = nullptr;
    QCheckBox *m_expertBox = nullptr;
    QCheckBox *m_refreshBox = nullptr;
    QPushButton *m_cameraInfoButton = nullptr;
    QPushButton *m_generalInfoButton = nullptr;
    QPushButton *m_uploadFirmwareButton = nullptr;
    QPushButton *m_supportFileButton = nullptr;
    QPushButton *m_daemonButton = nullptr;
    QPushButton *m_additionalButton = nullptr;
    QPushButton *m_manualEthButton = nullptr;
    QPushButton *m_autoEthButton = nullptr;
    QPushButton *m_addCameraInfoButton = nullptr;
    QPushButton *m_readSupportButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    QLabel *m_logoLabel = nullptr;
    QLabel *m_pictureLabel = nullptr;
    QLabel *m_statusLabel = nullptr;
    QLabel *m_discontinuedLabel = nullptr;
    QLabel *m_busyLabel = nullptr;
    QLabel *m_rootLabel = nullptr;
    StatusLine *m_statusLine = nullptr;
    QComboBox *m_languageCombo = nullptr;
    QTimer *m_serviceTimer = nullptr;
    int m_followPolls = 0;

    CoreStates m_daemonStates;
    // The flows that run off the GUI thread; each waits for its work when the window goes.
    IdentifyController *m_identify = nullptr;
    FirmwareUploadController *m_upload = nullptr;
    AutoConfigurationController *m_autoConfig = nullptr;
    FileQuestion m_supportFileQuestion;
};

#endif // ZENTARA_SHELL_QVYROZENTARA_H

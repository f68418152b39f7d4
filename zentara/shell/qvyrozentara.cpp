// qvyrozentara.cpp: zentara's main window.
#include "zentara/shell/qvyrozentara.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPixmap>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QVBoxLayout>

#include <array>

#include <unistd.h>

#include "sdk/vyro_api.h"
#include "sdk/vyro_device.h"
#include "vyrokit/networkaddress.h"
#include "vyrokit/privileges.h"
#include "vyrokit/productinfo.h"
#include "vyrokit/richtext.h"
#include "vyrokit/sdkerror.h"
#include "vyrokit/sdkquery.h"
#include "vyrokit/translationdirectory.h"
#include "zentara/devinfo/deviceinfoview.h"
#include "zentara/inventory/cameralist.h"
#include "zentara/inventory/camerastatus.h"
#include "zentara/inventory/cameratableview.h"
#include "zentara/inventory/cameraverdict.h"
#include "zentara/network/multicastcommands.h"
#include "zentara/shell/autoconfiguration.h"
#include "zentara/shell/autoconfigurationcontroller.h"
#include "zentara/shell/dialogrunner.h"
#include "zentara/shell/firmwareupload.h"
#include "zentara/shell/firmwareuploadcontroller.h"
#include "zentara/shell/identifycontroller.h"
#include "zentara/shell/supportfile.h"

using zentara::Camera;

namespace {

const char *const settingsGroup = "mainWindow";
const QSize maxPictureSize(200, 110);

QSettings windowSettings()
{
    // Not the maker text: the settings stay where they are whatever the product is called.
    return QSettings(QStringLiteral("Orv"), QStringLiteral("Zentara"));
}

bool daemonConnected(uint32_t command)
{
    using DaemonInfo = std::array<char, VY_FUNC_DAEMON_INFO_SIZE>;
    return vyrokit::query<DaemonInfo>(vy_Func, VY_DRIVER_HANDLE, command).has_value();
}

// The system locale's name cut at its last "_" ("de_DE" gives "de").
QString systemLanguage()
{
    const QString name = QLocale::system().name();
    const int cut = name.lastIndexOf(QLatin1Char('_'));
    return cut > 0 ? name.left(cut) : name;
}

} // namespace

QVyroZentara::QVyroZentara(DialogRunner &dialogs, QWidget *parent)
    : QVyroZentara(dialogs, defaultTranslationDirectory(), parent)
{
}

QVyroZentara::QVyroZentara(DialogRunner &dialogs, const QString &translationDir, QWidget *parent)
    : QMainWindow(parent), m_dialogs(dialogs), m_translationDir(translationDir)
{
    Camera::registerMetaTypes();
    qRegisterMetaType<CoreStates>("CoreStates");

    createWidgets();
    createLayout();
    connectSignals();
    fillLanguageList();
    retranslateUi();
    setMinimumSize(800, 600);
    resize(minimumSize());

    applyDriverMulticastDefault();
    m_selected = m_cameraList->currentCamera();
    UpdateControls();
    onServiceTimer();
    m_serviceTimer->start(serviceIntervalMs);
    restoreSettings();
    UpdateDeviceInfo(m_selected ? &*m_selected : nullptr, false);
    UpdateControls();
}

QVyroZentara::~QVyroZentara()
{
    saveSettings();
}

QString QVyroZentara::defaultTranslationDirectory()
{
    return vyrokit::TranslationDirectory::forProgram(QStringLiteral("zentara"));
}

QSize QVyroZentara::firstStartSize(const QSize &wanted, const QSize &minimum,
                                   const QSize &available)
{
    constexpr int usefulHeight = 820;
    const QSize room = roomOn(available);
    return wanted.expandedTo(QSize(minimum.width(), qMax(minimum.height(), usefulHeight)))
        .boundedTo(room);
}

QSize QVyroZentara::roomOn(const QSize &available)
{
    // Room for the title bar and frame that the window system adds around the window.
    constexpr int frameWidth = 16, frameHeight = 48;
    return QSize(available.width() - frameWidth, available.height() - frameHeight);
}

void QVyroZentara::growToContents()
{
    const QScreen *shown = screen();
    if (!shown || isMaximized() || isFullScreen())
        return;
    // The list's wish has changed with its columns; the layouts ask it again.
    m_cameraList->view()->updateGeometry();
    for (QWidget *w : {static_cast<QWidget *>(m_cameraList), static_cast<QWidget *>(m_listGroup),
                       centralWidget(), static_cast<QWidget *>(this)})
        if (w->layout())
            w->layout()->invalidate();
    const QSize room = roomOn(shown->availableGeometry().size());
    QSize grown = size().expandedTo(sizeHint());
    // The list's columns may want more than the layouts hand on: it gets what it lacks.
    const QWidget *view = m_cameraList->view();
    grown.setWidth(qMax(grown.width(), width() + view->sizeHint().width() - view->width()));
    grown = grown.boundedTo(room.expandedTo(size()));
    if (grown != size())
        resize(grown);
}

void QVyroZentara::createWidgets()
{
    m_identify = new IdentifyController(this);
    m_upload = new FirmwareUploadController(this);
    m_autoConfig = new AutoConfigurationController(this);

    auto *central = new QWidget(this);
    setCentralWidget(central);

    m_listGroup = new QGroupBox(central);
    m_cameraList = new CameraList(m_listGroup);
    m_cameraList->setObjectName(QStringLiteral("cameraList"));

    m_controlGroup = new QGroupBox(central);
    m_expertBox = new QCheckBox(m_controlGroup);
    m_expertBox->setObjectName(QStringLiteral("expertBox"));
    m_refreshBox = new QCheckBox(m_controlGroup);
    m_refreshBox->setObjectName(QStringLiteral("refreshBox"));
    m_refreshBox->setEnabled(false);

    auto button = [this](const char *name) {
        auto *b = new QPushButton(m_controlGroup);
        b->setObjectName(QLatin1String(name));
        return b;
    };
    m_cameraInfoButton = button("cameraInfoButton");
    m_generalInfoButton = button("generalInfoButton");
    m_uploadFirmwareButton = button("uploadFirmwareButton");
    m_supportFileButton = button("supportFileButton");
    m_daemonButton = button("daemonButton");
    m_additionalButton = button("additionalButton");
    m_manualEthButton = button("manualEthButton");
    m_autoEthButton = button("autoEthButton");
    m_addCameraInfoButton = button("addCameraInfoButton");
    m_readSupportButton = button("readSupportButton");
    m_closeButton = button("closeButton");
    m_addCameraInfoButton->hide();
    m_readSupportButton->hide();

    m_logoLabel = new QLabel(m_controlGroup);
    m_logoLabel->setAlignment(Qt::AlignCenter);
    m_logoLabel->setPixmap(QPixmap(QStringLiteral(":/images/logo_orv.png")));

    m_languageCombo = new QComboBox(m_controlGroup);
    m_languageCombo->setObjectName(QStringLiteral("languageCombo"));
    m_languageCombo->setIconSize(QSize(24, 16));

    m_pictureLabel = new QLabel(central);
    m_pictureLabel->setObjectName(QStringLiteral("pictureLabel"));
    m_pictureLabel->setAlignment(Qt::AlignCenter);
    m_pictureLabel->setMinimumSize(maxPictureSize.width(), 80);

    m_statusLabel = new QLabel(central);
    m_statusLabel->setObjectName(QStringLiteral("statusLabel"));
    m_statusLabel->setMinimumHeight(60);
    m_statusLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_discontinuedLabel = new QLabel(central);
    m_discontinuedLabel->setObjectName(QStringLiteral("discontinuedLabel"));
    m_discontinuedLabel->setWordWrap(true);
    m_discontinuedLabel->hide();

    m_busyLabel = new QLabel(central);
    m_busyLabel->setObjectName(QStringLiteral("busyLabel"));
    m_busyLabel->setMaximumWidth(38);
    m_statusLine = new StatusLine(m_statusLabel, m_busyLabel, this);

    m_rootLabel = new QLabel(central);
    m_rootLabel->setObjectName(QStringLiteral("rootLabel"));
    m_rootLabel->setVisible(getuid() == 0);

    m_detailsGroup = new QGroupBox(central);
    m_deviceInfo = new DeviceInfoView(m_detailsGroup);
    m_deviceInfo->setObjectName(QStringLiteral("deviceInfoView"));
    m_detailsGroup->hide();

    m_serviceTimer = new QTimer(this);
    m_serviceTimer->setObjectName(QStringLiteral("serviceTimer"));

    setWindowIcon(QIcon(QStringLiteral(":/images/Vyro Manager.ico")));

    setTabOrder(m_expertBox, m_refreshBox);
    setTabOrder(m_refreshBox, m_generalInfoButton);
    setTabOrder(m_generalInfoButton, m_cameraInfoButton);
    setTabOrder(m_cameraInfoButton, m_supportFileButton);
    setTabOrder(m_supportFileButton, m_daemonButton);
    setTabOrder(m_daemonButton, m_manualEthButton);
    setTabOrder(m_manualEthButton, m_additionalButton);
}

void QVyroZentara::createLayout()
{
    auto *listLayout = new QVBoxLayout(m_listGroup);
    listLayout->addWidget(m_cameraList);

    auto *detailsLayout = new QVBoxLayout(m_detailsGroup);
    detailsLayout->addWidget(m_deviceInfo);

    auto *controls = new QVBoxLayout(m_controlGroup);
    controls->addWidget(m_logoLabel);
    controls->addWidget(m_expertBox);
    controls->addWidget(m_refreshBox);
    controls->addSpacing(4);
    for (QPushButton *b :
         {m_generalInfoButton, m_cameraInfoButton, m_addCameraInfoButton, m_manualEthButton,
          m_autoEthButton, m_uploadFirmwareButton, m_supportFileButton, m_readSupportButton,
          m_daemonButton, m_additionalButton})
        controls->addWidget(b);
    controls->addStretch(1);
    controls->addWidget(m_languageCombo);
    controls->addWidget(m_closeButton);

    auto *left = new QVBoxLayout;
    left->addWidget(m_listGroup, 1);
    left->addWidget(m_detailsGroup, 1);

    auto *status = new QHBoxLayout;
    status->addWidget(m_pictureLabel);
    status->addWidget(m_busyLabel);
    auto *texts = new QVBoxLayout;
    texts->addWidget(m_statusLabel, 1);
    texts->addWidget(m_discontinuedLabel);
    texts->addWidget(m_rootLabel);
    status->addLayout(texts, 1);

    auto *grid = new QGridLayout(centralWidget());
    grid->addLayout(left, 0, 0);
    // The control area keeps its natural width; the list takes the rest.
    m_controlGroup->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    grid->addWidget(m_controlGroup, 0, 1);
    grid->addLayout(status, 1, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(0, 1);
}

void QVyroZentara::connectSignals()
{
    connect(m_expertBox, &QCheckBox::toggled, this, &QVyroZentara::enableExpertView);
    connect(m_refreshBox, &QCheckBox::clicked, m_cameraList, &CameraList::setAutoRefresh);
    connect(m_cameraInfoButton, &QPushButton::clicked, this, &QVyroZentara::OnCameraInfoDlg);
    connect(m_generalInfoButton, &QPushButton::clicked, this, &QVyroZentara::onGeneralInfo);
    connect(m_additionalButton, &QPushButton::clicked, this,
            &QVyroZentara::OnAdditionalFunctionsDlg);
    connect(m_manualEthButton, &QPushButton::clicked, this, &QVyroZentara::onManualEthConfig);
    connect(m_autoEthButton, &QPushButton::clicked, this, &QVyroZentara::onAutoConfig);
    connect(m_uploadFirmwareButton, &QPushButton::clicked, this, &QVyroZentara::onUploadFirmware);
    connect(m_supportFileButton, &QPushButton::clicked, this, &QVyroZentara::onWriteSupportFile);
    connect(m_daemonButton, &QPushButton::clicked, this, &QVyroZentara::onEthDaemonConfig);
    connect(m_readSupportButton, &QPushButton::clicked, this, &QVyroZentara::onReadSupportFile);
    connect(m_addCameraInfoButton, &QPushButton::clicked, this, &QVyroZentara::onAddCameraInfo);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(m_serviceTimer, &QTimer::timeout, this, &QVyroZentara::onServiceTimer);
    connect(m_upload, &FirmwareUploadController::finished, this,
            &QVyroZentara::onFirmwareUploadFinished);
    connect(m_autoConfig, &AutoConfigurationController::finished, this,
            &QVyroZentara::onAutoConfigFinished);
    connect(m_identify, &IdentifyController::finished, this, &QVyroZentara::onIdentifyFinished);

    connect(m_cameraList, &CameraList::cameraChanged, this, &QVyroZentara::onCurrentCameraChanged);
    connect(m_cameraList, &CameraList::openCamera, this, &QVyroZentara::onOpenCamera);
    connect(m_cameraList, &CameraList::identCamera, this, &QVyroZentara::onIdentifyCamera);
    connect(m_cameraList, &CameraList::openIPSettings, this, &QVyroZentara::onManualEthConfig);
    connect(m_cameraList, &CameraList::openMulticastSettings, this,
            &QVyroZentara::onMulticastDialog);
    connect(m_cameraList, &CameraList::deletePMC, this, &QVyroZentara::removeReadOnlyDevice);
    connect(m_cameraList, &CameraList::openCameraInfo, this, &QVyroZentara::openCameraInfoDialog);
    connect(m_cameraList, &CameraList::cameraListChanged, this, &QVyroZentara::onCameraListChanged);
    connect(m_cameraList, &CameraList::openComportDlg, this, &QVyroZentara::onOpenComportDlg);

    connect(m_languageCombo, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &QVyroZentara::slotLanguageChanged);
}

void QVyroZentara::fillLanguageList()
{
    const QString prefix = QStringLiteral("zentara_");
    const QString suffix = QStringLiteral(".qm");
    const QStringList files =
        QDir(m_translationDir)
            .entryList({prefix + QLatin1Char('*') + suffix}, QDir::Files, QDir::Name);
    {
        const QSignalBlocker blocker(m_languageCombo);
        for (const QString &file : files) {
            const QString name =
                file.mid(prefix.size(), file.size() - prefix.size() - suffix.size());
            if (name.isEmpty())
                continue;
            const QLocale locale(name);
            m_languageCombo->addItem(QIcon(QStringLiteral(":/images/lang/%1.png").arg(name)),
                                     locale.nativeLanguageName() + QStringLiteral(" (") +
                                         locale.nativeCountryName() + QLatin1Char(')'),
                                     name);
        }
    }
    if (m_languageCombo->count() == 0)
        return;

    QSettings settings = windowSettings();
    settings.beginGroup(QLatin1String(settingsGroup));
    const QString system = systemLanguage();
    const QString wanted = settings
                               .value(QStringLiteral("selectedLanguage"),
                                      system.isEmpty() ? QStringLiteral("en") : system)
                               .toString();
    int index = m_languageCombo->findData(wanted);
    if (index < 0)
        index = m_languageCombo->findData(QStringLiteral("en"));
    if (index < 0)
        index = 0;
    {
        const QSignalBlocker blocker(m_languageCombo);
        m_languageCombo->setCurrentIndex(index);
    }
    slotLanguageChanged(index);
}

void QVyroZentara::retranslateUi()
{
    const QString family = vyrokit::ProductInfo::family();
    setWindowTitle(tr("%1 Zentara").arg(vyrokit::ProductInfo::maker()));
    m_listGroup->setTitle(tr("Camera list"));
    m_controlGroup->setTitle(tr("Control area"));
    m_detailsGroup->setTitle(tr("Device details"));

    m_expertBox->setText(tr("Expert mode"));
    m_expertBox->setToolTip(tr("Show/hide detailed information view"));
    m_refreshBox->setText(tr("Automatic parameter refresh"));
    m_refreshBox->setToolTip(tr("Enables/Disables the automatic refresh of the detailed "
                                "information view"));
    m_cameraInfoButton->setText(tr("Camera information"));
    m_cameraInfoButton->setToolTip(tr("Show additional camera information"));
    m_generalInfoButton->setText(tr("General information"));
    m_generalInfoButton->setToolTip(tr("Show general information dialog"));
    m_uploadFirmwareButton->setText(tr("Upload starter firmware"));
    m_uploadFirmwareButton->setToolTip(tr("Upload a runtime firmware manually"));
    m_supportFileButton->setText(tr("Create support file"));
    m_supportFileButton->setToolTip(tr("Create a support file with important system\n and %1 "
                                       "information for sending to the %2 support")
                                        .arg(family, vyrokit::ProductInfo::maker()));
    m_daemonButton->setText(tr("Daemon control"));
    m_daemonButton->setToolTip(tr("Show control dialog for ETH and USB daemon\ne.g. to "
                                  "start/stop the ETH and USB daemon."));
    m_additionalButton->setText(tr("Additional functions"));
    m_manualEthButton->setText(tr("Manual ETH configuration"));
    m_manualEthButton->setToolTip(tr("Show network device configuration dialog"));
    m_autoEthButton->setText(tr("Automatic ETH configuration"));
    m_autoEthButton->setToolTip(tr("Automatic network configuration"));
    m_addCameraInfoButton->setText(tr("Additional Camera Info"));
    m_addCameraInfoButton->setToolTip(tr("Show additional camera information"));
    m_readSupportButton->setText(tr("Read support file"));
    m_closeButton->setText(tr("Close"));
    m_closeButton->setToolTip(tr("Quits the application window"));

    m_rootLabel->setText(
        QStringLiteral("<b>%1</b>")
            .arg(vyrokit::RichText::coloured(QStringLiteral("#FF0000"),
                                             tr("The %1 Zentara is running with root privileges!")
                                                 .arg(vyrokit::ProductInfo::maker()))));
}

void QVyroZentara::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::LanguageChange:
        retranslateUi();
        // The status sentence is a translated text as well.
        UpdateControls();
        // Once every child has its new texts, make room for the longer ones.
        QTimer::singleShot(0, this, &QVyroZentara::growToContents);
        break;
    case QEvent::LocaleChange: {
        const QString name = systemLanguage();
        const int index = m_languageCombo->findData(name);
        if (index >= 0)
            m_languageCombo->setCurrentIndex(index);
        else
            loadLanguage(name);
        break;
    }
    default:
        break;
    }
    QMainWindow::changeEvent(event);
}

void QVyroZentara::slotLanguageChanged(int index)
{
    if (index < 0)
        return;
    loadLanguage(m_languageCombo->itemData(index).toString());
}

void QVyroZentara::loadLanguage(const QString &localeName)
{
    QCoreApplication::removeTranslator(&m_translator);
    QCoreApplication::removeTranslator(&m_qtTranslator);
    if (m_translator.load(QStringLiteral("zentara_%1").arg(localeName), m_translationDir))
        QCoreApplication::installTranslator(&m_translator);
    if (m_qtTranslator.load(QStringLiteral("qtbase_%1").arg(localeName),
                            QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qtTranslator);
}

void QVyroZentara::applyDriverMulticastDefault()
{
    MulticastCommands::startMulticast();
}

void QVyroZentara::restoreSettings()
{
    QSettings settings = windowSettings();
    settings.beginGroup(QLatin1String(settingsGroup));
    if (!restoreGeometry(settings.value(QStringLiteral("geometry")).toByteArray())) {
        const QScreen *shown = screen();
        resize(firstStartSize(sizeHint(), minimumSize(),
                              shown ? shown->availableGeometry().size() : minimumSize()));
    }
    const bool expert = settings.value(QStringLiteral("checkExpert"), false).toBool();
    const bool refresh = settings.value(QStringLiteral("checkRefresh"), false).toBool();
    {
        // The expert view is applied below in one step, not through the toggled signal.
        const QSignalBlocker blocker(m_expertBox);
        m_expertBox->setChecked(expert);
    }
    m_detailsGroup->setVisible(expert);
    m_refreshBox->setEnabled(expert);
    m_refreshBox->setChecked(refresh);
    m_cameraList->setAutoRefresh(expert && refresh);
}

void QVyroZentara::saveSettings() const
{
    QSettings settings = windowSettings();
    settings.beginGroup(QLatin1String(settingsGroup));
    settings.setValue(QStringLiteral("geometry"), saveGeometry());
    settings.setValue(QStringLiteral("checkExpert"), m_expertBox->isChecked());
    settings.setValue(QStringLiteral("checkRefresh"), m_refreshBox->isChecked());
    if (m_languageCombo->currentIndex() >= 0)
        settings.setValue(QStringLiteral("selectedLanguage"), m_languageCombo->currentData());
}

void QVyroZentara::enableExpertView(bool enable)
{
    if (enable) {
        m_detailsGroup->show();
        if (m_selected)
            m_selected->refreshDeviceInfo();
        UpdateDeviceInfo(m_selected ? &*m_selected : nullptr, true);
        UpdateControls();
        m_refreshBox->setEnabled(true);
        m_cameraList->setAutoRefresh(m_refreshBox->isChecked());
        // The list has just become shorter; keep the selected row in sight once it is laid out.
        QTimer::singleShot(0, m_cameraList, [list = m_cameraList] {
            list->view()->scrollTo(list->view()->currentIndex());
        });
    } else {
        m_detailsGroup->hide();
        m_refreshBox->setEnabled(false);
        m_cameraList->setAutoRefresh(false);
    }
}

void QVyroZentara::followDaemonControl()
{
    m_followPolls = followServiceMs / followIntervalMs;
    m_serviceTimer->start(followIntervalMs);
    onServiceTimer();
}

void QVyroZentara::onServiceTimer()
{
    const CoreStates now{
        daemonConnected(VY_FUNC_USB_DAEMON_INFO) ? CoreStates::Running : CoreStates::Stopped,
        daemonConnected(VY_FUNC_ETH_DAEMON_INFO) ? CoreStates::Running : CoreStates::Stopped};
    const bool changed = now != m_daemonStates;
    if (m_followPolls > 0 && (changed || --m_followPolls == 0)) {
        m_followPolls = 0;
        m_serviceTimer->start(serviceIntervalMs);
    }
    if (changed) {
        m_daemonStates = now;
        UpdateControls();
        emit vyrodStatusChanged(m_daemonStates);
        showDaemonText();
        return;
    }
    // With both daemons down the warning must stay visible, over any camera sentence.
    if (now.usb == CoreStates::Stopped && now.eth == CoreStates::Stopped)
        showDaemonText();
}

void QVyroZentara::showDaemonText()
{
    const QString family = vyrokit::ProductInfo::family();
    const bool eth = m_daemonStates.eth == CoreStates::Running;
    const bool usb = m_daemonStates.usb == CoreStates::Running;
    const QString ethText = eth ? tr("%1 ETH daemon connected!<br/>").arg(family)
                                : tr("%1 ETH daemon disconnected!<br/>").arg(family);
    const QString usbText = usb ? tr("%1 USB daemon connected!").arg(family)
                                : tr("%1 USB daemon disconnected!").arg(family);
    m_statusLine->showRichText(
        vyrokit::RichText::coloured(eth ? QColor(Qt::black) : QColor(Qt::red), ethText) +
        vyrokit::RichText::coloured(usb ? QColor(Qt::black) : QColor(Qt::red), usbText));
}

void QVyroZentara::Printer(const QString &text, const QColor &textcolour, bool bShowProgress)
{
    m_statusLine->showSentence(text, textcolour, bShowProgress);
}

void QVyroZentara::UpdateDeviceInfo(const Camera *camera, bool force_reset)
{
    m_deviceInfo->Update(camera, force_reset);
}

void QVyroZentara::setPicture(const QString &resource)
{
    QPixmap pixmap(resource);
    if (pixmap.width() > maxPictureSize.width() || pixmap.height() > maxPictureSize.height())
        pixmap = pixmap.scaled(maxPictureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    m_pictureLabel->setPixmap(pixmap);
}

void QVyroZentara::UpdateControls()
{
    const CameraVerdict verdict = CameraStatus::evaluate(m_selected ? &*m_selected : nullptr);
    m_supportFileButton->setEnabled(verdict.createSupportFile);
    m_daemonButton->setEnabled(verdict.daemonControl);
    m_cameraInfoButton->setEnabled(verdict.cameraInformation);
    m_manualEthButton->setEnabled(verdict.manualEthConfiguration);
    m_autoEthButton->setEnabled(verdict.automaticEthConfiguration);
    m_uploadFirmwareButton->setEnabled(verdict.uploadStarterFirmware);
    m_addCameraInfoButton->setEnabled(verdict.additionalCameraInfo);

    switch (verdict.picture) {
    case CameraVerdict::Picture::Unchanged:
        break;
    case CameraVerdict::Picture::Clear:
        m_pictureLabel->clear();
        break;
    case CameraVerdict::Picture::Blank: {
        QPixmap blank(CameraStatus::blankPictureSize());
        blank.fill(Qt::white);
        m_pictureLabel->setPixmap(blank);
        break;
    }
    case CameraVerdict::Picture::Resource:
        setPicture(verdict.picturePath);
        break;
    }

    m_discontinuedLabel->setText(verdict.discontinuedText);
    m_discontinuedLabel->setVisible(verdict.discontinuedVisible);
    m_statusLine->followSelection(m_selected ? m_selected->deviceId() : StatusLine::noDevice);
    Printer(verdict.sentence, verdict.colour, m_identify->isRunning());
}

void QVyroZentara::showNotice(const QString &text, const QColor &colour, uint32_t deviceId)
{
    m_statusLine->setNotice(text, colour, deviceId);
    UpdateControls();
}

void QVyroZentara::setBusy(bool busy)
{
    m_listGroup->setEnabled(!busy);
    m_controlGroup->setEnabled(!busy);
    if (busy)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QApplication::restoreOverrideCursor();
}

void QVyroZentara::onCurrentCameraChanged(const camera::optional &camera, bool clicked)
{
    m_selected = camera;
    UpdateDeviceInfo(m_selected ? &*m_selected : nullptr, clicked);
    UpdateControls();
}

void QVyroZentara::onCameraListChanged()
{
    if (m_selected && m_selected->isUsb())
        m_deviceInfo->UpdateUsbTopology();
    if (m_expertBox->isChecked())
        UpdateDeviceInfo(m_selected ? &*m_selected : nullptr, false);
}

void QVyroZentara::OnCameraListRefresh()
{
    UpdateDeviceInfo(m_selected ? &*m_selected : nullptr, false);
    UpdateControls();
}

void QVyroZentara::onOpenCamera(const QList<Camera> &cameras)
{
    const QString viewer = QStringLiteral("vyrodemo");
    for (const Camera &camera : cameras) {
        if (camera.inUse() != 0)
            continue;
        const QString serial = camera.serialNumber();
        QStringList arguments;
        // Bytes of the serial that are not text arrive as replacement characters (a blank
        // EEPROM reads as 0xFF); the viewer could not find the camera by such a serial.
        if (!serial.isEmpty() && !serial.contains(QChar(QChar::ReplacementCharacter)))
            arguments << QStringLiteral("-o") << serial;
        else
            arguments << QStringLiteral("-d") << QString::number(camera.deviceId());
        if (!QProcess::startDetached(viewer, arguments)) {
            QMessageBox::warning(this, tr("Open camera"),
                                 tr("The viewer program \"%1\" could not be started. Please "
                                    "check that it is installed and in the program path.")
                                     .arg(viewer));
            return;
        }
    }
}

void QVyroZentara::onIdentifyCamera(const Camera &camera)
{
    if (!m_identify->start(camera.deviceId()))
        return;
    setBusy(true);
    m_statusLine->clearNotice();
    Printer(tr("Identifying camera %1 ...").arg(camera.deviceId()), Qt::black, true);
}

void QVyroZentara::onIdentifyFinished()
{
    setBusy(false);
    UpdateControls();
    emit identifyFinished();
}

bool QVyroZentara::cameraInfoRefused(const Camera &camera)
{
    if (camera.inUse() != 0)
        return true;
    if (camera.isUsb() || camera.isVisionStandard())
        return (camera.listStatus() & vyro::ListStatusUsbProblems) != 0;
    return (camera.controlStatus() & vyro::ControlStatusAvailable) == 0;
}

void QVyroZentara::OnCameraInfoDlg()
{
    if (m_selected)
        openCameraInfoDialog(*m_selected);
}

void QVyroZentara::openCameraInfoDialog(const Camera &camera)
{
    if (cameraInfoRefused(camera))
        return;
    // No reloads while the dialog works on the camera.
    m_cameraList->setAutoRefresh(false);
    m_cameraList->setListUpdatesBlocked(true);
    m_dialogs.runCameraInformation(this, camera);
    m_cameraList->setListUpdatesBlocked(false);
    m_cameraList->reloadList();
    m_cameraList->setAutoRefresh(m_refreshBox->isEnabled() && m_refreshBox->isChecked());
    UpdateDeviceInfo(m_selected ? &*m_selected : nullptr, false);
    UpdateControls();
}

void QVyroZentara::onAddCameraInfo()
{
    if (m_selected && !cameraInfoRefused(*m_selected))
        m_dialogs.runAdditionalCameraInformation(this, *m_selected);
}

void QVyroZentara::onManualEthConfig()
{
    if (!m_selected)
        return;
    m_dialogs.runEthConfiguration(this, *m_selected);
    UpdateDeviceInfo(m_selected ? &*m_selected : nullptr, false);
    UpdateControls();
}

void QVyroZentara::onMulticastDialog()
{
    if (!m_selected)
        return;
    m_statusLine->clearNotice();
    const Camera camera = *m_selected;
    const int cameraId = m_dialogs.runReadOnlyDevices(this, camera);
    UpdateDeviceInfo(m_selected ? &*m_selected : nullptr, false);
    if (cameraId > 0)
        showNotice(tr("A read-only device of camera %1 was added with camera ID %2; it appears "
                      "in the list in a moment.")
                       .arg(camera.deviceId())
                       .arg(cameraId),
                   Qt::darkGreen, camera.deviceId());
    else
        UpdateControls();
}

void QVyroZentara::removeReadOnlyDevice()
{
    if (!m_selected || !m_selected->isReadOnlyDevice())
        return;
    const Camera device = *m_selected;
    const int32_t result = MulticastCommands::removeReadOnlyDevice(&device);
    if (result != VY_SUCCESS) {
        QMessageBox::critical(this, tr("Delete read-only device"),
                              tr("The read-only device %1 could not be removed: %2")
                                  .arg(device.deviceId())
                                  .arg(vyrokit::SdkError::text(VY_DRIVER_HANDLE, result)));
        return;
    }
    // The device leaves the list and the selection with it; the answer stays.
    showNotice(tr("The read-only device %1 (camera ID %2) was removed.")
                   .arg(device.deviceId())
                   .arg(device.cameraId()),
               Qt::darkGreen, StatusLine::noDevice);
}

void QVyroZentara::onGeneralInfo()
{
    const QString language = m_languageCombo->currentData().toString();
    m_dialogs.runGeneralInformation(this, language.isEmpty() ? QStringLiteral("en") : language);
}

void QVyroZentara::OnAdditionalFunctionsDlg()
{
    m_dialogs.runAdditionalFunctions(this);
}

void QVyroZentara::onEthDaemonConfig()
{
    m_dialogs.runDaemonControl(*this);
}

void QVyroZentara::onUploadFirmware()
{
    if (!m_selected || !FirmwareUpload::appliesTo(m_selected->networkTypeCode()))
        return;
    if (!m_upload->start(m_selected->deviceId(),
                         FirmwareUpload::uploadSeconds(m_selected->networkTypeCode())))
        return;
    m_statusLine->clearNotice();
    Printer(tr("Firmware upload in progress ..."), Qt::black, true);
    m_statusLine->hold();
}

void QVyroZentara::onFirmwareUploadFinished(uint32_t deviceId, int result, const QString &message)
{
    m_statusLine->release();
    if (result != VY_SUCCESS)
        QMessageBox::critical(this, tr("Error"), tr("Firmware upload error! %1").arg(message));
    UpdateDeviceInfo(m_selected ? &*m_selected : nullptr, false);
    // The result stays above the camera's new status sentence.
    if (result != VY_SUCCESS)
        showNotice(tr("Firmware upload error! %1").arg(message), Qt::red, deviceId);
    else
        showNotice(tr("Firmware upload successful!"), Qt::black, deviceId);
    emit firmwareUploadFinished();
}

void QVyroZentara::onWriteSupportFile()
{
    const bool elevate = SupportFile::elevationAvailable();
    if (!elevate && !vyrokit::Privileges::isRoot()) {
        QMessageBox::warning(this, tr("privileged feature"),
                             tr("To use this feature, \nstart the %1 with\nelevated privileges "
                                "e.g root or admin!")
                                 .arg(vyrokit::ProductInfo::family()));
        return;
    }
    const QString fileName =
        m_supportFileQuestion ? m_supportFileQuestion(this) : askSupportFileName();
    if (fileName.isEmpty())
        return;
    if (SupportFile::write(fileName, elevate)) {
        Printer(tr("Support file %1 successfully written!").arg(fileName), Qt::darkGreen, false);
        return;
    }
    QMessageBox::warning(this, tr("Root feature"),
                         tr("The report generator `vyroreport` is not in its installation "
                            "directory!\nPlease check the script path:\n\n%1 and try again.")
                             .arg(QLatin1String(SupportFile::ReportGenerator)));
}

QString QVyroZentara::askSupportFileName()
{
    QFileDialog dialog(this, tr("Save support file"), QLatin1String(SupportFile::ProposedName),
                       tr("Support logfile (*.log)"));
    dialog.setObjectName(QStringLiteral("supportFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without a suffix gets the support file's own.
    dialog.setDefaultSuffix(QStringLiteral("log"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

void QVyroZentara::onAutoConfig()
{
    if (!m_selected || m_autoConfig->isRunning())
        return;
    m_statusLine->clearNotice();
    m_autoConfig->start(AutoConfiguration::inputOf(*m_selected));
}

void QVyroZentara::onAutoConfigFinished(int result)
{
    if (result != AutoConfiguration::Done)
        QMessageBox::critical(this, tr("Automatic configuration"),
                              result == AutoConfiguration::BootBoostConflict
                                  ? tr("Automatic configuration & Boot boost are not compatible!")
                                  : tr("Automatic configuration can't be applied!"));
    if (m_selected)
        m_selected->refreshDeviceInfo();
    UpdateDeviceInfo(m_selected ? &*m_selected : nullptr, false);
    UpdateControls();
    if (result == AutoConfiguration::Done && m_selected) {
        const AutoConfiguration::Input &input = m_autoConfig->input();
        const AutoConfiguration::Range range =
            AutoConfiguration::range(input.adapterAddress, input.adapterMask);
        QMessageBox::information(
            this, tr("Automatic configuration"),
            tr("Automatic configuration done.\n\nThe adapter %1 now gives its cameras the "
               "addresses %2 to %3.\nCamera %4 has the IP address %5 with the subnet mask %6.")
                .arg(m_selected->adapterName().isEmpty() ? m_selected->adapterIpAddress()
                                                         : m_selected->adapterName(),
                     vyrokit::NetworkAddress::ipv4Text(range.begin),
                     vyrokit::NetworkAddress::ipv4Text(range.end),
                     QString::number(m_selected->deviceId()), m_selected->ipAddress(),
                     m_selected->subnetMask()));
    }
}

// Reading a support file back and the COM port dialog have no function on this platform.
void QVyroZentara::onReadSupportFile()
{
}
void QVyroZentara::onOpenComportDlg()
{
}

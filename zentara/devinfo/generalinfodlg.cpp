// generalinfodlg.cpp: the information window's layout, its trees and the update check.
#include "zentara/devinfo/generalinfodlg.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFont>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPushButton>
#include <QScreen>
#include <QSysInfo>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <array>
#include <unistd.h>

#include "sdk/vyro_api.h"
#include "vyro_version.h"
#include "vyrokit/packedversion.h"
#include "vyrokit/productinfo.h"
#include "vyrokit/sdkquery.h"
#include "zentara/devinfo/librarysearch.h"
#include "zentara/devinfo/libraryversion.h"
#include "zentara/devinfo/updateendpoints.h"
#include "zentara/devinfo/usbtopology.h"
#include "zentara/network/networkadapter.h"

namespace {

const char *const crestLibrary = "liborv_crest.so";
const int networkTimeoutMs = 30000;

QString daemonVersion(uint32_t command)
{
    using Text = std::array<char, VY_FUNC_DAEMON_INFO_SIZE>;
    const std::optional<Text> text = vyrokit::query<Text>(vy_Func, VY_DRIVER_HANDLE, command);
    if (!text)
        return QStringLiteral("-");
    return QString::fromLocal8Bit(text->data(), int(qstrnlen(text->data(), text->size())));
}

QString hostName()
{
    char buffer[65] = {};
    if (gethostname(buffer, sizeof buffer - 1) != 0)
        return QString();
    return QString::fromLocal8Bit(buffer);
}

void makeTopLevel(QTreeWidgetItem *item)
{
    QFont font = item->font(0);
    font.setBold(true);
    item->setFont(0, font);
    item->setExpanded(true);
}

} // namespace

GeneralInfoDlg::GeneralInfoDlg(const QString &language, QWidget *parent)
    : QDialog(parent), m_language(language), m_network(new QNetworkAccessManager(this)),
      m_topology(new UsbTopology(this))
{
    Q_INIT_RESOURCE(zentara_inventory);
    Q_INIT_RESOURCE(zentara_network);
    setWindowTitle(tr("General information"));
    setObjectName(QStringLiteral("generalInfoDlg"));

    auto *nameLabel = new QLabel(vyrokit::ProductInfo::maker() + QLatin1String(" Zentara"), this);
    QFont nameFont = nameLabel->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.5);
    nameLabel->setFont(nameFont);
    auto *noticeLabel = new QLabel(tr("Camera management for %1 cameras over USB and GigE.")
                                       .arg(vyrokit::ProductInfo::family()),
                                   this);
    noticeLabel->setWordWrap(true);
    auto *rightsLabel =
        new QLabel(tr("Copyright %1. This program is provided as is, without warranty of any kind.")
                       .arg(vyrokit::ProductInfo::maker()),
                   this);
    rightsLabel->setWordWrap(true);
    m_aboutQtLabel = new QLabel(this);
    m_aboutQtLabel->setObjectName(QStringLiteral("aboutQtLabel"));
    m_aboutQtLabel->setStyleSheet(
        QStringLiteral("QLabel { color : blue; text-decoration : underline; }"));
    m_aboutQtLabel->setText(tr("About Qt"));
    m_aboutQtLabel->setCursor(Qt::PointingHandCursor);
    m_aboutQtLabel->installEventFilter(this);
    auto *logoLabel = new QLabel(this);
    logoLabel->setPixmap(QPixmap(QStringLiteral(":/images/logo_orv.png")));

    m_downloadButton = new QPushButton(tr("Download updates"), this);
    m_downloadButton->setObjectName(QStringLiteral("downloadButton"));
    m_checkButton = new QPushButton(tr("Check updates"), this);
    m_checkButton->setObjectName(QStringLiteral("checkUpdateButton"));
    m_updateLabel = new QLabel(this);
    m_updateLabel->setObjectName(QStringLiteral("updateLabel"));
    m_updateLabel->setWordWrap(true);
    m_updateLabel->hide();

    auto *versionGroup = new QGroupBox(
        tr("%1 drivers and 3rd party interfaces").arg(vyrokit::ProductInfo::maker()), this);
    m_versionLayout = new QVBoxLayout(versionGroup);
    auto *hardwareGroup = new QGroupBox(tr("USB controller and network adapters"), this);
    auto *hardwareLayout = new QVBoxLayout(hardwareGroup);
    m_hardwareTree = new QTreeWidget(hardwareGroup);
    m_hardwareTree->setObjectName(QStringLiteral("hardwareTree"));
    m_hardwareTree->setColumnCount(1);
    m_hardwareTree->setHeaderHidden(true);
    hardwareLayout->addWidget(m_hardwareTree);

    auto *textLayout = new QVBoxLayout;
    textLayout->addWidget(nameLabel);
    textLayout->addWidget(noticeLabel);
    textLayout->addWidget(rightsLabel);
    textLayout->addWidget(m_aboutQtLabel);
    auto *headerLayout = new QHBoxLayout;
    headerLayout->addLayout(textLayout, 1);
    headerLayout->addWidget(logoLabel, 0, Qt::AlignTop);
    auto *buttonLayout = new QHBoxLayout;
    buttonLayout->addWidget(m_downloadButton);
    buttonLayout->addWidget(m_checkButton);
    buttonLayout->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(headerLayout);
    layout->addLayout(buttonLayout);
    layout->addWidget(m_updateLabel);
    layout->addWidget(versionGroup, 1);
    layout->addWidget(hardwareGroup, 1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    readInstalledVersions();
    m_versionTree = buildVersionTree();
    m_versionLayout->insertWidget(0, m_versionTree);

    // Until the scan ends the adapters are listed and the controllers say they are coming.
    fillHardwareTree(m_hardwareTree, {}, NetworkAdapter::all());
    if (QTreeWidgetItem *usb = m_hardwareTree->topLevelItem(0)) {
        qDeleteAll(usb->takeChildren());
        usb->addChild(new QTreeWidgetItem({tr("Searching USB controllers...")}));
    }

    connect(m_checkButton, &QPushButton::clicked, this,
            &GeneralInfoDlg::onCheckUpdateButtonClicked);
    connect(m_downloadButton, &QPushButton::clicked, this,
            &GeneralInfoDlg::onDownloadButtonClicked);
    connect(m_network, &QNetworkAccessManager::finished, this, &GeneralInfoDlg::onDownloadFinished);
    m_deadline = new QTimer(this);
    m_deadline->setSingleShot(true);
    connect(m_deadline, &QTimer::timeout, this, &GeneralInfoDlg::onDeadline);
    connect(m_topology, &UsbTopology::rescanFinished, this, &GeneralInfoDlg::onTopologyScanned);
    m_topology->startRescan();

    // Room for every version row and the latest versions beside them, within the screen.
    const QScreen *shown = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize wanted(820, 900);
    resize(shown ? wanted.boundedTo(shown->availableGeometry().size() * 0.9) : wanted);
}

GeneralInfoDlg::~GeneralInfoDlg()
{
    if (m_reply) {
        // The reply must not report to a half-destroyed dialog.
        disconnect(m_network, nullptr, this, nullptr);
        m_reply->abort();
    }
}

bool GeneralInfoDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_aboutQtLabel && event->type() == QEvent::MouseButtonRelease) {
        QMessageBox::aboutQt(this);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

QString GeneralInfoDlg::updateStatus() const
{
    return m_updateLabel->text();
}

void GeneralInfoDlg::readInstalledVersions()
{
    m_programRows = {
        {tr("Version"), QStringLiteral(VYRO_VERSION_TEXT), QStringLiteral("Zentara")},
        {tr("Min. SDK version"),
         vyrokit::PackedVersion(LibraryVersion::minimumMajor, LibraryVersion::minimumMinor, 0)
             .text(),
         QString()},
    };

    const QString crest = LibrarySearch::locate(QLatin1String(crestLibrary));
    m_driverRows = {
        {QStringLiteral("lib%1_api").arg(vyrokit::ProductInfo::family()),
         vyrokit::PackedVersion::text(vy_GetDLLVersion()), QStringLiteral("Library")},
        {QStringLiteral("%1d USB").arg(vyrokit::ProductInfo::family()),
         daemonVersion(VY_FUNC_USB_DAEMON_INFO), QStringLiteral("UsbDaemon")},
        {QStringLiteral("%1d ETH").arg(vyrokit::ProductInfo::family()),
         daemonVersion(VY_FUNC_ETH_DAEMON_INFO), QStringLiteral("EthDaemon")},
        {QStringLiteral("orv_crest.so"),
         crest.isEmpty() ? tr("Not Found!") : tr("Found at: %1").arg(crest), QString()},
    };

    m_systemRows = {
        {tr("Build architecture"), QSysInfo::buildCpuArchitecture(), QString()},
        {tr("Current architecture"), QSysInfo::currentCpuArchitecture(), QString()},
        {tr("Host name"), hostName(), QString()},
        {tr("Endianess"), QSysInfo::ByteOrder == QSysInfo::LittleEndian ? tr("Little") : tr("Big"),
         QString()},
        {tr("Kernel"), QSysInfo::kernelType() + QLatin1Char('-') + QSysInfo::kernelVersion(),
         QString()},
        {tr("Product name"), QSysInfo::prettyProductName(), QString()},
    };
}

QTreeWidget *GeneralInfoDlg::buildVersionTree() const
{
    auto *tree = new QTreeWidget;
    tree->setObjectName(QStringLiteral("versionTree"));
    QStringList headers = {tr("Description"), tr("Version")};
    if (!m_updateTable.isEmpty())
        headers.append(tr("Latest version"));
    tree->setColumnCount(headers.size());
    tree->setHeaderLabels(headers);
    tree->setRootIsDecorated(true);

    const struct
    {
        QString title;
        const QVector<VersionRow> &rows;
    } groups[] = {
        {tr("%1 Zentara").arg(vyrokit::ProductInfo::maker()), m_programRows},
        {tr("%1 drivers").arg(vyrokit::ProductInfo::family()), m_driverRows},
        {tr("Operating system"), m_systemRows},
    };
    for (const auto &group : groups) {
        auto *top = new QTreeWidgetItem(tree, {group.title});
        for (const VersionRow &row : group.rows)
            addVersionRow(top, row);
        makeTopLevel(top);
    }
    for (int column = 0; column < tree->columnCount(); ++column)
        tree->resizeColumnToContents(column);
    return tree;
}

void GeneralInfoDlg::addVersionRow(QTreeWidgetItem *parent, const VersionRow &row) const
{
    auto *item = new QTreeWidgetItem(parent, {row.description, row.installed});
    if (row.group.isEmpty())
        return;
    const std::optional<QString> latest = UpdateFile::latestVersion(m_updateTable, row.group);
    if (!latest)
        return;
    const std::optional<int> order = UpdateFile::compare(row.installed, *latest);
    if (order && *order < 0) {
        item->setText(2, tr("%1 (update available)").arg(*latest));
        item->setForeground(2, QColor(Qt::red));
        QFont font = item->font(2);
        font.setBold(true);
        item->setFont(2, font);
        item->setToolTip(2, tr("A newer version than the installed one is available."));
    } else {
        item->setText(2, *latest);
    }
}

void GeneralInfoDlg::replaceVersionTree()
{
    QTreeWidget *fresh = buildVersionTree();
    m_versionLayout->insertWidget(0, fresh);
    if (m_versionTree) {
        m_versionLayout->removeWidget(m_versionTree);
        m_versionTree->hide();
        m_versionTree->deleteLater();
    }
    m_versionTree = fresh;
}

void GeneralInfoDlg::fillHardwareTree(QTreeWidget *tree,
                                      const QVector<UsbHostController> &controllers,
                                      const QList<NetworkAdapter> &adapters)
{
    tree->clear();
    const QIcon usbIcon(QStringLiteral(":/images/usb_connect.png"));
    const QIcon ethIcon(QStringLiteral(":/images/ethadapter.png"));

    auto *usb = new QTreeWidgetItem(tree, {tr("USB interfaces(s)")});
    usb->setIcon(0, usbIcon);
    const struct
    {
        const char *speed;
        QString title;
    } classes[] = {
        {"12", tr("USB 1.0 host controller")},
        {"480", tr("USB 2.0 host controller")},
        {"5000", tr("USB 3.0 host controller")},
        {"10000", tr("USB 3.1 host controller")},
    };
    bool anyController = false;
    for (const auto &speedClass : classes) {
        QTreeWidgetItem *classItem = nullptr;
        for (const UsbHostController &controller : controllers) {
            if (controller.speed() != QLatin1String(speedClass.speed))
                continue;
            if (!classItem) {
                classItem = new QTreeWidgetItem(usb, {speedClass.title});
                classItem->setIcon(0, usbIcon);
                classItem->setExpanded(true);
            }
            auto *hub = new QTreeWidgetItem(classItem, {controller.rootHubLine()});
            hub->setIcon(0, usbIcon);
            if (!controller.description().isEmpty()) {
                auto *description = new QTreeWidgetItem(hub, {controller.description()});
                description->setIcon(0, usbIcon);
            }
            hub->setExpanded(true);
            anyController = true;
        }
    }
    if (!anyController)
        usb->addChild(new QTreeWidgetItem({tr("No USB controller found")}));
    makeTopLevel(usb);

    auto *network = new QTreeWidgetItem(tree, {tr("Network adapter(s)")});
    network->setIcon(0, ethIcon);
    const QList<NetworkAdapter> shown = NetworkAdapter::broadcastAndMulticast(adapters);
    for (const NetworkAdapter &adapter : shown) {
        auto *item = new QTreeWidgetItem(network, {adapter.humanReadableName()});
        item->setIcon(0, ethIcon);
        QStringList lines = {
            tr("MAC address:   %1").arg(adapter.hardwareAddress()),
            tr("Adapter:   %1").arg(adapter.name()),
            tr("DHCP:   %1").arg(adapter.dhcp() ? tr("Yes") : tr("No")),
        };
        if (adapter.hasIpv4()) {
            lines.append(tr("IP address:   %1").arg(adapter.ipAddress().toString()));
            lines.append(tr("IP subnetmask:   %1").arg(adapter.netmask().toString()));
        }
        for (const QString &line : lines)
            item->addChild(new QTreeWidgetItem({line}));
        item->setExpanded(true);
    }
    if (shown.isEmpty())
        network->addChild(new QTreeWidgetItem({tr("No network adapter found")}));
    makeTopLevel(network);
    tree->resizeColumnToContents(0);
}

void GeneralInfoDlg::onTopologyScanned()
{
    fillHardwareTree(m_hardwareTree, m_topology->controllers(), NetworkAdapter::all());
    m_hardwareListed = true;
    emit hardwareListed();
}

void GeneralInfoDlg::onCheckUpdateButtonClicked()
{
    if (m_reply)
        return;
    m_body.clear();
    m_bodyTooLarge = false;

    QNetworkRequest request(UpdateEndpoints::updateUrl());
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(networkTimeoutMs);
    QNetworkReply *reply = m_network->get(request);
    if (reply->error() != QNetworkReply::NoError) {
        const int code = int(reply->error());
        reply->abort();
        QMessageBox::warning(this, tr("Warning"),
                             tr("Unable to check updates. Error: %1").arg(code));
        return;
    }
    m_reply = reply;
    // Qt then buffers no more than that ahead of us, however fast the body comes.
    reply->setReadBufferSize(UpdateFile::maximumSize + 1);
    connect(reply, &QNetworkReply::readyRead, this, &GeneralInfoDlg::onReplyReadyRead);
    m_checkButton->setEnabled(false);
    setUpdateStatus(tr("Checking for updates..."), false);
    m_timedOut = false;
    m_deadline->start(m_deadlineMs);
}

void GeneralInfoDlg::onDeadline()
{
    if (!m_reply)
        return;
    m_timedOut = true;
    m_reply->abort();
}

void GeneralInfoDlg::takeBody(QNetworkReply *reply)
{
    if (m_bodyTooLarge)
        return;
    // Read at most one byte past the limit, so that a huge body never sits in memory.
    const qint64 room = UpdateFile::maximumSize + 1 - m_body.size();
    m_body.append(reply->read(room));
    if (m_body.size() > UpdateFile::maximumSize) {
        m_bodyTooLarge = true;
        m_body.clear();
        reply->abort();
    }
}

void GeneralInfoDlg::onReplyReadyRead()
{
    if (m_reply)
        takeBody(m_reply);
}

void GeneralInfoDlg::onDownloadFinished(QNetworkReply *reply)
{
    reply->deleteLater();
    if (reply != m_reply)
        return;
    m_reply = nullptr;
    m_deadline->stop();
    m_checkButton->setEnabled(true);

    if (reply->error() == QNetworkReply::NoError)
        takeBody(reply);
    m_updateTable.clear();

    if (m_bodyTooLarge) {
        setUpdateStatus(tr("The update file is larger than %1 KiB; the download was stopped.")
                            .arg(UpdateFile::maximumSize / 1024),
                        true);
    } else if (m_timedOut) {
        setUpdateStatus(tr("Unable to check updates: the update server did not send the update "
                           "file in time."),
                        true);
    } else if (reply->error() != QNetworkReply::NoError) {
        setUpdateStatus(tr("Unable to check updates: %1").arg(reply->errorString()), true);
    } else {
        switch (UpdateFile::parse(m_body, m_updateTable)) {
        case UpdateFile::Status::Empty:
            setUpdateStatus(tr("The update server sent an empty file."), true);
            break;
        case UpdateFile::Status::NotIni:
            setUpdateStatus(tr("The update server's answer is not an update file."), true);
            break;
        case UpdateFile::Status::Ok: {
            int newer = 0;
            int listed = 0;
            for (const QVector<VersionRow> *rows : {&m_programRows, &m_driverRows}) {
                for (const VersionRow &row : *rows) {
                    const std::optional<QString> latest =
                        row.group.isEmpty() ? std::nullopt
                                            : UpdateFile::latestVersion(m_updateTable, row.group);
                    if (!latest)
                        continue;
                    ++listed;
                    const std::optional<int> order = UpdateFile::compare(row.installed, *latest);
                    if (order && *order < 0)
                        ++newer;
                }
            }
            if (listed == 0)
                setUpdateStatus(tr("The update file lists no version of the installed parts."),
                                true);
            else if (newer > 0)
                setUpdateStatus(tr("Newer versions are available; see the column \"Latest "
                                   "version\" and use \"Download updates\"."),
                                false);
            else
                setUpdateStatus(tr("The installed versions are up to date."), false);
            break;
        }
        }
    }
    m_body.clear();
    m_body.squeeze();
    replaceVersionTree();
    emit updateCheckFinished();
}

void GeneralInfoDlg::setUpdateStatus(const QString &text, bool failed)
{
    m_updateLabel->setStyleSheet(failed ? QStringLiteral("QLabel { color : red; }") : QString());
    m_updateLabel->setText(text);
    m_updateLabel->show();
}

void GeneralInfoDlg::onDownloadButtonClicked()
{
    const QUrl page = UpdateEndpoints::downloadPage(m_language);
    if (!QDesktopServices::openUrl(page))
        QMessageBox::warning(this, tr("Download updates"),
                             tr("No web browser could be started to show the download page.\n\n"
                                "Please open %1 yourself.")
                                 .arg(page.toString()));
}

// ethdaemonconfig.cpp: the daemon control and adapter configuration dialog.
#include "zentara/network/ethdaemonconfig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cstring>

#include "sdk/vyro_api.h"
#include "vyrokit/sdkerror.h"
#include "zentara/network/qipedit.h"

namespace {

const QString family = QStringLiteral("Orv Vyro");
const QString program = QStringLiteral("Orv Zentara");

QString red(const QString &text)
{
    return QStringLiteral("<font color='#FF0000'>%1</font>").arg(text);
}

} // namespace

// The LEDs and adapter icons live in this static library; make sure the linker keeps them.
// Outside any namespace, as the resource initialiser is declared where this expands.
static void initResources()
{
    Q_INIT_RESOURCE(zentara_network);
}

EthDaemonConfig::EthDaemonConfig(QWidget *parent)
    : EthDaemonConfig(NetworkAdapter::all(), DaemonConfigFile(), ServiceControl(), parent)
{
}

EthDaemonConfig::EthDaemonConfig(const QList<NetworkAdapter> &adapters,
                                 const DaemonConfigFile &config, const ServiceControl &services,
                                 QWidget *parent)
    : QDialog(parent), m_adapters(adapters), m_config(config), m_services(services)
{
    initResources();
    setWindowTitle(tr("Daemon control and network configuration"));
    buildWidgets();
    // 600 x 750 where the screen has room for it, more where the texts of a language need it.
    const QSize needed = layout()->totalMinimumSize();
    QSize size = QSize(600, 750).expandedTo(needed);
    if (const QScreen *shown = parent ? parent->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(shown->availableGeometry().size() - QSize(16, 48)).expandedTo(needed);
    setMinimumSize(needed);
    resize(size);

    m_usbButton->setEnabled(m_services.usbServiceInstalled());
    m_ethButton->setEnabled(m_services.ethServiceInstalled());

    buildAdapterTree();
    updateNotes(m_enabledAdapterCount);
    showAdapter(QString());

    connect(m_adapterTree, &QTreeWidget::itemClicked, this, &EthDaemonConfig::onAdapter);
    connect(m_adapterTree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) { onAdapter(current, 0); });
    connect(m_adapterToggleButton, &QPushButton::clicked, this,
            &EthDaemonConfig::onPushedAdapterBound);
    connect(m_ethButton, &QPushButton::clicked, this, &EthDaemonConfig::onPushedETH);
    connect(m_usbButton, &QPushButton::clicked, this, &EthDaemonConfig::onPushedUSB);
    connect(m_jumboCheck, &QCheckBox::clicked, this, &EthDaemonConfig::onPushedJumboCheckbox);
    connect(m_applyIpButton, &QPushButton::clicked, this, &EthDaemonConfig::onApplyIpSettings);
    connect(m_dhcpButton, &QPushButton::clicked, this, &EthDaemonConfig::onChangeDhcp);
    connect(m_packetFilterCombo, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &EthDaemonConfig::onPacketFilterChanged);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void EthDaemonConfig::buildWidgets()
{
    auto *adaptersGroup = new QGroupBox(tr("Network adapters"), this);
    m_adapterTree = new QTreeWidget(adaptersGroup);
    m_adapterTree->setObjectName(QStringLiteral("adapterTree"));
    m_adapterTree->setColumnCount(1);
    m_adapterTree->setHeaderHidden(true);
    (new QVBoxLayout(adaptersGroup))->addWidget(m_adapterTree);

    auto *statusGroup = new QGroupBox(tr("Status"), this);
    m_notesLabel = new QLabel(statusGroup);
    m_notesLabel->setObjectName(QStringLiteral("notesLabel"));
    m_notesLabel->setWordWrap(true);
    m_privilegeLabel = new QLabel(statusGroup);
    m_privilegeLabel->setObjectName(QStringLiteral("privilegeLabel"));
    m_privilegeLabel->setWordWrap(true);
    auto *statusLayout = new QVBoxLayout(statusGroup);
    statusLayout->addWidget(m_notesLabel);
    statusLayout->addWidget(m_privilegeLabel);

    auto *adapterGroup = new QGroupBox(tr("Network Adapter"), this);
    m_hintLabel = new QLabel(adapterGroup);
    m_hintLabel->setObjectName(QStringLiteral("hintLabel"));
    m_macTitle = new QLabel(tr("MAC Address"), adapterGroup);
    m_ipTitle = new QLabel(tr("IP Address"), adapterGroup);
    m_maskTitle = new QLabel(tr("IP Subnetmask"), adapterGroup);
    m_macLabel = new QLabel(adapterGroup);
    m_macLabel->setObjectName(QStringLiteral("macLabel"));
    m_macLabel->setFrameStyle(QFrame::StyledPanel);
    m_macLabel->setMargin(5);
    m_ipEdit = new QIpEdit(adapterGroup);
    m_ipEdit->setObjectName(QStringLiteral("ipEdit"));
    m_maskEdit = new QIpEdit(adapterGroup);
    m_maskEdit->setObjectName(QStringLiteral("maskEdit"));
    m_adapterToggleButton = new QPushButton(tr("Disable for this adapter"), adapterGroup);
    m_adapterToggleButton->setObjectName(QStringLiteral("adapterToggleButton"));
    m_applyIpButton = new QPushButton(tr("Apply IP settings"), adapterGroup);
    m_applyIpButton->setObjectName(QStringLiteral("applyIpButton"));
    m_dhcpButton = new QPushButton(tr("Activate DHCP"), adapterGroup);
    m_dhcpButton->setObjectName(QStringLiteral("dhcpButton"));
    m_jumboCheck = new QCheckBox(tr("Use 2k Jumbo Packets"), adapterGroup);
    m_jumboCheck->setObjectName(QStringLiteral("jumboCheck"));
    m_mtuLabel = new QLabel(adapterGroup);
    m_mtuLabel->setObjectName(QStringLiteral("mtuLabel"));
    m_mtuLabel->setIndent(22);
    m_mtuWarning = new QLabel(adapterGroup);
    m_mtuWarning->setObjectName(QStringLiteral("mtuWarning"));
    m_mtuWarning->setWordWrap(true);
    m_packetFilterLabel = new QLabel(tr("Packetfilter"), adapterGroup);
    m_packetFilterCombo = new QComboBox(adapterGroup);
    m_packetFilterCombo->setObjectName(QStringLiteral("packetFilterCombo"));
    m_packetFilterCombo->addItem(tr("Pass all"), 0);
    m_packetFilterCombo->addItem(tr("Block VYGET"), 1);
    m_packetFilterCombo->addItem(tr("Block all"), 2);

    // The adapter's own address is shown, not changed here.
    for (QWidget *w :
         {static_cast<QWidget *>(m_ipEdit), static_cast<QWidget *>(m_maskEdit),
          static_cast<QWidget *>(m_applyIpButton), static_cast<QWidget *>(m_dhcpButton)}) {
        w->setEnabled(false);
        w->setToolTip(tr("Restart with elevated privileges!"));
    }

    // The MTU sits under the check box: the packet size it allows is what the box asks for.
    auto *jumboBox = new QVBoxLayout;
    jumboBox->setSpacing(0);
    jumboBox->addWidget(m_jumboCheck);
    jumboBox->addWidget(m_mtuLabel);
    auto *grid = new QGridLayout;
    grid->addWidget(m_hintLabel, 0, 0, 1, 3);
    grid->addWidget(m_macTitle, 1, 0);
    grid->addWidget(m_macLabel, 1, 1);
    grid->addWidget(m_adapterToggleButton, 1, 2);
    grid->addWidget(m_ipTitle, 2, 0);
    grid->addWidget(m_ipEdit, 2, 1);
    grid->addWidget(m_applyIpButton, 2, 2);
    grid->addWidget(m_maskTitle, 3, 0);
    grid->addWidget(m_maskEdit, 3, 1);
    grid->addLayout(jumboBox, 3, 2);
    grid->addWidget(m_packetFilterLabel, 4, 0);
    grid->addWidget(m_packetFilterCombo, 4, 1);
    grid->addWidget(m_dhcpButton, 4, 2);
    grid->setColumnStretch(2, 1);
    // Below the grid, where a wrapped text gets the height it needs.
    auto *adapterLayout = new QVBoxLayout(adapterGroup);
    adapterLayout->addLayout(grid);
    adapterLayout->addWidget(m_mtuWarning);

    auto *daemonGroup = new QGroupBox(tr("Daemon control"), this);
    m_usbLed = new QLabel(daemonGroup);
    m_usbLed->setObjectName(QStringLiteral("usbLed"));
    m_ethLed = new QLabel(daemonGroup);
    m_ethLed->setObjectName(QStringLiteral("ethLed"));
    m_usbButton = new QPushButton(daemonGroup);
    m_usbButton->setObjectName(QStringLiteral("usbButton"));
    m_ethButton = new QPushButton(daemonGroup);
    m_ethButton->setObjectName(QStringLiteral("ethButton"));
    auto *daemonGrid = new QGridLayout(daemonGroup);
    daemonGrid->addWidget(m_usbLed, 0, 0);
    daemonGrid->addWidget(m_usbButton, 0, 1);
    daemonGrid->addWidget(m_ethLed, 1, 0);
    daemonGrid->addWidget(m_ethButton, 1, 1);
    daemonGrid->setColumnStretch(1, 1);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(adaptersGroup, 1);
    layout->addWidget(statusGroup);
    layout->addWidget(adapterGroup);
    layout->addWidget(daemonGroup);
    layout->addWidget(m_buttons);
}

void EthDaemonConfig::buildAdapterTree()
{
    auto *top = new QTreeWidgetItem(m_adapterTree, {tr("Network adapter(s)")});
    QFont bold = top->font(0);
    bold.setWeight(QFont::Bold);
    top->setFont(0, bold);
    top->setIcon(0, QIcon(QStringLiteral(":/images/Vyro.png")));
    for (const NetworkAdapter &a : qAsConst(m_adapters)) {
        if (!a.canBroadcastAndMulticast())
            continue;
        auto *item = new QTreeWidgetItem(top, {a.humanReadableName()});
        item->setData(0, Qt::UserRole, a.name());
        m_adapterNames.append(a.name());
    }
    updateAdapterIcons();
    top->setExpanded(true);
    {
        // Making it current must not show it yet: the dialog shows the hint once built.
        const QSignalBlocker blocker(m_adapterTree);
        m_adapterTree->setCurrentItem(top);
    }
    m_adapterTree->resizeColumnToContents(0);
}

void EthDaemonConfig::updateAdapterIcons()
{
    const QStringList enabled = m_config.interfaces();
    m_enabledAdapterCount = 0;
    QTreeWidgetItem *top = m_adapterTree->topLevelItem(0);
    for (int i = 0; i < top->childCount(); ++i) {
        QTreeWidgetItem *item = top->child(i);
        const bool on = enabled.contains(item->data(0, Qt::UserRole).toString());
        m_enabledAdapterCount += on ? 1 : 0;
        item->setIcon(0, QIcon(on ? QStringLiteral(":/images/ethadapter.png")
                                  : QStringLiteral(":/images/ethadapter_disabled.png")));
    }
}

void EthDaemonConfig::updateNotes(int count)
{
    const QString daemon = tr("daemon");
    m_notesLabel->setText(
        tr("The GigE %1 %3 is currently active on %2 network adapters. It should be enabled for "
           "all adapters with GigE %1 cameras connected to and disabled for the others. To "
           "enable or disable the %3 for an adapter, select this adapter from the list above "
           "and click the 'enable/disable GigE %1 %3 for this adapter' button below.")
            .arg(family)
            .arg(count)
            .arg(daemon));
    if (m_services.canControl()) {
        m_privilegeLabel->hide();
        m_adapterToggleButton->setEnabled(true);
        m_jumboCheck->setEnabled(true);
        m_ethButton->setEnabled(m_services.ethServiceInstalled());
        m_usbButton->setEnabled(m_services.usbServiceInstalled());
    } else {
        m_privilegeLabel->setText(red(tr("To start/stop the %3 or to enable/disable the GigE %1 "
                                         "%3 for an adapter, you have to start the %2 with "
                                         "elevated privileges!")
                                          .arg(family, program, daemon)));
        m_privilegeLabel->show();
        m_adapterToggleButton->setEnabled(false);
        m_ethButton->setEnabled(false);
        m_usbButton->setEnabled(false);
        m_jumboCheck->setEnabled(false);
    }
}

void EthDaemonConfig::setDetailsVisible(bool visible)
{
    for (QWidget *w : {static_cast<QWidget *>(m_macTitle), static_cast<QWidget *>(m_ipTitle),
                       static_cast<QWidget *>(m_maskTitle), static_cast<QWidget *>(m_macLabel),
                       static_cast<QWidget *>(m_ipEdit), static_cast<QWidget *>(m_maskEdit),
                       static_cast<QWidget *>(m_adapterToggleButton),
                       static_cast<QWidget *>(m_jumboCheck), static_cast<QWidget *>(m_mtuLabel)})
        w->setVisible(visible);
    if (!visible)
        m_mtuWarning->hide();
}

const NetworkAdapter *EthDaemonConfig::adapter(const QString &name) const
{
    for (const NetworkAdapter &a : m_adapters)
        if (a.name() == name)
            return &a;
    return nullptr;
}

void EthDaemonConfig::showAdapter(const QString &name)
{
    m_macLabel->setText(QStringLiteral("00 - 00 - 00 - 00 - 00 - 00"));
    m_ipEdit->setText(QStringLiteral("0.0.0.0"));
    m_maskEdit->setText(QStringLiteral("0.0.0.0"));
    m_currentMac.fill(0);
    m_shownAdapter.clear();

    if (!m_adapterNames.contains(name)) {
        setDetailsVisible(false);
        m_hintLabel->setText(red(tr("Please choose a network adapter from the list")));
        m_hintLabel->show();
    } else {
        m_shownAdapter = name;
        setDetailsVisible(true);
        bool macValid = false;
        if (const NetworkAdapter *a = adapter(name)) {
            const auto mac = vyrokit::NetworkAddress::macFromString(a->hardwareAddress());
            macValid = mac.has_value();
            if (mac)
                m_currentMac = *mac;
            m_macLabel->setText(a->hardwareAddress());
            if (a->hasIpv4()) {
                m_ipEdit->setText(a->ipAddress().toString());
                m_maskEdit->setText(a->netmask().toString());
            }
        }
        int filter = -1;
        if (!isAdapterEnabled(name)) {
            m_adapterToggleButton->setText(tr("Enable for adapter"));
            if (m_services.isRoot()) {
                m_jumboCheck->setEnabled(false);
                m_packetFilterCombo->setEnabled(false);
            }
        } else {
            m_adapterToggleButton->setText(tr("Disable for adapter"));
            if (m_services.isRoot())
                m_jumboCheck->setEnabled(true);
            m_packetFilterCombo->setEnabled(true);
            VY_ADAPTER_CONFIG block;
            std::memset(&block, 0, sizeof block);
            // A hardware address that is not one cannot name the adapter to the driver.
            const bool read =
                macValid &&
                vy_AccessAdapterCfgByMAC(m_currentMac.data(), VY_ADAPTER_READ,
                                         VY_ADAPTER_ITEM_BLOCK, &block, sizeof block) == VY_SUCCESS;
            m_jumboCheck->setChecked(read && block.packetSize >= normalPacketSize + 1);
            filter = read ? int(block.packetFilter) : -1;
            const QSignalBlocker blocker(m_packetFilterCombo);
            const int index = m_packetFilterCombo->findData(filter);
            if (index >= 0)
                m_packetFilterCombo->setCurrentIndex(index);
            m_packetFilterCombo->setEnabled(index >= 0);
        }
        m_hintLabel->hide();
        updateMtu();
    }
    m_adapterToggleButton->setEnabled(isConfigWritable());
    updateDaemonControls();
    emit adapterShown(name);
}

void EthDaemonConfig::updateMtu()
{
    const NetworkAdapter *a = adapter(m_shownAdapter);
    const int mtu = a ? a->mtu() : 0;
    m_mtuLabel->setText(mtu > 0 ? tr("MTU: %1 bytes").arg(mtu) : tr("MTU: unknown"));
    const uint32_t packetSize = m_jumboCheck->isChecked() ? jumboPacketSize : normalPacketSize;
    // Packets larger than the adapter's MTU are split or dropped on the way: the cameras
    // seem to work, but images arrive incomplete.
    if (mtu > 0 && uint32_t(mtu) < packetSize) {
        m_mtuWarning->setText(
            red(tr("The MTU of %1 (%2 bytes) is below the packet size of %3 bytes chosen. "
                   "Raise the adapter's MTU to at least %3 bytes, or the images will arrive "
                   "incomplete.")
                    .arg(m_shownAdapter)
                    .arg(mtu)
                    .arg(packetSize)));
        m_mtuWarning->show();
    } else {
        m_mtuWarning->hide();
    }
}

QString EthDaemonConfig::currentAdapterName() const
{
    const QTreeWidgetItem *item = m_adapterTree->currentItem();
    return item ? item->data(0, Qt::UserRole).toString() : QString();
}

void EthDaemonConfig::onAdapter(QTreeWidgetItem *item, int column)
{
    Q_UNUSED(column)
    showAdapter(item ? item->data(0, Qt::UserRole).toString() : QString());
}

void EthDaemonConfig::onPushedAdapterBound()
{
    if (m_ethRunning) {
        QMessageBox::warning(this, tr("root feature"),
                             tr("Modification on the ETH daemon\nconfiguration file is only\n"
                                "possible when the ETH daemon\nis stopped!"));
        return;
    }
    const QString name = currentAdapterName();
    if (name.isEmpty())
        return;
    QString problem;
    const int result = isAdapterEnabled(name) ? m_config.disableAdapter(name, &problem)
                                              : m_config.enableAdapter(name, &problem);
    // What the file holds now, also after a failed write.
    updateAdapterIcons();
    updateNotes(m_enabledAdapterCount);
    if (result != 0)
        QMessageBox::critical(
            this, tr("Failed"),
            tr("The adapters of the GigE daemon could not be changed.\n\n%1").arg(problem));
    showAdapter(name);
}

void EthDaemonConfig::updateDaemonControls()
{
    const QPixmap on(QStringLiteral(":/images/led_on.png"));
    const QPixmap off(QStringLiteral(":/images/led_off.png"));
    m_ethLed->setPixmap(m_ethRunning ? on : off);
    m_ethButton->setText(m_ethRunning ? tr("Stop ETH daemon") : tr("Start ETH daemon"));
    m_usbLed->setPixmap(m_usbRunning ? on : off);
    m_usbButton->setText(m_usbRunning ? tr("Stop USB daemon") : tr("Start USB daemon"));
}

void EthDaemonConfig::onChangedVyrodStatus(const CoreStates &status)
{
    const auto follow = [](int state, bool installed, bool &running, QPushButton *button) {
        if (state == CoreStates::Stopped || state == CoreStates::Running) {
            running = state == CoreStates::Running;
            button->setEnabled(installed);
        } else {
            button->setEnabled(false);
        }
    };
    follow(status.usb, m_services.usbServiceInstalled(), m_usbRunning, m_usbButton);
    follow(status.eth, m_services.ethServiceInstalled(), m_ethRunning, m_ethButton);
    updateDaemonControls();
}

void EthDaemonConfig::controlDaemon(const QString &service, bool stop)
{
    if (!m_services.control(service, stop)) {
        QMessageBox::critical(this, tr("Permission error"),
                              tr("Don't have enough privileges. Are you root?"));
        return;
    }
    emit daemonControlled();
}

void EthDaemonConfig::onPushedETH()
{
    controlDaemon(ServiceControl::ethService, m_ethRunning);
}

void EthDaemonConfig::onPushedUSB()
{
    controlDaemon(ServiceControl::usbService, m_usbRunning);
}

void EthDaemonConfig::onPushedJumboCheckbox()
{
    const bool checked = m_jumboCheck->isChecked();
    if (checked) {
        VY_ADAPTER_PACKET_SIZE query{VY_ADAPTER_PACKET_SIZE_QUERY, 0};
        if (vy_AccessAdapterCfgByMAC(m_currentMac.data(), VY_ADAPTER_READ,
                                     VY_ADAPTER_ITEM_PACKET_SIZE, &query,
                                     sizeof query) == VY_SUCCESS &&
            query.packetSize < 2048) {
            const auto answer = QMessageBox::warning(
                this, tr("Warning"),
                tr("The network adapter is not configured to use packets larger than the normal "
                   "size of 1,5 KB.\n\nPlease set the packet size to at least 2 KB."),
                QMessageBox::Ok | QMessageBox::Cancel);
            if (answer == QMessageBox::Cancel) {
                m_jumboCheck->setChecked(false);
                updateMtu();
                return;
            }
            if (answer != QMessageBox::Ok)
                return;
        }
    }
    uint32_t size = checked ? jumboPacketSize : normalPacketSize;
    vy_AccessAdapterCfgByMAC(m_currentMac.data(), VY_ADAPTER_WRITE, VY_ADAPTER_ITEM_SET_PACKET_SIZE,
                             &size, sizeof size);
    updateMtu();
}

void EthDaemonConfig::onPacketFilterChanged()
{
    uint32_t filter = m_packetFilterCombo->currentData().toUInt();
    const int32_t result =
        vy_AccessAdapterCfgByMAC(m_currentMac.data(), VY_ADAPTER_WRITE,
                                 VY_ADAPTER_ITEM_PACKET_FILTER, &filter, sizeof filter);
    if (result == VY_SUCCESS) {
        vy_FetchTCPIP_Setup();
        return;
    }
    QMessageBox::critical(this, tr("Failed"),
                          tr("Setting Packetfilter failed: %1")
                              .arg(vyrokit::SdkError::text(VY_DRIVER_HANDLE, result)));
    // The combo shows the driver's value again, not the one it refused.
    showAdapter(QString(m_shownAdapter));
}

void EthDaemonConfig::onApplyIpSettings()
{
    if (!setAdapterStaticIp(currentAdapterName(), m_ipEdit->text(), m_maskEdit->text()))
        QMessageBox::critical(this, tr("Failed"), tr("Setting static ip failed!"));
}

void EthDaemonConfig::onChangeDhcp()
{
    if (!enableAdapterDhcp(currentAdapterName()))
        QMessageBox::critical(this, tr("Failed"), tr("Setting DHCP enabled failed!"));
}

bool EthDaemonConfig::setAdapterStaticIp(const QString &name, const QString &address,
                                         const QString &netmask)
{
    Q_UNUSED(name)
    Q_UNUSED(address)
    Q_UNUSED(netmask)
    return true;
}

bool EthDaemonConfig::enableAdapterDhcp(const QString &name)
{
    Q_UNUSED(name)
    return true;
}

bool EthDaemonConfig::isAdapterEnabled(const QString &name) const
{
    return m_config.isAdapterEnabled(name);
}

int EthDaemonConfig::enableAdapter(const QString &name)
{
    return m_config.enableAdapter(name);
}

int EthDaemonConfig::disableAdapter(const QString &name)
{
    return m_config.disableAdapter(name);
}

bool EthDaemonConfig::isConfigWritable() const
{
    return m_config.isWritable();
}

// ethconfig.cpp: the camera's network configuration dialog and its free-address search.
#include "zentara/network/ethconfig.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <cstring>
#include <vector>

#include "sdk/vyro_api.h"
#include "sdk/vyro_device.h"
#include "vyrokit/networkaddress.h"
#include "vyrokit/sdkerror.h"
#include "vyrokit/systempaths.h"
#include "zentara/inventory/camera.h"
#include "zentara/inventory/zentaralogging.h"
#include "zentara/network/qipedit.h"

using zentara::Camera;

using vyrokit::NetworkAddress;

namespace {

const QString zeroAddress = QStringLiteral("0.0.0.0");
// How long one ping may take before its candidate is read from the ARP table anyway.
constexpr int pingTimeoutMs = 30000;
// How often a waiting worker looks at its stop flag.
constexpr int stopPollMs = 20;
// The third field of the range record.
constexpr uint32_t rangeRecordCount = VY_IP_RANGE_COUNT;

const uint8_t zeroMac[6] = {0, 0, 0, 0, 0, 0};

QString dotted(const uint8_t (&octets)[4])
{
    return NetworkAddress::ipv4Text(octets);
}

void putAddress(uint8_t (&octets)[4], uint32_t address)
{
    const std::array<uint8_t, 4> bytes = NetworkAddress::ipv4Octets(address);
    std::memcpy(octets, bytes.data(), sizeof octets);
}

} // namespace

EthConfig::EthConfig(QWidget *parent, const Camera *camera) : QDialog(parent), m_camera(camera)
{
    setWindowTitle(tr("Manual ETH Configuration"));
    BuildDialog();
    InitDialog();
    connect(m_persistentIpEdit, &QIpEdit::editingFinished, this, &EthConfig::prepareSubnet);
    connect(&m_suggestWatcher, &QFutureWatcher<uint32_t>::finished, this,
            &EthConfig::onSuggestIPFinished);
}

EthConfig::~EthConfig()
{
    // The worker emits on this dialog until it ends; stopped, it ends within one poll.
    stopSearch();
    m_suggestWatcher.disconnect(this);
    m_suggestWatcher.waitForFinished();
}

void EthConfig::BuildDialog()
{
    m_mainLayout = new QVBoxLayout(this);

    m_adapterGroup = new QGroupBox(tr("Adapter settings"), this);
    m_adapterLayout = new QGridLayout(m_adapterGroup);
    m_rangeBeginLabel = new QLabel(tr("IP range begin"), m_adapterGroup);
    m_rangeBeginEdit = new QIpEdit(m_adapterGroup);
    m_rangeBeginEdit->setObjectName(QStringLiteral("rangeBeginEdit"));
    m_suggestRangeButton = new QPushButton(tr("Suggest"), m_adapterGroup);
    m_suggestRangeButton->setObjectName(QStringLiteral("suggestRangeButton"));
    m_rangeEndLabel = new QLabel(tr("IP range end"), m_adapterGroup);
    m_rangeEndEdit = new QIpEdit(m_adapterGroup);
    m_rangeEndEdit->setObjectName(QStringLiteral("rangeEndEdit"));
    m_adapterLayout->addWidget(m_rangeBeginLabel, 0, 0);
    m_adapterLayout->addWidget(m_rangeBeginEdit, 1, 0);
    m_adapterLayout->addWidget(m_suggestRangeButton, 1, 1, Qt::AlignCenter);
    m_adapterLayout->addWidget(m_rangeEndLabel, 2, 0);
    m_adapterLayout->addWidget(m_rangeEndEdit, 3, 0);
    m_mainLayout->addWidget(m_adapterGroup);

    m_deviceGroup = new QGroupBox(tr("Device settings"), this);
    m_deviceLayout = new QVBoxLayout(m_deviceGroup);
    m_deviceGrid = new QGridLayout;
    m_persistentIpLabel = new QLabel(tr("Persistent IP"), m_deviceGroup);
    m_persistentIpEdit = new QIpEdit(m_deviceGroup);
    m_persistentIpEdit->setObjectName(QStringLiteral("persistentIpEdit"));
    m_suggestIpButton = new QPushButton(tr("Suggest"), m_deviceGroup);
    m_suggestIpButton->setObjectName(QStringLiteral("suggestIpButton"));
    m_subnetMaskLabel = new QLabel(tr("Subnetmask"), m_deviceGroup);
    m_subnetMaskEdit = new QIpEdit(m_deviceGroup);
    m_subnetMaskEdit->setObjectName(QStringLiteral("subnetMaskEdit"));
    m_deviceGrid->addWidget(m_persistentIpLabel, 0, 0);
    m_deviceGrid->addWidget(m_persistentIpEdit, 1, 0);
    m_deviceGrid->addWidget(m_suggestIpButton, 1, 1, Qt::AlignCenter);
    m_deviceGrid->addWidget(m_subnetMaskLabel, 2, 0);
    m_deviceGrid->addWidget(m_subnetMaskEdit, 3, 0);
    m_deviceLayout->addLayout(m_deviceGrid);
    m_miscGroup = new QGroupBox(tr("Miscellaneous"), m_deviceGroup);
    m_miscLayout = new QVBoxLayout(m_miscGroup);
    m_dhcpCheck = new QCheckBox(tr("Enable DHCP"), m_miscGroup);
    m_dhcpCheck->setObjectName(QStringLiteral("dhcpCheck"));
    m_miscLayout->addWidget(m_dhcpCheck);
    m_deviceLayout->addWidget(m_miscGroup);
    m_mainLayout->addWidget(m_deviceGroup);

    m_multicastGroup = new QGroupBox(tr("Multicast settings"), this);
    m_multicastLayout = new QGridLayout(m_multicastGroup);
    m_multicastIpLabel = new QLabel(tr("Multicast IP"), m_multicastGroup);
    m_multicastEnableCheck = new QCheckBox(tr("Enable"), m_multicastGroup);
    m_multicastEnableCheck->setObjectName(QStringLiteral("multicastEnableCheck"));
    m_multicastIpEdit = new QIpEdit(m_multicastGroup);
    m_multicastIpEdit->setObjectName(QStringLiteral("multicastIpEdit"));
    m_multicastDefaultButton = new QPushButton(tr("Default"), m_multicastGroup);
    m_multicastDefaultButton->setObjectName(QStringLiteral("multicastDefaultButton"));
    m_multicastLayout->addWidget(m_multicastIpLabel, 1, 0);
    m_multicastLayout->addWidget(m_multicastEnableCheck, 1, 1);
    m_multicastLayout->addWidget(m_multicastIpEdit, 2, 0);
    m_multicastLayout->addWidget(m_multicastDefaultButton, 2, 1);
    m_mainLayout->addWidget(m_multicastGroup);

    m_statusGroup = new QGroupBox(tr("Status"), this);
    m_statusLayout = new QGridLayout(m_statusGroup);
    m_statusLabel = new QLabel(m_statusGroup);
    m_statusLabel->setObjectName(QStringLiteral("statusLabel"));
    m_statusLabel->setWordWrap(true);
    // Room for a status sentence that wraps once, so that the dialog, sized before the sentence
    // is known, need not squeeze the fields for it.
    m_statusLabel->setMinimumHeight(2 * m_statusLabel->fontMetrics().lineSpacing());
    m_statusLayout->addWidget(m_statusLabel, 0, 0);
    m_mainLayout->addWidget(m_statusGroup);

    m_buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_mainLayout->addWidget(m_buttonBox);

    connect(m_suggestRangeButton, &QPushButton::clicked, this, &EthConfig::SuggestIPRange);
    connect(m_suggestIpButton, &QPushButton::clicked, this, &EthConfig::SuggestIP);
    connect(m_multicastDefaultButton, &QPushButton::clicked, this,
            [this] { m_multicastIpEdit->setText(QStringLiteral("224.0.0.0")); });
    connect(m_buttonBox, &QDialogButtonBox::accepted, this, &EthConfig::Config);
    connect(m_buttonBox, &QDialogButtonBox::rejected, this, &EthConfig::reject);

    resize(sizeHint());
}

void EthConfig::InitDialog()
{
    const int32_t deviceId = int32_t(m_camera->deviceId());
    m_adapterAddress.setAddress(m_camera->adapterIpAddress());
    m_adapterSubnetMask.setAddress(m_camera->adapterSubnetMask());
    m_initialMulticastIp = m_camera->multicastIpAddress();
    m_multicastEnabled = (m_camera->deviceStatus() & vyro::DeviceStatusMulticastEnabled) != 0;

    uint32_t capabilities = 0;
    if (vy_IpConfig(deviceId, zeroMac, VY_IPCONFIG_QUERY_CAPABILITIES, &capabilities,
                    sizeof capabilities) != VY_SUCCESS)
        capabilities = 0;

    uint32_t dhcp = 0;
    m_dhcpEnabled =
        vy_IpConfig(deviceId, zeroMac, VY_IPCONFIG_GET_DHCP, &dhcp, sizeof dhcp) == VY_SUCCESS &&
        (dhcp & VY_IPCONFIG_DHCP_ENABLED) != 0;

    VY_IP_RECORD persistent;
    std::memset(&persistent, 0, sizeof persistent);
    const bool persistentRead = vy_IpConfig(deviceId, zeroMac, VY_IPCONFIG_GET_PERSISTENT_IP,
                                            &persistent, sizeof persistent) == VY_SUCCESS;
    if (persistentRead) {
        m_initialPersistentIp = dotted(persistent.address);
        m_initialSubnetMask = dotted(persistent.mask);
    } else {
        m_initialPersistentIp.clear();
        m_initialSubnetMask.clear();
    }
    // An address the camera did not tell, or cannot keep, is never written: the fields would
    // only show 0.0.0.0 for it.
    m_persistentIpWritable = persistentRead && (capabilities & VY_IPCONFIG_CAP_PERSISTENT_IP);
    m_persistentIpEdit->setEnabled(m_persistentIpWritable);
    m_subnetMaskEdit->setEnabled(m_persistentIpWritable);
    m_suggestIpButton->setEnabled(m_persistentIpWritable);

    // A MAC text the expression does not take addresses no adapter: the zero MAC.
    const vyrokit::MacAddress adapterMac =
        NetworkAddress::macFromString(m_camera->adapterMac()).value_or(vyrokit::MacAddress{});
    VY_IP_RANGE range;
    std::memset(&range, 0, sizeof range);
    vy_IpConfig(VY_ADAPTER_HANDLE, adapterMac.data(), VY_IPCONFIG_GET_AUTOCFG_RANGE, &range,
                sizeof range);
    m_initialRangeBegin = dotted(range.begin);
    m_initialRangeEnd = dotted(range.end);

    m_deviceGroup->setTitle(tr("Device ID: %1").arg(m_camera->deviceId()));
    m_persistentIpEdit->setText(m_initialPersistentIp);
    m_subnetMaskEdit->setText(m_initialSubnetMask);
    m_rangeBeginEdit->setText(m_initialRangeBegin);
    m_rangeEndEdit->setText(m_initialRangeEnd);

    m_adapterGroup->setEnabled((capabilities & VY_IPCONFIG_CAP_AUTOCFG_RANGE) != 0);
    m_deviceGroup->setEnabled((capabilities & VY_IPCONFIG_CAP_PERSISTENT_IP) != 0);
    if (capabilities & VY_IPCONFIG_CAP_DHCP)
        m_dhcpCheck->setChecked(m_dhcpEnabled);
    else
        m_dhcpCheck->setEnabled(false);

    if (m_camera->multicastSupport() == 0) {
        m_multicastGroup->setEnabled(false);
        m_multicastEnableCheck->setEnabled(false);
        m_multicastIpEdit->setText(zeroAddress);
    } else {
        m_multicastIpEdit->setText(m_initialMulticastIp);
        m_multicastEnableCheck->setChecked(m_multicastEnabled);
    }

    CheckPersistentIP();
}

void EthConfig::CheckPersistentIP()
{
    if (m_persistentIpEdit->text() == zeroAddress && m_subnetMaskEdit->text() == zeroAddress)
        m_statusLabel->setText(
            tr("The camera has no persistent IP address and uses an address from the IP range"));
    else
        m_statusLabel->setText(tr("The camera uses the persistent IP address"));
}

void EthConfig::prepareSubnet()
{
    if (m_subnetMaskEdit->text() == zeroAddress && m_persistentIpEdit->text() != zeroAddress)
        m_subnetMaskEdit->setText(QStringLiteral("255.255.255.0"));
}

void EthConfig::SuggestIPRange()
{
    const uint32_t address = m_adapterAddress.toIPv4Address();
    const uint32_t mask = m_adapterSubnetMask.toIPv4Address();
    m_rangeBeginEdit->setValue((address & mask) + 1);
    m_rangeEndEdit->setValue((address | ~mask) - 1);
}

void EthConfig::SuggestIP()
{
    // A search still running is given up; only the newest one reports.
    stopSearch();
    m_suggestWatcher.disconnect(this);
    m_suggestWatcher.waitForFinished();
    connect(&m_suggestWatcher, &QFutureWatcher<uint32_t>::finished, this,
            &EthConfig::onSuggestIPFinished);
    if (m_progressDialog)
        m_progressDialog->deleteLater();

    m_progressDialog = new QProgressDialog(tr("Checking IP addresses. Please wait..."),
                                           tr("Cancel"), 0, 100000, this);
    m_progressDialog->setWindowModality(Qt::WindowModal);
    m_progressDialog->setMinimumDuration(0);
    connect(m_progressDialog, &QProgressDialog::canceled, this, &EthConfig::stopSearch);
    m_progressDialog->show();

    const uint32_t address = m_adapterAddress.toIPv4Address();
    const uint32_t mask = m_adapterSubnetMask.toIPv4Address();
    const uint32_t first = (address & mask) + 1;
    const uint32_t last = (address | ~mask) - 1;

    m_searchStop = std::make_shared<std::atomic_bool>(false);
    m_suggestWatcher.setFuture(QtConcurrent::run(
        [this, first, last, stop = m_searchStop] { return searchFreeAddress(first, last, stop); }));
}

uint32_t EthConfig::searchFreeAddress(uint32_t first, uint32_t last,
                                      const std::shared_ptr<std::atomic_bool> &stop)
{
    const QString arpPath = ArpTable::systemTablePath();
    // Counted up to last inclusive without wrapping past 255.255.255.255.
    for (uint64_t candidate = first; candidate <= last; ++candidate) {
        if (*stop)
            return 0;
        const QString address = NetworkAddress::ipv4Text(uint32_t(candidate));
        if (probeAddress(address, arpPath, *stop) == ArpTable::ArpIncomplete && !*stop)
            return uint32_t(candidate);
        if (*stop)
            return 0;
        emit nextAddress();
    }
    return 0;
}

ArpTable::State EthConfig::probeAddress(const QString &address, const QString &arpPath,
                                        const std::atomic_bool &stop)
{
    const QString ping = vyrokit::SystemPaths::program(QStringLiteral("ping"));
    if (!ping.isEmpty()) {
        QProcess process;
        // Only the ARP table counts; what ping says is not read.
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        process.start(ping, {QStringLiteral("-c"), QStringLiteral("1"), address});
        if (process.waitForStarted()) {
            QElapsedTimer elapsed;
            elapsed.start();
            while (!process.waitForFinished(stopPollMs)) {
                if (process.state() == QProcess::NotRunning)
                    break;
                if (stop || elapsed.hasExpired(pingTimeoutMs)) {
                    // Our own child: ended and reaped here.
                    process.kill();
                    process.waitForFinished(-1);
                    break;
                }
            }
        }
    }
    if (stop)
        return ArpTable::ArpNotFound;
    return ArpTable::lookup(arpPath, address);
}

void EthConfig::stopSearch()
{
    if (m_searchStop)
        *m_searchStop = true;
}

void EthConfig::done(int result)
{
    stopSearch();
    QDialog::done(result);
}

void EthConfig::onSuggestIPFinished()
{
    if (m_progressDialog) {
        m_progressDialog->setValue(m_progressDialog->maximum());
        m_progressDialog->deleteLater();
        m_progressDialog = nullptr;
    }
    const uint32_t result = m_suggestWatcher.result();
    if (result == 0)
        return;
    m_persistentIpEdit->setValue(result);
    m_subnetMaskEdit->setText(m_camera->adapterSubnetMask());
    CheckPersistentIP();
}

// Everything is checked before anything is written: a refusal leaves the camera and the
// adapter as they were, so that Cancel still means "nothing changed".
void EthConfig::Config()
{
    const int32_t deviceId = int32_t(m_camera->deviceId());
    const QString persistentIp = m_persistentIpEdit->text();
    const QString subnetMask = m_subnetMaskEdit->text();
    const QString multicastIp = m_multicastIpEdit->text();
    const QString rangeBegin = m_rangeBeginEdit->text();
    const QString rangeEnd = m_rangeEndEdit->text();
    const uint32_t adapterAddress = m_adapterAddress.toIPv4Address();
    const uint32_t adapterMask = m_adapterSubnetMask.toIPv4Address();

    const bool persistentChanged =
        m_persistentIpWritable &&
        (persistentIp != m_initialPersistentIp || subnetMask != m_initialSubnetMask);
    const bool rangeChanged = rangeBegin != m_initialRangeBegin || rangeEnd != m_initialRangeEnd;
    const bool multicastChanged =
        m_camera->multicastSupport() != 0 && multicastIp != m_initialMulticastIp;
    if (!checkAddresses(persistentChanged, rangeChanged, multicastChanged))
        return;

    // The range checks of the adapter's subnet; each refusal resets what it refers to.
    if (rangeChanged) {
        const uint32_t begin = m_rangeBeginEdit->value();
        const uint32_t end = m_rangeEndEdit->value();
        const uint32_t mask = QHostAddress(m_camera->adapterSubnetMask()).toIPv4Address();
        if (end < begin) {
            QMessageBox::warning(
                this, tr("Warning"),
                tr("The IP range begin must be less than or equal to the IP range end!"));
            m_rangeBeginEdit->setText(m_initialRangeBegin);
            m_rangeEndEdit->setText(m_initialRangeEnd);
            return;
        }
        if (begin != 0 || end != 0) {
            const uint32_t hostBegin = begin & ~mask;
            const uint32_t hostEnd = end & ~mask;
            if (hostEnd == ~mask && hostBegin != 0) {
                QMessageBox::warning(this, tr("Warning"),
                                     tr("The IP range end must not be equal to the\nbroadcast "
                                        "address of the subnet!"));
                m_rangeEndEdit->setText(m_initialRangeEnd);
                return;
            }
            if (hostEnd == ~mask && hostBegin == 0) {
                QMessageBox::warning(
                    this, tr("Warning"),
                    tr("The IP range end must not be equal to the\nbroadcast address of the "
                       "subnet!\nAnd the host part of the IP range must not start with 0!"));
                m_rangeBeginEdit->setText(m_initialRangeBegin);
                m_rangeEndEdit->setText(m_initialRangeEnd);
                return;
            }
            if (hostBegin == 0) {
                QMessageBox::warning(this, tr("Warning"),
                                     tr("The host part of the IP range must not start with 0!"));
                m_rangeBeginEdit->setText(m_initialRangeBegin);
                return;
            }
        }
    }

    // Last, the one question: with everything else in order, Yes writes it all.
    if (persistentChanged) {
        const uint32_t ip = m_persistentIpEdit->value();
        const uint32_t mask = m_subnetMaskEdit->value();
        if (ip != 0 && adapterMask != 0 && (adapterMask & adapterAddress) != (mask & ip)) {
            const QMessageBox::StandardButton answer = QMessageBox::warning(
                this, tr("Set persistent IP"),
                tr("The given address %1 is not a suitable IP for\nthe adapter with address %2 / "
                   "%3!\nDo you want to continue anyway?")
                    .arg(persistentIp, m_adapterAddress.toString(), m_adapterSubnetMask.toString()),
                QMessageBox::Yes | QMessageBox::No);
            if (answer != QMessageBox::Yes)
                return;
        }
    }

    bool closed = false;
    if (persistentChanged) {
        VY_IP_RECORD record;
        std::memset(&record, 0, sizeof record);
        putAddress(record.address, m_persistentIpEdit->value());
        putAddress(record.mask, m_subnetMaskEdit->value());
        record.reserved = 0;
        const int32_t r =
            vy_IpConfig(deviceId, zeroMac, VY_IPCONFIG_SET_PERSISTENT_IP, &record, sizeof record);
        if (r != VY_SUCCESS) {
            QMessageBox::warning(this, tr("Warning"),
                                 tr("Setting of the persistent IP address or subnetmask "
                                    "failed.\n%1")
                                     .arg(vyrokit::SdkError::text(VY_DRIVER_HANDLE, r)));
            close();
            closed = true;
        }
    }

    if (rangeChanged) {
        const uint32_t begin = m_rangeBeginEdit->value();
        const uint32_t end = m_rangeEndEdit->value();
        const vyrokit::MacAddress adapterMac =
            NetworkAddress::macFromString(m_camera->adapterMac()).value_or(vyrokit::MacAddress{});
        VY_IP_RANGE range;
        std::memset(&range, 0, sizeof range);
        range.count = rangeRecordCount;
        putAddress(range.begin, begin);
        putAddress(range.end, end);
        const int32_t r = vy_IpConfig(VY_ADAPTER_HANDLE, adapterMac.data(),
                                      VY_IPCONFIG_SET_AUTOCFG_RANGE, &range, sizeof range);
        if (r != VY_SUCCESS) {
            const bool cleared = begin == 0 && end == 0;
            QMessageBox::warning(this, cleared ? tr("Warning") : tr("Error"),
                                 tr("Setting of the automatic configuration range "
                                    "failed.\n%1")
                                     .arg(vyrokit::SdkError::text(VY_DRIVER_HANDLE, r)));
            close();
            closed = true;
        }
    }

    // DHCP; no box reports its failure, the log does.
    if (m_dhcpCheck->isChecked() != m_dhcpEnabled) {
        uint32_t dhcp = m_dhcpCheck->isChecked() ? VY_IPCONFIG_DHCP_ENABLED : 0;
        const int32_t r = vy_IpConfig(deviceId, zeroMac, VY_IPCONFIG_SET_DHCP, &dhcp, sizeof dhcp);
        if (r != VY_SUCCESS)
            qCWarning(lcZentara, "Switching DHCP failed: %s",
                      qPrintable(vyrokit::SdkError::text(VY_DRIVER_HANDLE, r)));
    }

    // Multicast, only for a camera that supports it.
    if (m_camera->multicastSupport() != 0) {
        const VY_HCAM handle = m_camera->unopenedHandle();
        if (multicastChanged) {
            uint8_t address[4];
            putAddress(address, m_multicastIpEdit->value());
            const int32_t r =
                vy_Multicast(handle, VY_MULTICAST_SET_ADDRESS, address, sizeof address);
            if (r != VY_SUCCESS) {
                QMessageBox::warning(this, tr("Warning"),
                                     tr("Setting Multicast IP failed: %1\nLikely an invalid IP?")
                                         .arg(vyrokit::SdkError::text(VY_DRIVER_HANDLE, r)));
                m_multicastIpEdit->setText(m_initialMulticastIp);
                return;
            }
        }
        if (m_multicastEnableCheck->isChecked() != m_multicastEnabled) {
            uint32_t enable = m_multicastEnableCheck->isChecked() ? 1 : 0;
            const int32_t r = vy_Multicast(handle, VY_MULTICAST_SET_ENABLE, &enable, sizeof enable);
            if (r != VY_SUCCESS) {
                QMessageBox::warning(this, tr("Warning"),
                                     tr("Error enabling Multicast\n%1")
                                         .arg(vyrokit::SdkError::text(VY_DRIVER_HANDLE, r)));
                m_multicastIpEdit->setText(m_initialMulticastIp);
                return;
            }
        }
    }

    if (!closed)
        accept();
}

bool EthConfig::checkAddresses(bool persistentChanged, bool rangeChanged, bool multicastChanged)
{
    // Each field to be written, with its label, in the dialog's order.
    struct Field
    {
        QIpEdit *edit;
        QString label;
        AddressKind kind;
    };
    std::vector<Field> fields;
    if (rangeChanged &&
        (m_rangeBeginEdit->value() != 0 || m_rangeEndEdit->value() != 0 ||
         !m_rangeBeginEdit->hasAcceptableInput() || !m_rangeEndEdit->hasAcceptableInput())) {
        fields.push_back({m_rangeBeginEdit, m_rangeBeginLabel->text(), AddressKind::Host});
        fields.push_back({m_rangeEndEdit, m_rangeEndLabel->text(), AddressKind::Host});
    }
    if (persistentChanged) {
        // 0.0.0.0 gives the persistent address up; the mask then does not matter.
        const bool givenUp =
            m_persistentIpEdit->hasAcceptableInput() && m_persistentIpEdit->value() == 0;
        fields.push_back({m_persistentIpEdit, m_persistentIpLabel->text(),
                          givenUp ? AddressKind::Any : AddressKind::Host});
        fields.push_back({m_subnetMaskEdit, m_subnetMaskLabel->text(),
                          givenUp ? AddressKind::Any : AddressKind::Mask});
    }
    if (multicastChanged)
        fields.push_back({m_multicastIpEdit, m_multicastIpLabel->text(), AddressKind::Multicast});

    for (const Field &field : fields) {
        const QString problem = addressProblem(field.edit, field.kind);
        if (problem.isEmpty())
            continue;
        QMessageBox::warning(this, tr("Warning"),
                             tr("%1: %2\nNothing has been written.").arg(field.label, problem));
        field.edit->octetField(0)->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

QString EthConfig::addressProblem(const QIpEdit *edit, AddressKind kind) const
{
    // As typed while it is no address, else in its usual form ("010" as 10).
    const QString text = edit->hasAcceptableInput() ? edit->text() : edit->rawText();
    if (!edit->hasAcceptableInput())
        return tr("%1 is not an address: each of its four numbers must be 0 to 255.").arg(text);
    const uint32_t address = edit->value();
    const uint32_t first = address >> 24;
    switch (kind) {
    case AddressKind::Any:
        return QString();
    case AddressKind::Multicast:
        if (first >= 224 && first <= 239)
            return QString();
        return tr("%1 is not a multicast address; those are 224.0.0.0 to 239.255.255.255.")
            .arg(text);
    case AddressKind::Mask: {
        // A run of 1 bits from the top, leaving at least two bits for hosts.
        const uint32_t hosts = ~address;
        if (address != 0 && (hosts & (hosts + 1)) == 0 && hosts >= 3)
            return QString();
        return tr("%1 is not a subnet mask such as 255.255.255.0.").arg(text);
    }
    case AddressKind::Host:
        break;
    }
    if (first == 0 || first == 127 || first >= 224)
        return tr("%1 cannot be the address of a camera: addresses beginning with 0, 127 or 224 "
                  "to 255 are not given to devices.")
            .arg(text);
    if (edit != m_persistentIpEdit)
        return QString();
    // Within its own subnet, the first and the last address are not a device's.
    const uint32_t hosts = ~m_subnetMaskEdit->value();
    if ((address & hosts) == 0 || (address & hosts) == hosts)
        return tr("%1 cannot be the address of a camera: with the subnet mask %2 it is the "
                  "address of the subnet itself or its broadcast address.")
            .arg(text, m_subnetMaskEdit->text());
    return QString();
}

// deviceinfomodel.cpp: the rows of the device information tree and how they follow the camera.
#include "zentara/devinfo/deviceinfomodel.h"

#include <QFont>

#include <functional>

#include "sdk/vyro_api.h"
#include "sdk/vyro_device.h"
#include "vyrokit/packedversion.h"
#include "vyrokit/sdkquery.h"
#include "zentara/devinfo/deviceinfoitem.h"
#include "zentara/devinfo/udevhwdb.h"
#include "zentara/devinfo/usbtopology.h"

using zentara::Camera;

namespace {

struct BitRow
{
    const char *label;
    uint32_t mask;
};

const BitRow deviceStatusBits[] = {
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Ready to operate"), vyro::DeviceStatusReady},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Testing current IP"),
     vyro::DeviceStatusTestingCurrentIp},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Testing persistent IP"),
     vyro::DeviceStatusTestingPersistentIp},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Testing IP range"), vyro::DeviceStatusTestingIpRange},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Current IP address not applicable"),
     vyro::DeviceStatusCurrentIpNotApplicable},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Persistent IP address not applicable"),
     vyro::DeviceStatusPersistentIpNotApplicable},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "IP range not applicable"),
     vyro::DeviceStatusIpRangeNotApplicable},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Multicast mode enabled"),
     vyro::DeviceStatusMulticastEnabled},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Unpaired"), vyro::DeviceStatusUnpaired},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Pairing in progress"),
     vyro::DeviceStatusPairingInProgress},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Paired"), vyro::DeviceStatusPaired},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Force 100Mbps"), vyro::DeviceStatusForce100Mbps},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "No COM port"), vyro::DeviceStatusNoComPort},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Needs firmware addon"),
     vyro::DeviceStatusNeedsFirmwareAddon},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Receiving starter firmware"),
     vyro::DeviceStatusReceivingStarterFirmware},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Receiving runtime firmware"),
     vyro::DeviceStatusReceivingRuntimeFirmware},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Inapplicable runtime firmware"),
     vyro::DeviceStatusInapplicableRuntimeFirmware},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Inapplicable starter firmware"),
     vyro::DeviceStatusInapplicableStarterFirmware},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Rebooting to runtime firmware"),
     vyro::DeviceStatusRebootingToRuntimeFirmware},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Rebooting to starter firmware"),
     vyro::DeviceStatusRebootingToStarterFirmware},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Rebooting to failsafe firmware"),
     vyro::DeviceStatusRebootingToFailsafeFirmware},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Testing FPGA Firmware"),
     vyro::DeviceStatusTestingFpgaFirmware},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Receiving addon firmware"),
     vyro::DeviceStatusReceivingAddonFirmware},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Inapplicable addon firmware"),
     vyro::DeviceStatusInapplicableAddonFirmware},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Hardware configuration error"),
     vyro::DeviceStatusHardwareConfigurationError},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Runtime firmware error 0"),
     vyro::DeviceStatusRuntimeFirmwareError0},
};

const BitRow controlStatusBits[] = {
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Available"), vyro::ControlStatusAvailable},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Accessible 1"), vyro::ControlStatusAccessible1},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Accessible 2"), vyro::ControlStatusAccessible2},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Persistent IP address used"),
     vyro::ControlStatusPersistentIpUsed},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Compatible"), vyro::ControlStatusCompatible},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Adapter uses DHCP"), vyro::ControlStatusAdapterDhcp},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Adapter settings OK"),
     vyro::ControlStatusAdapterSettingsOk},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Unpairing in progress"),
     vyro::ControlStatusUnpairingInProgress},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Pairing in progress"),
     vyro::ControlStatusPairingInProgress},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Paired"), vyro::ControlStatusPaired},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Opened"), vyro::ControlStatusOpened},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Upload starter firmware"),
     vyro::ControlStatusUploadStarterFirmware},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Upload runtime firmware"),
     vyro::ControlStatusUploadRuntimeFirmware},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Rebooting"), vyro::ControlStatusRebooting},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Boot boost enabled"),
     vyro::ControlStatusBootBoostEnabled},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Boot boost used"), vyro::ControlStatusBootBoostUsed},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Initialized"), vyro::ControlStatusInitialized},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "To be deleted"), vyro::ControlStatusToBeDeleted},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "To be removed"), vyro::ControlStatusToBeRemoved},
};

const BitRow dhcpStateBits[] = {
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Supported"), vyro::DhcpStateSupported},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Error"), vyro::DhcpStateError},
    {QT_TRANSLATE_NOOP("DeviceInfoModel", "Enabled"), vyro::DhcpStateEnabled},
};

using Field = uint32_t (Camera::*)() const;

bool usesUsbLayout(const Camera &camera)
{
    return camera.isUsb() || camera.deviceTypeCode() == vyro::TypeUsb3Vision;
}

bool usesNetworkLayout(const Camera &camera)
{
    return camera.isEth() || camera.deviceTypeCode() == vyro::TypeGigEVision;
}

QString addressText(const QString &address)
{
    return address == QLatin1String("0.0.0.0") ? QStringLiteral("-") : address;
}

QString hexText(uint32_t value)
{
    return QStringLiteral("0x") + QString::number(value, 16);
}

QString number(uint32_t value)
{
    return QString::number(value);
}

QString yesNo(bool yes)
{
    return yes ? DeviceInfoModel::tr("Yes") : DeviceInfoModel::tr("No");
}

// The camera "MAC address" row. A Vyro network camera's address block never uses 00-00-00 or
// 80-00-00 as its device part: its firmware writes them there when the temperature sensor fails
// or reads beyond its range, to keep the camera from being paired with a made-up address. Only
// network cameras are read that way; a GigE Vision device of another range, and an address
// without the maker's part (all zero, as a camera that reports none), show the text as it is.
QString cameraMacText(const Camera &camera)
{
    QString mac = camera.macAddress();
    const bool makerPart = mac.size() == 17 && !mac.startsWith(QLatin1String("00-00-00"));
    if (camera.isEth() && makerPart) {
        if (mac.endsWith(QLatin1String("00-00-00")))
            return DeviceInfoModel::tr("Invalid - temperature sensor defect!");
        if (mac.endsWith(QLatin1String("80-00-00")))
            return DeviceInfoModel::tr("Invalid - temperature sensor to high!");
    }
    return mac;
}

QString usbLinkSpeedText(uint16_t speed)
{
    switch (speed) {
    case 480:
        return DeviceInfoModel::tr("High Speed (USB 2.0)");
    case 4000:
        return DeviceInfoModel::tr("SuperSpeed USB 5 Gbps");
    default:
        return QString::number(speed);
    }
}

// A row whose value the camera gives; the camera is never null when values are evaluated.
template <typename F> DeviceInfoItem *row(DeviceInfoItem *parent, const QString &label, F f)
{
    return new DeviceInfoItem(label, parent,
                              [f](const Camera *camera) { return QVariant(f(*camera)); });
}

DeviceInfoItem *group(DeviceInfoItem *parent, const QString &label)
{
    return new DeviceInfoItem(label, parent, DeviceInfoItem::ValueFunction(), true);
}

template <size_t N> void bitRows(DeviceInfoItem *parent, const BitRow (&table)[N], Field field)
{
    for (const BitRow &bit : table) {
        const uint32_t mask = bit.mask;
        row(parent, DeviceInfoModel::tr(bit.label), [field, mask](const Camera &camera) {
            return ((camera.*field)() & mask) == mask ? DeviceInfoModel::tr("true")
                                                      : DeviceInfoModel::tr("false");
        });
    }
}

} // namespace

bool DeviceInfoModel::Shape::operator==(const Shape &other) const
{
    return interfaceClass == other.interfaceClass && deviceTypeCode == other.deviceTypeCode &&
           thirdGeneration == other.thirdGeneration && chains == other.chains;
}

DeviceInfoModel::DeviceInfoModel(const Camera *camera, QObject *parent)
    : QAbstractItemModel(parent), m_topology(std::make_unique<UsbTopology>())
{
    init();
    Update(camera, true);
}

DeviceInfoModel::DeviceInfoModel(const Camera *camera, const UdevHwdb &hwdb, QObject *parent)
    : QAbstractItemModel(parent), m_topology(std::make_unique<UsbTopology>(hwdb))
{
    init();
    Update(camera, true);
}

DeviceInfoModel::~DeviceInfoModel() = default;

void DeviceInfoModel::init()
{
    m_root = std::make_unique<DeviceInfoItem>(tr("Parameter"), nullptr);
    m_root->setValue(tr("Values"));
    connect(m_topology.get(), &UsbTopology::rescanFinished, this,
            &DeviceInfoModel::onRescanFinished);
    // The first scan runs on the pool too: the chain rows follow when it ends.
    m_topology->startRescan();
}

QString DeviceInfoModel::versionText(uint32_t version)
{
    return vyrokit::PackedVersion::text(version);
}

QString DeviceInfoModel::temperatureText(uint16_t temperature)
{
    switch (temperature) {
    case 0x0FF9:
    case 0xFFF9:
        return tr("no sensor");
    case 0x0FFF:
    case 0xFFFF:
        return tr("invalid");
    default:
        break;
    }
    const double celsius = static_cast<int16_t>(temperature) * 0.0625;
    const double fahrenheit = celsius * 9 / 5 + 32;
    const QChar degree(0x00B0);
    return tr("%1%2C (%3%4F)")
        .arg(QString::number(celsius, 'f', 1), degree, QString::number(fahrenheit, 'f', 1), degree);
}

QString DeviceInfoModel::eepromText(const QString &eeprom)
{
    if (eeprom.size() < 8)
        return eeprom;
    return eeprom.left(8) + QStringLiteral("...");
}

void DeviceInfoModel::Update(const Camera *pCamera)
{
    Update(pCamera, false);
}

void DeviceInfoModel::Update(const Camera *pCamera, bool force_reset)
{
    if (!pCamera) {
        m_camera.reset();
        beginResetModel();
        m_root->removeChildren();
        m_shape = Shape();
        endResetModel();
        return;
    }
    // Taken before the copy replaces the camera whose chain is shown.
    Shape shape = shapeOf(pCamera);
    m_camera = *pCamera;
    if (force_reset || shape != m_shape) {
        m_shape = std::move(shape);
        rebuild(&*m_camera);
    } else {
        refreshValues(&*m_camera);
    }
}

void DeviceInfoModel::UpdateUSBTopology()
{
    m_topology->startRescan();
}

void DeviceInfoModel::retranslate()
{
    m_root->setLabel(tr("Parameter"));
    m_root->setValue(tr("Values"));
    if (m_camera) {
        const Camera camera = *m_camera;
        Update(&camera, true);
    }
    emit headerDataChanged(Qt::Horizontal, 0, 1);
}

DeviceInfoModel::Shape DeviceInfoModel::shapeOf(const Camera *camera)
{
    Shape shape;
    shape.interfaceClass = camera->interfaceClass();
    // Of the type codes only the vision-standard ones choose rows.
    const uint8_t type = camera->deviceTypeCode();
    shape.deviceTypeCode = type == vyro::TypeUsb3Vision || type == vyro::TypeGigEVision ? type : 0;
    shape.thirdGeneration = camera->isThirdGenerationUsb();
    if (usesUsbLayout(*camera) && camera->deviceTypeCode() != vyro::TypeUsb3Vision)
        shape.chains = chainsOf(camera->usbPortPath());
    return shape;
}

QVector<UsbChain> DeviceInfoModel::chainsOf(const QString &portPath)
{
    if (portPath.isEmpty())
        return {};
    const auto cached = m_chainCache.constFind(portPath);
    if (cached != m_chainCache.constEnd())
        return *cached;
    if (m_topology->isRescanning()) {
        // Reading now would wait for the scan's lock. Keep what is shown for the same camera
        // until the scan ends; onRescanFinished brings the new chain.
        if (m_camera && m_camera->usbPortPath() == portPath)
            return m_shape.chains;
        return {};
    }
    const QVector<UsbChain> chains = m_topology->chains(portPath);
    m_chainCache.insert(portPath, chains);
    return chains;
}

void DeviceInfoModel::onRescanFinished()
{
    m_chainCache.clear();
    if (!m_camera || m_topology->isRescanning())
        return;
    Shape shape = shapeOf(&*m_camera);
    if (shape != m_shape) {
        m_shape = std::move(shape);
        rebuild(&*m_camera);
    }
}

void DeviceInfoModel::rebuild(const Camera *camera)
{
    beginResetModel();
    m_root->removeChildren();
    BuildTree(camera);
    // Every value of the new rows, depth first in child order.
    const std::function<void(DeviceInfoItem *)> evaluate = [&](DeviceInfoItem *item) {
        item->refresh(camera);
        for (int i = 0; i < item->childCount(); ++i)
            evaluate(item->child(i));
    };
    evaluate(m_root.get());
    endResetModel();
}

void DeviceInfoModel::refreshValues(const Camera *camera)
{
    emitValueChanges(m_root.get(), camera);
}

void DeviceInfoModel::emitValueChanges(DeviceInfoItem *parent, const Camera *camera)
{
    // One dataChanged per run of changed siblings: the view repaints only what changed.
    const QModelIndex parentIndex =
        parent == m_root.get() ? QModelIndex() : createIndex(parent->row(), 0, parent);
    int first = -1;
    for (int i = 0; i <= parent->childCount(); ++i) {
        DeviceInfoItem *item = parent->child(i);
        const bool changed = item && item->refresh(camera);
        if (changed && first < 0)
            first = i;
        if (!changed && first >= 0) {
            emit dataChanged(index(first, 1, parentIndex), index(i - 1, 1, parentIndex),
                             {Qt::DisplayRole});
            first = -1;
        }
        if (item)
            emitValueChanges(item, camera);
    }
}

void DeviceInfoModel::BuildTree(const Camera *camera)
{
    // Devices from ID 2500 are of no kind the tree knows, whatever type they report.
    if (!camera || camera->interfaceClass() == 6)
        return;
    if (usesUsbLayout(*camera))
        buildUsbLayout(camera);
    else if (usesNetworkLayout(*camera))
        buildNetworkLayout(camera);
}

void DeviceInfoModel::buildUsbLayout(const Camera *camera)
{
    const bool thirdGeneration = camera->isThirdGenerationUsb();
    DeviceInfoItem *device = group(m_root.get(), tr("Device"));
    DeviceInfoItem *general = group(device, tr("General"));
    row(general, tr("Sensor ID"), [](const Camera &c) { return number(c.sensorId()); });
    row(general, tr("Device type"), [](const Camera &c) { return number(c.deviceTypeCode()); });
    // A USB3 Vision device reports nothing else the tree could show.
    if (camera->deviceTypeCode() == vyro::TypeUsb3Vision)
        return;
    if (thirdGeneration)
        row(general, tr("Camera temperature"),
            [](const Camera &c) { return temperatureText(c.temperature()); });
    row(general, tr("Starter firmware version"),
        [](const Camera &c) { return versionText(c.starterFirmwareVersion()); });
    row(general, tr("Runtime firmware version"),
        [](const Camera &c) { return versionText(c.runtimeFirmwareVersion()); });
    if (thirdGeneration)
        row(general, tr("COM port number"),
            [](const Camera &c) { return QString::number(int(c.comPort()) + 100); });

    DeviceInfoItem *usb = group(device, tr("USB"));
    if (thirdGeneration)
        row(usb, tr("Link speed"), [](const Camera &c) { return usbLinkSpeedText(c.linkSpeed()); });
    addUsbChainRows(usb);

    DeviceInfoItem *driver = group(m_root.get(), tr("Local driver"));
    row(driver, tr("USB version"), [](const Camera &c) { return versionText(c.driverVersion()); });
    if (thirdGeneration) {
        row(driver, tr("Min. compatible starter FW"),
            [](const Camera &c) { return versionText(c.minStarterFirmware()); });
        row(driver, tr("Max. compatible starter FW"),
            [](const Camera &c) { return versionText(c.maxStarterFirmware()); });
    }
}

void DeviceInfoModel::addUsbChainRows(DeviceInfoItem *usb)
{
    // The chain is a snapshot of the topology: fixed values, replaced by a rebuild.
    const auto fixed = [usb](const QString &label, const QString &value) {
        auto *item = new DeviceInfoItem(label, usb);
        item->setValue(value);
    };
    for (const UsbChain &chain : qAsConst(m_shape.chains)) {
        fixed(tr("Controller: "), chain.controllerDescription());
        fixed(tr("Root hub: "), chain.rootHubLine());
        const QStringList hubs = chain.hubLines();
        for (const QString &hub : hubs)
            fixed(tr("Hub: "), hub);
        fixed(tr("Device: "), chain.deviceLine());
    }
}

void DeviceInfoModel::buildNetworkLayout(const Camera *camera)
{
    const bool net = camera->isEth();
    DeviceInfoItem *device = group(m_root.get(), tr("Device"));
    if (net) {
        DeviceInfoItem *general = group(device, tr("General"));
        row(general, tr("Starter firmware version"),
            [](const Camera &c) { return versionText(c.starterFirmwareVersion()); });
        row(general, tr("Runtime firmware version"),
            [](const Camera &c) { return versionText(c.runtimeFirmwareVersion()); });
        row(general, tr("User EEPROM (8 chars)"),
            [](const Camera &c) { return eepromText(c.userEeprom()); });
        row(general, tr("COM port number"),
            [](const Camera &c) { return QString::number(int(c.comPort()) + 100); });
        row(general, tr("Camera temperature"),
            [](const Camera &c) { return temperatureText(c.temperature()); });
        bitRows(row(general, tr("Device status flags"),
                    [](const Camera &c) { return hexText(c.deviceStatus()); }),
                deviceStatusBits, &Camera::deviceStatus);
        bitRows(row(general, tr("Device control status"),
                    [](const Camera &c) { return hexText(c.controlStatus()); }),
                controlStatusBits, &Camera::controlStatus);
    }

    DeviceInfoItem *hardware = group(device, tr("Hardware"));
    row(hardware, tr("Sensor ID"), [](const Camera &c) { return number(c.sensorId()); });
    if (net)
        row(hardware, tr("Image memory size"),
            [](const Camera &c) { return tr("%1 MB").arg(c.imageMemorySize()); });

    DeviceInfoItem *network = group(device, tr("Network"));
    row(network, tr("MAC address"), [](const Camera &c) { return cameraMacText(c); });
    row(network, tr("Current IP address"),
        [](const Camera &c) { return addressText(c.ipAddress()); });
    row(network, tr("Current Subnetmask"),
        [](const Camera &c) { return addressText(c.subnetMask()); });
    if (net) {
        row(network, tr("Persistent IP address"),
            [](const Camera &c) { return addressText(c.persistentIpAddress()); });
        row(network, tr("Persistent IP subnetmask"),
            [](const Camera &c) { return addressText(c.persistentSubnetMask()); });
        row(network, tr("DHCP FSM state"),
            [](const Camera &c) { return hexText(c.dhcpFsmState()); });
        bitRows(
            row(network, tr("DHCP state"), [](const Camera &c) { return hexText(c.dhcpState()); }),
            dhcpStateBits, &Camera::dhcpState);
        row(network, tr("DHCP server IP"),
            [](const Camera &c) { return addressText(c.dhcpServerIp()); });
        row(network, tr("DHCP lease time"),
            [](const Camera &c) { return number(c.dhcpLeaseTime()); });
        row(network, tr("DHCP T1 time"), [](const Camera &c) { return number(c.dhcpT1Time()); });
        row(network, tr("DHCP T2 time"), [](const Camera &c) { return number(c.dhcpT2Time()); });
        row(network, tr("IP range begin"),
            [](const Camera &c) { return addressText(c.ipRangeBegin()); });
        row(network, tr("IP range end"),
            [](const Camera &c) { return addressText(c.ipRangeEnd()); });
    }
    row(network, tr("Paired host MAC address"), [](const Camera &c) {
        const QString mac = c.pairedHostMac();
        return mac == QLatin1String("00-00-00-00-00-00") ? QStringLiteral("-") : mac;
    });
    row(network, tr("Paired host IP address"),
        [](const Camera &c) { return addressText(c.pairedHostIp()); });
    if (net) {
        row(network, tr("Multicast IP address"),
            [](const Camera &c) { return addressText(c.multicastIpAddress()); });
        row(network, tr("Link"),
            [](const Camera &c) { return tr("%1 Mbits/s").arg(c.linkSpeed()); });
    }

    DeviceInfoItem *adapter = group(m_root.get(), tr("Local network adapter"));
    DeviceInfoItem *adapterGeneral = group(adapter, tr("General"));
    row(adapterGeneral, tr("Designation"), [](const Camera &c) { return c.adapterName(); });
    row(adapterGeneral, tr("DHCP enabled"),
        [](const Camera &c) { return yesNo(c.adapterDhcpEnabled()); });
    if (net) {
        row(adapterGeneral, tr("Number of known devices"),
            [](const Camera &c) { return number(c.knownDevices()); });
        row(adapterGeneral, tr("Number of paired devices"),
            [](const Camera &c) { return number(c.pairedDevices()); });
    }
    DeviceInfoItem *adapterNetwork = group(adapter, tr("Network"));
    row(adapterNetwork, tr("MAC address"), [](const Camera &c) { return c.adapterMac(); });
    row(adapterNetwork, tr("IP address"), [](const Camera &c) { return c.adapterIpAddress(); });
    row(adapterNetwork, tr("IP subnetmask"), [](const Camera &c) { return c.adapterSubnetMask(); });
    if (net) {
        row(adapterNetwork, tr("IP range begin"),
            [](const Camera &c) { return c.adapterIpRangeBegin(); });
        row(adapterNetwork, tr("IP range end"),
            [](const Camera &c) { return c.adapterIpRangeEnd(); });
        row(adapterNetwork, tr("IP range valid"),
            [](const Camera &c) { return yesNo(c.adapterIpRangeValid()); });

        DeviceInfoItem *settings = group(adapter, tr("Settings"));
        // A driver-wide setting, read from the driver rather than the camera.
        row(settings, tr("Multicast Enabled"), [](const Camera &) {
            return yesNo(
                vyrokit::query<uint32_t>(vy_Multicast, VY_DRIVER_HANDLE, VY_MULTICAST_GET_RO_ENABLE)
                    .value_or(0) != 0);
        });
        row(settings, tr("Adapter link speed"),
            [](const Camera &c) { return tr("%1 Mbit/s").arg(c.adapterLinkSpeed()); });

        DeviceInfoItem *driver = group(m_root.get(), tr("Local driver"));
        row(driver, tr("ETH version"),
            [](const Camera &c) { return versionText(c.driverVersion()); });
        row(driver, tr("Min. compatible starter FW"),
            [](const Camera &c) { return versionText(c.minStarterFirmware()); });
        row(driver, tr("Max. compatible starter FW"),
            [](const Camera &c) { return versionText(c.maxStarterFirmware()); });
    }
}

DeviceInfoItem *DeviceInfoModel::itemOf(const QModelIndex &index) const
{
    if (!index.isValid())
        return m_root.get();
    return static_cast<DeviceInfoItem *>(index.internalPointer());
}

int DeviceInfoModel::columnCount(const QModelIndex &) const
{
    return 2;
}

int DeviceInfoModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() && parent.column() != 0)
        return 0;
    return itemOf(parent)->childCount();
}

QModelIndex DeviceInfoModel::index(int row, int column, const QModelIndex &parent) const
{
    if (column < 0 || column > 1 || (parent.isValid() && parent.column() != 0))
        return QModelIndex();
    DeviceInfoItem *item = itemOf(parent)->child(row);
    return item ? createIndex(row, column, item) : QModelIndex();
}

QModelIndex DeviceInfoModel::parent(const QModelIndex &index) const
{
    if (!index.isValid())
        return QModelIndex();
    DeviceInfoItem *parentItem = itemOf(index)->parent();
    if (!parentItem || parentItem == m_root.get())
        return QModelIndex();
    return createIndex(parentItem->row(), 0, parentItem);
}

Qt::ItemFlags DeviceInfoModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return QAbstractItemModel::flags(index);
}

QVariant DeviceInfoModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    if (section == 0)
        return m_root->label();
    if (section == 1)
        return m_root->value();
    return QVariant();
}

QVariant DeviceInfoModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const DeviceInfoItem *item = itemOf(index);
    switch (role) {
    case Qt::DisplayRole:
        return index.column() == 0 ? item->label() : item->value();
    case Qt::FontRole:
        if (item->childCount() > 0) {
            QFont font;
            font.setWeight(QFont::Bold);
            return font;
        }
        return QVariant();
    case ExpandRole:
        return item->expand();
    default:
        return QVariant();
    }
}

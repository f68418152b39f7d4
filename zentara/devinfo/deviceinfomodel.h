// deviceinfomodel.h: the item model of the device information tree.
#ifndef ZENTARA_DEVINFO_DEVICEINFOMODEL_H
#define ZENTARA_DEVINFO_DEVICEINFOMODEL_H

#include <QAbstractItemModel>
#include <QHash>
#include <QString>
#include <QVector>

#include <memory>
#include <optional>

#include "zentara/devinfo/usbchain.h"
#include "zentara/inventory/camera.h"

class DeviceInfoItem;
class UdevHwdb;
class UsbTopology;

// Two columns, label and value, of everything known about one camera: the USB layout for USB
// cameras and USB3 Vision devices, the network layout for network cameras and GigE Vision
// devices, nothing for other devices.
//
// The set of rows changes only on a rebuild; a refresh re-evaluates the values and reports them
// with dataChanged. The model keeps a copy of the last camera, so that a language change or a
// finished USB rescan can rebuild without asking the caller again.
class DeviceInfoModel final : public QAbstractItemModel
{
    Q_OBJECT
public:
    // Custom data role: whether the view expands the item.
    static constexpr int ExpandRole = Qt::UserRole;

    // camera may be null; a topology rescan starts on the global thread pool at once.
    explicit DeviceInfoModel(const zentara::Camera *camera, QObject *parent = nullptr);
    // As above, with names for the USB chain from hwdb (borrowed; it must outlive the model).
    DeviceInfoModel(const zentara::Camera *camera, const UdevHwdb &hwdb, QObject *parent = nullptr);
    ~DeviceInfoModel() override;

    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex index(int row, int column,
                      const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &index) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // Translates the header and every label again (the language has changed).
    void retranslate();

    // The topology the USB chain rows come from.
    const UsbTopology &topology() const { return *m_topology; }

    // "%1.%2.%3" of a packed version word: 0x04500012 gives "4.80.0018".
    static QString versionText(uint32_t version);
    // The camera temperature word (1/16 degrees Celsius, two's complement) in Celsius and
    // Fahrenheit, or "no sensor" and "invalid" for the sensor's marker values.
    static QString temperatureText(uint16_t temperature);
    // The user EEPROM text shortened to its first eight characters.
    static QString eepromText(const QString &eeprom);

public slots:
    // Shows camera (null: an empty tree). The rows are rebuilt when force_reset is set or the
    // camera needs other rows than those shown; otherwise only the values are refreshed.
    void Update(const zentara::Camera *pCamera, bool force_reset);
    void Update(const zentara::Camera *pCamera);
    // Starts a rescan of the USB topology on the global thread pool and returns at once. When
    // it ends and the shown camera's USB chain differs, the rows are rebuilt.
    void UpdateUSBTopology();

private:
    Q_DISABLE_COPY(DeviceInfoModel)

    // What decides which rows a camera gets and the fixed values among them. Two cameras
    // of the same shape share the rows; only their values differ.
    struct Shape
    {
        int interfaceClass = 6;
        uint8_t deviceTypeCode = 0;
        bool thirdGeneration = false;
        QVector<UsbChain> chains;
        bool operator==(const Shape &other) const;
        bool operator!=(const Shape &other) const { return !(*this == other); }
    };

    void init();
    Shape shapeOf(const zentara::Camera *camera);
    void rebuild(const zentara::Camera *camera);
    void refreshValues(const zentara::Camera *camera);
    void emitValueChanges(DeviceInfoItem *parent, const zentara::Camera *camera);
    void onRescanFinished();
    QVector<UsbChain> chainsOf(const QString &portPath);

    void BuildTree(const zentara::Camera *camera);
    void buildUsbLayout(const zentara::Camera *camera);
    void buildNetworkLayout(const zentara::Camera *camera);
    void addUsbChainRows(DeviceInfoItem *usb);
    DeviceInfoItem *itemOf(const QModelIndex &index) const;

    std::unique_ptr<DeviceInfoItem> m_root;
    std::optional<zentara::Camera> m_camera;
    // The shape the rows were built for; interface class 6 for no camera.
    Shape m_shape;
    std::unique_ptr<UsbTopology> m_topology;
    // Chains rendered from the topology since its last rescan, by port path; rendering takes
    // its lock and looks names up, so the 900 ms refresh reads them here.
    QHash<QString, QVector<UsbChain>> m_chainCache;
};

#endif // ZENTARA_DEVINFO_DEVICEINFOMODEL_H

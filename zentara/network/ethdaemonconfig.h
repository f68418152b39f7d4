// ethdaemonconfig.h: the dialog "Daemon control and network configuration": the driver
// daemons, and per network adapter the GigE daemon, jumbo packets and the packet filter.
#ifndef ZENTARA_NETWORK_ETHDAEMONCONFIG_H
#define ZENTARA_NETWORK_ETHDAEMONCONFIG_H

#include <QDialog>
#include <QList>
#include <QStringList>

#include "vyrokit/networkaddress.h"
#include "zentara/network/daemonconfigfile.h"
#include "zentara/network/networkadapter.h"
#include "zentara/network/servicecontrol.h"
#include "zentara/shell/corestates.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QIpEdit;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// Built per use and run modally. The service tools are found once at construction; the daemon
// LEDs follow the states the main window reports (onChangedVyrodStatus), never the outcome of
// a start or stop. The adapters the GigE daemon serves live in its configuration file, read
// anew for every question and after every write, failed or not; jumbo packets and the packet
// filter are the driver's, through the SDK by adapter MAC. The adapter's own IP settings are
// shown, not edited.
class EthDaemonConfig final : public QDialog
{
    Q_OBJECT
public:
    // The machine's adapters, the system's configuration file and service tools.
    explicit EthDaemonConfig(QWidget *parent = nullptr);
    // Given adapters, file and tools (tools and tests).
    EthDaemonConfig(const QList<NetworkAdapter> &adapters, const DaemonConfigFile &config,
                    const ServiceControl &services, QWidget *parent = nullptr);

    // Packet sizes written for the jumbo check box.
    static constexpr uint32_t jumboPacketSize = 1998;
    static constexpr uint32_t normalPacketSize = 1450;

    bool isAdapterEnabled(const QString &name) const;
    int enableAdapter(const QString &name);
    int disableAdapter(const QString &name);
    bool isConfigWritable() const;

    // Shows the adapter's details; a name not in the list shows the hint instead.
    void showAdapter(const QString &name);

    QStringList adapterNames() const { return m_adapterNames; }
    int enabledAdapterCount() const { return m_enabledAdapterCount; }
    vyrokit::MacAddress currentMac() const { return m_currentMac; }
    bool ethRunning() const { return m_ethRunning; }
    bool usbRunning() const { return m_usbRunning; }
    const ServiceControl &services() const { return m_services; }

signals:
    // After an adapter's details were shown (the hint included).
    void adapterShown(const QString &name);
    // A daemon was started or stopped: its state is worth asking for at once.
    void daemonControlled();

public slots:
    void onAdapter(QTreeWidgetItem *item, int column);
    void onPushedAdapterBound();
    void onPushedETH();
    void onPushedUSB();
    void onChangedVyrodStatus(const CoreStates &status);
    void onPushedJumboCheckbox();
    void onApplyIpSettings();
    void onChangeDhcp();
    void onPacketFilterChanged();

private:
    Q_DISABLE_COPY(EthDaemonConfig)

    void buildWidgets();
    void buildAdapterTree();
    // The adapter icons and the count of enabled adapters as the configuration file says.
    void updateAdapterIcons();
    void updateNotes(int count);
    void updateDaemonControls();
    void updateMtu();
    void setDetailsVisible(bool visible);
    void controlDaemon(const QString &service, bool stop);
    const NetworkAdapter *adapter(const QString &name) const;
    QString currentAdapterName() const;

    // On this platform an adapter's own address is not changed from here; both report success.
    static bool setAdapterStaticIp(const QString &name, const QString &address,
                                   const QString &netmask);
    static bool enableAdapterDhcp(const QString &name);

    QList<NetworkAdapter> m_adapters;
    DaemonConfigFile m_config;
    ServiceControl m_services;

    QStringList m_adapterNames;
    int m_enabledAdapterCount = 0;
    vyrokit::MacAddress m_currentMac{};
    QString m_shownAdapter;
    bool m_ethRunning = false;
    bool m_usbRunning = false;

    QTreeWidget *m_adapterTree = nullptr;
    QLabel *m_notesLabel = nullptr;
    QLabel *m_privilegeLabel = nullptr;
    QLabel *m_hintLabel = nullptr;
    QLabel *m_macTitle = nullptr;
    QLabel *m_ipTitle = nullptr;
    QLabel *m_maskTitle = nullptr;
    QLabel *m_macLabel = nullptr;
    QIpEdit *m_ipEdit = nullptr;
    QIpEdit *m_maskEdit = nullptr;
    QPushButton *m_adapterToggleButton = nullptr;
    QPushButton *m_applyIpButton = nullptr;
    QPushButton *m_dhcpButton = nullptr;
    QCheckBox *m_jumboCheck = nullptr;
    QLabel *m_mtuLabel = nullptr;
    QLabel *m_mtuWarning = nullptr;
    QLabel *m_packetFilterLabel = nullptr;
    QComboBox *m_packetFilterCombo = nullptr;
    QLabel *m_usbLed = nullptr;
    QLabel *m_ethLed = nullptr;
    QPushButton *m_usbButton = nullptr;
    QPushButton *m_ethButton = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};

#endif // ZENTARA_NETWORK_ETHDAEMONCONFIG_H

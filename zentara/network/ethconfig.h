// ethconfig.h: the "Manual ETH Configuration" dialog of one network camera.
#ifndef ZENTARA_NETWORK_ETHCONFIG_H
#define ZENTARA_NETWORK_ETHCONFIG_H

#include <QDialog>
#include <QFutureWatcher>
#include <QHostAddress>
#include <QPointer>
#include <QProgressDialog>
#include <QString>

#include <atomic>
#include <cstdint>
#include <memory>

#include "zentara/network/arptable.h"

namespace zentara {
class Camera;
}
class QCheckBox;
class QDialogButtonBox;
class QGridLayout;
class QGroupBox;
class QIpEdit;
class QLabel;
class QPushButton;
class QVBoxLayout;

// Edits the camera's persistent IP address and subnet mask, its DHCP client, its multicast
// address and the automatic configuration range of the network adapter it is on, and proposes a
// free address of the adapter's subnet.
//
// The free-address search runs on the global thread pool behind a window-modal progress dialog.
// Cancelling that dialog, closing this one or destroying it stops the search: the worker looks
// at a stop flag between candidates and while a ping runs (it kills its own ping), and the
// destructor waits for it to end, so the worker never outlives the dialog it reports to.
class EthConfig final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(EthConfig)
public:
    // camera is borrowed and must outlive the dialog.
    EthConfig(QWidget *parent, const zentara::Camera *camera);
    ~EthConfig() override;

    // The fields and buttons, for the main window's tests and screenshots.
    QIpEdit *rangeBeginEdit() const { return m_rangeBeginEdit; }
    QIpEdit *rangeEndEdit() const { return m_rangeEndEdit; }
    QIpEdit *persistentIpEdit() const { return m_persistentIpEdit; }
    QIpEdit *subnetMaskEdit() const { return m_subnetMaskEdit; }
    QIpEdit *multicastIpEdit() const { return m_multicastIpEdit; }
    QCheckBox *dhcpCheck() const { return m_dhcpCheck; }
    QCheckBox *multicastEnableCheck() const { return m_multicastEnableCheck; }
    QPushButton *suggestRangeButton() const { return m_suggestRangeButton; }
    QPushButton *suggestIpButton() const { return m_suggestIpButton; }
    QPushButton *multicastDefaultButton() const { return m_multicastDefaultButton; }
    QGroupBox *adapterGroup() const { return m_adapterGroup; }
    QGroupBox *deviceGroup() const { return m_deviceGroup; }
    QGroupBox *multicastGroup() const { return m_multicastGroup; }
    QLabel *statusLabel() const { return m_statusLabel; }
    QDialogButtonBox *buttonBox() const { return m_buttonBox; }
    // The progress dialog of the running search; null when none runs.
    QProgressDialog *progressDialog() const { return m_progressDialog; }
    bool isSearching() const { return m_suggestWatcher.isRunning(); }

    // One candidate of the search: pings address (dotted) once with the program found for
    // "ping", then reads the ARP table at arpPath. A set stop flag kills the ping and answers
    // ArpNotFound.
    static ArpTable::State probeAddress(const QString &address, const QString &arpPath,
                                        const std::atomic_bool &stop);

    void done(int result) override;

signals:
    // A candidate of the search was not free; emitted from the worker thread.
    void nextAddress();

public slots:
    void SuggestIP();
    void SuggestIPRange();
    void BuildDialog();
    void InitDialog();
    void CheckPersistentIP();
    void prepareSubnet();
    void onSuggestIPFinished();
    void Config();

private:
    // What an address field must hold to be written.
    enum class AddressKind
    {
        Any,       // any address
        Host,      // an address a camera can have
        Mask,      // a subnet mask
        Multicast, // a multicast group address
    };
    // Refuses, with a message naming the field, the first field to be written that holds no
    // address or one of the wrong kind, and moves the focus there. True when all are fine.
    bool checkAddresses(bool persistentChanged, bool rangeChanged, bool multicastChanged);
    // Why the field cannot be written as this kind; empty when it can.
    QString addressProblem(const QIpEdit *edit, AddressKind kind) const;

    // Sets the stop flag of the running search, if any.
    void stopSearch();
    // The free address from first to last, 0 when none or when stopped.
    uint32_t searchFreeAddress(uint32_t first, uint32_t last,
                               const std::shared_ptr<std::atomic_bool> &stop);

    const zentara::Camera *m_camera = nullptr;
    QString m_initialPersistentIp;
    QString m_initialSubnetMask;
    QString m_initialMulticastIp;
    QString m_initialRangeBegin;
    QString m_initialRangeEnd;
    bool m_multicastEnabled = false;
    bool m_dhcpEnabled = false;
    // The persistent IP was read and the camera keeps one: only then may OK write it.
    bool m_persistentIpWritable = false;

    QPushButton *m_suggestRangeButton = nullptr;
    QPushButton *m_suggestIpButton = nullptr;
    QGroupBox *m_adapterGroup = nullptr;
    QGroupBox *m_deviceGroup = nullptr;
    QGroupBox *m_miscGroup = nullptr;
    QGroupBox *m_multicastGroup = nullptr;
    QGroupBox *m_statusGroup = nullptr;
    QDialogButtonBox *m_buttonBox = nullptr;
    QVBoxLayout *m_mainLayout = nullptr;
    QGridLayout *m_adapterLayout = nullptr;
    QVBoxLayout *m_deviceLayout = nullptr;
    QGridLayout *m_deviceGrid = nullptr;
    QVBoxLayout *m_miscLayout = nullptr;
    QGridLayout *m_multicastLayout = nullptr;
    QGridLayout *m_statusLayout = nullptr;
    QLabel *m_rangeBeginLabel = nullptr;
    QLabel *m_rangeEndLabel = nullptr;
    QLabel *m_persistentIpLabel = nullptr;
    QLabel *m_subnetMaskLabel = nullptr;
    QLabel *m_multicastIpLabel = nullptr;
    QIpEdit *m_rangeBeginEdit = nullptr;
    QIpEdit *m_rangeEndEdit = nullptr;
    QIpEdit *m_persistentIpEdit = nullptr;
    QIpEdit *m_subnetMaskEdit = nullptr;
    QIpEdit *m_multicastIpEdit = nullptr;
    QCheckBox *m_dhcpCheck = nullptr;
    QCheckBox *m_multicastEnableCheck = nullptr;
    QPushButton *m_multicastDefaultButton = nullptr;
    QLabel *m_statusLabel = nullptr;

    QHostAddress m_adapterAddress;
    QHostAddress m_adapterSubnetMask;
    QFutureWatcher<uint32_t> m_suggestWatcher;
    QPointer<QProgressDialog> m_progressDialog;
    // The stop flag of the running search, shared with its worker.
    std::shared_ptr<std::atomic_bool> m_searchStop;
};

#endif // ZENTARA_NETWORK_ETHCONFIG_H

// generalinfodlg.h: zentara's information window: versions, USB controllers, network adapters
// and the update check.
#ifndef ZENTARA_DEVINFO_GENERALINFODLG_H
#define ZENTARA_DEVINFO_GENERALINFODLG_H

#include <QByteArray>
#include <QDialog>
#include <QString>
#include <QVector>

#include "zentara/devinfo/updatefile.h"
#include "zentara/devinfo/usbhostcontroller.h"

class NetworkAdapter;
class QLabel;
class QNetworkAccessManager;
class QNetworkReply;
class QPushButton;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;
class QVBoxLayout;
class UsbTopology;

// Built per opening and run modally. The installed versions and the library search are read
// once at construction (the search blocks while ldconfig runs); the USB controllers come from a
// fresh topology scanned on the pool; the update check is asynchronous on the GUI thread.
class GeneralInfoDlg final : public QDialog
{
    Q_OBJECT
public:
    // language ("de") selects the download site.
    explicit GeneralInfoDlg(const QString &language, QWidget *parent = nullptr);
    ~GeneralInfoDlg() override;

    // The version tree in place now; an update check replaces it.
    QTreeWidget *versionTree() const { return m_versionTree; }
    QTreeWidget *hardwareTree() const { return m_hardwareTree; }
    // What the last update file said; empty before one arrived and after a failed check.
    UpdateFile::Table updateTable() const { return m_updateTable; }
    // The outcome of the last update check in words; empty before the first.
    QString updateStatus() const;
    bool isCheckingUpdates() const { return m_reply != nullptr; }
    // The whole check, however the server paces its bytes, ends after this long.
    static constexpr int defaultUpdateDeadlineMs = 60000;
    void setUpdateDeadline(int milliseconds) { m_deadlineMs = milliseconds; }
    // True once the USB controllers are listed.
    bool isHardwareListed() const { return m_hardwareListed; }

    // The hardware tree's texts for these controllers and adapters (only those that can
    // broadcast and multicast are listed), filled into tree.
    static void fillHardwareTree(QTreeWidget *tree, const QVector<UsbHostController> &controllers,
                                 const QList<NetworkAdapter> &adapters);

signals:
    // An update check ended, whatever its outcome.
    void updateCheckFinished();
    void hardwareListed();

public slots:
    void onCheckUpdateButtonClicked();
    void onDownloadButtonClicked();
    void onDownloadFinished(QNetworkReply *reply);

protected:
    // Opens Qt's about box when the "About Qt" label is clicked.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Q_DISABLE_COPY(GeneralInfoDlg)

    // One row of the version tree's driver and program groups.
    struct VersionRow
    {
        QString description;
        QString installed;
        // The update file's group that names this row's latest version; empty for none.
        QString group;
    };

    void readInstalledVersions();
    QTreeWidget *buildVersionTree() const;
    void replaceVersionTree();
    void addVersionRow(QTreeWidgetItem *parent, const VersionRow &row) const;
    void onReplyReadyRead();
    // A check still running at its deadline is given up.
    void onDeadline();
    void onTopologyScanned();
    void setUpdateStatus(const QString &text, bool failed);
    void takeBody(QNetworkReply *reply);

    QString m_language;
    QNetworkAccessManager *m_network = nullptr;
    // The running check's reply (owned by m_network until finished); null when none runs.
    QNetworkReply *m_reply = nullptr;
    QByteArray m_body;
    bool m_bodyTooLarge = false;
    // The transfer timeout starts again with every byte; this one does not.
    QTimer *m_deadline = nullptr;
    int m_deadlineMs = defaultUpdateDeadlineMs;
    bool m_timedOut = false;
    UpdateFile::Table m_updateTable;

    QVector<VersionRow> m_programRows;
    QVector<VersionRow> m_driverRows;
    QVector<VersionRow> m_systemRows;

    UsbTopology *m_topology = nullptr;
    bool m_hardwareListed = false;

    QVBoxLayout *m_versionLayout = nullptr;
    QTreeWidget *m_versionTree = nullptr;
    QTreeWidget *m_hardwareTree = nullptr;
    QPushButton *m_downloadButton = nullptr;
    QPushButton *m_checkButton = nullptr;
    QLabel *m_updateLabel = nullptr;
    QLabel *m_aboutQtLabel = nullptr;
};

#endif // ZENTARA_DEVINFO_GENERALINFODLG_H

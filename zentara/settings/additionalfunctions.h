// additionalfunctions.h: the modal dialog for driver-wide settings: image memory compatibility
// mode, boot boost and its camera ID list, read-only multicast and trusted pairing.
#ifndef ZENTARA_SETTINGS_ADDITIONALFUNCTIONS_H
#define ZENTARA_SETTINGS_ADDITIONALFUNCTIONS_H

#include <QByteArray>
#include <QDialog>
#include <QVector>

#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class AdditionalFunctions final : public QDialog
{
    Q_OBJECT
public:
    // Reads the current driver settings; every call uses the driver handle.
    explicit AdditionalFunctions(QWidget *parent = nullptr);
    ~AdditionalFunctions() override;

    // Writes the read-only multicast switch and issues the driver's follow-up commands.
    static void setReadOnlyMulticast(bool enable);

public slots:
    void onSetIDList();
    void onClearIDList();
    void onAddID();
    void onRemoveID();
    void onBootBoostEnable();
    void onTrustedPairingChanged();
    void onMemoryCompatibliyModeChanged();
    void onMulticastEnable();

protected:
    void changeEvent(QEvent *event) override;

private:
    Q_DISABLE_COPY(AdditionalFunctions)

    void createWidgets();
    void retranslateUi();
    void readSettings();
    void refreshIdList();
    void enableIdControls(bool enable);
    // The IDs of the input, as a sorted list to set or as typed; nullopt after telling the user
    // which part refuses the whole input.
    std::optional<QVector<int>> idsToSend(bool asList);
    // Adds (true) or removes every ID of the input, one call per ID, once all parts are valid.
    void changeIds(bool add);
    static bool readOnlyMulticastEnabled();

    QGroupBox *m_memoryGroup = nullptr;
    QGroupBox *m_bootBoostGroup = nullptr;
    QGroupBox *m_multicastGroup = nullptr;
    QGroupBox *m_pairingGroup = nullptr;
    QCheckBox *m_compatibilityCheck = nullptr;
    QCheckBox *m_bootBoostCheck = nullptr;
    QLabel *m_idLabel = nullptr;
    QLineEdit *m_idEdit = nullptr;
    QPushButton *m_setIdListButton = nullptr;
    QPushButton *m_clearIdListButton = nullptr;
    QPushButton *m_addIdButton = nullptr;
    QPushButton *m_removeIdButton = nullptr;
    QLabel *m_currentListLabel = nullptr;
    QLineEdit *m_currentListEdit = nullptr;
    QCheckBox *m_readOnlyMulticastCheck = nullptr;
    QCheckBox *m_trustedPairingCheck = nullptr;
    QPushButton *m_closeButton = nullptr;

    // The ID list record of the last read, kept until the next one.
    QByteArray m_idBuffer;
};

#endif // ZENTARA_SETTINGS_ADDITIONALFUNCTIONS_H

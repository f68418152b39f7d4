// additionalfunctions.cpp: the driver-wide settings dialog.
#include "zentara/settings/additionalfunctions.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstring>

#include "sdk/vyro_api.h"
#include "vyrokit/privileges.h"
#include "vyrokit/productinfo.h"
#include "vyrokit/sdkerror.h"
#include "zentara/settings/bootboostids.h"

namespace {

// A u32 read with the driver handle; nullopt when the call fails.
template <typename Function> std::optional<uint32_t> readU32(Function function, uint32_t command)
{
    uint32_t value = 0;
    if (function(VY_DRIVER_HANDLE, command, &value, sizeof value) != VY_SUCCESS)
        return std::nullopt;
    return value;
}

template <typename Function> int32_t writeU32(Function function, uint32_t command, uint32_t value)
{
    return function(VY_DRIVER_HANDLE, command, &value, sizeof value);
}

} // namespace

AdditionalFunctions::AdditionalFunctions(QWidget *parent) : QDialog(parent)
{
    createWidgets();
    retranslateUi();
    readSettings();
}

AdditionalFunctions::~AdditionalFunctions() = default;

void AdditionalFunctions::createWidgets()
{
    m_memoryGroup = new QGroupBox(this);
    m_compatibilityCheck = new QCheckBox(m_memoryGroup);
    m_compatibilityCheck->setObjectName(QStringLiteral("compatibilityCheck"));
    auto *memoryLayout = new QVBoxLayout(m_memoryGroup);
    memoryLayout->addWidget(m_compatibilityCheck);

    m_bootBoostGroup = new QGroupBox(this);
    m_bootBoostCheck = new QCheckBox(m_bootBoostGroup);
    m_bootBoostCheck->setObjectName(QStringLiteral("bootBoostCheck"));
    m_idLabel = new QLabel(m_bootBoostGroup);
    m_idEdit = new QLineEdit(m_bootBoostGroup);
    m_idEdit->setObjectName(QStringLiteral("idEdit"));
    m_idLabel->setBuddy(m_idEdit);
    auto button = [this](const char *name) {
        auto *b = new QPushButton(m_bootBoostGroup);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    m_setIdListButton = button("setIdListButton");
    m_clearIdListButton = button("clearIdListButton");
    m_addIdButton = button("addIdButton");
    m_removeIdButton = button("removeIdButton");
    m_currentListLabel = new QLabel(m_bootBoostGroup);
    m_currentListEdit = new QLineEdit(m_bootBoostGroup);
    m_currentListEdit->setObjectName(QStringLiteral("currentListEdit"));
    m_currentListEdit->setReadOnly(true);
    m_currentListLabel->setBuddy(m_currentListEdit);

    auto *bootLayout = new QGridLayout(m_bootBoostGroup);
    bootLayout->addWidget(m_bootBoostCheck, 0, 0, 1, 4);
    bootLayout->addWidget(m_idLabel, 1, 0, 1, 4);
    bootLayout->addWidget(m_idEdit, 2, 0, 1, 4);
    bootLayout->addWidget(m_setIdListButton, 3, 0);
    bootLayout->addWidget(m_clearIdListButton, 3, 1);
    bootLayout->addWidget(m_addIdButton, 3, 2);
    bootLayout->addWidget(m_removeIdButton, 3, 3);
    bootLayout->addWidget(m_currentListLabel, 4, 0, 1, 4);
    bootLayout->addWidget(m_currentListEdit, 5, 0, 1, 4);

    m_multicastGroup = new QGroupBox(this);
    m_readOnlyMulticastCheck = new QCheckBox(m_multicastGroup);
    m_readOnlyMulticastCheck->setObjectName(QStringLiteral("readOnlyMulticastCheck"));
    auto *multicastLayout = new QVBoxLayout(m_multicastGroup);
    multicastLayout->addWidget(m_readOnlyMulticastCheck);

    m_pairingGroup = new QGroupBox(this);
    m_trustedPairingCheck = new QCheckBox(m_pairingGroup);
    m_trustedPairingCheck->setObjectName(QStringLiteral("trustedPairingCheck"));
    auto *pairingLayout = new QVBoxLayout(m_pairingGroup);
    pairingLayout->addWidget(m_trustedPairingCheck);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_closeButton = buttons->button(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_memoryGroup);
    layout->addWidget(m_bootBoostGroup);
    layout->addWidget(m_multicastGroup);
    layout->addWidget(m_pairingGroup);
    layout->addStretch(1);
    layout->addWidget(buttons);

    connect(m_setIdListButton, &QPushButton::clicked, this, &AdditionalFunctions::onSetIDList);
    connect(m_clearIdListButton, &QPushButton::clicked, this, &AdditionalFunctions::onClearIDList);
    connect(m_addIdButton, &QPushButton::clicked, this, &AdditionalFunctions::onAddID);
    connect(m_removeIdButton, &QPushButton::clicked, this, &AdditionalFunctions::onRemoveID);
    connect(m_bootBoostCheck, &QCheckBox::clicked, this, &AdditionalFunctions::onBootBoostEnable);
    connect(m_trustedPairingCheck, &QCheckBox::clicked, this,
            &AdditionalFunctions::onTrustedPairingChanged);
    connect(m_compatibilityCheck, &QCheckBox::clicked, this,
            &AdditionalFunctions::onMemoryCompatibliyModeChanged);
    connect(m_readOnlyMulticastCheck, &QCheckBox::clicked, this,
            &AdditionalFunctions::onMulticastEnable);
}

void AdditionalFunctions::retranslateUi()
{
    setWindowTitle(tr("Additional functions"));
    m_memoryGroup->setTitle(tr("Image memory"));
    m_compatibilityCheck->setText(tr("Compatibility mode"));
    m_bootBoostGroup->setTitle(tr("Boot boost"));
    m_bootBoostCheck->setText(tr("Enable"));
    m_idLabel->setText(tr("ID values (e.g. 3;5-7):"));
    m_setIdListButton->setText(tr("Set ID list"));
    m_clearIdListButton->setText(tr("Clear ID list"));
    m_addIdButton->setText(tr("Add ID"));
    m_removeIdButton->setText(tr("Remove ID"));
    m_currentListLabel->setText(tr("Current boot boost Ids:"));
    m_multicastGroup->setTitle(tr("Multicast"));
    m_readOnlyMulticastCheck->setText(tr("Enable read-only multicast"));
    m_pairingGroup->setTitle(tr("Trusted pairing"));
    m_trustedPairingCheck->setText(tr("Enable trusted pairing mode"));
}

void AdditionalFunctions::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void AdditionalFunctions::readSettings()
{
    const std::optional<uint32_t> bootBoost = readU32(vy_BootBoost, VY_BOOTBOOST_GET_ENABLE);
    m_bootBoostCheck->setChecked(bootBoost.value_or(0) != 0);
    enableIdControls(m_bootBoostCheck->isChecked());
    refreshIdList();

    const std::optional<uint32_t> compatibility =
        readU32(vy_Configuration, VY_CONFIG_GET_MEMORY_COMPAT);
    m_compatibilityCheck->setChecked(compatibility.value_or(0) != 0);

    m_readOnlyMulticastCheck->setChecked(readOnlyMulticastEnabled());

    const std::optional<uint32_t> pairing =
        readU32(vy_Configuration, VY_CONFIG_GET_TRUSTED_PAIRING);
    m_trustedPairingCheck->setEnabled(pairing.has_value());
    if (pairing)
        m_trustedPairingCheck->setChecked(*pairing != 0);
}

void AdditionalFunctions::enableIdControls(bool enable)
{
    for (QWidget *w :
         {static_cast<QWidget *>(m_idEdit), static_cast<QWidget *>(m_currentListEdit),
          static_cast<QWidget *>(m_setIdListButton), static_cast<QWidget *>(m_clearIdListButton),
          static_cast<QWidget *>(m_addIdButton), static_cast<QWidget *>(m_removeIdButton)})
        w->setEnabled(enable);
}

void AdditionalFunctions::refreshIdList()
{
    const std::optional<uint32_t> count = readU32(vy_BootBoost, VY_BOOTBOOST_GET_ID_COUNT);
    if (!count || *count == 0) {
        m_currentListEdit->clear();
        return;
    }
    // The driver writes no more than the count it is told there is room for; the count comes
    // from the driver, so it is bounded by what a u32 can say, not by what is sensible.
    const uint32_t n = qMin<uint32_t>(*count, 0xFFFF);
    m_idBuffer = QByteArray(int(VY_BOOTBOOST_IDS_SIZE(n)), '\0');
    std::memcpy(m_idBuffer.data(), &n, sizeof n);
    if (vy_BootBoost(VY_DRIVER_HANDLE, VY_BOOTBOOST_GET_IDS, m_idBuffer.data(),
                     uint32_t(m_idBuffer.size())) != VY_SUCCESS)
        return;
    uint32_t written = 0;
    std::memcpy(&written, m_idBuffer.constData(), sizeof written);
    QVector<int> ids;
    const auto *bytes = reinterpret_cast<const uint8_t *>(m_idBuffer.constData()) + 4;
    for (uint32_t i = 0; i < qMin(n, written); ++i)
        ids.append(bytes[i]);
    m_currentListEdit->setText(BootBoostIds::display(ids));
}

std::optional<QVector<int>> AdditionalFunctions::idsToSend(bool asList)
{
    QString problem;
    std::optional<QVector<int>> ids = asList ? BootBoostIds::listToSet(m_idEdit->text(), &problem)
                                             : BootBoostIds::ids(m_idEdit->text(), &problem);
    if (!ids) {
        // The whole input is refused; it stays for the user to correct.
        QMessageBox::information(this, tr("Wrong ID"),
                                 problem + QLatin1Char('\n') +
                                     tr("Nothing was sent; the ID list is unchanged."));
        m_idEdit->setFocus(Qt::OtherFocusReason);
    }
    return ids;
}

void AdditionalFunctions::onSetIDList()
{
    const std::optional<QVector<int>> ids = idsToSend(true);
    if (!ids)
        return;
    QByteArray record(int(VY_BOOTBOOST_IDS_SIZE(ids->size())), '\0');
    const auto count = uint32_t(ids->size());
    std::memcpy(record.data(), &count, sizeof count);
    for (int i = 0; i < ids->size(); ++i)
        record[4 + i] = char(uint8_t(ids->at(i)));
    if (vy_BootBoost(VY_DRIVER_HANDLE, VY_BOOTBOOST_SET_IDS, record.data(),
                     uint32_t(record.size())) != VY_SUCCESS)
        return;
    refreshIdList();
    m_idEdit->clear();
}

void AdditionalFunctions::changeIds(bool add)
{
    const std::optional<QVector<int>> ids = idsToSend(false);
    if (!ids)
        return;
    const uint32_t command = add ? VY_BOOTBOOST_ADD_ID : VY_BOOTBOOST_REMOVE_ID;
    for (const int id : *ids) {
        uint8_t value = uint8_t(id);
        vy_BootBoost(VY_DRIVER_HANDLE, command, &value, sizeof value);
    }
    refreshIdList();
    m_idEdit->clear();
}

void AdditionalFunctions::onAddID()
{
    changeIds(true);
}

void AdditionalFunctions::onRemoveID()
{
    changeIds(false);
}

void AdditionalFunctions::onClearIDList()
{
    if (vy_BootBoost(VY_DRIVER_HANDLE, VY_BOOTBOOST_CLEAR_IDS, nullptr, 0) != VY_SUCCESS)
        return;
    refreshIdList();
    m_idEdit->clear();
}

void AdditionalFunctions::onBootBoostEnable()
{
    const bool enable = m_bootBoostCheck->isChecked();
    const int32_t result = vy_BootBoost(
        VY_DRIVER_HANDLE, enable ? VY_BOOTBOOST_ENABLE : VY_BOOTBOOST_DISABLE, nullptr, 0);
    if (result != VY_SUCCESS) {
        const QString error = vyrokit::SdkError::text(VY_DRIVER_HANDLE, result);
        m_bootBoostCheck->setChecked(!enable);
        QMessageBox::information(this, tr("Error"),
                                 (enable ? tr("Could not enable boot boost: %1")
                                         : tr("Could not disable boot boost: %1"))
                                     .arg(error));
    }
    enableIdControls(m_bootBoostCheck->isChecked());
}

void AdditionalFunctions::onTrustedPairingChanged()
{
    const int32_t result = writeU32(vy_Configuration, VY_CONFIG_SET_TRUSTED_PAIRING,
                                    m_trustedPairingCheck->isChecked() ? 1 : 0);
    if (result != VY_SUCCESS)
        QMessageBox::critical(this, tr("Failed"),
                              tr("Setting trusted pairing mode failed: %1")
                                  .arg(vyrokit::SdkError::text(VY_DRIVER_HANDLE, result)));
    const std::optional<uint32_t> pairing =
        readU32(vy_Configuration, VY_CONFIG_GET_TRUSTED_PAIRING);
    if (pairing)
        m_trustedPairingCheck->setChecked(*pairing != 0);
    else
        m_trustedPairingCheck->setEnabled(false);
}

void AdditionalFunctions::onMemoryCompatibliyModeChanged()
{
    const bool wanted = m_compatibilityCheck->isChecked();
    // After a refusal or a failed write the box shows what the driver holds, not the click.
    const auto showDriverState = [this, wanted] {
        const std::optional<uint32_t> mode = readU32(vy_Configuration, VY_CONFIG_GET_MEMORY_COMPAT);
        m_compatibilityCheck->setChecked(mode ? *mode != 0 : !wanted);
    };
    if (!vyrokit::Privileges::isRoot()) {
        showDriverState();
        QMessageBox::warning(this, tr("privileged feature"),
                             tr("To use this feature, \nstart the %1 with\nelevated privileges "
                                "e.g root or admin!")
                                 .arg(vyrokit::ProductInfo::family()));
        return;
    }
    const int32_t result = writeU32(vy_Configuration, VY_CONFIG_SET_MEMORY_COMPAT, wanted ? 1 : 0);
    if (result == VY_SUCCESS) {
        vy_FetchRegistryValues();
        QMessageBox::information(this, tr("Memory compatibility mode"),
                                 tr("To completely adopt the compatibility mode please reboot "
                                    "your system or reconnect all cameras!"));
    } else {
        // Taken before the driver's state is read again, which may fail otherwise.
        const QString error = vyrokit::SdkError::text(VY_DRIVER_HANDLE, result);
        showDriverState();
        QMessageBox::warning(this, tr("Memory compatibility mode"),
                             tr("The image memory compatibility mode could not be "
                                "changed!\n%1")
                                 .arg(error));
    }
}

void AdditionalFunctions::onMulticastEnable()
{
    setReadOnlyMulticast(m_readOnlyMulticastCheck->isChecked());
    m_readOnlyMulticastCheck->setChecked(readOnlyMulticastEnabled());
}

bool AdditionalFunctions::readOnlyMulticastEnabled()
{
    return readU32(vy_Multicast, VY_MULTICAST_GET_RO_ENABLE).value_or(0) != 0;
}

void AdditionalFunctions::setReadOnlyMulticast(bool enable)
{
    if (writeU32(vy_Multicast, VY_MULTICAST_SET_RO_ENABLE, enable ? 1 : 0) != VY_SUCCESS)
        return;
    // The driver applies the switch through these follow-ups; their results say nothing more.
    if (enable) {
        if (vy_Multicast(VY_DRIVER_HANDLE, VY_MULTICAST_DRIVER_DEFAULT, nullptr, 0) == VY_SUCCESS)
            vy_Multicast(VY_DRIVER_HANDLE, VY_MULTICAST_RO_RESCAN, nullptr, 0);
        vy_Multicast(VY_DRIVER_HANDLE, VY_MULTICAST_RO_RESCAN, nullptr, 0);
    } else {
        vy_Multicast(VY_DRIVER_HANDLE, VY_MULTICAST_RO_UPDATE, nullptr, 0);
    }
}

// tst_additionalfunctions.cpp: the additional functions dialog on the simulated driver: what
// it reads, what each control sends, and every call failing.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <cstring>

#include "sdk/sim/vyro_sim.h"
#include "tests/support/modalanswerer.h"
#include "tests/support/simworld.h"
#include "tests/support/testmain.h"
#include "vyrokit/privileges.h"
#include "zentara/settings/additionalfunctions.h"
#include "zentara/settings/bootboostids.h"

using IdList = QVector<int>;
Q_DECLARE_METATYPE(IdList)

namespace {

template <typename T> T *child(QWidget &w, const char *name)
{
    T *c = w.findChild<T *>(QLatin1String(name));
    if (!c)
        qFatal("no child %s", name);
    return c;
}

// The IDs of every list record sent with "replace the ID list".
QVector<IdList> listsSent()
{
    QVector<IdList> lists;
    for (const auto &call : vysim::callsOf("vy_BootBoost")) {
        if (call.command != VY_BOOTBOOST_SET_IDS || call.in.size() < 4)
            continue;
        uint32_t count = 0;
        std::memcpy(&count, call.in.data(), 4);
        IdList ids;
        for (uint32_t i = 0; i < count && 4 + i < call.in.size(); ++i)
            ids.append(call.in[4 + i]);
        lists.append(ids);
    }
    return lists;
}

// The IDs sent one by one with a command (add or remove).
IdList idsSent(uint32_t command)
{
    IdList ids;
    for (const auto &call : vysim::callsOf("vy_BootBoost"))
        if (call.command == command && call.in.size() == 1)
            ids.append(call.in[0]);
    return ids;
}

int callsWith(const char *function, uint32_t command)
{
    int n = 0;
    for (const auto &call : vysim::callsOf(function))
        n += call.command == command ? 1 : 0;
    return n;
}

// The box refusing the whole input for one part.
QString refused(const QString &why)
{
    return why + QStringLiteral("\nNothing was sent; the ID list is unchanged.");
}

QString wrongId(const QString &id)
{
    return refused(QStringLiteral("The ID %1 has to be between with 1 and 254").arg(id));
}

QString notAnId(const QString &part)
{
    return refused(
        QStringLiteral("\"%1\" is neither an ID nor a range of IDs such as 5-7.").arg(part));
}

QString emptyPart(int n)
{
    return refused(QStringLiteral("Part %1 of the input is empty: remove the extra \";\".").arg(n));
}

QString reversed(const QString &range, const QString &asWritten)
{
    return refused(
        QStringLiteral("The range %1 is reversed: write it as %2.").arg(range, asWritten));
}

} // namespace

class tst_AdditionalFunctions : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void readsTheDriver();
    void bootBoostOffDisablesTheIdControls();
    void trustedPairingUnsupportedIsDisabled();
    void everyCallsDriverHandle();
    void setIdList_data();
    void setIdList();
    void addId_data();
    void addId();
    void removeId();
    void clearIdList();
    void bootBoostSwitch_data();
    void bootBoostSwitch();
    void trustedPairing_data();
    void trustedPairing();
    void compatibilityModeNeedsRoot();
    void compatibilityModeAsRoot_data();
    void compatibilityModeAsRoot();
    void readOnlyMulticast_data();
    void readOnlyMulticast();
    void readFailures_data();
    void readFailures();
};

void tst_AdditionalFunctions::init()
{
    QVERIFY(SimWorld::reset());
    QVERIFY(SimWorld::setDriverField("bootBoost", "true"));
    QVERIFY(SimWorld::setDriverField("bootBoostIds", "[1, 2, 3, 7]"));
    vysim_log_clear();
}

void tst_AdditionalFunctions::cleanup()
{
    vyrokit::Privileges::setRootOverride(std::nullopt);
}

void tst_AdditionalFunctions::readsTheDriver()
{
    QVERIFY(SimWorld::setDriverField("memoryCompatibilityMode", "1"));
    QVERIFY(SimWorld::setDriverField("readOnlyMulticast", "true"));
    QVERIFY(SimWorld::setDriverField("trustedPairing", "1"));
    AdditionalFunctions dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Additional functions"));
    QVERIFY(child<QCheckBox>(dialog, "bootBoostCheck")->isChecked());
    QCOMPARE(child<QLineEdit>(dialog, "currentListEdit")->text(), QStringLiteral("1 - 3 ; 7"));
    QVERIFY(child<QLineEdit>(dialog, "currentListEdit")->isReadOnly());
    QVERIFY(child<QLineEdit>(dialog, "idEdit")->isEnabled());
    QVERIFY(child<QPushButton>(dialog, "addIdButton")->isEnabled());
    QVERIFY(child<QCheckBox>(dialog, "compatibilityCheck")->isChecked());
    QVERIFY(child<QCheckBox>(dialog, "readOnlyMulticastCheck")->isChecked());
    QVERIFY(child<QCheckBox>(dialog, "trustedPairingCheck")->isChecked());
    QVERIFY(child<QCheckBox>(dialog, "trustedPairingCheck")->isEnabled());
}

void tst_AdditionalFunctions::bootBoostOffDisablesTheIdControls()
{
    QVERIFY(SimWorld::setDriverField("bootBoost", "false"));
    QVERIFY(SimWorld::setDriverField("bootBoostIds", "[]"));
    AdditionalFunctions dialog;
    QVERIFY(!child<QCheckBox>(dialog, "bootBoostCheck")->isChecked());
    for (const char *name :
         {"setIdListButton", "clearIdListButton", "addIdButton", "removeIdButton"})
        QVERIFY2(!child<QPushButton>(dialog, name)->isEnabled(), name);
    QVERIFY(!child<QLineEdit>(dialog, "idEdit")->isEnabled());
    QVERIFY(!child<QLineEdit>(dialog, "currentListEdit")->isEnabled());
    // An empty list on the driver shows an empty field, and no list read is needed.
    QCOMPARE(child<QLineEdit>(dialog, "currentListEdit")->text(), QString());
    QCOMPARE(callsWith("vy_BootBoost", VY_BOOTBOOST_GET_IDS), 0);
}

void tst_AdditionalFunctions::trustedPairingUnsupportedIsDisabled()
{
    QVERIFY(SimWorld::setDriverField("trustedPairingSupported", "false"));
    AdditionalFunctions dialog;
    QVERIFY(!child<QCheckBox>(dialog, "trustedPairingCheck")->isEnabled());
}

void tst_AdditionalFunctions::everyCallsDriverHandle()
{
    AdditionalFunctions dialog;
    const auto calls = vysim::callLog();
    QVERIFY(!calls.empty());
    for (const auto &call : calls)
        QVERIFY2(call.handle == VY_DRIVER_HANDLE, call.function.c_str());
}

void tst_AdditionalFunctions::setIdList_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<IdList>("ids");
    QTest::addColumn<QString>("message");
    QTest::newRow("3;5-7;5") << "3;5-7;5" << IdList{3, 5, 6, 7} << QString();
    QTest::newRow("0") << "0" << IdList{} << wrongId("0");
    QTest::newRow("255") << "255" << IdList{} << wrongId("255");
    QTest::newRow("3;") << "3;" << IdList{} << emptyPart(2);
    QTest::newRow("9-4") << "9-4" << IdList{} << reversed("9-4", "4-9");
    QTest::newRow("5-3 beside an ID") << "2;5-3" << IdList{} << reversed("5-3", "3-5");
    QTest::newRow("-") << "-" << IdList{} << notAnId("-");
    QTest::newRow("5-") << "5-" << IdList{} << notAnId("5-");
    QTest::newRow("-5") << "-5" << IdList{} << notAnId("-5");
    QTest::newRow("1-254") << "1-254" << [] {
        IdList all;
        for (int id = 1; id <= 254; ++id)
            all.append(id);
        return all;
    }() << QString();
    QTest::newRow(";;;") << ";;;" << IdList{} << emptyPart(1);
    QTest::newRow("10000 characters") << QString(10000, QLatin1Char('9')) << IdList{}
                                      << wrongId(QString(10000, QLatin1Char('9')));
    QTest::newRow("abc") << "abc" << IdList{} << notAnId("abc");
    QTest::newRow("leading zeros") << "007;010" << IdList{7, 10} << QString();
    QTest::newRow("0x10") << "0x10" << IdList{} << notAnId("0x10");
}

// The list is sent once and shown, and the input emptied; or, for any part that is no valid
// ID or range, the whole input is refused with a box naming that part: nothing is sent, and
// the list and the typed text stay.
void tst_AdditionalFunctions::setIdList()
{
    QFETCH(QString, input);
    QFETCH(IdList, ids);
    QFETCH(QString, message);
    AdditionalFunctions dialog;
    vysim_log_clear();
    ModalAnswerer answerer;
    child<QLineEdit>(dialog, "idEdit")->setText(input);
    QTest::mouseClick(child<QPushButton>(dialog, "setIdListButton"), Qt::LeftButton);
    const bool sent = message.isEmpty();
    QCOMPARE(answerer.texts(), sent ? QStringList() : QStringList{message});
    const QVector<IdList> lists = listsSent();
    QCOMPARE(lists.size(), sent ? 1 : 0);
    if (sent)
        QCOMPARE(lists.first(), ids);
    QCOMPARE(child<QLineEdit>(dialog, "idEdit")->text(), sent ? QString() : input);
    QCOMPARE(child<QLineEdit>(dialog, "currentListEdit")->text(),
             sent ? BootBoostIds::display(ids) : QStringLiteral("1 - 3 ; 7"));
}

void tst_AdditionalFunctions::addId_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<IdList>("ids");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("300") << "300" << IdList{} << QStringList{wrongId(QStringLiteral("300"))};
    QTest::newRow("9-4") << "9-4" << IdList{} << QStringList{reversed("9-4", "4-9")};
    QTest::newRow("range and single") << "10-12;20" << IdList{10, 11, 12, 20} << QStringList{};
    QTest::newRow("bad part between good ones")
        << "10;0;20" << IdList{} << QStringList{wrongId(QStringLiteral("0"))};
    QTest::newRow("range with a bad end")
        << "250-255;5-" << IdList{} << QStringList{wrongId(QStringLiteral("255"))};
    QTest::newRow("-5") << "-5" << IdList{} << QStringList{notAnId("-5")};
    QTest::newRow("-") << "-" << IdList{} << QStringList{notAnId("-")};
    QTest::newRow("empty part") << "3;;4" << IdList{} << QStringList{emptyPart(2)};
    QTest::newRow(";;;") << ";;;" << IdList{} << QStringList{emptyPart(1)};
    QTest::newRow("0x10") << "0x10" << IdList{} << QStringList{notAnId("0x10")};
    QTest::newRow("leading zeros") << "007" << IdList{7} << QStringList{};
    QTest::newRow("10000 characters") << QString(10000, QLatin1Char('x')) << IdList{}
                                      << QStringList{notAnId(QString(10000, QLatin1Char('x')))};
}

void tst_AdditionalFunctions::addId()
{
    QFETCH(QString, input);
    QFETCH(IdList, ids);
    QFETCH(QStringList, messages);
    AdditionalFunctions dialog;
    vysim_log_clear();
    ModalAnswerer answerer;
    child<QLineEdit>(dialog, "idEdit")->setText(input);
    QTest::mouseClick(child<QPushButton>(dialog, "addIdButton"), Qt::LeftButton);
    QCOMPARE(answerer.texts(), messages);
    QCOMPARE(idsSent(VY_BOOTBOOST_ADD_ID), ids);
    QCOMPARE(idsSent(VY_BOOTBOOST_REMOVE_ID), IdList{});
    QCOMPARE(child<QLineEdit>(dialog, "idEdit")->text(), messages.isEmpty() ? QString() : input);
    // What the driver holds now, shown in the display format checked in tst_bootboostids.
    IdList expected{1, 2, 3, 7};
    expected += ids;
    QCOMPARE(child<QLineEdit>(dialog, "currentListEdit")->text(), BootBoostIds::display(expected));
}

void tst_AdditionalFunctions::removeId()
{
    AdditionalFunctions dialog;
    vysim_log_clear();
    ModalAnswerer answerer;
    auto *idEdit = child<QLineEdit>(dialog, "idEdit");
    idEdit->setText(QStringLiteral("2-3;300"));
    QTest::mouseClick(child<QPushButton>(dialog, "removeIdButton"), Qt::LeftButton);
    QCOMPARE(answerer.texts(), QStringList{wrongId(QStringLiteral("300"))});
    QCOMPARE(idsSent(VY_BOOTBOOST_REMOVE_ID), IdList{});
    QCOMPARE(idEdit->text(), QStringLiteral("2-3;300"));
    idEdit->setText(QStringLiteral("2-3"));
    QTest::mouseClick(child<QPushButton>(dialog, "removeIdButton"), Qt::LeftButton);
    QCOMPARE(idsSent(VY_BOOTBOOST_REMOVE_ID), (IdList{2, 3}));
    QCOMPARE(child<QLineEdit>(dialog, "currentListEdit")->text(), QStringLiteral("1 ; 7"));
}

void tst_AdditionalFunctions::clearIdList()
{
    AdditionalFunctions dialog;
    child<QLineEdit>(dialog, "idEdit")->setText(QStringLiteral("5"));
    // A refused clear leaves everything as it was.
    vysim_force_result("vy_BootBoost", VY_BOOTBOOST_CLEAR_IDS, VYSIM_ANY_HANDLE, VY_NO_DATA, 1);
    QTest::mouseClick(child<QPushButton>(dialog, "clearIdListButton"), Qt::LeftButton);
    QCOMPARE(child<QLineEdit>(dialog, "idEdit")->text(), QStringLiteral("5"));
    QCOMPARE(child<QLineEdit>(dialog, "currentListEdit")->text(), QStringLiteral("1 - 3 ; 7"));
    QTest::mouseClick(child<QPushButton>(dialog, "clearIdListButton"), Qt::LeftButton);
    QCOMPARE(child<QLineEdit>(dialog, "idEdit")->text(), QString());
    QCOMPARE(child<QLineEdit>(dialog, "currentListEdit")->text(), QString());
}

void tst_AdditionalFunctions::bootBoostSwitch_data()
{
    QTest::addColumn<bool>("initially");
    QTest::addColumn<int>("forced");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("enable") << false << 0 << true << QStringList{};
    QTest::newRow("disable") << true << 0 << false << QStringList{};
    QTest::newRow("enable fails") << false << int(VY_NOT_SUPPORTED) << false
                                  << QStringList{QStringLiteral(
                                         "Could not enable boot boost: The command is not "
                                         "supported (code 155).")};
    QTest::newRow("disable fails")
        << true << int(VY_IO_REQUEST_FAILED) << true
        << QStringList{QStringLiteral("Could not disable boot boost: An I/O request to the "
                                      "driver failed (code 2).")};
}

void tst_AdditionalFunctions::bootBoostSwitch()
{
    QFETCH(bool, initially);
    QFETCH(int, forced);
    QFETCH(bool, checked);
    QFETCH(QStringList, messages);
    QVERIFY(SimWorld::setDriverField("bootBoost", initially ? "true" : "false"));
    AdditionalFunctions dialog;
    if (forced)
        vysim_force_result("vy_BootBoost", initially ? VY_BOOTBOOST_DISABLE : VY_BOOTBOOST_ENABLE,
                           VYSIM_ANY_HANDLE, forced, 1);
    ModalAnswerer answerer;
    auto *box = child<QCheckBox>(dialog, "bootBoostCheck");
    box->click();
    QCOMPARE(answerer.texts(), messages);
    QCOMPARE(box->isChecked(), checked);
    QCOMPARE(child<QPushButton>(dialog, "setIdListButton")->isEnabled(), checked);
    QCOMPARE(child<QLineEdit>(dialog, "idEdit")->isEnabled(), checked);
    uint32_t enabled = 7;
    QCOMPARE(vy_BootBoost(VY_DRIVER_HANDLE, VY_BOOTBOOST_GET_ENABLE, &enabled, sizeof enabled),
             VY_SUCCESS);
    QCOMPARE(enabled != 0, checked);
}

void tst_AdditionalFunctions::trustedPairing_data()
{
    QTest::addColumn<int>("writeResult");
    QTest::addColumn<int>("readResult");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("switched on") << 0 << 0 << true << true << QStringList{};
    QTest::newRow("write fails") << int(VY_NOT_SUPPORTED) << 0 << false << true
                                 << QStringList{QStringLiteral(
                                        "Setting trusted pairing mode failed: The command is "
                                        "not supported (code 155).")};
    QTest::newRow("read back fails")
        << 0 << int(VY_IO_REQUEST_FAILED) << true << false << QStringList{};
}

void tst_AdditionalFunctions::trustedPairing()
{
    QFETCH(int, writeResult);
    QFETCH(int, readResult);
    QFETCH(bool, checked);
    QFETCH(bool, enabled);
    QFETCH(QStringList, messages);
    AdditionalFunctions dialog;
    auto *box = child<QCheckBox>(dialog, "trustedPairingCheck");
    QVERIFY(!box->isChecked());
    if (writeResult)
        vysim_force_result("vy_Configuration", VY_CONFIG_SET_TRUSTED_PAIRING, VYSIM_ANY_HANDLE,
                           writeResult, 1);
    if (readResult)
        vysim_force_result("vy_Configuration", VY_CONFIG_GET_TRUSTED_PAIRING, VYSIM_ANY_HANDLE,
                           readResult, 1);
    ModalAnswerer answerer;
    box->click();
    QCOMPARE(answerer.texts(), messages);
    QCOMPARE(box->isChecked(), checked);
    QCOMPARE(box->isEnabled(), enabled);
}

void tst_AdditionalFunctions::compatibilityModeNeedsRoot()
{
    vyrokit::Privileges::setRootOverride(false);
    AdditionalFunctions dialog;
    vysim_log_clear();
    ModalAnswerer answerer;
    auto *box = child<QCheckBox>(dialog, "compatibilityCheck");
    box->click();
    QCOMPARE(answerer.texts(),
             QStringList{QStringLiteral("To use this feature, \nstart the Orv Vyro with\nelevated "
                                        "privileges e.g root or admin!")});
    QCOMPARE(answerer.icons(), QList<QMessageBox::Icon>{QMessageBox::Warning});
    // The box shows the driver's state again, and the driver heard nothing.
    QVERIFY(!box->isChecked());
    QCOMPARE(callsWith("vy_Configuration", VY_CONFIG_SET_MEMORY_COMPAT), 0);
    QCOMPARE(vysim::callsOf("vy_FetchRegistryValues").size(), size_t(0));
}

void tst_AdditionalFunctions::compatibilityModeAsRoot_data()
{
    QTest::addColumn<int>("forced");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("fetches");
    QTest::newRow("written") << 0
                             << "To completely adopt the compatibility mode please reboot your "
                                "system or reconnect all cameras!"
                             << 1;
    QTest::newRow("refused") << int(VY_INVALID_PARAMETER)
                             << "The image memory compatibility mode could not be "
                                "changed!\nInvalid parameter (code 125)."
                             << 0;
}

void tst_AdditionalFunctions::compatibilityModeAsRoot()
{
    QFETCH(int, forced);
    QFETCH(QString, message);
    QFETCH(int, fetches);
    vyrokit::Privileges::setRootOverride(true);
    AdditionalFunctions dialog;
    vysim_log_clear();
    if (forced)
        vysim_force_result("vy_Configuration", VY_CONFIG_SET_MEMORY_COMPAT, VYSIM_ANY_HANDLE,
                           forced, 1);
    ModalAnswerer answerer;
    auto *box = child<QCheckBox>(dialog, "compatibilityCheck");
    box->click();
    QCOMPARE(answerer.texts(), QStringList{message});
    QCOMPARE(int(vysim::callsOf("vy_FetchRegistryValues").size()), fetches);
    uint32_t mode = 7;
    QCOMPARE(vy_Configuration(VY_DRIVER_HANDLE, VY_CONFIG_GET_MEMORY_COMPAT, &mode, sizeof mode),
             VY_SUCCESS);
    QCOMPARE(mode, forced ? 0u : 1u);
    QCOMPARE(box->isChecked(), mode != 0);
}

void tst_AdditionalFunctions::readOnlyMulticast_data()
{
    QTest::addColumn<bool>("initially");
    QTest::addColumn<QString>("forcedCommand");
    QTest::addColumn<QVector<uint32_t>>("followUps");
    QTest::addColumn<bool>("checked");
    QTest::newRow("enable") << false << QString()
                            << QVector<uint32_t>{VY_MULTICAST_DRIVER_DEFAULT,
                                                 VY_MULTICAST_RO_RESCAN, VY_MULTICAST_RO_RESCAN}
                            << true;
    QTest::newRow("enable, default refused")
        << false << QStringLiteral("default")
        << QVector<uint32_t>{VY_MULTICAST_DRIVER_DEFAULT, VY_MULTICAST_RO_RESCAN} << true;
    QTest::newRow("disable") << true << QString() << QVector<uint32_t>{VY_MULTICAST_RO_UPDATE}
                             << false;
    QTest::newRow("write refused")
        << false << QStringLiteral("write") << QVector<uint32_t>{} << false;
}

void tst_AdditionalFunctions::readOnlyMulticast()
{
    QFETCH(bool, initially);
    QFETCH(QString, forcedCommand);
    QFETCH(QVector<uint32_t>, followUps);
    QFETCH(bool, checked);
    QVERIFY(SimWorld::setDriverField("readOnlyMulticast", initially ? "true" : "false"));
    AdditionalFunctions dialog;
    vysim_log_clear();
    if (forcedCommand == QLatin1String("default"))
        vysim_force_result("vy_Multicast", VY_MULTICAST_DRIVER_DEFAULT, VYSIM_ANY_HANDLE,
                           VY_NOT_SUPPORTED, 1);
    if (forcedCommand == QLatin1String("write"))
        vysim_force_result("vy_Multicast", VY_MULTICAST_SET_RO_ENABLE, VYSIM_ANY_HANDLE,
                           VY_NOT_SUPPORTED, 1);
    auto *box = child<QCheckBox>(dialog, "readOnlyMulticastCheck");
    box->click();
    QVector<uint32_t> sent;
    for (const auto &call : vysim::callsOf("vy_Multicast"))
        if (call.command != VY_MULTICAST_SET_RO_ENABLE &&
            call.command != VY_MULTICAST_GET_RO_ENABLE)
            sent.append(call.command);
    QCOMPARE(sent, followUps);
    QCOMPARE(box->isChecked(), checked);
}

void tst_AdditionalFunctions::readFailures_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<uint32_t>("command");
    QTest::addColumn<bool>("bootBoost");
    QTest::addColumn<QString>("ids");
    QTest::addColumn<bool>("pairingEnabled");
    QTest::newRow("boot boost state")
        << "vy_BootBoost" << uint32_t(VY_BOOTBOOST_GET_ENABLE) << false << "1 - 3 ; 7" << true;
    QTest::newRow("ID count") << "vy_BootBoost" << uint32_t(VY_BOOTBOOST_GET_ID_COUNT) << true << ""
                              << true;
    QTest::newRow("ID list") << "vy_BootBoost" << uint32_t(VY_BOOTBOOST_GET_IDS) << true << ""
                             << true;
    QTest::newRow("compatibility mode")
        << "vy_Configuration" << uint32_t(VY_CONFIG_GET_MEMORY_COMPAT) << true << "1 - 3 ; 7"
        << true;
    QTest::newRow("trusted pairing")
        << "vy_Configuration" << uint32_t(VY_CONFIG_GET_TRUSTED_PAIRING) << true << "1 - 3 ; 7"
        << false;
    QTest::newRow("read-only multicast")
        << "vy_Multicast" << uint32_t(VY_MULTICAST_GET_RO_ENABLE) << true << "1 - 3 ; 7" << true;
}

// Each read failing in turn: the dialog opens with the neutral value and stays usable.
void tst_AdditionalFunctions::readFailures()
{
    QFETCH(QString, function);
    QFETCH(uint32_t, command);
    QFETCH(bool, bootBoost);
    QFETCH(QString, ids);
    QFETCH(bool, pairingEnabled);
    QVERIFY(SimWorld::setDriverField("readOnlyMulticast", "true"));
    QVERIFY(SimWorld::setDriverField("memoryCompatibilityMode", "1"));
    vysim_force_result(function.toLatin1().constData(), command, VYSIM_ANY_HANDLE,
                       VY_IO_REQUEST_FAILED, 0);
    ModalAnswerer answerer;
    AdditionalFunctions dialog;
    QCOMPARE(answerer.count(), 0);
    QCOMPARE(child<QCheckBox>(dialog, "bootBoostCheck")->isChecked(), bootBoost);
    QCOMPARE(child<QLineEdit>(dialog, "currentListEdit")->text(), ids);
    QCOMPARE(child<QCheckBox>(dialog, "trustedPairingCheck")->isEnabled(), pairingEnabled);
    const bool compatibilityRead = command != VY_CONFIG_GET_MEMORY_COMPAT;
    QCOMPARE(child<QCheckBox>(dialog, "compatibilityCheck")->isChecked(), compatibilityRead);
    const bool multicastRead = command != VY_MULTICAST_GET_RO_ENABLE;
    QCOMPARE(child<QCheckBox>(dialog, "readOnlyMulticastCheck")->isChecked(), multicastRead);
    vysim_clear_forced(nullptr);
    // Still usable: setting a list works.
    child<QCheckBox>(dialog, "bootBoostCheck")->setChecked(true);
    child<QLineEdit>(dialog, "idEdit")->setEnabled(true);
    child<QLineEdit>(dialog, "idEdit")->setText(QStringLiteral("9"));
    child<QPushButton>(dialog, "setIdListButton")->setEnabled(true);
    QTest::mouseClick(child<QPushButton>(dialog, "setIdListButton"), Qt::LeftButton);
    QCOMPARE(child<QLineEdit>(dialog, "currentListEdit")->text(), QStringLiteral("9"));
}

VYRO_TEST_MAIN(tst_AdditionalFunctions)
#include "tst_additionalfunctions.moc"

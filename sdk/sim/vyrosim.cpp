// vyrosim: command-line tool over the simulator's shared world. Programs that use the
// simulator with the same state directory see its changes within a second.
#include "sdk/sim/sysfs/cameraparameterxml.h"
#include "sdk/sim/sysfs/daemonservices.h"
#include "sdk/sim/sysfs/networkneighbours.h"
#include "sdk/sim/sysfs/supporttools.h"
#include "sdk/sim/sysfs/usbsysfstree.h"
#include "sdk/sim/vyro_sim.h"
#include "sdk/vyro_api.h"
#include "sdk/vyro_device.h"

#include "vyro_version.h"

#include <QByteArray>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstring>
#include <set>
#include <vector>

namespace {

constexpr int exitOk = 0;
constexpr int exitFailed = 1;
constexpr int exitUsage = 2;

const char usage[] =
    "usage: vyrosim <command> [arguments]\n"
    "       vyrosim --help | --version\n"
    "\n"
    "  list                          table of the devices\n"
    "  world                         the world as JSON, every field\n"
    "  plug <json>                   add a device given as a JSON object\n"
    "  plug <preset> [deviceId]      add a copy of a default device (see 'vyrosim presets')\n"
    "  presets                       the presets: labels of the default world's devices\n"
    "  unplug <deviceId>             remove a device\n"
    "  set <deviceId> <field> <value>  change a device field\n"
    "  set driver <field> <value>    change a driver field (libraryVersion, ...)\n"
    "  daemon <usb|eth> <start|stop> start or stop a simulated driver daemon\n"
    "  load <file>                   replace the world by a world file\n"
    "  reset                         restore the world file (VYRO_SIM_WORLD or the default)\n"
    "  dir                           print the state directory\n"
    "  sysroot <dir>                 write the USB device tree of the world's cameras as\n"
    "                                <dir>/sys, a ping and ARP table that know the\n"
    "                                cameras' addresses, the driver daemon services\n"
    "                                (service scripts, systemctl, pkexec, vyroethd.conf),\n"
    "                                the report generator, and dapplix's camera parameter\n"
    "                                file in <dir>/usr/share/vyro/dapplix, for programs\n"
    "                                run with VYRO_SYSROOT=<dir>\n"
    "\n"
    "Values are JSON (1, true, \"text\", [..]); anything else is taken as a text, so\n"
    "'vyrosim set 1001 deviceStatus 0x100' and 'vyrosim set 1 model VY-1' work unquoted.\n"
    "The state directory is VYRO_SIM_HOME, else ~/.local/share/vyrosim.\n"
    "When VYRO_SYSROOT names a directory that 'sysroot' wrote, every command that changes\n"
    "the world writes its USB device tree again.\n";

int fail(const char *what, int32_t code, const char *message)
{
    if (message && *message)
        std::fprintf(stderr, "vyrosim: %s: %s\n", what, message);
    else
        std::fprintf(stderr, "vyrosim: %s failed (code %d)\n", what, code);
    return exitFailed;
}

QJsonObject parseObject(const QByteArray &text)
{
    return QJsonDocument::fromJson(text).object();
}

QJsonObject currentWorld()
{
    uint32_t needed = 0;
    vysim_world_json(nullptr, 0, &needed);
    std::vector<char> buffer(needed + 1);
    if (vysim_world_json(buffer.data(), uint32_t(buffer.size()), &needed) != VY_SUCCESS)
        return QJsonObject();
    return parseObject(QByteArray(buffer.data()));
}

QJsonObject defaultWorld()
{
    uint32_t needed = 0;
    vysim_default_world_json(nullptr, 0, &needed);
    std::vector<char> buffer(needed + 1);
    vysim_default_world_json(buffer.data(), uint32_t(buffer.size()), &needed);
    return parseObject(QByteArray(buffer.data()));
}

// A value given on the command line: JSON when it parses, a text otherwise.
QByteArray valueJson(const char *text)
{
    QJsonParseError error;
    QJsonDocument::fromJson(QByteArray("[") + text + "]", &error);
    if (error.error == QJsonParseError::NoError)
        return QByteArray(text);
    const QJsonArray wrapped{QString::fromLocal8Bit(text)};
    QByteArray json = QJsonDocument(wrapped).toJson(QJsonDocument::Compact);
    return json.mid(1, json.size() - 2);
}

QString kind(const QJsonObject &d)
{
    switch (vyro::deviceKind(uint32_t(d.value("deviceId").toInt()))) {
    case vyro::DeviceKind::Usb:
        return QStringLiteral("USB");
    case vyro::DeviceKind::Network:
        return QStringLiteral("ETH");
    case vyro::DeviceKind::ReadOnly:
        return QStringLiteral("PMC");
    case vyro::DeviceKind::VisionStandard: {
        // Integer fields are numbers or "0x..." texts.
        const QJsonValue v = d.value("deviceType");
        bool ok = true;
        const int type = v.isString() ? v.toString().mid(2).toInt(&ok, 16) : v.toInt();
        if (ok && type == vyro::TypeUsb3Vision)
            return QStringLiteral("U3V");
        if (ok && type == vyro::TypeGigEVision)
            return QStringLiteral("GEV");
        return QStringLiteral("UNK");
    }
    case vyro::DeviceKind::Other:
        break;
    }
    return QStringLiteral("-");
}

int list()
{
    const QJsonArray devices = currentWorld().value("devices").toArray();
    std::printf("%-6s %-4s %-4s %-6s %-16s %-16s %-32s %s\n", "DevID", "Cam", "Kind", "InUse",
                "Model", "Serial", "Full model name", "Label");
    for (const QJsonValue v : devices) {
        const QJsonObject d = v.toObject();
        const int id = d.value("deviceId").toInt();
        const int inUse = vysim_device_in_use(uint32_t(id));
        std::printf("%-6d %-4d %-4s %-6s %-16s %-16s %-32s %s\n", id, d.value("cameraId").toInt(),
                    qPrintable(kind(d)), inUse > 0 ? "yes" : "no",
                    qPrintable(d.value("model").toString()),
                    qPrintable(d.value("serialNumber").toString()),
                    qPrintable(d.value("fullModelName").toString()),
                    qPrintable(d.value("label").toString()));
    }
    std::printf("%d device(s)\n", int(devices.size()));
    return exitOk;
}

int presets()
{
    for (const QJsonValue v : defaultWorld().value("devices").toArray()) {
        const QJsonObject d = v.toObject();
        std::printf("%-22s %-4s %s\n", qPrintable(d.value("label").toString()), qPrintable(kind(d)),
                    qPrintable(d.value("fullModelName").toString()));
    }
    return exitOk;
}

// The range of device IDs of the kind that id belongs to (end exclusive).
void kindRange(int id, int *first, int *end)
{
    const int bounds[] = {1,
                          int(vyro::NetworkDeviceIdFirst),
                          int(vyro::ReadOnlyDeviceIdFirst),
                          int(vyro::VisionStandardDeviceIdFirst),
                          int(vyro::OtherDeviceIdFirst),
                          int(VY_UNOPENED)};
    for (int i = 0; i + 1 < 6; ++i) {
        if (id < bounds[i + 1]) {
            *first = bounds[i];
            *end = bounds[i + 1];
            return;
        }
    }
    *first = int(vyro::OtherDeviceIdFirst);
    *end = int(VY_UNOPENED);
}

int plugPreset(const QString &name, const char *idText)
{
    QJsonObject preset;
    for (const QJsonValue v : defaultWorld().value("devices").toArray())
        if (v.toObject().value("label").toString() == name)
            preset = v.toObject();
    if (preset.isEmpty()) {
        std::fprintf(stderr, "vyrosim: plug: no preset \"%s\" (see 'vyrosim presets')\n",
                     qPrintable(name));
        return exitUsage;
    }
    std::set<int> used;
    for (const QJsonValue v : currentWorld().value("devices").toArray())
        used.insert(v.toObject().value("deviceId").toInt());
    int id = 0;
    if (idText) {
        bool ok = false;
        id = QString::fromLocal8Bit(idText).toInt(&ok);
        if (!ok || id < 1 || id > 0x7FFF) {
            std::fprintf(stderr, "vyrosim: plug: bad device ID \"%s\" (1 to 32767)\n", idText);
            return exitUsage;
        }
    } else {
        int first = 0, end = 0;
        const int base = preset.value("deviceId").toInt();
        kindRange(base, &first, &end);
        for (int candidate = base; candidate < end && !id; ++candidate)
            if (!used.count(candidate))
                id = candidate;
        for (int candidate = first; candidate < base && !id; ++candidate)
            if (!used.count(candidate))
                id = candidate;
        if (!id) {
            std::fprintf(stderr, "vyrosim: plug: no free device ID in %d..%d\n", first, end - 1);
            return exitFailed;
        }
    }
    preset.insert("deviceId", id);
    preset.insert("label", QStringLiteral("%1-%2").arg(name).arg(id).left(32));
    // A serial of its own, so that programs telling cameras apart by serial do so.
    const QString serial = preset.value("serialNumber").toString();
    preset.insert(
        "serialNumber",
        (serial.left(6) + QString::number(id).rightJustified(4, QLatin1Char('0'))).left(16));
    char message[512] = {};
    const QByteArray json = QJsonDocument(preset).toJson(QJsonDocument::Compact);
    const int32_t r = vysim_plug(json.constData(), message, sizeof message);
    if (r != VY_SUCCESS)
        return fail("plug", r, message);
    std::printf("plugged %s as device %d\n", qPrintable(name), id);
    return exitOk;
}

// This program's own file, which the simulated installation's report generator runs.
QString ownProgram()
{
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
}

int writeSysroot(const QString &root, bool quiet)
{
    const QJsonArray devices = currentWorld().value("devices").toArray();
    QString message;
    if (!vysim::UsbSysfsTree(devices).write(root, &message) ||
        !vysim::NetworkNeighbours(devices).write(root, &message) ||
        !vysim::CameraParameterXml(devices).write(root, &message) ||
        !vysim::SupportTools(ownProgram()).write(root, &message)) {
        std::fprintf(stderr, "vyrosim: sysroot: %s\n", qPrintable(message));
        return exitFailed;
    }
    if (!quiet)
        std::printf("%s/sys/bus/usb/devices\n", qPrintable(QFileInfo(root).absoluteFilePath()));
    return exitOk;
}

// The service scripts and tools of the simulated installation, calling this very program.
int writeDaemonServices(const QString &root)
{
    vysim::DaemonServices services(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath());
    services.setDefaultInterface(vysim::DaemonServices::machineInterface());
    QString message;
    if (!services.write(root, &message)) {
        std::fprintf(stderr, "vyrosim: sysroot: %s\n", qPrintable(message));
        return exitFailed;
    }
    return exitOk;
}

// After a successful change of the world, the USB device tree at VYRO_SYSROOT follows it, when
// that tree is one this tool wrote.
int followWorld(int code)
{
    if (code != exitOk)
        return code;
    const QString root = qEnvironmentVariable("VYRO_SYSROOT");
    if (root.isEmpty() || !QFileInfo::exists(root + QStringLiteral("/sys/") +
                                             QLatin1String(vysim::UsbSysfsTree::markerName())))
        return code;
    return writeSysroot(root, true);
}

int run(int argc, char **argv)
{
    if (argc < 2 || !std::strcmp(argv[1], "-h") || !std::strcmp(argv[1], "--help") ||
        !std::strcmp(argv[1], "help")) {
        std::fputs(usage, argc < 2 ? stderr : stdout);
        return argc < 2 ? exitUsage : exitOk;
    }
    // Answered before anything reads or creates the shared world.
    if (!std::strcmp(argv[1], "-V") || !std::strcmp(argv[1], "--version")) {
        std::printf("vyrosim %s\n", VYRO_SDK_VERSION_TEXT);
        return exitOk;
    }
    const QString command = QString::fromLocal8Bit(argv[1]);
    char message[1024] = {};
    auto wrongArguments = [&]() {
        std::fprintf(stderr, "vyrosim: %s: wrong arguments\n\n%s", argv[1], usage);
        return exitUsage;
    };

    if (command == QLatin1String("list"))
        return argc == 2 ? list() : wrongArguments();
    if (command == QLatin1String("presets"))
        return argc == 2 ? presets() : wrongArguments();
    if (command == QLatin1String("dir")) {
        std::printf("%s\n", vysim_state_dir());
        return exitOk;
    }
    if (command == QLatin1String("world")) {
        if (argc != 2)
            return wrongArguments();
        uint32_t needed = 0;
        vysim_world_json(nullptr, 0, &needed);
        std::vector<char> buffer(needed + 1);
        vysim_world_json(buffer.data(), uint32_t(buffer.size()), &needed);
        std::fputs(buffer.data(), stdout);
        return exitOk;
    }
    if (command == QLatin1String("reset")) {
        if (argc != 2)
            return wrongArguments();
        const int32_t r = vysim_reset(message, sizeof message);
        return followWorld(r == VY_SUCCESS ? exitOk : fail("reset", r, message));
    }
    if (command == QLatin1String("load")) {
        if (argc != 3)
            return wrongArguments();
        const int32_t r = vysim_load_world_file(argv[2], message, sizeof message);
        return followWorld(r == VY_SUCCESS ? exitOk : fail("load", r, message));
    }
    if (command == QLatin1String("plug")) {
        if (argc < 3 || argc > 4)
            return wrongArguments();
        const QByteArray arg = QByteArray(argv[2]).trimmed();
        if (!arg.startsWith('{'))
            return followWorld(
                plugPreset(QString::fromLocal8Bit(arg), argc == 4 ? argv[3] : nullptr));
        if (argc != 3)
            return wrongArguments();
        const int32_t r = vysim_plug(argv[2], message, sizeof message);
        return followWorld(r == VY_SUCCESS ? exitOk : fail("plug", r, message));
    }
    if (command == QLatin1String("unplug")) {
        if (argc != 3)
            return wrongArguments();
        bool ok = false;
        const uint id = QString::fromLocal8Bit(argv[2]).toUInt(&ok);
        if (!ok) {
            std::fprintf(stderr, "vyrosim: unplug: \"%s\" is not a device ID\n", argv[2]);
            return exitUsage;
        }
        const int32_t r = vysim_unplug(id);
        if (r == VY_CAMERA_NOT_FOUND) {
            std::fprintf(stderr, "vyrosim: unplug: no device with ID %u\n", id);
            return exitFailed;
        }
        if (r != VY_SUCCESS)
            vysim_last_problem(message, sizeof message);
        return followWorld(r == VY_SUCCESS ? exitOk : fail("unplug", r, message));
    }
    if (command == QLatin1String("set")) {
        if (argc != 5)
            return wrongArguments();
        const QByteArray value = valueJson(argv[4]);
        int32_t r;
        if (!std::strcmp(argv[2], "driver")) {
            r = vysim_set_driver_field(argv[3], value.constData(), message, sizeof message);
        } else {
            bool ok = false;
            const uint id = QString::fromLocal8Bit(argv[2]).toUInt(&ok);
            if (!ok) {
                std::fprintf(stderr, "vyrosim: set: \"%s\" is not a device ID or \"driver\"\n",
                             argv[2]);
                return exitUsage;
            }
            r = vysim_set_device_field(id, argv[3], value.constData(), message, sizeof message);
        }
        return followWorld(r == VY_SUCCESS ? exitOk : fail("set", r, message));
    }
    if (command == QLatin1String("sysroot")) {
        if (argc != 3)
            return wrongArguments();
        const int written = writeSysroot(QString::fromLocal8Bit(argv[2]), false);
        return written == exitOk ? writeDaemonServices(QString::fromLocal8Bit(argv[2])) : written;
    }
    if (command == QLatin1String("daemon")) {
        if (argc != 4)
            return wrongArguments();
        const QString which = QString::fromLocal8Bit(argv[2]);
        const QString action = QString::fromLocal8Bit(argv[3]);
        if ((which != QLatin1String("usb") && which != QLatin1String("eth")) ||
            (action != QLatin1String("start") && action != QLatin1String("stop")))
            return wrongArguments();
        const int32_t r =
            vysim_set_daemon(which == QLatin1String("usb") ? VYSIM_DAEMON_USB : VYSIM_DAEMON_ETH,
                             action == QLatin1String("start") ? 1 : 0);
        if (r != VY_SUCCESS)
            vysim_last_problem(message, sizeof message);
        return r == VY_SUCCESS ? exitOk : fail("daemon", r, message);
    }
    std::fprintf(stderr, "vyrosim: unknown command \"%s\"\n\n%s", argv[1], usage);
    return exitUsage;
}

} // namespace

int main(int argc, char **argv)
{
    return run(argc, argv);
}

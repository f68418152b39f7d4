// simengine.cpp: the process's simulator: shared world, handles, errors and driver events.
#include "sdk/sim/simengine.h"

#ifdef VYRO_WITH_GENICAM
#include "sdk/genicam/genicamprovider.h"
#endif

#include "sdk/sim/fieldschema.h"
#include "sdk/sim/firmwareupload.h"
#include "sdk/vyro_device.h"
#include "vyrokit/files/filereader.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <tuple>

namespace vysim {

namespace {

constexpr std::chrono::milliseconds pollInterval(100);
// Locks each poll looks at in turn besides those that may have changed: a lock change whose
// announcement was lost (a read-only state directory) still shows within seconds.
constexpr size_t locksInTurn = 4;
const QString defaultSource = QStringLiteral("default");

bool isNetworkCamera(uint32_t id)
{
    return vyro::isNetworkDevice(id) || vyro::isReadOnlyDevice(id);
}

// What a camera keeps in its own memory: unplugged and plugged back, it has them again.
const char *const memoryFields[] = {"cameraId",       "userEeprom",          "userEepromData",
                                    "userHotPixels",  "persistentIp",        "persistentSubnet",
                                    "dhcpState",      "persistentUserText",  "lensType",
                                    "lensDataLength", "parameterSetStored",  "memoryMode",
                                    "fpnCalibrated",  "fpnFactoryCalibrated"};
const QString memoriesField = QStringLiteral("cameraMemories");

// The camera a memory belongs to: its serial number, else its device ID.
QString memoryKey(const QJsonObject &fields)
{
    const QString serial = fields.value(QLatin1String("serialNumber")).toString();
    return serial.isEmpty()
               ? QStringLiteral("device %1").arg(fields.value(QLatin1String("deviceId")).toInt())
               : serial;
}

void remember(SimWorld &world, const SimDevice &device)
{
    QJsonObject memory;
    for (const char *name : memoryFields) {
        const QJsonValue value = device.fields.value(QLatin1String(name));
        if (!value.isUndefined())
            memory.insert(QLatin1String(name), value);
    }
    QJsonObject memories = world.driver.value(memoriesField).toObject();
    const QString key = memoryKey(device.fields);
    memories.remove(key);
    // Bounded like the world itself; which one goes first does not matter.
    while (memories.size() >= SimWorld::maxDevices)
        memories.erase(memories.begin());
    memories.insert(key, memory);
    world.driver.insert(memoriesField, memories);
}

// The device as plugged, with the memory it had when it was unplugged, which is then taken.
SimDevice recall(SimWorld &world, const SimDevice &device)
{
    QJsonObject memories = world.driver.value(memoriesField).toObject();
    const QString key = memoryKey(device.fields);
    const QJsonObject memory = memories.value(key).toObject();
    if (memory.isEmpty())
        return device;
    QJsonObject fields = device.fields;
    QString ignored;
    for (const char *name : memoryFields) {
        const QJsonValue value = memory.value(QLatin1String(name));
        if (!value.isUndefined() &&
            FieldSchema::devices().check(QLatin1String(name), value, &ignored))
            fields.insert(QLatin1String(name), value);
    }
    SimDevice recalled;
    if (!SimWorld::makeDevice(fields, &recalled, &ignored))
        return device;
    memories.remove(key);
    world.driver.insert(memoriesField, memories);
    return recalled;
}

} // namespace

SimEngine *SimEngine::m_instance = nullptr;

SimEngine &SimEngine::instance()
{
    // Never destroyed: threads of the program may still be inside SDK calls while static
    // objects are destroyed at exit.
    static SimEngine *engine = [] {
        auto *e = new SimEngine;
        e->start();
        m_instance = e;
        // Registered after everything start() set up, so that it runs before any of that is
        // destroyed at exit.
        std::atexit(&SimEngine::stopAtExit);
        return e;
    }();
    return *engine;
}

void SimEngine::stopAtExit()
{
    SimEngine *e = m_instance;
    if (!e)
        return;
    {
        std::lock_guard<std::mutex> lock(e->m_pollMutex);
        e->m_stopping = true;
    }
    e->m_pollWake.notify_all();
    if (e->m_poller.joinable())
        e->m_poller.join();
}

SimEngine::SimEngine() : m_state(SharedState::defaultDirectory())
{
}

bool SimEngine::readSource(QByteArray *json, QString *source, QString *problem) const
{
    const QByteArray path = qgetenv("VYRO_SIM_WORLD");
    if (path.isEmpty()) {
        *json = SimWorld::defaultJson();
        *source = defaultSource;
        return true;
    }
    *source = QFile::decodeName(path);
    return vyrokit::FileReader::read(*source, SharedState::maxFileSize, json, problem);
}

void SimEngine::start()
{
    std::lock_guard<std::mutex> refresh(m_refreshMutex);
    SharedState::State state;
    QString problem;
    SimWorld world;
    const bool namedWorld = !qEnvironmentVariableIsEmpty("VYRO_SIM_WORLD");
    QByteArray sourceJson;
    QString source;
    const bool haveSource = readSource(&sourceJson, &source, &problem);

    bool missing = false;
    bool readable = m_state.read(&state, nullptr, &problem, &missing) &&
                    SimWorld::fromJson(state.world, &world, &problem);
    if (!readable && restorePrevious(problem, &state, &world))
        readable = true;
    else if (!readable && !missing)
        std::fprintf(stderr, "vyrosim: %s; the world starts again from %s\n", qPrintable(problem),
                     qPrintable(source));
    const bool usable = readable && (!namedWorld || state.source == source);
    if (!usable) {
        // First run in this state directory, a damaged state, or another world file named.
        SimWorld fresh;
        world = SimWorld();
        if (!haveSource || !SimWorld::parse(sourceJson, &fresh, &problem)) {
            // The process runs with an empty world; the shared state is left as it was.
            std::fprintf(stderr, "vyrosim: world %s: %s\n", qPrintable(source),
                         qPrintable(problem));
        } else {
            SharedState::State written;
            const bool ok = m_state.update(
                [&](SharedState::State &s, bool valid, QString *) {
                    SimWorld current;
                    QString ignored;
                    // Another process may have set it up meanwhile.
                    if (valid && SimWorld::fromJson(s.world, &current, &ignored) &&
                        (!namedWorld || s.source == source))
                        return false;
                    s.source = source;
                    s.world = fresh.toJson();
                    return true;
                },
                &written, &problem);
            if (!ok && !problem.isEmpty())
                std::fprintf(stderr, "vyrosim: %s\n", qPrintable(problem));
            if (!m_state.read(&state, nullptr, &problem) ||
                !SimWorld::fromJson(state.world, &world, &problem))
                world = fresh;
        }
    }
    m_seenGeneration = state.generation;
    m_source = state.source;
    m_lockStamp = m_state.lockStamp();
    const std::set<uint32_t> locked = lockedDevices(world);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_world = world;
        m_locked = locked;
    }
    m_poller = std::thread(&SimEngine::pollLoop, this);
#ifdef VYRO_WITH_GENICAM
    vygenicam::GenicamProvider::start(*this);
#endif
}

bool SimEngine::restorePrevious(const QString &problem, SharedState::State *state, SimWorld *world)
{
    SharedState::State previous;
    SimWorld previousWorld;
    QString why;
    if (!m_state.readPrevious(&previous, &why) ||
        !SimWorld::fromJson(previous.world, &previousWorld, &why))
        return false;
    std::fprintf(stderr, "vyrosim: %s; restored the last good world from %s\n", qPrintable(problem),
                 qPrintable(m_state.previousFile()));
    SharedState::State written;
    const bool ok = m_state.update(
        [&](SharedState::State &s, bool valid, QString *) {
            SimWorld current;
            QString ignored;
            // Another process may have restored it meanwhile.
            if (valid && SimWorld::fromJson(s.world, &current, &ignored))
                return false;
            s.source = previous.source;
            s.world = previous.world;
            return true;
        },
        &written, &why);
    if (!ok && !why.isEmpty())
        std::fprintf(stderr, "vyrosim: %s\n", qPrintable(why));
    // Whoever wrote it, the state now holds the restored world (or a newer one); when it cannot
    // be written, this process works on the previous one.
    if (!m_state.read(state, nullptr, &why) || !SimWorld::fromJson(state->world, world, &why)) {
        *state = previous;
        *world = previousWorld;
    }
    return true;
}

void SimEngine::rewriteLocked(const QString &problem)
{
    SharedState::State written;
    QString why;
    const bool ok = m_state.update(
        [&](SharedState::State &s, bool valid, QString *) {
            if (valid)
                return false; // written by another process meanwhile
            std::lock_guard<std::mutex> lock(m_mutex);
            s.source = m_source;
            s.world = m_world.toJson();
            return true;
        },
        &written, &why);
    if (ok) {
        m_seenGeneration = written.generation;
        std::fprintf(stderr, "vyrosim: %s; wrote this program's world again\n",
                     qPrintable(problem));
    } else if (!why.isEmpty()) {
        std::fprintf(stderr, "vyrosim: %s; keeping the last good world: %s\n", qPrintable(problem),
                     qPrintable(why));
    }
}

void SimEngine::pollLoop()
{
    std::unique_lock<std::mutex> lock(m_pollMutex);
    while (!m_stopping) {
        m_pollWake.wait_for(lock, pollInterval, [this] { return m_stopping; });
        if (m_stopping)
            break;
        lock.unlock();
        Pending pending;
        {
            std::lock_guard<std::mutex> refresh(m_refreshMutex);
            refreshLocked(&pending, false);
        }
        deliver(pending);
        lock.lock();
    }
}

void SimEngine::sync()
{
    Pending pending;
    {
        std::lock_guard<std::mutex> refresh(m_refreshMutex);
        refreshLocked(&pending, true);
    }
    // Outside every lock: hooks may change the world themselves.
    deliver(pending);
}

void SimEngine::refreshLocked(Pending *pending, bool allLocks)
{
    SimWorld world;
    bool changedWorld = false;
    // Reading the generation costs one small read; the world is parsed only when it moved on.
    const quint64 generation = m_state.peekGeneration();
    // A file without a readable generation is looked at once per change of the file, to say why
    // the last good world stays.
    const SharedState::FileId id = generation == 0 ? m_state.fileId() : SharedState::FileId();
    if (generation != 0 ? generation != m_seenGeneration : id != m_badFile) {
        SharedState::State state;
        QString problem;
        bool missing = false;
        if (m_state.read(&state, nullptr, &problem, &missing) &&
            SimWorld::fromJson(state.world, &world, &problem)) {
            m_seenGeneration = state.generation;
            m_source = state.source;
            m_badFile.reset();
            m_reported.clear();
            changedWorld = true;
        } else if (missing && m_seenGeneration != 0) {
            // Deleted: this program still holds the world, so it writes it again.
            rewriteLocked(problem);
            m_badFile = m_state.fileId();
        } else {
            m_badFile = generation == 0 ? id : m_state.fileId();
            if (problem != m_reported)
                std::fprintf(stderr, "vyrosim: %s; keeping the last good world\n",
                             qPrintable(problem));
            m_reported = problem;
        }
    }
    // Taken before the locks are looked at: an open or close announced meanwhile is looked at
    // again next time. A new world's devices may be open already.
    const SharedState::FileId stamp = m_state.lockStamp();
    allLocks = allLocks || changedWorld || stamp != m_lockStamp;
    m_lockStamp = stamp;
    std::vector<uint32_t> ids;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (const SimDevice &d : changedWorld ? world.devices : m_world.devices)
            ids.push_back(d.id);
    }
    const std::set<uint32_t> locked = lockedDevices(ids, allLocks);
    if (!changedWorld) {
        std::lock_guard<std::mutex> lock(m_mutex);
        std::set<uint32_t> withOwn = locked;
        for (const auto &h : m_handles)
            withOwn.insert(h.second.deviceId);
        if (withOwn == m_locked)
            return; // at rest: nothing to compare or copy
        world = m_world;
    }
    apply(world, locked, pending);
}

std::set<uint32_t> SimEngine::lockedDevices(const SimWorld &world)
{
    std::vector<uint32_t> ids;
    for (const SimDevice &d : world.devices)
        ids.push_back(d.id);
    return lockedDevices(ids, true);
}

std::set<uint32_t> SimEngine::lockedDevices(const std::vector<uint32_t> &deviceIds, bool allLocks)
{
    std::set<uint32_t> own, known;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (const auto &h : m_handles)
            own.insert(h.second.deviceId);
        known = m_locked;
    }
    std::set<uint32_t> locked;
    std::vector<uint32_t> ask;
    // Without allLocks: the locks held before (a holder may have closed or died, which nobody
    // announces) and a few others in turn.
    for (uint32_t id : deviceIds)
        if (!own.count(id) && (allLocks || known.count(id)))
            ask.push_back(id);
    if (!allLocks && !deviceIds.empty()) {
        for (size_t i = 0; i < std::min(locksInTurn, deviceIds.size()); ++i) {
            const uint32_t id = deviceIds[m_lockCursor++ % deviceIds.size()];
            if (!own.count(id) && !known.count(id))
                ask.push_back(id);
        }
    }
    const std::set<uint32_t> held = m_state.lockedAmong(ask);
    locked.insert(held.begin(), held.end());
    return locked;
}

bool SimEngine::entryInUse(const SimDevice &d) const
{
    return d.inUseInWorld || m_locked.count(d.id) > 0;
}

void SimEngine::apply(const SimWorld &shared, const std::set<uint32_t> &locked, Pending *pending)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    // The real cameras join the shared world as they are now.
    SimWorld world = shared;
    world.devices.erase(std::remove_if(world.devices.begin(), world.devices.end(),
                                       [](const SimDevice &d) { return d.external; }),
                        world.devices.end());
    for (const SimDevice &d : m_external)
        if (!world.find(d.id))
            world.devices.push_back(d);
    // Devices this process has open are locked as they are now, whatever the poll saw before an
    // open or a close.
    std::set<uint32_t> nowLocked = locked;
    for (const auto &h : m_handles)
        nowLocked.insert(h.second.deviceId);

    bool added = false, removed = false, changed = false;
    for (const SimDevice &d : world.devices) {
        const SimDevice *old = m_world.find(d.id);
        if (!old) {
            added = true;
            continue;
        }
        const bool wasInUse = entryInUse(*old);
        const bool isInUse = d.inUseInWorld || nowLocked.count(d.id);
        if (wasInUse != isInUse || old->fields != d.fields)
            changed = true;
    }
    for (const SimDevice &d : m_world.devices)
        if (!world.find(d.id))
            removed = true;

    for (auto &h : m_handles) {
        const bool present = world.find(h.second.deviceId) != nullptr;
        if (!present && !h.second.deviceGone) {
            h.second.deviceGone = true;
            pending->cameraEvents.emplace_back(h.first, VY_EVENT_DEVICE_REMOVAL);
            pending->hooks.emplace_back(HandleEvent::DeviceRemoved, h.first, h.second.deviceId);
        } else if (present && h.second.deviceGone) {
            h.second.deviceGone = false;
            pending->cameraEvents.emplace_back(h.first, VY_EVENT_DEVICE_RECONNECT);
            pending->hooks.emplace_back(HandleEvent::DeviceReturned, h.first, h.second.deviceId);
        }
    }
    if (added)
        pending->driverEvents.push_back(VY_EVENT_NEW_DEVICE);
    if (removed)
        pending->driverEvents.push_back(VY_EVENT_REMOVE);
    if (changed)
        pending->driverEvents.push_back(VY_EVENT_STATUS_CHANGED);
    m_world = world;
    m_locked = nowLocked;
}

void SimEngine::deliver(const Pending &pending)
{
    for (uint32_t id : pending.driverEvents)
        m_events.set(VY_DRIVER_HANDLE, id, true);
    for (const auto &e : pending.cameraEvents)
        m_events.set(e.first, e.second, true);
    if (pending.hooks.empty())
        return;
    std::vector<HandleHook> hooks;
    {
        std::lock_guard<std::mutex> lock(m_hooksMutex);
        hooks = m_hooks;
    }
    for (const auto &h : pending.hooks)
        for (const HandleHook &hook : hooks)
            hook(std::get<0>(h), std::get<1>(h), std::get<2>(h));
}

// ---- World reads ----

std::vector<uint32_t> SimEngine::deviceIds()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<uint32_t> ids;
    for (const SimDevice &d : m_world.devices)
        ids.push_back(d.id);
    return ids;
}

QJsonObject SimEngine::deviceFields(uint32_t deviceId)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const SimDevice *d = m_world.find(deviceId);
    return d ? d->fields : QJsonObject();
}

QJsonObject SimEngine::driverFields()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_world.driver;
}

QJsonObject SimEngine::worldJson()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_world.toJson();
}

uint32_t SimEngine::libraryVersion()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_world.libraryVersion();
}

std::vector<VY_CAMERA_LIST_ENTRY> SimEngine::cameraList()
{
#ifdef VYRO_WITH_GENICAM
    vygenicam::GenicamProvider::waitForFirstSearch();
#endif
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<VY_CAMERA_LIST_ENTRY> list;
    list.reserve(m_world.devices.size());
    for (const SimDevice &d : m_world.devices) {
        VY_CAMERA_LIST_ENTRY e = d.entry;
        e.inUse = entryInUse(d) ? 1 : 0;
        list.push_back(e);
    }
    return list;
}

int32_t SimEngine::deviceInfo(uint32_t deviceId, VY_DEVICE_INFO *info)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const SimDevice *d = m_world.find(deviceId);
    if (!d)
        return VY_CAMERA_NOT_FOUND;
    const int32_t result = d->fields.value(QLatin1String("deviceInfoResult")).toInt();
    if (result != VY_SUCCESS)
        return result;
    *info = d->info;
    if (info->control.driverVersion == 0)
        info->control.driverVersion = m_world.libraryVersion();
    if (info->usb.driverVersion == 0)
        info->usb.driverVersion = m_world.libraryVersion();
    return VY_SUCCESS;
}

int SimEngine::inUse(uint32_t deviceId)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const SimDevice *d = m_world.find(deviceId);
    return d ? (entryInUse(*d) ? 1 : 0) : -1;
}

// ---- Changes ----

int32_t SimEngine::modify(const std::function<bool(SimWorld &, QString *)> &change,
                          QString *problem)
{
    Pending pending;
    const int32_t result = modifyLocked(change, problem, &pending);
    deliver(pending);
    return result;
}

int32_t SimEngine::modifyLocked(const std::function<bool(SimWorld &, QString *)> &change,
                                QString *problem, Pending *pending)
{
    std::lock_guard<std::mutex> refresh(m_refreshMutex);
    int32_t result = VY_SUCCESS;
    SharedState::State written;
    SimWorld changed;
    const bool ok = m_state.update(
        [&](SharedState::State &s, bool valid, QString *why) {
            // The world in memory is the one in the file unless another process wrote since;
            // only then is the file's world parsed again.
            QString ignored;
            if (valid && s.generation == m_seenGeneration) {
                std::lock_guard<std::mutex> lock(m_mutex);
                changed = m_world;
            } else if (!valid || !SimWorld::fromJson(s.world, &changed, &ignored)) {
                // A damaged or missing file: this process's world, which came from it, goes on.
                std::lock_guard<std::mutex> lock(m_mutex);
                changed = m_world;
                s.source = m_source;
            }
            if (!change(changed, why)) {
                result = VY_INVALID_PARAMETER;
                return false;
            }
            s.world = changed.toJson();
            return true;
        },
        &written, problem);
    if (!ok)
        return result != VY_SUCCESS ? result : VY_IO_REQUEST_FAILED;
    // Take the new world in at once; the poll thread then finds nothing new.
    m_seenGeneration = written.generation;
    m_source = written.source;
    apply(changed, lockedDevices(changed), pending);
    return VY_SUCCESS;
}

void SimEngine::setExternalDevices(DeviceProvider *provider,
                                   const std::vector<QJsonObject> &devices)
{
    std::vector<SimDevice> external;
    for (const QJsonObject &fields : devices) {
        SimDevice d;
        QString problem;
        if (!SimWorld::makeDevice(fields, &d, &problem)) {
            std::fprintf(stderr, "vyrosim: camera %s left out: %s\n",
                         qPrintable(fields.value(QLatin1String("serialNumber")).toString()),
                         qPrintable(problem));
            continue;
        }
        d.external = true;
        external.push_back(d);
    }
    std::lock_guard<std::mutex> refresh(m_refreshMutex);
    Pending pending;
    SimWorld world;
    std::set<uint32_t> locked;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_provider = provider;
        m_external = std::move(external);
        world = m_world;
        locked = m_locked;
        for (const auto &h : m_handles)
            locked.erase(h.second.deviceId);
    }
    // Locks of cameras other programs hold are looked at on the next poll.
    apply(world, locked, &pending);
    deliver(pending);
}

bool SimEngine::isExternal(uint32_t deviceId)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const SimDevice *d = m_world.find(deviceId);
    return d && d->external;
}

std::unique_ptr<FrameSource> SimEngine::takeSource(VY_HCAM handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto s = m_sources.find(handle);
    if (s == m_sources.end())
        return nullptr;
    std::unique_ptr<FrameSource> source = std::move(s->second);
    m_sources.erase(s);
    return source;
}

int32_t SimEngine::setDeviceFields(uint32_t deviceId, const QJsonObject &fields, QString *problem)
{
    for (auto it = fields.begin(); it != fields.end(); ++it) {
        if (it.key() == QLatin1String("deviceId")) {
            *problem = QStringLiteral("the field \"deviceId\" cannot be changed (unplug and plug)");
            return VY_INVALID_PARAMETER;
        }
        if (!FieldSchema::devices().check(it.key(), it.value(), problem))
            return VY_INVALID_PARAMETER;
    }
    // A real camera takes checked values only, as the shared world does.
    if (isExternal(deviceId))
        return m_provider->setFields(deviceId, fields, problem);
    bool found = false;
    const int32_t result = modify(
        [&](SimWorld &world, QString *why) {
            for (SimDevice &d : world.devices) {
                if (d.id != deviceId)
                    continue;
                found = true;
                QJsonObject merged = d.fields;
                for (auto it = fields.begin(); it != fields.end(); ++it)
                    merged.insert(it.key(), it.value());
                return SimWorld::makeDevice(merged, &d, why);
            }
            *why = QStringLiteral("no device with ID %1").arg(deviceId);
            return false;
        },
        problem);
    return result == VY_INVALID_PARAMETER && !found ? VY_CAMERA_NOT_FOUND : result;
}

int32_t SimEngine::setDriverFields(const QJsonObject &fields, QString *problem)
{
    for (auto it = fields.begin(); it != fields.end(); ++it)
        if (!FieldSchema::driver().check(it.key(), it.value(), problem))
            return VY_INVALID_PARAMETER;
    return modify(
        [&](SimWorld &world, QString *) {
            for (auto it = fields.begin(); it != fields.end(); ++it)
                world.driver.insert(it.key(), it.value());
            return true;
        },
        problem);
}

int32_t SimEngine::plug(const QJsonObject &device, QString *problem)
{
    SimDevice d;
    if (!SimWorld::makeDevice(device, &d, problem))
        return VY_INVALID_PARAMETER;
    return modify(
        [&](SimWorld &world, QString *why) {
            if (world.find(d.id)) {
                *why = QStringLiteral("a device with ID %1 is already plugged in").arg(d.id);
                return false;
            }
            if (int(world.devices.size()) >= SimWorld::maxDevices) {
                *why = QStringLiteral("too many devices (at most %1)").arg(SimWorld::maxDevices);
                return false;
            }
            world.devices.push_back(recall(world, d));
            return true;
        },
        problem);
}

int32_t SimEngine::unplug(uint32_t deviceId, QString *problem)
{
    bool found = false;
    bool looked = false;
    const int32_t result = modify(
        [&](SimWorld &world, QString *why) {
            looked = true;
            if (const SimDevice *d = world.find(deviceId))
                remember(world, *d);
            const auto end = std::remove_if(world.devices.begin(), world.devices.end(),
                                            [&](const SimDevice &d) { return d.id == deviceId; });
            found = end != world.devices.end();
            world.devices.erase(end, world.devices.end());
            if (!found)
                *why = QStringLiteral("no device with ID %1").arg(deviceId);
            return found;
        },
        problem);
    // Only a world that was looked at can say the device is not there.
    return looked && !found ? VY_CAMERA_NOT_FOUND : result;
}

int32_t SimEngine::checkWorld(const QByteArray &json, QString *problem)
{
    SimWorld world;
    return SimWorld::parse(json, &world, problem) ? VY_SUCCESS : VY_INVALID_PARAMETER;
}

int32_t SimEngine::loadWorld(const QByteArray &json, const QString &source, QString *problem)
{
    SimWorld world;
    if (!SimWorld::parse(json, &world, problem))
        return VY_INVALID_PARAMETER;
    Pending pending;
    {
        std::lock_guard<std::mutex> refresh(m_refreshMutex);
        SharedState::State written;
        const bool ok = m_state.update(
            [&](SharedState::State &s, bool, QString *) {
                s.world = world.toJson();
                s.source = source;
                return true;
            },
            &written, problem);
        if (!ok)
            return VY_IO_REQUEST_FAILED;
        m_seenGeneration = written.generation;
        m_source = written.source;
        apply(world, lockedDevices(world), &pending);
    }
    deliver(pending);
    return VY_SUCCESS;
}

int32_t SimEngine::reset(QString *problem)
{
    QByteArray json;
    QString source;
    if (!readSource(&json, &source, problem))
        return VY_INVALID_PARAMETER;
    const int32_t result = loadWorld(json, source, problem);
    if (result != VY_SUCCESS && !source.isEmpty() && source != defaultSource)
        *problem = QStringLiteral("%1: %2").arg(source, *problem);
    return result;
}

// ---- Handles ----

int32_t SimEngine::open(VY_HCAM *handle)
{
    const uint32_t value = uint32_t(*handle);
    uint32_t deviceId = 0;
    const bool allowUpload = (value & VY_ALLOW_FW_UPLOAD) != 0;
    bool upload = false;
    VY_HCAM opened = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const SimDevice *d = nullptr;
        if (value & VY_UNOPENED) {
            d = m_world.find(value & 0x7FFFu);
        } else {
            // Without the flag the caller names a camera ID; 0 takes the first free camera.
            for (const SimDevice &c : m_world.devices) {
                if (value == 0 ? !entryInUse(c) : c.entry.cameraId == value) {
                    d = &c;
                    break;
                }
            }
        }
        if (!d)
            return VY_CAMERA_NOT_FOUND;
        deviceId = d->id;
        const QJsonObject &f = d->fields;
        const int32_t forced = f.value(QLatin1String("openResult")).toInt();
        if (forced != VY_SUCCESS)
            return forced;
        if (entryInUse(*d))
            return VY_DEVICE_IN_USE;
        if (d->entry.status & 0x9u) // service firmware, or an invalid IP range
            return VY_CANT_OPEN_DEVICE;
        if (isNetworkCamera(deviceId) && !(d->info.control.controlStatus & 0x1u))
            return (d->info.device.deviceStatus & 0x100u) ? VY_CANT_OPEN_DEVICE : VY_DEVICE_IN_USE;
        if (f.value(QLatin1String("needsFirmwareUpload")).toBool() && !allowUpload)
            return VY_STARTER_FW_UPLOAD_NEEDED;
        upload = allowUpload && firmwareUploadWanted(deviceId, f);
        int fd = m_state.lockDevice(deviceId);
        if (fd == SharedState::heldElsewhere)
            return VY_DEVICE_IN_USE;
        if (fd < 0)
            fd = -1;
        while (m_handles.count(m_nextHandle) || m_nextHandle <= 0)
            m_nextHandle = m_nextHandle >= 0x7FFF ? 1 : m_nextHandle + 1;
        opened = m_nextHandle;
        m_nextHandle = m_nextHandle >= 0x7FFF ? 1 : m_nextHandle + 1;
        m_handles[opened] = Handle{deviceId, fd, false};
        m_locked.insert(deviceId);
        m_events.openHandle(opened);
    }
    m_state.announceLockChange();
    if (isExternal(deviceId)) {
        // A real camera opens when its control channel is free.
        std::unique_ptr<FrameSource> source = m_provider->openSource(deviceId);
        if (!source) {
            close(opened);
            return VY_DEVICE_IN_USE;
        }
        std::lock_guard<std::mutex> lock(m_mutex);
        m_sources[opened] = std::move(source);
    }
    if (upload) {
        // The upload brings the required starter firmware; the camera opens normally next time.
        // It runs with the device held, so that no other program opens it meanwhile.
        const int32_t uploaded = uploadStarterFirmware(deviceId);
        if (uploaded != VY_SUCCESS) {
            close(opened);
            return uploaded;
        }
    }
    *handle = opened;
    m_events.set(VY_DRIVER_HANDLE, VY_EVENT_STATUS_CHANGED, true);
    return VY_SUCCESS;
}

int32_t SimEngine::close(VY_HCAM handle)
{
    uint32_t deviceId = 0;
    std::unique_ptr<FrameSource> source; // ends the camera's session after the lock is left
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto h = m_handles.find(handle);
        if (h == m_handles.end())
            return VY_INVALID_HANDLE;
        deviceId = h->second.deviceId;
    }
    Pending closing;
    closing.hooks.emplace_back(HandleEvent::Closing, handle, deviceId);
    deliver(closing);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto h = m_handles.find(handle);
        if (h == m_handles.end())
            return VY_INVALID_HANDLE; // closed by another thread meanwhile
        SharedState::unlockDevice(h->second.lockFd);
        m_handles.erase(h);
        auto s = m_sources.find(handle);
        if (s != m_sources.end()) {
            source = std::move(s->second);
            m_sources.erase(s);
        }
        m_locked.erase(deviceId);
        for (auto e = m_errors.begin(); e != m_errors.end();)
            e = e->first.second == handle ? m_errors.erase(e) : std::next(e);
    }
    m_events.closeHandle(handle);
    m_state.announceLockChange();
    m_events.set(VY_DRIVER_HANDLE, VY_EVENT_STATUS_CHANGED, true);
    return VY_SUCCESS;
}

uint32_t SimEngine::deviceOfHandle(VY_HCAM handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto h = m_handles.find(handle);
    return h == m_handles.end() ? 0 : h->second.deviceId;
}

VY_HCAM SimEngine::handleOfDevice(uint32_t deviceId)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const auto &h : m_handles)
        if (h.second.deviceId == deviceId)
            return h.first;
    return 0;
}

uint32_t SimEngine::resolve(VY_HCAM handleOrAddress)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto h = m_handles.find(handleOrAddress);
    if (h != m_handles.end())
        return h->second.deviceId;
    const uint32_t value = uint32_t(handleOrAddress);
    if (!(value & VY_UNOPENED))
        return 0;
    const uint32_t id = value & 0x7FFFu;
    return m_world.find(id) ? id : 0;
}

std::vector<OpenCamera> SimEngine::openCameras()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<OpenCamera> list;
    for (const auto &h : m_handles)
        list.push_back({h.first, h.second.deviceId});
    return list;
}

bool SimEngine::isKnownHandle(VY_HCAM handle)
{
    return handle == VY_DRIVER_HANDLE || resolve(handle) != 0;
}

int32_t SimEngine::firmwareUploadDuration(VY_HCAM handleOrAddress, int32_t *milliseconds)
{
    const uint32_t id = resolve(handleOrAddress);
    if (!id)
        return VY_INVALID_HANDLE;
    *milliseconds = deviceFields(id).value(QLatin1String("firmwareUploadMs")).toInt();
    return VY_SUCCESS;
}

// ---- Errors ----

void SimEngine::setLastError(VY_HCAM handle, int32_t code, const char *text)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const char *stored = text ? m_texts.insert(text).first->c_str() : errorText(code);
    m_errors[{std::this_thread::get_id(), handle}] = {code, stored};
}

void SimEngine::lastError(VY_HCAM handle, int32_t *code, const char **text)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto e = m_errors.find({std::this_thread::get_id(), handle});
    if (e == m_errors.end()) {
        *code = VY_SUCCESS;
        *text = errorText(VY_SUCCESS);
    } else {
        *code = e->second.first;
        *text = e->second.second;
    }
}

void SimEngine::addHook(HandleHook hook)
{
    std::lock_guard<std::mutex> lock(m_hooksMutex);
    m_hooks.push_back(std::move(hook));
}

} // namespace vysim

// calllog.cpp: call log and forced results.
#include "sdk/sim/calllog.h"

#include <QByteArray>
#include <QtGlobal>

#include <algorithm>

namespace vysim {

CallLog &CallLog::instance()
{
    // Never destroyed: threads of the program may still call the SDK while it exits.
    static CallLog *log = new CallLog;
    return *log;
}

CallLog::CallLog() : m_full(qgetenv("VYRO_SIM_CALL_LOG") == "full")
{
}

void CallLog::append(Entry entry)
{
    if (!m_full) {
        entry.in = {};
        entry.out = {};
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_enabled)
        return;
    entry.sequence = ++m_sequence;
    m_bytes += entry.in.size() + entry.out.size();
    m_entries.push_back(std::move(entry));
    trimLocked();
}

void CallLog::trimLocked()
{
    const size_t maxEntries = m_full ? VYSIM_LOG_MAX_ENTRIES : VYSIM_LOG_RECENT_ENTRIES;
    while (m_entries.size() > maxEntries || (m_bytes > maxTotalBytes && m_entries.size() > 1)) {
        m_bytes -= m_entries.front().in.size() + m_entries.front().out.size();
        m_entries.pop_front();
    }
}

uint32_t CallLog::count() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return uint32_t(m_entries.size());
}

bool CallLog::entry(uint32_t index, Entry *out) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (index >= m_entries.size())
        return false;
    *out = m_entries[index];
    return true;
}

void CallLog::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_entries.clear();
    m_bytes = 0;
}

void CallLog::setEnabled(bool on)
{
    m_enabled = on;
}

bool CallLog::enabled() const
{
    return m_enabled;
}

void CallLog::setFull(bool on)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_full = on;
    trimLocked();
}

bool CallLog::full() const
{
    return m_full;
}

void CallLog::force(const std::string &function, uint32_t command, int32_t handle, int32_t result,
                    uint32_t times)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_rules.erase(std::remove_if(m_rules.begin(), m_rules.end(),
                                 [&](const Rule &r) {
                                     return r.function == function && r.command == command &&
                                            r.handle == handle;
                                 }),
                  m_rules.end());
    m_rules.push_back({function, command, handle, result, times});
}

void CallLog::clearForced(const char *function)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!function) {
        m_rules.clear();
        m_triggers.clear();
        return;
    }
    m_rules.erase(std::remove_if(m_rules.begin(), m_rules.end(),
                                 [&](const Rule &r) { return r.function == function; }),
                  m_rules.end());
    m_triggers.erase(std::remove_if(m_triggers.begin(), m_triggers.end(),
                                    [&](const Trigger &t) { return t.function == function; }),
                     m_triggers.end());
}

bool CallLog::forced(const char *function, uint32_t command, int32_t handle, int32_t *result)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_rules.empty())
        return false;
    Rule *best = nullptr;
    int bestRank = -1;
    for (Rule &r : m_rules) {
        if (r.function != function)
            continue;
        const bool anyCommand = r.command == VYSIM_ANY_COMMAND;
        const bool anyHandle = r.handle == VYSIM_ANY_HANDLE;
        if ((!anyCommand && r.command != command) || (!anyHandle && r.handle != handle))
            continue;
        const int rank = (anyCommand ? 0 : 2) + (anyHandle ? 0 : 1);
        if (rank > bestRank) {
            best = &r;
            bestRank = rank;
        }
    }
    if (!best)
        return false;
    *result = best->result;
    if (best->times > 0 && --best->times == 0)
        m_rules.erase(m_rules.begin() + (best - m_rules.data()));
    return true;
}

void CallLog::addTrigger(Trigger trigger)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_triggers.push_back(std::move(trigger));
}

CallLog::Trigger CallLog::takeTrigger(const char *function, uint32_t command)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (auto it = m_triggers.begin(); it != m_triggers.end(); ++it) {
        if (it->function == function &&
            (it->command == VYSIM_ANY_COMMAND || it->command == command)) {
            Trigger trigger = std::move(*it);
            m_triggers.erase(it);
            return trigger;
        }
    }
    return Trigger();
}

} // namespace vysim

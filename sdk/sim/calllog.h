// calllog.h: the bounded log of every SDK call of this process, and the results that tests
// force on functions.
#ifndef SDK_SIM_CALLLOG_H
#define SDK_SIM_CALLLOG_H

#include "sdk/sim/vyro_sim.h"

#include <atomic>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

namespace vysim {

class CallLog final
{
public:
    struct Entry
    {
        uint64_t sequence = 0;
        std::string function;
        int32_t handle = 0;
        uint32_t command = 0;
        int32_t result = 0;
        bool forced = false;
        uint32_t inSize = 0;
        uint32_t outSize = 0;
        std::vector<uint8_t> in;
        std::vector<uint8_t> out;
    };

    static CallLog &instance();

    void append(Entry entry);
    uint32_t count() const;
    bool entry(uint32_t index, Entry *out) const;
    void clear();
    void setEnabled(bool on);
    bool enabled() const;
    // Full: the last VYSIM_LOG_MAX_ENTRIES calls with their bytes, for tests. Otherwise the
    // last VYSIM_LOG_RECENT_ENTRIES calls without bytes, so that every program on the
    // simulator does not carry megabytes of old buffers.
    void setFull(bool on);
    bool full() const;

    // Forced results: the most specific rule matching (function, command, handle) wins.
    void force(const std::string &function, uint32_t command, int32_t handle, int32_t result,
               uint32_t times);
    void clearForced(const char *function);
    // Consumes one use of a matching rule; false when none matches.
    bool forced(const char *function, uint32_t command, int32_t handle, int32_t *result);

    // Triggers: the next call of function with command (or any) first removes the device (no
    // field) or sets one of its fields to a JSON value, then acts. Each trigger fires once.
    struct Trigger
    {
        std::string function;
        uint32_t command = 0;
        uint32_t deviceId = 0; // 0: no trigger
        std::string field;     // empty: unplug
        std::string jsonValue;
    };
    void addTrigger(Trigger trigger);
    // The trigger for this call, consumed; deviceId 0 when none.
    Trigger takeTrigger(const char *function, uint32_t command);

private:
    CallLog();
    CallLog(const CallLog &) = delete;
    CallLog &operator=(const CallLog &) = delete;

    struct Rule
    {
        std::string function;
        uint32_t command;
        int32_t handle;
        int32_t result;
        uint32_t times; // 0: until cleared
    };

    // The bytes all entries may hold together, so that large buffers cannot make the log grow
    // without bound; the oldest entries go first.
    static constexpr size_t maxTotalBytes = 32u << 20;

    void trimLocked(); // with m_mutex held

    mutable std::mutex m_mutex; // protects m_entries, m_bytes, m_sequence, m_rules
    std::deque<Entry> m_entries;
    size_t m_bytes = 0;
    uint64_t m_sequence = 0;
    std::atomic<bool> m_enabled{true};
    std::atomic<bool> m_full{false};
    std::vector<Rule> m_rules;
    std::vector<Trigger> m_triggers; // protected by m_mutex
};

} // namespace vysim

#endif // SDK_SIM_CALLLOG_H

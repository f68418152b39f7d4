// calllog.cpp: call log and forced results.
#include "sdk/sim/calllog.h"

#include <algorithm>

namespace vysim {

CallLog &CallLog::instance()
{
    // Never destroyed: threads of the program may still call the SDK while it exits.
    static CallLog *log = new CallLog;
    return *log;
}

void CallLog::append(Entry entry)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (!enabled_)
        return;
    entry.sequence = ++sequence_;
    bytes_ += entry.in.size() + entry.out.size();
    entries_.push_back(std::move(entry));
    while (entries_.size() > VYSIM_LOG_MAX_ENTRIES ||
           (bytes_ > maxTotalBytes && entries_.size() > 1)) {
        bytes_ -= entries_.front().in.size() + entries_.front().out.size();
        entries_.pop_front();
    }
}

uint32_t CallLog::count() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return uint32_t(entries_.size());
}

bool CallLog::entry(uint32_t index, Entry *out) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (index >= entries_.size())
        return false;
    *out = entries_[index];
    return true;
}

void CallLog::clear()
{
    std::lock_guard<std::mutex> lock(mutex_);
    entries_.clear();
    bytes_ = 0;
}

void CallLog::setEnabled(bool on)
{
    std::lock_guard<std::mutex> lock(mutex_);
    enabled_ = on;
}

bool CallLog::enabled() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return enabled_;
}

void CallLog::force(const std::string &function, uint32_t command, int32_t handle, int32_t result,
                    uint32_t times)
{
    std::lock_guard<std::mutex> lock(mutex_);
    rules_.erase(std::remove_if(rules_.begin(), rules_.end(),
                                [&](const Rule &r) {
                                    return r.function == function && r.command == command &&
                                           r.handle == handle;
                                }),
                 rules_.end());
    rules_.push_back({function, command, handle, result, times});
}

void CallLog::clearForced(const char *function)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (!function) {
        rules_.clear();
        return;
    }
    rules_.erase(std::remove_if(rules_.begin(), rules_.end(),
                                [&](const Rule &r) { return r.function == function; }),
                 rules_.end());
}

bool CallLog::forced(const char *function, uint32_t command, int32_t handle, int32_t *result)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (rules_.empty())
        return false;
    Rule *best = nullptr;
    int bestRank = -1;
    for (Rule &r : rules_) {
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
        rules_.erase(rules_.begin() + (best - rules_.data()));
    return true;
}

} // namespace vysim

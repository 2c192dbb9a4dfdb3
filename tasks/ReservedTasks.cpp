#include "tasks/ReservedTasks.h"

namespace vl {

void ReservedTasks::Add(int32_t id)
{
    if (ids_.insert(id).second)
        Changed();
}

void ReservedTasks::Remove(int32_t id)
{
    if (ids_.erase(id) != 0)
        Changed();
}

int ReservedTasks::Watch(std::function<void()> changed)
{
    watchers_[nextWatcher_] = std::move(changed);
    return nextWatcher_++;
}

void ReservedTasks::Unwatch(int watcher)
{
    watchers_.erase(watcher);
}

void ReservedTasks::Changed()
{
    // A watcher may unwatch (a list closing) while it is called.
    const std::map<int, std::function<void()>> watchers = watchers_;
    for (const auto& [number, changed] : watchers)
        changed();
}

ReservedTasks& ProgramReservedTasks()
{
    static ReservedTasks reserved;
    return reserved;
}

Filter NotReservedFilter(const std::set<int32_t>& ids)
{
    Filter filter;
    for (const int32_t id : ids)
        filter.push_back({QStringLiteral("SCH:ID"), Compare::NotEqual, int64_t{id}});
    return filter;
}

} // namespace vl

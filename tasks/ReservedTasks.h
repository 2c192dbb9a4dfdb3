#pragma once
// The tasks this program has reserved for a task form or wizard that is
// still open: each is stored disabled under its ID so that script items can
// be stored under it, but it is not yet a task the user has made. The task
// lists leave them out, and hear when one is reserved or let go, so that a
// blank row never shows while a form is open and the finished task shows as
// soon as it is stored.

#include "platform/data/Condition.h"

#include <cstdint>
#include <functional>
#include <map>
#include <set>

namespace vl {

class ReservedTasks {
public:
    void Add(int32_t id);
    // The reservation ends: the task was stored as the user made it, or removed.
    void Remove(int32_t id);
    const std::set<int32_t>& Ids() const { return ids_; }

    // Calls back after every change; Unwatch with the number Watch gave.
    int Watch(std::function<void()> changed);
    void Unwatch(int watcher);

private:
    void Changed();

    std::set<int32_t> ids_;
    std::map<int, std::function<void()>> watchers_;
    int nextWatcher_ = 1;
};

// The program's reservations.
ReservedTasks& ProgramReservedTasks();

// The filter name of the tasks the lists leave out, and its filter: every
// task but those reserved.
inline constexpr char kReservedFilterName[] = "1Reserved";
Filter NotReservedFilter(const std::set<int32_t>& ids);

} // namespace vl

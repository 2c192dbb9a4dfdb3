#include "scheduler/engine/UnstoredRuns.h"

namespace vl {

void UnstoredRuns::Keep(PendingRun run)
{
    const int32_t id = run.found.ID;
    runs_.insert_or_assign(id, std::move(run));
    ++revision_;
}

bool UnstoredRuns::Holds(const ScheduleRecord& task) const
{
    const auto held = runs_.find(task.ID);
    return held != runs_.end() && held->second.found.Date == task.Date && held->second.found.Time == task.Time;
}

void UnstoredRuns::Retry(const std::function<bool(const PendingRun&)>& store)
{
    for (auto held = runs_.begin(); held != runs_.end();) {
        if (store(held->second)) {
            held = runs_.erase(held);
            ++revision_;
        } else {
            ++held;
        }
    }
}

UnstoredRuns& ProgramUnstoredRuns()
{
    static UnstoredRuns runs;
    return runs;
}

} // namespace vl

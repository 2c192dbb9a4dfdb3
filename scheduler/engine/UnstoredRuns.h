#pragma once
// Runs that were performed but whose outcome (the next run, the history
// record) could not be stored, for instance because the data directory
// refuses writes. Each is kept with everything needed to store it later:
// the task as it was found due and the task rescheduled to its next run.
// The lookup of the next due task passes over a task held here, so the
// tasks after it still come due, and the same occurrence is never performed
// twice; each cycle tries to store the held runs again.

#include "core/dictionary/ScheduleRecord.h"
#include "scheduler/engine/DueTaskRules.h"
#include "core/schedule/NextRun.h"

#include <cstdint>
#include <functional>
#include <map>

namespace vl {

struct PendingRun {
    ScheduleRecord found; // the task as found due: the occurrence performed
    ScheduleRecord next;  // the task at the next run it should have, its warning still relative
    RunOccurrence run;
    RelativeWarning relative;
    bool skipped = false;
    bool passedOver = false;
    NextRunOperation operation; // keeps a question about the units from being asked again
};

class UnstoredRuns {
public:
    // Keeps a run, in place of an earlier one of the same task.
    void Keep(PendingRun run);
    // True when the task as read is an occurrence held here, performed
    // already: the same task at the same date and time.
    bool Holds(const ScheduleRecord& task) const;
    bool Empty() const { return runs_.empty(); }
    // Offers every held run to `store`; a run it reports done (stored, or
    // no longer to be stored) leaves the set.
    void Retry(const std::function<bool(const PendingRun&)>& store);
    // Changes whenever a run joins or leaves the set.
    uint64_t Revision() const { return revision_; }

private:
    std::map<int32_t, PendingRun> runs_; // by task ID
    uint64_t revision_ = 0;
};

// The program's runs still to be stored.
UnstoredRuns& ProgramUnstoredRuns();

} // namespace vl

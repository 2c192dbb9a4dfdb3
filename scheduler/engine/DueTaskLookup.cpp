#include "scheduler/engine/DueTaskLookup.h"

#include "core/dictionary/Dictionary.h"
#include "scheduler/engine/DueTaskRules.h"
#include "scheduler/engine/UnstoredRuns.h"
#include "platform/runtime/Clock.h"

#include <limits>

namespace vl {

std::optional<ScheduleRecord> DueTaskLookup::Next(bool& failed)
{
    failed = false;
    // The stamp takes no lock: a table that stays as it was is not touched.
    const std::optional<Stamp> now = Current();
    if (now && stamp_ && StillValid(*now)) {
        // The clock decides alone while the table stays as it was; once the
        // task found last comes due, it is read again before it is performed.
        if (!found_ || !IsDue(*found_, Today(), Now()))
            return found_;
    }
    // Taken before the read: a commit that lands during it is seen next time.
    stamp_ = now;
    found_ = Read(failed);
    if (failed)
        stamp_.reset();
    return found_;
}

std::optional<DueTaskLookup::Stamp> DueTaskLookup::Current() const
{
    const std::optional<TableStamp> table = TableStamp::Of(Tables().Schedule);
    if (!table)
        return std::nullopt;
    return Stamp{*table, unstored_.Revision()};
}

bool DueTaskLookup::StillValid(const Stamp& now) const
{
    return stamp_->table == now.table && stamp_->unstoredRevision == now.unstoredRevision;
}

std::optional<ScheduleRecord> DueTaskLookup::Read(bool& failed) const
{
    Table<ScheduleRecord>& schedule = Tables().Schedule;
    Cursor<ScheduleRecord> cursor(schedule);
    // The enabled tasks without date and time come first in the key (day
    // numbers and clock times are never below zero) and share their key
    // values: the walk starts past all of them in one seek.
    ScheduleRecord task;
    task.Disabled = 0;
    task.Date = 0;
    task.Time = 0;
    task.RecordPointer = std::numeric_limits<int64_t>::max();
    failed = !cursor.Set(SCH_KEYDATEENABLED, task);
    while (!failed && cursor.Next(task)) {
        if (task.Date == 0 && task.Time == 0) {
            // The disabled tasks without date and time share their key
            // values too: one seek passes over all of them.
            task.RecordPointer = std::numeric_limits<int64_t>::max();
            failed = !cursor.Set(SCH_KEYDATEENABLED, task);
        } else if (!unstored_.Holds(task)) {
            return task;
        }
    }
    failed = failed || schedule.ErrorCode() != kRecordNotAvailable;
    return std::nullopt;
}

} // namespace vl

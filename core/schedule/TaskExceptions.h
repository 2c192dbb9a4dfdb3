#pragma once
// A task's exceptions, applied to its next occurrence after ComputeNextRun:
// an excluded time range moves the occurrence on by the repetition rule; an
// excluded day is skipped, or replaced by a one-time copy on the previous or
// next valid day, by the task's shift type. The scheduler applies them after
// each run, the task form before it saves a task.

#include "core/dictionary/HolidaysRecord.h"
#include "core/dictionary/ScheduleRecord.h"
#include "core/schedule/ExcludedDays.h"
#include "core/schedule/NextRun.h"
#include "platform/data/Table.h"

namespace vl {

// The tables the exception rules read and write; both open or marked for use.
struct ExceptionTables {
    Table<ScheduleRecord>& schedule;
    Table<HolidaysRecord>& holidays;
};

// Applies the exceptions to the task's occurrence. True when the task has
// been stored here (the caller must not store it again); false when nothing
// was stored, and the caller stores the task itself. A task not yet in the
// table (no record pointer) is stored by adding it. "Once" and "Day of Week"
// tasks keep no exceptions: they are cleared and false is returned.
bool ApplyTaskExceptions(ScheduleRecord& task, ExceptionTables tables, NextRunOperation& operation);
// The same as an operation of its own.
bool ApplyTaskExceptions(ScheduleRecord& task, ExceptionTables tables);

// The excluded time range, ExceptTimeBegin to ExceptTimeEnd (an end of 0 is
// the end of the day and is stored as such). With begin not after end both
// ends are excluded; a range that runs over midnight excludes neither end.
bool InExcludedTimeRange(const ScheduleRecord& task, ClockTime time);

// Moves an occurrence inside the excluded time range on by the repetition
// rule, at most 100 steps; after 100 steps the occurrence goes back to where
// it was, moves once more (to the next day when the range ends before its
// time) and takes the range's end as its time. True when the occurrence moved.
bool FitTimeWindow(ScheduleRecord& task, NextRunOperation& operation);

enum class ExcludedDayOutcome {
    NotExcluded, // the day is not excluded; nothing changed
    Skipped,     // the occurrence is marked to be skipped; not yet stored
    Shifted,     // marked, stored, and its one-time copy stored and linked
    NotStored,   // shifting failed in the table (its error tells why); the
                 // task is left unmarked for the caller to store
};

// Tests the occurrence's day. An excluded occurrence is marked to be skipped
// (SkipNextTime); with the shift type "Next Day" or "Previous Day" (first
// character "N" or "P") the task is stored and a one-time copy on the next or
// previous valid day is added and linked (AddShiftedOccurrence). With both
// weekends and weekdays set, weekdays is cleared first.
ExcludedDayOutcome ShiftExcludedOccurrence(ScheduleRecord& task, ExceptionTables tables);

// Adds (or updates) the one-time copy of a shifted occurrence and stores the
// recurring task with EXCEPTIONLINK naming it. `shifted` is the task moved to
// the valid day; `task` the recurring task as just stored; `previous` the
// task as it was stored before this save (ID 0 when there was none);
// `skipBeforeShift` its SkipNextTime before the occurrence was marked. When
// `previous` already held this same occurrence linked to a copy that has not
// run yet, that copy is updated in place rather than a second copy added; the
// copy keeps its own SkipNextTime and Disabled. When the copy cannot be
// stored, the task is stored unmarked so that the occurrence is not lost,
// and false is returned.
bool AddShiftedOccurrence(ScheduleRecord& task, ScheduleRecord shifted, const ScheduleRecord& previous,
                          uint8_t skipBeforeShift, Table<ScheduleRecord>& schedule);

// The common exit: stores the task when something changed. True when stored.
bool LeaveTaskExceptions(ScheduleRecord& task, bool changed, Table<ScheduleRecord>& schedule);

} // namespace vl

#include "core/schedule/TaskExceptions.h"

#include "core/eventlog/AddScheduleRecord.h"
#include "core/schedule/ScheduleRules.h"
#include "platform/runtime/FixedText.h"

#include <limits>

namespace vl {
namespace {

constexpr int kMostTimeSteps = 100;

void ClearExceptions(ScheduleRecord& task)
{
    task.ExceptTime = 0;
    task.ExceptWeekends = 0;
    task.ExceptWeekdays = 0;
    task.ExceptHolidays = 0;
    task.ExceptTimeBegin = 0;
    task.ExceptTimeEnd = 0;
    task.EXCEPTOTHER.clear();
}

// The moment one hundredth after the occurrence, where the next step starts
// (held at the largest clock value for a corrupt time).
ClockTime JustAfter(ClockTime time)
{
    return time < std::numeric_limits<ClockTime>::max() ? time + 1 : time;
}

ClockTime ExceptTimeEndOf(const ScheduleRecord& task)
{
    return task.ExceptTimeEnd == 0 ? kClockPerDay : task.ExceptTimeEnd;
}

// Stores the task: rewritten when it was read from the table, added when it
// is new.
bool StoreTask(ScheduleRecord& task, Table<ScheduleRecord>& schedule)
{
    return task.RecordPointer != 0 ? schedule.Put(task) : schedule.Add(task);
}

// The copy linked to the task as it was stored before, when that was this
// same occurrence (its date, already marked to be skipped) and the copy has
// not run yet. The copy must still look like the copy of that task, so that
// a number taken over by another task is never mistaken for it.
bool FindPendingCopyOfSameOccurrence(const ScheduleRecord& task, const ScheduleRecord& previous,
                                     Table<ScheduleRecord>& schedule, ScheduleRecord& copy)
{
    if (previous.ID == 0 || previous.EXCEPTIONLINK == 0 || previous.EXCEPTIONLINK == task.ID
        || !previous.SkipNextTime || previous.Date != task.Date)
        return false;
    copy.ID = previous.EXCEPTIONLINK;
    if (!schedule.Get(SCH_KEYID, copy))
        return false;
    return HasScheduleType(copy, kScheduleOnce) && !copy.Completed
        && SameTextNoCase(copy.Description, previous.Description) && SameTextNoCase(copy.TaskType, previous.TaskType);
}

} // namespace

bool InExcludedTimeRange(const ScheduleRecord& task, ClockTime time)
{
    const ClockTime begin = task.ExceptTimeBegin;
    const ClockTime end = ExceptTimeEndOf(task);
    if (begin <= end)
        return begin <= time && time <= end;
    return time < end || time > begin;
}

bool FitTimeWindow(ScheduleRecord& task, NextRunOperation& operation)
{
    task.ExceptTimeEnd = ExceptTimeEndOf(task);
    const Date savedDate = task.Date;
    const ClockTime savedTime = task.Time;
    int steps = 0;
    while (InExcludedTimeRange(task, task.Time) && steps < kMostTimeSteps) {
        ComputeNextRun(task, task.Date, JustAfter(task.Time), operation);
        ++steps;
    }
    if (steps == kMostTimeSteps) {
        task.Date = savedDate;
        task.Time = savedTime;
        if (task.ExceptTimeEnd > savedTime)
            ComputeNextRun(task, task.Date, JustAfter(task.Time), operation);
        else
            ComputeNextRun(task, ClampToScheduleDates(int64_t{task.Date} + 1), 1, operation);
        task.Time = task.ExceptTimeEnd;
    }
    return task.Date != savedDate || task.Time != savedTime;
}

ExcludedDayOutcome ShiftExcludedOccurrence(ScheduleRecord& task, ExceptionTables tables)
{
    if (task.ExceptWeekends)
        task.ExceptWeekdays = 0;
    ExcludedDays excluded(task, tables.holidays);
    if (!excluded.IsExcluded(task.Date))
        return ExcludedDayOutcome::NotExcluded;

    const uint8_t skipBeforeShift = task.SkipNextTime;
    task.SkipNextTime = 1;
    const QChar shift = task.ShiftType.isEmpty() ? QChar() : task.ShiftType.front();
    if (shift != QLatin1Char('N') && shift != QLatin1Char('P'))
        return ExcludedDayOutcome::Skipped;

    // The task as stored before this save tells whether this occurrence has
    // been shifted before.
    ScheduleRecord previous;
    previous.ID = task.ID;
    if (task.ID == 0 || !tables.schedule.Get(SCH_KEYID, previous))
        previous = ScheduleRecord();

    if (!StoreTask(task, tables.schedule)) {
        task.SkipNextTime = skipBeforeShift;
        return ExcludedDayOutcome::NotStored;
    }
    ScheduleRecord shifted = task;
    if (shift == QLatin1Char('N'))
        MoveToNextValidDay(shifted, excluded);
    else
        MoveToPreviousValidDay(shifted, excluded);
    return AddShiftedOccurrence(task, shifted, previous, skipBeforeShift, tables.schedule)
        ? ExcludedDayOutcome::Shifted
        : ExcludedDayOutcome::NotStored;
}

bool AddShiftedOccurrence(ScheduleRecord& task, ScheduleRecord shifted, const ScheduleRecord& previous,
                          uint8_t skipBeforeShift, Table<ScheduleRecord>& schedule)
{
    shifted.EXCEPTIONLINK = 0;
    shifted.ScheduleType = QString::fromLatin1(kScheduleOnce);
    shifted.SkipNextTime = skipBeforeShift;

    bool copyStored = false;
    ScheduleRecord pending;
    if (FindPendingCopyOfSameOccurrence(task, previous, schedule, pending)) {
        shifted.ID = pending.ID;
        shifted.RecordPointer = pending.RecordPointer;
        shifted.SkipNextTime = pending.SkipNextTime;
        shifted.Disabled = pending.Disabled;
        copyStored = schedule.Put(shifted);
    } else {
        copyStored = AddScheduleRecord(shifted, schedule);
    }
    if (!copyStored) {
        // Without its copy the occurrence must not be skipped.
        task.SkipNextTime = skipBeforeShift;
        schedule.Put(task);
        return false;
    }
    task.EXCEPTIONLINK = shifted.ID;
    return schedule.Put(task);
}

bool LeaveTaskExceptions(ScheduleRecord& task, bool changed, Table<ScheduleRecord>& schedule)
{
    return changed && StoreTask(task, schedule);
}

bool ApplyTaskExceptions(ScheduleRecord& task, ExceptionTables tables, NextRunOperation& operation)
{
    if (HasScheduleType(task, kScheduleOnce) || HasScheduleType(task, kScheduleDayOfWeek)) {
        ClearExceptions(task);
        return false;
    }
    const bool dayExceptions = HasDayExceptions(task);
    const bool timeException = task.ExceptTime != 0;
    if (!dayExceptions && !timeException)
        return false;

    bool changed = timeException && FitTimeWindow(task, operation);
    if (dayExceptions) {
        switch (ShiftExcludedOccurrence(task, tables)) {
        case ExcludedDayOutcome::Shifted:
            return true;
        case ExcludedDayOutcome::NotStored:
            return false;
        case ExcludedDayOutcome::Skipped:
            changed = true;
            break;
        case ExcludedDayOutcome::NotExcluded:
            break;
        }
    }
    return LeaveTaskExceptions(task, changed, tables.schedule);
}

bool ApplyTaskExceptions(ScheduleRecord& task, ExceptionTables tables)
{
    NextRunOperation operation;
    return ApplyTaskExceptions(task, tables, operation);
}

} // namespace vl

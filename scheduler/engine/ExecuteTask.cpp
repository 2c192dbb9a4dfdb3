// Performing a due task and storing what follows from the run.

#include "scheduler/engine/DueTask.h"

#include "core/dictionary/Dictionary.h"
#include "core/dictionary/ProgramQueues.h"
#include "scheduler/engine/DueTaskRules.h"
#include "scheduler/engine/TaskFrame.h"
#include "scheduler/engine/TaskScriptItems.h"
#include "scheduler/engine/UnstoredRuns.h"
#include "core/eventlog/AddScheduleRecord.h"
#include "core/base/EventLog.h"
#include "core/launch/LaunchProgram.h"
#include "message/MessageDisplay.h"
#include "core/schedule/NextRun.h"
#include "core/schedule/TaskExceptions.h"
#include "core/base/Globals.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "platform/sound/SoundPlayer.h"

namespace vl {

namespace {

const char kErrorLabel[] = "Error";

// A failed write of the task or its script, for the event log.
void LogStoreFailure(const ScheduleRecord& task, const DataError& error)
{
    if (!error.Ok())
        WriteEventLog(QLatin1String(kErrorLabel),
                      QStringLiteral("Storing ") + Clip(task.Description) + QStringLiteral(":  ") + error.text);
}

// Before a run: the frame, the alarm and the skip rules. True when the task
// is to run.
bool DecideRun(const ScheduleRecord& task, Date today, ClockTime now)
{
    RestoreFrameForTask(task);
    SoundTaskAlarm(task);
    if (task.SkipIfMissed && IsOverdue(task, today, now)) {
        WriteEventLog(QLatin1String(kOverdueSkippedLabel), Clip(task.Description));
        return false;
    }
    if (task.SkipIfScriptActive && !ScriptQueue.isEmpty()) {
        WriteEventLog(QLatin1String(kSkippedDuringScriptLabel), Clip(task.Description));
        return false;
    }
    return ConfirmTaskRun(task);
}

void PerformTask(const ScheduleRecord& task, bool now)
{
    if (ShowsMessage(task.TaskType)) {
        if (now)
            ShowTaskMessageNow(task);
        else
            DisplayTaskMessage(task);
    }
    if (StartsProgram(task.TaskType))
        LaunchProgram({.taskId = task.ID, .command = task.Command, .startIn = task.Path});
}

// A one-time task after its run: deleted with its script (NoHistory), or
// kept as its own history record. False when it could not be stored.
bool FinishOneTimeTask(ScheduleRecord& task, const RunOccurrence& run)
{
    Table<ScheduleRecord>& schedule = Tables().Schedule;
    Table<ScriptingRecord>& scripting = Tables().Scripting;
    if (task.NoHistory) {
        if (!schedule.Delete(task))
            return false;
        // Always, whatever SaveScripts says: a later task that is given the
        // same ID must not inherit these items.
        LogStoreFailure(task, DeleteTaskScript(scripting, task.ID));
        return true;
    }
    MarkTaskDone(task, run);
    if (!schedule.Put(task))
        return false;
    if (!SaveScripts)
        LogStoreFailure(task, DeleteTaskScript(scripting, task.ID));
    return true;
}

// The record of this run, added as a task of its own, with a copy of the
// script when scripts are kept.
void AddHistoryRecord(ScheduleRecord task, const RunOccurrence& run, bool skipped)
{
    const int32_t performedId = task.ID;
    MakeHistoryRecord(task, run, skipped);
    if (!AddScheduleRecord(task, Tables().Schedule)) {
        LogStoreFailure(task, Tables().Schedule.LastError());
        return;
    }
    if (SaveScripts && task.ID != performedId)
        LogStoreFailure(task, CopyScriptToHistory(Tables().Scripting, performedId, task.ID));
}

// The task at its next occurrence, and the history. False when the task
// could not be stored (the Schedule table holds why).
bool StoreRun(ScheduleRecord& task, const RunOccurrence& run, const RelativeWarning& relative, bool skipped,
              bool passedOver, NextRunOperation& operation)
{
    Table<ScheduleRecord>& schedule = Tables().Schedule;
    if (task.Completed)
        return FinishOneTimeTask(task, run);

    task.SkipNextTime = 0;
    AnchorWarning(task, relative);
    task.AdvanceWarned = 0;
    if (!ApplyTaskExceptions(task, {schedule, Tables().Holidays}, operation) && !schedule.Put(task))
        return false;

    if (!task.NoHistory && !passedOver)
        AddHistoryRecord(task, run, skipped);
    return true;
}

// After a run (or a skip): the task at its next occurrence, computed from
// the moment of the run before anything is written, so that a question about
// the task's units never keeps other programs waiting for the file.
PendingRun RescheduleRun(const ScheduleRecord& found, ScheduleRecord task, bool skipped, bool passedOver,
                         Date today, ClockTime now)
{
    PendingRun pending;
    pending.found = found;
    pending.run = OccurrenceOf(task);
    pending.relative = MakeWarningRelative(task);
    pending.skipped = skipped;
    pending.passedOver = passedOver;
    const bool countFromStartOfDay = task.Date < today && task.SkipIfMissed;
    ComputeNextRun(task, today, countFromStartOfDay ? 0 : now, pending.operation);
    pending.next = std::move(task);
    return pending;
}

// Stores the next occurrence and the history as one change (all of it or
// nothing). The error that stopped it; Ok() when it was stored.
DataError StorePendingRun(PendingRun& pending)
{
    Table<ScheduleRecord>& schedule = Tables().Schedule;
    if (!schedule.Stream())
        return schedule.LastError();
    ScheduleRecord task = pending.next;
    if (!StoreRun(task, pending.run, pending.relative, pending.skipped, pending.passedOver, pending.operation)) {
        const DataError error = schedule.LastError();
        schedule.Rollback();
        return error.Ok() ? DataError::Make(kFileSystemError, schedule.Name()) : error;
    }
    if (!schedule.Flush())
        return schedule.LastError();
    return {};
}

// A held run once more: stored when its task is still at the occurrence
// performed; dropped when the task was changed or deleted meanwhile (what
// was stored then stands). True when it is done with.
bool StoreAgain(const PendingRun& held)
{
    ScheduleRecord stored;
    stored.ID = held.found.ID;
    if (!Tables().Schedule.Get(SCH_KEYID, stored))
        return Tables().Schedule.ErrorCode() == kRecordNotFound;
    if (stored.Date != held.found.Date || stored.Time != held.found.Time)
        return true;
    PendingRun again = held;
    again.next.RecordPointer = stored.RecordPointer;
    return StorePendingRun(again).Ok();
}

} // namespace

void SoundTaskAlarm(const ScheduleRecord& task)
{
    if (task.Alarm)
        Sound::Play(task.AlarmFile);
}

void RestoreFrameForTask(const ScheduleRecord& task)
{
    if (FrameRestoresForTask(task.TaskType, MaximizeOnRun != 0, UseModalMessage != 0, UseExternalMessage != 0))
        CurrentTaskFrame().RestoreFromTray();
}

void ExecuteTask(ScheduleRecord task)
{
    const ScheduleRecord found = task;
    // The occurrence as found: SkipNextTime passes it over without a run and
    // without a history record.
    const bool passedOver = task.SkipNextTime != 0;
    bool skipped = false;
    if (!passedOver) {
        skipped = !DecideRun(task, Today(), Now());
        // The question may have stayed open a while: the run happens now.
        task.LastRunDate = Today();
        task.LastRunTime = Now();
        if (!skipped)
            PerformTask(task, false);
    }

    PendingRun pending = RescheduleRun(found, task, skipped, passedOver, Today(), Now());
    const DataError error = StorePendingRun(pending);
    if (error.Ok())
        return;
    // Performed, not stored: held until it can be, and never performed again.
    LogStoreFailure(task, error);
    ProgramUnstoredRuns().Keep(std::move(pending));
}

void RetryUnstoredRuns()
{
    ProgramUnstoredRuns().Retry(StoreAgain);
}

void PerformTaskNow(const ScheduleRecord& task)
{
    SoundTaskAlarm(task);
    PerformTask(task, true);
}

} // namespace vl

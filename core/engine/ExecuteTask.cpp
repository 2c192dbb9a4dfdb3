// Performing a due task and storing what follows from the run.

#include "core/engine/DueTask.h"

#include "core/dictionary/Dictionary.h"
#include "core/dictionary/ProgramQueues.h"
#include "core/engine/DueTaskRules.h"
#include "core/engine/TaskFrame.h"
#include "core/engine/TaskScriptItems.h"
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

#include <optional>

namespace vl {

namespace {

const char kErrorLabel[] = "Error";

// A run whose outcome could not be stored. The task is still found due at
// the same occurrence; it is not performed again, only stored once more.
struct UnstoredRun {
    int32_t id = 0;
    Date date = 0;
    ClockTime time = 0;
    bool skipped = false;
    Date lastRunDate = 0;
    ClockTime lastRunTime = 0;
};
std::optional<UnstoredRun> gUnstoredRun;

bool IsUnstoredRun(const ScheduleRecord& task)
{
    return gUnstoredRun && gUnstoredRun->id == task.ID && gUnstoredRun->date == task.Date
           && gUnstoredRun->time == task.Time;
}

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
// could not be stored.
bool StoreRun(ScheduleRecord& task, const RunOccurrence& run, const RelativeWarning& relative, bool skipped,
              bool passedOver, NextRunOperation& operation)
{
    Table<ScheduleRecord>& schedule = Tables().Schedule;
    if (task.Completed) {
        if (FinishOneTimeTask(task, run))
            return true;
        LogStoreFailure(task, schedule.LastError());
        return false;
    }

    task.SkipNextTime = 0;
    AnchorWarning(task, relative);
    task.AdvanceWarned = 0;
    if (!ApplyTaskExceptions(task, {schedule, Tables().Holidays}, operation) && !schedule.Put(task)) {
        LogStoreFailure(task, schedule.LastError());
        return false;
    }

    if (!task.NoHistory && !passedOver)
        AddHistoryRecord(task, run, skipped);
    return true;
}

// After a run (or a skip): the next occurrence, and the history, stored as
// one change (all of it or nothing). False when the task could not be stored.
bool RescheduleTask(ScheduleRecord& task, bool skipped, bool passedOver, Date today, ClockTime now)
{
    const RunOccurrence run = OccurrenceOf(task);
    const RelativeWarning relative = MakeWarningRelative(task);

    // Computed before the change starts: a question about the task's units
    // must not keep other programs waiting for the file.
    NextRunOperation operation;
    const bool countFromStartOfDay = task.Date < today && task.SkipIfMissed;
    ComputeNextRun(task, today, countFromStartOfDay ? 0 : now, operation);

    Table<ScheduleRecord>& schedule = Tables().Schedule;
    if (!schedule.Stream()) {
        LogStoreFailure(task, schedule.LastError());
        return false;
    }
    if (!StoreRun(task, run, relative, skipped, passedOver, operation)) {
        schedule.Rollback();
        return false;
    }
    if (!schedule.Flush()) {
        LogStoreFailure(task, schedule.LastError());
        return false;
    }
    return true;
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
    // The occurrence as found: SkipNextTime passes it over without a run and
    // without a history record.
    const bool passedOver = task.SkipNextTime != 0;
    const Date today = Today();
    const ClockTime now = Now();
    bool skipped = false;

    if (IsUnstoredRun(task)) {
        // Performed already; only its outcome is still to be stored.
        skipped = gUnstoredRun->skipped;
        task.LastRunDate = gUnstoredRun->lastRunDate;
        task.LastRunTime = gUnstoredRun->lastRunTime;
    } else if (!passedOver) {
        skipped = !DecideRun(task, today, now);
        // The question may have stayed open a while: the run happens now.
        task.LastRunDate = Today();
        task.LastRunTime = Now();
        if (!skipped)
            PerformTask(task, false);
    }

    const UnstoredRun performed{task.ID, task.Date, task.Time, skipped, task.LastRunDate, task.LastRunTime};
    if (RescheduleTask(task, skipped, passedOver, Today(), Now()))
        gUnstoredRun.reset();
    else
        gUnstoredRun = performed;
}

void PerformTaskNow(const ScheduleRecord& task)
{
    SoundTaskAlarm(task);
    PerformTask(task, true);
}

} // namespace vl

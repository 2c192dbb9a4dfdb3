// The third and fourth phases of the frame's cycle: the next due task, and
// the questions asked before it runs.

#include "core/engine/DueTask.h"

#include "core/dictionary/Dictionary.h"
#include "core/engine/DueTaskRules.h"
#include "core/engine/TaskFrame.h"
#include "core/base/EventLog.h"
#include "core/cycle/SchedulerState.h"
#include "core/cycle/SchedulerRoutines.h"
#include "core/launch/ExitCodeLog.h"
#include "core/base/Globals.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/EventNumbers.h"
#include "platform/ui/PromptService.h"
#include "platform/ui/ThreadPost.h"

#include <limits>
#include <optional>

namespace vl {

namespace {

const char kYesNo[] = "&Yes|&No";
constexpr int kYes = 1;

// The first task in SCH:KEYDATEENABLED order that has a date or a time;
// nothing at the end of the table, and nothing with `failed` set when the
// read failed.
std::optional<ScheduleRecord> FirstDatedTask(bool& failed)
{
    Table<ScheduleRecord>& schedule = Tables().Schedule;
    Cursor<ScheduleRecord> cursor(schedule);
    failed = !cursor.Set(SCH_KEYDATEENABLED);
    ScheduleRecord task;
    while (!failed && cursor.Next(task)) {
        if (task.Date != 0 || task.Time != 0)
            return task;
        // The tasks without date and time share their key values: one seek
        // passes over all of them, however many there are.
        task.RecordPointer = std::numeric_limits<int64_t>::max();
        failed = !cursor.Set(SCH_KEYDATEENABLED, task);
    }
    failed = failed || schedule.ErrorCode() != kRecordNotAvailable;
    return std::nullopt;
}

bool AskToRun(const ScheduleRecord& task, const char* question, const char* caption)
{
    return Prompt::Message(Clip(task.Description) + QLatin1String(question), QLatin1String(caption),
                           PromptIcon::Question, QLatin1String(kYesNo), kYes)
           == kYes;
}

} // namespace

void FindDueTask()
{
    bool failed = false;
    const std::optional<ScheduleRecord> next = FirstDatedTask(failed);
    if (failed)
        return;
    // Disabled tasks sort after every enabled one: none is pending.
    if (!next || next->Disabled) {
        NextTaskText = QLatin1String(kNoTasksPending);
        CurrentTaskFrame().SetTrayTip(Clip(ProductName));
        return;
    }
    NextTaskText = NextTaskStatus(next->Description);
    CurrentTaskFrame().SetTrayTip(NextTaskTrayTip(*next));
    if (!IsDue(*next, Today(), Now()))
        return;
    ExecuteTask(*next);
    NotifyBrowseThreads();
}

bool ConfirmTaskRun(const ScheduleRecord& task)
{
    if (IsMissedTask(task, Today(), Now(), SkipIfDaysPassed)) {
        if (AskToRun(task, kMissedTaskQuestion, kMissedTaskCaption))
            return true;
        WriteEventLog(QLatin1String(kMissedSkippedLabel), Clip(task.Description));
        return false;
    }
    if (task.UserSkip) {
        if (AskToRun(task, kConfirmTaskQuestion, kConfirmTaskCaption))
            return true;
        WriteEventLog(QLatin1String(kTaskSkippedLabel), Clip(task.Description));
        return false;
    }
    return true;
}

void NotifyBrowseThreads()
{
    CurrentThreadPost().Broadcast(ThreadGroup::TaskLists, EventNumber::kRefreshTaskList);
}

void InstallDueTaskRoutines()
{
    TickRoutines().findDueTask = [] { FindDueTask(); };
    TickRoutines().collectExitCodes = [] { CollectExitCodes(); };
}

} // namespace vl

// The third and fourth phases of the frame's cycle: the next due task, and
// the questions asked before it runs.

#include "scheduler/engine/DueTask.h"

#include "core/dictionary/Dictionary.h"
#include "scheduler/engine/DueTaskLookup.h"
#include "scheduler/engine/DueTaskRules.h"
#include "scheduler/engine/NextTaskTexts.h"
#include "scheduler/engine/TaskFrame.h"
#include "scheduler/engine/UnstoredRuns.h"
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

#include <optional>

namespace vl {

namespace {

const char kYesNo[] = "&Yes|&No";
constexpr int kYes = 1;

bool AskToRun(const ScheduleRecord& task, const char* question, const char* caption)
{
    return Prompt::Message(Clip(task.Description) + QLatin1String(question), QLatin1String(caption),
                           PromptIcon::Question, QLatin1String(kYesNo), kYes)
           == kYes;
}

} // namespace

void FindDueTask()
{
    RetryUnstoredRuns();
    static DueTaskLookup lookup(ProgramUnstoredRuns());
    bool failed = false;
    const std::optional<ScheduleRecord> next = lookup.Next(failed);
    if (failed)
        return;
    // Disabled tasks sort after every enabled one: none is pending.
    const ScheduleRecord* pending = next && !next->Disabled ? &*next : nullptr;
    static NextTaskTexts texts;
    texts.Show(pending);
    NextTaskText = texts.Status();
    CurrentTaskFrame().SetTrayTip(texts.TrayTip());
    if (!pending || !IsDue(*pending, Today(), Now()))
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

// A one-time copy of a task, a few minutes or hours from now.

#include "scheduler/engine/DueTask.h"

#include "core/dictionary/Dictionary.h"
#include "scheduler/engine/DueTaskRules.h"
#include "scheduler/engine/TaskScriptItems.h"
#include "core/eventlog/AddScheduleRecord.h"
#include "platform/runtime/Clock.h"
#include "platform/ui/PromptService.h"

namespace vl {

namespace {

const char kErrorCaption[] = "Error";

void ReportError(const char* what, const DataError& error)
{
    Prompt::Message(QLatin1String(what) + QLatin1Char('|') + error.text, QLatin1String(kErrorCaption),
                    PromptIcon::Stop);
}

} // namespace

int32_t AddQuickStartTask(const ScheduleRecord& task, ClockTime delay)
{
    ScheduleRecord copy = QuickStartCopy(task, delay, Today(), Now());
    Table<ScheduleRecord>& schedule = Tables().Schedule;
    if (!AddScheduleRecord(copy, schedule)) {
        ReportError("Error adding task:", schedule.LastError());
        return 0;
    }
    const DataError copied = CopyTaskScript(Tables().Scripting, task.ID, copy.ID);
    if (!copied.Ok())
        ReportError("Error adding script record:", copied);
    return copy.ID;
}

} // namespace vl

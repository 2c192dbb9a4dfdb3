// A one-time copy of a task, a few minutes or hours from now.

#include "core/engine/DueTask.h"

#include "core/dictionary/Dictionary.h"
#include "core/engine/DueTaskRules.h"
#include "core/engine/TaskScriptItems.h"
#include "core/eventlog/AddScheduleRecord.h"
#include "platform/runtime/Clock.h"
#include "platform/ui/PromptService.h"

namespace vl {

namespace {

const char kErrorCaption[] = "Error";

void ReportError(const char* what, const TableFile& table)
{
    Prompt::Message(QLatin1String(what) + QLatin1Char('|') + table.Error(), QLatin1String(kErrorCaption),
                    PromptIcon::Stop);
}

} // namespace

int32_t AddQuickStartTask(const ScheduleRecord& task, ClockTime delay)
{
    ScheduleRecord copy = QuickStartCopy(task, delay, Today(), Now());
    Table<ScheduleRecord>& schedule = Tables().Schedule;
    if (!AddScheduleRecord(copy, schedule)) {
        ReportError("Error adding task:", schedule);
        return 0;
    }
    Table<ScriptingRecord>& scripting = Tables().Scripting;
    if (!CopyTaskScript(scripting, task.ID, copy.ID))
        ReportError("Error adding script record:", scripting);
    return copy.ID;
}

} // namespace vl

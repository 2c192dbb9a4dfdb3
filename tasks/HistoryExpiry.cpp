#include "tasks/HistoryExpiry.h"

#include "core/base/EventLog.h"
#include "core/base/Globals.h"
#include "core/cycle/SchedulerRoutines.h"
#include "core/dictionary/Dictionary.h"
#include "scheduler/engine/TaskScriptItems.h"
#include "platform/runtime/Clock.h"
#include "platform/ui/PromptService.h"

#include <limits>

namespace vl {

namespace {

bool Expired(const ScheduleRecord& task, Date today)
{
    if (task.Date <= 0 || (!task.Completed && !RemoveUncompleted))
        return false;
    return int64_t{today} >= int64_t{task.Date} + HistoryExpires;
}

// Deletes the task with its script items (whatever SaveScripts says: a later
// task given the same ID must not inherit them), both or neither. The error
// that stopped it.
DataError RemoveTask(const ScheduleRecord& task)
{
    Table<ScheduleRecord>& schedule = Tables().Schedule;
    if (!schedule.Stream())
        return schedule.LastError();
    DataError error = DeleteTaskScript(Tables().Scripting, task.ID);
    if (error.Ok() && !schedule.Delete(task))
        error = schedule.LastError();
    if (!error.Ok()) {
        schedule.Rollback();
        return error;
    }
    return schedule.Flush() ? DataError() : schedule.LastError();
}

// The disabled tasks and history, oldest first, at most 10,000. The error
// that ended the walk, if any.
DataError RemoveExpired(Date today)
{
    Table<ScheduleRecord>& schedule = Tables().Schedule;
    Cursor<ScheduleRecord> cursor(schedule);
    ScheduleRecord position;
    position.Disabled = 1;
    position.Date = std::numeric_limits<Date>::min();
    if (!cursor.Set(SCH_KEYDATEENABLED, position))
        return schedule.LastError();
    ScheduleRecord task;
    for (int read = 0; read < kMostHistoryChecked; ++read) {
        if (!cursor.Next(task))
            return schedule.ErrorCode() == kRecordNotAvailable ? DataError() : schedule.LastError();
        if (!Expired(task, today))
            continue;
        if (const DataError error = RemoveTask(task); !error.Ok())
            return error;
    }
    return {};
}

} // namespace

bool RemoveExpiredHistory(Date& lastCheck, Date today)
{
    if (HistoryExpires == 0 || lastCheck == today)
        return false;
    lastCheck = today;
    Table<ScheduleRecord>& schedule = Tables().Schedule;
    DataError error;
    if (!schedule.Stream()) {
        error = schedule.LastError();
    } else {
        error = RemoveExpired(today);
        if (!schedule.Flush() && error.Ok())
            error = schedule.LastError();
    }
    WriteEventLog(QLatin1String(kHistoryLabel), QLatin1String(kHistoryCheckedText));
    if (!error.Ok())
        Prompt::Notify(error.Describe() + QStringLiteral(" error while removing history"),
                       QLatin1String(kCannotRemoveHistoryCaption), PromptIcon::Stop);
    return true;
}

void InstallHistoryExpiry()
{
    TickRoutines().removeExpiredHistory = [lastCheck = Date{0}]() mutable {
        if (!OpenTable(Tables().Schedule))
            return false;
        bool ran = false;
        if (OpenTable(Tables().Scripting)) {
            ran = RemoveExpiredHistory(lastCheck, Today());
            Tables().Scripting.Close();
        }
        Tables().Schedule.Close();
        return ran;
    };
}

} // namespace vl

#include "tasks/TaskFormRules.h"

#include "core/dictionary/TableDefinitions.h"
#include "scheduler/engine/DueTaskRules.h"
#include "core/schedule/DateFit.h"
#include "core/schedule/NextRun.h"
#include "core/schedule/ScheduleRules.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "tasks/DescribeTaskType.h"

namespace vl {

namespace {

constexpr char kNewTaskCaption[] = "New Task";
constexpr char kChangeTaskCaption[] = "Edit Task";

bool Is(const QString& value, const char* text)
{
    return Clip(value) == QLatin1String(text);
}

} // namespace

TaskTypeControls ApplyTaskTypeRule(ScheduleRecord& task)
{
    if (Is(task.TaskType, kRunProgramType))
        return {true, false, true};
    if (Is(task.TaskType, kDisplayMessageType))
        return {false, true, true};
    if (Is(task.TaskType, kNoneTaskType)) {
        task.Time = kReminderTime;
        return {false, true, false};
    }
    return {true, true, true};
}

ScheduleTypeControls ApplyScheduleTypeRule(ScheduleRecord& task)
{
    ScheduleTypeControls shown;
    if (HasScheduleType(task, kScheduleOnce))
        return shown;
    if (HasScheduleType(task, kScheduleDayOfWeek)) {
        shown.weekdays = true;
        return shown;
    }
    shown.except = true;
    if (HasScheduleType(task, kScheduleDayOfMonth)) {
        shown.weekdays = true;
        shown.weeks = true;
        shown.dayBoxesEnabled = !task.LastDayofMonth;
    } else if (HasScheduleType(task, kScheduleMonthly)) {
        shown.groupCaption = QString::fromLatin1(kRepeatGroupCaption);
        shown.repeat = true;
        shown.offsetEnabled = task.MonthRepeat.startsWith(QLatin1Char('T'));
        if (!shown.offsetEnabled)
            task.MonthRepeat = QString::fromLatin1(kMonthRepeatOnce);
    } else if (!HasScheduleType(task, kScheduleYearly)) {
        shown.every = true;
    }
    return shown;
}

ScheduleRecord NewTask(const TableDef& schedule, Date dateToUse)
{
    ScheduleRecord task;
    schedule.PrimeRecord(task);
    task.TaskType = QString::fromLatin1(kBothType);
    task.Date = dateToUse != 0 ? dateToUse : Today();
    task.Time = Now();
    task.ScheduleType = QString::fromLatin1(kScheduleDayOfWeek);
    task.Sunday = task.Monday = task.Tuesday = task.Wednesday = task.Thursday = task.Friday = task.Saturday = 1;
    task.EveryLast = 1;
    task.Warn = 1;
    task.Every = 1;
    task.EveryType = QStringLiteral("hour(s)");
    task.Completed = task.AdvanceWarned = task.Disabled = 0;
    return task;
}

ScheduleRecord CopyOfTask(const ScheduleRecord& source)
{
    ScheduleRecord copy = source;
    copy.RecordPointer = 0;
    copy.ID = 0;
    copy.ORIGINALID = 0;
    copy.EXCEPTIONLINK = 0;
    copy.LastRunDate = copy.LastRunTime = 0;
    copy.Skipped = 0;
    copy.Completed = copy.AdvanceWarned = copy.Disabled = 0;
    return copy;
}

bool MoveToFittingDate(ScheduleRecord& task)
{
    if (DateFitsSchedule(task))
        return false;
    if (task.Date == 0)
        task.Date = Today();
    if (task.Time == 0)
        task.Time = Now();
    ComputeNextRun(task, Today(), Now());
    return true;
}

void FillBlankMessage(ScheduleRecord& task)
{
    if (task.Message.trimmed().isEmpty())
        task.Message = Clip(task.Description);
}

namespace {

bool CommandIsScriptOnly(const ScheduleRecord& task)
{
    const QString command = UpperClip(task.Command);
    return command.isEmpty() || command == QLatin1String(kScriptOnlyCommand);
}

} // namespace

bool TaskHasNothingToDo(const ScheduleRecord& task, bool hasScriptItems)
{
    if (!Clip(task.Description).isEmpty())
        return false;
    const bool runs = (StartsProgram(Clip(task.TaskType)) || Is(task.TaskType, kHotKeyTaskType))
        && (!CommandIsScriptOnly(task) || hasScriptItems);
    const bool shows = (ShowsMessage(Clip(task.TaskType)) || Is(task.TaskType, kNoneTaskType))
        && !task.Message.trimmed().isEmpty();
    return !runs && !shows;
}

QString NoScriptItemsText(const QString& description)
{
    return QStringLiteral("\"%1\" runs only its script, and it has no script items: there is nothing to perform.|"
                          "A one-time task loses its script once it has run, unless \"Save script information on "
                          "completed tasks\" is set in the options. Add items with \"Scripting\".")
        .arg(Clip(description));
}

bool TaskRunsOnlyItsScript(const ScheduleRecord& task)
{
    return (Is(task.TaskType, kRunProgramType) || Is(task.TaskType, kHotKeyTaskType)) && CommandIsScriptOnly(task);
}

QString TaskFormTitle(FormRequest request, const QString& description)
{
    const QString caption = FormCaption(request, QLatin1String(kNewTaskCaption), QLatin1String(kChangeTaskCaption));
    // A task not yet described shows the caption alone, not empty parentheses.
    const QString described = Clip(description);
    return described.isEmpty() ? caption : caption + QStringLiteral("  (") + described + QLatin1Char(')');
}

} // namespace vl

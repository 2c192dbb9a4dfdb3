#include "message/MessageActions.h"

#include "platform/ui/EventNumbers.h"
#include "platform/ui/ThreadPost.h"

#include "core/dictionary/Dictionary.h"
#include "core/eventlog/AddScheduleRecord.h"
#include "core/schedule/RunTimes.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/EventNumbers.h"
#include "platform/ui/PromptService.h"
#include "platform/ui/ThreadPost.h"

namespace vl {

namespace {

constexpr int kDescriptionWidth = 40;
constexpr int kToDoWidth = 80;
constexpr uint8_t kToDoPriority = 5;

// Reports a write that failed; "|" breaks the line.
void ReportFailure(const QString& what, const QString& caption, const TableFile& table)
{
    Prompt::Message(what + QStringLiteral("||Error: ") + table.LastError().Describe(), caption,
                    PromptIcon::Exclamation);
}

} // namespace

ScheduleRecord SnoozedTask(const ShownMessage& message, int32_t minutes, Date today, ClockTime now)
{
    if (minutes == 0)
        minutes = kDefaultSnoozeMinutes;
    int64_t date = today;
    int64_t time = static_cast<int64_t>(now) + static_cast<int64_t>(minutes) * kClockPerMinute;
    CarryDays(date, time);

    ScheduleRecord task;
    task.Message = message.text;
    task.TaskType = QStringLiteral("Display Message");
    task.Category = QStringLiteral("Snooze");
    task.Description = CutTo(message.title, kDescriptionWidth);
    task.ScheduleType = QStringLiteral("Once");
    task.Date = static_cast<Date>(date);
    task.Time = static_cast<ClockTime>(time);
    task.SkipIfMissed = 1;
    task.AlarmFile = Clip(message.soundFile);
    task.Alarm = task.AlarmFile.isEmpty() ? 0 : 1;
    return task;
}

TodoRecord ToDoItem(const ShownMessage& message)
{
    TodoRecord item;
    item.Done = 0;
    item.Priority = kToDoPriority;
    item.Category = QStringLiteral("General");
    item.ToDo = CutTo(message.title, kToDoWidth);
    item.Notes = message.text;
    return item;
}

bool SnoozeMessage(const ShownMessage& message, int32_t minutes, Table<ScheduleRecord>& schedule)
{
    ScheduleRecord task = SnoozedTask(message, minutes, Today(), Now());
    const bool opened = OpenTable(schedule);
    const bool added = opened && AddScheduleRecord(task, schedule);
    if (!added)
        ReportFailure(QStringLiteral("The message could not be snoozed."), QStringLiteral("Snooze"), schedule);
    else
        CurrentThreadPost().Broadcast(ThreadGroup::TaskLists, EventNumber::kRefreshTaskList); // the open task lists show it
    if (opened)
        schedule.Close();
    return added;
}

bool MessageToToDo(const ShownMessage& message, Table<TodoRecord>& todo)
{
    TodoRecord item = ToDoItem(message);
    const bool opened = OpenTable(todo);
    const bool added = opened && todo.Add(item);
    if (!added)
        ReportFailure(QStringLiteral("The message could not be added to the To Do list."), QStringLiteral("To Do"),
                      todo);
    if (opened)
        todo.Close();
    if (added)
        Prompt::Message(QStringLiteral("Added to To Do List:|") + Clip(message.title), QStringLiteral("Saved"));
    return added;
}

} // namespace vl

#include "tasks/TaskListRows.h"

#include "platform/runtime/FixedText.h"

namespace vl {

const char* TaskListIconName(TaskListIcon icon)
{
    switch (icon) {
    case TaskListIcon::Blank:
        return "~blank.ico";
    case TaskListIcon::BothTask:
        return "~bothtask.ico";
    case TaskListIcon::Disabled:
        return "~disabled.ico";
    case TaskListIcon::Done:
        return "~done.ico";
    case TaskListIcon::MessageTask:
        return "~msgtask.ico";
    case TaskListIcon::NotDone:
        return "~notdone.ico";
    case TaskListIcon::ProgramTask:
        return "~progtsk2.ico";
    case TaskListIcon::Skip:
        return "~skip.ico";
    case TaskListIcon::Skipped:
        return "~skipped.ico";
    }
    return "~blank.ico";
}

TaskListIcon StatusIcon(const ScheduleRecord& task)
{
    if (task.Completed == 1 && task.Skipped != 1)
        return TaskListIcon::Done;
    if (task.SkipNextTime == 1 && task.Completed == 0)
        return TaskListIcon::Skip;
    if (task.Disabled == 0 || task.Completed != 0)
        return task.Completed == 1 && task.Skipped == 1 ? TaskListIcon::Skipped : TaskListIcon::NotDone;
    return TaskListIcon::Disabled;
}

TaskListIcon TaskTypeIcon(const ScheduleRecord& task)
{
    const QString type = Clip(task.TaskType);
    if (type == QLatin1String("Run Program"))
        return TaskListIcon::ProgramTask;
    if (type == QLatin1String("Display Message"))
        return TaskListIcon::MessageTask;
    if (type == QLatin1String("Both"))
        return TaskListIcon::BothTask;
    return TaskListIcon::Blank;
}

CellColours DateColours(const ScheduleRecord& task)
{
    if (task.Disabled == 1)
        return {kGreyText, -1, kWhiteText, -1};
    if (task.SkipNextTime == 1)
        return {kBlueText, -1, kWhiteText, -1};
    return {-1, -1, -1, -1};
}

} // namespace vl

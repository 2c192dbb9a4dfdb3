#include "tasks/DescribeTaskType.h"

#include "core/base/Globals.h"
#include "core/base/UserDate.h"
#include "core/dictionary/TableDefinitions.h"
#include "scheduler/engine/DueTaskRules.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "tasks/TaskFormRules.h"

namespace vl {

namespace {

bool Is(const QString& value, const char* text)
{
    return Clip(value) == QLatin1String(text);
}

// The message on one line, as a description shows it in the lists.
QString OneLine(const QString& message)
{
    QString line = message;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    line.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    return line;
}

QString DefaultDescription(const ScheduleRecord& task)
{
    if (Is(task.TaskType, kNoneTaskType))
        return QStringLiteral("Reminder: ") + OneLine(task.Message);
    if (Is(task.TaskType, kDisplayMessageType))
        return QStringLiteral("Message: ") + OneLine(task.Message);
    if (Is(task.TaskType, kRunProgramType)) {
        if (UpperClip(task.Command) == QLatin1String(kScriptOnlyCommand))
            return QStringLiteral("Script: ") + FormatUserDate(Today());
        return QStringLiteral("Run: ") + Clip(task.Command);
    }
    if (Is(task.TaskType, kHotKeyTaskType))
        return QStringLiteral("Hot Key ") + QString::number(task.ID);
    return QStringLiteral("Message/Run Program");
}

} // namespace

void DescribeTaskType(ScheduleRecord& task, ExceptionTables tables)
{
    FillTaskDefaults(task);
    ApplyTaskExceptions(task, tables);
    StampTaskChange(task);
}

void FillTaskDefaults(ScheduleRecord& task)
{
    const bool startsProgram =
        Is(task.TaskType, kRunProgramType) || Is(task.TaskType, kBothType) || Is(task.TaskType, kHotKeyTaskType);
    if (startsProgram && Clip(task.Command).isEmpty())
        task.Command = QString::fromLatin1(kScriptOnlyCommand);
    if (Clip(task.Description).isEmpty())
        task.Description = CutTo(DefaultDescription(task), kDescriptionSize);
    if (Clip(task.Category).isEmpty())
        task.Category = QString::fromLatin1(kDefaultCategory);
}

void StampTaskChange(ScheduleRecord& task)
{
    task.NETWORKUSER = UserID;
    task.LASTCHANGEDATE = Today();
    task.LASTCHANGETIME = Now();
    if (task.ORIGINALID == 0)
        task.ORIGINALID = task.ID;
}

} // namespace vl

#include "tasks/TaskWizardStore.h"

#include "core/dictionary/TableDefinitions.h"
#include "core/schedule/ScheduleRules.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/PromptService.h"
#include "tasks/DescribeTaskType.h"
#include "platform/runtime/FixedText.h"
#include "tasks/TaskFormRules.h"
#include "tasks/TaskWizardPages.h"

namespace vl {

namespace {

bool ShowSkipFailure(const QString& text, const TableFile& schedule)
{
    Prompt::Message(text + schedule.LastError().Describe(), QString(), PromptIcon::Stop);
    return false;
}

// The Categories table gets "General" when it lacks it; a read that fails
// for another reason leaves the table alone (the list then lacks it).
void KeepDefaultCategory(Table<CategoriesRecord>& categories)
{
    CategoriesRecord general;
    general.Category = QString::fromLatin1(kDefaultCategory);
    if (!categories.Get(CAT_KEYCATEGORY, general) && categories.ErrorCode() == kRecordNotFound)
        categories.Add(general);
}

} // namespace

ScheduleRecord PrimeWizardTask(Dictionary& tables, const QString& taskType)
{
    ScheduleRecord task = NewTask(tables.Schedule.Definition(), 0);
    task.TaskType = taskType;
    task.Category = QString::fromLatin1(kDefaultCategory);
    KeepDefaultCategory(tables.Categories);
    return task;
}

ScheduleRecord PrimeScriptTask(Dictionary& tables)
{
    ScheduleRecord task = PrimeWizardTask(tables, QLatin1String(WizardTexts(TaskWizardKind::Script).taskType));
    task.Command = QLatin1String(kScriptOnlyCommand);
    return task;
}

ScheduleRecord PrimeHotKeyTask(Dictionary& tables, const QString& hotKey)
{
    ScheduleRecord task;
    tables.Schedule.Definition().PrimeRecord(task);
    task.Disabled = 0; // its reservation alone is stored disabled
    task.Command = QLatin1String(kScriptOnlyCommand);
    task.Category = QLatin1String(kHotKeyCategory);
    task.Description = QLatin1String(kHotKeyDescriptionStart) + Clip(hotKey);
    KeepOffSchedule(task);
    return task;
}

std::optional<ScheduleRecord> StoredHotKeyTask(Dictionary& tables, int32_t taskId, bool* failed)
{
    *failed = false;
    if (taskId == 0)
        return std::nullopt;
    std::optional<ScheduleRecord> stored = ReadTask(tables.Schedule, taskId);
    if (stored)
        return SameTextNoCase(stored->TaskType, QLatin1String(kHotKeyTaskType)) ? stored : std::nullopt;
    if (tables.Schedule.ErrorCode() != kRecordNotFound) {
        *failed = true;
        Prompt::Message(tables.Schedule.LastError().Describe(), QLatin1String(kTaskFileErrorCaption),
                        PromptIcon::Stop);
    }
    return std::nullopt;
}

void KeepOffSchedule(ScheduleRecord& task)
{
    task.TaskType = QLatin1String(kHotKeyTaskType);
    task.Sunday = task.Monday = task.Tuesday = task.Wednesday = task.Thursday = task.Friday = task.Saturday = 0;
    task.Date = 0;
    task.Time = 0;
    task.ShiftType.clear();
    task.ExceptWeekends = task.ExceptWeekdays = task.ExceptHolidays = task.ExceptTime = 0;
    task.ExceptTimeBegin = task.ExceptTimeEnd = 0;
    task.EXCEPTOTHER.clear();
    task.EXCEPTIONLINK = 0;
}

void SeedWizardTask(ScheduleRecord& task, const ScheduleRecord& seed)
{
    task.Message = seed.Message;
    task.Description = seed.Description;
    task.Date = seed.Date;
    task.Time = seed.Time;
    if (!Clip(seed.Category).isEmpty())
        task.Category = seed.Category;
}

ScheduleRecord SpecialEventCopy(const ScheduleRecord& source)
{
    ScheduleRecord copy = CopyOfTask(source);
    copy.ScheduleType = QString::fromLatin1(kScheduleOnce);
    copy.ExceptWeekends = copy.ExceptWeekdays = copy.ExceptHolidays = copy.ExceptTime = 0;
    copy.ExceptTimeBegin = copy.ExceptTimeEnd = 0;
    copy.EXCEPTOTHER.clear();
    return copy;
}

bool ReserveWizardTask(Dictionary& tables, ScheduleRecord& task, ScheduleRecord& base)
{
    if (ReserveTask(tables.Schedule, task, base))
        return true;
    ShowReserveFailure(tables.Schedule.LastError());
    return false;
}

TaskSaved FinishWizardTask(Dictionary& tables, ScheduleRecord& task, ScheduleRecord& base)
{
    task.Completed = 0;
    return SaveTask(tables, task, base, TaskGone::StoreAgain);
}

TaskSaved FinishScriptTask(Dictionary& tables, ScheduleRecord& task, ScheduleRecord& base, bool hotKey)
{
    if (hotKey)
        KeepOffSchedule(task);
    return SaveTask(tables, task, base, TaskGone::StoreAgain);
}

TaskSaved FinishSpecialEvent(Dictionary& tables, ScheduleRecord& copy, ScheduleRecord& base, int32_t sourceId)
{
    const uint8_t skipSource = copy.SkipNextTime;
    copy.SkipNextTime = 0;
    const TaskSaved saved = FinishWizardTask(tables, copy, base);
    if (saved != TaskSaved::Saved) {
        copy.SkipNextTime = skipSource; // the box stays as the user left it
        return saved;
    }
    if (skipSource)
        SkipNextRegularRun(tables, sourceId);
    return saved;
}

bool SkipNextRegularRun(Dictionary& tables, int32_t sourceId)
{
    Table<ScheduleRecord>& schedule = tables.Schedule;
    std::optional<ScheduleRecord> source = ReadTask(schedule, sourceId);
    if (!source) {
        return ShowSkipFailure(QLatin1String(kSkipReadFailedText) + QString::number(sourceId) + QStringLiteral("|Error:|"),
                               schedule);
    }
    source->SkipNextTime = 1;
    FillTaskDefaults(*source);
    StampTaskChange(*source);
    return schedule.Put(*source) || ShowSkipFailure(QLatin1String(kSkipWriteFailedText), schedule);
}

} // namespace vl

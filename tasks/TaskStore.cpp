#include "tasks/TaskStore.h"

#include "scheduler/engine/TaskScriptItems.h"
#include "core/eventlog/AddScheduleRecord.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/PromptService.h"
#include "tasks/DescribeTaskType.h"
#include "tasks/ReservedTasks.h"
#include "tasks/TaskMerge.h"

#include <limits>

namespace vl {

namespace {

enum ChangedAnswer { kKeepMine = 1, kTakeStored = 2 };

// Shown only once no transaction is open: other programs wait for one.
bool ShowFileError(const DataError& error)
{
    Prompt::Message(error.Describe(), QLatin1String(kTaskFileErrorCaption), PromptIcon::Stop);
    return false;
}

// Ends the transaction, then reports the error that stopped the write.
TaskSaved Failed(Table<ScheduleRecord>& schedule, DataError error)
{
    schedule.Flush();
    ShowFileError(error);
    return TaskSaved::Failed;
}

// A read that found no task because reading failed, not because the task
// is gone.
bool ReadFailed(const TableFile& schedule)
{
    return schedule.ErrorCode() != kNoError && schedule.ErrorCode() != kRecordNotFound;
}

// Adds a task deleted meanwhile again, under its own ID while that is free.
bool AddAgain(Table<ScheduleRecord>& schedule, ScheduleRecord& task)
{
    task.RecordPointer = 0;
    if (schedule.Add(task))
        return true;
    return schedule.ErrorCode() == kDuplicateKey && AddScheduleRecord(task, schedule);
}

// What the user said about the stored task. The questions are asked with no
// transaction open, so the task may change again meanwhile: an answer holds
// only while the stored task is still the one asked about.
struct Answers {
    bool storeAgain = false;
    std::optional<ScheduleRecord> askedAbout;
    int choice = 0;
};

bool RemoveReservation(Dictionary& tables, int32_t id, int64_t recordPointer)
{
    const std::optional<ScheduleRecord> stored = ReadTask(tables.Schedule, id);
    if (!stored && ReadFailed(tables.Schedule))
        return ShowFileError(tables.Schedule.LastError());
    if (stored && recordPointer != 0 && stored->RecordPointer != recordPointer)
        return true;
    // Through the relation the task's script items go with it.
    if (stored) {
        return tables.Relations.Delete(tables.Schedule, *stored) || ShowFileError(tables.Relations.LastError());
    }
    const DataError error = DeleteTaskScript(tables.Scripting, id);
    return error.Ok() || ShowFileError(error);
}

} // namespace

QString TaskChangedText(const QString& description, const QStringList& fields)
{
    return QStringLiteral("\"%1\" was changed by the scheduler or another window while this form was open. "
                          "Both changed: %2.|Keep your values for these, or take the stored ones? Your other "
                          "changes are saved either way.")
        .arg(Clip(description), fields.join(QStringLiteral(", ")));
}

QString TaskGoneText(const QString& description)
{
    return QStringLiteral("\"%1\" was deleted by the scheduler or another window while this form was open.|"
                          "Store it again as this form shows it?")
        .arg(Clip(description));
}

std::optional<ScheduleRecord> ReadTask(Table<ScheduleRecord>& schedule, int32_t id)
{
    ScheduleRecord task;
    task.ID = id;
    if (id == 0 || !schedule.Get(SCH_KEYID, task))
        return std::nullopt;
    return task;
}

bool TaskHasScriptItems(Table<ScriptingRecord>& scripting, int32_t id)
{
    ScriptingRecord item;
    item.ID = id;
    item.Sequence = std::numeric_limits<int32_t>::min();
    Cursor<ScriptingRecord> cursor(scripting);
    return id != 0 && cursor.Set(SCR_KEYID, item) && cursor.Next(item) && item.ID == id;
}

bool ReserveTask(Table<ScheduleRecord>& schedule, ScheduleRecord& task, ScheduleRecord& stored)
{
    stored = task;
    stored.ID = 0;
    stored.Disabled = 1;
    if (!AddScheduleRecord(stored, schedule))
        return false;
    task.ID = stored.ID;
    task.RecordPointer = stored.RecordPointer;
    ProgramReservedTasks().Add(task.ID);
    return true;
}

void ShowReserveFailure(const DataError& error)
{
    if (error.code == kDuplicateKey)
        Prompt::Message(QLatin1String(kAutoIncrementText) + QLatin1Char('|') + error.Describe(),
                        QLatin1String(kAutoIncrementCaption), PromptIcon::Stop);
    else
        ShowFileError(error);
}

bool ReleaseTask(Dictionary& tables, int32_t id, int64_t recordPointer)
{
    const bool released = RemoveReservation(tables, id, recordPointer);
    ProgramReservedTasks().Remove(id);
    return released;
}

TaskSaved SaveTask(Dictionary& tables, ScheduleRecord& task, ScheduleRecord& base, TaskGone gone)
{
    Table<ScheduleRecord>& schedule = tables.Schedule;
    Answers answers;
    answers.storeAgain = gone == TaskGone::StoreAgain;
    for (;;) {
        // From this read to the commit no other program writes.
        if (!schedule.Stream())
            return Failed(schedule, schedule.LastError());
        std::optional<ScheduleRecord> stored = ReadTask(schedule, task.ID);
        if (!stored && ReadFailed(schedule))
            return Failed(schedule, schedule.LastError());
        // Another task under the ID (the task was deleted and its ID taken
        // again) is not this one: this one is gone.
        if (stored && base.RecordPointer != 0 && stored->RecordPointer != base.RecordPointer)
            stored.reset();
        ScheduleRecord merged = task;
        if (!stored) {
            if (!answers.storeAgain) {
                schedule.Flush();
                if (Prompt::Message(TaskGoneText(task.Description), QLatin1String(kTaskGoneCaption),
                                    PromptIcon::Question, QStringLiteral("&Yes|&No"), 1) != 1)
                    return TaskSaved::Kept;
                answers.storeAgain = true;
                continue;
            }
            if (!AddAgain(schedule, merged))
                return Failed(schedule, schedule.LastError());
        } else if (SameStoredTask(*stored, base)) {
            merged.RecordPointer = stored->RecordPointer;
        } else {
            TaskMerge merge = MergeTaskEdits(base, task, *stored);
            if (!merge.conflicts.isEmpty()) {
                if (!answers.askedAbout || !SameStoredTask(*answers.askedAbout, *stored)) {
                    schedule.Flush();
                    answers.choice = Prompt::Message(TaskChangedText(task.Description, merge.conflicts),
                                                     QLatin1String(kTaskChangedCaption), PromptIcon::Question,
                                                     QLatin1String(kTaskChangedButtons), kKeepMine);
                    if (answers.choice != kKeepMine && answers.choice != kTakeStored)
                        return TaskSaved::Kept;
                    answers.askedAbout = stored;
                    continue;
                }
                if (answers.choice == kTakeStored)
                    TakeStoredValues(merge, *stored);
            }
            merged = merge.merged;
        }
        DescribeTaskType(merged, {schedule, tables.Holidays});
        if (!schedule.Put(merged))
            return Failed(schedule, schedule.LastError());
        if (!schedule.Flush())
            return Failed(schedule, schedule.LastError());
        ProgramReservedTasks().Remove(task.ID);
        task = merged;
        base = merged;
        return TaskSaved::Saved;
    }
}

bool DeleteTask(Dictionary& tables, int32_t id)
{
    const std::optional<ScheduleRecord> stored = ReadTask(tables.Schedule, id);
    if (!stored)
        return !ReadFailed(tables.Schedule) || ShowFileError(tables.Schedule.LastError());
    if (tables.Relations.Delete(tables.Schedule, *stored))
        return true;
    // A refusal has been shown by the relation; a file error has not.
    if (!tables.Relations.LastError().Ok())
        ShowFileError(tables.Relations.LastError());
    return false;
}

} // namespace vl

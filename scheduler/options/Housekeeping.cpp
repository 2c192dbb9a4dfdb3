#include "scheduler/options/Housekeeping.h"

#include "platform/ui/PromptService.h"

#include <cstdint>
#include <functional>
#include <limits>

namespace vl {

namespace {

constexpr char kHistoryErrorCaption[] = "Cannot Remove History";
constexpr char kHistoryErrorText[] = " error while removing history";
constexpr char kTodoErrorCaption[] = "Cannot Remove To Do List";
constexpr char kTodoErrorText[] = " error while removing To Do entry";

void ShowError(const DataError& error, const char* text, const char* caption)
{
    Prompt::Message(error.text + QLatin1String(text), QLatin1String(caption), PromptIcon::Exclamation);
}

// Walks the cursor from where it was set and deletes each task that qualifies.
int RemoveTasks(Table<ScheduleRecord>& schedule, RelationSet& relations, Cursor<ScheduleRecord>& cursor,
                const std::function<bool(const ScheduleRecord&)>& qualifies)
{
    int removed = 0;
    ScheduleRecord task;
    while (cursor.Next(task)) {
        if (!qualifies(task))
            continue;
        if (relations.Delete(schedule, task))
            ++removed;
        else if (!relations.LastError().Ok()) // a refusal has been shown already
            ShowError(relations.LastError(), kHistoryErrorText, kHistoryErrorCaption);
    }
    if (schedule.ErrorCode() != kRecordNotAvailable)
        ShowError(schedule.LastError(), kHistoryErrorText, kHistoryErrorCaption);
    return removed;
}

} // namespace

bool AskHousekeeping(const QString& question)
{
    return Prompt::Ask(question, QLatin1String(kHousekeepingCaption), PromptIcon::Question,
                       ButtonYes | ButtonNo, ButtonNo)
        == ButtonYes;
}

int RemoveDisabledTasks(Table<ScheduleRecord>& schedule, RelationSet& relations)
{
    // Disabled tasks sort after the enabled ones: start at the first of them.
    ScheduleRecord first;
    schedule.Clear(first);
    first.Disabled = 1;
    first.Date = std::numeric_limits<int32_t>::min();
    first.Time = std::numeric_limits<int32_t>::min();
    Cursor<ScheduleRecord> cursor(schedule);
    if (!cursor.Set(SCH_KEYDATEENABLED, first)) {
        ShowError(schedule.LastError(), kHistoryErrorText, kHistoryErrorCaption);
        return 0;
    }
    return RemoveTasks(schedule, relations, cursor, [](const ScheduleRecord& task) { return task.Disabled == 1; });
}

int RemoveCompletedTasks(Table<ScheduleRecord>& schedule, RelationSet& relations)
{
    Cursor<ScheduleRecord> cursor(schedule);
    if (!cursor.Set(SCH_KEYDATEENABLED)) {
        ShowError(schedule.LastError(), kHistoryErrorText, kHistoryErrorCaption);
        return 0;
    }
    return RemoveTasks(schedule, relations, cursor, [](const ScheduleRecord& task) { return task.Completed != 0; });
}

int ClearTodoList(Table<TodoRecord>& todo)
{
    Cursor<TodoRecord> cursor(todo);
    if (!cursor.Set(FileOrder)) {
        ShowError(todo.LastError(), kTodoErrorText, kTodoErrorCaption);
        return 0;
    }
    int removed = 0;
    TodoRecord entry;
    while (cursor.Next(entry)) {
        if (todo.Delete(entry))
            ++removed;
        else
            ShowError(todo.LastError(), kTodoErrorText, kTodoErrorCaption);
    }
    if (todo.ErrorCode() != kRecordNotAvailable)
        ShowError(todo.LastError(), kTodoErrorText, kTodoErrorCaption);
    return removed;
}

QStringList WindowSettingsProcedures()
{
    return {"BrowseSchedule", "Main",           "About",           "Calendar",      "ViewToDo",
            "UpdateTodo",     "Setup",          "AddProgramWizard", "AddMessageWizard",
            "BrowseTodo",     "UpdateSchedule", "UpdateScripting", "ViewScriptKeys", "AddScripting",
            "ShowMessage",    "SystemInfo",     "AddTaskWizard",   "SpecialEventWizard"};
}

QStringList WindowSettingsEntries()
{
    return {"Maximize", "XPosit", "YPosit", "Width", "Height", "?Browse:1", "?Browse:2", "WindowScaled"};
}

bool ResetSavedWindowSettings(IniFile& programIni, IniFile& positionIni)
{
    // One rewrite per file: entry by entry, hundreds of synced rewrites would
    // freeze the window for seconds.
    QList<IniWrite> writes;
    const QStringList entries = WindowSettingsEntries();
    for (const QString& procedure : WindowSettingsProcedures())
        for (const QString& entry : entries)
            writes.append(IniWrite{procedure, entry, QString()});
    const bool programWritten = programIni.PutMany(writes);
    const bool positionWritten = positionIni.PutMany(writes);
    return programWritten && positionWritten;
}

} // namespace vl

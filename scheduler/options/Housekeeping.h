#pragma once
// The housekeeping actions of the Options window: removing disabled or
// completed tasks, clearing the to-do list and resetting the saved window
// settings. Each action is a plain function over the tables or INI files it
// changes; the window asks first (AskHousekeeping) and reports when done.
// Errors are shown through the prompt service as they happen.

#include "core/dictionary/Relations.h"
#include "core/dictionary/ScheduleRecord.h"
#include "core/dictionary/TodoRecord.h"
#include "platform/data/Table.h"
#include "platform/runtime/IniFile.h"

#include <QString>
#include <QStringList>

namespace vl {

inline constexpr char kHousekeepingCaption[] = "Housekeeping";

// Asks the question (Yes/No, No the default); true only for Yes.
bool AskHousekeeping(const QString& question);

// Deletes every task whose Disabled is 1, reading the Schedule table in
// KEYDATEENABLED order from the first disabled task. Deleting goes through
// the relations, so a task's script items go with it. A read error ends the
// scan, a delete error skips that task; both are shown
// ("Cannot Remove History"). Returns the number of tasks deleted.
int RemoveDisabledTasks(Table<ScheduleRecord>& schedule, RelationSet& relations);

// The same for every task whose Completed is set, over the whole table.
int RemoveCompletedTasks(Table<ScheduleRecord>& schedule, RelationSet& relations);

// Deletes every to-do record in file order; errors as above
// ("Cannot Remove To Do List"). Returns the number deleted.
int ClearTodoList(Table<TodoRecord>& todo);

// The procedures whose saved window settings are reset, and the entries
// reset in each one's section.
QStringList WindowSettingsProcedures();
QStringList WindowSettingsEntries();

// Writes an empty value for every entry of every procedure's section, in
// both files. False when a file could not be written (the other entries are
// still written).
bool ResetSavedWindowSettings(IniFile& programIni, IniFile& positionIni);

} // namespace vl

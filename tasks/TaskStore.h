#pragma once
// How the task form reads and stores its task. The form edits a copy of its
// own; nothing is shared with the scheduler or another window, so storing it
// must not undo what they stored meanwhile: the task is read again and the
// two edits are merged field by field (TaskMerge.h). Where both changed one
// field the user is asked whose value to keep; a task deleted meanwhile is
// stored again only when the user says so. The write itself is one
// transaction: the task, the copy of a shifted occurrence, the stamps.
//
// A new task takes its ID when the form opens, so that its script can be
// stored under it: the task is added disabled (the scheduler passes over
// it) and completed or removed when the form closes.

#include "core/dictionary/Dictionary.h"

#include <QString>

#include <optional>

namespace vl {

inline constexpr char kTaskChangedCaption[] = "Task Changed Meanwhile";
inline constexpr char kTaskChangedButtons[] = "&Keep Mine|&Take Stored|Cancel";
inline constexpr char kTaskGoneCaption[] = "Task Deleted Meanwhile";
inline constexpr char kTaskFileErrorCaption[] = "Schedule";
inline constexpr char kAutoIncrementCaption[] = "Internal Error";
inline constexpr char kAutoIncrementText[] = "Auto-increment error.  Could not set unique schedule ID.";

// The question when both changed fields: the description and the fields.
QString TaskChangedText(const QString& description, const QStringList& fields);
// The question when the task was deleted meanwhile.
QString TaskGoneText(const QString& description);

// The task stored under the ID, if any; when there is none, the table's
// error tells whether it is gone (35) or could not be read.
std::optional<ScheduleRecord> ReadTask(Table<ScheduleRecord>& schedule, int32_t id);

// True when the task has at least one script item.
bool TaskHasScriptItems(Table<ScriptingRecord>& scripting, int32_t id);

// Adds the new task disabled under the next free ID. The task takes its ID
// and record pointer and keeps its own Disabled; `stored` is the task as
// stored. False with the table's error.
bool ReserveTask(Table<ScheduleRecord>& schedule, ScheduleRecord& task, ScheduleRecord& stored);
// Tells why ReserveTask failed: a write that failed (a full disk, a damaged
// file) as every write of a task tells it; only an ID the numbering could
// not make unique is an auto-increment error.
void ShowReserveFailure(const DataError& error);

// Removes a reserved task and every script item stored under its ID, in one
// transaction. With the reservation's record pointer given, a task found
// under the ID with another pointer is not the reservation (which was
// removed meanwhile and its ID taken again): it and its script stay. A
// failure is shown; false then.
bool ReleaseTask(Dictionary& tables, int32_t id, int64_t recordPointer = 0);

enum class TaskSaved {
    Saved,  // stored; task and base hold what was stored
    Kept,   // the user chose to go back to the form; nothing stored
    Failed, // a file error, shown to the user
};

// What becomes of a task deleted meanwhile (or whose ID another task has
// taken since): the form asks whether to store it again; a wizard, whose
// task exists only as its reserved placeholder, stores it again at once.
enum class TaskGone { Ask, StoreAgain };

// Stores the task the form edited from base (the task as the form read or
// last stored it): merged with what was stored meanwhile, completed by
// DescribeTaskType, written in one transaction. A task gone meanwhile is
// added again, under its own ID while that is free, else under a new one.
TaskSaved SaveTask(Dictionary& tables, ScheduleRecord& task, ScheduleRecord& base, TaskGone gone = TaskGone::Ask);

// Deletes the task as it is stored now, with its script items. A task
// already gone counts as deleted. A failure is shown; false then.
bool DeleteTask(Dictionary& tables, int32_t id);

} // namespace vl

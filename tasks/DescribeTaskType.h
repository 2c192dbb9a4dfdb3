#pragma once
// A task's last touches before it is stored from the task form or a wizard:
// the default command, description and category, its exceptions, and the
// stamps of the user and moment of the change.

#include "core/schedule/TaskExceptions.h"

namespace vl {

inline constexpr char kScriptOnlyCommand[] = "N/A";
inline constexpr char kDefaultCategory[] = "General";

// In this order: a blank command of a "Run Program", "Both" or "Hot Key"
// task becomes "N/A" (no program, the script only); a blank description
// becomes one made from the task type ("Reminder: ", "Message: " and the
// message on one line, "Run: " and the command, "Script: " and today's date for "N/A",
// "Hot Key " and the ID, "Message/Run Program"), cut to 40; a blank category
// becomes "General"; the exceptions move the next run (ApplyTaskExceptions,
// which may store the task and the copy of a shifted occurrence); then
// NETWORKUSER, LASTCHANGEDATE and LASTCHANGETIME are stamped, and a zero
// ORIGINALID takes the ID. The caller stores the task afterwards (it has a
// record pointer when the exceptions stored it).
void DescribeTaskType(ScheduleRecord& task, ExceptionTables tables);

// DescribeTaskType's steps apart from the exceptions, for a task whose next
// run must stay where it is: the defaults of a blank command, description
// and category, and the stamps of the change.
void FillTaskDefaults(ScheduleRecord& task);
void StampTaskChange(ScheduleRecord& task);

} // namespace vl

#pragma once
// The task a wizard creates: started from the wizard's defaults, reserved
// under its ID while the wizard is open (tasks/TaskStore.h: stored disabled,
// so that script items can be stored under it and the scheduler passes over
// it), completed by Finish and removed with its script by Cancel.
//
// The special event wizard starts from a copy of a stored task instead: a
// one-time task with the source's script copied under its own ID, so that
// the wizard's "&Scripting" edits the copy's script and never the source's.

#include "core/dictionary/Dictionary.h"
#include "tasks/TaskStore.h"

#include <QString>

#include <optional>

namespace vl {

inline constexpr char kSkipReadFailedText[] = "Could not set SKIP status  ID #";
inline constexpr char kSkipWriteFailedText[] = "Could not change SKIP status ";

// A new task of the wizard's type: the task form's defaults (today, now,
// "Day of Week" on every day, ...) in the category "General", which the
// Categories table gets when it lacks it.
ScheduleRecord PrimeWizardTask(Dictionary& tables, const QString& taskType);

// The script wizard's new task: the wizard's defaults for a "Run Program"
// task whose command is "N/A", the script only.
ScheduleRecord PrimeScriptTask(Dictionary& tables);

inline constexpr char kHotKeyCategory[] = "Hot Key";
inline constexpr char kHotKeyDescriptionStart[] = "Hot Key ";

// The new task a hot key runs: "Hot Key " and the key text in the category
// "Hot Key", its command "N/A", kept off the schedule (KeepOffSchedule).
ScheduleRecord PrimeHotKeyTask(Dictionary& tables, const QString& hotKey);

// The hot key's stored task: the task under the ID when it is a "Hot Key"
// task; another task under the ID is never the hot key's. Nothing when there
// is none, nor when the table could not be read (shown; *failed is set).
std::optional<ScheduleRecord> StoredHotKeyTask(Dictionary& tables, int32_t taskId, bool* failed);

// A hot key's task never comes due by date: type "Hot Key", no date or
// time, no weekdays, no exceptions.
void KeepOffSchedule(ScheduleRecord& task);

// A new wizard task started from what another window made of something
// (a to-do item): the seed's message, description, date and time, and its
// category when it names one, over the wizard's defaults.
void SeedWizardTask(ScheduleRecord& task, const ScheduleRecord& seed);

// The special event made of a stored task: a copy (TaskFormRules.h
// CopyOfTask) that runs once, on the day the user gives, so without the
// source's repetition and exceptions.
ScheduleRecord SpecialEventCopy(const ScheduleRecord& source);

// Reserves the task under the next free ID (base: the task as stored). A
// failure is shown ("Internal Error"); false then.
bool ReserveWizardTask(Dictionary& tables, ScheduleRecord& task, ScheduleRecord& base);

// Finish: the task is stored over its reservation, not completed (its
// "&Disable" box as the user left it), completed by DescribeTaskType. When
// the reservation was removed meanwhile (housekeeping, another window) the
// task is stored again all the same.
TaskSaved FinishWizardTask(Dictionary& tables, ScheduleRecord& task, ScheduleRecord& base);

// Finish of the script wizard: stored as Finish stores a wizard's task,
// with its flags as the user left them; a hot key's task is kept off the
// schedule first.
TaskSaved FinishScriptTask(Dictionary& tables, ScheduleRecord& task, ScheduleRecord& base, bool hotKey);

// Finish of the special event: the copy is stored without the skip flag;
// when the flag was ticked the source skips its next regular run instead
// (SkipNextRegularRun).
TaskSaved FinishSpecialEvent(Dictionary& tables, ScheduleRecord& copy, ScheduleRecord& base, int32_t sourceId);

// The source task, read again as stored now, is marked to skip its next
// run; its blank fields take their defaults and its change is stamped, its
// next run stays. A failure is shown; false then.
bool SkipNextRegularRun(Dictionary& tables, int32_t sourceId);

} // namespace vl

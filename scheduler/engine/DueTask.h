#pragma once
// Performing the task that is due: the third phase of the frame's cycle
// finds the next task, shows it, and performs it once its moment has come
// (alarm, skip rules and questions, message, program and script), then moves
// it to its next occurrence, or completes or deletes a one-time task, and
// keeps a history record of the run. The task lists perform a task at once
// or start a one-time copy of it a little later.
//
// Everything runs on the GUI thread, from the frame's timer or a list. A
// question asked while a task is performed keeps the frame's tick running
// until it is answered; the tick never starts again meanwhile, so a task is
// performed once however long the question stays open.
//
// The tables used are the program-wide Schedule, Scripting and Holidays
// (open, or marked for use, as the frame leaves them).

#include "core/dictionary/ScheduleRecord.h"

namespace vl {

// Event-log labels of the scheduler.
inline constexpr char kOverdueSkippedLabel[] = "Overdue task skipped";
inline constexpr char kSkippedDuringScriptLabel[] = "Task skipped during script";
inline constexpr char kMissedSkippedLabel[] = "Missed task skipped";
inline constexpr char kTaskSkippedLabel[] = "Task skipped";

// The questions before a run.
inline constexpr char kMissedTaskCaption[] = "Missed Task";
inline constexpr char kMissedTaskQuestion[] = " was not run.  Run it now?";
inline constexpr char kConfirmTaskCaption[] = "Confirm Task";
inline constexpr char kConfirmTaskQuestion[] = " is due to run.  Run it now?";

// Phase 3: stores the held runs when it now can, reads the first dated task
// in SCH:KEYDATEENABLED order (passing over an occurrence performed but not
// stored; the read is skipped while the table and the clock give the same
// answer, DueTaskLookup.h), shows it as the next task (status bar and tray
// tip; "No tasks pending" when every task is disabled or there is none), and
// performs it when it is due. A failed read changes nothing; the next cycle
// tries again.
void FindDueTask();

// Performs the task as found due and stores what follows from the run. A
// run whose outcome cannot be stored is held (UnstoredRuns.h) and the task is
// not performed again at that occurrence.
void ExecuteTask(ScheduleRecord task);

// Tries again to store the held runs; each one stored leaves the set.
void RetryUnstoredRuns();

// Asks, when the rules call for it, whether a missed task ("Missed Task") or
// a task that wants confirmation ("Confirm Task") is to run; a No is logged.
// True when the task is to run.
bool ConfirmTaskRun(const ScheduleRecord& task);

// Brings the frame back from the tray when the task needs it (MaximizeOnRun,
// or a message the program shows in a window of its own).
void RestoreFrameForTask(const ScheduleRecord& task);

// Sounds the task's alarm when it has one: the beep for "BEEP", else its WAV
// file, without waiting.
void SoundTaskAlarm(const ScheduleRecord& task);

// Tells every open task list to refresh (event 1090).
void NotifyBrowseThreads();

// Performs the task at once, on the user's request: alarm, message, program
// and script, with no skip rule, no question, no next run and no history.
void PerformTaskNow(const ScheduleRecord& task);

// Adds a one-time copy of the task due `delay` hundredths (and one second)
// from now, with a copy of its script. The new task's ID, or 0 when it
// could not be added (the user has been told).
int32_t AddQuickStartTask(const ScheduleRecord& task, ClockTime delay);

// Plugs the due-task lookup and the exit-code log into the frame's cycle
// (phases 3 and 4).
void InstallDueTaskRoutines();

} // namespace vl

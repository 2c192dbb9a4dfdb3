#pragma once
// The task form's rules that need no window: which controls a task type and
// a schedule type show, what a new task and a copy start with, and where a
// new task's date goes when it does not fit its repetition.

#include "core/dictionary/ScheduleRecord.h"
#include "platform/data/TableDef.h"
#include "platform/ui/FormRequest.h"

#include <QString>

namespace vl {

inline constexpr char kNoneTaskType[] = "None";
// A reminder ("None") opens no window and starts no program; it is due just
// before midnight (23:59:54.99).
inline constexpr ClockTime kReminderTime = 8'639'500;

inline constexpr char kEveryGroupCaption[] = "&Every...";
inline constexpr char kRepeatGroupCaption[] = "&Repeat (Per Month)";
inline constexpr char kMonthRepeatOnce[] = "Once";

inline constexpr char kDateMismatchCaption[] = "Warning";
inline constexpr char kDateMismatchText[] = "Date given does not match schedule type.";
inline constexpr char kOffsetTipsCaption[] = "Offset Tips";
inline constexpr char kOffsetTipsText[] =
    "\"Days to Offset\" allows you to shift the semi-monthly dates.  For example, if you have selected "
    "\"Twice - 1st, 15th\", an offset of \"3\" will make Velmora run your task on the 4th and 18th of every "
    "month. If you have selected \"Twice - 15th, Last\", an offset of \"-1\" will make Velmora run your task on "
    "the 14th and 2nd last day of every month.";

// What the task type shows: the "&Command" tab with its controls, the
// "&Message" tab, and the "T&ime:" prompt and spin.
struct TaskTypeControls {
    bool command = false;
    bool message = false;
    bool time = false;
};

// The task-type rule; a "None" task takes kReminderTime as its time.
TaskTypeControls ApplyTaskTypeRule(ScheduleRecord& task);

// What the schedule type shows inside the group "&Every..." and beside it.
struct ScheduleTypeControls {
    QString groupCaption = QString::fromLatin1(kEveryGroupCaption);
    bool weekdays = false;        // "Sunday" .. "Saturday"
    bool weeks = false;           // "1st" .. "Last" and "Month End"
    bool dayBoxesEnabled = true;  // weekday and week boxes other than "Month End"
    bool repeat = false;          // "Repeat", "Days to Offset:", its spin and "Ti&ps"
    bool offsetEnabled = false;   // "Days to Offset:" and its spin
    bool every = false;           // "Every:", its entry and "Every Type"
    bool except = false;          // "E&xcept"
};

// The schedule-type rule. A "Monthly" task whose repeat is not a twice-a-month
// one ("T...") is set to repeat "Once".
ScheduleTypeControls ApplyScheduleTypeRule(ScheduleRecord& task);

// A new task: blank and zero but for the table's insert defaults and the
// form's own: "Both", "Day of Week" on all seven days, "Last" ticked, Warn on,
// every 1 "hour(s)", due at dateToUse (today when 0) at the present time.
// Completed, AdvanceWarned and Disabled are clear.
ScheduleRecord NewTask(const TableDef& schedule, Date dateToUse);

// A task to be stored as a copy of the source: every field the user set is
// kept; what belongs to the source alone is not (its ID, synchronisation
// identity, link to a shifted occurrence, last run, run status), and
// Completed, AdvanceWarned and Disabled are clear.
ScheduleRecord CopyOfTask(const ScheduleRecord& source);

// A new task whose date does not fit its repetition moves to its next
// occurrence after the present moment (a zero date counts as today, a zero
// time as now). True when the task moved.
bool MoveToFittingDate(ScheduleRecord& task);

// A blank message takes the description.
void FillBlankMessage(ScheduleRecord& task);

inline constexpr char kNothingToDoCaption[] = "Nothing to Do";
inline constexpr char kNothingToDoText[] =
    "This task has nothing to do: it has no description, no program or script items to run and no "
    "message to show.|Give it a description, a command, script items or a message.";

// True when the task would do nothing a user could tell apart from another
// blank task: no description, nothing to run (a blank or "N/A" command and
// no script items, or a type that starts no program) and nothing to show (a
// blank message, or a type that shows none).
bool TaskHasNothingToDo(const ScheduleRecord& task, bool hasScriptItems);

inline constexpr char kNoScriptItemsCaption[] = "Execute/Test";
// Says that the task runs nothing but its script, which it does not have.
QString NoScriptItemsText(const QString& description);

// True when all the task runs is its script: a "Run Program" or "Hot Key"
// task whose command is blank or "N/A". Without script items such a task
// does nothing when performed.
bool TaskRunsOnlyItsScript(const ScheduleRecord& task);

// "New Task", "Edit Task", "View Task" or "Delete Task", two blanks and the
// clipped description in parentheses (the caption alone while it is blank).
QString TaskFormTitle(FormRequest request, const QString& description);

} // namespace vl

#pragma once
// The rules of performing a due task that need no table and no window: when
// a task is due, overdue or missed, what the status bar and the tray tip
// say, how a run's advance warning follows the task to its next occurrence,
// how a run becomes its history record, and what a quick start makes.

#include "core/dictionary/ScheduleRecord.h"
#include "platform/runtime/Calendar.h"

#include <QList>
#include <QString>

#include <cstdint>

namespace vl {

inline constexpr char kNoTasksPending[] = "No tasks pending";
inline constexpr char kNextTaskPrefix[] = "Next: ";
inline constexpr int kNextTaskTextSize = 30;
inline constexpr char kSkippedPrefix[] = "(Skipped) ";
inline constexpr int kDescriptionSize = 40;

// Task types.
inline constexpr char kRunProgramType[] = "Run Program";
inline constexpr char kDisplayMessageType[] = "Display Message";
inline constexpr char kBothType[] = "Both";

// A task this late (in hundredths of a second) counts as overdue: ten minutes.
inline constexpr int64_t kOverdueAfter = 60'000;

// "Next: " and the clipped description, the whole cut to 30 characters.
QString NextTaskStatus(const QString& description);
// The tray tip of the next task: the product name, " - ", the description,
// its date in the user's picture and its time in @T7.
QString NextTaskTrayTip(const ScheduleRecord& task);

// How late the task is at (today, now), in hundredths; negative when it is
// not yet due. Measured across midnight: a task due 23:59 is two minutes
// late at 00:01 of the next day.
int64_t HundredthsLate(const ScheduleRecord& task, Date today, ClockTime now);
// Its date and time have come (compared date first, as CompareRunTimes).
bool IsDue(const ScheduleRecord& task, Date today, ClockTime now);
// More than ten minutes late.
bool IsOverdue(const ScheduleRecord& task, Date today, ClockTime now);
// Late enough that the user is asked whether to run it still: with
// skipIfDaysPassed 0, today is later than the day after its date; with N
// above 0, (today, now) is later than (its date + N, its time). Only for a
// task with Warn set that is not a "Display Message" task.
bool IsMissedTask(const ScheduleRecord& task, Date today, ClockTime now, int32_t skipIfDaysPassed);

bool ShowsMessage(const QString& taskType);  // "Display Message" or "Both"
bool StartsProgram(const QString& taskType); // "Run Program" or "Both"

// Whether a due task brings the frame back from the tray: always with
// maximizeOnRun; otherwise for a message the program shows in an ordinary
// window of its own (neither modal messages nor the message program).
bool FrameRestoresForTask(const QString& taskType, bool maximizeOnRun, bool useModalMessage,
                          bool useMessageProgram);

// The occurrence being performed, as it was when it fell due.
struct RunOccurrence {
    Date date = 0;
    ClockTime time = 0;
    Date warnDate = 0;
    ClockTime warnTime = 0;
};
RunOccurrence OccurrenceOf(const ScheduleRecord& task);

// The advance warning as an offset from its occurrence while the next one is
// computed: each non-zero part is made relative to the task's date or time,
// and anchored to the new occurrence afterwards. A warning time that falls
// outside the day it is anchored to moves to the day it belongs to.
struct RelativeWarning {
    bool date = false;
    bool time = false;
};
RelativeWarning MakeWarningRelative(ScheduleRecord& task);
void AnchorWarning(ScheduleRecord& task, RelativeWarning relative);

// A finished record: completed, disabled, with the run's own date, time and
// advance warning.
void MarkTaskDone(ScheduleRecord& task, const RunOccurrence& run);
// The history record of a run: MarkTaskDone, and, when the run was skipped,
// "(Skipped) " in front of the description (cut to 40) and Skipped set.
void MakeHistoryRecord(ScheduleRecord& task, const RunOccurrence& run, bool skipped);

// The delays the quick start offers, in the order of its menu.
struct QuickStartDelay {
    QString label;
    ClockTime hundredths = 0;
};
QList<QuickStartDelay> QuickStartDelays();

// The one-time copy of a task due `delay` hundredths and one second after
// (today, now), folded past midnight: enabled, not completed nor skipped,
// without advance warning, with nothing left of the original's next
// occurrence (skip mark, shifted-copy link). Its ID is left for the add.
ScheduleRecord QuickStartCopy(const ScheduleRecord& task, ClockTime delay, Date today, ClockTime now);

} // namespace vl

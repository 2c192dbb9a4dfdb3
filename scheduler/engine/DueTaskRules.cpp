#include "scheduler/engine/DueTaskRules.h"

#include "core/base/UserDate.h"
#include "core/schedule/RunTimes.h"
#include "core/base/Globals.h"
#include "platform/runtime/FixedText.h"
#include "platform/runtime/Picture.h"

namespace vl {

namespace {

const char kOnceType[] = "Once";

// One second: a quick start falls due just after the chosen delay.
constexpr ClockTime kOneSecond = 100;

bool IsType(const QString& taskType, const char* name)
{
    return Clip(taskType) == QLatin1String(name);
}

// Brings a time back into its day in both directions (a relative warning
// time can fall before midnight of the day it is anchored to).
void FoldIntoDay(Date& date, ClockTime& time)
{
    int64_t days = date;
    int64_t hundredths = time;
    CarryDays(days, hundredths);
    while (hundredths < 1) {
        hundredths += kClockPerDay;
        --days;
    }
    date = static_cast<Date>(days);
    time = static_cast<ClockTime>(hundredths);
}

} // namespace

QString NextTaskStatus(const QString& description)
{
    return CutTo(QLatin1String(kNextTaskPrefix) + Clip(description), kNextTaskTextSize);
}

QString NextTaskTrayTip(const ScheduleRecord& task)
{
    return Clip(ProductName) + QStringLiteral(" - ") + Clip(task.Description) + QLatin1Char(' ')
           + FormatUserDate(task.Date) + QLatin1Char(' ') + Picture::Format(task.Time, QStringLiteral("@T7"));
}

int64_t HundredthsLate(const ScheduleRecord& task, Date today, ClockTime now)
{
    int64_t dueDate = task.Date;
    int64_t dueTime = task.Time;
    CarryDays(dueDate, dueTime);
    int64_t nowDate = today;
    int64_t nowTime = now;
    CarryDays(nowDate, nowTime);
    return (nowDate - dueDate) * kClockPerDay + (nowTime - dueTime);
}

bool IsDue(const ScheduleRecord& task, Date today, ClockTime now)
{
    return CompareRunTimes(today, now, task.Date, task.Time) >= 0;
}

bool IsOverdue(const ScheduleRecord& task, Date today, ClockTime now)
{
    return HundredthsLate(task, today, now) > kOverdueAfter;
}

bool IsMissedTask(const ScheduleRecord& task, Date today, ClockTime now, int32_t skipIfDaysPassed)
{
    if (!task.Warn || IsType(task.TaskType, kDisplayMessageType))
        return false;
    if (skipIfDaysPassed <= 0)
        return static_cast<int64_t>(today) > static_cast<int64_t>(task.Date) + 1;
    const int64_t lastDay = static_cast<int64_t>(task.Date) + skipIfDaysPassed;
    return today > lastDay || (today == lastDay && now > task.Time);
}

bool ShowsMessage(const QString& taskType)
{
    return IsType(taskType, kDisplayMessageType) || IsType(taskType, kBothType);
}

bool StartsProgram(const QString& taskType)
{
    return IsType(taskType, kRunProgramType) || IsType(taskType, kBothType);
}

bool FrameRestoresForTask(const QString& taskType, bool maximizeOnRun, bool useModalMessage,
                          bool useMessageProgram)
{
    if (maximizeOnRun)
        return true;
    return !useModalMessage && !useMessageProgram && ShowsMessage(taskType);
}

RunOccurrence OccurrenceOf(const ScheduleRecord& task)
{
    return {task.Date, task.Time, task.AdvanceWarnDate, task.AdvanceWarnTime};
}

RelativeWarning MakeWarningRelative(ScheduleRecord& task)
{
    RelativeWarning relative;
    if (task.AdvanceWarnDate != 0) {
        task.AdvanceWarnDate -= task.Date;
        relative.date = true;
    }
    if (task.AdvanceWarnTime != 0) {
        task.AdvanceWarnTime -= task.Time;
        relative.time = true;
    }
    return relative;
}

void AnchorWarning(ScheduleRecord& task, RelativeWarning relative)
{
    if (relative.date)
        task.AdvanceWarnDate += task.Date;
    if (relative.time)
        task.AdvanceWarnTime += task.Time;
    if (relative.date && relative.time)
        FoldIntoDay(task.AdvanceWarnDate, task.AdvanceWarnTime);
}

void MarkTaskDone(ScheduleRecord& task, const RunOccurrence& run)
{
    task.Completed = 1;
    task.Disabled = 1;
    task.Date = run.date;
    task.Time = run.time;
    task.AdvanceWarnDate = run.warnDate;
    task.AdvanceWarnTime = run.warnTime;
}

void MakeHistoryRecord(ScheduleRecord& task, const RunOccurrence& run, bool skipped)
{
    MarkTaskDone(task, run);
    if (!skipped)
        return;
    task.Description = CutTo(QLatin1String(kSkippedPrefix) + Clip(task.Description), kDescriptionSize);
    task.Skipped = 1;
}

QList<QuickStartDelay> QuickStartDelays()
{
    return {
        {QStringLiteral("5 minutes"), 5 * kClockPerMinute},
        {QStringLiteral("10 minutes"), 10 * kClockPerMinute},
        {QStringLiteral("30 minutes"), 30 * kClockPerMinute},
        {QStringLiteral("1 hour"), kClockPerHour},
        {QStringLiteral("2 hours"), 2 * kClockPerHour},
        {QStringLiteral("3 hours"), 3 * kClockPerHour},
    };
}

ScheduleRecord QuickStartCopy(const ScheduleRecord& task, ClockTime delay, Date today, ClockTime now)
{
    ScheduleRecord copy = task;
    copy.RecordPointer = 0;
    copy.Date = today;
    copy.Time = now + delay + kOneSecond;
    CarryDays(copy.Date, copy.Time);
    copy.ScheduleType = QLatin1String(kOnceType);
    copy.AdvanceWarnDate = 0;
    copy.AdvanceWarnTime = 0;
    copy.AdvanceWarned = 0;
    copy.Disabled = 0;
    copy.Completed = 0;
    copy.Skipped = 0;
    // The copy is a new occurrence of its own: the original's mark to skip
    // its next occurrence and its link to a shifted copy are not the copy's.
    copy.SkipNextTime = 0;
    copy.EXCEPTIONLINK = 0;
    return copy;
}

} // namespace vl

#include "core/schedule/NextRun.h"

#include "core/schedule/RunTimes.h"
#include "core/schedule/ScheduleRules.h"
#include "platform/ui/PromptService.h"

#include <algorithm>

namespace vl {
namespace {

// The occurrence is not yet past the limit one minute after the moment. The
// limit is not folded: close to midnight it reaches beyond the day's length
// on the same date.
bool BeforeLimit(const ScheduleRecord& task, Date fromDate, ClockTime fromTime)
{
    if (task.Date != fromDate)
        return task.Date < fromDate;
    return int64_t{task.Time} <= int64_t{fromTime} + kClockPerMinute;
}

// Moves the date by `next` (always forward) while the occurrence is not yet
// past the limit; a step beyond the calendar's last day ends there.
template <typename Next>
void StepPastLimit(ScheduleRecord& task, Date fromDate, ClockTime fromTime, Next next)
{
    while (BeforeLimit(task, fromDate, fromTime)) {
        const int64_t date = next(task.Date);
        task.Date = ClampToScheduleDates(date);
        if (date >= LastScheduleDate())
            return;
    }
}

// A date past the calendar's end, for steps whose year would leave it.
int64_t BeyondLastDate() { return int64_t{LastScheduleDate()} + 1; }

// Twice a month: from the base day (the date less the offset) to the 15th or
// to the month's other run, then the offset is added back. A base day after
// the 15th that is not a run day moves to the month's next run day, so that
// no run is skipped: the 1st of the next month, or for "15th, Last" the last
// day of the base's month.
int64_t NextTwiceMonthly(const ScheduleRecord& task, Date date)
{
    const int32_t offset = TwiceMonthlyOffset(task);
    const Date base = date - offset;
    const DayMonthYear b = SplitDate(base);
    const bool onLastDay = TwiceMonthlyOnLastDay(task);
    Date next = 0;
    if (b.day == 15)
        next = MakeDate(b.month + 1, onLastDay ? 0 : 1, b.year);
    else if (b.day < 15)
        next = MakeDate(b.month, 15, b.year);
    else if (!onLastDay)
        next = MakeDate(b.month + 1, 1, b.year);
    else if (!IsLastDayOfMonth(base))
        next = LastDayOfMonth(base);
    else
        next = MakeDate(b.month + 1, 15, b.year);
    return int64_t{next} + offset;
}

// The same day of the next month; the date constructor carries a day the
// month lacks (31 January gives 3 March).
int64_t NextMonth(Date date, int64_t months)
{
    const DayMonthYear dmy = SplitDate(date);
    const int64_t monthIndex = int64_t{dmy.month} - 1 + months;
    const int64_t year = dmy.year + monthIndex / 12;
    if (year > YearOf(LastScheduleDate()))
        return BeyondLastDate();
    return MakeDate(static_cast<int>(monthIndex % 12) + 1, dmy.day, static_cast<int>(year));
}

int64_t NextYear(Date date, int64_t years)
{
    const DayMonthYear dmy = SplitDate(date);
    const int64_t year = dmy.year + years;
    if (year > YearOf(LastScheduleDate()))
        return BeyondLastDate();
    return MakeDate(dmy.month, dmy.day, static_cast<int>(year));
}

void NextDayOfWeek(ScheduleRecord& task, Date fromDate, ClockTime fromTime)
{
    // Days before the moment's date are never past the limit: the search may
    // as well start on the day before it.
    if (task.Date < fromDate - 1)
        task.Date = fromDate - 1;
    StepPastLimit(task, fromDate, fromTime, [&task](Date date) { return NextFlaggedDay(task, date); });
}

void NextDayOfMonth(ScheduleRecord& task, Date fromDate)
{
    const Date start = std::max(task.Date, fromDate);
    if (task.LastDayofMonth) {
        task.Date = ClampToScheduleDates(LastDayOfMonth(start + 1));
        return;
    }
    // Every weekday occurs in each week of a month, so a date is found within
    // about five weeks.
    Date date = start;
    do
        date = NextFlaggedDay(task, date);
    while (!FitsWeekOfMonthFlags(task, date) && date < LastScheduleDate());
    task.Date = ClampToScheduleDates(date);
}

// Every N minutes or hours: N div unitsPerDay whole days and the rest in
// hundredths per step, folded past midnight, at least one step and until the
// occurrence is later than the moment. The whole days are a full count, never
// cut to a byte, so a long step cannot wrap.
void StepClock(ScheduleRecord& task, Date fromDate, ClockTime fromTime, int64_t every, int64_t unitsPerDay,
               int64_t unit)
{
    const int64_t days = every / unitsPerDay;
    const int64_t rest = (every % unitsPerDay) * unit;
    int64_t fromDay = fromDate;
    int64_t fromClock = fromTime;
    CarryDays(fromDay, fromClock);

    int64_t date = task.Date;
    int64_t time = task.Time;
    const auto later = [&] { return date > fromDay || (date == fromDay && time > fromClock); };
    bool jumped = false;
    do {
        date += days;
        time += rest;
        CarryDays(date, time);
        if (date >= LastScheduleDate()) {
            date = LastScheduleDate();
            break;
        }
        // A task far behind the moment (every minute, last run years ago)
        // takes at once the whole steps that end more than two days before
        // the moment: with times within one day these are all earlier than
        // the moment, so stepping one by one would pass them too.
        if (!jumped && time >= 0 && fromClock >= 0) {
            jumped = true;
            const int64_t stepLength = days * kClockPerDay + rest;
            const int64_t gap = (fromDay - 2) * kClockPerDay + fromClock - (date * kClockPerDay + time);
            if (gap > 0) {
                const int64_t steps = gap / stepLength;
                date += steps * days;
                time += steps * rest;
                CarryDays(date, time);
            }
        }
    } while (!later());
    task.Date = static_cast<Date>(date);
    task.Time = static_cast<ClockTime>(time);
}

// Every N days or weeks.
void StepDays(ScheduleRecord& task, Date fromDate, ClockTime fromTime, int64_t step)
{
    // Whole steps that end before the moment's date are taken at once.
    if (task.Date < fromDate) {
        const int64_t steps = (int64_t{fromDate} - 1 - task.Date) / step;
        task.Date = ClampToScheduleDates(task.Date + steps * step);
    }
    StepPastLimit(task, fromDate, fromTime, [step](Date date) { return date + step; });
}

void NextCustom(ScheduleRecord& task, Date fromDate, ClockTime fromTime, NextRunOperation& operation)
{
    if (task.Every < 1)
        task.Every = 1;
    const int64_t every = task.Every;
    const QString unit = task.EveryType.left(3).toLower();
    if (unit == QLatin1String("min")) {
        StepClock(task, fromDate, fromTime, every, 1440, kClockPerMinute);
    } else if (unit == QLatin1String("hou")) {
        StepClock(task, fromDate, fromTime, every, 24, kClockPerHour);
    } else if (unit == QLatin1String("day")) {
        StepDays(task, fromDate, fromTime, every);
    } else if (unit == QLatin1String("wee")) {
        StepDays(task, fromDate, fromTime, 7 * every);
    } else if (unit == QLatin1String("mon")) {
        StepPastLimit(task, fromDate, fromTime, [every](Date date) { return NextMonth(date, every); });
    } else if (unit == QLatin1String("yea")) {
        StepPastLimit(task, fromDate, fromTime, [every](Date date) { return NextYear(date, every); });
    } else {
        if (!operation.invalidUnitsShown) {
            operation.invalidUnitsShown = true;
            Prompt::Message(QString::fromLatin1(kInvalidUnitsText), QString::fromLatin1(kInvalidUnitsCaption));
        }
        if (task.Date <= fromDate)
            task.Date = ClampToScheduleDates(int64_t{fromDate} + 1);
    }
}

} // namespace

void ComputeNextRun(ScheduleRecord& task, Date fromDate, ClockTime fromTime, NextRunOperation& operation)
{
    if (HasScheduleType(task, kScheduleOnce)) {
        task.Completed = 1;
        return;
    }
    fromDate = ClampToScheduleDates(fromDate);
    task.Date = ClampToScheduleDates(task.Date);

    if (HasScheduleType(task, kScheduleMonthly)) {
        if (RunsTwiceMonthly(task))
            StepPastLimit(task, fromDate, fromTime, [&task](Date date) { return NextTwiceMonthly(task, date); });
        else
            StepPastLimit(task, fromDate, fromTime, [](Date date) { return NextMonth(date, 1); });
    } else if (HasScheduleType(task, kScheduleYearly)) {
        StepPastLimit(task, fromDate, fromTime, [](Date date) { return NextYear(date, 1); });
    } else if (HasScheduleType(task, kScheduleDayOfWeek)) {
        NextDayOfWeek(task, fromDate, fromTime);
    } else if (HasScheduleType(task, kScheduleDayOfMonth)) {
        NextDayOfMonth(task, fromDate);
    } else {
        NextCustom(task, fromDate, fromTime, operation);
    }
}

void ComputeNextRun(ScheduleRecord& task, Date fromDate, ClockTime fromTime)
{
    NextRunOperation operation;
    ComputeNextRun(task, fromDate, fromTime, operation);
}

} // namespace vl

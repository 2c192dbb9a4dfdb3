#include "core/schedule/ScheduleRules.h"

#include "platform/runtime/FixedText.h"

#include <algorithm>

namespace vl {
namespace {

constexpr int32_t kLargestOffset = 1'000'000;

const uint8_t& WeekdayFlag(const ScheduleRecord& task, int weekday)
{
    switch (weekday) {
    case 0: return task.Sunday;
    case 1: return task.Monday;
    case 2: return task.Tuesday;
    case 3: return task.Wednesday;
    case 4: return task.Thursday;
    case 5: return task.Friday;
    default: return task.Saturday;
    }
}

} // namespace

Date FirstScheduleDate()
{
    static const Date first = MakeDate(1, 1, 1);
    return first;
}

Date LastScheduleDate()
{
    static const Date last = MakeDate(12, 31, 9999);
    return last;
}

Date ClampToScheduleDates(int64_t date)
{
    return static_cast<Date>(std::clamp<int64_t>(date, FirstScheduleDate(), LastScheduleDate()));
}

bool HasScheduleType(const ScheduleRecord& task, const char* type)
{
    return Clip(task.ScheduleType) == QLatin1String(type);
}

bool RunsOnWeekday(const ScheduleRecord& task, int weekday)
{
    return WeekdayFlag(task, weekday) != 0;
}

bool HasWeekdayFlag(const ScheduleRecord& task)
{
    for (int weekday = 0; weekday < 7; ++weekday)
        if (RunsOnWeekday(task, weekday))
            return true;
    return false;
}

Date NextFlaggedDay(const ScheduleRecord& task, Date date)
{
    if (!HasWeekdayFlag(task))
        return date + 1;
    do
        ++date;
    while (!RunsOnWeekday(task, WeekdayOf(date)));
    return date;
}

bool FitsWeekdayFlags(const ScheduleRecord& task, Date date)
{
    return !HasWeekdayFlag(task) || RunsOnWeekday(task, WeekdayOf(date));
}

bool FitsWeekOfMonthFlags(const ScheduleRecord& task, Date date)
{
    if (!task.Every1st && !task.Every2nd && !task.Every3rd && !task.Every4th && !task.EveryLast)
        return true;
    const int day = DayOf(date);
    if ((day <= 7 && task.Every1st) || (day >= 8 && day <= 14 && task.Every2nd)
        || (day >= 15 && day <= 21 && task.Every3rd) || (day >= 22 && day <= 28 && task.Every4th))
        return true;
    return task.EveryLast && MonthOf(date + 7) != MonthOf(date);
}

bool IsLastDayOfMonth(Date date)
{
    return MonthOf(date + 1) != MonthOf(date);
}

Date LastDayOfMonth(Date date)
{
    const DayMonthYear dmy = SplitDate(date);
    return MakeDate(dmy.month + 1, 0, dmy.year);
}

bool RunsTwiceMonthly(const ScheduleRecord& task)
{
    return task.MonthRepeat.left(5).toUpper() == QLatin1String("TWICE");
}

bool TwiceMonthlyOnLastDay(const ScheduleRecord& task)
{
    return task.MonthRepeat.toUpper().contains(QLatin1String("LAST"));
}

int32_t TwiceMonthlyOffset(const ScheduleRecord& task)
{
    return std::clamp(task.Offset, -kLargestOffset, kLargestOffset);
}

} // namespace vl

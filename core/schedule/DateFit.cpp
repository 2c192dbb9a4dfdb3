#include "core/schedule/DateFit.h"

#include "core/schedule/ScheduleRules.h"

namespace vl {

bool DateFitsSchedule(const ScheduleRecord& task, Date date)
{
    date = ClampToScheduleDates(date == 0 ? task.Date : date);

    if (HasScheduleType(task, kScheduleMonthly)) {
        if (!RunsTwiceMonthly(task))
            return true;
        const Date base = date - TwiceMonthlyOffset(task);
        const int day = DayOf(base);
        if (day == 15)
            return true;
        if (TwiceMonthlyOnLastDay(task))
            return IsLastDayOfMonth(base);
        return day == 1;
    }
    if (HasScheduleType(task, kScheduleDayOfWeek))
        return FitsWeekdayFlags(task, date);
    if (HasScheduleType(task, kScheduleDayOfMonth)) {
        if (task.LastDayofMonth)
            return IsLastDayOfMonth(date);
        return FitsWeekdayFlags(task, date) && FitsWeekOfMonthFlags(task, date);
    }
    return true;
}

} // namespace vl

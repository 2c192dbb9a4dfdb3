#include "core/schedule/ExcludedDays.h"

#include "platform/runtime/FixedText.h"

namespace vl {
namespace {

constexpr int kMostDaysTested = 366;

void MoveToValidDay(ScheduleRecord& task, ExcludedDays& excluded, int direction)
{
    for (int tested = 0; tested < kMostDaysTested; ++tested) {
        if (!excluded.IsExcluded(task.Date))
            return;
        task.Date += direction;
    }
}

} // namespace

bool HasDayExceptions(const ScheduleRecord& task)
{
    return task.ExceptHolidays || task.ExceptWeekdays || task.ExceptWeekends || !Clip(task.EXCEPTOTHER).isEmpty();
}

ExcludedDays::ExcludedDays(const ScheduleRecord& task, Table<HolidaysRecord>& holidays)
    : task_(task), holidays_(holidays)
{
}

bool ExcludedDays::IsExcluded(Date date)
{
    const int weekday = WeekdayOf(date);
    const bool weekend = weekday == 0 || weekday == 6;
    if (task_.ExceptWeekends && weekend)
        return true;
    if (task_.ExceptWeekdays && !weekend)
        return true;
    if (task_.ExceptHolidays && IsHoliday(date))
        return true;
    return !Clip(task_.EXCEPTOTHER).isEmpty() && task_.EXCEPTOTHER.mid(weekday, 1) == QLatin1String("Y");
}

bool ExcludedDays::IsHoliday(Date date)
{
    if (!holidaysStored_) {
        holidays_.MarkForUse();
        holidaysStored_ = holidays_.Records() > 0;
    }
    if (!*holidaysStored_)
        return false;
    HolidaysRecord holiday;
    holiday.HolidayDate = date;
    return holidays_.Get(HOL_KEYHOLIDAYDATE, holiday);
}

void MoveToNextValidDay(ScheduleRecord& task, ExcludedDays& excluded)
{
    MoveToValidDay(task, excluded, 1);
}

void MoveToPreviousValidDay(ScheduleRecord& task, ExcludedDays& excluded)
{
    MoveToValidDay(task, excluded, -1);
}

} // namespace vl

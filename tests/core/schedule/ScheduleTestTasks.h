#pragma once
// Small builders for the tasks the schedule tests work on.

#include "core/dictionary/ScheduleRecord.h"
#include "platform/runtime/Calendar.h"

#include <QString>

#include <initializer_list>

namespace vl::test {

inline ScheduleRecord TaskOn(const char* scheduleType, Date date, ClockTime time = MakeClock(12, 0))
{
    ScheduleRecord task;
    task.ScheduleType = QString::fromLatin1(scheduleType);
    task.Date = date;
    task.Time = time;
    return task;
}

// Ticks the weekday flags (0 = Sunday .. 6 = Saturday).
inline void TickWeekdays(ScheduleRecord& task, std::initializer_list<int> weekdays)
{
    uint8_t* flags[] = {&task.Sunday, &task.Monday, &task.Tuesday, &task.Wednesday,
                        &task.Thursday, &task.Friday, &task.Saturday};
    for (const int weekday : weekdays)
        *flags[weekday] = 1;
}

inline ScheduleRecord CustomTask(int every, const char* units, Date date, ClockTime time = MakeClock(12, 0))
{
    ScheduleRecord task = TaskOn("Custom", date, time);
    task.Every = every;
    task.EveryType = QString::fromLatin1(units);
    return task;
}

inline ScheduleRecord TwiceMonthlyTask(const char* repeat, int offset, Date date)
{
    ScheduleRecord task = TaskOn("Monthly", date);
    task.MonthRepeat = QString::fromLatin1(repeat);
    task.Offset = offset;
    return task;
}

} // namespace vl::test

#include "tasks/ExceptionRules.h"

namespace vl {

WeekdayMarks ExceptedWeekdays(const QString& exceptOther)
{
    WeekdayMarks days{};
    for (int day = 0; day < 7 && day < exceptOther.size(); ++day)
        days[day] = exceptOther.at(day) == QLatin1Char('Y');
    return days;
}

QString ExceptOtherText(const WeekdayMarks& days)
{
    QString text;
    for (const bool excluded : days)
        text += excluded ? QLatin1Char('Y') : QLatin1Char(' ');
    return text;
}

void DefaultShiftType(ScheduleRecord& task)
{
    if (task.ShiftType.trimmed().isEmpty())
        task.ShiftType = QString::fromLatin1(kShiftSkip);
}

ExceptionControls ControlsForExceptions(const ScheduleRecord& task)
{
    ExceptionControls controls;
    controls.action = task.ExceptWeekends || task.ExceptWeekdays || task.ExceptHolidays;
    controls.timeRange = task.ExceptTime != 0;
    // Both ticked (an imported task): both stay free, so either can be unticked.
    const bool both = task.ExceptWeekends && task.ExceptWeekdays;
    controls.weekends = !task.ExceptWeekdays || both;
    controls.weekdays = !task.ExceptWeekends || both;
    return controls;
}

} // namespace vl

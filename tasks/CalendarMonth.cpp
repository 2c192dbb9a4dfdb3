#include "tasks/CalendarMonth.h"

#include "platform/runtime/Picture.h"

namespace vl {

namespace {

constexpr int kFirstYear = 1801;
constexpr int kLastYear = 2099;

} // namespace

CalendarMonth CalendarMonth::Of(Date date)
{
    return {MonthOf(date), YearOf(date)};
}

QString CalendarMonth::Heading() const
{
    // The month's last day: December 1800 begins before the calendar does.
    const QString longDate = Picture::Format(DateOfDay(Days()), QStringLiteral("@d4"));
    return longDate.left(longDate.indexOf(QLatin1Char(' ')) + 1) + QString::number(year);
}

int CalendarMonth::FirstCell() const
{
    return WeekdayOf(DateOfDay(1));
}

int CalendarMonth::Days() const
{
    return DaysInMonth(month, year);
}

Date CalendarMonth::DateOfDay(int day) const
{
    return MakeDate(month, day, year);
}

CalendarMonth CalendarMonth::PreviousYear() const
{
    return {month, year - 1 < kFirstYear ? kLastYear : year - 1};
}

CalendarMonth CalendarMonth::NextYear() const
{
    return {month, year + 1 > kLastYear ? kFirstYear : year + 1};
}

CalendarMonth CalendarMonth::PreviousMonth() const
{
    // December 1800 holds the calendar's first days (day 1 is the 29th); a
    // month before it holds none and wraps like the year.
    if (year < kFirstYear)
        return {12, kLastYear};
    return month == 1 ? CalendarMonth{12, PreviousYear().year} : CalendarMonth{month - 1, year};
}

CalendarMonth CalendarMonth::NextMonth() const
{
    return month == 12 ? CalendarMonth{1, NextYear().year} : CalendarMonth{month + 1, year};
}

} // namespace vl

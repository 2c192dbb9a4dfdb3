#include "tasks/CalendarMonth.h"

#include "core/schedule/ScheduleRules.h"
#include "platform/runtime/FixedText.h"
#include "platform/runtime/Picture.h"

namespace vl {

namespace {

constexpr int kFirstYear = 1801;
constexpr int kLastYear = 2099;

Date FirstDay(ShownMonth shown)
{
    return MakeDate(shown.month, 1, shown.year);
}

Date LastDay(ShownMonth shown)
{
    return MakeDate(shown.month + 1, 0, shown.year);
}

ShownMonth Carried(int month, int year)
{
    return ShownMonthOf(MakeDate(month, 1, year));
}

} // namespace

ShownMonth ShownMonthOf(Date date)
{
    const DayMonthYear dmy = SplitDate(date);
    return {dmy.month, dmy.year};
}

ShownMonth PreviousYear(ShownMonth shown)
{
    --shown.year;
    if (shown.year <= kFirstYear - 1)
        shown.year = kLastYear;
    return shown;
}

ShownMonth NextYear(ShownMonth shown)
{
    ++shown.year;
    if (shown.year >= kLastYear + 1)
        shown.year = kFirstYear;
    return shown;
}

ShownMonth PreviousMonth(ShownMonth shown)
{
    const ShownMonth previous = Carried(shown.month - 1, shown.year);
    return LastDay(previous) < 1 ? ShownMonth{12, kLastYear} : previous;
}

ShownMonth NextMonth(ShownMonth shown)
{
    const ShownMonth next = Carried(shown.month + 1, shown.year);
    return FirstDay(next) > LastScheduleDate() ? ShownMonth{1, kFirstYear} : next;
}

MonthGrid GridOf(ShownMonth shown)
{
    MonthGrid grid{};
    const Date first = FirstDay(shown);
    const Date last = LastDay(shown);
    const int column = WeekdayOf(first);
    for (Date day = first; day <= last; ++day) {
        if (day >= 1)
            grid[column + (day - first)] = day;
    }
    return grid;
}

QString MonthHeading(ShownMonth shown)
{
    const QString longDate = Picture::Format(FirstDay(shown), QStringLiteral("@d4"));
    return longDate.left(longDate.indexOf(QLatin1Char(' ')) + 1) + QString::number(shown.year);
}

QString CalendarTitle(const QString& title, const QString& filter, const ScheduleRecord* task)
{
    if (!Clip(title).isEmpty())
        return Clip(title);
    if (FiltersDays(filter) && task && !Clip(task->ScheduleType).isEmpty())
        return Clip(task->ScheduleType);
    return QString::fromLatin1(kCalendarTitle);
}

bool FiltersDays(const QString& filter)
{
    return Clip(filter) != QLatin1String(kNoFilter);
}

} // namespace vl

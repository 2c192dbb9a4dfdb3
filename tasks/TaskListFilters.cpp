#include "tasks/TaskListFilters.h"

#include "core/base/UserDate.h"

namespace vl {

namespace {

const QString kDate = QStringLiteral("SCH:Date");

Filter Between(Date from, Date to)
{
    return {{kDate, Compare::GreaterEqual, int64_t{from}}, {kDate, Compare::LessEqual, int64_t{to}}};
}

DaySelection OneDay(Date day)
{
    return {DayFilter(day), FormatUserDate(day), day, 0, 0};
}

DaySelection Range(Date from, Date to, Date dateToUse)
{
    return {Between(from, to), RangeText(from, to), dateToUse, from, to};
}

} // namespace

Filter DayFilter(Date day)
{
    return {{kDate, Compare::Equal, int64_t{day}}};
}

Filter CategoryFilter(const QString& category)
{
    return {{QStringLiteral("SCH:Category"), Compare::Equal, FieldValue(category), Join::And, true}};
}

Filter ActiveFilter()
{
    return {{QStringLiteral("SCH:Disabled"), Compare::Equal, int64_t{0}},
            {QStringLiteral("SCH:Completed"), Compare::Equal, int64_t{0}}};
}

Filter NoHotKeyFilter()
{
    return {{QStringLiteral("SCH:TaskType"), Compare::NotEqual, FieldValue(QStringLiteral("Hot Key"))}};
}

QStringList StatusChoices()
{
    return {QLatin1String(kAllChoice), QLatin1String(kActiveStatus), QLatin1String(kCompletedStatus),
            QLatin1String(kDisabledStatus)};
}

std::optional<Filter> StatusFilter(const QString& status)
{
    if (status == QLatin1String(kAllChoice))
        return Filter{};
    if (status == QLatin1String(kActiveStatus))
        return ActiveFilter();
    if (status == QLatin1String(kCompletedStatus))
        return Filter{{QStringLiteral("SCH:Completed"), Compare::NotEqual, int64_t{0}}};
    if (status == QLatin1String(kDisabledStatus))
        return Filter{{QStringLiteral("SCH:Disabled"), Compare::NotEqual, int64_t{0}}};
    return std::nullopt;
}

QStringList DayChoices()
{
    return {QLatin1String(kAllChoice),       QLatin1String(kTodayChoice),     QLatin1String(kTomorrowChoice),
            QLatin1String(kThisWeekChoice),  QLatin1String(kThisMonthChoice), QLatin1String(kYesterdayChoice),
            QLatin1String(kCustomChoice)};
}

Date DefaultRangeFrom()
{
    return MakeDate(1, 1, 1995);
}

Date DefaultRangeTo()
{
    return MakeDate(1, 1, 2099);
}

std::optional<DaySelection> SelectDays(const QString& day, Date today, Date rangeFrom, Date rangeTo)
{
    if (day == QLatin1String(kAllChoice))
        return DaySelection{{}, QString(), today, 0, 0};
    if (day == QLatin1String(kTodayChoice))
        return OneDay(today);
    if (day == QLatin1String(kYesterdayChoice))
        return OneDay(today - 1);
    if (day == QLatin1String(kTomorrowChoice))
        return OneDay(today + 1);
    if (day == QLatin1String(kThisWeekChoice))
        return Range(today, today + 6, today);
    if (day == QLatin1String(kThisMonthChoice)) {
        // The month is compared, not the year: the range shown is this year's.
        const DayMonthYear now = SplitDate(today);
        DaySelection month = Range(MakeDate(now.month, 1, now.year), MakeDate(now.month + 1, 0, now.year), today);
        month.filter = {{kDate, Compare::SameMonth, int64_t{today}}};
        return month;
    }
    if (day == QLatin1String(kCustomChoice)) {
        const Date from = rangeFrom != 0 ? rangeFrom : DefaultRangeFrom();
        const Date to = rangeTo != 0 ? rangeTo : DefaultRangeTo();
        // A new task is never dated in the past just because the range began there.
        return Range(from, to, std::max(from, today));
    }
    return std::nullopt;
}

QString RangeText(Date from, Date to)
{
    return FormatUserDate(from) + QLatin1Char('-') + FormatUserDate(to);
}

} // namespace vl

#include "tasks/HolidayRules.h"

#include "platform/runtime/FixedText.h"
#include "tasks/EasterSunday.h"

#include <algorithm>

namespace vl {

namespace {

constexpr int kDaysInWeek = 7;
// Holidays dated further than this before Easter Sunday are moved onto it.
constexpr int kEasterReach = 30;

bool RuleIs(const QString& rule, const char* name)
{
    return SameTextNoCase(rule, QLatin1String(name));
}

// Weeks 1 to 4 of a month lie within it whatever its length.
constexpr int kWholeWeeks = 4;

Date SameWeekdayOfMonthNextYear(Date date, bool last)
{
    const DayMonthYear split = SplitDate(date);
    const int week = (split.day - 1) / kDaysInWeek + 1;
    if (last || week > kWholeWeeks)
        return LastWeekdayOfMonth(split.month, split.year + 1, WeekdayOf(date));
    return NthWeekdayOfMonth(split.month, split.year + 1, WeekdayOf(date), week);
}

} // namespace

Date NthWeekdayOfMonth(int month, int year, int weekday, int n)
{
    const Date first = MakeDate(month, 1, year);
    return first + (weekday - WeekdayOf(first) + kDaysInWeek) % kDaysInWeek + (n - 1) * kDaysInWeek;
}

Date LastWeekdayOfMonth(int month, int year, int weekday)
{
    const Date last = MakeDate(month + 1, 1, year) - 1; // the date constructor carries December into January
    return last - (WeekdayOf(last) - weekday + kDaysInWeek) % kDaysInWeek;
}

QString OnOrBeforeRule(int day)
{
    return QLatin1String(kOnOrBeforeRule) + QString::number(day);
}

int OnOrBeforeDay(const QString& rule)
{
    const QString clipped = Clip(rule);
    const QLatin1String prefix(kOnOrBeforeRule);
    if (!clipped.startsWith(prefix, Qt::CaseInsensitive))
        return 0;
    bool ok = false;
    const int day = clipped.mid(prefix.size()).trimmed().toInt(&ok);
    return ok && day >= 1 && day <= 31 ? day : 0;
}

Date WeekdayOnOrBefore(int month, int day, int year, int weekday)
{
    const Date lastOfMonth = MakeDate(month + 1, 1, year) - 1;
    const Date limit = std::min(MakeDate(month, day, year), lastOfMonth);
    return limit - (WeekdayOf(limit) - weekday + kDaysInWeek) % kDaysInWeek;
}

QStringList HolidayRuleNames()
{
    return {QLatin1String(kAnnualRule), QLatin1String(kDayOfMonthRule), QLatin1String(kLastInMonthRule),
            QLatin1String(kEasterRule), QLatin1String(kOnceRule)};
}

Date ComingEasterSunday(Date today)
{
    const Date easter = EasterSunday(YearOf(today));
    return easter < today ? EasterSunday(YearOf(today) + 1) : easter;
}

bool ChoosingEasterMovesDate(const QString& ruleAtOpen, const QString& chosenRule)
{
    return RuleIs(chosenRule, kEasterRule) && !RuleIs(ruleAtOpen, kEasterRule);
}

Date EasterRuleDate(Date date, const QString& name, Date today)
{
    const Date easter = ComingEasterSunday(today);
    const QString upper = UpperClip(name);
    if (upper == QLatin1String("GOOD FRIDAY"))
        return easter - 2;
    if (upper == QLatin1String("EASTER MONDAY"))
        return easter + 1;
    if (date < easter - kEasterReach || upper == QLatin1String("EASTER"))
        return easter;
    return date;
}

bool MoveToNextYear(HolidaysRecord& holiday)
{
    const QString& rule = holiday.HOLIDAYTYPE;
    if (RuleIs(rule, kOnceRule))
        return false;
    if (const int day = OnOrBeforeDay(rule)) {
        const DayMonthYear split = SplitDate(holiday.HolidayDate);
        holiday.HolidayDate = WeekdayOnOrBefore(split.month, day, split.year + 1, WeekdayOf(holiday.HolidayDate));
    } else if (RuleIs(rule, kDayOfMonthRule) || RuleIs(rule, kLastInMonthRule)) {
        holiday.HolidayDate = SameWeekdayOfMonthNextYear(holiday.HolidayDate, RuleIs(rule, kLastInMonthRule));
    } else if (RuleIs(rule, kEasterRule)) {
        const int year = YearOf(holiday.HolidayDate);
        holiday.HolidayDate += EasterSunday(year + 1) - EasterSunday(year);
    } else {
        const DayMonthYear split = SplitDate(holiday.HolidayDate);
        holiday.HOLIDAYTYPE = QLatin1String(kAnnualRule);
        holiday.HolidayDate = MakeDate(split.month, split.day, split.year + 1);
    }
    return true;
}

} // namespace vl

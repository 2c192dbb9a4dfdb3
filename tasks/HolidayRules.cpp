#include "tasks/HolidayRules.h"

#include "platform/runtime/FixedText.h"
#include "tasks/EasterSunday.h"

namespace vl {

namespace {

constexpr int kDaysInWeek = 7;
// Holidays dated further than this before Easter Sunday are moved onto it.
constexpr int kEasterReach = 30;

bool RuleIs(const QString& rule, const char* name)
{
    return SameTextNoCase(rule, QLatin1String(name));
}

Date SameWeekdayOfMonthNextYear(Date date)
{
    const DayMonthYear split = SplitDate(date);
    const int week = (split.day - 1) / kDaysInWeek;
    const Date weekStart = MakeDate(split.month, week * kDaysInWeek + 1, split.year + 1);
    const int forward = (WeekdayOf(date) - WeekdayOf(weekStart) + kDaysInWeek) % kDaysInWeek;
    return weekStart + forward;
}

} // namespace

QStringList HolidayRuleNames()
{
    return {QLatin1String(kAnnualRule), QLatin1String(kDayOfMonthRule), QLatin1String(kEasterRule),
            QLatin1String(kOnceRule)};
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
    if (RuleIs(rule, kDayOfMonthRule)) {
        holiday.HolidayDate = SameWeekdayOfMonthNextYear(holiday.HolidayDate);
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

#pragma once
// How a holiday's date follows its rule: "Annual" (the same day every year),
// "Day of Month" (the same weekday of the same week of the month, such as
// the third Monday of January), "Last in Month" (the last such weekday of
// the month, such as the last Monday of May), "Easter" (a fixed distance
// from Easter Sunday) and "Once" (a single date).
//
// A date alone cannot tell "the fourth Monday" from "the last Monday": in a
// May with four Mondays both are the same day, and in a May with five they
// are a week apart. So a holiday on the last such weekday keeps its own
// rule, "Last in Month", and stays on the last one every year, whether the
// month has four of that weekday or five.
//
// Nor can a date tell "the Monday before 25 May" (any day from the 18th to
// the 24th) from "the third Monday" or "the fourth Monday": such a holiday
// has the rule "On or Before " and the day of the month it may not pass
// ("On or Before 24"), and keeps its weekday on or before that day.

#include "core/dictionary/HolidaysRecord.h"

#include <QString>
#include <QStringList>

namespace vl {

inline constexpr char kAnnualRule[] = "Annual";
inline constexpr char kDayOfMonthRule[] = "Day of Month";
inline constexpr char kEasterRule[] = "Easter";
inline constexpr char kOnceRule[] = "Once";
inline constexpr char kLastInMonthRule[] = "Last in Month";
inline constexpr char kOnOrBeforeRule[] = "On or Before ";

// "On or Before " and the day (1 to 31): the holiday's weekday on or before
// that day of its month.
QString OnOrBeforeRule(int day);
// The day of an "On or Before" rule; 0 for any other rule.
int OnOrBeforeDay(const QString& rule);
// The given weekday (0 Sunday to 6 Saturday) on or before the day of the
// month (the month's last day where the month is shorter).
Date WeekdayOnOrBefore(int month, int day, int year, int weekday);

// The rules in the order the holiday form offers them.
QStringList HolidayRuleNames();

// The Easter Sunday a holiday is placed against: this year's while it is
// today or still to come, next year's once it has passed.
Date ComingEasterSunday(Date today);

// True when choosing a rule on the form moves the holiday's date: the choice
// is "Easter" and the holiday had another rule when the form opened.
bool ChoosingEasterMovesDate(const QString& ruleAtOpen, const QString& chosenRule);

// The date a holiday takes when its rule becomes "Easter" (E is the coming
// Easter Sunday): "Good Friday" (whole name, any case) E - 2, "Easter Monday"
// E + 1, "Easter" and any holiday dated more than 30 days before E take E;
// any other holiday keeps its date.
Date EasterRuleDate(Date date, const QString& name, Date today);

// The n-th (from 1) given weekday (0 Sunday to 6 Saturday) of a month, and
// the last one.
Date NthWeekdayOfMonth(int month, int year, int weekday, int n);
Date LastWeekdayOfMonth(int month, int year, int weekday);

// Moves a past holiday one year on by its rule. "Day of Month" keeps the
// weekday and the week of the month (days 1-7 the first week, 8-14 the
// second, ...), never leaving the month: a date in the fifth week (days
// 29-31) moves to that weekday's last day in the month; "Last in Month"
// moves to that weekday's last day in the month; "On or Before" keeps its
// weekday on or before its day of the month; "Easter" keeps its distance
// from Easter Sunday; any other rule but "Once" becomes "Annual" and keeps
// the day and month. False for "Once": such a holiday is not moved but
// removed.
bool MoveToNextYear(HolidaysRecord& holiday);

} // namespace vl

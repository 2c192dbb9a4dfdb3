#pragma once
// How a holiday's date follows its rule: "Annual" (the same day every year),
// "Day of Month" (the same weekday of the same week of the month, such as
// the third Monday of January), "Easter" (a fixed distance from Easter
// Sunday) and "Once" (a single date).

#include "core/dictionary/HolidaysRecord.h"

#include <QString>
#include <QStringList>

namespace vl {

inline constexpr char kAnnualRule[] = "Annual";
inline constexpr char kDayOfMonthRule[] = "Day of Month";
inline constexpr char kEasterRule[] = "Easter";
inline constexpr char kOnceRule[] = "Once";

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

// Moves a past holiday one year on by its rule. "Day of Month" keeps the
// weekday and the week of the month (days 1-7 the first week, 8-14 the
// second, ...); "Easter" keeps its distance from Easter Sunday; any other
// rule but "Once" becomes "Annual" and keeps the day and month. False for
// "Once": such a holiday is not moved but removed.
bool MoveToNextYear(HolidaysRecord& holiday);

} // namespace vl

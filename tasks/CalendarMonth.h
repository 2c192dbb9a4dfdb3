#pragma once
// The month the date picker shows: its heading, its grid of six weeks, and
// the steps of its four buttons.

#include "core/dictionary/ScheduleRecord.h"
#include "platform/runtime/Calendar.h"

#include <QString>

#include <array>

namespace vl {

inline constexpr char kCalendarTitle[] = "Select Date";
// The filter that offers every day; any other filter greys the days that do
// not fit the task.
inline constexpr char kNoFilter[] = "None";
inline constexpr char kEarlyDateCaption[] = "Confirm";
inline constexpr char kEarlyDateText[] =
    "You have selected a date earlier than today.  Do you wish to use this date?";

struct ShownMonth {
    int month = 1; // 1-12
    int year = 1801;
    bool operator==(const ShownMonth&) const = default;
};

// The month that holds the date.
ShownMonth ShownMonthOf(Date date);

// "Previous Year" and "Next year" stay within 1801 to 2099: a year of 1800
// or below becomes 2099, one of 2100 or above 1801. "Previous month" and
// "Next month" carry into the neighbouring year; a month that holds no day of
// the calendar (before December 1800, whose 29th is day 1) becomes December
// 2099, and a month after the calendar's end January 1801.
ShownMonth PreviousYear(ShownMonth shown);
ShownMonth NextYear(ShownMonth shown);
ShownMonth PreviousMonth(ShownMonth shown);
ShownMonth NextMonth(ShownMonth shown);

// The 42 buttons, six weeks of seven days, Sunday first: the day number on
// each button of the month, 0 on the empty ones (before the 1st, after the
// last day, and before day 1 of the calendar).
using MonthGrid = std::array<Date, 42>;
MonthGrid GridOf(ShownMonth shown);

// The month's name, a blank and the year: "February 2026".
QString MonthHeading(ShownMonth shown);

// The window title: the title given; when it is blank, the task's schedule
// type if days are filtered and the task has one, else "Select Date".
QString CalendarTitle(const QString& title, const QString& filter, const ScheduleRecord* task);

// Whether the filter greys the days that do not fit the task.
bool FiltersDays(const QString& filter);

} // namespace vl

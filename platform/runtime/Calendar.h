#pragma once
// The runtime's calendar: dates are day numbers and times are clock values.
//
// Day 0 is 28 December 1800, a Sunday, so the weekday of a day is day mod 7
// (0 = Sunday). A clock value is the hundredths of a second after midnight
// plus 1: 1 is 00:00:00.00 and 8,640,000 the last hundredth of the day.

#include <cstdint>

namespace vl {

using Date = int32_t;      // day number
using ClockTime = int32_t; // hundredths after midnight + 1

inline constexpr ClockTime kClockPerDay = 8'640'000;
inline constexpr ClockTime kClockPerHour = 360'000;
inline constexpr ClockTime kClockPerMinute = 6'000;
inline constexpr ClockTime kClockPerSecond = 100;

struct DayMonthYear {
    int day = 0;
    int month = 0;
    int year = 0;
};

bool IsLeapYear(int year);
int DaysInMonth(int month, int year);

// The date constructor: a month outside 1-12 carries into the year, a day
// outside the month carries into the neighbouring months (31 January + 1 month
// is 3 March, or 2 March in a leap year; day 0 is the last of the month before).
Date MakeDate(int month, int day, int year);

DayMonthYear SplitDate(Date date);
int DayOf(Date date);
int MonthOf(Date date);
int YearOf(Date date);
int WeekdayOf(Date date); // 0 Sunday .. 6 Saturday

// Clock values from and to hours, minutes, seconds and hundredths.
ClockTime MakeClock(int hours, int minutes, int seconds = 0, int hundredths = 0);

} // namespace vl

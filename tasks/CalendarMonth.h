#pragma once
// The month the date picker shows: its heading, where its days sit in the
// grid of six weeks (Sunday first), and the steps of its month and year
// buttons.

#include "platform/runtime/Calendar.h"

#include <QString>

namespace vl {

inline constexpr int kCalendarCells = 42;

struct CalendarMonth {
    int month = 1;
    int year = 1801;

    static CalendarMonth Of(Date date);
    // "March 2025": the month's name from the long date picture, then the year.
    QString Heading() const;
    // The cell (0-41) of day 1; day d sits at FirstCell() + d - 1.
    int FirstCell() const;
    int Days() const;
    Date DateOfDay(int day) const;

    // The year buttons wrap inside 1801-2099 (from 1801 back to 2099, from
    // 2099 on to 1801); the month buttons carry into the year before or
    // after, wrapping the same way, so the grid never leaves the calendar's
    // years. (December 1800, shown only for a date of its last three days,
    // offers no day before day 1 and steps back to December 2099.)
    CalendarMonth PreviousYear() const;
    CalendarMonth NextYear() const;
    CalendarMonth PreviousMonth() const;
    CalendarMonth NextMonth() const;
};

} // namespace vl

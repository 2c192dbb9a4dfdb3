// The date picker's months: the grid of six weeks, the heading, the title,
// and the four stepping buttons at the ends of the calendar.

#include "tasks/CalendarMonth.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(CalendarMonth, GridPutsTheFirstUnderItsWeekdayAndUsesTheSixthRowWhenNeeded)
{
    // August 2026 begins on a Saturday and has 31 days.
    const MonthGrid august = GridOf({8, 2026});
    EXPECT_EQ(august[5], 0);
    EXPECT_EQ(august[6], MakeDate(8, 1, 2026));
    EXPECT_EQ(august[36], MakeDate(8, 31, 2026)) << "the 30th and 31st stand in the sixth row";
    EXPECT_EQ(august[37], 0);
    // February 2026 begins on a Sunday: four rows, the fifth and sixth empty.
    const MonthGrid february = GridOf({2, 2026});
    EXPECT_EQ(february[0], MakeDate(2, 1, 2026));
    EXPECT_EQ(february[27], MakeDate(2, 28, 2026));
    EXPECT_EQ(february[28], 0);
}

TEST(CalendarMonth, NoDayBeforeTheCalendarsFirstIsOffered)
{
    // December 1800: day 1 is the 29th; earlier days are not dates of the calendar.
    const MonthGrid december = GridOf({12, 1800});
    int shown = 0;
    for (const Date day : december) {
        EXPECT_GE(day, 0);
        shown += day != 0;
    }
    EXPECT_EQ(shown, 3);
    EXPECT_EQ(ShownMonthOf(1), (ShownMonth{12, 1800}));
}

TEST(CalendarMonth, StepsWrapAtTheEndsAndNeverLeaveTheCalendar)
{
    struct Case { ShownMonth (*step)(ShownMonth); ShownMonth from, to; };
    const Case cases[] = {
        {PreviousMonth, {3, 2026}, {2, 2026}},
        {PreviousMonth, {1, 2026}, {12, 2025}},
        {NextMonth, {12, 2025}, {1, 2026}},
        {PreviousMonth, {1, 1801}, {12, 1800}},  // still holds day 1
        {PreviousMonth, {12, 1800}, {12, 2099}}, // nothing before day 1
        {NextMonth, {12, 2099}, {1, 2100}},
        {NextMonth, {12, 9999}, {1, 1801}},
        {PreviousYear, {5, 1801}, {5, 2099}},
        {PreviousYear, {5, 2026}, {5, 2025}},
        {NextYear, {5, 2099}, {5, 1801}},
        {NextYear, {5, 2026}, {5, 2027}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.step(c.from), c.to) << c.from.month << "/" << c.from.year;
}

TEST(CalendarMonth, HeadingAndTitle)
{
    EXPECT_EQ(MonthHeading({2, 2026}), "February 2026");
    ScheduleRecord task;
    task.ScheduleType = "Day of Week   ";
    EXPECT_EQ(CalendarTitle("Select Start Date", "", &task), "Select Start Date");
    EXPECT_EQ(CalendarTitle("", "", &task), "Day of Week");
    EXPECT_EQ(CalendarTitle("", "None", &task), "Select Date");
    EXPECT_EQ(CalendarTitle("", "", nullptr), "Select Date");
    EXPECT_TRUE(FiltersDays(""));
    EXPECT_FALSE(FiltersDays("None"));
}

} // namespace
} // namespace vl

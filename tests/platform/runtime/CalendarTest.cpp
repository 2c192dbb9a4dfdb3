#include "platform/runtime/Calendar.h"
#include "platform/runtime/Clock.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(Calendar, DayZeroIsSundayTwentyEighthOfDecember1800)
{
    const DayMonthYear dmy = SplitDate(0);
    EXPECT_EQ(dmy.day, 28);
    EXPECT_EQ(dmy.month, 12);
    EXPECT_EQ(dmy.year, 1800);
    EXPECT_EQ(WeekdayOf(0), 0);
    EXPECT_EQ(MakeDate(12, 28, 1800), 0);
    EXPECT_EQ(MakeDate(1, 1, 1801), 4);
}

TEST(Calendar, WeekdaysOfKnownDates)
{
    EXPECT_EQ(WeekdayOf(MakeDate(1, 1, 2000)), 6);   // Saturday
    EXPECT_EQ(WeekdayOf(MakeDate(12, 9, 2026)), 3);  // Wednesday
    EXPECT_EQ(WeekdayOf(MakeDate(10, 31, 1959)), 6); // Saturday
    EXPECT_EQ(WeekdayOf(MakeDate(7, 4, 1976)), 0);   // Sunday
}

TEST(Calendar, LeapYears)
{
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_FALSE(IsLeapYear(2026));
    EXPECT_EQ(DaysInMonth(2, 1900), 28);
    EXPECT_EQ(DaysInMonth(2, 2000), 29);
    EXPECT_EQ(DaysInMonth(2, 2024), 29);
    EXPECT_EQ(DaysInMonth(13, 2024), 0);
}

TEST(Calendar, ConstructorCarriesMonthsAndDays)
{
    // 31 January + 1 month: 3 March, or 2 March in a leap year.
    EXPECT_EQ(MakeDate(2, 31, 2025), MakeDate(3, 3, 2025));
    EXPECT_EQ(MakeDate(2, 31, 2024), MakeDate(3, 2, 2024));
    // A month above 12 carries into the next year, below 1 into the one before.
    EXPECT_EQ(MakeDate(13, 15, 2025), MakeDate(1, 15, 2026));
    EXPECT_EQ(MakeDate(25, 1, 2025), MakeDate(1, 1, 2027));
    EXPECT_EQ(MakeDate(0, 10, 2025), MakeDate(12, 10, 2024));
    EXPECT_EQ(MakeDate(-11, 10, 2025), MakeDate(1, 10, 2024));
    // Day 0 is the last day of the month before; day 32 of December is 1 January.
    EXPECT_EQ(MakeDate(3, 0, 2024), MakeDate(2, 29, 2024));
    EXPECT_EQ(MakeDate(12, 32, 2025), MakeDate(1, 1, 2026));
}

TEST(Calendar, RoundTripsEveryDayFrom1801To2999)
{
    Date expected = MakeDate(1, 1, 1801);
    for (int year = 1801; year <= 2999; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= DaysInMonth(month, year); ++day) {
                const Date date = MakeDate(month, day, year);
                ASSERT_EQ(date, expected) << day << "/" << month << "/" << year;
                const DayMonthYear dmy = SplitDate(date);
                ASSERT_EQ(dmy.day, day);
                ASSERT_EQ(dmy.month, month);
                ASSERT_EQ(dmy.year, year);
                ++expected;
            }
}

TEST(Clock, ClockValuesCountHundredthsPlusOne)
{
    EXPECT_EQ(MakeClock(0, 0), 1);
    EXPECT_EQ(MakeClock(23, 59, 59, 99), kClockPerDay);
    EXPECT_EQ(MakeClock(17, 30), 6'300'001);
}

TEST(Clock, SettableClockIsInstalledAndCarriesDays)
{
    SettableClock clock(MakeDate(12, 31, 2025), MakeClock(23, 59, 30));
    {
        ClockOverride installed(clock);
        EXPECT_EQ(Today(), MakeDate(12, 31, 2025));
        clock.Advance(60 * kClockPerSecond);
        EXPECT_EQ(Today(), MakeDate(1, 1, 2026));
        EXPECT_EQ(Now(), MakeClock(0, 0, 30));
        clock.Advance(-31 * kClockPerSecond);
        EXPECT_EQ(Today(), MakeDate(12, 31, 2025));
        EXPECT_EQ(Now(), MakeClock(23, 59, 59));
    }
    EXPECT_NE(&CurrentClock(), &clock);
}

} // namespace
} // namespace vl

// The Easter date and how holiday dates follow their rules.

#include "tasks/EasterSunday.h"
#include "tasks/HolidayRules.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

Date Day(int year, int month, int day)
{
    return MakeDate(month, day, year);
}

TEST(EasterSundayTest, GregorianDates)
{
    const struct {
        int year;
        int month;
        int day;
    } cases[] = {{1818, 3, 22}, {1999, 4, 4}, {2000, 4, 23}, {2008, 3, 23}, {2024, 3, 31}, {2038, 4, 25},
                 {1954, 4, 18}, {2019, 4, 21}};
    for (const auto& c : cases)
        EXPECT_EQ(EasterSunday(c.year), Day(c.year, c.month, c.day)) << c.year;
    for (int year = 1801; year <= 2099; ++year)
        EXPECT_EQ(WeekdayOf(EasterSunday(year)), 0) << year;
}

TEST(HolidayRulesTest, TheComingEasterIsTodaysUntilItHasPassed)
{
    const Date easter2025 = Day(2025, 4, 20);
    EXPECT_EQ(ComingEasterSunday(easter2025 - 1), easter2025);
    EXPECT_EQ(ComingEasterSunday(easter2025), easter2025);
    EXPECT_EQ(ComingEasterSunday(easter2025 + 1), Day(2026, 4, 5));
}

TEST(HolidayRulesTest, ChoosingEasterPlacesTheHolidayAgainstTheComingEaster)
{
    const Date today = Day(2025, 1, 10);
    const Date easter = Day(2025, 4, 20);
    const struct {
        const char* name;
        Date date;
        Date expected;
    } cases[] = {
        {"good friday", Day(2019, 8, 1), easter - 2},  // any case, whatever its date
        {"GOOD FRIDAY  ", easter + 40, easter - 2},
        {"Easter Monday", easter - 3, easter + 1},
        {"Easter", easter - 5, easter},
        {"Ash Wednesday", easter - 10, easter - 10}, // within 30 days before: kept
        {"Ash Wednesday", easter - 30, easter - 30},
        {"Ash Wednesday", easter - 31, easter},       // further before: Easter Sunday itself
        {"Ascension", easter + 39, easter + 39},      // after it: kept
        {"Good Friday Eve", easter - 3, easter - 3},  // the whole name counts
    };
    for (const auto& c : cases)
        EXPECT_EQ(EasterRuleDate(c.date, QString::fromLatin1(c.name), today), c.expected) << c.name;
}

TEST(HolidayRulesTest, OnlyAChangeToEasterMovesTheDate)
{
    EXPECT_TRUE(ChoosingEasterMovesDate("Annual", "Easter"));
    EXPECT_TRUE(ChoosingEasterMovesDate("Once", "Easter"));
    EXPECT_FALSE(ChoosingEasterMovesDate("Easter", "Easter"));
    EXPECT_FALSE(ChoosingEasterMovesDate("EASTER", "Easter"));
    EXPECT_FALSE(ChoosingEasterMovesDate("Easter", "Annual"));
    EXPECT_EQ(HolidayRuleNames(), QStringList({"Annual", "Day of Month", "Last in Month", "Easter", "Once"}));
}

TEST(HolidayRulesTest, APastHolidayMovesOneYearByItsRule)
{
    const struct {
        const char* rule;
        Date date;
        Date expected;
        const char* ruleAfter;
    } cases[] = {
        {"Day of Month", Day(2001, 11, 22), Day(2002, 11, 28), "Day of Month"}, // fourth Thursday
        {"Day of Month", Day(2024, 1, 15), Day(2025, 1, 20), "Day of Month"},   // third Monday
        {"Day of Month", Day(1998, 5, 25), Day(1999, 5, 24), "Day of Month"},   // fourth Monday
        {"Day of Month", Day(2018, 11, 22), Day(2019, 11, 28), "Day of Month"}, // fourth Thursday
        {"Day of Month", Day(2025, 5, 29), Day(2026, 5, 28), "Day of Month"},   // fifth week: the last, in May
        {"Day of Month", Day(2024, 12, 30), Day(2025, 12, 29), "Day of Month"}, // and in December
        {"Last in Month", Day(2026, 5, 25), Day(2027, 5, 31), "Last in Month"}, // five Mondays
        {"Last in Month", Day(2027, 5, 31), Day(2028, 5, 29), "Last in Month"},
        {"Easter", Day(2024, 3, 29), Day(2025, 4, 18), "Easter"},               // Good Friday
        {"Easter", Day(2024, 4, 1), Day(2025, 4, 21), "Easter"},                // Easter Monday
        {"Annual", Day(2024, 12, 25), Day(2025, 12, 25), "Annual"},
        {"Annual", Day(2024, 2, 29), Day(2025, 3, 1), "Annual"},
        {"On or Before 24", Day(2026, 5, 18), Day(2027, 5, 24), "On or Before 24"}, // Victoria Day
        {"On or Before 31", Day(2025, 2, 24), Day(2026, 2, 23), "On or Before 31"}, // the month's last day
        {"Weekly", Day(2024, 7, 4), Day(2025, 7, 4), "Annual"},                 // unknown rules become Annual
    };
    for (const auto& c : cases) {
        HolidaysRecord holiday;
        holiday.HolidayDate = c.date;
        holiday.HOLIDAYTYPE = QString::fromLatin1(c.rule);
        ASSERT_TRUE(MoveToNextYear(holiday)) << c.rule;
        EXPECT_EQ(holiday.HolidayDate, c.expected) << c.rule << " " << c.date;
        EXPECT_EQ(holiday.HOLIDAYTYPE, c.ruleAfter);
    }
    HolidaysRecord once;
    once.HolidayDate = Day(2024, 6, 1);
    once.HOLIDAYTYPE = "Once";
    EXPECT_FALSE(MoveToNextYear(once));
    EXPECT_EQ(once.HolidayDate, Day(2024, 6, 1));
}

TEST(HolidayRulesTest, VictoriaDayIsTheMondayBefore25MayAndNeverMeetsMemorialDay)
{
    EXPECT_EQ(OnOrBeforeDay("On or Before 24"), 24);
    EXPECT_EQ(OnOrBeforeDay("on or before 7 "), 7);
    for (const char* rule : {"On or Before 32", "On or Before", "On or Before x", "Day of Month", "Annual"})
        EXPECT_EQ(OnOrBeforeDay(rule), 0) << rule;
    EXPECT_EQ(OnOrBeforeRule(24), "On or Before 24");

    const struct {
        int year;
        int day; // of May
    } known[] = {{2024, 20}, {2025, 19}, {2026, 18}, {2027, 24}, {2028, 22}, {2029, 21}, {2030, 20}};
    HolidaysRecord victoria;
    victoria.HolidayDate = Day(2023, 5, 22);
    victoria.HOLIDAYTYPE = OnOrBeforeRule(24);
    HolidaysRecord memorial;
    memorial.HolidayDate = Day(2023, 5, 29);
    memorial.HOLIDAYTYPE = "Last in Month";
    for (int year = 2024; year <= 2124; ++year) {
        ASSERT_TRUE(MoveToNextYear(victoria) && MoveToNextYear(memorial));
        const DayMonthYear v = SplitDate(victoria.HolidayDate);
        EXPECT_TRUE(v.year == year && v.month == 5 && v.day >= 18 && v.day <= 24) << year;
        EXPECT_EQ(WeekdayOf(victoria.HolidayDate), 1) << year;
        EXPECT_EQ(victoria.HolidayDate, WeekdayOnOrBefore(5, 24, year, 1)) << year;
        EXPECT_EQ(memorial.HolidayDate, LastWeekdayOfMonth(5, year, 1)) << year;
        EXPECT_NE(victoria.HolidayDate, memorial.HolidayDate) << year;
        for (const auto& k : known)
            if (k.year == year) {
                EXPECT_EQ(victoria.HolidayDate, Day(year, 5, k.day)) << year;
            }
    }
}

} // namespace
} // namespace vl

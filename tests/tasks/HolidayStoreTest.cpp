// Holidays on a real data file: one holiday a day, said so when a second one
// meets it (from the form, the default list and the yearly roll-forward),
// and the yearly upkeep.

#include "core/base/Globals.h"
#include "core/base/UserDate.h"
#include "core/config/ConfigStore.h"
#include "core/cycle/SchedulerRoutines.h"
#include "core/dictionary/Dictionary.h"
#include "tasks/EasterSunday.h"
#include "tasks/HolidayRoll.h"
#include "tasks/HolidayStore.h"
#include "platform/runtime/Clock.h"
#include "tests/platform/data/DataFileFaults.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"
#include "tests/tasks/TaskTestRecords.h"

#include <gtest/gtest.h>

#include <map>

namespace vl {
namespace {

Date Day(int year, int month, int day)
{
    return MakeDate(month, day, year);
}

class HolidayStoreTest : public ::testing::Test {
protected:
    void TearDown() override { DictionaryEnd(); }

    Dictionary& d = (DictionaryStart(), Tables());
    Table<HolidaysRecord>& holidays = (OpenTable(d.Holidays), d.Holidays);
    test::ScriptedPrompt prompt;

    HolidaysRecord Holiday(Date date, const char* name, const char* rule = "Annual")
    {
        return test::MakeHoliday(date, name, rule);
    }

    HolidaysRecord Stored(Date date, const char* name, const char* rule = "Annual")
    {
        HolidaysRecord holiday = Holiday(date, name, rule);
        EXPECT_TRUE(holidays.Add(holiday)) << qPrintable(holidays.Error());
        return holiday;
    }

    // Name by date, as stored.
    std::map<Date, QString> All()
    {
        std::map<Date, QString> all;
        HolidaysRecord holiday;
        holidays.Set(HOL_KEYHOLIDAYDATE);
        while (holidays.Next(holiday))
            all[holiday.HolidayDate] = holiday.Holiday + "/" + holiday.HOLIDAYTYPE;
        return all;
    }
};

TEST_F(HolidayStoreTest, ASecondHolidayOnADateIsRefusedWithAMessageAndNothingIsLost)
{
    Stored(Day(2025, 12, 25), "Christmas Day");
    HolidaysRecord visit = Stored(Day(2025, 12, 26), "Boxing Day");

    HolidaysRecord party = Holiday(Day(2025, 12, 25), "Office party");
    prompt.Answer(1);
    EXPECT_FALSE(StoreHoliday(holidays, FormRequest::Insert, party));
    visit.HolidayDate = Day(2025, 12, 25);
    prompt.Answer(1);
    EXPECT_FALSE(StoreHoliday(holidays, FormRequest::Change, visit));

    ASSERT_EQ(prompt.Questions().size(), 2u);
    EXPECT_EQ(prompt.Questions()[0].caption, "Holiday Date Taken");
    EXPECT_EQ(prompt.Questions()[0].text,
              "\"Office party\" was not saved: DEC 25,2025 already holds the holiday \"Christmas Day\".|"
              "A day holds one holiday. Choose another date, or change the holiday already there.");
    EXPECT_TRUE(prompt.Questions()[1].text.startsWith("\"Boxing Day\" was not saved: DEC 25,2025"));
    EXPECT_EQ(party.Holiday, "Office party") << "the form keeps what was typed";
    EXPECT_EQ(All(), (std::map<Date, QString>{{Day(2025, 12, 25), "Christmas Day/Annual"},
                                              {Day(2025, 12, 26), "Boxing Day/Annual"}}));
    EXPECT_EQ(AddHoliday(holidays, Day(2025, 12, 26), "Again", "Once"), HolidayAdded::DateTaken);

    HolidaysRecord undated = Holiday(0, "Someday");
    prompt.Answer(1);
    EXPECT_FALSE(StoreHoliday(holidays, FormRequest::Insert, undated));
    EXPECT_EQ(prompt.Questions().back().text, "Enter the holiday's date.");
}

TEST_F(HolidayStoreTest, DefaultsKeepEveryHolidayOnItsRealDateAndRollForwardToTheComingDates)
{
    const Date today = Day(2025, 6, 1);
    ASSERT_TRUE(SeedDefaultHolidays(holidays, today));
    EXPECT_TRUE(prompt.Questions().empty()) << "no default meets another on its date";
    EXPECT_EQ(holidays.Records(), 16);

    ASSERT_TRUE(RollHolidaysForward(holidays, today));
    const std::map<Date, QString> all = All();
    EXPECT_EQ(all.size(), 16u);
    EXPECT_GE(all.begin()->first, today);
    const Date easter2026 = EasterSunday(2026);
    EXPECT_EQ(all.at(easter2026), "Easter/Easter");
    EXPECT_EQ(all.at(easter2026 - 2), "Good Friday/Easter");
    EXPECT_EQ(all.at(Day(2025, 12, 25)), "Christmas Day/Annual");
    EXPECT_EQ(all.at(Day(2026, 1, 1)), "New Year's Day/Annual");
    EXPECT_EQ(all.at(Day(2025, 7, 4)), "Independence Day (U.S.)/Annual");
    EXPECT_EQ(all.at(Day(2025, 9, 1)), "Labor Day/Labour Day)/Day of Month"); // first Monday
    EXPECT_EQ(all.at(Day(2025, 11, 11)), "Veteran's Day/Remembrance Day/Annual");
    EXPECT_EQ(all.at(Day(2025, 10, 13)), "Thanksgiving (Canada)/Day of Month");  // second Monday
    EXPECT_EQ(all.at(Day(2025, 11, 27)), "Thanksgiving (U.S.)/Day of Month");    // fourth Thursday
    EXPECT_EQ(all.at(Day(2026, 5, 18)), "Victoria Day (Canada)/On or Before 24"); // the Monday before 25 May
    EXPECT_EQ(all.at(Day(2026, 5, 25)), "Memorial Day (U.S.)/Last in Month");
}

TEST_F(HolidayStoreTest, RollForwardRemovesPastOnceHolidaysAndPassesOverADateAnotherHolds)
{
    GlobalUseLog = true;
    Stored(Day(2024, 7, 4), "Fourth");
    Stored(Day(2024, 9, 1), "Trip", "Once");
    Stored(Day(2025, 7, 4), "Fourth again", "Once");
    Stored(Day(2025, 3, 1), "Coming");
    ASSERT_TRUE(RollHolidaysForward(holidays, Day(2025, 1, 1)));
    GlobalUseLog = false;

    EXPECT_EQ(All(), (std::map<Date, QString>{{Day(2025, 3, 1), "Coming/Annual"},
                                              {Day(2025, 7, 4), "Fourth again/Once"},
                                              {Day(2026, 7, 4), "Fourth/Annual"}}))
        << "never left behind in the past";
    const QString said = "\"Fourth\" moves on to JUL 04,2026: its next date, JUL 04,2025, already holds \"Fourth again\".";
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions()[0].kind, test::PromptKind::Notice);
    EXPECT_TRUE(prompt.Questions()[0].text.endsWith("|" + said)) << qPrintable(prompt.Questions()[0].text);
    EXPECT_TRUE(test::ReadTextFile("VLMREVNT.LOG").contains(said.left(60)));
}

TEST_F(HolidayStoreTest, AnOldVictoriaDayTakesItsOwnRuleAndMemorialDayMovesOnBesideIt)
{
    // As older versions stored them: Victoria Day by week of the month, so
    // that 2029's "fourth Monday" is Memorial Day's date; stored before that
    // roll, or after it, with Memorial Day then left behind in 2028.
    for (const Date victoria : {Day(2028, 5, 22), Day(2029, 5, 28)}) {
        for (HolidaysRecord holiday; holidays.Set(HOL_KEYHOLIDAYDATE), holidays.Next(holiday);)
            ASSERT_TRUE(holidays.Delete(holiday));
        Stored(victoria, "Victoria Day (Canada)", "Day of Month");
        Stored(Day(2028, 5, 29), "Memorial Day (U.S.)", "Last in Month");
        ASSERT_TRUE(MendVictoriaDayRule(holidays));
        ASSERT_TRUE(RollHolidaysForward(holidays, Day(2028, 6, 1)));
        EXPECT_EQ(All(), (std::map<Date, QString>{{Day(2029, 5, 21), "Victoria Day (Canada)/On or Before 24"},
                                                  {Day(2029, 5, 28), "Memorial Day (U.S.)/Last in Month"}}))
            << FormatUserDate(victoria).toStdString();
    }
    EXPECT_TRUE(prompt.Questions().empty());
}

TEST_F(HolidayStoreTest, MendingPutsAnOldVictoriaDayOnItsMondayAndLeavesOtherHolidaysAlone)
{
    GlobalUseLog = true;
    Stored(Day(2027, 5, 17), "VICTORIA DAY", "day of month"); // the third Monday: a week early
    Stored(Day(2027, 5, 23), "Victoria Day Eve", "Day of Month"); // a Sunday
    Stored(Day(2027, 5, 10), "Mother's Day Monday", "Day of Month");
    ASSERT_TRUE(MendVictoriaDayRule(holidays));
    GlobalUseLog = false;
    EXPECT_EQ(All(), (std::map<Date, QString>{{Day(2027, 5, 10), "Mother's Day Monday/Day of Month"},
                                              {Day(2027, 5, 23), "Victoria Day Eve/Day of Month"},
                                              {Day(2027, 5, 24), "VICTORIA DAY/On or Before 24"}}));
    EXPECT_TRUE(test::ReadTextFile("VLMREVNT.LOG").contains("now follows the rule \"On or Before 24\""));
}

TEST_F(HolidayStoreTest, AMendThatCannotBeStoredIsSaidAndTheUpkeepStops)
{
    SettableClock clock(Day(2027, 6, 1), 1);
    ClockOverride useClock(clock);
    Stored(Day(2027, 5, 17), "Victoria Day", "Day of Month");
    test::CommitWatch watch(holidays);
    watch.failing = true;
    RollHolidays();
    watch.failing = false;
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions()[0].caption, "Holidays");
    EXPECT_FALSE(prompt.Questions()[0].text.isEmpty());
    EXPECT_EQ(GetConfigValue(kDefaultHolidaysKey), ""); // no default list on a failing table
    EXPECT_EQ(All(), (std::map<Date, QString>{{Day(2027, 5, 17), "Victoria Day/Day of Month"}}));
}

TEST_F(HolidayStoreTest, TheProgramSeedsOnceAndRollsOnceADay)
{
    SettableClock clock(Day(2025, 6, 1), 1);
    ClockOverride useClock(clock);
    TickRoutines() = {};
    InstallHolidayRoutines();
    TickRoutines().rollHolidays();
    EXPECT_EQ(GetConfigValue(kDefaultHolidaysKey), "Y");
    EXPECT_EQ(holidays.Records(), 16);

    Stored(Day(2025, 6, 1), "Today only", "Once");
    TickRoutines().rollHolidays(); // the same day: nothing more
    clock.Set(Day(2025, 6, 2), 1);
    TickRoutines().rollHolidays(); // no second default list, and the passed holiday goes
    EXPECT_EQ(holidays.Records(), 16);
    EXPECT_FALSE(HolidayOn(holidays, Day(2025, 6, 1)));

    // The configuration lost (a repair kept the holidays only): no defaults on top.
    PutConfigValue(kDefaultHolidaysKey, QString());
    clock.Set(Day(2025, 6, 3), 1);
    TickRoutines().rollHolidays();
    EXPECT_EQ(holidays.Records(), 16);
    EXPECT_EQ(GetConfigValue(kDefaultHolidaysKey), "Y");
    TickRoutines() = {};
}

} // namespace
} // namespace vl

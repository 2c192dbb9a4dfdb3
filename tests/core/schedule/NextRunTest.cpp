#include "core/schedule/NextRun.h"
#include "core/schedule/RunTimes.h"
#include "tests/core/schedule/ScheduleTestTasks.h"
#include "tests/support/ScriptedPrompt.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

using test::CustomTask;
using test::TaskOn;
using test::TickWeekdays;
using test::TwiceMonthlyTask;

// Runs the task from its own due moment, as the scheduler does when it is due.
ScheduleRecord RunFromOwnMoment(ScheduleRecord task)
{
    ComputeNextRun(task, task.Date, task.Time);
    return task;
}

TEST(RunTimes, CarryDaysFoldsOnlyPastTheDaysLength)
{
    Date date = 100;
    ClockTime time = kClockPerDay;
    CarryDays(date, time);
    EXPECT_EQ(date, 100);
    EXPECT_EQ(time, kClockPerDay);

    time = kClockPerDay + 1;
    CarryDays(date, time);
    EXPECT_EQ(date, 101);
    EXPECT_EQ(time, 1);

    time = 2 * kClockPerDay + 5;
    CarryDays(date, time);
    EXPECT_EQ(date, 103);
    EXPECT_EQ(time, 5);
}

TEST(RunTimes, CompareFoldsBothPairsThenDateDecidesFirst)
{
    const Date d = MakeDate(3, 10, 2025);
    EXPECT_EQ(CompareRunTimes(d, kClockPerDay + 1, d + 1, 1), 0);
    EXPECT_EQ(CompareRunTimes(d + 1, 1, d, kClockPerDay + 1), 0);
    EXPECT_EQ(CompareRunTimes(d, kClockPerDay, d + 1, 1), -1);
    EXPECT_EQ(CompareRunTimes(d + 1, 1, d, kClockPerDay), 1);
    EXPECT_EQ(CompareRunTimes(d, MakeClock(23, 0), d + 1, MakeClock(1, 0)), -1);
    EXPECT_EQ(CompareRunTimes(d, MakeClock(9, 0), d, MakeClock(8, 0)), 1);
    EXPECT_EQ(CompareRunTimes(d, MakeClock(9, 0), d, MakeClock(9, 0)), 0);
    // The largest clock value does not overflow while folding.
    EXPECT_EQ(CompareRunTimes(d, INT32_MAX, d + 248, 1), 1);
}

TEST(NextRun, OnceOnlyCompletesTheTask)
{
    ScheduleRecord task = TaskOn("Once", MakeDate(5, 1, 2025), MakeClock(9, 30));
    ComputeNextRun(task, MakeDate(6, 1, 2025), MakeClock(10, 0));
    EXPECT_EQ(task.Completed, 1);
    EXPECT_EQ(task.Date, MakeDate(5, 1, 2025));
    EXPECT_EQ(task.Time, MakeClock(9, 30));
}

TEST(NextRun, MonthlyKeepsTheDayAndLetsTheConstructorCarryIt)
{
    EXPECT_EQ(RunFromOwnMoment(TaskOn("Monthly", MakeDate(1, 31, 2025))).Date, MakeDate(3, 3, 2025));
    EXPECT_EQ(RunFromOwnMoment(TaskOn("Monthly", MakeDate(1, 31, 2024))).Date, MakeDate(3, 2, 2024));
    EXPECT_EQ(RunFromOwnMoment(TaskOn("Monthly", MakeDate(3, 3, 2025))).Date, MakeDate(4, 3, 2025));
    EXPECT_EQ(RunFromOwnMoment(TaskOn("Monthly", MakeDate(12, 15, 2025))).Date, MakeDate(1, 15, 2026));

    // Several months behind: it steps until past the moment.
    ScheduleRecord task = TaskOn("Monthly", MakeDate(1, 10, 2025), MakeClock(8, 0));
    ComputeNextRun(task, MakeDate(4, 20, 2025), MakeClock(9, 0));
    EXPECT_EQ(task.Date, MakeDate(5, 10, 2025));
    EXPECT_EQ(task.Time, MakeClock(8, 0));
}

TEST(NextRun, TheOneMinuteLimit)
{
    const Date d = MakeDate(6, 10, 2025);
    // Due within a minute of the moment: not past the limit, so it moves.
    ScheduleRecord task = TaskOn("Yearly", d, MakeClock(10, 0));
    ComputeNextRun(task, d, MakeClock(9, 59));
    EXPECT_EQ(task.Date, MakeDate(6, 10, 2026));
    // More than a minute ahead: already past the limit, nothing changes.
    task = TaskOn("Yearly", d, MakeClock(10, 0));
    ComputeNextRun(task, d, MakeClock(9, 58, 59, 99));
    EXPECT_EQ(task.Date, d);
    // The limit is not folded: from 23:59:30 it covers every time of that
    // date, but an occurrence on the next date is past it even at 00:00:10.
    task = TaskOn("Yearly", d + 1, MakeClock(0, 0, 10));
    ComputeNextRun(task, d, MakeClock(23, 59, 30));
    EXPECT_EQ(task.Date, d + 1);
    task = TaskOn("Yearly", d, MakeClock(23, 59, 59));
    ComputeNextRun(task, d, MakeClock(23, 59, 30));
    EXPECT_EQ(task.Date, MakeDate(6, 10, 2026));
}

TEST(NextRun, YearlyFromTheTwentyNinthOfFebruary)
{
    EXPECT_EQ(RunFromOwnMoment(TaskOn("Yearly", MakeDate(2, 29, 2024))).Date, MakeDate(3, 1, 2025));
    EXPECT_EQ(RunFromOwnMoment(TaskOn("Yearly", MakeDate(7, 4, 2025))).Date, MakeDate(7, 4, 2026));
}

TEST(NextRun, TwiceMonthlyFirstAndFifteenth)
{
    ScheduleRecord task = TwiceMonthlyTask("Twice - 1st, 15th", 0, MakeDate(1, 1, 2025));
    task = RunFromOwnMoment(task);
    EXPECT_EQ(task.Date, MakeDate(1, 15, 2025));
    task = RunFromOwnMoment(task);
    EXPECT_EQ(task.Date, MakeDate(2, 1, 2025));
    // Offset 3: the 4th and the 18th.
    task = TwiceMonthlyTask("Twice - 1st, 15th", 3, MakeDate(1, 4, 2025));
    task = RunFromOwnMoment(task);
    EXPECT_EQ(task.Date, MakeDate(1, 18, 2025));
    task = RunFromOwnMoment(task);
    EXPECT_EQ(task.Date, MakeDate(2, 4, 2025));
    // A day before the 15th that is off the schedule goes to the 15th.
    EXPECT_EQ(RunFromOwnMoment(TwiceMonthlyTask("Twice - 1st, 15th", 0, MakeDate(1, 5, 2025))).Date,
              MakeDate(1, 15, 2025));
}

TEST(NextRun, TwiceMonthlyFifteenthAndLast)
{
    // Offset -1: the 14th and the second-last day of each month.
    ScheduleRecord task = TwiceMonthlyTask("Twice - 15th, Last", -1, MakeDate(1, 14, 2025));
    const Date expected[] = {MakeDate(1, 30, 2025), MakeDate(2, 14, 2025), MakeDate(2, 27, 2025),
                             MakeDate(3, 14, 2025), MakeDate(3, 30, 2025)};
    for (const Date date : expected) {
        task = RunFromOwnMoment(task);
        EXPECT_EQ(task.Date, date);
    }
    task = TwiceMonthlyTask("Twice - 15th, Last", 0, MakeDate(2, 15, 2024));
    EXPECT_EQ(RunFromOwnMoment(task).Date, MakeDate(2, 29, 2024));
    // The repeat text is read case-insensitively.
    task = TwiceMonthlyTask("twice - 15th, last", 0, MakeDate(4, 15, 2025));
    EXPECT_EQ(RunFromOwnMoment(task).Date, MakeDate(4, 30, 2025));
}

TEST(NextRun, TwiceMonthlyFromAnOffScheduleDayAfterTheFifteenthSkipsNoRun)
{
    // "1st, 15th" goes on to the coming 1st, not to the 15th of next month.
    EXPECT_EQ(RunFromOwnMoment(TwiceMonthlyTask("Twice - 1st, 15th", 0, MakeDate(1, 20, 2025))).Date,
              MakeDate(2, 1, 2025));
    EXPECT_EQ(RunFromOwnMoment(TwiceMonthlyTask("Twice - 1st, 15th", 0, MakeDate(1, 31, 2025))).Date,
              MakeDate(2, 1, 2025));
    // "15th, Last" goes to the month's last day; from the last day itself to
    // the next 15th.
    EXPECT_EQ(RunFromOwnMoment(TwiceMonthlyTask("Twice - 15th, Last", 0, MakeDate(1, 20, 2025))).Date,
              MakeDate(1, 31, 2025));
    EXPECT_EQ(RunFromOwnMoment(TwiceMonthlyTask("Twice - 15th, Last", 0, MakeDate(1, 31, 2025))).Date,
              MakeDate(2, 15, 2025));
    // With an offset the base day decides: offset 3, 25 January is base 22.
    EXPECT_EQ(RunFromOwnMoment(TwiceMonthlyTask("Twice - 15th, Last", 3, MakeDate(1, 25, 2025))).Date,
              MakeDate(1, 31, 2025) + 3);
}

TEST(NextRun, MonthlyRepeatOnceIsTheOrdinaryMonthlyRule)
{
    ScheduleRecord task = TaskOn("Monthly", MakeDate(1, 20, 2025));
    task.MonthRepeat = "Once";
    task.Offset = 5;
    EXPECT_EQ(RunFromOwnMoment(task).Date, MakeDate(2, 20, 2025));
}

TEST(NextRun, DayOfWeek)
{
    // No weekday ticked: daily.
    ScheduleRecord task = TaskOn("Day of Week", MakeDate(1, 6, 2025));
    EXPECT_EQ(RunFromOwnMoment(task).Date, MakeDate(1, 7, 2025));
    // Monday and Wednesday.
    TickWeekdays(task, {1, 3});
    task = RunFromOwnMoment(task);
    EXPECT_EQ(task.Date, MakeDate(1, 8, 2025));
    task = RunFromOwnMoment(task);
    EXPECT_EQ(task.Date, MakeDate(1, 13, 2025));
    // Far behind: the first ticked day past the moment.
    task.Date = MakeDate(1, 6, 2015);
    ComputeNextRun(task, MakeDate(1, 13, 2025), MakeClock(13, 0));
    EXPECT_EQ(task.Date, MakeDate(1, 15, 2025));
    task.Date = MakeDate(1, 6, 2015);
    ComputeNextRun(task, MakeDate(1, 13, 2025), MakeClock(11, 0));
    EXPECT_EQ(task.Date, MakeDate(1, 13, 2025));
    // Already past the limit: unchanged, even on a day that is not ticked.
    task.Date = MakeDate(1, 18, 2025);
    ComputeNextRun(task, MakeDate(1, 13, 2025), MakeClock(11, 0));
    EXPECT_EQ(task.Date, MakeDate(1, 18, 2025));
}

TEST(NextRun, DayOfMonthWeekRules)
{
    // First Sunday: 1 June 2025 is a Sunday and is accepted.
    ScheduleRecord task = TaskOn("Day of Month", MakeDate(5, 4, 2025));
    TickWeekdays(task, {0});
    task.Every1st = 1;
    ComputeNextRun(task, MakeDate(5, 31, 2025), MakeClock(8, 0));
    EXPECT_EQ(task.Date, MakeDate(6, 1, 2025));
    task = RunFromOwnMoment(task);
    EXPECT_EQ(task.Date, MakeDate(7, 6, 2025));

    // Last Friday: 31 January 2025 is the last day and a Friday.
    task = TaskOn("Day of Month", MakeDate(12, 27, 2024));
    TickWeekdays(task, {5});
    task.EveryLast = 1;
    task = RunFromOwnMoment(task);
    EXPECT_EQ(task.Date, MakeDate(1, 31, 2025));
    task = RunFromOwnMoment(task);
    EXPECT_EQ(task.Date, MakeDate(2, 28, 2025));

    // Second Monday.
    task = TaskOn("Day of Month", MakeDate(1, 1, 2025));
    TickWeekdays(task, {1});
    task.Every2nd = 1;
    task = RunFromOwnMoment(task);
    EXPECT_EQ(task.Date, MakeDate(1, 13, 2025));

    // No week ticked: every ticked weekday.
    task = TaskOn("Day of Month", MakeDate(1, 1, 2025));
    TickWeekdays(task, {1});
    task = RunFromOwnMoment(task);
    EXPECT_EQ(task.Date, MakeDate(1, 6, 2025));

    // The time plays no part, and a task dated after the moment still moves
    // on by at least one day.
    task = TaskOn("Day of Month", MakeDate(3, 1, 2025), MakeClock(0, 5));
    ComputeNextRun(task, MakeDate(2, 1, 2025), MakeClock(23, 0));
    EXPECT_EQ(task.Date, MakeDate(3, 2, 2025));
}

TEST(NextRun, DayOfMonthLastDay)
{
    ScheduleRecord task = TaskOn("Day of Month", MakeDate(1, 31, 2025));
    task.LastDayofMonth = 1;
    TickWeekdays(task, {1}); // plays no part
    task.Every2nd = 1;
    task = RunFromOwnMoment(task);
    EXPECT_EQ(task.Date, MakeDate(2, 28, 2025));
    task.Date = MakeDate(1, 31, 2024);
    EXPECT_EQ(RunFromOwnMoment(task).Date, MakeDate(2, 29, 2024));
    // From a moment later than the task's date.
    task.Date = MakeDate(1, 31, 2024);
    ComputeNextRun(task, MakeDate(6, 30, 2025), 1);
    EXPECT_EQ(task.Date, MakeDate(7, 31, 2025));
    task.Date = MakeDate(1, 31, 2024);
    ComputeNextRun(task, MakeDate(6, 10, 2025), 1);
    EXPECT_EQ(task.Date, MakeDate(6, 30, 2025));
}

TEST(NextRun, CustomMinutesAndHoursFoldPastMidnight)
{
    const Date d = MakeDate(3, 10, 2025);
    ScheduleRecord task = RunFromOwnMoment(CustomTask(90, "minute(s)", d, MakeClock(23, 30)));
    EXPECT_EQ(task.Date, d + 1);
    EXPECT_EQ(task.Time, MakeClock(1, 0));

    task = RunFromOwnMoment(CustomTask(3, "hour(s)", d, MakeClock(22, 0)));
    EXPECT_EQ(task.Date, d + 1);
    EXPECT_EQ(task.Time, MakeClock(1, 0));

    // More than a day: whole days go to the date.
    task = RunFromOwnMoment(CustomTask(1500, "minute(s)", d, MakeClock(23, 30)));
    EXPECT_EQ(task.Date, d + 2);
    EXPECT_EQ(task.Time, MakeClock(0, 30));
    task = RunFromOwnMoment(CustomTask(50, "Hours", d, MakeClock(10, 0)));
    EXPECT_EQ(task.Date, d + 2);
    EXPECT_EQ(task.Time, MakeClock(12, 0));

    // No one-minute margin: from one hundredth before the occurrence, the
    // occurrence itself is the next one.
    task = CustomTask(15, "minute(s)", d, MakeClock(10, 0));
    ComputeNextRun(task, d, MakeClock(10, 0) - 1);
    EXPECT_EQ(task.Time, MakeClock(10, 15));
}

TEST(NextRun, CustomStepsOf256DaysOrMoreDoNotWrap)
{
    const Date d = MakeDate(1, 1, 2025);
    ScheduleRecord task = RunFromOwnMoment(CustomTask(256 * 1440, "minute(s)", d, MakeClock(10, 0)));
    EXPECT_EQ(task.Date, d + 256);
    EXPECT_EQ(task.Time, MakeClock(10, 0));
    task = RunFromOwnMoment(CustomTask(300 * 1440 + 30, "minute(s)", d, MakeClock(10, 0)));
    EXPECT_EQ(task.Date, d + 300);
    EXPECT_EQ(task.Time, MakeClock(10, 30));
    task = RunFromOwnMoment(CustomTask(24 * 1000 + 1, "hour(s)", d, MakeClock(10, 0)));
    EXPECT_EQ(task.Date, d + 1000);
    EXPECT_EQ(task.Time, MakeClock(11, 0));
}

TEST(NextRun, CustomMinutesFarBehindLandOnTheirOwnGrid)
{
    // Every minute from 10:00:00.00 ten years ago: the next is the first
    // whole minute after the moment.
    const Date d = MakeDate(1, 1, 2015);
    ScheduleRecord task = CustomTask(1, "minute(s)", d, MakeClock(10, 0));
    ComputeNextRun(task, d + 3650, MakeClock(12, 34, 56, 78));
    EXPECT_EQ(task.Date, d + 3650);
    EXPECT_EQ(task.Time, MakeClock(12, 35));
    // Every 7 minutes: the grid is kept across the years and the midnights.
    task = CustomTask(7, "minute(s)", d, MakeClock(0, 0));
    ComputeNextRun(task, d + 1, MakeClock(0, 0));
    EXPECT_EQ(task.Date, d + 1);
    EXPECT_EQ(task.Time, MakeClock(0, 2)); // 206 * 7 = 1442 minutes
}

TEST(NextRun, CustomDaysWeeksMonthsYears)
{
    const Date d = MakeDate(1, 31, 2025);
    // Every 0 days counts as every day, and Every is raised to 1 for storing.
    ScheduleRecord task = RunFromOwnMoment(CustomTask(0, "day(s)", d));
    EXPECT_EQ(task.Every, 1);
    EXPECT_EQ(task.Date, d + 1);
    task = RunFromOwnMoment(CustomTask(-5, "week(s)", d));
    EXPECT_EQ(task.Every, 1);
    EXPECT_EQ(task.Date, d + 7);
    EXPECT_EQ(RunFromOwnMoment(CustomTask(10, "day(s)", d)).Date, d + 10);
    EXPECT_EQ(RunFromOwnMoment(CustomTask(2, "week(s)", d)).Date, d + 14);
    EXPECT_EQ(RunFromOwnMoment(CustomTask(1, "month(s)", d)).Date, MakeDate(3, 3, 2025));
    EXPECT_EQ(RunFromOwnMoment(CustomTask(11, "month(s)", d)).Date, MakeDate(12, 31, 2025));
    EXPECT_EQ(RunFromOwnMoment(CustomTask(14, "month(s)", d)).Date, MakeDate(3, 31, 2026));
    EXPECT_EQ(RunFromOwnMoment(CustomTask(2, "year(s)", d)).Date, MakeDate(1, 31, 2027));

    // Behind the moment: steps from the task's own date, not from the moment.
    task = CustomTask(10, "day(s)", d, MakeClock(8, 0));
    ComputeNextRun(task, d + 95, MakeClock(9, 0));
    EXPECT_EQ(task.Date, d + 100);
    task = CustomTask(10, "day(s)", d, MakeClock(8, 0));
    ComputeNextRun(task, d + 100, MakeClock(7, 0));
    EXPECT_EQ(task.Date, d + 100);
}

TEST(NextRun, OtherScheduleTypesTakeTheCustomRule)
{
    ScheduleRecord task = CustomTask(3, "day(s)", MakeDate(5, 1, 2025));
    task.ScheduleType = "Semi-Monthly";
    EXPECT_EQ(RunFromOwnMoment(task).Date, MakeDate(5, 4, 2025));
    // The type is compared with its case.
    task.ScheduleType = "monthly";
    EXPECT_EQ(RunFromOwnMoment(task).Date, MakeDate(5, 4, 2025));
}

TEST(NextRun, InvalidUnitsAsksOncePerOperation)
{
    test::ScriptedPrompt prompt;
    prompt.Answer(1);
    const Date d = MakeDate(5, 1, 2025);
    ScheduleRecord task = CustomTask(2, "fortnight(s)", d, MakeClock(9, 0));
    NextRunOperation operation;
    ComputeNextRun(task, d + 3, MakeClock(10, 0), operation);
    EXPECT_EQ(task.Date, d + 4);
    EXPECT_EQ(task.Time, MakeClock(9, 0));
    // A later date stays; the same operation does not ask again.
    ComputeNextRun(task, d + 2, MakeClock(10, 0), operation);
    EXPECT_EQ(task.Date, d + 4);
    ComputeNextRun(task, d + 4, MakeClock(10, 0), operation);
    EXPECT_EQ(task.Date, d + 5);
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions()[0].caption, "Invalid Units");
    EXPECT_EQ(prompt.Questions()[0].text, "Custom repetition is not set up properly.  Select units.");

    // A new operation asks again.
    prompt.Answer(1);
    ComputeNextRun(task, d + 10, MakeClock(10, 0));
    EXPECT_EQ(task.Date, d + 11);
    EXPECT_EQ(prompt.Questions().size(), 2u);
}

TEST(NextRun, CorruptValuesNeitherOverflowNorHang)
{
    const Date d = MakeDate(1, 1, 2025);
    ScheduleRecord task = RunFromOwnMoment(CustomTask(INT32_MAX, "minute(s)", d));
    EXPECT_GT(task.Date, d + 4000);
    task = RunFromOwnMoment(CustomTask(INT32_MAX, "day(s)", d));
    EXPECT_EQ(task.Date, MakeDate(12, 31, 9999));
    task = RunFromOwnMoment(CustomTask(INT32_MAX, "year(s)", d));
    EXPECT_EQ(task.Date, MakeDate(12, 31, 9999));
    task = RunFromOwnMoment(CustomTask(INT32_MAX, "month(s)", d));
    EXPECT_EQ(task.Date, MakeDate(12, 31, 9999));
    task = TwiceMonthlyTask("Twice - 1st, 15th", INT32_MIN, d);
    task = RunFromOwnMoment(task);
    EXPECT_GT(task.Date, d);
    // A date far before the calendar is searched from its first day.
    task = TaskOn("Monthly", INT32_MIN, MakeClock(8, 0));
    ComputeNextRun(task, d, MakeClock(9, 0));
    EXPECT_EQ(task.Date, MakeDate(2, 1, 2025));
}

} // namespace
} // namespace vl

#include "core/schedule/DateFit.h"
#include "tests/core/schedule/ScheduleTestTasks.h"

#include <gtest/gtest.h>

#include <vector>

namespace vl {
namespace {

using test::TaskOn;
using test::TickWeekdays;
using test::TwiceMonthlyTask;

// The days of a month that fit the task.
std::vector<int> FittingDays(const ScheduleRecord& task, int month, int year)
{
    std::vector<int> days;
    for (int day = 1; day <= DaysInMonth(month, year); ++day)
        if (DateFitsSchedule(task, MakeDate(month, day, year)))
            days.push_back(day);
    return days;
}

using Days = std::vector<int>;

TEST(DateFit, TypesWithoutADayRuleFitEveryDate)
{
    for (const char* type : {"Once", "Yearly", "Custom", "Semi-Monthly", "", "Monthly"})
        EXPECT_EQ(FittingDays(TaskOn(type, MakeDate(1, 5, 2025)), 2, 2025).size(), 28u) << type;
    ScheduleRecord monthlyOnce = TaskOn("Monthly", MakeDate(1, 5, 2025));
    monthlyOnce.MonthRepeat = "Once";
    EXPECT_EQ(FittingDays(monthlyOnce, 2, 2025).size(), 28u);
}

TEST(DateFit, TwiceMonthly)
{
    EXPECT_EQ(FittingDays(TwiceMonthlyTask("Twice - 1st, 15th", 0, 0), 4, 2025), (Days{1, 15}));
    EXPECT_EQ(FittingDays(TwiceMonthlyTask("Twice - 15th, Last", 0, 0), 4, 2025), (Days{15, 30}));
    EXPECT_EQ(FittingDays(TwiceMonthlyTask("Twice - 15th, Last", 0, 0), 2, 2024), (Days{15, 29}));
    EXPECT_EQ(FittingDays(TwiceMonthlyTask("Twice - 1st, 15th", 3, 0), 4, 2025), (Days{4, 18}));
    EXPECT_EQ(FittingDays(TwiceMonthlyTask("Twice - 15th, Last", -1, 0), 4, 2025), (Days{14, 29}));
    EXPECT_EQ(FittingDays(TwiceMonthlyTask("Twice - 15th, Last", -1, 0), 3, 2025), (Days{14, 30}));
    // An offset can move a run into the neighbouring month.
    EXPECT_EQ(FittingDays(TwiceMonthlyTask("Twice - 1st, 15th", -2, 0), 4, 2025), (Days{13, 29}));
}

TEST(DateFit, DayOfWeek)
{
    ScheduleRecord task = TaskOn("Day of Week", 0);
    // 6 January 2025 is a Monday.
    EXPECT_EQ(FittingDays(task, 1, 2025).size(), 31u); // nothing ticked: daily
    TickWeekdays(task, {1, 3});
    EXPECT_EQ(FittingDays(task, 1, 2025), (Days{1, 6, 8, 13, 15, 20, 22, 27, 29}));
}

TEST(DateFit, DayOfMonthWeeks)
{
    // November 2025 begins on a Saturday; its Tuesdays are 4, 11, 18, 25.
    ScheduleRecord task = TaskOn("Day of Month", 0);
    TickWeekdays(task, {2});
    task.Every2nd = 1;
    EXPECT_EQ(FittingDays(task, 11, 2025), (Days{11}));
    task.Every2nd = 0;
    task.EveryLast = 1;
    EXPECT_EQ(FittingDays(task, 11, 2025), (Days{25}));
    task.Every1st = task.Every3rd = 1;
    EXPECT_EQ(FittingDays(task, 11, 2025), (Days{4, 18, 25}));
    // September 2025: Tuesday the 30th lies in no numbered week, only in the last seven days.
    task.EveryLast = 0;
    task.Every4th = 1;
    EXPECT_EQ(FittingDays(task, 9, 2025), (Days{2, 16, 23}));
    task.EveryLast = 1;
    EXPECT_EQ(FittingDays(task, 9, 2025), (Days{2, 16, 23, 30}));

    // A weekday ticked and no week: every such weekday.
    ScheduleRecord anyWeek = TaskOn("Day of Month", 0);
    TickWeekdays(anyWeek, {2});
    EXPECT_EQ(FittingDays(anyWeek, 11, 2025), (Days{4, 11, 18, 25}));
    // A week ticked and no weekday: every day of that week.
    ScheduleRecord anyDay = TaskOn("Day of Month", 0);
    anyDay.Every2nd = 1;
    EXPECT_EQ(FittingDays(anyDay, 11, 2025), (Days{8, 9, 10, 11, 12, 13, 14}));
    // Nothing ticked: every day.
    EXPECT_EQ(FittingDays(TaskOn("Day of Month", 0), 11, 2025).size(), 30u);
}

TEST(DateFit, DayOfMonthMonthEndIgnoresTheOtherBoxes)
{
    ScheduleRecord task = TaskOn("Day of Month", 0);
    task.LastDayofMonth = 1;
    TickWeekdays(task, {1});
    task.Every1st = 1;
    EXPECT_EQ(FittingDays(task, 2, 2025), (Days{28}));
    EXPECT_EQ(FittingDays(task, 2, 2024), (Days{29}));
    EXPECT_EQ(FittingDays(task, 12, 2025), (Days{31}));
}

TEST(DateFit, DateZeroMeansTheTasksOwnDate)
{
    ScheduleRecord task = TaskOn("Day of Week", MakeDate(1, 6, 2025)); // a Monday
    TickWeekdays(task, {1});
    EXPECT_TRUE(DateFitsSchedule(task));
    task.Date = MakeDate(1, 7, 2025);
    EXPECT_FALSE(DateFitsSchedule(task, 0));
    EXPECT_TRUE(DateFitsSchedule(task, MakeDate(1, 13, 2025)));
}

} // namespace
} // namespace vl

// Advance warnings derived from the program INI's "Warning" section, and a
// warning after the run refused.

#include "platform/runtime/IniFile.h"
#include "tasks/AdvanceWarning.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

const Date kDay = MakeDate(3, 2, 2026);

TEST(AdvanceWarning, SettingIsReadFromTheWarningSectionBlankCountingAsZero)
{
    IniFile ini(QStringLiteral("vlmr.INI"));
    EXPECT_FALSE(ReadAdvanceWarningSetting(ini).active);
    ASSERT_TRUE(ini.Put("Warning", "Active", "1"));
    ASSERT_TRUE(ini.Put("Warning", "Date", "2"));
    ASSERT_TRUE(ini.Put("Warning", "Time", "abc"));
    const AdvanceWarningSetting setting = ReadAdvanceWarningSetting(ini);
    EXPECT_TRUE(setting.active);
    EXPECT_EQ(setting.days, 2);
    EXPECT_EQ(setting.hundredths, 0);
}

TEST(AdvanceWarning, DerivedWarningBorrowsADayOrGivesNoneButNeverAnInvalidMoment)
{
    struct Case { Date date; ClockTime time; int64_t days, hundredths; Date warnDate; ClockTime warnTime; };
    const Case cases[] = {
        {kDay, MakeClock(9, 0), 1, kClockPerHour, kDay - 1, MakeClock(8, 0)},
        {kDay, MakeClock(0, 30), 0, kClockPerHour, kDay - 1, MakeClock(23, 30)},   // borrows a day
        {kDay, MakeClock(0, 30), 0, 3 * kClockPerDay, kDay - 3, MakeClock(0, 30)}, // several days of time
        {kDay, MakeClock(9, 0), 0, 0, kDay, MakeClock(9, 0)},
        {0, MakeClock(9, 0), 1, 0, 0, 0},                     // no date: no warning
        {2, MakeClock(1, 0), 1, 2 * kClockPerHour, 0, 0},     // before day 1: none
        {kDay, MakeClock(9, 0), -1, 0, 0, 0},                 // after the run: none
        {kDay, MakeClock(9, 0), 0, int64_t{1} << 62, 0, 0},   // absurd setting: none
    };
    for (const Case& c : cases) {
        ScheduleRecord task;
        task.Date = c.date;
        task.Time = c.time;
        task.AdvanceWarnDate = 5;
        task.AdvanceWarnTime = 5;
        EXPECT_TRUE(DeriveAdvanceWarning(task, {true, c.days, c.hundredths}));
        const int row = static_cast<int>(&c - cases);
        EXPECT_EQ(task.AdvanceWarnDate, c.warnDate) << row;
        EXPECT_EQ(task.AdvanceWarnTime, c.warnTime) << row;
    }
    ScheduleRecord task;
    task.AdvanceWarnDate = 5;
    EXPECT_FALSE(DeriveAdvanceWarning(task, {false, 1, 0}));
    EXPECT_EQ(task.AdvanceWarnDate, 5) << "an inactive setting changes nothing";
}

TEST(AdvanceWarning, AWarningAfterTheRunIsCleared)
{
    struct Case { Date warnDate; ClockTime warnTime; bool cleared; };
    const Case cases[] = {
        {kDay, MakeClock(10, 0), true}, // 10:00 on the day of a 09:00 task
        {kDay + 1, MakeClock(8, 0), true},
        {kDay, MakeClock(9, 0), false},
        {kDay - 1, MakeClock(23, 0), false},
        {0, 0, false},
    };
    for (const Case& c : cases) {
        ScheduleRecord task;
        task.Date = kDay;
        task.Time = MakeClock(9, 0);
        task.AdvanceWarnDate = c.warnDate;
        task.AdvanceWarnTime = c.warnTime;
        EXPECT_EQ(ClearLateAdvanceWarning(task), c.cleared) << c.warnDate << " " << c.warnTime;
        EXPECT_EQ(task.AdvanceWarnDate, c.cleared ? 0 : c.warnDate);
        EXPECT_EQ(task.AdvanceWarnTime, c.cleared ? 0 : c.warnTime);
    }
}

} // namespace
} // namespace vl

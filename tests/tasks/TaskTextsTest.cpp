// The texts made from a task: the recurrence line of the lists, and the
// defaults DescribeTaskType fills in before a task is stored.

#include "core/base/Globals.h"
#include "core/base/UserDate.h"
#include "core/dictionary/Dictionary.h"
#include "platform/runtime/Clock.h"
#include "tasks/DescribeRecurrence.h"
#include "tasks/DescribeTaskType.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

ScheduleRecord Task(const char* scheduleType)
{
    ScheduleRecord task;
    task.ScheduleType = scheduleType;
    return task;
}

TEST(DescribeRecurrence, OneLinePerRepetition)
{
    struct Case { ScheduleRecord task; const char* text; };
    ScheduleRecord mwf = Task("Day of Week");
    mwf.Monday = mwf.Wednesday = mwf.Friday = 1;
    ScheduleRecord secondLastTue = Task("Day of Month");
    secondLastTue.Every2nd = secondLastTue.EveryLast = secondLastTue.Tuesday = 1;
    ScheduleRecord firstMon = Task("Day of Month");
    firstMon.Every1st = firstMon.Monday = 1;
    firstMon.LastDayofMonth = 1;
    ScheduleRecord twice = Task("Monthly");
    twice.MonthRepeat = "twice - 1st, 15th";
    twice.Offset = 3;
    ScheduleRecord twiceNoOffset = twice;
    twiceNoOffset.Offset = 0;
    ScheduleRecord monthly = Task("Monthly");
    monthly.MonthRepeat = "Once";
    ScheduleRecord custom = Task("Custom");
    custom.Every = 2;
    custom.EveryType = "hour(s)";
    ScheduleRecord excepted = Task("Yearly");
    excepted.EXCEPTOTHER = "  Y";
    ScheduleRecord holidays = Task("Once");
    holidays.ExceptHolidays = 1;
    const Case cases[] = {
        {mwf, "Days: Mon, Wed, Fri"},
        {Task("Day of Week"), "Days:"},
        {secondLastTue, "Days: 2nd, Last: Tue"},
        {firstMon, "Days: 1st: Mon"},
        {Task("Day of Month"), "Days::"},
        {twice, "Twice Monthly (3)"},
        {twiceNoOffset, "Twice Monthly"},
        {monthly, "Monthly"},
        {custom, "Every 2 hour(s)"},
        {Task("Once"), "Once"},
        {excepted, "Yearly (exceptions exist)"},
        {holidays, "Once (exceptions exist)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DescribeRecurrence(c.task), c.text);
}

class DescribeTaskTypeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenTable(d.Schedule));
        ASSERT_TRUE(OpenTable(d.Holidays));
        UserID = "kim";
    }
    void TearDown() override
    {
        UserID.clear();
        DictionaryEnd();
    }

    ScheduleRecord Described(const char* taskType, const char* command = "", const QString& message = {})
    {
        ScheduleRecord task;
        task.ID = 17;
        task.TaskType = taskType;
        task.Command = command;
        task.Message = message;
        task.ScheduleType = "Once";
        task.Date = today;
        DescribeTaskType(task, {d.Schedule, d.Holidays});
        return task;
    }

    Date today = MakeDate(3, 2, 2026);
    SettableClock clock{today, MakeClock(10, 0)};
    ClockOverride useClock{clock};
    Dictionary& d = (DictionaryStart(), Tables());
};

TEST_F(DescribeTaskTypeTest, BlankFieldsTakeTheirDefaults)
{
    struct Case { const char* type; const char* command; QString message; const char* newCommand; QString description; };
    const Case cases[] = {
        {"Run Program", "", {}, "N/A", "Script: " + FormatUserDate(today)},
        {"Run Program", "make all", {}, "make all", "Run: make all"},
        {"Both", "", {}, "N/A", "Message/Run Program"},
        {"Hot Key", "", {}, "N/A", "Hot Key 17"},
        {"Display Message", "", QString(300, QLatin1Char('x')), "", "Message: " + QString(31, QLatin1Char('x'))},
        {"None", "", "Call\nBob", "", "Reminder: Call Bob"},
    };
    for (const Case& c : cases) {
        const ScheduleRecord task = Described(c.type, c.command, c.message);
        EXPECT_EQ(task.Command, c.newCommand) << c.type;
        EXPECT_EQ(task.Description, c.description) << c.type;
        EXPECT_EQ(task.Category, "General");
    }
}

TEST_F(DescribeTaskTypeTest, StampsTheChangeAndKeepsWhatIsSet)
{
    ScheduleRecord task;
    task.ID = 4;
    task.TaskType = "Run Program";
    task.Command = "backup";
    task.Description = "Nightly";
    task.Category = "Work";
    task.ORIGINALID = 9;
    DescribeTaskType(task, {d.Schedule, d.Holidays});
    EXPECT_EQ(task.Description, "Nightly");
    EXPECT_EQ(task.Category, "Work");
    EXPECT_EQ(task.NETWORKUSER, "kim");
    EXPECT_EQ(task.LASTCHANGEDATE, today);
    EXPECT_EQ(task.LASTCHANGETIME, MakeClock(10, 0));
    EXPECT_EQ(task.ORIGINALID, 9);
    EXPECT_EQ(Described("Both").ORIGINALID, 17) << "a task without one takes its own ID";
}

} // namespace
} // namespace vl

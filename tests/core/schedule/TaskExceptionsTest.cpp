#include "core/schedule/TaskExceptions.h"
#include "tests/core/schedule/ScheduleTablesFixture.h"
#include "tests/core/schedule/ScheduleTestTasks.h"
#include "tests/support/ScriptedPrompt.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

using test::CustomTask;
using test::TaskOn;

// 15 March 2025 is a Saturday.
Date Saturday() { return MakeDate(3, 15, 2025); }
Date Friday() { return MakeDate(3, 14, 2025); }
Date Monday() { return MakeDate(3, 17, 2025); }

class TaskExceptions : public test::ScheduleTablesFixture {
protected:
    ExceptionTables Tables() { return {schedule, holidays}; }

    // A monthly task due on the Saturday with weekends excluded, stored after
    // two other tasks (IDs 1 and 2).
    ScheduleRecord StoredSaturdayTask(const char* shiftType)
    {
        Stored(TaskOn("Yearly", MakeDate(1, 1, 2025)));
        Stored(TaskOn("Yearly", MakeDate(1, 2, 2025)));
        ScheduleRecord task = TaskOn("Monthly", Saturday(), MakeClock(9, 0));
        task.Description = "Pay the rent";
        task.TaskType = "Display Message";
        task.Message = "Transfer the rent today.";
        task.ExceptWeekends = 1;
        task.ShiftType = QString::fromLatin1(shiftType);
        return Stored(task);
    }
};

TEST_F(TaskExceptions, OnceAndDayOfWeekTasksKeepNoExceptions)
{
    for (const char* type : {"Day of Week", "Once"}) {
        ScheduleRecord task = TaskOn(type, Saturday());
        task.ExceptTime = task.ExceptWeekends = task.ExceptWeekdays = task.ExceptHolidays = 1;
        task.ExceptTimeBegin = MakeClock(9, 0);
        task.ExceptTimeEnd = MakeClock(17, 0);
        task.EXCEPTOTHER = "Y     Y";
        task.ShiftType = "Next Day";
        task = Stored(task);
        EXPECT_FALSE(ApplyTaskExceptions(task, Tables())) << type;
        EXPECT_EQ(task.ExceptTime + task.ExceptWeekends + task.ExceptWeekdays + task.ExceptHolidays, 0);
        EXPECT_EQ(task.ExceptTimeBegin, 0);
        EXPECT_EQ(task.ExceptTimeEnd, 0);
        EXPECT_EQ(task.EXCEPTOTHER, "");
        EXPECT_EQ(task.Date, Saturday());
        EXPECT_EQ(task.SkipNextTime, 0);
        // Nothing was stored: the caller stores the cleared task.
        EXPECT_EQ(Read(task.ID).ExceptWeekends, 1);
    }
    EXPECT_EQ(AllTasks().size(), 2u);
}

TEST_F(TaskExceptions, ATaskWithoutExceptionsIsLeftToTheCaller)
{
    ScheduleRecord task = Stored(TaskOn("Monthly", Saturday()));
    task.ShiftType = "Next Day";
    EXPECT_FALSE(ApplyTaskExceptions(task, Tables()));
    EXPECT_EQ(task.SkipNextTime, 0);
    EXPECT_EQ(AllTasks().size(), 1u);
}

TEST_F(TaskExceptions, TimeRangeEndsAndMidnight)
{
    ScheduleRecord task;
    task.ExceptTimeBegin = MakeClock(9, 0);
    task.ExceptTimeEnd = MakeClock(17, 0);
    EXPECT_TRUE(InExcludedTimeRange(task, MakeClock(9, 0)));
    EXPECT_TRUE(InExcludedTimeRange(task, MakeClock(17, 0)));
    EXPECT_TRUE(InExcludedTimeRange(task, MakeClock(12, 0)));
    EXPECT_FALSE(InExcludedTimeRange(task, MakeClock(9, 0) - 1));
    EXPECT_FALSE(InExcludedTimeRange(task, MakeClock(17, 0) + 1));

    task.ExceptTimeBegin = MakeClock(22, 0);
    task.ExceptTimeEnd = MakeClock(6, 0);
    EXPECT_TRUE(InExcludedTimeRange(task, MakeClock(23, 0)));
    EXPECT_TRUE(InExcludedTimeRange(task, MakeClock(5, 59)));
    EXPECT_TRUE(InExcludedTimeRange(task, MakeClock(22, 0) + 1));
    EXPECT_FALSE(InExcludedTimeRange(task, MakeClock(22, 0)));
    EXPECT_FALSE(InExcludedTimeRange(task, MakeClock(6, 0)));
    EXPECT_FALSE(InExcludedTimeRange(task, MakeClock(12, 0)));

    // An end of 0 is the end of the day.
    task.ExceptTimeBegin = MakeClock(20, 0);
    task.ExceptTimeEnd = 0;
    EXPECT_TRUE(InExcludedTimeRange(task, kClockPerDay));
    EXPECT_FALSE(InExcludedTimeRange(task, MakeClock(19, 59)));
}

TEST_F(TaskExceptions, ADailyTaskAlwaysInTheRangeEndsAtTheRangesEndAfter100Steps)
{
    const Date d = MakeDate(3, 10, 2025);
    ScheduleRecord task = Stored(CustomTask(1, "day(s)", d, MakeClock(12, 0)));
    task.ExceptTime = 1;
    task.ExceptTimeBegin = MakeClock(9, 0);
    task.ExceptTimeEnd = MakeClock(17, 0);
    EXPECT_TRUE(ApplyTaskExceptions(task, Tables()));
    EXPECT_EQ(task.Date, d + 1);
    EXPECT_EQ(task.Time, MakeClock(17, 0));
    const ScheduleRecord stored = Read(task.ID);
    EXPECT_EQ(stored.Date, d + 1);
    EXPECT_EQ(stored.Time, MakeClock(17, 0));

    // When the range ends before the occurrence's time, the next day's
    // occurrence takes the range's end.
    task = Stored(CustomTask(1, "day(s)", d, MakeClock(23, 0)));
    task.ExceptTime = 1;
    task.ExceptTimeBegin = MakeClock(22, 0);
    task.ExceptTimeEnd = MakeClock(6, 0);
    EXPECT_TRUE(ApplyTaskExceptions(task, Tables()));
    EXPECT_EQ(task.Date, d + 1);
    EXPECT_EQ(task.Time, MakeClock(6, 0));
}

TEST_F(TaskExceptions, RepeatingStepsLeaveTheRange)
{
    const Date d = MakeDate(3, 10, 2025);
    // Every three hours from 12:00 with 09:00-17:00 excluded: 15:00 is still
    // in, 18:00 is out.
    ScheduleRecord task = Stored(CustomTask(3, "hour(s)", d, MakeClock(12, 0)));
    task.ExceptTime = 1;
    task.ExceptTimeBegin = MakeClock(9, 0);
    task.ExceptTimeEnd = MakeClock(17, 0);
    EXPECT_TRUE(ApplyTaskExceptions(task, Tables()));
    EXPECT_EQ(task.Date, d);
    EXPECT_EQ(task.Time, MakeClock(18, 0));

    // Every 30 minutes from 23:00 with 22:00-06:00 excluded: on through
    // midnight to 06:00, which the range allows.
    task = Stored(CustomTask(30, "minute(s)", d, MakeClock(23, 0)));
    task.ExceptTime = 1;
    task.ExceptTimeBegin = MakeClock(22, 0);
    task.ExceptTimeEnd = MakeClock(6, 0);
    EXPECT_TRUE(ApplyTaskExceptions(task, Tables()));
    EXPECT_EQ(task.Date, d + 1);
    EXPECT_EQ(task.Time, MakeClock(6, 0));

    // Outside the range: nothing moves and nothing is stored; an end of 0 is
    // written as the end of the day.
    task = Stored(CustomTask(1, "day(s)", d, MakeClock(8, 0)));
    task.ExceptTime = 1;
    task.ExceptTimeBegin = MakeClock(9, 0);
    task.ExceptTimeEnd = 0;
    EXPECT_FALSE(ApplyTaskExceptions(task, Tables()));
    EXPECT_EQ(task.ExceptTimeEnd, kClockPerDay);
    EXPECT_EQ(task.Time, MakeClock(8, 0));
}

TEST_F(TaskExceptions, InvalidUnitsAskOnceForAllTheSteps)
{
    test::ScriptedPrompt prompt;
    prompt.Answer(1);
    const Date d = MakeDate(3, 10, 2025);
    ScheduleRecord task = Stored(CustomTask(1, "moons", d, MakeClock(12, 0)));
    task.ExceptTime = 1;
    task.ExceptTimeBegin = MakeClock(9, 0);
    task.ExceptTimeEnd = MakeClock(17, 0);
    EXPECT_TRUE(ApplyTaskExceptions(task, Tables()));
    EXPECT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(task.Date, d + 1);
    EXPECT_EQ(task.Time, MakeClock(17, 0));
}

TEST_F(TaskExceptions, ASaturdayWithWeekendsExcludedMovesToAMondayCopy)
{
    ScheduleRecord task = StoredSaturdayTask("Next Day");
    ASSERT_EQ(task.ID, 3);
    EXPECT_TRUE(ApplyTaskExceptions(task, Tables()));

    // The monthly task keeps its Saturday, marked to be skipped and linked
    // to the copy.
    EXPECT_EQ(task.Date, Saturday());
    EXPECT_EQ(task.SkipNextTime, 1);
    EXPECT_EQ(task.EXCEPTIONLINK, 4);
    const ScheduleRecord stored = Read(3);
    EXPECT_EQ(stored.Date, Saturday());
    EXPECT_EQ(stored.SkipNextTime, 1);
    EXPECT_EQ(stored.EXCEPTIONLINK, 4);
    EXPECT_EQ(stored.ScheduleType, "Monthly");

    const ScheduleRecord copy = Read(4);
    EXPECT_EQ(copy.Date, Monday());
    EXPECT_EQ(copy.Time, MakeClock(9, 0));
    EXPECT_EQ(copy.ScheduleType, "Once");
    EXPECT_EQ(copy.SkipNextTime, 0);
    EXPECT_EQ(copy.EXCEPTIONLINK, 0);
    EXPECT_EQ(copy.Description, "Pay the rent");
    EXPECT_EQ(copy.Message, "Transfer the rent today.");
    EXPECT_EQ(AllTasks().size(), 4u);
}

TEST_F(TaskExceptions, PreviousDayCopyAndHolidays)
{
    ScheduleRecord task = StoredSaturdayTask("Previous Day");
    task.ExceptHolidays = 1;
    AddHoliday(Friday(), "Spring holiday");
    EXPECT_TRUE(ApplyTaskExceptions(task, Tables()));
    EXPECT_EQ(Read(task.EXCEPTIONLINK).Date, Friday() - 1);

    // A holiday on the Monday: the next valid day is the Tuesday.
    AddHoliday(Monday(), "Bank holiday");
    task = TaskOn("Monthly", Saturday());
    task.ExceptWeekends = task.ExceptHolidays = 1;
    task.ShiftType = "Next Day";
    task = Stored(task);
    EXPECT_TRUE(ApplyTaskExceptions(task, Tables()));
    EXPECT_EQ(Read(task.EXCEPTIONLINK).Date, Monday() + 1);

    // A holiday alone excludes its day.
    task = TaskOn("Monthly", Monday());
    task.ExceptHolidays = 1;
    task.ShiftType = "Skip (to Next Valid Day)";
    task = Stored(task);
    EXPECT_TRUE(ApplyTaskExceptions(task, Tables()));
    EXPECT_EQ(task.SkipNextTime, 1);
}

TEST_F(TaskExceptions, SkipMakesNoCopy)
{
    ScheduleRecord task = StoredSaturdayTask("Skip (to Next Valid Day)");
    EXPECT_TRUE(ApplyTaskExceptions(task, Tables()));
    EXPECT_EQ(task.Date, Saturday());
    EXPECT_EQ(task.SkipNextTime, 1);
    EXPECT_EQ(task.EXCEPTIONLINK, 0);
    EXPECT_EQ(Read(task.ID).SkipNextTime, 1);
    EXPECT_EQ(AllTasks().size(), 3u);
    // A blank or unknown shift type skips too.
    task = StoredSaturdayTask("");
    EXPECT_TRUE(ApplyTaskExceptions(task, Tables()));
    EXPECT_EQ(Read(task.ID).SkipNextTime, 1);
    EXPECT_EQ(AllTasks().size(), 6u);
}

TEST_F(TaskExceptions, WeekendsWinOverWeekdaysAndChosenWeekdaysExclude)
{
    ScheduleRecord task = TaskOn("Monthly", Saturday() - 3); // a Wednesday
    task.ExceptWeekends = task.ExceptWeekdays = 1;
    task.ShiftType = "Next Day";
    task = Stored(task);
    EXPECT_FALSE(ApplyTaskExceptions(task, Tables()));
    EXPECT_EQ(task.ExceptWeekdays, 0);
    EXPECT_EQ(task.SkipNextTime, 0);

    task.Date = Saturday() + 1; // a Sunday
    EXPECT_TRUE(ApplyTaskExceptions(task, Tables()));
    EXPECT_EQ(Read(task.EXCEPTIONLINK).Date, Monday());

    // Character 1 is Sunday: "  Y" excludes Tuesdays.
    task = TaskOn("Monthly", Monday() + 1);
    task.EXCEPTOTHER = "  Y";
    task.ShiftType = "Previous Day";
    task = Stored(task);
    EXPECT_TRUE(ApplyTaskExceptions(task, Tables()));
    EXPECT_EQ(Read(task.EXCEPTIONLINK).Date, Monday());
}

TEST_F(TaskExceptions, AllDaysExcludedEnds366DaysAway)
{
    ScheduleRecord task = TaskOn("Monthly", Saturday());
    task.EXCEPTOTHER = "YYYYYYY";
    ExcludedDays excluded(task, holidays);
    MoveToNextValidDay(task, excluded);
    EXPECT_EQ(task.Date, Saturday() + 366);
    task.Date = Saturday();
    MoveToPreviousValidDay(task, excluded);
    EXPECT_EQ(task.Date, Saturday() - 366);
    // A valid day ends the search at once, the excluded day itself first.
    task.EXCEPTOTHER = "Y     Y";
    task.Date = Friday();
    MoveToNextValidDay(task, excluded);
    EXPECT_EQ(task.Date, Friday());
}

TEST_F(TaskExceptions, SavingTheSameShiftedOccurrenceAgainUpdatesItsPendingCopy)
{
    ScheduleRecord task = StoredSaturdayTask("Next Day");
    ASSERT_TRUE(ApplyTaskExceptions(task, Tables()));
    const int32_t copyId = task.EXCEPTIONLINK;

    // The form saves the task again, a new time and text with it.
    task = Read(task.ID);
    task.Time = MakeClock(10, 30);
    task.Message = "Transfer the rent and the fees.";
    ASSERT_TRUE(ApplyTaskExceptions(task, Tables()));
    EXPECT_EQ(task.EXCEPTIONLINK, copyId);
    EXPECT_EQ(AllTasks().size(), 4u);
    const ScheduleRecord copy = Read(copyId);
    EXPECT_EQ(copy.Date, Monday());
    EXPECT_EQ(copy.Time, MakeClock(10, 30));
    EXPECT_EQ(copy.Message, "Transfer the rent and the fees.");
    // The copy keeps its own run state, not the recurring task's skip mark.
    EXPECT_EQ(copy.SkipNextTime, 0);
    EXPECT_EQ(copy.ScheduleType, "Once");

    // Changed to "Previous Day": still the one copy, now on the Friday.
    task = Read(task.ID);
    task.ShiftType = "Previous Day";
    ASSERT_TRUE(ApplyTaskExceptions(task, Tables()));
    EXPECT_EQ(AllTasks().size(), 4u);
    EXPECT_EQ(Read(copyId).Date, Friday());
}

TEST_F(TaskExceptions, ANewOccurrenceGetsACopyOfItsOwn)
{
    ScheduleRecord task = StoredSaturdayTask("Next Day");
    ASSERT_TRUE(ApplyTaskExceptions(task, Tables()));
    const int32_t firstCopy = task.EXCEPTIONLINK;

    // The Saturday comes due and is passed over; the next occurrence, a
    // Sunday, is shifted as well. The copy for this month's Monday stays.
    task = Read(task.ID);
    task.SkipNextTime = 0;
    task.Date = MakeDate(4, 13, 2025);
    ASSERT_TRUE(ApplyTaskExceptions(task, Tables()));
    EXPECT_NE(task.EXCEPTIONLINK, firstCopy);
    EXPECT_EQ(AllTasks().size(), 5u);
    EXPECT_EQ(Read(firstCopy).Date, Monday());
    EXPECT_EQ(Read(task.EXCEPTIONLINK).Date, MakeDate(4, 14, 2025));
}

TEST_F(TaskExceptions, ACopyThatRanOrANumberTakenOverIsNeverReused)
{
    ScheduleRecord task = StoredSaturdayTask("Next Day");
    ASSERT_TRUE(ApplyTaskExceptions(task, Tables()));
    ScheduleRecord copy = Read(task.EXCEPTIONLINK);
    copy.Completed = 1;
    ASSERT_TRUE(schedule.Put(copy));
    task = Read(task.ID);
    ASSERT_TRUE(ApplyTaskExceptions(task, Tables()));
    EXPECT_NE(task.EXCEPTIONLINK, copy.ID);
    EXPECT_EQ(Read(copy.ID).Completed, 1);

    // The linked number now belongs to another one-time task.
    ScheduleRecord other = Read(task.EXCEPTIONLINK);
    ASSERT_TRUE(schedule.Delete(other));
    ScheduleRecord stranger = TaskOn("Once", MakeDate(5, 5, 2025));
    stranger.ID = other.ID;
    stranger.Description = "Dentist";
    stranger = Stored(stranger);
    task = Read(task.ID);
    ASSERT_TRUE(ApplyTaskExceptions(task, Tables()));
    EXPECT_EQ(Read(stranger.ID).Description, "Dentist");
    EXPECT_EQ(Read(stranger.ID).Date, MakeDate(5, 5, 2025));
    EXPECT_NE(task.EXCEPTIONLINK, stranger.ID);
}

TEST_F(TaskExceptions, ATaskNotYetStoredIsAdded)
{
    ScheduleRecord task = TaskOn("Monthly", Saturday());
    task.ExceptWeekends = 1;
    task.ShiftType = "Next Day";
    EXPECT_TRUE(ApplyTaskExceptions(task, Tables()));
    EXPECT_EQ(task.ID, 1);
    EXPECT_EQ(task.EXCEPTIONLINK, 2);
    EXPECT_EQ(Read(1).SkipNextTime, 1);
    EXPECT_EQ(Read(1).EXCEPTIONLINK, 2);
    EXPECT_EQ(Read(2).Date, Monday());
}

} // namespace
} // namespace vl

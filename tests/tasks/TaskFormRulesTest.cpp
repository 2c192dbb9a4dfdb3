// The task form's rules without a window: the controls each task type and
// schedule type show, a new task's and a copy's values, the date a new task
// moves to, the exceptions window's day marks and enable rules.

#include "core/dictionary/TableDefinitions.h"
#include "core/schedule/DateFit.h"
#include "platform/runtime/Clock.h"
#include "tasks/ExceptionRules.h"
#include "tasks/TaskFormRules.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

const Date kMonday = MakeDate(3, 2, 2026);

TEST(TaskFormRules, TaskTypeShowsItsTabsAndANoneTaskRunsJustBeforeMidnight)
{
    struct Case { const char* type; TaskTypeControls shown; ClockTime time; };
    const Case cases[] = {
        {"Run Program", {true, false, true}, 100},
        {"Display Message", {false, true, true}, 100},
        {"Both", {true, true, true}, 100},
        {"None", {false, true, false}, 8'639'500},
    };
    for (const Case& c : cases) {
        ScheduleRecord task;
        task.TaskType = c.type;
        task.Time = 100;
        const TaskTypeControls shown = ApplyTaskTypeRule(task);
        EXPECT_EQ(shown.command, c.shown.command) << c.type;
        EXPECT_EQ(shown.message, c.shown.message) << c.type;
        EXPECT_EQ(shown.time, c.shown.time) << c.type;
        EXPECT_EQ(task.Time, c.time) << c.type;
    }
}

TEST(TaskFormRules, ScheduleTypeShowsItsControls)
{
    struct Case {
        const char* type;
        const char* repeat;
        uint8_t monthEnd;
        bool weekdays, weeks, dayBoxesEnabled, repeatShown, offsetEnabled, every, except;
        const char* caption;
        const char* repeatAfter;
    };
    const Case cases[] = {
        {"Once", "", 0, false, false, true, false, false, false, false, "&Every...", ""},
        {"Day of Week", "", 0, true, false, true, false, false, false, false, "&Every...", ""},
        {"Day of Month", "", 0, true, true, true, false, false, false, true, "&Every...", ""},
        {"Day of Month", "", 1, true, true, false, false, false, false, true, "&Every...", ""},
        {"Monthly", "", 0, false, false, true, true, false, false, true, "&Repeat (Per Month)", "Once"},
        {"Monthly", "Once", 0, false, false, true, true, false, false, true, "&Repeat (Per Month)", "Once"},
        {"Monthly", "Twice - 15th, Last", 0, false, false, true, true, true, false, true, "&Repeat (Per Month)",
         "Twice - 15th, Last"},
        {"Yearly", "", 0, false, false, true, false, false, false, true, "&Every...", ""},
        {"Custom", "", 0, false, false, true, false, false, true, true, "&Every...", ""},
    };
    for (const Case& c : cases) {
        ScheduleRecord task;
        task.ScheduleType = c.type;
        task.MonthRepeat = c.repeat;
        task.LastDayofMonth = c.monthEnd;
        const ScheduleTypeControls shown = ApplyScheduleTypeRule(task);
        const std::string what = std::string(c.type) + " " + c.repeat;
        EXPECT_EQ(shown.weekdays, c.weekdays) << what;
        EXPECT_EQ(shown.weeks, c.weeks) << what;
        EXPECT_EQ(shown.dayBoxesEnabled, c.dayBoxesEnabled) << what;
        EXPECT_EQ(shown.repeat, c.repeatShown) << what;
        EXPECT_EQ(shown.offsetEnabled, c.offsetEnabled) << what;
        EXPECT_EQ(shown.every, c.every) << what;
        EXPECT_EQ(shown.except, c.except) << what;
        EXPECT_EQ(shown.groupCaption, c.caption) << what;
        EXPECT_EQ(task.MonthRepeat, c.repeatAfter) << what;
    }
}

TEST(TaskFormRules, ANewTaskHasTheFormsDefaultsAndNothingElse)
{
    SettableClock clock(kMonday, MakeClock(9, 30));
    ClockOverride useClock(clock);
    for (const Date dateToUse : {Date{0}, kMonday + 10}) {
        const ScheduleRecord task = NewTask(*ScheduleDefinition(), dateToUse);
        // Every other field is what a cleared record holds.
        ScheduleRecord expected;
        expected.TaskType = "Both";
        expected.Date = dateToUse == 0 ? kMonday : dateToUse;
        expected.Time = MakeClock(9, 30);
        expected.ScheduleType = "Day of Week";
        expected.Sunday = expected.Monday = expected.Tuesday = expected.Wednesday = 1;
        expected.Thursday = expected.Friday = expected.Saturday = 1;
        expected.EveryLast = expected.Warn = 1;
        expected.Every = 1;
        expected.EveryType = "hour(s)";
        expected.LASTCHANGEDATE = kMonday;
        expected.LASTCHANGETIME = MakeClock(9, 30);
        const TableDef& def = *ScheduleDefinition();
        for (int field = 0; field < static_cast<int>(def.Fields().size()); ++field)
            EXPECT_EQ(def.StoredValue(field, task), def.StoredValue(field, expected)) << def.Fields()[field].name.toStdString();
    }
}

TEST(TaskFormRules, ACopyKeepsWhatTheUserSetButNotWhatBelongsToTheSource)
{
    ScheduleRecord source;
    source.RecordPointer = 7;
    source.ID = 12;
    source.ORIGINALID = 12;
    source.EXCEPTIONLINK = 13;
    source.LastRunDate = kMonday;
    source.Completed = source.AdvanceWarned = source.Disabled = source.Skipped = 1;
    source.Description = "Backup";
    source.Alarm = 1;
    const ScheduleRecord copy = CopyOfTask(source);
    EXPECT_EQ(copy.Description, "Backup");
    EXPECT_EQ(copy.Alarm, 1);
    for (const int32_t value : {int32_t(copy.RecordPointer), copy.ID, copy.ORIGINALID, copy.EXCEPTIONLINK,
                                copy.LastRunDate, int32_t(copy.Completed), int32_t(copy.AdvanceWarned),
                                int32_t(copy.Disabled), int32_t(copy.Skipped)})
        EXPECT_EQ(value, 0);
}

TEST(TaskFormRules, ANewTaskWhoseDateDoesNotFitMovesToItsNextOccurrence)
{
    SettableClock clock(kMonday, MakeClock(9, 0));
    ClockOverride useClock(clock);
    ScheduleRecord task;
    task.ScheduleType = "Day of Week";
    task.Wednesday = 1;
    EXPECT_TRUE(MoveToFittingDate(task)) << "a zero date counts as today";
    EXPECT_EQ(task.Date, kMonday + 2);
    EXPECT_EQ(task.Time, MakeClock(9, 0));
    EXPECT_FALSE(MoveToFittingDate(task)) << "a fitting date stays";
    EXPECT_EQ(task.Date, kMonday + 2);
}

TEST(TaskFormRules, TitleFollowsTheRequestAndTheDescription)
{
    EXPECT_EQ(TaskFormTitle(FormRequest::Insert, "Backup   "), "New Task  (Backup)");
    EXPECT_EQ(TaskFormTitle(FormRequest::Change, "  "), "Edit Task");
    EXPECT_EQ(TaskFormTitle(FormRequest::View, "Mail"), "View Task  (Mail)");
    ScheduleRecord task;
    task.Description = "Call";
    FillBlankMessage(task);
    EXPECT_EQ(task.Message, "Call");
    task.Description = "Other";
    FillBlankMessage(task);
    EXPECT_EQ(task.Message, "Call") << "a message is kept";
}

TEST(ExceptionRules, WeekdayOverridesAreSevenCharactersSundayFirst)
{
    EXPECT_EQ(ExceptOtherText({false, true, false, false, false, true, false}), " Y   Y ");
    EXPECT_EQ(ExceptOtherText({}), "       ") << "nothing ticked: seven blanks";
    EXPECT_EQ(ExceptedWeekdays(" Y   Y "), (WeekdayMarks{false, true, false, false, false, true, false}));
    EXPECT_EQ(ExceptedWeekdays(""), WeekdayMarks{});
    EXPECT_EQ(ExceptedWeekdays("YYYYYYYYYY"), (WeekdayMarks{true, true, true, true, true, true, true}));
}

TEST(ExceptionRules, TickedExceptionsEnableTheirControls)
{
    struct Case { uint8_t weekends, weekdays, holidays, time; ExceptionControls controls; };
    const Case cases[] = {
        {0, 0, 0, 0, {false, false, true, true}},
        {0, 0, 1, 0, {true, false, true, true}},
        {1, 0, 0, 1, {true, true, true, false}},
        {0, 1, 0, 0, {true, false, false, true}},
        {1, 1, 0, 0, {true, false, true, true}},
    };
    for (const Case& c : cases) {
        ScheduleRecord task;
        task.ExceptWeekends = c.weekends;
        task.ExceptWeekdays = c.weekdays;
        task.ExceptHolidays = c.holidays;
        task.ExceptTime = c.time;
        const ExceptionControls controls = ControlsForExceptions(task);
        const int row = static_cast<int>(&c - cases);
        EXPECT_EQ(controls.action, c.controls.action) << row;
        EXPECT_EQ(controls.timeRange, c.controls.timeRange) << row;
        EXPECT_EQ(controls.weekends, c.controls.weekends) << row;
        EXPECT_EQ(controls.weekdays, c.controls.weekdays) << row;
    }
    ScheduleRecord task;
    DefaultShiftType(task);
    EXPECT_EQ(task.ShiftType, "Skip (to next valid day)");
}

} // namespace
} // namespace vl

// The task form's dialogs offscreen: the exceptions window, the calendar
// picker and the date-range dialog.

#include "tasks/windows/CalendarWindow.h"
#include "tasks/windows/ExceptionsWindow.h"
#include "tasks/windows/SelectDateRange.h"
#include "tests/tasks/windows/TaskWindowFixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace vl {
namespace {

class TaskDialogsTest : public test::TaskWindowFixture {};

TEST_F(TaskDialogsTest, ExceptionsEnableTheirControlsAndStoreTheWeekdayOverrides)
{
    ScheduleRecord task;
    ExceptionsWindow window(task);
    QGroupBox* action = window.findChild<QGroupBox*>();
    ASSERT_EQ(action->title(), "E&xception Action");
    QCheckBox* weekdays = Find<QCheckBox>(&window, "Except week&days");
    EXPECT_FALSE(action->isEnabled()) << "no exception ticked";
    Click(&window, "Except &holidays");
    EXPECT_TRUE(action->isEnabled());
    Click(&window, "Except &weekends");
    EXPECT_FALSE(weekdays->isEnabled());
    Click(&window, "Except &weekends");
    EXPECT_TRUE(weekdays->isEnabled());
    Click(&window, "Monday");
    Click(&window, "Friday");
    Click(&window, "Cl&ose");
    EXPECT_EQ(task.EXCEPTOTHER, " Y   Y ");
    EXPECT_EQ(task.ExceptHolidays, 1);
    EXPECT_EQ(task.ShiftType, "Skip (to next valid day)");

    ScheduleRecord none;
    ExceptionsWindow(none).reject(); // no Cancel: closing stores what is shown
    EXPECT_EQ(none.EXCEPTOTHER, "       ");
}

TEST_F(TaskDialogsTest, CalendarShowsSixRowsWhenNeededAndGreysDaysThatDoNotFit)
{
    ScheduleRecord task;
    task.ScheduleType = "Day of Week";
    task.Monday = 1;
    CalendarWindow calendar(MakeDate(8, 12, 2026), "", "", &task);
    EXPECT_EQ(calendar.windowTitle(), "Day of Week");
    EXPECT_EQ(calendar.Heading()->text(), "August 2026");
    EXPECT_EQ(calendar.DayButton(6)->text(), "1") << "August 2026 begins on a Saturday";
    EXPECT_EQ(calendar.DayButton(36)->text(), "31") << "the sixth row";
    EXPECT_TRUE(calendar.DayButton(37)->isHidden());
    EXPECT_TRUE(calendar.DayButton(8)->isEnabled()) << "Monday the 3rd";
    EXPECT_FALSE(calendar.DayButton(9)->isEnabled()) << "Tuesday the 4th";
    CalendarWindow all(MakeDate(8, 12, 2026), "None", "", &task);
    EXPECT_TRUE(all.DayButton(9)->isEnabled());
}

TEST_F(TaskDialogsTest, CalendarCancelGivesBackTheDateItWasGivenAndAnEarlierDayNeedsAYes)
{
    for (const Date given : {Date{0}, kMonday + 10}) {
        CalendarWindow calendar(given, "None", "", nullptr);
        Click(&calendar, "<");
        Click(&calendar, "<<");
        Click(&calendar, "Cancel");
        EXPECT_EQ(calendar.Result(), given);
    }
    CalendarWindow calendar(kMonday, "None", "", nullptr); // March 2026 begins on a Sunday
    prompt.AnswerButton("No");
    calendar.DayButton(0)->click(); // the 1st, yesterday
    EXPECT_EQ(prompt.Questions().back().caption, "Confirm");
    EXPECT_EQ(calendar.result(), 0) << "still open";
    prompt.AnswerButton("Yes");
    calendar.DayButton(0)->click();
    EXPECT_EQ(calendar.Result(), kMonday - 1);
    CalendarWindow later(kMonday, "None", "", nullptr);
    later.DayButton(5)->click();
    EXPECT_EQ(later.Result(), kMonday + 4) << "today or later needs no question";
}

TEST_F(TaskDialogsTest, DateRangeWithTheStartDateOnly)
{
    SelectDateRange range(kMonday - 1, kMonday + 30);
    EXPECT_EQ(range.End(), kMonday + 30);
    range.StartOnly()->click();
    EXPECT_FALSE(range.EndBox()->isEnabled());
    EXPECT_EQ(range.Start(), kMonday - 1);
    EXPECT_EQ(range.End(), kMonday - 1);
}

} // namespace
} // namespace vl

// The task form's dialogs offscreen: the exceptions window, the calendar
// picker and the date-range dialog.

#include "windows/tasks/CalendarWindow.h"
#include "windows/tasks/ExceptionsWindow.h"
#include "windows/tasks/SelectDateRange.h"
#include "tests/windows/tasks/TaskWindowFixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QToolButton>

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

TEST_F(TaskDialogsTest, CalendarNeverOffersADayBeforeTheCalendarsFirst)
{
    CalendarWindow calendar(1, "None", ""); // day 1: 29 December 1800
    EXPECT_EQ(calendar.Heading(), "December 1800");
    for (int day = 1; day <= 31; ++day)
        EXPECT_EQ(calendar.DayButton(day)->isVisibleTo(&calendar), day >= 29) << day;
    Click(&calendar, "<");
    EXPECT_EQ(calendar.Heading(), "December 2099");
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

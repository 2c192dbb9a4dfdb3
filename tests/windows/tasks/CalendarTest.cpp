// The month date picker: its grid, its month and year buttons, the question
// before a day earlier than today, Cancel, and the days a task fits.

#include "platform/runtime/Clock.h"
#include "windows/tasks/CalendarWindow.h"
#include "tests/support/ScriptedPrompt.h"

#include <gtest/gtest.h>

#include <QToolButton>

namespace vl {
namespace {

Date Day(int year, int month, int day)
{
    return MakeDate(month, day, year);
}

class CalendarTest : public ::testing::Test {
protected:
    SettableClock clock{Day(2025, 3, 12), 1};
    ClockOverride useClock{clock};
    test::ScriptedPrompt prompt;

    QToolButton* Button(CalendarWindow& calendar, const QString& name)
    {
        for (QToolButton* button : calendar.findChildren<QToolButton*>()) {
            if (button->toolTip() == name)
                return button;
        }
        return nullptr;
    }
};

TEST_F(CalendarTest, AMonthFromSaturdayWithThirtyOneDaysUsesTheSixthRow)
{
    CalendarWindow calendar(Day(2025, 3, 20), "None", "");
    EXPECT_EQ(calendar.Heading(), "March 2025");
    EXPECT_EQ(calendar.DayButton(1), calendar.Cell(6));
    EXPECT_EQ(calendar.DayButton(31), calendar.Cell(36));
    for (int cell = 0; cell < kCalendarCells; ++cell) {
        const bool used = cell >= 6 && cell <= 36;
        EXPECT_EQ(calendar.Cell(cell)->isVisibleTo(&calendar), used) << cell;
        EXPECT_EQ(calendar.Cell(cell)->text().isEmpty(), !used) << cell;
    }
    EXPECT_EQ(calendar.DayButton(31)->toolTip(), "MAR 31,2025");
    EXPECT_EQ(calendar.focusWidget(), calendar.DayButton(20));
    EXPECT_TRUE(calendar.DayButton(12)->font().bold()) << "today stands out";
    EXPECT_EQ(calendar.DayButton(12)->toolTip(), "MAR 12,2025 (today)");
    EXPECT_FALSE(calendar.DayButton(20)->font().bold());
    Button(calendar, "Next month")->click();
    EXPECT_FALSE(calendar.DayButton(12)->font().bold()) << "only in today's month";
}

TEST_F(CalendarTest, MonthAndYearButtonsStepAndWrapInsideTheCalendarYears)
{
    const struct {
        Date start;
        const char* button;
        const char* heading;
    } cases[] = {
        {Day(2025, 1, 5), "Previous month", "December 2024"}, {Day(2025, 12, 5), "Next month", "January 2026"},
        {Day(2025, 6, 5), "Previous Year", "June 2024"},      {Day(2099, 6, 5), "Next year", "June 1801"},
        {Day(1801, 6, 5), "Previous Year", "June 2099"},      {Day(1801, 1, 5), "Previous month", "December 2099"},
    };
    for (const auto& c : cases) {
        CalendarWindow calendar(c.start, "None", "");
        Button(calendar, c.button)->click();
        EXPECT_EQ(calendar.Heading(), c.heading) << c.button;
    }
}

TEST_F(CalendarTest, AnEarlierDayNeedsAYesAndCancelGivesBackTheDateItWasGiven)
{
    CalendarWindow calendar(0, "None", "");
    EXPECT_EQ(calendar.Heading(), "March 2025") << "date 0 shows today";
    prompt.AnswerButton("No");
    calendar.DayButton(11)->click();
    EXPECT_EQ(calendar.result(), 0) << "No keeps the calendar open";
    EXPECT_EQ(prompt.Questions().at(0).caption, "Confirm");
    EXPECT_EQ(prompt.Questions().at(0).text,
              "You have selected a date earlier than today.  Do you wish to use this date?");
    EXPECT_EQ(prompt.Questions().at(0).defaultButton, 2);
    prompt.AnswerButton("Yes");
    calendar.DayButton(11)->click();
    EXPECT_EQ(calendar.result(), QDialog::Accepted);
    EXPECT_EQ(calendar.Result(), Day(2025, 3, 11));

    for (const Date given : {Date{0}, Day(2025, 3, 20)}) {
        CalendarWindow browsed(given, "None", "");
        Button(browsed, "Next year")->click();
        browsed.reject();
        EXPECT_EQ(browsed.Result(), given);
    }
    CalendarWindow later(Day(2025, 3, 20), "None", "Due");
    later.DayButton(12)->click(); // today: no question
    EXPECT_EQ(later.Result(), Day(2025, 3, 12));
    EXPECT_EQ(later.windowTitle(), "Due");
}

TEST_F(CalendarTest, WithATaskOnlyTheDaysItFitsAreEnabled)
{
    ScheduleRecord task;
    task.ScheduleType = "Day of Week";
    task.Monday = 1;
    CalendarWindow filtered(Day(2025, 3, 12), "", "", task);
    EXPECT_EQ(filtered.windowTitle(), "Day of Week");
    for (int day = 1; day <= 31; ++day)
        EXPECT_EQ(filtered.DayButton(day)->isEnabled(), WeekdayOf(Day(2025, 3, day)) == 1) << day;
    CalendarWindow unfiltered(Day(2025, 3, 12), "None", "", task);
    EXPECT_EQ(unfiltered.windowTitle(), "Select Date");
    EXPECT_TRUE(unfiltered.DayButton(4)->isEnabled());
}

} // namespace
} // namespace vl

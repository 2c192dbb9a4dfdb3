// The holiday form as a user works it: captions and read-only modes, the
// Easter choice, a date another holiday holds, the calendar button and the
// field-history key.

#include "core/dictionary/Dictionary.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/Picture.h"
#include "tasks/EasterSunday.h"
#include "windows/tasks/CalendarWindow.h"
#include "windows/tasks/UpdateHolidays.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/tasks/TaskTestRecords.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace vl {
namespace {

Date Day(int year, int month, int day)
{
    return MakeDate(month, day, year);
}

class HolidayFormTest : public ::testing::Test {
protected:
    void TearDown() override { DictionaryEnd(); }

    HolidaysRecord Holiday(Date date, const char* name, const char* rule = "Annual")
    {
        return test::MakeHoliday(date, name, rule);
    }

    HolidaysRecord Stored(Date date, const char* name, const char* rule = "Annual")
    {
        HolidaysRecord holiday = Holiday(date, name, rule);
        EXPECT_TRUE(d.Holidays.Add(holiday));
        return holiday;
    }

    Dictionary& d = (DictionaryStart(), OpenTable(Tables().Holidays), Tables());
    SettableClock clock{Day(2025, 1, 10), 1};
    ClockOverride useClock{clock};
    test::ScriptedPrompt prompt;
};

TEST_F(HolidayFormTest, CaptionsAndReadOnlyModesFollowTheRequest)
{
    const struct {
        FormRequest request;
        const char* caption;
        bool editable;
        bool okShown;
        const char* cancel;
    } cases[] = {
        {FormRequest::Insert, "New Holiday", true, true, "Cancel"},
        {FormRequest::Change, "Edit Holiday", true, true, "Cancel"},
        {FormRequest::View, "View Holiday", false, false, "Cl&ose"},
        {FormRequest::Delete, "Delete Holiday", false, true, "Cancel"},
    };
    for (const auto& c : cases) {
        UpdateHolidays form(c.request, Holiday(Day(2025, 7, 1), "Canada Day"));
        EXPECT_EQ(form.windowTitle(), c.caption);
        EXPECT_EQ(form.DateEntry()->isEnabled(), c.editable) << c.caption;
        EXPECT_EQ(form.NameEntry()->isEnabled(), c.editable);
        EXPECT_EQ(form.CalendarButton()->isEnabled(), c.editable);
        EXPECT_EQ(form.RuleButton("Easter")->isEnabled(), c.editable);
        EXPECT_EQ(form.OkButton()->isVisibleTo(&form), c.okShown);
        EXPECT_EQ(form.CancelButton()->text(), c.cancel);
        EXPECT_EQ(form.DateEntry()->text(), "JUL 01,2025");
        EXPECT_TRUE(form.RuleButton("Annual")->isChecked());
    }
}

TEST_F(HolidayFormTest, ChoosingEasterPlacesTheHolidayAgainstTheComingEasterSunday)
{
    const Date easter = EasterSunday(2025); // 20 April
    const struct {
        const char* name;
        Date date;
        const char* rule;
        Date expected;
    } cases[] = {
        {"Good Friday", Day(2019, 8, 1), "Annual", easter - 2},
        {"easter monday", Day(2025, 12, 1), "Once", easter + 1},
        {"Spring fair", easter - 10, "Annual", easter - 10},
        {"Spring fair", easter - 31, "Annual", easter},
        {"Good Friday", Day(2019, 8, 1), "Easter", Day(2019, 8, 1)}, // Easter already: unchanged
    };
    for (const auto& c : cases) {
        UpdateHolidays form(FormRequest::Change, Holiday(c.date, c.name, c.rule));
        form.RuleButton("Easter")->click();
        EXPECT_EQ(Picture::DeformatDate(form.DateEntry()->text(), "@d3"), c.expected) << c.name << " " << c.rule;
    }
}

TEST_F(HolidayFormTest, ADateAnotherHolidayHoldsIsRefusedAndTheFormKeepsWhatWasTyped)
{
    Stored(Day(2025, 12, 25), "Christmas Day");
    UpdateHolidays form(FormRequest::Insert, Holiday(Day(2025, 1, 10), ""));
    form.DateEntry()->setText("dec 25,2025");
    form.NameEntry()->setText("Office party");
    prompt.Answer(1);
    form.OkButton()->click();
    EXPECT_EQ(form.result(), 0) << "the form stays open";
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions()[0].caption, "Holiday Date Taken");
    EXPECT_EQ(form.NameEntry()->text(), "Office party");
    EXPECT_EQ(d.Holidays.Records(), 1);

    form.DateEntry()->setText("DEC 26,2025");
    form.OkButton()->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.Record().HolidayDate, Day(2025, 12, 26));
    EXPECT_EQ(d.Holidays.Records(), 2);

    UpdateHolidays next(FormRequest::Insert, Holiday(Day(2025, 1, 10), ""));
    next.NameEntry()->setFocus();
    QKeyEvent history(QEvent::KeyPress, Qt::Key_Apostrophe, Qt::ControlModifier);
    QApplication::sendEvent(next.NameEntry(), &history);
    EXPECT_EQ(next.NameEntry()->text(), "Office party") << "the field-history key puts back the last saved name";
    EXPECT_EQ(next.DateEntry()->text(), "JAN 10,2025") << "and only that field";
}

TEST_F(HolidayFormTest, TheCalendarButtonPutsThePickedDayInTheDateEntry)
{
    UpdateHolidays form(FormRequest::Insert, Holiday(Day(2025, 3, 2), "Spring"));
    form.CalendarButton()->click();
    auto* calendar = form.findChild<CalendarWindow*>();
    ASSERT_TRUE(calendar);
    EXPECT_EQ(calendar->windowTitle(), "Select Date");
    EXPECT_EQ(calendar->Heading(), "March 2025");
    calendar->DayButton(14)->click();
    EXPECT_EQ(form.DateEntry()->text(), "MAR 14,2025");
}

TEST_F(HolidayFormTest, ViewClosesAtOnceAndDeleteRemovesTheHoliday)
{
    const HolidaysRecord stored = Stored(Day(2025, 7, 1), "Canada Day");
    UpdateHolidays view(FormRequest::View, stored);
    view.CancelButton()->click();
    EXPECT_EQ(view.result(), QDialog::Rejected);
    UpdateHolidays remove(FormRequest::Delete, stored);
    remove.OkButton()->click();
    EXPECT_EQ(remove.result(), QDialog::Accepted);
    EXPECT_EQ(d.Holidays.Records(), 0);
}

TEST_F(HolidayFormTest, AWeekdayOnOrBeforeADayKeepsItsRuleOnTheForm)
{
    const HolidaysRecord stored = Stored(Day(2025, 5, 19), "Victoria Day (Canada)", "On or Before 24");
    UpdateHolidays form(FormRequest::Change, stored);
    ASSERT_TRUE(form.RuleButton("On or Before 24"));
    EXPECT_TRUE(form.RuleButton("On or Before 24")->isChecked());
    form.OkButton()->click();
    HolidaysRecord saved;
    d.Holidays.Set(HOL_KEYHOLIDAYDATE);
    ASSERT_TRUE(d.Holidays.Next(saved));
    EXPECT_EQ(saved.HOLIDAYTYPE, "On or Before 24");
    UpdateHolidays other(FormRequest::Insert, Holiday(Day(2025, 7, 1), "Canada Day"));
    EXPECT_FALSE(other.RuleButton("On or Before 24")) << "offered only with a holiday that has it";
}

} // namespace
} // namespace vl

// Date and time spins: what the user types or steps is taken when the box is
// left, a text that is no date or time is refused with a message, and time
// steps stay within the day.

#include "platform/runtime/Clock.h"
#include "platform/widgets/PictureSpinBox.h"
#include "tests/support/ScriptedPrompt.h"

#include <QLineEdit>

#include <gtest/gtest.h>

namespace vl {
namespace {

void Type(PictureSpinBox& spin, const QString& text)
{
    spin.findChild<QLineEdit*>()->setText(text);
    emit spin.editingFinished();
}

TEST(PictureSpinBox, TypedTextIsTakenWhenTheBoxIsLeftAndUnreadableTextIsRefused)
{
    test::ScriptedPrompt prompt;
    PictureSpinBox date(QStringLiteral("@d2"));
    QList<int32_t> edited;
    QObject::connect(&date, &PictureSpinBox::valueEdited, [&edited](int32_t value) { edited << value; });
    date.SetValue(MakeDate(3, 2, 2026));
    Type(date, "3/9/2026");
    EXPECT_EQ(date.Value(), MakeDate(3, 9, 2026));
    prompt.Answer(1);
    Type(date, "someday");
    EXPECT_EQ(date.Value(), MakeDate(3, 9, 2026)) << "the date stays";
    EXPECT_EQ(prompt.Questions().at(0).caption, "Date");
    EXPECT_EQ(date.findChild<QLineEdit*>()->text(), "3/09/2026") << "and is shown again";
    Type(date, "");
    EXPECT_EQ(date.Value(), 0);
    EXPECT_EQ(edited, (QList<int32_t>{MakeDate(3, 9, 2026), 0})) << "only the user's changes are told";

    // Text set into the unfocused box by an assistive tool is taken at once.
    date.findChild<QLineEdit*>()->setText("4/1/2026");
    EXPECT_EQ(date.Value(), MakeDate(4, 1, 2026));
}

TEST(PictureSpinBox, StepsAreADayOrTheTimesSmallestUnitWithinTheDay)
{
    SettableClock clock(MakeDate(3, 2, 2026), MakeClock(9, 30));
    ClockOverride useClock(clock);
    struct Case { const char* picture; int32_t from; int steps; int32_t to; };
    const Case cases[] = {
        {"@d2", 0, 1, MakeDate(3, 3, 2026)}, // from today
        {"@d2", MakeDate(3, 1, 2026), -1, MakeDate(2, 28, 2026)},
        {"@t01", MakeClock(9, 30, 45), 1, MakeClock(9, 31)},
        {"@t01", MakeClock(0, 0), -1, MakeClock(23, 59)},
        {"@t04", MakeClock(23, 59, 59), 1, MakeClock(0, 0)},
        {"@t01", 0, 0, MakeClock(9, 30)}, // from now
    };
    for (const Case& c : cases) {
        PictureSpinBox spin(QLatin1String(c.picture));
        spin.SetValue(c.from);
        spin.stepBy(c.steps);
        EXPECT_EQ(spin.Value(), c.to) << c.picture << " " << c.from;
    }
}

} // namespace
} // namespace vl

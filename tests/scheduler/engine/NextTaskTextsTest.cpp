#include "scheduler/engine/NextTaskTexts.h"

#include "scheduler/engine/DueTaskRules.h"
#include "core/base/Globals.h"
#include "platform/runtime/Calendar.h"
#include "platform/runtime/FixedText.h"
#include "platform/runtime/Picture.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace vl {
namespace {

TEST(NextTaskTextsTest, TheTextsFollowEveryChangeOfWhatTheyShow)
{
    const QString savedFormat = GlobalDateFormat;
    GlobalDateFormat = QStringLiteral("d3");
    std::optional<Picture::LocaleOverride> locale;
    locale.emplace(QLocale(QLocale::English, QLocale::UnitedStates));
    ScheduleRecord task;
    task.Description = QStringLiteral("Backup");
    task.Date = MakeDate(12, 3, 2025);
    task.Time = MakeClock(9, 0);
    NextTaskTexts texts;

    // Each change shows in the status or the tip, and the texts follow it.
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"first", [] {}},
        {"description", [&] { task.Description = QStringLiteral("Backup all"); }},
        {"date", [&] { ++task.Date; }},
        {"time", [&] { task.Time += kClockPerMinute; }},
        {"date picture", [] { GlobalDateFormat = QStringLiteral("d1"); }},
        {"locale", [&] {
             locale.reset();
             locale.emplace(QLocale(QLocale::German, QLocale::Germany));
         }},
    };
    QString previous;
    for (const auto& [name, change] : changes) {
        change();
        texts.Show(&task);
        const QString expected = NextTaskStatus(task.Description) + '|' + NextTaskTrayTip(task);
        EXPECT_NE(expected, previous) << name;
        EXPECT_EQ(texts.Status() + '|' + texts.TrayTip(), expected) << name;
        previous = expected;
    }

    texts.Show(nullptr);
    EXPECT_EQ(texts.Status(), kNoTasksPending);
    EXPECT_EQ(texts.TrayTip(), Clip(ProductName));
    texts.Show(&task);
    EXPECT_EQ(texts.Status() + '|' + texts.TrayTip(), previous) << "the task again after none";
    GlobalDateFormat = savedFormat;
}

} // namespace
} // namespace vl

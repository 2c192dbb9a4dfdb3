#include "core/launch/ScriptLoading.h"
#include "platform/runtime/Clock.h"
#include "tests/core/launch/LaunchFixture.h"

namespace vl {
namespace {

using ScriptLoading = test::LaunchFixture;

// The queue as "action date time" lines.
QStringList QueuedSteps()
{
    QStringList steps;
    for (const ScriptQueueEntry& entry : ScriptQueue)
        steps << QStringLiteral("%1 %2 %3").arg(entry.RECORD.Action).arg(entry.DATE).arg(entry.TIME);
    return steps;
}

QString Step(const QString& action, Date date, ClockTime time)
{
    return QStringLiteral("%1 %2 %3").arg(action).arg(date).arg(time);
}

TEST_F(ScriptLoading, StepsFallDueAfterTheDelayOrTheirWaitAndEndWithTheMarker)
{
    const Date day = MakeDate(3, 14, 2024);
    SettableClock clock(day, MakeClock(10, 0, 0));
    ClockOverride useClock(clock);
    GlobalDelay = 100;
    AddItems(7, {Item("Send Keys"), Item("Wait", 5), Item("Send Keys")});
    AddItems(8, {Item("Send Keys")}); // another task's step stays out

    ASSERT_TRUE(LaunchProgram({.taskId = 7, .command = "n/a"}).start.Started());
    EXPECT_EQ(QueuedSteps(), QStringList({Step("Send Keys", day, MakeClock(10, 0, 3)),
                                          Step("Wait", day, MakeClock(10, 0, 8)),
                                          Step("Send Keys", day, MakeClock(10, 0, 9)),
                                          Step(kScriptEndAction, day, MakeClock(10, 0, 9))}));
}

TEST_F(ScriptLoading, AScriptQueuedBehindALaterOneStartsAfterItAndTestsCountFromItsStart)
{
    const Date day = MakeDate(3, 14, 2024);
    SettableClock clock(day, MakeClock(23, 59, 59));
    ClockOverride useClock(clock);
    GlobalDelay = 100;
    ScriptQueue.append({.DATE = day + 1, .TIME = MakeClock(0, 0, 10)});
    ScriptingRecord elapsed = Item("If Time Elapsed...");
    elapsed.TimeElapsed = 30;
    AddItems(7, {Item("Wait", 20, "Either "), elapsed, Item("...End If"), Item("Send Keys")});

    LaunchProgram({.taskId = 7, .command = "N/A"});
    // One delay after the queued step; an "either" wait and the tests take no
    // time; the test's 30 seconds count from the script's first step.
    const ClockTime start = MakeClock(0, 0, 11);
    EXPECT_EQ(QueuedSteps(), QStringList({Step("", day + 1, MakeClock(0, 0, 10)), Step("Wait", day + 1, start),
                                          Step("If Time Elapsed...", day + 1, start),
                                          Step("...End If", day + 1, start),
                                          Step("Send Keys", day + 1, MakeClock(0, 0, 12)),
                                          Step(kScriptEndAction, day + 1, MakeClock(0, 0, 12))}));
    EXPECT_EQ(ScriptQueue.at(1).RECORD.TimeElapsed, 0);
    EXPECT_EQ(ScriptQueue.at(2).RECORD.SecondsToWait, day + 1);
    EXPECT_EQ(ScriptQueue.at(2).RECORD.TimeElapsed, MakeClock(0, 0, 41));
}

TEST(TransferFileActions, BecomeStartsOfTheHelperProgramsWithQuotedTokens)
{
    const QString half = QString(128, 'a');
    const std::pair<const char*, QString> cases[] = {
        {"FTP Upload", "VLFTP U \"host,1\" \"/in box\" \"\" " + half + " \"pass word\" 12111"},
        {"FTP Download", "VLFTP D \"host,1\" \"/in box\" \"\" " + half + " \"pass word\" 1211"},
        {"HTTP Download", "HTTPGET \"host,1\" \"/in box\" /AUTO 1211"},
        {"Copy", "File Actions host,1"},
    };
    for (const auto& [type, expected] : cases) {
        ScriptingRecord item{.Action = "File Actions", .Command = "host,1", .Path = "\"/in box\"", .DDEType = type,
                             .DDEApplicationTopic = half + "pass word"};
        ConvertFileActionCommand(item, {});
        const bool converted = item.Action == "Start Program";
        EXPECT_EQ(converted ? item.Command + " " + item.DDEApplicationName : item.Action + " " + item.Command,
                  expected);
        EXPECT_EQ(item.TimeElapsed, converted ? 360'000 : 0) << type;
        EXPECT_EQ(item.DDEApplicationTopic.isEmpty(), converted) << type;
    }
}

} // namespace
} // namespace vl

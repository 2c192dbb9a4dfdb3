#include "core/launch/CommandLines.h"
#include "core/launch/ScriptLoading.h"
#include "core/launch/ScriptTokenQuoting.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "tests/core/launch/LaunchFixture.h"

#include <random>

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
        ScriptingRecord item{.Action = "File Actions", .Command = "host,1", .Path = "/in box", .DDEType = type,
                             .DDEApplicationTopic = half + "pass word"};
        ConvertFileActionCommand(item, {});
        const bool converted = item.Action == "Start Program";
        EXPECT_EQ(converted ? item.Command + " " + item.DDEApplicationName : item.Action + " " + item.Command,
                  expected);
        EXPECT_EQ(item.TimeElapsed, converted ? 360'000 : 0) << type;
        EXPECT_EQ(item.DDEApplicationTopic.isEmpty(), converted) << type;
    }
}

TEST(TransferFileActions, EveryTokenReachesTheHelperAsExactlyOneArgument)
{
    const QString password = QStringLiteral("\"pa\" /AUTO \"ss\"");
    ScriptingRecord item{.Action = "File Actions", .Command = "host", .Path = "/in", .DDEType = "FTP Upload",
                         .DDEApplicationTopic = "user" + QString(124, ' ') + password};
    ConvertFileActionCommand(item, {});
    const CommandLineParts parts = SplitCommandLine(item.Command);
    EXPECT_EQ(parts.program, "VLFTP");
    EXPECT_EQ(parts.arguments, (QStringList{"U", "host", "/in", "", "user", password}));

    // Any text comes back as exactly one argument, clipped as stored fields
    // are, its own quotes and brackets kept.
    QStringList texts{"", "\"\"", "\"", "\"\"\"", "\"abc\"", " lead", "a\"\"b", "\"x", "x\"", "tab\tin", "line\nend", "a["};
    const QString alphabet = QString::fromUtf8("aZ0 \t\",/\\\n;'é日[]");
    std::mt19937 random(20240601);
    for (int i = 0; i < 3000; ++i) {
        QString text;
        for (int length = static_cast<int>(random() % 9); length > 0; --length)
            text += alphabet.at(static_cast<qsizetype>(random() % alphabet.size()));
        texts.append(text);
    }
    for (const QString& text : texts) {
        const QStringList arguments = SplitCommandLine("HELPER " + QuoteScriptToken(text) + " /AUTO").arguments;
        ASSERT_EQ(arguments, (QStringList{Clip(text), "/AUTO"}))
            << text.toStdString() << " as " << QuoteScriptToken(text).toStdString();
    }
}

} // namespace
} // namespace vl

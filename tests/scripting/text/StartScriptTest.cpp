// Start Script over a running queue: the three modes, the timing of the new
// items, and files that cannot be read or hold nothing to run.

#include "core/base/Globals.h"
#include "core/dictionary/ProgramQueues.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "scripting/text/StartScript.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

ScriptQueueEntry Entry(const char* action, int32_t taskId, ClockTime time, const char* keys = "")
{
    ScriptQueueEntry entry;
    entry.RECORD.Action = action;
    entry.RECORD.ID = taskId;
    entry.RECORD.Keystrokes = keys;
    entry.DATE = MakeDate(3, 2, 2026);
    entry.TIME = time;
    entry.WINDOWHANDLE = taskId == 7 ? 99 : 0;
    return entry;
}

class StartScriptTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GlobalDelay = 25;
        // The Start Script step of task 7, the rest of its script, and the
        // script of task 8 queued behind it.
        ScriptQueue = {Entry("Start Script", 7, now), Entry("Send Keys", 7, now + 25, "a1"),
                       Entry("**End**", 7, now + 25), Entry("Send Keys", 8, now + 100, "b1"),
                       Entry("**End**", 8, now + 100)};
    }
    void TearDown() override { ScriptQueue.clear(); }

    static QString Queue()
    {
        QStringList shown;
        for (const ScriptQueueEntry& entry : ScriptQueue) {
            const QString keys = Clip(entry.RECORD.Keystrokes);
            shown << (keys.isEmpty() ? Clip(entry.RECORD.Action) : keys) + "/" + QString::number(entry.RECORD.ID);
        }
        return shown.join(' ');
    }

    const ClockTime now = MakeClock(9, 0);
    SettableClock clock{MakeDate(3, 2, 2026), now};
    ClockOverride useClock{clock};
    test::ScriptedPrompt prompt;
    const QString file = test::WriteTextFile(test::TestPath("sub.vls"), "\"Send Keys\",\"x\"\r\n\"Comment\",\"-\"\r\n"
                                                                         "\"Send Keys\",\"y\"\r\n");
};

TEST_F(StartScriptTest, TheModesPlaceTheNewItemsAndDropTheStep)
{
    const struct {
        const char* mode;
        const char* queue;
    } cases[] = {
        {"Insert (Execute and continue)", "x/7 y/7 a1/7 **End**/7 b1/8 **End**/8"},
        {"Jump to (Execute and skip)", "x/7 y/7 **End**/0 b1/8 **End**/8"},
        {"j", "x/7 y/7 **End**/0 b1/8 **End**/8"},
        {"Append", "a1/7 **End**/7 b1/8 **End**/8 x/7 y/7 **End**/0"},
    };
    for (const auto& c : cases) {
        SetUp();
        EXPECT_TRUE(StartScript(" " + file + " ", c.mode)) << c.mode;
        EXPECT_EQ(Queue(), c.queue) << c.mode;
        const ScriptQueueEntry& x = *std::find_if(ScriptQueue.cbegin(), ScriptQueue.cend(), [](const auto& e) {
            return e.RECORD.Keystrokes == "x";
        });
        EXPECT_EQ(x.WINDOWHANDLE, 99u) << "the new items work on the running script's window";
        // Due after the last queued entry: its time, the delay to the first
        // step, and the step's own delay.
        EXPECT_EQ(x.TIME, now + 100 + 25 + 25) << c.mode;
    }
    EXPECT_TRUE(prompt.Questions().empty());
}

TEST_F(StartScriptTest, ItemsAreTimedAsTheLoaderTimesThem)
{
    ScriptQueue = {Entry("Start Script", 7, now)};
    const QString timed = test::WriteTextFile(test::TestPath("timed.vls"),
                                              "\"Wait\",\"3\",\"\",\"Either\"\r\n"
                                              "\"If Time Elapsed...\",\"Greater than\",\"60\"\r\n"
                                              "\"Wait\",\"2\"\r\n"
                                              "\"Exit Script\"\r\n");
    EXPECT_TRUE(StartScript(timed, "I"));
    ASSERT_EQ(ScriptQueue.size(), 4);
    const ClockTime first = now + 2 * 25;
    EXPECT_EQ(ScriptQueue[0].TIME, first) << "a wait for either condition takes no time";
    EXPECT_EQ(ScriptQueue[0].RECORD.TimeElapsed, 0);
    EXPECT_EQ(ScriptQueue[1].TIME, first);
    EXPECT_EQ(ScriptQueue[1].RECORD.TimeElapsed, first + 6000) << "the deadline counts from the test's own moment";
    EXPECT_EQ(ScriptQueue[1].RECORD.SecondsToWait, MakeDate(3, 2, 2026));
    EXPECT_EQ(ScriptQueue[2].TIME, first + 200);
    EXPECT_EQ(ScriptQueue[3].TIME, first + 225);
}

TEST_F(StartScriptTest, AnUnreadableFileLeavesTheQueueAndCommentsOnlyDropJustTheStep)
{
    const QString before = Queue();
    EXPECT_FALSE(StartScript(test::TestPath("missing.vls"), "Jump to"));
    EXPECT_EQ(Queue(), before);
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions()[0].kind, test::PromptKind::Notice) << "the tick never waits on it";
    EXPECT_TRUE(prompt.Questions()[0].text.contains("missing.vls cannot be opened"));

    const QString comments = test::WriteTextFile(test::TestPath("c.vls"), "\"Comment\",\"a\"\r\n\"Beep\"\r\n");
    EXPECT_TRUE(StartScript(comments, "Insert"));
    EXPECT_EQ(Queue(), "a1/7 **End**/7 b1/8 **End**/8");
    ASSERT_EQ(prompt.Questions().size(), 2u);
    EXPECT_EQ(prompt.Questions()[1].text, "Unrecognized script action: Beep");
}

} // namespace
} // namespace vl

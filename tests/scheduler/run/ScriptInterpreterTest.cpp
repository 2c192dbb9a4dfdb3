#include "core/dictionary/Dictionary.h"
#include "scripting/KeystrokeBursts.h"
#include "tests/peers/MailPeer.h"
#include "tests/scheduler/run/ScriptRunFixture.h"

#include <QJsonObject>

namespace vl {
namespace {

using test::ScriptRun;
using Steps = QList<ScriptingRecord>;

// A value set by a step that ran: "a" ... "d".
ScriptingRecord Mark(const QString& name)
{
    return {.Action = "Set Value", .Command = "1", .Path = name};
}

TEST_F(ScriptRun, StepsRunInOrderAndTestsLeaveOutTheirBlocks)
{
    const ScriptingRecord no = IfValue("n", ">", "9");
    const ScriptingRecord yes = IfValue("n", "<", "9");
    const struct {
        const char* name;
        Steps steps;
        const char* ran; // the marks set, in name order
    } cases[] = {
        {"passed test", {SetValue("n", "=2*3"), yes, Mark("a"), EndIf(), Mark("b"), End()}, "ab"},
        {"failed test", {SetValue("n", "6"), no, Mark("a"), EndIf(), Mark("b"), End()}, "b"},
        {"nested in a failed block",
         {SetValue("n", "6"), no, yes, Mark("a"), EndIf(), Mark("c"), EndIf(), Mark("b"), End()}, "b"},
        {"failed inside a passed block",
         {SetValue("n", "6"), yes, no, Mark("a"), EndIf(), Mark("c"), EndIf(), Mark("b"), End()}, "bc"},
        {"no end of block takes the scripts behind it",
         {SetValue("n", "6"), no, Mark("a"), End(), Mark("b"), End()}, ""},
        {"nested block without its end", {SetValue("n", "6"), no, yes, Mark("a"), EndIf(), End()}, ""},
        {"exit ends the current script only",
         {Mark("a"), {.Action = "Exit Script"}, Mark("b"), End(), Mark("c"), End()}, "ac"},
        {"exit without an end", {Mark("a"), {.Action = "Exit Script"}, Mark("b")}, "a"},
        {">= is no operator", {SetValue("n", "6"), IfValue("n", ">=", "1"), Mark("a"), EndIf(), End()}, ""},
        {"texts compare with case", {SetValue("t", "red"), IfValue("t", "=", "Red"), Mark("a"), EndIf(), End()}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptVariables fresh;
        ScriptVariablesOverride use(fresh);
        Queue(c.steps);
        EXPECT_LT(RunOut(), 100);
        QString ran;
        for (const char* name : {"a", "b", "c", "d"})
            ran += Value(name) == "1" ? name : "";
        EXPECT_EQ(ran, c.ran);
    }
    EXPECT_TRUE(prompt_.Questions().empty());
}

TEST_F(ScriptRun, EachStepIsLoggedAndAnUnknownOneIsReportedWithoutStoppingTheScript)
{
    Queue({SetValue("x", "=2*3"), {.Action = "Comment"}, IfValue("x", "=", "6"), Mark("a"), End()});
    Tick();
    EXPECT_EQ(ScriptQueue.size(), 4) << "one step per tick";
    RunOut();
    EXPECT_EQ(Value("x"), "6");
    EXPECT_EQ(Value("a"), "1");
    ASSERT_EQ(prompt_.Questions().size(), 1u);
    EXPECT_EQ(prompt_.Questions()[0].text, "Invalid script option:  Comment");
    EXPECT_EQ(prompt_.Questions()[0].caption, "Script Error");
    EXPECT_EQ(Log(), QStringList({"Script|Set Value  x = =2*3", "Script|Comment", "Script|If Value... *TRUE*x = 6",
                                  "Script|If Value...  x = 6", "Script|Set Value  a = 1", "Script|**End**"}));
}

TEST_F(ScriptRun, AStepIsDueOnlyOnceItsMomentHasPassed)
{
    ScriptQueue.append({.RECORD = Mark("a"), .DATE = clock_.Today(), .TIME = clock_.Now()});
    interpreter_.RunDueScriptItem();
    EXPECT_EQ(ScriptQueue.size(), 1);
    Tick();
    EXPECT_TRUE(ScriptQueue.isEmpty());
}

TEST_F(ScriptRun, WaitsHoldTheQueueUntilTheirWindowOrTimeComes)
{
    const ScriptingRecord either{.Action = "Wait", .SecondsToWait = 5, .WaitForWindow = "Editor",
                                 .DDEApplicationName = "Either"};
    const ScriptingRecord both{.Action = "Wait", .SecondsToWait = 5, .WaitForWindow = "Editor",
                               .DDEApplicationName = "Both"};
    const ScriptingRecord gone{.Action = "Wait", .WaitForWindow = "~Editor"};
    const struct {
        const char* name;
        ScriptingRecord wait;
        bool windowFirst;     // the window is there when the wait starts
        int64_t advance;      // then the clock moves on
        bool windowLater;     // and the window is there
        bool heldAfter;
    } cases[] = {
        {"either ends on time", either, false, 600, false, false},
        {"either holds before its time", either, false, 300, false, true},
        {"either ends on the window", either, false, 10, true, false},
        {"both waits for the window without limit", both, false, 100'000, false, true},
        {"both ends on the window", both, false, 0, true, false},
        {"gone holds while the window is there", gone, true, 100'000, true, true},
        {"gone ends once it has gone", gone, true, 0, false, false},
    };
    FakeDesktopBackend with;
    FakeDesktopBackend without;
    with.AddWindow({.handle = 7, .title = "Editor", .visible = true});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Queue({c.wait, Mark("a"), End()});
        {
            DesktopOverride use(c.windowFirst ? with : without);
            Tick();
        }
        EXPECT_TRUE(interpreter_.WaitInProgress());
        EXPECT_EQ(ScriptQueue.size(), 3);
        clock_.Advance(c.advance);
        {
            DesktopOverride use(c.windowLater ? with : without);
            Tick();
        }
        EXPECT_EQ(ScriptQueue.size() == 3, c.heldAfter);
        EXPECT_EQ(interpreter_.WaitInProgress(), c.heldAfter);
        interpreter_.StopActiveScripts();
    }
}

TEST_F(ScriptRun, TimeTestsCompareTheirDeadlineWithNow)
{
    for (const auto& [test, deadlineAhead, passes] :
         {std::tuple{"Greater than", true, true}, {"Greater than", false, false}, {"Less than", true, false},
          {"Less than", false, true}}) {
        ScriptVariables fresh;
        ScriptVariablesOverride use(fresh);
        const ClockTime deadline = clock_.Now() + (deadlineAhead ? 500 : -50);
        Queue({{.Action = "If Time Elapsed...", .SecondsToWait = clock_.Today(), .IfTimeElapsed = test,
                .TimeElapsed = deadline},
               Mark("a"), EndIf(), End()});
        RunOut();
        EXPECT_EQ(Value("a") == "1", passes) << test << deadlineAhead;
    }
}

TEST_F(ScriptRun, AMessageDialogStoresTheButtonPressed)
{
    prompt_.AnswerButton("No");
    Queue({{.Action = "Display Message", .SecondsToWait = 1, .FocusOnWindow = "&Yes|&No",
            .DDEApplicationName = "Proceed?", .DDEApplicationTopic = "Question"},
           End()});
    RunOut();
    EXPECT_EQ(Value("RESPONSE"), "2");
    ASSERT_EQ(prompt_.Questions().size(), 1u);
    EXPECT_EQ(prompt_.Questions()[0].caption, "Question");
    EXPECT_EQ(prompt_.Questions()[0].icon, PromptIcon::Exclamation);
}

TEST_F(ScriptRun, ProgramWaitsEndWithTheExitCodeOrTheirTimeout)
{
    for (const auto& [command, timeout, code] :
         {std::tuple{"sh -c \"exit 3\"", 0, QString("3")}, {"sleep 3", 2, QString("259")}}) {
        Queue({{.Action = "Start Program", .TimeElapsed = timeout, .Command = command, .DDEApplicationName = "1211"},
               Mark("a"), End()});
        Tick();
        ASSERT_EQ(ScriptQueue.first().RECORD.Action, "Wait for Program End");
        if (timeout != 0)
            clock_.Advance(timeout * 100 + 1);
        EXPECT_TRUE(TickUntil([&] { return ScriptQueue.size() < 3; }));
        EXPECT_EQ(Value("ExitCode"), code) << command;
        interpreter_.StopActiveScripts();
    }
}

// In debug mode a program start says how it was started: plainly, with a
// verb, or with its window mode and priority alone.
TEST_F(ScriptRun, ProgramStartsSayInTheirDebugLineHowTheyWereStarted)
{
    DebugMode = true;
    Queue({{.Action = "Start Program", .Command = "true", .DDEApplicationName = "0210"},
           {.Action = "Start Program", .Command = "true", .DDEApplicationName = "0210", .DDEApplicationTopic = "Open"},
           {.Action = "Start Program", .Command = "true", .DDEApplicationName = "0310"},
           {.Action = "Start Program", .Command = "true", .DDEApplicationName = "0230", .DDEApplicationTopic = "Open"},
           End()});
    RunOut();
    QStringList starts;
    for (const QString& line : Log()) {
        if (line.startsWith("Debug|Debug - "))
            starts << line.mid(6);
    }
    EXPECT_EQ(starts, QStringList({"Debug - Simple Run: true |  | wait 0 | mode 1 | priority 2 | verb",
                                   "Debug - Full Command Sent: true |  | wait 0 | mode 1 | priority 2 | verb Open",
                                   "Debug - No Operation Sent: true |  | wait 0 | mode 1 | priority 3 | verb",
                                   "Debug - Full Command Sent: true |  | wait 0 | mode 3 | priority 2 | verb Open"}));
}

TEST_F(ScriptRun, ASelfStartingScriptCannotGrowTheQueueWithoutEnd)
{
    for (int i = 0; i < kScriptQueueLimit; ++i)
        Queue({i == 0 ? ScriptingRecord{.Action = "Start Script", .Command = "loop.vls", .Path = "I"} : Mark("a")});
    Tick();
    EXPECT_EQ(ScriptQueue.size(), kScriptQueueLimit - 1);
    ASSERT_EQ(prompt_.Questions().size(), 1u);
    EXPECT_TRUE(prompt_.Questions()[0].text.contains("loop.vls was not started")) << prompt_.Questions()[0].text.toStdString();
}

TEST(KeystrokeBursts, PlainTextGoesInBurstsAndGroupsAlone)
{
    using P = KeystrokePiece;
    const struct {
        const char* text;
        int burst;
        QList<P> pieces;
    } cases[] = {
        {"abc[ENTER]def", 2, {{false, "ab"}, {false, "c"}, {true, "ENTER"}, {false, "def"}}},
        {"[[]x  ", 7, {{true, "["}, {false, "x"}}},
        {"ab[open", 0, {{false, "a"}, {false, "b"}, {false, "[open"}}},
        {"[]x]", 7, {{true, ""}, {false, "x]"}}},
        {"   ", 3, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KeystrokePieces(c.text, c.burst), c.pieces) << c.text;
}

} // namespace
} // namespace vl

namespace vl {
namespace {

// The "Send Email" step sends the stored message with the step's values in
// its keywords and leaves the result for later steps.
TEST_F(ScriptRun, ASendEmailStepSendsTheStoredMessageAndLeavesItsExitCode)
{
    test::MailPeer peer("smtp_peer.py");
    ASSERT_TRUE(peer.Started()) << peer.Errors().toStdString();
    DictionaryStart();
    ASSERT_TRUE(OpenTable(Tables().Messages));
    Email::Host = peer.Host();
    Email::Sender = "ann@example.test";
    MessagesRecord message;
    message.MAILTYPE = "Email";
    message.EmailTo = "bob@example.test";
    message.Subject = "Total [SUM]";
    ASSERT_TRUE(Tables().Messages.Add(message));
    ScriptingRecord send{.Action = "Send Email"};
    send.EmailID = message.EmailID;
    Queue({SetValue("SUM", "=2+3"), send, End()});
    RunOut();
    EXPECT_EQ(peer.Json("message-1.json").value("Subject").toString(), "Total 5");
    EXPECT_EQ(Value("EmailExitCode"), "0");
    EXPECT_EQ(Value("Mail"), "Sent");

    send.EmailID = message.EmailID + 1;
    Queue({send, End()});
    RunOut();
    EXPECT_EQ(Value("EmailExitCode"), "1");
    EXPECT_TRUE(Log().contains("Script|Error sending message"));
    DictionaryEnd();
}

} // namespace
} // namespace vl

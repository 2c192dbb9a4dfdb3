#include "core/launch/CommandStart.h"
#include "core/launch/ExitCodeLog.h"
#include "core/launch/ProgramFileChoice.h"
#include "core/launch/ScriptLoading.h"
#include "platform/process/ChildProcesses.h"
#include "platform/runtime/FixedText.h"
#include "tests/core/launch/LaunchFixture.h"
#include "tests/support/ScriptedPrompt.h"

#include <QDir>

namespace vl {
namespace {

using test::Recorded;
using test::TestPath;
using test::WriteRecordingScript;
using Launch = test::LaunchFixture;

QString Canonical(const QString& path)
{
    return QDir(path).canonicalPath();
}

TEST_F(Launch, NotApplicableStartsNothingButQueuesTheScript)
{
    GlobalUseLog = true;
    AddItems(7, {Item("Send Keys")});
    LaunchProgram({.taskId = 7, .command = "N/A "});
    EXPECT_EQ(ScriptQueue.size(), 2);
    EXPECT_EQ(LoggedEvents(), QStringList({"Run Program | N/A"}));
    EXPECT_TRUE(ExitCodeQueue.isEmpty());
}

TEST_F(Launch, AChainedProgramEndsThisOneOnlyWhenItStarted)
{
    int ends = 0;
    ProgramEndAction() = [&] { ++ends; };
    AddItems(7, {Item("Send Keys")});
    WriteRecordingScript(TestPath("VLCHAIN"), TestPath("chain.out"));
    test::ScriptedPrompt prompt;

    LaunchProgram({.taskId = 7, .command = "VLCHAIN /UPDATE"});
    EXPECT_EQ(Recorded(TestPath("chain.out")), QStringList({Canonical(test::TestDir()), "/UPDATE"}));
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(ScriptQueue.isEmpty());

    // A replacement that cannot start leaves the scheduler running, and says so.
    LaunchProgram({.command = "vlchain-missing"});
    EXPECT_EQ(ends, 1);
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions().at(0).kind, test::PromptKind::Notice);
    EXPECT_EQ(prompt.Questions().at(0).caption, "Error Code 2");
    EXPECT_EQ(prompt.Questions().at(0).text, "Could not start vlchain-missing.");
}

TEST_F(Launch, ADesktopStartFindsAProgramPathHoldingBlanks)
{
    const QString program = WriteRecordingScript(TestPath("my tools/run it.sh"), TestPath("run.out"));
    // Unquoted: the whole text, the first blank, then the last blank.
    // Quoted: the whole text, then the closing quote.
    for (const auto& [command, tries] : {std::pair{program + " -v", 3}, std::pair{"\"" + program + "\"  -v ", 2}}) {
        QFile::remove(TestPath("run.out"));
        const ShellOpenOutcome outcome = ShellOpenCommand(command, TestPath("my tools"));
        ASSERT_TRUE(outcome.result.Started()) << command.toStdString();
        EXPECT_EQ(outcome.tries, tries) << command.toStdString();
        EXPECT_EQ(Recorded(TestPath("run.out")), QStringList({Canonical(TestPath("my tools")), "-v"}));
    }
}

TEST_F(Launch, AStartedProgramRunsInTheStartInDirectoryAndItsExitCodeIsLogged)
{
    GlobalUseLog = true;
    LogExitCodes = 1;
    const QString command = WriteRecordingScript(TestPath("bin/job.sh"), TestPath("job.out"), "exit 3") + " one";
    QDir().mkpath(TestPath("work dir"));
    const QString ownDirectory = QDir::currentPath();

    const LaunchOutcome outcome =
        LaunchProgram({.wantProcessHandle = true, .command = command, .startIn = TestPath("work dir")});
    ASSERT_NE(outcome.processHandle, 0);
    EXPECT_EQ(Recorded(TestPath("job.out")), QStringList({Canonical(TestPath("work dir")), "one"}));
    EXPECT_EQ(QDir::currentPath(), ownDirectory);

    ASSERT_TRUE(test::PollUntil([] {
        CollectExitCodes();
        return ExitCodeQueue.isEmpty();
    }));
    EXPECT_EQ(LoggedEvents(),
              QStringList({"Run Program | " + command, "Program Exit | Code 3 for " + CutTo(command, 80)}));
    // The caller's hold keeps the code after the log has let go of it.
    EXPECT_EQ(ChildExitCode(outcome.processHandle), 3);
    CloseProcessHandle(outcome.processHandle);
    EXPECT_EQ(ChildExitCode(outcome.processHandle), kExitCodeUnknown);
}

TEST_F(Launch, AFailedStartIsANoticeNobodyWaitsForAndIsLoggedAsAnError)
{
    AddItems(7, {Item("Send Keys")});
    const QString command = "/no such dir/prog -x";
    // Logging off: a desktop-only start, which ends the launch. Logging on: a
    // start as a process, after which the script still loads.
    for (const bool log : {false, true}) {
        GlobalUseLog = log;
        ScriptQueue.clear();
        test::ScriptedPrompt prompt; // a message box waiting for an answer fails the test
        LaunchProgram({.taskId = 7, .command = command});
        ASSERT_EQ(prompt.Questions().size(), 1u) << log;
        EXPECT_EQ(prompt.Questions()[0].kind, test::PromptKind::Notice);
        EXPECT_EQ(prompt.Questions()[0].caption, "Error Code 2"); // the last reading, "/no such"
        EXPECT_EQ(prompt.Questions()[0].text, "Could not start /no such dir/prog -x.");
        EXPECT_EQ(ScriptQueue.size(), log ? 2 : 0) << log;
    }
    EXPECT_EQ(LoggedEvents(), QStringList({"Error | Error Code 2: Could not start /no such dir/prog -x."}))
        << "never \"Run Program\" for a program that did not start";
}

TEST(ProgramFileChoice, TheChosenFileAndItsFolderFillTheBlankFields)
{
    test::ScriptedPrompt prompt;
    prompt.AnswerPath("/opt/my apps/run.sh").AnswerPath("/opt/tool").Cancel();
    ScheduleRecord task;
    EXPECT_TRUE(ChooseProgramFile(task));
    EXPECT_EQ(task.Command + "|" + task.Path, "/opt/my apps/run.sh|/opt/my apps/");
    ScriptingRecord item{.Path = "/srv "};
    EXPECT_TRUE(SelectProgramFile(item));
    EXPECT_FALSE(SelectProgramFile(item));
    EXPECT_EQ(item.Command + "|" + item.Path, "/opt/tool|/srv ");
    EXPECT_EQ(prompt.Questions().at(0).caption, "Choose a Program to Start");
    EXPECT_EQ(prompt.Questions().at(0).filter, kProgramFileFilter);
    EXPECT_EQ(prompt.Questions().at(1).caption + "|" + prompt.Questions().at(1).start, "Select a Program|/srv");
}

} // namespace
} // namespace vl

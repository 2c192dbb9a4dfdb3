#include "platform/process/ChildProcesses.h"
#include "platform/process/ProcessStart.h"
#include "platform/runtime/FileModes.h"
#include "tests/platform/process/ChildScripts.h"
#include "tests/support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace vl {
namespace {

using test::TestDir;
using test::TestPath;
using test::WaitForExit;
using test::WaitForFile;
using test::WriteScript;

// Reports its working directory, its nice value, its umask and its
// arguments, one per line, into "child.out" of its working directory, then
// exits with 3.
const QString kReportScript = QStringLiteral(
    "{ pwd -P; nice; umask; for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done; } > child.tmp\n"
    "mv child.tmp child.out\n"
    "exit 3\n");

// Waits until something is written into the named pipe given as its argument.
const QString kBlockedScript = QStringLiteral("read line < \"$1\"\nexit 4\n");

QString Canonical(const QString& path)
{
    return QDir(path).canonicalPath();
}

QString MakeDir(const QString& name)
{
    QDir().mkpath(TestPath(name));
    return TestPath(name);
}

ProgramStart ReportStart(const QString& workingDirectory, ProcessPriority priority = ProcessPriority::Normal)
{
    ProgramStart start;
    start.program = WriteScript(TestPath("my tools/report child.sh"), kReportScript);
    start.workingDirectory = MakeDir(workingDirectory);
    start.priority = priority;
    return start;
}

// The nice value the report script saw, once it has run.
int ReportedNice(const RunResult& result, const ProgramStart& start)
{
    EXPECT_TRUE(result.Started()) << result.detail.toStdString();
    EXPECT_EQ(WaitForExit(result.pid), 3);
    ReleaseChild(result.pid);
    return WaitForFile(start.workingDirectory + "/child.out").split('\n').value(1).toInt();
}

// A named pipe that a blocked child waits on; Release lets the child go on.
class BlockingPipe {
public:
    BlockingPipe() : path_(TestPath("wait here.fifo")) { mkfifo(QFile::encodeName(path_).constData(), 0600); }
    ~BlockingPipe()
    {
        if (fd_ >= 0)
            close(fd_);
    }
    const QString& Path() const { return path_; }
    // Opened for reading and writing, the pipe never blocks this side; it is
    // kept open so the line stays readable until the child has opened it.
    void Release()
    {
        fd_ = open(QFile::encodeName(path_).constData(), O_RDWR);
        ASSERT_EQ(write(fd_, "\n", 1), 1);
    }

private:
    QString path_;
    int fd_ = -1;
};

RunResult StartBlocked(const BlockingPipe& pipe)
{
    ProgramStart start;
    start.program = WriteScript(TestPath("blocked child.sh"), kBlockedScript);
    start.arguments = {pipe.Path()};
    return StartProgram(start);
}

TEST(StartProgram, RunsInItsOwnWorkingDirectoryWithArgumentsAsGivenAndKeepsTheExitCode)
{
    ProgramStart start = ReportStart("work dir");
    start.arguments = {"two words", "semi;colon", "$HOME", "'quoted'", ""};
    // Files made private on the way leave the user's umask to what starts.
    const mode_t mask = ::umask(027);
    ASSERT_TRUE(CreateFileForItsDirectory(TestPath("VLDB.TPS")));
    const RunResult result = StartProgram(start);
    ::umask(mask);
    ASSERT_TRUE(result.Started()) << result.detail.toStdString();
    EXPECT_GT(result.pid, 0);
    EXPECT_EQ(Canonical(QDir::currentPath()), Canonical(TestDir())); // ours never changes

    EXPECT_EQ(WaitForExit(result.pid), 3);
    EXPECT_EQ(ChildExitCode(result.pid), 3); // asked again: the same code
    const QStringList lines = WaitForFile(TestPath("work dir/child.out")).split('\n');
    EXPECT_EQ(lines.value(0), Canonical(TestPath("work dir")));
    EXPECT_EQ(lines.value(2), "0027");
    EXPECT_EQ(lines.mid(3, 5), QStringList({"[two words]", "[semi;colon]", "[$HOME]", "['quoted']", "[]"}));

    ReleaseChild(result.pid);
    EXPECT_EQ(ChildExitCode(result.pid), kExitCodeUnknown);
}

TEST(StartProgram, AppliesThePriorityInTheChildOnly)
{
    const int own = test::OwnNice();
    ProgramStart idle = ReportStart("idle", ProcessPriority::Idle);
    EXPECT_EQ(ReportedNice(StartProgram(idle), idle), 19);
    ProgramStart normal = ReportStart("normal", ProcessPriority::Normal);
    EXPECT_EQ(ReportedNice(StartProgram(normal), normal), own);
    ProgramStart high = ReportStart("high", ProcessPriority::High);
    const int highNice = ReportedNice(StartProgram(high), high);
    if (geteuid() == 0)
        EXPECT_EQ(highNice, std::max(own - 10, -20));
    else
        EXPECT_LE(highNice, own); // as far as the user's nice limit allows
    EXPECT_EQ(test::OwnNice(), own);
}

TEST(StartProgram, FindsProgramsFromTheWorkingDirectoryAndPath)
{
    WriteScript(TestPath("base/tools/run.sh"), kReportScript);
    WriteScript(TestPath("base/local tool"), kReportScript);
    EXPECT_EQ(ProgramPath("./tools/run.sh", TestPath("base")), TestPath("base/tools/run.sh"));
    EXPECT_EQ(ProgramPath("tools/../tools/run.sh", TestPath("base")), TestPath("base/tools/run.sh"));
    EXPECT_EQ(ProgramPath("/bin/sh", TestPath("base")), "/bin/sh");
    EXPECT_EQ(ProgramPath("local tool", TestPath("base")), TestPath("base/local tool"));
    EXPECT_EQ(ProgramPath("local tool", QString()), QString());
    EXPECT_TRUE(ProgramPath("sh", QString()).endsWith("/sh"));

    ProgramStart start;
    start.program = "local tool";
    start.workingDirectory = TestPath("base");
    const RunResult result = StartProgram(start);
    ASSERT_TRUE(result.Started()) << result.detail.toStdString();
    EXPECT_EQ(WaitForExit(result.pid), 3);
    ReleaseChild(result.pid);
}

TEST(StartProgram, ReportsWhyAProgramCouldNotStart)
{
    auto codeFor = [](const QString& program, const QString& workingDirectory = QString()) {
        ProgramStart start;
        start.program = program;
        start.workingDirectory = workingDirectory;
        const RunResult tracked = StartProgram(start);
        const RunResult detached = StartDetached(start);
        EXPECT_EQ(tracked.code, detached.code);
        EXPECT_EQ(tracked.pid, 0);
        EXPECT_FALSE(tracked.text.isEmpty());
        return tracked.code;
    };
    EXPECT_EQ(codeFor("no-such-program-velmora"), RunCode::FileNotFound);
    EXPECT_EQ(codeFor(TestPath("no folder/run.sh")), RunCode::FileNotFound);
    EXPECT_EQ(codeFor("   "), RunCode::FileNotFound);

    const QString script = WriteScript(TestPath("fine.sh"), "exit 0\n");
    EXPECT_EQ(codeFor(script, TestPath("no such folder")), RunCode::PathNotFound);

    test::WriteTextFile(TestPath("not executable.sh"), "#!/bin/sh\nexit 0\n");
    EXPECT_EQ(codeFor(TestPath("not executable.sh")), RunCode::AccessDenied);

    test::MakeExecutable(test::WriteTextFile(TestPath("no interpreter"), "plain text, no program\n"));
    EXPECT_EQ(codeFor(TestPath("no interpreter")), RunCode::FileSystemError);

    const RunResult missing = StartProgram(ProgramStart{"no-such-program-velmora", {}, {}, ProcessPriority::Normal});
    EXPECT_EQ(missing.text, "File Not Found");
}

TEST(ChildExitCode, ReportsStillActiveUntilTheChildEnds)
{
    BlockingPipe pipe;
    const RunResult result = StartBlocked(pipe);
    ASSERT_TRUE(result.Started()) << result.detail.toStdString();
    EXPECT_EQ(ChildExitCode(result.pid), kStillActive);
    EXPECT_EQ(ChildExitCode(result.pid), kStillActive);
    pipe.Release();
    EXPECT_EQ(WaitForExit(result.pid), 4);
    ReleaseChild(result.pid);
    EXPECT_EQ(ChildExitCode(123456789), kExitCodeUnknown);
}

TEST(ChildExitCode, AChildEndedByASignalReportsTheSignal)
{
    BlockingPipe pipe;
    const RunResult result = StartBlocked(pipe);
    ASSERT_TRUE(result.Started());
    ASSERT_EQ(kill(static_cast<pid_t>(result.pid), SIGKILL), 0);
    EXPECT_EQ(WaitForExit(result.pid), 128 + SIGKILL);
    ReleaseChild(result.pid);
}

TEST(ReleaseChild, AReleasedChildIsReapedWhenItEnds)
{
    BlockingPipe pipe;
    const RunResult result = StartBlocked(pipe);
    ASSERT_TRUE(result.Started());
    ReleaseChild(result.pid);
    EXPECT_EQ(ChildExitCode(result.pid), kExitCodeUnknown);
    EXPECT_TRUE(QFileInfo::exists(QStringLiteral("/proc/%1").arg(result.pid)));
    pipe.Release();
    EXPECT_TRUE(test::WaitUntilGone(result.pid)); // no zombie is left behind
}

TEST(StartDetached, RunsTheProgramWithoutKeepingIt)
{
    ProgramStart start = ReportStart("detached work", ProcessPriority::Idle);
    start.arguments = {"only one"};
    const RunResult result = StartDetached(start);
    ASSERT_TRUE(result.Started()) << result.detail.toStdString();
    EXPECT_EQ(result.pid, 0);
    const QStringList lines = WaitForFile(TestPath("detached work/child.out")).split('\n');
    EXPECT_EQ(lines.value(0), Canonical(TestPath("detached work")));
    EXPECT_EQ(lines.value(1), "19");
    EXPECT_EQ(lines.value(3), "[only one]");
    EXPECT_EQ(Canonical(QDir::currentPath()), Canonical(TestDir()));
}

} // namespace
} // namespace vl

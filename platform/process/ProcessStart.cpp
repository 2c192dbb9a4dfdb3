#include "platform/process/ProcessStart.h"

#include "platform/process/ChildProcesses.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace vl {
namespace {

constexpr int kLowestPriorityNice = 19;
constexpr int kHighestNice = -20;
constexpr int kHighPrioritySteps = 10;

// Everything the child needs, prepared before the fork: between fork and
// exec the child of a threaded program may only make plain system calls.
struct ChildPlan {
    QByteArray path;
    std::vector<QByteArray> argumentBytes;
    std::vector<char*> argv;
    QByteArray workingDirectory;
    bool changeNice = false;
    int nice = 0;
    bool hasFallbackNice = false;
    int fallbackNice = 0; // what the nice limit allows when nice is refused
};

// What the child reports through the error pipe when it cannot start the
// program; the pipe closes unread on a successful exec.
enum FailureStage : int { kStageDirectory = 1, kStageExec = 2, kStageFork = 3 };
struct ChildFailure {
    int stage = 0;
    int error = 0;
};

void PlanPriority(ProcessPriority priority, ChildPlan& plan)
{
    if (priority == ProcessPriority::Normal)
        return;
    plan.changeNice = true;
    if (priority == ProcessPriority::Idle) {
        plan.nice = kLowestPriorityNice;
        return;
    }
    errno = 0;
    int current = getpriority(PRIO_PROCESS, 0);
    if (errno != 0)
        current = 0;
    plan.nice = std::max(current - kHighPrioritySteps, kHighestNice);
    // An unprivileged user may go down to 20 - RLIMIT_NICE; try that when the
    // full step is refused and the limit allows any raise at all.
    rlimit limit{};
    if (getrlimit(RLIMIT_NICE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY) {
        const int lowestAllowed = 20 - static_cast<int>(std::min<rlim_t>(limit.rlim_cur, 40));
        if (lowestAllowed < current) {
            plan.hasFallbackNice = true;
            plan.fallbackNice = std::max(lowestAllowed, plan.nice);
        }
    }
}

ChildPlan MakePlan(const ProgramStart& start, const QString& path)
{
    ChildPlan plan;
    plan.path = QFile::encodeName(path);
    plan.argumentBytes.push_back(QFile::encodeName(start.program));
    for (const QString& argument : start.arguments)
        plan.argumentBytes.push_back(argument.toLocal8Bit());
    for (QByteArray& bytes : plan.argumentBytes)
        plan.argv.push_back(bytes.data());
    plan.argv.push_back(nullptr);
    plan.workingDirectory = QFile::encodeName(start.workingDirectory);
    PlanPriority(start.priority, plan);
    return plan;
}

void ReportFailure(int fd, FailureStage stage, int error) noexcept
{
    const ChildFailure failure{stage, error};
    [[maybe_unused]] const ssize_t written = write(fd, &failure, sizeof failure);
}

// Runs in the child: only async-signal-safe calls from here to exec.
[[noreturn]] void ExecChild(const ChildPlan& plan, int errorFd) noexcept
{
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    struct sigaction defaultAction {};
    defaultAction.sa_handler = SIG_DFL;
    sigaction(SIGPIPE, &defaultAction, nullptr);
    setsid();
    if (plan.changeNice && setpriority(PRIO_PROCESS, 0, plan.nice) != 0 && plan.hasFallbackNice)
        setpriority(PRIO_PROCESS, 0, plan.fallbackNice);
    if (!plan.workingDirectory.isEmpty() && chdir(plan.workingDirectory.constData()) != 0) {
        ReportFailure(errorFd, kStageDirectory, errno);
        _exit(127);
    }
    // Open files of this process (data files, sockets, the X connection) are
    // not handed on; the error pipe closes with them on exec.
    close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
    execve(plan.path.constData(), plan.argv.data(), environ);
    ReportFailure(errorFd, kStageExec, errno);
    _exit(127);
}

// True when the child reported a failure before it could exec.
bool ReadFailure(int fd, ChildFailure& failure)
{
    char* buffer = reinterpret_cast<char*>(&failure);
    size_t got = 0;
    while (got < sizeof failure) {
        const ssize_t n = read(fd, buffer + got, sizeof failure - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += static_cast<size_t>(n);
    }
    return got == sizeof failure;
}

RunResult Spawn(const ProgramStart& start, bool detached)
{
    if (start.program.trimmed().isEmpty())
        return RunResult::Failure(RunCode::FileNotFound, QStringLiteral("No program named"));
    const QString path = ProgramPath(start.program, start.workingDirectory);
    if (path.isEmpty())
        return RunResult::Failure(RunCode::FileNotFound, QStringLiteral("Program not found: ") + start.program);
    const ChildPlan plan = MakePlan(start, path);

    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0)
        return RunFailureFromErrno(errno, false, path);
    const pid_t pid = fork();
    if (pid < 0) {
        const int error = errno;
        close(pipeFds[0]);
        close(pipeFds[1]);
        return RunFailureFromErrno(error, false, path);
    }
    if (pid == 0) {
        close(pipeFds[0]);
        if (detached) {
            // The intermediate child ends at once, so the program is adopted
            // by the system, which reaps it.
            const pid_t program = fork();
            if (program < 0) {
                ReportFailure(pipeFds[1], kStageFork, errno);
                _exit(127);
            }
            if (program > 0)
                _exit(0);
        }
        ExecChild(plan, pipeFds[1]);
    }

    close(pipeFds[1]);
    ChildFailure failure;
    const bool failed = ReadFailure(pipeFds[0], failure);
    close(pipeFds[0]);
    if (detached || failed)
        ReapChildNow(pid);
    if (failed) {
        const bool aboutDirectory = failure.stage == kStageDirectory;
        return RunFailureFromErrno(failure.error, aboutDirectory, aboutDirectory ? start.workingDirectory : path);
    }
    if (detached)
        return RunResult::Success();
    AdoptChild(pid);
    return RunResult::Success(pid);
}

} // namespace

QString ProgramPath(const QString& program, const QString& workingDirectory)
{
    const QDir base(workingDirectory.isEmpty() ? QDir::currentPath()
                                               : QDir::current().absoluteFilePath(workingDirectory));
    if (program.contains(QLatin1Char('/')))
        return QDir::cleanPath(base.absoluteFilePath(program));
    const QString found = QStandardPaths::findExecutable(program);
    if (!found.isEmpty())
        return found;
    const QFileInfo local(base.absoluteFilePath(program));
    return local.isFile() ? local.absoluteFilePath() : QString();
}

RunResult StartProgram(const ProgramStart& start)
{
    return Spawn(start, false);
}

RunResult StartDetached(const ProgramStart& start)
{
    return Spawn(start, true);
}

} // namespace vl

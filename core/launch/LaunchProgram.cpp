#include "core/launch/LaunchProgram.h"

#include "core/dictionary/Dictionary.h"
#include "core/base/EventLog.h"
#include "core/launch/CommandStart.h"
#include "core/launch/ExitCodeLog.h"
#include "core/launch/HiddenPasswords.h"
#include "core/launch/ProcessHandles.h"
#include "core/launch/RunLock.h"
#include "core/launch/ScriptLoading.h"
#include "core/base/Globals.h"
#include "platform/process/ChildProcesses.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/PromptService.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QThread>

namespace vl {
namespace {

const char kChainPrefix[] = "VLCHAIN";
const char kNoProgram[] = "N/A";
const char kRunProgramLabel[] = "Run Program";
const char kErrorLabel[] = "Error";

// The wait cursor while a start is under way, on the GUI thread only.
class BusyCursor {
public:
    BusyCursor()
    {
        auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
        shown_ = app != nullptr && QThread::currentThread() == app->thread();
        if (shown_)
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    ~BusyCursor() { Restore(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

    void Restore()
    {
        if (shown_)
            QGuiApplication::restoreOverrideCursor();
        shown_ = false;
    }

private:
    bool shown_ = false;
};

bool IsChainCommand(const QString& command)
{
    return command.toUpper().startsWith(QLatin1String(kChainPrefix));
}

void EndProgram()
{
    if (const auto& action = ProgramEndAction()) {
        action();
        return;
    }
    if (QCoreApplication* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, &QCoreApplication::quit, Qt::QueuedConnection);
}

ProcessPriority StartPriority(const LaunchRequest& request)
{
    if (request.useNormalPriority)
        return ProcessPriority::Normal;
    switch (request.priority) {
    case 1:
        return ProcessPriority::Idle;
    case 3:
        return ProcessPriority::High;
    default:
        return ProcessPriority::Normal;
    }
}

// Starts the command as a process and hands it to whoever wants it: the
// caller, the exit-code log, or nobody (then it is released at once). When it
// cannot be created, the desktop start is tried.
void StartProcess(const LaunchRequest& request, const QString& startIn, LaunchOutcome& outcome)
{
    RunResult result = StartCommandLine(request.command, startIn, StartPriority(request), true);
    if (!result.Started()) {
        outcome.start = ShellOpenCommand(request.command, startIn).result;
        return;
    }
    const qint64 pid = result.pid;
    result.pid = 0;
    outcome.start = result;
    const bool logExitCode = GlobalUseLog && LogExitCodes;
    if (request.wantProcessHandle) {
        HoldProcessHandle(pid);
        outcome.processHandle = pid;
    }
    if (logExitCode)
        WatchExitCode(pid, request.command);
    if (!request.wantProcessHandle && !logExitCode)
        ReleaseChild(pid);
}

// Starts the command; false when the launch ends here: a desktop-only start
// failed. A failed start as a process still loads the task's script.
bool StartAndReport(const LaunchRequest& request, const QString& startIn, LaunchOutcome& outcome)
{
    if (request.wantProcessHandle || GlobalUseLog || LogExitCodes) {
        StartProcess(request, startIn, outcome);
        return true;
    }
    outcome.start = ShellOpenCommand(request.command, startIn).result;
    return outcome.start.Started();
}

void LoadTaskScript(int32_t taskId)
{
    Table<ScriptingRecord>& scripting = Tables().Scripting;
    const bool opened = OpenTable(scripting);
    QueueTaskScript(scripting, taskId);
    if (opened)
        scripting.Close();
}

// Starts the command and loads the task's script, unless the launch ended at
// a failed start. Only a program that started (or "N/A") is logged as run; a
// failure is logged by ReportStartFailure.
void RunTaskCommand(const LaunchRequest& request, LaunchOutcome& outcome)
{
    const QString startIn = Clip(request.startIn);
    if (UpperClip(request.command) != QLatin1String(kNoProgram) && !StartAndReport(request, startIn, outcome))
        return;
    if (outcome.start.Started())
        WriteEventLog(QLatin1String(kRunProgramLabel), Clip(WithoutPasswords(request.command)));
    if (request.taskId != 0)
        LoadTaskScript(request.taskId);
}

// Logged as an error and shown without waiting for the user: a launch
// happens inside the scheduler's tick, and a box that waited would hold back
// every task due after it.
void ReportStartFailure(const QString& command, int code)
{
    const QString text = QStringLiteral("Could not start ") + Clip(WithoutPasswords(command)) + QLatin1Char('.');
    const QString caption = QStringLiteral("Error Code %1").arg(code);
    WriteEventLog(QLatin1String(kErrorLabel), caption + QStringLiteral(": ") + text);
    Prompt::Notify(text, caption);
}

} // namespace

std::function<void()>& ProgramEndAction()
{
    static std::function<void()> action;
    return action;
}

LaunchOutcome LaunchProgram(const LaunchRequest& request)
{
    LaunchOutcome outcome;
    bool chained = false;
    {
        RunLock lock;
        if (IsChainCommand(request.command)) {
            outcome.start = StartCommandLine(Clip(request.command), QString(), ProcessPriority::Normal, false);
            chained = outcome.start.Started();
        } else {
            BusyCursor busy;
            RunTaskCommand(request, outcome);
        }
    }
    if (!outcome.start.Started())
        ReportStartFailure(request.command, outcome.start.code);
    if (chained)
        EndProgram();
    return outcome;
}

} // namespace vl

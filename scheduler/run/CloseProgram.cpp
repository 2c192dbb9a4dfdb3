#include "scheduler/run/CloseProgram.h"

#include "core/launch/CommandLines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <csignal>
#include <sys/types.h>
#include <unistd.h>

namespace vl {
namespace {

// The file name a step names: the program of its command, without folder.
QString StepProgram(const QString& name)
{
    return QFileInfo(SplitCommandLine(name.trimmed()).program).fileName();
}

// The processes of this user whose program file matches, this one excluded.
QList<pid_t> MatchingProcesses(const QString& program)
{
    QList<pid_t> found;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        bool numeric = false;
        const pid_t pid = entry.toInt(&numeric);
        if (!numeric || pid == getpid())
            continue;
        const QFileInfo exe(QStringLiteral("/proc/%1/exe").arg(pid));
        const QString target = exe.symLinkTarget();
        if (!target.isEmpty() && ProgramNameMatches(program, target))
            found << pid;
    }
    return found;
}

} // namespace

bool ProgramNameMatches(const QString& stepName, const QString& programFile)
{
    const QString step = QFileInfo(stepName).fileName();
    const QString file = QFileInfo(programFile).fileName();
    if (step.isEmpty() || file.isEmpty())
        return false;
    return step.compare(file, Qt::CaseInsensitive) == 0
           || QFileInfo(step).completeBaseName().compare(file, Qt::CaseInsensitive) == 0;
}

int CloseProgramNamed(const QString& name, DesktopBackend& desktop)
{
    const QString program = StepProgram(name);
    if (program.isEmpty())
        return 0;
    int closed = 0;
    bool anyWindow = false;
    for (const DesktopWindow& window : desktop.TopLevelWindows()) {
        if (!ProgramNameMatches(program, desktop.WindowProgram(window.handle)))
            continue;
        anyWindow = true;
        if (desktop.CloseWindow(window.handle))
            ++closed;
    }
    if (anyWindow)
        return closed;
    for (const pid_t pid : MatchingProcesses(program)) {
        if (kill(pid, SIGTERM) == 0)
            ++closed;
    }
    return closed;
}

} // namespace vl

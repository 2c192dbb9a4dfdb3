#include "core/launch/CommandStart.h"

#include "core/launch/CommandLines.h"
#include "platform/process/ExecutableDirectory.h"
#include "platform/process/ShellOpen.h"

#include <QFileInfo>
#include <QProcess>

namespace vl {
namespace {

bool IsExecutableFile(const QString& path)
{
    const QFileInfo file(path);
    return file.isFile() && file.isExecutable();
}

} // namespace

QString LaunchProgramPath(const QString& program, const QString& workingDirectory)
{
    if (!program.isEmpty() && !program.contains(QLatin1Char('/'))) {
        const QString beside = CompanionProgramPath(program);
        if (IsExecutableFile(beside))
            return beside;
    }
    return ProgramPath(program, workingDirectory);
}

RunResult StartCommandLine(const QString& command, const QString& workingDirectory, ProcessPriority priority,
                           bool keepChild)
{
    const CommandLineParts parts = SplitCommandLine(command);
    ProgramStart start;
    const QString path = LaunchProgramPath(parts.program, workingDirectory);
    start.program = path.isEmpty() ? parts.program : path;
    start.arguments = parts.arguments;
    start.workingDirectory = workingDirectory;
    start.priority = priority;
    return keepChild ? StartProgram(start) : StartDetached(start);
}

RunResult ShellStart(const QString& file, const QString& parameters, const QString& workingDirectory)
{
    if (!file.isEmpty() && !IsAddress(file)) {
        const QString path = LaunchProgramPath(file, workingDirectory);
        if (!path.isEmpty() && IsExecutableFile(path)) {
            ProgramStart start;
            start.program = path;
            start.arguments = QProcess::splitCommand(parameters);
            start.workingDirectory = workingDirectory;
            return StartDetached(start);
        }
    }
    return ShellOpen(file, workingDirectory);
}

ShellOpenOutcome ShellOpenCommand(const QString& command, const QString& workingDirectory)
{
    ShellOpenOutcome outcome;
    for (const ShellTry& reading : ShellOpenTries(command)) {
        ++outcome.tries;
        outcome.result = ShellStart(reading.file, reading.parameters, workingDirectory);
        if (outcome.result.Started())
            break;
    }
    return outcome;
}

} // namespace vl

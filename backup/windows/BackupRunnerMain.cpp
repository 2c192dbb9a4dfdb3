#include "backup/windows/BackupRunnerMain.h"

#include "backup/ConsolePrompt.h"
#include "backup/RestoreJournal.h"
#include "backup/RunnerCommandLine.h"
#include "backup/windows/BackupRunnerWindow.h"
#include "backup/windows/SignalEnd.h"
#include "backup/windows/ZipProgressWindow.h"
#include "platform/process/ExecutableDirectory.h"
#include "platform/widgets/DesktopServices.h"
#include "platform/widgets/WindowPosition.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>

#include <cstdio>

namespace vl {

namespace {

constexpr char kWindowName[] = "Main";

int Unattended(int argc, char** argv, const RunnerCommandLine& line)
{
    QCoreApplication app(argc, argv);
    const ConsolePrompt console;
    const SignalEnd end;
    FinishUnfinishedRestore(QDir::currentPath()); // before any data file is read
    if (end.Ended())
        return end.ExitCode(0);
    ZipObject zip;
    const ZipResult result = line.unattended == RunnerOperation::Backup
                                 ? RunBackup(zip, line.archive, QDir::currentPath())
                                 : RunRestore(zip, line.archive, QDir::currentPath());
    return end.ExitCode(result.Ok() ? 0 : 1);
}

int WithWindow(int argc, char** argv, const RunnerCommandLine& line)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Halvex"));
    QApplication::setOrganizationName(QStringLiteral("Velmora"));
    const DesktopServices services;
    const SignalEnd end;
    FinishUnfinishedRestore(QDir::currentPath()); // before any data file is read
    if (end.Ended())
        return end.ExitCode(0);
    const ZipProgressWindow progress;
    IniFile ini(QString::fromLatin1(kRunnerIniFile));
    ProgramStart manager;
    manager.program = CompanionProgramPath(QStringLiteral("Orlend"));
    manager.arguments = line.passOn;
    manager.workingDirectory = QDir::currentPath();
    BackupRunnerWindow window(ReadRunnerChoice(ini), QDir::currentPath(), manager);
    RestoreWindowPosition(ini, window, QLatin1String(kWindowName));
    // Ended by a signal, the window keeps its place and choice as its close
    // does, once the work begun is whole.
    window.exec();
    SaveWindowPosition(ini, window, QLatin1String(kWindowName));
    WriteRunnerChoice(ini, window.Choice());
    return end.ExitCode(window.Result().Ok() ? 0 : 1);
}

} // namespace

int BackupRunnerMain(int argc, char** argv)
{
    QStringList arguments;
    for (int n = 1; n < argc; ++n)
        arguments << QString::fromLocal8Bit(argv[n]);
    const RunnerCommandLine line = ParseRunnerCommandLine(arguments);
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "Halvex: %s\n%s\n", line.error.toLocal8Bit().constData(),
                     RunnerUsage().toLocal8Bit().constData());
        return 2;
    }
    if (line.unattended != RunnerOperation::Unknown)
        return Unattended(argc, argv, line);
    return WithWindow(argc, argv, line);
}

} // namespace vl

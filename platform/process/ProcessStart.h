#pragma once
// Starting programs without waiting for them.
//
// - The program gets an argument vector; nothing is ever passed through a
//   shell, so blanks, quotes and ";" in names and arguments are plain text.
// - The working directory is set in the started program only: this process
//   never changes its own current directory for a start.
// - Priority: Idle runs the program at the lowest scheduling priority (nice
//   19); High asks for ten nice steps above this process, or as many as the
//   user's nice limit (RLIMIT_NICE) allows, and starts at this process's
//   priority when it may not raise it at all; Normal keeps this process's
//   priority.
// - The program starts in a session of its own with a clean signal mask, and
//   inherits no open file of this process except standard input, output and
//   error.
// - Window modes (hidden, minimized, maximized, shown without focus): an X11
//   desktop has no standard way to tell a program how to show its first
//   window, so there is nothing here to pass them to; a started program shows
//   its windows as it always does.

#include "platform/process/RunResult.h"

#include <QString>
#include <QStringList>

namespace vl {

enum class ProcessPriority { Idle, Normal, High };

struct ProgramStart {
    // A path (a relative one counts from the working directory), or a bare
    // name looked up in PATH and then in the working directory.
    QString program;
    QStringList arguments;
    // The started program's current directory; empty: this process's own.
    QString workingDirectory;
    ProcessPriority priority = ProcessPriority::Normal;
};

// Starts the program and keeps it as a child: result.pid names it for
// ChildExitCode and ReleaseChild (ChildProcesses.h). A program that cannot be
// started gives the runtime's code: 2 for a missing program, 3 for a missing
// working directory, 5 for a denied access, and so on (RunResult.h).
RunResult StartProgram(const ProgramStart& start);

// Starts the program with no tie to this process: nobody collects its exit
// code and it never lingers as a zombie (the system adopts it). Failures are
// reported as by StartProgram; result.pid stays 0.
RunResult StartDetached(const ProgramStart& start);

// The file a start would run: a path made absolute from the working
// directory (whether or not it exists), or the executable found for a bare
// name; empty when a bare name is found nowhere.
QString ProgramPath(const QString& program, const QString& workingDirectory);

} // namespace vl

#pragma once
// Starting a command text: directly as a program with its arguments, or the
// way a double click on the desktop would (a program is run, a document or
// an address goes to the desktop's default handler). Each start sets the
// working directory in the started program only.
//
// The desktop's handler only opens: it knows no other verbs (print, edit,
// ...) and no way to ask a program to show its first window minimised or
// maximised, so a start through it always opens and the window appears as
// the program chooses.

#include "platform/process/ProcessStart.h"
#include "platform/process/RunResult.h"

#include <QString>

namespace vl {

// The file a command's program name runs: a bare name is looked for beside
// the running executable first (the companion and helper programs live
// there), then as ProgramPath (ProcessStart.h) finds it.
QString LaunchProgramPath(const QString& program, const QString& workingDirectory);

// Starts the command (SplitCommandLine) as a program. keepChild: the child
// stays known for its exit code (StartProgram: the caller owns result.pid);
// otherwise it is started detached.
RunResult StartCommandLine(const QString& command, const QString& workingDirectory, ProcessPriority priority,
                           bool keepChild);

// One desktop start: an executable file is started with the parameters as
// its arguments (split at blanks outside double quotes); anything else (a
// document, a folder, an address) goes to the default handler, which takes
// no parameters.
RunResult ShellStart(const QString& file, const QString& parameters, const QString& workingDirectory);

struct ShellOpenOutcome {
    RunResult result; // the last try's
    int tries = 0;    // how many readings were tried (ShellOpenTries)
};

// Tries the readings of the command (ShellOpenTries) in turn until one
// starts.
ShellOpenOutcome ShellOpenCommand(const QString& command, const QString& workingDirectory);

} // namespace vl

#pragma once
// Starting the program or document a task, a script step, a hot key or a
// clipboard entry names, and loading a task's script into ScriptQueue.
//
//     LaunchProgram({.taskId = task.ID, .command = task.Command, .startIn = task.Path});
//
// Starts run one at a time (RunLock.h). A command beginning "VLCHAIN" starts
// that program in place of this one, which then ends. "N/A" starts nothing
// (only the script is loaded). Any other command is started as a program
// with its arguments when a process handle is wanted or the event log is on,
// so that its exit code can be logged (ExitCodeLog.h); otherwise, and when
// that fails, it is started the way the desktop starts a double-clicked file
// (CommandStart.h). The event "Run Program" logs a program that started. A
// start that fails is logged as an "Error" and shown as a notice "Could not
// start " with the command, titled "Error Code " and the code, which nobody
// waits for, so that the tasks due after it still run on time; a failed
// desktop-only start loads no script.
//
// The start-in directory becomes the started program's working directory;
// this process's own current directory is never changed.

#include "platform/process/RunResult.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace vl {

struct LaunchRequest {
    int32_t taskId = 0;             // the task whose script is loaded; 0: none
    bool wantProcessHandle = false; // the caller wants the started process
    bool useNormalPriority = true;
    int32_t priority = 0;           // without normal priority: 1 idle, 2 normal, 3 high
    QString command;                // program and switches, or document
    QString startIn;                // start-in directory; blank: ours
};

struct LaunchOutcome {
    // The start's result (Started() for "N/A" too).
    RunResult start;
    // With wantProcessHandle, the program when it was started as a process
    // (0 otherwise). The caller holds it and must CloseProcessHandle it
    // (ProcessHandles.h) when it no longer wants its exit code.
    qint64 processHandle = 0;
};

LaunchOutcome LaunchProgram(const LaunchRequest& request);

// What ends this program once a chained program ("VLCHAIN...") has started;
// the frame installs its close-down. Empty: the event loop is asked to quit.
std::function<void()>& ProgramEndAction();

} // namespace vl

#pragma once
// Programs started with their exit code wanted (StartProgram in
// ProcessStart.h) stay known here by process id until they are released, so
// that their exit codes can be asked for at any later time without waiting,
// as often as wanted, and so that no ended child is left behind as a zombie.
//
// Thread-safe: any thread may ask or release.

#include <QtGlobal>

namespace vl {

// The code reported while the program still runs.
inline constexpr int kStillActive = 259;
// The code reported for a process that is not (or no longer) known here.
inline constexpr int kExitCodeUnknown = -1;

// The exit code of a started child: kStillActive while it runs; its exit
// status once it has ended; 128 + the signal number when a signal ended it;
// kExitCodeUnknown for an id that was never started here or was released.
// Never blocks. The code stays available until the child is released.
int ChildExitCode(qint64 pid);

// Forgets a child. One that still runs is reaped when it ends, by a thread
// that waits for it alone.
void ReleaseChild(qint64 pid);

// Used by the start functions: a child they have just started, and a child
// they wait for at once (one that could not start the program, or the
// short-lived intermediate of a detached start).
void AdoptChild(qint64 pid);
void ReapChildNow(qint64 pid);

} // namespace vl

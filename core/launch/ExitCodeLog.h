#pragma once
// The exit codes of programs that tasks and scripts started, written to the
// event log while both LogEvents and LogExitCodes are on.

#include <QString>
#include <QtGlobal>

namespace vl {

inline constexpr char kProgramExitLabel[] = "Program Exit";

// Queues a started program (ExitCodeQueue) for CollectExitCodes and holds it
// (ProcessHandles.h) until its code has been logged. The command is kept cut
// to 80 characters.
void WatchExitCode(qint64 pid, const QString& command);

// The fourth phase of the scheduler's cycle; only while LogEvents and
// LogExitCodes are both on. Every queued program that has ended is logged
// "Program Exit", "Code " + its code + " for " + its command, and leaves the
// queue; one that still runs stays. A code that cannot be asked for is -1.
void CollectExitCodes();

} // namespace vl

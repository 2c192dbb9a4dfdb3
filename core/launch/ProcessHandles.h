#pragma once
// A program started with its exit code wanted can be wanted by more than one
// holder at once (the exit-code log and the script step that waits for it).
// Each holder holds the process and closes it when done; the child is
// released (ChildProcesses.h) when its last holder closes it, so no holder
// ever finds its exit code forgotten under it. Thread-safe.

#include <QtGlobal>

namespace vl {

// One holder more.
void HoldProcessHandle(qint64 pid);
// One holder fewer; the last one releases the child.
void CloseProcessHandle(qint64 pid);

} // namespace vl

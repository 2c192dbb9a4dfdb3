#pragma once
// The status that the scheduler's routines and the task lists hand to the
// frame's timer tick, which shows it. All are used on the GUI thread.

#include <QString>

namespace vl {

// "Next: " and the next task's description, or "No tasks pending", as the
// due-task lookup last found it (STRING(30)); status zone 2 shows it while
// the scheduler is active and no script runs.
inline QString NextTaskText;

// Set by a list that runs a task's script on demand: the script runs even
// while the scheduler is inactive. The tick clears it once the script queue
// has run empty.
inline bool TempScriptingActive = false;

// Progress of a mail being sent by a script step; the tick shows it once in
// front of the script status and clears it.
inline QString MailProgressText;

} // namespace vl

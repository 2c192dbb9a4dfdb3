#pragma once
// Program-wide values that belong to the main frame: the version it shows,
// its window handle, and the status that the scheduler's routines and other
// windows hand to the frame's timer tick. All are used on the GUI thread.

#include "core/dictionary/ClipboardRecord.h"

#include <QString>

#include <cstdint>

namespace vl {

class TrayIcon;

inline const QString VersionNumber = QStringLiteral("1.91"); // STRING(10)

// The frame's native window, once it has opened (0 before).
inline uintptr_t FrameHandle = 0;
inline uintptr_t ParentHandle = 0;

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

// The program's one Clipboard record buffer: the entry last captured from
// the clipboard or put back on it at start-up, so that clipboard capture
// never stores the same text twice.
inline ClipboardRecord ClipboardBuffer;

// The frame's notification-area icon, while the frame is open (else null):
// the due-task lookup sets its tip and brings the frame back through it.
TrayIcon* FrameTrayIcon();

} // namespace vl

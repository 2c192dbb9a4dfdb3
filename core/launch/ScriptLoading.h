#pragma once
// Loading a task's script items into ScriptQueue with the moments they fall
// due, and the rewrites a step gets as it is queued.

#include "core/dictionary/ScriptingRecord.h"
#include "platform/data/Table.h"
#include "platform/runtime/Calendar.h"

#include <QString>

namespace vl {

// The action of the entry that ends a task's script in the queue.
inline constexpr char kScriptEndAction[] = "**End**";

struct DueMoment {
    Date date = 0;
    ClockTime time = 0;
};

// When the first step of a script queued now falls due: today at the clock
// plus twice ScriptingDelay, or, when the queue's last entry is due later,
// ScriptingDelay after that entry. Folded by CarryDays.
DueMoment FirstScriptStepTime();

// How far an item moves the running due moment of a script on: a "Wait"
// its seconds (a wait for either of two conditions nothing, its elapsed
// time cleared for the deadline set when it starts), a test or the end of a
// test (an action holding "...") nothing, any other step ScriptingDelay.
// In hundredths of a second.
int64_t ScriptStepLength(ScriptingRecord& item);

// Appends the script items of the task (read in SCR:KEYID order from the
// open Scripting table) to ScriptQueue. Each item falls due after the one
// before it: a "Wait" after its seconds (a wait for either of two conditions
// after nothing, with its elapsed time cleared), a test or the end of a test
// (an action holding "...") after nothing, any other step after
// ScriptingDelay. A "**End**" entry follows the last item. A read that cannot
// be set up is logged ("Script", "Set Error: " + the error); a read that
// fails midway ends the queueing and keeps what was queued.
void QueueTaskScript(Table<ScriptingRecord>& scripting, int32_t taskId);

// The rewrite of an item as it is queued: an "If Time Elapsed..." test gets
// its seconds as a deadline counted from the first step of the script
// (TimeElapsed the time, SecondsToWait the date); FTP and HTTP file actions
// become starts of their helper programs (ConvertTransferFileAction).
void ConvertFileActionCommand(ScriptingRecord& item, DueMoment scriptStart);

// A "File Actions" item of type "FTP Upload", "FTP Download" or "HTTP
// Download" becomes a "Start Program" item that starts VLFTP or HTTPGET with
// the item's values quoted as script tokens, waits for it up to an hour, and
// carries no topic; any other item is left as it is.
void ConvertTransferFileAction(ScriptingRecord& item);

} // namespace vl

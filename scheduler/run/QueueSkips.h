#pragma once
// How a running script leaves steps out of ScriptQueue: "Exit Script" ends
// the current script, a failed test leaves out its block. Both remove one
// entry per turn, so neither can loop, whatever the queue holds.

#include <QString>

namespace vl {

// A step that opens a block ("If Window...", "If Value...", ...) and one that
// closes it ("...End If", or another whose action begins "end"); "**End**",
// the end of a script, is neither.
bool OpensScriptBlock(const QString& action);
bool ClosesScriptBlock(const QString& action);

// Removes the head and the entries behind it up to the next "**End**",
// which is left at the head. False when the queue ran empty first.
bool ExitCurrentScript();

// Removes the failed test at the head and its block up to the matching
// "...End If" (or another entry whose action begins "end"), which is left at
// the head; tests nested inside are left out with their own "...End If". A
// block without its "...End If" takes the rest of the queue with it, the
// scripts queued behind it too. False when the queue ran empty.
bool SkipFailedTest();

} // namespace vl

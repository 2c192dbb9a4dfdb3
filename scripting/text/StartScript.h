#pragma once
// The "Start Script" step of a running script: an exchange file's items
// (ScriptExchange.h) put on ScriptQueue, due one after another from now (or
// after the queue's last entry), timed as the script loader times a task's
// script. The step running it is the head of ScriptQueue; the new items
// belong to its task and window. By the mode's first letter (any case):
// - "I" Insert: the new items, then the rest of the queue;
// - "J" Jump to (and any other letter): the new items only;
// - "A" Append: the rest of the queue, the new items, then an "**End**".
// The head (the step itself) is gone afterwards in every mode.
//
// Runs inside the scheduler's tick, so it tells the user without waiting
// (Prompt::Notify). The file is read under a progress window ("Importing
// Script Items"). A file that cannot be opened or read, or whose reading
// the user cancels, leaves the queue as it was: the interpreter drops the
// step and the running script goes on. An unknown action is reported per
// line and skipped.

#include <QString>

namespace vl {

inline constexpr char kStartScriptErrorCaption[] = "Start Script";

// True when the file was read and the queue rebuilt without the step: the
// head is then the first step to run (perhaps itself a "Start Script" of the
// file) and must not be removed as the step was. False when the file could
// not be read or its reading was cancelled: the queue is as it was, the step
// still at its head.
bool StartScript(const QString& file, const QString& mode);

} // namespace vl

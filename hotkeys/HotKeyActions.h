#pragma once
// What a hot key of the SysHotKeys table does when it is pressed: a "Text"
// hot key types its text, puts it on the clipboard, or puts it there and
// pastes it; a "Task" hot key loads the script of its task into the script
// queue, which the scheduler's tick then runs. Every failure is shown in a
// box titled "Hot-Key <key> Error"; the hot key stays registered.

#include "core/dictionary/SysHotKeysRecord.h"
#include "hotkeys/HotKeyOutput.h"

namespace vl {

// The pause between letting go of the modifiers (or the hot key) and acting.
inline constexpr int kHotKeyPauseMs = 200;

// Runs the hot key's action; a hot key that is switched off does nothing.
void RunHotKeyAction(const SysHotKeysRecord& hotKey, HotKeyOutput& output);

// Types, copies or pastes the hot key's text, by its text type.
void RunTextHotKey(const SysHotKeysRecord& hotKey, HotKeyOutput& output);

// Queues the script of the hot key's task (SCH:ID = HOT:ID). Only a task of
// type "Hot Key" is the hot key's: another task that has come to carry the
// same ID after the hot key's task was deleted is never run.
void RunTaskHotKey(const SysHotKeysRecord& hotKey, HotKeyOutput& output);

} // namespace vl

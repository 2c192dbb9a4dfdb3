#pragma once
// What the hot-key form's OK does to its record: it completes the derived
// fields, checks that the key can be held, and adds, writes back or deletes
// the record.
//
// A key is refused, with a message, when it names no key, when it is the
// program's own restore key (Win+W), when another hot key already has it
// (whatever its spelling: "Ctrl-Shift-A" and "^+A" are one key), when a key
// that types (a letter, a digit, Space, Enter, ...) would be taken alone or
// with Shift only, which would stop it from typing in every program, when
// its text is longer than the field holds, and when a "Task" hot key has no
// task of its own yet. Nothing is written then and the form keeps what was
// entered.
//
// Deleting a hot key deletes its own "Hot Key" task with that task's
// script, and never a task of another type (Relations.h).

#include "core/dictionary/SysHotKeysRecord.h"
#include "platform/ui/FormRequest.h"

#include <QString>

namespace vl {

inline constexpr char kHotKeyRefusedCaption[] = "Hot Key";

// The derived fields: a blank description takes the key text; the quick
// text is the description, a blank and, for a "Text" hot key, ": " and the
// text.
void CompleteHotKey(SysHotKeysRecord& hotKey);

// The width of the hot key's text (HOT:Text).
inline constexpr int kHotKeyTextSize = 10000;

// Why the hot key's key cannot be held (no key, the restore key, a key that
// types, another hot key's key); empty when it can. Reads SysHotKeys.
QString HotKeyKeyProblem(const SysHotKeysRecord& hotKey);

// Why the hot key cannot be stored as it is: its key's problem, a text
// longer than the field holds, or a "Task" hot key without a task of its
// own; empty when it can. Reads SysHotKeys and Schedule.
QString HotKeyProblem(const SysHotKeysRecord& hotKey);

// Whether the ID names a task of type "Hot Key", the only kind of task a hot
// key may run, change or delete.
bool HasHotKeyTask(int32_t id);

// Completes the form's request on the SysHotKeys table (which it opens for
// the call). A refused key or a file error is shown to the user and gives
// false; the table is then as it was.
bool StoreHotKey(FormRequest request, SysHotKeysRecord& hotKey);

} // namespace vl

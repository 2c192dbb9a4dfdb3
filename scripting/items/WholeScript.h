#pragma once
// A whole script at once, without asking or telling the user: deleted with
// its owner, copied under another task, put back as it was. Each runs in
// one batch of the table and leaves the table as it was when a write fails.

#include "platform/ui/ProgressService.h"
#include "scripting/items/ScriptItemTables.h"

namespace vl {

// The highest offset a copied item's sequence number may be moved by to
// find a free number.
inline constexpr int32_t kMaxSequenceOffset = 1000;

// Ends a batch of item writes: committed when nothing stopped it, else
// rolled back. The error that stopped it, else the commit's.
template <class R>
DataError EndScriptItemBatch(Table<R>& table, const DataError& stopped)
{
    if (!stopped.Ok()) {
        table.Rollback();
        return stopped;
    }
    table.Flush();
    return table.LastError();
}

// Deletes every item of the owner (a task's items, or a template's). The
// error that stopped it; then nothing is deleted.
template <class R>
DataError DeleteScriptItems(Table<R>& table, int32_t owner);

// Deletes every item of the task.
inline DataError DeleteTaskScript(Table<ScriptingRecord>& scripting, int32_t taskId)
{
    return DeleteScriptItems(scripting, taskId);
}

// Puts the task's script back as it was: its items now are deleted and the
// items given (read earlier with ReadScriptItems) stored again under their
// own sequence numbers. The error that stopped it; then nothing changed.
DataError RestoreTaskScript(Table<ScriptingRecord>& scripting, int32_t taskId,
                            const std::vector<ScriptingRecord>& items);

// Copies every item the source owner holds when the copy starts under the
// target owner (a task's items, or a template's), in order; copying a
// script onto its own owner appends one copy of it. An item keeps its
// sequence number plus an offset that starts at 0: where the target already
// holds that number, the offset grows until the number is free (at most to
// kMaxSequenceOffset) and stays for the items after it, so nothing is
// overwritten. The error that stopped it; then nothing is copied. The
// progress is told the items copied; when it asks to stop nothing is copied
// either (and no error is returned: the caller knows why).
template <class R>
DataError CopyScriptItems(Table<R>& table, int32_t from, int32_t to, const ProgressStep& progress = {});

// Copies the source task's script under the target task (CopyScriptItems).
inline DataError CopyTaskScript(Table<ScriptingRecord>& scripting, int32_t fromTaskId, int32_t toTaskId)
{
    return CopyScriptItems(scripting, fromTaskId, toTaskId);
}

} // namespace vl

#pragma once
// The script items of a performed task: deleted with the task, or copied to
// the task's history record or quick-start copy. The Scripting table must be
// open (or marked for use); each routine writes in one batch.

#include "core/dictionary/ScriptingRecord.h"
#include "platform/data/DataError.h"
#include "platform/data/Table.h"

#include <cstdint>

namespace vl {

// Deletes every item of the task. The error that stopped it (Ok() when every
// item is gone).
DataError DeleteTaskScript(Table<ScriptingRecord>& scripting, int32_t taskId);

// Copies every item of one task to another, in order. An item keeps its
// sequence number; when the target already holds that number, this item and
// the ones after it move up past it (at most 1,000 numbers), so nothing is
// lost or overwritten. The error that stopped it (Ok() when every item was
// copied); the items copied before it stay.
DataError CopyTaskScript(Table<ScriptingRecord>& scripting, int32_t fromTaskId, int32_t toTaskId);

// The script of a performed task for its history record.
DataError CopyScriptToHistory(Table<ScriptingRecord>& scripting, int32_t taskId, int32_t historyId);

} // namespace vl

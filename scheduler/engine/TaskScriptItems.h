#pragma once
// The script items of a performed task: deleted with the task or copied to
// its quick-start copy (WholeScript.h), copied to its history record.
// The Scripting table must be open (or marked for use); each routine writes
// in one batch.

#include "scripting/items/WholeScript.h"

#include <cstdint>

namespace vl {

// The script of a performed task for its history record.
DataError CopyScriptToHistory(Table<ScriptingRecord>& scripting, int32_t taskId, int32_t historyId);

} // namespace vl

#pragma once
// A task's whole script: copied under a copied task, deleted with a task
// that is not kept. Failures are shown to the user.

#include "core/dictionary/ScriptingRecord.h"
#include "platform/data/Table.h"

#include <cstdint>

namespace vl {

inline constexpr char kScriptErrorCaption[] = "Error";
inline constexpr char kCopyScriptErrorText[] = "Error adding script record:";
inline constexpr char kDeleteScriptErrorText[] = "Error deleting script record:";

// Copies every item of the source task under the target task, in order; an
// item whose sequence number the target already holds moves up past it. A
// failure is shown ("Error adding script record:" and the error); the items
// copied before it stay. False on a failure.
bool CopyScript(Table<ScriptingRecord>& scripting, int32_t sourceId, int32_t targetId);

// Deletes every item of the task; nothing for task 0. A failure is shown
// ("Error deleting script record:" and the error). False on a failure.
bool DeleteScript(Table<ScriptingRecord>& scripting, int32_t taskId);

} // namespace vl

#pragma once
// A whole script at once, as the user sees it: copied under a copied task,
// deleted with a task that is not kept, cleared from the script list after
// a question. Failures are shown to the user.

#include "scripting/items/ScriptItemTables.h"

#include <cstdint>

namespace vl {

inline constexpr char kScriptErrorCaption[] = "Error";
inline constexpr char kCopyScriptErrorText[] = "Error adding script record:";
inline constexpr char kDeleteScriptErrorText[] = "Error deleting script record:";
inline constexpr char kClearAllCaption[] = "Clear All";
inline constexpr char kClearAllText[] = "Delete all script items for the current task?";

// Copies every item of the source task under the target task, in order, once
// (CopyTaskScript); an item whose sequence number the target already holds
// moves up past it. A failure is shown ("Error adding script record:" and
// the error) and nothing is copied. False on a failure.
bool CopyScript(Table<ScriptingRecord>& scripting, int32_t sourceId, int32_t targetId);

// Deletes every item of the task; nothing for task 0. A failure is shown
// ("Error deleting script record:" and the error) and nothing is deleted.
// False on a failure.
bool DeleteScript(Table<ScriptingRecord>& scripting, int32_t taskId);
// The same for the items of a template; nothing for template 0.
bool DeleteScriptTemplateDetails(Table<ScriptTemplateDetailsRecord>& details, int32_t templateId);

// Asks "Delete all script items for the current task?" (Yes, No; No is the
// default) and on Yes deletes the task's, or the template's, items. True
// when they were deleted.
bool ClearScriptItems(Table<ScriptingRecord>& scripting, int32_t taskId);
bool ClearScriptItems(Table<ScriptTemplateDetailsRecord>& details, int32_t templateId);

} // namespace vl

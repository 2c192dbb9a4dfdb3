#pragma once
// Script items of tasks and of templates share one layout apart from the
// owner's ID (the task's SCR:ID, the template's VLD:WIZ_ID). These copy the
// fields across, one by one; the result is a new record (record pointer 0).

#include "core/dictionary/ScriptTemplateRecords.h"
#include "core/dictionary/ScriptingRecord.h"

namespace vl {

// A template item as a task's item of the task taskId.
ScriptingRecord TemplateItemAsScriptItem(const ScriptTemplateDetailsRecord& item, int32_t taskId);
// A task's item as an item of the template templateId.
ScriptTemplateDetailsRecord ScriptItemAsTemplateItem(const ScriptingRecord& item, int32_t templateId);

} // namespace vl

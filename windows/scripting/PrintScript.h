#pragma once
// The printed scripts: a task's script items and a template's items, one
// detail line each (the action and its description), shown in the print
// preview from which the user prints.

#include <QWidget>

#include "core/dictionary/ScheduleRecord.h"
#include "core/dictionary/ScriptTemplateRecords.h"

namespace vl {

// The items of the task (SCR:ID = SCH:ID) in their order, headed by "Script"
// and the task's description (window key "PrintCurrentScript").
void PrintCurrentScript(const ScheduleRecord& task, QWidget* parent = nullptr);

// The items of the template (VLD:WIZ_ID = VLT:WIZ_ID) in their order, headed
// by "Script" and the column headings (window key
// "PrintCurrentScriptTemplateDetails").
void PrintCurrentScriptTemplateDetails(const ScriptTemplatesRecord& scriptTemplate, QWidget* parent = nullptr);

} // namespace vl

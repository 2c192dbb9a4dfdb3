#pragma once
// The script templates in the program: the template list started from the
// frame's menu, the list in select mode, and a template copied into a
// task's script with its token questions asked.

#include "scripting/templates/TemplateTokens.h"

#include <cstdint>
#include <optional>

class QWidget;

namespace vl {

// Select mode, modal to the parent: the ID of the template chosen with
// "&Select", nothing when the list was closed.
std::optional<int32_t> SelectScriptTemplate(QWidget* parent);

// The template into the task's script (after its items), the token
// questions asked in windows over the parent and answered from `answers`
// first; nothing is added when a question is cancelled. True when items were
// added.
bool CopyTemplateIntoScript(int32_t templateId, int32_t taskId, TemplateTokenAnswers& answers, QWidget* parent);

// Registers "BrowseScriptTemplates", a window of its own.
void RegisterScriptTemplateProcedures();

} // namespace vl

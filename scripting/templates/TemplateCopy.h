#pragma once
// Copying a template's items: into a task's script (CopyScriptTemplateToScript,
// the template tokens answered on the way) and under another template
// (CopyScriptTemplateDetails, the "Cop&y" of the template list).
//
// Either copy is all or nothing: every question is answered before the first
// item is stored, and the items are stored in one batch, so a question the
// user cancels, a write that fails, or the Cancel of the copy's progress
// window ("Importing Template", "Copying Script") leaves the target as it
// was. Failures are shown to the user.

#include "core/dictionary/Dictionary.h"
#include "scripting/templates/TemplateTokens.h"

#include <cstdint>

namespace vl {

inline constexpr char kTemplateGoneCaption[] = "Script Templates";
inline constexpr char kTemplateGoneText[] =
    "The script template no longer exists: another window or program has deleted it.";
inline constexpr char kAddItemErrorCaption[] = "Error!";
inline constexpr char kAddTemplateItemErrorCaption[] = "Error";
inline constexpr char kAddTemplateItemErrorText[] = "Error adding script record:";
inline constexpr char kTemplateProgressCaption[] = "Processing Records";
inline constexpr char kImportTemplateText[] = "Importing Template";
inline constexpr char kCopyScriptText[] = "Copying Script";

enum class TemplateCopied { Copied, Cancelled, Failed };

// Appends the template's items to the task's script after its last item, in
// their order, skipping items without an action; the tokens of their text
// fields are replaced by the answers (kept in `answers` for the next copy).
// A "Start Program" item without a start-in folder takes its program's
// folder. Scripting, ScriptTemplates and ScriptTemplateDetails must be open.
// Failed (shown) for task 0, a template that no longer exists, or a failed
// read or write.
TemplateCopied CopyScriptTemplateToScript(Dictionary& tables, int32_t templateId, int32_t taskId,
                                          TemplateTokenAnswers& answers, TemplateTokenQuestions& questions);

// The items of template `from` under template `to`, in order, each keeping
// its sequence number plus an offset that grows (to at most 1,000) where the
// number is taken. Nothing to do when either is 0. Failed on a failure, shown.
TemplateCopied CopyScriptTemplateDetails(Table<ScriptTemplateDetailsRecord>& details, int32_t from, int32_t to);

// The folder a program is started in when its item names none: the folder of
// the command's program (the quoted part, else the text up to the first
// blank), without its closing separator; blank for a program named without a
// folder.
QString ProgramFolder(const QString& command);

} // namespace vl

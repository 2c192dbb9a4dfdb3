#pragma once
// Storing the templates themselves (ScriptTemplates): a new template's ID,
// saving one from the template form, deleting one with its items. The
// tables ScriptTemplates and ScriptTemplateDetails must be open. Failures
// are shown to the user and change nothing.

#include "core/dictionary/Dictionary.h"

#include <cstdint>
#include <optional>

namespace vl {

inline constexpr char kTemplateCaption[] = "Script Templates";
inline constexpr char kNoDescriptionText[] = "Enter a description for the script template.";
inline constexpr char kDuplicateDescriptionText[] = "A script template with this description already exists: ";
inline constexpr char kTemplateWriteErrorText[] = "The script template could not be stored:|";
inline constexpr char kTemplateDeleteErrorText[] = "The script template could not be deleted:|";

// The ID a new template takes: above every template's and above every ID
// that items are stored under (those of a template another window is
// creating, or left behind by a template removed outside this program), so
// a new template never adopts another's items. 0 when the tables cannot be
// read (shown).
int32_t NewTemplateId(Dictionary& tables);

// The template as stored now; nothing when it is gone (deleted by another
// window or program).
std::optional<ScriptTemplatesRecord> ReadTemplate(Dictionary& tables, int32_t templateId);

// Adds (the record's ID set by NewTemplateId) or rewrites the template. A
// blank description or one another template has is refused with a message
// saying so; a template deleted meanwhile is stored again. The stored record
// is left in `record`.
bool SaveTemplate(Dictionary& tables, ScriptTemplatesRecord& record);

// Deletes the template and its items, all or nothing. A template already
// gone counts as deleted.
bool DeleteTemplate(Dictionary& tables, int32_t templateId);

} // namespace vl

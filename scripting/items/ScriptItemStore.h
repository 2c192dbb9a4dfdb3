#pragma once
// Storing what the item editor was asked to do: insert (the table numbers
// the item within its task or template), change or delete one item. An item
// that belongs to no task or template (ID 0) is refused, so that no item is
// ever stored where no script can reach it. A refusal or a write error is
// shown to the user and logged (with the owner's ID and the error, never the
// item's fields: a File Actions item keeps an FTP password), and false is
// returned with the table unchanged.

#include "core/dictionary/ScriptTemplateRecords.h"
#include "core/dictionary/ScriptingRecord.h"
#include "platform/ui/FormRequest.h"

namespace vl {

inline constexpr char kNoTaskCaption[] = "Internal Error";
// The refusal of an item whose task has no ID: the text, then the ID.
inline constexpr char kNoTaskText[] = "Unable to attach script to scheduled item.  Schedule ID is ";
inline constexpr char kNoTemplateText[] = "Unable to attach script to template.  Template ID is ";
inline constexpr char kStoreErrorCaption[] = "Script Action";
// An item of an import or a template copy that could not be added; the
// error follows.
inline constexpr char kAddItemErrorText[] = "Error adding script item ";

// The text shown when an item of the task (or template) cannot be stored.
QString NoOwnerText(const char* text, int32_t ownerId);

// Tables Scripting and ScriptTemplateDetails must be open. The stored item
// (with its sequence and record pointer after an insert) is left in `item`.
bool StoreScriptItem(FormRequest request, ScriptingRecord& item);
bool StoreScriptItem(FormRequest request, ScriptTemplateDetailsRecord& item);

} // namespace vl

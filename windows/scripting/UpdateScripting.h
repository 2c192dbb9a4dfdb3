#pragma once
// The script item editor: one item of a task's script (UpdateScripting) or
// of a script template (UpdateScriptTemplateDetail). Both are modal on the
// caller's thread. An insert of an item whose action is blank primes a new
// item for the task or template; an insert of a filled item (a copy) keeps
// its fields; either is stored with the next sequence number of its task or
// template. Change stores the edits; delete shows the item read-only and
// removes it on OK; view shows it read-only. They return true when the item
// was stored or deleted, and `item` then holds what was stored; on cancel
// (or when the table cannot be opened, which is shown) `item` is left as it
// was. An item of task or template 0 is refused (ScriptItemStore.h).

#include <cstdint>

#include "core/dictionary/ScriptTemplateRecords.h"
#include "core/dictionary/ScriptingRecord.h"
#include "platform/ui/FormRequest.h"

class QWidget;

namespace vl {

inline constexpr char kUpdateScriptingProcedure[] = "UpdateScripting";
inline constexpr char kUpdateScriptTemplateDetailProcedure[] = "UpdateScriptTemplateDetail";

bool UpdateScripting(FormRequest request, ScriptingRecord& item, int32_t taskId, QWidget* parent = nullptr);
bool UpdateScriptTemplateDetail(FormRequest request, ScriptTemplateDetailsRecord& item, int32_t templateId,
                                QWidget* parent = nullptr);

} // namespace vl

#pragma once
// The script item editor: one item of a task's script (UpdateScripting) or
// of a script template (UpdateScriptTemplateDetail). Both are modal on the
// caller's thread. An insert primes a new item for the task or template and
// stores it with the next sequence number; change stores the edits; delete
// shows the item read-only and removes it on OK; view shows it read-only.
// They return true when the item was stored or deleted, and `item` then
// holds what was stored; on cancel `item` is left as it was.

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

#pragma once
// Brings an item stored by an older version to the current vocabulary:
// "Send Keystrokes" becomes "Send Keys"; the window test of "If Window..."
// becomes "Exists" or "Does not exist"; the comparison of "If Time
// Elapsed..." becomes "Greater than" or "Less than"; a Wait mode "AND" or
// "BOTH" becomes "Both", "EITHER" becomes "Either" (any case). Nothing else
// changes.

#include "core/dictionary/ScriptTemplateRecords.h"
#include "core/dictionary/ScriptingRecord.h"

namespace vl {

void NormalizeScriptItem(ScriptingRecord& item);
void NormalizeScriptItem(ScriptTemplateDetailsRecord& item);

} // namespace vl

#pragma once
// Brings an item stored by an older version to the current vocabulary:
// "Send Keystrokes" becomes "Send Keys"; the window test of "If Window..."
// becomes "Exists" or "Does not exist"; the comparison of "If Time
// Elapsed..." becomes "Greater than" or "Less than"; a Wait mode "AND" or
// "BOTH" becomes "Both", "EITHER" becomes "Either" (any case); a file
// sub-action in another spelling takes its name ("copy", "FTPUPLOAD"); the
// flag of a "Display Message" becomes 1 or 0; the start codes of a "Start
// Program" become the four digits that act as they do ("" -> "0210"); a
// "Start Script" mode takes the name of the mode its first letter picks.
// Nothing else changes.

#include "core/dictionary/ScriptTemplateRecords.h"
#include "core/dictionary/ScriptingRecord.h"

namespace vl {

void NormalizeScriptItem(ScriptingRecord& item);
void NormalizeScriptItem(ScriptTemplateDetailsRecord& item);

} // namespace vl

#pragma once
// The file dialogs that fill in a program to start: for a task (the task
// form and the wizards) and for a script step (the item editors). The dialog
// opens in the item's start-in directory when it has one; a chosen file
// becomes the command, and its directory the start-in directory when none
// was given. The process's own current directory is never changed.

#include "core/dictionary/ScheduleRecord.h"
#include "core/dictionary/ScriptTemplateRecords.h"
#include "core/dictionary/ScriptingRecord.h"

namespace vl {

// The filter of both dialogs.
inline constexpr char kProgramFileFilter[] = "All Files|*.*|EXEs|*.EXE|COMs|*.COM|BATs|*.BAT|Shortcuts|*.LNK";

// "Choose a Program to Start", on SCH:Command and SCH:Path. True when a file
// was chosen (the window then redraws).
bool ChooseProgramFile(ScheduleRecord& task);

// "Select a Program", on the command and path of a task's or a template's
// script item.
bool SelectProgramFile(ScriptingRecord& item);
bool SelectProgramFile(ScriptTemplateDetailsRecord& item);

} // namespace vl

#pragma once
// "Scripting" (BrowseScripting): the list of one task's script items, the
// place where they are added, copied, changed, deleted, put in order and
// cleared. One list is open at a time: a second start brings the open one
// forward.

#include "core/dictionary/ScheduleRecord.h"

class QWidget;

namespace vl {

// The procedure name under which the list is registered and keeps its place.
inline constexpr char kBrowseScriptingProcedure[] = "BrowseScripting";

// Shows the script list of the task, modal to the parent, and returns when
// it closes. It works on the caller's own copy of the task: a blank Command
// becomes "N/A" and a blank Description "Script " and today's date, for the
// caller to store. A task without an ID (0) is shown as an internal error and
// no item can be added to it.
void BrowseScripting(ScheduleRecord& task, QWidget* parent = nullptr);

} // namespace vl

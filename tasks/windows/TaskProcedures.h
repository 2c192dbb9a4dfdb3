#pragma once
// Plugs task editing into the main program when it starts: the holiday list
// and the task categories open from the frame's menus, the task wizards
// from its menus, toolbar and tray, the lists open the task form and the
// special event wizard, the task form opens the script list, and the
// holiday upkeep runs from the frame's cycle.

namespace vl {

void RegisterTaskProcedures();

} // namespace vl

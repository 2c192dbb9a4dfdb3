#pragma once
// Plugs task editing into the main program when it starts: the holiday list,
// the task categories and the two task lists ("Scheduled Tasks", "Explore
// Schedule") open from the frame's menus, the task wizards from its menus,
// toolbar and tray; the lists open the task form and the special event
// wizard, the task form, the wizards and the lists open the script list, and
// the holiday upkeep runs from the frame's cycle.

namespace vl {

void RegisterTaskProcedures();

} // namespace vl
